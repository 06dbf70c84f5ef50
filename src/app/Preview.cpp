#include "app/Preview.h"

#include "app/GuardedFiles.h"
#include "base/FaultPoint.h"
#include "base/UnifiedDiff.h"

namespace formfit {

namespace {

bool WriteWhole(FileOps& files, const std::string& path, std::string_view bytes) {
  const std::optional<std::string> temporary = WriteTemporary(files, path, bytes);
  if (!temporary) return false;
  if (files.Replace(*temporary, path)) return true;
  files.Remove(*temporary);
  return false;
}

// The run as a preview, its result into `result`.
Formfit::Previewed Previewed(EngineEnvironment& environment, const SetupChoice& choice,
                             SetupResult& result) {
  FaultPoint("setup");
  if (!choice.mode) return {};
  Formfit engine(environment);
  engine.Init(ConfigurationFile(choice));
  Formfit::Previewed previewed = engine.Preview(RequestOf(choice));
  result.ok = previewed.ok;
  result.status = engine.Status();
  result.exitStatus = ExitStatusOf(result.status->code);
  return previewed;
}

std::string DiffOf(const SetupChoice& choice, const Formfit::Previewed& previewed) {
  const FileSpec configuration = ConfigurationFile(choice);
  const std::string name = "BIN/" + configuration.FileName() + configuration.Extension();
  FaultPoint("diff");
  // Views, not copies: the texts can be as large as the file.
  const std::string_view before = previewed.before;
  const std::string_view after = previewed.after ? std::string_view(*previewed.after) : before;
  return UnifiedDiff(before, after, "a/" + name, "b/" + name);
}

}  // namespace

PreviewResult PreviewChange(EngineEnvironment& environment, const SetupChoice& choice) {
  PreviewResult preview;
  const Formfit::Previewed previewed = Previewed(environment, choice, preview.result);
  preview.diff = DiffOf(choice, previewed);
  return preview;
}

SetupResult PreviewAction(EngineEnvironment& environment, const SetupChoice& choice) {
  SetupResult result;
  const Formfit::Previewed previewed = Previewed(environment, choice, result);
  const std::string& previewFile = choice.previewFile;
  // A preview never takes the place of the files it reads, nor of a backup.
  if (IsGuardedFile(environment.Files(), previewFile, choice)) {
    result.ok = false;
    result.exitStatus = kPreviewNotWrittenExitStatus;
    return result;
  }
  if (!WriteWhole(environment.Files(), previewFile, DiffOf(choice, previewed))) {
    result.ok = false;
    result.exitStatus = kPreviewNotWrittenExitStatus;
  }
  return result;
}

}  // namespace formfit
