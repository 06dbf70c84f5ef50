// Unified diffs of arbitrary text pairs: the diff applies strictly and gives
// the second text exactly, and only equal texts give the empty diff. The
// input splits into the two texts at its first NUL, or else in half.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/UnifiedDiff.h"
#include "support/ApplyUnifiedDiff.h"

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
  }
  return 0;
}
