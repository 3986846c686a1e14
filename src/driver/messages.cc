#include "driver/messages.h"

#include <cstdio>
#include <initializer_list>
#include <string>

namespace plotwarden {

static void print(std::FILE* stream, std::initializer_list<std::string_view> pieces) {
  for (std::string_view piece : pieces) std::fwrite(piece.data(), 1, piece.size(), stream);
  std::fflush(stream);
}

void printCouldNotOpen(std::string_view configurationPath) {
  print(stdout, {"Could not open ", configurationPath, ". Exit ...\n"});
}

void printUnknownField(std::string_view name) {
  print(stdout, {"Ignore unknown field: '", name, "'\n"});
}

void printOutputNotDefined(std::string_view configurationPath) {
  print(stdout, {"Html output file not defined in ", configurationPath,
                 " \n(should contain out=[file path])\nExiting\n"});
}

void printErrorReading(std::string_view dictionaryPath) {
  print(stdout, {"Error reading ", dictionaryPath, ". Exit ...\n"});
}

void printCouldNotCreate(std::string_view outputPath) {
  print(stdout, {"Could not create ", outputPath, ". Exit ...\n"});
}

void printCouldNotWrite(std::string_view path) {
  print(stdout, {"Could not write ", path, ". Exit ...\n"});
}

void printReason(std::string_view reason) { print(stderr, {"plotwarden: ", reason, "\n"}); }

void printLosses(const std::vector<std::string>& lines, std::string_view configurationPath,
                 std::string_view modeText) {
  for (const std::string& line : lines) print(stderr, {line, "\n"});
  print(stderr, {"plotwarden: for the reasons and their fixes run: plotwarden --check ",
                 configurationPath, " ", modeText, "\n"});
}

void printUsageError(std::string_view reason, std::string_view usage) {
  print(stderr, {"plotwarden: ", reason, "\n", usage, "Try 'plotwarden --help' for more.\n"});
}

void printModeNotUnderstood(std::string_view modeText) {
  print(stderr, {"plotwarden: warning: mode '", modeText,
                 "' is neither a number nor layer/level; using level naming\n"});
}

void printWrote(std::string_view outputPath, size_t dictionaries, size_t features) {
  const std::string counts = ": " + std::to_string(dictionaries) +
                             (dictionaries == 1 ? " dictionary, " : " dictionaries, ") +
                             std::to_string(features) +
                             (features == 1 ? " feature\n" : " features\n");
  print(stderr, {"wrote ", outputPath, counts});
}

void printToStandardOutput(std::string_view text) { print(stdout, {text}); }

}  // namespace plotwarden
