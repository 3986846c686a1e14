#include "platform/output_stream.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace plotwarden {

void flushBuffer(OutputStream& out) {
  if (!out.file || out.used == 0) return;
  if (!out.failed && std::fwrite(out.storage.data(), 1, out.used, out.file) != out.used)
    out.failed = true;
  out.used = 0;
}

OutputStream::~OutputStream() {
  if (file) std::fclose(file);
}

void growStorage(OutputStream& out, size_t bytes) {
  // Doubling keeps a memory stream's growth linear, from a size that suits
  // a heading row; a file stream settles at a little over its flush size.
  const size_t least = out.file ? kFlushAt + 4096 : 1024;
  out.storage.grow(std::max({out.used + bytes, 2 * out.storage.capacity, least}), out.used);
}

void convertLineEnds(OutputStream& out, size_t start) {
  const char* text = out.storage.data();
  const void* lineFeed = std::memchr(text + start, '\n', out.used - start);
  if (lineFeed) {
    // Rare in report text: rewrite the tail from its first LF on.
    const size_t first = static_cast<size_t>(static_cast<const char*>(lineFeed) - text);
    const std::string tail(text + first, out.used - first);
    out.used = first;
    for (size_t from = 0; from < tail.size();) {
      const size_t next = tail.find('\n', from + 1);
      appendText(out, "\r", std::string_view(tail).substr(from, next - from));
      from = next == std::string::npos ? tail.size() : next;
    }
  }
}

void putConverted(OutputStream& out, std::string_view text) {
  // A large text goes to the file as it is, without a copy in between.
  if (out.file && text.size() >= kFlushAt) {
    flushBuffer(out);
    if (!out.failed && std::fwrite(text.data(), 1, text.size(), out.file) != text.size())
      out.failed = true;
    return;
  }
  appendText(out, text);
  if (out.used >= kFlushAt) flushBuffer(out);
}

void PieceWriter::addNumber(long long value) {
  char digits[24];
  auto result = std::to_chars(digits, digits + sizeof digits, value);
  appendText(out, std::string_view(digits, static_cast<size_t>(result.ptr - digits)));
}

bool closeStream(OutputStream& out) {
  if (!out.file) return !out.failed;
  flushBuffer(out);
  if (std::fflush(out.file) != 0) out.failed = true;
  if (std::fclose(out.file) != 0) out.failed = true;
  out.file = nullptr;
  return !out.failed;
}

}  // namespace plotwarden
