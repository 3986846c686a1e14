// The command line: options first (each begins with "--"; "--" ends them),
// then the configuration path, the naming mode and, for --audit, drawings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plotwarden {

enum class Command { kReport, kCheck, kAudit, kHelp, kVersion };
enum class FindingFormat { kText, kJson };

struct CommandLine {
  Command command = Command::kReport;
  bool modern = false;
  FindingFormat format = FindingFormat::kText;
  std::string auditHtmlPath;  // --audit-html FILE; empty when not asked for
  std::string configurationPath;
  std::string modeText;
  std::vector<std::string> drawings;  // --audit's DRAWING.dxf arguments
  // Why the command line cannot be used; empty when it can.
  std::string usageError;
};

// Reads the arguments after the program name. Arguments past the mode are
// ignored, as they always were, except that --audit takes them as drawings.
CommandLine parseCommandLine(const std::vector<std::string_view>& arguments);

// The naming mode: the words layer(s) and level(s) in any letter case, or a
// decimal number read as atoi reads it, 1 meaning layer naming. `understood`
// is false for text that is neither (it reads as level naming).
struct NamingMode {
  bool layerNaming = false;
  bool understood = true;
};
NamingMode parseNamingMode(std::string_view text);

// The texts of --help and --version, and the one-line usage.
std::string helpText();
std::string versionText();
std::string usageText();

}  // namespace plotwarden
