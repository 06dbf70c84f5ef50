#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include "app/ProgramEnvironment.h"
#include "app/SetupAction.h"
#include "base/StringRules.h"
#include "support/BackupName.h"
#include "support/ChoiceOf.h"
#include "support/FailingFileOps.h"
#include "support/RecordingEnvironment.h"
#include "support/TempDir.h"
#include "support/TextAssert.h"

namespace formfit::test {
namespace {

namespace fs = std::filesystem;

constexpr Mode kAdd = Mode::kAdd;
constexpr Mode kRemove = Mode::kRemove;

TEST(ConfigurationFileTest, FolderGetsBinAndTheFileName) {
  struct Row {
    const char* folder;
    const char* path;
  };
  const Row rows[] = {
      {"D:\\VO28", "D:\\VO28\\BIN\\DEDUDED.INF"},     {"D:\\VO28\\", "D:\\VO28\\BIN\\DEDUDED.INF"},
      {"D:\\VO 2.8", "D:\\VO 2.8\\BIN\\DEDUDED.INF"}, {"D:", "D:\\BIN\\DEDUDED.INF"},
      {"/opt/vo28", "/opt/vo28\\BIN\\DEDUDED.INF"},   {" D:\\VO28\t", "D:\\VO28\\BIN\\DEDUDED.INF"},
  };
  for (const Row& row : rows) {
    SetupChoice choice;
    choice.cavoFolder = row.folder;
    EXPECT_EQ(row.path, ConfigurationFile(choice).FullPath()) << row.folder;
  }
}

// The sample installation copied to a fresh folder.
class SetupActionTest : public ::testing::Test {
 protected:
  SetupActionTest() {
    fs::copy(ExamplesDir() + "VO28", folder, fs::copy_options::recursive);
    original = ReadFile(Configuration());
  }

  std::string Configuration() const { return folder + "/BIN/DEDUDED.INF"; }
  std::string Backup(unsigned number) const { return folder + "/BIN/" + BackupName(number); }

  TempDir dir;
  std::string folder = dir.Path() + "VO28";
  std::string component = folder + "/BIN/grid.wed";
  std::string original;
};

TEST_F(SetupActionTest, FolderWithAndWithoutTrailingSeparatorRunAlike) {
  RecordingEnvironment bare;
  RecordingEnvironment trailed;
  const std::string missing = dir.Path() + "VO27";

  const SetupResult withoutSeparator =
      SetupAction(bare, ChoiceOf(missing, "Grid", component, kAdd));
  const SetupResult withSeparator =
      SetupAction(trailed, ChoiceOf(missing + "\\", "Grid", component, kAdd));

  EXPECT_TRUE(SameText("<time>\nT200\n<time>\nGrid:\t" + component + "\nDEDUDED.INF:\t" + missing +
                           "\\BIN\\DEDUDED.INF\n",
                       bare.LogText()));
  EXPECT_TRUE(SameText(bare.LogText(), trailed.LogText()));
  ASSERT_TRUE(withoutSeparator.status && withSeparator.status);
  EXPECT_TRUE(SameText("T202\r\n" + Lower(missing) + "\\bin\\\r\n\r\nT203",
                       withoutSeparator.status->description));
  EXPECT_TRUE(SameText(withoutSeparator.status->description, withSeparator.status->description));
  EXPECT_EQ(2, withoutSeparator.exitStatus);
  EXPECT_EQ(2, withSeparator.exitStatus);
}

// Installers read the outcome from the exit status: every code has its own,
// and these numbers are a promise.
TEST_F(SetupActionTest, ExitStatusNamesTheOutcome) {
  constexpr Mode kCheck = Mode::kCheck;
  constexpr Mode kRestore = Mode::kRestore;
  struct Row {
    const char* name;
    Mode mode;
    std::vector<Fault> faults;
    const char* code;
    int exitStatus;
    std::function<void()> prepare = nullptr;
  };
  const auto changeALine = [this] {
    std::string text = ReadFile(Configuration());
    text.replace(text.find("Size=200,120"), 12, "Size=100,60");
    std::ofstream(Configuration(), std::ios::binary) << text;
  };
  // The rows run one after the other on one copy of the sample. The
  // component file is read before the configuration file, and the backup is
  // written before the configuration file.
  const Row rows[] = {
      {"checked, not installed", kCheck, {}, "COMPONENT_NOT_INSTALLED", 12},
      {"added", kAdd, {}, "SUCCESS", 0},
      {"checked, installed", kCheck, {}, "COMPONENT_INSTALLED", 0},
      {"checked, changed by hand", kCheck, {}, "COMPONENT_INSTALLED_IN_PART", 13, changeALine},
      {"restored", kRestore, {}, "SUCCESS", 0},
      {"removed", kRemove, {}, "SUCCESS", 0},
      {"no backup",
       kRestore,
       {},
       "BACKUP_NOT_FOUND",
       14,
       [this] {
         for (unsigned number : {0, 1, 2}) fs::remove(Backup(number));
       }},
      {"no configuration file", kAdd, {{FileOp::Exists, 1}}, "DEDUDED_NOT_FOUND", 2},
      {"no component file", kRemove, {{FileOp::Exists, 2}}, "WED_NOT_FOUND", 3},
      {"cannot open", kAdd, {{FileOp::OpenReadWrite, 1}}, "DEDUDED_OPEN_ERROR", 4},
      {"cannot read", kAdd, {{FileOp::Read, 2}}, "DEDUDED_READ_ERROR", 6},
      {"cannot back up", kAdd, {{FileOp::CreateTemporary, 1}}, "DEDUDED_BACKUP_ERROR", 7},
      {"cannot write", kRemove, {{FileOp::Write, 2}}, "DEDUDED_WRITE_ERROR", 8},
      {"component unreadable", kAdd, {{FileOp::OpenRead, 1}}, "COMPONENT_NOT_PLACED", 9},
  };
  std::set<std::string> codes;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    codes.insert(row.code);
    if (row.prepare) row.prepare();
    FailingFileOps files(row.faults);
    RecordingEnvironment environment(files);

    const SetupResult result =
        SetupAction(environment, ChoiceOf(folder, "Grid", component, row.mode));

    ASSERT_TRUE(result.status);
    EXPECT_EQ(Symbol(row.code), result.status->code);
    EXPECT_EQ(row.exitStatus, result.exitStatus);
    EXPECT_EQ(row.exitStatus == 0, result.ok);
  }

