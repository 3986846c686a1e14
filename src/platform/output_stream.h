// The buffered text stream that every report byte goes through.
#pragma once

#include <cstdio>
#include <cstring>
#include <string_view>

#include "platform/uncleared_array.h"

namespace plotwarden {

// Writes text as Windows text mode does on every platform: each LF becomes
// CR LF, so a report's bytes do not depend on where it was made. Text is
// gathered in a buffer and handed to the file in large blocks. A stream
// without a file keeps everything (tests read it with bufferedText).
struct OutputStream {
  std::FILE* file = nullptr;
  // The first `used` characters of `storage` are the text not yet handed to
  // the file; the rest is room, so that appending is a bounds check and a
  // copy.
  UnclearedArray<char> storage;
  size_t used = 0;
  bool failed = false;

  OutputStream() = default;
  // The stream gathers its text itself and hands the file large blocks: the
  // file's own buffer would only split them, a small write before each.
  explicit OutputStream(std::FILE* f) : file(f) {
    if (file) std::setvbuf(file, nullptr, _IONBF, 0);
  }
  OutputStream(const OutputStream&) = delete;
  OutputStream& operator=(const OutputStream&) = delete;
  ~OutputStream();
};

// The text gathered and not yet handed to the file.
inline std::string_view bufferedText(const OutputStream& out) {
  return std::string_view(out.storage.data(), out.used);
}

// Makes room for `bytes` more characters.
void growStorage(OutputStream& out, size_t bytes);

// Copies a text to `to` and returns the position after it. Report pieces
// are mostly short: up to 16 characters are copied as two words (or two
// halves of a word) that overlap as needed, without a library call.
inline char* copyText(char* to, std::string_view text) {
  const char* from = text.data();
  const size_t size = text.size();
  if (size > 16) {
    std::memcpy(to, from, size);
  } else if (size >= 8) {
    std::memcpy(to, from, 8);
    std::memcpy(to + size - 8, from + size - 8, 8);
  } else if (size >= 4) {
    std::memcpy(to, from, 4);
    std::memcpy(to + size - 4, from + size - 4, 4);
  } else if (size > 0) {
    to[0] = from[0];
    to[size / 2] = from[size / 2];
    to[size - 1] = from[size - 1];
  }
  return to + size;
}

// A piece of report text. A literal's length is its array's, known when
// this is compiled; measuring it at run time would cost a call per piece.
template <size_t N>
constexpr std::string_view textPiece(const char (&literal)[N]) {
  return std::string_view(literal, N - 1);
}
constexpr std::string_view textPiece(std::string_view text) { return text; }

// Appends texts as they are, without looking at line ends: room for all of
// them is made at once, then each is copied (a literal's length is known
// when this is compiled, so its copy takes no call).
template <typename... Texts>
void appendText(OutputStream& out, const Texts&... texts) {
  const size_t total = (textPiece(texts).size() + ...);
  if (out.storage.capacity - out.used < total) growStorage(out, total);
  char* to = out.storage.data() + out.used;
  ((to = copyText(to, textPiece(texts))), ...);
  out.used += total;
}

// The buffer size at which a stream with a file hands its text over.
constexpr size_t kFlushAt = 1 << 16;

// Turns each LF that the buffer holds from `start` on into CR LF.
void convertLineEnds(OutputStream& out, size_t start);

// Hands the buffer to the file.
void flushBuffer(OutputStream& out);

// Turns each LF that the buffer holds from `start` on into CR LF, then hands
// a full buffer to the file. put and putAll end with it. Inline: a row ends
// its pieces with it twice, the second time with nothing new.
inline void finishPut(OutputStream& out, size_t start) {
  if (start != out.used) convertLineEnds(out, start);
  if (out.file && out.used >= kFlushAt) flushBuffer(out);
}

// Appends text, turning each LF into CR LF.
inline void put(OutputStream& out, std::string_view text) {
  const size_t start = out.used;
  appendText(out, text);
  finishPut(out, start);
}

// Appends several texts in order: copied in one go, then searched once for
// line ends, which matters for the many short pieces of a table row.
template <typename... Texts>
void putAll(OutputStream& out, const Texts&... texts) {
  const size_t start = out.used;
  appendText(out, texts...);
  finishPut(out, start);
}

// Appends text that another stream has made, its line ends already CR LF.
void putConverted(OutputStream& out, std::string_view text);

// Forgets what a memory stream holds, keeping its storage.
inline void discardText(OutputStream& out) { out.used = 0; }

// Writes pieces whose number is known only as they come (the cells of a
// row) as one putAll of them all would: `add` copies them into the buffer,
// and line ends are turned into CR LF once, when the writer goes. A writer
// told that no piece holds a LF skips that search.
struct PieceWriter {
  OutputStream& out;
  size_t start;
  bool piecesMayHoldLineFeeds;

  explicit PieceWriter(OutputStream& stream, bool mayHoldLineFeeds = true)
      : out(stream), start(stream.used), piecesMayHoldLineFeeds(mayHoldLineFeeds) {}
  PieceWriter(const PieceWriter&) = delete;
  PieceWriter& operator=(const PieceWriter&) = delete;
  ~PieceWriter() { finishPut(out, searchFrom()); }

  template <typename... Texts>
  void add(const Texts&... texts) {
    appendText(out, texts...);
  }

  // Ends the pieces so far with a line end: they are searched for LFs now,
  // and the CR LF goes in as it is, so that no search finds a line end of
  // the writer's own.
  void addLineEnd() {
    finishPut(out, searchFrom());
    appendText(out, "\r\n");
    start = out.used;
  }

  // Adds a decimal integer.
  void addNumber(long long value);

 private:
  // Where the search for line ends starts: the end, when there is none to
  // search for.
  size_t searchFrom() const { return piecesMayHoldLineFeeds ? start : out.used; }
};

// Writes what is buffered, flushes and closes the file. True when every byte
// reached the file. A memory stream closes successfully and keeps its text.
bool closeStream(OutputStream& out);

}  // namespace plotwarden
