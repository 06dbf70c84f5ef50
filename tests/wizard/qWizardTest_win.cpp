// The wizard control: construction, layout, the page list, page values and
// the owner's notifications.
#include <stdexcept>

#include "WizardFixture.h"
#include "wizard/qTools.h"

namespace formfit {
namespace {

TEST_F(WizardTest, NewWizardIsEmptyWithOnlyCancelEnabled) {
  EXPECT_EQ(wizard->PageCount(), 0);
  EXPECT_EQ(wizard->CurrentPageNo(), 0);
  EXPECT_EQ(wizard->FinishPageNo(), 0);
  EXPECT_EQ(HeaderCaption(), "");
  EXPECT_EQ(HeaderDescription(), "");
  EXPECT_EQ(Buttons(), "---A");
  EXPECT_EQ(wizard->Window::Caption(), "qComponent");
  EXPECT_EQ(wizard->Label().name, Symbol("_QWIZARD"));
  EXPECT_EQ(wizard->Get(Symbol("PageSpaceLeft")), Value(16));
  EXPECT_EQ(wizard->Get(Symbol("PageSpaceTop")), Value(10));
  EXPECT_EQ(wizard->Get(Symbol("PageSpaceRight")), Value(16));
  EXPECT_EQ(wizard->Get(Symbol("PageSpaceBottom")), Value(10));
  EXPECT_EQ(owner->log, EventLog{});
}

TEST_F(WizardTest, ButtonsBearTheirTextsAndTheNamesOfTheirOperations) {
  struct Row {
    const char* child;
    const char* text;
    const char* label;
  };
  const Row rows[] = {{"PreviousPage", "< &Zurück", "OnPreviousPage"},
                      {"NextPage", "&Weiter >", "OnNextPage"},
                      {"Finish", "&Fertigstellen", "OnFinish"},
                      {"Abort", "&Abbrechen", "OnAbort"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.child);
    const Window* button = wizard->GetChild(Symbol(row.child));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Caption(), row.text);
    EXPECT_EQ(button->Label().name, Symbol(row.label));
    EXPECT_TRUE(wizard->HasMethod(Symbol(row.label)));
  }
  EXPECT_EQ(wizard->GetChild(Symbol("PageInfo")), wizard->PageInfo());
  EXPECT_EQ(wizard->GetChild(Symbol("Separator")), nullptr);
  EXPECT_EQ(wizard->GetChild(Symbol("ftSeparator")), nullptr);
}

// Expected places: the template's rectangles in the wizard's dialog units,
// moved and stretched by the difference between the placeholder's size and
// the template's (owner alignment), and the page by the page-space formula.
class WizardLayoutTest : public WizardTest {
 protected:
  Bounds Template(int x, int y, int width, int height) const {
    return DialogPixels(wizard->Handle(), x, y, width, height);
  }
  // How much the wizard grew from its template. The frame clean-up keeps
  // the template's client area, so the children keep the distances to its
  // edges that their dialog units give them.
  Dimension Growth() const {
    const Dimension size = wizard->Size();
    const Dimension drawn = Template(0, 0, 207, 142).size;
    return {size.width - drawn.width, size.height - drawn.height};
  }
  Bounds ExpectedPage() const {
    const Bounds header = Window(wizard->PageInfo()->Handle()).GetBounds();
    const int y = header.origin.y + header.size.height - 1 + wizard->PageSpaceTop();
    const int separatorY = Template(0, 121, 0, 0).origin.y + Growth().height;
    return {{wizard->PageSpaceLeft(), y},
            {wizard->Size().width - wizard->PageSpaceLeft() - wizard->PageSpaceRight(),
             separatorY - y - wizard->PageSpaceBottom()}};
  }
  void ExpectFrame() {
    const Dimension grow = Growth();
    const Bounds header = Template(0, 0, 207, 34);
    EXPECT_EQ(Window(wizard->PageInfo()->Handle()).GetBounds(),
              (Bounds{header.origin, {header.size.width + grow.width, header.size.height}}));
    const int x[] = {4, 55, 106, 156};
    const int width[] = {47, 47, 46, 47};
    const char* names[] = {"PreviousPage", "NextPage", "Finish", "Abort"};
    for (int i = 0; i < 4; ++i) {
      SCOPED_TRACE(names[i]);
      const Bounds button = Template(x[i], 128, width[i], 13);
      EXPECT_EQ(
          wizard->GetChild(Symbol(names[i]))->GetBounds(),
          (Bounds{{button.origin.x + grow.width, button.origin.y + grow.height}, button.size}));
    }
    const HWND separator = GetDlgItem(wizard->Handle(), IDT_WIZARD_SEPARATOR);
    const Bounds line = Template(0, 121, 206, 2);
    EXPECT_EQ(Window(separator).GetBounds(),
              (Bounds{{line.origin.x, line.origin.y + grow.height},
                      {line.size.width + grow.width, line.size.height}}));
    EXPECT_EQ(ExStyleOf(separator) & WS_EX_STATICEDGE, WS_EX_STATICEDGE);
  }
};

TEST_F(WizardLayoutTest, FillsThePlaceholderWithHeaderPageSeparatorAndButtons) {
  EXPECT_EQ(wizard->GetBounds(), DialogPixels(owner->Handle(), 0, 0, 228, 131));
  EXPECT_EQ(StyleOf(wizard->Handle()) & (WS_CAPTION | WS_SYSMENU | 0x80), 0);
  EXPECT_EQ(GetDlgItem(owner->Handle(), IDP_WIZARD), nullptr);
  ExpectFrame();
  AddPages(1);
  EXPECT_EQ(Page("A")->GetBounds(), ExpectedPage());
}

TEST_F(WizardLayoutTest, ResizeKeepsTheFrameAnchoredAndPlacesTheCurrentPage) {
  AddPages(2);
  const Dimension size = wizard->Size();
  wizard->Resize({size.width + 60, size.height + 30});
  ExpectFrame();
  EXPECT_EQ(Page("A")->GetBounds(), ExpectedPage());
  // A page that is not current is placed when it is next fetched.
  wizard->SetCurrentPageNo(2);
  EXPECT_EQ(Page("B")->GetBounds(), ExpectedPage());
}

TEST_F(WizardLayoutTest, PageSpaces) {
  AddPages(1);
  const Bounds before = Page("A")->GetBounds();
  // Only the top space changes: the page moves down and shrinks by 10.
  EXPECT_TRUE(wizard->SetPageSpace({}, 20));
  EXPECT_EQ(wizard->PageSpaceLeft(), 16);
  EXPECT_EQ(Page("A")->GetBounds(), (Bounds{{before.origin.x, before.origin.y + 10},
                                            {before.size.width, before.size.height - 10}}));
  EXPECT_EQ(Page("A")->GetBounds(), ExpectedPage());
  // Non-numbers are skipped; no argument still places the page.
  EXPECT_TRUE(wizard->SetPageSpace("8", Value(true)));
  EXPECT_EQ(wizard->PageSpaceLeft(), 16);
  EXPECT_EQ(wizard->PageSpaceTop(), 20);
  SetWindowPos(Page("A")->Handle(), nullptr, 0, 0, 5, 5, SWP_NOZORDER);
  wizard->GetChild(Symbol("PageInfo"));
  EXPECT_TRUE(wizard->SetPageSpace());
  const auto page = wizard->PageList()->at(0).Page.AsObject();
  EXPECT_EQ(static_cast<qWizardPage&>(*page).GetBounds(), ExpectedPage());
  // A space written directly waits for the next placing.
  const Bounds placed = ExpectedPage();
  EXPECT_EQ(wizard->Set(Symbol("PageSpaceTop"), 30), Value(30));
  EXPECT_EQ(static_cast<qWizardPage&>(*page).GetBounds(), placed);
  const Dimension size = wizard->Size();
  wizard->Resize({size.width + 1, size.height});
  EXPECT_EQ(static_cast<qWizardPage&>(*page).GetBounds(), ExpectedPage());
  EXPECT_EQ(static_cast<qWizardPage&>(*page).GetBounds().origin.y, placed.origin.y + 10);
}

TEST_F(WizardLayoutTest, SetPageSpaceWithoutAShownPageOnlyStoresTheSpaces) {
  EXPECT_TRUE(wizard->SetPageSpace(1, 2, 3, 4));
  EXPECT_EQ((std::vector<int>{wizard->PageSpaceLeft(), wizard->PageSpaceTop(),
                              wizard->PageSpaceRight(), wizard->PageSpaceBottom()}),
            (std::vector<int>{1, 2, 3, 4}));
  AddPages(1);
  EXPECT_EQ(Page("A")->GetBounds().origin.x, 1);
}

TEST_F(WizardLayoutTest, ButtonWidthKeepsTheRowRightAligned) {
  const Window* cancel = wizard->GetChild(Symbol("Abort"));
  const Window* back = wizard->GetChild(Symbol("PreviousPage"));
  const Bounds cancelBefore = cancel->GetBounds();
  const Bounds backBefore = back->GetBounds();
  // The buttons' own width moves nothing (Back and Cancel share one width).
  wizard->SetNavigatorButtonWidth(cancelBefore.size.width);
  EXPECT_EQ(cancel->GetBounds(), cancelBefore);
  EXPECT_EQ(back->GetBounds(), backBefore);
  const int wider = cancelBefore.size.width + 10;
  EXPECT_TRUE(wizard->SetNavigatorButtonWidth(wider));
  EXPECT_EQ(cancel->GetBounds(), (Bounds{{cancelBefore.origin.x - 10, cancelBefore.origin.y},
                                         {wider, cancelBefore.size.height}}));
  EXPECT_EQ(back->GetBounds(), (Bounds{{backBefore.origin.x - 40, backBefore.origin.y},
                                       {wider, backBefore.size.height}}));
}

TEST_F(WizardTest, NavigatorItems) {
  EXPECT_TRUE(wizard->EnableNavigator());
  EXPECT_EQ(Buttons(), "PNFA");
  EXPECT_TRUE(wizard->EnableNavigator(false));
  EXPECT_EQ(Buttons(), "----");
  EXPECT_TRUE(wizard->EnableNavigatorItem(Symbol("Abort")));
  EXPECT_EQ(Buttons(), "---A");
  EXPECT_TRUE(wizard->EnableNavigatorItem(Symbol("PageInfo"), false));
  EXPECT_FALSE(wizard->PageInfo()->IsEnabled());
  EXPECT_FALSE(wizard->EnableNavigatorItem(Symbol("Cancel")));

  EXPECT_TRUE(wizard->SetNavigatorItemCaption(Symbol("NextPage"), "&Next >"));
  EXPECT_EQ(wizard->GetChild(Symbol("NextPage"))->Caption(), "&Next >");
  EXPECT_TRUE(wizard->SetNavigatorItemCaption(Symbol("PageInfo"), "Header"));
  EXPECT_EQ(HeaderCaption(), "Header");
  for (const char* name : {"OnNextPage", "ftSeparator", "Next", ""}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(wizard->SetNavigatorItemCaption(Symbol(name), "x"));
  }
  EXPECT_EQ(wizard->GetChild(Symbol("Abort"))->Caption(), "&Abbrechen");
  EXPECT_EQ(wizard->GetChild(Symbol("PreviousPage"))->Caption(), "< &Zurück");
}

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
    EXPECT_TRUE(wizard->AddPage(Symbol("X"), "TestPage", {}, {}, true, row.position));
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
  EXPECT_TRUE(wizard->SetPageList(entries));
  EXPECT_FALSE(IsWindow(old));
  EXPECT_EQ(wizard->PageList(), entries);
  EXPECT_EQ(wizard->FinishPageNo(), 3);
  EXPECT_EQ(wizard->CurrentPageNo(), 1);
  EXPECT_TRUE((*entries)[0].Page.IsObject());
  EXPECT_TRUE((*entries)[0].Touched);
  EXPECT_FALSE((*entries)[2].Touched);
  EXPECT_EQ(owner->log, (EventLog{"Deactivate A", "First", "Activate ONE", "First", "Last"}));
  EXPECT_EQ(Buttons(), "-N-A");

