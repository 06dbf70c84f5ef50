// A setup choice in one line, for tests of the change.
#pragma once

#include <string>

#include "app/SetupChoice.h"

namespace formfit::test {

inline SetupChoice ChoiceOf(std::string folder, std::string componentName,
                            std::string componentFile, std::optional<Mode> mode,
                            std::string previewFile = {}) {
  SetupChoice choice;
  choice.cavoFolder = std::move(folder);
  choice.componentName = std::move(componentName);
  choice.componentFile = std::move(componentFile);
  choice.mode = mode;
  choice.previewFile = std::move(previewFile);
  return choice;
}

}  // namespace formfit::test
