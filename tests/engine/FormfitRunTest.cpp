#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <vector>

#include "base/StringRules.h"
#include "engine/Formfit.h"
#include "engine/FormfitRunTexts.h"
#include "support/BackupName.h"
#include "support/FailingFileOps.h"
#include "support/RecordingEnvironment.h"
#include "support/TempDir.h"
#include "support/TextAssert.h"

namespace formfit::test {
namespace {

namespace fs = std::filesystem;

// Removing the block keeps the blank lines on both sides of it: one more
// blank line than before, ahead of [AssignMap].
const std::string kRemoved = [] {
  std::string text = kConfig;
  text.insert(text.find("\r\n[AssignMap]"), "\r\n");
  return text;
}();

// What a run killed while it wrote its backup leaves: its temporary file,
// made and closed as the engine does; its name.
std::string KilledRunLeftover(const std::string& beside) {
  std::string path;
  const std::unique_ptr<OpenFile> file = SystemFileOps().CreateTemporary(beside, path);
  EXPECT_TRUE(file && file->Write("half a backup") && file->Close());
  return fs::path(path).filename().string();
}

class FormfitRunTest : public ::testing::Test {
 protected:
  std::string Backup(unsigned number) const { return dir.Path() + BackupName(number); }
  bool Exists(const std::string& path) const { return fs::exists(path); }

  // The names in the test's folder, sorted.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.Path())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  // The log lines every run writes before it looks at the files.
  std::string LogHead(unsigned heading) const {
    return "<time>\nT" + std::to_string(heading) + "\n<time>\nGrid:\t" + component +
           "\nDEDUDED.INF:\t" + config + "\n";
  }

  // The log lines of a run that reads both files of this fixture, up to the
  // size of the configuration file.
  std::string LogRead(unsigned heading, std::size_t size) const {
    return LogHead(heading) + "component file read: 1 contents\nT209\t" + std::to_string(size) +
           "\n";
  }

  // `pattern` with {config}, {folder}, {component} and {backup} filled in.
  std::string Fill(std::string pattern) const {
    const std::pair<std::string, std::string> fields[] = {
        {"{config}", config},
        {"{folder}", Lower(dir.Path())},
        {"{component}", component},
        {"{backup}", Lower(Backup(0))},
    };
    for (const auto& [field, value] : fields) {
      for (size_t at = pattern.find(field); at != std::string::npos;
           at = pattern.find(field, at + value.size())) {
        pattern.replace(at, field.size(), value);
      }
    }
    return pattern;
  }

  TempDir dir;
  std::string config = dir.WriteFile("DEDUDED.INF", kConfig);
  std::string component = dir.WriteFile("Grid.wed", kComponent);
};

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
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    dir.WriteFile("DEDUDED.INF", kConfig);
    dir.WriteFile("Grid.wed", kComponent);
    fs::remove(dir.Path() + row.missing);
    RecordingEnvironment environment;
    Formfit engine(environment);
    engine.Init(config);

    EXPECT_FALSE(engine.Install("Grid", component));

    EXPECT_TRUE(SameText(LogHead(200), environment.LogText()));
    ASSERT_TRUE(engine.Status());
    EXPECT_EQ(Symbol(row.code), engine.Status()->code);
    EXPECT_EQ("T201", engine.Status()->caption);
    EXPECT_TRUE(SameText(Fill(row.description), engine.Status()->description));
    EXPECT_FALSE(Exists(Backup(0)));
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

TEST_F(FormfitRunTest, BackupTakesTheFirstFreeNumberAndNeverOverwrites) {
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

TEST_F(FormfitRunTest, AllBackupNamesTakenStopsTheRun) {
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

// An install that can place nothing of the component is no success, and
// leaves everything on disk as it was.
TEST_F(FormfitRunTest, InstallThatPlacesNothingChangesNothing) {
  struct Row {
    const char* name;
    std::string configuration;
    std::string componentFile;
  };
  std::string lfOnly = kConfig;
  lfOnly.erase(std::remove(lfOnly.begin(), lfOnly.end(), '\r'), lfOnly.end());
  std::string crOnly = kConfig;
  std::replace(crOnly.begin(), crOnly.end(), '\n', '\r');
  crOnly.erase(std::unique(crOnly.begin(), crOnly.end(),
                           [](char a, char b) { return a == '\r' && b == '\r'; }),
               crOnly.end());
  const Row rows[] = {
      {"line ends LF only", lfOnly, kComponent},
      {"line ends CR only", crOnly, kComponent},
      {"no landmarks", Crlf("[Other]\nA=1\n"), kComponent},
      {"empty configuration file", "", kComponent},
      {"component without entries", kConfig, Crlf("[CONTENTS]\nGrid=GRID\n[GRID]\n")},
      {"no contents list", kConfig, Crlf("[Other]\nA=1\n")},
      {"garbage component file", kConfig, std::string("\0\xFF\x01[\x80]=\r\x1A", 10)},
  };
  // A run that changes nothing leaves even the leftovers of killed runs.
  const std::string leftover = KilledRunLeftover(config);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    dir.WriteFile("DEDUDED.INF", row.configuration);
    dir.WriteFile("Grid.wed", row.componentFile);
    fs::permissions(config,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    RecordingEnvironment environment;
    Formfit engine(environment);
    engine.Init(config);

    EXPECT_FALSE(engine.Install("Grid", component));

    ASSERT_TRUE(engine.Status());
    EXPECT_EQ(Symbol("COMPONENT_NOT_PLACED"), engine.Status()->code);
    EXPECT_EQ("T201", engine.Status()->caption);
    EXPECT_TRUE(SameText(Fill("T221\r\n{component}"), engine.Status()->description));
    EXPECT_TRUE(SameText(row.configuration, ReadFile(config)));
    EXPECT_EQ((std::vector<std::string>{"DEDUDED.INF", "Grid.wed", leftover}), Names());
    EXPECT_EQ(fs::perms::none, fs::status(config).permissions() & fs::perms::owner_write);
    fs::permissions(config, fs::perms::owner_write, fs::perm_options::add);
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

// Whatever has a number's name already, the backup takes the next number.
TEST_F(FormfitRunTest, AnyEntryUnderABackupNameCountsAsTaken) {
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
TEST_F(FormfitRunTest, BackupRemovesLeftoversOfKilledRunsAndNothingElse) {
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
      {"listing fails", {{FileOp::Leftovers, 1}}, {}},
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
