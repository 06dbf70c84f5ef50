#include <cstring>
#include <map>
#include <unordered_map>
#include <vector>

#include "engine/ComponentParts.h"
#include "engine/Formfit.h"

namespace formfit {

namespace {

constexpr std::size_t npos = std::string::npos;

std::string HeaderPattern(const std::string& tag) {
  return "\r\n" + component::HeaderMarker(tag) + "\r\n";
}
std::string FooterPattern(const std::string& tag) {
  return "\r\n" + component::FooterMarker(tag) + "\r\n";
}

// Cuts the block between the header and footer markers of `tag`, from the
// line end ahead of the header through the line end of the footer.
std::string RemoveMarkedBlock(std::string text, const std::string& tag) {
  return Formfit::BlockRemove(std::move(text), HeaderPattern(tag), FooterPattern(tag));
}

std::string RemoveContentBlocksOneByOne(std::string text, const Component& component) {
  for (const Component::Content& content : component.Contents()) {
    text = RemoveMarkedBlock(std::move(text), content.tag);
  }
  return text;
}

// The contents' blocks taken out as one BlockRemove after the other would,
// with every marker line of the text looked up once instead of searching the
// whole text for each block. The cuts are collected in the text's own
// positions and made in one pass at the end. A cut that could join two
// lines into a new marker line, which the lookup would not know, hands the
// work back to the one-by-one removal.
class ContentBlockCutter {
 public:
  explicit ContentBlockCutter(const std::string& text) : text_(text) {
    for (std::size_t at = text.find("\r\n; "); at != npos; at = text.find("\r\n; ", at + 2)) {
      const std::size_t eol = text.find_first_of("\r\n", at + 2);
      if (eol == npos || text.compare(eol, 2, "\r\n") != 0) continue;
      linesAt_[std::string_view(text).substr(at + 2, eol - at - 2)].push_back(at);
    }
  }

  // False when the cut cannot be made this way.
  bool Cut(const std::string& tag) {
    const std::string header = component::HeaderMarker(tag);
    const std::string footer = component::FooterMarker(tag);
    const std::size_t start = FirstWhole(header, 0);
    if (start == npos) return true;
    const std::size_t end = FirstWhole(footer, start + 1);
    if (end == npos) return true;
    Add(start, end + footer.size() + 4);
    return !JoinsIntoMarkerLine(start);
  }

  // Makes every cut in `text`, the text the cutter was made on, in place:
  // its buffer is kept for what is added next.
  void Apply(std::string& text) const {
    std::size_t kept = 0;
    std::size_t from = 0;
    auto keep = [&](std::size_t until) {
      std::memmove(text.data() + kept, text.data() + from, until - from);
      kept += until - from;
    };
    for (const auto& [start, end] : cuts_) {
      keep(start);
      from = end;
    }
    keep(text.size());
    text.resize(kept);
  }

 private:
  // The first occurrence at or after `from` of CR LF, `line`, CR LF that no
  // cut has touched.
  std::size_t FirstWhole(const std::string& line, std::size_t from) const {
    const auto found = linesAt_.find(line);
    if (found == linesAt_.end()) return npos;
    for (std::size_t at : found->second) {
      if (at >= from && !Touched(at, at + line.size() + 4)) return at;
    }
    return npos;
  }

  bool Touched(std::size_t start, std::size_t end) const {
    auto after = cuts_.lower_bound(end);
    if (after == cuts_.begin()) return false;
    return std::prev(after)->second > start;
  }

  // Records the cut [start, end), merging the cuts it covers or meets.
  void Add(std::size_t start, std::size_t end) {
    auto it = cuts_.lower_bound(start);
    if (it != cuts_.begin() && std::prev(it)->second >= start) --it;
    while (it != cuts_.end() && it->first <= end) {
      start = std::min(start, it->first);
      end = std::max(end, it->second);
      it = cuts_.erase(it);
    }
    cuts_.emplace(start, end);
  }

  // The text as it is after the cuts, byte by byte from `at` on.
  std::size_t NextKept(std::size_t at) const {
    auto cut = cuts_.upper_bound(at);
    if (cut != cuts_.begin() && std::prev(cut)->second > at) return std::prev(cut)->second;
    return at;
  }

  // True when the cut starting at `start` may have made a marker line that
  // was not there: the line it joins begins with "; ", or a CR before it
  // meets an LF behind it.
  bool JoinsIntoMarkerLine(std::size_t start) const {
    // The cut that holds `start`, merged with its neighbours.
    const auto cut = std::prev(cuts_.upper_bound(start));
    std::size_t lineStart = cut->first;
    while (lineStart > 0 && text_[lineStart - 1] != '\n') {
      --lineStart;
      if (Touched(lineStart, lineStart + 1)) return true;
    }
    if (cut->first > 0 && text_[cut->first - 1] == '\r') return true;
    std::string first;
    for (std::size_t at = NextKept(lineStart); at < text_.size() && first.size() < 2;
         at = NextKept(at + 1)) {
      first += text_[at];
    }
    return first == "; ";
  }

  const std::string& text_;
  std::unordered_map<std::string_view, std::vector<std::size_t>> linesAt_;
  std::map<std::size_t, std::size_t> cuts_;
};

bool PlainTags(const Component& component) {
  for (const Component::Content& content : component.Contents()) {
    if (content.tag.find_first_of("\r\n") != npos) return false;
  }
  return true;
}

std::string RemoveContentBlocks(std::string text, const Component& component) {
  if (!PlainTags(component)) return RemoveContentBlocksOneByOne(std::move(text), component);
  {
    ContentBlockCutter cutter(text);
    for (const Component::Content& content : component.Contents()) {
      if (!cutter.Cut(content.tag)) return RemoveContentBlocksOneByOne(std::move(text), component);
    }
    cutter.Apply(text);
  }
  return text;
}

}  // namespace

std::string Formfit::ComponentRemove(std::string text, const Component& component) {
  text = RemoveContentBlocks(std::move(text), component);
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
