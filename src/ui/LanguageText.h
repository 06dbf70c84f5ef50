// The language texts of the setup wizard's windows.
#pragma once

#include <string>
#include <string_view>

#include "env/LanguageStrings.h"

namespace formfit {

// Language text `number` from Formfit.sys beside the program, else
// `defaultText`.
inline std::string LanguageText(unsigned number, std::string_view defaultText = {}) {
  return LoadResString(defaultText, number, "Formfit.sys");
}

}  // namespace formfit
