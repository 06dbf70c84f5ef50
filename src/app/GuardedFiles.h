// The installation's own files, over which the program never writes the
// files it makes for the user (the preview's diff, the setup log): the
// configuration file, its numbered backups (those there and those to come)
// and the component file.
#pragma once

#include <string>

#include "app/SetupChoice.h"
#include "base/FileOps.h"

namespace formfit {

// True when `target` names one of the choice's own files, however it names
// it (another case, "/" for "\\", a path relative to the working folder, a
// trailing dot or blank, a short name): where something is at `target`, by
// its identity; else by its full path as the system resolves it, a backup to
// come by a name of the backups' kind in the configuration file's folder.
bool IsGuardedFile(FileOps& files, const std::string& target, const SetupChoice& choice);

}  // namespace formfit
