#include <gtest/gtest.h>

#include "WizardTestRes.h"
#include "host/DialogWindow.h"
#include "host/PushButton.h"
#include "wizard/WindowPropertyList.h"

namespace formfit {
namespace {

class WindowPropertyListTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dialog.Create(nullptr, ResourceID("BUTTONS"))); }
  void TearDown() override { dialog.Destroy(); }
  DialogWindow dialog;
};

TEST_F(WindowPropertyListTest, SameListUntilDestroyedThenAFreshOne) {
  qPropertyList& list = PropertyList(dialog);
  list.Put(Symbol("Folder"), "C:\\VO28\\");
  EXPECT_EQ(&PropertyList(dialog), &list);
  EXPECT_TRUE(PropertyListDestroy(dialog));
  EXPECT_EQ(GetPropA(dialog.Handle(), "__qPropertyListPtr"), nullptr);
  EXPECT_EQ(PropertyList(dialog).Count(), 0);
}

TEST_F(WindowPropertyListTest, ControlsCarryTheirOwnLists) {
  PushButton button(dialog, IDB_FIRST);
  PropertyList(button).Put(Symbol("A"), 1);
  EXPECT_EQ(PropertyList(dialog).Count(), 0);
  EXPECT_EQ(PropertyList(button).Get(Symbol("A")), Value(1));
}

TEST_F(WindowPropertyListTest, DestroyWithoutAListChangesNothing) {
  EXPECT_TRUE(PropertyListDestroy(dialog));
  EXPECT_EQ(GetPropA(dialog.Handle(), "__qPropertyListPtr"), nullptr);
}

TEST_F(WindowPropertyListTest, AForeignPropertyValueIsNeverLookedInto) {
  static int foreign = 42;
  SetPropA(dialog.Handle(), "__qPropertyListPtr", &foreign);
  EXPECT_TRUE(PropertyListDestroy(dialog));
  EXPECT_EQ(GetPropA(dialog.Handle(), "__qPropertyListPtr"), &foreign);
  EXPECT_EQ(PropertyList(dialog).Count(), 0);
  EXPECT_EQ(foreign, 42);
  // Another window's cell is foreign here too.
  PushButton button(dialog, IDB_FIRST);
  PropertyList(button).Put(Symbol("A"), 1);
  SetPropA(dialog.Handle(), "__qPropertyListPtr", GetPropA(button.Handle(), "__qPropertyListPtr"));
  EXPECT_EQ(PropertyList(dialog).Count(), 0);
  EXPECT_EQ(PropertyList(button).Count(), 1);
}

TEST(WindowPropertyList, TheWindowsDestructionReleasesItsList) {
  DialogWindow dialog;
  ASSERT_TRUE(dialog.Create(nullptr, ResourceID("BUTTONS")));
  auto held = std::make_shared<Object>();
  std::weak_ptr<Object> watch = held;
  PropertyList(dialog).Put(Symbol("Held"), Value(ObjectRef(std::move(held))));
  dialog.Destroy();
  EXPECT_TRUE(watch.expired());
}

}  // namespace
}  // namespace formfit
