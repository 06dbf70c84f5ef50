// formfit.exe as a person runs it, walking the wizard, and as it fails
// inside; each on a copy of the sample installation.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>

#include "WizardWalk_win.h"
#include "base/StringRules.h"
#include "engine/TextNumbers.h"
#include "support/TextAssert.h"

namespace formfit::test {
namespace {

namespace fs = std::filesystem;

TEST_F(FormfitProgram, AUserAddsAComponentThroughTheFivePages) {
  RunningProgram program(kProgram, Words(""));
  ASSERT_TRUE(program.Started());
  HWND dialog = program.WaitForWindow(kDialogTitle);
  ASSERT_NE(nullptr, dialog);

  ExpectPage(dialog, T(text::kWelcomeCaption));
  ClickAndExpect(dialog, T(text::kNext), T(text::kFolderCaption));
  EXPECT_NE(nullptr, FindChild(dialog, "Edit", folder + "\\"));
  ClickAndExpect(dialog, T(text::kNext), T(text::kComponentCaption));
  Pick(dialog, "GridCtl");
  ClickAndExpect(dialog, T(text::kNext), T(text::kModeCaption));
  HWND add = FindChild(dialog, "Button", T(text::kModeAdd));
  ASSERT_NE(nullptr, add);
  EXPECT_EQ(BST_CHECKED, SendMessageA(add, BM_GETCHECK, 0, 0));
  ClickAndExpect(dialog, T(text::kNext), T(text::kSummaryCaption));
  Click(FindChild(dialog, "Button", T(text::kFinish)));

  const std::string message = CloseMessageBox(program, T(text::kInstallCaption));
  EXPECT_TRUE(SameText(T(text::kInstalled) + "\r\n" + Lower(Backup(0)), message));
  EXPECT_EQ(0, program.WaitForExit());
  EXPECT_TRUE(SameText(Installed("GridCtl", "grid.wed"), ReadFile(Configuration())));
  EXPECT_TRUE(SameText(original, ReadFile(Backup(0))));
}

TEST_F(FormfitProgram, AUserAddsAComponentWithTheEnterKeyAlone) {
  RunningProgram program(kProgram, Words("component=GridCtl"));
  HWND dialog = program.WaitForWindow(kDialogTitle);
  ASSERT_NE(nullptr, dialog);
  for (const unsigned caption :
       {text::kWelcomeCaption, text::kFolderCaption, text::kComponentCaption, text::kModeCaption,
        text::kSummaryCaption}) {
    ExpectPage(dialog, T(caption));
    PressKeyIn(dialog, VK_RETURN);
  }
  HWND box = program.WaitForWindow(T(text::kInstallCaption));
  ASSERT_NE(nullptr, box);
  PressKeyIn(box, VK_RETURN);
  EXPECT_EQ(0, program.WaitForExit());

  // The same change made silently on a second copy.
  TempDir other;
  const std::string otherFolder = other.Path() + "VO28";
  fs::copy(ExamplesDir() + "VO28", otherFolder, fs::copy_options::recursive);
  RunningProgram silent(kProgram, "\"cavopath=" + otherFolder + "\" \"compfile=" + otherFolder +
                                      "\\BIN\\grid.wed\" component=GridCtl mode=Add silent");
  EXPECT_EQ(0, silent.WaitForExit());
  EXPECT_TRUE(SameText(ReadFile(otherFolder + "\\BIN\\DEDUDED.INF"), ReadFile(Configuration())));
  EXPECT_TRUE(SameText(original, ReadFile(Backup(0))));
}

TEST_F(FormfitProgram, EscOnTheFolderPageEndsWithoutAChange) {
  RunningProgram program(kProgram, Words(""));
  HWND dialog = program.WaitForWindow(kDialogTitle);
  ASSERT_NE(nullptr, dialog);
  ExpectPage(dialog, T(text::kWelcomeCaption));
  PressKeyIn(dialog, VK_RETURN);
  ExpectPage(dialog, T(text::kFolderCaption));
  PressKeyIn(dialog, VK_ESCAPE);
  EXPECT_EQ(1, program.WaitForExit());
  EXPECT_TRUE(SameText(original, ReadFile(Configuration())));
  EXPECT_FALSE(fs::exists(Backup(0)));
}

TEST_F(FormfitProgram, AFailedChangeReturnsToTheFirstPageAndAbortEndsWithoutAChange) {
  fs::remove(Configuration());
  RunningProgram program(kProgram, Words(""));
  HWND dialog = program.WaitForWindow(kDialogTitle);
  ASSERT_NE(nullptr, dialog);
  for (const std::string& caption : {T(text::kFolderCaption), T(text::kComponentCaption),
                                     T(text::kModeCaption), T(text::kSummaryCaption)}) {
    ClickAndExpect(dialog, T(text::kNext), caption);
  }
  Click(FindChild(dialog, "Button", T(text::kFinish)));

  const std::string message = CloseMessageBox(program, T(text::kInstallCaption));
  EXPECT_TRUE(SameText(T(text::kNotFoundBeforeFolder) + "\r\n" + Lower(bin) + "\r\n\r\n" +
                           T(text::kNotFoundAfterFolder),
                       message));
  ExpectPage(dialog, T(text::kWelcomeCaption));
  // Every choice is kept: the folder page still shows the folder.
  ClickAndExpect(dialog, T(text::kNext), T(text::kFolderCaption));
  EXPECT_NE(nullptr, FindChild(dialog, "Edit", folder + "\\"));
  Click(FindChild(dialog, "Button", T(text::kAbort)));

  EXPECT_EQ(1, program.WaitForExit());
  EXPECT_FALSE(fs::exists(Configuration()));
  EXPECT_FALSE(fs::exists(Backup(0)));
}

TEST_F(FormfitProgram, TheCommandLineGivesThePagesTheirFirstContents) {
  RunningProgram program(kProgram, Words("component=GridWin mode=Remove"));
  HWND dialog = program.WaitForWindow(kDialogTitle);
  ASSERT_NE(nullptr, dialog);
  ClickAndExpect(dialog, T(text::kNext), T(text::kFolderCaption));
  EXPECT_NE(nullptr, FindChild(dialog, "Edit", folder + "\\"));
  ClickAndExpect(dialog, T(text::kNext), T(text::kComponentCaption));
  HWND list = FindChildOfClass(dialog, "ComboBox");
  ASSERT_NE(nullptr, list);
  EXPECT_EQ("GridWin", WindowText(list));
  ClickAndExpect(dialog, T(text::kNext), T(text::kModeCaption));
  // The page is given Add, then the command line's Remove.
  EXPECT_EQ(BST_UNCHECKED,
            SendMessageA(FindChild(dialog, "Button", T(text::kModeAdd)), BM_GETCHECK, 0, 0));
  EXPECT_EQ(BST_CHECKED,
            SendMessageA(FindChild(dialog, "Button", T(text::kModeRemove)), BM_GETCHECK, 0, 0));
  Click(FindChild(dialog, "Button", T(text::kAbort)));

  EXPECT_EQ(1, program.WaitForExit());
  EXPECT_TRUE(SameText(original, ReadFile(Configuration())));
  EXPECT_FALSE(fs::exists(Backup(0)));
}

// The component page is refilled on every visit, and the user's pick stays
// while its file still offers it; else the command line's component is
// chosen again. Finish then installs what the page shows.
TEST_F(FormfitProgram, ReturnVisitsKeepTheUsersPick) {
  struct Row {
    const char* name;
    bool pickedFileDeleted;
    const char* shown;
    const char* installed;
    const char* file;
  };
  const Row rows[] = {
      {"kept", false, "Kalender und Datumsauswahl", "Calendar", "tools.wed"},
      {"its file deleted", true, "GridCtl", "GridCtl", "grid.wed"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove_all(folder);
    fs::copy(ExamplesDir() + "VO28", folder, fs::copy_options::recursive);
    const std::string expected = Installed(row.installed, row.file);
    RunningProgram program(kProgram, Words("component=GridCtl"));
    HWND dialog = program.WaitForWindow(kDialogTitle);
    ASSERT_NE(nullptr, dialog);
    ClickAndExpect(dialog, T(text::kNext), T(text::kFolderCaption));
    ClickAndExpect(dialog, T(text::kNext), T(text::kComponentCaption));
    Pick(dialog, "Kalender und Datumsauswahl");

    ClickAndExpect(dialog, T(text::kBack), T(text::kFolderCaption));
    ClickAndExpect(dialog, T(text::kBack), T(text::kWelcomeCaption));
    if (row.pickedFileDeleted) fs::remove(bin + "tools.wed");
    ClickAndExpect(dialog, T(text::kNext), T(text::kFolderCaption));
    ClickAndExpect(dialog, T(text::kNext), T(text::kComponentCaption));
    EXPECT_EQ(row.shown, WindowText(FindChildOfClass(dialog, "ComboBox")));
    ClickAndExpect(dialog, T(text::kNext), T(text::kModeCaption));
    ClickAndExpect(dialog, T(text::kNext), T(text::kSummaryCaption));
    Click(FindChild(dialog, "Button", T(text::kFinish)));
    CloseMessageBox(program, T(text::kInstallCaption));
    EXPECT_EQ(0, program.WaitForExit());
    EXPECT_TRUE(SameText(expected, ReadFile(Configuration())));
  }
}

// formfit_with_faults.exe fails where FORMFIT_FAULT says, once a run.
class FaultyProgram : public FormfitProgram {
 protected:
  explicit FaultyProgram() = default;
  ~FaultyProgram() override { SetEnvironmentVariableA("FORMFIT_FAULT", nullptr); }
  static void Inject(const std::string& point) {
    SetEnvironmentVariableA("FORMFIT_FAULT", point.c_str());
  }
  const std::string program = FORMFIT_FAULTY_PROGRAM;
  const std::string grid = "\"compfile=" + bin + "grid.wed\" component=GridCtl mode=Add";
};

std::string FailureText(const std::string& reason) {
  return T(text::kFailedInside) + "\r\n" + reason;
}

// No fault is reported as another outcome, nothing is shown, and the
// installation is as before; the log names the reason.
TEST_F(FaultyProgram, ASilentRunThatFailsInsideSaysSo) {
  struct Row {
    const char* point;
    std::string more;
    int exitStatus;
    const char* logged;  // the log's last line, after the tab
    bool backedUp;       // the run got as far as the backup
    bool logAlone;       // the failure is the log's only line: no step ran before it
  };
  const std::string diff = dir.Path() + "change.diff";
  const Row rows[] = {
      {"setup", "", 11, "injected fault at setup", false, true},
      {"setup:memory", "", 5, "std::bad_alloc", false, true},
      {"write", "", 11, "injected fault at write", true, false},
      {"diff", " \"preview=" + diff + "\"", 11, "injected fault at diff", false, false},
  };
  const std::string log = dir.Path() + "run.log";
  const std::map<std::string, std::string> before = Files(folder);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.point);
    fs::remove(log);
    fs::remove(Backup(0));
    Inject(row.point);
    RunningProgram run(program, Words(grid + " silent \"log=" + log + "\"" + row.more));
    EXPECT_EQ(row.exitStatus, run.WaitForExit());
    EXPECT_FALSE(run.ShowedAWindow());
    std::map<std::string, std::string> expected = before;
    if (row.backedUp) expected[Backup(0)] = original;
    EXPECT_EQ(expected, Files(folder));
    const std::string logged = ReadFile(log);
    const std::string last = "\tthe program failed inside: " + std::string(row.logged) + "\r\n";
    EXPECT_EQ(last, logged.substr(logged.size() - std::min(logged.size(), last.size())));
    EXPECT_EQ(row.logAlone, logged == last);
    EXPECT_FALSE(fs::exists(diff));
  }
}

// The user learns the reason; the wizard stands on its first page, usable:
// the same walk then makes the change.
TEST_F(FaultyProgram, AWizardThatFailsInsideTellsAndGoesOn) {
  for (const char* point : {"page", "setup"}) {
    SCOPED_TRACE(point);
    fs::remove_all(folder);
    fs::copy(ExamplesDir() + "VO28", folder, fs::copy_options::recursive);
    Inject(point);
    RunningProgram run(program, Words("component=GridCtl"));
    HWND dialog = run.WaitForWindow(kDialogTitle);
    ASSERT_NE(nullptr, dialog);
    const std::string pages[] = {T(text::kFolderCaption), T(text::kComponentCaption),
                                 T(text::kModeCaption), T(text::kSummaryCaption)};
    for (const std::string& caption : pages) {
      Click(FindChild(dialog, "Button", T(text::kNext)));
      if (caption == T(text::kComponentCaption) && point == std::string("page")) break;
      ExpectPage(dialog, caption);
    }
    if (point == std::string("setup")) Click(FindChild(dialog, "Button", T(text::kFinish)));
    HWND box = run.WaitForOtherWindow(dialog);
    ASSERT_NE(nullptr, box);
    std::string text;
    for (const std::string& line : Texts(box)) text += line;
    EXPECT_TRUE(SameText(FailureText("injected fault at " + std::string(point)), text));
    Click(FindChild(box, "Button", "OK"));
    ExpectPage(dialog, T(text::kWelcomeCaption));
    EXPECT_TRUE(SameText(original, ReadFile(Configuration())));
    EXPECT_FALSE(fs::exists(Backup(0)));

    for (const std::string& caption : pages) ClickAndExpect(dialog, T(text::kNext), caption);
    Click(FindChild(dialog, "Button", T(text::kFinish)));
    CloseMessageBox(run, T(text::kInstallCaption));
    EXPECT_EQ(0, run.WaitForExit());
    EXPECT_TRUE(SameText(Installed("GridCtl", "grid.wed"), ReadFile(Configuration())));
  }
}

// Asked to close and to let the session end while the file is being
// written, the wizard makes the whole change all the same and shows its
// result (InjectedFault_win.cpp throws where a request got through).
TEST_F(FaultyProgram, NoRequestCutsTheChangeShort) {
  Inject("write:requests");
  RunningProgram run(program, Words("component=GridCtl"));
  HWND dialog = run.WaitForWindow(kDialogTitle);
  ASSERT_NE(nullptr, dialog);
  for (const std::string& caption : {T(text::kFolderCaption), T(text::kComponentCaption),
                                     T(text::kModeCaption), T(text::kSummaryCaption)}) {
    ClickAndExpect(dialog, T(text::kNext), caption);
  }
  Click(FindChild(dialog, "Button", T(text::kFinish)));
  EXPECT_TRUE(SameText(T(text::kInstalled) + "\r\n" + Lower(Backup(0)),
                       CloseMessageBox(run, T(text::kInstallCaption))));
  EXPECT_EQ(0, run.WaitForExit());
  EXPECT_TRUE(SameText(Installed("GridCtl", "grid.wed"), ReadFile(Configuration())));
}

TEST_F(FaultyProgram, AWizardThatCannotBeMadeTellsAndEnds) {
  Inject("dialog");
  RunningProgram run(program, Words(""));
  EXPECT_TRUE(
      SameText(FailureText("injected fault at dialog"), CloseMessageBox(run, kDialogTitle)));
  EXPECT_EQ(1, run.WaitForExit());
  EXPECT_TRUE(SameText(original, ReadFile(Configuration())));
  EXPECT_FALSE(fs::exists(Backup(0)));
}

}  // namespace
}  // namespace formfit::test
