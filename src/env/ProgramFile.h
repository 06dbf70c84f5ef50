// Where the running program's own file lies.
#pragma once

#include <optional>

#include "base/FileSpec.h"

namespace formfit {

// The full path of the running program's file, however long it is; none when
// the platform cannot report it. Read anew on every call.
std::optional<FileSpec> ProgramFile();

}  // namespace formfit
