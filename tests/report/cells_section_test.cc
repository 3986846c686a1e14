#include <gtest/gtest.h>

#include <string>

#include "report/cell_preview.h"
#include "report/section_test_support.h"
#include "report/sections.h"
#include "support/dictionary_builder.h"
#include "support/scratch_folder.h"

namespace plotwarden {
namespace {

using test_support::buildDictionary;
using test_support::categorized;
using testing::ScratchFolder;

Dictionary cellsDictionary() {
  return categorized(
      buildDictionary(
          {{"FEATURE NAME", ROLE_FEATURE_NAME},
           {"CELL NAME", ROLE_CELL_NAME},
           {"LEVEL", ROLE_LEVEL},
           {"COLOUR", ROLE_COLOUR},
           {"LINE STYLE", ROLE_LINE_STYLE},
           {"WEIGHT", ROLE_WEIGHT},
           {"KEY-IN", ROLE_KEY_IN}},
          {{"North", "NORTH", "Symbols", "1", "0", "0",
            "attach library C:\\cells\\symbols.cel;place cell NORTH;active scale 2.500"},
           {"Plain", "TREE", "Trees", "2", "0", "1", "as=2"},
           {"SymLib", "", "Symbols", "3", "0", "0", "rc=C:\\cells\\symbols.cel"},
           {"Road", "", "Roads", "1", "0", "0", "rc=C:\\cells\\roads.cel"},
           {"Box", "BOX", "Solids", "1", "0", "0", ""},
           {"Nothing", "", "L", "4", "0", "0", "lt=2"},
           {"Trailing", "", "Symbols", "3", "0", "0", "attach library D:\\lib\\"},
           {"SymLibAgain", "", "Symbols", "3", "0", "0",
            "rc=C:\\cells\\symbols.cel;active scale 1"}}),
      {CATEGORY_CELLS, CATEGORY_CELLS, CATEGORY_CELLS, CATEGORY_LINEAR, CATEGORY_SOLIDS,
       CATEGORY_CELLS, CATEGORY_CELLS, CATEGORY_CELLS});
}

std::string written(const Dictionary& dictionary, bool layerMode, bool showImages,
                    const std::string& outputPath) {
  OutputStream out;
  writeCellsSection(out, dictionary, ReportSettings{layerMode, false, {}}, showImages, "Images\\",
                    outputPath);
  return std::string(bufferedText(out));
}

TEST(CellsSection, WithPicturesEachRowHasAPreviewAndLibrariesFollowTheTable) {
  ScratchFolder folder;  // holds no listing
  EXPECT_EQ(
      written(cellsDictionary(), false, true, (folder.path() / "report.htm").string()),
      "<TABLE><TR><TD class='cfeaturetypeheading'>Cells</TD></TR></TABLE>\r\n"
      "<TABLE cellspacing='1' class='featuretable'>\r\n"
      "<TR><TD width='100' class='cfeatureheading csymbolpic'>Preview</TD>"
      "<TD width='80' class='cfeatureheading colName'>Feature</TD>"
      "<TD width='70' class='cfeatureheading colCellName'>Cell</TD>"
      "<TD width='70' class='cfeatureheading colCellLibrary'>Library</TD>"
      "<TD width='70' class='cfeatureheading colLevel'>Level</TD>"
      "<TD width='70' class='cfeatureheading colColour'>Color</TD>"
      "<TD width='50' class='cfeatureheading colLineStyle'>Style</TD>"
      "<TD width='50' class='cfeatureheading colWeight'>Weight</TD>"
      "<TD width='50' class='cfeatureheading colScale'>Scale</TD>"
      "<TD width='50' class='cfeatureheading colExtra'>Extra</TD></TR>\r\n"
      // A cell of a library: its picture lies in the library's folder.
      "<TR class='cfeature'><TD class= 'csymbolpic'><img src=\"Images\\symbols\\NORTH.png\" "
      "alt='Images\\symbols\\NORTH.png' class='csymbolpic'/></TD>"
      "<TD class= 'colName'>North</TD><TD class= 'colCellName'>NORTH</TD>"
      "<TD class= 'colCellLibrary'>C:\\cells\\symbols.cel</TD><TD class= 'colLevel'>Symbols</TD>"
      "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>1</TD></TABLE></TD>"
      "<TD class= 'colLineStyle'>0</TD><TD class= 'colWeight'>0</TD>"
      "<TD class= 'colScale'>2.5</TD><TD class= 'colExtra'>Place NORTH</TD></TR>\r\n"
      // A cell of no library.
      "<TR class='cfeature'><TD class= 'csymbolpic'><img src=\"Images\\TREE.png\" "
      "alt='Images\\TREE.png' class='csymbolpic'/></TD>"
      "<TD class= 'colName'>Plain</TD><TD class= 'colCellName'>TREE</TD>"
      "<TD class= 'colCellLibrary'></TD><TD class= 'colLevel'>Trees</TD>"
      "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>2</TD></TABLE></TD>"
      "<TD class= 'colLineStyle'>0</TD><TD class= 'colWeight'>1</TD>"
      "<TD class= 'colScale'>2</TD><TD class= 'colExtra'></TD></TR>\r\n"
      // A library feature.
      "<TR class='cfeature'><TD class= 'csymbolpic'> <a href=\"#symbols\" title=\"symbols\"> "
      "<img src= \"Images\\LIBRARY_IMAGE.png\" class='csymbolpic'/> </a></TD>"
      "<TD class= 'colName'><a href=\"#symbols\" title=\"symbols\"> symbols </a></TD>"
      "<TD class= 'colCellName'></TD>"
      "<TD class= 'colCellLibrary'>C:\\cells\\symbols.cel</TD><TD class= 'colLevel'>Symbols</TD>"
      "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>3</TD></TABLE></TD>"
      "<TD class= 'colLineStyle'>0</TD><TD class= 'colWeight'>0</TD>"
      "<TD class= 'colScale'></TD><TD class= 'colExtra'></TD></TR>\r\n"
      // Neither cell name nor library.
      "<TR class='cfeature'><TD class= 'csymbolpic'><img src=\"Images\\.png\" "
      "alt='Images\\.png' class='csymbolpic'/></TD>"
      "<TD class= 'colName'>Nothing</TD><TD class= 'colCellName'></TD>"
      "<TD class= 'colCellLibrary'></TD><TD class= 'colLevel'>L</TD>"
      "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>4</TD></TABLE></TD>"
      "<TD class= 'colLineStyle'>0</TD><TD class= 'colWeight'>0</TD>"
      "<TD class= 'colScale'></TD><TD class= 'colExtra'>Place Terminator</TD></TR>\r\n"
      // A library text ending in a backslash has an empty title.
      "<TR class='cfeature'><TD class= 'csymbolpic'> <a href=\"#\" title=\"\"> "
      "<img src= \"Images\\LIBRARY_IMAGE.png\" class='csymbolpic'/> </a></TD>"
      "<TD class= 'colName'><a href=\"#\" title=\"\">  </a></TD>"
      "<TD class= 'colCellName'></TD>"
      "<TD class= 'colCellLibrary'>D:\\lib\\</TD><TD class= 'colLevel'>Symbols</TD>"
      "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>3</TD></TABLE></TD>"
      "<TD class= 'colLineStyle'>0</TD><TD class= 'colWeight'>0</TD>"
      "<TD class= 'colScale'></TD><TD class= 'colExtra'></TD></TR>\r\n"
      // The same library again.
      "<TR class='cfeature'><TD class= 'csymbolpic'> <a href=\"#symbols\" title=\"symbols\"> "
      "<img src= \"Images\\LIBRARY_IMAGE.png\" class='csymbolpic'/> </a></TD>"
      "<TD class= 'colName'><a href=\"#symbols\" title=\"symbols\"> symbols </a></TD>"
      "<TD class= 'colCellName'></TD>"
      "<TD class= 'colCellLibrary'>C:\\cells\\symbols.cel</TD><TD class= 'colLevel'>Symbols</TD>"
      "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>3</TD></TABLE></TD>"
      "<TD class= 'colLineStyle'>0</TD><TD class= 'colWeight'>0</TD>"
      "<TD class= 'colScale'>1</TD><TD class= 'colExtra'></TD></TR>\r\n"
      "</TABLE>\r\n"
      // One block per library feature with a title, in row order; no listing,
      // so no table.
      "<A id=\"symbols\"></A>\r\n"
      "<TABLE><TR><TD class='cfeaturetypeheading'>Symbol Library: symbols</TD></TR></TABLE>\r\n"
      "<TABLE cellspacing='1' class='featuretable'>\r\n"
      "<TABLE><TR><TD class='cfeaturetypeheading'>C:\\cells\\symbols.cel</TD></TR></TABLE>\r\n"
      "<TABLE cellspacing='1' class='featuretable'>\r\n"
      "<A id=\"symbols\"></A>\r\n"
      "<TABLE><TR><TD class='cfeaturetypeheading'>Symbol Library: symbols</TD></TR></TABLE>\r\n"
      "<TABLE cellspacing='1' class='featuretable'>\r\n"
      "<TABLE><TR><TD class='cfeaturetypeheading'>C:\\cells\\symbols.cel</TD></TR></TABLE>\r\n"
      "<TABLE cellspacing='1' class='featuretable'>\r\n");
}

const char kRowsWithoutPictures[] =
    "<TR class='cfeature'><TD class= 'colName'>North</TD><TD class= 'colCellName'>NORTH</TD>"
    "<TD class= 'colCellLibrary'>C:\\cells\\symbols.cel</TD><TD class= 'colLevel'>Symbols</TD>"
    "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>1</TD></TABLE></TD>"
    "<TD class= 'colLineStyle'>0</TD><TD class= 'colWeight'>0</TD>"
    "<TD class= 'colScale'>2.5</TD><TD class= 'colExtra'>Place NORTH</TD></TR>\r\n"
    "<TR class='cfeature'><TD class= 'colName'>Plain</TD><TD class= 'colCellName'>TREE</TD>"
    "<TD class= 'colCellLibrary'></TD><TD class= 'colLevel'>Trees</TD>"
    "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>2</TD></TABLE></TD>"
    "<TD class= 'colLineStyle'>0</TD><TD class= 'colWeight'>1</TD>"
    "<TD class= 'colScale'>2</TD><TD class= 'colExtra'></TD></TR>\r\n"
    "<TR class='cfeature'><TD class= 'colName'>SymLib</TD><TD class= 'colCellName'></TD>"
    "<TD class= 'colCellLibrary'>C:\\cells\\symbols.cel</TD><TD class= 'colLevel'>Symbols</TD>"
    "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>3</TD></TABLE></TD>"
    "<TD class= 'colLineStyle'>0</TD><TD class= 'colWeight'>0</TD>"
    "<TD class= 'colScale'></TD><TD class= 'colExtra'></TD></TR>\r\n"
    "<TR class='cfeature'><TD class= 'colName'>Nothing</TD><TD class= 'colCellName'></TD>"
    "<TD class= 'colCellLibrary'></TD><TD class= 'colLevel'>L</TD>"
    "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>4</TD></TABLE></TD>"
    "<TD class= 'colLineStyle'>0</TD><TD class= 'colWeight'>0</TD>"
    "<TD class= 'colScale'></TD><TD class= 'colExtra'>Place Terminator</TD></TR>\r\n"
    "<TR class='cfeature'><TD class= 'colName'>Trailing</TD><TD class= 'colCellName'></TD>"
    "<TD class= 'colCellLibrary'>D:\\lib\\</TD><TD class= 'colLevel'>Symbols</TD>"
    "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>3</TD></TABLE></TD>"
    "<TD class= 'colLineStyle'>0</TD><TD class= 'colWeight'>0</TD>"
    "<TD class= 'colScale'></TD><TD class= 'colExtra'></TD></TR>\r\n"
    "<TR class='cfeature'><TD class= 'colName'>SymLibAgain</TD><TD class= 'colCellName'></TD>"
    "<TD class= 'colCellLibrary'>C:\\cells\\symbols.cel</TD><TD class= 'colLevel'>Symbols</TD>"
    "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>3</TD></TABLE></TD>"
    "<TD class= 'colLineStyle'>0</TD><TD class= 'colWeight'>0</TD>"
    "<TD class= 'colScale'>1</TD><TD class= 'colExtra'></TD></TR>\r\n"
    "</TABLE>\r\n";

TEST(CellsSection, WithoutPicturesLibraryFeaturesShowTheirNameAndNoLibraryFollows) {
  ScratchFolder folder;
  folder.write("Images/symbols/DIR_CONTENTS.csv", "Name,Description,Picture\r\n");
  EXPECT_EQ(written(cellsDictionary(), false, false, (folder.path() / "report.htm").string()),
            std::string("<TABLE><TR><TD class='cfeaturetypeheading'>Cells</TD></TR></TABLE>\r\n"
                        "<TABLE cellspacing='1' class='featuretable'>\r\n"
                        "<TR><TD width='80' class='cfeatureheading colName'>Feature</TD>"
                        "<TD width='70' class='cfeatureheading colCellName'>Cell</TD>"
                        "<TD width='70' class='cfeatureheading colCellLibrary'>Library</TD>"
                        "<TD width='70' class='cfeatureheading colLevel'>Level</TD>"
                        "<TD width='70' class='cfeatureheading colColour'>Color</TD>"
                        "<TD width='50' class='cfeatureheading colLineStyle'>Style</TD>"
                        "<TD width='50' class='cfeatureheading colWeight'>Weight</TD>"
                        "<TD width='50' class='cfeatureheading colScale'>Scale</TD>"
                        "<TD width='50' class='cfeatureheading colExtra'>Extra</TD></TR>\r\n") +
                kRowsWithoutPictures);
}

TEST(CellsSection, LayerModeListsBlocks) {
  EXPECT_EQ(written(cellsDictionary(), true, false, "report.htm"),
            std::string("<TABLE><TR><TD class='cfeaturetypeheading'>Blocks</TD></TR></TABLE>\r\n"
                        "<TABLE cellspacing='1' class='featuretable'>\r\n"
                        "<TR><TD width='80' class='cfeatureheading colName'>Feature</TD>"
                        "<TD width='70' class='cfeatureheading colCellName'>Block</TD>"
                        "<TD width='70' class='cfeatureheading colCellLibrary'>Library</TD>"
                        "<TD width='70' class='cfeatureheading colLevel'>Layer</TD>"
                        "<TD width='70' class='cfeatureheading colColour'>Color</TD>"
                        "<TD width='50' class='cfeatureheading colLineStyle'>Linetype</TD>"
                        "<TD width='50' class='cfeatureheading colWeight'>Weight</TD>"
                        "<TD width='50' class='cfeatureheading colScale'>Scale</TD>"
                        "<TD width='50' class='cfeatureheading colExtra'>Extra</TD></TR>\r\n") +
                kRowsWithoutPictures);
}

TEST(CellsSection, ALibraryWithAListingGetsItsTableAfterItsHeadings) {
  ScratchFolder folder;
  folder.write("out/Images/symbols/DIR_CONTENTS.csv",
               "Name,Description,Picture\r\nNORTH,North arrow,north.png\r\n");
  const Dictionary dictionary =
      categorized(buildDictionary({{"FEATURE NAME", ROLE_FEATURE_NAME}, {"KEY-IN", ROLE_KEY_IN}},
                                  {{"Lib", "rc=C:\\cells\\symbols.cel"}}),
                  {CATEGORY_CELLS});
  EXPECT_EQ(
      written(dictionary, true, true, (folder.path() / "out" / "report.htm").string()),
      "<TABLE><TR><TD class='cfeaturetypeheading'>Blocks</TD></TR></TABLE>\r\n"
      "<TABLE cellspacing='1' class='featuretable'>\r\n"
      "<TR><TD width='100' class='cfeatureheading csymbolpic'>Preview</TD>"
      "<TD width='80' class='cfeatureheading colName'>Feature</TD>"
      "<TD width='70' class='cfeatureheading colCellName'>Block</TD>"
      "<TD width='70' class='cfeatureheading colCellLibrary'>Library</TD>"
      "<TD width='70' class='cfeatureheading colLevel'>Layer</TD>"
      "<TD width='70' class='cfeatureheading colColour'>Color</TD>"
      "<TD width='50' class='cfeatureheading colLineStyle'>Linetype</TD>"
      "<TD width='50' class='cfeatureheading colWeight'>Weight</TD>"
      "<TD width='50' class='cfeatureheading colScale'>Scale</TD>"
      "<TD width='50' class='cfeatureheading colExtra'>Extra</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'csymbolpic'> <a href=\"#symbols\" title=\"symbols\"> "
      "<img src= \"Images\\LIBRARY_IMAGE.png\" class='csymbolpic'/> </a></TD>"
      "<TD class= 'colName'><a href=\"#symbols\" title=\"symbols\"> symbols </a></TD>"
      "<TD class= 'colCellName'></TD><TD class= 'colCellLibrary'>C:\\cells\\symbols.cel</TD>"
      "<TD class= 'colLevel'></TD>"
      "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD></TD></TABLE></TD>"
      "<TD class= 'colLineStyle'></TD><TD class= 'colWeight'></TD>"
      "<TD class= 'colScale'></TD><TD class= 'colExtra'></TD></TR>\r\n"
      "</TABLE>\r\n"
      "<A id=\"symbols\"></A>\r\n"
      "<TABLE><TR><TD class='cfeaturetypeheading'>Symbol Library: symbols</TD></TR></TABLE>\r\n"
      "<TABLE cellspacing='1' class='featuretable'>\r\n"
      "<TABLE><TR><TD class='cfeaturetypeheading'>C:\\cells\\symbols.cel</TD></TR></TABLE>\r\n"
      "<TABLE cellspacing='1' class='featuretable'>\r\n"
      "<TR><TD width='100' class='cfeatureheading colLibTableName'>Name</TD>"
      "<TD width='100' class='cfeatureheading colLibTableDesc'>Description</TD>"
      "<TD width='100' class='cfeatureheading csymbolpic'>Cell</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colLibTableName'>NORTH</TD>"
      "<TD class= 'colLibTableDesc'>North arrow</TD>"
      "<TD class= 'csymbolpic'><img src=\"Images\\symbols\\north.png\" "
      "alt=\"Images\\symbols\\north.png\" class='csymbolpic'/></TD></TR>\r\n"
      "</TABLE>\r\n");
}

// More library blocks than a 16-bit count holds: none may be lost.
TEST(CellsSection, EveryLibraryBlockIsWrittenHoweverManyThereAre) {
  constexpr int kLibraries = 33000;
  Dictionary dictionary =
      buildDictionary({{"FEATURE NAME", ROLE_FEATURE_NAME}, {"KEY-IN", ROLE_KEY_IN}}, {});
  std::string text(dictionary.text);
  for (int i = 0; i < kLibraries; ++i) {
    const std::string fields[] = {"F", "rc=L\\lib" + std::to_string(i) + ".cel"};
    appendFeature(dictionary);
    dictionary.features.back().category = CATEGORY_CELLS;
    for (const std::string& field : fields) {
      appendFeatureField(dictionary, FieldCell{static_cast<uint32_t>(text.size()),
                                               static_cast<uint32_t>(field.size())});
      text += field + ",";
    }
  }
  setText(dictionary, text);
  ScratchFolder folder;
  const std::string out = written(dictionary, false, true, (folder.path() / "r.htm").string());
  size_t at = out.find("</TABLE>\r\n<A id=");
  ASSERT_NE(at, std::string::npos);
  at += std::string_view("</TABLE>\r\n").size();
  for (int i = 0; i < kLibraries; ++i) {
    const std::string block = "<A id=\"lib" + std::to_string(i) +
                              "\"></A>\r\n"
                              "<TABLE><TR><TD class='cfeaturetypeheading'>Symbol Library: lib" +
                              std::to_string(i) +
                              "</TD></TR></TABLE>\r\n"
                              "<TABLE cellspacing='1' class='featuretable'>\r\n"
                              "<TABLE><TR><TD class='cfeaturetypeheading'>L\\lib" +
                              std::to_string(i) +
                              ".cel</TD></TR></TABLE>\r\n"
                              "<TABLE cellspacing='1' class='featuretable'>\r\n";
    ASSERT_EQ(out.compare(at, block.size(), block), 0) << "block " << i;
    at += block.size();
  }
  EXPECT_EQ(at, out.size());
}

TEST(CellImageCell, ThreeForms) {
  std::string out;
  cellImageCell("NORTH", "C:\\cells\\symbols.cel", false, "Images\\", out);
  EXPECT_EQ(out,
            "<img src=\"Images\\symbols\\NORTH.png\" alt='Images\\symbols\\NORTH.png' "
            "class='csymbolpic'/>");
  cellImageCell("NORTH", "", false, "Images\\", out);
  EXPECT_EQ(out, "<img src=\"Images\\NORTH.png\" alt='Images\\NORTH.png' class='csymbolpic'/>");
  cellImageCell("", "C:\\cells\\symbols.cel", true, "C:\\pics\\", out);
  EXPECT_EQ(out,
            " <a href=\"#symbols\" title=\"symbols\"> <img src= \"C:\\pics\\LIBRARY_IMAGE.png\" "
            "class='csymbolpic'/> </a>");
  cellImageCell("", "", false, "Images\\", out);
  EXPECT_EQ(out, "<img src=\"Images\\.png\" alt='Images\\.png' class='csymbolpic'/>");
}

}  // namespace
}  // namespace plotwarden
