#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "base/UnifiedDiff.h"
#include "support/ApplyUnifiedDiff.h"
#include "support/SplitLines.h"
#include "support/TempDir.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace formfit {
namespace {

using test::SplitLines;

struct Row {
  const char* name;
  std::string before;
  std::string after;
  int context;
  std::string diff;
};

const std::string kHead = "--- old.ini\n+++ new.ini\n";

const std::vector<Row> kRows = {
    {"equal", "a\nb\n", "a\nb\n", 3, ""},
    {"both empty", "", "", 3, ""},
    {"insert at start", "b\nc\n", "a\nb\nc\n", 3, kHead + "@@ -1,2 +1,3 @@\n+a\n b\n c\n"},
    {"insert in the middle", "a\nb\nc\nd\ne\nf\ng\nh\n", "a\nb\nc\nd\nX\ne\nf\ng\nh\n", 3,
     kHead + "@@ -2,6 +2,7 @@\n b\n c\n d\n+X\n e\n f\n g\n"},
    {"insert at end", "a\nb\n", "a\nb\nc\n", 3, kHead + "@@ -1,2 +1,3 @@\n a\n b\n+c\n"},
    {"delete", "a\nb\nc\nd\ne\n", "a\nb\nd\ne\n", 1, kHead + "@@ -2,3 +2,2 @@\n b\n-c\n d\n"},
    {"change", "a\nb\nc\n", "a\nB\nc\n", 3, kHead + "@@ -1,3 +1,3 @@\n a\n-b\n+B\n c\n"},
    {"one line each", "a\n", "b\n", 3, kHead + "@@ -1 +1 @@\n-a\n+b\n"},
    {"crlf lines", "[Forms]\r\nGrid=1\r\nEdit=2\r\n", "[Forms]\r\nGrid=3\r\nEdit=2\r\n", 3,
     kHead + "@@ -1,3 +1,3 @@\n [Forms]\r\n-Grid=1\r\n+Grid=3\r\n Edit=2\r\n"},
    {"crlf against lf is a change", "a\r\nb\n", "a\nb\n", 3,
     kHead + "@@ -1,2 +1,2 @@\n-a\r\n+a\n b\n"},
    {"cr only is one line without lf", "a\rb\r", "a\rc\r", 3,
     kHead + "@@ -1 +1 @@\n-a\rb\r\n\\ No newline at end of file\n+a\rc\r\n"
             "\\ No newline at end of file\n"},
    {"before lacks the final lf", "a\nb", "a\nb\n", 3,
     kHead + "@@ -1,2 +1,2 @@\n a\n-b\n\\ No newline at end of file\n+b\n"},
    {"after lacks the final lf", "a\nb\n", "a\nb", 3,
     kHead + "@@ -1,2 +1,2 @@\n a\n-b\n+b\n\\ No newline at end of file\n"},
    {"common last line without lf", "a\nb\nc", "A\nb\nc", 3,
     kHead + "@@ -1,3 +1,3 @@\n-a\n+A\n b\n c\n\\ No newline at end of file\n"},
    {"empty before", "", "a\nb\n", 3, kHead + "@@ -0,0 +1,2 @@\n+a\n+b\n"},
    {"empty after", "a\n", "", 3, kHead + "@@ -1 +0,0 @@\n-a\n"},
    {"empty lines", "\n\n", "\n\n\n", 3, kHead + "@@ -1,2 +1,3 @@\n \n \n+\n"},
    // Six common lines between two changes: their context touches, one hunk.
    {"changes six lines apart merge", "a\n1\n2\n3\n4\n5\n6\nb\n", "A\n1\n2\n3\n4\n5\n6\nB\n", 3,
     kHead + "@@ -1,8 +1,8 @@\n-a\n+A\n 1\n 2\n 3\n 4\n 5\n 6\n-b\n+B\n"},
    {"changes seven lines apart stay apart", "a\n1\n2\n3\n4\n5\n6\n7\nb\n",
     "A\n1\n2\n3\n4\n5\n6\n7\nB\n", 3,
     kHead + "@@ -1,4 +1,4 @@\n-a\n+A\n 1\n 2\n 3\n@@ -6,4 +6,4 @@\n 5\n 6\n 7\n-b\n+B\n"},
    {"no context", "a\nb\nc\nd\n", "a\nB\nc\nd\nE\n", 0,
     kHead + "@@ -2 +2 @@\n-b\n+B\n@@ -4,0 +5 @@\n+E\n"},
    {"no context, deletion", "a\nb\nc\n", "a\nc\n", 0, kHead + "@@ -2 +1,0 @@\n-b\n"},
};

TEST(UnifiedDiff, Table) {
  for (const Row& row : kRows) {
    EXPECT_EQ(row.diff, UnifiedDiff(row.before, row.after, "old.ini", "new.ini", row.context))
        << row.name;
  }
}

struct Pair {
  std::string before;
  std::string after;
};

// Pairs of texts over a few distinct lines, so that lines repeat a lot: half
// of them edited copies, half unrelated. A line without LF ("c") ends a text
// or joins the next line.
std::vector<Pair> RandomPairs(unsigned seed, int rounds) {
  const std::vector<std::string> lines = {"a\n", "b\n", "[Forms]\r\n", "Grid=1\r\n", "\n", "c"};
  std::mt19937 random(seed);
  auto pick = [&] { return lines[random() % lines.size()]; };
  std::vector<Pair> pairs;
  for (int round = 0; round < rounds; ++round) {
    std::vector<std::string> before(random() % 15);
    for (std::string& line : before) line = pick();
    std::vector<std::string> after = before;
    if (round % 2 == 0) {
      after.resize(random() % 15);
      for (std::string& line : after) line = pick();
    } else {
      for (int edits = 1 + static_cast<int>(random() % 4); edits > 0; --edits) {
        const std::size_t at = random() % (after.size() + 1);
        const auto where = after.begin() + static_cast<std::ptrdiff_t>(at);
        if (random() % 3 == 0) {
          after.insert(where, pick());
        } else if (at < after.size()) {
          if (random() % 2 == 0) {
            after.erase(where);
          } else {
            after[at] = pick();
          }
        }
      }
    }
    Pair pair;
    for (const std::string& line : before) pair.before += line;
    for (const std::string& line : after) pair.after += line;
    pairs.push_back(pair);
  }
  return pairs;
}

std::size_t LongestCommonSubsequence(const std::vector<std::string_view>& a,
                                     const std::vector<std::string_view>& b) {
  std::vector<std::vector<std::size_t>> length(a.size() + 1,
                                               std::vector<std::size_t>(b.size() + 1, 0));
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      length[i][j] = a[i - 1] == b[j - 1] ? length[i - 1][j - 1] + 1
                                          : std::max(length[i - 1][j], length[i][j - 1]);
    }
  }
  return length[a.size()][b.size()];
}

