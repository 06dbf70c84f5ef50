#include <gtest/gtest.h>

#include <filesystem>

#include "base/StringRules.h"
#include "engine/Formfit.h"
#include "engine/FormfitRunEnvironment.h"
#include "engine/FormfitRunFiles.h"
#include "engine/FormfitRunTexts.h"
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

class FormfitRunTest : public ::testing::Test {
 protected:
  std::string Backup(int number) const {
    return dir.Path() + "DEDUDED.00" + std::to_string(number);
  }
  bool Exists(const std::string& path) const { return fs::exists(path); }

  // The log lines every run writes before it looks at the files.
  std::string LogHead(unsigned heading) const {
    return "<time>\nT" + std::to_string(heading) + "\n<time>\nGrid:\t" + component +
           "\nDEDUDED.INF:\t" + dir.Path() + "DEDUDED.INF\n";
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
  EXPECT_TRUE(SameText(
      LogHead(200) + "T209\t" + std::to_string(kConfig.size()) + "\nT206\t\tT207\n1\n2\n3\n4\n5\n",
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
  EXPECT_TRUE(SameText(
      LogHead(213) + "T209\t" + std::to_string(kInstalled.size()) + "\nT206\t\tT207\n1\n2\n3\n",
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
  const char* kWrite = "DEDUDED_WRITE_ERROR";
  const char* kWriteText = "T217\r\n{config}";
  // clang-format off
  const Row rows[] = {
      {"no failure", {}, "SUCCESS", "T212\r\n{backup}", kRewritten},
      {"attributes cannot be changed", {{FileOp::ClearReadOnly, 1}}, "SUCCESS", "T212\r\n{backup}", kRewritten},
      {"open", {{FileOp::OpenReadWrite, 1}}, "DEDUDED_OPEN_ERROR", "T208\r\n{config}", kUntouched},
      {"size", {{FileOp::SeekEnd, 1}}, kRead, "T211", kUntouched},
      {"seek before reading", {{FileOp::SeekStart, 1}}, kRead, "T211", kUntouched},
      {"short read", {{FileOp::Read, 1}}, kRead, "T211", kUntouched},
      {"backup", {{FileOp::CreateNew, 1}}, "DEDUDED_BACKUP_ERROR", "T216\r\n{config}", kUntouched},
      {"seek before writing", {{FileOp::SeekStart, 2}}, kWrite, kWriteText, kRestored},
      {"half written", {{FileOp::Write, 1}}, kWrite, kWriteText, kRestored},
      {"length", {{FileOp::SetLength, 1}}, kWrite, kWriteText, kRestored},
      {"close", {{FileOp::Close, 1}}, kWrite, kWriteText, kRestored},
      {"seek before writing, file broken", {{FileOp::SeekStart, 2, true}}, kWrite, kWriteText, kRestored},
      {"half written, file broken", {{FileOp::Write, 1, true}}, kWrite, kWriteText, kRestored},
      {"length, file broken", {{FileOp::SetLength, 1, true}}, kWrite, kWriteText, kRestored},
      {"restore on the file fails too", {{FileOp::Write, 1}, {FileOp::Write, 2}}, kWrite, kWriteText, kRestored},
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
    EXPECT_EQ(row.outcome != kUntouched, Exists(Backup(0)));
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
  FailingFileOps files({{FileOp::Write, 1, true}, {FileOp::OpenReadWrite, 2}});
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
  for (int number = 0; number < 1000; ++number) {
    char name[16];
    std::snprintf(name, sizeof name, "DEDUDED.%03d", number);
    dir.WriteFile(name, "");
  }
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

  EXPECT_TRUE(engine.Install("Grid", component));

  ASSERT_TRUE(engine.Status());
  EXPECT_EQ(Symbol("SUCCESS"), engine.Status()->code);
  EXPECT_EQ("", ReadFile(config));
  EXPECT_EQ("", ReadFile(Backup(0)));
  EXPECT_TRUE(
      SameText(LogHead(200) + "T209\t0\nT206\t\tT207\n1\n2\n3\n4\n5\n", environment.LogText()));
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
