// The combo box whose items carry values.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/Control.h"

namespace formfit {

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

}  // namespace formfit
