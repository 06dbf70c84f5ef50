#include "host/RadioButton.h"

namespace formfit {

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
