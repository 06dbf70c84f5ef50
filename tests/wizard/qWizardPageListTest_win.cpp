// The wizard's page list: making the pages, adding, referring to, captioning,
// deleting and disabling them, replacing the whole list, and the process page.
#include <memory>
#include <stdexcept>
#include <string>
#include <typeinfo>

#include "WizardFixture.h"

namespace formfit {
namespace {

TEST_F(WizardTest, PagesAreMadeOnceFromEachKindOfPageField) {
  auto given = std::make_shared<TestPage>();
  given->Init(*wizard, Point{0, 0});
  wizard->AddPage(Symbol("Plain"), {});
  wizard->AddPage(Symbol("ByName"), "TestPage");
  wizard->AddPage(Symbol("ByClass"), Symbol("TestPage"));
  wizard->AddPage(Symbol("Given"), ObjectRef(given));
  // The first page became current and so exists already.
  EXPECT_TRUE(wizard->IsPageCreated(1));
  for (const char* name : {"ByName", "ByClass"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(wizard->IsPageCreated(Symbol(name)));
    const auto page = wizard->GetPage(Symbol(name));
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(wizard->IsPageCreated(Symbol(name)));
    EXPECT_EQ(wizard->GetPage(Symbol(name)), page);
    EXPECT_EQ(GetParent(page->Handle()), wizard->Handle());
    EXPECT_FALSE(page->IsVisible());
  }
  EXPECT_TRUE(Page("ByName")->madeAtPoint);
  EXPECT_FALSE(Page("ByClass")->madeAtPoint);
  EXPECT_TRUE(wizard->IsPageCreated(Symbol("Given")));
  EXPECT_EQ(wizard->GetPage(Symbol("Given")), given);
  const auto plain = wizard->GetPage(Symbol("Plain"));
  EXPECT_EQ(typeid(*plain), typeid(qWizardPage));
  EXPECT_EQ(GetWindow(plain->Handle(), GW_CHILD), nullptr);
}

TEST_F(WizardTest, APageFieldThatMakesNoPageIsATypeError) {
  wizard->AddPage(Symbol("Good"), "TestPage");
  wizard->AddPage(Symbol("Unknown"), "NoSuchPage", {}, {}, false);
  wizard->AddPage(Symbol("Alien"), ObjectRef(std::make_shared<DialogWindow>()), {}, {}, false);
  EXPECT_THROW(wizard->GetPage(Symbol("Unknown")), std::invalid_argument);
  EXPECT_THROW(wizard->GetPage(Symbol("Alien")), std::invalid_argument);
  EXPECT_FALSE(wizard->IsPageCreated(Symbol("Unknown")));
}

TEST_F(WizardTest, AddPagePositions) {
  struct Row {
    const char* name;
    int position;
    const char* order;
    int current;  // the number of page C afterwards, which was current
  };
  const Row rows[] = {{"zero appends", 0, "ABCDX", 3},
                      {"negative appends", -2, "ABCDX", 3},
                      {"beyond appends", 6, "ABCDX", 3},
                      {"after current", 4, "ABCXD", 3},
                      {"at the end", 5, "ABCDX", 3}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    MakeWizard(RecordingOwner::All());
    AddPages(4);
    wizard->SetCurrentPageNo(3);
    wizard->AddPage(Symbol("X"), "TestPage", {}, {}, true, row.position);
    std::string order;
    for (const auto& entry : *wizard->PageList()) order += entry.Name.Name();
    EXPECT_EQ(order, row.order);
    EXPECT_EQ(wizard->CurrentPageNo(), row.current);
    EXPECT_EQ(wizard->GetPageName(wizard->CurrentPageNo()), Symbol("C"));
  }
}

TEST_F(WizardTest, InsertingBeforeTheCurrentPageMakesTheNewPageCurrent) {
  AddPages(4);
  wizard->SetCurrentPageNo(3);
  owner->log.clear();
  wizard->AddPage(Symbol("X"), "TestPage", "Caption X", {}, true, 2);
  EXPECT_EQ(wizard->CurrentPageNo(), 2);
  EXPECT_EQ(wizard->GetPageNo(Symbol("C")), 4);
  EXPECT_EQ(VisiblePages(), "X");
  EXPECT_EQ(owner->log, (EventLog{"Deactivate C", "Activate X", "Last", "First", "Last", "Last",
                                  "First", "Last"}));
  EXPECT_EQ(HeaderCaption(), "Caption X");
}

TEST_F(WizardTest, FirstEnabledPageBecomesCurrentWhenAdded) {
  wizard->AddPage(Symbol("Off"), "TestPage", {}, {}, false);
  EXPECT_EQ(wizard->CurrentPageNo(), 0);
  EXPECT_FALSE(wizard->IsPageCreated(1));
  EXPECT_EQ(Buttons(), "---A");
  owner->log.clear();
  wizard->AddPage(Symbol("On"), "TestPage", "Caption On");
  EXPECT_EQ(wizard->CurrentPageNo(), 2);
  EXPECT_EQ(owner->log,
            (EventLog{"First", "Activate ON", "Last", "First", "Last", "Last", "First", "Last"}));
  EXPECT_EQ(HeaderCaption(), "Caption On");
}

TEST_F(WizardTest, InvalidReferencesChangeNothing) {
  AddPages(2);
  wizard->SetPageDefaultValue(1, Symbol("Count"), 1);
  for (const Value& reference :
       {Value(Symbol("Nobody")), Value(0), Value(3), Value(-1), Value("A"), Value(true), Value()}) {
    SCOPED_TRACE(reference.IsSymbol() ? reference.AsSymbol().Name() : reference.AsString());
    EXPECT_EQ(wizard->GetPage(reference), nullptr);
    EXPECT_EQ(wizard->GetPageCaption(reference), "");
    EXPECT_FALSE(wizard->SetPageCaption(reference, "x"));
    EXPECT_FALSE(wizard->SetPageDescription(reference, "x"));
    EXPECT_FALSE(wizard->DeletePage(reference));
    EXPECT_FALSE(wizard->EnablePage(reference));
    EXPECT_FALSE(wizard->DisablePage(reference));
    EXPECT_FALSE(wizard->IsPageEnabled(reference));
    EXPECT_FALSE(wizard->IsPageTouched(reference));
    EXPECT_FALSE(wizard->IsPageCreated(reference));
    EXPECT_FALSE(wizard->ActivatePage(reference));
    EXPECT_FALSE(wizard->DeactivatePage(reference));
    EXPECT_EQ(wizard->SetPageDefaultValue(reference, Symbol("Count"), 2), Value());
    EXPECT_EQ(wizard->GetPageDefaultValue(reference, Symbol("Count")), Value());
    EXPECT_FALSE(wizard->DeletePageDefaultValue(reference, Symbol("Count")));
    EXPECT_EQ(wizard->GetPageValue(reference, Symbol("Count")), Value());
    EXPECT_EQ(wizard->SetPageValue(reference, Symbol("Count"), 2), Value());
  }
  EXPECT_EQ(wizard->GetPageNo(Symbol("Nobody")), 0);
  EXPECT_EQ(wizard->GetPageName(3), Symbol());
  EXPECT_FALSE(wizard->SetFinishPageNo(3));
  EXPECT_EQ(wizard->PageCount(), 2);
  EXPECT_EQ(wizard->CurrentPageNo(), 1);
  EXPECT_EQ(owner->log, EventLog{});
}

TEST_F(WizardTest, CaptionsAndDescriptions) {
  AddPages(2);
  wizard->AddPage(Symbol("N"), "TestPage", 5, Symbol("x"));
  EXPECT_EQ(wizard->GetPageCaption(Symbol("N")), "");
  EXPECT_EQ(wizard->GetPageDescription(Symbol("N")), "");
  EXPECT_EQ(wizard->GetPageCaption(Symbol("B")), "Caption B");
  // The current page's header changes at once, another page's on its turn.
  EXPECT_TRUE(wizard->SetPageCaption(1, "Neu"));
  EXPECT_TRUE(wizard->SetPageDescription(Symbol("A"), "Neue Beschreibung"));
  EXPECT_EQ(HeaderCaption(), "Neu");
  EXPECT_EQ(HeaderDescription(), "Neue Beschreibung");
  EXPECT_TRUE(wizard->SetPageCaption(2, "Zwei"));
  EXPECT_EQ(HeaderCaption(), "Neu");
  wizard->SetCurrentPageNo(2);
  EXPECT_EQ(HeaderCaption(), "Zwei");
  EXPECT_EQ(HeaderDescription(), "Description B");
  // A caption that is not a string shows as empty and leaves the header's
  // text on activation.
  EXPECT_TRUE(wizard->SetPageCaption(2, {}));
  EXPECT_EQ(HeaderCaption(), "");
  wizard->SetCurrentPageNo(Symbol("N"));
  EXPECT_EQ(HeaderCaption(), "");
  EXPECT_EQ(HeaderDescription(), "");
}

TEST_F(WizardTest, DeletingPages) {
  struct Row {
    const char* name;
    const char* disabled;  // pages disabled before
    int current;
    const char* deleted;
    int currentAfter;
    const char* visible;
    EventLog log;
  };
  const Row rows[] = {
      {"the current page with a page after it",
       "",
       2,
       "B",
       2,
       "C",
       {"Next 2", "Deactivate B", "Activate C", "Last", "First", "Last", "Last", "First", "Last"}},
      {"the last enabled page",
       "D",
       3,
       "C",
       2,
       "B",
       {"Next 3", "First", "Previous 3", "Deactivate C", "Activate B", "Last", "First", "Last",
        "Last", "First", "Last"}},
      {"a page before the current one", "", 3, "A", 2, "C", {"Last", "First", "Last"}},
      {"a page after the current one", "", 2, "D", 2, "B", {"Last", "First", "Last"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    MakeWizard(RecordingOwner::All());
    AddPages(4);
    for (const char* name = row.disabled; *name; ++name) {
      wizard->DisablePage(Symbol(std::string(1, *name)));
    }
    wizard->SetCurrentPageNo(row.current);
    const HWND deleted = wizard->GetPage(Symbol(row.deleted))->Handle();
    owner->log.clear();
    EXPECT_TRUE(wizard->DeletePage(Symbol(row.deleted)));
    EXPECT_EQ(wizard->PageCount(), 3);
    EXPECT_EQ(wizard->CurrentPageNo(), row.currentAfter);
    EXPECT_EQ(VisiblePages(), row.visible);
    EXPECT_FALSE(IsWindow(deleted));
    EXPECT_EQ(owner->log, row.log);
  }
}

TEST_F(WizardTest, DeletingTheOnlyPageLeavesAnEmptyWizard) {
  AddPages(1);
  EXPECT_TRUE(wizard->DeletePage(1));
  EXPECT_EQ(wizard->PageCount(), 0);
  EXPECT_EQ(wizard->CurrentPageNo(), 0);
  EXPECT_EQ(Buttons(), "---A");
  EXPECT_EQ(HeaderCaption(), "");
  EXPECT_EQ(owner->log, (EventLog{"Next 1", "First", "Previous 1", "Deactivate A"}));
}

TEST_F(WizardTest, DisablingTheCurrentPageMovesForwardOnly) {
  AddPages(3);
  wizard->SetCurrentPageNo(2);
  owner->log.clear();
  EXPECT_TRUE(wizard->DisablePage(2));
  EXPECT_EQ(wizard->CurrentPageNo(), 3);
  EXPECT_FALSE(wizard->IsPageEnabled(2));
  EXPECT_TRUE(wizard->IsPageCreated(2));
  EXPECT_TRUE(wizard->IsPageTouched(2));
  owner->log.clear();
  // Nothing enabled follows the last page: no page is current, although A is
  // enabled.
  EXPECT_TRUE(wizard->DisablePage(3));
  EXPECT_EQ(wizard->CurrentPageNo(), 0);
  EXPECT_EQ(VisiblePages(), "");
  EXPECT_EQ(Buttons(), "---A");
  EXPECT_EQ(owner->log, EventLog{"Deactivate C"});
  EXPECT_TRUE(wizard->EnablePage(2));
  EXPECT_EQ(wizard->CurrentPageNo(), 0);
}

TEST_F(WizardTest, SetPageListAdoptsTheCallersEntries) {
  AddPages(2);
  const HWND old = Page("A")->Handle();
  auto entries = std::make_shared<qWizardPageList>(qWizardPageList{
      {Symbol("One"), "TestPage", "Eins", "Erste", true, true, std::nullopt},
      {Symbol("Two"), {}, "Zwei", {}, true, false, std::nullopt},
      {Symbol("Three"), Symbol("TestPage"), "Drei", {}, true, false, std::nullopt}});
  owner->log.clear();
  wizard->SetPageList(entries);
  EXPECT_FALSE(IsWindow(old));
  EXPECT_EQ(wizard->PageList(), entries);
  EXPECT_EQ(wizard->FinishPageNo(), 3);
  EXPECT_EQ(wizard->CurrentPageNo(), 1);
  EXPECT_TRUE((*entries)[0].Page.IsObject());
  EXPECT_TRUE((*entries)[0].Touched);
  EXPECT_FALSE((*entries)[2].Touched);
  EXPECT_EQ(owner->log, (EventLog{"Deactivate A", "First", "Activate ONE", "First", "Last"}));
  EXPECT_EQ(Buttons(), "-N-A");

  wizard->SetPageList(std::make_shared<qWizardPageList>());
  EXPECT_EQ(wizard->PageCount(), 0);
  EXPECT_EQ(wizard->CurrentPageNo(), 0);
  EXPECT_EQ(wizard->FinishPageNo(), 0);
}

TEST_F(WizardTest, ClearPageListDestroysThePagesAndKeepsTheProcessPage) {
  AddPages(3);
  wizard->SetProcessPage(Symbol("Setup"), "TestPage", "Arbeit", {});
  const HWND a = Page("A")->Handle();
  const HWND c = Page("C")->Handle();
  const auto process = wizard->GetProcessPage();
  owner->log.clear();
  wizard->ClearPageList();
  EXPECT_FALSE(IsWindow(a));
  EXPECT_FALSE(IsWindow(c));
  EXPECT_EQ(wizard->PageCount(), 0);
  EXPECT_EQ(owner->log, EventLog{"Deactivate A"});
  EXPECT_EQ(wizard->GetProcessPage(), process);
  EXPECT_TRUE(process->Exists());
}

TEST_F(WizardTest, ProcessPageIsMadeOnceAndFollowsTheWizardsSize) {
  EXPECT_EQ(wizard->GetProcessPage(), nullptr);
  wizard->SetProcessPage(Symbol("Setup"), {});
  EXPECT_EQ(wizard->PageCount(), 0);
  const auto page = wizard->GetProcessPage();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(wizard->GetProcessPage(), page);
  const Bounds placed = page->GetBounds();
  const Dimension size = wizard->Size();
  wizard->Resize({size.width + 20, size.height + 10});
  EXPECT_EQ(page->GetBounds(),
            (Bounds{placed.origin, {placed.size.width + 20, placed.size.height + 10}}));
}

}  // namespace
}  // namespace formfit
