// The wizard from the keyboard: real key messages run through the dialog
// manager of the owner, as in the program's own loop. Enter runs the
// default button, which follows the buttons' enabled state; a shown page has
// the focus on its first control; Tab walks the page and the navigator.
#include <string>
#include <vector>

#include "WizardFixture.h"
#include "support/KeyMessages_win.h"

namespace formfit {
namespace {

using test::PressAltKey;
using test::PressKey;

class WizardKeyboardTest : public WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    SetForegroundWindow(owner->Handle());
  }
  HWND Button(const char* name) const { return wizard->GetChild(Symbol(name))->Handle(); }
  HWND PageText(const char* page) { return GetDlgItem(Page(page)->Handle(), IDE_PAGETEXT); }
  HWND PageButton(const char* page) { return GetDlgItem(Page(page)->Handle(), IDB_PAGEBUTTON); }
  // The navigator buttons with the default look, as "PNFA" letters.
  std::string DefaultLooks() const {
    std::string looks;
    const char* names[] = {"PreviousPage", "NextPage", "Finish", "Abort"};
    for (int i = 0; i < 4; ++i) {
      if (StyleOf(Button(names[i])) & BS_DEFPUSHBUTTON) looks += "PNFA"[i];
    }
    return looks;
  }
  // The button the dialog manager names as the default of `dialog`.
  static int DefaultId(HWND dialog) {
    const LRESULT answer = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    return HIWORD(answer) == DC_HASDEFID ? LOWORD(answer) : 0;
  }
};

TEST_F(WizardKeyboardTest, TheDefaultButtonFollowsTheEnabledState) {
  struct Row {
    const char* name;
    int finishPage;
    int current;
    const char* buttons;
    const char* looks;
    int defaultId;
  };
  const Row rows[] = {
      {"first page", 0, 1, "-N-A", "N", IDB_WIZARD_NEXT},
      {"middle page", 0, 3, "PN-A", "N", IDB_WIZARD_NEXT},
      {"last page: Next is disabled", 0, 5, "P-FA", "F", IDB_WIZARD_FINISH},
      {"finish page reached before the last: Next still goes on", 3, 4, "PNFA", "N",
       IDB_WIZARD_NEXT},
      {"finish page 5, on it", 5, 5, "P-FA", "F", IDB_WIZARD_FINISH},
  };
  AddPages(5);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    wizard->SetFinishPageNo(row.finishPage);
    wizard->SetCurrentPageNo(row.current);
    EXPECT_EQ(Buttons(), row.buttons);
    EXPECT_EQ(DefaultLooks(), row.looks);
    EXPECT_EQ(DefaultId(wizard->Handle()), row.defaultId);
    // What the dialog manager of the owner asks when Enter is pressed.
    EXPECT_EQ(DefaultId(owner->Handle()), row.defaultId);
  }
  wizard->OnFinish();
  EXPECT_EQ(Buttons(), "----");
  EXPECT_EQ(DefaultLooks(), "");
  EXPECT_EQ(DefaultId(wizard->Handle()), 0);
}

TEST_F(WizardKeyboardTest, EnterGoesOnPageByPageAndFinishesOnTheLast) {
  AddPages(3);
  for (int page = 1; page <= 3; ++page) {
    SCOPED_TRACE(page);
    EXPECT_EQ(wizard->CurrentPageNo(), page);
    EXPECT_EQ(GetFocus(), PageText(std::string(1, static_cast<char>('A' + page - 1)).c_str()));
    owner->log.clear();
    PressKey(VK_RETURN);
  }
  EXPECT_EQ(owner->log, (EventLog{"Validate FINISH", "Deactivate C", "Finish"}));
  EXPECT_EQ(wizard->CurrentPageNo(), 0);
}

TEST_F(WizardKeyboardTest, EnterOnAFocusedButtonClicksThatButton) {
  AddPages(3);
  wizard->SetCurrentPageNo(2);
  // From the edit field: the check box, then Back.
  PressKey(VK_TAB);
  PressKey(VK_TAB);
  ASSERT_EQ(GetFocus(), Button("PreviousPage"));
  EXPECT_EQ(DefaultLooks(), "P");
  PressKey(VK_RETURN);
  EXPECT_EQ(wizard->CurrentPageNo(), 1);
  EXPECT_EQ(DefaultLooks(), "N");

  owner->abortAnswer = false;
  owner->log.clear();
  SendMessageA(owner->Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Button("Abort")), TRUE);
  PressKey(VK_RETURN);
  EXPECT_EQ(owner->log, (EventLog{"Abort", "Last", "First", "Last"}));
  EXPECT_EQ(wizard->CurrentPageNo(), 1);
}

TEST_F(WizardKeyboardTest, AShownPageHasTheFocusOnItsFirstControlElseOnTheDefaultButton) {
  AddPages(2);
  wizard->AddPage(Symbol("Empty"), Value());
  EXPECT_EQ(GetFocus(), PageText("A"));
  PressKey(VK_RETURN);
  EXPECT_EQ(GetFocus(), PageText("B"));
  // A page with nothing to focus: the default button, here Finish.
  PressKey(VK_RETURN);
  ASSERT_EQ(wizard->CurrentPageNo(), 3);
  EXPECT_EQ(GetFocus(), Button("Finish"));
  EXPECT_EQ(DefaultLooks(), "F");
}

TEST_F(WizardKeyboardTest, TabAndShiftTabWalkThePageAndTheEnabledButtons) {
  AddPages(3);
  wizard->SetCurrentPageNo(2);
  const std::vector<HWND> order = {PageText("B"), PageButton("B"), Button("PreviousPage"),
                                   Button("NextPage"), Button("Abort")};
  ASSERT_EQ(GetFocus(), order[0]);
  std::vector<HWND> forward;
  for (size_t i = 0; i < order.size(); ++i) {
    PressKey(VK_TAB);
    forward.push_back(GetFocus());
  }
  EXPECT_EQ(forward, (std::vector<HWND>{order[1], order[2], order[3], order[4], order[0]}));
  std::vector<HWND> backward;
  {
    test::HeldShift shift;
    for (size_t i = 0; i < order.size(); ++i) {
      PressKey(VK_TAB);
      backward.push_back(GetFocus());
    }
  }
  EXPECT_EQ(backward, (std::vector<HWND>{order[4], order[3], order[2], order[1], order[0]}));
  // Back on a field, Enter runs Next again, although the buttons lost their
  // default look as the focus passed over them.
  PressKey(VK_RETURN);
  EXPECT_EQ(wizard->CurrentPageNo(), 3);
}

TEST_F(WizardKeyboardTest, TheButtonsMnemonicsClickThem) {
  AddPages(3);
  PressAltKey('W');  // &Weiter >
  EXPECT_EQ(wizard->CurrentPageNo(), 2);
  PressAltKey('Z');  // < &Zurück
  EXPECT_EQ(wizard->CurrentPageNo(), 1);
  // A disabled button's mnemonic does nothing.
  PressAltKey('F');  // &Fertigstellen
  EXPECT_EQ(wizard->CurrentPageNo(), 1);
  owner->log.clear();
  PressAltKey('A');  // &Abbrechen
  EXPECT_EQ(owner->log, EventLog{"Abort"});
}

}  // namespace
}  // namespace formfit
