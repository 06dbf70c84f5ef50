#include "app/Start.h"

#include "app/Keywords.h"
#include "app/ProgramEnvironment.h"
#include "app/RunOptions.h"
#include "app/SetupAction.h"
#include "app/SetupChoice.h"
#include "base/FailureReason.h"
#include "base/StringRules.h"
#include "engine/Outcome.h"
#include "env/CAVODir.h"
#include "env/Protocoll.h"

namespace formfit {

namespace {

constexpr int kInteractiveDone = 0;
constexpr int kInteractiveNotDone = 1;

int Failed(std::exception_ptr failure, bool silent, const FailureTeller& tellUser) {
  try {
    const std::string reason = FailureReason(failure);
    Protocoll("the program failed inside: " + reason);
    if (!silent) tellUser(reason);
  } catch (...) {
    // Nothing more can be told; the exit status still says what happened.
  }
  if (!silent) return kInteractiveNotDone;
  return IsMemoryShortage(failure) ? RowOf(Outcome::kMemoryLow).exitStatus
                                   : kFailedInsideExitStatus;
}

}  // namespace

int Start(const std::vector<std::string>& words, const SetupDialogMaker& makeDialog,
          const FailureTeller& tellUser) {
  bool silent = false;
  try {
    // The words are read once, here.
    const SetupChoice choice = ReadSetupChoice(words, [] { return CAVODir(); });
    silent = choice.silent;
    // The language and the log are fixed before the first text is fetched.
    ApplyRunOptions(choice);
    if (silent) {
      // A run that shows nothing makes no window either.
      ProgramEnvironment environment;
      return RunChoice(environment, choice).exitStatus;
    }
    const std::unique_ptr<SetupDialog> dialog = makeDialog(choice);
    return dialog->Show() ? kInteractiveDone : kInteractiveNotDone;
  } catch (...) {
    return Failed(std::current_exception(), silent, tellUser);
  }
}

SetupChoice ReadSetupChoice(const std::vector<std::string>& words, const FolderLocator& locate) {
  SetupChoice choice = ReadKeywords(words);
  // A folder of blanks names no folder, as on the folder page.
  if (Trimmed(choice.cavoFolder).empty()) {
    const std::optional<FileSpec> located = locate();
    if (located && !located->FullPath().empty()) choice.cavoFolder = located->FullPath();
  }
  return choice;
}

}  // namespace formfit
