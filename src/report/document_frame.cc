#include "report/document_frame.h"

namespace plotwarden {

namespace {

// How a display rule ends. Some rules of the stored sheet end in "}; "
// instead of ";} "; readers' style sheets may rely on that, so it is kept.
enum RuleEnding { ORDINARY_ENDING, BRACE_FIRST_ENDING };

// `opening` is everything before "display:". The value stays in quotes,
// which browsers ignore, deliberately: the default sheet has always had them
// and readers' pages may depend on every column showing.
void writeDisplayRule(OutputStream& out, std::string_view opening, bool shown,
                      RuleEnding ending = ORDINARY_ENDING) {
  putAll(out, opening, "display:\"", shown ? "inline" : "none",
         ending == ORDINARY_ENDING ? "\";} \n" : "\"}; \n");
}

void writeClassRule(OutputStream& out, std::string_view cssClass, bool shown,
                    RuleEnding ending = ORDINARY_ENDING) {
  putAll(out, ".", cssClass, " {");
  writeDisplayRule(out, "", shown, ending);
}

struct ColumnRule {
  FieldRole role;
  const char* classWhenShown;
  const char* classWhenHidden;
};

constexpr ColumnRule kColumnRules[] = {
    {ROLE_FEATURE_NAME, "colName", "colName"},
    {ROLE_LEVEL, "colLevel", "colLevel"},
    {ROLE_COLOUR, "colColour", "colColour"},
    {ROLE_WEIGHT, "colWeight", "colWeight"},
    {ROLE_LINE_STYLE, "colLineStyle", "colLineStyle"},
    {ROLE_TEXT_SCALE, "colTextScale", "colTextScale"},
    {ROLE_TEXT_FONT, "colTextFont", "colTextFont"},
    {ROLE_TEXT_WEIGHT, "colTextWeight", "colTextWeight"},
    {ROLE_LINE_SPACING, "colLineSpacing", "colTextLineSpacing"},
    {ROLE_CELL_NAME, "colCellName", "colCellName"},
    {ROLE_TEXT_STYLE, "colTextStyle", "colTextStyle"},
    {ROLE_DIM_STYLE, "colDimStyle", "colDimStyle"},
};

bool hasColumn(const Dictionary* dictionary, FieldRole role) {
  return dictionary && findFieldColumn(*dictionary, role) >= 0;
}

}  // namespace

void writeDocumentStart(OutputStream& out) {
  put(out, "<HTML><HEAD><TITLE>CAD Standards Report</TITLE>\n");
}

// The sheet's oddities are kept deliberately, as stored reports and readers'
// own sheets have them: the fixed 10 cm page, colours without '#', sizes
// without units.
void writeStyleSheet(OutputStream& out, const Dictionary* firstDictionary, bool showImages) {
  put(out,
      "<style>\n"
      "@page jpage { size: 10cm 10cm }\n"
      ".tablefolder {page:jpage;width:100%;background-color:D6D3CE;}\n"
      ".dictname{text-align:center;font-family: Verdana,Helvetica,Arial;font-size: "
      "17pt;font-weight:bold;}\n"
      ".dictdesc{text-align:center;font-family: Verdana,Helvetica,Arial;font-size: 17pt;}\n"
      ".foldername{text-align:center;font-family: Verdana,Helvetica,Arial;font-size: "
      "12pt;font-weight:bold;}\n"
      ".folderdesc{text-align:center;font-family: Verdana,Helvetica,Arial;font-size: "
      "10pt;font-weight:bold;}\n"
      ".featuretable {page:jpage;width:100%;border-width:0;background-color:000;}\n"
      ".cfeaturetypeheading {text-align:left;font-family: Verdana,Helvetica,Arial;font-size: "
      "10pt;font-weight:bold;}\n"
      ".cfeatureheading {text-align:left;font-family: Verdana,Helvetica,Arial;font-size: "
      "8pt;font-weight:bold;background-color:D6D3CE;}\n"
      ".cfeature{text-align:left;font-family: Verdana,Helvetica,Arial;font-size: "
      "8pt;font-weight:normal;background-color:EFEFEF;}\n");
  writeDisplayRule(out, ".csymbolpic {height:100;width:100;", showImages);
  writeClassRule(out, "colLibTableName", showImages);
  writeClassRule(out, "colLibTableDesc", showImages);
  put(out, "\n");
  writeColumnDisplayRules(out, firstDictionary);
  put(out, "</style>\n");
}

// Deliberately from the first dictionary alone, as the sheet has always been.
void writeColumnDisplayRules(OutputStream& out, const Dictionary* firstDictionary) {
  for (const ColumnRule& rule : kColumnRules) {
    bool shown = hasColumn(firstDictionary, rule.role);
    writeClassRule(out, shown ? rule.classWhenShown : rule.classWhenHidden, shown);
  }
  // The four key-in columns follow one test of the key-in field.
  bool keyin = hasColumn(firstDictionary, ROLE_KEY_IN);
  writeClassRule(out, "colKeyin", keyin);
  writeClassRule(out, "colCellLibrary", keyin);
  writeClassRule(out, "colExtra", keyin, keyin ? BRACE_FIRST_ENDING : ORDINARY_ENDING);
  writeClassRule(out, "colFill", keyin, BRACE_FIRST_ENDING);
  writeClassRule(out, "colFeatureType", hasColumn(firstDictionary, ROLE_FEATURE_TYPE));
  writeClassRule(out, "colElmType", hasColumn(firstDictionary, ROLE_ELEMENT_TYPES));
}

void writeHeadEnd(OutputStream& out) { put(out, "</HEAD>\n<BODY>\n"); }

void writeTitleBlock(OutputStream& out, std::string_view name, std::string_view description,
                     std::optional<std::string_view> version) {
  putAll(out, "<TABLE class='tablefolder'>", "<TR><TD class='dictname'>", name, "</TD></TR>",
         "<TR><TD class='dictdesc'>", description, "</TD></TR>");
  if (version && !version->empty() && *version != "not set")
    putAll(out, "<TR><TD class='dictdesc'>V", *version, "</TD></TR>");
  put(out, "</TABLE>\n");
}

void writeDictionaryBreak(OutputStream& out) { put(out, "<BR>\n"); }

void writeDocumentEnd(OutputStream& out) { put(out, "</BODY>\n</HTML>\n"); }

}  // namespace plotwarden
