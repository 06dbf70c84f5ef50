#include <gtest/gtest.h>

#include <vector>

#include "WizardTestRes.h"
#include "WizardWindowTest.h"
#include "wizard/qComponent.h"
#include "wizard/qTools.h"

namespace formfit {
namespace {

class qComponentTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(owner.Create(nullptr, ResourceID("OWNER"))); }
  void TearDown() override {
    component.Destroy();
    owner.Destroy();
  }
  HWND Item(int id) const { return GetDlgItem(owner.Handle(), id); }

  DialogWindow owner;
  qComponent component;
};

TEST_F(qComponentTest, TakesOverAVisibleFocusedPlaceholder) {
  const HWND placeholder = Item(IDP_SHOWN);
  SetFocus(placeholder);
  ASSERT_EQ(GetFocus(), placeholder);
  const Bounds place = DialogPixels(owner.Handle(), 20, 30, 207, 34);
  const HWND before = Item(IDB_BEFORE);
  ASSERT_EQ(GetWindow(before, GW_HWNDNEXT), placeholder);

  component.PreInit(&owner, ResourceID(IDP_SHOWN));
  component.Init(&owner, ResourceID("FOCUSABLE"), true);
  EXPECT_FALSE(IsWindow(placeholder));
  EXPECT_EQ(component.Owner(), &owner);
  EXPECT_TRUE(component.IsVisible());
  // The component passes the focus on to its first control.
  EXPECT_EQ(GetFocus(), GetDlgItem(component.Handle(), IDE_INSIDE));
  EXPECT_EQ(qGetWindowOrigin(component.Handle()), place.origin);
  EXPECT_EQ(GetWindow(before, GW_HWNDNEXT), component.Handle());  // the placeholder's tab position
  component.PostInit();
  EXPECT_EQ(component.GetBounds(), place);
}

TEST_F(qComponentTest, OverAHiddenPlaceholderStaysHidden) {
  component.PreInit(&owner, ResourceID(IDP_HIDDEN));
  component.Init(&owner, ResourceID("_QCOMPONENT"), true);
  component.PostInit();
  EXPECT_FALSE(IsWindow(Item(IDP_HIDDEN)));
  EXPECT_FALSE(component.IsVisible());
  EXPECT_EQ(component.GetBounds(), DialogPixels(owner.Handle(), 20, 80, 100, 30));
}

TEST_F(qComponentTest, LogicPointWithoutPlaceholderLeavesPlaceAndSizeToTheOwner) {
  component.PreInit(&owner);
  component.Init(&owner, ResourceID("_QWIZARDPAGE"), true, Dimension{10, 10});
  component.PostInit();
  EXPECT_EQ(component.GetBounds(), DialogPixels(component.Handle(), 4, 4, 265, 146));
  EXPECT_FALSE(component.IsVisible());
  EXPECT_TRUE(IsWindow(Item(IDP_SHOWN)));
}

TEST_F(qComponentTest, ExplicitPointAndSizeWithAGenericTemplate) {
  component.Init(&owner, std::nullopt, Point{7, 9}, Dimension{120, 40});
  EXPECT_EQ(component.GetBounds(),
            (Bounds{{7, 9}, DialogPixels(component.Handle(), 5, 4, 75, 22).size}));
  EXPECT_FALSE(component.IsVisible());
  component.PostInit();
  EXPECT_EQ(component.GetBounds(), (Bounds{{7, 9}, {120, 40}}));
  // The generic template is used whatever the point is.
  qComponent logic;
  logic.Init(&owner, std::nullopt, true, Dimension{30, 20});
  logic.PostInit();
  EXPECT_EQ(logic.Size(), (Dimension{30, 20}));
  logic.Destroy();
}

TEST_F(qComponentTest, OwnTemplateAtAPointKeepsTheZOrder) {
  const HWND lastBefore = GetWindow(Item(IDB_BEFORE), GW_HWNDLAST);
  component.Init(&owner, ResourceID("_QCOMPONENT"), Point{3, 4}, Dimension{50, 60});
  component.PostInit();
  EXPECT_EQ(component.GetBounds(), (Bounds{{3, 4}, {50, 60}}));
  EXPECT_EQ(GetWindow(lastBefore, GW_HWNDNEXT), component.Handle());  // made last, stays last
}

