// The setup dialog at the screen's resolution and in its language: CTest
// runs this program at 96, 120 and 144 DPI (FORMFIT_TEST_DPI names the one
// the prefix is set to), in German and with FORMFIT_TEST_LANGUAGE=en in
// English. On every page (the mode page with each line it can show), on the
// process page under the result box and in the window of the changes, each
// visible control must sit where its template's dialog units put it and
// show its whole text in its own font, and no access key may stand twice
// (see LayoutFaults_win.h).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "FormfitRes.h"
#include "LayoutFaults_win.h"
#include "app/Keywords.h"
#include "env/LanguageStrings.h"
#include "support/TempDir.h"
#include "ui/ComponentState.h"
#include "ui/LanguageText.h"
#include "ui/dlgFormfit.h"

namespace formfit {
namespace {

using test::Faults;
using test::Layout;
using test::MnemonicFaults;
using test::PageTemplate;
using test::WindowsDpi;

bool English() {
  const char* language = std::getenv("FORMFIT_TEST_LANGUAGE");
  return language && std::string(language) == "en";
}

// The English language file beside the program, chosen before any text.
class Language : public testing::Environment {
 public:
  void SetUp() override {
    if (English()) ChooseLanguageFile("Formfit.en.sys");
  }
};
testing::Environment* const kLanguage = testing::AddGlobalTestEnvironment(new Language);

class DpiLayoutTest : public testing::Test {
 protected:
  void SetUp() override {
    const std::string bin = folder.Path() + "VO28/BIN/";
    std::filesystem::copy(test::ExamplesDir() + "VO28", folder.Path() + "VO28",
                          std::filesystem::copy_options::recursive);
    // A backup, so that the restore choice shows its line.
    std::filesystem::copy_file(bin + "DEDUDED.INF", bin + "DEDUDED.000");
    dialog = std::make_unique<dlgFormfit>(
        ReadKeywords(std::vector<std::string>{"cavopath=" + folder.Path() + "VO28", "mode=Add"}));
    ShowWindow(dialog->Handle(), SW_SHOW);
    wzFormfit& wizard = dialog->Wizard();
    layout.templates = {{dialog->Handle(), "_dlgFormfit"},
                        {wizard.Handle(), "_QWIZARD"},
                        {wizard.PageInfo()->Handle(), "_QWIZARDPAGEINFO"}};
    layout.placed = {{wizard.Handle(), IDP_SETUP_WIZARD},
                     {wizard.PageInfo()->Handle(), IDP_WIZARD_PAGEINFO}};
    layout.pageAreaTop = wizard.PageInfo()->Handle();
    layout.pageAreaBottom = GetDlgItem(wizard.Handle(), IDT_WIZARD_SEPARATOR);
  }
  void TearDown() override { dialog.reset(); }

  // The layout with this page as the one page that the wizard shows.
  Layout WithPage(HWND page, const std::string& pageTemplate) const {
    Layout shown = layout;
    shown.templates[page] = pageTemplate;
    shown.placed[page] = 0;
    return shown;
  }

