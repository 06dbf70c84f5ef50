// Page values, default values and the owner's notifications.
#include <iterator>

#include "wizard/qWizard.h"

namespace formfit {

namespace {

struct Event {
  const char* name;
  bool passesArgument;
  bool answersLogic;
};

// In the order of SetNotification's arguments.
constexpr Event kEvents[8] = {
    {"ActivatePage", true, true},  {"DeactivatePage", true, true}, {"GetFirstPage", false, false},
    {"GetLastPage", false, false}, {"GetNextPage", true, false},   {"GetPreviousPage", true, false},
    {"Finish", false, true},       {"Abort", false, true},
};

}  // namespace

Value qWizard::GetPageValue(const Value& page, Symbol name, const std::optional<Value>& otherwise) {
  Value value = otherwise ? *otherwise : GetPageDefaultValue(page, name);
  if (IsPageTouched(page)) {
    const auto object = GetPage(page);
    if (object && object->HasGetter(name)) value = object->Get(name);
  }
  return value;
}

Value qWizard::SetPageValue(const Value& page, Symbol name, const Value& value) {
  const auto object = GetPage(page);
  if (!object || !object->HasSetter(name)) return {};
  object->Set(name, value);
  return value;
}

Value qWizard::SetPageDefaultValue(const Value& page, Symbol name, const Value& value) {
  qWizardPageEntry* entry = Entry(page);
  if (!entry) return {};
  if (!entry->Defaults) entry->Defaults.emplace();
  entry->Defaults->Put(name, value);
  return true;
}

Value qWizard::GetPageDefaultValue(const Value& page, Symbol name) const {
  const qWizardPageEntry* entry = Entry(page);
  return entry && entry->Defaults ? entry->Defaults->Get(name) : Value();
}

bool qWizard::DeletePageDefaultValue(const Value& page, Symbol name) {
  qWizardPageEntry* entry = Entry(page);
  return entry && entry->Defaults && entry->Defaults->Delete(name);
}

bool qWizard::SetNotification(const std::array<Symbol, 8>& handlers) {
  const DialogWindow* owner = Owner();
  for (size_t i = 0; i < handlers.size(); ++i) {
    if (owner && handlers[i] != Symbol() && owner->HasMethod(handlers[i])) {
      notifications_[i] = handlers[i];
    }
  }
  return true;
}

Value qWizard::SendNotify(Symbol event, const Value& argument) {
  size_t row = 0;
  while (row < std::size(kEvents) && Symbol(kEvents[row].name) != event) ++row;
  if (row == std::size(kEvents)) return {};
  const Event& found = kEvents[row];
  const Value none = found.answersLogic ? Value(true) : Value(0);
  DialogWindow* owner = Owner();
  const Symbol handler = notifications_[row];
  if (handler == Symbol() || !owner) return none;
  ValueList args{Self()};
  if (found.passesArgument) args.push_back(argument);
  const Value answer = owner->Call(handler, args);
  if (found.answersLogic) return !(answer.IsLogic() && !answer.AsLogic());
  return answer.IsNumber() ? answer : Value(0);
}

}  // namespace formfit
