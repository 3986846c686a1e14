#include "dictionary/field_roles.h"

#include <gtest/gtest.h>

#include <string>

namespace plotwarden {
namespace {

struct Classified {
  FieldRole role;
  std::string printed;
};

Classified classify(std::string_view name) {
  ::testing::internal::CaptureStdout();
  FieldRole role = classifyFieldName(name);
  return {role, ::testing::internal::GetCapturedStdout()};
}

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

TEST(FieldRoles, KnownNamesInAnyCaseGiveTheirRoleSilently) {
  for (const KnownName& known : kKnownNames) {
    Classified c = classify(known.name);
    EXPECT_EQ(c.role, known.role) << known.name;
    EXPECT_EQ(c.printed, "") << known.name;
  }
}

TEST(FieldRoles, TextWeightComesAfterElementTypes) {
  EXPECT_EQ(ROLE_TEXT_WEIGHT, 15);
  EXPECT_EQ(classify("TEXT WEIGHT").role, 15);
}

TEST(FieldRoles, UnknownNamesWarnWithTheWholeName) {
  const std::string fortyCharacters(40, 'X');
  const std::string twentySeven = "FEATURE NAME" + std::string(15, ' ');
  const std::string twentyEight = "FEATURE NAME" + std::string(16, ' ');
  const std::string unknownNames[] = {
      "COLOR",         " NAME",     "NAME ",     "\"NAME\"",     "",
      fortyCharacters, twentySeven, twentyEight, "NAMES",        "ELEMENT  TYPES",
      "KEY_IN",        "LEVEL\r",   "%s%n",      "\xff\x01\x7f",
  };
  for (const std::string& name : unknownNames) {
    Classified c = classify(name);
    EXPECT_EQ(c.role, ROLE_UNKNOWN) << name;
    EXPECT_EQ(c.printed, "Ignore unknown field: '" + name + "'\n") << name;
  }
}

TEST(FieldRoles, EmptyNameWarnsWithNothingBetweenApostrophes) {
  EXPECT_EQ(classify("").printed, "Ignore unknown field: ''\n");
}

TEST(FieldRoles, NameIsComparedWholeNotAsAPrefix) {
  // A view that stops inside a longer text is just the characters it holds.
  std::string_view level = std::string_view("LEVELS").substr(0, 5);
  EXPECT_EQ(classify(level).role, ROLE_LEVEL);
  EXPECT_EQ(classify("LEVELS").role, ROLE_UNKNOWN);
  EXPECT_EQ(classify("LEVE").role, ROLE_UNKNOWN);
}

}  // namespace
}  // namespace plotwarden
