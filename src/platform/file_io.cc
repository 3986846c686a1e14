#include "platform/file_io.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace plotwarden {

std::string nativePath(std::string_view path) {
  std::string native(path);
#ifndef _WIN32
  for (char& c : native)
    if (c == '\\') c = '/';
#endif
  return native;
}

std::FILE* openFile(std::string_view path, const char* mode) {
  return std::fopen(nativePath(path).c_str(), mode);
}

// Reads until the end of a stream whose size is not known (a pipe, a
// device); false once it holds more than maxBytes.
static bool readToEnd(std::FILE* file, std::string& out, uintmax_t maxBytes) {
  constexpr size_t kChunk = 1 << 20;
  for (;;) {
    size_t used = out.size();
    out.resize(used + kChunk);
    size_t got = std::fread(out.data() + used, 1, kChunk, file);
    out.resize(used + got);
    if (out.size() > maxBytes) return false;
    if (got < kChunk) return !std::ferror(file);
  }
}

ReadStatus readWholeFile(std::string_view path, std::string& out, uintmax_t maxBytes) {
  out.clear();
  std::string native = nativePath(path);
  std::FILE* file = std::fopen(native.c_str(), "rb");
  if (!file) return ReadStatus::CannotOpen;

  std::error_code error;
  bool ok;
  if (std::filesystem::is_regular_file(native, error)) {
    uintmax_t size = std::filesystem::file_size(native, error);
    ok = !error && size <= maxBytes && size < out.max_size();
    if (ok) {
      out.resize(static_cast<size_t>(size));
      ok = std::fread(out.data(), 1, out.size(), file) == out.size();
    }
  } else {
    // A folder opens on POSIX, then fails to read: that is CannotRead too.
    ok = readToEnd(file, out, maxBytes);
  }
  std::fclose(file);
  if (!ok) {
    out.clear();
    return ReadStatus::CannotRead;
  }
  return ReadStatus::Ok;
}

std::optional<uintmax_t> regularFileSize(std::string_view path) {
  const std::string native = nativePath(path);
  std::error_code error;
  if (!std::filesystem::is_regular_file(native, error)) return std::nullopt;
  const uintmax_t size = std::filesystem::file_size(native, error);
  if (error) return std::nullopt;
  return size;
}

bool readFileRange(std::string_view path, uintmax_t offset, char* buffer, size_t length) {
  // A stream, not a FILE: its positions are 64-bit on every platform.
  std::ifstream file(nativePath(path), std::ios::binary);
  if (!file) return false;
  if (offset > 0 && !file.seekg(static_cast<std::streamoff>(offset))) return false;
  // Large pieces at a time: one call cannot take more than a streamsize.
  constexpr size_t kMostAtOnce = size_t{1} << 30;
  while (length > 0) {
    const size_t piece = std::min(length, kMostAtOnce);
    if (!file.read(buffer, static_cast<std::streamsize>(piece))) return false;
    buffer += piece;
    length -= piece;
  }
  return true;
}

std::string unreadableReason(std::string_view path) {
  const std::string native = nativePath(path);
  std::FILE* file = std::fopen(native.c_str(), "rb");
  if (!file) return std::generic_category().message(errno);
  std::fclose(file);
  std::error_code error;
  if (std::filesystem::is_directory(native, error))
    return std::make_error_code(std::errc::is_a_directory).message();
  return "the file cannot be read whole";
}

std::string absolutePath(std::string_view path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(nativePath(path), error);
  return error ? nativePath(path) : absolute.lexically_normal().string();
}

bool sameExistingFile(std::string_view a, std::string_view b) {
  std::error_code error;
  bool same = std::filesystem::equivalent(nativePath(a), nativePath(b), error);
  return !error && same;
}

}  // namespace plotwarden
