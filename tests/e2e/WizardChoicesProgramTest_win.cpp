// formfit.exe's wizard showing where the user stands: the mode page's line
// and the change it proposes for each state of the component, a user's
// choice kept on a return visit, the window of the changes against the
// preview= file of the same choice, and a restore of the last backup
// against a silent one; each on a copy of the sample installation.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>

#include "WizardWalk_win.h"
#include "base/StringRules.h"
#include "engine/TextNumbers.h"
#include "support/TextAssert.h"

namespace formfit::test {
namespace {

namespace fs = std::filesystem;

void Put(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The text without its CR before each LF: the field ends every line with
// CR LF, a diff its own lines with LF alone.
std::string LfOnly(std::string text) {
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
    text.erase(at, 1);
  }
  return text;
}

// The last write time of `path` as the user's settings write a date and a
// time of day.
std::string WrittenAt(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  SYSTEMTIME universal{};
  SYSTEMTIME local{};
  GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
  FileTimeToSystemTime(&data.ftLastWriteTime, &universal);
  SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local);
  char date[64] = {};
  char time[64] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, date, sizeof date);
  GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &local, nullptr, time, sizeof time);
  return std::string(date) + " " + time;
}

// Every file below `folder` by its name there, with its bytes.
std::map<std::string, std::string> Below(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& [path, bytes] : Files(folder)) files[path.substr(folder.size())] = bytes;
  return files;
}

class WizardChoices : public FormfitProgram {
 protected:
  void Fresh() {
    fs::remove_all(folder);
    fs::copy(ExamplesDir() + "VO28", folder, fs::copy_options::recursive);
  }
  void InstallGrid() { Put(Configuration(), Installed("GridCtl", "grid.wed")); }
  std::string GridWords(const char* mode) const {
    return Words("\"compfile=" + bin + "grid.wed\" component=GridCtl mode=" + mode + " silent");
  }

  // The wizard on its mode page, the component shown as `component` picked
  // on the way when given; null when it did not get there.
  static HWND ToModePage(RunningProgram& program, const char* component = nullptr) {
    HWND dialog = program.WaitForWindow(kDialogTitle);
    if (!dialog) return nullptr;
    ClickAndExpect(dialog, T(text::kNext), T(text::kFolderCaption));
    ClickAndExpect(dialog, T(text::kNext), T(text::kComponentCaption));
    if (component) Pick(dialog, component);
    ClickAndExpect(dialog, T(text::kNext), T(text::kModeCaption));
    return dialog;
  }

  // Which of the mode page's three buttons is pressed, by its text number.
  static std::vector<unsigned> Pressed(HWND dialog) {
    std::vector<unsigned> pressed;
    for (const unsigned button : {text::kModeAdd, text::kModeRemove, text::kModeRestore}) {
      if (SendMessageA(FindChild(dialog, "Button", T(button)), BM_GETCHECK, 0, 0) == BST_CHECKED) {
        pressed.push_back(button);
      }
    }
    return pressed;
  }

  // The text of the window of the changes, opened from the Summary page and
  // closed with `key`; the wizard is on its Summary page again.
  static std::string ShownChanges(RunningProgram& program, HWND dialog, UINT key) {
    Click(FindChild(dialog, "Button", T(text::kShowChanges)));
    HWND window = program.WaitForWindow(T(text::kChangesCaption));
    if (!window) return "(no window of the changes)";
    const std::string shown = WindowText(FindChildOfClass(window, "Edit"));
    PressKeyIn(window, key);
    for (int waited = 0; IsWindowVisible(window) && waited < 10000; waited += 20) Sleep(20);
    EXPECT_FALSE(IsWindowVisible(window));
    ExpectPage(dialog, T(text::kSummaryCaption));
    return shown;
  }
};

