#include "driver/configuration.h"

#include "platform/decimal_text.h"
#include "platform/file_io.h"
#include "platform/utf8_text.h"

namespace plotwarden {

namespace {

// Lines are read in pieces of at most this many characters, the line end
// included; each piece is handled as a line of its own.
constexpr size_t kLinePiece = 4095;

struct ContentState {
  int count = 0;
  char separator = 0;
  char marker = 0;
  char quote = 0;
};

// Windows text mode: CR LF becomes LF; a lone CR stays.
std::string textModeLineEnds(std::string_view raw) {
  std::string text;
  text.reserve(raw.size());
  for (size_t i = 0; i < raw.size(); ++i)
    if (!(raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n')) text.push_back(raw[i]);
  return text;
}

// The separator as a message shows it.
std::string shown(char separator) {
  if (separator == '\t') return "a tab";
  if (separator == ' ') return "a blank";
  return std::string("'") + separator + "'";
}

// Seven fields split from the right, so the display name may hold the separator.
std::string parseDictionaryLine(std::string_view line, char separator,
                                std::vector<Dictionary>& dictionaries) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  std::string_view fields[7];
  for (int i = 6; i >= 1; --i) {
    size_t cut = line.rfind(separator);
    if (cut == std::string_view::npos)
      return "a dictionary line holds seven fields separated by " + shown(separator) +
             " (NAME,DESCRIPTION,-,-,VERSION,-,PATH); this one has " + std::to_string(7 - i) +
             (line.starts_with('#') ? " (a configuration has no comment lines)" : "");
    fields[i] = line.substr(cut + 1);
    line = line.substr(0, cut);
  }
  fields[0] = line;
  Dictionary dictionary;
  dictionary.name.assign(fields[0]);
  dictionary.description.assign(fields[1]);
  dictionary.unusedText3.assign(fields[2]);
  dictionary.unusedText4.assign(fields[3]);
  dictionary.version.assign(fields[4]);
  dictionary.unusedNumber = leadingInteger(fields[5]);
  dictionary.filePath.assign(fields[6]);
  dictionaries.push_back(std::move(dictionary));
  return {};
}

// What is wrong with the line, or "".
std::string handleContentLine(std::string_view line, ContentState& state,
                              std::vector<Dictionary>& dictionaries) {
  switch (++state.count) {
    case 1:
      state.separator = line[0];
      break;
    case 2:
      state.marker = line[0];
      break;
    case 3:
      state.quote = line[0];
      break;
    case 4:
      // Two texts that nothing reads; only their separator is required.
      if (line.find(state.separator) == std::string_view::npos)
        return "the fourth content line must hold two texts separated by " +
               shown(state.separator) +
               ", the separator the first content line gives (a setting line needs its key in "
               "lower case with '=' right after it)";
      break;
    default:
      return parseDictionaryLine(line, state.separator, dictionaries);
  }
  return {};
}

std::string handleLine(std::string_view line, RunSettings& settings, ContentState& state,
                       std::vector<Dictionary>& dictionaries) {
  // The line is a C string: a zero byte ends it.
  line = line.substr(0, line.find('\0'));
  if (line.find("out=") != std::string_view::npos) {
    takeValue(settings.outputPath, line);
  } else if (line.find("img=") != std::string_view::npos) {
    takeValue(settings.imageFolder, line);
  } else if (line.find("css=") != std::string_view::npos) {
    takeValue(settings.styleSheet, line);
  } else if (!line.empty() && line[0] != '\n') {
    return handleContentLine(line, state, dictionaries);
  }
  return {};
}

}  // namespace

bool isGiven(const std::string& setting) { return setting.empty() || setting[0] != '0'; }

void takeValue(std::string& setting, std::string_view line) {
  line = line.substr(0, line.find('\n'));
  size_t equals = line.find('=');
  setting.assign(equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1));
}

namespace {

// Reads the lines in order; each malformed one's Status goes to
// `readOnAfter`, which says whether to read on.
template <typename ReadOnAfter>
void readLines(std::string_view raw, RunSettings& settings, std::vector<Dictionary>& dictionaries,
               ReadOnAfter readOnAfter) {
  // A byte-order mark would otherwise be read as the separator.
  if (raw.starts_with(kUtf8ByteOrderMark)) raw.remove_prefix(kUtf8ByteOrderMark.size());
  const std::string lines = textModeLineEnds(raw);
  std::string_view text = lines;
  ContentState state;
  uint32_t lineNumber = 1;
  bool more = true;
  while (more && !text.empty()) {
    size_t end = text.find('\n');
    size_t length = end == std::string_view::npos ? text.size() : end + 1;
    if (length > kLinePiece) length = kLinePiece;
    std::string error = handleLine(text.substr(0, length), settings, state, dictionaries);
    if (!error.empty()) more = readOnAfter(failure(std::move(error), lineNumber));
    if (text[length - 1] == '\n') ++lineNumber;
    text.remove_prefix(length);
  }
  settings.textRules = {state.separator, state.quote, state.marker};
}

}  // namespace

Status parseConfigurationText(std::string_view raw, RunSettings& settings,
                              std::vector<Dictionary>& dictionaries) {
  Status first;
  readLines(raw, settings, dictionaries, [&first](Status malformed) {
    first = std::move(malformed);
    return false;
  });
  return first;
}

std::vector<Status> malformedConfigurationLines(std::string_view raw) {
  RunSettings settings;
  std::vector<Dictionary> dictionaries;
  std::vector<Status> malformed;
  readLines(raw, settings, dictionaries, [&malformed](Status line) {
    malformed.push_back(std::move(line));
    return true;
  });
  return malformed;
}

Status parseConfiguration(std::string_view path, RunSettings& settings,
                          std::vector<Dictionary>& dictionaries) {
  std::string raw;
  if (readWholeFile(path, raw) != ReadStatus::Ok)
    return failure("cannot be read (tried " + absolutePath(path) + "): " + unreadableReason(path));
  return parseConfigurationText(raw, settings, dictionaries);
}

void settleImages(RunSettings& settings) {
  if (isGiven(settings.imageFolder) && settings.imageFolder.find("noimages") != std::string::npos) {
    settings.showImages = false;
    return;
  }
  settings.showImages = true;
  if (!isGiven(settings.imageFolder)) settings.imageFolder = "Images\\";
  if (settings.imageFolder.empty() || settings.imageFolder.back() != '\\')
    settings.imageFolder.push_back('\\');
}

}  // namespace plotwarden