// Each row: a component template, where it is placed, and the frame bits that
// must be left after the clean-up.
TEST_F(qComponentTest, FrameCleanUpTable) {
  constexpr LONG_PTR kFrameBits = WS_BORDER | WS_DLGFRAME | 0x80;
  constexpr LONG_PTR kEdgeBits =
      WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;
  struct Row {
    const char* name;
    const char* dialogTemplate;
    int placeholder;  // 0: placed at a point
    LONG_PTR style;
    LONG_PTR extended;
  };
  const Row rows[] = {
      {"border removed", "FRAME_BORDER", 0, 0, 0},
      {"caption removed", "FRAME_CAPTION", 0, 0, 0},
      {"caption over a plain placeholder removed", "FRAME_CAPTION", IDP_HIDDEN, 0, 0},
      {"caption over a dialog-frame placeholder leaves a thin border", "FRAME_CAPTION",
       IDP_DIALOGFRAME, WS_BORDER, 0},
      {"modal frame removed", "FRAME_MODAL", 0, 0, 0},
      {"modal frame removed over a plain placeholder", "FRAME_MODAL", IDP_HIDDEN, 0, 0},
      {"0x80 kept over a placeholder that has it", "FRAME_MODAL", IDP_NOPREFIX, 0x80, 0},
      {"edges removed at a point", "FRAME_EDGES", 0, 0, 0},
      {"client and static edge kept over a placeholder", "FRAME_EDGES", IDP_HIDDEN, 0,
       WS_EX_CLIENTEDGE | WS_EX_STATICEDGE},
      {"header template", "_QWIZARDPAGEINFO", IDP_SHOWN, 0, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    DialogWindow rowOwner;
    ASSERT_TRUE(rowOwner.Create(nullptr, ResourceID("OWNER")));
    qComponent made;
    if (row.placeholder) {
      made.PreInit(&rowOwner, ResourceID(row.placeholder));
      made.Init(&rowOwner, ResourceID(row.dialogTemplate), true);
    } else {
      made.Init(&rowOwner, ResourceID(row.dialogTemplate), Point{0, 0});
    }
    ASSERT_TRUE(made.Exists());
    EXPECT_EQ(StyleOf(made.Handle()) & kFrameBits, row.style) << std::hex << StyleOf(made.Handle());
    EXPECT_EQ(ExStyleOf(made.Handle()) & kEdgeBits, row.extended)
        << std::hex << ExStyleOf(made.Handle());
    EXPECT_TRUE(StyleOf(made.Handle()) & WS_CHILD);
    made.Destroy();
    rowOwner.Destroy();
  }
}

// Records what a component asked of it.
class Server : public qDataServer {
 public:
  std::vector<std::pair<char, qComponent*>> calls;
  void RegisterClient(qComponent& client) override { calls.emplace_back('+', &client); }
  void UnRegisterClient(qComponent& client) override { calls.emplace_back('-', &client); }
};

TEST_F(qComponentTest, UseRegistersAndDestroyReleasesTheServer) {
  component.Init(&owner, std::nullopt);
  Server first, second;
  EXPECT_TRUE(component.Use(&first));
  EXPECT_TRUE(component.Use(&second));
  EXPECT_TRUE(component.Use(nullptr));
  EXPECT_EQ(component.Server(), nullptr);
  using Calls = std::vector<std::pair<char, qComponent*>>;
  EXPECT_EQ(first.calls, (Calls{{'+', &component}, {'-', &component}}));
  EXPECT_EQ(second.calls, (Calls{{'+', &component}, {'-', &component}}));
  component.Use(&first);
  EXPECT_TRUE(component.Destroy());
  EXPECT_FALSE(component.Exists());
  EXPECT_EQ(first.calls.back(), std::make_pair('-', &component));
  {
    qComponent released;
    released.Init(&owner, std::nullopt);
    released.Use(&second);
  }
  EXPECT_EQ(second.calls.back().first, '-');
}

TEST_F(qComponentTest, NotifyAnswersOnlyCodeTwo) {
  EXPECT_EQ(component.Notify(2), Value(true));
  EXPECT_EQ(component.Notify(1, "x"), Value());
  EXPECT_EQ(component.Notify(0), Value());
}

TEST(qGetWindowOrigin, IsInTheParentsClientCoordinates) {
  DialogWindow owner;
  ASSERT_TRUE(owner.Create(nullptr, ResourceID("OWNER")));
  const HWND edit = GetDlgItem(owner.Handle(), IDE_AFTER);
  EXPECT_EQ(qGetWindowOrigin(edit), DialogPixels(owner.Handle(), 4, 180, 60, 12).origin);
  SetWindowPos(owner.Handle(), nullptr, 150, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(qGetWindowOrigin(edit), DialogPixels(owner.Handle(), 4, 180, 60, 12).origin);
  owner.Destroy();
}

}  // namespace
}  // namespace formfit
