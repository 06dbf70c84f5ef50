#include "base/TextLines.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace formfit::lines {

namespace {

std::uint32_t Word(const char* bytes) {
  std::uint32_t word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

constexpr std::uint32_t kLowBits = 0x01010101u;
constexpr std::uint32_t kHighBits = 0x80808080u;
constexpr std::uint32_t kLineFeeds = 0x0A0A0A0Au;

// How many bytes the two texts share from their start; compared a block at a
// time, since the texts are mostly the same.
std::size_t CommonStart(std::string_view a, std::string_view b) {
  constexpr std::size_t kBlock = 4096;
  const std::size_t shorter = std::min(a.size(), b.size());
  std::size_t same = 0;
  while (same + kBlock <= shorter && std::memcmp(a.data() + same, b.data() + same, kBlock) == 0) {
    same += kBlock;
  }
  while (same < shorter && a[same] == b[same]) ++same;
  return same;
}

// How many bytes, at most `limit`, the two texts share at their end.
std::size_t CommonEnd(std::string_view a, std::string_view b, std::size_t limit) {
  constexpr std::size_t kBlock = 4096;
  const char* aEnd = a.data() + a.size();
  const char* bEnd = b.data() + b.size();
  std::size_t same = 0;
  while (same + kBlock <= limit &&
         std::memcmp(aEnd - same - kBlock, bEnd - same - kBlock, kBlock) == 0) {
    same += kBlock;
  }
  while (same < limit && aEnd[-1 - static_cast<std::ptrdiff_t>(same)] ==
                             bEnd[-1 - static_cast<std::ptrdiff_t>(same)]) {
    ++same;
  }
  return same;
}

}  // namespace

// The length of the line that starts `text`, with its LF. Lines are short
// and many: four bytes at a time are checked for an LF before any one is.
std::size_t LineLength(std::string_view text) {
  const char* const bytes = text.data();
  std::size_t at = 0;
  for (; at + 4 <= text.size(); at += 4) {
    const std::uint32_t x = Word(bytes + at) ^ kLineFeeds;
    if (((x - kLowBits) & ~x & kHighBits) != 0) break;
  }
  for (; at < text.size(); ++at) {
    if (bytes[at] == '\n') return at + 1;
  }
  return text.size();
}

std::size_t CountLines(std::string_view text) {
  const char* const bytes = text.data();
  std::size_t ends = 0;
  std::size_t at = 0;
  // Per byte of four, a 1 where the byte is an LF, summed in place until a
  // byte of the sum could overflow.
  constexpr std::size_t kRun = 255 * 4;
  for (; at + kRun <= text.size();) {
    std::uint32_t sums = 0;
    for (const std::size_t end = at + kRun; at < end; at += 4) {
      const std::uint32_t x = Word(bytes + at) ^ kLineFeeds;
      sums += (~(((x & ~kHighBits) + ~kHighBits) | x) & kHighBits) >> 7;
    }
    ends += (sums & 0xFF) + (sums >> 8 & 0xFF) + (sums >> 16 & 0xFF) + (sums >> 24);
  }
  for (; at < text.size(); ++at) ends += bytes[at] == '\n';
  return ends + (!text.empty() && text.back() != '\n' ? 1 : 0);
}

// About how many lines `text` has, judged by its start, with room to spare:
// counting them all would cost a pass over the text, and room that is never
// written is never brought into memory.
std::size_t ExpectedLines(std::string_view text) {
  constexpr std::size_t kStart = 1 << 16;
  if (text.size() <= kStart) return CountLines(text);
  return CountLines(text.substr(0, kStart)) * (text.size() / kStart + 1) * 5 / 4 + 64;
}

std::uint32_t HashLine(std::string_view line) {
  std::uint64_t hash = 0x9E3779B97F4A7C15ull ^ line.size();
  std::size_t at = 0;
  for (; at + 8 <= line.size(); at += 8) {
    std::uint64_t word;
    std::memcpy(&word, line.data() + at, 8);
    hash = (hash ^ word) * 0xFF51AFD7ED558CCDull;
    hash ^= hash >> 32;
  }
  std::uint64_t rest = 0;
  std::memcpy(&rest, line.data() + at, line.size() - at);
  hash = (hash ^ rest) * 0xC4CEB9FE1A85EC53ull;
  return static_cast<std::uint32_t>(hash ^ (hash >> 29));
}

bool StartsLine(std::string_view text, std::size_t position) {
  return position == 0 || text[position - 1] == '\n';
}

CommonLines FindCommonLines(std::string_view before, std::string_view after) {
  CommonLines common;
  const std::size_t start = CommonStart(before, after);
  // Both texts break lines at the same places within the common start.
  const std::size_t lastEnd = before.substr(0, start).rfind('\n');
  common.headBytes = lastEnd == std::string_view::npos ? 0 : lastEnd + 1;
  common.headLines = CountLines(before.substr(0, common.headBytes));

  const std::size_t room = std::min(before.size(), after.size()) - common.headBytes;
  const std::size_t end = CommonEnd(before, after, room);
  // Within the common end both texts start lines at the same places; at its
  // very start only where each text does so on its own.
  std::size_t tail = end;
  if (!StartsLine(before, before.size() - tail) || !StartsLine(after, after.size() - tail)) {
    const std::size_t firstEnd = before.find('\n', before.size() - tail);
    tail = firstEnd == std::string_view::npos ? 0 : before.size() - firstEnd - 1;
  }
  common.tailBytes = tail;
  common.tailLines = CountLines(before.substr(before.size() - tail));
  return common;
}

}  // namespace formfit::lines
