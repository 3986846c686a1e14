// The frame of the modern report (--modern): head with its style sheet,
// title block, filter box, table of contents and summary; each dictionary's
// part; the filter script at the end.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dictionary/dictionary_store.h"
#include "platform/output_stream.h"

namespace plotwarden {

// Ids for the dictionaries, one each, made from their names (a name met
// again gets "-2", "-3" ...).
std::vector<std::string> dictionaryAnchors(const std::vector<Dictionary>& dictionaries);

// Everything before the first dictionary. `time` is the run's time in ISO
// 8601; `layerNaming` picks the words.
void writeModernStart(OutputStream& out, const std::vector<Dictionary>& dictionaries,
                      const std::vector<std::string>& anchors, bool layerNaming,
                      std::string_view time);

// A dictionary's part opens with its name, description, version and file.
void openModernDictionary(OutputStream& out, const Dictionary& dictionary, std::string_view anchor);
void closeModernDictionary(OutputStream& out);

void writeModernEnd(OutputStream& out);

}  // namespace plotwarden
