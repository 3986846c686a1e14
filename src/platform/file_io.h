// Opening and reading files by the paths written in configurations.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace plotwarden {

// The path handed to the C runtime: on POSIX every '\' becomes '/', so that
// configurations written for Windows work unchanged; elsewhere it is as given.
std::string nativePath(std::string_view path);

// fopen on nativePath(path).
std::FILE* openFile(std::string_view path, const char* mode);

enum class ReadStatus { Ok, CannotOpen, CannotRead };

// The most bytes readWholeFile takes unless told otherwise: the files this
// program reads are addressed with 32-bit positions.
constexpr uintmax_t kLargestReadableFile = 0xFFFFFFFFu;

// Reads the whole file in binary mode into `out` (one read of the size the
// file system gives, or until the end for a pipe or device). A file that
// opens but does not deliver all of its bytes (a folder, a short read), or
// holds more than `maxBytes` (an endless device such as /dev/zero), is
// CannotRead; a regular file that is too large is never read at all.
ReadStatus readWholeFile(std::string_view path, std::string& out,
                         uintmax_t maxBytes = kLargestReadableFile);

// The size of the file at `path` when it is a regular file whose size the
// file system gives; nothing for a missing file, a folder, a pipe or a
// device.
std::optional<uintmax_t> regularFileSize(std::string_view path);

// Reads the `length` bytes from `offset` on of the file at `path` into
// `buffer`, through a handle of its own, so that several ranges of one file
// may be read at once. False unless every byte arrived.
bool readFileRange(std::string_view path, uintmax_t offset, char* buffer, size_t length);

// Why the file at `path`, which a read failed on, cannot be read, in the
// system's words ("No such file or directory", "Is a directory",
// "Permission denied").
std::string unreadableReason(std::string_view path);

// The path made absolute from the working folder, as the system opens it.
std::string absolutePath(std::string_view path);

// True when both paths name one existing file (same device and inode, or on
// Windows the same file index), whatever text names them.
bool sameExistingFile(std::string_view a, std::string_view b);

}  // namespace plotwarden
