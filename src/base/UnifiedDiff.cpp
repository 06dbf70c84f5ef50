#include "base/UnifiedDiff.h"

#include <algorithm>
#include <cstddef>
#include <unordered_map>
#include <vector>

#include "base/SequenceDiff.h"

namespace formfit {

namespace {

using Lines = std::vector<std::string_view>;

// The lines of a text, each with its LF; the last one may lack it.
Lines SplitLines(std::string_view text) {
  Lines lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    end = end == std::string_view::npos ? text.size() : end + 1;
    lines.push_back(text.substr(start, end - start));
    start = end;
  }
  return lines;
}

// Per line of each text: deleted from the first, inserted into the second.
struct LineChanges {
  std::vector<bool> deleted;
  std::vector<bool> inserted;
};

LineChanges CompareLines(const Lines& before, const Lines& after) {
  // The common start and end cost one comparison per line; only the lines
  // between them are numbered and searched.
  std::size_t head = 0;
  const std::size_t shorter = std::min(before.size(), after.size());
  while (head < shorter && before[head] == after[head]) ++head;
  std::size_t tail = 0;
  while (tail < shorter - head &&
         before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
    ++tail;
  }

  std::unordered_map<std::string_view, int> ids;
  auto number = [&](const Lines& lines) {
    std::vector<int> numbered;
    numbered.reserve(lines.size() - head - tail);
    for (std::size_t i = head; i < lines.size() - tail; ++i) {
      numbered.push_back(ids.emplace(lines[i], static_cast<int>(ids.size())).first->second);
    }
    return numbered;
  };
  const std::vector<int> a = number(before);
  const std::vector<int> b = number(after);
  const SequenceChanges middle = DiffSequences(a, b);

  LineChanges changes{std::vector<bool>(before.size(), false),
                      std::vector<bool>(after.size(), false)};
  std::copy(middle.deleted.begin(), middle.deleted.end(), changes.deleted.begin() + head);
  std::copy(middle.inserted.begin(), middle.inserted.end(), changes.inserted.begin() + head);
  return changes;
}

// A run of deleted lines and the inserted lines in their place.
struct Change {
  std::size_t before;  // first line of the run in each text
  std::size_t after;
  std::size_t deleted;
  std::size_t inserted;
};

std::vector<Change> Changes(const LineChanges& lines) {
  std::vector<Change> changes;
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
      changes.push_back(change);
    } else {
      // Unchanged lines pair up in order.
      ++i;
      ++j;
    }
  }
  return changes;
}

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
  if (before == after) return {};
  const std::size_t around = static_cast<std::size_t>(std::max(context, 0));
  const Lines a = SplitLines(before);
  const Lines b = SplitLines(after);
  const std::vector<Change> changes = Changes(CompareLines(a, b));

  std::string out;
  out += "--- ";
  out.append(beforeName);
  out += "\n+++ ";
  out.append(afterName);
  out += '\n';
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
    const std::size_t trailing = std::min(around, a.size() - (tail.before + tail.deleted));
    const std::size_t aStart = head.before - leading;
    const std::size_t bStart = head.after - leading;
    const std::size_t aEnd = tail.before + tail.deleted + trailing;
    const std::size_t bEnd = tail.after + tail.inserted + trailing;

    out += "@@ -";
    AppendRange(out, aStart, aEnd - aStart);
    out += " +";
    AppendRange(out, bStart, bEnd - bStart);
    out += " @@\n";
    std::size_t i = aStart;
    for (std::size_t c = first; c <= last; ++c) {
      const Change& change = changes[c];
      for (; i < change.before; ++i) AppendLine(out, ' ', a[i]);
      for (std::size_t k = 0; k < change.deleted; ++k) AppendLine(out, '-', a[i++]);
      for (std::size_t k = 0; k < change.inserted; ++k) AppendLine(out, '+', b[change.after + k]);
    }
    for (; i < aEnd; ++i) AppendLine(out, ' ', a[i]);
    first = last + 1;
  }
  return out;
}

}  // namespace formfit
