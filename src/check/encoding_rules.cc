#include "check/encoding_rules.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/utf8_text.h"

namespace plotwarden {

namespace {

// 1-based line and column of the byte at `offset`.
void lineAndColumn(std::string_view bytes, size_t offset, uint32_t& line, uint32_t& column) {
  const std::string_view before = bytes.substr(0, offset);
  line = static_cast<uint32_t>(std::count(before.begin(), before.end(), '\n') + 1);
  const size_t lineStart = before.rfind('\n');
  column =
      static_cast<uint32_t>(offset - (lineStart == std::string_view::npos ? 0 : lineStart + 1) + 1);
}

// The first byte past ASCII, or the text's size; eight bytes at a time, as
// nearly every dictionary is ASCII throughout.
size_t firstNonAscii(std::string_view text) {
  size_t at = 0;
  for (uint64_t word; at + sizeof word <= text.size(); at += sizeof word) {
    std::memcpy(&word, text.data() + at, sizeof word);
    if (word & 0x8080808080808080u) break;
  }
  while (at < text.size() && static_cast<unsigned char>(text[at]) < 0x80) ++at;
  return at;
}

constexpr std::string_view kSaveAs =
    "save it as \"CSV UTF-8\" or \"CSV (comma delimited)\" instead of \"Unicode text\"";

}  // namespace

TextEncoding detectEncoding(const FileBytes& file) {
  const std::string_view head = file.head.substr(0, kEncodingHead);
  if (head.starts_with(std::string_view("\xFF\xFE\0\0", 4)) ||
      head.starts_with(std::string_view("\0\0\xFE\xFF", 4)))
    return TextEncoding::kUtf32;
  if (head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF")) return TextEncoding::kUtf16;
  // Without a mark: text in Latin letters has a zero byte beside nearly
  // every character.
  const auto zeros = std::count(head.begin(), head.end(), '\0');
  const auto size = static_cast<long>(head.size());
  if (size >= 4 && zeros * 4 >= size * 3 - 4) return TextEncoding::kUtf32;
  if (size >= 2 && zeros * 3 >= size) return TextEncoding::kUtf16;
  const size_t high = firstNonAscii(file.text);
  if (high == file.text.size()) return TextEncoding::kAscii;
  return isValidUtf8(file.text.substr(high)) ? TextEncoding::kUtf8 : TextEncoding::kLegacy;
}

TextEncoding checkEncoding(std::string_view path, const FileBytes& file,
                           std::vector<Finding>& findings) {
  const TextEncoding encoding = detectEncoding(file);
  if (encoding == TextEncoding::kUtf16 || encoding == TextEncoding::kUtf32) {
    findings.push_back({std::string(path), 1, 0, Severity::kError, "utf16",
                        std::string("the file is saved as ") +
                            (encoding == TextEncoding::kUtf16 ? "UTF-16" : "UTF-32") +
                            ", which is read only up to its first zero byte (nothing of it "
                            "reaches the report); " +
                            std::string(kSaveAs)});
    return encoding;
  }
  const std::string_view text = file.text;
  uint32_t line = 0, column = 0;
  const size_t mark = file.head.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
  if (file.size > mark + text.size()) {
    lineAndColumn(text, text.size(), line, column);
    findings.push_back({std::string(path), line, column, Severity::kError, "zero-byte",
                        "a zero byte ends the text here: the rest of the file (" +
                            std::to_string(file.size - mark - text.size()) +
                            " bytes) is not read"});
  }
  if (encoding != TextEncoding::kLegacy) return encoding;
  const size_t invalid = firstInvalidUtf8(text);
  lineAndColumn(text, invalid, line, column);
  const size_t lineStart =
      text.rfind('\n', invalid) == std::string_view::npos ? 0 : text.rfind('\n', invalid) + 1;
  std::string_view lineText = text.substr(lineStart, text.find('\n', invalid) - lineStart);
  if (!lineText.empty() && lineText.back() == '\r') lineText.remove_suffix(1);
  const std::string shown = windows1252ToUtf8(lineText.substr(0, 60));
  findings.push_back({std::string(path), line, column, Severity::kNote, "not-utf8",
                      "bytes that are not UTF-8 (likely Windows-1252, read as '" + shown +
                          "'): the report shows them as they are; save as \"CSV UTF-8\" if "
                          "letters look wrong"});
  return encoding;
}

void checkMixedEncodings(const std::vector<std::string_view>& paths,
                         const std::vector<TextEncoding>& encodings,
                         std::vector<Finding>& findings) {
  const auto utf8 = std::find(encodings.begin(), encodings.end(), TextEncoding::kUtf8);
  const auto legacy = std::find(encodings.begin(), encodings.end(), TextEncoding::kLegacy);
  if (utf8 == encodings.end() || legacy == encodings.end()) return;
  const size_t later = static_cast<size_t>(std::max(utf8, legacy) - encodings.begin());
  const size_t earlier = static_cast<size_t>(std::min(utf8, legacy) - encodings.begin());
  findings.push_back(
      {std::string(paths[later]), 1, 0, Severity::kWarning, "mixed-encodings",
       "this dictionary is " +
           std::string(encodings[later] == TextEncoding::kUtf8 ? "UTF-8" : "Windows-1252") + ", " +
           std::string(paths[earlier]) + " is " +
           (encodings[earlier] == TextEncoding::kUtf8 ? "UTF-8" : "Windows-1252") +
           ": one report holds both, and a browser shows the letters past ASCII of one of them "
           "wrongly; save every dictionary as \"CSV UTF-8\""});
}

}  // namespace plotwarden
