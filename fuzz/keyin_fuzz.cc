// Key-in decoders, symbology cells and the section writers over a dictionary
// read from the input (separator, quote and marker from its first three
// bytes), in level mode and in layer mode.
#include <array>
#include <cstdint>
#include <string>

#include "dictionary/classification.h"
#include "dictionary/dictionary_reader.h"
#include "dictionary/dictionary_store.h"
#include "fuzz_support.h"
#include "keyin/field_access.h"
#include "keyin/keyin_decoders.h"
#include "keyin/symbology.h"
#include "platform/output_stream.h"
#include "report/feature_cells.h"
#include "report/sections.h"

using namespace plotwarden;

namespace {

// A decoder shows parts of its key-in text (the per-axis scale up to three,
// which may overlap), fixed words, or both.
constexpr size_t kLongestFixedText = 32;

void decodeEveryCell(const Dictionary& dictionary, int feature, bool layerMode) {
  FeatureCells cells;
  cells.layerNaming = layerMode;
  beginFeature(cells, dictionary, feature);
  for (int role = ROLE_FEATURE_NAME; role <= ROLE_UNKNOWN; ++role)
    symbologyText(cells, static_cast<FieldRole>(role));

  const size_t longest = 3 * cells.keyin.size() + kLongestFixedText;
  std::string out;
  using Decoder = void (*)(std::string_view, std::string&);
  for (Decoder decode : {Decoder{decodeFill}, Decoder{decodePlacement}, Decoder{decodeClass},
                         Decoder{decodeLibrary}, Decoder{decodeScale}}) {
    decode(cells.keyin, out);
    FUZZ_CHECK(out.size() <= longest);
  }
  // Every item code the writers pass, and some they never do.
  const DimensionPhrases& phrases = dimensionPhrases(cells);
  for (int item = 0; item <= 15; ++item) {
    decodeExtensionLine(phrases, item, out);
    FUZZ_CHECK(out.size() <= longest);
    decodeTerminator(phrases, item, out);
    FUZZ_CHECK(out.size() <= longest);
    decodeDimensionText(phrases, item, out);
    FUZZ_CHECK(out.size() <= longest);
  }
  textWidth(cells);
  textHeight(cells);
}

void writeEverySection(const Dictionary& dictionary, const ReportSettings& words) {
  OutputStream report;
  writeLinearSection(report, dictionary, words);
  writeAnnotationSection(report, dictionary, words);
  writeDimensionsSection(report, dictionary, words);
  writeCellsSection(report, dictionary, words, false, "Images\\", "report.html");
  writeSolidsSection(report, dictionary, words);
  writeHatchingSection(report, dictionary, words);
  writeLeadersSection(report, dictionary, words);
  FUZZ_CHECK(closeStream(report));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const char separator = input.takeByte();
  const char quote = input.takeByte();
  const char marker = input.takeByte();

  Dictionary dictionary;
  FUZZ_CHECK(
      loadDictionaryText(dictionary, input.rest, separator, quote, marker, fuzz::kSmallParts).ok());
  // Ranges classified side by side must end exactly as one range does.
  Dictionary oneRange;
  FUZZ_CHECK(
      loadDictionaryText(oneRange, input.rest, separator, quote, marker, fuzz::kSmallParts).ok());
  classifyDictionary(dictionary, fuzz::kSmallParts, 1);
  classifyDictionary(oneRange, fuzz::kSmallParts, SIZE_MAX);
  FUZZ_CHECK(passCounts(dictionary) == passCounts(oneRange));
  for (size_t feature = 0; feature < dictionary.features.size(); ++feature)
    FUZZ_CHECK(dictionary.features[feature].category == oneRange.features[feature].category);

  for (bool layerMode : {false, true}) {
    for (int feature = -1; feature <= dictionary.featureCount(); ++feature)
      decodeEveryCell(dictionary, feature, layerMode);
    ReportSettings words;
    words.layerNaming = layerMode;
    words.blocks = fuzz::kSmallBlocks;
    writeEverySection(dictionary, words);
  }
  return 0;
}
