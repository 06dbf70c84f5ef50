#include "app/SetupChoice.h"

#include "app/Preview.h"
#include "base/StringRules.h"

namespace formfit {

std::string ChosenFolder(const std::string& folder) {
  std::string chosen = Trimmed(folder);
  if (!chosen.empty() && chosen.back() != '\\') chosen += '\\';
  return chosen;
}

Symbol ChosenMode(const SetupChoice& choice) { return choice.mode.value_or(Symbol("Add")); }

SetupResult RunChoice(EngineEnvironment& environment, const SetupChoice& choice) {
  const std::string folder = ChosenFolder(choice.cavoFolder);
  if (choice.silent && !choice.previewFile.empty()) {
    return PreviewAction(environment, folder, choice.componentName, choice.componentFile,
                         ChosenMode(choice), choice.previewFile);
  }
  return SetupAction(environment, folder, choice.componentName, choice.componentFile,
                     ChosenMode(choice));
}

}  // namespace formfit
