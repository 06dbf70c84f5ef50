// The setup wizard with its real pages on a copy of the sample installation:
// each page of its class and with its text as the user reads it; and from
// the keyboard: where the focus goes on each page, what Enter runs, the
// labels' mnemonics, the mode page's radio group, and the focus after a
// page refused to be left. Key messages run through the owner's dialog
// manager as in the program's loop; message boxes and the folder dialog are
// answered by a timer of the test's thread.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FormfitRes.h"
#include "UiTestRes.h"
#include "support/KeyMessages_win.h"
#include "support/TempDir.h"
#include "ui/wzFormfit.h"

namespace formfit {
namespace {

using test::PressAltKey;
using test::PressKey;

// The windows that popped up over the wizard, by title, each answered with
// `popUpAnswer`.
std::vector<std::string> popUps;
WPARAM popUpAnswer = IDOK;

BOOL CALLBACK AnswerPopUp(HWND window, LPARAM) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (std::string(className) != "#32770" || DialogWindow::FromHandle(window) ||
      !IsWindowVisible(window)) {
    return TRUE;
  }
  popUps.push_back(Window(window).Caption());
  PostMessageA(window, WM_COMMAND, popUpAnswer, 0);
  return FALSE;
}

void CALLBACK WatchPopUps(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), AnswerPopUp, 0);
}

