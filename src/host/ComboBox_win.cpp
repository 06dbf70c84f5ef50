#include "host/ComboBox.h"

namespace formfit {

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

}  // namespace formfit
