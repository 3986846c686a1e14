// The text of a table cell that shows one field of a feature.
#pragma once

#include <string>
#include <string_view>

#include "dictionary/dictionary_store.h"

namespace plotwarden {

// LEVEL, WEIGHT and LINE STYLE are tidied to 'main[bracket]'; COLOUR becomes
// the swatch table: the colour's text beside a square painted in the RGB
// field's colour (or the colour in parentheses of a ByCell, ByBlock or, in
// layer mode, ByLevel/ByLayer value); every other role is the field as
// fetched. `layerNaming` selects the layer words (ByBlock, ByLayer).
void renderSymbologyCell(const Dictionary& dictionary, int featureIndex, FieldRole role,
                         bool layerNaming, std::string& out);

// The same text without a copy where none is needed: a view into the
// dictionary's text, or into `scratch`, whose start then holds the cell's
// text (the string may be longer: it is kept at its largest size).
std::string_view symbologyView(const Dictionary& dictionary, int featureIndex, FieldRole role,
                               bool layerNaming, std::string& scratch);

}  // namespace plotwarden
