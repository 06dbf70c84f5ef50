// Shows a page header and a page in a small dialog, for the picture script.
//   formfit_page_header_sample RECTFILE SECONDS
// writes the screen rectangles of the dialog and of the header to RECTFILE
// ("dialog x y w h", "header x y w h") and closes after SECONDS.
#include <cstdio>
#include <cstdlib>

#include "WizardTestRes.h"
#include "host/DialogWindow.h"
#include "wizard/qWizardPage.h"
#include "wizard/qWizardPageInfo.h"

namespace {

void WriteRect(FILE* file, const char* name, HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  std::fprintf(file, "%s %ld %ld %ld %ld\n", name, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top);
}

}  // namespace

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

  FILE* rects = std::fopen(argv[1], "w");
  if (!rects) return 1;
  WriteRect(rects, "dialog", dialog.Handle());
  WriteRect(rects, "header", header.Handle());
  std::fclose(rects);

  SetTimer(dialog.Handle(), 1, static_cast<UINT>(std::atoi(argv[2]) * 1000), nullptr);
  MSG message;
  while (dialog.Exists() && GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER && message.hwnd == dialog.Handle()) break;
    if (!IsDialogMessageA(dialog.Handle(), &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  header.Destroy();
  page.Destroy();
  return 0;
}
