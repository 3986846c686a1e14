#include "report/library_queue.h"

#include <utility>

namespace plotwarden {

void appendLibrary(LibraryQueue& queue, std::string_view libraryText,
                   std::string_view libraryTitle) {
  queue.entries.push_back({std::string(libraryText), std::string(libraryTitle)});
}

bool takeFirstLibrary(LibraryQueue& queue, LibraryQueueEntry& entry) {
  if (queue.entries.empty()) {
    entry.libraryText.clear();
    entry.libraryTitle.clear();
    return false;
  }
  entry = std::move(queue.entries.front());
  queue.entries.pop_front();
  return true;
}

size_t libraryCount(const LibraryQueue& queue) { return queue.entries.size(); }

}  // namespace plotwarden
