#include "host/OwnerAlignment.h"
#include "wizard/qWizardPageInfo.h"
#include "wizard/qWizardRes.h"

namespace formfit {

_qWizardPageInfo& _qWizardPageInfo::Init(DialogWindow* owner,
                                         std::optional<ResourceID> placeholderId) {
  PreInit(owner, placeholderId);
  qComponent::Init(owner, ResourceID("_qWizardPageInfo"), true);
  captionFont_ = std::make_unique<Font>(8, "Microsoft Sans Serif");
  captionFont_->SetBold(true);
  white_ = std::make_unique<Brush>(Color{255, 255, 255});

  ftCaption = std::make_unique<FixedText>(*this, IDT_PAGEINFO_CAPTION);
  ftCaption->SetLabel({Symbol("ftCaption"), "Wizard Page Caption", {}});
  ftCaption->SetFont(*captionFont_);
  ftCaption->SetBackground(white_.get());
  ftCaption->SetOwnerAlignment(OwnerAlignment::FollowWidth);

  ftDescription = std::make_unique<FixedText>(*this, IDT_PAGEINFO_DESCRIPTION);
  ftDescription->SetLabel({Symbol("ftDescription"), "Wizard Page Description", {}});
  ftDescription->SetBackground(white_.get());
  ftDescription->SetOwnerAlignment(OwnerAlignment::FollowSize);

  // The header's caption is its caption text, not a window title.
  ftCaption->SetTextValue("qComponent");
  SetLabel({Symbol("_qWizardPageInfo"), "qComponent", {}});
  SetBackground(white_.get());
  PostInit();
  return *this;
}

std::string qWizardPageInfo::Caption() const { return ftCaption ? ftCaption->TextValue() : ""; }

void qWizardPageInfo::SetCaption(const std::string& text) {
  if (ftCaption) ftCaption->SetTextValue(text);
}

std::string qWizardPageInfo::Description() const {
  return ftDescription ? ftDescription->TextValue() : "";
}

void qWizardPageInfo::SetDescription(const std::string& text) {
  if (ftDescription) ftDescription->SetTextValue(text);
}

Control* qWizardPageInfo::GetChild(Symbol name) const {
  if (name == Symbol("Caption")) return ftCaption.get();
  if (name == Symbol("Description")) return ftDescription.get();
  return nullptr;
}

Value qWizardPageInfo::SetCaptionValue(const Value& value) {
  SetCaption(value.AsString());
  return value;
}

Value qWizardPageInfo::SetDescriptionValue(const Value& value) {
  SetDescription(value.AsString());
  return value;
}

const MemberTable& qWizardPageInfo::ClassMembers() {
  static const MemberTable table =
      MemberTableOf<qWizardPageInfo>(&Object::ClassMembers())
          .Property("Caption", &qWizardPageInfo::CaptionValue, &qWizardPageInfo::SetCaptionValue)
          .Property("Description", &qWizardPageInfo::DescriptionValue,
                    &qWizardPageInfo::SetDescriptionValue);
  return table;
}

}  // namespace formfit