  EXPECT_TRUE(wizard->SetPageList(std::make_shared<qWizardPageList>()));
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
  EXPECT_TRUE(wizard->ClearPageList());
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

TEST_F(WizardTest, ValuesComeFromDefaultsUntilThePageIsShown) {
  AddPages(2);
  const Symbol count("Count");
  // Page B was never shown.
  EXPECT_EQ(wizard->GetPageValue(2, count), Value());
  EXPECT_EQ(wizard->SetPageDefaultValue(2, count, 7), Value(true));
  EXPECT_EQ(wizard->GetPageValue(2, count), Value(7));
  EXPECT_EQ(wizard->GetPageValue(2, count, Value(9)), Value(9));
  EXPECT_EQ(wizard->GetPageValue(2, Symbol("Text"), Value("x")), Value("x"));
  // Setting the value makes the page object but still reads the default.
  EXPECT_EQ(wizard->SetPageValue(2, count, 3), Value(3));
  EXPECT_TRUE(wizard->IsPageCreated(2));
  EXPECT_FALSE(wizard->IsPageTouched(2));
  EXPECT_EQ(Page("B")->count, 3);
  EXPECT_EQ(wizard->GetPageValue(2, count), Value(7));
  // The first showing copies the defaults over it.
  wizard->SetPageDefaultValue(2, Symbol("Text"), "C:\\VO28\\");
  wizard->SetPageDefaultValue(2, Symbol("NoSuchValue"), 1);
  wizard->SetCurrentPageNo(2);
  EXPECT_EQ(Page("B")->count, 7);
  EXPECT_EQ(wizard->GetPageValue(2, Symbol("Text")), Value("C:\\VO28\\"));
  EXPECT_EQ(wizard->GetPageValue(2, count, Value(9)), Value(7));
  // A name without a getter still answers the default.
  EXPECT_EQ(wizard->GetPageValue(2, Symbol("NoSuchValue")), Value(1));
  EXPECT_EQ(wizard->SetPageValue(2, Symbol("NoSuchValue"), 2), Value());
  EXPECT_EQ(wizard->SetPageValue(2, Symbol("ReadOnly"), 2), Value());
  // Later defaults change the stored default, not the page, also on later
  // activations.
  wizard->SetPageDefaultValue(2, count, 8);
  EXPECT_EQ(wizard->GetPageDefaultValue(2, count), Value(8));
  wizard->SetCurrentPageNo(1);
  wizard->SetCurrentPageNo(2);
  EXPECT_EQ(wizard->GetPageValue(2, count), Value(7));
}

TEST_F(WizardTest, DefaultValueList) {
  AddPages(1);
  const Symbol mode("Mode");
  EXPECT_FALSE(wizard->DeletePageDefaultValue(1, mode));
  EXPECT_FALSE(wizard->PageList()->at(0).Defaults.has_value());
  wizard->SetPageDefaultValue(1, mode, Symbol("Add"));
  wizard->SetPageDefaultValue(1, Symbol("Folder"), "D:\\");
  wizard->SetPageDefaultValue(1, mode, Symbol("Remove"));
  const qPropertyList& defaults = *wizard->PageList()->at(0).Defaults;
  EXPECT_EQ(defaults.Count(), 2);
  EXPECT_EQ(defaults.GetName(1), mode);
  EXPECT_EQ(wizard->GetPageDefaultValue(1, mode), Value(Symbol("Remove")));
  EXPECT_FALSE(wizard->DeletePageDefaultValue(1, Symbol("Never")));
  EXPECT_TRUE(wizard->DeletePageDefaultValue(1, mode));
  EXPECT_TRUE(wizard->DeletePageDefaultValue(Symbol("A"), Symbol("Folder")));
  EXPECT_EQ(wizard->GetPageDefaultValue(1, mode), Value());
  EXPECT_TRUE(wizard->PageList()->at(0).Defaults.has_value());
}

TEST_F(WizardTest, SetPageListResetsTouchedSoDefaultsApplyAgain) {
  qPropertyList one;
  one.Put(Symbol("Count"), 4);
  qPropertyList two;
  two.Put(Symbol("Count"), 5);
  auto given = std::make_shared<TestPage>();
  given->Init(*wizard, Point{0, 0});
  given->count = 1;
  wizard->SetPageList(std::make_shared<qWizardPageList>(
      qWizardPageList{{Symbol("One"), "TestPage", {}, {}, true, true, one},
                      {Symbol("Two"), ObjectRef(given), {}, {}, true, true, two}}));
  // Page One was activated as if for the first time, and Two answers its
  // default although its object says otherwise.
  EXPECT_EQ(Page("One")->count, 4);
  EXPECT_FALSE(wizard->IsPageTouched(2));
  EXPECT_EQ(wizard->GetPageValue(2, Symbol("Count")), Value(5));
  wizard->SetCurrentPageNo(2);
  EXPECT_EQ(given->count, 5);
}

TEST_F(WizardTest, SendNotifyAnswers) {
  struct Row {
    const char* event;
    Value answer;
    Value expected;
  };
  const Row rows[] = {
      {"Finish", false, false},        {"Finish", true, true},
      {"Finish", Value(), true},       {"Finish", 0, true},
      {"Abort", "no", true},           {"Abort", false, false},
      {"ActivatePage", false, false},  {"DeactivatePage", Value(), true},
      {"GetFirstPage", 3, 3},          {"GetFirstPage", "3", 0},
      {"GetLastPage", true, 0},        {"GetNextPage", 2.5, 2.5},
      {"GetPreviousPage", Value(), 0}, {"NoSuchEvent", true, Value()},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.event);
    owner->activateAnswer = owner->firstAnswer = owner->lastAnswer = owner->nextAnswer =
        owner->previousAnswer = owner->finishAnswer = owner->abortAnswer = row.answer;
    EXPECT_EQ(wizard->SendNotify(Symbol(row.event), 1), row.expected);
  }
}

