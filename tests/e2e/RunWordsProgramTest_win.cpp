// formfit.exe as installers run it: silently, in each mode, with the words
// they add (preview=, log=, lang=), and the Summary page's command line run
// as it stands; each on a copy of the sample installation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <thread>

#include "ProgramDriver_win.h"
#include "engine/Component.h"
#include "engine/TextNumbers.h"
#include "engine/qIniFile.h"
#include "env/LanguageStrings.h"
#include "support/ApplyUnifiedDiff.h"
#include "support/BackupName.h"
#include "support/TempDir.h"
#include "support/TextAssert.h"
#include "ui/TextNumbers.h"

namespace formfit::test {
namespace {

namespace fs = std::filesystem;

const std::string kProgram = FORMFIT_PROGRAM;

std::string Text(const char* languageFile, unsigned number) {
  return LanguageTable::FromFile(std::string(FORMFIT_RESOURCES_DIR) + "/" + languageFile)
      .Lookup(number, "");
}

std::string T(unsigned number) { return Text("Formfit.sys", number); }

class RunWords : public ::testing::Test {
 protected:
  RunWords() { Copy(); }

  void Copy() {
    fs::remove_all(folder);
    fs::copy(ExamplesDir() + "VO28", folder, fs::copy_options::recursive);
  }
  std::string Configuration() const { return bin + "DEDUDED.INF"; }
  std::string Backup(unsigned number) const { return bin + BackupName(number); }
  std::string Words(const std::string& more) const { return "\"cavopath=" + folder + "\" " + more; }
  std::string Grid(const char* mode) const {
    return "\"cavopath=" + folder + "\" \"compfile=" + bin +
           "grid.wed\" component=GridCtl mode=" + mode + " silent";
  }

  TempDir dir;
  std::string folder = dir.Path() + "VO28";
  std::string bin = folder + "\\BIN\\";
};

// An installer reads the outcome from the exit status, and nothing is shown,
// whether it says silent or one of the switches installer authors type.
TEST_F(RunWords, SilentRunsShowNothingAndExitWithTheirOutcome) {
  struct Row {
    const char* name;
    std::string words;
    int exitStatus;
    bool changed;
  };
  const std::string grid = "\"compfile=" + bin + "grid.wed\" component=GridCtl";
  const Row rows[] = {
      {"mode none of the four", grid + " mode=Delete silent", 1, false},
      {"checked, not installed, /S", grid + " mode=Check /S", 12, false},
      {"no component file", "\"compfile=" + bin + "none.wed\" mode=Add silent", 3, false},
      {"component file without entries", "\"compfile=" + bin + "empty.wed\" mode=Add silent", 9,
       false},
      {"added, /SILENT", grid + " mode=Add /SILENT", 0, true},
      {"checked, installed, /verysilent", grid + " mode=Check /verysilent", 0, false},
      // A Remove that cannot tell the component's blocks takes out nothing.
      {"remove with an empty component file",
       "\"compfile=" + bin + "empty.wed\" mode=Remove silent", 9, false},
      {"remove with a garbage component file",
       "\"compfile=" + bin + "garbage.wed\" mode=Remove silent", 9, false},
      {"removed again", grid + " mode=Remove SILENT", 0, true},
      // The newest backup is the one the remove made: the component is back.
      {"restored", "mode=Restore silent", 0, true},
      {"no such backup", "mode=Restore backup=7 silent", 14, false},
  };
  dir.WriteFile("VO28\\BIN\\empty.wed", "[CONTENTS]\r\n");
  dir.WriteFile("VO28\\BIN\\garbage.wed", "\x01\xfe\x00garbage\r\n\xff");
  int backups = 0;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string before = ReadFile(Configuration());
    RunningProgram program(kProgram, Words(row.words));
    ASSERT_TRUE(program.Started());
    EXPECT_EQ(row.exitStatus, program.WaitForExit());
    EXPECT_FALSE(program.ShowedAWindow());
    EXPECT_EQ(row.changed, ReadFile(Configuration()) != before);
    if (row.changed) {
      EXPECT_TRUE(SameText(before, ReadFile(Backup(backups++))));
    }
    EXPECT_FALSE(fs::exists(Backup(backups)));
  }