// Each row: the line, the change proposed or given, and the way on to the
// Summary; a file that cannot be read says so and blocks nothing.
TEST_F(WizardChoices, TheModePageSaysWhatItFindsAndProposesTheChange) {
  struct Row {
    const char* name;
    std::function<void()> make;
    std::string words;
    const char* component;  // picked by its text; null for the given one
    unsigned line;
    unsigned pressed;
    bool held = false;  // another program holds DEDUDED.INF
  };
  const Row rows[] = {
      {"not installed", nullptr, "component=GridCtl", nullptr, text::kStateNotInstalled,
       text::kModeAdd},
      {"installed", [this] { InstallGrid(); }, "component=GridCtl", nullptr, text::kStateInstalled,
       text::kModeRemove},
      {"another version of its file",
       [this] {
         InstallGrid();
         std::string file = ReadFile(bin + "grid.wed");
         Put(bin + "grid.wed", file.replace(file.find("Size=200,120"), 12, "Size=300,120"));
       },
       "component=GridCtl", nullptr, text::kStateInPart, text::kModeAdd},
      {"nothing of it can be placed",
       [this] { Put(bin + "hollow.wed", "[CONTENTS]\r\nHollow=Leer\r\n[CONTENTS:Hollow]\r\n"); },
       "", "Leer", text::kStateNoEntries, text::kModeAdd},
      {"DEDUDED.INF held by another program", [this] { InstallGrid(); }, "component=GridCtl",
       nullptr, text::kStateUnreadable, text::kModeAdd, true},
      {"mode=Add given", [this] { InstallGrid(); }, "component=GridCtl mode=Add", nullptr,
       text::kStateInstalled, text::kModeAdd},
      {"mode=Remove given", nullptr, "component=GridCtl mode=Remove", nullptr,
       text::kStateNotInstalled, text::kModeRemove},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Fresh();
    if (row.make) row.make();
    const HANDLE held = row.held ? CreateFileA(Configuration().c_str(), GENERIC_READ, 0, nullptr,
                                               OPEN_EXISTING, 0, nullptr)
                                 : INVALID_HANDLE_VALUE;
    RunningProgram program(kProgram, Words(row.words));
    HWND dialog = ToModePage(program, row.component);
    ASSERT_NE(nullptr, dialog);
    EXPECT_NE(nullptr, WaitForChild(dialog, "Static", T(row.line)));
    EXPECT_EQ(std::vector<unsigned>{row.pressed}, Pressed(dialog));
    ClickAndExpect(dialog, T(text::kNext), T(text::kSummaryCaption));
    Click(FindChild(dialog, "Button", T(text::kAbort)));
    EXPECT_EQ(1, program.WaitForExit());
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
  }
}

// With no choice made the proposal follows the component; once the user
// clicked one, it stays.
TEST_F(WizardChoices, AUsersChoiceIsKeptOnAReturnVisit) {
  InstallGrid();
  RunningProgram program(kProgram, Words("component=GridCtl"));
  HWND dialog = ToModePage(program);
  ASSERT_NE(nullptr, dialog);
  EXPECT_NE(nullptr, WaitForChild(dialog, "Static", T(text::kStateInstalled)));
  EXPECT_EQ(std::vector<unsigned>{text::kModeRemove}, Pressed(dialog));

  ClickAndExpect(dialog, T(text::kBack), T(text::kComponentCaption));
  Pick(dialog, "Kalender und Datumsauswahl");
  ClickAndExpect(dialog, T(text::kNext), T(text::kModeCaption));
  EXPECT_NE(nullptr, WaitForChild(dialog, "Static", T(text::kStateNotInstalled)));
  EXPECT_EQ(std::vector<unsigned>{text::kModeAdd}, Pressed(dialog));

  Click(FindChild(dialog, "Button", T(text::kModeRemove)));
  ClickAndExpect(dialog, T(text::kBack), T(text::kComponentCaption));
  ClickAndExpect(dialog, T(text::kNext), T(text::kModeCaption));
  EXPECT_EQ(std::vector<unsigned>{text::kModeRemove}, Pressed(dialog));
  Click(FindChild(dialog, "Button", T(text::kAbort)));
  EXPECT_EQ(1, program.WaitForExit());
}

