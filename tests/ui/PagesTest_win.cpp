// The setup wizard's pages with real windows (under Wine: the null graphics
// driver), made and driven as the wizard does: by name through their member
// tables. This file: the information page and the page over a placeholder.
#include <memory>

#include "PageTest_win.h"
#include "ui/wzpInfo.h"

namespace formfit {
namespace {

// --- wzpInfo ---------------------------------------------------------------

TEST_F(PageTest, InfoPageShowsItsTextByName) {
  wzpInfo page;
  page.Init(&owner);
  EXPECT_FALSE(page.IsVisible());  // the wizard shows it
  EXPECT_EQ(page.Get(Symbol("Info")), Value("..."));
  EXPECT_TRUE(page.HasSetter(Symbol("Info")));
  EXPECT_EQ(page.Set(Symbol("Info"), "Willkommen, bitte klicken Sie auf „Weiter“."),
            Value("Willkommen, bitte klicken Sie auf „Weiter“."));
  EXPECT_EQ(Window(Item(page, IDT_INFO_TEXT)).Caption(),
            "Willkommen, bitte klicken Sie auf „Weiter“.");
  EXPECT_EQ(page.Info(), "Willkommen, bitte klicken Sie auf „Weiter“.");
  page.Destroy();
}

TEST_F(PageTest, InfoPageIsABorderlessPageWhoseTextFollowsItsSize) {
  wzpInfo page;
  page.Init(&owner);
  EXPECT_EQ(StyleOf(page.Handle()) & (WS_CAPTION | WS_BORDER | WS_VISIBLE), 0);
  EXPECT_EQ(page.Size(), DialogPixels(page.Handle(), 0, 0, 172, 45).size);
  ExpectAt(page, IDT_INFO_TEXT, 0, 0, 172, 44);
  EXPECT_EQ(StyleOf(Item(page, IDT_INFO_TEXT)) & SS_TYPEMASK, SS_LEFT);
  const Bounds text = Window(Item(page, IDT_INFO_TEXT)).GetBounds();
  Grow(page);
  EXPECT_EQ(Window(Item(page, IDT_INFO_TEXT)).GetBounds(),
            (Bounds{text.origin, {text.size.width + 40, text.size.height + 10}}));
  page.Destroy();
}

TEST_F(PageTest, PageOverAPlaceholderTakesItsPlace) {
  wzpInfo page;
  page.Init(&owner, ResourceID(IDP_PAGE));
  EXPECT_EQ(GetDlgItem(owner.Handle(), IDP_PAGE), nullptr);
  EXPECT_EQ(page.GetBounds(), DialogPixels(owner.Handle(), 16, 44, 196, 60));
  EXPECT_TRUE(page.IsVisible());
  page.Destroy();
}

}  // namespace
}  // namespace formfit
