// The mode page: its controls, the mode by name and its radio buttons, and
// that every move away from it is allowed.
#include <vector>

#include "PageTest_win.h"
#include "ui/wzpChangeMode.h"

namespace formfit {
namespace {

// --- wzpChangeMode ---------------------------------------------------------

class ModePageTest : public OnePageTest<wzpChangeMode> {
 protected:
  bool Pressed(int id) const {
    return SendMessageA(Item(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
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
  page.SetMode(Mode::kAdd);
  SendMessageA(Item(page, IDR_MODE_REMOVE), BM_CLICK, 0, 0);
  EXPECT_EQ(page.Mode(), Mode::kRemove);
  EXPECT_FALSE(Pressed(IDR_MODE_ADD));
}

TEST_F(ModePageTest, EveryMoveIsAllowed) {
  PopUpWatch watch;
  for (const char* action : {"PreviousPage", "NextPage", "Finish", ""}) {
    EXPECT_TRUE(page.ValidateData(Symbol(action))) << action;
  }
  EXPECT_EQ(seen.count, 0);
}

}  // namespace
}  // namespace formfit
