// The text controls: static texts and edit fields, plain views of their
// dialog items.
#pragma once

#include "host/Control.h"

namespace formfit {

// A static text.
class FixedText : public Control {
 public:
  using Control::Control;
};

// A one-line edit field.
class SingleLineEdit : public Control {
 public:
  using Control::Control;
};

// A read-only multi-line edit field, whose text the user can select and
// copy. Enter, Esc and Tab are left to the dialog, as in any other field:
// a multi-line edit would keep them for itself. The window is subclassed
// until it is destroyed.
class ReadOnlyText : public Control {
 public:
  ReadOnlyText(DialogWindow& owner, int id);
};

}  // namespace formfit
