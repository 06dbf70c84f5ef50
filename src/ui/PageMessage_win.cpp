#include "ui/PageMessage_win.h"

#include "host/MessageBox.h"

namespace formfit {

void ShowPageError(const Window& page, const std::string& text, const Window& fault) {
  const Window topLevel(GetAncestor(page.Handle(), GA_ROOT));
  ErrorBox(&topLevel, text);
  // Through the dialog manager, so that a push button that gets the focus
  // is the one Enter runs.
  topLevel.Send(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(fault.Handle()), TRUE);
}

}  // namespace formfit
