#include "base/ChangedRegions.h"

#include <cstdint>
#include <optional>
#include <unordered_map>

#include "base/TextLines.h"

namespace formfit::lines {

namespace {

// The first search for parting lines looks this many lines ahead, each next
// one twice as far. Beyond the last, the rest of the texts is one region:
// texts that differ that much are searched whole, as the diff always did.
constexpr std::size_t kFirstReach = 256;
constexpr std::size_t kLastReach = std::size_t{1} << 16;

// The lines of a text from a point on, their starts and hashes, gathered as
// far as the search has needed them.
class LinesAhead {
 public:
  LinesAhead(std::string_view text, std::size_t start) : text_(text), end_(start) {}

  // Gathers lines until `count` are known or the text ends; how many are.
  std::size_t Gather(std::size_t count) {
    while (starts_.size() < count && end_ < text_.size()) {
      const std::size_t length = LineLength(text_.substr(end_));
      starts_.push_back(end_);
      hashes_.push_back(HashLine(text_.substr(end_, length)));
      end_ += length;
    }
    return starts_.size();
  }

  bool AllGathered() const { return end_ == text_.size(); }

  // Where line `line` starts; the end of the gathered lines for the one
  // after them.
  std::size_t Start(std::size_t line) const {
    return line < starts_.size() ? starts_[line] : end_;
  }

  // The bytes of `count` lines from `line`.
  std::string_view Lines(std::size_t line, std::size_t count) const {
    return text_.substr(Start(line), Start(line + count) - Start(line));
  }

  // A hash of each run of `count` lines, by its first line.
  std::vector<std::uint64_t> RunHashes(std::size_t count) const {
    std::vector<std::uint64_t> runs;
    if (hashes_.size() < count) return runs;
    constexpr std::uint64_t kFactor = 0x100000001B3ull;
    std::uint64_t dropFactor = 1;  // kFactor to the power count - 1
    std::uint64_t run = 0;
    for (std::size_t i = 0; i < count; ++i) {
      run = run * kFactor + hashes_[i];
      if (i > 0) dropFactor *= kFactor;
    }
    runs.reserve(hashes_.size() - count + 1);
    runs.push_back(run);
    for (std::size_t i = count; i < hashes_.size(); ++i) {
      run = (run - hashes_[i - count] * dropFactor) * kFactor + hashes_[i];
      runs.push_back(run);
    }
    return runs;
  }

 private:
  std::string_view text_;
  std::size_t end_;
  std::vector<std::size_t> starts_;
  std::vector<std::uint32_t> hashes_;
};

// Where the parting lines begin, in lines from the search's start.
struct Parting {
  std::size_t before;
  std::size_t after;
};

// The run of `count` equal lines nearest the start of both, by the lines
// skipped on both sides together (the fewest changes before it), or none
// within the search's reach.
std::optional<Parting> FindParting(LinesAhead& before, LinesAhead& after, std::size_t count) {
  for (std::size_t reach = kFirstReach;; reach *= 2) {
    before.Gather(reach + count);
    after.Gather(reach + count);
    const std::vector<std::uint64_t> beforeRuns = before.RunHashes(count);
    const std::vector<std::uint64_t> afterRuns = after.RunHashes(count);
    std::unordered_map<std::uint64_t, std::size_t> firstInAfter;
    firstInAfter.reserve(afterRuns.size());
    for (std::size_t q = 0; q < afterRuns.size(); ++q) firstInAfter.emplace(afterRuns[q], q);
    std::optional<Parting> best;
    for (std::size_t p = 0; p < beforeRuns.size() && (!best || p < best->before + best->after);
         ++p) {
      const auto found = firstInAfter.find(beforeRuns[p]);
      if (found == firstInAfter.end()) continue;
      const std::size_t q = found->second;
      if ((!best || p + q < best->before + best->after) &&
          before.Lines(p, count) == after.Lines(q, count)) {
        best = Parting{p, q};
      }
    }
    // A run that starts beyond the reach on either side skips more lines.
    if (best && best->before + best->after <= reach) return best;
    if ((before.AllGathered() && after.AllGathered()) || reach >= kLastReach) return best;
  }
}

}  // namespace

std::vector<Region> ChangedRegions(std::string_view before, std::string_view after,
                                   std::size_t partingLines) {
  const std::size_t count = partingLines > 0 ? partingLines : 1;
  std::vector<Region> regions;
  Region next;  // where the next region starts
  while (next.beforeStart < before.size() || next.afterStart < after.size()) {
    LinesAhead beforeAhead(before, next.beforeStart);
    LinesAhead afterAhead(after, next.afterStart);
    const std::optional<Parting> parting = FindParting(beforeAhead, afterAhead, count);
    Region region = next;
    if (!parting) {
      region.beforeEnd = before.size();
      region.afterEnd = after.size();
      regions.push_back(region);
      break;
    }
    region.beforeEnd = beforeAhead.Start(parting->before);
    region.afterEnd = afterAhead.Start(parting->after);
    if (region.beforeEnd > region.beforeStart || region.afterEnd > region.afterStart) {
      regions.push_back(region);
    }
    // The equal lines, as far as they go on.
    next.beforeStart = region.beforeEnd;
    next.afterStart = region.afterEnd;
    next.beforeLine += parting->before;
    next.afterLine += parting->after;
    while (next.beforeStart < before.size()) {
      const std::string_view line =
          before.substr(next.beforeStart, LineLength(before.substr(next.beforeStart)));
      if (after.compare(next.afterStart, line.size(), line) != 0 ||
          (line.back() != '\n' && next.afterStart + line.size() != after.size())) {
        break;
      }
      next.beforeStart += line.size();
      next.afterStart += line.size();
      ++next.beforeLine;
      ++next.afterLine;
    }
  }
  return regions;
}

}  // namespace formfit::lines
