#include "dictionary/dictionary_store.h"

#include <gtest/gtest.h>

#include "support/dictionary_builder.h"

namespace plotwarden {
namespace {

TEST(DictionaryRecord, NewDictionaryHasNoColumnsAndZeroCounts) {
  Dictionary d;
  for (int role = ROLE_FEATURE_NAME; role <= ROLE_UNKNOWN; ++role)
    EXPECT_EQ(findFieldColumn(d, static_cast<FieldRole>(role)), -1);
  EXPECT_EQ(d.featureCount(), 0);
}

TEST(DictionaryRecord, FindFieldColumnTakesTheLeftmostColumn) {
  Dictionary d;
  d.text = "NAME,LEVEL,X,FEATURE NAME";
  appendHeaderCell(d, {{0, 4}, ROLE_FEATURE_NAME});
  appendHeaderCell(d, {{5, 5}, ROLE_LEVEL});
  appendHeaderCell(d, {{11, 1}, ROLE_UNKNOWN});
  appendHeaderCell(d, {{13, 12}, ROLE_FEATURE_NAME});
  EXPECT_EQ(findFieldColumn(d, ROLE_FEATURE_NAME), 0);
  EXPECT_EQ(findFieldColumn(d, ROLE_LEVEL), 1);
  EXPECT_EQ(findFieldColumn(d, ROLE_UNKNOWN), 2);
  EXPECT_EQ(findFieldColumn(d, ROLE_KEY_IN), -1);
  EXPECT_EQ(cellText(d, d.header[3].name), "FEATURE NAME");
}

TEST(DictionaryRecord, FeatureFieldsStayWithTheirFeature) {
  Dictionary d;
  d.text = "a,b\n\nc";
  appendFeature(d);
  appendFeatureField(d, {0, 1});
  appendFeatureField(d, {2, 1});
  appendFeature(d);
  appendFeature(d);
  appendFeatureField(d, {5, 1});
  ASSERT_EQ(d.featureCount(), 3);
  // Each field's start, and after a Feature's last field where a next one
  // would start; a Feature without fields takes no entry.
  EXPECT_EQ(test_support::entriesOf(d.fieldStarts), (std::vector<uint32_t>{0, 2, 4, 5, 7}));
  EXPECT_EQ(featureField(d, d.features[0], 0), "a");
  EXPECT_EQ(featureField(d, d.features[0], 1), "b");
  EXPECT_EQ(featureField(d, d.features[0], 2), "");
  EXPECT_EQ(featureField(d, d.features[1], 0), "");
  EXPECT_EQ(featureField(d, d.features[2], 0), "c");
  EXPECT_EQ(featureField(d, d.features[2], -1), "");
}

TEST(DictionaryRecord, GroupingByCategoryKeepsDictionaryOrderInEachGroup) {
  Dictionary d;
  const FeatureCategory categories[] = {CATEGORY_LINEAR, CATEGORY_CELLS,    CATEGORY_LINEAR,
                                        CATEGORY_NONE,   CATEGORY_HATCHING, CATEGORY_CELLS};
  for (FeatureCategory category : categories) {
    appendFeature(d);
    d.features.back().category = category;
  }
  EXPECT_FALSE(isGroupedByCategory(d));
  groupByCategory(d);
  ASSERT_TRUE(isGroupedByCategory(d));
  EXPECT_EQ(std::vector<int>(d.featuresByCategory.get(), d.featuresByCategory.get() + 6),
            (std::vector<int>{3, 1, 5, 0, 2, 4}));
  EXPECT_EQ(d.categoryStarts[CATEGORY_CELLS], 1u);
  EXPECT_EQ(d.categoryStarts[CATEGORY_LINEAR], 3u);
  EXPECT_EQ(d.categoryStarts[CATEGORY_TEXT], 5u);
  EXPECT_EQ(d.categoryStarts[CATEGORY_HATCHING], 5u);
  EXPECT_EQ(d.categoryStarts[CATEGORY_HATCHING + 1], 6u);
  clearFileContent(d);
  EXPECT_FALSE(isGroupedByCategory(d));
}

TEST(DictionaryRecord, ClearingFileContentForgetsColumns) {
  Dictionary d;
  d.name = "kept";
  d.text = "KEY-IN";
  appendHeaderCell(d, {{0, 6}, ROLE_KEY_IN});
  appendFeature(d);
  appendFeatureField(d, {0, 1});
  clearFileContent(d);
  EXPECT_EQ(findFieldColumn(d, ROLE_KEY_IN), -1);
  EXPECT_TRUE(d.text.empty() && d.header.empty() && d.fieldStarts.empty() && d.features.empty());
  EXPECT_EQ(d.name, "kept");
}

}  // namespace
}  // namespace plotwarden
