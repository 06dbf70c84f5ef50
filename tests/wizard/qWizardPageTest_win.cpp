#include <gtest/gtest.h>

#include "WizardTestRes.h"
#include "WizardWindowTest.h"
#include "wizard/qTools.h"
#include "wizard/qWizardPage.h"
#include "wizard/qWizardPageInfo.h"

namespace formfit {
namespace {

class HeaderTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(owner.Create(nullptr, ResourceID("OWNER")));
    header.Init(&owner, ResourceID(IDP_SHOWN));
    ASSERT_TRUE(header.Exists());
  }
  void TearDown() override {
    header.Destroy();
    owner.Destroy();
  }
  HWND CaptionText() const { return header.GetChild(Symbol("Caption"))->Handle(); }
  HWND DescriptionText() const { return header.GetChild(Symbol("Description"))->Handle(); }
  // The brush the header paints `window` with; null for the default.
  HBRUSH BrushOf(HWND window) {
    const HDC dc = GetDC(window);
    const auto brush = reinterpret_cast<HBRUSH>(
        header.Send(window == header.Handle() ? WM_CTLCOLORDLG : WM_CTLCOLORSTATIC,
                    reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window)));
    ReleaseDC(window, dc);
    return brush;
  }

  DialogWindow owner;
  qWizardPageInfo header;
};

COLORREF ColorOf(HBRUSH brush) {
  LOGBRUSH info{};
  if (!brush || !GetObjectA(brush, sizeof info, &info)) return CLR_INVALID;
  return info.lbColor;
}

TEST_F(HeaderTest, FreshHeaderShowsItsTemplateTexts) {
  EXPECT_EQ(header.Caption(), "qComponent");
  EXPECT_EQ(header.Description(), "Wizard Page Description");
  EXPECT_EQ(header.Get(Symbol("Caption")), Value("qComponent"));
  EXPECT_EQ(header.GetChild(Symbol("Caption"))->Label().caption, "Wizard Page Caption");
  EXPECT_EQ(header.Label().name, Symbol("_qWizardPageInfo"));
}

TEST_F(HeaderTest, IsABorderlessBandInThePlaceholdersPlace) {
  EXPECT_FALSE(IsWindow(GetDlgItem(owner.Handle(), IDP_SHOWN)) &&
               GetDlgItem(owner.Handle(), IDP_SHOWN) != header.Handle());
  EXPECT_EQ(header.GetBounds(), DialogPixels(owner.Handle(), 20, 30, 207, 34));
  EXPECT_EQ(StyleOf(header.Handle()) & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | 0x80), 0);
  EXPECT_EQ(header.ClientSize(), header.Size());  // no frame at all
  EXPECT_TRUE(header.IsVisible());
  EXPECT_EQ(qGetWindowOrigin(CaptionText()), DialogPixels(header.Handle(), 5, 4, 1, 1).origin);
  EXPECT_EQ(qGetWindowOrigin(DescriptionText()),
            DialogPixels(header.Handle(), 10, 14, 1, 1).origin);
}

TEST_F(HeaderTest, CaptionIsBoldMicrosoftSansSerifAndDescriptionKeepsTheTemplateFont) {
  LOGFONTA caption{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(CaptionText(), WM_GETFONT, 0, 0)), sizeof caption,
             &caption);
  EXPECT_EQ(std::string(caption.lfFaceName), "Microsoft Sans Serif");
  EXPECT_EQ(caption.lfWeight, FW_BOLD);
  const HDC screen = GetDC(nullptr);
  EXPECT_EQ(caption.lfHeight, -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72));
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(SendMessageA(DescriptionText(), WM_GETFONT, 0, 0), header.Send(WM_GETFONT));
}

TEST_F(HeaderTest, BandAndBothTextsAreWhite) {
  for (const HWND window : {header.Handle(), CaptionText(), DescriptionText()}) {
    EXPECT_EQ(ColorOf(BrushOf(window)), RGB(255, 255, 255));
  }
}

