#include "dictionary/field_roles.h"

#include <gtest/gtest.h>

#include <string>

namespace plotwarden {
namespace {

struct KnownName {
  const char* name;
  FieldRole role;
};

const KnownName kKnownNames[] = {
    {"FEATURE NAME", ROLE_FEATURE_NAME},
    {"Feature Name", ROLE_FEATURE_NAME},
    {"feature name", ROLE_FEATURE_NAME},
    {"NAME", ROLE_FEATURE_NAME},
    {"level", ROLE_LEVEL},
    {"Colour", ROLE_COLOUR},
    {"RGB", ROLE_RGB},
    {"rgb colour", ROLE_RGB},
    {"WEIGHT", ROLE_WEIGHT},
    {"Line Style", ROLE_LINE_STYLE},
    {"TEXT SCALE", ROLE_TEXT_SCALE},
    {"text font", ROLE_TEXT_FONT},
    {"LINE SPACING", ROLE_LINE_SPACING},
    {"Cell Name", ROLE_CELL_NAME},
    {"TEXT STYLE", ROLE_TEXT_STYLE},
    {"dim style", ROLE_DIM_STYLE},
    {"DIMENSION STYLE", ROLE_DIM_STYLE},
    {"Key-In", ROLE_KEY_IN},
    {"FEATURE TYPE", ROLE_FEATURE_TYPE},
    {"Element Type", ROLE_ELEMENT_TYPES},
    {"ELEMENT TYPES", ROLE_ELEMENT_TYPES},
    {"TEXT WEIGHT", ROLE_TEXT_WEIGHT},
};

TEST(FieldRoles, KnownNamesInAnyCaseGiveTheirRole) {
  for (const KnownName& known : kKnownNames)
    EXPECT_EQ(classifyFieldName(known.name), known.role) << known.name;
}

TEST(FieldRoles, TextWeightComesAfterElementTypes) {
  EXPECT_EQ(ROLE_TEXT_WEIGHT, 15);
  EXPECT_EQ(classifyFieldName("TEXT WEIGHT"), 15);
}

TEST(FieldRoles, OtherNamesHaveNoRole) {
  const std::string fortyCharacters(40, 'X');
  const std::string twentySeven = "FEATURE NAME" + std::string(15, ' ');
  const std::string twentyEight = "FEATURE NAME" + std::string(16, ' ');
  const std::string unknownNames[] = {
      "COLOR",         " NAME",     "NAME ",     "\"NAME\"",     "",
      fortyCharacters, twentySeven, twentyEight, "NAMES",        "ELEMENT  TYPES",
      "KEY_IN",        "LEVEL\r",   "%s%n",      "\xff\x01\x7f",
  };
  for (const std::string& name : unknownNames)
    EXPECT_EQ(classifyFieldName(name), ROLE_UNKNOWN) << name;
}

TEST(FieldRoles, NameIsComparedWholeNotAsAPrefix) {
  // A view that stops inside a longer text is just the characters it holds.
  std::string_view level = std::string_view("LEVELS").substr(0, 5);
  EXPECT_EQ(classifyFieldName(level), ROLE_LEVEL);
  EXPECT_EQ(classifyFieldName("LEVELS"), ROLE_UNKNOWN);
  EXPECT_EQ(classifyFieldName("LEVE"), ROLE_UNKNOWN);
}

}  // namespace
}  // namespace plotwarden
