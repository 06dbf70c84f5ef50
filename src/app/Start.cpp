#include "app/Start.h"

#include "app/RunOptions.h"
#include "base/FailureReason.h"
#include "base/StringRules.h"
#include "engine/StatusCodes.h"
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
  return IsMemoryShortage(failure) ? status::ExitStatus(Symbol(status::kMemoryLow))
                                   : status::kFailedInsideExitStatus;
}

}  // namespace

int Start(const std::vector<std::string>& words, const SetupDialogMaker& makeDialog,
          const FailureTeller& tellUser) {
  bool silent = false;
  try {
    const Keywords keywords = ReadKeywords(words);
    silent = keywords.silent;
    // The language and the log are fixed before the dialog fetches its texts.
    ApplyRunOptions(keywords);
    const std::unique_ptr<SetupDialog> dialog = makeDialog(words);
    if (dialog->Silent()) return dialog->Setup();
    return dialog->Show() ? kInteractiveDone : kInteractiveNotDone;
  } catch (...) {
    return Failed(std::current_exception(), silent, tellUser);
  }
}

Keywords ReadStartKeywords(const std::vector<std::string>& words, const FolderLocator& locate) {
  Keywords keywords = ReadKeywords(words);
  // A folder of blanks names no folder, as on the folder page.
  if (Trimmed(keywords.cavoFolder).empty()) {
    const std::optional<FileSpec> located = locate();
    if (located && !located->FullPath().empty()) keywords.cavoFolder = located->FullPath();
  }
  return keywords;
}

}  // namespace formfit
