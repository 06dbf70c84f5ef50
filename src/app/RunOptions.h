// What the command line asks of the whole run before any window or text
// exists: the language file ("lang=") and the setup log's file ("log=").
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/SetupChoice.h"
#include "base/FileOps.h"
#include "base/FileSpec.h"

namespace formfit {

// The language file for "lang=`language`": "Formfit.en.sys" for en (in any
// case) when it lies beside the program, else "Formfit.sys", the German
// one, which is also the file for de, for any other value and for none.
std::string LanguageFileFor(std::string_view language, FileOps& files,
                            const std::optional<FileSpec>& programFile);

// Chooses the language file and, when the words name one that is none of
// the installation's own files (GuardedFiles.h), the log file. Must run
// before the first language text is looked up.
void ApplyRunOptions(const SetupChoice& choice);

}  // namespace formfit
