// Loading speed of dictionary files of 1, 10 and 100 MB, in three shapes:
// realistic lines (commas, bracketed lists, quoted key-ins), lines dense with
// commas and no brackets, and comma-dense lines before a single ']' at the
// very end (every comma then looks for its bracket). Equal MB/s across sizes
// shows that loading grows linearly with the file.
//
//   plotwarden_load_bench [FILE...]
//
// Given files (comma separator, '"' quote, '#' marker), times loading each
// of them instead.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

#include "dictionary/dictionary_reader.h"

namespace {

using plotwarden::Dictionary;

constexpr const char* kHeader =
    "FEATURE NAME,LEVEL,COLOUR,WEIGHT,LINE STYLE,TEXT SCALE,TEXT FONT,CELL NAME,"
    "ELEMENT TYPES,KEY-IN,FEATURE TYPE\r\n";

void appendRealisticLine(std::string& out, size_t index) {
  std::string n = std::to_string(index);
  out += "Road centre line " + n + ",RD_CL_" + n + "," + std::to_string(index % 256) + "," +
         std::to_string(index % 8) + ",0,1.5,Arial," + (index % 4 == 0 ? "CELL" + n : "") +
         ",[3,4," + std::to_string(index % 20) + "],\"LEVEL SET RD_CL_" + n +
         "; CO=" + std::to_string(index % 256) + "; WT=2; AS=1.0; place cell \"\"CELL" + n +
         "\"\"\",Linear\r\n";
}

void appendCommaLine(std::string& out, size_t index) {
  std::string n = std::to_string(index % 1000);
  for (int field = 0; field < 20; ++field) out += n + ",";
  out += "\n";
}

std::string makeText(size_t bytes, int shape) {
  std::string text = kHeader;
  text.reserve(bytes + 256);
  for (size_t index = 0; text.size() < bytes; ++index)
    shape == 0 ? appendRealisticLine(text, index) : appendCommaLine(text, index);
  if (shape == 2) text += "]";
  return text;
}

double loadSeconds(const std::string& path) {
  double best = 1e9;
  for (int round = 0; round < 3; ++round) {
    Dictionary dictionary;
    dictionary.filePath = path;
    auto started = std::chrono::steady_clock::now();
    const plotwarden::Status result = plotwarden::loadDictionary(dictionary, ',', '"', '#');
    std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    if (!result.ok()) {
      std::fprintf(stderr, "could not load %s\n", path.c_str());
      return 0;
    }
    best = std::min(best, took.count());
  }
  return best;
}

void printRow(const char* title, double bytes, double seconds) {
  const double mb = bytes / (1 << 20);
  std::printf("%-22s %8.1f %10.4f %10.1f\n", title, mb, seconds, seconds > 0 ? mb / seconds : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  std::printf("%-22s %8s %10s %10s\n", "shape", "MB", "seconds", "MB/s");
  if (argc > 1) {
    for (int i = 1; i < argc; ++i) {
      std::error_code error;
      const uintmax_t bytes = std::filesystem::file_size(argv[i], error);
      if (error) {
        std::fprintf(stderr, "cannot read %s\n", argv[i]);
        return 1;
      }
      printRow(std::filesystem::path(argv[i]).filename().string().c_str(),
               static_cast<double>(bytes), loadSeconds(argv[i]));
    }
    return 0;
  }
  std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                 ("plotwarden-bench-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(folder);
  const char* shapes[] = {"realistic", "commas, no brackets", "commas, one late ']'"};
  for (int shape = 0; shape < 3; ++shape) {
    for (size_t megabytes : {1, 10, 100}) {
      std::string text = makeText(megabytes << 20, shape);
      std::string path = (folder / "bench.csv").string();
      std::ofstream(path, std::ios::binary)
          .write(text.data(), static_cast<std::streamsize>(text.size()));
      printRow(shapes[shape], static_cast<double>(text.size()), loadSeconds(path));
    }
  }
  std::error_code error;
  std::filesystem::remove_all(folder, error);
  return 0;
}
