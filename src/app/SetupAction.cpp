#include "app/SetupAction.h"

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

SetupResult SetupAction(EngineEnvironment& environment, std::string_view folder,
                        const std::string& componentName, const std::string& componentFile,
                        Symbol mode) {
  FaultPoint("setup");
  Formfit engine(environment);
  engine.Init(ConfigurationPath(folder));
  SetupResult result;
  if (mode == Symbol("Add")) {
    result.ok = engine.Install(componentName, componentFile);
  } else if (mode == Symbol("Remove")) {
    result.ok = engine.Deinstall(componentName, componentFile);
  } else {
    return result;
  }
  result.status = engine.Status();
  if (result.status) result.exitStatus = status::ExitStatus(result.status->code);
  return result;
}

}  // namespace formfit
