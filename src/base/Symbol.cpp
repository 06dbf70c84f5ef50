#include "base/Symbol.h"

#include <unordered_set>

#include "base/StringRules.h"

namespace formfit {

namespace {

// Node-based, so the address of an interned name never changes. Symbols live
// for the whole process.
const std::string* Intern(std::string_view name) {
  static std::unordered_set<std::string> names;
  return &*names.insert(Upper(name)).first;
}

}  // namespace

Symbol::Symbol() : name_(Intern("")) {}

Symbol::Symbol(std::string_view name) : name_(Intern(name)) {}

}  // namespace formfit
