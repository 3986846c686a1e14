#include "dxf/dxf_reader.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <utility>

#include "dxf/code_page.h"
#include "platform/ascii_case.h"
#include "platform/file_io.h"

namespace plotwarden::dxf {
namespace {

constexpr std::string_view kSaveAsAscii = "save the drawing as ASCII DXF";

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// A whole number between blanks, limited to what an int holds.
bool parseInteger(std::string_view s, int& out) {
  s = trimmed(s);
  bool negative = false;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  if (s.empty() || s.size() > 9) return false;
  int value = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  out = negative ? -value : value;
  return true;
}

// The group code / value pairs of the text, two lines each.
class PairReader {
 public:
  int code = 0;
  std::string_view value;
  uint32_t line = 0;  // of the group code

  explicit PairReader(std::string_view text) : p_(text.data()), end_(text.data() + text.size()) {}

  // Moves to the next pair, past comments (999). False at the end of the
  // text, or on a malformed pair, which sets `fault`.
  // The number of lines taken so far.
  uint32_t linesRead() const { return nextLine_ - 1; }

  bool next(Status& fault) {
    for (;;) {
      if (p_ == end_) return false;
      line = nextLine_;
      std::string_view codeText = takeLine();
      if (!parseGroupCode(codeText, code)) {
        fault = failure("a group code must be a whole number", line);
        return false;
      }
      if (p_ == end_ && !lastLineEnded_) {
        fault = failure("group code " + std::to_string(code) + " has no value line", line);
        return false;
      }
      value = takeLine();
      if (code != 999) return true;
    }
  }

 private:
  const char* p_;
  const char* end_;
  uint32_t nextLine_ = 1;
  bool lastLineEnded_ = false;

  std::string_view takeLine() {
    const char* start = p_;
    const char* newline =
        static_cast<const char*>(std::memchr(p_, '\n', static_cast<size_t>(end_ - p_)));
    const char* stop = newline ? newline : end_;
    lastLineEnded_ = newline != nullptr;
    p_ = newline ? newline + 1 : end_;
    ++nextLine_;
    if (stop != start && stop[-1] == '\r') --stop;
    return {start, static_cast<size_t>(stop - start)};
  }

  static bool parseGroupCode(std::string_view s, int& out) {
    // The common right-aligned form, "  8" or " 10", without the general path.
    if (s.size() == 3 && s[0] == ' ' && s[2] >= '0' && s[2] <= '9') {
      if (s[1] == ' ') {
        out = s[2] - '0';
        return true;
      }
      if (s[1] >= '0' && s[1] <= '9') {
        out = (s[1] - '0') * 10 + (s[2] - '0');
        return true;
      }
    }
    return parseInteger(s, out);
  }
};

class Parser {
 public:
  Parser(Drawing& drawing, std::string_view text) : d_(drawing), r_(text) {}

  Status run() {
    for (;;) {
      if (!advance())
        return fault_.ok() ? failure("the drawing ends without EOF", r_.linesRead()) : fault_;
      // Groups between sections, such as header variables that some writers
      // leave after the header's ENDSEC (and a second ENDSEC), belong to no
      // section and are passed over.
      if (isRecord("EOF")) return {};
      if (!isRecord("SECTION")) continue;
      const uint32_t start = r_.line;
      if (!advance() || r_.code != 2)
        return fault_.ok() ? failure("SECTION has no name", start) : fault_;
      const std::string name(trimmed(r_.value));
      if (!advance()) return unendedSection(name, start);
      if (name == "HEADER")
        readHeader();
      else if (name == "TABLES")
        readTables();
      else if (name == "BLOCKS")
        readBlocks();
      else if (name == "ENTITIES")
        readEntities(d_.entities, false);
      while (!failed() && !atEnd() && !isRecord("ENDSEC") && !isRecord("EOF") &&
             !isRecord("SECTION"))
        advance();
      if (failed()) return fault_;
      if (!isRecord("ENDSEC")) return unendedSection(name, start);
    }
  }

 private:
  Drawing& d_;
  PairReader r_;
  Status fault_;
  bool atEnd_ = false;
  CodePage codePage_ = CodePage::Windows1252;

  bool advance() {
    if (atEnd_) return false;
    if (!r_.next(fault_)) atEnd_ = true;
    return !atEnd_;
  }
  bool failed() const { return !fault_.ok(); }
  bool atEnd() const { return atEnd_; }
  bool isRecord(std::string_view type) const {
    return !atEnd_ && r_.code == 0 && trimmed(r_.value) == type;
  }
  // At the group code 0 that ends a record, or at the end of the text.
  bool recordDone() const { return atEnd_ || r_.code == 0; }
  // True at a record that closes the section around it.
  bool atSectionEnd() const {
    return atEnd_ || isRecord("ENDSEC") || isRecord("EOF") || isRecord("SECTION");
  }

