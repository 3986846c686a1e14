#include "platform/output_stream.h"

#include <charconv>
#include <cstring>

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

void put(OutputStream& out, std::string_view text) {
  while (!text.empty()) {
    const void* found = std::memchr(text.data(), '\n', text.size());
    if (!found) {
      out.buffer.append(text);
      break;
    }
    size_t lineLength = static_cast<size_t>(static_cast<const char*>(found) - text.data());
    out.buffer.append(text.data(), lineLength);
    out.buffer.append("\r\n", 2);
    text.remove_prefix(lineLength + 1);
  }
  if (out.buffer.size() >= kFlushAt) flushBuffer(out);
}

void putNumber(OutputStream& out, long long value) {
  char digits[24];
  auto result = std::to_chars(digits, digits + sizeof digits, value);
  put(out, std::string_view(digits, static_cast<size_t>(result.ptr - digits)));
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
