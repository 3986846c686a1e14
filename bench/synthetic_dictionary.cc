#include "synthetic_dictionary.h"

#include <array>
#include <fstream>
#include <span>
#include <string_view>

namespace plotwarden::bench {

namespace {

namespace fs = std::filesystem;

// splitmix64: small, fast and the same everywhere, so a size always gives
// the same files.
struct Random {
  uint64_t state;
  uint64_t next() {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  size_t below(size_t n) { return static_cast<size_t>(next() % n); }
  template <typename T>
  const T& pick(std::span<const T> choices) {
    return choices[below(choices.size())];
  }
  bool oneIn(size_t n) { return below(n) == 0; }
};

using Choices = std::span<const std::string_view>;

enum Kind { LINEAR, TEXT, DIMENSION, CELL, LIBRARY, SOLID, LEADER, HATCH, OTHER };

// Percent of the features of each kind, per mix; library features are cut
// from the cells below.
struct MixShare {
  Kind kind;
  size_t percent;
};
constexpr MixShare kElementTypesMix[] = {{LINEAR, 48}, {TEXT, 20}, {DIMENSION, 6},
                                         {CELL, 14},   {SOLID, 8}, {OTHER, 4}};
constexpr MixShare kFeatureTypesMix[] = {{LINEAR, 30}, {TEXT, 12},   {DIMENSION, 5}, {CELL, 10},
                                         {SOLID, 5},   {LEADER, 15}, {HATCH, 18},    {OTHER, 5}};
constexpr MixShare kLinearMix[] = {{LINEAR, 100}};

// One cell feature in this many names a whole symbol library.
constexpr size_t kCellsPerLibraryFeature = 250;
// A comment line stands before about one feature in this many.
constexpr size_t kFeaturesPerComment = 150;

constexpr std::string_view kLibraries[] = {"drainage", "street-furniture", "trees"};
constexpr std::string_view kSymbols[] = {"MH01", "MH02",  "GULLY", "INLET",   "OUTFALL",
                                         "LAMP", "BENCH", "BIN",   "BOLLARD", "SIGN",
                                         "OAK",  "BIRCH", "PINE",  "HEDGE",   "STUMP"};

// Element-type lists: numbers, bracketed lists with ranges and blanks, names
// before the list, and '?', '*' and '|' patterns. A feature matched by several
// passes ends in the last one ('2' and '[1*]' end as 3D solids).
constexpr std::string_view kLinearTypes[] = {"[3,4,12]", "Line[3,4]", "[3-4]",     "[3,4,11-16]",
                                             "3",        "4",         "[6]",       "[14,15]",
                                             "Arc[16]",  "[27]",      "[3,4,1|2]", "[ 3 , 4 ]"};
constexpr std::string_view kTextTypes[] = {"[17]", "Text[7]",   "[7,17]", "17",
                                           "[37]", "[7,17,37]", "[?7]"};
constexpr std::string_view kDimensionTypes[] = {"33", "[33]", "Dim[33]", "[33-33]"};
constexpr std::string_view kCellTypes[] = {"35", "[35]", "Cell[35]", "[34-35]"};
constexpr std::string_view kSolidTypes[] = {"[19]", "[18,19]", "[23-24]", "105",
                                            "2",    "[105]",   "[1*]"};
constexpr std::string_view kOtherTypes[] = {"[22]", "[36]", "", "34", "[200-300]"};

constexpr std::string_view kLinearNames[] = {
    "Road Centreline", "Road Edge",  "Kerb Line",  "Dropped Kerb",  "Post and Wire Fence",
    "Hedge Line",      "Water Main", "Cable Duct", "Contour Major", "Property Boundary"};
constexpr std::string_view kTextNames[] = {"Road Name", "House Number", "Survey Note",
                                           "Spot Level Text", "Chainage Label"};
constexpr std::string_view kDimensionNames[] = {"Chainage Dimension", "Setting Out Dimension",
                                                "Offset Dimension"};
constexpr std::string_view kCellNames[] = {"Manhole", "Gully", "Street Lamp", "Tree", "Sign"};
constexpr std::string_view kSolidNames[] = {"Retaining Wall", "Bridge Deck", "Culvert Mesh",
                                            "Pier"};
constexpr std::string_view kLeaderNames[] = {"Callout", "Note Leader", "Level Tag"};
constexpr std::string_view kHatchNames[] = {"Tarmac Hatch", "Grass Hatch", "Concrete Hatch"};
constexpr std::string_view kOtherNames[] = {"Point String", "Multiline", "Spare"};

constexpr std::string_view kLevelPrefixes[] = {"RD_CL", "RD_EDGE", "BND", "DR", "ST", "SV"};
constexpr std::string_view kColours[] = {
    "1",   "3",       "7 [white]", "ByLevel(808080)", "ByCell(804000)", "BYBLOCK",
    "yes", "ByLayer", "42",        "5 [blue]"};
constexpr std::string_view kRgb[] = {"FF0000", "00FF00", "0000FF", "FFFF00",
                                     "808080", "FFFFFF", ""};
constexpr std::string_view kWeights[] = {"0", "1", "2", "3", "  2  ", "3 [0.35mm]", "7"};
constexpr std::string_view kLineStyles[] = {"Continuous", "Dashed [2]", "DashDot [4]", "0",
                                            "Fence [7]"};
constexpr std::string_view kTextStyles[] = {"Road Names", "Numbers", "Notes", "Titles"};
constexpr std::string_view kFonts[] = {"Arial", "Arial Narrow", "Courier", "ISOCP"};
constexpr std::string_view kTextScales[] = {"2.5x3.0",        "h = 1.80", "w = 1.20 [mm]",
                                            "2.500[mm]x3.25", "3.5",      "1.8x1.8"};
constexpr std::string_view kLineSpacings[] = {"1.500", "1.0", "2.000", "0.75"};
constexpr std::string_view kDimStyles[] = {"Civil 1:500", "Setting Out", "Detail 1:50"};

constexpr std::string_view kLinearKeyins[] = {"active class construction;active fill on",
                                              "active class primary",
                                              "active fillcolor 7;active fill on",
                                              "lt=2;active terminator fence",
                                              "",
                                              "active fillcolor 3 "};
constexpr std::string_view kTextKeyins[] = {"active class primary", "",
                                            "ts=2.000;active class annotation"};
constexpr std::string_view kDimensionKeyins[] = {
    "dimension extension offset 0.50;dimension extension extent 1.000;dimension extension "
    "weight 1;dimension extension style 2;dimension terminator orientterm 2;dimension "
    "terminator width 0.250;dimension terminator height 0.750;dimension terminator minleader "
    "2.0;dimension text height 2.500;dimension text width 2.000;dimension text weight 1;"
    "dimension text orient 1;dimension font 3;dimension text box 1;dimension text margin "
    "0.500;dimension justification center",
    "dimension terminator orienthead 0;dimension text margin 0.500;active class construction",
    "dimension text capsule 1;dimension text just 2;dimension text font 5;dimension text orient "
    "7",
    ""};
constexpr std::string_view kSolidKeyins[] = {"active class structure", "", "active fill on"};
constexpr std::string_view kLeaderKeyins[] = {
    "dimension terminator orienthead 1;dimension terminator width 0.5;active class notes",
    "dimension extension weight 2;dimension text height 1.800", ""};
constexpr std::string_view kHatchKeyins[] = {
    "active pattern scale 0.5;active fill on", "ps=1.25;active fillcolor 42",
    "active fillcolor 3;active class hatching", "active pattern angle 45;ps=0.500"};
constexpr std::string_view kRemarks[] = {
    "", "", "", "checked", "\"from survey, 2021\"", "\"see note \"\"A\"\", sheet 2\""};

// Quotes a field: the quote character around it, and each one inside doubled.
void appendQuoted(std::string& out, std::string_view text) {
  out += '"';
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void appendUnsigned(std::string& out, size_t value) { out += std::to_string(value); }

Kind kindOf(std::span<const MixShare> mix, Random& random) {
  size_t roll = random.below(100);
  for (const MixShare& share : mix) {
    if (roll < share.percent) return share.kind;
    roll -= share.percent;
  }
  return mix.back().kind;
}

Choices namesOf(Kind kind) {
  switch (kind) {
    case LINEAR:
      return kLinearNames;
    case TEXT:
      return kTextNames;
    case DIMENSION:
      return kDimensionNames;
    case CELL:
    case LIBRARY:
      return kCellNames;
    case SOLID:
      return kSolidNames;
    case LEADER:
      return kLeaderNames;
    case HATCH:
      return kHatchNames;
    case OTHER:
      break;
  }
  return kOtherNames;
}

Choices elementTypesOf(Kind kind) {
  switch (kind) {
    case LINEAR:
      return kLinearTypes;
    case TEXT:
      return kTextTypes;
    case DIMENSION:
      return kDimensionTypes;
    case CELL:
    case LIBRARY:
      return kCellTypes;
    case SOLID:
      return kSolidTypes;
    default:
      return kOtherTypes;
  }
}

std::string_view featureTypeOf(Kind kind, Random& random) {
  static constexpr std::string_view kOtherCodes[] = {"2", "4", "5", "12", "x"};
  switch (kind) {
    case LINEAR:
      return "1";
    case TEXT:
      return "3";
    case DIMENSION:
      return "6";
    case CELL:
    case LIBRARY:
      return "0";
    case SOLID:
      return "9";
    case LEADER:
      return "7";
    case HATCH:
      return "8";
    case OTHER:
      break;
  }
  return random.pick<std::string_view>(kOtherCodes);
}

// The columns every line has, in file order; which ones a kind fills.
struct Line {
  std::string name;
  std::string_view classification;
  std::string level;
  std::string_view colour, rgb, weight, lineStyle;
  std::string_view textStyle, font, textScale, lineSpacing;
  std::string cellName;
  std::string_view dimStyle;
  std::string keyin;
  std::string_view remarks;
};

void fillKindColumns(Line& line, Kind kind, Random& random) {
  switch (kind) {
    case LINEAR:
      line.keyin = random.pick<std::string_view>(kLinearKeyins);
      break;
    case TEXT:
    case LEADER:
      line.textStyle = random.pick<std::string_view>(kTextStyles);
      line.font = random.pick<std::string_view>(kFonts);
      line.textScale = random.pick<std::string_view>(kTextScales);
      line.lineSpacing = random.pick<std::string_view>(kLineSpacings);
      line.keyin = random.pick<std::string_view>(kind == TEXT ? Choices(kTextKeyins)
                                                              : Choices(kLeaderKeyins));
      if (kind == LEADER) line.dimStyle = random.pick<std::string_view>(kDimStyles);
      break;
    case DIMENSION:
      line.dimStyle = random.pick<std::string_view>(kDimStyles);
      line.keyin = random.pick<std::string_view>(kDimensionKeyins);
      break;
    case CELL: {
      std::string_view library = random.pick<std::string_view>(kLibraries);
      line.cellName = random.pick<std::string_view>(kSymbols);
      switch (random.below(6)) {
        case 0:
          line.keyin = "attach library C:\\cells\\" + std::string(library) +
                       ".cel;active scale 1.000;place cell " + line.cellName;
          break;
        case 1:
          line.keyin = "rc=C:\\cells\\" + std::string(library) +
                       ".cel;xs=0.500;ys=0.500;place cell " + line.cellName;
          break;
        case 2:
          line.keyin = "place cell \"" + line.cellName + "\";as=2.000";
          break;
        case 3:
          line.keyin = "active xscale 2;xs=4;zs=1.50;place cell " + line.cellName;
          break;
        case 4:
          line.cellName = "iconValve";
          line.keyin = "place cell iconValve";
          break;
        default:
          line.keyin = "place cell " + line.cellName;
          break;
      }
      break;
    }
    case LIBRARY:
      line.keyin = (random.oneIn(2) ? "attach library C:\\cells\\" : "rc=C:\\cells\\") +
                   std::string(random.pick<std::string_view>(kLibraries)) + ".cel";
      break;
    case SOLID:
      line.keyin = random.pick<std::string_view>(kSolidKeyins);
      break;
    case HATCH:
      line.keyin = random.pick<std::string_view>(kHatchKeyins);
      break;
    case OTHER:
      line.keyin = random.pick<std::string_view>(kLinearKeyins);
      break;
  }
}

// Fields holding the separator or the quote character are quoted; a few
// others are quoted all the same, as spreadsheets write them.
void appendField(std::string& out, std::string_view text, Random& random) {
  if (text.find_first_of(",\"") != std::string_view::npos || (!text.empty() && random.oneIn(8)))
    appendQuoted(out, text);
  else
    out += text;
}

void appendLine(std::string& out, const Line& line, bool withTextWeight, std::string_view end,
                Random& random) {
  appendField(out, line.name, random);
  // The element-types list comes early in the line: a comma inside its
  // brackets makes the field run to the first comma after the ']', which
  // the next field's separator provides.
  out += ',';
  out += line.classification;
  for (std::string_view field :
       {std::string_view(line.level), line.colour, line.rgb, line.weight, line.lineStyle,
        line.textStyle, line.font, line.textScale, line.lineSpacing}) {
    out += ',';
    appendField(out, field, random);
  }
  out += ',';
  appendField(out, withTextWeight ? std::string_view(line.cellName) : line.dimStyle, random);
  out += ',';
  appendField(out, withTextWeight ? line.dimStyle : std::string_view(line.cellName), random);
  out += ',';
  appendField(out, line.keyin, random);
  if (withTextWeight) out += line.textStyle.empty() ? "," : ",1";
  out += ',';
  out += line.remarks;
  out += end;
}

}  // namespace

std::string makeDictionary(FeatureMix mix, size_t features, uint64_t seed) {
  Random random{seed};
  const bool byElementTypes = mix != MIX_FEATURE_TYPES;
  using Shares = std::span<const MixShare>;
  const Shares shares = mix == MIX_ELEMENT_TYPES   ? Shares(kElementTypesMix)
                        : mix == MIX_FEATURE_TYPES ? Shares(kFeatureTypesMix)
                                                   : Shares(kLinearMix);
  // Spreadsheets on Windows write CR LF; other tools LF.
  const std::string_view end = byElementTypes ? "\r\n" : "\n";
  std::string out;
  out.reserve(features * 260 + 1024);
  if (byElementTypes) {
    out +=
        "FEATURE NAME,ELEMENT TYPES,LEVEL,COLOUR,RGB,WEIGHT,LINE STYLE,TEXT STYLE,TEXT FONT,"
        "TEXT SCALE,LINE SPACING,CELL NAME,DIM STYLE,KEY-IN";
    out += end;
    out += "# TEXT WEIGHT,REMARKS";  // a header continuation line
  } else {
    out +=
        "NAME,FEATURE TYPE,LEVEL,COLOUR,RGB COLOUR,WEIGHT,LINE STYLE,TEXT STYLE,TEXT FONT,"
        "TEXT SCALE,LINE SPACING,DIMENSION STYLE,CELL NAME,KEY-IN,REMARKS";
  }
  out += end;

  size_t cells = 0;
  Line line;
  for (size_t i = 0; i < features; ++i) {
    if (random.oneIn(kFeaturesPerComment)) {
      out += "#-- drawing sheet ";
      appendUnsigned(out, i / 1000 + 1);
      out += end;
    }
    Kind kind = kindOf(shares, random);
    if (kind == CELL && cells++ % kCellsPerLibraryFeature == 0) kind = LIBRARY;

    line = Line{};
    line.name = random.pick<std::string_view>(namesOf(kind));
    line.name += ' ';
    line.name += std::to_string(i + 1);
    if (random.oneIn(20)) line.name += ", temporary";
    line.classification = byElementTypes ? random.pick<std::string_view>(elementTypesOf(kind))
                                         : featureTypeOf(kind, random);
    line.level = random.pick<std::string_view>(kLevelPrefixes);
    line.level += '_';
    line.level += std::to_string(random.below(400));
    if (random.oneIn(4)) line.level += " [Roads]";
    line.colour = random.pick<std::string_view>(kColours);
    line.rgb = random.pick<std::string_view>(kRgb);
    line.weight = random.pick<std::string_view>(kWeights);
    line.lineStyle = random.pick<std::string_view>(kLineStyles);
    line.remarks = random.pick<std::string_view>(kRemarks);
    if (random.oneIn(2000)) line.remarks = "\"surveyed twice:\nsee sheet 4\"";
    fillKindColumns(line, kind, random);
    appendLine(out, line, byElementTypes, end, random);
  }
  return out;
}

bool writeTextFile(const fs::path& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file.write(text.data(), static_cast<std::streamsize>(text.size()));
  return static_cast<bool>(file);
}

bool writeBenchmarkRun(const fs::path& folder, size_t features) {
  std::error_code error;
  fs::create_directories(folder / "dictionaries", error);
  const size_t byFeatureType = features / 10;
  bool ok = writeTextFile(folder / "dictionaries" / "element-types.csv",
                          makeDictionary(MIX_ELEMENT_TYPES, features - byFeatureType, 1)) &&
            writeTextFile(folder / "dictionaries" / "feature-types.csv",
                          makeDictionary(MIX_FEATURE_TYPES, byFeatureType, 2));
  ok = ok && writeTextFile(folder / "plotwarden.cfg",
                           "out=report.html\n"
                           "css=embed\n"
                           ",\n#\n\"\n"
                           "Plotwarden benchmark,1\n"
                           "Civil Works,Roads; drainage; structures,civil,levels,2.1,1,"
                           "dictionaries\\element-types.csv\n"
                           "Site Layers,Leaders and hatching by feature type,site,layers,not set,"
                           "0,dictionaries\\feature-types.csv\n");
  // The symbol listings that library features call for, beside the report.
  for (std::string_view library : kLibraries) {
    fs::path listingFolder = folder / "Images" / library;
    fs::create_directories(listingFolder, error);
    std::string listing = "Name,Description,Picture\r\n";
    for (std::string_view symbol : kSymbols)
      listing += std::string(symbol) + "," + std::string(symbol) + " symbol," +
                 std::string(symbol) + ".png\r\n";
    ok = ok && writeTextFile(listingFolder / "DIR_CONTENTS.csv", listing);
  }
  return ok;
}

}  // namespace plotwarden::bench
