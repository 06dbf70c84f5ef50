// Where two texts differ, cut apart by the long runs of lines they share in
// the same order. The diff searches each region on its own, so its tables
// grow with the changes and not with the texts: a few blocks added to a
// large configuration file cost a pass over it and little memory.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace formfit::lines {

// A part of each text, given by its bytes and the number of its first line.
struct Region {
  std::size_t beforeStart = 0;
  std::size_t beforeEnd = 0;
  std::size_t beforeLine = 0;
  std::size_t afterStart = 0;
  std::size_t afterEnd = 0;
  std::size_t afterLine = 0;
};

// Lines alike in both texts, in a row, that part two regions.
inline constexpr std::size_t kPartingLines = 64;

// The regions outside runs of at least `partingLines` equal lines, in order;
// together with those runs they cover both texts. Texts that share no such
// run are one region. Whatever the cut, the runs left out are equal, so a
// diff of the regions is a diff of the texts.
std::vector<Region> ChangedRegions(std::string_view before, std::string_view after,
                                   std::size_t partingLines = kPartingLines);

}  // namespace formfit::lines
