#include "driver/messages.h"

#include <cstdio>
#include <initializer_list>

namespace plotwarden {

static void print(std::FILE* stream, std::initializer_list<std::string_view> pieces) {
  for (std::string_view piece : pieces) std::fwrite(piece.data(), 1, piece.size(), stream);
  std::fflush(stream);
}

void printCouldNotOpen(std::string_view configurationPath) {
  print(stdout, {"Could not open ", configurationPath, ". Exit ...\n"});
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

void printUsage() {
  print(stderr, {"usage: plotwarden CONFIGURATION-FILE MODE (MODE 1: layer naming)\n"});
}

}  // namespace plotwarden
