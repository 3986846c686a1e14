#include "dictionary/classification.h"

#include <algorithm>
#include <bit>
#include <string_view>
#include <vector>

#include "dictionary/list_matching.h"
#include "dictionary/split_reading.h"
#include "keyin/keyin_scan.h"
#include "platform/decimal_text.h"
#include "platform/work_queue.h"

namespace plotwarden {

namespace {

// Field texts are examined up to this many characters.
constexpr long kFieldCut = 511;
// Every list test starts from these bounds.
constexpr int32_t kLowestElementType = 0;

// A rule with its element type numbers already written as decimal text.
struct PreparedRule {
  FeatureCategory category;
  int32_t featureTypeValue;
  std::vector<std::string> numbers;
};

PreparedRule prepare(const CategoryRule& rule) {
  PreparedRule prepared{rule.category, rule.featureTypeValue, {}};
  for (int32_t elementType : rule.elementTypes)
    prepared.numbers.push_back(std::to_string(elementType));
  return prepared;
}

// One feature's classification field, cut and taken apart once however
// many rules and element types are tried against it. The buffers are reused
// from feature to feature, so reading allocates nothing per feature.
struct FieldReading {
  TextRules rules;
  bool byElementTypes = false;
  std::string field;
  std::string name;
  std::string list;
  int bracketed = 0;
  CutList items;
};

void readField(FieldReading& reading, std::string_view raw) {
  const TextRules& rules = reading.rules;
  takeToken(&reading.field, raw, {" \t", " \t", "", "\n", "", rules.quoteText(), kFieldCut});
  if (!reading.byElementTypes) return;
  splitBracketedValue(reading.field, rules.quote, &reading.name, &reading.list, &reading.bracketed);
  if (reading.bracketed)
    cutList(reading.items, reading.list,
            {" ", " ", "", rules.separatorText(), "", rules.quoteText()}, kLowestElementType,
            kHighestElementType);
}

// The number fits a name equal to it, or a bracketed list that accepts it.
bool elementTypeFits(const FieldReading& reading, const std::string& number) {
  if (!reading.name.empty() && reading.name == number) return true;
  int32_t lower = kLowestElementType;
  int32_t upper = kHighestElementType;
  return reading.bracketed && cutListAccepts(reading.items, number, WildcardLevel::kAlternatives,
                                             lower, upper, nullptr, false);
}

bool ruleMatches(const FieldReading& reading, const PreparedRule& rule) {
  if (!reading.byElementTypes) return leadingInteger(reading.field) == rule.featureTypeValue;
  for (const std::string& number : rule.numbers)
    if (elementTypeFits(reading, number)) return true;
  return false;
}

// The column the passes read, and whether it is the "ELEMENT TYPES" one;
// -1 when the dictionary has neither column.
int classificationColumn(const Dictionary& dictionary, bool& byElementTypes) {
  int column = findElementTypesColumn(dictionary);
  byElementTypes = column >= 0;
  return byElementTypes ? column : findFeatureTypeColumn(dictionary);
}

// Calls `visit(feature, rawField)` for every feature from index `first` up
// to `end` whose row reaches the classification column; `reading` learns
// which column that is.
template <typename Visit>
void forEachClassificationField(Dictionary& dictionary, FieldReading& reading, size_t first,
                                size_t end, Visit visit) {
  const int column = classificationColumn(dictionary, reading.byElementTypes);
  if (column < 0) return;
  for (size_t index = first; index < end; ++index) {
    Feature& feature = dictionary.features[index];
    if (feature.fieldCount >= static_cast<uint32_t>(column) + 1)
      visit(feature, featureField(dictionary, feature, column));
  }
}

using PassCounts = std::array<int, kPassCount>;

// The passes each distinct field text matched, for up to kMostTexts texts:
// an open-addressed table of views into the dictionary's text, twice as
// large as what it holds, found by a hash of the bytes and a mask. A lookup
// per feature is a few instructions, with no division and no node to chase.
class PassMemo {
 public:
  static constexpr size_t kMostTexts = size_t{1} << 16;

