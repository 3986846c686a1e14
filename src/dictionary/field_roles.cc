#include "dictionary/field_roles.h"

#include <cstdio>

namespace plotwarden {

namespace {

constexpr KnownFieldName kRoleNames[] = {
    {"FEATURE NAME", ROLE_FEATURE_NAME},
    {"NAME", ROLE_FEATURE_NAME},
    {"LEVEL", ROLE_LEVEL},
    {"COLOUR", ROLE_COLOUR},
    {"RGB", ROLE_RGB},
    {"RGB COLOUR", ROLE_RGB},
    {"WEIGHT", ROLE_WEIGHT},
    {"LINE STYLE", ROLE_LINE_STYLE},
    {"TEXT SCALE", ROLE_TEXT_SCALE},
    {"TEXT FONT", ROLE_TEXT_FONT},
    {"LINE SPACING", ROLE_LINE_SPACING},
    {"CELL NAME", ROLE_CELL_NAME},
    {"TEXT STYLE", ROLE_TEXT_STYLE},
    {"DIM STYLE", ROLE_DIM_STYLE},
    {"DIMENSION STYLE", ROLE_DIM_STYLE},
    {"KEY-IN", ROLE_KEY_IN},
    {"FEATURE TYPE", ROLE_FEATURE_TYPE},
    {"ELEMENT TYPE", ROLE_ELEMENT_TYPES},
    {"ELEMENT TYPES", ROLE_ELEMENT_TYPES},
    {"TEXT WEIGHT", ROLE_TEXT_WEIGHT},
};

// Names this long are unknown without being compared.
constexpr size_t kLongestComparedName = 27;

// Only ASCII letters fold: other bytes match themselves alone.
char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (upperAscii(a[i]) != upperAscii(b[i])) return false;
  return true;
}

// The name goes out whole, whatever bytes it holds.
void warnUnknownField(std::string_view name) {
  std::fputs("Ignore unknown field: '", stdout);
  std::fwrite(name.data(), 1, name.size(), stdout);
  std::fputs("'\n", stdout);
}

}  // namespace

FieldRole classifyFieldName(std::string_view name) {
  if (name.size() <= kLongestComparedName)
    for (const KnownFieldName& known : kRoleNames)
      if (equalIgnoringCase(name, known.name)) return known.role;
  warnUnknownField(name);
  return ROLE_UNKNOWN;
}

std::span<const KnownFieldName> knownFieldNames() { return kRoleNames; }

}  // namespace plotwarden
