// The texts one feature's row (or block of rows) is made of that more than
// one cell needs: its key-in text, fetched once, and the rendered fields,
// class text, text size, library and dimension phrases, each made the first
// time a cell asks.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "dictionary/dictionary_store.h"
#include "keyin/keyin_decoders.h"
#include "keyin/symbology.h"

namespace plotwarden {

struct FeatureCells {
  const Dictionary* dictionary = nullptr;
  int featureIndex = -1;
  bool layerNaming = false;  // the words of rendered colours
  std::string_view keyin;    // into the dictionary's text, or into keyinText
  std::string keyinText;     // the key-in when its quotes had to be removed
  std::array<std::string_view, ROLE_UNKNOWN + 1> rendered;  // into the text or `renderedText`
  std::array<std::string, ROLE_UNKNOWN + 1> renderedText;
  uint32_t renderedRoles = 0;  // one bit per role already in `rendered`
  ColourScratch colourScratch;
  bool fieldsMayHoldLineFeeds = true;  // featureMayHoldLineFeeds
  std::string classText;
  std::string textWidth;
  std::string textHeight;
  std::string library;
  std::string libraryTitle;
  DimensionPhrases dimensionPhrases;
  bool haveClass = false;
  bool haveTextSize = false;
  bool haveLibrary = false;
  bool haveDimensionPhrases = false;
};

// Starts on feature `featureIndex`: fetches its key-in text and forgets
// everything made for the previous feature (the buffers keep their storage).
void beginFeature(FeatureCells& cells, const Dictionary& dictionary, int featureIndex);

// The cell text of field `role`: symbologyView, or for COLOUR the swatch
// table of its colourValue.
std::string_view symbologyText(FeatureCells& cells, FieldRole role);

// decodeClass of the key-in.
std::string_view classText(FeatureCells& cells);

// Width and height that splitTextSize makes of the rendered TEXT SCALE.
std::string_view textWidth(FeatureCells& cells);
std::string_view textHeight(FeatureCells& cells);

// decodeLibrary of the key-in, and the file-name part of it.
std::string_view libraryText(FeatureCells& cells);
std::string_view libraryTitle(FeatureCells& cells);

// Where the dimension style phrases occur in the key-in.
const DimensionPhrases& dimensionPhrases(FeatureCells& cells);

// A feature that names a library in its key-in and no cell: it stands for
// the whole library.
bool isLibraryFeature(FeatureCells& cells);

}  // namespace plotwarden
