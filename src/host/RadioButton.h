// Radio buttons and the group box that holds them: a group is a value
// chosen among its buttons.
#pragma once

#include <utility>
#include <vector>

#include "host/Control.h"

namespace formfit {

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
