#include <cstddef>

#include "base/FileSpec.h"
#include "base/StringRules.h"
#include "engine/ComponentParts.h"
#include "engine/Formfit.h"

namespace formfit {

namespace {

constexpr std::size_t npos = std::string::npos;

// The editor loads a float bar from its own folder: a full path is cut down
// to the bare name the editor expects.
void ApplyFloatBarRule(Pairs& entries) {
  for (Pair& entry : entries) {
    if (!BeginsWith(Lower(entry.key), "floatbar")) continue;
    const FileSpec file(entry.value);
    if (!file.Drive().empty() && !file.Path().empty()) entry.value = file.FileName();
    return;
  }
}

// Adds the entries at the end of the existing section `section`, ahead of the
// header line that follows it; nothing when there is no such section or no
// header behind it.
bool ExtendSection(std::string& text, const std::string& section, const Pairs& entries,
                   const std::string& tag) {
  const std::size_t header = component::Find(text, "[" + section + "]");
  if (header == npos) return false;
  const std::size_t next = text.find("\r\n[", header + 1);
  if (next == npos) return false;
  const std::size_t eol = text.find("\r\n", next + 1);
  if (eol == npos) return false;
  const std::string anchor = text.substr(next, eol - next - 1);
  // The anchor is looked for from the next header on: an earlier header that
  // merely begins the same way must not receive the block.
  return component::AddBlock(text, next, anchor, entries, component::HeaderMarker(tag),
                             component::FooterMarker(tag));
}

// ComponentAdd in place; true when it changed the text. Every placement
// changes it: a block brings lines that are not blank, an extension brings
// text that is not empty.
bool Place(std::string& text, const Component& component) {
  bool placed = false;
  for (const Component::Content& content : component.Contents()) {
    if (content.entries.empty()) continue;
    Pairs entries = content.entries;
    ApplyFloatBarRule(entries);
    if (content.extend) {
      placed = ExtendSection(text, content.section, entries, content.tag) || placed;
      continue;
    }
    placed =
        component::AddBlock(text, 0, content.form ? "\r\n[CONTROL]" : "\r\n[AssignMap]", entries,
                            component::HeaderMarker(content.tag) + "\r\n[" + content.section + "]",
                            component::FooterMarker(content.tag)) ||
        placed;
  }

  for (std::size_t i = 0; i < component::kPartSections.size(); ++i) {
    const component::PartSection& part = component::kPartSections[i];
    const Component::Part& entriesOfPart = component.Parts()[i];
    if (entriesOfPart.entries.empty()) continue;
    Pairs entries = entriesOfPart.entries;
    placed = component::ExtendKeyLines(text, part.start, part.end, entries) || placed;
    // The block is written even when every entry went into a key line, so the
    // component's markers show that it touched this part.
    placed =
        component::AddBlock(text, 0, part.end, entries, component::HeaderMarker(entriesOfPart.tag),
                            component::FooterMarker(entriesOfPart.tag)) ||
        placed;
  }
  return placed;
}

}  // namespace

std::string Formfit::ComponentAdd(std::string text, const Component& component) {
  Place(text, component);
  return text;
}

Formfit::Reinstallation Formfit::ComponentReinstall(std::string text, const Component& component) {
  Reinstallation result{ComponentRemove(std::move(text), component)};
  // Room for everything the add can bring, so the text is not copied as it grows.
  result.text.reserve(result.text.size() + component.MostAddedBytes());
  result.placed = Place(result.text, component);
  return result;
}

}  // namespace formfit
