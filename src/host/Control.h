// Controls: views of the items of a dialog, bound by id once, right after the
// dialog was made; the kinds of control are in TextControls.h, PushButton.h,
// ComboBox.h and RadioButton.h. A control object does not own its window (the dialog
// does) and must not outlive the dialog object it was bound in.
#pragma once

#include <windows.h>

#include <string>

#include "host/Window.h"

namespace formfit {

class Brush;
class DialogWindow;
class Font;

class Control : public Window {
 public:
  // Binds to the item `id` of `owner`; Exists() tells whether there is one.
  Control(DialogWindow& owner, int id);
  ~Control() override;

  DialogWindow& Owner() const { return owner_; }
  int Id() const { return id_; }

  // The control's text.
  std::string TextValue() const { return Caption(); }
  void SetTextValue(const std::string& text) { SetCaption(text); }

  // Shows the text in `font` (which must outlive the control's use of it)
  // without changing the control's size.
  void SetFont(const Font& font);
  // Paints the control on `brush`; null for the default.
  void SetBackground(const Brush* brush);

 private:
  DialogWindow& owner_;
  int id_;
};

}  // namespace formfit
