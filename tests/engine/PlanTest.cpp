// The plans of the four runs, on bytes alone: each row is the bytes read,
// the run, and what the plan decides (outcome, new bytes, whether the run
// writes them, the log's lines).
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/FormfitRunFixture.h"
#include "engine/Plan.h"

namespace formfit::test {
namespace {

struct PlanRow {
  const char* name;
  Mode mode;
  std::string original;
  std::string read;  // the component file, or for Restore the backup's bytes
  Outcome outcome;
  std::optional<std::string> bytes;
  bool writes;
  std::vector<std::string> log;
};

TEST(PlanTest, EachRunDecidesFromTheBytesAlone) {
  const std::string kBackup = "Z:\\VO28\\BIN\\DEDUDED.003";
  std::string kOtherVersion = kInstalled;
  kOtherVersion.replace(kOtherVersion.find("Class=Grid"), 10, "Class=Old");
  const std::string kNothing = Crlf("[CONTENTS]\nGrid=GRID\n[GRID]\n");
  const PlanRow rows[] = {
      {"add",
       Mode::kAdd,
       kConfig,
       kComponent,
       Outcome::kInstalled,
       kInstalled,
       true,
       {"component placed"}},
      {"add again: the same bytes, written all the same",
       Mode::kAdd,
       kInstalled,
       kComponent,
       Outcome::kInstalled,
       kInstalled,
       true,
       {"component placed"}},
      {"add with nothing to place",
       Mode::kAdd,
       kConfig,
       kNothing,
       Outcome::kNotPlaced,
       std::nullopt,
       false,
       {"component not placed"}},
      {"remove",
       Mode::kRemove,
       kInstalled,
       kComponent,
       Outcome::kDeinstalled,
       kRemoved,
       true,
       {"component removed"}},
      {"remove what is not there",
       Mode::kRemove,
       kConfig,
       kComponent,
       Outcome::kDeinstalled,
       kConfig,
       true,
       {"component removed"}},
      {"remove with an empty component file: nothing tells what to take out",
       Mode::kRemove,
       kInstalled,
       "",
       Outcome::kNothingOfComponent,
       std::nullopt,
       false,
       {"nothing of the component in its file"}},
      {"remove with a component file of garbage",
       Mode::kRemove,
       kInstalled,
       "\x01\xff garbage\r\nno=sections\r\n",
       Outcome::kNothingOfComponent,
       std::nullopt,
       false,
       {"nothing of the component in its file"}},
      {"check, installed: the Add's bytes, not written",
       Mode::kCheck,
       kInstalled,
       kComponent,
       Outcome::kCheckInstalled,
       kInstalled,
       false,
       {"component installed"}},
      {"check, not installed",
       Mode::kCheck,
       kConfig,
       kComponent,
       Outcome::kCheckNotInstalled,
       kInstalled,
       false,
       {"component not installed"}},
      {"check, another version",
       Mode::kCheck,
       kOtherVersion,
       kComponent,
       Outcome::kCheckInPart,
       std::nullopt,
       false,
       {"component installed in part or from another version"}},
      {"check with nothing to place",
       Mode::kCheck,
       kConfig,
       kNothing,
       Outcome::kNotPlaced,
       std::nullopt,
       false,
       {"component not placed"}},
      {"restore", Mode::kRestore, kInstalled, kConfig, Outcome::kRestored, kConfig, true, {}},
      {"restore what is in place",
       Mode::kRestore,
       kConfig,
       kConfig,
       Outcome::kBackupInPlace,
       std::nullopt,
       false,
       {"configuration file equals the backup: " + kBackup}},
  };
  for (const PlanRow& row : rows) {
    SCOPED_TRACE(row.name);
    PlanSource source;
    if (row.mode == Mode::kRestore) {
      source.backup = kBackup;
      source.backupBytes = row.read;
    } else {
      source.component = Component::Read(IniText(row.read), "Grid");
    }

    const Plan plan = PlanFor(row.mode, row.original, source);

    EXPECT_EQ(row.outcome, plan.outcome);
    EXPECT_EQ(row.writes, plan.writes);
    EXPECT_EQ(row.log, plan.log);
    EXPECT_EQ(row.outcome == Outcome::kRestored ? kBackup : "", plan.putBack);
    // The other version's bytes are what an Add makes of them; only that
    // they differ from the file is the row's point.
    if (row.outcome == Outcome::kCheckInPart) {
      ASSERT_TRUE(plan.bytes);
      EXPECT_NE(row.original, *plan.bytes);
    } else {
      ASSERT_EQ(row.bytes.has_value(), plan.bytes.has_value());
      if (row.bytes) {
        EXPECT_TRUE(SameText(*row.bytes, *plan.bytes));
      }
    }
  }
}

// A silent run's caller reads the outcome from the exit status alone: rows
// of one code must agree on it, and codes must not share one unless both
// mean that the run did what was asked.
TEST(OutcomeTable, OneExitStatusPerCode) {
  std::map<std::string, int> exitOf;
  std::map<int, std::set<std::string>> codesOf;
  for (const OutcomeRow& row : kOutcomes) {
    SCOPED_TRACE(row.code);
    const auto [entry, first] = exitOf.emplace(row.code, row.exitStatus);
    EXPECT_EQ(entry->second, row.exitStatus);
    EXPECT_EQ(row.exitStatus, ExitStatusOf(Symbol(row.code)));
    codesOf[row.exitStatus].insert(row.code);
  }
  for (const auto& [exitStatus, codes] : codesOf) {
    if (exitStatus != 0) {
      EXPECT_EQ(1u, codes.size()) << exitStatus;
    }
  }
  EXPECT_EQ(kNoChangeExitStatus, ExitStatusOf(Symbol("NO_SUCH_CODE")));
}

}  // namespace
}  // namespace formfit::test
