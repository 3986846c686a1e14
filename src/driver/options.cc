#include "driver/options.h"

#include "platform/ascii_case.h"
#include "platform/decimal_text.h"

namespace plotwarden {

namespace {

// Takes the option at arguments[at] (advancing `at` past a value it takes);
// false with the reason in line.usageError when it is not one.
bool takeOption(const std::vector<std::string_view>& arguments, size_t& at, CommandLine& line) {
  const std::string_view option = arguments[at];
  auto setCommand = [&](Command command) {
    if (line.command != Command::kReport && line.command != command) {
      line.usageError = "choose one of --check and --audit";
      return false;
    }
    line.command = command;
    return true;
  };
  if (option == "--help") return line.command = Command::kHelp, true;
  if (option == "--version") return line.command = Command::kVersion, true;
  if (option == "--check") return setCommand(Command::kCheck);
  if (option == "--audit") return setCommand(Command::kAudit);
  if (option == "--modern") return line.modern = true, true;
  if (option == "--format=text") return line.format = FindingFormat::kText, true;
  if (option == "--format=json") return line.format = FindingFormat::kJson, true;
  if (option == "--audit-html" || option.starts_with("--audit-html=")) {
    if (option.size() > 12) {
      line.auditHtmlPath = std::string(option.substr(13));
    } else if (at + 1 < arguments.size()) {
      line.auditHtmlPath = std::string(arguments[++at]);
    }
    if (line.auditHtmlPath.empty()) line.usageError = "--audit-html needs a file name";
    return !line.auditHtmlPath.empty();
  }
  line.usageError = option.starts_with("--format=")
                        ? "unknown format '" + std::string(option.substr(9)) + "' (text or json)"
                        : "unknown option '" + std::string(option) + "'";
  return false;
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string_view>& arguments) {
  CommandLine line;
  size_t at = 0;
  for (; at < arguments.size() && arguments[at].starts_with("--"); ++at) {
    if (arguments[at] == "--") {
      ++at;
      break;
    }
    if (!takeOption(arguments, at, line)) return line;
  }
  if (line.command == Command::kHelp || line.command == Command::kVersion) return line;
  std::vector<std::string_view> positional(arguments.begin() + static_cast<std::ptrdiff_t>(at),
                                           arguments.end());
  if (positional.size() < 2) {
    line.usageError = positional.empty() ? "no configuration file and naming mode given"
                                         : "no naming mode given (0 level naming, 1 layer naming)";
    return line;
  }
  line.configurationPath = std::string(positional[0]);
  line.modeText = std::string(positional[1]);
  if (line.command == Command::kAudit) {
    line.drawings.assign(positional.begin() + 2, positional.end());
    if (line.drawings.empty()) line.usageError = "--audit needs at least one drawing";
  } else if (!line.auditHtmlPath.empty()) {
    line.usageError = "--audit-html goes with --audit";
  }
  if (line.format == FindingFormat::kJson && line.command == Command::kReport)
    line.usageError = "--format goes with --check or --audit";
  if (line.modern && line.command != Command::kReport)
    line.usageError = "--modern goes with a report run";
  return line;
}

NamingMode parseNamingMode(std::string_view text) {
  for (std::string_view word : {"layer", "layers"})
    if (equalsIgnoringCase(text, word)) return {true, true};
  for (std::string_view word : {"level", "levels"})
    if (equalsIgnoringCase(text, word)) return {false, true};
  return {leadingInteger(text) == 1, hasLeadingInteger(text)};
}

std::string usageText() {
  return "usage: plotwarden [OPTIONS] [--] CONFIGURATION-FILE MODE (MODE 1 or layer: layer "
         "naming; 0 or level: level naming)\n";
}

std::string versionText() { return "plotwarden " PLOTWARDEN_VERSION "\n"; }

std::string helpText() {
  return usageText() +
         "\n"
         "Writes the CAD Standards Report of the dictionaries the configuration file names.\n"
         "\n"
         "MODE   1, layer or layers: layer naming (Layer, Block, Color, Linetype);\n"
         "       0, level, levels or any other number: level naming (Level, Cell, Colour, Style).\n"
         "\n"
         "Options (before the configuration file; -- ends them):\n"
         "  --check          read the configuration and every dictionary as a run would and\n"
         "                   print what is wrong (PATH:LINE: severity: message [code]); no report\n"
         "  --modern         write the report in its modern form (searchable, printable, escaped)\n"
         "  --audit          check DXF drawings against the standard:\n"
         "                   plotwarden --audit CONFIGURATION-FILE MODE DRAWING.dxf...\n"
         "  --audit-html FILE  with --audit, also write an HTML audit report to FILE\n"
         "  --format=json    with --check or --audit, print the findings as JSON\n"
         "  --help           print this text\n"
         "  --version        print the program's version\n"
         "\n"
         "Exit status:\n"
         "  0    the report was written; with --check or --audit, no error found\n"
         "  1    --check or --audit found an error\n"
         "  2    the command line cannot be used\n"
         "  255  the configuration or the report file cannot be used\n"
         "  254  a dictionary file cannot be read\n"
         "\n"
         "Manual: man plotwarden (or man -l man/plotwarden.1 in the source tree).\n";
}

}  // namespace plotwarden
