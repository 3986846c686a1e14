// Settings the whole run shares: the three characters that structure
// dictionary files, and the naming mode. Set once before any dictionary is
// read; read by the reader, classification, key-in scanning and the writers.
#pragma once

#include <string_view>

namespace plotwarden {

void setStructuringCharacters(char separator, char marker, char quote);
char fieldSeparator();
char lineMarker();
char quoteChar();

// One-character texts of the separator and the quote; empty when the
// character is NUL, so that an unset quote makes no character a quote.
std::string_view fieldSeparatorText();
std::string_view quoteText();

// True in layer mode (Layer, Block, Color, Linetype), false in level mode
// (Level, Cell, Colour, Style).
void setLayerNaming(bool layerMode);
bool layerNaming();

}  // namespace plotwarden
