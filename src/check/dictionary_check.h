// Everything --check says about one loaded, classified dictionary, its
// summary, and the one line a normal run prints when a dictionary lost
// features or rows without a word.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "check/checked_file.h"
#include "check/finding_output.h"
#include "check/picture_rules.h"

namespace plotwarden {

// The rules of the header, rows, tables and values, and, when `pictures`
// is given (previews shown and the image folder found), of the cells'
// pictures. The features' categories must be set.
void checkDictionary(const CheckedFile& file, const PictureSettings* pictures, Findings& findings);

DictionarySummary summarize(std::string_view path, const Dictionary& dictionary);

// Keeps the first few findings of each code in each file and puts in place
// of the rest one note of how many more there are: a rule that fires on
// every row says so in a screenful.
void limitRepeats(Findings& findings);

// "civil.csv: 3 features in no table; line 41: '[' not closed, 2 lines
// joined": what a run lost of the dictionary without a word, or "" when it
// lost nothing. Costs nothing for a dictionary that lost nothing.
std::string lossLine(std::string_view path, const Dictionary& dictionary, char quote);

}  // namespace plotwarden
