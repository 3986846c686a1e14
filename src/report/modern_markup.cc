#include "report/modern_markup.h"

#include <algorithm>

#include "keyin/picture_names.h"
#include "platform/ascii_case.h"
#include "report/html_text.h"

namespace plotwarden {

namespace {

bool isHexDigit(char c) {
  return (c >= '0' && c <= '9') || (asciiUpper(c) >= 'A' && asciiUpper(c) <= 'F');
}

// A picture path as a URL: the '\' of Windows paths as '/'.
std::string urlPath(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

}  // namespace

std::string anchorOf(std::string_view name) {
  std::string id;
  bool gap = false;
  for (char c : name) {
    const char lower = asciiLower(c);
    if ((lower >= 'a' && lower <= 'z') || (lower >= '0' && lower <= '9')) {
      if (gap && !id.empty()) id.push_back('-');
      id.push_back(lower);
      gap = false;
    } else {
      gap = true;
    }
  }
  return id.empty() ? "x" : id;
}

void appendModernTag(std::string& html, std::string_view tag, std::string_view cssClass) {
  html.append("<").append(tag);
  // Classes are the program's own names: nothing to escape.
  if (!cssClass.empty()) html.append(" class=\"").append(cssClass).append("\"");
  html.append(">");
}

void appendSwatchCell(std::string& html, const ColourValue& colour) {
  const bool painted = colour.framed && colour.swatch.size() == 6 &&
                       std::all_of(colour.swatch.begin(), colour.swatch.end(), isHexDigit);
  if (painted)
    html.append("<span class=\"swatch\" style=\"background:#")
        .append(colour.swatch)
        .append("\"></span>");
  appendEscaped(html, colour.main);
  if (!colour.bracket.empty()) {
    html.append("[");
    appendEscaped(html, colour.bracket);
    html.append("]");
  }
}

void appendPreviewCell(std::string& html, std::string_view cellName, std::string_view libraryTitle,
                       bool libraryFeature, std::string_view imageFolder) {
  std::string path;
  if (libraryFeature) {
    path = urlPath(std::string(imageFolder) + std::string(kLibraryPicture));
    html.append("<a href=\"#");
    appendEscaped(html, libraryAnchor(libraryTitle));
    html.append("\">");
  } else {
    appendCellPicturePath(path, imageFolder, libraryTitle, cellName);
    path = urlPath(std::move(path));
  }
  html.append("<img src=\"");
  appendEscaped(html, path);
  html.append("\" alt=\"");
  appendEscaped(html, libraryFeature ? libraryTitle : cellName);
  html.append("\" loading=\"lazy\">");
  if (libraryFeature) html.append("</a>");
}

std::string libraryAnchor(std::string_view libraryTitle) {
  return "library-" + anchorOf(libraryTitle);
}

void appendLibraryLink(std::string& html, std::string_view libraryTitle) {
  html.append("<a href=\"#");
  appendEscaped(html, libraryAnchor(libraryTitle));
  html.append("\">");
  appendEscaped(html, libraryTitle);
  html.append("</a>");
}

void openModernSection(OutputStream& out, std::string_view anchor, std::string_view title) {
  std::string html = "<section class=\"part\" id=\"";
  html.append(anchor).append("-").append(anchorOf(title)).append("\">\n<h3>");
  appendEscaped(html, title);
  html.append("</h3>\n<div class=\"scroll\"><table>\n");
  put(out, html);
}

void closeModernSection(OutputStream& out) { put(out, "</tbody></table></div>\n</section>\n"); }

}  // namespace plotwarden
