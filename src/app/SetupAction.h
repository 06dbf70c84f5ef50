// The change itself, as the wizard's Finish and a silent run perform it: one
// engine on the installation's BIN\DEDUDED.INF adds or removes one component;
// a silent run may also check for one, or put a backup back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/SetupChoice.h"
#include "base/FileSpec.h"
#include "base/Symbol.h"
#include "engine/Formfit.h"
#include "engine/StatusCodes.h"

namespace formfit {

struct SetupResult {
  // True when the run did what was asked: the configuration file rewritten
  // (or, for a restore, holding the backup's bytes already), or for a check
  // the component found installed.
  bool ok = false;
  // The engine's status; none when the mode asked for no change.
  std::optional<StatusLabel> status;
  // The process exit status of a silent run: the status's own (see
  // StatusCodes.h), or the one for no change asked for (a mode none of Add,
  // Remove, Check and Restore).
  int exitStatus = status::kNoChangeExitStatus;
};

// The configuration file of the installation in `folder`: folder, "BIN",
// "DEDUDED.INF". A folder without a trailing separator is a folder all the
// same: "D:\\VO28" gives "D:\\VO28\\BIN\\DEDUDED.INF".
FileSpec ConfigurationPath(std::string_view folder);

// Installs (mode Add, also when the choice gives no mode), deinstalls (mode
// Remove) or checks for (mode Check) the chosen component from its component
// file in the chosen installation (see ChosenFolder), or puts the chosen
// backup back (mode Restore, which needs no component); any other mode
// changes nothing.
SetupResult SetupAction(EngineEnvironment& environment, const SetupChoice& choice);

// The change the choice asks for: a preview in a silent run that asks for
// one (see Preview.h), else SetupAction.
SetupResult RunChoice(EngineEnvironment& environment, const SetupChoice& choice);

}  // namespace formfit
