// The change itself, as the wizard's Finish and a silent run perform it: one
// engine on the installation's BIN\DEDUDED.INF adds or removes one component.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/FileSpec.h"
#include "base/Symbol.h"
#include "engine/Formfit.h"
#include "engine/StatusCodes.h"

namespace formfit {

struct SetupResult {
  // True when the configuration file was rewritten.
  bool ok = false;
  // The engine's status; none when the mode asked for no change.
  std::optional<StatusLabel> status;
  // The process exit status of a silent run: the status's own (see
  // StatusCodes.h), or the one for no change asked for (mode neither Add
  // nor Remove).
  int exitStatus = status::kNoChangeExitStatus;
};

// The configuration file of the installation in `folder`: folder, "BIN",
// "DEDUDED.INF". A folder without a trailing separator is a folder all the
// same: "D:\\VO28" gives "D:\\VO28\\BIN\\DEDUDED.INF".
FileSpec ConfigurationPath(std::string_view folder);

// Installs (mode Add) or deinstalls (mode Remove) the component named
// `componentName` from `componentFile` in the installation in `folder`;
// any other mode changes nothing.
SetupResult SetupAction(EngineEnvironment& environment, std::string_view folder,
                        const std::string& componentName, const std::string& componentFile,
                        Symbol mode);

}  // namespace formfit
