// The symbol library blocks that follow a cells table: an anchor, two
// headings and a table of the library's symbols read from the listing
// DIR_CONTENTS.csv in the library's picture folder.
#pragma once

#include <string_view>

#include "platform/output_stream.h"
#include "report/library_queue.h"

namespace plotwarden {

// Empties the queue in order, writing each titled library's block; an entry
// with an empty title writes nothing.
void writeLibraryTables(LibraryQueue& queue, OutputStream& out, std::string_view imageFolder,
                        std::string_view outputPath);

// The table of one library's symbols: a row per line of
// <drive and directory of outputPath><imageFolder><title>\DIR_CONTENTS.csv
// after its heading line, each with the symbol's name, description and
// picture. Writes nothing when the listing cannot be read.
void writeSymbolLibraryTable(const LibraryQueueEntry& entry, OutputStream& out,
                             std::string_view imageFolder, std::string_view outputPath);

}  // namespace plotwarden
