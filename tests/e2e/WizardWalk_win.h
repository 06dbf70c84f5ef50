// What the tests that walk formfit.exe's wizard share: the program's texts,
// a copy of the sample installation for each test, and the steps a user
// takes from page to page.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "ProgramDriver_win.h"
#include "engine/Formfit.h"
#include "engine/qIniFile.h"
#include "env/LanguageStrings.h"
#include "support/BackupName.h"
#include "support/TempDir.h"
#include "ui/TextNumbers.h"

namespace formfit::test {

inline const std::string kProgram = FORMFIT_PROGRAM;

// The program's texts, from the language file that lies beside it.
inline std::string T(unsigned number) {
  static const LanguageTable table =
      LanguageTable::FromFile(std::string(FORMFIT_RESOURCES_DIR) + "/Formfit.sys");
  return table.Lookup(number, "");
}

inline const std::string kDialogTitle = T(text::kDialogCaption);

class FormfitProgram : public ::testing::Test {
 protected:
  FormfitProgram() {
    std::filesystem::copy(ExamplesDir() + "VO28", folder, std::filesystem::copy_options::recursive);
    original = ReadFile(Configuration());
  }

  std::string Configuration() const { return bin + "DEDUDED.INF"; }
  std::string Backup(unsigned number) const { return bin + BackupName(number); }
  std::string Words(const std::string& more) const { return "\"cavopath=" + folder + "\" " + more; }

  // The configuration text after installing `name` from `file` as the engine does.
  std::string Installed(const std::string& name, const std::string& file) const {
    const Component component = Component::Read(qIniFile(bin + file).Contents(), name);
    return Formfit::ComponentReinstall(original, component).text;
  }

  TempDir dir;
  std::string folder = dir.Path() + "VO28";
  std::string bin = folder + "\\BIN\\";
  std::string original;
};

// The wizard, page by page: the header caption tells which page is shown.
inline void ExpectPage(HWND dialog, const std::string& caption) {
  if (WaitForChild(dialog, "Static", caption)) return;
  std::string shown;
  for (const std::string& text : Texts(dialog)) shown += "[" + text + "]";
  ADD_FAILURE() << "no page " << caption << "; the dialog shows " << shown;
}

inline void ClickAndExpect(HWND dialog, const std::string& button, const std::string& nextCaption) {
  HWND found = FindChild(dialog, "Button", button);
  ASSERT_NE(nullptr, found) << button;
  Click(found);
  ExpectPage(dialog, nextCaption);
}

// Picks the component shown as `text` in the page's list, as a user does.
inline void Pick(HWND dialog, const char* text) {
  HWND list = FindChildOfClass(dialog, "ComboBox");
  ASSERT_NE(nullptr, list);
  const LRESULT item = SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(text));
  ASSERT_NE(CB_ERR, item) << text;
  SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
}

// Closes the message box with that title and gives its text.
inline std::string CloseMessageBox(RunningProgram& program, const std::string& title) {
  HWND box = program.WaitForWindow(title);
  if (!box) return "(no message box " + title + ")";
  std::string text;
  for (const std::string& line : Texts(box)) text += line;
  Click(FindChild(box, "Button", "OK"));
  return text;
}

// The window with the keyboard focus in the thread of `top`, once it lies in
// `top`; null when it does not get there in time.
inline HWND FocusIn(HWND top, DWORD milliseconds = 10000) {
  const DWORD thread = GetWindowThreadProcessId(top, nullptr);
  for (DWORD waited = 0; waited <= milliseconds; waited += 20) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (GetGUIThreadInfo(thread, &info) && info.hwndFocus &&
        GetAncestor(info.hwndFocus, GA_ROOT) == top) {
      return info.hwndFocus;
    }
    Sleep(20);
  }
  return nullptr;
}

// Presses `key` in the program as a user does: the key messages go to the
// window with the focus, and the program's own loop handles them.
inline void PressKeyIn(HWND top, UINT key) {
  const HWND focus = FocusIn(top);
  ASSERT_NE(nullptr, focus) << "no focus in the window";
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
  PostMessageA(focus, WM_KEYDOWN, key, 1 | scan);
  PostMessageA(focus, WM_KEYUP, key, 1 | scan | static_cast<LPARAM>(0xC0000000u));
}

}  // namespace formfit::test
