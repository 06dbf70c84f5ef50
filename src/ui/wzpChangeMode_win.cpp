#include "FormfitRes.h"
#include "host/OwnerAlignment.h"
#include "ui/LanguageText.h"
#include "ui/TextNumbers.h"
#include "ui/wzpChangeMode.h"

namespace formfit {

_wzpChangeMode& _wzpChangeMode::Init(DialogWindow* owner, std::optional<ResourceID> placeholderId) {
  PreInit(owner, placeholderId);
  qWizardPage::Init(owner, ResourceID("_wzpChangeMode"), {}, true);

  const Symbol add(RowOf(Mode::kAdd).word);
  const Symbol remove(RowOf(Mode::kRemove).word);
  Add = std::make_unique<RadioButton>(*this, IDR_MODE_ADD);
  Add->SetLabel({add, LanguageText(text::kModeAdd, "&hinzufügen"),
                 "Das ausgewählte Element wird dem VO-Window-Editor hinzugefügt"});
  Add->SetTextValue(Add->Label().caption);

  Remove = std::make_unique<RadioButton>(*this, IDR_MODE_REMOVE);
  Remove->SetLabel({remove, LanguageText(text::kModeRemove, "&entfernen"),
                    "Das ausgewählte Element wird aus VO-Window-Editor entfernt"});
  Remove->SetTextValue(Remove->Label().caption);

  rbgMode = std::make_unique<RadioButtonGroup>(*this, IDG_MODE);
  rbgMode->SetLabel(
      {Symbol("rbgMode"), LanguageText(text::kModeFrame, "&Komponente dem VO-Window-Editor"), {}});
  rbgMode->SetTextValue(rbgMode->Label().caption);
  rbgMode->AddButton(*Add, add);
  rbgMode->AddButton(*Remove, remove);
  rbgMode->SetOwnerAlignment(OwnerAlignment::FollowWidth);

  SetLabel({Symbol("_wzpChangeMode"), "qWizardPage", {}});
  PostInit();
  return *this;
}

std::optional<Mode> wzpChangeMode::Mode() const {
  if (Add->IsPressed()) return formfit::Mode::kAdd;
  if (Remove->IsPressed()) return formfit::Mode::kRemove;
  return std::nullopt;
}

void wzpChangeMode::SetMode(formfit::Mode mode) {
  // Setting a button's state, unlike a click, would leave the other one
  // pressed as well, and Mode would then read Add whatever was chosen last.
  if (mode == formfit::Mode::kAdd) {
    Add->SetPressed(true);
    Remove->SetPressed(false);
  } else if (mode == formfit::Mode::kRemove) {
    Remove->SetPressed(true);
    Add->SetPressed(false);
  }
}

Value wzpChangeMode::ModeValue() const {
  const std::optional<formfit::Mode> mode = Mode();
  return mode ? Symbol(RowOf(*mode).word) : Symbol();
}

Value wzpChangeMode::SetModeValue(const Value& value) {
  if (value.IsSymbol()) {
    if (const std::optional<formfit::Mode> mode = ReadMode(value.AsSymbol().Name())) SetMode(*mode);
  }
  return value;
}

const MemberTable& wzpChangeMode::ClassMembers() {
  static const MemberTable table =
      MemberTableOf<wzpChangeMode>(&qWizardPage::ClassMembers())
          .Property("Mode", &wzpChangeMode::ModeValue, &wzpChangeMode::SetModeValue);
  return table;
}

}  // namespace formfit
