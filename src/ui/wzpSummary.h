// The Summary page: a text over a read-only field that lists the run's
// choices and the command line of the same change as a silent run, where
// the user can select and copy it.
#pragma once

#include <memory>
#include <string>

#include "host/TextControls.h"
#include "ui/SetupPage.h"
#include "wizard/qWizardPage.h"

namespace formfit {

// The layout class of the template "_wzpSummary".
class _wzpSummary : public qWizardPage {
 public:
  // Makes the page as a hidden child of `owner` (the wizard), which places
  // it. The text follows the page's width, the field its width and height.
  _wzpSummary& Init(DialogWindow* owner, std::optional<ResourceID> placeholderId = std::nullopt);

 protected:
  // Both exist from Init on.
  std::unique_ptr<FixedText> ftInfo;
  std::unique_ptr<ReadOnlyText> sleSummary;
};

// By name: Info (read/write, string), Summary (read/write, string).
class wzpSummary : public _wzpSummary, public SetupPage {
 public:
  // Lists the choice and its command line on every visit: the choices may
  // have changed since the last one.
  void Prepare(const PageVisit& visit) override;

  std::string Info() const { return ftInfo->TextValue(); }
  void SetInfo(const std::string& text) { ftInfo->SetTextValue(text); }
  std::string Summary() const { return sleSummary->TextValue(); }
  void SetSummary(const std::string& text) { sleSummary->SetTextValue(text); }

  // None: the field is there to read, so the focus goes to Finish.
  HWND FocusControl() const override { return nullptr; }

  static const MemberTable& ClassMembers();

 protected:
  const MemberTable& Members() const override { return ClassMembers(); }

 private:
  Value InfoValue() const { return Info(); }
  Value SetInfoValue(const Value& value);
  Value SummaryValue() const { return Summary(); }
  Value SetSummaryValue(const Value& value);
};

}  // namespace formfit
