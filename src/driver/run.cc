#include "driver/run.h"

#include <cctype>
#include <cerrno>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "check/dictionary_check.h"
#include "dictionary/dictionary_reader.h"
#include "dictionary/dictionary_store.h"
#include "dictionary/run_options.h"
#include "driver/check_run.h"
#include "driver/configuration.h"
#include "driver/messages.h"
#include "driver/options.h"
#include "platform/calendar_time.h"
#include "platform/file_io.h"
#include "platform/path_split.h"
#include "platform/standard_streams.h"
#include "report/document_frame.h"
#include "report/sections.h"
#include "report/summary_table.h"

namespace plotwarden {

namespace {

// Releases the store however the run ends.
struct StoreRelease {
  ~StoreRelease() { releaseDictionaries(); }
};

bool namesADictionaryFile(std::string_view path) {
  for (int i = 0; i < dictionaryCount(); ++i)
    if (sameExistingFile(path, dictionaryAt(i)->filePath)) return true;
  return false;
}

// Why a dictionary file cannot be read, with the path the system tried.
std::string dictionaryReason(const std::string& path) {
  if (path.empty()) return "a dictionary line names no file";
  return path + " (tried " + absolutePath(path) + "): " + unreadableReason(path) +
         "; a relative path starts at the working folder";
}

// The whole value "embed", in any letter case.
bool isEmbed(std::string_view value) {
  constexpr std::string_view kEmbed = "embed";
  if (value.size() != kEmbed.size()) return false;
  for (size_t i = 0; i < value.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(value[i])) != kEmbed[i]) return false;
  return true;
}

// Writes the style block into a style file beside the report, into the
// report itself, or links the configured sheet. False when the style file
// was created but could not be written.
bool settleStyleSheet(OutputStream& report, const RunSettings& settings) {
  const Dictionary* first = dictionaryAt(0);
  if (!isGiven(settings.styleSheet)) {
    PathParts parts = splitPath(settings.outputPath);
    std::string stylePath = parts.drive + parts.directory + "style.css";
    // Never overwrite the report or a dictionary: such a style file counts
    // as one that cannot be opened.
    if (sameExistingFile(stylePath, settings.outputPath) || namesADictionaryFile(stylePath))
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
  } else if (isEmbed(settings.styleSheet)) {
    writeStyleSheet(report, first, settings.showImages);
  } else {
    putAll(report, "<link rel=\"stylesheet\" type=\"text/css\" href=\"", settings.styleSheet,
           "\" />");
  }
  return true;
}

void writeDictionarySections(OutputStream& report, const Dictionary& dictionary,
                             const RunSettings& settings) {
  writeDictionaryBreak(report);
  writeTitleBlock(report, dictionary.name, dictionary.description, dictionary.version);
  if (dictionary.linearCount > 0 || dictionary.shapeCount > 0)
    writeLinearSection(report, dictionary);
  if (dictionary.textCount > 0) writeAnnotationSection(report, dictionary);
  if (dictionary.dimensionCount > 0) writeDimensionsSection(report, dictionary);
  if (dictionary.cellCount > 0)
    writeCellsSection(report, dictionary, settings.showImages, settings.imageFolder,
                      settings.outputPath);
  if (dictionary.solidCount > 0) writeSolidsSection(report, dictionary);
  if (dictionary.hatchCount > 0) writeHatchingSection(report, dictionary);
  if (dictionary.leaderCount > 0) writeLeadersSection(report, dictionary);
}

}  // namespace

int runPlotwarden(int argc, char** argv) {
  const CommandLine line = parseCommandLine(std::vector<std::string_view>(argv + 1, argv + argc));
  if (!line.usageError.empty()) {
    printUsageError(line.usageError, usageText());
    return kExitUsage;
  }
  if (line.command == Command::kHelp) return printToStandardOutput(helpText()), kExitOk;
  if (line.command == Command::kVersion) return printToStandardOutput(versionText()), kExitOk;
  if (line.command == Command::kCheck) return runCheck(line);
  if (line.command != Command::kReport || line.modern) {
    printUsageError("this option is not available yet", usageText());
    return kExitUsage;
  }
  const NamingMode mode = parseNamingMode(line.modeText);
  if (!mode.understood) printModeNotUnderstood(line.modeText);
  setLayerNaming(mode.layerNaming);
  const std::string& configurationPath = line.configurationPath;

  StoreRelease release;
  RunSettings settings;
  if (!parseConfiguration(configurationPath, settings)) {
    printCouldNotOpen(configurationPath);
    return kExitSettings;
  }
  if (!isGiven(settings.outputPath)) {
    printOutputNotDefined(configurationPath);
    return kExitSettings;
  }
  for (int i = 0; i < dictionaryCount(); ++i) {
    Dictionary& dictionary = *dictionaryAt(i);
    if (loadDictionary(dictionary, fieldSeparator(), quoteChar(), lineMarker()) != 0) {
      printErrorReading(dictionary.filePath);
      printReason(dictionaryReason(dictionary.filePath));
      return kExitDictionary;
    }
  }

  // The report never replaces one of its own inputs.
  if (namesADictionaryFile(settings.outputPath)) {
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
  writeDocumentStart(report);
  if (!settleStyleSheet(report, settings)) return kExitSettings;
  writeHeadEnd(report);
  writeTitleBlock(report, "Plotwarden Dictionary Report",
                  currentCalendarTimeText() + "<br>Produced By Plotwarden", std::nullopt);
  writeSummaryTable(report);
  for (int i = 0; i < dictionaryCount(); ++i)
    writeDictionarySections(report, *dictionaryAt(i), settings);
  writeDocumentEnd(report);
  if (!closeStream(report)) {
    printCouldNotWrite(settings.outputPath);
    return kExitSettings;
  }
  std::vector<std::string> losses;
  for (int i = 0; i < dictionaryCount(); ++i) {
    const Dictionary& dictionary = *dictionaryAt(i);
    std::string loss = lossLine(dictionary.filePath, dictionary, quoteChar());
    if (!loss.empty()) losses.push_back(std::move(loss));
  }
  if (!losses.empty()) printLosses(losses, configurationPath, line.modeText);
  if (standardErrorIsTerminal()) {
    size_t features = 0;
    for (int i = 0; i < dictionaryCount(); ++i) features += dictionaryAt(i)->features.size();
    printWrote(settings.outputPath, static_cast<size_t>(dictionaryCount()), features);
  }
  return kExitOk;
}

}  // namespace plotwarden
