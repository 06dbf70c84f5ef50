#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/StringRules.h"
#include "engine/Formfit.h"
#include "engine/FormfitRunFixture.h"
#include "engine/FormfitRunTexts.h"
#include "support/FailingFileOps.h"
#include "support/RecordingEnvironment.h"
#include "support/TempDir.h"
#include "support/TextAssert.h"

namespace formfit::test {
namespace {

TEST_F(FormfitRunTest, InstallRewritesTheFileAfterBackingItUp) {
  RecordingEnvironment environment;
  Formfit engine(environment);
  engine.Init(config);

  EXPECT_TRUE(engine.Install("Grid", component));

  EXPECT_TRUE(SameText(kInstalled, ReadFile(config)));
  EXPECT_TRUE(SameText(kConfig, ReadFile(Backup(0))));
  EXPECT_TRUE(SameText(LogRead(200, kConfig.size()) +
                           "component placed\nT206\t\tT207\nconfiguration file written: " +
                           std::to_string(kInstalled.size()) + " bytes\n",
                       environment.LogText()));
  ASSERT_TRUE(engine.Status());
  EXPECT_EQ(Symbol("SUCCESS"), engine.Status()->code);
  EXPECT_EQ("T201", engine.Status()->caption);
  EXPECT_TRUE(SameText(Fill("T212\r\n{backup}"), engine.Status()->description));
}

TEST_F(FormfitRunTest, DeinstallLeavesNoOldBytesBehindTheShorterText) {
  dir.WriteFile("DEDUDED.INF", kInstalled);
  RecordingEnvironment environment;
  Formfit engine(environment);
  engine.Init(config);

  EXPECT_TRUE(engine.Deinstall("Grid", component));

  EXPECT_TRUE(SameText(kRemoved, ReadFile(config)));
  EXPECT_TRUE(SameText(kInstalled, ReadFile(Backup(0))));
  EXPECT_TRUE(SameText(LogRead(213, kInstalled.size()) +
                           "component removed\nT206\t\tT207\nconfiguration file written: " +
                           std::to_string(kRemoved.size()) + " bytes\n",
                       environment.LogText()));
  ASSERT_TRUE(engine.Status());
  EXPECT_EQ(Symbol("SUCCESS"), engine.Status()->code);
  EXPECT_EQ("T214", engine.Status()->caption);
  EXPECT_TRUE(SameText(Fill("T215\r\n{backup}"), engine.Status()->description));
}

TEST_F(FormfitRunTest, MissingFilesStopTheRunBeforeAnyBackup) {
  struct Row {
    const char* name;
    const char* missing;
    const char* code;
    const char* description;
  };
  const Row rows[] = {
      {"configuration file", "DEDUDED.INF", "DEDUDED_NOT_FOUND", "T202\r\n{folder}\r\n\r\nT203"},
      {"component file", "Grid.wed", "WED_NOT_FOUND", "T204\r\n{component}\r\n\r\nT205"},
  };
  for (const ComponentRun& run : {kInstallRun, kDeinstallRun, kCheckRun}) {
    for (const Row& row : rows) {
      SCOPED_TRACE(std::string(run.name) + ", " + row.name);
      dir.WriteFile("DEDUDED.INF", kConfig);
      dir.WriteFile("Grid.wed", kComponent);
      fs::remove(dir.Path() + row.missing);
      RecordingEnvironment environment;
      Formfit engine(environment);
      engine.Init(config);

      EXPECT_FALSE((engine.*run.run)("Grid", component));

      EXPECT_TRUE(SameText(LogHead(run.heading), environment.LogText()));
      ASSERT_TRUE(engine.Status());
      EXPECT_EQ(Symbol(row.code), engine.Status()->code);
      EXPECT_EQ("T" + std::to_string(run.caption), engine.Status()->caption);
      EXPECT_TRUE(SameText(Fill(row.description), engine.Status()->description));
      EXPECT_FALSE(Exists(Backup(0)));
    }
  }
}

// Every file operation fails in turn; the configuration file must end either
// rewritten or exactly as it was, and the status must say which failure it was.
TEST_F(FormfitRunTest, EveryFailingFileOperationLeavesTheFileWholeAndSaysSo) {
  enum Outcome { kRewritten, kUntouched, kRestored };
  struct Row {
    const char* name;
    std::vector<Fault> faults;
    const char* code;
    const char* description;
    Outcome outcome;
  };
  const char* kRead = "DEDUDED_READ_ERROR";
  const char* kBackup = "DEDUDED_BACKUP_ERROR";
  const char* kBackupText = "T216\r\n{config}";
  const char* kWrite = "DEDUDED_WRITE_ERROR";
  const char* kWriteText = "T217\r\n{config}";
  // Calls in a run: the component file is read first (SeekEnd, SeekStart
  // and Read number 1), then the configuration file (number 2); the backup
  // is written (Write, Flush and Close number 1) before the configuration
  // file is (SeekStart 3, Write 2, SetLength 1, Close 2).
  // clang-format off
  const Row rows[] = {
      {"no failure", {}, "SUCCESS", "T212\r\n{backup}", kRewritten},
      {"attributes cannot be changed", {{FileOp::ClearReadOnly, 1}}, "SUCCESS", "T212\r\n{backup}", kRewritten},
      {"component file cannot be opened", {{FileOp::OpenRead, 1}}, "COMPONENT_NOT_PLACED", "T221\r\n{component}", kUntouched},
      {"component file cut short", {{FileOp::Read, 1}}, "COMPONENT_NOT_PLACED", "T221\r\n{component}", kUntouched},
      {"open", {{FileOp::OpenReadWrite, 1}}, "DEDUDED_OPEN_ERROR", "T208\r\n{config}", kUntouched},
      {"size", {{FileOp::SeekEnd, 2}}, kRead, "T211", kUntouched},
      {"seek before reading", {{FileOp::SeekStart, 2}}, kRead, "T211", kUntouched},
      {"short read", {{FileOp::Read, 2}}, kRead, "T211", kUntouched},
      {"no temporary backup file", {{FileOp::CreateTemporary, 1}}, kBackup, kBackupText, kUntouched},
      {"backup half written", {{FileOp::Write, 1}}, kBackup, kBackupText, kUntouched},
      {"backup not flushed", {{FileOp::Flush, 1}}, kBackup, kBackupText, kUntouched},
      {"backup not closed", {{FileOp::Close, 1}}, kBackup, kBackupText, kUntouched},
      {"backup gets no number", {{FileOp::NameNew, 1}}, kBackup, kBackupText, kUntouched},
      {"seek before writing", {{FileOp::SeekStart, 3}}, kWrite, kWriteText, kRestored},
      {"half written", {{FileOp::Write, 2}}, kWrite, kWriteText, kRestored},
      {"length", {{FileOp::SetLength, 1}}, kWrite, kWriteText, kRestored},
      {"close", {{FileOp::Close, 2}}, kWrite, kWriteText, kRestored},
      {"seek before writing, file broken", {{FileOp::SeekStart, 3, true}}, kWrite, kWriteText, kRestored},
      {"half written, file broken", {{FileOp::Write, 2, true}}, kWrite, kWriteText, kRestored},
      {"length, file broken", {{FileOp::SetLength, 1, true}}, kWrite, kWriteText, kRestored},
      {"restore on the file fails too", {{FileOp::Write, 2}, {FileOp::Write, 3}}, kWrite, kWriteText, kRestored},
      {"rewrite not flushed", {{FileOp::Flush, 2}}, kWrite, kWriteText, kRestored},
      {"put-back bytes not flushed either", {{FileOp::Flush, 2, false, OpenFailure::kOther, 3}}, kWrite, "T220\r\n{backup}", kRestored},
  };
  // clang-format on
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove(Backup(0));
    dir.WriteFile("DEDUDED.INF", kConfig);
    FailingFileOps files(row.faults);
    RecordingEnvironment environment(files);
    Formfit engine(environment);
    engine.Init(config);

    EXPECT_EQ(row.outcome == kRewritten, engine.Install("Grid", component));

    ASSERT_TRUE(engine.Status());
    EXPECT_EQ(Symbol(row.code), engine.Status()->code);
    EXPECT_EQ("T201", engine.Status()->caption);
    EXPECT_TRUE(SameText(Fill(row.description), engine.Status()->description));
    EXPECT_TRUE(SameText(row.outcome == kRewritten ? kInstalled : kConfig, ReadFile(config)));
    // Nothing is left but the two files and, once the file was changed or
    // about to be, its whole backup: no temporary file, no torn backup.
    const std::vector<std::string> expectedNames =
        row.outcome == kUntouched
            ? std::vector<std::string>{"DEDUDED.INF", "Grid.wed"}
            : std::vector<std::string>{"DEDUDED.000", "DEDUDED.INF", "Grid.wed"};
    EXPECT_EQ(expectedNames, Names());
    if (row.outcome != kUntouched) {
      EXPECT_TRUE(SameText(kConfig, ReadFile(Backup(0))));
    }
  }
}

// A file another program holds is waited for, up to 10 seconds; a failed
// open says why, from the system's error.
TEST_F(FormfitRunTest, AHeldFileIsWaitedForAndAFailedOpenSaysWhy) {
  struct Row {
    const char* name;
    OpenFailure failure;
    int failedOpens;
    const char* code;
    const char* description;
    unsigned long paused;
    const char* lastLog;
  };
  const char* kOpen = "DEDUDED_OPEN_ERROR";
  // clang-format off
  const Row rows[] = {
      {"held a moment", OpenFailure::kInUse, 3, "SUCCESS", "T212\r\n{backup}", 750, "configuration file written: 226 bytes"},
      {"held throughout", OpenFailure::kInUse, 1000, kOpen, "T235\r\n{config}", 10000, "configuration file in use by another program"},
      {"no permission", OpenFailure::kNoPermission, 1000, kOpen, "T236\r\n{config}", 0, "no permission to change the configuration file"},
      {"another failure", OpenFailure::kOther, 1000, kOpen, "T208\r\n{config}", 0, "component file read: 1 contents"},
  };
  // clang-format on
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove(Backup(0));
    dir.WriteFile("DEDUDED.INF", kConfig);
    FailingFileOps files({{FileOp::OpenReadWrite, 1, false, row.failure, row.failedOpens}});
    RecordingEnvironment environment(files);
    Formfit engine(environment);
    engine.Init(config);

    engine.Install("Grid", component);

    ASSERT_TRUE(engine.Status());
    EXPECT_EQ(Symbol(row.code), engine.Status()->code);
    EXPECT_TRUE(SameText(Fill(row.description), engine.Status()->description));
    EXPECT_EQ(row.paused, environment.Paused());
    const std::string& log = environment.LogText();
    const std::string waiting =
        "configuration file in use by another program: waiting up to 10 seconds\n";
    EXPECT_EQ(row.paused > 0, log.find(waiting) != std::string::npos);
    EXPECT_EQ(log.find(waiting), log.rfind(waiting)) << "the wait is logged once";
    EXPECT_TRUE(
        SameText(std::string(row.lastLog) + "\n", log.substr(log.rfind('\n', log.size() - 2) + 1)));
  }
}