  // The passes remembered for `text`, or -1.
  int find(std::string_view text) const {
    if (slots_.empty()) return -1;
    for (size_t at = hashOf(text) & mask();; at = (at + 1) & mask()) {
      const Slot& slot = slots_[at];
      if (slot.passes < 0) return -1;
      if (slot.size == text.size() && std::equal(text.begin(), text.end(), slot.text))
        return slot.passes;
    }
  }

  // Remembers the passes of a text not yet held, while there is room.
  void remember(std::string_view text, uint8_t passes) {
    if (held_ == kMostTexts) return;
    if (2 * (held_ + 1) > slots_.size()) grow();
    place({text.data(), static_cast<uint32_t>(text.size()), passes});
    ++held_;
  }

 private:
  struct Slot {
    const char* text = nullptr;
    uint32_t size = 0;
    int32_t passes = -1;  // -1: free
  };

  // FNV-1a: field texts are short.
  static size_t hashOf(std::string_view text) {
    uint64_t hash = 0xcbf29ce484222325u;
    for (char c : text) hash = (hash ^ static_cast<uint8_t>(c)) * 0x100000001b3u;
    return static_cast<size_t>(hash ^ (hash >> 32));
  }
  size_t mask() const { return slots_.size() - 1; }

  void place(const Slot& slot) {
    size_t at = hashOf(std::string_view(slot.text, slot.size)) & mask();
    while (slots_[at].passes >= 0) at = (at + 1) & mask();
    slots_[at] = slot;
  }

  void grow() {
    std::vector<Slot> old(std::max<size_t>(64, 2 * slots_.size()));
    old.swap(slots_);
    for (const Slot& slot : old)
      if (slot.passes >= 0) place(slot);
  }

