// Named values and methods, looked up at run time.
//
// A class that offers named properties or methods gives itself a static
// member table and returns it from Members(); the wizard then asks any object
// HasSetter(name), Set(name, value), HasMethod(name), Call(name, args) and so
// on without knowing its class. A table may extend the table of the base
// class, and a name in the derived table hides the same name in the base:
//
//   const MemberTable& wzpInfo::ClassMembers() {
//     static const MemberTable table = MemberTableOf<wzpInfo>(&qWizardPage::ClassMembers())
//         .Property("Info", &wzpInfo::InfoValue, &wzpInfo::SetInfoValue);
//     return table;
//   }
//   const MemberTable& wzpInfo::Members() const { return ClassMembers(); }
#pragma once

#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Symbol.h"
#include "base/Value.h"

namespace formfit {

class Object;

class MemberTable {
 public:
  using Getter = std::function<Value(const Object&)>;
  using Setter = std::function<Value(Object&, const Value&)>;
  using Method = std::function<Value(Object&, const ValueList&)>;

  explicit MemberTable(const MemberTable* base = nullptr) : base_(base) {}

  // The entry of that name, in this table or its bases; null when none.
  const Getter* FindGetter(Symbol name) const;
  const Setter* FindSetter(Symbol name) const;
  const Method* FindMethod(Symbol name) const;

 protected:
  void AddGetter(std::string_view name, Getter getter);
  void AddSetter(std::string_view name, Setter setter);
  void AddMethod(std::string_view name, Method method);

 private:
  const MemberTable* base_;
  std::vector<std::pair<Symbol, Getter>> getters_;
  std::vector<std::pair<Symbol, Setter>> setters_;
  std::vector<std::pair<Symbol, Method>> methods_;
};

// Builds a table from member functions of T. T must derive from Object, and
// the table must be returned only from T's own Members().
template <typename T>
class MemberTableOf : public MemberTable {
 public:
  explicit MemberTableOf(const MemberTable* base = nullptr) : MemberTable(base) {}

  // A read/write property; without a setter it is read-only.
  MemberTableOf& Property(std::string_view name, Value (T::*get)() const,
                          Value (T::*set)(const Value&) = nullptr) {
    AddGetter(name, [get](const Object& object) { return (static_cast<const T&>(object).*get)(); });
    if (set)
      AddSetter(name, [set](Object& object, const Value& value) {
        return (static_cast<T&>(object).*set)(value);
      });
    return *this;
  }

  MemberTableOf& WriteOnly(std::string_view name, Value (T::*set)(const Value&)) {
    AddSetter(name, [set](Object& object, const Value& value) {
      return (static_cast<T&>(object).*set)(value);
    });
    return *this;
  }

  MemberTableOf& Method(std::string_view name, Value (T::*method)(const ValueList&)) {
    AddMethod(name, [method](Object& object, const ValueList& args) {
      return (static_cast<T&>(object).*method)(args);
    });
    return *this;
  }
};

// The root of every class whose members are reached by name.
class Object {
 public:
  virtual ~Object() = default;

  bool HasGetter(Symbol name) const { return Members().FindGetter(name) != nullptr; }
  bool HasSetter(Symbol name) const { return Members().FindSetter(name) != nullptr; }
  bool HasMethod(Symbol name) const { return Members().FindMethod(name) != nullptr; }

  // The property's value; no value when there is no getter of that name.
  Value Get(Symbol name) const;
  // What the setter answers; no value (and nothing changed) when there is no
  // setter of that name.
  Value Set(Symbol name, const Value& value);
  // What the method answers; no value (and nothing called) when there is no
  // method of that name.
  Value Call(Symbol name, const ValueList& args = {});

  // The empty table, the base of every other.
  static const MemberTable& ClassMembers();

 protected:
  virtual const MemberTable& Members() const { return ClassMembers(); }
};

}  // namespace formfit
