#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

#include "engine/ComponentParts.h"
#include "engine/Formfit.h"

namespace formfit {

namespace {

constexpr std::size_t npos = std::string::npos;
constexpr std::string_view kCrLf = "\r\n";

std::string BlockLines(const Pairs& entries, std::optional<std::string_view> header,
                       std::optional<std::string_view> footer) {
  std::size_t size = 4 + (header ? header->size() + 2 : 0) + (footer ? footer->size() + 2 : 0);
  for (const Pair& entry : entries) size += entry.key.size() + entry.value.size() + 3;
  std::string block;
  block.reserve(size);
  block += kCrLf;
  if (header) block.append(*header).append(kCrLf);
  for (const Pair& entry : entries) {
    block.append(entry.key).append(1, '=').append(entry.value).append(kCrLf);
  }
  if (footer) block.append(*footer).append(kCrLf);
  block += kCrLf;
  return block;
}

// Positions (0-based) of the start text and of the first end text after it.
struct Range {
  std::size_t start;
  std::size_t end;
};

std::optional<Range> FindRange(std::string_view text, std::string_view start,
                               std::string_view end) {
  const std::size_t s = component::Find(text, start);
  if (s == npos) return std::nullopt;
  const std::size_t e = component::Find(text, end, s + 1);
  if (e == npos) return std::nullopt;
  return Range{s, e};
}

bool IsNamePart(char c) {
  const auto b = static_cast<unsigned char>(c);
  return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == '_' ||
         b >= 0x80;
}

// Where BlockExtend put `appended` in a key line's value part. It went to the
// end of the line, so the last occurrence is taken (the key and older
// elements stay whole); an occurrence that ends inside a longer name is
// someone else's element (",Grid" in ",GridEx") and is passed over.
std::size_t FindAppended(std::string_view value, std::string_view appended) {
  const bool endsInName = IsNamePart(appended.back());
  for (std::size_t from = value.size();;) {
    const std::size_t f = value.rfind(appended, from);
    if (f == npos) return npos;
    const std::size_t after = f + appended.size();
    if (!endsInName || after == value.size() || !IsNamePart(value[after])) return f;
    if (f == 0) return npos;
    from = f - 1;
  }
}

bool IsExtension(const Pair& entry) { return !entry.value.empty() && entry.value[0] == '+'; }

// The frame BlockExtend and BlockReduce share. `editLine(text, p, eol, entry)`
// changes the key line that starts behind the CR LF at `p` and ends at `eol`
// and says whether it changed it. True when some line changed. The lines are
// edited in place: the parts lie near the end of the file, so an edit moves
// little, and the text is never held twice.
template <typename EditLine>
bool EditKeyLines(std::string& text, std::string_view start, std::string_view end, Pairs& entries,
                  EditLine editLine) {
  const std::optional<Range> range = FindRange(text, start, end);
  if (!range) return false;

  bool changed = false;
  std::vector<bool> done(entries.size(), false);
  for (std::size_t i = entries.size(); i-- > 0;) {
    Pair& entry = entries[i];
    if (!IsExtension(entry)) continue;
    const std::string keyLine = std::string(kCrLf) + entry.key + "=";
    const std::size_t p = component::Find(text, keyLine, range->start + 1);
    if (p == npos || p > range->end) {
      entry.value.erase(0, 1);
      continue;
    }
    std::size_t eol = text.find(kCrLf, p + 3);
    if (eol == npos) eol = text.size();
    changed = editLine(text, p, eol, entry) || changed;
    done[i] = true;
  }

  std::size_t kept = 0;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (done[i]) continue;
    if (kept != i) entries[kept] = std::move(entries[i]);
    ++kept;
  }
  entries.resize(kept);
  return changed;
}

bool AppendToLine(std::string& text, std::size_t, std::size_t eol, const Pair& entry) {
  text.insert(eol, entry.value, 1);
  return entry.value.size() > 1;
}

bool TakeFromLine(std::string& text, std::size_t p, std::size_t eol, const Pair& entry) {
  const std::string_view appended = std::string_view(entry.value).substr(1);
  if (appended.empty()) return false;
  const std::size_t valueStart = p + 2 + entry.key.size() + 1;
  if (eol < valueStart) return false;  // a key with a line end in it
  const std::size_t f =
      FindAppended(std::string_view(text).substr(valueStart, eol - valueStart), appended);
  if (f == npos) return false;
  text.erase(valueStart + f, appended.size());
  return true;
}

}  // namespace

namespace component {

bool AddBlock(std::string& text, std::size_t from, std::string_view anchor, const Pairs& entries,
              std::optional<std::string_view> header, std::optional<std::string_view> footer,
              BlockEdit* edit) {
  const std::size_t q = Find(text, anchor, from);
  if (q == npos) return false;
  // Walk back over the blank lines ahead of the anchor, keeping the line end
  // of the last non-blank line.
  std::size_t p = q;
  while (p >= 4 && text.compare(p - 4, 4, "\r\n\r\n") == 0) p -= 2;
  const std::string block = BlockLines(entries, header, footer);
  text.replace(p, q - p, block);
  if (edit) *edit = {p, q - p, std::string_view(text).substr(p, block.size())};
  return true;
}

bool ExtendKeyLines(std::string& text, std::string_view start, std::string_view end,
                    Pairs& entries) {
  return EditKeyLines(text, start, end, entries, AppendToLine);
}

}  // namespace component

std::string Formfit::BlockAdd(std::string text, std::string_view anchor, const Pairs& entries,
                              std::optional<std::string_view> header,
                              std::optional<std::string_view> footer) {
  component::AddBlock(text, 0, anchor, entries, header, footer);
  return text;
}

std::string Formfit::BlockRemove(std::string text, std::string_view start, std::string_view end) {
  const std::optional<Range> range = FindRange(text, start, end);
  if (range) text.erase(range->start, range->end + end.size() - range->start);
  return text;
}

std::string Formfit::BlockExtend(std::string text, std::string_view start, std::string_view end,
                                 Pairs& entries) {
  component::ExtendKeyLines(text, start, end, entries);
  return text;
}

std::string Formfit::BlockReduce(std::string text, std::string_view start, std::string_view end,
                                 Pairs& entries) {
  EditKeyLines(text, start, end, entries, TakeFromLine);
  return text;
}

}  // namespace formfit
