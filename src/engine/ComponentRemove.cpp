#include "base/StringRules.h"
#include "engine/ComponentParts.h"
#include "engine/Formfit.h"

namespace formfit {

namespace {

// Cuts the block between the header and footer markers of `tag`, from the
// line end ahead of the header through the line end of the footer.
std::string RemoveMarkedBlock(std::string text, const std::string& tag) {
  return Formfit::BlockRemove(std::move(text), "\r\n" + component::HeaderMarker(tag) + "\r\n",
                              "\r\n" + component::FooterMarker(tag) + "\r\n");
}

}  // namespace

std::string Formfit::ComponentRemove(std::string text, const std::string& componentName,
                                     const qIniFile& componentIni) {
  for (const Pair& content : component::ContentsList(componentIni, componentName)) {
    const std::string& section = content.value;
    const std::string suffix = BeginsWith(section, "+")            ? ":" + componentName
                               : component::IsFormSection(section) ? ":Form"
                                                                   : ":Control";
    text = RemoveMarkedBlock(std::move(text), content.key + suffix);
  }

  for (const component::PartSection& part : component::kPartSections) {
    Pairs entries = componentIni.ReadSection(part.section);
    if (!entries.empty()) text = BlockReduce(std::move(text), part.start, part.end, entries);
    text = RemoveMarkedBlock(std::move(text), componentName + std::string(part.tagSuffix));
  }
  return text;
}

}  // namespace formfit