  Status unendedSection(const std::string& name, uint32_t start) {
    if (failed()) return fault_;
    return failure("section " + name + " has no ENDSEC", start);
  }

  void fail(std::string message) {
    if (!failed()) fault_ = failure(std::move(message), r_.line);
    atEnd_ = true;
  }

  int integerValue() {
    int value = 0;
    if (!parseInteger(r_.value, value))
      fail("group " + std::to_string(r_.code) + " needs a whole number");
    return value;
  }

  // A name in UTF-8: converted from the file's code page where needed.
  std::string_view name(std::string_view raw) {
    if (!needsDecoding(raw, codePage_)) return raw;
    if (codePage_ == CodePage::Unknown)
      for (char c : raw)
        if (static_cast<unsigned char>(c) >= 0x80) d_.hasUndecodedNames = true;
    d_.decodedNames.push_back(decodeName(raw, codePage_));
    return d_.decodedNames.back();
  }

  void readHeader() {
    while (!failed() && !atSectionEnd()) {
      if (r_.code == 9 && trimmed(r_.value) == "$ACADVER") {
        if (advance() && r_.code == 1) d_.version = trimmed(r_.value);
      } else if (r_.code == 9 && trimmed(r_.value) == "$DWGCODEPAGE") {
        if (advance() && r_.code == 3) d_.codePage = trimmed(r_.value);
      } else {
        advance();
      }
    }
    codePage_ = codePageOf(d_.version, d_.codePage);
    d_.storesLineWeights = d_.version >= "AC1015";
  }

  void skipRecord() {
    while (advance() && r_.code != 0) {
    }
  }

  void readTables() {
    std::string_view table;
    while (!failed() && !atSectionEnd()) {
      if (r_.code != 0) {
        advance();
        continue;
      }
      const std::string_view type = trimmed(r_.value);
      if (type == "TABLE") {
        while (advance() && r_.code != 0)
          if (r_.code == 2) table = trimmed(r_.value);
      } else if (type == "ENDTAB") {
        table = {};
        skipRecord();
      } else if (type == "LAYER" && table == "LAYER") {
        readLayer();
      } else if (type == table && (type == "LTYPE" || type == "STYLE" || type == "DIMSTYLE")) {
        readTableEntry(type == "LTYPE"   ? d_.lineTypes
                       : type == "STYLE" ? d_.textStyles
                                         : d_.dimensionStyles);
      } else {
        skipRecord();
      }
    }
  }

  void readLayer() {
    Layer layer;
    layer.line = r_.line;
    bool named = false;
    while (advance() && r_.code != 0) {
      switch (r_.code) {
        case 2:
          if (!named) layer.name = name(r_.value);
          named = true;
          break;
        case 62: {
          const int colour = integerValue();
          layer.off = colour < 0;
          layer.colour = colour < 0 ? -colour : colour;
          break;
        }
        case 420:
          layer.trueColour = integerValue();
          break;
        case 6:
          layer.lineType = name(r_.value);
          break;
        case 370:
          layer.lineWeight = integerValue();
          break;
      }
    }
    d_.layers.push_back(layer);
  }

  void readTableEntry(std::vector<TableEntry>& into) {
    TableEntry entry;
    entry.line = r_.line;
    bool named = false;
    while (advance() && r_.code != 0)
      if (r_.code == 2 && !named) {
        entry.name = name(r_.value);
        named = true;
      }
    into.push_back(entry);
  }

  void readBlocks() {
    while (!failed() && !atSectionEnd()) {
      if (!isRecord("BLOCK")) {
        advance();
        continue;
      }
      Block block;
      block.line = r_.line;
      bool named = false;
      while (advance() && r_.code != 0)
        if (r_.code == 2 && !named) {
          block.name = name(r_.value);
          named = true;
        }
      const bool modelSpace = startsWithIgnoringCase(block.name, "*MODEL_SPACE");
      const bool paperSpace = startsWithIgnoringCase(block.name, "*PAPER_SPACE");
      readEntities(modelSpace || paperSpace ? d_.entities : block.entities, paperSpace);
      if (failed()) return;
      if (!isRecord("ENDBLK")) {
        fault_ = failure("block " + std::string(block.name) + " has no ENDBLK", block.line);
        atEnd_ = true;
        return;
      }
      skipRecord();
      if (!modelSpace && !paperSpace) d_.blocks.push_back(std::move(block));
    }
  }

