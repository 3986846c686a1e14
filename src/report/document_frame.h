// The fixed frame of the report: its first line, the style block, the end of
// the head, the title blocks, the break before each dictionary, the end.
#pragma once

#include <optional>
#include <string_view>

#include "dictionary/dictionary_store.h"
#include "platform/output_stream.h"

namespace plotwarden {

void writeDocumentStart(OutputStream& out);

// The style block. The column rules follow `firstDictionary`'s header (none:
// every column hidden); picture and library rules follow `showImages`.
void writeStyleSheet(OutputStream& out, const Dictionary* firstDictionary, bool showImages);

// The eighteen rules that show or hide table columns.
void writeColumnDisplayRules(OutputStream& out, const Dictionary* firstDictionary);

void writeHeadEnd(OutputStream& out);

// Name, description and, when present, not empty and not "not set", the
// version with a V in front.
void writeTitleBlock(OutputStream& out, std::string_view name, std::string_view description,
                     std::optional<std::string_view> version);

void writeDictionaryBreak(OutputStream& out);
void writeDocumentEnd(OutputStream& out);

}  // namespace plotwarden
