// The folder page: its controls, the folder by name, the checks on leaving
// and the folder selection dialog, which a timer of the test's thread answers.
#include <algorithm>
#include <string>
#include <vector>

#include "PageTest_win.h"
#include "base/StringRules.h"
#include "support/TempDir.h"
#include "ui/wzpFolderChoice.h"

namespace formfit {
namespace {

using test::TempDir;

// The texts of the shipped language file.
const std::string kText219 =
    "Bitte wählen Sie das Verzeichnis, in dem Visual Objects installiert ist.";
const std::string kText561 = "Wählen Sie das Verzeichnis, in dem Visual Objects installiert ist.";

// --- wzpFolderChoice -------------------------------------------------------

using FolderPageTest = OnePageTest<wzpFolderChoice>;

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
  ExpectRefused({"NextPage", "Finish", ""}, kText219);
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

}  // namespace
}  // namespace formfit
