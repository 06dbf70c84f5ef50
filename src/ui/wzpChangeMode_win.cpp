#include "FormfitRes.h"
#include "host/OwnerAlignment.h"
#include "ui/LanguageText.h"
#include "ui/TextNumbers.h"
#include "ui/wzpChangeMode.h"

namespace formfit {

_wzpChangeMode& _wzpChangeMode::Init(DialogWindow* owner, std::optional<ResourceID> placeholderId) {
  PreInit(owner, placeholderId);
  qWizardPage::Init(owner, ResourceID("_wzpChangeMode"), {}, true);

  Add = std::make_unique<RadioButton>(*this, IDR_MODE_ADD);
  Add->SetLabel({Symbol("Add"), LanguageText(text::kModeAdd, "&hinzufügen"),
                 "Das ausgewählte Element wird dem VO-Window-Editor hinzugefügt"});
  Add->SetTextValue(Add->Label().caption);

  Remove = std::make_unique<RadioButton>(*this, IDR_MODE_REMOVE);
  Remove->SetLabel({Symbol("Remove"), LanguageText(text::kModeRemove, "&entfernen"),
                    "Das ausgewählte Element wird aus VO-Window-Editor entfernt"});
  Remove->SetTextValue(Remove->Label().caption);

  rbgMode = std::make_unique<RadioButtonGroup>(*this, IDG_MODE);
  rbgMode->SetLabel(
      {Symbol("rbgMode"), LanguageText(text::kModeFrame, "&Komponente dem VO-Window-Editor"), {}});
  rbgMode->SetTextValue(rbgMode->Label().caption);
  rbgMode->AddButton(*Add, Symbol("Add"));
  rbgMode->AddButton(*Remove, Symbol("Remove"));
  rbgMode->SetOwnerAlignment(OwnerAlignment::FollowWidth);

  SetLabel({Symbol("_wzpChangeMode"), "qWizardPage", {}});
  PostInit();
  return *this;
}

Symbol wzpChangeMode::Mode() const {
  if (Add->IsPressed()) return Symbol("Add");
  if (Remove->IsPressed()) return Symbol("Remove");
  return Symbol();
}

void wzpChangeMode::SetMode(Symbol mode) {
  // Setting a button's state, unlike a click, would leave the other one
  // pressed as well, and Mode would then read Add whatever was chosen last.
  if (mode == Symbol("Add")) {
    Add->SetPressed(true);
    Remove->SetPressed(false);
  } else if (mode == Symbol("Remove")) {
    Remove->SetPressed(true);
    Add->SetPressed(false);
  }
}

Value wzpChangeMode::SetModeValue(const Value& value) {
  SetMode(value.AsSymbol());
  return value;
}

const MemberTable& wzpChangeMode::ClassMembers() {
  static const MemberTable table =
      MemberTableOf<wzpChangeMode>(&qWizardPage::ClassMembers())
          .Property("Mode", &wzpChangeMode::ModeValue, &wzpChangeMode::SetModeValue);
  return table;
}

}  // namespace formfit
