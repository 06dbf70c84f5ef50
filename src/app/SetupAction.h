// The change itself, as the wizard's Finish and a silent run perform it: one
// engine on the installation's BIN\DEDUDED.INF adds or removes one component;
// a silent run may also check for one, or put a backup back.
#pragma once

#include <optional>

#include "app/SetupChoice.h"
#include "base/FileOps.h"
#include "engine/Backups.h"
#include "engine/Formfit.h"
#include "engine/Outcome.h"

namespace formfit {

struct SetupResult {
  // True when the run did what was asked: the configuration file rewritten
  // (or, for a restore, holding the backup's bytes already), or for a check
  // the component found installed.
  bool ok = false;
  // The engine's status; none when the mode asked for no change.
  std::optional<StatusLabel> status;
  // The process exit status of a silent run: the status's own (see
  // Outcome.h), or the one for no change asked for.
  int exitStatus = kNoChangeExitStatus;
};

// The run the choice asks for, on the configuration file of the chosen
// installation (see ConfigurationFile): Add, Remove or Check of the chosen
// component from its component file, or Restore of the chosen backup
// (which needs no component); no mode changes nothing.
SetupResult SetupAction(EngineEnvironment& environment, const SetupChoice& choice);

// The change the choice asks for: a preview in a silent run that asks for
// one (see Preview.h), else SetupAction.
SetupResult RunChoice(EngineEnvironment& environment, const SetupChoice& choice);

// The backup that mode Restore without a backup number would put back in
// the chosen installation: the newest by its last write time, with that
// time; none when there is none. Reads one listing of the folder and
// nothing else.
std::optional<FoundBackup> NewestBackup(FileOps& files, const SetupChoice& choice);

}  // namespace formfit
