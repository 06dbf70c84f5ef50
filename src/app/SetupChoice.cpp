#include "app/SetupChoice.h"

#include "app/Preview.h"
#include "base/StringRules.h"

namespace formfit {

std::string ChosenFolder(const std::string& folder) {
  std::string chosen = Trimmed(folder);
  if (!chosen.empty() && chosen.back() != '\\') chosen += '\\';
  return chosen;
}

SetupChoice ChoiceOf(const Keywords& keywords) {
  SetupChoice choice;
  choice.folder = ChosenFolder(keywords.cavoFolder);
  choice.componentName = keywords.componentName;
  choice.componentFile = keywords.componentFile;
  if (keywords.mode) choice.mode = *keywords.mode;
  choice.silent = keywords.silent;
  choice.previewFile = keywords.previewFile;
  return choice;
}

SetupResult RunChoice(EngineEnvironment& environment, const SetupChoice& choice) {
  if (choice.silent && !choice.previewFile.empty()) {
    return PreviewAction(environment, choice.folder, choice.componentName, choice.componentFile,
                         choice.mode, choice.previewFile);
  }
  return SetupAction(environment, choice.folder, choice.componentName, choice.componentFile,
                     choice.mode);
}

}  // namespace formfit
