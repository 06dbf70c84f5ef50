#include "base/UnifiedDiff.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <deque>
#include <vector>

#include "base/ChangedRegions.h"
#include "base/SequenceDiff.h"
#include "base/TextLines.h"

namespace formfit {

namespace {

using lines::ChangedRegions;
using lines::CommonLines;
using lines::HashLine;
using lines::Region;
using lines::ExpectedLines;
using lines::FindCommonLines;
using lines::LineLength;

// Where every kMarkEvery-th line of a region starts, so that the hunks can
// reach a line without walking all the lines before it.
constexpr std::size_t kMarkEvery = 64;

// A region's lines as ids, and its marks.
struct NumberedLines {
  std::vector<int> ids;
  std::vector<std::size_t> marks;  // the start of line k * kMarkEvery

  void Add(int id, std::size_t start) {
    if (ids.size() % kMarkEvery == 0) marks.push_back(start);
    ids.push_back(id);
  }
};

// The lines of a region of each text, as ids: equal lines, the same id.
// Ids count up from 0.
class LineIds {
 public:
  // Every line of `before` gets its id by its bytes. Texts repeat runs of
  // lines: the line that followed the last occurrence of its predecessor,
  // checked by its bytes, spares most lines the look-up.
  NumberedLines Before(std::string_view before) {
    NumberedLines lines;
    lines.ids.reserve(ExpectedLines(before));
    for (std::size_t start = 0; start < before.size();) {
      const std::string_view line = before.substr(start, LineLength(before.substr(start)));
      Entry* previous =
          lines.ids.empty() ? nullptr : &entries_[static_cast<std::size_t>(lines.ids.back())];
      int id = previous ? previous->follower : -1;
      if (id < 0 || entries_[static_cast<std::size_t>(id)].line != line) {
        id = Id(line, static_cast<int>(lines.ids.size()));
        // The look-up may have added an entry, which leaves the others where
        // they are.
        if (previous) previous->follower = id;
      }
      lines.Add(id, start);
      start += line.size();
    }
    return lines;
  }

  // The lines of `after` mostly run on as those of `before` do: a line equal
  // to the one after its predecessor's match takes that line's id, checked
  // by its bytes, and only the others are looked up. `beforeIds` are the ids
  // Before gave `before`.
  NumberedLines After(std::string_view after, std::string_view before,
                      const std::vector<int>& beforeIds) {
    NumberedLines lines;
    lines.ids.reserve(ExpectedLines(after));
    // The line of `before` that would come next, and its start.
    std::size_t next = 0;
    std::size_t nextStart = 0;
    for (std::size_t start = 0; start < after.size();) {
      const std::string_view line = after.substr(start, LineLength(after.substr(start)));
      if (Continues(before, nextStart, line)) {
        lines.Add(beforeIds[next++], start);
        nextStart += line.size();
      } else {
        const int id = Id(line, -1);
        lines.Add(id, start);
        // A line that `before` lacks leaves the expectation as it was.
        const Entry& entry = entries_[static_cast<std::size_t>(id)];
        if (entry.beforeLine >= 0) {
          next = static_cast<std::size_t>(entry.beforeLine) + 1;
          nextStart = static_cast<std::size_t>(entry.line.data() - before.data()) + line.size();
        }
      }
      start += line.size();
    }
    return lines;
  }

 private:
  struct Entry {
    std::string_view line;  // where the line was first seen
    std::uint32_t hash;
    int beforeLine;     // its line in `before`, or -1 when first seen in `after`
    int follower = -1;  // the id of the line after its last occurrence in `before`
  };

  // True when the line of `text` at `start` is `line`: the same bytes, and
  // ending there.
  static bool Continues(std::string_view text, std::size_t start, std::string_view line) {
    return text.compare(start, line.size(), line) == 0 &&
           (line.back() == '\n' || start + line.size() == text.size());
  }

  // The id of `line`, a new one for a line not seen yet, which `before`
  // has at `beforeLine` (or -1).
  int Id(std::string_view line, int beforeLine) {
    const std::uint32_t hash = HashLine(line);
    if (2 * (entries_.size() + 1) > slots_.size()) Grow();
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
      const std::uint32_t taken = slots_[slot];
      if (taken == 0) {
        slots_[slot] = static_cast<std::uint32_t>(entries_.size() + 1);
        entries_.push_back({line, hash, beforeLine});
        return static_cast<int>(entries_.size() - 1);
      }
      const Entry& entry = entries_[taken - 1];
      if (entry.hash == hash && entry.line == line) return static_cast<int>(taken - 1);
    }
  }

