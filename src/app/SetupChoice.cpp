#include "app/SetupChoice.h"

#include "base/StringRules.h"

namespace formfit {

std::string ChosenFolder(const std::string& folder) {
  std::string chosen = Trimmed(folder);
  if (!chosen.empty() && chosen.back() != '\\') chosen += '\\';
  return chosen;
}

Symbol ChosenMode(const SetupChoice& choice) { return choice.mode.value_or(Symbol("Add")); }

}  // namespace formfit
