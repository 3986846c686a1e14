// Looking for stopping bytes in text eight bytes at a time: each 64-bit word
// is tested for all its bytes at once with plain integer arithmetic, and the
// first stopping byte found is exact. Words are read only where all eight
// bytes lie inside the range given; the rest is read byte by byte.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace plotwarden {

// Words are tested where the first byte in memory is the word's lowest, so
// that the lowest flagged byte is the first stopping byte. Elsewhere every
// scan goes byte by byte.
constexpr bool kScanWords = std::endian::native == std::endian::little;

constexpr uint64_t kEveryByte = 0x0101010101010101u;
constexpr uint64_t kHighBits = 0x8080808080808080u;

inline uint64_t loadWord(const char* bytes) {
  uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

// The high bit of each byte of `word` that is below `limit` (at most 0x80).
// Bytes above the first such byte may be flagged without being below it (a
// borrow runs upwards), so only the lowest flag is to be trusted.
constexpr uint64_t bytesBelow(uint64_t word, uint8_t limit) {
  return (word - kEveryByte * limit) & ~word & kHighBits;
}

// The high bit of each byte equal to `value`, trusted for the lowest flag only.
constexpr uint64_t bytesEqual(uint64_t word, char value) {
  return bytesBelow(word ^ (kEveryByte * static_cast<uint8_t>(value)), 1);
}

// Index of the byte that holds the lowest flag of a nonzero `flags`.
constexpr unsigned firstFlaggedByte(uint64_t flags) {
  return static_cast<unsigned>(std::countr_zero(flags)) / 8;
}

// The first position from `position` on, and below `end`, whose byte stops
// the scan, or `end` when none does. `wordStops(word)` flags a word's
// stopping bytes (lowest flag exact); `stops(byte)` tells one byte.
template <typename WordStops, typename Stops>
size_t scanTo(const char* text, size_t position, size_t end, WordStops wordStops, Stops stops) {
  if constexpr (kScanWords) {
    for (; end - position >= sizeof(uint64_t); position += sizeof(uint64_t)) {
      const uint64_t flags = wordStops(loadWord(text + position));
      if (flags != 0) return position + firstFlaggedByte(flags);
    }
  }
  while (position < end && !stops(text[position])) ++position;
  return position;
}

// The first position from `position` on, below `end`, holding `a` or `b`;
// `end` when there is none.
inline size_t findEither(const char* text, size_t position, size_t end, char a, char b) {
  return scanTo(
      text, position, end, [a, b](uint64_t word) { return bytesEqual(word, a) | bytesEqual(word, b); },
      [a, b](char c) { return c == a || c == b; });
}

}  // namespace plotwarden
