#include "dictionary/split_reading.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stop_token>
#include <thread>

#include "dictionary/dictionary_reader.h"
#include "dictionary/field_roles.h"
#include "platform/file_io.h"
#include "platform/work_queue.h"

namespace plotwarden {

namespace {

constexpr int kMostThreads = 8;
constexpr uint32_t kToTheEnd = std::numeric_limits<uint32_t>::max();

// Where a reading stopped: the cursor after its last line, and whether text
// may follow (false once the end of the text was read).
struct ReadEnd {
  uint32_t cursor = 0;
  bool more = true;
};

// Reads lines until one ends at or past `end`, the text ends, or a stop is
// asked for.
ReadEnd readLinesUntil(DictionaryReader& reader, uint32_t end, const std::stop_token& stop) {
  for (;;) {
    if (!readLine(reader)) return {reader.cursor, false};
    if (reader.cursor >= end || stop.stop_requested()) return {reader.cursor, true};
  }
}

// A part read by whichever thread took it.
struct alignas(64) Part {
  Dictionary rows;  // the part's Features and its role-less header cells
  ReadEnd reached;
  bool lineFeedInField = false;
};

// Reads the text from `start` on into the part.
void readPart(Part& part, std::string_view text, char separator, char quote, char marker,
              uint32_t start, uint32_t end, const std::stop_token& stop) {
  reserveRows(part.rows, std::min<size_t>(end, text.size()) - std::min<size_t>(start, text.size()));
  DictionaryReader reader{.dictionary = part.rows,
                          .separator = separator,
                          .quote = quote,
                          .marker = marker,
                          .cursor = start,
                          .text = text,
                          .startsPastHeader = true,
                          .namesRoles = false};
  part.reached = readLinesUntil(reader, end, stop);
  part.lineFeedInField = reader.lineFeedInField;
}

// Appends a part's rows after the dictionary's and frees what is left of
// them: its field entries become an entry array of the dictionary's as they
// are (copying them cost the calling thread more than any other step of
// joining), its Features are copied once, pointing there, and its header
// cells get their roles now, in file order.
void appendPart(Dictionary& dictionary, Dictionary& part) {
  dictionary.laterFieldStarts.push_back(std::move(part.fieldStarts));
  const auto entryArray = static_cast<uint32_t>(dictionary.laterFieldStarts.size());
  const size_t firstNew = dictionary.features.size();
  for (Feature feature : part.features) {
    feature.entryArray = entryArray & 0xFFFFFFu;  // below kMostEntryArrays
    dictionary.features.push_back(feature);
  }
  for (uint32_t index : part.featuresWithLineFeeds)
    dictionary.featuresWithLineFeeds.push_back(static_cast<uint32_t>(firstNew + index));
  for (const HeaderCell& cell : part.header)
    appendHeaderCell(dictionary, {cell.name, classifyFieldName(cellText(dictionary, cell.name))});
  part = Dictionary{};
}

// One range of a file, read by whichever thread took it.
struct RangeRead {
  bool complete = false;
  size_t firstZero = 0;  // in the whole file; the largest size_t when the range has none
};

void readRange(RangeRead& range, std::string_view path, char* buffer, size_t begin, size_t end) {
  range.complete = readFileRange(path, begin, buffer + begin, end - begin);
  const void* zero = range.complete ? std::memchr(buffer + begin, '\0', end - begin) : nullptr;
  range.firstZero = zero ? static_cast<size_t>(static_cast<const char*>(zero) - buffer)
                         : std::numeric_limits<size_t>::max();
}

// How many parts a text of `size` characters is cut into.
size_t partCount(size_t size, const LoadConcurrency& concurrency) {
  if (threadsOf(concurrency) < 2 || size < concurrency.smallestCutText) return 1;
  return static_cast<size_t>(threadsOf(concurrency)) * kPartsPerThread;
}

// Whether a line read next is past the header's first line, as readLine
// decides it.
bool pastHeader(const Dictionary& dictionary) {
  return !dictionary.header.empty() || !dictionary.features.empty();
}

}  // namespace

LoadConcurrency defaultLoadConcurrency() {
  static const LoadConcurrency machine = {
      std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMostThreads),
      size_t{4} << 20};
  return machine;
}

int threadsOf(const LoadConcurrency& concurrency) {
  return std::clamp(concurrency.threads, 1, kMostThreads);
}

bool readFileInParts(std::string_view path, char* buffer, size_t size, size_t& firstZero,
                     const LoadConcurrency& concurrency) {
  const size_t count = partCount(size, concurrency);
  const auto bound = [size, count](size_t range) { return size * range / count; };
  std::vector<RangeRead> ranges(count);
  shareWork(count, static_cast<size_t>(threadsOf(concurrency)),
            [&](size_t i) { readRange(ranges[i], path, buffer, bound(i), bound(i + 1)); });
  bool complete = true;
  firstZero = size;
  for (const RangeRead& range : ranges) {
    complete = complete && range.complete;
    firstZero = std::min(firstZero, range.firstZero);
  }
  return complete;
}

std::vector<uint32_t> partStarts(std::string_view text, size_t parts) {
  std::vector<uint32_t> starts;
  size_t earliest = 1;  // where the next part may start at the soonest
  for (uint64_t part = 1; part < parts; ++part) {
    const size_t share = static_cast<size_t>(text.size() * part / parts);
    const size_t lineFeed = text.find('\n', std::max(earliest, share) - 1);
    if (lineFeed == std::string_view::npos || lineFeed + 1 >= text.size()) break;
    starts.push_back(static_cast<uint32_t>(lineFeed + 1));
    earliest = lineFeed + 2;
  }
  return starts;
}

std::vector<uint32_t> partStarts(std::string_view text, const LoadConcurrency& concurrency) {
  return partStarts(text, partCount(text.size(), concurrency));
}

void readInParts(Dictionary& dictionary, char separator, char quote, char marker,
                 const std::vector<uint32_t>& starts, int threads) {
  const std::string_view text = dictionary.text;
  const auto endOfPart = [&starts](size_t part) {
    return part + 1 < starts.size() ? starts[part + 1] : kToTheEnd;
  };
  std::vector<Part> parts(starts.size());
  WorkQueue queue(parts.size(), static_cast<size_t>(std::max(threads, 1) - 1),
                  [&](size_t i, const std::stop_token& stop) {
                    readPart(parts[i], text, separator, quote, marker, starts[i], endOfPart(i),
                             stop);
                  });

  DictionaryReader reader{dictionary, separator, quote, marker};
  ReadEnd reached = readLinesUntil(reader, starts.empty() ? kToTheEnd : starts[0], {});
  // Each part joins as soon as it is read, while the other threads read on.
  size_t next = 0;
  for (; next < parts.size() && reached.more; ++next) {
    // A line that runs on past the part's start (a quoted line end, a comma
    // joined across lines by brackets, a skipped line's follower) or a
    // header still to come make the part's reading wrong.
    if (reached.cursor != starts[next] || !pastHeader(dictionary)) break;
    if (next + 1 >= kMostEntryArrays) break;  // read on here
    queue.waitFor(next);
    Part& part = parts[next];
    appendPart(dictionary, part.rows);
    reached = part.reached;
    reader.lineFeedInField = reader.lineFeedInField || part.lineFeedInField;
  }
  queue.stop();

  reader.cursor = reached.cursor;
  if (reached.more)
    while (readLine(reader)) {
    }
  dictionary.fieldsMayHoldLineFeeds = reader.lineFeedInField;
  dictionary.lineFeedsListed = true;
}

}  // namespace plotwarden
