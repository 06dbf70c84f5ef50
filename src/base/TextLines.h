// The line arithmetic of the unified diff: line lengths and counts found a
// word at a time, and the whole lines two texts share at their start and
// end. Lines end at LF (a CR before it belongs to the line).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace formfit::lines {

// The length of the line that starts `text`, with its LF.
std::size_t LineLength(std::string_view text);

// The number of lines in `text`; a last line without LF counts.
std::size_t CountLines(std::string_view text);

// About how many lines `text` has, judged by its start, with room to spare.
std::size_t ExpectedLines(std::string_view text);

// A hash of a line's bytes, for finding equal lines quickly.
std::uint32_t HashLine(std::string_view line);

// True when `position` is the start of a line of `text`.
bool StartsLine(std::string_view text, std::size_t position);

// The lines both texts begin and end with: whole lines, the same in both,
// and none counted at both ends.
struct CommonLines {
  std::size_t headBytes = 0;
  std::size_t headLines = 0;
  std::size_t tailBytes = 0;
  std::size_t tailLines = 0;
};

CommonLines FindCommonLines(std::string_view before, std::string_view after);

}  // namespace formfit::lines
