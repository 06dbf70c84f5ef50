#include "app/SetupAction.h"

#include "app/Preview.h"
#include "base/FaultPoint.h"

namespace formfit {

FileSpec ConfigurationPath(std::string_view folder) {
  std::string path(folder);
  if (!path.empty() && !IsPathSeparator(path.back())) path += '\\';
  FileSpec file(path);
  file.AppendToPath("BIN");
  file.SetFileName("DEDUDED");
  file.SetExtension(".INF");
  return file;
}

SetupResult SetupAction(EngineEnvironment& environment, const SetupChoice& choice) {
  FaultPoint("setup");
  Formfit engine(environment);
  engine.Init(ConfigurationPath(ChosenFolder(choice.cavoFolder)));
  const Symbol mode = ChosenMode(choice);
  const std::string& componentName = choice.componentName;
  const std::string& componentFile = choice.componentFile;
  SetupResult result;
  if (mode == Symbol("Add")) {
    result.ok = engine.Install(componentName, componentFile);
  } else if (mode == Symbol("Remove")) {
    result.ok = engine.Deinstall(componentName, componentFile);
  } else if (mode == Symbol("Check")) {
    result.ok = engine.Check(componentName, componentFile);
  } else if (mode == Symbol("Restore")) {
    result.ok = engine.Restore(choice.backup);
  } else {
    return result;
  }
  result.status = engine.Status();
  if (result.status) result.exitStatus = status::ExitStatus(result.status->code);
  return result;
}

SetupResult RunChoice(EngineEnvironment& environment, const SetupChoice& choice) {
  if (choice.silent && !choice.previewFile.empty()) return PreviewAction(environment, choice);
  return SetupAction(environment, choice);
}

}  // namespace formfit
