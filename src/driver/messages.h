// The messages that end a run, printed on standard output.
#pragma once

#include <string_view>

namespace plotwarden {

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitSettings = -1;    // configuration, report or style file
constexpr int kExitDictionary = -2;  // a dictionary file

// "Could not open %s. Exit ...\n" and the rest, with the path written as it
// stands (never used as a format).
void printCouldNotOpen(std::string_view configurationPath);
void printOutputNotDefined(std::string_view configurationPath);
void printErrorReading(std::string_view dictionaryPath);
void printCouldNotCreate(std::string_view outputPath);
void printCouldNotWrite(std::string_view path);

// The one-line usage text, on standard error.
void printUsage();

}  // namespace plotwarden
