// The two runs that give a way back: Check, which only reads, and Restore,
// which puts a numbered backup back.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/StringRules.h"
#include "engine/Formfit.h"
#include "engine/FormfitRunFixture.h"
#include "support/FailingFileOps.h"
#include "support/RecordingEnvironment.h"
#include "support/TempDir.h"
#include "support/TextAssert.h"

namespace formfit::test {
namespace {

using FormfitCheckTest = FormfitRunTest;

std::string Without(std::string text, const std::string& part) {
  return text.erase(text.find(part), part.size());
}

std::string Replaced(std::string text, const std::string& part, const std::string& by) {
  return text.replace(text.find(part), part.size(), by);
}

const std::map<unsigned, std::string> kFindingLogs = {
    {224, "component installed\n"},
    {225, "component not installed\n"},
    {226, "component installed in part or from another version\n"},
};

TEST_F(FormfitCheckTest, FindsWhatIsInstalledAndChangesNothing) {
  struct Row {
    const char* name;
    std::function<std::string()> configuration;
    const char* code;
    unsigned description;
  };
  const auto text = [](std::string bytes) { return [bytes] { return bytes; }; };
  const Row rows[] = {
      {"installed", text(kInstalled), "COMPONENT_INSTALLED", 224},
      // Added again after a remove, the block stands one blank line apart.
      {"installed, removed, installed again",
       [this] {
         RecordingEnvironment environment;
         Formfit engine(environment);
         engine.Init(config);
         EXPECT_TRUE(engine.Install("Grid", component) && engine.Deinstall("Grid", component) &&
                     engine.Install("Grid", component));
         return ReadFile(config);
       },
       "COMPONENT_INSTALLED", 224},
      {"never installed", text(kConfig), "COMPONENT_NOT_INSTALLED", 225},
      {"removed", text(kRemoved), "COMPONENT_NOT_INSTALLED", 225},
      {"a line of it taken out", text(Without(kInstalled, "Class=Grid\r\n")),
       "COMPONENT_INSTALLED_IN_PART", 226},
      {"from another version", text(Replaced(kInstalled, "Class=Grid", "Class=OldGrid")),
       "COMPONENT_INSTALLED_IN_PART", 226},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    for (const auto& [name, bytes] : Listing()) fs::remove(dir.Path() + name);
    dir.WriteFile("Grid.wed", kComponent);
    dir.WriteFile("DEDUDED.INF", kConfig);
    const std::string configuration = row.configuration();
    dir.WriteFile("DEDUDED.INF", configuration);
    MakeReadOnly(true);
    const std::map<std::string, std::string> before = Listing();
    RecordingEnvironment environment;
    Formfit engine(environment);
    engine.Init(config);

    EXPECT_EQ(row.description == 224, engine.Check("Grid", component));

    ASSERT_TRUE(engine.Status());
    EXPECT_EQ(Symbol(row.code), engine.Status()->code);
    EXPECT_EQ("T223", engine.Status()->caption);
    EXPECT_TRUE(SameText("T" + std::to_string(row.description) + "\r\n" + component,
                         engine.Status()->description));
    EXPECT_EQ(before, Listing());
    EXPECT_TRUE(ReadOnly());
    EXPECT_TRUE(SameText(LogRead(222, configuration.size()) + kFindingLogs.at(row.description),
                         environment.LogText()));
    MakeReadOnly(false);
  }
}

// One backup on disk: its number, its bytes, and how many hours ago it was
// last written.
struct OnDisk {
  unsigned number;
  std::string bytes;
  int hoursAgo;
};

class RestoreFixture : public FormfitRunTest {
 protected:
  void Lay(const std::vector<OnDisk>& backups) {
    for (const OnDisk& backup : backups) {
      dir.WriteFile(BackupName(backup.number), backup.bytes);
      fs::last_write_time(Backup(backup.number),
                          fs::file_time_type::clock::now() - std::chrono::hours(backup.hoursAgo));
    }
  }
  std::string LogHead() const { return "<time>\nT228\n<time>\nDEDUDED.INF:\t" + config + "\n"; }
};

TEST_F(RestoreFixture, PutsTheChosenBackupBackAfterBackingUpTheFile) {
  struct Row {
    const char* name;
    std::vector<OnDisk> backups;
    std::string asked;
    unsigned restored;
    unsigned made;
  };
  const Row rows[] = {
      {"newest, numbers with gaps", {{0, "old", 30}, {3, "newest", 1}, {7, "older", 5}}, {}, 3, 1},
      {"a tie goes to the higher number", {{2, "two", 4}, {5, "five", 4}}, {}, 5, 0},
      {"the one asked for", {{0, "old", 30}, {3, "newest", 1}, {7, "older", 5}}, "7", 7, 1},
      {"leading zeros", {{0, "old", 30}, {3, "newest", 1}}, "000", 0, 1},
      {"from 10 on", {{0, "zero", 3}, {12, "twelve", 3}}, "12", 12, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    for (const auto& [name, bytes] : Listing()) fs::remove(dir.Path() + name);
    dir.WriteFile("DEDUDED.INF", kConfig);
    Lay(row.backups);
    MakeReadOnly(true);
    std::map<std::string, std::string> expected = Listing();
    std::string restoredBytes;
    for (const OnDisk& backup : row.backups) {
      if (backup.number == row.restored) restoredBytes = backup.bytes;
    }
    expected["DEDUDED.INF"] = restoredBytes;
    expected[BackupName(row.made)] = kConfig;
    RecordingEnvironment environment;
    Formfit engine(environment);
    engine.Init(config);

    EXPECT_TRUE(engine.Restore(row.asked));

    EXPECT_EQ(expected, Listing());
    // Rewritten, the file stays writable, as after any change.
    EXPECT_FALSE(ReadOnly());
    ASSERT_TRUE(engine.Status());
    EXPECT_EQ(Symbol("SUCCESS"), engine.Status()->code);
    EXPECT_EQ("T229", engine.Status()->caption);
    EXPECT_TRUE(SameText(
        "T230\r\n" + Lower(Backup(row.restored)) + "\r\nT231\r\n" + Lower(Backup(row.made)),
        engine.Status()->description));
    EXPECT_TRUE(
        SameText(LogHead() + "T209\t" + std::to_string(kConfig.size()) +
                     "\nT206\t\tT207\nbackup made: " + Backup(row.made) +
                     "\nconfiguration file written: " + std::to_string(restoredBytes.size()) +
                     " bytes\nbackup put back: " + Backup(row.restored) + "\n",
                 environment.LogText()));
  }
}

TEST_F(RestoreFixture, ARestoreIsUndoneByTheNextOne) {
  Lay({{0, "first", 2}});
  RecordingEnvironment environment;
  Formfit engine(environment);
  engine.Init(config);

  EXPECT_TRUE(engine.Restore(""));
  EXPECT_TRUE(SameText("first", ReadFile(config)));
  // The backup the restore made is now the newest.
  EXPECT_TRUE(engine.Restore(""));

  EXPECT_TRUE(SameText(kConfig, ReadFile(config)));
  EXPECT_TRUE(SameText(kConfig, ReadFile(Backup(1))));
  EXPECT_TRUE(SameText("first", ReadFile(Backup(2))));
}

// No backup to put back, the backup in place already, a file missing or a
// rewrite that fails: the folder is as before, and the status says why.
TEST_F(RestoreFixture, WhatCannotBeOrNeedNotBeRestoredLeavesEverythingAsItWas) {
  struct Row {
    const char* name;
    std::function<void()> lay;
    std::string asked;
    std::vector<Fault> faults;
    const char* code;
    std::string description;
  };
  const std::string folder = Lower(dir.Path());
  const auto laid = [this](std::vector<OnDisk> backups) {
    return [this, backups] { Lay(backups); };
  };
  const auto folderAt = [this](unsigned number) {
    return [this, number] { fs::create_directory(Backup(number)); };
  };
  const auto nothing = [] {};
  const std::vector<Fault> none;
  const auto failing = [](FileOp op, int call) { return std::vector<Fault>{{op, call}}; };
  const Row rows[] = {
      {"no backup at all", nothing, "", none, "BACKUP_NOT_FOUND", "T233\r\n" + folder},
      {"not the one asked for", laid({{1, "one", 1}}), "4", none, "BACKUP_NOT_FOUND",
       "T233\r\n" + Lower(Backup(4))},
      {"no number", laid({{1, "one", 1}}), "One", none, "BACKUP_NOT_FOUND",
       "T233\r\n" + folder + "deduded.one"},
      {"a folder of that name", folderAt(2), "002", none, "BACKUP_NOT_FOUND",
       "T233\r\n" + Lower(Backup(2))},
      {"only a folder", folderAt(2), "", none, "BACKUP_NOT_FOUND", "T233\r\n" + folder},
#ifndef _WIN32
      {"a link of that name", [this] { fs::create_symlink(config, Backup(3)); }, "3", none,
       "BACKUP_NOT_FOUND", "T233\r\n" + Lower(Backup(3))},
#endif
      {"the folder cannot be listed", laid({{1, "one", 1}}), "1", failing(FileOp::PlainFiles, 1),
       "BACKUP_NOT_FOUND", "T233\r\n" + Lower(Backup(1))},
      {"the backup unreadable", laid({{1, "one", 1}}), "", failing(FileOp::OpenRead, 1),
       "BACKUP_NOT_FOUND", "T233\r\n" + folder},
      {"the backup in place already", laid({{0, kConfig, 1}, {1, "older", 2}}), "", none, "SUCCESS",
       "T232\r\n" + Lower(Backup(0))},
      {"configuration file missing",
       [this] {
         Lay({{0, "zero", 1}});
         fs::remove(config);
       },
       "", none, "DEDUDED_NOT_FOUND", "T202\r\n" + folder + "\r\n\r\nT203"},
      {"the disk fills during the rewrite", laid({{0, "zero", 1}}), "", failing(FileOp::Write, 2),
       "DEDUDED_WRITE_ERROR", "T217\r\n" + config},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    for (const auto& [name, bytes] : Listing()) fs::remove_all(dir.Path() + name);
    dir.WriteFile("DEDUDED.INF", kConfig);
    row.lay();
    const bool readOnly = fs::exists(config);
    if (readOnly) MakeReadOnly(true);
    std::map<std::string, std::string> expected = Listing();
    // The backup the run made stays, as after any failed write.
    if (std::string(row.code) == "DEDUDED_WRITE_ERROR") expected["DEDUDED.001"] = kConfig;
    FailingFileOps files(row.faults);
    RecordingEnvironment environment(files);
    Formfit engine(environment);
    engine.Init(config);

    EXPECT_EQ(std::string(row.code) == "SUCCESS", engine.Restore(row.asked));

    EXPECT_EQ(expected, Listing());
    ASSERT_TRUE(engine.Status());
    EXPECT_EQ(Symbol(row.code), engine.Status()->code);
    EXPECT_EQ("T229", engine.Status()->caption);
    EXPECT_TRUE(SameText(row.description, engine.Status()->description));
    // Put back after a failed write, the file is as it was, read-only too.
    if (readOnly) {
      EXPECT_TRUE(ReadOnly());
    }
    if (readOnly) MakeReadOnly(false);
  }
}

}  // namespace
}  // namespace formfit::test
