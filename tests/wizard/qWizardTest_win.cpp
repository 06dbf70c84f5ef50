// The wizard control: construction, layout, the navigator's buttons and the
// wizard's named members.
#include <vector>

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
