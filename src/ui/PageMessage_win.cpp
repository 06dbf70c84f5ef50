#include "ui/PageMessage_win.h"

#include "host/MessageBox.h"

namespace formfit {

void ShowPageError(const Window& page, const std::string& text) {
  const Window topLevel(GetAncestor(page.Handle(), GA_ROOT));
  ErrorBox(&topLevel, text);
}

}  // namespace formfit