// Its members are public so that the rows of table tests can reach them.
class SetupKeyboardTest : public testing::Test {
 public:
  void SetUp() override {
    std::filesystem::copy(test::ExamplesDir() + "VO28", folder,
                          std::filesystem::copy_options::recursive);
    popUps.clear();
    popUpAnswer = IDOK;
    timer = SetTimer(nullptr, 0, 50, WatchPopUps);
    ASSERT_TRUE(owner.Create(nullptr, ResourceID("WIZARDOWNER")));
    SetForegroundWindow(owner.Handle());
  }
  void TearDown() override {
    KillTimer(nullptr, timer);
    wizard.reset();
    owner.Destroy();
  }
  // The wizard with the run's values set, as the command line sets them.
  void MakeWizard(const std::string& cavoFolder, Mode mode = Mode::kAdd) {
    wizard = std::make_unique<wzFormfit>();
    wizard->Init(&owner, ResourceID(IDP_WIZARD));
    wizard->SetCAVOFolder(cavoFolder);
    wizard->SetComponentName("GridCtl");
    wizard->SetMode(mode);
    // As the setup dialog does once it is shown.
    wizard->FocusCurrentPage();
    test::RunDialogMessages();
  }
  HWND Item(const char* page, int id) {
    return GetDlgItem(wizard->GetPage(Symbol(page))->Handle(), id);
  }
  HWND Button(const char* name) const { return wizard->GetChild(Symbol(name))->Handle(); }
  bool Pressed(int id) { return SendMessageA(Item("Mode", id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  static std::string Text(HWND window) { return Window(window).Caption(); }
  // The default id that the owner's dialog manager runs on Enter.
  int OwnersDefault() const {
    const LRESULT answer = SendMessageA(owner.Handle(), DM_GETDEFID, 0, 0);
    return HIWORD(answer) == DC_HASDEFID ? LOWORD(answer) : 0;
  }

  test::TempDir dir;
  std::string folder = dir.Path() + "VO28";
  DialogWindow owner;
  std::unique_ptr<wzFormfit> wizard;
  UINT_PTR timer = 0;
};

// Each page of the wizard's table is made of its class, a member only that
// class has tells; the pages with a text to read show it whole, in the
// language file's words, from their first visit on.
TEST_F(SetupKeyboardTest, EachPageIsOfItsClassAndShowsItsText) {
  MakeWizard(folder);
  struct Row {
    const char* page;
    const char* member;
    int textId;  // the text a user reads on the page; 0 for none
    const char* text;
  };
  const Row rows[] = {
      {"Welcome", "Info", IDT_INFO_TEXT,
       "Dieser Assistent fügt dem VO-Window-Editor eine Komponente hinzu oder entfernt sie "
       "wieder. Vorher legt er eine nummerierte Sicherungskopie von DEDUDED.INF an (DEDUDED.000, "
       "DEDUDED.001 usw.).\r\nBitte beenden Sie Visual Objects, bevor Sie auf „Weiter“ klicken."},
      {"CAVOFolder", "Folder", 0, nullptr},
      {"Component", "ComponentName", 0, nullptr},
      {"Mode", "Mode", 0, nullptr},
      {"Summary", "Info", IDT_SUMMARY_INFO,
       "Klicken Sie auf „Fertigstellen“, um die Änderung auszuführen; vorher wird eine "
       "Sicherungskopie von DEDUDED.INF angelegt."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.page);
    ASSERT_TRUE(wizard->SetCurrentPageNo(wizard->GetPageNo(Symbol(row.page))));
    test::RunDialogMessages();
    const std::shared_ptr<qWizardPage> page = wizard->GetPage(Symbol(row.page));
    ASSERT_TRUE(page && page->IsVisible());
    EXPECT_TRUE(page->HasGetter(Symbol(row.member)));
    if (row.textId) {
      EXPECT_EQ(Text(Item(row.page, row.textId)), row.text);
    }
  }
}

TEST_F(SetupKeyboardTest, EnterWalksThePagesAndTheFocusGoesToEachPagesFirstControl) {
  MakeWizard(folder);
  struct Row {
    const char* page;
    std::function<HWND(SetupKeyboardTest&)> focus;
    int defaultId;
  };
  const Row rows[] = {
      {"Welcome", [](SetupKeyboardTest& t) { return t.Button("NextPage"); }, IDB_WIZARD_NEXT},
      // The read-only field keeps its tab stop, so the path can be selected
      // and copied; Enter on it still goes on.
      {"CAVOFolder", [](SetupKeyboardTest& t) { return t.Item("CAVOFolder", IDE_FOLDER); },
       IDB_WIZARD_NEXT},
      {"Component", [](SetupKeyboardTest& t) { return t.Item("Component", IDC_COMPONENT); },
       IDB_WIZARD_NEXT},
      {"Mode", [](SetupKeyboardTest& t) { return t.Item("Mode", IDR_MODE_ADD); }, IDB_WIZARD_NEXT},
      {"Summary", [](SetupKeyboardTest& t) { return t.Button("Finish"); }, IDB_WIZARD_FINISH},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.page);
    ASSERT_EQ(wizard->GetPageName(wizard->CurrentPageNo()), Symbol(row.page));
    EXPECT_EQ(GetFocus(), row.focus(*this));
    EXPECT_EQ(OwnersDefault(), row.defaultId);
    const HWND defaultButton = GetDlgItem(wizard->Handle(), row.defaultId);
    EXPECT_TRUE(GetWindowLongPtrA(defaultButton, GWL_STYLE) & BS_DEFPUSHBUTTON);
    if (row.defaultId == IDB_WIZARD_FINISH) break;
    PressKey(VK_RETURN);
  }
  EXPECT_EQ(popUps, std::vector<std::string>{});
}

// A user who clicked into the summary to copy the command line still
// finishes with Enter and leaves the field with Tab.
TEST_F(SetupKeyboardTest, TheSummaryFieldLeavesEnterAndTabToTheDialog) {
  MakeWizard(folder);
  for (int page = 1; page < 5; ++page) PressKey(VK_RETURN);
  ASSERT_EQ(wizard->GetPageName(wizard->CurrentPageNo()), Symbol("Summary"));
  const HWND field = Item("Summary", IDE_SUMMARY);
  SetFocus(field);
  EXPECT_EQ(OwnersDefault(), IDB_WIZARD_FINISH);
  PressKey(VK_TAB);
  EXPECT_NE(GetFocus(), field);
  EXPECT_TRUE(IsChild(wizard->Handle(), GetFocus()));
}

TEST_F(SetupKeyboardTest, ACommandLineRemoveHasTheFocusOnRemove) {
  MakeWizard(folder, Mode::kRemove);
  wizard->SetCurrentPageNo(Symbol("Mode"));
  EXPECT_TRUE(Pressed(IDR_MODE_REMOVE));
  EXPECT_EQ(GetFocus(), Item("Mode", IDR_MODE_REMOVE));
}

TEST_F(SetupKeyboardTest, AnEmptyFolderIsRefusedAndTheFocusGoesToTheBrowseButton) {
  MakeWizard("");
  wizard->SetCurrentPageNo(Symbol("CAVOFolder"));
  SetWindowTextA(Item("CAVOFolder", IDE_FOLDER), "");
  PressKey(VK_RETURN);
  EXPECT_EQ(popUps, std::vector<std::string>{"Setup DU-Rodadu Dazodo v3"});
  EXPECT_EQ(wizard->GetPageName(wizard->CurrentPageNo()), Symbol("CAVOFolder"));
  ASSERT_EQ(GetFocus(), Item("CAVOFolder", IDB_FOLDER_CHOICE));
  // Enter now runs the focused button: the folder selection, cancelled.
  popUps.clear();
  popUpAnswer = IDCANCEL;
  PressKey(VK_RETURN);
  EXPECT_EQ(popUps.size(), 1u);
  EXPECT_EQ(wizard->GetPageName(wizard->CurrentPageNo()), Symbol("CAVOFolder"));
}

TEST_F(SetupKeyboardTest, NoComponentChosenIsRefusedAndTheFocusGoesToTheList) {
  MakeWizard(folder);
  wizard->SetCurrentPageNo(Symbol("Component"));
  SendMessageA(Item("Component", IDC_COMPONENT), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  SendMessageA(owner.Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Button("NextPage")), TRUE);
  PressKey(VK_RETURN);
  EXPECT_EQ(popUps, std::vector<std::string>{"Setup DU-Rodadu Dazodo v3"});
  EXPECT_EQ(wizard->GetPageName(wizard->CurrentPageNo()), Symbol("Component"));
  EXPECT_EQ(GetFocus(), Item("Component", IDC_COMPONENT));
}

TEST_F(SetupKeyboardTest, TheLabelsCarryMnemonics) {
  MakeWizard(folder);
  struct Row {
    const char* page;
    int id;
    const char* text;
  };
  // The shipped German texts, which lie beside the test program.
  const Row rows[] = {
      {"CAVOFolder", IDT_FOLDER_LABEL, "&Ordner:"},
      {"CAVOFolder", IDB_FOLDER_CHOICE, "&Durchsuchen"},
      {"Component", IDT_COMPONENT_LABEL, "&Komponente:"},
      {"Mode", IDG_MODE, "&Komponente dem VO-Window-Editor"},
      {"Mode", IDR_MODE_ADD, "&hinzufügen"},
      {"Mode", IDR_MODE_REMOVE, "&entfernen"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Text(Item(row.page, row.id)), row.text) << row.page << " " << row.id;
  }
}

TEST_F(SetupKeyboardTest, AMnemonicMovesTheFocusToItsControlOrClicksIt) {
  MakeWizard(folder);
  wizard->SetCurrentPageNo(Symbol("CAVOFolder"));
  SendMessageA(owner.Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Button("Abort")), TRUE);
  // The folder label's mnemonic goes to Browse, which can act on it: the
  // field before it only shows the folder.
  PressAltKey('O');
  EXPECT_EQ(GetFocus(), Item("CAVOFolder", IDB_FOLDER_CHOICE));
  popUpAnswer = IDCANCEL;
  PressAltKey('D');
  EXPECT_EQ(popUps.size(), 1u);

  wizard->SetCurrentPageNo(Symbol("Component"));
  SendMessageA(owner.Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Button("Abort")), TRUE);
  PressAltKey('K');
  EXPECT_EQ(GetFocus(), Item("Component", IDC_COMPONENT));

