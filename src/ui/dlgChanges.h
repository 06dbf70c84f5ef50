// The window that shows the changes Finish would make to the configuration
// file: a modal, resizable window with the text in a read-only field in a
// fixed-width font, scrollable both ways, and a Close button. Enter and Esc
// close it as the button does.
#pragma once

#include <memory>
#include <string>

#include "host/DialogWindow.h"
#include "host/Font.h"
#include "host/PushButton.h"
#include "host/TextControls.h"

namespace formfit {

class dlgChanges : public DialogWindow {
 public:
  // The window will show `text` (see ChangesText), with its caption text
  // 630 and its button text 631.
  explicit dlgChanges(std::string text) : text_(std::move(text)) {}

  // Shows the window over the top-level window of `owner`, which is
  // disabled meanwhile, and returns when the user closed it.
  void Show(const Window& owner);

 protected:
  bool OnInit() override;
  bool OnCommand(int code, int id, HWND control) override;

 private:
  std::string text_;
  Font fixed_{9, "Courier New", false, Font::Pitch::kFixed};
  // Both exist from OnInit on.
  std::unique_ptr<ReadOnlyText> sleChanges;
  std::unique_ptr<PushButton> pbClose;
};

}  // namespace formfit
