#include "driver/run.h"

#include <cerrno>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "check/dictionary_check.h"
#include "dictionary/classification.h"
#include "dictionary/dictionary_reader.h"
#include "dictionary/dictionary_store.h"
#include "driver/audit_run.h"
#include "driver/check_run.h"
#include "driver/configuration.h"
#include "driver/messages.h"
#include "driver/options.h"
#include "platform/ascii_case.h"
#include "platform/calendar_time.h"
#include "platform/file_io.h"
#include "platform/path_split.h"
#include "platform/standard_streams.h"
#include "platform/utf8_text.h"
#include "report/document_frame.h"
#include "report/modern_document.h"
#include "report/sections.h"
#include "report/summary_table.h"

namespace plotwarden {

namespace {

bool namesADictionaryFile(std::string_view path, const std::vector<Dictionary>& dictionaries) {
  for (const Dictionary& dictionary : dictionaries)
    if (sameExistingFile(path, dictionary.filePath)) return true;
  return false;
}

// Writes the style block into a style file beside the report, into the
// report itself, or links the configured sheet. False when the style file
// was created but could not be written.
bool settleStyleSheet(OutputStream& report, const RunSettings& settings,
                      const std::vector<Dictionary>& dictionaries) {
  const Dictionary* first = dictionaries.empty() ? nullptr : &dictionaries.front();
  if (!isGiven(settings.styleSheet)) {
    PathParts parts = splitPath(settings.outputPath);
    std::string stylePath = parts.drive + parts.directory + "style.css";
    // Never overwrite the report or a dictionary: such a style file counts
    // as one that cannot be opened.
    if (sameExistingFile(stylePath, settings.outputPath) ||
        namesADictionaryFile(stylePath, dictionaries))
      return true;
    OutputStream style(openFile(stylePath, "wb"));
    if (!style.file) return true;
    // The link names the file exactly as it is written, so that it is found
    // on case-sensitive file systems and web servers too.
    put(report, "<link rel=\"stylesheet\" type=\"text/css\" href=\"style.css\" />");
    writeStyleSheet(style, first, settings.showImages);
    if (!closeStream(style)) {
      printCouldNotWrite(stylePath);
      return false;
    }
  } else if (equalsIgnoringCase(settings.styleSheet, "embed")) {
    writeStyleSheet(report, first, settings.showImages);
  } else {
    putAll(report, "<link rel=\"stylesheet\" type=\"text/css\" href=\"", settings.styleSheet,
           "\" />");
  }
  return true;
}

// The dictionary's category sections, those it has features for.
void writeSections(OutputStream& report, const Dictionary& dictionary, const RunSettings& settings,
                   const ReportSettings& words) {
  if (dictionary.linearCount > 0) writeLinearSection(report, dictionary, words);
  if (dictionary.textCount > 0) writeAnnotationSection(report, dictionary, words);
  if (dictionary.dimensionCount > 0) writeDimensionsSection(report, dictionary, words);
  if (dictionary.cellCount > 0)
    writeCellsSection(report, dictionary, words, settings.showImages, settings.imageFolder,
                      settings.outputPath);
  if (dictionary.solidCount > 0) writeSolidsSection(report, dictionary, words);
  if (dictionary.hatchCount > 0) writeHatchingSection(report, dictionary, words);
  if (dictionary.leaderCount > 0) writeLeadersSection(report, dictionary, words);
}

// The report's head, summary and every dictionary's part.
bool writeReport(OutputStream& report, const RunSettings& settings,
                 const std::vector<Dictionary>& dictionaries, const ReportSettings& words) {
  writeDocumentStart(report);
  if (!settleStyleSheet(report, settings, dictionaries)) return false;
  writeHeadEnd(report);
  writeTitleBlock(report, "Plotwarden Dictionary Report",
                  currentCalendarTimeText() + "<br>Produced By Plotwarden", std::nullopt);
  writeSummaryTable(report, dictionaries, words);
  for (const Dictionary& dictionary : dictionaries) {
    writeDictionaryBreak(report);
    writeTitleBlock(report, dictionary.name, dictionary.description, dictionary.version);
    writeSections(report, dictionary, settings, words);
  }
  writeDocumentEnd(report);
  return true;
}

// The same content in the modern document, which carries its own style.
void writeModernReport(OutputStream& report, const RunSettings& settings,
                       const std::vector<Dictionary>& dictionaries, const ReportSettings& words) {
  const std::vector<std::string> anchors = dictionaryAnchors(dictionaries);
  writeModernStart(report, dictionaries, anchors, words.layerNaming, currentIsoTimeText());
  for (size_t i = 0; i < dictionaries.size(); ++i) {
    ReportSettings modern = words;
    modern.modern = true;
    modern.anchor = anchors[i];
    openModernDictionary(report, dictionaries[i], anchors[i]);
    writeSections(report, dictionaries[i], settings, modern);
    closeModernDictionary(report);
  }
  writeModernEnd(report);
}

// A dictionary that is not UTF-8 is read as Windows-1252 and converted, so
// that one modern report never mixes encodings.
Status asUtf8(Dictionary& dictionary, const LoadConcurrency& concurrency) {
  if (isValidUtf8(dictionary.text)) return {};
  const std::string converted = windows1252ToUtf8(dictionary.text);
  const TextRules rules = dictionary.textRules;
  return loadDictionaryText(dictionary, converted, rules.separator, rules.quote, rules.marker,
                            concurrency);
}

}  // namespace

int runPlotwarden(int argc, char** argv, const Concurrency& concurrency) {
  const CommandLine line = parseCommandLine(std::vector<std::string_view>(argv + 1, argv + argc));
  if (!line.usageError.empty()) {
    printUsageError(line.usageError, usageText());
    return kExitUsage;
  }
  if (line.command == Command::kHelp) return printToStandardOutput(helpText()), kExitOk;
  if (line.command == Command::kVersion) return printToStandardOutput(versionText()), kExitOk;
  if (line.command == Command::kCheck) return runCheck(line);
  if (line.command == Command::kAudit) return runAudit(line);
  const NamingMode mode = parseNamingMode(line.modeText);
  if (!mode.understood) printModeNotUnderstood(line.modeText);
  ReportSettings words;
  words.layerNaming = mode.layerNaming;
  words.blocks = concurrency.blocks;
  const std::string& configurationPath = line.configurationPath;

  RunSettings settings;
  std::vector<Dictionary> dictionaries;
  if (const Status parsed = parseConfiguration(configurationPath, settings, dictionaries);
      !parsed.ok()) {
    printCouldNotOpen(configurationPath);
    printReason(placedError(configurationPath, parsed));
    return kExitSettings;
  }
  if (!isGiven(settings.outputPath)) {
    printOutputNotDefined(configurationPath);
    return kExitSettings;
  }
  const TextRules& rules = settings.textRules;
  for (Dictionary& dictionary : dictionaries) {
    Status loaded =
        loadDictionary(dictionary, rules.separator, rules.quote, rules.marker, concurrency.load);
    if (loaded.ok() && line.modern) loaded = asUtf8(dictionary, concurrency.load);
    if (!loaded.ok()) {
      printErrorReading(dictionary.filePath);
      printReason(placedError(dictionary.filePath, loaded));
      return kExitDictionary;
    }
    for (const HeaderCell& cell : dictionary.header)
      if (cell.role == ROLE_UNKNOWN) printUnknownField(cellText(dictionary, cell.name));
    classifyDictionary(dictionary, concurrency.load);
  }

  // The report never replaces one of its own inputs.
  if (namesADictionaryFile(settings.outputPath, dictionaries)) {
    printCouldNotCreate(settings.outputPath);
    printReason("the report would replace one of the dictionaries");
    return kExitSettings;
  }
  OutputStream report(openFile(settings.outputPath, "wb"));
  if (!report.file) {
    const std::string reason = std::generic_category().message(errno);
    printCouldNotCreate(settings.outputPath);
    printReason(absolutePath(settings.outputPath) + ": " + reason);
    return kExitSettings;
  }
  settleImages(settings);
  if (line.modern)
    writeModernReport(report, settings, dictionaries, words);
  else if (!writeReport(report, settings, dictionaries, words))
    return kExitSettings;
  if (!closeStream(report)) {
    printCouldNotWrite(settings.outputPath);
    return kExitSettings;
  }
  std::vector<std::string> losses;
  for (const Dictionary& dictionary : dictionaries) {
    std::string loss = lossLine(dictionary.filePath, dictionary, rules.quote);
    if (!loss.empty()) losses.push_back(std::move(loss));
  }
  if (!losses.empty()) printLosses(losses, configurationPath, line.modeText);
  if (standardErrorIsTerminal()) {
    size_t features = 0;
    for (const Dictionary& dictionary : dictionaries) features += dictionary.features.size();
    printWrote(settings.outputPath, dictionaries.size(), features);
  }
  return kExitOk;
}

}  // namespace plotwarden