TEST_F(HeaderTest, EmptyCaptionStaysAWhiteBoldLine) {
  header.SetCaption("");
  EXPECT_EQ(header.Caption(), "");
  EXPECT_TRUE(IsWindowVisible(CaptionText()));
  EXPECT_EQ(ColorOf(BrushOf(CaptionText())), RGB(255, 255, 255));
  LOGFONTA caption{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(CaptionText(), WM_GETFONT, 0, 0)), sizeof caption,
             &caption);
  EXPECT_EQ(caption.lfWeight, FW_BOLD);
}

TEST_F(HeaderTest, WritingTheCaptionNeverChangesAWindowTitle) {
  const std::string title = header.Window::Caption();
  header.Set(Symbol("Caption"), "Ordner");
  header.SetDescription("Wählen Sie den Ordner.");
  EXPECT_EQ(header.Caption(), "Ordner");
  EXPECT_EQ(header.Description(), "Wählen Sie den Ordner.");
  EXPECT_EQ(header.Window::Caption(), title);
  EXPECT_EQ(owner.Caption(), "Owner");
}

TEST_F(HeaderTest, GetChildKnowsCaptionAndDescriptionOnly) {
  struct Row {
    const char* name;
    HWND expected;
  };
  const Row rows[] = {{"Caption", CaptionText()},
                      {"description", DescriptionText()},
                      {"PageInfo", nullptr},
                      {"", nullptr}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Control* child = header.GetChild(Symbol(row.name));
    EXPECT_EQ(child ? child->Handle() : nullptr, row.expected);
  }
}

TEST_F(HeaderTest, TextsFollowTheHeadersSize) {
  const Bounds caption = Window(CaptionText()).GetBounds();
  const Bounds description = Window(DescriptionText()).GetBounds();
  const Dimension size = header.Size();
  SetWindowPos(header.Handle(), nullptr, 0, 0, size.width + 40, size.height + 10,
               SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(Window(CaptionText()).GetBounds(),
            (Bounds{caption.origin, {caption.size.width + 40, caption.size.height}}));
  EXPECT_EQ(
      Window(DescriptionText()).GetBounds(),
      (Bounds{description.origin, {description.size.width + 40, description.size.height + 10}}));
}

class PageTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(owner.Create(nullptr, ResourceID("OWNER"))); }
  void TearDown() override { owner.Destroy(); }
  DialogWindow owner;
};

TEST_F(PageTest, PlainPageIsAnEmptyHiddenAreaAtItsPoint) {
  qWizardPage page;
  page.Init(&owner, std::nullopt, true, Point{0, 0});
  ASSERT_TRUE(page.Exists());
  EXPECT_EQ(GetParent(page.Handle()), owner.Handle());
  EXPECT_EQ(page.GetBounds(), (Bounds{{0, 0}, DialogPixels(page.Handle(), 0, 0, 265, 146).size}));
  EXPECT_FALSE(page.IsVisible());
  EXPECT_EQ(GetWindow(page.Handle(), GW_CHILD), nullptr);
  // The default dialog colour.
  const HDC dc = GetDC(page.Handle());
  EXPECT_EQ(ColorOf(reinterpret_cast<HBRUSH>(page.Send(WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(page.Handle())))),
            GetSysColor(COLOR_BTNFACE));
  ReleaseDC(page.Handle(), dc);
  page.Destroy();
}

TEST_F(PageTest, PageWithItsOwnTemplateTakesItsPlaceholder) {
  qWizardPage page;
  page.PreInit(&owner, ResourceID(IDP_HIDDEN));
  page.Init(&owner, ResourceID("_QCOMPONENT"));
  page.PostInit();
  EXPECT_EQ(GetDlgItem(owner.Handle(), IDP_HIDDEN), nullptr);
  EXPECT_EQ(page.GetBounds(), DialogPixels(owner.Handle(), 20, 80, 100, 30));
  page.Destroy();
}

TEST_F(PageTest, BasePageAllowsLeavingByEveryButton) {
  qWizardPage page;
  page.Init(&owner, std::nullopt, true, Point{0, 0});
  for (const char* action : {"PreviousPage", "NextPage", "Finish", ""}) {
    EXPECT_TRUE(page.ValidateData(Symbol(action))) << action;
  }
  page.Destroy();
}

}  // namespace
}  // namespace formfit
