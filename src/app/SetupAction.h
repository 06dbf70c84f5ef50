// The change itself, as the wizard's Finish and a silent run perform it: one
// engine on the installation's BIN\DEDUDED.INF adds or removes one component.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/Symbol.h"
#include "engine/Formfit.h"

namespace formfit {

struct SetupResult {
  // True when the configuration file was rewritten.
  bool ok = false;
  // The engine's status; none when the mode asked for no change.
  std::optional<StatusLabel> status;
  // The process exit status of a silent run: 0 success, 1 no change asked
  // for (mode neither Add nor Remove), 2 DEDUDED_NOT_FOUND, 3 WED_NOT_FOUND,
  // 4 DEDUDED_OPEN_ERROR, 5 DEDUDED_MEMORY_LOW, 6 DEDUDED_READ_ERROR,
  // 7 DEDUDED_BACKUP_ERROR, 8 DEDUDED_WRITE_ERROR.
  int exitStatus = 1;
};

// The configuration file of the installation in `folder`: folder, "BIN",
// "DEDUDED.INF". A folder without a trailing separator is a folder all the
// same: "D:\\VO28" gives "D:\\VO28\\BIN\\DEDUDED.INF".
std::string ConfigurationPath(std::string_view folder);

// Installs (mode Add) or deinstalls (mode Remove) the component named
// `componentName` from `componentFile` in the installation in `folder`;
// any other mode changes nothing.
SetupResult SetupAction(EngineEnvironment& environment, std::string_view folder,
                        const std::string& componentName, const std::string& componentFile,
                        Symbol mode);

}  // namespace formfit
