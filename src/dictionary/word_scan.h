// Looking for stopping bytes in text eight bytes at a time: each 64-bit word
// is tested for all its bytes at once with plain integer arithmetic, and the
// first stopping byte found is exact. Words are read only where all eight
// bytes lie inside the range given; the rest is read byte by byte.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define PLOTWARDEN_SCAN_SSE2 1
#endif

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

// The high bit of each byte of `word` that is below `limit` (1 to 0x80),
// every flag exact: no borrow runs from byte to byte.
constexpr uint64_t bytesBelowExact(uint64_t word, uint8_t limit) {
  return ~(((word & ~kHighBits) + kEveryByte * static_cast<uint8_t>(0x80 - limit)) | word) &
         kHighBits;
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

#ifdef PLOTWARDEN_SCAN_SSE2
// Sixteen copies of a byte in one register: four by multiplication, then
// spread (_mm_set1_epi8 of a variable byte is built byte by byte).
inline __m128i repeatedByte(char c) {
  return _mm_shuffle_epi32(
      _mm_cvtsi32_si128(static_cast<int>(static_cast<uint8_t>(c) * 0x01010101u)), 0);
}

// 0xFF in each of the sixteen bytes equal to any of the targets.
inline __m128i bytesEqualAny(__m128i bytes, char target) {
  return _mm_cmpeq_epi8(bytes, repeatedByte(target));
}
template <typename... More>
__m128i bytesEqualAny(__m128i bytes, char target, More... more) {
  return _mm_or_si128(bytesEqualAny(bytes, target), bytesEqualAny(bytes, more...));
}
#endif

// The first position from `position` on, below `end`, holding any of the
// target characters; `end` when there is none. Sixteen bytes at a time
// where the processor has SSE2, else eight.
template <typename... Targets>
size_t findFirstOf(const char* text, size_t position, size_t end, Targets... targets) {
#ifdef PLOTWARDEN_SCAN_SSE2
  for (; end - position >= 16; position += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + position));
    const unsigned hits =
        static_cast<unsigned>(_mm_movemask_epi8(bytesEqualAny(bytes, targets...)));
    if (hits != 0) return position + static_cast<size_t>(std::countr_zero(hits));
  }
#endif
  return scanTo(
      text, position, end, [=](uint64_t word) { return (bytesEqual(word, targets) | ...); },
      [=](char c) { return ((c == targets) || ...); });
}

// The first position from `position` on, below `end`, holding `a` or `b`;
// `end` when there is none.
inline size_t findEither(const char* text, size_t position, size_t end, char a, char b) {
  return findFirstOf(text, position, end, a, b);
}

// The first position of `needle` in `text` from `from` on, or npos: what
// std::string_view::find gives. Where the processor has SSE2, sixteen
// places at a time are tested for the needle's first and last characters,
// and only places holding both are compared whole; short texts, and the
// places a whole sixteen do not reach, are left to the library.
inline size_t findText(std::string_view text, std::string_view needle, size_t from = 0) {
#ifdef PLOTWARDEN_SCAN_SSE2
  const size_t length = needle.size();
  if (length >= 2 && from <= text.size() && text.size() - from >= length + 15) {
    const __m128i firsts = repeatedByte(needle.front());
    const __m128i lasts = repeatedByte(needle.back());
    const size_t lastStart = text.size() - length;
    size_t at = from;
    for (; at + 15 <= lastStart; at += 16) {
      const __m128i starts = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at));
      const __m128i ends =
          _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at + length - 1));
      unsigned places = static_cast<unsigned>(_mm_movemask_epi8(
          _mm_and_si128(_mm_cmpeq_epi8(starts, firsts), _mm_cmpeq_epi8(ends, lasts))));
      for (; places != 0; places &= places - 1) {
        const size_t place = at + static_cast<size_t>(std::countr_zero(places));
        if (std::memcmp(text.data() + place + 1, needle.data() + 1, length - 2) == 0) return place;
      }
    }
    from = at;
  }
#endif
  return text.find(needle, from);
}

// Whether `a` or `b` is among the bytes from `begin` up to `end`, where
// every byte from `readable` (at or before `begin`) may be read. Short
// stretches are the common case: the word that ends where the stretch ends
// is tested whole, with exact flags, and the flags of bytes before the
// stretch are shifted out; no byte-by-byte tail.
inline bool holdsEither(const char* readable, const char* begin, const char* end, char a, char b) {
  constexpr size_t kWord = sizeof(uint64_t);
  const size_t length = static_cast<size_t>(end - begin);
  if (length == 0) return false;
  if constexpr (kScanWords) {
    const uint64_t as = kEveryByte * static_cast<uint8_t>(a);
    const uint64_t bs = kEveryByte * static_cast<uint8_t>(b);
    auto flags = [as, bs](const char* at) {
      const uint64_t word = loadWord(at);
      return bytesBelowExact(word ^ as, 1) | bytesBelowExact(word ^ bs, 1);
    };
    if (length >= kWord) {
      const char* at = begin;
      for (; static_cast<size_t>(end - at) >= kWord; at += kWord)
        if (flags(at) != 0) return true;
      return at != end && flags(end - kWord) != 0;
    }
    if (static_cast<size_t>(end - readable) >= kWord)
      return (flags(end - kWord) >> (8 * (kWord - length))) != 0;
  }
  return findEither(begin, 0, length, a, b) != length;
}

}  // namespace plotwarden
