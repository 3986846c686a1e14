#include "check/configuration_rules.h"

#include <algorithm>

#include "platform/ascii_case.h"
#include "platform/utf8_text.h"

namespace plotwarden {

namespace {

std::string_view withoutBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

// The key a line means to set ("out", "img", "css"), when it looks like a
// setting: the key in any letter case, blanks allowed before the '='.
std::string_view meantKey(std::string_view line) {
  line = withoutBlanks(line);
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {};
  const std::string_view key = withoutBlanks(line.substr(0, equals));
  for (std::string_view known : {"out", "img", "css"})
    if (equalsIgnoringCase(key, known)) return known;
  return {};
}

bool isSettingLine(std::string_view line) {
  return line.find("out=") != std::string_view::npos ||
         line.find("img=") != std::string_view::npos || line.find("css=") != std::string_view::npos;
}

}  // namespace

void checkSettingKeys(std::string_view path, std::string_view text, Findings& findings) {
  if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
  uint32_t number = 0;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++number;
    const std::string_view key = meantKey(line);
    if (key.empty() || isSettingLine(line)) continue;
    findings.push_back({std::string(path), number, 0, Severity::kError, "setting-key",
                        concat({quotedText(withoutBlanks(line)), " is no setting: a setting line ",
                                "holds its key in lower case with '=' right after it (", key,
                                "=); this line is read as a content line"})});
  }
}

}  // namespace plotwarden
