// Whatever its files hold, a run ends with a defined result: a report, or
// its message and a nonzero status. Each row prepares a scratch folder, runs
// the program and checks its status, what it printed and what it left. None
// of these may take long: a row that hangs or backtracks exponentially shows
// as a test timeout.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <concepts>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "support/program_run.h"

namespace plotwarden::testing {
namespace {

namespace fs = std::filesystem;

const std::string kHeader = ",\n#\n\"\nexample,1\n";
const std::string kNoOutput =
    "Html output file not defined in c.cfg \n(should contain out=[file path])\nExiting\n";

// A configuration that writes r.html (style sheet embedded) from d.csv.
std::string configuration(const std::string& output = "r.html",
                          const std::string& dictionary = "d.csv") {
  return "out=" + output + "\ncss=embed\n" + kHeader + "D,desc,a,b,1,1," + dictionary + "\n";
}

// Deterministic bytes of every value, or of every value but zero (which
// would end a dictionary's text at once).
std::string garbage(size_t size, unsigned seed, bool zeros) {
  std::minstd_rand random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) {
    c = static_cast<char>(random() & 0xFF);
    if (c == '\0' && !zeros) c = '\1';
  }
  return bytes;
}

std::string repeated(const std::string& text, size_t times) {
  std::string all;
  all.reserve(text.size() * times);
  for (size_t i = 0; i < times; ++i) all += text;
  return all;
}

// The summary's row for dictionary "D", version 1: its counts of cells,
// linear, text, dimensions, 3D solids, leaders and hatching.
std::string summaryRow(const std::vector<int>& counts) {
  std::string row = "<TR class='cfeature'><TD class= ''>D</TD><TD class= ''>1</TD>";
  for (int count : counts) row += "<TD class= ''>" + std::to_string(count) + "</TD>";
  return row + "</TR>";
}

// An element types dictionary: one feature per field, each `copies` times.
std::string elementTypes(const std::vector<std::string>& fields, size_t copies = 1) {
  std::string text = "FEATURE NAME,ELEMENT TYPES\n";
  for (size_t i = 0; i < copies; ++i)
    for (const std::string& field : fields) text += "f," + field + "\n";
  return text;
}

// Bytes that a row needs, made only when the row runs: every test process
// builds the whole table, and most of them run none of its rows.
class Content {
 public:
  Content(std::string bytes) : make_([bytes = std::move(bytes)] { return bytes; }) {}
  Content(const char* bytes) : Content(std::string(bytes)) {}
  template <std::invocable Make>
  Content(Make make) : make_(std::move(make)) {}
  std::string operator()() const { return make_(); }

