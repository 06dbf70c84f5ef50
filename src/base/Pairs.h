// Key/value pairs in file order, as an INI section yields them.
#pragma once

#include <string>
#include <vector>

namespace formfit {

struct Pair {
  std::string key;
  std::string value;
  bool operator==(const Pair& other) const { return key == other.key && value == other.value; }
};

using Pairs = std::vector<Pair>;

}  // namespace formfit
