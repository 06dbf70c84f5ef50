#include "app/RunOptions.h"

#include "app/GuardedFiles.h"
#include "base/StringRules.h"
#include "env/LanguageStrings.h"
#include "env/ProgramFile.h"
#include "env/Protocoll.h"

namespace formfit {

namespace {

constexpr char kGerman[] = "Formfit.sys";
constexpr char kEnglish[] = "Formfit.en.sys";

}  // namespace

std::string LanguageFileFor(std::string_view language, FileOps& files,
                            const std::optional<FileSpec>& programFile) {
  if (Lower(language) == "en" && files.Exists(LanguageFilePath(kEnglish, programFile))) {
    return kEnglish;
  }
  return kGerman;
}

void ApplyRunOptions(const SetupChoice& choice) {
  ChooseLanguageFile(LanguageFileFor(choice.language, SystemFileOps(), ProgramFile()));
  // A log named like one of the installation's own files is dropped: the
  // run goes on without it, as when a log cannot be written.
  if (!choice.logFile.empty() && !IsGuardedFile(SystemFileOps(), choice.logFile, choice)) {
    LogTo(choice.logFile);
  }
}

}  // namespace formfit