  FailingFileOps files;
  files.ReportSize(std::uint64_t{1} << 63);
  RecordingEnvironment environment(files);
  const SetupResult memoryLow = SetupAction(environment, ChoiceOf(folder, "Grid", component, kAdd));
  ASSERT_TRUE(memoryLow.status);
  EXPECT_EQ(Symbol("DEDUDED_MEMORY_LOW"), memoryLow.status->code);
  EXPECT_EQ(5, memoryLow.exitStatus);
  codes.insert("DEDUDED_MEMORY_LOW");

  // Every code the engine knows was seen above.
  std::set<std::string> known;
  for (const OutcomeRow& row : kOutcomes) known.insert(row.code);
  EXPECT_EQ(known, codes);
}

TEST_F(SetupActionTest, AnotherModeDoesNoWork) {
  RecordingEnvironment environment;

  const SetupResult result =
      SetupAction(environment, ChoiceOf(folder, "Grid", component, std::nullopt));

  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.status);
  EXPECT_EQ(1, result.exitStatus);
  EXPECT_EQ("", environment.LogText());
  EXPECT_TRUE(SameText(original, ReadFile(Configuration())));
  EXPECT_FALSE(fs::exists(Backup(0)));
}

// What a restore without a number would put back is named beforehand, and
// it is what the restore then puts back.
TEST_F(SetupActionTest, NewestBackupIsTheOneARestorePutsBack) {
  const SetupChoice add = ChoiceOf(folder, "Grid", component, kAdd);
  EXPECT_FALSE(NewestBackup(SystemFileOps(), add));
  RecordingEnvironment environment;
  ASSERT_TRUE(SetupAction(environment, add).ok);
  ASSERT_TRUE(SetupAction(environment, add).ok);
  fs::last_write_time(Backup(0), fs::last_write_time(Backup(1)) + std::chrono::hours(1));

  const std::optional<FoundBackup> newest = NewestBackup(SystemFileOps(), add);

  ASSERT_TRUE(newest);
  EXPECT_EQ(0u, newest->number);
  const SetupResult restored = SetupAction(environment, ChoiceOf(folder, "", "", Mode::kRestore));
  ASSERT_TRUE(restored.status);
  EXPECT_EQ(0, restored.exitStatus);
  const std::string made = newest->path.substr(0, newest->path.size() - 3) + "002";
  EXPECT_TRUE(SameText("T230\r\n" + Lower(newest->path) + "\r\nT231\r\n" + Lower(made),
                       restored.status->description));
  EXPECT_TRUE(SameText(original, ReadFile(Configuration())));
}

// Every landmark of the sample that gets a block of grid.wed; each has one
// blank line ahead of it.
const char* const kGridLandmarks[] = {
    "[FORM:DataWindow]", "[CONTROL]",           ";**** Association between",
    "[AssignMap]",       "[SupplementalFiles]", "[StdProperties]",
};

std::string WithOneMoreBlankLineAhead(std::string text) {
  for (const char* landmark : kGridLandmarks) {
    text.insert(text.find("\r\n" + std::string(landmark)), "\r\n");
  }
  return text;
}

TEST_F(SetupActionTest, AddAddAgainRemoveRemoveAgain) {
  ProgramEnvironment environment;
  const std::string added =
      ReadFile(std::string(FORMFIT_ENGINE_DATA_DIR) + "/DEDUDED-Grid-added.INF");

  const SetupResult first = SetupAction(environment, ChoiceOf(folder, "Grid", component, kAdd));
  ASSERT_TRUE(first.ok);
  EXPECT_EQ(Symbol("SUCCESS"), first.status->code);
  EXPECT_TRUE(SameText(added, ReadFile(Configuration())));
  EXPECT_TRUE(SameText(original, ReadFile(Backup(0))));

  ASSERT_TRUE(SetupAction(environment, ChoiceOf(folder, "Grid", component, kAdd)).ok);
  EXPECT_TRUE(SameText(added, ReadFile(Configuration())));
  EXPECT_TRUE(SameText(added, ReadFile(Backup(1))));

  ASSERT_TRUE(SetupAction(environment, ChoiceOf(folder, "Grid", component, kRemove)).ok);
  const std::string removed = WithOneMoreBlankLineAhead(original);
  EXPECT_TRUE(SameText(removed, ReadFile(Configuration())));
  EXPECT_TRUE(SameText(added, ReadFile(Backup(2))));

  ASSERT_TRUE(SetupAction(environment, ChoiceOf(folder, "Grid", component, kRemove)).ok);
  EXPECT_TRUE(SameText(removed, ReadFile(Configuration())));
  EXPECT_TRUE(SameText(removed, ReadFile(Backup(3))));
}

}  // namespace
}  // namespace formfit::test