TEST_F(FormfitRunTest, SizeBeyondMemoryStopsTheRun) {
  FailingFileOps files;
  files.ReportSize(std::uint64_t{1} << 63);
  RecordingEnvironment environment(files);
  Formfit engine(environment);
  engine.Init(config);

  EXPECT_FALSE(engine.Install("Grid", component));

  ASSERT_TRUE(engine.Status());
  EXPECT_EQ(Symbol("DEDUDED_MEMORY_LOW"), engine.Status()->code);
  EXPECT_TRUE(SameText("T210 9007199254740992", engine.Status()->description));
  EXPECT_TRUE(SameText(kConfig, ReadFile(config)));
  EXPECT_FALSE(Exists(Backup(0)));
}

TEST_F(FormfitRunTest, WhenNothingCanBeRestoredTheBackupHoldsTheOriginal) {
  FailingFileOps files({{FileOp::Write, 2, true}, {FileOp::OpenReadWrite, 2}});
  RecordingEnvironment environment(files);
  Formfit engine(environment);
  engine.Init(config);

  EXPECT_FALSE(engine.Install("Grid", component));

  ASSERT_TRUE(engine.Status());
  EXPECT_EQ(Symbol("DEDUDED_WRITE_ERROR"), engine.Status()->code);
  EXPECT_TRUE(SameText("T220\r\n" + Lower(Backup(0)), engine.Status()->description));
  EXPECT_TRUE(SameText(kConfig, ReadFile(Backup(0))));
}

