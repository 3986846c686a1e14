// The configuration parser on any bytes: settings lines, content lines,
// line pieces, dictionary lines split from the right.
#include <cstdint>
#include <string_view>
#include <vector>

#include "dictionary/dictionary_store.h"
#include "driver/configuration.h"
#include "fuzz_support.h"

using namespace plotwarden;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view raw(reinterpret_cast<const char*>(data), size);
  RunSettings settings;
  std::vector<Dictionary> dictionaries;
  parseConfigurationText(raw, settings, dictionaries);

  // A setting's value ends at its line end.
  for (const std::string* value :
       {&settings.outputPath, &settings.imageFolder, &settings.styleSheet})
    FUZZ_CHECK(value->find('\n') == std::string::npos);
  // Every field but the name lies right of a separator, and so holds none.
  const char separator = settings.textRules.separator;
  FUZZ_CHECK(dictionaries.empty() || separator != '\0');
  for (const Dictionary& d : dictionaries) {
    for (const std::string* field :
         {&d.description, &d.unusedText3, &d.unusedText4, &d.version, &d.filePath})
      FUZZ_CHECK(field->find(separator) == std::string::npos);
    FUZZ_CHECK(d.filePath.find('\n') == std::string::npos);
    FUZZ_CHECK(d.text.empty() && d.features.empty() && d.header.empty());
  }
  return 0;
}