 private:
  std::function<std::string()> make_;
};

std::string tenMegabytes() { return std::string(10 << 20, 'x'); }

using Prepare = std::function<void(const ScratchFolder&)>;
using Check = std::function<void(const ScratchFolder&)>;

enum class Printed { EXACTLY, ONLY_UNKNOWN_FIELD_WARNINGS };

struct BadInput {
  const char* name;
  Prepare prepare;
  std::vector<std::string> arguments;
  int status;  // as a shell sees it: -1 is 255, -2 is 254
  Content output;
  Printed printed = Printed::EXACTLY;
  Check check = nullptr;    // what the run left; by default no report
  bool unreadable = false;  // the row needs a file that the program cannot read
};

void PrintTo(const BadInput& row, std::ostream* out) { *out << row.name; }

Prepare files(std::vector<std::pair<std::string, Content>> contents) {
  return [contents](const ScratchFolder& scratch) {
    for (const auto& [name, bytes] : contents) scratch.write(name, bytes());
  };
}

Prepare withFolder(const std::string& folder, Prepare prepare) {
  return [folder, prepare](const ScratchFolder& scratch) {
    fs::create_directories(scratch.path() / folder);
    prepare(scratch);
  };
}

Prepare locked(const std::string& name, Prepare prepare) {
  return [name, prepare](const ScratchFolder& scratch) {
    prepare(scratch);
    fs::permissions(scratch.path() / name, fs::perms::none);
  };
}

// A dictionary handed over through a named pipe, as a shell's process
// substitution hands it: written by a thread once the program opens it.
Prepare throughAPipe(const std::string& name, std::string bytes, Prepare prepare) {
  return [name, bytes, prepare](const ScratchFolder& scratch) {
    prepare(scratch);
    const fs::path pipe = scratch.path() / name;
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::thread([pipe, bytes] {
      std::FILE* writer = std::fopen(pipe.c_str(), "wb");
      if (!writer) return;
      std::fwrite(bytes.data(), 1, bytes.size(), writer);
      std::fclose(writer);
    }).detach();
  };
}

Prepare linked(const std::string& name, const fs::path& target, Prepare prepare) {
  return [name, target, prepare](const ScratchFolder& scratch) {
    prepare(scratch);
    fs::create_symlink(target, scratch.path() / name);
  };
}

void noReport(const ScratchFolder& scratch) { EXPECT_FALSE(scratch.exists("r.html")); }

// A finished report at r.html that holds each of `parts`.
Check reportWith(std::vector<Content> parts) {
  return [parts](const ScratchFolder& scratch) {
    const std::string report = scratch.read("r.html");
    EXPECT_TRUE(report.ends_with("</BODY>\r\n</HTML>\r\n"));
    for (const Content& part : parts) {
      const std::string text = part();
      EXPECT_NE(report.find(text), std::string::npos) << text.substr(0, 200);
    }
  };
}

std::string unknownFieldWarnings(size_t columns) {
  std::string warnings;
  for (size_t i = 0; i < columns; ++i)
    warnings += "Ignore unknown field: 'C" + std::to_string(i) + "'\n";
  return warnings;
}

std::vector<BadInput> badInputs() {
  const std::string dictionary = "FEATURE NAME,ELEMENT TYPES\nRoad,3\n";
  std::vector<BadInput> rows = {
      // The configuration file.
      {"ConfigurationMissing",
       files({}),
       {"missing.cfg", "0"},
       255,
       "Could not open missing.cfg. Exit ...\n"},
      {"ConfigurationEmpty", files({{"c.cfg", ""}}), {"c.cfg", "0"}, 255, kNoOutput},
      {"ConfigurationUnreadable",
       locked("c.cfg", files({{"c.cfg", configuration()}})),
       {"c.cfg", "0"},
       255,
       "Could not open c.cfg. Exit ...\n",
       Printed::EXACTLY,
       noReport,
       true},
      {"ConfigurationIsAFolder",
       withFolder("c.cfg", files({})),
       {"c.cfg", "0"},
       255,
       "Could not open c.cfg. Exit ...\n"},
      // No "out=" in it, so its first lines set the three characters and its
      // fourth lacks the separator that the first set.
      {"ConfigurationBinaryGarbage",
       files({{"c.cfg", [] { return garbage(100000, 7, true); }}}),
       {"c.cfg", "0"},
       255,
       "Could not open c.cfg. Exit ...\n"},
      // A zero byte ends each line piece it stands in: nothing but empty lines.
      {"ConfigurationZeroBytes",
       files({{"c.cfg", std::string(100000, '\0')}}),
       {"c.cfg", "0"},
       255,
       kNoOutput},
      // Pieces of 4095 characters, each a line: the first three set 'x' as
      // every character, and each later piece is a dictionary line of empty
      // fields, whose empty path cannot be read.
      {"ConfigurationLineOf10MB",
       files({{"c.cfg", [] { return "out=r.html\n" + tenMegabytes() + "\n"; }}}),
       {"c.cfg", "0"},
       254,
       "Error reading . Exit ...\n"},

      // The dictionary file.
      {"DictionaryMissing",
       files({{"c.cfg", configuration("r.html", "missing.csv")}}),
       {"c.cfg", "0"},
       254,
       "Error reading missing.csv. Exit ...\n"},
      {"DictionaryEmpty",
       files({{"c.cfg", configuration()}, {"d.csv", ""}}),
       {"c.cfg", "0"},
       0,
       "",
       Printed::EXACTLY,
       reportWith({summaryRow({0, 0, 0, 0, 0, 0, 0})})},
      {"DictionaryUnreadable",
       locked("d.csv", files({{"c.cfg", configuration()}, {"d.csv", dictionary}})),
       {"c.cfg", "0"},
       254,
       "Error reading d.csv. Exit ...\n",
       Printed::EXACTLY,
       noReport,
       true},
      {"DictionaryIsAFolder",
       withFolder("d.csv", files({{"c.cfg", configuration()}})),
       {"c.cfg", "0"},
       254,
       "Error reading d.csv. Exit ...\n"},
      {"DictionaryBinaryGarbage",
       files({{"c.cfg", configuration()}, {"d.csv", [] { return garbage(1 << 20, 11, false); }}}),
       {"c.cfg", "0"},
       0,
       "",
       Printed::ONLY_UNKNOWN_FIELD_WARNINGS,
       reportWith({"<TD class= ''>D</TD>"})},
      {"DictionaryZeroBytes",
       files({{"c.cfg", configuration()}, {"d.csv", std::string(100000, '\0')}}),
       {"c.cfg", "0"},
       0,
       "",
       Printed::EXACTLY,
       reportWith({summaryRow({0, 0, 0, 0, 0, 0, 0})})},
      {"DictionaryLineOf10MB",
       files({{"c.cfg", configuration()},
              {"d.csv", [] { return "FEATURE NAME,ELEMENT TYPES\n" + tenMegabytes() + ",3\n"; }}}),
       {"c.cfg", "0"},
       0,
       "",
       Printed::EXACTLY,
       reportWith({summaryRow({0, 1, 0, 0, 0, 0, 0}),
                   [] { return "<TD class= 'colName'>" + tenMegabytes() + "</TD>"; }})},
      // The quoted field runs to the end of the text: one feature of one field.
      {"DictionaryUnterminatedQuoteAtStart",
       files({{"c.cfg", configuration()},
              {"d.csv",
               [] {
                 return "FEATURE NAME,ELEMENT TYPES\n\"Road,3\n" +
                        repeated("Lane,3\nPath,4\n", 500000);
               }}}),
       {"c.cfg", "0"},
       0,
       "",
       Printed::EXACTLY,
       reportWith({summaryRow({0, 0, 0, 0, 0, 0, 0})})},
      {"DictionaryHeaderOf100000Columns",
       [](const ScratchFolder& scratch) {
         std::string header;
         std::string row;
         for (int i = 0; i < 100000; ++i) {
           header.append("C").append(std::to_string(i)).push_back(',');
           row += "v,";
         }
         scratch.write("c.cfg", configuration());
         scratch.write("d.csv", header + "ELEMENT TYPES\n" + row + "3\n");
       },
       {"c.cfg", "0"},
       0,
       [] { return unknownFieldWarnings(100000); },
       Printed::EXACTLY,
       reportWith({summaryRow({0, 1, 0, 0, 0, 0, 0})})},
      // With the comma as separator every comma searches for brackets. In
      // the first lines the comma after the '[' run stands inside brackets,
      // so the field runs on to ",b"; cut at 511 characters it holds only
      // '[' and matches nothing. In the others '[3]]' ends at its comma and
      // is linear.
      {"DictionaryThousandsOfBrackets",
       files({{"c.cfg", configuration()},
              {"d.csv",
               [] {
                 return "FEATURE NAME,ELEMENT TYPES,LEVEL\n" +
                        repeated(
                            "a," + std::string(5000, '[') + "3," + std::string(5000, ']') + ",b\n",
                            200) +
                        repeated("c,[3]" + repeated("],[", 3000) + "\n", 200);
               }}}),
       {"c.cfg", "0"},
       0,
       "",
       Printed::EXACTLY,
       reportWith({summaryRow({0, 200, 0, 0, 0, 0, 0})})},

      // Long wildcard patterns in element types, each in 100 features. A
      // list holds at most 255 characters. "*" runs match every number;
      // "*1" and "*?" repeated need more characters than any number has.
      {"ElementTypesStarRuns",
       files({{"c.cfg", configuration()},
              {"d.csv",
               elementTypes({"[" + std::string(500, '*') + "]", "[" + repeated("*1", 250) + "]",
                             "[" + repeated("*?", 250) + "]"},
                            100)}}),
       {"c.cfg", "0"},
       0,
       "",
       Printed::EXACTLY,
       reportWith({summaryRow({100, 100, 100, 100, 100, 0, 0})})},
      // A list ends at its first ']', so every '[' in it is an unclosed class,
      // which takes one character and passes over the next.
      {"ElementTypesDeepNestedClasses",
       files({{"c.cfg", configuration()},
              {"d.csv",
               elementTypes({"[" + std::string(500, '[') + "]", "[3" + repeated("[^", 250) + "]",
                             "[[[1[*" + repeated("[[,", 160) + "]"},
                            100)}}),
       {"c.cfg", "0"},
       0,
       "",
       Printed::EXACTLY,
       reportWith({summaryRow({0, 0, 0, 0, 0, 0, 0})})},
      // Each '|' takes at most one character, and a last '|' exactly one:
      // '1', up to 250 others and '5' fit 15 (linear) and 105 (3D solid);
      // '|' alone fits every number. Past 255 characters the list is cut,
      // so the '5' of a longer run is lost and '1' followed by anything fits.
      {"ElementTypesBarRuns",
       files({{"c.cfg", configuration()},
              {"d.csv",
               elementTypes({"[1" + std::string(250, '|') + "5]", "[" + std::string(500, '|') + "]",
                             "[1" + std::string(500, '|') + "5]"},
                            100)}}),
       {"c.cfg", "0"},
       0,
       "",
       Printed::EXACTLY,
       reportWith({summaryRow({100, 300, 200, 100, 300, 0, 0})})},
      // Numbers saturate at the ends of the 32-bit range and stand for
      // themselves; '1e400' is no number but a pattern; '-0' is 0. Only the
      // range from far below 0 up to 3 fits: 2 (cell, 3D solid) and 3 (linear).
      {"ElementTypesOutOfRange",
       files({{"c.cfg", configuration()},
              {"d.csv", elementTypes({"99999999999", "[99999999999]", "[1e400]", "1e400", "[-0]",
                                      "-0", "[2-99999999999]", "[-99999999999-3]"})}}),
       {"c.cfg", "0"},
       0,
       "",
       Printed::EXACTLY,
       reportWith({summaryRow({1, 1, 0, 0, 1, 0, 0})})},
      // Feature types are read like atoi: '-0' is 0 (cell), '1e400' is 1
      // (linear), and values beyond 32 bits select nothing.
      {"FeatureTypesOutOfRange",
       files({{"c.cfg", configuration()},
              {"d.csv",
               "FEATURE NAME,FEATURE TYPE\na,99999999999\nb,-0\nc,1e400\n"
               "d,-99999999999\ne,4294967297\n"}}),
       {"c.cfg", "0"},
       0,
       "",
       Printed::EXACTLY,
       reportWith({summaryRow({1, 1, 0, 0, 0, 0, 0})})},

      // The naming mode argument, read like atoi: only 1 selects layer mode.
      {"ModeArgument99999999999",
       files({{"c.cfg", configuration()}, {"d.csv", dictionary}}),
       {"c.cfg", "99999999999"},
       0,
       "",
       Printed::EXACTLY,
       reportWith({"#Cells"})},
      {"ModeArgument1e400",
       files({{"c.cfg", configuration()}, {"d.csv", dictionary}}),
       {"c.cfg", "1e400"},
       0,
       "",
       Printed::EXACTLY,
       reportWith({"#Blocks"})},
      {"ModeArgumentMinus0",
       files({{"c.cfg", configuration()}, {"d.csv", dictionary}}),
       {"c.cfg", "-0"},
       0,
       "",
       Printed::EXACTLY,
       reportWith({"#Cells"})},

      // Scales are shown as written; text sizes are converted: 1e400
      // overflows to infinity and -0 keeps its sign.
      {"ScalesOutOfRange",
       files({{"c.cfg", configuration()},
              {"d.csv",
               "FEATURE NAME,ELEMENT TYPES,TEXT SCALE,KEY-IN\n"
               "a,35,,active scale 99999999999\n"
               "b,35,,as=1e400\n"
               "c,35,,active xscale -0;ys=1e400\n"
               "d,17,1e400x-0,\n"
               "e,17,99999999999x1e-400,\n"}}),
       {"c.cfg", "0"},
       0,
       "",
       Printed::EXACTLY,
       reportWith({"<TD class= 'colScale'>99999999999</TD>", "<TD class= 'colScale'>1e400</TD>",
                   "<TD class= 'colScale'>x:-0y:1e400</TD>",
                   "<TD class= 'colScale'>inf</TD><TD class= 'colScale'>-0</TD>",
                   "<TD class= 'colScale'>99999999999</TD><TD class= 'colScale'>0</TD>"})},
      // Coded settings read like atoi: beyond 32 bits there is no word, '-0'
      // is 0 and '1e400' is 1.
      {"DimensionCodesOutOfRange",
       files({{"c.cfg", configuration()},
              {"d.csv",
               "FEATURE NAME,ELEMENT TYPES,KEY-IN\n"
               "a,33,dimension terminator orientterm 99999999999;"
               "dimension text orient -99999999999\n"
               "b,33,dimension terminator orientterm -0;dimension text orient 1e400\n"
               "c,33,dimension terminator orientterm 1e400;dimension text orient -0\n"}}),
       {"c.cfg", "0"},
       0,
       "",
       Printed::EXACTLY,
       reportWith({"<TD class= ''>&nbsp</TD>", "<TD class= ''>open</TD>",
                   "<TD class= ''>Above</TD>", "<TD class= ''>closed</TD>",
                   "<TD class= ''>Inline</TD>"})},

      // Where the report goes.
      {"OutputToDevFull",
       files({{"c.cfg", configuration("/dev/full")}, {"d.csv", dictionary}}),
       {"c.cfg", "0"},
       255,
       "Could not write /dev/full. Exit ...\n"},
      {"OutputToAFolder",
       withFolder("r.html", files({{"c.cfg", configuration()}, {"d.csv", dictionary}})),
       {"c.cfg", "0"},
       255,
       "Could not create r.html. Exit ...\n",
       Printed::EXACTLY,
       [](const ScratchFolder& scratch) {
         EXPECT_TRUE(fs::is_directory(scratch.path() / "r.html"));
       }},
      {"OutputInAMissingFolder",
       files({{"c.cfg", configuration("missing\\r.html")}, {"d.csv", dictionary}}),
       {"c.cfg", "0"},
       255,
       "Could not create missing\\r.html. Exit ...\n"},
      {"StyleFileOnAFullDevice",
       linked("style.css", "/dev/full",
              files({{"c.cfg", "out=r.html\n" + kHeader + "D,desc,a,b,1,1,d.csv\n"},
                     {"d.csv", dictionary}})),
       {"c.cfg", "0"},
       255,
       "Could not write style.css. Exit ...\n",
       Printed::EXACTLY,
       [](const ScratchFolder&) {}},
      {"DictionaryIsANamedPipe",
       throughAPipe("d.csv", dictionary, files({{"c.cfg", configuration()}})),
       {"c.cfg", "0"},
       0,
       "",
       Printed::EXACTLY,
       reportWith({summaryRow({0, 1, 0, 0, 0, 0, 0})})},
      {"OutputToTheDictionary",
       files({{"c.cfg", configuration("d.csv")}, {"d.csv", dictionary}}),
       {"c.cfg", "0"},
       255,
       "Could not create d.csv. Exit ...\n",
       Printed::EXACTLY,
       [dictionary](const ScratchFolder& scratch) {
         EXPECT_EQ(scratch.read("d.csv"), dictionary);
       }},
  };
  return rows;
}

// Every line of the output is an unknown-field warning (a name may hold a
// line end of its own, so the output is only checked at its ends).
bool onlyUnknownFieldWarnings(const std::string& output) {
  return output.starts_with("Ignore unknown field: '") && output.ends_with("'\n") &&
         output.find("Exit ...") == std::string::npos;
}

// Standard error holds nothing, or what a run lost of a dictionary (a line
// per dictionary, "d.csv: ...") or why it stopped, its last line the
// program's own ("plotwarden: ...").
bool onlyLossesAndReasons(const std::string& errors) {
  if (errors.empty()) return true;
  if (!errors.ends_with("\n")) return false;
  const size_t lastLine = errors.rfind('\n', errors.size() - 2);
  const std::string last = errors.substr(lastLine == std::string::npos ? 0 : lastLine + 1);
  return last.starts_with("plotwarden: ") && errors.find("Exit ...") == std::string::npos;
}

// The program as the unprivileged user "nobody", for whom a file without
// permissions is unreadable even where the tests run as root; nothing when
// that cannot be arranged.
std::optional<std::string> unprivilegedRunner() {
  if (::geteuid() != 0) return "";
  if (!fs::exists("/usr/bin/setpriv")) return std::nullopt;
  const char* runner = std::getenv("PLOTWARDEN_RUNNER");
  std::string program = runner && *runner ? runner : "'" PLOTWARDEN_EXE "'";
  return "/usr/bin/setpriv --reuid=65534 --regid=65534 --clear-groups " + program;
}

class BadInputRun : public ::testing::TestWithParam<BadInput> {};

TEST_P(BadInputRun, EndsWithItsDocumentedResult) {
  const BadInput& row = GetParam();
  std::optional<std::string> runner;
  if (row.unreadable) {
    runner = unprivilegedRunner();
    if (!runner) GTEST_SKIP() << "running as root without setpriv: every file is readable";
  }
  ScratchFolder scratch;
  row.prepare(scratch);

  const char* previous = std::getenv("PLOTWARDEN_RUNNER");
  const std::string saved = previous ? previous : "";
  if (runner && !runner->empty()) ::setenv("PLOTWARDEN_RUNNER", runner->c_str(), 1);
  const ProgramResult result = runProgram(scratch.path(), row.arguments);
  if (runner && !runner->empty()) {
    if (previous)
      ::setenv("PLOTWARDEN_RUNNER", saved.c_str(), 1);
    else
      ::unsetenv("PLOTWARDEN_RUNNER");
  }

  EXPECT_EQ(result.status, row.status);
  if (row.printed == Printed::EXACTLY)
    EXPECT_TRUE(result.output == row.output()) << result.output.substr(0, 500);
  else
    EXPECT_TRUE(onlyUnknownFieldWarnings(result.output)) << result.output.substr(0, 500);
  EXPECT_TRUE(onlyLossesAndReasons(result.errors)) << result.errors.substr(0, 500);
  if (row.check)
    row.check(scratch);
  else
    noReport(scratch);
}

INSTANTIATE_TEST_SUITE_P(Rows, BadInputRun, ::testing::ValuesIn(badInputs()),
                         [](const ::testing::TestParamInfo<BadInput>& row) {
                           return std::string(row.param.name);
                         });

}  // namespace
}  // namespace plotwarden::testing
