// Shows a three-page wizard in a small dialog, for the picture script.
//   formfit_wizard_sample RECTFILE SECONDS PAGE
// moves to page PAGE (1 to 3) with the Next button, writes the screen
// rectangle of the dialog to RECTFILE ("dialog x y w h") and closes after
// SECONDS.
#include <cstdio>
#include <cstdlib>

#include "ShownForPicture_win.h"
#include "WizardTestPage.h"
#include "WizardTestRes.h"
#include "host/DialogWindow.h"

int main(int argc, char** argv) {
  using namespace formfit;
  if (argc != 4) {
    std::fprintf(stderr, "usage: formfit_wizard_sample RECTFILE SECONDS PAGE\n");
    return 2;
  }
  DialogWindow dialog;
  if (!dialog.Create(nullptr, ResourceID("SAMPLEWIZARD"))) return 1;
  TestPage::Register();
  qWizard wizard;
  wizard.Init(&dialog, ResourceID(IDP_WIZARD));
  wizard.SetPageSpace({}, 20);
  wizard.AddPage(Symbol("Welcome"), "TestPage", "Willkommen",
                 "Dieser Assistent richtet eine Komponente ein.");
  wizard.AddPage(Symbol("Folder"), "TestPage", "Installationsordner",
                 "Wählen Sie den Ordner, in dem Visual Objects installiert ist.");
  wizard.AddPage(Symbol("Summary"), "TestPage", "Zusammenfassung",
                 "Mit Fertigstellen wird die Änderung ausgeführt.");
  wizard.SetPageDefaultValue(Symbol("Folder"), Symbol("Text"), "C:\\CAVO28\\");
  wizard.SetPageDefaultValue(Symbol("Summary"), Symbol("Text"), "Grid hinzufügen");
  // The first page was shown when it was added: a default would not reach it.
  wizard.SetPageValue(Symbol("Welcome"), Symbol("Text"), "Seite 1");
  const int page = std::atoi(argv[3]);
  for (int n = 1; n < page; ++n) wizard.GetChild(Symbol("NextPage"))->Send(BM_CLICK);
  wizard.GetChild(Symbol("NextPage"))->SetFocus();
  ProcessWaitingMessages();
  UpdateWindow(dialog.Handle());

  if (!pictures::WriteRects(argv[1], {{"dialog", dialog.Handle()}})) return 1;

  pictures::ShowFor(dialog.Handle(), std::atoi(argv[2]));
  return 0;
}
