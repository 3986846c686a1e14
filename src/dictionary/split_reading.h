// Reading one long dictionary text in parts side by side on several threads,
// with exactly the header cells, field entries and Features that reading it
// in one go gives.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "dictionary/dictionary_store.h"

namespace plotwarden {

// Work shared among threads is cut into this many parts per thread: a
// thread that finishes its part early takes the next, so one kept off its
// processor for a while holds the others up for a small part at most.
constexpr size_t kPartsPerThread = 8;

// How many threads read a text at most, the calling thread among them, and
// how long a text must be to be cut at all. One thread reads the whole text.
struct LoadConcurrency {
  int threads = 1;
  size_t smallestCutText = size_t{4} << 20;
};

// The machine's processor count, at least 1 and at most 8, for texts of
// 4 MiB and more.
LoadConcurrency defaultLoadConcurrency();

// The threads of a setting, at least 1 and at most 8.
int threadsOf(const LoadConcurrency& concurrency);

// Reads the `size` bytes of the file at `path` into `buffer`, in ranges
// shared out among the threads of `concurrency` (one range, on the calling thread,
// below the smallest cut text). False unless every byte arrived.
// `firstZero` is the position of the file's first zero byte, or `size` when
// it holds none. Running out of memory on any thread throws std::bad_alloc
// here.
bool readFileInParts(std::string_view path, char* buffer, size_t size, size_t& firstZero,
                     const LoadConcurrency& concurrency);

// Where the parts after the first begin when a text is cut into `parts`:
// each at the first line start at or after its equal share of the text
// (just after a LF), rising, and short of the text's end; fewer where the
// line ends run out.
std::vector<uint32_t> partStarts(std::string_view text, size_t parts);

// The same for the parts the setting cuts a text into: several per thread,
// so that the threads finish together; none for one thread or a text
// shorter than the smallest cut text.
std::vector<uint32_t> partStarts(std::string_view text, const LoadConcurrency& concurrency);

// Reads the dictionary's text into its header cells and Features, which are
// empty: the text up to starts[0] on the calling thread, and the part from
// each of the rising `starts` on by whichever of `threads` threads (the
// calling thread among them) takes it first. Parts are joined in order, each
// as soon as it is read. A part was read as if a line began at its start
// after the header's first line; it is kept only when that holds, that is
// when the text before it, as joined, has a header cell or a Feature and its
// last line ends right there. From the first part that is not kept, the
// calling thread reads on alone. fieldsMayHoldLineFeeds then tells whether a
// field read holds a LF, and featuresWithLineFeeds lists the features with
// such a field. Running out of memory on any thread throws std::bad_alloc
// here.
void readInParts(Dictionary& dictionary, char separator, char quote, char marker,
                 const std::vector<uint32_t>& starts, int threads);

}  // namespace plotwarden
