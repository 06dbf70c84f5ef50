#include "engine/Mode.h"

#include "base/StringRules.h"

namespace formfit {

std::optional<Mode> ReadMode(std::string_view word) {
  for (const ModeRow& row : kModes) {
    if (EqualsNoCase(word, row.word)) return row.mode;
  }
  return std::nullopt;
}

}  // namespace formfit