  void Grow() {
    std::vector<std::uint32_t> slots(std::max<std::size_t>(1024, 2 * slots_.size()), 0);
    const std::size_t mask = slots.size() - 1;
    for (std::size_t id = 0; id < entries_.size(); ++id) {
      std::size_t slot = entries_[id].hash & mask;
      while (slots[slot] != 0) slot = (slot + 1) & mask;
      slots[slot] = static_cast<std::uint32_t>(id + 1);
    }
    slots_ = std::move(slots);
  }

  std::vector<std::uint32_t> slots_;  // an entry's index + 1, or 0 when free
  // By id; growing in pieces, so that no entry is ever copied.
  std::deque<Entry> entries_;
};

// A run of deleted lines and the inserted lines in their place.
struct Change {
  std::size_t before;  // first line of the run in each text
  std::size_t after;
  std::size_t deleted;
  std::size_t inserted;
};

// The runs of changed lines of a region, numbered as lines of the whole
// texts: the region's first lines are `before` and `after`.
void AppendChanges(const SequenceChanges& lines, std::size_t before, std::size_t after,
                   std::vector<Change>& changes) {
  const std::size_t n = lines.deleted.size();
  const std::size_t m = lines.inserted.size();
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < n || j < m) {
    if ((i < n && lines.deleted[i]) || (j < m && lines.inserted[j])) {
      Change change{i, j, 0, 0};
      while (i < n && lines.deleted[i]) ++i;
      while (j < m && lines.inserted[j]) ++j;
      change.deleted = i - change.before;
      change.inserted = j - change.after;
      change.before += before;
      change.after += after;
      changes.push_back(change);
    } else {
      // Unchanged lines pair up in order.
      ++i;
      ++j;
    }
  }
}

// A line whose number and start are known.
struct Landmark {
  std::size_t line;
  std::size_t start;
};

// A region's first line, whose number and start are `line` and `start`
// (also where the region has no line of this text), and every
// kMarkEvery-th line after it.
void AddLandmarks(std::size_t line, std::size_t start, const std::vector<std::size_t>& marks,
                  std::vector<Landmark>& landmarks) {
  landmarks.push_back({line, start});
  for (std::size_t k = 1; k < marks.size(); ++k) {
    landmarks.push_back({line + k * kMarkEvery, start + marks[k]});
  }
}

// Walks a text's lines from one whose number and start are known, without
// an index of them all: hunks visit few lines, in order. Landmarks, in the
// order of their lines, let it leap over the lines between hunks.
class LineCursor {
 public:
  LineCursor(std::string_view text, const std::vector<Landmark>& landmarks)
      : text_(text), landmarks_(landmarks), line_(landmarks.front().line),
        start_(landmarks.front().start) {}

  void MoveTo(std::size_t line) {
    if (line > line_) {
      const auto after = std::upper_bound(
          landmarks_.begin(), landmarks_.end(), line,
          [](std::size_t wanted, const Landmark& landmark) { return wanted < landmark.line; });
      const Landmark& nearest = *(after - 1);
      if (nearest.line > line_) {
        line_ = nearest.line;
        start_ = nearest.start;
      }
    }
    for (; line_ < line; ++line_) start_ += LineLength(text_.substr(start_));
    for (; line_ > line; --line_) {
      const std::size_t previousEnd =
          start_ < 2 ? std::string_view::npos : text_.rfind('\n', start_ - 2);
      start_ = previousEnd == std::string_view::npos ? 0 : previousEnd + 1;
    }
  }

  // The line at the cursor; the cursor moves on to the next.
  std::string_view Take() {
    const std::string_view line = text_.substr(start_, LineLength(text_.substr(start_)));
    start_ += line.size();
    ++line_;
    return line;
  }

 private:
  std::string_view text_;
  const std::vector<Landmark>& landmarks_;
  std::size_t line_;
  std::size_t start_;
};

// A hunk head's range: "l,s", "l" for one line, and for no lines the line
// before them with ",0".
void AppendRange(std::string& out, std::size_t first, std::size_t count) {
  if (count == 0) {
    out += std::to_string(first) + ",0";
  } else if (count == 1) {
    out += std::to_string(first + 1);
  } else {
    out += std::to_string(first + 1) + "," + std::to_string(count);
  }
}

