// The backups every change makes: their numbers, and the leftovers of
// killed runs that the backup step clears away.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/StringRules.h"
#include "engine/Formfit.h"
#include "engine/FormfitRunFixture.h"
#include "support/BackupName.h"
#include "support/FailingFileOps.h"
#include "support/RecordingEnvironment.h"
#include "support/TempDir.h"
#include "support/TextAssert.h"

namespace formfit::test {
namespace {

using FormfitBackupTest = FormfitRunTest;

TEST_F(FormfitBackupTest, BackupTakesTheFirstFreeNumberAndNeverOverwrites) {
  dir.WriteFile("DEDUDED.000", "zero");
  dir.WriteFile("DEDUDED.001", "one");
  RecordingEnvironment environment;
  Formfit engine(environment);
  engine.Init(config);

  EXPECT_TRUE(engine.Install("Grid", component));

  EXPECT_EQ("zero", ReadFile(Backup(0)));
  EXPECT_EQ("one", ReadFile(Backup(1)));
  EXPECT_TRUE(SameText(kConfig, ReadFile(Backup(2))));
  ASSERT_TRUE(engine.Status());
  EXPECT_TRUE(
      SameText("T212\r\n" + Lower(dir.Path()) + "deduded.002", engine.Status()->description));
}

TEST_F(FormfitBackupTest, AllBackupNamesTakenStopsTheRun) {
  for (unsigned number = 0; number < 1000; ++number) dir.WriteFile(BackupName(number), "");
  RecordingEnvironment environment;
  Formfit engine(environment);
  engine.Init(config);

  EXPECT_FALSE(engine.Deinstall("Grid", component));

  EXPECT_TRUE(SameText(kConfig, ReadFile(config)));
  ASSERT_TRUE(engine.Status());
  EXPECT_EQ(Symbol("DEDUDED_BACKUP_ERROR"), engine.Status()->code);
  EXPECT_EQ("T214", engine.Status()->caption);
  EXPECT_TRUE(SameText("T216\r\n" + config, engine.Status()->description));
}

// Whatever has a number's name already, the backup takes the next number.
TEST_F(FormfitBackupTest, AnyEntryUnderABackupNameCountsAsTaken) {
  struct Row {
    const char* name;
    std::function<void(const std::string&)> occupy;
  };
  const Row rows[] = {
      {"file",
       [this](const std::string& path) { dir.WriteFile(fs::path(path).filename().string(), "x"); }},
      {"folder", [](const std::string& path) { fs::create_directory(path); }},
#ifndef _WIN32
      {"dangling link",
       [this](const std::string& path) { fs::create_symlink(dir.Path() + "gone", path); }},
#endif
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    row.occupy(Backup(0));
    dir.WriteFile("DEDUDED.INF", kConfig);
    RecordingEnvironment environment;
    Formfit engine(environment);
    engine.Init(config);

    EXPECT_TRUE(engine.Install("Grid", component));

    ASSERT_TRUE(engine.Status());
    EXPECT_TRUE(SameText("T212\r\n" + Lower(Backup(1)), engine.Status()->description));
    EXPECT_TRUE(SameText(kConfig, ReadFile(Backup(1))));
    EXPECT_EQ((std::vector<std::string>{"DEDUDED.000", "DEDUDED.001", "DEDUDED.INF", "Grid.wed"}),
              Names());
    fs::remove_all(Backup(0));
    fs::remove(Backup(1));
  }
}

// The backup step first removes what killed runs left of their temporary
// files: files of the names the engine's own temporary files get, and no
// others, and none that a run beside this one holds open. That run is
// stood in for by a temporary file held open as the engine holds its own
// (on Windows without sharing, natively with its lock). A failing listing
// or removal costs only the leftovers.
TEST_F(FormfitBackupTest, BackupRemovesLeftoversOfKilledRunsAndNothingElse) {
#ifdef _WIN32
  std::vector<std::string> own = {"~FFA2B.TMP", "~ff1.tmp", "~ff1a2b.tmp"};
  const std::vector<std::string> others = {"a~ff1a2b.tmp", "~ff.tmp",   "~ff12345.tmp",
                                           "~ff1a2b.txt",  "~ffg1.tmp", "~formfit-abc123"};
  const std::string folder = "~ffbeef.tmp";
#else
  std::vector<std::string> own = {"~formfit-Ab12yZ", "~formfit-abc123"};
  const std::vector<std::string> others = {"formfit-abc123", "~ff1a2b.tmp", "~formfit-abc12",
                                           "~formfit-abc12_", "~formfit-abc1234"};
  const std::string folder = "~formfit-beef00";
#endif
  const auto fill = [&] {
    for (const std::string& name : own) dir.WriteFile(name, "half a backup");
    for (const std::string& name : others) dir.WriteFile(name, "someone else's");
    fs::create_directory(dir.Path() + folder);
  };
  // Made once the fixed names exist, the engine's own names avoid them.
  fill();
  own.push_back(KilledRunLeftover(config));
  std::sort(own.begin(), own.end());
  std::string held;
  const std::unique_ptr<OpenFile> holder = SystemFileOps().CreateTemporary(config, held);
  ASSERT_TRUE(holder);
  // The run meets its own names in order, the held one among them; when the
  // first removal fails, it fails on the first of those.
  std::vector<std::string> met = own;
  met.push_back(fs::path(held).filename().string());
  std::sort(met.begin(), met.end());
  std::vector<std::string> afterFirst = own;
  afterFirst.erase(std::remove(afterFirst.begin(), afterFirst.end(), met.front()),
                   afterFirst.end());
  struct Row {
    const char* name;
    std::vector<Fault> faults;
    std::vector<std::string> removed;
  };
  const Row rows[] = {
      {"no failure", {}, own},
      {"listing fails", {{FileOp::PlainFiles, 1}}, {}},
      {"first removal fails", {{FileOp::RemoveUnlessHeld, 1}}, afterFirst},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove(Backup(0));
    dir.WriteFile("DEDUDED.INF", kConfig);
    fill();
    std::vector<std::string> expectedNames = Names();
    expectedNames.push_back("DEDUDED.000");
    std::string removedLog;
    for (const std::string& name : row.removed) {
      expectedNames.erase(std::find(expectedNames.begin(), expectedNames.end(), name));
      removedLog += "leftover removed: " + dir.Path() + name + "\n";
    }
    std::sort(expectedNames.begin(), expectedNames.end());
    FailingFileOps files(row.faults);
    RecordingEnvironment environment(files);
    Formfit engine(environment);
    engine.Init(config);

    EXPECT_TRUE(engine.Install("Grid", component));

    EXPECT_TRUE(SameText(LogRead(200, kConfig.size()) + "component placed\n" + removedLog +
                             "T206\t\tT207\nconfiguration file written: " +
                             std::to_string(kInstalled.size()) + " bytes\n",
                         environment.LogText()));
    EXPECT_EQ(expectedNames, Names());
    EXPECT_TRUE(SameText(kConfig, ReadFile(Backup(0))));
  }
  EXPECT_TRUE(holder->Close());
}

}  // namespace
}  // namespace formfit::test
