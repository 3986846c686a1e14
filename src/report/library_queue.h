// The symbol libraries whose tables follow a cells table, first in, first out.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace plotwarden {

struct LibraryQueueEntry {
  std::string libraryText;   // as the key-in names it, e.g. "C:\cells\symbols.cel"
  std::string libraryTitle;  // its file-name part, e.g. "symbols"
};

// Holds any number of entries, each text whole.
struct LibraryQueue {
  std::deque<LibraryQueueEntry> entries;
};

void appendLibrary(LibraryQueue& queue, std::string_view libraryText,
                   std::string_view libraryTitle);

// Moves the first entry into `entry` and drops it from the queue. False, with
// `entry` empty, when the queue is empty.
bool takeFirstLibrary(LibraryQueue& queue, LibraryQueueEntry& entry);

size_t libraryCount(const LibraryQueue& queue);

}  // namespace plotwarden
