// What the page tests share: a fixture with an owner dialog for the pages,
// and a watcher that reads and answers a window popping up over them.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "FormfitRes.h"
#include "UiTestRes.h"
#include "wizard/WizardWindowTest.h"

namespace formfit {

// What the user saw of a window that popped up over the pages: a message box
// or the folder selection dialog.
struct SeenWindow {
  int count = 0;
  std::string title;
  std::vector<std::string> texts;  // of its static texts, in child order
  bool errorIcon = false;
};
inline SeenWindow seen;
inline WPARAM answer = IDOK;

// Window callbacks are stdcall on 32-bit Windows, which lambdas are not.
inline BOOL CALLBACK NoteChild(HWND child, LPARAM) {
  char className[32] = {};
  GetClassNameA(child, className, sizeof className);
  if (std::string(className) != "Static") return TRUE;
  const LONG style = GetWindowLongA(child, GWL_STYLE);
  if ((style & SS_TYPEMASK) == SS_ICON) {
    seen.errorIcon = seen.errorIcon || (style & WS_VISIBLE);
  } else {
    seen.texts.push_back(Window(child).Caption());
  }
  return TRUE;
}

inline BOOL CALLBACK ReadAndAnswer(HWND window, LPARAM found) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  // The test's own dialogs are dialog windows of the host layer.
  if (std::string(className) != "#32770" || DialogWindow::FromHandle(window) ||
      !IsWindowVisible(window)) {
    return TRUE;
  }
  ++seen.count;
  seen.title = Window(window).Caption();
  EnumChildWindows(window, NoteChild, 0);
  PostMessageA(window, WM_COMMAND, answer, 0);
  *reinterpret_cast<bool*>(found) = true;
  return FALSE;
}

inline void CALLBACK Watch(HWND, UINT, UINT_PTR timer, DWORD) {
  bool found = false;
  EnumThreadWindows(GetCurrentThreadId(), ReadAndAnswer, reinterpret_cast<LPARAM>(&found));
  if (found) KillTimer(nullptr, timer);
}

// Watches for one window over the pages until it is destroyed; it answers
// that window with `command` (IDOK or IDCANCEL).
class PopUpWatch {
 public:
  explicit PopUpWatch(WPARAM command = IDOK) {
    seen = {};
    answer = command;
    timer_ = SetTimer(nullptr, 0, 50, Watch);
  }
  ~PopUpWatch() { KillTimer(nullptr, timer_); }

 private:
  UINT_PTR timer_;
};

class PageTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(owner.Create(nullptr, ResourceID("PAGEOWNER"))); }
  void TearDown() override { owner.Destroy(); }

  HWND Item(const Window& page, int id) const { return GetDlgItem(page.Handle(), id); }
  // A child's place in the page, checked against the template's dialog units.
  void ExpectAt(const Window& page, int id, int x, int y, int width, int height) const {
    EXPECT_EQ(Window(Item(page, id)).GetBounds(), DialogPixels(page.Handle(), x, y, width, height))
        << "control " << id;
  }
  // Widens the page by 40 pixels and heightens it by 10.
  static void Grow(Window& page) {
    const Dimension size = page.Size();
    page.Resize({size.width + 40, size.height + 10});
  }

  DialogWindow owner;
};

// A PageTest with one page of class `Page` made on the owner.
template <typename Page>
class OnePageTest : public PageTest {
 protected:
  void SetUp() override {
    PageTest::SetUp();
    page.Init(&owner);
  }
  void TearDown() override {
    page.Destroy();
    PageTest::TearDown();
  }

  // Each of `actions` is refused with the one error box of the setup's
  // title that shows `text`.
  void ExpectRefused(std::initializer_list<const char*> actions, const std::string& text) {
    for (const char* action : actions) {
      SCOPED_TRACE(action);
      PopUpWatch watch;
      EXPECT_FALSE(page.ValidateData(Symbol(action)));
      EXPECT_EQ(seen.count, 1);
      EXPECT_EQ(seen.title, "Setup DU-Rodadu Dazodo v3");
      EXPECT_EQ(seen.texts, std::vector<std::string>{text});
      EXPECT_TRUE(seen.errorIcon);
    }
  }

  Page page;
};

}  // namespace formfit
