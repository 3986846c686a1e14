// The bytes of a 64-character stretch of dictionary text that a field may
// stop at, as one bit each, so that a reader finds each next stop with a bit
// search instead of scanning the text field by field.
#pragma once

#include <bit>
#include <cstdint>

#include "dictionary/word_scan.h"

namespace plotwarden {

constexpr uint32_t kStopStretch = 64;

// Whether a byte may stop an unquoted field: the separator, the quote, or a
// character at or below CR (line ends and the text's terminator are).
constexpr bool isFieldStop(char c, char separator, char quote) {
  return c == separator || c == quote || static_cast<unsigned char>(c) <= '\r';
}

// Bit i of the result is set when text[i] is a field stop, for i below 64,
// all read with plain integer arithmetic a word at a time.
inline uint64_t fieldStopBitsPortable(const char* text, char separator, char quote) {
  uint64_t bits = 0;
  if constexpr (!kScanWords) {
    for (uint32_t i = 0; i < kStopStretch; ++i)
      if (isFieldStop(text[i], separator, quote)) bits |= uint64_t{1} << i;
    return bits;
  }
  const uint64_t separators = kEveryByte * static_cast<uint8_t>(separator);
  const uint64_t quotes = kEveryByte * static_cast<uint8_t>(quote);
  for (size_t word = 0; word < kStopStretch / 8; ++word) {
    const uint64_t value = loadWord(text + 8 * word);
    const uint64_t flags = bytesBelowExact(value ^ separators, 1) |
                           bytesBelowExact(value ^ quotes, 1) | bytesBelowExact(value, '\r' + 1);
    // Gathers the high bit of byte k into bit 56 + k: no two products of
    // the multiplication meet, so nothing carries.
    bits |= (((flags >> 7) * 0x0102040810204080u) >> 56) << (8 * word);
  }
  return bits;
}

// The same, sixteen bytes at a time where the processor has SSE2.
inline uint64_t fieldStopBits(const char* text, char separator, char quote) {
#ifdef PLOTWARDEN_SCAN_SSE2
  const __m128i separators = repeatedByte(separator);
  const __m128i quotes = repeatedByte(quote);
  const __m128i carriageReturns = repeatedByte('\r');
  uint64_t bits = 0;
  for (size_t part = 0; part < kStopStretch / 16; ++part) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + 16 * part));
    const __m128i stops =
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, separators), _mm_cmpeq_epi8(bytes, quotes)),
                     _mm_cmpeq_epi8(_mm_min_epu8(bytes, carriageReturns), bytes));
    bits |= uint64_t{static_cast<uint16_t>(_mm_movemask_epi8(stops))} << (16 * part);
  }
  return bits;
#else
  return fieldStopBitsPortable(text, separator, quote);
#endif
}

// The structuring characters a reading stops at, as the dictionary gives
// them.
struct GivenStructure {
  char separator;
  char quote;
  bool separatorEndsNothing;  // neither LF, CR nor the terminator
};

// The usual comma and double quote, fixed when this is compiled: a reader
// made for them keeps neither in a register, nor builds their masks.
struct CommaAndQuote {
  static constexpr char separator = ',';
  static constexpr char quote = '"';
  static constexpr bool separatorEndsNothing = true;
};

// The field stops of a text, 64 characters at a time, for a reader that
// moves forward: `bits` tells the stops of the characters from `base` on.
template <typename Structure>
struct FieldStops {
  const char* chars;
  uint32_t size;  // chars[size] is the text's terminator, a stop
  Structure structure;
  uint64_t base = kNoStretch;
  uint64_t bits = 0;

  // A base that no position lies within 64 characters after.
  static constexpr uint64_t kNoStretch = uint64_t{1} << 63;
};

// The stop bits of the 64 characters of `chars` from `position` on; near
// the end of the text, of those up to and including the terminator at
// `size`. Takes and gives values only, so that a reader's stops stay in
// registers around it; out of line, once per 64 characters, so that its
// masks do not crowd the registers of the field loops it serves.
[[gnu::noinline]] inline uint64_t stretchStopBits(const char* chars, uint32_t size,
                                                  uint32_t position, char separator, char quote) {
  const uint32_t available = size + 1 - position;
  if (available >= kStopStretch) return fieldStopBits(chars + position, separator, quote);
  uint64_t bits = 0;
  for (uint32_t i = 0; i < available; ++i)
    if (isFieldStop(chars[position + i], separator, quote)) bits |= uint64_t{1} << i;
  return bits;
}

// The first field stop at or after `position`, at most the terminator.
template <typename Structure>
[[gnu::always_inline]] inline uint32_t nextStop(FieldStops<Structure>& stops, uint32_t position) {
  for (;;) {
    const uint64_t offset = position - stops.base;
    if (offset < kStopStretch) {
      const uint64_t ahead = stops.bits >> offset;
      if (ahead != 0) return position + static_cast<uint32_t>(std::countr_zero(ahead));
      position = static_cast<uint32_t>(stops.base + kStopStretch);
    }
    stops.base = position;
    stops.bits = stretchStopBits(stops.chars, stops.size, position, stops.structure.separator,
                                 stops.structure.quote);
  }
}

}  // namespace plotwarden