  // Entities up to ENDBLK or the section's end; the parts of POLYLINEs
  // (VERTEX, SEQEND) and of INSERTs (ATTRIB, SEQEND) belong to their owner.
  void readEntities(std::vector<Entity>& into, bool paperSpace) {
    while (!failed() && !atSectionEnd()) {
      if (r_.code != 0) {
        advance();
        continue;
      }
      const std::string_view type = trimmed(r_.value);
      if (type == "ENDBLK") return;
      if (type == "VERTEX" || type == "SEQEND" || type == "ATTRIB") {
        skipRecord();
        continue;
      }
      into.push_back(readEntity(type, paperSpace));
    }
  }

  Entity readEntity(std::string_view type, bool paperSpace) {
    Entity e;
    e.type = type;
    e.line = r_.line;
    e.paperSpace = paperSpace;
    const bool polyline = type == "POLYLINE" || type == "LWPOLYLINE";
    const bool text = type == "TEXT" || type == "MTEXT";
    const bool dimension = type == "DIMENSION";
    const bool insert = type == "INSERT";
    // Only the first of each group counts: later ones belong to data that
    // some entities nest inside themselves.
    uint32_t seen = 0;
    auto first = [&seen](uint32_t bit) {
      const bool isFirst = (seen & bit) == 0;
      seen |= bit;
      return isFirst;
    };
    while (advance() && r_.code != 0) {
      switch (r_.code) {
        case 5:
          if (first(1)) e.handle = trimmed(r_.value);
          break;
        case 8:
          if (first(2)) e.layer = name(r_.value);
          break;
        case 6:
          if (first(4)) e.lineType = name(r_.value);
          break;
        case 62:
          if (first(8)) e.colour = integerValue();
          break;
        case 370:
          if (first(16)) e.lineWeight = integerValue();
          break;
        case 67:
          if (first(32)) e.paperSpace = paperSpace || integerValue() == 1;
          break;
        case 7:
          if (text && first(64)) e.name = name(r_.value);
          break;
        case 3:
          if (dimension && first(128)) e.name = name(r_.value);
          break;
        case 2:
          if (insert && first(256)) e.name = name(r_.value);
          break;
        case 70:
          if (polyline && first(512)) {
            const int flags = integerValue();
            e.closed = (flags & 1) != 0;
            e.polygonMesh = type == "POLYLINE" && (flags & 16) != 0;
            e.polyface = type == "POLYLINE" && (flags & 64) != 0;
          }
          break;
      }
    }
    return e;
  }
};

Status refuseNonAscii(std::string_view text) {
  if (text.starts_with("AutoCAD Binary DXF"))
    return failure("this is a binary DXF file; " + std::string(kSaveAsAscii), 0);
  if (text.starts_with("AC1") || text.starts_with("AC2"))
    return failure("this is a DWG drawing, not DXF; " + std::string(kSaveAsAscii), 0);
  if (text.empty()) return failure("the file is empty; a DXF drawing was expected", 0);
  return {};
}

// Parses the text the drawing holds; on a fault the drawing is left empty.
Status parse(Drawing& out) {
  std::string_view view = out.text;
  if (Status refused = refuseNonAscii(view); !refused.ok()) {
    out = Drawing{};
    return refused;
  }
  if (view.starts_with("\xEF\xBB\xBF")) view.remove_prefix(3);
  // Room for the entities of a drawing of short ones, so that a large
  // drawing's list is not copied as it grows; pages never written cost no
  // memory.
  out.entities.reserve(view.size() / 48);
  Status status = Parser(out, view).run();
  if (!status.ok()) out = Drawing{};
  return status;
}

}  // namespace

Status readDxfText(std::string_view text, Drawing& out) {
  out = Drawing{};
  out.storage = std::make_unique_for_overwrite<char[]>(text.size());
  std::copy(text.begin(), text.end(), out.storage.get());
  out.text = std::string_view(out.storage.get(), text.size());
  return parse(out);
}

Status readDxfFile(std::string_view path, Drawing& out) {
  out = Drawing{};
  const std::optional<uintmax_t> size = regularFileSize(path);
  if (!size) {
    // A pipe or a device is read to its end.
    std::string text;
    if (readWholeFile(path, text) == plotwarden::ReadStatus::Ok) return readDxfText(text, out);
  } else if (*size <= std::numeric_limits<uint32_t>::max()) {
    // Straight into memory nothing clears first.
    const auto length = static_cast<size_t>(*size);
    out.storage = std::make_unique_for_overwrite<char[]>(length);
    if (readFileRange(path, 0, out.storage.get(), length)) {
      out.text = std::string_view(out.storage.get(), length);
      return parse(out);
    }
  }
  out = Drawing{};
  return failure("cannot be read (tried " + absolutePath(path) + "): " + unreadableReason(path));
}

}  // namespace plotwarden::dxf