// How many lines a diff removes and adds.
struct Counted {
  std::size_t removed = 0;
  std::size_t added = 0;
};

Counted CountChanges(const std::string& diff) {
  Counted counted;
  const auto diffLines = SplitLines(diff);
  for (std::size_t i = 2; i < diffLines.size(); ++i) {
    counted.removed += diffLines[i][0] == '-';
    counted.added += diffLines[i][0] == '+';
  }
  return counted;
}

// The diff turns `before` into `after` and removes and adds no more lines
// than a shortest edit script does. Regions parted by as few as one or two
// equal lines give a diff that still applies.
TEST(UnifiedDiff, AppliesAndIsMinimalOnRandomTexts) {
  for (const Pair& pair : RandomPairs(20261208, 600)) {
    for (int context : {0, 1, 3}) {
      for (std::size_t parting : {std::size_t{1}, std::size_t{2}, std::size_t{64}}) {
        const std::string diff =
            UnifiedDiff(pair.before, pair.after, "old", "new", context, parting);
        ASSERT_EQ(pair.before == pair.after, diff.empty());
        const auto applied = test::ApplyUnifiedDiff(pair.before, diff);
        ASSERT_TRUE(applied.has_value()) << diff;
        ASSERT_EQ(pair.after, *applied) << diff;
      }
      const std::string diff = UnifiedDiff(pair.before, pair.after, "old", "new", context);
      const auto a = SplitLines(pair.before);
      const auto b = SplitLines(pair.after);
      const std::size_t common = LongestCommonSubsequence(a, b);
      const Counted counted = CountChanges(diff);
      EXPECT_EQ(a.size() - common, counted.removed) << diff;
      EXPECT_EQ(b.size() - common, counted.added) << diff;
    }
  }
}

// Large texts with blocks added, removed and changed far apart, as a
// component's run makes them: searched region by region, the diff applies
// and is as short as the one searched whole, and where no change can take
// two places it is the same diff.
TEST(UnifiedDiff, RegionsGiveTheDiffOfTheWhole) {
  std::mt19937 random(11);
  for (int round = 0; round < 40; ++round) {
    const bool blankLines = round % 2 == 0;
    std::vector<std::string> lines;
    for (int i = 0; i < 3000; ++i) {
      lines.push_back(blankLines && i % 7 == 0 ? "\r\n" : "Key" + std::to_string(i) + "=1\r\n");
    }
    std::string before;
    for (const std::string& line : lines) before += line;
    for (int edit = 0; edit < 6; ++edit) {
      const std::size_t at = random() % lines.size();
      const auto where = lines.begin() + static_cast<std::ptrdiff_t>(at);
      switch (random() % 3) {
        case 0:
          lines.insert(where, {"[Grid]\r\n", "Size=" + std::to_string(edit) + "\r\n", "\r\n"});
          break;
        case 1:
          lines.erase(where, where + std::min<std::ptrdiff_t>(4, lines.end() - where));
          break;
        default:
          lines[at] = "Changed=" + std::to_string(edit) + "\r\n";
      }
    }
    std::string after;
    for (const std::string& line : lines) after += line;
    const std::string whole = UnifiedDiff(before, after, "old", "new", 3, SIZE_MAX);
    const std::string parted = UnifiedDiff(before, after, "old", "new");
    const auto applied = test::ApplyUnifiedDiff(before, parted);
    ASSERT_TRUE(applied.has_value()) << parted;
    ASSERT_EQ(after, *applied) << parted;
    EXPECT_EQ(CountChanges(whole).removed, CountChanges(parted).removed) << parted;
    EXPECT_EQ(CountChanges(whole).added, CountChanges(parted).added) << parted;
    if (!blankLines) {
      EXPECT_EQ(whole, parted);
    }
  }
}