void AppendLine(std::string& out, char mark, std::string_view line) {
  out += mark;
  out.append(line);
  if (line.empty() || line.back() != '\n') out += "\n\\ No newline at end of file\n";
}

}  // namespace

std::string UnifiedDiff(std::string_view before, std::string_view after,
                        std::string_view beforeName, std::string_view afterName, int context) {
  return UnifiedDiff(before, after, beforeName, afterName, context, lines::kPartingLines);
}

std::string UnifiedDiff(std::string_view before, std::string_view after,
                        std::string_view beforeName, std::string_view afterName, int context,
                        std::size_t partingLines) {
  if (before == after) return {};
  const std::size_t around = static_cast<std::size_t>(std::max(context, 0));
  // Only the lines between the common start and end, and there only those
  // of the regions that differ, are numbered and searched: a small change
  // to a large text costs little more than comparing the two.
  const CommonLines common = FindCommonLines(before, after);
  const std::string_view beforeMiddle =
      before.substr(common.headBytes, before.size() - common.headBytes - common.tailBytes);
  const std::string_view afterMiddle =
      after.substr(common.headBytes, after.size() - common.headBytes - common.tailBytes);
  std::vector<Change> changes;
  std::vector<Landmark> beforeLandmarks{{common.headLines, common.headBytes}};
  std::vector<Landmark> afterLandmarks{{common.headLines, common.headBytes}};
  for (const Region& region : ChangedRegions(beforeMiddle, afterMiddle, partingLines)) {
    const std::string_view beforePart =
        beforeMiddle.substr(region.beforeStart, region.beforeEnd - region.beforeStart);
    const std::string_view afterPart =
        afterMiddle.substr(region.afterStart, region.afterEnd - region.afterStart);
    NumberedLines beforeLines;
    NumberedLines afterLines;
    {
      // The lines' table goes before the search begins.
      LineIds ids;
      beforeLines = ids.Before(beforePart);
      afterLines = ids.After(afterPart, beforePart, beforeLines.ids);
    }
    const std::size_t beforeFirst = common.headLines + region.beforeLine;
    const std::size_t afterFirst = common.headLines + region.afterLine;
    AddLandmarks(beforeFirst, common.headBytes + region.beforeStart, beforeLines.marks,
                 beforeLandmarks);
    AddLandmarks(afterFirst, common.headBytes + region.afterStart, afterLines.marks,
                 afterLandmarks);
    AppendChanges(DiffSequences(std::move(beforeLines.ids), std::move(afterLines.ids)),
                  beforeFirst, afterFirst, changes);
  }
  const std::size_t beforeCount =
      common.headLines + lines::CountLines(beforeMiddle) + common.tailLines;

  std::string out;
  out += "--- ";
  out.append(beforeName);
  out += "\n+++ ";
  out.append(afterName);
  out += '\n';
  LineCursor a(before, beforeLandmarks);
  LineCursor b(after, afterLandmarks);
  for (std::size_t first = 0; first < changes.size();) {
    // Changes whose context would touch or overlap share one hunk.
    std::size_t last = first;
    while (last + 1 < changes.size() &&
           changes[last + 1].before - (changes[last].before + changes[last].deleted) <=
               2 * around) {
      ++last;
    }
    const Change& head = changes[first];
    const Change& tail = changes[last];
    const std::size_t leading = std::min(around, head.before);
    const std::size_t trailing = std::min(around, beforeCount - (tail.before + tail.deleted));
    const std::size_t aStart = head.before - leading;
    const std::size_t bStart = head.after - leading;
    const std::size_t aEnd = tail.before + tail.deleted + trailing;
    const std::size_t bEnd = tail.after + tail.inserted + trailing;

    out += "@@ -";
    AppendRange(out, aStart, aEnd - aStart);
    out += " +";
    AppendRange(out, bStart, bEnd - bStart);
    out += " @@\n";
    a.MoveTo(aStart);
    std::size_t i = aStart;
    for (std::size_t c = first; c <= last; ++c) {
      const Change& change = changes[c];
      for (; i < change.before; ++i) AppendLine(out, ' ', a.Take());
      for (std::size_t k = 0; k < change.deleted; ++k, ++i) AppendLine(out, '-', a.Take());
      b.MoveTo(change.after);
      for (std::size_t k = 0; k < change.inserted; ++k) AppendLine(out, '+', b.Take());
    }
    for (; i < aEnd; ++i) AppendLine(out, ' ', a.Take());
    first = last + 1;
  }
  return out;
}

}  // namespace formfit
