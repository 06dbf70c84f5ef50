#include "FormfitRes.h"
#include "host/OwnerAlignment.h"
#include "ui/wzpInfo.h"

namespace formfit {

_wzpInfo& _wzpInfo::Init(DialogWindow* owner, std::optional<ResourceID> placeholderId) {
  PreInit(owner, placeholderId);
  qWizardPage::Init(owner, ResourceID("_wzpInfo"), {}, true);
  ftInfo = std::make_unique<FixedText>(*this, IDT_INFO_TEXT);
  ftInfo->SetLabel({Symbol("ftInfo"), "...", {}});
  ftInfo->SetOwnerAlignment(OwnerAlignment::FollowSize);
  SetLabel({Symbol("_wzpInfo"), "qWizardPage", {}});
  PostInit();
  return *this;
}

std::string wzpInfo::Info() const { return ftInfo ? ftInfo->TextValue() : ""; }

void wzpInfo::SetInfo(const std::string& text) {
  if (ftInfo) ftInfo->SetTextValue(text);
}

Value wzpInfo::SetInfoValue(const Value& value) {
  SetInfo(value.AsString());
  return value;
}

const MemberTable& wzpInfo::ClassMembers() {
  static const MemberTable table =
      MemberTableOf<wzpInfo>(&qWizardPage::ClassMembers())
          .Property("Info", &wzpInfo::InfoValue, &wzpInfo::SetInfoValue);
  return table;
}

}  // namespace formfit
