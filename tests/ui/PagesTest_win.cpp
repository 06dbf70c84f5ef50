// The setup wizard's pages with real windows (under Wine: the null graphics
// driver), made and driven as the wizard does: by name through their member
// tables. Message boxes and the folder selection dialog are read and closed
// by a timer of the test's thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

#include "FormfitRes.h"
#include "UiTestRes.h"
#include "base/StringRules.h"
#include "support/TempDir.h"
#include "support/TextAssert.h"
#include "ui/SetupPages.h"
#include "ui/wzpChangeMode.h"
#include "ui/wzpComponentChoice.h"
#include "ui/wzpFolderChoice.h"
#include "ui/wzpInfo.h"
#include "wizard/WizardWindowTest.h"

namespace formfit {
namespace {

using test::Crlf;
using test::TempDir;

// What the user saw of a window that popped up over the pages: a message box
// or the folder selection dialog.
struct SeenWindow {
  int count = 0;
  std::string title;
  std::vector<std::string> texts;  // of its static texts, in child order
  bool errorIcon = false;
};
SeenWindow seen;
WPARAM answer = IDOK;

// Window callbacks are stdcall on 32-bit Windows, which lambdas are not.
BOOL CALLBACK NoteChild(HWND child, LPARAM) {
  char className[32] = {};
  GetClassNameA(child, className, sizeof className);
  if (std::string(className) != "Static") return TRUE;
  const LONG style = GetWindowLongA(child, GWL_STYLE);
  if ((style & SS_TYPEMASK) == SS_ICON) {
    seen.errorIcon = seen.errorIcon || (style & WS_VISIBLE);
  } else {
    seen.texts.push_back(Window(child).Caption());
  }
  return TRUE;
}

BOOL CALLBACK ReadAndAnswer(HWND window, LPARAM found) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  // The test's own dialogs are dialog windows of the host layer.
  if (std::string(className) != "#32770" || DialogWindow::FromHandle(window) ||
      !IsWindowVisible(window)) {
    return TRUE;
  }
  ++seen.count;
  seen.title = Window(window).Caption();
  EnumChildWindows(window, NoteChild, 0);
  PostMessageA(window, WM_COMMAND, answer, 0);
  *reinterpret_cast<bool*>(found) = true;
  return FALSE;
}

void CALLBACK Watch(HWND, UINT, UINT_PTR timer, DWORD) {
  bool found = false;
  EnumThreadWindows(GetCurrentThreadId(), ReadAndAnswer, reinterpret_cast<LPARAM>(&found));
  if (found) KillTimer(nullptr, timer);
}

// Watches for one window over the pages until it is destroyed; it answers
// that window with `command` (IDOK or IDCANCEL).
class PopUpWatch {
 public:
  explicit PopUpWatch(WPARAM command = IDOK) {
    seen = {};
    answer = command;
    timer_ = SetTimer(nullptr, 0, 50, Watch);
  }
  ~PopUpWatch() { KillTimer(nullptr, timer_); }

 private:
  UINT_PTR timer_;
};

// The texts of the shipped language file.
const std::string kText218 = Crlf(
    "Bitte wählen Sie eine Komponente.\nIst die Liste leer, enthält der Ordner BIN des gewählten "
    "Verzeichnisses keine Komponentendatei (*.wed).");
const std::string kText219 =
    "Bitte wählen Sie das Verzeichnis, in dem Visual Objects installiert ist.";
const std::string kText561 = "Wählen Sie das Verzeichnis, in dem Visual Objects installiert ist.";

class PageTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(owner.Create(nullptr, ResourceID("PAGEOWNER"))); }
  void TearDown() override { owner.Destroy(); }

  HWND Item(const Window& page, int id) const { return GetDlgItem(page.Handle(), id); }
  // A child's place in the page, checked against the template's dialog units.
  void ExpectAt(const Window& page, int id, int x, int y, int width, int height) const {
    EXPECT_EQ(Window(Item(page, id)).GetBounds(), DialogPixels(page.Handle(), x, y, width, height))
        << "control " << id;
  }
  // Widens the page by 40 pixels and heightens it by 10.
  static void Grow(Window& page) {
    const Dimension size = page.Size();
    page.Resize({size.width + 40, size.height + 10});
  }

  DialogWindow owner;
};

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

// --- wzpFolderChoice -------------------------------------------------------

