#include "FormfitRes.h"
#include "app/Preview.h"
#include "host/OwnerAlignment.h"
#include "host/WaitCursor.h"
#include "ui/ChangesText.h"
#include "ui/LanguageText.h"
#include "ui/ReadingEnvironment.h"
#include "ui/TextNumbers.h"
#include "ui/dlgChanges.h"
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
  OnShowChangesButton = std::make_unique<qPushButton>(*this, IDB_SUMMARY_CHANGES);
  OnShowChangesButton->SetLabel(
      {Symbol("OnShowChanges"), LanguageText(text::kShowChanges, "&Änderungen anzeigen..."), {}});
  OnShowChangesButton->SetTextValue(OnShowChangesButton->Label().caption);
  OnShowChangesButton->SetOwnerAlignment(OwnerAlignment::KeepCorner);
  SetLabel({Symbol("_wzpSummary"), "qWizardPage", {}});
  PostInit();
  return *this;
}

void wzpSummary::Prepare(const PageVisit& visit) {
  choice_ = visit.current;
  SetSummary(SummaryText(visit.current, visit.context, LanguageText));
}

void wzpSummary::OnShowChanges() {
  std::string changes;
  {
    const WaitCursor wait;
    ReadingEnvironment environment;
    changes = ChangesText(PreviewChange(environment, choice_), LanguageText);
  }
  dlgChanges(std::move(changes)).Show(*this);
}

Value wzpSummary::SetInfoValue(const Value& value) {
  SetInfo(value.AsString());
  return value;
}

Value wzpSummary::SetSummaryValue(const Value& value) {
  SetSummary(value.AsString());
  return value;
}

Value wzpSummary::OnShowChangesMethod(const ValueList&) {
  OnShowChanges();
  return {};
}

const MemberTable& wzpSummary::ClassMembers() {
  static const MemberTable table =
      MemberTableOf<wzpSummary>(&qWizardPage::ClassMembers())
          .Property("Info", &wzpSummary::InfoValue, &wzpSummary::SetInfoValue)
          .Property("Summary", &wzpSummary::SummaryValue, &wzpSummary::SetSummaryValue)
          .Method("OnShowChanges", &wzpSummary::OnShowChangesMethod);
  return table;
}

}  // namespace formfit