  fs::remove(Configuration());
  RunningProgram missing(kProgram, Words(grid + " mode=Add silent"));
  EXPECT_EQ(2, missing.WaitForExit());
  EXPECT_FALSE(missing.ShowedAWindow());
}

// A file another program holds for a moment is waited for; one held
// throughout gives 4 after the wait, long before an installer gives up.
TEST_F(RunWords, SilentRunOnAFileHeldByAnotherProgram) {
  struct Row {
    const char* name;
    DWORD heldFor;  // milliseconds; INFINITE: throughout the run
    int exitStatus;
  };
  const Row rows[] = {{"held for 2 s", 2000, 0}, {"held throughout", INFINITE, 4}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Copy();
    const std::string original = ReadFile(Configuration());
    const HANDLE held =
        CreateFileA(Configuration().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    const DWORD start = GetTickCount();
    RunningProgram program(kProgram, Grid("Add"));
    std::thread release([&] {
      if (row.heldFor != INFINITE) {
        Sleep(row.heldFor);
        CloseHandle(held);
      }
    });
    const int exitStatus = program.WaitForExit(30000);
    const DWORD took = GetTickCount() - start;
    release.join();
    if (row.heldFor == INFINITE) CloseHandle(held);
    EXPECT_EQ(row.exitStatus, exitStatus);
    EXPECT_LT(took, 20000u);
    EXPECT_FALSE(program.ShowedAWindow());
    EXPECT_EQ(row.exitStatus == 0, !SameText(original, ReadFile(Configuration())));
    EXPECT_EQ(row.exitStatus == 0, fs::exists(Backup(0)));
  }
}

// preview= and log= never write over the installation's own files, however
// a path names them: preview= then gives 10 and writes nothing, and a run
// with such a log= is its twin's without it.
TEST_F(RunWords, PreviewAndLogNeverWriteOverTheInstallationsFiles) {
  RunningProgram first(kProgram, Grid("Add"));
  ASSERT_EQ(0, first.WaitForExit());
  const std::map<std::string, std::string> added = Files(folder);
  // The files after the first Add again; the folders stay, one of them
  // the working folder.
  const auto lay = [&] {
    for (const auto& [path, bytes] : Files(folder)) fs::remove(path);
    for (const auto& [path, bytes] : added) dir.WriteFile(path.substr(dir.Path().size()), bytes);
  };
  RunningProgram twin(kProgram, Grid("Add"));
  ASSERT_EQ(0, twin.WaitForExit());
  ASSERT_TRUE(fs::exists(Backup(1)));
  const std::map<std::string, std::string> twins = Files(folder);

  char shortPath[MAX_PATH];
  ASSERT_NE(0u, GetShortPathNameA(Configuration().c_str(), shortPath, MAX_PATH));
  std::string slashes = Configuration();
  std::replace(slashes.begin(), slashes.end(), '\\', '/');
  std::string upper = Configuration();
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  struct Alias {
    const char* name;
    std::string path;
  };
  const Alias aliases[] = {
      {"a trailing dot", Configuration() + "."},
      {"a trailing blank", Configuration() + " "},
      {"another case", upper},
      {"slashes", slashes},
      {"relative to the working folder", "..\\BIN\\DEDUDED.INF"},
      {"a short name", shortPath},
      {"the backup there", Backup(0) + "."},
      {"the next backup's name", Backup(1)},
      {"the component file", bin + "grid.wed."},
  };
  const std::string workingFolder = fs::current_path().string();
  fs::current_path(bin);
  for (const Alias& alias : aliases) {
    SCOPED_TRACE(alias.name);
    lay();
    RunningProgram preview(kProgram, Grid("Add") + " \"preview=" + alias.path + "\"");
    EXPECT_EQ(10, preview.WaitForExit());
    EXPECT_EQ(added, Files(folder));

    lay();
    RunningProgram logged(kProgram, Grid("Add") + " \"log=" + alias.path + "\"");
    EXPECT_EQ(0, logged.WaitForExit());
    EXPECT_EQ(twins, Files(folder));
  }
  fs::current_path(workingFolder);
}

// The preview's exit status is the real run's, nothing in the installation
// changes, and its diff turns the old file into what the real run writes.
TEST_F(RunWords, PreviewTellsWhatTheRealRunDoes) {
  struct Row {
    const char* name;
    const char* mode;
    const char* componentFile;
    int exitStatus;
  };
  const Row rows[] = {
      {"add", "Add", "grid.wed", 0},
      {"remove what is not there", "Remove", "grid.wed", 0},
      {"nothing to place", "Add", "empty.wed", 9},
  };
  const std::string diffFile = dir.Path() + "change.diff";
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Copy();
    dir.WriteFile("VO28\\BIN\\empty.wed", "[CONTENTS]\r\n");
    const std::string words = "\"cavopath=" + folder + "\" \"compfile=" + bin + row.componentFile +
                              "\" component=GridCtl mode=" + row.mode + " silent";
    const std::map<std::string, std::string> before = Files(folder);

    RunningProgram preview(kProgram, words + " \"preview=" + diffFile + "\"");
    EXPECT_EQ(row.exitStatus, preview.WaitForExit());
    EXPECT_FALSE(preview.ShowedAWindow());
    EXPECT_EQ(before, Files(folder));

    RunningProgram real(kProgram, words);
    EXPECT_EQ(row.exitStatus, real.WaitForExit());
    const std::optional<std::string> patched =
        ApplyUnifiedDiff(before.at(Configuration()), ReadFile(diffFile));
    ASSERT_TRUE(patched);
    EXPECT_TRUE(SameText(ReadFile(Configuration()), *patched));
  }

  RunningProgram nowhere(kProgram, Grid("Add") + " \"preview=" + dir.Path() + "none\\x.diff\"");
  EXPECT_EQ(10, nowhere.WaitForExit());
  EXPECT_FALSE(fs::exists(bin + "DEDUDED.000"));
}

// The log asked for holds the run's lines; a log that cannot be written
// changes nothing of the outcome.
TEST_F(RunWords, LogOnRequest) {
  const std::string log = dir.Path() + "run.log";
  RunningProgram program(kProgram, Grid("Add") + " \"log=" + log + "\"");
  EXPECT_EQ(0, program.WaitForExit());
  std::string text = std::regex_replace(
      ReadFile(log), std::regex(R"(\d\d\.\d\d\.\d{4} \d\d:\d\d:\d\d\r\n)"), "<time>\r\n");
  const std::string path = bin + "DEDUDED.INF";
  const std::size_t contents =
      Component::Read(qIniFile(bin + "grid.wed").Contents(), "GridCtl").Contents().size();
  EXPECT_TRUE(SameText(
      "<time>\r\n\t" + T(text::kInstallHeading) + "\r\n<time>\r\n\tGridCtl:\t" + bin +
          "grid.wed\r\n\tDEDUDED.INF:\t" + path + "\r\n\tcomponent file read: " +
          std::to_string(contents) + " contents\r\n\t" + T(text::kSizeLog) + "\t" +
          std::to_string(fs::file_size(bin + "DEDUDED.000")) + "\r\n\tcomponent placed\r\n\t" +
          T(text::kBackupLogFirst) + "\t\t" + T(text::kBackupLogSecond) +
          "\r\n\tconfiguration file written: " + std::to_string(fs::file_size(path)) + " bytes\r\n",
      text));

  const std::string added = ReadFile(Configuration());
  Copy();
  RunningProgram unwritable(kProgram, Grid("Add") + " \"log=" + dir.Path() + "none\\run.log\"");
  EXPECT_EQ(0, unwritable.WaitForExit());
  EXPECT_TRUE(SameText(added, ReadFile(Configuration())));
}

// lang=en picks the English file beside the program; without it, or
// without that file, the wizard is German.
TEST_F(RunWords, LanguageOnRequest) {
  const std::string german = T(text::kWelcomeCaption);
  const std::string english = Text("Formfit.en.sys", text::kWelcomeCaption);
  const std::string builtIn = "Willkommen im Assistenten für den VO-Window-Editor";
  struct Row {
    const char* name;
    bool germanFile;
    bool englishFile;
    const char* words;
    const std::string& caption;
  };
  const Row rows[] = {
      {"en", true, true, "lang=en", english},
      {"EN", true, true, "LANG=EN", english},
      {"de", true, true, "lang=de", german},
      {"no word", true, true, "", german},
      {"en, no English file", true, false, "lang=en", german},
      {"en, no language file", false, false, "lang=en", builtIn},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string place = dir.Path() + "program\\";
    fs::remove_all(place);
    fs::create_directories(place);
    fs::copy_file(kProgram, place + "formfit.exe");
    if (row.germanFile) {
      fs::copy_file(std::string(FORMFIT_RESOURCES_DIR) + "/Formfit.sys", place + "Formfit.sys");
    }
    if (row.englishFile) {
      fs::copy_file(std::string(FORMFIT_RESOURCES_DIR) + "/Formfit.en.sys",
                    place + "Formfit.en.sys");
    }
    RunningProgram program(place + "formfit.exe", "\"cavopath=" + folder + "\" " + row.words);
    HWND dialog = program.WaitForWindow("Setup DU-Rodadu Dazodo v3");
    ASSERT_NE(nullptr, dialog);
    EXPECT_NE(nullptr, WaitForChild(dialog, "Static", row.caption)) << Texts(dialog).size();
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(1, program.WaitForExit());
  }
}

// The command line on the Summary page, run as it stands, makes the same
// change as finishing the wizard.
TEST_F(RunWords, TheSummarysCommandLineMakesTheSameChange) {
  RunningProgram program(kProgram, "\"cavopath=" + folder + "\" component=GridCtl");
  HWND dialog = program.WaitForWindow("Setup DU-Rodadu Dazodo v3");
  ASSERT_NE(nullptr, dialog);
  for (const unsigned caption :
       {text::kFolderCaption, text::kComponentCaption, text::kModeCaption, text::kSummaryCaption}) {
    Click(FindChild(dialog, "Button", T(text::kNext)));
    ASSERT_NE(nullptr, WaitForChild(dialog, "Static", T(caption)));
  }
  HWND field = FindChildOfClass(dialog, "Edit");
  ASSERT_NE(nullptr, field);
  const std::string summary = WindowText(field);
  const std::size_t end = summary.rfind("\r\n");
  const std::size_t start = summary.rfind("\r\n", end - 1) + 2;
  const std::string commandLine = summary.substr(start, end - start);
  const std::size_t programEnd = commandLine.find(" cavopath=");
  ASSERT_NE(std::string::npos, programEnd) << summary;
  EXPECT_TRUE(fs::equivalent(kProgram, commandLine.substr(0, programEnd))) << commandLine;

  Click(FindChild(dialog, "Button", T(text::kFinish)));
  HWND box = program.WaitForOtherWindow(dialog);
  ASSERT_NE(nullptr, box);
  Click(FindChild(box, "Button", "OK"));
  EXPECT_EQ(0, program.WaitForExit());
  const std::string finished = ReadFile(Configuration());

  Copy();
  RunningProgram silent(commandLine);
  ASSERT_TRUE(silent.Started());
  EXPECT_EQ(0, silent.WaitForExit());
  EXPECT_FALSE(silent.ShowedAWindow());
  EXPECT_TRUE(SameText(finished, ReadFile(Configuration())));
  EXPECT_TRUE(fs::exists(bin + "DEDUDED.000"));
}

}  // namespace
}  // namespace formfit::test
