// A value of any of the program's kinds: string, number, logic, symbol, list
// or object reference, or no value at all. Page values, default values,
// property-list values and handler answers are Values.
//
// Lists and objects are shared references: copying a Value that holds a list
// copies the reference, so a change through one copy shows in every other
// (the wizard adopts a caller's page list this way). Everything else is held
// by value.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/Symbol.h"

namespace formfit {

class Object;
class Value;

using ObjectRef = std::shared_ptr<Object>;
using ValueList = std::vector<Value>;
using ListRef = std::shared_ptr<ValueList>;

class Value {
 public:
  enum class Kind { None, String, Number, Logic, Symbol, List, Object };

  // No value.
  Value() = default;
  Value(std::string text) : data_(std::move(text)) {}
  Value(std::string_view text) : data_(std::string(text)) {}
  Value(const char* text) : data_(std::string(text)) {}
  Value(double number) : data_(number) {}
  Value(int number) : data_(static_cast<double>(number)) {}
  Value(long long number) : data_(static_cast<double>(number)) {}
  Value(bool logic) : data_(logic) {}
  Value(Symbol symbol) : data_(symbol) {}
  // A new list holding these items; a null reference is no value.
  Value(ValueList items) : data_(std::make_shared<ValueList>(std::move(items))) {}
  Value(ListRef list);
  // A null reference is no value.
  Value(ObjectRef object);

  Kind GetKind() const { return static_cast<Kind>(data_.index()); }
  bool IsNone() const { return GetKind() == Kind::None; }
  bool IsString() const { return GetKind() == Kind::String; }
  bool IsNumber() const { return GetKind() == Kind::Number; }
  bool IsLogic() const { return GetKind() == Kind::Logic; }
  bool IsSymbol() const { return GetKind() == Kind::Symbol; }
  bool IsList() const { return GetKind() == Kind::List; }
  bool IsObject() const { return GetKind() == Kind::Object; }

  // Each accessor answers the held value of its kind, or the empty value of
  // that kind (empty string, 0, false, empty symbol, null) for any other.
  const std::string& AsString() const;
  double AsNumber() const;
  // The number truncated towards zero; 0 for another kind and for numbers
  // outside the range of long long.
  long long AsInteger() const;
  bool AsLogic() const;
  Symbol AsSymbol() const;
  const ListRef& AsList() const;
  const ObjectRef& AsObject() const;

  // Same kind and same contents; lists compare item by item, objects by
  // identity.
  bool operator==(const Value& other) const;
  bool operator!=(const Value& other) const { return !(*this == other); }

 private:
  std::variant<std::monostate, std::string, double, bool, Symbol, ListRef, ObjectRef> data_;
};

}  // namespace formfit
