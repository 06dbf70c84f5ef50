// The host layer with real windows (under Wine: the null graphics driver).
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "HostTestRes.h"
#include "host/Brush.h"
#include "host/ComboBox.h"
#include "host/DialogWindow.h"
#include "host/MessageBox.h"
#include "host/OwnerAlignment.h"
#include "host/PushButton.h"
#include "host/RadioButton.h"
#include "host/TextControls.h"

namespace formfit {
namespace {

// The test dialog with its controls bound, and a method a button can name.
class HostDialog : public DialogWindow {
 public:
  int goClicks = 0;
  Value Go(const ValueList&) {
    ++goClicks;
    return true;
  }

  static const MemberTable& ClassMembers() {
    static const MemberTable table =
        MemberTableOf<HostDialog>(&DialogWindow::ClassMembers()).Method("Go", &HostDialog::Go);
    return table;
  }

 protected:
  const MemberTable& Members() const override { return ClassMembers(); }
};

// Pixels of a rectangle in the dialog's units; origin and size are mapped
// each on its own, as the dialog manager places items.
Bounds Pixels(const DialogWindow& dialog, int x, int y, int width, int height) {
  RECT origin{x, y, 0, 0};
  RECT size{0, 0, width, height};
  MapDialogRect(dialog.Handle(), &origin);
  MapDialogRect(dialog.Handle(), &size);
  return {{origin.left, origin.top}, {size.right, size.bottom}};
}

class HostWindowTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dialog.Create(nullptr, ResourceID("HOSTTEST"))); }
  void TearDown() override { dialog.Destroy(); }
  HostDialog dialog;
};

TEST_F(HostWindowTest, ControlsAreBoundByIdAndShowTheirTemplate) {
  FixedText label(dialog, IDT_LABEL);
  SingleLineEdit name(dialog, IDE_NAME);
  EXPECT_EQ(dialog.Caption(), "Host test");
  EXPECT_EQ(label.TextValue(), "Name:");
  EXPECT_EQ(label.GetBounds(), Pixels(dialog, 4, 4, 40, 8));
  name.SetTextValue("Grid");
  EXPECT_EQ(name.TextValue(), "Grid");
  EXPECT_EQ(dialog.FindControl(IDE_NAME), &name);
  FixedText missing(dialog, 999);
  EXPECT_FALSE(missing.Exists());
}

TEST_F(HostWindowTest, ShowHideEnableDisableAndFocus) {
  PushButton go(dialog, IDB_GO);
  SingleLineEdit name(dialog, IDE_NAME);
  go.Hide();
  EXPECT_FALSE(go.IsVisible());
  go.Show();
  EXPECT_TRUE(go.IsVisible());
  EXPECT_TRUE(go.Disable());
  EXPECT_FALSE(go.IsEnabled());
  EXPECT_TRUE(go.Enable());
  name.SetFocus();
  EXPECT_TRUE(name.HasFocus());
  EXPECT_FALSE(go.HasFocus());
}

TEST_F(HostWindowTest, AClickCallsTheMethodThatBearsTheButtonsName) {
  PushButton go(dialog, IDB_GO);
  go.Send(BM_CLICK);
  EXPECT_EQ(dialog.goClicks, 0);  // no name, no call
  go.SetLabel({Symbol("Go"), "Go", {}});
  go.Send(BM_CLICK);
  EXPECT_EQ(dialog.goClicks, 1);
  PushButton corner(dialog, IDB_CORNER);
  corner.SetLabel({Symbol("NoSuchMethod"), "", {}});
  corner.Send(BM_CLICK);
  EXPECT_EQ(dialog.goClicks, 1);
}

TEST_F(HostWindowTest, WaitingMessagesAreProcessed) {
  PushButton go(dialog, IDB_GO);
  go.SetLabel({Symbol("Go"), "Go", {}});
  PostMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDB_GO, BN_CLICKED),
               reinterpret_cast<LPARAM>(go.Handle()));
  EXPECT_EQ(dialog.goClicks, 0);
  ProcessWaitingMessages();
  EXPECT_EQ(dialog.goClicks, 1);
}

