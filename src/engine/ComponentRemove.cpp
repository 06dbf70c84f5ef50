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

std::string Formfit::ComponentRemove(std::string text, const Component& component) {
  for (const Component::Content& content : component.Contents()) {
    text = RemoveMarkedBlock(std::move(text), content.tag);
  }

  for (std::size_t i = 0; i < component::kPartSections.size(); ++i) {
    const component::PartSection& part = component::kPartSections[i];
    const Component::Part& entriesOfPart = component.Parts()[i];
    if (!entriesOfPart.entries.empty()) {
      Pairs entries = entriesOfPart.entries;
      text = BlockReduce(std::move(text), part.start, part.end, entries);
    }
    text = RemoveMarkedBlock(std::move(text), entriesOfPart.tag);
  }
  return text;
}

}  // namespace formfit
