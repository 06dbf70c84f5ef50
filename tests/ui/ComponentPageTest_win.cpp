// The component page: its controls, the list filled from a folder's component
// files or from given items, the preselection and the check on leaving.
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "PageTest_win.h"
#include "support/TempDir.h"
#include "support/TextAssert.h"
#include "ui/wzpComponentChoice.h"

namespace formfit {
namespace {

using test::Crlf;
using test::TempDir;

// The text of the shipped language file.
const std::string kText218 = Crlf(
    "Bitte wählen Sie eine Komponente.\nIst die Liste leer, enthält der Ordner BIN des gewählten "
    "Verzeichnisses keine Komponentendatei (*.wed).");

// --- wzpComponentChoice ----------------------------------------------------

class ComponentPageTest : public OnePageTest<wzpComponentChoice> {
 protected:
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
  ExpectRefused({"NextPage", "Finish"}, kText218);
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

}  // namespace
}  // namespace formfit
