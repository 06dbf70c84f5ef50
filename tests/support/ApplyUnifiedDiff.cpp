#include "support/ApplyUnifiedDiff.h"

#include <cstddef>
#include <vector>

#include "support/SplitLines.h"

namespace formfit::test {

namespace {

// Reads a decimal number at `pos`; none without a digit.
std::optional<std::size_t> ReadNumber(std::string_view text, std::size_t& pos) {
  const std::size_t start = pos;
  std::size_t value = 0;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
    value = value * 10 + static_cast<std::size_t>(text[pos] - '0');
    ++pos;
  }
  if (pos == start) return std::nullopt;
  return value;
}

bool Expect(std::string_view text, std::size_t& pos, std::string_view literal) {
  if (text.substr(pos, literal.size()) != literal) return false;
  pos += literal.size();
  return true;
}

// "l,s" or "l" (one line).
bool ReadRange(std::string_view text, std::size_t& pos, std::size_t& first, std::size_t& count) {
  const auto l = ReadNumber(text, pos);
  if (!l) return false;
  first = *l;
  count = 1;
  if (pos < text.size() && text[pos] == ',') {
    ++pos;
    const auto s = ReadNumber(text, pos);
    if (!s) return false;
    count = *s;
  }
  return true;
}

struct Hunk {
  std::size_t oldFirst, oldCount, newFirst, newCount;
};

std::optional<Hunk> ReadHunkHead(std::string_view line) {
  Hunk hunk{};
  std::size_t pos = 0;
  if (!Expect(line, pos, "@@ -") || !ReadRange(line, pos, hunk.oldFirst, hunk.oldCount) ||
      !Expect(line, pos, " +") || !ReadRange(line, pos, hunk.newFirst, hunk.newCount) ||
      !Expect(line, pos, " @@\n") || pos != line.size()) {
    return std::nullopt;
  }
  return hunk;
}

// The 0-based line where a range starts: an empty range names the line before it.
std::optional<std::size_t> StartOf(std::size_t first, std::size_t count) {
  if (count == 0) return first;
  if (first == 0) return std::nullopt;
  return first - 1;
}

}  // namespace

std::optional<std::string> ApplyUnifiedDiff(std::string_view before, std::string_view diff) {
  if (diff.empty()) return std::string(before);
  const auto text = SplitLines(before);
  const auto lines = SplitLines(diff);
  if (lines.size() < 3 || lines[0].substr(0, 4) != "--- " || lines[1].substr(0, 4) != "+++ " ||
      lines[0].back() != '\n' || lines[1].back() != '\n') {
    return std::nullopt;
  }

  std::string out;
  std::size_t outLines = 0;
  std::size_t next = 0;  // the first line of `before` not yet used
  bool ended = false;    // the output's last line has no LF
  auto emit = [&](std::string_view line) {
    if (ended) return false;
    out.append(line);
    ++outLines;
    ended = line.back() != '\n';
    return true;
  };

  std::size_t at = 2;
  while (at < lines.size()) {
    const auto hunk = ReadHunkHead(lines[at++]);
    if (!hunk || (hunk->oldCount == 0 && hunk->newCount == 0)) return std::nullopt;
    const auto oldStart = StartOf(hunk->oldFirst, hunk->oldCount);
    const auto newStart = StartOf(hunk->newFirst, hunk->newCount);
    if (!oldStart || !newStart || *oldStart < next || *oldStart > text.size()) return std::nullopt;
    while (next < *oldStart) {
      if (!emit(text[next++])) return std::nullopt;
    }
    if (outLines != *newStart) return std::nullopt;

    std::size_t oldLeft = hunk->oldCount;
    std::size_t newLeft = hunk->newCount;
    while (oldLeft > 0 || newLeft > 0) {
      if (at >= lines.size()) return std::nullopt;
      std::string_view line = lines[at++];
      if (line.size() < 2 || line.back() != '\n') return std::nullopt;
      const char mark = line[0];
      line.remove_prefix(1);
      // The marker line says that this line has no LF of its own.
      if (at < lines.size() && lines[at] == "\\ No newline at end of file\n") {
        line.remove_suffix(1);
        ++at;
        if (line.empty()) return std::nullopt;
      }
      const bool isOld = mark == ' ' || mark == '-';
      const bool isNew = mark == ' ' || mark == '+';
      if (!isOld && !isNew) return std::nullopt;
      if (isOld) {
        if (oldLeft == 0 || next >= text.size() || text[next] != line) return std::nullopt;
        ++next;
        --oldLeft;
      }
      if (isNew) {
        if (newLeft == 0 || !emit(line)) return std::nullopt;
        --newLeft;
      }
    }
  }
  while (next < text.size()) {
    if (!emit(text[next++])) return std::nullopt;
  }
  return out;
}

}  // namespace formfit::test
