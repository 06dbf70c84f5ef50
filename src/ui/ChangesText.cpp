#include "ui/ChangesText.h"

#include <algorithm>
#include <string_view>

#include "ui/TextNumbers.h"

namespace formfit {

namespace {

constexpr char kCrLf[] = "\r\n";

}  // namespace

std::string ChangesText(const PreviewResult& preview, const SummaryTexts& texts,
                        std::size_t shownBytes) {
  const std::string& diff = preview.diff;
  if (diff.empty()) {
    std::string sentence = texts(text::kNoChanges, "Fertigstellen würde DEDUDED.INF nicht ändern.");
    const std::optional<StatusLabel>& status = preview.result.status;
    if (!preview.result.ok && status) sentence += std::string(kCrLf) + kCrLf + status->description;
    return sentence;
  }
  std::string shown;
  // Room for the lines shown and the sentence after them.
  shown.reserve(std::min(diff.size() + diff.size() / 16, shownBytes) + 256);
  std::size_t at = 0;
  while (at < diff.size()) {
    const std::size_t end = std::min(diff.find('\n', at), diff.size());
    std::string_view line(diff.data() + at, end - at);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (shown.size() + line.size() + 2 > shownBytes) break;
    const std::size_t start = shown.size();
    shown.append(line);
    std::replace(shown.begin() + static_cast<std::ptrdiff_t>(start), shown.end(), '\0', '?');
    shown += kCrLf;
    at = end + 1;
  }
  if (at < diff.size()) {
    std::size_t left = static_cast<std::size_t>(
        std::count(diff.begin() + static_cast<std::ptrdiff_t>(at), diff.end(), '\n'));
    if (diff.back() != '\n') ++left;
    shown += kCrLf + texts(text::kChangesCutBefore, "Die übrigen") + " " + std::to_string(left) +
             " " +
             texts(text::kChangesCutAfter,
                   "Zeilen sind zu viele für dieses Fenster und werden nicht gezeigt.") +
             kCrLf;
  }
  return shown;
}

}  // namespace formfit
