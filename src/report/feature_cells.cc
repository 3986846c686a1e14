#include "report/feature_cells.h"

#include "keyin/field_access.h"
#include "keyin/keyin_decoders.h"
#include "keyin/symbology.h"
#include "platform/text_compose.h"
#include "report/cell_preview.h"

namespace plotwarden {

// The swatch table of a colour: its text, and beside it a square painted in
// the swatch colour, with a "W" in the same colour (kept as stored reports
// have it, like the two blanks before "width").
static std::string_view swatchTable(const ColourValue& colour, std::string& out) {
  if (!colour.framed) return colour.main;
  const std::string_view open = colour.bracket.empty() ? "" : "[";
  const std::string_view close = colour.bracket.empty() ? "" : "]";
  constexpr std::string_view kTableStart = "<TABLE align='right'><TR class='cfeature'><TD>";
  if (colour.swatch.empty())
    return composeText(out, kTableStart, colour.main, open, colour.bracket, close, "</TD></TABLE>");
  return composeText(out, kTableStart, colour.main, open, colour.bracket, close,
                     "</TD><TD  width='15' bgcolor='#", colour.swatch, "'><font color='#",
                     colour.swatch, "'>W</font></TD></TABLE>");
}

void beginFeature(FeatureCells& cells, const Dictionary& dictionary, int featureIndex) {
  cells.dictionary = &dictionary;
  cells.featureIndex = featureIndex;
  // A feature that is not there has only empty fields.
  cells.fieldsMayHoldLineFeeds =
      featureIndex >= 0 && featureIndex < dictionary.featureCount() &&
      featureMayHoldLineFeeds(dictionary, dictionary.features[static_cast<size_t>(featureIndex)]);
  cells.keyin = fieldView(dictionary, featureIndex, ROLE_KEY_IN, cells.keyinText);
  cells.renderedRoles = 0;
  cells.haveClass = false;
  cells.haveTextSize = false;
  cells.haveLibrary = false;
  cells.haveDimensionPhrases = false;
}

std::string_view symbologyText(FeatureCells& cells, FieldRole role) {
  const uint32_t bit = 1u << static_cast<uint32_t>(role);
  std::string_view& text = cells.rendered[static_cast<size_t>(role)];
  if (!(cells.renderedRoles & bit)) {
    std::string& scratch = cells.renderedText[static_cast<size_t>(role)];
    text = role == ROLE_COLOUR
               ? swatchTable(colourValue(*cells.dictionary, cells.featureIndex, cells.layerNaming,
                                         cells.colourScratch),
                             scratch)
               : symbologyView(*cells.dictionary, cells.featureIndex, role, scratch);
    cells.renderedRoles |= bit;
  }
  return text;
}

std::string_view classText(FeatureCells& cells) {
  if (!cells.haveClass) {
    decodeClass(cells.keyin, cells.classText);
    cells.haveClass = true;
  }
  return cells.classText;
}

static void makeTextSize(FeatureCells& cells) {
  if (cells.haveTextSize) return;
  splitTextSize(symbologyText(cells, ROLE_TEXT_SCALE), cells.dictionary->textRules.quote,
                cells.textWidth, cells.textHeight);
  cells.haveTextSize = true;
}

std::string_view textWidth(FeatureCells& cells) {
  makeTextSize(cells);
  return cells.textWidth;
}

std::string_view textHeight(FeatureCells& cells) {
  makeTextSize(cells);
  return cells.textHeight;
}

static void makeLibrary(FeatureCells& cells) {
  if (cells.haveLibrary) return;
  decodeLibrary(cells.keyin, cells.library);
  cells.libraryTitle = libraryTitleOf(cells.library);
  cells.haveLibrary = true;
}

std::string_view libraryText(FeatureCells& cells) {
  makeLibrary(cells);
  return cells.library;
}

std::string_view libraryTitle(FeatureCells& cells) {
  makeLibrary(cells);
  return cells.libraryTitle;
}

const DimensionPhrases& dimensionPhrases(FeatureCells& cells) {
  if (!cells.haveDimensionPhrases) {
    findDimensionPhrases(cells.keyin, cells.dimensionPhrases);
    cells.haveDimensionPhrases = true;
  }
  return cells.dimensionPhrases;
}

bool isLibraryFeature(FeatureCells& cells) {
  return !libraryText(cells).empty() && symbologyText(cells, ROLE_CELL_NAME).empty();
}

}  // namespace plotwarden