  std::vector<Slot> slots_;
  size_t held_ = 0;
};

// Classifies the features from `first` up to `end`, counting per pass.
void classifyRange(Dictionary& dictionary, const std::array<PreparedRule, kPassCount>& rules,
                   size_t first, size_t end, PassCounts& counts) {
  // How many features matched each set of passes. Counting sets rather
  // than passes, and taking the category from the last pass matched, spares
  // a branch per pass and feature that mixed dictionaries make unpredictable.
  std::array<int, size_t{1} << kPassCount> featuresWithPasses{};
  // Which passes a field matches depends on its raw text alone, and real
  // dictionaries repeat a few element-type texts over thousands of lines:
  // each distinct text is read once. The memory is bounded: past the limit,
  // new texts are read every time.
  PassMemo passesOfText;
  FieldReading reading;
  reading.rules = dictionary.textRules;
  forEachClassificationField(
      dictionary, reading, first, end, [&](Feature& feature, std::string_view raw) {
        uint8_t passes = 0;
        if (const int known = passesOfText.find(raw); known >= 0) {
          passes = static_cast<uint8_t>(known);
        } else {
          readField(reading, raw);
          for (size_t pass = 0; pass < kPassCount; ++pass)
            if (ruleMatches(reading, rules[pass])) passes |= static_cast<uint8_t>(1u << pass);
          passesOfText.remember(raw, passes);
        }
        ++featuresWithPasses[passes];
        // A later pass overrides an earlier one.
        if (passes != 0)
          feature.category = rules[static_cast<size_t>(std::bit_width(passes)) - 1].category;
      });
  counts.fill(0);
  for (size_t passes = 1; passes < featuresWithPasses.size(); ++passes)
    for (size_t pass = 0; pass < kPassCount; ++pass)
      if (passes >> pass & 1) counts[pass] += featuresWithPasses[passes];
}

// Where a dictionary keeps the match count of the pass of `category`.
template <typename SomeDictionary>  // Dictionary or const Dictionary
auto& matchesOfPass(SomeDictionary& dictionary, FeatureCategory category) {
  switch (category) {
    case CATEGORY_CELLS:
      return dictionary.cellCount;
    case CATEGORY_LINEAR:
      return dictionary.linearCount;
    case CATEGORY_TEXT:
      return dictionary.textCount;
    case CATEGORY_DIMENSIONS:
      return dictionary.dimensionCount;
    case CATEGORY_SOLIDS:
      return dictionary.solidCount;
    case CATEGORY_LEADERS:
      return dictionary.leaderCount;
    default:
      return dictionary.hatchCount;
  }
}

}  // namespace

CategoryRule categoryRule(FeatureCategory category) {
  switch (category) {
    case CATEGORY_CELLS:
      return {category, {2, 35}, 0};
    case CATEGORY_LINEAR:
      return {category, {3, 4, 6, 11, 12, 14, 15, 16, 27}, 1};
    case CATEGORY_TEXT:
      return {category, {7, 17, 37}, 3};
    case CATEGORY_DIMENSIONS:
      return {category, {33}, 6};
    case CATEGORY_SOLIDS:
      return {category, {2, 18, 19, 23, 24, 105}, 9};
    case CATEGORY_LEADERS:
      return {category, {}, 7};
    case CATEGORY_HATCHING:
      return {category, {}, 8};
    default:
      return {};
  }
}

int findElementTypesColumn(const Dictionary& dictionary) {
  return findFieldColumn(dictionary, ROLE_ELEMENT_TYPES);
}

int findFeatureTypeColumn(const Dictionary& dictionary) {
  return findFieldColumn(dictionary, ROLE_FEATURE_TYPE);
}

void classifyDictionary(Dictionary& dictionary, const LoadConcurrency& concurrency,
                        size_t fewestPerThread) {
  std::array<PreparedRule, kPassCount> rules;
  for (size_t pass = 0; pass < kPassCount; ++pass)
    rules[pass] = prepare(categoryRule(kPassOrder[pass]));

  // A feature's category depends on its own field alone, so ranges of
  // features are classified side by side, each with its own buffers, and
  // then grouped by category side by side too, several ranges per thread.
  const size_t features = dictionary.features.size();
  const auto threads = static_cast<size_t>(threadsOf(concurrency));
  const size_t ranges = std::clamp<size_t>(features / std::max<size_t>(fewestPerThread, 1), 1,
                                           threads * kPartsPerThread);
  auto first = [&](size_t range) { return features * range / ranges; };
  std::vector<PassCounts> rangeCounts(ranges);
  std::vector<CategoryCounts> rangeCategories(ranges);
  shareWork(ranges, threads, [&](size_t range) {
    classifyRange(dictionary, rules, first(range), first(range + 1), rangeCounts[range]);
    rangeCategories[range] = countCategories(dictionary, first(range), first(range + 1));
  });
  const std::vector<CategoryCounts> places = placeCategoryGroups(dictionary, rangeCategories);
  shareWork(ranges, threads, [&](size_t range) {
    fillCategoryGroups(dictionary, first(range), first(range + 1), places[range]);
  });
  for (size_t pass = 0; pass < kPassCount; ++pass) {
    int32_t& count = matchesOfPass(dictionary, kPassOrder[pass]);
    count = 0;
    for (const PassCounts& range : rangeCounts) count += range[pass];
  }
}

std::array<int, kPassCount> passCounts(const Dictionary& dictionary) {
  std::array<int, kPassCount> counts{};
  for (size_t pass = 0; pass < kPassCount; ++pass)
    counts[pass] = matchesOfPass(dictionary, kPassOrder[pass]);
  return counts;
}

ElementTypes allowedElementTypes(const Dictionary& dictionary, int featureIndex) {
  ElementTypes allowed;
  FieldReading reading;
  reading.rules = dictionary.textRules;
  const int column = classificationColumn(dictionary, reading.byElementTypes);
  if (column < 0 || featureIndex < 0 || featureIndex >= dictionary.featureCount()) return allowed;
  const Feature& feature = dictionary.features[static_cast<size_t>(featureIndex)];
  if (feature.fieldCount < static_cast<uint32_t>(column) + 1) return allowed;
  readField(reading, featureField(dictionary, feature, column));
  if (!reading.byElementTypes) {
    const int32_t code = leadingInteger(reading.field);
    for (FeatureCategory category : kPassOrder) {
      const CategoryRule rule = categoryRule(category);
      if (rule.featureTypeValue != code) continue;
      for (int32_t type : rule.elementTypes) allowed.set(static_cast<size_t>(type));
    }
    return allowed;
  }
  for (int32_t type = kLowestElementType; type <= kHighestElementType; ++type)
    if (elementTypeFits(reading, std::to_string(type))) allowed.set(static_cast<size_t>(type));
  return allowed;
}

}  // namespace plotwarden
