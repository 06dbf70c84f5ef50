// Two texts' difference as a unified diff, the form patch tools apply.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace formfit {

// The unified diff of two texts (three lines of context by default), or the empty string when
// they are equal. Lines end after each LF; every other byte, CR included, belongs to its line,
// so CR LF files keep their CR LF in the diff's lines. The diff's own lines (headers, hunk heads,
// the no-newline marker) end with LF.
std::string UnifiedDiff(std::string_view before, std::string_view after,
                        std::string_view beforeName, std::string_view afterName, int context = 3);

// The same, searching apart the regions that `partingLines` equal lines in a row part. Regions
// searched together may place a change that fits two places (a blank line before or after an
// added block) on the other side of it; the diff is as short either way.
std::string UnifiedDiff(std::string_view before, std::string_view after,
                        std::string_view beforeName, std::string_view afterName, int context,
                        std::size_t partingLines);

}  // namespace formfit