TEST_F(FormfitRunTest, EmptyConfigurationFileIsTheEmptyText) {
  dir.WriteFile("DEDUDED.INF", "");
  RecordingEnvironment environment;
  Formfit engine(environment);
  engine.Init(config);

  // Taking a component out of the empty text leaves it empty, and that is done.
  EXPECT_TRUE(engine.Deinstall("Grid", component));

  ASSERT_TRUE(engine.Status());
  EXPECT_EQ(Symbol("SUCCESS"), engine.Status()->code);
  EXPECT_EQ("", ReadFile(config));
  EXPECT_EQ("", ReadFile(Backup(0)));
  EXPECT_TRUE(SameText(
      LogRead(213, 0) + "component removed\nT206\t\tT207\nconfiguration file written: 0 bytes\n",
      environment.LogText()));
}

TEST_F(FormfitRunTest, ReadOnlyFileIsMadeWritableAndStaysSo) {
  fs::permissions(config, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  RecordingEnvironment environment;
  Formfit engine(environment);
  engine.Init(config);

  EXPECT_TRUE(engine.Install("Grid", component));

  EXPECT_TRUE(SameText(kInstalled, ReadFile(config)));
  EXPECT_NE(fs::perms::none, fs::status(config).permissions() & fs::perms::owner_write);
}

// An install or a check of a component that can place nothing is no
// success, and leaves everything on disk as it was.
TEST_F(FormfitRunTest, RunThatPlacesNothingChangesNothing) {
  // A run that changes nothing leaves even the leftovers of killed runs.
  const std::string leftover = KilledRunLeftover(config);
  for (const ComponentRun& run : {kInstallRun, kCheckRun}) {
    for (const NothingToPlace& row : NothingToPlaceRows()) {
      SCOPED_TRACE(std::string(run.name) + ", " + row.name);
      dir.WriteFile("DEDUDED.INF", row.configuration);
      dir.WriteFile("Grid.wed", row.componentFile);
      MakeReadOnly(true);
      RecordingEnvironment environment;
      Formfit engine(environment);
      engine.Init(config);

      EXPECT_FALSE((engine.*run.run)("Grid", component));

      ASSERT_TRUE(engine.Status());
      EXPECT_EQ(Symbol("COMPONENT_NOT_PLACED"), engine.Status()->code);
      EXPECT_EQ("T" + std::to_string(run.caption), engine.Status()->caption);
      EXPECT_TRUE(SameText(Fill("T221\r\n{component}"), engine.Status()->description));
      EXPECT_TRUE(SameText(row.configuration, ReadFile(config)));
      EXPECT_EQ((std::vector<std::string>{"DEDUDED.INF", "Grid.wed", leftover}), Names());
      EXPECT_TRUE(ReadOnly());
      MakeReadOnly(false);
    }
  }
}

TEST_F(FormfitRunTest, PartialPlacementAndRemovingWhatIsNotThereAreSuccesses) {
  // Only the control goes in: the component's form has no [CONTROL] to go ahead of.
  const auto withoutControlSection = [](std::string text) {
    text.erase(text.find("[CONTROL]\r\n\r\n"), 13);
    return text;
  };
  const std::string noControlSection = withoutControlSection(kConfig);
  dir.WriteFile("Grid.wed", Crlf("[CONTENTS]\nGrid=GRID\nWin=FORM:Win\n[GRID]\nClass=Grid\n"
                                 "[FORM:Win]\nCaption=W\n"));
  dir.WriteFile("DEDUDED.INF", noControlSection);
  RecordingEnvironment environment;
  Formfit engine(environment);
  engine.Init(config);

  EXPECT_TRUE(engine.Install("Grid", component));
  ASSERT_TRUE(engine.Status());
  EXPECT_EQ(Symbol("SUCCESS"), engine.Status()->code);
  EXPECT_TRUE(SameText(withoutControlSection(kInstalled), ReadFile(config)));

  dir.WriteFile("DEDUDED.INF", kConfig);
  fs::remove(Backup(0));
  EXPECT_TRUE(engine.Deinstall("Grid", component));
  ASSERT_TRUE(engine.Status());
  EXPECT_EQ(Symbol("SUCCESS"), engine.Status()->code);
  EXPECT_TRUE(SameText(kConfig, ReadFile(config)));
  EXPECT_TRUE(SameText(kConfig, ReadFile(Backup(0))));
}

TEST(FormfitInitTest, CompletesNameAndExtension) {
  struct Row {
    const char* given;
    const char* full;
  };
  const Row rows[] = {
      {"D:\\VO28\\BIN\\DEDUDED.INF", "D:\\VO28\\BIN\\DEDUDED.INF"},
      {"D:\\VO28\\BIN\\", "D:\\VO28\\BIN\\DEDUDED.INF"},
      {"D:\\VO28\\BIN\\DEDUDED", "D:\\VO28\\BIN\\DEDUDED.INF"},
      {"D:\\VO28\\BIN\\other.cfg", "D:\\VO28\\BIN\\other.cfg"},
  };
  RecordingEnvironment environment;
  for (const Row& row : rows) {
    Formfit engine(environment);
    EXPECT_EQ(row.full, engine.Init(row.given).ConfigurationFile().FullPath()) << row.given;
    EXPECT_FALSE(engine.Status()) << row.given;
  }
}

}  // namespace
}  // namespace formfit::test
