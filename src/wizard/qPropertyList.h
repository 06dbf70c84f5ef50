// An ordered list of name/value pairs with at most one pair per name.
// Positions are 1-based in the order of first insertion. Object and list
// values are shared references, not copies.
#pragma once

#include <utility>
#include <vector>

#include "base/Symbol.h"
#include "base/Value.h"

namespace formfit {

class qPropertyList {
 public:
  // Replaces the value of an existing pair in its place, or appends the pair.
  // Always true.
  bool Put(Symbol name, Value value);
  // The value of the pair with this name, else `otherwise`.
  Value Get(Symbol name, const Value& otherwise = {}) const;
  bool Exist(Symbol name) const { return Find(name) != 0; }
  // Removes the pair; later pairs move up one position. False when there was
  // no pair of that name.
  bool Delete(Symbol name);
  // Removes every pair. Always true.
  bool Clear();
  int Count() const { return static_cast<int>(entries_.size()); }
  // The name at `index` (1-based); the empty symbol outside 1..Count().
  Symbol GetName(int index) const;

 private:
  // The position of the pair with this name, 0 when there is none.
  int Find(Symbol name) const;

  std::vector<std::pair<Symbol, Value>> entries_;
};

}  // namespace formfit
