#include <array>

#include "dictionary/word_scan.h"
#include "keyin/field_access.h"
#include "keyin/keyin_decoders.h"
#include "keyin/keyin_scan.h"

namespace plotwarden {

namespace {

bool occurs(std::string_view keyin, std::string_view phrase) {
  return findText(keyin, phrase) != std::string_view::npos;
}

}  // namespace

void decodeFill(std::string_view keyin, std::string& out) {
  out.clear();
  std::string_view colour;
  if (keyinArgument(keyin, "active fillcolor ", colour))
    out = colour;
  else if (occurs(keyin, "active fill on"))
    out = "Yes";
}

void decodePlacement(std::string_view keyin, std::string& out) {
  out.clear();
  std::string_view cell;
  if (keyinArgument(keyin, "place cell ", cell)) {
    // Icon cells are not shown.
    if (!cell.starts_with("icon")) {
      out = "Place ";
      out += cell;
    }
  } else if (occurs(keyin, "lt=") || occurs(keyin, "active terminator ")) {
    out = "Place Terminator";
  } else if (occurs(keyin, "active pattern scale ") || occurs(keyin, "ps=")) {
    out = "Place Pattern";
  }
}

void decodeClass(std::string_view keyin, std::string& out) {
  out.clear();
  std::string_view name;
  if (keyinArgument(keyin, "active class ", name)) {
    out = "Class: ";
    out += name;
  }
}

void decodeLibrary(std::string_view keyin, std::string& out) {
  out.clear();
  static constexpr std::array<std::string_view, 2> kPhrases = {"rc=", "attach library "};
  std::string_view library;
  if (firstKeyinArgument(keyin, kPhrases, library)) out = library;
}

void decodeScale(std::string_view keyin, std::string& out) {
  out.clear();
  // Every long phrase holds "scale " and every short one '=': a key-in
  // without either has no scale, and is not searched eleven times to tell.
  if (!occurs(keyin, "scale ") && keyin.find('=') == std::string_view::npos) return;
  static constexpr std::array<std::string_view, 5> kUniform = {
      "active scale ", "as=", "active pattern scale ", "ps=", "ts="};
  std::string_view value;
  if (firstKeyinArgument(keyin, kUniform, value)) {
    out = value;
    trimTrailingZeros(out);
    return;
  }

  // Per axis, the short form overrides the long one wherever it stands.
  struct Axis {
    std::string_view label, longPhrase, shortPhrase;
  };
  static constexpr std::array<Axis, 3> kAxes = {{{"x:", "active xscale ", "xs="},
                                                 {"y:", "active yscale ", "ys="},
                                                 {"z:", "active zscale ", "zs="}}};
  for (const Axis& axis : kAxes) {
    std::string_view axisValue;
    keyinArgument(keyin, axis.longPhrase, axisValue);
    keyinArgument(keyin, axis.shortPhrase, axisValue);
    if (axisValue.empty()) continue;
    out += axis.label;
    out += axisValue;
  }
  // Only the last value's zeros go.
  trimTrailingZeros(out);
}

}  // namespace plotwarden
