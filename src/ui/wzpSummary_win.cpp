#include "FormfitRes.h"
#include "host/OwnerAlignment.h"
#include "ui/LanguageText.h"
#include "ui/wzpSummary.h"

namespace formfit {

_wzpSummary& _wzpSummary::Init(DialogWindow* owner, std::optional<ResourceID> placeholderId) {
  PreInit(owner, placeholderId);
  qWizardPage::Init(owner, ResourceID("_wzpSummary"), {}, true);
  ftInfo = std::make_unique<FixedText>(*this, IDT_SUMMARY_INFO);
  ftInfo->SetLabel({Symbol("ftInfo"), "...", {}});
  ftInfo->SetOwnerAlignment(OwnerAlignment::FollowWidth);
  sleSummary = std::make_unique<ReadOnlyText>(*this, IDE_SUMMARY);
  sleSummary->SetLabel({Symbol("sleSummary"), "", {}});
  sleSummary->SetOwnerAlignment(OwnerAlignment::FollowSize);
  SetLabel({Symbol("_wzpSummary"), "qWizardPage", {}});
  PostInit();
  return *this;
}

void wzpSummary::Prepare(const PageVisit& visit) {
  SetSummary(SummaryText(visit.current, visit.context, LanguageText));
}

Value wzpSummary::SetInfoValue(const Value& value) {
  SetInfo(value.AsString());
  return value;
}

Value wzpSummary::SetSummaryValue(const Value& value) {
  SetSummary(value.AsString());
  return value;
}

const MemberTable& wzpSummary::ClassMembers() {
  static const MemberTable table =
      MemberTableOf<wzpSummary>(&qWizardPage::ClassMembers())
          .Property("Info", &wzpSummary::InfoValue, &wzpSummary::SetInfoValue)
          .Property("Summary", &wzpSummary::SummaryValue, &wzpSummary::SetSummaryValue);
  return table;
}

}  // namespace formfit
