// Controls: views of the items of a dialog, bound by id once, right after the
// dialog was made. A control object does not own its window (the dialog
// does) and must not outlive the dialog object it was bound in.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

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

// The event of a focus change: whether the window got or lost the focus.
struct FocusChangeEvent {
  bool gotFocus;
};

// A push button. It watches its own focus changes (the window is subclassed
// while the object exists) and reports them to FocusChange.
class PushButton : public Control {
 public:
  PushButton(DialogWindow& owner, int id);
  ~PushButton() override;

  // Called when the button gets or loses the keyboard focus; true.
  virtual bool FocusChange(const FocusChangeEvent& event);
  bool IsDefault() const;

 private:
  static LRESULT CALLBACK FocusProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR data);
  bool subclassed_ = false;
};

// A combo box whose items each carry a value.
class ComboBox : public Control {
 public:
  using Control::Control;

  // Adds an item (a sorted combo box puts it in its place); its index, or -1.
  int AddItem(const std::string& text, Value value = {});
  void Clear();
  int ItemCount() const;
  // The index of the selected item, -1 when none.
  int CurrentItem() const;
  // Selects the item of that index; -1 selects none.
  void SelectItem(int index);
  // Selects the item whose text equals `text` exactly (case aside, as the
  // control compares); true when one was found, else none is selected.
  bool SelectItemText(const std::string& text);
  std::string ItemText(int index) const;
  // The item's value; no value for an index out of range.
  Value ItemValue(int index) const;

 private:
  std::vector<std::unique_ptr<Value>> values_;
};

// A radio button.
class RadioButton : public Control {
 public:
  using Control::Control;

  bool IsPressed() const;
  void SetPressed(bool pressed);
};

// A group box holding radio buttons, each with the value it stands for.
class RadioButtonGroup : public Control {
 public:
  using Control::Control;

  // The buttons must live as long as the group uses them.
  void AddButton(RadioButton& button, Value value);
  // The value of the first pressed button; no value when none is pressed.
  Value GetValue() const;
  // Presses the first button with this value; true when there is one.
  bool SetValue(const Value& value);

 private:
  std::vector<std::pair<RadioButton*, Value>> buttons_;
};

}  // namespace formfit
