#include "driver/configuration.h"

#include <gtest/gtest.h>

#include <vector>

#include "dictionary/dictionary_store.h"

namespace plotwarden {
namespace {

class Configuration : public ::testing::Test {
 protected:
  RunSettings settings;
  std::vector<Dictionary> dictionaries;
};

TEST_F(Configuration, SettingLinesOnlyGiveNoDictionaryAndZeroCharacters) {
  ASSERT_TRUE(
      parseConfigurationText("out=r.html\nimg=pics\ncss=embed\n", settings, dictionaries).ok());
  EXPECT_EQ(settings.outputPath, "r.html");
  EXPECT_EQ(settings.imageFolder, "pics");
  EXPECT_EQ(settings.styleSheet, "embed");
  EXPECT_EQ(dictionaries.size(), 0u);
  EXPECT_EQ(settings.textRules.separator, 0);
  EXPECT_EQ(settings.textRules.marker, 0);
  EXPECT_EQ(settings.textRules.quote, 0);
}

TEST_F(Configuration, SettingValuesAreTakenAfterTheFirstEquals) {
  struct Case {
    const char* text;
    const char* output;
  };
  const Case cases[] = {
      {"out=a.html\n", "a.html"},
      {"x=1 out=b.html\n", "1 out=b.html"},  // the line's first '=' counts
      {"out= spaced\n", " spaced"},
      {"out=\n", ""},
      {"out=first\nout=second\n", "second"},
      {"OUT=caps\n", "0"},  // capitals make a content line, not a setting
      {"out=no line end", "no line end"},
      {"out=one\rtwo\n", "one\rtwo"},  // a lone CR is an ordinary character
      {"out=crlf\r\n", "crlf"},
  };
  for (const Case& c : cases) {
    RunSettings fresh;
    dictionaries.clear();
    ASSERT_TRUE(parseConfigurationText(c.text, fresh, dictionaries).ok()) << c.text;
    EXPECT_EQ(fresh.outputPath, c.output) << c.text;
  }
}

TEST_F(Configuration, TheFirstKeyInTestOrderDecidesTheSetting) {
  ASSERT_TRUE(parseConfigurationText("css=x img=y out=z\n", settings, dictionaries).ok());
  EXPECT_EQ(settings.outputPath, "x img=y out=z");
  EXPECT_EQ(settings.imageFolder, "0");
  EXPECT_EQ(settings.styleSheet, "0");
}

TEST_F(Configuration, NotGivenMeansATextStartingWithZero) {
  EXPECT_FALSE(isGiven("0"));
  EXPECT_FALSE(isGiven("0ut.html"));
  EXPECT_TRUE(isGiven(""));
  EXPECT_TRUE(isGiven("out.html"));
}

TEST_F(Configuration, ContentLinesSetCharactersAndDictionaries) {
  const char* text =
      ",ignored\n"
      "\n"
      "#\n"
      "out=r.html\n"
      "\"\n"
      "left,right\n"
      "Roads,Road features,a,b,2.1,7,C:\\dict\\roads.csv\n"
      "Name,with,commas,Desc,c,d,v,12x,x.csv\n";
  ASSERT_TRUE(parseConfigurationText(text, settings, dictionaries).ok());
  EXPECT_EQ(settings.textRules.separator, ',');
  EXPECT_EQ(settings.textRules.marker, '#');
  EXPECT_EQ(settings.textRules.quote, '"');
  ASSERT_EQ(dictionaries.size(), 2u);
  const Dictionary& roads = dictionaries[0];
  EXPECT_EQ(roads.name, "Roads");
  EXPECT_EQ(roads.description, "Road features");
  EXPECT_EQ(roads.version, "2.1");
  EXPECT_EQ(roads.unusedNumber, 7);
  EXPECT_EQ(roads.filePath, "C:\\dict\\roads.csv");
  const Dictionary& eight = dictionaries[1];
  EXPECT_EQ(eight.name, "Name,with,commas");
  EXPECT_EQ(eight.description, "Desc");
  EXPECT_EQ(eight.unusedNumber, 12);
  EXPECT_EQ(eight.filePath, "x.csv");
}

TEST_F(Configuration, AByteOrderMarkAtTheStartIsNoSeparator) {
  ASSERT_TRUE(
      parseConfigurationText("\xEF\xBB\xBF;\r\n!\r\n'\r\nx;y\r\n", settings, dictionaries).ok());
  EXPECT_EQ(settings.textRules.separator, ';');
  EXPECT_EQ(settings.textRules.marker, '!');
}

TEST_F(Configuration, BlankOrTabFirstCharacterIsTheSetting) {
  ASSERT_TRUE(parseConfigurationText("\t\n \n   \n", settings, dictionaries).ok());
  EXPECT_EQ(settings.textRules.separator, '\t');
  EXPECT_EQ(settings.textRules.marker, ' ');
  EXPECT_EQ(settings.textRules.quote, ' ');
}

TEST_F(Configuration, MalformedLinesFailAtTheirLine) {
  // A fourth content line without the separator; line ends count in any form.
  Status status = parseConfigurationText(",\r\n#\n\"\n\nnoseparator\n", settings, dictionaries);
  EXPECT_EQ(status.line, 5u);
  EXPECT_NE(status.error.find("separated by ','"), std::string::npos) << status.error;
  // A dictionary line of six fields fails; the one before it stays.
  dictionaries.clear();
  status = parseConfigurationText(";\n#\n\"\na;b\nn;d;3;4;v;6;p\nn;d;3;4;v;p\nn;d;3;4;v;6;q\n",
                                  settings, dictionaries);
  EXPECT_EQ(placedError("p.cfg", status),
            "p.cfg:6: a dictionary line holds seven fields separated by ';' "
            "(NAME,DESCRIPTION,-,-,VERSION,-,PATH); this one has 6");
  ASSERT_EQ(dictionaries.size(), 1u);
  EXPECT_EQ(dictionaries[0].filePath, "p");
}

TEST(MalformedConfigurationLines, NamesEveryOneWithItsLine) {
  const std::vector<Status> malformed = malformedConfigurationLines(
      "out=r.html\n,\n#\n\"\nx,y\n# civil\nA,a,-,-,1,-,a.csv\nB,b,-,-,1,b.csv\n");
  ASSERT_EQ(malformed.size(), 2u);
  EXPECT_EQ(placedError("p.cfg", malformed[0]),
            "p.cfg:6: a dictionary line holds seven fields separated by ',' "
            "(NAME,DESCRIPTION,-,-,VERSION,-,PATH); this one has 1 (a configuration has no "
            "comment lines)");
  EXPECT_EQ(malformed[1].line, 8u);
  EXPECT_TRUE(malformedConfigurationLines("out=r.html\n,\n#\n\"\nx,y\n").empty());
}

TEST_F(Configuration, SettingLinesDoNotCountAsContentLines) {
  ASSERT_TRUE(parseConfigurationText(";\nout=a\n!\nimg=b\n'\n\nx;y\ncss=c\nn;d;3;4;v;6;p\n",
                                     settings, dictionaries)
                  .ok());
  EXPECT_EQ(settings.textRules.separator, ';');
  EXPECT_EQ(settings.textRules.marker, '!');
  EXPECT_EQ(settings.textRules.quote, '\'');
  ASSERT_EQ(dictionaries.size(), 1u);
  EXPECT_EQ(dictionaries[0].filePath, "p");
}

TEST_F(Configuration, LongLinesArriveInPiecesOf4095Characters) {
  // The first piece ends inside the value; the rest is a line of its own,
  // here the first content line.
  std::string longValue(5000, 'v');
  ASSERT_TRUE(parseConfigurationText("out=" + longValue + "\n", settings, dictionaries).ok());
  EXPECT_EQ(settings.outputPath, std::string(4091, 'v'));
  EXPECT_EQ(settings.textRules.separator, 'v');
}

TEST_F(Configuration, UnreadableFilesFail) {
  const Status missing = parseConfiguration("/nonexistent/plotwarden.cfg", settings, dictionaries);
  EXPECT_EQ(missing.line, 0u);
  EXPECT_EQ(missing.error,
            "cannot be read (tried /nonexistent/plotwarden.cfg): No such file or directory");
  EXPECT_FALSE(
      parseConfiguration("/", settings, dictionaries).ok());  // a folder opens but cannot be read
}

}  // namespace
}  // namespace plotwarden
