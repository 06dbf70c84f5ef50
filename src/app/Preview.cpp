#include "app/Preview.h"

#include "app/PreviewFileOps.h"
#include "base/FaultPoint.h"
#include "base/StringRules.h"
#include "base/UnifiedDiff.h"

namespace formfit {

namespace {

// The engine's environment with the preview's file system in place of the
// real one; texts and log lines as the run's own, until it is muted.
class PreviewEnvironment : public EngineEnvironment {
 public:
  PreviewEnvironment(EngineEnvironment& real, PreviewFileOps& files) : real_(real), files_(files) {}
  FileOps& Files() override { return files_; }
  std::string Text(unsigned number) override { return real_.Text(number); }
  void LogTimestamp() override {
    if (!muted_) real_.LogTimestamp();
  }
  void Log(std::string_view text) override {
    if (!muted_) real_.Log(text);
  }
  void Mute() { muted_ = true; }

 private:
  EngineEnvironment& real_;
  PreviewFileOps& files_;
  bool muted_ = false;
};

// Windows file names: case and the two separators do not matter.
std::string Comparable(std::string_view path) {
  std::string comparable = Lower(path);
  for (char& c : comparable) {
    if (c == '/') c = '\\';
  }
  return comparable;
}

bool SameFile(const std::string& a, const std::string& b) { return Comparable(a) == Comparable(b); }

bool WriteWhole(FileOps& files, const std::string& path, std::string_view bytes) {
  const std::optional<std::string> temporary = WriteTemporary(files, path, bytes);
  if (!temporary) return false;
  if (files.Replace(*temporary, path)) return true;
  files.Remove(*temporary);
  return false;
}

}  // namespace

SetupResult PreviewAction(EngineEnvironment& environment, const SetupChoice& choice) {
  FileOps& real = environment.Files();
  PreviewFileOps preview(real);
  PreviewEnvironment previewEnvironment(environment, preview);
  SetupResult result = SetupAction(previewEnvironment, choice);
  // A check writes nothing; its preview shows what an Add would change. The
  // log and the outcome stay the check's.
  if (ChosenMode(choice) == Symbol("Check")) {
    SetupChoice add = choice;
    add.mode = Symbol("Add");
    previewEnvironment.Mute();
    SetupAction(previewEnvironment, add);
  }

  const std::string& previewFile = choice.previewFile;
  const std::string& componentFile = choice.componentFile;
  const FileSpec configuration = ConfigurationPath(ChosenFolder(choice.cavoFolder));
  const std::string path = configuration.FullPath();
  // A preview never takes the place of the files it reads.
  if (SameFile(previewFile, path) || SameFile(previewFile, componentFile)) {
    result.ok = false;
    result.exitStatus = status::kPreviewNotWrittenExitStatus;
    return result;
  }
  // The preview holds only the bytes the run wrote; the old ones are read
  // again from the file, which the preview never changes.
  const FileContents before = ReadWholeFile(real, path);
  const std::string_view old = before.bytes;
  const std::optional<std::string_view> written = preview.Written(path);
  const std::string name = "BIN/" + configuration.FileName() + configuration.Extension();
  FaultPoint("diff");
  const std::string diff = UnifiedDiff(old, written.value_or(old), "a/" + name, "b/" + name);
  if (!WriteWhole(real, previewFile, diff)) {
    result.ok = false;
    result.exitStatus = status::kPreviewNotWrittenExitStatus;
  }
  return result;
}

}  // namespace formfit
