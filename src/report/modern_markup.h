// The pieces of mark-up the modern report is made of: every text escaped,
// every id made from a name so that a URL can point at it.
#pragma once

#include <string>
#include <string_view>

#include "keyin/symbology.h"
#include "platform/output_stream.h"

namespace plotwarden {

// An id made from a name: ASCII letters and digits in lower case, every
// other run of characters one '-'; "x" for a name with none.
std::string anchorOf(std::string_view name);

// "<tag>" or "<tag class=\"cssClass\">"; the class is one of the program's own names.
void appendModernTag(std::string& html, std::string_view tag, std::string_view cssClass);

// A colour's text beside a bordered square painted in its swatch colour
// (none when the swatch is not six hexadecimal digits).
void appendSwatchCell(std::string& html, const ColourValue& colour);

// A cell's preview picture (<imageFolder>[<library>/]<cell>.png), or for a
// library feature the library's picture linked to its table.
void appendPreviewCell(std::string& html, std::string_view cellName, std::string_view libraryTitle,
                       bool libraryFeature, std::string_view imageFolder);

// A link to a library's table that reads as its title.
void appendLibraryLink(std::string& html, std::string_view libraryTitle);

// The id of a library's table.
std::string libraryAnchor(std::string_view libraryTitle);

// A section: its title, then a table that scrolls sideways on a narrow
// window; the heading row follows. Its id is <anchor>-<title>.
void openModernSection(OutputStream& out, std::string_view anchor, std::string_view title);
void closeModernSection(OutputStream& out);

}  // namespace plotwarden
