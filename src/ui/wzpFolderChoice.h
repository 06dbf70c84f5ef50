// The page on which the user chooses the folder in which Visual Objects is
// installed. The folder field is read-only: the folder comes from the
// command line, the installation locator or the folder selection dialog.
#pragma once

#include <memory>

#include "host/TextControls.h"
#include "ui/SetupPage.h"
#include "wizard/qPushButton.h"
#include "wizard/qWizardPage.h"

namespace formfit {

// The layout class of the template "_wzpFolderChoice".
class _wzpFolderChoice : public qWizardPage {
 public:
  // Makes the page as a hidden child of `owner` (the wizard), which places
  // it; over the owner's placeholder control instead when one is given.
  // The field follows the page's width, the button its right edge; the
  // label (text 560) and the button (text 101) come from the language file.
  _wzpFolderChoice& Init(DialogWindow* owner,
                         std::optional<ResourceID> placeholderId = std::nullopt);

 protected:
  // All exist from Init on. A click on the button calls the page's OnChoice.
  std::unique_ptr<FixedText> ftFolder;
  std::unique_ptr<SingleLineEdit> sleFolder;
  std::unique_ptr<qPushButton> OnChoiceButton;
};

// By name: Folder (read/write, string), OnChoice (method, no arguments).
class wzpFolderChoice : public _wzpFolderChoice, public SetupPage {
 public:
  // First shown with no folder, the page shows the located installation's.
  void Prepare(const PageVisit& visit) override;

  // The field's text, without blanks at either end.
  std::string Folder() const;
  // Shows `folder` with a "\" appended when it is not empty and does not end
  // in one.
  void SetFolder(const std::string& folder);

  // Shows the folder selection dialog (title text 561, starting at Folder,
  // file-system folders only). True when the user chose a folder, which
  // then is the Folder; false, and nothing changed, when the user cancelled.
  bool OnChoice();

  // Leaving forward (anything but PreviousPage) with an empty Folder shows
  // the error text 219 and is refused.
  bool ValidateData(Symbol action) override;

  static const MemberTable& ClassMembers();

 protected:
  const MemberTable& Members() const override { return ClassMembers(); }

 private:
  Value FolderValue() const { return Folder(); }
  Value SetFolderValue(const Value& value);
  Value OnChoiceMethod(const ValueList&) { return OnChoice(); }
};

}  // namespace formfit