  wizard->SetCurrentPageNo(Symbol("Mode"));
  ASSERT_TRUE(Pressed(IDR_MODE_ADD));
  PressAltKey('E');
  EXPECT_TRUE(Pressed(IDR_MODE_REMOVE));
  EXPECT_FALSE(Pressed(IDR_MODE_ADD));
  EXPECT_EQ(GetFocus(), Item("Mode", IDR_MODE_REMOVE));
  // No field takes letters here: the plain letter does as well.
  PressKey('H');
  EXPECT_TRUE(Pressed(IDR_MODE_ADD));
  EXPECT_EQ(GetFocus(), Item("Mode", IDR_MODE_ADD));
  // The group box's mnemonic goes to the pressed button it holds.
  SendMessageA(owner.Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Button("Abort")), TRUE);
  PressAltKey('K');
  EXPECT_EQ(GetFocus(), Item("Mode", IDR_MODE_ADD));
  PressAltKey('W');
  EXPECT_EQ(wizard->GetPageName(wizard->CurrentPageNo()), Symbol("Summary"));
  EXPECT_EQ(wizard->Mode(), Mode::kAdd);
}

TEST_F(SetupKeyboardTest, TheModeButtonsAreOneTabStopWalkedWithTheArrows) {
  MakeWizard(folder);
  wizard->SetCurrentPageNo(Symbol("Mode"));
  const HWND add = Item("Mode", IDR_MODE_ADD);
  const HWND remove = Item("Mode", IDR_MODE_REMOVE);
  ASSERT_EQ(GetFocus(), add);
  PressKey(VK_DOWN);
  EXPECT_EQ(GetFocus(), remove);
  EXPECT_TRUE(Pressed(IDR_MODE_REMOVE));
  EXPECT_FALSE(Pressed(IDR_MODE_ADD));
  std::vector<HWND> order;
  for (int i = 0; i < 4; ++i) {
    PressKey(VK_TAB);
    order.push_back(GetFocus());
  }
  EXPECT_EQ(order, (std::vector<HWND>{Button("PreviousPage"), Button("NextPage"), Button("Abort"),
                                      remove}));
  PressKey(VK_UP);
  EXPECT_EQ(GetFocus(), add);
  EXPECT_EQ(wizard->Mode(), Mode::kAdd);
}

}  // namespace
}  // namespace formfit
