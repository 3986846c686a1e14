#include "report/modern_document.h"

#include <algorithm>
#include <array>
#include <map>

#include "dictionary/classification.h"
#include "keyin/field_access.h"
#include "report/html_text.h"
#include "report/modern_markup.h"

namespace plotwarden {

namespace {

constexpr std::string_view kStyle = R"(:root{--line:#c8ced6;--head:#e8ecf1;--row:#f7f8fa}
*{box-sizing:border-box}
body{font-family:system-ui,-apple-system,"Segoe UI",Roboto,Arial,sans-serif;color:#1b1f24;margin:0 auto;max-width:90rem;padding:0 1rem 2rem;line-height:1.35}
header{padding:1rem 0 .5rem;border-bottom:2px solid var(--line)}
h1{font-size:1.6rem;margin:.2rem 0}h2{font-size:1.35rem;margin:2rem 0 .3rem}h3{font-size:1.1rem;margin:1.2rem 0 .3rem}
.meta,.source{color:#555;margin:.2rem 0}
nav.contents ul{margin:.3rem 0;padding-left:1.2rem}nav.contents li{margin:.1rem 0}
.filter{margin:.8rem 0;display:flex;gap:.6rem;align-items:center;flex-wrap:wrap}
.filter input{font:inherit;padding:.3rem .5rem;min-width:16rem;max-width:100%}
.scroll{overflow-x:auto;max-width:100%}
section.part>.scroll{content-visibility:auto;contain-intrinsic-size:auto 20rem}
table{border-collapse:collapse;font-size:.85rem;margin:.2rem 0}
th,td{border:1px solid var(--line);padding:.15rem .4rem;text-align:left;vertical-align:top}
th{background:var(--head);font-weight:600;white-space:nowrap}
tbody>tr:nth-child(even)>td{background:var(--row)}
table.detail{font-size:.8rem;margin:0}
.swatch{display:inline-block;width:.9em;height:.9em;border:1px solid #333;margin-right:.35em;vertical-align:-.1em}
td img{max-height:4rem;max-width:6rem}
tr.group>td:first-child{font-style:italic}
@page{size:A4;margin:12mm}
@media print{body{max-width:none;padding:0;font-size:9pt}section.part>.scroll{content-visibility:visible}.filter,nav.contents{display:none}h2,h3{break-after:avoid}
thead{display:table-header-group}tr{break-inside:avoid}.scroll{overflow:visible}
*{-webkit-print-color-adjust:exact;print-color-adjust:exact}}
)";

constexpr std::string_view kScript = R"(<script>
(function () {
  var box = document.getElementById("filter");
  var count = document.getElementById("filter-count");
  var rows = null;
  function allRows() {
    if (!rows) {
      rows = [];
      document.querySelectorAll("section.part>.scroll>table>tbody>tr").forEach(function (row) {
        rows.push([row, row.textContent.toLowerCase()]);
      });
    }
    return rows;
  }
  function apply() {
    var started = performance.now();
    var wanted = box.value.trim().toLowerCase(), shown = 0, list = allRows();
    for (var i = 0; i < list.length; i++) {
      var show = !wanted || list[i][1].indexOf(wanted) >= 0;
      if (list[i][0].hidden === show) list[i][0].hidden = !show;
      if (show) shown++;
    }
    count.textContent = wanted ? shown + " of " + list.length + " rows" : list.length + " rows";
    count.dataset.ms = Math.round(performance.now() - started);
  }
  var timer = 0;
  box.addEventListener("input", function () {
    clearTimeout(timer);
    timer = setTimeout(apply, 80);
  });
  document.getElementById("filter-box").hidden = false;
  apply();
})();
</script>
)";

// The column classes whose role has no data in the whole dictionary.
std::vector<std::string_view> emptyColumns(const Dictionary& dictionary) {
  struct RoleColumns {
    FieldRole role;
    std::array<std::string_view, 4> classes;
  };
  static constexpr RoleColumns kColumns[] = {
      {ROLE_LEVEL, {"colLevel"}},
      {ROLE_COLOUR, {"colColour"}},
      {ROLE_WEIGHT, {"colWeight"}},
      {ROLE_LINE_STYLE, {"colLineStyle"}},
      {ROLE_TEXT_SCALE, {"colTextScale"}},
      {ROLE_TEXT_FONT, {"colTextFont"}},
      {ROLE_TEXT_WEIGHT, {"colTextWeight"}},
      {ROLE_LINE_SPACING, {"colTextLineSpacing"}},
      {ROLE_CELL_NAME, {"colCellName"}},
      {ROLE_TEXT_STYLE, {"colTextStyle"}},
      {ROLE_KEY_IN, {"colFill", "colExtra", "colCellLibrary", "colScale"}},
  };
  std::vector<std::string_view> empty;
  std::string scratch;
  for (const RoleColumns& columns : kColumns) {
    bool hasData = false;
    for (int index = 0; index < dictionary.featureCount() && !hasData; ++index) {
      const std::string_view value = fieldView(dictionary, index, columns.role, scratch);
      hasData = value.find_first_not_of(" \t") != std::string_view::npos;
    }
    if (hasData) continue;
    for (std::string_view cssClass : columns.classes)
      if (!cssClass.empty()) empty.push_back(cssClass);
  }
  return empty;
}

// The sections a dictionary's part holds, in the order they are written.
std::vector<std::string_view> sectionTitles(const Dictionary& d, bool layerNaming) {
  std::vector<std::string_view> titles;
  if (d.linearCount > 0) titles.push_back("Linear");
  if (d.textCount > 0) titles.push_back("Annotation");
  if (d.dimensionCount > 0) titles.push_back("Dimensions");
  if (d.cellCount > 0) titles.push_back(layerNaming ? "Blocks" : "Cells");
  if (d.solidCount > 0) titles.push_back("3D Solids");
  if (d.hatchCount > 0) titles.push_back("Hatching");
  if (d.leaderCount > 0) titles.push_back("Leaders");
  return titles;
}

void appendSummary(std::string& html, const std::vector<Dictionary>& dictionaries,
                   const std::vector<std::string>& anchors, bool layerNaming) {
  html +=
      "<section id=\"summary\">\n<h2>Dictionary Summary</h2>\n<div class=\"scroll\"><table>\n"
      "<thead><tr><th>Dictionary</th><th>Version</th><th>";
  html += layerNaming ? "#Blocks" : "#Cells";
  html += "</th><th>#Linear</th><th>";
  html += layerNaming ? "#Annotation" : "#Text";
  html +=
      "</th><th>#Dimensions</th><th>#3D Solids</th><th>#Leaders</th><th>#Hatching</th></tr>"
      "</thead>\n<tbody>\n";
  for (size_t i = 0; i < dictionaries.size(); ++i) {
    html += "<tr><td><a href=\"#" + anchors[i] + "\">" + dictionaries[i].name + "</a></td><td>" +
            dictionaries[i].version + "</td>";
    for (int count : passCounts(dictionaries[i])) html += "<td>" + std::to_string(count) + "</td>";
    html += "</tr>\n";
  }
  html += "</tbody></table></div>\n</section>\n";
}

}  // namespace

std::vector<std::string> dictionaryAnchors(const std::vector<Dictionary>& dictionaries) {
  std::vector<std::string> anchors;
  std::map<std::string, int> seen = {{"summary", 1}, {"contents", 1}};
  for (const Dictionary& dictionary : dictionaries) {
    std::string anchor = anchorOf(dictionary.name);
    if (const int times = ++seen[anchor]; times > 1)
      anchor.append("-").append(std::to_string(times));
    anchors.push_back(anchor);
  }
  return anchors;
}

void writeModernStart(OutputStream& out, const std::vector<Dictionary>& dictionaries,
                      const std::vector<std::string>& anchors, bool layerNaming,
                      std::string_view time) {
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
      "<title>CAD Standards Report</title>\n<style>\n";
  html += kStyle;
  for (size_t i = 0; i < dictionaries.size(); ++i)
    for (std::string_view cssClass : emptyColumns(dictionaries[i]))
      html += "#" + anchors[i] + " ." + std::string(cssClass) + "{display:none}\n";
  html += "</style>\n</head>\n<body>\n<header>\n<h1>Plotwarden Dictionary Report</h1>\n";
  html += "<p class=\"meta\">Produced by Plotwarden " PLOTWARDEN_VERSION " on <time datetime=\"";
  html.append(time).append("\">").append(time).append("</time></p>\n");
  html +=
      "<div class=\"filter\" id=\"filter-box\" hidden><label for=\"filter\">Filter rows</label>"
      "<input id=\"filter\" type=\"search\" placeholder=\"Name, level, colour ...\">"
      "<span id=\"filter-count\" aria-live=\"polite\"></span></div>\n</header>\n";
  html += "<nav class=\"contents\" id=\"contents\">\n<h2>Contents</h2>\n<ul>\n";
  html += "<li><a href=\"#summary\">Dictionary Summary</a></li>\n";
  for (size_t i = 0; i < dictionaries.size(); ++i) {
    html += "<li><a href=\"#" + anchors[i] + "\">" + dictionaries[i].name + "</a>";
    const std::vector<std::string_view> titles = sectionTitles(dictionaries[i], layerNaming);
    if (!titles.empty()) {
      html += "<ul>";
      for (std::string_view title : titles)
        html += "<li><a href=\"#" + anchors[i] + "-" + anchorOf(title) + "\">" +
                std::string(title) + "</a></li>";
      html += "</ul>";
    }
    html += "</li>\n";
  }
  html += "</ul>\n</nav>\n<main>\n";
  appendSummary(html, dictionaries, anchors, layerNaming);
  put(out, html);
}

void openModernDictionary(OutputStream& out, const Dictionary& dictionary,
                          std::string_view anchor) {
  std::string html = "<section class=\"dictionary\" id=\"";
  html.append(anchor).append("\">\n<h2>").append(dictionary.name).append("</h2>\n");
  if (!dictionary.description.empty())
    html.append("<p>").append(dictionary.description).append("</p>\n");
  html += "<p class=\"source\">";
  if (!dictionary.version.empty() && dictionary.version != "not set")
    html.append("Version ").append(dictionary.version).append(" · ");
  html += "Source: <code>";
  appendEscaped(html, dictionary.filePath);
  html += "</code></p>\n";
  put(out, html);
}

void closeModernDictionary(OutputStream& out) { put(out, "</section>\n"); }

void writeModernEnd(OutputStream& out) {
  std::string html = "</main>\n";
  html += kScript;
  html += "</body>\n</html>\n";
  put(out, html);
}

}  // namespace plotwarden
