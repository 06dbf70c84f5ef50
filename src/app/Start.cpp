#include "app/Start.h"

#include "app/RunOptions.h"

namespace formfit {

namespace {

constexpr int kInteractiveDone = 0;
constexpr int kInteractiveNotDone = 1;

}  // namespace

int Start(const std::vector<std::string>& words, const SetupDialogMaker& makeDialog) {
  // The language and the log are fixed before the dialog fetches its texts.
  ApplyRunOptions(ReadKeywords(words));
  const std::unique_ptr<SetupDialog> dialog = makeDialog(words);
  if (dialog->Silent()) return dialog->Setup();
  return dialog->Show() ? kInteractiveDone : kInteractiveNotDone;
}

Keywords ReadStartKeywords(const std::vector<std::string>& words, const FolderLocator& locate) {
  Keywords keywords = ReadKeywords(words);
  if (keywords.cavoFolder.empty()) {
    const std::optional<FileSpec> located = locate();
    if (located && !located->FullPath().empty()) keywords.cavoFolder = located->FullPath();
  }
  return keywords;
}

}  // namespace formfit
