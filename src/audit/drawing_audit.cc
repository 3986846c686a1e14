#include "audit/drawing_audit.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>
#include <vector>

#include "check/checked_file.h"

namespace plotwarden::audit {

namespace {

// Element types the standard cannot speak to are not judged; leaders and
// hatching are allowed by the features of their categories.
constexpr int kNotJudged = -1;
constexpr int kLeader = -2;
constexpr int kHatch = -3;

int elementTypeOf(const dxf::Entity& e) {
  const std::string_view t = e.type;
  if (t == "LINE") return 3;
  if (t == "LWPOLYLINE" || t == "POLYLINE")
    return e.polyface || e.polygonMesh ? 105 : e.closed ? 6 : 4;
  if (t == "ARC") return 16;
  if (t == "CIRCLE" || t == "ELLIPSE") return 15;
  if (t == "SPLINE") return 27;
  if (t == "TEXT" || t == "MTEXT") return 17;
  if (t == "INSERT") return 2;
  if (t == "DIMENSION") return 33;
  if (t == "3DSOLID") return 19;
  if (t == "MESH") return 105;
  if (t == "LEADER" || t == "MULTILEADER") return kLeader;
  if (t == "HATCH") return kHatch;
  return kNotJudged;
}

bool allows(const StandardFeature& f, int type) {
  if (type == kLeader) return f.category == CATEGORY_LEADERS;
  if (type == kHatch) return f.category == CATEGORY_HATCHING;
  return type < 0 || f.elementTypes[static_cast<size_t>(type)];
}

// An entity's colour, line type and weight as stored, with what BYLAYER
// resolves to on the layer it is judged on.
struct Look {
  std::string_view layer;
  int colour = dxf::kColourByLayer;
  std::string_view lineType;
  int weight = dxf::kLineWeightByLayer;
};

// A layer of the drawing as the audit sees it: the LAYER table's entry (or
// none) and the features of the standard on it.
struct LayerInfo {
  const dxf::Layer* entry = nullptr;
  std::vector<uint32_t> features;  // none: a layer the standard does not know
  std::string upper;
};

struct UnknownLayer {
  std::string name;
  uint32_t firstLine = 0;
  uint64_t entities = 0;
  std::vector<std::string_view> handles;
};

std::string colourText(int colour, const AuditWords& words) {
  if (colour == dxf::kColourByLayer) return words.layer == "level" ? "ByLevel" : "ByLayer";
  if (colour == dxf::kColourByBlock) return words.block == "cell" ? "ByCell" : "ByBlock";
  return std::to_string(colour);
}

std::string weightText(int weight) {
  return std::to_string(weight / 100) + "." + (weight % 100 < 10 ? "0" : "") +
         std::to_string(weight % 100) + " mm";
}

// The allowed values of one property, for a message.
std::string allowedText(const std::vector<const Property*>& stated, const AuditWords& words,
                        bool isWeight) {
  std::vector<std::string> texts;
  for (const Property* p : stated) {
    std::string text;
    if (p->demand == Demand::kByLayer)
      text = colourText(dxf::kColourByLayer, words);
    else if (p->demand == Demand::kByBlock)
      text = colourText(dxf::kColourByBlock, words);
    else if (!p->name.empty())
      text = p->name;
    else
      text = isWeight ? weightText(p->number) : std::to_string(p->number);
    if (std::find(texts.begin(), texts.end(), text) == texts.end()) texts.push_back(text);
  }
  std::string joined;
  for (const std::string& text : texts) joined += (joined.empty() ? "" : ", ") + text;
  return joined;
}

class Judge {
 public:
  Judge(std::string_view path, const dxf::Drawing& drawing, const Standard& standard,
        const AuditWords& words, DrawingAudit& audit)
      : path_(path), drawing_(drawing), standard_(standard), words_(words), audit_(audit) {
    for (const dxf::Layer& layer : drawing.layers) entries_[upperCase(layer.name)] = &layer;
    for (const dxf::Block& block : drawing.blocks) blocks_[upperCase(block.name)] = &block;
  }