TEST_F(HostWindowTest, OwnerAlignmentFollowsResizesFromTheRememberedDistances) {
  struct Row {
    int id;
    int alignment;
  };
  const Row rows[] = {{IDE_NAME, 0x480},  {IDB_GO, 0x4080},  {IDB_CORNER, 0x5080},
                      {IDT_LINE, 0x1480}, {IDG_MODE, 0x580}, {IDT_LABEL, 0}};
  const Dimension clientAtStart = dialog.ClientSize();
  std::vector<Bounds> starts;
  for (const Row& row : rows) {
    Window child(GetDlgItem(dialog.Handle(), row.id));
    starts.push_back(child.GetBounds());
    child.SetOwnerAlignment(row.alignment);
  }
  const Dimension outer = dialog.Size();
  for (const Dimension grow : {Dimension{60, 40}, Dimension{-30, -10}, Dimension{0, 0}}) {
    SetWindowPos(dialog.Handle(), nullptr, 0, 0, outer.width + grow.width,
                 outer.height + grow.height, SWP_NOMOVE | SWP_NOZORDER);
    const Dimension client = dialog.ClientSize();
    ASSERT_EQ(client.width - clientAtStart.width, grow.width);
    for (size_t i = 0; i < std::size(rows); ++i) {
      SCOPED_TRACE(testing::Message()
                   << "id " << rows[i].id << " grown by " << grow.width << "x" << grow.height);
      const Bounds expected = AlignToOwner(starts[i], clientAtStart, client, rows[i].alignment);
      EXPECT_EQ(Window(GetDlgItem(dialog.Handle(), rows[i].id)).GetBounds(), expected);
    }
  }
  // The button that keeps its distance to the corner really moved with it.
  SetWindowPos(dialog.Handle(), nullptr, 0, 0, outer.width + 25, outer.height + 15,
               SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(Window(GetDlgItem(dialog.Handle(), IDB_CORNER)).GetBounds().origin,
            (Point{starts[2].origin.x + 25, starts[2].origin.y + 15}));
}

TEST_F(HostWindowTest, ComboBoxItemsKeepTheirValuesInSortedOrder) {
  ComboBox list(dialog, IDC_LIST);
  list.AddItem("Grid", Value(ValueList{"Grid", "grid.wed"}));
  list.AddItem("Alpha", Value(ValueList{"Alpha", "alpha.wed"}));
  ASSERT_EQ(list.ItemCount(), 2);
  EXPECT_EQ(list.ItemText(0), "Alpha");
  EXPECT_EQ(list.ItemValue(1), Value(ValueList{"Grid", "grid.wed"}));
  EXPECT_EQ(list.CurrentItem(), -1);
  EXPECT_TRUE(list.SelectItemText("Grid"));
  EXPECT_EQ(list.CurrentItem(), 1);
  EXPECT_FALSE(list.SelectItemText("Gri"));
  EXPECT_EQ(list.CurrentItem(), -1);
  EXPECT_EQ(list.ItemValue(5), Value());
  list.Clear();
  EXPECT_EQ(list.ItemCount(), 0);
}

TEST_F(HostWindowTest, RadioButtonGroupAnswersThePressedButtonsValue) {
  RadioButton add(dialog, IDR_ADD);
  RadioButton remove(dialog, IDR_REMOVE);
  RadioButtonGroup mode(dialog, IDG_MODE);
  mode.AddButton(add, "Add");
  mode.AddButton(remove, "Remove");
  EXPECT_EQ(mode.GetValue(), Value());
  EXPECT_TRUE(mode.SetValue("Remove"));
  EXPECT_TRUE(remove.IsPressed());
  EXPECT_EQ(mode.GetValue(), Value("Remove"));
  EXPECT_FALSE(mode.SetValue("Other"));
  add.SetPressed(true);
  EXPECT_EQ(mode.GetValue(), Value("Add"));  // the first pressed one
}

TEST_F(HostWindowTest, BackgroundBrushIsAnsweredForItsChildOnly) {
  Brush white(Color{255, 255, 255});
  FixedText label(dialog, IDT_LABEL);
  label.SetBackground(&white);
  const HDC dc = GetDC(label.Handle());
  EXPECT_EQ(dialog.Send(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                        reinterpret_cast<LPARAM>(label.Handle())),
            reinterpret_cast<LRESULT>(white.Handle()));
  EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
  EXPECT_NE(dialog.Send(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                        reinterpret_cast<LPARAM>(GetDlgItem(dialog.Handle(), IDT_LINE))),
            reinterpret_cast<LRESULT>(white.Handle()));
  label.SetBackground(nullptr);
  EXPECT_NE(dialog.Send(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                        reinterpret_cast<LPARAM>(label.Handle())),
            reinterpret_cast<LRESULT>(white.Handle()));
  ReleaseDC(label.Handle(), dc);
}

TEST(DialogWindow, DestroyingTheObjectDestroysItsWindow) {
  HWND handle = nullptr;
  {
    DialogWindow dialog;
    ASSERT_TRUE(dialog.Create(nullptr, ResourceID("HOSTTEST")));
    handle = dialog.Handle();
    EXPECT_EQ(DialogWindow::FromHandle(handle), &dialog);
  }
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_EQ(DialogWindow::FromHandle(handle), nullptr);
}

TEST(DialogWindow, AMissingTemplateMakesNoWindow) {
  DialogWindow dialog;
  EXPECT_FALSE(dialog.Create(nullptr, ResourceID("NO_SUCH_TEMPLATE")));
  EXPECT_EQ(dialog.ShowModal(nullptr, ResourceID("NO_SUCH_TEMPLATE")), -1);
}

// Ends itself from its first message loop turn, with the value 7.
class ClosingDialog : public DialogWindow {
 protected:
  bool OnInit() override {
    PostMessageA(Handle(), WM_COMMAND, MAKEWPARAM(IDB_GO, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(Handle(), IDB_GO)));
    return true;
  }
  bool OnCommand(int code, int id, HWND control) override {
    if (id == IDB_GO) {
      EndDialog(7);
      return true;
    }
    return DialogWindow::OnCommand(code, id, control);
  }
};

TEST(DialogWindow, ModalDialogAnswersWhatEndDialogWasGiven) {
  ClosingDialog dialog;
  EXPECT_EQ(dialog.ShowModal(nullptr, ResourceID("HOSTTEST")), 7);
  EXPECT_FALSE(dialog.Exists());
}

class FailingDialog : public DialogWindow {
 protected:
  bool OnInit() override { throw std::runtime_error("no init"); }
};

TEST(DialogWindow, AnExceptionNeverLeavesTheDialogProcedure) {
  FailingDialog modal;
  EXPECT_THROW(modal.ShowModal(nullptr, ResourceID("HOSTTEST")), std::runtime_error);
  EXPECT_FALSE(modal.Exists());
  FailingDialog modeless;
  EXPECT_THROW(modeless.Create(nullptr, ResourceID("HOSTTEST")), std::runtime_error);
  EXPECT_FALSE(modeless.Exists());
}

// Reads the message box that this thread shows and closes it.
struct SeenBox {
  std::string title;
  std::string text;
  bool hasIcon = false;
};
SeenBox seen;

// Window callbacks are stdcall on 32-bit Windows, which lambdas are not.
BOOL CALLBACK NoteIcon(HWND child, LPARAM) {
  const LONG style = GetWindowLongA(child, GWL_STYLE);
  if ((style & SS_TYPEMASK) == SS_ICON && (style & WS_VISIBLE)) seen.hasIcon = true;
  return TRUE;
}

BOOL CALLBACK ReadAndClose(HWND window, LPARAM) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (std::string(className) != "#32770") return TRUE;
  seen.title = Window(window).Caption();
  seen.text = Window(GetDlgItem(window, 0xFFFF)).Caption();
  EnumChildWindows(window, NoteIcon, 0);
  PostMessageA(window, WM_COMMAND, IDOK, 0);
  return FALSE;
}

void CALLBACK CloseBox(HWND, UINT, UINT_PTR timer, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), ReadAndClose, 0);
  KillTimer(nullptr, timer);
}

TEST(MessageBoxes, InformationBoxShowsTitleAndTextAndWaitsForOk) {
  seen = {};
  SetTimer(nullptr, 0, 50, CloseBox);
  InfoBox(nullptr, "Formfit", "Die Komponente wurde hinzugefügt.");
  EXPECT_EQ(seen.title, "Formfit");
  EXPECT_EQ(seen.text, "Die Komponente wurde hinzugefügt.");
  EXPECT_TRUE(seen.hasIcon);
}

TEST(MessageBoxes, ErrorBoxTakesTheOwnersCaption) {
  DialogWindow owner;
  ASSERT_TRUE(owner.Create(nullptr, ResourceID("HOSTTEST")));
  seen = {};
  SetTimer(nullptr, 0, 50, CloseBox);
  ErrorBox(&owner, "Bitte einen Ordner wählen.");
  EXPECT_EQ(seen.title, "Host test");
  EXPECT_EQ(seen.text, "Bitte einen Ordner wählen.");
  owner.Destroy();
}

}  // namespace
}  // namespace formfit
