// Shows a page header and a page in a small dialog, for the picture script.
//   formfit_page_header_sample RECTFILE SECONDS
// writes the screen rectangles of the dialog and of the header to RECTFILE
// ("dialog x y w h", "header x y w h") and closes after SECONDS.
#include <cstdio>
#include <cstdlib>

#include "ShownForPicture_win.h"
#include "WizardTestRes.h"
#include "host/DialogWindow.h"
#include "wizard/qWizardPage.h"
#include "wizard/qWizardPageInfo.h"

int main(int argc, char** argv) {
  using namespace formfit;
  if (argc != 3) {
    std::fprintf(stderr, "usage: formfit_page_header_sample RECTFILE SECONDS\n");
    return 2;
  }
  DialogWindow dialog;
  if (!dialog.Create(nullptr, ResourceID("SAMPLE"))) return 1;
  qWizardPageInfo header;
  header.Init(&dialog, ResourceID(IDP_SHOWN));
  header.SetCaption("Installationsordner");
  header.SetDescription("Wählen Sie den Ordner, in dem Visual Objects installiert ist.");
  qWizardPage page;
  page.PreInit(&dialog, ResourceID(IDP_HIDDEN));
  page.Init(&dialog, ResourceID("SAMPLEPAGE"));
  page.PostInit();
  ProcessWaitingMessages();
  UpdateWindow(dialog.Handle());

  if (!pictures::WriteRects(argv[1], {{"dialog", dialog.Handle()}, {"header", header.Handle()}})) {
    return 1;
  }

  pictures::ShowFor(dialog.Handle(), std::atoi(argv[2]));
  header.Destroy();
  page.Destroy();
  return 0;
}
