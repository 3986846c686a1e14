// Columns that several sections show alike.
#pragma once

#include "report/column_table.h"

namespace plotwarden {

inline constexpr ColumnDef kFeatureColumn = {
    "Feature", "Feature", "colName", "colName", 80, "colName", CELL_SYMBOLOGY, ROLE_FEATURE_NAME};
inline constexpr ColumnDef kLevelColumn = {"Level", "Layer",    "colLevel",     "colLevel",
                                           70,      "colLevel", CELL_SYMBOLOGY, ROLE_LEVEL};
inline constexpr ColumnDef kColorColumn = {"Color", "Color",     "colColour",    "colColour",
                                           70,      "colColour", CELL_SYMBOLOGY, ROLE_COLOUR};
inline constexpr ColumnDef kWeightColumn = {"Weight", "Weight",    "colWeight",    "colWeight",
                                            50,       "colWeight", CELL_SYMBOLOGY, ROLE_WEIGHT};
// Width 0: the heading is a plain cell without width or class.
inline constexpr ColumnDef kClassColumn = {"Extra", "Extra",    "colExtra", "colExtra",
                                           0,       "colExtra", CELL_CLASS, 0};

// The text settings of annotation and of leaders. Heading and data cells of
// the weight, width and height columns carry different classes.
inline constexpr ColumnDef kTextStyleColumn = {
    "Text Style", "Text Style",   "colTextStyle", "colTextStyle",
    100,          "colTextStyle", CELL_SYMBOLOGY, ROLE_TEXT_STYLE};
inline constexpr ColumnDef kTextColourColumn = {"Colour", "Colour",    "colColour",    "colColour",
                                                70,       "colColour", CELL_SYMBOLOGY, ROLE_COLOUR};
inline constexpr ColumnDef kTextWeightColumn = {"Weight",        "Weight",   "colTextWeight",
                                                "colTextWeight", 20,         "colWeight",
                                                CELL_SYMBOLOGY,  ROLE_WEIGHT};
inline constexpr ColumnDef kTextFontColumn = {
    "Font", "Font",        "colTextFont",  "colTextFont",
    30,     "colTextFont", CELL_SYMBOLOGY, ROLE_TEXT_FONT};
inline constexpr ColumnDef kTextWidthColumn = {"Width", "Width",    "colTextScale",  "colTextScale",
                                               20,      "colScale", CELL_TEXT_WIDTH, 0};
inline constexpr ColumnDef kTextHeightColumn = {
    "Height", "Height", "colTextScale", "colTextScale", 20, "colScale", CELL_TEXT_HEIGHT, 0};
inline constexpr ColumnDef kLineSpacingColumn = {"Spacing",
                                                 "Spacing",
                                                 "colTextLineSpacing",
                                                 "colTextLineSpacing",
                                                 20,
                                                 "colTextLineSpacing",
                                                 CELL_LINE_SPACING,
                                                 0};

}  // namespace plotwarden
