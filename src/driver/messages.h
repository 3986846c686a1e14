// The messages that end a run, printed on standard output.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace plotwarden {

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitSettings = -1;    // configuration, report or style file
constexpr int kExitDictionary = -2;  // a dictionary file
constexpr int kExitFindings = 1;     // --check found an error
constexpr int kExitUsage = 2;        // the command line cannot be used

// "Could not open %s. Exit ...\n" and the rest, with the path written as it
// stands (never used as a format).
void printCouldNotOpen(std::string_view configurationPath);
void printOutputNotDefined(std::string_view configurationPath);
void printErrorReading(std::string_view dictionaryPath);
void printCouldNotCreate(std::string_view outputPath);
void printCouldNotWrite(std::string_view path);

// "Ignore unknown field: 'NAME'", on standard output: a header column of
// a dictionary that no table shows.
void printUnknownField(std::string_view name);

// Why a run stopped, after its message: "plotwarden: REASON", on standard
// error, where scripts that read standard output do not see it.
void printReason(std::string_view reason);

// What a run lost of its dictionaries without a word (a line each, such as
// "civil.csv: 3 features in no table"), on standard error, and the command
// that tells more.
void printLosses(const std::vector<std::string>& lines, std::string_view configurationPath,
                 std::string_view modeText);

// "plotwarden: REASON" and the usage text, on standard error.
void printUsageError(std::string_view reason, std::string_view usage);

// A naming-mode argument that is neither a number nor a mode word, on
// standard error: the run goes on in level naming, as such text always did.
void printModeNotUnderstood(std::string_view modeText);

// "wrote PATH: N dictionaries, M features", on standard error: a person at a
// terminal sees that the run did something; scripts see nothing new.
void printWrote(std::string_view outputPath, size_t dictionaries, size_t features);

// Text the user asked for (--help, --version), on standard output.
void printToStandardOutput(std::string_view text);

}  // namespace plotwarden
