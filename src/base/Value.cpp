#include "base/Value.h"

#include <cmath>

namespace formfit {

namespace {

template <typename T>
const T& EmptyOf() {
  static const T empty{};
  return empty;
}

}  // namespace

// A null reference would be a list or object that cannot be looked into, so
// it is held as no value instead.
Value::Value(ListRef list) {
  if (list) data_ = std::move(list);
}

Value::Value(ObjectRef object) {
  if (object) data_ = std::move(object);
}

const std::string& Value::AsString() const {
  const auto* text = std::get_if<std::string>(&data_);
  return text ? *text : EmptyOf<std::string>();
}

double Value::AsNumber() const {
  const auto* number = std::get_if<double>(&data_);
  return number ? *number : 0.0;
}

long long Value::AsInteger() const {
  const double number = std::trunc(AsNumber());
  // Converting a double outside the target range is undefined behaviour.
  if (!(number >= -9.2e18 && number <= 9.2e18)) return 0;
  return static_cast<long long>(number);
}

bool Value::AsLogic() const {
  const auto* logic = std::get_if<bool>(&data_);
  return logic && *logic;
}

Symbol Value::AsSymbol() const {
  const auto* symbol = std::get_if<Symbol>(&data_);
  return symbol ? *symbol : Symbol();
}

const ListRef& Value::AsList() const {
  const auto* list = std::get_if<ListRef>(&data_);
  return list ? *list : EmptyOf<ListRef>();
}

const ObjectRef& Value::AsObject() const {
  const auto* object = std::get_if<ObjectRef>(&data_);
  return object ? *object : EmptyOf<ObjectRef>();
}

bool Value::operator==(const Value& other) const {
  if (data_.index() != other.data_.index()) return false;
  if (IsList()) return AsList() == other.AsList() || *AsList() == *other.AsList();
  return data_ == other.data_;
}

}  // namespace formfit
