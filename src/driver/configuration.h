// The configuration file: report path, image folder, style sheet, the three
// structuring characters and the dictionaries to load.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dictionary/dictionary_store.h"
#include "platform/status.h"

namespace plotwarden {

// A text setting that is not given holds "0"; any value that begins with
// '0' counts as not given.
struct RunSettings {
  std::string outputPath = "0";
  std::string imageFolder = "0";
  std::string styleSheet = "0";
  bool showImages = false;
  // The characters the configuration gives for every dictionary's text.
  TextRules textRules;
};

bool isGiven(const std::string& setting);

// Copies what follows the line's first '=' (up to its line end) into `setting`.
void takeValue(std::string& setting, std::string_view line);

// Reads the file: fills the settings it gives, the structuring characters
// among them, and appends one Dictionary per dictionary line to
// `dictionaries`. Fails when the file cannot be read or at the first
// malformed line (dictionaries appended before that line stay).
Status parseConfiguration(std::string_view path, RunSettings& settings,
                          std::vector<Dictionary>& dictionaries);

// The same on the file's bytes, already read.
Status parseConfigurationText(std::string_view raw, RunSettings& settings,
                              std::vector<Dictionary>& dictionaries);

// Every malformed line of the file's bytes, where a run stops at the first:
// each line is read as if the ones before it were well formed.
std::vector<Status> malformedConfigurationLines(std::string_view raw);

// "noimages" anywhere in the image folder turns pictures off; otherwise the
// folder ("Images\" when not given) is a prefix that ends in '\'.
void settleImages(RunSettings& settings);

}  // namespace plotwarden
