#include "wizard/qPropertyList.h"

namespace formfit {

int qPropertyList::Find(Symbol name) const {
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].first == name) return static_cast<int>(i) + 1;
  }
  return 0;
}

bool qPropertyList::Put(Symbol name, Value value) {
  if (const int position = Find(name)) {
    entries_[static_cast<size_t>(position) - 1].second = std::move(value);
  } else {
    entries_.emplace_back(name, std::move(value));
  }
  return true;
}

Value qPropertyList::Get(Symbol name, const Value& otherwise) const {
  const int position = Find(name);
  return position ? entries_[static_cast<size_t>(position) - 1].second : otherwise;
}

bool qPropertyList::Delete(Symbol name) {
  const int position = Find(name);
  if (!position) return false;
  entries_.erase(entries_.begin() + (position - 1));
  return true;
}

bool qPropertyList::Clear() {
  entries_.clear();
  return true;
}

Symbol qPropertyList::GetName(int index) const {
  if (index < 1 || index > Count()) return Symbol();
  return entries_[static_cast<size_t>(index) - 1].first;
}

}  // namespace formfit
