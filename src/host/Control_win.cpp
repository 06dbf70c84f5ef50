#include "host/Brush.h"
#include "host/CommonControls_win.h"
#include "host/Control.h"
#include "host/DialogWindow.h"
#include "host/Font.h"
#include "host/HandlerFailure.h"

namespace formfit {

Control::Control(DialogWindow& owner, int id)
    : Window(GetDlgItem(owner.Handle(), id)), owner_(owner), id_(id) {
  owner_.AttachControl(*this);
}

Control::~Control() {
  owner_.DetachControl(*this);
  owner_.SetChildBackground(Handle(), nullptr);
}

void Control::SetFont(const Font& font) {
  Send(WM_SETFONT, reinterpret_cast<WPARAM>(font.Handle()), FALSE);
}

void Control::SetBackground(const Brush* brush) { owner_.SetChildBackground(Handle(), brush); }

namespace {
// The subclass id of the push buttons' focus watch.
constexpr UINT_PTR kFocusWatch = 0x464F4355;  // "FOCU"
}  // namespace

PushButton::PushButton(DialogWindow& owner, int id) : Control(owner, id) {
  if (Handle()) {
    subclassed_ =
        SetWindowSubclass(Handle(), FocusProc, kFocusWatch, reinterpret_cast<DWORD_PTR>(this));
  }
}

PushButton::~PushButton() {
  if (subclassed_ && IsWindow(Handle())) RemoveWindowSubclass(Handle(), FocusProc, kFocusWatch);
}

bool PushButton::FocusChange(const FocusChangeEvent&) { return true; }

bool PushButton::IsDefault() const {
  return (GetWindowLongPtrA(Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

LRESULT CALLBACK PushButton::FocusProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR data) {
  auto* button = reinterpret_cast<PushButton*>(data);
  switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      try {
        button->FocusChange({message == WM_SETFOCUS});
      } catch (...) {
        ReportHandlerFailure(std::current_exception());
      }
      break;
    case WM_NCDESTROY:
      // The window goes before the object: the object must not remove the
      // subclass of a window that no longer exists.
      RemoveWindowSubclass(handle, FocusProc, kFocusWatch);
      button->subclassed_ = false;
      break;
  }
  return DefSubclassProc(handle, message, wParam, lParam);
}

int ComboBox::AddItem(const std::string& text, Value value) {
  const auto index =
      static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
  if (index < 0) return -1;
  values_.push_back(std::make_unique<Value>(std::move(value)));
  Send(CB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(values_.back().get()));
  return index;
}

void ComboBox::Clear() {
  Send(CB_RESETCONTENT);
  values_.clear();
}

int ComboBox::ItemCount() const { return static_cast<int>(Send(CB_GETCOUNT)); }

int ComboBox::CurrentItem() const { return static_cast<int>(Send(CB_GETCURSEL)); }

void ComboBox::SelectItem(int index) { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }

bool ComboBox::SelectItemText(const std::string& text) {
  const auto index = static_cast<int>(
      Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str())));
  SelectItem(index);
  return index >= 0;
}

std::string ComboBox::ItemText(int index) const {
  const auto length = static_cast<int>(Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index)));
  if (length < 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const auto copied = static_cast<int>(
      Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data())));
  text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
  return text;
}

Value ComboBox::ItemValue(int index) const {
  const LRESULT data = Send(CB_GETITEMDATA, static_cast<WPARAM>(index));
  // Only a pointer that this object stored is looked into.
  for (const auto& value : values_) {
    if (reinterpret_cast<LRESULT>(value.get()) == data) return *value;
  }
  return {};
}

bool RadioButton::IsPressed() const { return Send(BM_GETCHECK) == BST_CHECKED; }

void RadioButton::SetPressed(bool pressed) {
  Send(BM_SETCHECK, pressed ? BST_CHECKED : BST_UNCHECKED);
}

void RadioButtonGroup::AddButton(RadioButton& button, Value value) {
  buttons_.emplace_back(&button, std::move(value));
}

Value RadioButtonGroup::GetValue() const {
  for (const auto& [button, value] : buttons_) {
    if (button->IsPressed()) return value;
  }
  return {};
}

bool RadioButtonGroup::SetValue(const Value& value) {
  for (const auto& [button, buttonValue] : buttons_) {
    if (buttonValue == value) {
      button->SetPressed(true);
      return true;
    }
  }
  return false;
}

}  // namespace formfit
