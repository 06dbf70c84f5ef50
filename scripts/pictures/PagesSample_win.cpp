// Shows one setup page under a page header, where the wizard puts them, for
// the picture script.
//   formfit_pages_sample RECTFILE SECONDS PAGE [FOLDER] [open]
// PAGE is welcome, folder, component or mode. The folder page shows FOLDER;
// the component page lists the components of FOLDER's component files (with
// "open", its list is dropped down); the mode page says what it finds of
// GridCtl in the installation FOLDER. Writes the dialog's screen rectangle to
// RECTFILE ("dialog x y w h") and closes after SECONDS.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "ShownForPicture_win.h"
#include "UiTestRes.h"
#include "host/DialogWindow.h"
#include "ui/LanguageText.h"
#include "ui/TextNumbers.h"
#include "ui/wzpChangeMode.h"
#include "ui/wzpComponentChoice.h"
#include "ui/wzpFolderChoice.h"
#include "ui/wzpInfo.h"
#include "wizard/qWizardPageInfo.h"

namespace {

using namespace formfit;

// The page, its header caption and description.
struct Shown {
  std::unique_ptr<qWizardPage> page;
  unsigned caption;
  unsigned description;
};

Shown MakePage(DialogWindow& dialog, const std::string& kind, const std::string& folder) {
  const std::optional<ResourceID> place = ResourceID(IDP_PAGE);
  if (kind == "folder") {
    auto page = std::make_unique<wzpFolderChoice>();
    page->Init(&dialog, place);
    page->SetFolder(folder);
    return {std::move(page), text::kFolderCaption, text::kFolderDescription};
  }
  if (kind == "component") {
    auto page = std::make_unique<wzpComponentChoice>();
    page->Init(&dialog, place);
    page->FillUsing(FileSpec(folder));
    return {std::move(page), text::kComponentCaption, text::kComponentDescription};
  }
  if (kind == "mode") {
    auto page = std::make_unique<wzpChangeMode>();
    page->Init(&dialog, place);
    // As the wizard shows it for the sample's first component.
    SetupChoice choice;
    choice.cavoFolder = folder;
    choice.componentName = "GridCtl";
    choice.componentFile = folder + "BIN\\grid.wed";
    const SummaryContext context;
    page->Prepare({true, choice, choice, context});
    return {std::move(page), text::kModeCaption, text::kModeDescription};
  }
  auto page = std::make_unique<wzpInfo>();
  page->Init(&dialog, place);
  page->SetInfo(LanguageText(text::kWelcomeInfo));
  return {std::move(page), text::kWelcomeCaption, text::kWelcomeDescription};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: formfit_pages_sample RECTFILE SECONDS PAGE [FOLDER] [open]\n");
    return 2;
  }
  const std::string folder = argc > 4 ? argv[4] : "";
  const bool open = argc > 5 && std::string(argv[5]) == "open";
  DialogWindow dialog;
  if (!dialog.Create(nullptr, ResourceID("PAGESAMPLE"))) return 1;
  qWizardPageInfo header;
  header.Init(&dialog, ResourceID(IDP_HEADER));
  Shown shown = MakePage(dialog, argv[3], folder);
  header.SetCaption(LanguageText(shown.caption));
  header.SetDescription(LanguageText(shown.description));
  ProcessWaitingMessages();
  RedrawWindow(dialog.Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  if (open) {
    const HWND list = FindWindowExA(shown.page->Handle(), nullptr, "ComboBox", nullptr);
    SetFocus(list);
    SendMessageA(list, CB_SHOWDROPDOWN, TRUE, 0);
  }

  if (!pictures::WriteRects(argv[1], {{"dialog", dialog.Handle()}})) return 1;

  pictures::ShowFor(dialog.Handle(), std::atoi(argv[2]));
  shown.page->Destroy();
  header.Destroy();
  return 0;
}