class FolderPageTest : public PageTest {
 protected:
  void SetUp() override {
    PageTest::SetUp();
    page.Init(&owner);
  }
  void TearDown() override {
    page.Destroy();
    PageTest::TearDown();
  }
  wzpFolderChoice page;
};

TEST_F(FolderPageTest, ControlsAsInTheTemplateWithTheLanguageTexts) {
  EXPECT_EQ(page.Size(), DialogPixels(page.Handle(), 0, 0, 163, 12).size);
  ExpectAt(page, IDT_FOLDER_LABEL, 0, 1, 27, 8);
  ExpectAt(page, IDE_FOLDER, 28, 0, 80, 12);
  ExpectAt(page, IDB_FOLDER_CHOICE, 112, 0, 50, 12);
  EXPECT_EQ(Window(Item(page, IDT_FOLDER_LABEL)).Caption(), "&Ordner:");
  EXPECT_EQ(Window(Item(page, IDB_FOLDER_CHOICE)).Caption(), "&Durchsuchen");
  const LONG_PTR edit = StyleOf(Item(page, IDE_FOLDER));
  EXPECT_EQ(edit & (ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP),
            ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP);
  EXPECT_TRUE(ExStyleOf(Item(page, IDE_FOLDER)) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(Window(Item(page, IDE_FOLDER)).Caption(), "");
}

TEST_F(FolderPageTest, FieldFollowsTheWidthAndTheButtonTheRightEdge) {
  const Bounds label = Window(Item(page, IDT_FOLDER_LABEL)).GetBounds();
  const Bounds field = Window(Item(page, IDE_FOLDER)).GetBounds();
  const Bounds button = Window(Item(page, IDB_FOLDER_CHOICE)).GetBounds();
  Grow(page);
  EXPECT_EQ(Window(Item(page, IDT_FOLDER_LABEL)).GetBounds(), label);
  EXPECT_EQ(Window(Item(page, IDE_FOLDER)).GetBounds(),
            (Bounds{field.origin, {field.size.width + 40, field.size.height}}));
  EXPECT_EQ(Window(Item(page, IDB_FOLDER_CHOICE)).GetBounds(),
            (Bounds{{button.origin.x + 40, button.origin.y}, button.size}));
}

TEST_F(FolderPageTest, FolderWrittenAndReadByName) {
  struct Row {
    const char* written;
    const char* shown;
    const char* read;
  };
  const Row rows[] = {
      {"D:\\VO28", "D:\\VO28\\", "D:\\VO28\\"},
      {"D:\\VO28\\", "D:\\VO28\\", "D:\\VO28\\"},
      {"", "", ""},
      {"C:\\Programme\\Übersetzer", "C:\\Programme\\Übersetzer\\", "C:\\Programme\\Übersetzer\\"},
      {"  D:\\VO28\\  ", "  D:\\VO28\\  \\", "D:\\VO28\\  \\"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.written);
    EXPECT_EQ(page.Set(Symbol("Folder"), row.written), Value(row.written));
    EXPECT_EQ(Window(Item(page, IDE_FOLDER)).Caption(), row.shown);
    EXPECT_EQ(page.Get(Symbol("Folder")), Value(row.read));
  }
  SetWindowTextA(Item(page, IDE_FOLDER), " \tD:\\VO28\\ ");
  EXPECT_EQ(page.Folder(), "D:\\VO28\\");
}

TEST_F(FolderPageTest, BackIsAlwaysAllowedWithoutAMessage) {
  PopUpWatch watch;
  EXPECT_TRUE(page.ValidateData(Symbol("PreviousPage")));
  EXPECT_EQ(seen.count, 0);
}

TEST_F(FolderPageTest, ForwardWithoutAFolderShowsMessage219AndStays) {
  for (const char* action : {"NextPage", "Finish", ""}) {
    SCOPED_TRACE(action);
    PopUpWatch watch;
    EXPECT_FALSE(page.ValidateData(Symbol(action)));
    EXPECT_EQ(seen.count, 1);
    EXPECT_EQ(seen.title, "Setup DU-Rodadu Dazodo v3");
    EXPECT_EQ(seen.texts, std::vector<std::string>{kText219});
    EXPECT_TRUE(seen.errorIcon);
  }
}

TEST_F(FolderPageTest, ForwardWithAFolderIsAllowedWithoutAMessage) {
  page.SetFolder("D:\\VO28");
  PopUpWatch watch;
  EXPECT_TRUE(page.ValidateData(Symbol("NextPage")));
  EXPECT_EQ(seen.count, 0);
}

TEST_F(FolderPageTest, CancelledFolderDialogChangesNothing) {
  page.SetFolder("D:\\VO28");
  PopUpWatch watch(IDCANCEL);
  EXPECT_EQ(page.Call(Symbol("OnChoice")), Value(false));
  EXPECT_EQ(seen.count, 1);
  EXPECT_NE(std::find(seen.texts.begin(), seen.texts.end(), kText561), seen.texts.end());
  EXPECT_EQ(page.Folder(), "D:\\VO28\\");
}

TEST_F(FolderPageTest, ConfirmedFolderDialogGivesTheChosenFolder) {
  TempDir dir;
  page.SetFolder(dir.Path());
  PopUpWatch watch(IDOK);
  EXPECT_TRUE(page.OnChoice());
  EXPECT_EQ(seen.count, 1);
  // The dialog opened at the page's folder, which OK confirmed.
  EXPECT_TRUE(EqualsNoCase(page.Folder(), dir.Path())) << page.Folder();
}

TEST_F(FolderPageTest, ClickOnTheButtonOpensTheFolderDialog) {
  page.SetFolder("D:\\VO28");
  PopUpWatch watch(IDCANCEL);
  SendMessageA(Item(page, IDB_FOLDER_CHOICE), BM_CLICK, 0, 0);
  EXPECT_EQ(seen.count, 1);
  EXPECT_EQ(page.Folder(), "D:\\VO28\\");
}

// --- wzpComponentChoice ----------------------------------------------------

class ComponentPageTest : public PageTest {
 protected:
  void SetUp() override {
    PageTest::SetUp();
    page.Init(&owner);
  }
  void TearDown() override {
    page.Destroy();
    PageTest::TearDown();
  }
  HWND List() const { return Item(page, IDC_COMPONENT); }
  std::vector<std::string> Shown() const {
    std::vector<std::string> texts;
    const auto count = static_cast<int>(SendMessageA(List(), CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char text[256] = {};
      SendMessageA(List(), CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
      texts.emplace_back(text);
    }
    return texts;
  }
  // The selected item's text; empty when none is selected.
  std::string Selected() const {
    const LRESULT index = SendMessageA(List(), CB_GETCURSEL, 0, 0);
    if (index < 0) return {};
    return Shown()[static_cast<size_t>(index)];
  }
  // Writes a component file changed `age` ago.
  void WriteComponent(const std::string& name, const std::string& text, std::chrono::seconds age) {
    const std::string path = dir.WriteFile(name, Crlf(text));
    std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() - age);
  }
  void Fill() { page.Call(Symbol("FillUsing"), {Value(dir.Path())}); }

  wzpComponentChoice page;
  TempDir dir;
};

using std::chrono::hours;

TEST_F(ComponentPageTest, ControlsAsInTheTemplateWithTheLanguageText) {
  EXPECT_EQ(page.Size(), DialogPixels(page.Handle(), 0, 0, 115, 15).size);
  ExpectAt(page, IDT_COMPONENT_LABEL, 0, 3, 44, 8);
  EXPECT_EQ(Window(Item(page, IDT_COMPONENT_LABEL)).Caption(), "&Komponente:");
  const Bounds list = DialogPixels(page.Handle(), 46, 1, 68, 72);
  EXPECT_EQ(Window(List()).GetBounds().origin, list.origin);
  EXPECT_EQ(Window(List()).GetBounds().size.width, list.size.width);
  const LONG_PTR style = StyleOf(List());
  EXPECT_EQ(style & 0x3, CBS_DROPDOWNLIST);
  EXPECT_EQ(style & (CBS_SORT | CBS_DISABLENOSCROLL | WS_TABSTOP),
            CBS_SORT | CBS_DISABLENOSCROLL | WS_TABSTOP);
  // The scroll bar belongs to the list that drops down.
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(List(), &info));
  EXPECT_TRUE(StyleOf(info.hwndList) & WS_VSCROLL);
  const Bounds before = Window(List()).GetBounds();
  Grow(page);
  EXPECT_EQ(Window(List()).GetBounds().size.width, before.size.width + 40);
}

TEST_F(ComponentPageTest, ListIsSortedAndPreselectsTheNewestFilesFirstComponent) {
  // File order decides nothing about the list's order; the newer file
  // decides the preselection.
  WriteComponent("a-grid.wed", "[Contents]\nGrid=\n", hours(2));
  WriteComponent("b-alpha.wed", "[Contents]\nZulu=\nAlpha=\n", hours(1));
  WriteComponent("c-newest.wed", "[Other]\nOmega=\n", hours(0));
  Fill();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Alpha", "Grid", "Zulu"}));
  EXPECT_EQ(Selected(), "Zulu");
  EXPECT_EQ(page.Get(Symbol("ComponentName")), Value("Zulu"));
  EXPECT_EQ(page.Get(Symbol("ComponentFile")), Value(dir.Path() + "b-alpha.wed"));
}

TEST_F(ComponentPageTest, DisplayTextsNameTheComponentsAndComponentNameReadsTheKey) {
  WriteComponent("multi.wed",
                 "[Contents]\nGrid=Datengitter\nSpin=Drehfeld mit Schaltflächen\nCal=\n"
                 "[Contents:Grid]\nA=X\n[Contents:Cal]\nB=Y\n",
                 hours(1));
  Fill();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Cal", "Datengitter", "Spin"}));
  struct Row {
    const char* shown;
    const char* name;
  };
  for (const Row& row : {Row{"Datengitter", "Grid"}, Row{"Spin", "Spin"}, Row{"Cal", "Cal"}}) {
    SCOPED_TRACE(row.shown);
    EXPECT_EQ(page.Set(Symbol("ComponentName"), row.shown), Value(row.shown));
    EXPECT_EQ(Selected(), row.shown);
    EXPECT_EQ(page.Get(Symbol("ComponentName")), Value(row.name));
    EXPECT_EQ(page.Get(Symbol("ComponentFile")), Value(dir.Path() + "multi.wed"));
  }
}

TEST_F(ComponentPageTest, PreselectsByTheDisplayTextOfTheNewestFilesFirstComponent) {
  // The first component's value is a text the list does not show (no
  // section of its own), or empty: it is preselected all the same.
  const char* files[] = {"[Contents]\nGrid=Datengitter\n", "[Contents]\nGrid=\n",
                         "[Contents]\nGrid=Datengitter\n[Contents:Grid]\nA=X\n"};
  const char* shown[] = {"Grid", "Grid", "Datengitter"};
  for (size_t i = 0; i < std::size(files); ++i) {
    SCOPED_TRACE(files[i]);
    WriteComponent("grid.wed", files[i], hours(1));
    Fill();
    EXPECT_EQ(Selected(), shown[i]);
    EXPECT_EQ(page.ComponentName(), "Grid");
  }
}

TEST_F(ComponentPageTest, WritingAKeyWhoseItemShowsAnotherTextSelectsNothing) {
  WriteComponent("grid.wed", "[Contents]\nGrid=Datengitter\n[Contents:Grid]\nA=X\n", hours(1));
  Fill();
  ASSERT_EQ(Selected(), "Datengitter");
  EXPECT_EQ(page.Set(Symbol("ComponentName"), "Grid"), Value("Grid"));
  EXPECT_EQ(Selected(), "");
  EXPECT_EQ(page.Get(Symbol("ComponentName")), Value(""));
  EXPECT_EQ(page.Get(Symbol("ComponentFile")), Value(""));
  // The combo box's exact search sets case aside.
  page.SetComponentName("DATENGITTER");
  EXPECT_EQ(page.ComponentName(), "Grid");
}

TEST_F(ComponentPageTest, EachFillReplacesTheList) {
  WriteComponent("grid.wed", "[Contents]\nGrid=\n", hours(1));
  Fill();
  TempDir other;
  other.WriteFile("tools.wed", Crlf("[Contents]\nSpinner=\n"));
  page.FillUsing(FileSpec(other.Path()));
  EXPECT_EQ(Shown(), std::vector<std::string>{"Spinner"});
  EXPECT_EQ(page.ComponentFile(), other.Path() + "tools.wed");
}

TEST_F(ComponentPageTest, FolderWithoutComponentsGivesAnEmptyListAndMessage218) {
  dir.WriteFile("notes.wed", Crlf("[Other]\nk=v\n"));
  Fill();
  EXPECT_EQ(Shown(), std::vector<std::string>{});
  EXPECT_EQ(page.Get(Symbol("ComponentName")), Value(""));
  {
    PopUpWatch watch;
    EXPECT_TRUE(page.ValidateData(Symbol("PreviousPage")));
    EXPECT_EQ(seen.count, 0);
  }
  for (const char* action : {"NextPage", "Finish"}) {
    SCOPED_TRACE(action);
    PopUpWatch watch;
    EXPECT_FALSE(page.ValidateData(Symbol(action)));
    EXPECT_EQ(seen.count, 1);
    EXPECT_EQ(seen.title, "Setup DU-Rodadu Dazodo v3");
    EXPECT_EQ(seen.texts, std::vector<std::string>{kText218});
    EXPECT_TRUE(seen.errorIcon);
  }
}

TEST_F(ComponentPageTest, ForwardWithAChosenComponentIsAllowed) {
  WriteComponent("grid.wed", "[Contents]\nGrid=\n", hours(1));
  Fill();
  PopUpWatch watch;
  EXPECT_TRUE(page.ValidateData(Symbol("NextPage")));
  EXPECT_EQ(seen.count, 0);
}

TEST_F(ComponentPageTest, FillUsingAListOfItemsSelectsNothing) {
  const Value items(ValueList{
      Value(ValueList{"Zeta-Paket", Value(ValueList{"Zeta", "D:\\zeta.wed"})}),
      Value(ValueList{"Alpha-Paket", Value(ValueList{"Alpha", "D:\\alpha.wed"})}),
  });
  page.Call(Symbol("FillUsing"), {items});
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Alpha-Paket", "Zeta-Paket"}));
  EXPECT_EQ(Selected(), "");
  page.SetComponentName("Zeta-Paket");
  EXPECT_EQ(page.ComponentName(), "Zeta");
  EXPECT_EQ(page.ComponentFile(), "D:\\zeta.wed");
  // Neither a list nor a folder: the list is emptied.
  page.Call(Symbol("FillUsing"), {Value(42)});
  EXPECT_EQ(Shown(), std::vector<std::string>{});
}

TEST_F(ComponentPageTest, ComponentFileCannotBeWritten) {
  EXPECT_TRUE(page.HasGetter(Symbol("ComponentFile")));
  EXPECT_FALSE(page.HasSetter(Symbol("ComponentFile")));
  EXPECT_TRUE(page.HasMethod(Symbol("FillUsing")));
}

TEST_F(ComponentPageTest, TheBundledSampleOffersItsComponents) {
  page.FillUsing(FileSpec(test::ExamplesDir() + "VO28\\BIN\\"));
  std::vector<std::string> shown = Shown();
  EXPECT_EQ(shown,
            (std::vector<std::string>{"Drehfeld (Spinner) mit Schaltflächen", "GridCtl", "GridMenu",
                                      "GridWin", "Kalender und Datumsauswahl", "StatusCtl"}));
}

// --- wzpChangeMode ---------------------------------------------------------

class ModePageTest : public PageTest {
 protected:
  void SetUp() override {
    PageTest::SetUp();
    page.Init(&owner);
  }
  void TearDown() override {
    page.Destroy();
    PageTest::TearDown();
  }
  bool Pressed(int id) const {
    return SendMessageA(Item(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  wzpChangeMode page;
};

TEST_F(ModePageTest, ControlsAsInTheTemplateWithTheLanguageTexts) {
  EXPECT_EQ(page.Size(), DialogPixels(page.Handle(), 0, 0, 129, 40).size);
  ExpectAt(page, IDR_MODE_ADD, 8, 10, 66, 11);
  ExpectAt(page, IDR_MODE_REMOVE, 8, 24, 66, 10);
  ExpectAt(page, IDG_MODE, 0, 0, 128, 38);
  EXPECT_EQ(Window(Item(page, IDR_MODE_ADD)).Caption(), "&hinzufügen");
  EXPECT_EQ(Window(Item(page, IDR_MODE_REMOVE)).Caption(), "&entfernen");
  EXPECT_EQ(Window(Item(page, IDG_MODE)).Caption(), "&Komponente dem VO-Window-Editor");
  EXPECT_EQ(StyleOf(Item(page, IDR_MODE_ADD)) & (BS_TYPEMASK | WS_GROUP | WS_TABSTOP),
            BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP);
  EXPECT_EQ(StyleOf(Item(page, IDR_MODE_REMOVE)) & (BS_TYPEMASK | WS_GROUP), BS_AUTORADIOBUTTON);
  // The group box precedes the buttons, so that its mnemonic reaches them.
  EXPECT_EQ(GetWindow(Item(page, IDG_MODE), GW_HWNDNEXT), Item(page, IDR_MODE_ADD));
  EXPECT_EQ(StyleOf(Item(page, IDG_MODE)) & (BS_TYPEMASK | WS_GROUP), BS_GROUPBOX | WS_GROUP);
  const Bounds group = Window(Item(page, IDG_MODE)).GetBounds();
  Grow(page);
  EXPECT_EQ(Window(Item(page, IDG_MODE)).GetBounds(),
            (Bounds{group.origin, {group.size.width + 40, group.size.height}}));
}

TEST_F(ModePageTest, ModeWrittenAndReadByName) {
  struct Row {
    const char* title;
    std::vector<Value> writes;
    Symbol mode;
    bool add;
    bool remove;
  };
  const Row rows[] = {
      {"nothing pressed", {}, Symbol(), false, false},
      {"Add", {Symbol("Add")}, Symbol("Add"), true, false},
      {"Remove", {Symbol("remove")}, Symbol("Remove"), false, true},
      {"Remove after Add, as the wizard does for mode=Remove",
       {Symbol("Add"), Symbol("Remove")},
       Symbol("Remove"),
       false,
       true},
      {"Add after Remove", {Symbol("Remove"), Symbol("Add")}, Symbol("Add"), true, false},
      {"another symbol changes nothing",
       {Symbol("Add"), Symbol("Replace")},
       Symbol("Add"),
       true,
       false},
      {"a text is no mode", {Value("Remove")}, Symbol(), false, false},
      {"no value changes nothing", {Symbol("Remove"), Value()}, Symbol("Remove"), false, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.title);
    SendMessageA(Item(page, IDR_MODE_ADD), BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageA(Item(page, IDR_MODE_REMOVE), BM_SETCHECK, BST_UNCHECKED, 0);
    for (const Value& value : row.writes) EXPECT_EQ(page.Set(Symbol("Mode"), value), value);
    EXPECT_EQ(page.Get(Symbol("Mode")), Value(row.mode));
    EXPECT_EQ(Pressed(IDR_MODE_ADD), row.add);
    EXPECT_EQ(Pressed(IDR_MODE_REMOVE), row.remove);
  }
}

TEST_F(ModePageTest, ClickingAButtonReleasesTheOther) {
  page.SetMode(Symbol("Add"));
  SendMessageA(Item(page, IDR_MODE_REMOVE), BM_CLICK, 0, 0);
  EXPECT_EQ(page.Mode(), Symbol("Remove"));
  EXPECT_FALSE(Pressed(IDR_MODE_ADD));
}

TEST_F(ModePageTest, EveryMoveIsAllowed) {
  PopUpWatch watch;
  for (const char* action : {"PreviousPage", "NextPage", "Finish", ""}) {
    EXPECT_TRUE(page.ValidateData(Symbol(action))) << action;
  }
  EXPECT_EQ(seen.count, 0);
}

// --- the pages by class name -----------------------------------------------

TEST_F(PageTest, PagesAreMadeByTheirClassNames) {
  struct Row {
    const char* pageClass;
    const char* member;  // a member only that class has
  };
  for (const Row& row :
       {Row{"wzpInfo", "Info"}, Row{"WZPFOLDERCHOICE", "Folder"},
        Row{"wzpComponentChoice", "ComponentName"}, Row{"wzpChangeMode", "Mode"}}) {
    SCOPED_TRACE(row.pageClass);
    std::unique_ptr<qWizardPage> page = CreateSetupPage(Symbol(row.pageClass), &owner);
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->Exists());
    EXPECT_EQ(GetParent(page->Handle()), owner.Handle());
    EXPECT_TRUE(page->HasGetter(Symbol(row.member)));
    page->Destroy();
  }
  EXPECT_EQ(CreateSetupPage(Symbol("qWizardPage"), &owner), nullptr);
}

}  // namespace
}  // namespace formfit
