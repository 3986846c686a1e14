#include "driver/check_run.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "check/configuration_rules.h"
#include "check/dictionary_check.h"
#include "check/encoding_rules.h"
#include "check/finding_output.h"
#include "check/picture_rules.h"
#include "dictionary/classification.h"
#include "dictionary/dictionary_reader.h"
#include "dictionary/dictionary_store.h"
#include "driver/configuration.h"
#include "driver/messages.h"
#include "platform/file_io.h"

namespace plotwarden {

namespace {

// The first bytes of a file as they are on disk, for telling its encoding.
std::string fileHead(std::string_view path, uintmax_t size) {
  std::string head(static_cast<size_t>(std::min<uintmax_t>(size, kEncodingHead)), '\0');
  if (!readFileRange(path, 0, head.data(), head.size())) head.clear();
  return head;
}

// Findings in the order of their place in the file; notes that stand for
// the rest of a code go last.
void sortByPlace(Findings& findings, size_t from) {
  std::stable_sort(findings.begin() + static_cast<std::ptrdiff_t>(from), findings.end(),
                   [](const Finding& a, const Finding& b) {
                     const auto place = [](const Finding& f) {
                       return std::pair(f.line == 0 ? UINT32_MAX : f.line, f.column);
                     };
                     return place(a) < place(b);
                   });
}

// Reads, sorts and checks one dictionary, then lets go of its text.
void checkOneDictionary(Dictionary& dictionary, const TextRules& rules,
                        const PictureSettings* pictures, Findings& findings,
                        std::vector<DictionarySummary>& summaries,
                        std::vector<TextEncoding>& encodings) {
  const std::string& path = dictionary.filePath;
  const size_t first = findings.size();
  if (const Status loaded = loadDictionary(dictionary, rules.separator, rules.quote, rules.marker);
      !loaded.ok()) {
    findings.push_back({path, 0, 0, Severity::kError, "cannot-read-dictionary", loaded.error});
    encodings.push_back(TextEncoding::kAscii);
    return;
  }
  const uintmax_t size = regularFileSize(path).value_or(dictionary.text.size());
  const std::string head = fileHead(path, size);
  const FileBytes bytes{head, size, dictionary.text};
  const TextEncoding encoding = checkEncoding(path, bytes, findings);
  encodings.push_back(encoding);
  // Of a UTF-16 or UTF-32 file only a few bytes were read: nothing more to say.
  const bool readAtAll = encoding != TextEncoding::kUtf16 && encoding != TextEncoding::kUtf32;

  classifyDictionary(dictionary);
  const CheckedFile file{path, dictionary, findLineStarts(dictionary.text), rules.separator,
                         rules.quote};
  if (readAtAll) checkDictionary(file, pictures, findings);
  sortByPlace(findings, first);
  summaries.push_back(summarize(path, dictionary));
  clearFileContent(dictionary);
}

int printFindings(const CommandLine& line, Findings& findings,
                  const std::vector<DictionarySummary>& summaries) {
  limitRepeats(findings);
  if (line.format == FindingFormat::kJson) {
    printToStandardOutput(findingsJson(findings, summaries));
  } else {
    std::string text;
    for (const Finding& finding : findings) text += findingLine(finding);
    for (const DictionarySummary& summary : summaries) text += summaryLine(summary);
    printToStandardOutput(text);
  }
  const bool error = std::any_of(findings.begin(), findings.end(),
                                 [](const Finding& f) { return f.severity == Severity::kError; });
  return error ? kExitFindings : kExitOk;
}

}  // namespace

int runCheck(const CommandLine& line) {
  Findings findings;
  std::vector<DictionarySummary> summaries;
  const std::string& configurationPath = line.configurationPath;
  std::string raw;
  if (readWholeFile(configurationPath, raw) != ReadStatus::Ok) {
    findings.push_back({configurationPath, 0, 0, Severity::kError, "cannot-read-configuration",
                        "cannot be read (tried " + absolutePath(configurationPath) +
                            "): " + unreadableReason(configurationPath)});
    return printFindings(line, findings, summaries);
  }
  checkEncoding(configurationPath, {raw, raw.size(), raw}, findings);
  checkSettingKeys(configurationPath, raw, findings);
  RunSettings settings;
  std::vector<Dictionary> dictionaries;
  const Status parsed = parseConfigurationText(raw, settings, dictionaries);
  if (!parsed.ok()) {
    // A setting read as a content line shifts every line after it: only the
    // first malformed line is worth reading then.
    const bool shifted = std::any_of(findings.begin(), findings.end(),
                                     [](const Finding& f) { return f.code == "setting-key"; });
    std::vector<Status> malformed = malformedConfigurationLines(raw);
    if (shifted) malformed.resize(1);
    for (const Status& bad : malformed)
      findings.push_back(
          {configurationPath, bad.line, 0, Severity::kError, "configuration-line", bad.error});
  }
  // A configuration read only up to a malformed line may give its report
  // path and dictionaries after it: their absence is no finding then.
  if (parsed.ok() && !isGiven(settings.outputPath))
    findings.push_back({configurationPath, 0, 0, Severity::kError, "no-output",
                        "no out= line: the report has no file to be written to; add a line "
                        "out=report.html (setting keys are lower case)"});
  if (parsed.ok() && dictionaries.empty())
    findings.push_back({configurationPath, 0, 0, Severity::kWarning, "no-dictionaries",
                        "no dictionary lines: the report lists no dictionary; a dictionary line "
                        "holds seven fields, NAME,DESCRIPTION,-,-,VERSION,0,PATH"});

  settleImages(settings);
  const PictureSettings pictureSettings{settings.imageFolder, settings.outputPath,
                                        configurationPath, 0};
  const PictureSettings* pictures = nullptr;
  if (settings.showImages && isGiven(settings.outputPath) &&
      checkImageFolder(pictureSettings, findings))
    pictures = &pictureSettings;

  std::vector<std::string_view> paths;
  std::vector<TextEncoding> encodings;
  for (Dictionary& dictionary : dictionaries) {
    checkOneDictionary(dictionary, settings.textRules, pictures, findings, summaries, encodings);
    paths.push_back(dictionary.filePath);
  }
  checkMixedEncodings(paths, encodings, findings);
  return printFindings(line, findings, summaries);
}

}  // namespace plotwarden
