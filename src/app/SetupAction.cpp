#include "app/SetupAction.h"

#include "base/FileSpec.h"

namespace formfit {

namespace {

struct CodeExit {
  const char* code;
  int exitStatus;
};

constexpr CodeExit kExitStatuses[] = {
    {"SUCCESS", 0},
    {"DEDUDED_NOT_FOUND", 2},
    {"WED_NOT_FOUND", 3},
    {"DEDUDED_OPEN_ERROR", 4},
    {"DEDUDED_MEMORY_LOW", 5},
    {"DEDUDED_READ_ERROR", 6},
    {"DEDUDED_BACKUP_ERROR", 7},
    {"DEDUDED_WRITE_ERROR", 8},
};

int ExitStatus(Symbol code) {
  for (const CodeExit& entry : kExitStatuses) {
    if (code == Symbol(entry.code)) return entry.exitStatus;
  }
  return 1;
}

}  // namespace

std::string ConfigurationPath(std::string_view folder) {
  std::string path(folder);
  if (!path.empty() && !IsPathSeparator(path.back())) path += '\\';
  FileSpec file(path);
  file.AppendToPath("BIN");
  file.SetFileName("DEDUDED");
  file.SetExtension(".INF");
  return file.FullPath();
}

SetupResult SetupAction(EngineEnvironment& environment, std::string_view folder,
                        const std::string& componentName, const std::string& componentFile,
                        Symbol mode) {
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
  if (result.status) result.exitStatus = ExitStatus(result.status->code);
  return result;
}

}  // namespace formfit