// The window holds the bytes the preview= file of a silent run with the
// same choice holds, line ends aside, or the sentence when that is empty;
// Enter and Esc close it, and nothing of the installation changes.
TEST_F(WizardChoices, TheWindowOfTheChangesShowsWhatAPreviewWrites) {
  const std::string diff = dir.Path() + "change.diff";
  for (const auto& [mode, key] : {std::pair{"Add", VK_RETURN}, std::pair{"Remove", VK_ESCAPE}}) {
    SCOPED_TRACE(mode);
    Fresh();
    const std::map<std::string, std::string> before = Files(folder);
    RunningProgram preview(kProgram, GridWords(mode) + " \"preview=" + diff + "\"");
    EXPECT_EQ(0, preview.WaitForExit());
    const std::string previewed = ReadFile(diff);

    RunningProgram program(kProgram, Words(std::string("component=GridCtl mode=") + mode));
    HWND dialog = ToModePage(program);
    ASSERT_NE(nullptr, dialog);
    ClickAndExpect(dialog, T(text::kNext), T(text::kSummaryCaption));
    const std::string shown = ShownChanges(program, dialog, static_cast<UINT>(key));
    if (previewed.empty()) {
      EXPECT_EQ(T(text::kNoChanges), shown);
    } else {
      EXPECT_TRUE(SameText(LfOnly(previewed), LfOnly(shown)));
    }
    Click(FindChild(dialog, "Button", T(text::kAbort)));
    EXPECT_EQ(1, program.WaitForExit());
    EXPECT_EQ(before, Files(folder));
  }
}

// The third choice names the newest backup; Finish puts it back as a silent
// mode=Restore does on a twin copy, file for file.
TEST_F(WizardChoices, RestoringTheLastBackupDoesWhatASilentRestoreDoes) {
  RunningProgram added(kProgram, GridWords("Add"));
  ASSERT_EQ(0, added.WaitForExit());
  const std::string twin = dir.Path() + "twin";
  fs::copy(folder, twin, fs::copy_options::recursive);
  const std::string diff = dir.Path() + "restore.diff";
  RunningProgram preview(kProgram,
                         Words("mode=Restore backup=000 silent \"preview=" + diff + "\""));
  ASSERT_EQ(0, preview.WaitForExit());

  RunningProgram program(kProgram, Words("component=GridCtl"));
  HWND dialog = ToModePage(program);
  ASSERT_NE(nullptr, dialog);
  const std::string backupLine = "DEDUDED.000, " + WrittenAt(Backup(0));
  EXPECT_NE(nullptr, FindChild(dialog, "Static", backupLine));
  Click(FindChild(dialog, "Button", T(text::kModeRestore)));
  ClickAndExpect(dialog, T(text::kNext), T(text::kSummaryCaption));
  const std::string summary = WindowText(FindChildOfClass(dialog, "Edit"));
  const std::string listed = T(text::kSummaryFolder) + " " + folder + "\\\r\n" +
                             T(text::kSummaryBackup) + " " + backupLine + "\r\n" +
                             T(text::kSummaryChange) + " " + T(text::kSummaryRestore) + "\r\n";
  EXPECT_TRUE(SameText(listed, summary.substr(0, listed.size())));
  const std::string commandLine = " cavopath=" + folder + "\\ mode=Restore backup=000 silent\r\n";
  EXPECT_TRUE(SameText(commandLine, summary.substr(summary.size() - commandLine.size())));
  EXPECT_TRUE(SameText(LfOnly(ReadFile(diff)), LfOnly(ShownChanges(program, dialog, VK_ESCAPE))));

  Click(FindChild(dialog, "Button", T(text::kFinish)));
  EXPECT_TRUE(SameText(T(text::kRestored) + "\r\n" + Lower(Backup(0)) + "\r\n" +
                           T(text::kRestoredPreviousSaved) + "\r\n" + Lower(Backup(1)),
                       CloseMessageBox(program, T(text::kRestoreCaption))));
  EXPECT_EQ(0, program.WaitForExit());

  RunningProgram silent(kProgram, "\"cavopath=" + twin + "\" mode=Restore silent");
  EXPECT_EQ(0, silent.WaitForExit());
  EXPECT_EQ(Below(twin), Below(folder));
  EXPECT_TRUE(SameText(original, ReadFile(Configuration())));
}

}  // namespace
}  // namespace formfit::test