TEST_F(WizardTest, HandlersGetTheWizardAndTheEventsArgument) {
  const struct {
    const char* event;
    Value argument;
    const char* logged;
  } rows[] = {{"ActivatePage", Symbol("Mode"), "Activate MODE"},
              {"DeactivatePage", Symbol("Mode"), "Deactivate MODE"},
              {"GetFirstPage", 5, "First"},
              {"GetLastPage", 5, "Last"},
              {"GetNextPage", 5, "Next 5"},
              {"GetPreviousPage", 5, "Previous 5"},
              {"Finish", 5, "Finish"},
              {"Abort", 5, "Abort"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.event);
    owner->log.clear();
    wizard->SendNotify(Symbol(row.event), row.argument);
    EXPECT_EQ(owner->log, EventLog{row.logged});
  }
}

TEST_F(WizardTest, AnOwnerWithoutHandlersGetsTheBuiltInRules) {
  MakeWizard({});
  AddPages(3);
  for (const char* event : {"ActivatePage", "DeactivatePage", "Finish", "Abort"}) {
    EXPECT_EQ(wizard->SendNotify(Symbol(event), 1), Value(true)) << event;
  }
  for (const char* event : {"GetFirstPage", "GetLastPage", "GetNextPage", "GetPreviousPage"}) {
    EXPECT_EQ(wizard->SendNotify(Symbol(event), 1), Value(0)) << event;
  }
  EXPECT_TRUE(wizard->OnNextPage());
  EXPECT_EQ(wizard->CurrentPageNo(), 2);
  EXPECT_TRUE(wizard->OnAbort());
  EXPECT_EQ(Buttons(), "----");
  wizard->SetCurrentPageNo(3);
  EXPECT_TRUE(wizard->OnFinish());
  EXPECT_EQ(Buttons(), "----");
}

