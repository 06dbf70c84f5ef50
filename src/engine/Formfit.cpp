#include "engine/Formfit.h"

#include <utility>

#include "engine/Backups.h"
#include "engine/Commit.h"
#include "engine/Plan.h"
#include "engine/qIniFile.h"

namespace formfit {

struct Formfit::Ended {
  Outcome outcome;
  Committed committed;
};

Formfit& Formfit::Init(const FileSpec& file) {
  file_ = file;
  if (file_.FileName().empty()) file_.SetFileName("DEDUDED");
  if (file_.Extension().empty()) file_.SetExtension(".INF");
  status_.reset();
  return *this;
}

bool Formfit::Install(const std::string& componentName, const std::string& componentFile) {
  return Run({Mode::kAdd, componentName, componentFile, {}});
}

bool Formfit::Deinstall(const std::string& componentName, const std::string& componentFile) {
  return Run({Mode::kRemove, componentName, componentFile, {}});
}

bool Formfit::Check(const std::string& componentName, const std::string& componentFile) {
  return Run({Mode::kCheck, componentName, componentFile, {}});
}

bool Formfit::Restore(std::string_view backup) {
  return Run({Mode::kRestore, {}, {}, std::string(backup)});
}

bool Formfit::Run(const RunRequest& request) { return Done(Execute(request, false).outcome); }

Formfit::Previewed Formfit::Preview(const RunRequest& request) {
  Ended ended = Execute(request, true);
  return {Done(ended.outcome), std::move(ended.committed.original),
          std::move(ended.committed.bytes)};
}

Formfit::Ended Formfit::Execute(const RunRequest& request, bool preview) {
  const ModeRow& mode = RowOf(request.mode);
  RunFacts facts;
  facts.folder = file_.Drive() + file_.Path();
  facts.path = file_.FullPath();
  facts.componentFile = request.componentFile;
  const auto end = [&](Outcome outcome, Committed committed = {}) {
    facts.made = committed.made;
    facts.size = committed.size;
    status_ = StatusLabelOf(outcome, environment_.Text(mode.caption), facts, environment_);
    return Ended{outcome, std::move(committed)};
  };

  status_.reset();
  environment_.LogTimestamp();
  environment_.Log(environment_.Text(mode.heading));
  environment_.LogTimestamp();
  if (mode.takesComponent) {
    environment_.Log(request.componentName + ":\t" + request.componentFile);
  }
  environment_.Log(file_.FileName() + file_.Extension() + ":\t" + facts.path);
  FileOps& files = environment_.Files();
  if (!files.Exists(facts.path)) return end(Outcome::kConfigurationNotFound);

  PlanSource source;
  if (mode.takesComponent) {
    if (!files.Exists(request.componentFile)) return end(Outcome::kComponentFileNotFound);
    // Read once: a component file that cannot be read yields no entries.
    source.component =
        Component::Read(qIniFile(request.componentFile, files).Contents(), request.componentName);
    environment_.Log("component file read: " + std::to_string(source.component.Contents().size()) +
                     " contents");
  } else {
    // The backup is chosen and read before the file is touched, so that a
    // missing one changes nothing at all.
    const std::optional<FoundBackup> chosen = ChosenBackup(files, facts.path, request.backup);
    FileContents contents = chosen ? ReadWholeFile(files, chosen->path) : FileContents{};
    if (contents.state != FileContents::State::kRead) {
      facts.backup =
          request.backup.empty() ? facts.folder : AskedBackup(facts.path, request.backup);
      return end(Outcome::kNoBackup);
    }
    facts.backup = chosen->path;
    source.backup = chosen->path;
    source.backupBytes = std::move(contents.bytes);
  }

  const Access access = mode.changes ? Access::kChange : Access::kRead;
  const Planner plan = [&](const std::string& original) {
    return PlanFor(request.mode, original, source);
  };
  Committed committed = preview ? PreviewCommit(environment_, facts.path, access, plan)
                                : Commit(environment_, facts.path, access, plan);
  const Outcome outcome = committed.outcome;
  return end(outcome, std::move(committed));
}

}  // namespace formfit
