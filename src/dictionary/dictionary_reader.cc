#include "dictionary/dictionary_reader.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "dictionary/field_roles.h"
#include "dictionary/split_reading.h"
#include "platform/file_io.h"
#include "platform/utf8_text.h"

namespace plotwarden {

namespace {

// Fields and the cursor are 32-bit positions in the text, and so is the
// entry one past a field that runs up to the very end of the text: a file of
// 4 GiB - 1 bytes or more cannot be held, and is refused like a file that
// cannot be read.
constexpr uintmax_t kLargestHeldFile = std::numeric_limits<uint32_t>::max() - 1;

// The next bracket at or after `position`, found afresh. Out of line, and
// taking and giving values only: the memo stays in the caller's registers.
[[gnu::noinline]] NextBracket nextBracketFrom(const char* chars, uint32_t size, uint32_t position) {
  const auto found = static_cast<uint32_t>(findEither(chars, position, size, '[', ']'));
  return {position, found, chars[found] == ']'};
}

// The comma that ends a field joined by brackets at the comma at `comma`,
// whose next bracket, the ']' at `bracket`, comes before any '['; `comma`
// itself when no comma follows that ']'.
[[gnu::noinline]] uint32_t joinedFieldEnd(DictionaryReader& reader, uint32_t comma,
                                          uint32_t bracket) {
  const std::string_view text = reader.text;
  const size_t after = findFrom(reader.nextComma, text, bracket);
  if (after == text.size()) return comma;
  if (std::memchr(text.data() + comma, '\n', after - comma)) reader.lineFeedInField = true;
  return static_cast<uint32_t>(after);
}

// With a comma separator a comma inside [..] does not split a field. The
// comma is taken to be inside brackets when a ']' follows it before any '['
// does, in the whole rest of the text (line ends and quotes do not stop the
// search): that is, when the first bracket of either kind after it is a
// ']'. The field then runs unexamined up to the first comma after that ']',
// which ends it; with no such comma the comma splits as usual.
// Returns the position of the comma that ends the field.
inline uint32_t commaEndingField(DictionaryReader& reader, NextBracket& bracket, const char* chars,
                                 uint32_t size, uint32_t comma) {
  if (comma < bracket.from || comma > bracket.found) bracket = nextBracketFrom(chars, size, comma);
  if (!bracket.closes) return comma;
  return joinedFieldEnd(reader, comma, bracket.found);
}

// The quoted part of a field, opened just before `position`, keeps its
// quote characters: a doubled one belongs to the text, and a single one
// closes the part (the field itself goes on unquoted). Separators and line
// ends inside belong to the field; an unclosed quote runs to the end of the
// text. Returns the position after the closing quote, or the terminator's.
template <typename Structure>
uint32_t pastQuotedPart(DictionaryReader& reader, FieldStops<Structure>& stops, uint32_t position) {
  for (;;) {
    position = nextStop(stops, position);
    if (position == stops.size) return position;
    if (stops.chars[position] != stops.structure.quote) {
      // A separator or line end inside the quotes.
      if (stops.chars[position] == '\n') reader.lineFeedInField = true;
      ++position;
    } else if (stops.chars[position + 1] == stops.structure.quote) {
      position += 2;
    } else {
      return position + 1;
    }
  }
}

// The length of the line end at `position`: 1 for LF, 2 for CR LF, 0 when
// there is none (a CR alone ends no line).
inline uint32_t lineEndLength(const char* chars, uint32_t position) {
  if (chars[position] == '\n') return 1;
  return chars[position] == '\r' && chars[position + 1] == '\n' ? 2 : 0;
}

// A field taken: where it ends, where reading goes on (past the separator
// that ended it, or on the line end or the terminator that did), and
// whether it holds no quote character (a quote inside an unquoted field is
// an ordinary character, but not a plain one: a doubled or a final quote is
// tidied away when the field is read).
struct TakenField {
  uint32_t end;
  uint32_t next;
  bool plain;
};

// Takes the field that starts at `start`, which is neither a line end nor
// the terminator. Positions come back as values and the stops are a local
// of the caller's, all in registers once inlined (by force: compilers judge
// it too large for the loop that reads a line); a cursor or flag passed by
// reference would be kept in memory and read back after every field stored.
template <typename Structure>
[[gnu::always_inline]] inline TakenField takeField(DictionaryReader& reader,
                                                   FieldStops<Structure>& stops,
                                                   NextBracket& bracket, uint32_t start) {
  const char* chars = stops.chars;
  const char separator = stops.structure.separator;
  const char quote = stops.structure.quote;
  if (chars[start] == separator) return {start, start + 1, true};  // an empty field
  uint32_t position = start + 1;
  bool plain = chars[start] != quote;
  if (!plain) position = pastQuotedPart(reader, stops, position);
  for (;;) {
    position = nextStop(stops, position);
    const char c = chars[position];
    // Line ends and the terminator come before the separator, which may be
    // part of one.
    if (c != separator || !stops.structure.separatorEndsNothing) {
      if (c == '\0' || lineEndLength(chars, position) != 0) return {position, position, plain};
      if (c != separator) {
        // The quote, a CR without LF, or another control character, is ordinary.
        if (c == quote) plain = false;
        ++position;
        continue;
      }
    }
    // A comma joined to the next by brackets may take quotes along.
    if (separator == ',') {
      const uint32_t end = commaEndingField(reader, bracket, chars, stops.size, position);
      if (end != position) plain = false;
      position = end;
    }
    return {position, position + 1, plain};
  }
}

// The structuring characters the reader was given.
inline GivenStructure givenStructure(const DictionaryReader& reader) {
  const char separator = reader.separator;
  return {separator, reader.quote, separator != '\0' && separator != '\n' && separator != '\r'};
}

// The reader's field stops, to be handed back with keepStops.
template <typename Structure>
FieldStops<Structure> takeStops(const DictionaryReader& reader, Structure structure) {
  return {.chars = reader.text.data(),
          .size = static_cast<uint32_t>(reader.text.size()),
          .structure = structure,
          .base = reader.stopBase,
          .bits = reader.stopBits};
}

template <typename Structure>
void keepStops(DictionaryReader& reader, const FieldStops<Structure>& stops) {
  reader.stopBase = stops.base;
  reader.stopBits = stops.bits;
}

// A spreadsheet's "CSV UTF-8" starts with the UTF-8 byte-order mark: it
// is no part of the first header name.
std::string_view withoutByteOrderMark(std::string_view text) {
  if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
  return text;
}

}  // namespace

// Dictionary lines are full of short and empty fields: room for one field
// entry per 4 characters and one Feature per 32 spares regrowth for nearly
// every file. It costs address space about 1.4 times the text's size, of
// which only what the fields fill is ever touched.
void reserveRows(Dictionary& dictionary, size_t textSize) {
  dictionary.fieldStarts.reserve(textSize / 4 + 1);
  dictionary.features.reserve(textSize / 32 + 1);
}

// Makes room for `more` entries after the first `used` of `starts`, and
// gives the new end of the room.
[[gnu::noinline]] static uint32_t* makeRoom(FieldEntries& starts, size_t used, size_t more) {
  starts.count = used;
  starts.reserve(std::max(2 * starts.storage.capacity, used + more));
  return starts.storage.data() + starts.storage.capacity;
}

// readFields for the newest Feature, made for the structuring characters
// of `structure`. Its plain bits are kept here and stored once the line
// ends, and its entries are appended through a bare pointer: kept in the
// Feature and the entry array, they would be read back and written again
// at every field.
// Makes room for more entries of the line being read: the storage may move,
// and the line's pointers into it with it.
static void growEntries(FieldEntries& starts, uint32_t*& entries, uint32_t*& first,
                        uint32_t*& room) {
  const uint32_t* base = starts.storage.data();
  const auto used = static_cast<size_t>(entries - base);
  const auto firstAt = static_cast<size_t>(first - base);
  room = makeRoom(starts, used, 1);
  entries = starts.storage.data() + used;
  first = starts.storage.data() + firstAt;
}

// Stores what the line's loop kept in locals: the entry count, the last
// Feature's field count and plain marks, and whether a field held a LF.
static void storeLineFields(Dictionary& dictionary, uint32_t* entries, const uint32_t* first,
                            uint32_t plainFields, bool lineFeedInField) {
  FieldEntries& starts = dictionary.fieldStarts;
  Feature& feature = dictionary.features.back();
  const auto fields = static_cast<uint32_t>(entries - first);
  if (fields == 1) --entries;  // only the first field's start: no field
  starts.count = static_cast<size_t>(entries - starts.storage.data());
  feature.fieldCount = fields > 1 ? fields - 1 : 0;
  feature.plainFields = plainFields;
  if (lineFeedInField)
    dictionary.featuresWithLineFeeds.push_back(
        static_cast<uint32_t>(dictionary.features.size() - 1));
}

template <typename Structure>
static bool readFeatureFieldsWith(DictionaryReader& reader, Structure structure) {
  Dictionary& dictionary = reader.dictionary;
  FieldEntries& starts = dictionary.fieldStarts;
  Feature& feature = dictionary.features.back();
  const char* chars = reader.text.data();
  uint32_t cursor = reader.cursor;
  uint32_t plainFields = feature.plainFields;
  auto stops = takeStops(reader, structure);
  NextBracket bracket = reader.nextBracket;
  uint32_t* room = starts.storage.data() + starts.storage.capacity;
  if (static_cast<size_t>(room - (starts.storage.data() + starts.count)) < 2)
    room = makeRoom(starts, starts.count, 2);
  uint32_t* entries = starts.storage.data() + starts.count;
  // The Feature's first entry: its fields so far have theirs and the closing one.
  uint32_t* first = entries - (feature.fieldCount == 0 ? 0 : feature.fieldCount + 1);
  // A field ends one character before the next starts, so each field adds
  // one entry, where a next field would start; the first field's start is
  // written now, and taken back should the line have no field.
  if (feature.fieldCount == 0) *entries++ = cursor;
  // The bit of the next field's plain mark; it leaves the word after the
  // last field that has one.
  uint32_t plainBit =
      feature.fieldCount < kFieldsWithPlainBit ? uint32_t{1} << feature.fieldCount : 0;
  // Whether a field of this line holds a LF is noted apart from the lines before.
  const bool lineFeedBefore = reader.lineFeedInField;
  reader.lineFeedInField = false;
  bool more = true;
  for (;;) {
    const uint32_t start = cursor;
    // Line ends and the terminator are all at or below CR; one test passes
    // nearly every field start.
    if (static_cast<unsigned char>(chars[start]) <= '\r') {
      if (chars[start] == '\0') {
        more = false;
        break;
      }
      if (const uint32_t lineEnd = lineEndLength(chars, start)) {
        cursor = start + lineEnd;
        break;
      }
    }
    const TakenField taken = takeField(reader, stops, bracket, start);
    cursor = taken.next;
    if (entries == room) growEntries(starts, entries, first, room);
    *entries++ = taken.end + 1;
    if (taken.plain) plainFields |= plainBit;
    plainBit <<= 1;
  }
  storeLineFields(dictionary, entries, first, plainFields, reader.lineFeedInField);
  reader.lineFeedInField = reader.lineFeedInField || lineFeedBefore;
  reader.cursor = cursor;
  keepStops(reader, stops);
  reader.nextBracket = bracket;
  return more;
}

// Nearly every dictionary separates with commas and quotes with double
// quotes: its lines are read by a loop made for them.
static bool readFeatureFields(DictionaryReader& reader) {
  if (reader.separator == CommaAndQuote::separator && reader.quote == CommaAndQuote::quote)
    return readFeatureFieldsWith(reader, CommaAndQuote{});
  return readFeatureFieldsWith(reader, givenStructure(reader));
}

bool readFields(DictionaryReader& reader, FieldDestination destination) {
  if (destination == DESTINATION_FEATURE) return readFeatureFields(reader);
  Dictionary& dictionary = reader.dictionary;
  const char* chars = reader.text.data();
  uint32_t cursor = reader.cursor;
  auto stops = takeStops(reader, givenStructure(reader));
  NextBracket bracket = reader.nextBracket;
  for (;;) {
    const uint32_t start = cursor;
    if (chars[start] == '\0') break;
    if (const uint32_t lineEnd = lineEndLength(chars, start)) {
      reader.cursor = start + lineEnd;
      keepStops(reader, stops);
      reader.nextBracket = bracket;
      return true;
    }
    const TakenField taken = takeField(reader, stops, bracket, start);
    cursor = taken.next;
    const FieldCell field{start, taken.end - start};
    if (reader.namesRoles)
      appendHeaderCell(dictionary,
                       {field, classifyFieldName(reader.text.substr(field.start, field.length))});
    else
      dictionary.header.push_back({field, ROLE_UNKNOWN});
  }
  reader.cursor = cursor;
  keepStops(reader, stops);
  reader.nextBracket = bracket;
  return false;
}

bool readLine(DictionaryReader& reader) {
  Dictionary& dictionary = reader.dictionary;
  // Until some line gives the header a cell, every line is a header line:
  // the first whatever it starts with, and blank lines before it.
  if (!reader.startsPastHeader && dictionary.features.empty() && dictionary.header.empty())
    return readFields(reader, DESTINATION_HEADER);

  // The terminator is never a marker, even when the marker is a zero byte:
  // at the end of the text a Feature with no fields follows either way.
  const char* chars = reader.text.data();
  if (reader.cursor < reader.text.size() && chars[reader.cursor] == reader.marker) {
    if (chars[reader.cursor + 1] == ' ') {
      reader.cursor += 2;
      return readFields(reader, DESTINATION_HEADER);
    }
    // The line after a skipped line is a Feature, whatever it starts with.
    skipLine(reader);
  }
  appendFeature(dictionary);
  return readFields(reader, DESTINATION_FEATURE);
}

void skipLine(DictionaryReader& reader) {
  // A line ends at LF, alone or after CR; a lone CR ends nothing.
  const std::string_view text = reader.text;
  size_t lineFeed = text.find('\n', reader.cursor);
  const size_t next = lineFeed == std::string_view::npos ? text.size() : lineFeed + 1;
  reader.cursor = static_cast<uint32_t>(next);
}

// Splits the text the dictionary now holds into header cells and Features,
// a long text in parts on several threads. A Feature finds its fields by a
// 32-bit entry index: an entry array longer than that reaches (a file of
// some 3 GB of short, empty fields) cannot be held, and fails like a file
// that cannot be read, the dictionary left empty.
static Status splitText(Dictionary& dictionary, char separator, char quote, char marker,
                        const LoadConcurrency& concurrency) {
  reserveRows(dictionary, dictionary.text.size());
  readInParts(dictionary, separator, quote, marker, partStarts(dictionary.text, concurrency),
              threadsOf(concurrency));
  constexpr size_t kMostEntries = std::numeric_limits<uint32_t>::max();
  bool indexable = dictionary.fieldStarts.size() <= kMostEntries;
  for (const FieldEntries& entries : dictionary.laterFieldStarts)
    indexable = indexable && entries.size() <= kMostEntries;
  if (!indexable) {
    clearFileContent(dictionary);
    return failure("holds more fields than can be indexed (4,294,967,295)");
  }
  return {};
}

// Why the dictionary's file cannot be read, and where it was looked for.
static Status unreadable(const Dictionary& dictionary) {
  const std::string& path = dictionary.filePath;
  if (path.empty()) return failure("a dictionary line names no file");
  return failure("cannot be read (tried " + absolutePath(path) + "): " + unreadableReason(path) +
                 "; a relative path starts at the working folder");
}

constexpr std::string_view kTooLarge = "is too large to hold (4 GiB or more)";

Status loadDictionary(Dictionary& dictionary, char separator, char quote, char marker,
                      const LoadConcurrency& concurrency) {
  clearFileContent(dictionary);
  dictionary.textRules = {separator, quote, marker};
  // A file that opens but cannot be read whole, or is too large to hold, is
  // as good as missing.
  const std::optional<uintmax_t> size = regularFileSize(dictionary.filePath);
  if (!size) {
    // Not a regular file: a pipe or a device is read to its end; a missing
    // file or a folder fails here.
    std::string bytes;
    if (readWholeFile(dictionary.filePath, bytes, kLargestHeldFile) != ReadStatus::Ok)
      return unreadable(dictionary);
    return loadDictionaryText(dictionary, bytes, separator, quote, marker, concurrency);
  }
  if (*size > kLargestHeldFile) return failure(std::string(kTooLarge));
  const size_t length = static_cast<size_t>(*size);
  std::unique_ptr<char[]> storage = std::make_unique_for_overwrite<char[]>(length + 1);
  size_t firstZero = length;
  if (!readFileInParts(dictionary.filePath, storage.get(), length, firstZero, concurrency))
    return unreadable(dictionary);
  // A zero byte inside the file ends the text there.
  storage[firstZero] = '\0';
  dictionary.textStorage = std::move(storage);
  dictionary.text = withoutByteOrderMark(std::string_view(dictionary.textStorage.get(), firstZero));
  return splitText(dictionary, separator, quote, marker, concurrency);
}

Status loadDictionaryText(Dictionary& dictionary, std::string_view bytes, char separator,
                          char quote, char marker, const LoadConcurrency& concurrency) {
  clearFileContent(dictionary);
  dictionary.textRules = {separator, quote, marker};
  if (bytes.size() > kLargestHeldFile) return failure(std::string(kTooLarge));
  // A zero byte inside the text ends it there.
  setText(dictionary, withoutByteOrderMark(bytes.substr(0, bytes.find('\0'))));
  return splitText(dictionary, separator, quote, marker, concurrency);
}

}  // namespace plotwarden
