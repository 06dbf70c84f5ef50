// Unified diffs of arbitrary text pairs: the diff applies strictly and gives
// the second text exactly, also searched in regions parted by single lines,
// and only equal texts give the empty diff; the window of the changes shows
// the diff's lines whole, each ended by CR LF, and of a long one a beginning
// of them. The input splits into the two texts at its first NUL, or else in
// half.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/UnifiedDiff.h"
#include "support/ApplyUnifiedDiff.h"
#include "ui/ChangesText.h"

namespace {

std::string Texts(unsigned, std::string_view german) { return std::string(german); }

// The text with each CR LF made LF and each NUL "?", as the window compares.
std::string Compared(std::string_view text) {
  std::string compared;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    compared += text[i] == '\0' ? '?' : text[i];
  }
  return compared;
}

// The window's text for `diff`: whole, then held to a few lines.
void CheckShown(const std::string& diff) {
  formfit::PreviewResult preview;
  preview.result.ok = true;
  preview.diff = diff;
  const std::string whole = formfit::ChangesText(preview, Texts);
  if (diff.empty()) return;
  if (whole.find('\0') != std::string::npos || Compared(whole) != Compared(diff)) std::abort();
  for (std::size_t lf = whole.find('\n'); lf != std::string::npos; lf = whole.find('\n', lf + 1)) {
    if (lf == 0 || whole[lf - 1] != '\r') std::abort();
  }
  const std::string cut = formfit::ChangesText(preview, Texts, 64);
  // The lines shown, without the sentence after them and its blank line.
  const std::size_t note = cut.rfind("Die übrigen ");
  const std::string lines = note == std::string::npos ? cut : cut.substr(0, note - 2);
  if (whole.compare(0, lines.size(), lines) != 0 || lines.size() > 64) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t nul = input.find('\0');
  const std::size_t split = nul == std::string_view::npos ? size / 2 : nul;
  const std::string_view before = input.substr(0, split);
  const std::string_view after = input.substr(nul == std::string_view::npos ? split : split + 1);

  if (!formfit::UnifiedDiff(before, before, "a", "a").empty()) std::abort();
  for (int context : {0, 3}) {
    const std::string diff = formfit::UnifiedDiff(before, after, "before", "after", context);
    if (diff.empty() != (before == after)) std::abort();
    const auto applied = formfit::test::ApplyUnifiedDiff(before, diff);
    if (!applied || *applied != after) std::abort();
    CheckShown(diff);
    // Regions parted by every equal line: the cut between them is exercised
    // on texts far smaller than the files it is made for.
    const std::string parted = formfit::UnifiedDiff(before, after, "before", "after", context, 1);
    const auto partedApplied = formfit::test::ApplyUnifiedDiff(before, parted);
    if (!partedApplied || *partedApplied != after) std::abort();
  }
  return 0;
}
