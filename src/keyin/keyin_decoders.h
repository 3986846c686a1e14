// Decoders that turn a feature's key-in text into the text of one cell. A
// writer that needs several settings of one feature fetches the key-in
// once and hands it to each. Every output starts empty.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "dictionary/dictionary_store.h"

namespace plotwarden {

// Item codes: which setting of a dimension style a decoder is asked for.
enum ExtensionItem {
  EXTENSION_WEIGHT = 6,
  EXTENSION_STYLE = 12,
  EXTENSION_OFFSET = 13,
  EXTENSION_EXTENT = 14,
};
enum TerminatorItem {
  TERMINATOR_ARROW = 1,
  TERMINATOR_WIDTH = 2,
  TERMINATOR_HEIGHT = 3,
  TERMINATOR_MIN_LEADER = 4,
};
enum DimTextItem {
  DIMTEXT_WIDTH = 2,
  DIMTEXT_HEIGHT = 3,
  DIMTEXT_WEIGHT = 6,
  DIMTEXT_FONT = 7,
  DIMTEXT_ORIENTATION = 8,
  DIMTEXT_FRAME = 9,
  DIMTEXT_MARGIN = 10,
  DIMTEXT_JUSTIFICATION = 11,
};

// The fill colour as written, or "Yes" for a fill without one.
void decodeFill(std::string_view keyin, std::string& out);
// "Place <cell>" (nothing for an icon cell), "Place Terminator" or
// "Place Pattern".
void decodePlacement(std::string_view keyin, std::string& out);
// "Class: <class>".
void decodeClass(std::string_view keyin, std::string& out);
// The cell library attached.
void decodeLibrary(std::string_view keyin, std::string& out);
// The uniform scale, or 'x:<x>y:<y>z:<z>' from the per-axis scales.
void decodeScale(std::string_view keyin, std::string& out);
// Where each phrase of the dimension style settings first occurs in one
// key-in text (npos where it does not), found in one pass over the text: a
// writer that decodes a dozen settings of one feature searches its key-in
// once instead of once per phrase.
struct DimensionPhrases {
  static constexpr size_t kGroups = 3;        // extension lines, terminators, text
  static constexpr size_t kMostSettings = 8;  // in a group
  std::string_view keyin;
  std::array<std::array<std::array<size_t, 2>, kMostSettings>, kGroups> first;
};
void findDimensionPhrases(std::string_view keyin, DimensionPhrases& phrases);

// One dimension style setting, chosen by its item code, from the phrases
// found in a key-in; a code not listed gives "". The terminator arrow and
// the text orientation are shown as words, "" when absent or unknown.
void decodeExtensionLine(const DimensionPhrases& phrases, int item, std::string& out);
void decodeTerminator(const DimensionPhrases& phrases, int item, std::string& out);
void decodeDimensionText(const DimensionPhrases& phrases, int item, std::string& out);

// Splits a TEXT SCALE value ('2.5x3', 'h = 2.5', 'w = 1.2 [mm]') into a
// width and a height text: each a number with its zeros trimmed and its
// '[qualifier]', if any; "" for a dimension the value does not give. The
// bracket may be quoted with `quote`.
void splitTextSize(std::string_view value, char quote, std::string& width, std::string& height);

}  // namespace plotwarden
