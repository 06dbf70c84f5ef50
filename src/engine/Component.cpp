#include "engine/Component.h"

#include "base/StringRules.h"
#include "engine/ComponentParts.h"

namespace formfit {

namespace {

// A block's marker lines, its blank lines and a section header around its entries.
constexpr std::size_t kBlockFrame = 32;

std::size_t BlockBytes(const Pairs& entries, const std::string& tag, const std::string& section) {
  std::size_t size = kBlockFrame + 2 * tag.size() + section.size();
  for (const Pair& entry : entries) size += entry.key.size() + entry.value.size() + 3;
  return size;
}

}  // namespace

Component Component::Read(const IniText& file, std::string name) {
  Component component;
  component.name_ = std::move(name);
  const std::string& componentName = component.name_;
  const std::string own = "CONTENTS:" + componentName;
  for (Pair& pair : file.ReadSection(file.ExistSection(own) ? own : "CONTENTS")) {
    Content content;
    content.extend = BeginsWith(pair.value, "+");
    content.section = content.extend ? pair.value.substr(1) : std::move(pair.value);
    content.form = !content.extend && component::IsFormSection(content.section);
    content.key = std::move(pair.key);
    content.tag = content.key + (content.extend ? ":" + componentName
                                 : content.form ? std::string(":Form")
                                                : std::string(":Control"));
    content.entries = file.ReadSection(content.section);
    component.contents_.push_back(std::move(content));
  }
  for (std::size_t i = 0; i < component::kPartSections.size(); ++i) {
    const component::PartSection& part = component::kPartSections[i];
    component.parts_[i].entries = file.ReadSection(part.section);
    component.parts_[i].tag = componentName + std::string(part.tagSuffix);
  }
  return component;
}

std::size_t Component::MostAddedBytes() const {
  std::size_t size = 0;
  for (const Content& content : contents_) {
    if (!content.entries.empty()) size += BlockBytes(content.entries, content.tag, content.section);
  }
  for (const Part& part : parts_) {
    if (!part.entries.empty()) size += BlockBytes(part.entries, part.tag, {});
  }
  return size;
}

bool Component::Empty() const {
  for (const Part& part : parts_) {
    if (!part.entries.empty()) return false;
  }
  return contents_.empty();
}

}  // namespace formfit