// The strict applier itself refuses diffs that do not fit, so that the
// checks above mean something.
TEST(UnifiedDiff, ApplierRefusesWhatDoesNotFit) {
  const std::string before = "a\nb\nc\n";
  const std::string diff = UnifiedDiff(before, "a\nB\nc\n", "old", "new");
  EXPECT_EQ("a\nB\nc\n", test::ApplyUnifiedDiff(before, diff));
  EXPECT_EQ(std::nullopt, test::ApplyUnifiedDiff("a\nx\nc\n", diff));
  EXPECT_EQ(std::nullopt, test::ApplyUnifiedDiff("z\nb\nc\n", diff));
  EXPECT_EQ(std::nullopt, test::ApplyUnifiedDiff(before, diff.substr(0, diff.size() - 3)));
  std::string wrongHead = diff;
  wrongHead.replace(wrongHead.find("+1,3"), 4, "+2,3");
  EXPECT_EQ(std::nullopt, test::ApplyUnifiedDiff(before, wrongHead));
}

// A text far larger than its changes: the common start and end are passed
// over, the changes found exactly.
TEST(UnifiedDiff, LargeTextWithFewChanges) {
  std::string before;
  for (int i = 0; i < 200000; ++i) before += "Key" + std::to_string(i % 1000) + "=1\r\n";
  std::string after = before;
  after.insert(after.size() / 3, "Added=1\r\n");
  after.erase(after.size() / 2, 9);
  const std::string diff = UnifiedDiff(before, after, "old", "new");
  const auto applied = test::ApplyUnifiedDiff(before, diff);
  ASSERT_TRUE(applied.has_value());
  EXPECT_EQ(after, *applied);
  EXPECT_LT(diff.size(), 400u) << diff;
}

// Texts that differ almost everywhere over two repeating lines need more
// edits than the search spends on finding the exact middle: it settles for a
// near-shortest script, which still applies, and stays quick.
TEST(UnifiedDiff, ManyChangesGiveANearShortestScript) {
  std::mt19937 random(3);
  std::string before, after;
  for (int i = 0; i < 30000; ++i) before += random() % 2 ? "a\n" : "b\n";
  for (int i = 0; i < 30000; ++i) after += random() % 2 ? "a\n" : "b\n";
  const std::string diff = UnifiedDiff(before, after, "old", "new");
  const auto applied = test::ApplyUnifiedDiff(before, diff);
  ASSERT_TRUE(applied.has_value());
  EXPECT_EQ(after, *applied);
  // A shortest script for such texts changes about a fifth of their lines.
  std::size_t changed = 0;
  for (const std::string_view line : SplitLines(diff)) changed += line[0] == '-' || line[0] == '+';
  EXPECT_LT(changed - 2, 2 * 30000 / 4);
}

// Where patch is at hand, it applies our diffs too.
TEST(UnifiedDiff, PatchAppliesTheDiff) {
#ifdef _WIN32
  GTEST_SKIP() << "no patch program on Windows";
#else
  if (access("/usr/bin/patch", X_OK) != 0) GTEST_SKIP() << "no /usr/bin/patch";
  std::vector<Pair> pairs = RandomPairs(7, 60);
  for (const Row& row : kRows) pairs.push_back({row.before, row.after});
  const test::TempDir dir;
  int checked = 0;
  for (const Pair& pair : pairs) {
    const std::string diff = UnifiedDiff(pair.before, pair.after, "old", "new");
    if (diff.empty()) continue;
    const std::string old = dir.WriteFile("old", pair.before);
    const std::string change = dir.WriteFile("change.diff", diff);
    const std::string patched = dir.Path() + "patched";
    const std::string command = "/usr/bin/patch --binary --quiet --force -o '" + patched + "' '" +
                                old + "' -i '" + change + "' >/dev/null 2>&1";
    ASSERT_EQ(0, std::system(command.c_str())) << diff;
    EXPECT_EQ(pair.after, test::ReadFile(patched)) << diff;
    ++checked;
  }
  EXPECT_GT(checked, 40);
#endif
}

}  // namespace
}  // namespace formfit
