// The program's whole run: in a silent run the change the command-line words
// ask for is made at once and nothing is shown; otherwise the words go to
// the setup dialog, which reads them into its wizard, and it is shown.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/SetupChoice.h"
#include "base/FileSpec.h"

namespace formfit {

// What an interactive run needs of the setup dialog. The dialog lives in
// the window layer; the run only starts it.
class SetupDialog {
 public:
  virtual ~SetupDialog() = default;
  // Shows the dialog modally until it closes; true when it closed after a
  // change that succeeded.
  virtual bool Show() = 0;
};

// Builds the setup dialog on the choice the command line made.
using SetupDialogMaker = std::function<std::unique_ptr<SetupDialog>(const SetupChoice&)>;

// Tells the user of an interactive run that it failed inside, with the
// reason.
using FailureTeller = std::function<void(const std::string& reason)>;

// The whole run with the words of the command line; the process exit status.
// A silent run makes the change the words ask for (SetupChoice.h) with no
// window at all, and exits with the status of its change (see
// Outcome.h); an interactive one shows the dialog and exits with 0 when
// it closed after a successful change and 1 otherwise. No exception leaves it: the log gets its
// reason; a silent run then exits with the status for lack of memory or for a failure inside the
// program, showing nothing; an interactive one has `tellUser` say so and exits with 1.
int Start(const std::vector<std::string>& words, const SetupDialogMaker& makeDialog,
          const FailureTeller& tellUser);

// The installation folder when the command line names none.
using FolderLocator = std::function<std::optional<FileSpec>()>;

// The choice the words make (see Keywords.h), with the folder from `locate`
// when the words give none (or one of blanks) and the locator finds a folder.
SetupChoice ReadSetupChoice(const std::vector<std::string>& words, const FolderLocator& locate);

}  // namespace formfit
