// The language texts of the setup wizard's windows.
#pragma once

#include <string>
#include <string_view>

#include "env/LanguageStrings.h"

namespace formfit {

// Language text `number` from the language file beside the program, else
// `defaultText`.
inline std::string LanguageText(unsigned number, std::string_view defaultText = {}) {
  return LoadResString(defaultText, number);
}

}  // namespace formfit
