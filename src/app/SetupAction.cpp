#include "app/SetupAction.h"

#include "app/Preview.h"
#include "base/FaultPoint.h"

namespace formfit {

SetupResult SetupAction(EngineEnvironment& environment, const SetupChoice& choice) {
  FaultPoint("setup");
  SetupResult result;
  if (!choice.mode) return result;
  Formfit engine(environment);
  engine.Init(ConfigurationFile(choice));
  result.ok = engine.Run(RequestOf(choice));
  result.status = engine.Status();
  result.exitStatus = ExitStatusOf(result.status->code);
  return result;
}

SetupResult RunChoice(EngineEnvironment& environment, const SetupChoice& choice) {
  if (choice.silent && !choice.previewFile.empty()) return PreviewAction(environment, choice);
  return SetupAction(environment, choice);
}

std::optional<FoundBackup> NewestBackup(FileOps& files, const SetupChoice& choice) {
  return ChosenBackup(files, ConfigurationFile(choice).FullPath(), {});
}

}  // namespace formfit