  test::TempDir folder;
  std::unique_ptr<dlgFormfit> dialog;
  Layout layout;
};

TEST_F(DpiLayoutTest, RunsAtTheResolutionAndInTheLanguageItWasStartedFor) {
  const char* dpi = std::getenv("FORMFIT_TEST_DPI");
  ASSERT_NE(dpi, nullptr) << "FORMFIT_TEST_DPI names the prefix's resolution";
  EXPECT_EQ(WindowsDpi(), std::atoi(dpi));
  EXPECT_EQ(LanguageText(text::kNext), English() ? "&Next >" : "&Weiter >");
}

// The title bar and Alt+Tab show the icon's image of their own size, not
// another one scaled.
TEST_F(DpiLayoutTest, TheDialogsIconsHaveTheSystemsSizes) {
  const struct {
    WPARAM kind;
    int width;
    int height;
  } rows[] = {{ICON_SMALL, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)},
              {ICON_BIG, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.kind);
    const auto icon =
        reinterpret_cast<HICON>(SendMessageA(dialog->Handle(), WM_GETICON, row.kind, 0));
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP image{};
    GetObjectA(info.hbmColor, sizeof image, &image);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(row.width, image.bmWidth);
    EXPECT_EQ(row.height, image.bmHeight);
  }
}

TEST_F(DpiLayoutTest, EveryPageShowsItsControlsWholeWhereTheirDialogUnitsSay) {
  wzFormfit& wizard = dialog->Wizard();
  ASSERT_EQ(wizard.PageCount(), 5);
  // The mode page's lines with every text they can show, the one shown last.
  std::vector<std::pair<int, std::string>> lines;
  for (const ComponentStateRow& row : kComponentStates) {
    lines.emplace_back(IDT_MODE_STATE, LanguageText(row.text, row.german));
  }
  lines.emplace_back(IDT_MODE_BACKUP, LanguageText(text::kModeNoBackup));
  for (int pageNo = 1; pageNo <= wizard.PageCount(); ++pageNo) {
    const std::string name = wizard.GetPageName(pageNo).Name();
    ASSERT_TRUE(wizard.SetCurrentPageNo(pageNo)) << name;
    const HWND page = wizard.CurrentPage()->Handle();
    const std::string where = "page " + name + " at " + std::to_string(WindowsDpi()) + " DPI";
    EXPECT_EQ(Faults(dialog->Handle(), WithPage(page, PageTemplate(page))),
              std::vector<std::string>{})
        << where;
    EXPECT_EQ(MnemonicFaults(dialog->Handle()), std::vector<std::string>{}) << where;
    if (name != "MODE") continue;
    for (const auto& [id, text] : lines) {
      SetWindowTextA(GetDlgItem(page, id), text.c_str());
      EXPECT_EQ(Faults(dialog->Handle(), WithPage(page, PageTemplate(page))),
                std::vector<std::string>{})
          << where << ": " << text;
    }
  }
}

// A window over the dialog: what `check` finds while it is up, and whether
// it came; it is then closed as Enter closes it.
std::function<std::vector<std::string>(HWND)> checkPopUp;
std::vector<std::string> popUpFaults;
HWND watchedDialog = nullptr;
bool popUpSeen = false;

BOOL CALLBACK CheckAndClosePopUp(HWND window, LPARAM) {
  if (window == watchedDialog || test::ClassOf(window) != "#32770" || !IsWindowVisible(window)) {
    return TRUE;
  }
  popUpFaults = checkPopUp(window);
  popUpSeen = true;
  PostMessageA(window, WM_COMMAND, IDOK, 0);
  return FALSE;
}

void CALLBACK WatchForPopUp(HWND, UINT, UINT_PTR timer, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), CheckAndClosePopUp, 0);
  if (popUpSeen) KillTimer(nullptr, timer);
}

// Clicks `button` of the dialog and checks the window it opens with `check`.
std::vector<std::string> FaultsOfPopUp(HWND dialog, HWND button,
                                       std::function<std::vector<std::string>(HWND)> check) {
  checkPopUp = std::move(check);
  watchedDialog = dialog;
  popUpFaults = {};
  popUpSeen = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, WatchForPopUp);
  SendMessageA(button, BM_CLICK, 0, 0);
  KillTimer(nullptr, timer);
  if (!popUpSeen) return {"no window came up"};
  return popUpFaults;
}

// The result box stands over the process page until it is closed.
TEST_F(DpiLayoutTest, TheProcessPageShowsItsControlsWholeWhereTheirDialogUnitsSay) {
  wzFormfit& wizard = dialog->Wizard();
  ASSERT_TRUE(wizard.SetCurrentPageNo(wizard.FinishPageNo()));
  const HWND page = wizard.GetProcessPage()->Handle();
  const Layout processLayout = WithPage(page, PageTemplate(page));
  const HWND shown = dialog->Handle();
  EXPECT_EQ(FaultsOfPopUp(shown, GetDlgItem(wizard.Handle(), IDB_WIZARD_FINISH),
                          [&](HWND) { return Faults(shown, processLayout); }),
            std::vector<std::string>{})
      << "at " << WindowsDpi() << " DPI";
}

TEST_F(DpiLayoutTest, TheWindowOfTheChangesShowsItsControlsWholeWhereTheirDialogUnitsSay) {
  wzFormfit& wizard = dialog->Wizard();
  ASSERT_TRUE(wizard.SetCurrentPageNo(wizard.FinishPageNo()));
  const HWND button = GetDlgItem(wizard.CurrentPage()->Handle(), IDB_SUMMARY_CHANGES);
  const auto check = [](HWND changes) {
    std::vector<std::string> faults = MnemonicFaults(changes);
    Layout shown;
    shown.templates = {{changes, "_dlgChanges"}};
    for (const std::string& fault : Faults(changes, shown)) faults.push_back(fault);
    return faults;
  };
  EXPECT_EQ(FaultsOfPopUp(dialog->Handle(), button, check), std::vector<std::string>{})
      << "at " << WindowsDpi() << " DPI";
}

}  // namespace
}  // namespace formfit
