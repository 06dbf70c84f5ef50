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
std::string ExtendSection(std::string text, const std::string& section, const Pairs& entries,
                          const std::string& tag) {
  const std::size_t header = component::Find(text, "[" + section + "]");
  if (header == npos) return text;
  const std::size_t next = text.find("\r\n[", header + 1);
  if (next == npos) return text;
  const std::size_t eol = text.find("\r\n", next + 1);
  if (eol == npos) return text;
  const std::string anchor = text.substr(next, eol - next - 1);
  // The anchor is looked for from the next header on: an earlier header that
  // merely begins the same way must not receive the block.
  return component::BlockAddFrom(std::move(text), next, anchor, entries,
                                 component::HeaderMarker(tag), component::FooterMarker(tag));
}

}  // namespace

std::string Formfit::ComponentAdd(std::string text, const std::string& componentName,
                                  const qIniFile& componentIni) {
  for (const Pair& content : component::ContentsList(componentIni, componentName)) {
    const bool extend = BeginsWith(content.value, "+");
    const std::string section = extend ? content.value.substr(1) : content.value;
    Pairs entries = componentIni.ReadSection(section);
    if (entries.empty()) continue;
    ApplyFloatBarRule(entries);
    if (extend) {
      text = ExtendSection(std::move(text), section, entries, content.key + ":" + componentName);
      continue;
    }
    const bool form = component::IsFormSection(section);
    const std::string tag = content.key + (form ? ":Form" : ":Control");
    text = BlockAdd(std::move(text), form ? "\r\n[CONTROL]" : "\r\n[AssignMap]", entries,
                    component::HeaderMarker(tag) + "\r\n[" + section + "]",
                    component::FooterMarker(tag));
  }

  for (const component::PartSection& part : component::kPartSections) {
    Pairs entries = componentIni.ReadSection(part.section);
    if (entries.empty()) continue;
    text = BlockExtend(std::move(text), part.start, part.end, entries);
    // The block is written even when every entry went into a key line, so the
    // component's markers show that it touched this part.
    const std::string tag = componentName + std::string(part.tagSuffix);
    text = BlockAdd(std::move(text), part.end, entries, component::HeaderMarker(tag),
                    component::FooterMarker(tag));
  }
  return text;
}

}  // namespace formfit
