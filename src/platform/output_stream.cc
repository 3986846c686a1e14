#include "platform/output_stream.h"

#include <charconv>

namespace plotwarden {

namespace {

constexpr size_t kFlushAt = 1 << 16;

void flushBuffer(OutputStream& out) {
  if (!out.file || out.buffer.empty()) return;
  if (!out.failed &&
      std::fwrite(out.buffer.data(), 1, out.buffer.size(), out.file) != out.buffer.size())
    out.failed = true;
  out.buffer.clear();
}

}  // namespace

OutputStream::~OutputStream() {
  if (file) std::fclose(file);
}

void finishPut(OutputStream& out, size_t start) {
  const size_t lineFeed = out.buffer.find('\n', start);
  if (lineFeed != std::string::npos) {
    // Rare in report text: rewrite the tail from its first LF on.
    const std::string tail = out.buffer.substr(lineFeed);
    out.buffer.resize(lineFeed);
    for (char c : tail) {
      if (c == '\n') out.buffer.push_back('\r');
      out.buffer.push_back(c);
    }
  }
  if (out.buffer.size() >= kFlushAt) flushBuffer(out);
}

void PieceWriter::addNumber(long long value) {
  char digits[24];
  auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.buffer.append(digits, static_cast<size_t>(result.ptr - digits));
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
