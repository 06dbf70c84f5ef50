#include "base/Object.h"

namespace formfit {

namespace {

template <typename Entry>
const Entry* Find(const std::vector<std::pair<Symbol, Entry>>& entries, Symbol name) {
  for (const auto& [entryName, entry] : entries) {
    if (entryName == name) return &entry;
  }
  return nullptr;
}

}  // namespace

const MemberTable::Getter* MemberTable::FindGetter(Symbol name) const {
  const Getter* getter = Find(getters_, name);
  return getter || !base_ ? getter : base_->FindGetter(name);
}

const MemberTable::Setter* MemberTable::FindSetter(Symbol name) const {
  const Setter* setter = Find(setters_, name);
  return setter || !base_ ? setter : base_->FindSetter(name);
}

const MemberTable::Method* MemberTable::FindMethod(Symbol name) const {
  const Method* method = Find(methods_, name);
  return method || !base_ ? method : base_->FindMethod(name);
}

void MemberTable::AddGetter(std::string_view name, Getter getter) {
  getters_.emplace_back(Symbol(name), std::move(getter));
}

void MemberTable::AddSetter(std::string_view name, Setter setter) {
  setters_.emplace_back(Symbol(name), std::move(setter));
}

void MemberTable::AddMethod(std::string_view name, Method method) {
  methods_.emplace_back(Symbol(name), std::move(method));
}

Value Object::Get(Symbol name) const {
  const auto* getter = Members().FindGetter(name);
  return getter ? (*getter)(*this) : Value();
}

Value Object::Set(Symbol name, const Value& value) {
  const auto* setter = Members().FindSetter(name);
  return setter ? (*setter)(*this, value) : Value();
}

Value Object::Call(Symbol name, const ValueList& args) {
  const auto* method = Members().FindMethod(name);
  return method ? (*method)(*this, args) : Value();
}

const MemberTable& Object::ClassMembers() {
  static const MemberTable table;
  return table;
}

}  // namespace formfit
