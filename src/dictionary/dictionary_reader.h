// Reading a dictionary file into its header columns and feature rows.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "dictionary/dictionary_store.h"
#include "dictionary/forward_search.h"
#include "dictionary/split_reading.h"
#include "dictionary/stop_bits.h"
#include "platform/status.h"

namespace plotwarden {

// Reads the file at `dictionary.filePath` whole into the dictionary's text
// (a long file in ranges side by side, up to its first zero byte) and
// splits it into header cells and one Feature per line; the three
// characters become the dictionary's textRules. Fails, with the dictionary
// left empty, when the file cannot be opened or read whole, is too large to
// hold, or holds too many fields to index (over 2^32 - 1 field entries).
// Running out of memory throws std::bad_alloc, whichever thread it happens
// on.
Status loadDictionary(Dictionary& dictionary, char separator, char quote, char marker,
                      const LoadConcurrency& concurrency = defaultLoadConcurrency());

// The same on bytes already in memory: the dictionary takes a copy of
// `bytes` (up to the first zero byte) as its text and splits it, a long
// text in parts on several threads (`concurrency`). Fails, with the
// dictionary left empty, for a text too long to hold or with too many
// fields.
Status loadDictionaryText(Dictionary& dictionary, std::string_view bytes, char separator,
                          char quote, char marker,
                          const LoadConcurrency& concurrency = defaultLoadConcurrency());

// The first '[' or ']' at or after `from` in a text: at `found` (the text's
// size when there is none), a ']' when `closes`. A reader keeps it in a
// local of its loop, so that the test at every comma is two comparisons
// of registers and a flag.
struct NextBracket {
  uint32_t from = std::numeric_limits<uint32_t>::max();
  uint32_t found = 0;
  bool closes = false;
};

// Where one load stands in a dictionary's text. The text holds no zero byte
// (a load cuts it at the first one), so the zero byte after its last
// character is its terminator.
struct DictionaryReader {
  // Takes the header cells and Features read.
  Dictionary& dictionary;
  char separator;
  char quote;
  char marker;
  uint32_t cursor = 0;
  // Bracket-rule searches, remembered so that no comma rescans the text:
  // the next '[' or ']', and the next comma after a ']'.
  NextBracket nextBracket{};
  ForwardSearch nextComma{',', ','};
  // The field stops of the 64 characters from stopBase on (see FieldStops),
  // kept from line to line.
  uint64_t stopBase = FieldStops<GivenStructure>::kNoStretch;
  uint64_t stopBits = 0;
  // The text read: the dictionary's own, or the whole text of which a part
  // is read into a dictionary of its own; a zero byte follows it. Held here
  // rather than reached through a Dictionary: a part's thread would read it
  // from the cache line that the calling thread writes at every field it
  // appends to its own Dictionary.
  std::string_view text = dictionary.text;
  // A part of a text starts at a line start after the header's first line:
  // its lines are never read as that first line.
  bool startsPastHeader = false;
  // Whether header names get their roles as they are read. A part read on another thread leaves
  // them role-less, for whoever joins the parts to name in file order.
  bool namesRoles = true;
  // Set once a field read holds a LF.
  bool lineFeedInField = false;
};

enum FieldDestination { DESTINATION_HEADER, DESTINATION_FEATURE };

// Appends the fields of the line at the cursor to the header or to the newest
// Feature. False once the end of the text is reached.
bool readFields(DictionaryReader& reader, FieldDestination destination);

// Reads one line as header, header continuation, skipped line or Feature.
// False once the end of the text is reached.
bool readLine(DictionaryReader& reader);

// Moves the cursor past the next line end, or onto the end of the text.
void skipLine(DictionaryReader& reader);

// Reserves room in the dictionary's field entries and Features for the rows
// of a text of `textSize` characters, so that few appends move them.
void reserveRows(Dictionary& dictionary, size_t textSize);

}  // namespace plotwarden
