#include "check/checked_file.h"

namespace plotwarden {

bool isBlankRow(const Dictionary& dictionary, const Feature& feature) {
  for (uint32_t column = 0; column < feature.fieldCount; ++column)
    for (char c : fieldEntryText(dictionary, feature, column))
      if (c != ' ' && c != '\t') return false;
  return true;
}

std::string concat(std::initializer_list<std::string_view> pieces) {
  size_t size = 0;
  for (std::string_view piece : pieces) size += piece.size();
  std::string text;
  text.reserve(size);
  for (std::string_view piece : pieces) text.append(piece);
  return text;
}

std::string quotedText(std::string_view value) {
  constexpr size_t kShown = 60;
  if (value.size() <= kShown) return concat({"'", value, "'"});
  size_t cut = kShown;
  // Back to the start of a UTF-8 sequence.
  while (cut > 0 && (static_cast<unsigned char>(value[cut]) & 0xC0) == 0x80) --cut;
  return concat({"'", value.substr(0, cut), "...'"});
}

std::string counted(uint64_t count, std::string_view singular, std::string_view plural) {
  const std::string plain = std::to_string(count);
  std::string digits;
  for (size_t at = 0; at < plain.size(); ++at) {
    if (at != 0 && (plain.size() - at) % 3 == 0) digits.push_back(',');
    digits.push_back(plain[at]);
  }
  return concat({digits, " ", count == 1 ? singular : plural});
}

}  // namespace plotwarden