TEST_F(WizardTest, EachEventCallsOnlyItsOwnHandler) {
  MakeWizard({{"OnWizardGetLastPageNo", &RecordingOwner::Last}});
  AddPages(4);
  owner->lastAnswer = 2;
  owner->log.clear();
  EXPECT_EQ(wizard->GetLastPageNo(), 2);
  EXPECT_EQ(wizard->GetFirstPageNo(), 1);
  wizard->SetCurrentPageNo(2);
  EXPECT_EQ(Buttons(), "P-FA");
  EXPECT_EQ(owner->log, (EventLog{"Last", "Last", "Last"}));
}

TEST_F(WizardTest, SetNotificationTakesOnlyNamesTheOwnerHas) {
  MakeWizard({{"OnWizardFinish", &RecordingOwner::Finish},
              {"MyFinish", &RecordingOwner::Abort},
              {"MyFirst", &RecordingOwner::First}});
  std::array<Symbol, 8> names{};
  names[2] = Symbol("MyFirst");
  names[6] = Symbol("MyFinish");
  names[7] = Symbol("NoSuchHandler");
  EXPECT_TRUE(wizard->SetNotification(names));
  EXPECT_EQ(wizard->SendNotify(Symbol("Finish")), Value(true));
  EXPECT_EQ(wizard->SendNotify(Symbol("Abort")), Value(true));
  EXPECT_EQ(wizard->SendNotify(Symbol("GetFirstPage")), Value(0));
  EXPECT_EQ(owner->log, (EventLog{"Abort", "First"}));
  // A name the owner lacks leaves the earlier registration.
  names = {};
  names[6] = Symbol("NoSuchHandler");
  wizard->SetNotification(names);
  owner->log.clear();
  wizard->SendNotify(Symbol("Finish"));
  EXPECT_EQ(owner->log, EventLog{"Abort"});
}

TEST_F(WizardTest, TheWizardsNamedMembers) {
  AddPages(3);
  EXPECT_EQ(wizard->Get(Symbol("CurrentPageNo")), Value(1));
  EXPECT_EQ(wizard->Set(Symbol("CurrentPageNo"), Symbol("C")), Value(true));
  EXPECT_EQ(wizard->CurrentPageNo(), 3);
  EXPECT_EQ(wizard->Set(Symbol("FinishPageNo"), 2), Value(true));
  EXPECT_EQ(wizard->Get(Symbol("FinishPageNo")), Value(2));
  EXPECT_EQ(wizard->Get(Symbol("PageCount")), Value(3));
  EXPECT_EQ(wizard->Call(Symbol("OnPreviousPage")), Value(true));
  EXPECT_EQ(wizard->CurrentPageNo(), 2);
}

}  // namespace
}  // namespace formfit
