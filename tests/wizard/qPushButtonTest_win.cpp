#include <gtest/gtest.h>

#include "WizardTestRes.h"
#include "WizardWindowTest.h"
#include "wizard/qPushButton.h"
#include "wizard/qTools.h"

namespace formfit {
namespace {

class qPushButtonTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Create(nullptr, ResourceID("BUTTONS")));
    first = std::make_unique<qPushButton>(dialog, IDB_FIRST);
    second = std::make_unique<qPushButton>(dialog, IDB_SECOND);
  }
  void TearDown() override {
    first.reset();
    second.reset();
    dialog.Destroy();
  }
  HWND Field() const { return GetDlgItem(dialog.Handle(), IDE_FIELD); }

  DialogWindow dialog;
  std::unique_ptr<qPushButton> first, second;
};

TEST_F(qPushButtonTest, DisablingTheFocusedDefaultButtonMovesFocusAndDropsTheDefault) {
  first->SetFocus();
  ASSERT_TRUE(first->IsDefault());
  const HWND next = GetNextDlgTabItem(dialog.Handle(), first->Handle(), FALSE);
  EXPECT_TRUE(first->Disable());
  EXPECT_FALSE(first->IsEnabled());
  EXPECT_FALSE(first->IsDefault());
  EXPECT_EQ(GetFocus(), next);
  EXPECT_EQ(next, second->Handle());
}

// A disabled window cannot hold the focus, so only the style part shows.
TEST_F(qPushButtonTest, DisablingADisabledButtonLeavesItsStyle) {
  SetFocus(Field());
  EnableWindow(first->Handle(), FALSE);
  SetWindowLongPtrA(first->Handle(), GWL_STYLE, StyleOf(first->Handle()) | BS_DEFPUSHBUTTON);
  const LONG_PTR style = StyleOf(first->Handle());
  EXPECT_TRUE(first->Disable());
  EXPECT_EQ(StyleOf(first->Handle()), style);
  EXPECT_EQ(GetFocus(), Field());
}

TEST_F(qPushButtonTest, DisablingAnUnfocusedButtonMovesNoFocus) {
  SetFocus(Field());
  second->Disable();
  EXPECT_EQ(GetFocus(), Field());
  EXPECT_FALSE(second->IsEnabled());
}

TEST_F(qPushButtonTest, LosingTheFocusDropsTheDefaultAndGainingItChangesNothing) {
  first->SetFocus();
  ASSERT_TRUE(first->IsDefault());
  SetFocus(Field());
  EXPECT_FALSE(first->IsDefault());
  const LONG_PTR style = StyleOf(second->Handle());
  second->SetFocus();
  EXPECT_EQ(StyleOf(second->Handle()), style);
}

TEST(qWinIsEnabled, AnswersTheWindowsEnabledState) {
  DialogWindow dialog;
  ASSERT_TRUE(dialog.Create(nullptr, ResourceID("BUTTONS")));
  const HWND button = GetDlgItem(dialog.Handle(), IDB_SECOND);
  EXPECT_TRUE(qWinIsEnabled(button));
  EnableWindow(button, FALSE);
  EXPECT_FALSE(qWinIsEnabled(button));
  EXPECT_FALSE(qWinIsEnabled(nullptr));
  dialog.Destroy();
}

}  // namespace
}  // namespace formfit
