// An interned name, held in upper case. Equal names (in any case) are the
// same interned object, so comparing two symbols compares two pointers.
#pragma once

#include <string>
#include <string_view>

namespace formfit {

class Symbol {
 public:
  // The empty symbol.
  Symbol();
  explicit Symbol(std::string_view name);

  // The interned upper-case name.
  const std::string& Name() const { return *name_; }
  bool operator==(const Symbol& other) const { return name_ == other.name_; }
  bool operator!=(const Symbol& other) const { return name_ != other.name_; }

 private:
  const std::string* name_;
};

}  // namespace formfit
