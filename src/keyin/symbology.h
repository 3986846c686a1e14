// The text of a table cell that shows one field of a feature.
#pragma once

#include <string>
#include <string_view>

#include "dictionary/dictionary_store.h"

namespace plotwarden {

// A feature's field as its table cell shows it: LEVEL, WEIGHT and LINE
// STYLE tidied to 'main[bracket]', every other role as fetched. A view into
// the dictionary's text where it can be, else into `scratch`, whose start
// then holds the text (the string may be longer: it is kept at its largest
// size). COLOUR is read with colourValue.
std::string_view symbologyView(const Dictionary& dictionary, int featureIndex, FieldRole role,
                               std::string& scratch);

// The strings a colourValue's texts may lie in, reused from feature to feature.
struct ColourScratch {
  std::string unquoted;
  std::string cleaned;
  std::string rgb;
};

// A COLOUR value as the report shows it: its text in 'main[bracket]' parts
// and the hexadecimal RGB text of its swatch (empty: no swatch), which is
// the RGB field's or the colour in parentheses of a ByCell, ByBlock or, in
// layer mode, ByLevel/ByLayer value; `layerNaming` selects the words ByBlock
// and ByLayer. The value "yes" is shown as it stands (`framed` false).
struct ColourValue {
  std::string_view main;
  std::string_view bracket;
  std::string_view swatch;
  bool framed;
};
ColourValue colourValue(const Dictionary& dictionary, int featureIndex, bool layerNaming,
                        ColourScratch& scratch);

}  // namespace plotwarden
