#include "app/SetupChoice.h"

#include "base/StringRules.h"

namespace formfit {

std::string ChosenFolder(const std::string& folder) {
  std::string chosen = Trimmed(folder);
  if (!chosen.empty() && chosen.back() != '\\') chosen += '\\';
  return chosen;
}

FileSpec ConfigurationFile(const SetupChoice& choice) {
  FileSpec file(ChosenFolder(choice.cavoFolder));
  file.AppendToPath("BIN");
  file.SetFileName("DEDUDED");
  file.SetExtension(".INF");
  return file;
}

RunRequest RequestOf(const SetupChoice& choice) {
  return {*choice.mode, choice.componentName, choice.componentFile, choice.backup};
}

}  // namespace formfit
