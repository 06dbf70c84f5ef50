// Moving between pages: the states and transitions, the buttons' enabling
// rule, the whole sequences of notifications, and clicks on the buttons.
#include <functional>

#include "WizardFixture.h"

namespace formfit {
namespace {

// Each row starts from five pages A to E, with page 1 current and page 1
// touched, a process page set, and the owner answering everything with its
// defaults; then it prepares, acts and checks what a user sees.
TEST_F(WizardTest, StatesAndTransitions) {
  struct Row {
    const char* name;
    std::function<void(WizardTest&)> prepare;
    std::function<bool(qWizard&)> act;
    bool result;
    int current;
    const char* visible;  // page names, "Setup" for the process page
    const char* buttons;
  };
  const auto on = [](int pageNo) {
    return [pageNo](WizardTest& test) { test.wizard->SetCurrentPageNo(pageNo); };
  };
  const auto none = [](WizardTest&) {};
  const Row rows[] = {
      {"on page 1", none, [](qWizard&) { return true; }, true, 1, "A", "-N-A"},
      {"next", none, [](qWizard& w) { return w.OnNextPage(); }, true, 2, "B", "PN-A"},
      {"next skips a disabled page", [](WizardTest& t) { t.wizard->DisablePage(2); },
       [](qWizard& w) { return w.OnNextPage(); }, true, 3, "C", "PN-A"},
      {"previous skips a disabled page",
       [](WizardTest& t) {
         t.wizard->DisablePage(2);
         t.wizard->SetCurrentPageNo(3);
       },
       [](qWizard& w) { return w.OnPreviousPage(); }, true, 1, "A", "-N-A"},
      {"previous on page 1 stays", none, [](qWizard& w) { return w.OnPreviousPage(); }, false, 1,
       "A", "-N-A"},
      {"set page 4", none, [](qWizard& w) { return w.SetCurrentPageNo(4); }, true, 4, "D", "PN-A"},
      {"set page 0 leaves no page", none, [](qWizard& w) { return w.SetCurrentPageNo(0); }, true, 0,
       "", "---A"},
      {"refused validation stays", [](WizardTest& t) { t.Page("A")->allowLeaving = false; },
       [](qWizard& w) { return w.OnNextPage(); }, false, 1, "A", "-N-A"},
      {"last page", on(5), [](qWizard&) { return true; }, true, 5, "E", "P-FA"},
      {"last two disabled: the last enabled page finishes",
       [](WizardTest& t) {
         t.wizard->DisablePage(4);
         t.wizard->DisablePage(5);
         t.wizard->SetCurrentPageNo(3);
       },
       [](qWizard&) { return true; }, true, 3, "C", "P-FA"},
      {"next on the last enabled page reactivates it",
       [](WizardTest& t) {
         t.wizard->DisablePage(4);
         t.wizard->DisablePage(5);
         t.wizard->SetCurrentPageNo(3);
       },
       [](qWizard& w) { return w.OnNextPage(); }, true, 3, "C", "P-FA"},
      {"finish page 5: no finish on page 4",
       [](WizardTest& t) {
         t.wizard->SetFinishPageNo(5);
         t.wizard->SetCurrentPageNo(4);
       },
       [](qWizard&) { return true; }, true, 4, "D", "PN-A"},
      {"finish page 3: finish from page 3 on", on(4),
       [](qWizard& w) { return w.SetFinishPageNo(3) && w.ManageNavigator(); }, true, 4, "D",
       "PNFA"},
      {"finished", on(5), [](qWizard& w) { return w.OnFinish(); }, true, 0, "Setup", "----"},
      {"next on the last entry finishes", on(5), [](qWizard& w) { return w.OnNextPage(); }, true, 0,
       "Setup", "----"},
      {"finish refused",
       [](WizardTest& t) {
         t.owner->finishAnswer = false;
         t.wizard->SetCurrentPageNo(5);
       },
       [](qWizard& w) { return w.OnFinish(); }, false, 0, "Setup", "---A"},
      {"finish refused by validation",
       [](WizardTest& t) {
         t.wizard->SetCurrentPageNo(5);
         t.Page("E")->allowLeaving = false;
       },
       [](qWizard& w) { return w.OnFinish(); }, false, 5, "E", "P-FA"},
      {"after finishing a page can be made current", on(5),
       [](qWizard& w) { return w.OnFinish() && w.SetCurrentPageNo(2); }, true, 2, "B", "PN-A"},
      {"abort accepted", on(2), [](qWizard& w) { return w.OnAbort(); }, true, 2, "B", "----"},
      {"abort refused",
       [](WizardTest& t) {
         t.owner->abortAnswer = false;
         t.wizard->SetCurrentPageNo(2);
       },
       [](qWizard& w) { return w.OnAbort(); }, false, 2, "B", "PN-A"},
      {"the owner's next page, even a disabled one",
       [](WizardTest& t) {
         t.wizard->DisablePage(4);
         t.owner->nextAnswer = 4;
       },
       [](qWizard& w) { return w.OnNextPage(); }, true, 4, "D", "PN-A"},
      {"the owner's next page beyond the list stays",
       [](WizardTest& t) { t.owner->nextAnswer = 9; }, [](qWizard& w) { return w.OnNextPage(); },
       true, 1, "A", "-N-A"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    MakeWizard(RecordingOwner::All());
    AddPages(5);
    wizard->SetProcessPage(Symbol("Setup"), "TestPage", "Einrichten", "Bitte warten");
    row.prepare(*this);
    EXPECT_EQ(row.act(*wizard), row.result);
    EXPECT_EQ(wizard->CurrentPageNo(), row.current);
    std::string visible = VisiblePages();
    const auto process = wizard->GetProcessPage();
    if (process && process->IsVisible()) visible += "Setup";
    EXPECT_EQ(visible, row.visible);
    EXPECT_EQ(Buttons(), row.buttons);
  }
}

TEST_F(WizardTest, EnablingRule) {
  struct Row {
    const char* name;
    const char* enabled;  // one letter a page, '-' for a disabled one
    int finishPageNo;
    int current;
    const char* buttons;
  };
  const Row rows[] = {
      {"no current page", "xxxx", 0, 0, "---A"},
      {"first, no finish page", "xxxx", 0, 1, "-N-A"},
      {"middle, no finish page", "xxxx", 0, 2, "PN-A"},
      {"last, no finish page", "xxxx", 0, 4, "P-FA"},
      {"first with finish page 1", "xxxx", 1, 1, "-NFA"},
      {"middle before the finish page", "xxxx", 3, 2, "PN-A"},
      {"middle on the finish page", "xxxx", 3, 3, "PNFA"},
      {"last after the finish page", "xxxx", 3, 4, "P-FA"},
      {"first enabled page is 2", "-xxx", 0, 2, "-N-A"},
      {"a disabled first page current", "-xxx", 0, 1, "PN-A"},
      {"last enabled page is 3", "xxx-", 0, 3, "P-FA"},
      {"a disabled last page current", "xxx-", 0, 4, "P-FA"},
      {"the only enabled page", "-x--", 0, 2, "--FA"},
      {"all pages disabled, one current", "----", 0, 2, "P-FA"},
      {"finish page set, all disabled", "----", 4, 2, "P--A"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    MakeWizard(RecordingOwner::All());
    AddPages(4);
    for (int i = 0; i < 4; ++i) {
      if (row.enabled[i] == '-') wizard->PageList()->at(static_cast<size_t>(i)).Enabled = false;
    }
    wizard->SetFinishPageNo(row.finishPageNo);
    wizard->SetCurrentPageNo(row.current, false);
    wizard->ManageNavigator();
    EXPECT_EQ(Buttons(), row.buttons);
  }
}

TEST_F(WizardTest, SetFinishPageNoHasItsOwnRuleForFinish) {
  AddPages(3);
  wizard->SetCurrentPageNo(3);
  EXPECT_EQ(Buttons(), "P-FA");
  // On the last page with no finish page set: disabled here, enabled by
  // ManageNavigator.
  EXPECT_TRUE(wizard->SetFinishPageNo(0));
  EXPECT_EQ(Buttons(), "P--A");
  EXPECT_TRUE(wizard->SetFinishPageNo(Symbol("B")));
  EXPECT_EQ(wizard->FinishPageNo(), 2);
  EXPECT_EQ(Buttons(), "P-FA");
  EXPECT_FALSE(wizard->SetFinishPageNo(4));
  EXPECT_EQ(wizard->FinishPageNo(), 2);
  EXPECT_TRUE(wizard->SetFinishPageNo(Symbol("Nobody")));
  EXPECT_EQ(wizard->FinishPageNo(), 0);
}

TEST_F(WizardTest, NotificationsOfNextAndBack) {
  AddPages(3);
  EXPECT_TRUE(wizard->OnNextPage());
  EXPECT_EQ(owner->log, (EventLog{"Validate NEXTPAGE", "Next 1", "Deactivate A", "Activate B",
                                  "Last", "First", "Last"}));
  owner->log.clear();
  EXPECT_TRUE(wizard->OnPreviousPage());
  EXPECT_EQ(owner->log, (EventLog{"Validate PREVIOUSPAGE", "First", "Previous 2", "Deactivate B",
                                  "Activate A", "Last", "First", "Last"}));
  owner->log.clear();
  // The same page again: deactivated and activated.
  EXPECT_TRUE(wizard->SetCurrentPageNo(1));
  EXPECT_EQ(owner->log, (EventLog{"Deactivate A", "Activate A", "Last", "First", "Last"}));
  owner->log.clear();
  EXPECT_TRUE(wizard->SetCurrentPageNo(2, false));
  EXPECT_EQ(owner->log, (EventLog{"Last", "First", "Last"}));
}

TEST_F(WizardTest, NotificationsOfFinishAndAbort) {
  AddPages(2);
  wizard->SetProcessPage(Symbol("Setup"), "TestPage", "Einrichten", "Bitte warten");
  wizard->SetCurrentPageNo(2);
  owner->log.clear();
  std::string headerDuringFinish;
  owner->during = [&](const std::string& event) {
    if (event == "Finish") headerDuringFinish = HeaderCaption() + " " + Buttons();
  };
  EXPECT_TRUE(wizard->OnNextPage());
  EXPECT_EQ(owner->log, (EventLog{"Validate FINISH", "Deactivate B", "Finish"}));
  EXPECT_EQ(headerDuringFinish, "Einrichten ----");
  EXPECT_EQ(HeaderDescription(), "Bitte warten");

  owner->log.clear();
  wizard->SetCurrentPageNo(1);
  owner->log.clear();
  owner->abortAnswer = false;
  std::string buttonsDuringAbort;
  owner->during = [&](const std::string& event) {
    if (event == "Abort") buttonsDuringAbort = Buttons();
  };
  EXPECT_FALSE(wizard->OnAbort());
  EXPECT_EQ(buttonsDuringAbort, "----");
  EXPECT_EQ(owner->log, (EventLog{"Abort", "Last", "First", "Last"}));
  EXPECT_EQ(Buttons(), "-N-A");
}

// The setup dialog's way after a failed setup: back to the first page from
// inside the finish handler.
TEST_F(WizardTest, FinishHandlerMayReturnToTheFirstPage) {
  AddPages(3);
  wizard->SetProcessPage(Symbol("Setup"), "TestPage");
  wizard->SetCurrentPageNo(3);
  owner->finishAnswer = false;
  owner->during = [&](const std::string& event) {
    if (event == "Finish") wizard->SetCurrentPageNo(wizard->GetFirstPageNo());
  };
  owner->log.clear();
  EXPECT_FALSE(wizard->OnFinish());
  EXPECT_EQ(wizard->CurrentPageNo(), 1);
  EXPECT_EQ(VisiblePages(), "A");
  EXPECT_FALSE(wizard->GetProcessPage()->IsVisible());
  EXPECT_EQ(HeaderCaption(), "Caption A");
  EXPECT_EQ(Buttons(), "-N-A");
  // The refused finish runs the enabling rule once more, on page 1.
  EXPECT_EQ(owner->log, (EventLog{"Validate FINISH", "Deactivate C", "Finish", "First",
                                  "Activate A", "Last", "First", "Last", "Last", "First", "Last"}));
}

TEST_F(WizardTest, DuringActivationThePreviousPageIsHiddenAndStillCurrent) {
  AddPages(2);
  std::string seen;
  owner->during = [&](const std::string& event) {
    if (event != "Activate") return;
    seen = std::to_string(wizard->CurrentPageNo()) + " " + VisiblePages() + " " +
           (wizard->IsPageCreated(2) ? "made" : "not made");
  };
  wizard->OnNextPage();
  EXPECT_EQ(seen, "1  not made");
}

TEST_F(WizardTest, AnOwnersPageOrder) {
  AddPages(5);
  owner->firstAnswer = 2;
  owner->lastAnswer = 4;
  owner->previousAnswer = 3;
  EXPECT_EQ(wizard->GetFirstPageNo(), 2);
  EXPECT_EQ(wizard->GetLastPageNo(), 4);
  EXPECT_EQ(wizard->GetPreviousPageNo(5), 3);
  // An answer before the first page keeps the wizard where it is.
  owner->previousAnswer = 1;
  EXPECT_EQ(wizard->GetPreviousPageNo(5), 5);
  owner->lastAnswer = 6;
  EXPECT_EQ(wizard->GetLastPageNo(), 0);
  owner->firstAnswer = owner->lastAnswer = owner->previousAnswer = 0;
  for (int i = 1; i <= 5; ++i) wizard->DisablePage(i);
  EXPECT_EQ(wizard->GetFirstPageNo(), 0);
  EXPECT_EQ(wizard->GetLastPageNo(), 0);
}

// Clicks reach the wizard's operations through the buttons' names, and the
// focus never stays on a button that gets disabled.
class WizardClickTest : public WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    AddPages(3);
    SetForegroundWindow(owner->Handle());
  }
  void Click(const char* name) { wizard->GetChild(Symbol(name))->Send(BM_CLICK); }
  void ExpectFocusOnAnEnabledWindow() {
    const HWND focus = GetFocus();
    for (const char* name : {"PreviousPage", "NextPage", "Finish", "Abort"}) {
      const Window* button = wizard->GetChild(Symbol(name));
      if (focus == button->Handle()) {
        EXPECT_TRUE(button->IsEnabled()) << name;
      }
    }
  }
};

TEST_F(WizardClickTest, ButtonsRunTheirOperations) {
  Click("NextPage");
  EXPECT_EQ(wizard->CurrentPageNo(), 2);
  Click("NextPage");
  EXPECT_EQ(wizard->CurrentPageNo(), 3);
  Click("PreviousPage");
  EXPECT_EQ(wizard->CurrentPageNo(), 2);
  owner->abortAnswer = false;
  owner->log.clear();
  Click("Abort");
  EXPECT_EQ(owner->log, (EventLog{"Abort", "Last", "First", "Last"}));
  wizard->SetCurrentPageNo(3);
  owner->log.clear();
  Click("Finish");
  EXPECT_EQ(owner->log, (EventLog{"Validate FINISH", "Deactivate C", "Finish"}));
  EXPECT_EQ(wizard->CurrentPageNo(), 0);
  // A disabled button does not click.
  owner->log.clear();
  Click("Abort");
  EXPECT_EQ(owner->log, EventLog{});
}

TEST_F(WizardClickTest, FocusMovesOffADisabledButton) {
  wizard->GetChild(Symbol("NextPage"))->SetFocus();
  ASSERT_TRUE(wizard->GetChild(Symbol("NextPage"))->HasFocus());
  Click("NextPage");
  Click("NextPage");
  EXPECT_EQ(wizard->CurrentPageNo(), 3);
  EXPECT_FALSE(wizard->GetChild(Symbol("NextPage"))->IsEnabled());
  // The disabled Next passed the focus on, and the page shown took it.
  EXPECT_EQ(GetFocus(), GetDlgItem(Page("C")->Handle(), IDE_PAGETEXT));
  wizard->GetChild(Symbol("PreviousPage"))->SetFocus();
  wizard->EnableNavigator(false);
  ExpectFocusOnAnEnabledWindow();
  wizard->ManageNavigator();
  wizard->GetChild(Symbol("Finish"))->SetFocus();
  Click("Finish");
  ExpectFocusOnAnEnabledWindow();
  EXPECT_EQ(Buttons(), "----");
}

}  // namespace
}  // namespace formfit
