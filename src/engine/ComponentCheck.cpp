#include <algorithm>
#include <cstddef>
#include <map>
#include <string_view>
#include <utility>

#include "engine/Formfit.h"
#include "engine/Plan.h"

namespace formfit {

namespace {

constexpr std::size_t npos = std::string_view::npos;
constexpr std::string_view kCrLf = "\r\n";

using Lines = std::map<std::string_view, std::size_t>;

bool Blank(std::string_view line) { return line.find_first_not_of(" \t") == npos; }

// The lines of `before` that `after` lacks, each as often as it is missing,
// blank lines left out. The two texts share most of their lines at either
// end; those cancel out, so only the lines between them are counted.
Lines LinesTakenOut(std::string_view before, std::string_view after) {
  const std::size_t shared = static_cast<std::size_t>(
      std::mismatch(before.begin(), before.end(), after.begin(), after.end()).first -
      before.begin());
  // Back to the end of the last whole line both begin with.
  const std::size_t lastEnd = shared < kCrLf.size() ? npos : before.rfind(kCrLf, shared - 2);
  const std::size_t start = lastEnd == npos ? 0 : lastEnd + kCrLf.size();
  before.remove_prefix(start);
  after.remove_prefix(start);

  const std::size_t sharedEnd = static_cast<std::size_t>(
      std::mismatch(before.rbegin(), before.rend(), after.rbegin(), after.rend()).first -
      before.rbegin());
  // On to the first line that both end with whole, from a line end they share.
  const std::size_t firstEnd = before.find(kCrLf, before.size() - sharedEnd);
  if (firstEnd != npos) {
    const std::size_t tail = before.size() - firstEnd - kCrLf.size();
    before.remove_suffix(tail);
    after.remove_suffix(tail);
  }

  Lines lines;
  const auto each = [](std::string_view text, auto&& take) {
    for (std::size_t at = 0; at <= text.size();) {
      const std::size_t end = std::min(text.find(kCrLf, at), text.size());
      const std::string_view line = text.substr(at, end - at);
      if (!Blank(line)) take(line);
      at = end + kCrLf.size();
    }
  };
  each(before, [&](std::string_view line) { ++lines[line]; });
  each(after, [&](std::string_view line) {
    const auto found = lines.find(line);
    if (found != lines.end() && --found->second == 0) lines.erase(found);
  });
  return lines;
}

}  // namespace

Inspection Inspect(const std::string& text, const Component& component) {
  const std::string removed = Formfit::ComponentRemove(text, component);
  std::string added = Formfit::ComponentAdd(removed, component);
  if (added == removed) return {Formfit::Finding::kNotPlaced, std::move(added)};
  if (removed == text) return {Formfit::Finding::kNotInstalled, std::move(added)};
  // Compared by lines, not bytes: adding after a remove may stand a block
  // one blank line apart from where an earlier add stood it.
  const std::string removedAgain = Formfit::ComponentRemove(added, component);
  const Formfit::Finding finding =
      LinesTakenOut(text, removed) == LinesTakenOut(added, removedAgain)
          ? Formfit::Finding::kInstalled
          : Formfit::Finding::kInPart;
  return {finding, std::move(added)};
}

Formfit::Finding Formfit::ComponentCheck(const std::string& text, const Component& component) {
  return Inspect(text, component).finding;
}

}  // namespace formfit
