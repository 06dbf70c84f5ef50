// The label of a control or window: its name (a symbol; a push button's name
// is the method that a click on it calls), a caption and a description.
#pragma once

#include <string>

#include "base/Symbol.h"

namespace formfit {

struct HyperLabel {
  Symbol name;
  std::string caption;
  std::string description;
};

}  // namespace formfit
