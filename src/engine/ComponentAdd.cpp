#include <algorithm>
#include <array>
#include <cstddef>
#include <unordered_map>
#include <unordered_set>
#include <vector>

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

// The searches of the contents loop, made quick without changing what they
// find. The loop only ever replaces blank lines by a block, so:
// - a landmark's first occurrence cannot lie ahead of where it was last
//   found, or ahead of the last edit less the landmark's length;
// - a section header "[S]" (no line end in it) found in the text as first
//   read is still there, moved by the edits ahead of it, unless a block
//   brought an earlier one, which the blocks' own headers tell.
class ContentsSearch {
 public:
  ContentsSearch(const std::string& text, const Component& component) {
    for (const Component::Content& content : component.Contents()) {
      if (!content.extend || content.entries.empty()) continue;
      const std::string header = "[" + content.section + "]";
      // Other names are rare enough to be searched for in full.
      if (content.section.find_first_of("[]\r\n") != npos) continue;
      firstAt_.emplace(header, npos);
      longest_ = std::max(longest_, header.size());
    }
    ForEachHeader(text, [&](std::string_view header, std::size_t at) {
      const auto wanted = firstAt_.find(std::string(header));
      if (wanted != firstAt_.end() && wanted->second == npos) wanted->second = at;
    });
  }

  // The first occurrence of the landmark kLandmarks[which].
  std::size_t FindLandmark(const std::string& text, int which) {
    const std::string_view landmark = kLandmarks[which];
    std::size_t& from = landmarkFrom_[which];
    const std::size_t found = component::Find(text, landmark, from);
    from = found != npos
               ? found
               : std::max(from, text.size() >= landmark.size() ? text.size() - landmark.size() + 1
                                                               : std::size_t{0});
    return found;
  }

  // The first occurrence of "[" section "]".
  std::size_t FindHeader(const std::string& text, const std::string& section) {
    const std::string header = "[" + section + "]";
    const auto known = firstAt_.find(header);
    if (known == firstAt_.end() || broughtByBlocks_.count(header)) {
      return component::Find(text, header);
    }
    std::size_t at = known->second;
    if (at == npos) return npos;
    for (const Shift& shift : shifts_) {
      if (at > shift.position) at = at - shift.removed + shift.inserted;
    }
    return at;
  }

  void Edited(const component::BlockEdit& edit) {
    for (std::size_t which = 0; which < kLandmarks.size(); ++which) {
      const std::size_t reach = kLandmarks[which].size() - 1;
      landmarkFrom_[which] =
          std::min(landmarkFrom_[which], edit.position > reach ? edit.position - reach : 0);
    }
    ForEachHeader(edit.inserted,
                  [&](std::string_view header, std::size_t) { broughtByBlocks_.emplace(header); });
    shifts_.push_back({edit.position, edit.removed, edit.inserted.size()});
  }

  static constexpr std::array<std::string_view, 2> kLandmarks{"\r\n[CONTROL]", "\r\n[AssignMap]"};

 private:
  // Calls found(header, position) for each "[...]" of up to the longest
  // wanted length.
  template <typename Found>
  void ForEachHeader(std::string_view text, Found found) const {
    if (longest_ == 0) return;
    for (std::size_t at = text.find('['); at != npos; at = text.find('[', at + 1)) {
      const std::size_t close = text.find_first_of("[]\r\n", at + 1);
      if (close == npos || text[close] != ']' || close - at + 1 > longest_) continue;
      found(text.substr(at, close - at + 1), at);
    }
  }

  std::unordered_map<std::string, std::size_t> firstAt_;
  std::unordered_set<std::string> broughtByBlocks_;
  std::size_t longest_ = 0;
  std::array<std::size_t, 2> landmarkFrom_{0, 0};
  // Where each edit was and how much it moved what lies behind it.
  struct Shift {
    std::size_t position;
    std::size_t removed;
    std::size_t inserted;
  };
  std::vector<Shift> shifts_;
};

// Adds the entries at the end of the existing section `section`, ahead of the
// header line that follows it; nothing when there is no such section or no
// header behind it.
bool ExtendSection(std::string& text, ContentsSearch& search, const std::string& section,
                   const Pairs& entries, const std::string& tag) {
  const std::size_t header = search.FindHeader(text, section);
  if (header == npos) return false;
  const std::size_t next = text.find("\r\n[", header + 1);
  if (next == npos) return false;
  const std::size_t eol = text.find("\r\n", next + 1);
  if (eol == npos) return false;
  const std::string anchor = text.substr(next, eol - next - 1);
  // The anchor is looked for from the next header on: an earlier header that
  // merely begins the same way must not receive the block.
  component::BlockEdit edit;
  if (!component::AddBlock(text, next, anchor, entries, component::HeaderMarker(tag),
                           component::FooterMarker(tag), &edit)) {
    return false;
  }
  search.Edited(edit);
  return true;
}

// ComponentAdd in place; true when it changed the text. Every placement
// changes it: a block brings lines that are not blank, an extension brings
// text that is not empty.
bool Place(std::string& text, const Component& component) {
  bool placed = false;
  ContentsSearch search(text, component);
  for (const Component::Content& content : component.Contents()) {
    if (content.entries.empty()) continue;
    Pairs entries = content.entries;
    ApplyFloatBarRule(entries);
    if (content.extend) {
      placed = ExtendSection(text, search, content.section, entries, content.tag) || placed;
      continue;
    }
    const int landmark = content.form ? 0 : 1;
    const std::size_t at = search.FindLandmark(text, landmark);
    if (at == npos) continue;
    component::BlockEdit edit;
    component::AddBlock(text, at, ContentsSearch::kLandmarks[landmark], entries,
                        component::HeaderMarker(content.tag) + "\r\n[" + content.section + "]",
                        component::FooterMarker(content.tag), &edit);
    search.Edited(edit);
    placed = true;
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
