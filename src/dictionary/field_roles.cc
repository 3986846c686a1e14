#include "dictionary/field_roles.h"

#include "platform/ascii_case.h"

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

}  // namespace

FieldRole classifyFieldName(std::string_view name) {
  if (name.size() <= kLongestComparedName)
    for (const KnownFieldName& known : kRoleNames)
      if (equalsIgnoringCase(name, known.name)) return known.role;
  return ROLE_UNKNOWN;
}

std::span<const KnownFieldName> knownFieldNames() { return kRoleNames; }

}  // namespace plotwarden
