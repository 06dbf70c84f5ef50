#include "FormfitRes.h"
#include "base/FaultPoint.h"
#include "base/StringRules.h"
#include "env/CAVODir.h"
#include "host/OwnerAlignment.h"
#include "host/StandardFolderDialog.h"
#include "ui/LanguageText.h"
#include "ui/PageMessage_win.h"
#include "ui/TextNumbers.h"
#include "ui/wzpFolderChoice.h"

namespace formfit {

_wzpFolderChoice& _wzpFolderChoice::Init(DialogWindow* owner,
                                         std::optional<ResourceID> placeholderId) {
  PreInit(owner, placeholderId);
  qWizardPage::Init(owner, ResourceID("_wzpFolderChoice"), {}, true);

  ftFolder = std::make_unique<FixedText>(*this, IDT_FOLDER_LABEL);
  ftFolder->SetLabel({Symbol("ftFolder"), LanguageText(text::kFolderLabel, "&Ordner:"), {}});
  ftFolder->SetTextValue(ftFolder->Label().caption);

  sleFolder = std::make_unique<SingleLineEdit>(*this, IDE_FOLDER);
  sleFolder->SetLabel({Symbol("sleFolder"), "", {}});
  sleFolder->SetOwnerAlignment(OwnerAlignment::FollowWidth);

  OnChoiceButton = std::make_unique<qPushButton>(*this, IDB_FOLDER_CHOICE);
  OnChoiceButton->SetLabel({Symbol("OnChoice"), LanguageText(text::kBrowse, "&Durchsuchen"), {}});
  OnChoiceButton->SetTextValue(OnChoiceButton->Label().caption);
  OnChoiceButton->SetOwnerAlignment(OwnerAlignment::KeepRight);

  SetLabel({Symbol("_wzpFolderChoice"), "qWizardPage", {}});
  PostInit();
  return *this;
}

void wzpFolderChoice::Prepare(const PageVisit& visit) {
  if (!visit.first || !Folder().empty()) return;
  if (const std::optional<FileSpec> located = CAVODir())
    SetFolder(located->Drive() + located->Path());
}

std::string wzpFolderChoice::Folder() const { return Trimmed(sleFolder->TextValue()); }

void wzpFolderChoice::SetFolder(const std::string& folder) {
  sleFolder->SetTextValue(folder.empty() || folder.back() == '\\' ? folder : folder + '\\');
}

bool wzpFolderChoice::OnChoice() {
  StandardFolderDialog dialog(this, LanguageText(text::kFolderDialogTitle), Folder());
  if (!dialog.Show()) return false;
  SetFolder(dialog.Result());
  return true;
}

bool wzpFolderChoice::ValidateData(Symbol action) {
  FaultPoint("page");
  if (action == Symbol("PreviousPage")) return true;
  if (!Folder().empty()) return true;
  // The field is read-only: the button is how the user chooses a folder.
  ShowPageError(*this, LanguageText(text::kNoFolderChosen), *OnChoiceButton);
  return false;
}

Value wzpFolderChoice::SetFolderValue(const Value& value) {
  SetFolder(value.AsString());
  return value;
}

const MemberTable& wzpFolderChoice::ClassMembers() {
  static const MemberTable table =
      MemberTableOf<wzpFolderChoice>(&qWizardPage::ClassMembers())
          .Property("Folder", &wzpFolderChoice::FolderValue, &wzpFolderChoice::SetFolderValue)
          .Method("OnChoice", &wzpFolderChoice::OnChoiceMethod);
  return table;
}

}  // namespace formfit