  void run() {
    for (const dxf::Entity& e : drawing_.entities) {
      const size_t before = audit_.findings.size();
      const bool onKnownLayer = judgeEntity(e);
      const bool clean = onKnownLayer && audit_.findings.size() == before;
      LayerTally& tally = audit_.layers[std::string(e.layer)];
      ++tally.entities;
      tally.withFindings += !clean;
      ++audit_.entities;
      audit_.clean += clean;
    }
    noteUnknownLayers();
    judgeLayerEntries();
    std::stable_sort(audit_.findings.begin(), audit_.findings.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
  }

 private:
  const LayerInfo& layer(std::string_view name) {
    auto [at, isNew] = layers_.try_emplace(name);
    if (isNew) {
      at->second.upper = upperCase(name);
      auto entry = entries_.find(at->second.upper);
      if (entry != entries_.end()) at->second.entry = entry->second;
      at->second.features = featuresOnLayer(standard_, at->second.upper);
    }
    return at->second;
  }

  void add(uint32_t line, Severity severity, std::string_view code, std::string message) {
    audit_.findings.push_back({path_, line, 0, severity, std::string(code), std::move(message)});
  }

  std::string described(const dxf::Entity& e, const LayerInfo& on) const {
    std::string text(e.type);
    if (!e.handle.empty()) text.append(" ").append(e.handle);
    return text + " on " + std::string(words_.layer) + " " +
           quotedText(on.entry ? on.entry->name : e.layer);
  }

  // False for an entity on a layer the standard does not know, whose
  // finding comes once for the layer, after the last entity.
  bool judgeEntity(const dxf::Entity& e) {
    const LayerInfo& on = layer(e.layer);
    if (on.features.empty()) {
      UnknownLayer& unknown = unknown_[on.upper];
      if (unknown.entities++ == 0) {
        unknown.name = std::string(e.layer);
        unknown.firstLine = e.line;
      }
      if (unknown.handles.size() < 3 && !e.handle.empty()) unknown.handles.push_back(e.handle);
      return false;
    }
    const int type = elementTypeOf(e);
    std::vector<const StandardFeature*> candidates;
    for (uint32_t index : on.features)
      if (allows(standard_.features[index], type)) candidates.push_back(&standard_.features[index]);
    if (candidates.empty()) {
      add(e.line, Severity::kError, "element-type",
          described(e, on) + ": no feature on that " + std::string(words_.layer) + " allows " +
              (type >= 0         ? "element type " + std::to_string(type)
               : type == kLeader ? std::string("a leader")
                                 : std::string("hatching")));
      return true;
    }
    const Look look{e.layer, e.colour, e.lineType, e.lineWeight};
    judgeLook(e, on, look, candidates, "");
    judgeNames(e, on, candidates);
    if (e.type == "INSERT") judgeParts(e, look, 0);
    return true;
  }

  // Colour, line type and weight of `e` as `look` has them, on layer `on`.
  void judgeLook(const dxf::Entity& e, const LayerInfo& on, const Look& look,
                 const std::vector<const StandardFeature*>& candidates, std::string_view within) {
    const dxf::Layer* entry = on.entry;
    // Colour.
    std::vector<const Property*> stated;
    for (const StandardFeature* f : candidates)
      if (f->colour.demand != Demand::kNone) stated.push_back(&f->colour);
    if (!stated.empty()) {
      const int effective =
          look.colour == dxf::kColourByLayer ? (entry ? entry->colour : 7) : look.colour;
      const bool met = std::any_of(stated.begin(), stated.end(), [&](const Property* p) {
        if (p->demand == Demand::kByLayer) return look.colour == dxf::kColourByLayer;
        if (p->demand == Demand::kByBlock) return look.colour == dxf::kColourByBlock;
        return look.colour != dxf::kColourByBlock && effective == p->number;
      });
      if (!met)
        add(e.line, Severity::kError, "colour",
            described(e, on) + std::string(within) + ": " + std::string(words_.colour) + " " +
                colourText(look.colour, words_) +
                (look.colour == dxf::kColourByLayer ? " (" + std::to_string(effective) + ")" : "") +
                "; the standard allows " + allowedText(stated, words_, false));
    }
    // Line type.
    stated.clear();
    for (const StandardFeature* f : candidates)
      if (f->lineStyle.demand != Demand::kNone) stated.push_back(&f->lineStyle);
    if (!stated.empty()) {
      const std::string stored = upperCase(look.lineType);
      const bool byLayer = stored.empty() || stored == "BYLAYER";
      const std::string effective =
          byLayer ? (entry ? upperCase(entry->lineType) : "CONTINUOUS") : stored;
      const bool met = std::any_of(stated.begin(), stated.end(), [&](const Property* p) {
        if (p->demand == Demand::kByLayer) return byLayer;
        if (p->demand == Demand::kByBlock) return stored == "BYBLOCK";
        return effective == p->name;
      });
      if (!met)
        add(e.line, Severity::kError, "line-type",
            described(e, on) + std::string(within) + ": " + std::string(words_.style) + " " +
                (byLayer ? colourText(dxf::kColourByLayer, words_) + " (" + effective + ")"
                         : effective) +
                "; the standard allows " + allowedText(stated, words_, false));
    }
    // Weight: not stored before R2000; the default weight is the program's own.
    if (!drawing_.storesLineWeights) return;
    stated.clear();
    for (const StandardFeature* f : candidates)
      if (f->weight.demand != Demand::kNone) stated.push_back(&f->weight);
    if (stated.empty()) return;
    const bool byLayer = look.weight == dxf::kLineWeightByLayer;
    const bool byBlock = look.weight == dxf::kLineWeightByBlock;
    const int effective =
        byLayer ? (entry ? entry->lineWeight : dxf::kLineWeightDefault) : look.weight;
    const bool met = std::any_of(stated.begin(), stated.end(), [&](const Property* p) {
      if (p->demand == Demand::kByLayer) return byLayer;
      if (p->demand == Demand::kByBlock) return byBlock;
      return effective < 0 || effective == p->number;  // a default weight is not judged
    });
    if (!met)
      add(e.line, Severity::kError, "weight",
          described(e, on) + std::string(within) + ": weight " +
              (byLayer
                   ? colourText(dxf::kColourByLayer, words_) + " (" + weightText(effective) + ")"
               : byBlock ? colourText(dxf::kColourByBlock, words_)
                         : weightText(effective)) +
              "; the standard allows " + allowedText(stated, words_, true));
  }

  // The block of an INSERT, the text style of a TEXT or MTEXT, the
  // dimension style of a DIMENSION, where the features state them.
  void judgeNames(const dxf::Entity& e, const LayerInfo& on,
                  const std::vector<const StandardFeature*>& candidates) {
    auto judge = [&](std::string_view value, std::string StandardFeature::*member,
                     std::string_view code, std::string_view what) {
      std::vector<std::string_view> stated;
      for (const StandardFeature* f : candidates)
        if (!(f->*member).empty() &&
            std::find(stated.begin(), stated.end(), f->*member) == stated.end())
          stated.push_back(f->*member);
      if (stated.empty()) return;
      const std::string upper = upperCase(value);
      if (std::find(stated.begin(), stated.end(), upper) != stated.end()) return;
      std::string allowed;
      for (std::string_view name : stated)
        allowed += (allowed.empty() ? "" : ", ") + std::string(name);
      add(e.line, Severity::kError, code,
          described(e, on) + ": " + std::string(what) + " " + quotedText(value) +
              "; the standard allows " + allowed);
    };
    if (e.type == "INSERT") judge(e.name, &StandardFeature::cellName, "block-name", words_.block);
    // A style a drawing leaves out is the one named STANDARD.
    auto orStandard = [](std::string_view style) {
      return style.empty() ? std::string_view("STANDARD") : style;
    };
    if (e.type == "TEXT" || e.type == "MTEXT")
      judge(orStandard(e.name), &StandardFeature::textStyle, "text-style", "text style");
    if (e.type == "DIMENSION")
      judge(orStandard(e.name), &StandardFeature::dimensionStyle, "dimension-style",
            "dimension style");
  }

  // The parts of an inserted block: on layer 0 or by block they take the
  // INSERT's layer and values, as CAD programs draw them; on another layer
  // they are judged on that layer's values.
  void judgeParts(const dxf::Entity& insert, const Look& outer, int depth) {
    auto block = blocks_.find(upperCase(insert.name));
    if (block == blocks_.end() || depth > 8) return;
    const std::string within = " (in " + std::string(words_.block) + " " + quotedText(insert.name) +
                               " inserted at line " + std::to_string(insert.line) + ")";
    for (const dxf::Entity& part : block->second->entities) {
      Look look{part.layer == "0" ? outer.layer : part.layer, part.colour, part.lineType,
                part.lineWeight};
      if (look.colour == dxf::kColourByBlock) look.colour = outer.colour;
      if (upperCase(look.lineType) == "BYBLOCK") look.lineType = outer.lineType;
      if (look.weight == dxf::kLineWeightByBlock) look.weight = outer.weight;
      const LayerInfo& on = layer(look.layer);
      if (on.features.empty()) continue;
      std::vector<const StandardFeature*> all;
      for (uint32_t index : on.features) all.push_back(&standard_.features[index]);
      judgeLook(part, on, look, all, within);
      if (part.type == "INSERT") judgeParts(part, look, depth + 1);
    }
  }

  void noteUnknownLayers() {
    std::vector<const UnknownLayer*> found;
    for (const auto& [name, unknown] : unknown_) found.push_back(&unknown);
    std::sort(found.begin(), found.end(), [](const UnknownLayer* a, const UnknownLayer* b) {
      return a->firstLine < b->firstLine;
    });
    for (const UnknownLayer* unknown : found) {
      std::string handles;
      for (std::string_view handle : unknown->handles)
        handles += (handles.empty() ? "" : ", ") + std::string(handle);
      add(unknown->firstLine, Severity::kError, "unknown-layer",
          std::string(words_.layer) + " " + quotedText(unknown->name) +
              " is used by no feature of the standard: " +
              counted(unknown->entities, "entity", "entities") +
              (handles.empty() ? "" : " (first handles " + handles + ")"));
    }
  }

  // LAYER table entries whose own values differ from what every feature
  // on the layer states.
  void judgeLayerEntries() {
    for (const dxf::Layer& entry : drawing_.layers) {
      std::vector<const Property*> colours, styles, weights;
      for (uint32_t index : featuresOnLayer(standard_, upperCase(entry.name))) {
        const StandardFeature& f = standard_.features[index];
        if (f.colour.demand == Demand::kValue) colours.push_back(&f.colour);
        if (f.lineStyle.demand == Demand::kValue) styles.push_back(&f.lineStyle);
        if (f.weight.demand == Demand::kValue) weights.push_back(&f.weight);
      }
      const std::string what = std::string(words_.layer) + " " + quotedText(entry.name);
      if (!colours.empty() && std::none_of(colours.begin(), colours.end(), [&](const Property* p) {
            return p->number == entry.colour;
          }))
        add(entry.line, Severity::kWarning, "layer-colour",
            what + " has " + std::string(words_.colour) + " " + std::to_string(entry.colour) +
                "; its features state " + allowedText(colours, words_, false));
      const std::string lineType = upperCase(entry.lineType);
      if (!styles.empty() && std::none_of(styles.begin(), styles.end(),
                                          [&](const Property* p) { return p->name == lineType; }))
        add(entry.line, Severity::kWarning, "layer-line-type",
            what + " has " + std::string(words_.style) + " " + quotedText(entry.lineType) +
                "; its features state " + allowedText(styles, words_, false));
      if (drawing_.storesLineWeights && entry.lineWeight >= 0 && !weights.empty() &&
          std::none_of(weights.begin(), weights.end(),
                       [&](const Property* p) { return p->number == entry.lineWeight; }))
        add(entry.line, Severity::kWarning, "layer-weight",
            what + " has weight " + weightText(entry.lineWeight) + "; its features state " +
                allowedText(weights, words_, true));
    }
  }

  std::string path_;
  const dxf::Drawing& drawing_;
  const Standard& standard_;
  const AuditWords& words_;
  DrawingAudit& audit_;
  std::unordered_map<std::string, const dxf::Layer*> entries_;
  std::unordered_map<std::string, const dxf::Block*> blocks_;
  std::unordered_map<std::string_view, LayerInfo> layers_;
  std::map<std::string, UnknownLayer> unknown_;
};

}  // namespace

AuditWords auditWords(bool layerNaming) {
  if (layerNaming) return {"layer", "block", "color", "line type"};
  return {"level", "cell", "colour", "style"};
}

DrawingAudit auditDrawing(std::string_view path, const dxf::Drawing& drawing,
                          const Standard& standard, const AuditWords& words) {
  DrawingAudit audit;
  audit.path = std::string(path);
  Judge(path, drawing, standard, words, audit).run();
  return audit;
}

}  // namespace plotwarden::audit
