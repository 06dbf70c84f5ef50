// The Summary page: a text over a read-only field that lists the run's
// choices and the command line of the same change as a silent run, where
// the user can select and copy it, and a button that shows the changes
// Finish would make.
#pragma once

#include <memory>
#include <string>

#include "app/SetupChoice.h"
#include "host/TextControls.h"
#include "ui/SetupPage.h"
#include "wizard/qPushButton.h"
#include "wizard/qWizardPage.h"

namespace formfit {

// The layout class of the template "_wzpSummary".
class _wzpSummary : public qWizardPage {
 public:
  // Makes the page as a hidden child of `owner` (the wizard), which places
  // it. The text follows the page's width, the field its width and height,
  // the button (text 599) its bottom-right corner.
  _wzpSummary& Init(DialogWindow* owner, std::optional<ResourceID> placeholderId = std::nullopt);

 protected:
  // All exist from Init on. A click on the button calls the page's
  // OnShowChanges.
  std::unique_ptr<FixedText> ftInfo;
  std::unique_ptr<ReadOnlyText> sleSummary;
  std::unique_ptr<qPushButton> OnShowChangesButton;
};

// By name: Info (read/write, string), Summary (read/write, string),
// OnShowChanges (method, no arguments).
class wzpSummary : public _wzpSummary, public SetupPage {
 public:
  // Lists the choice and its command line on every visit: the choices may
  // have changed since the last one.
  void Prepare(const PageVisit& visit) override;

  std::string Info() const { return ftInfo->TextValue(); }
  void SetInfo(const std::string& text) { ftInfo->SetTextValue(text); }
  std::string Summary() const { return sleSummary->TextValue(); }
  void SetSummary(const std::string& text) { sleSummary->SetTextValue(text); }

  // Shows the changes that Finish would make with the choice listed, as a
  // preview finds them (reading only), in their window over the wizard
  // (see dlgChanges.h); returns when the user closed it.
  void OnShowChanges();

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
  Value OnShowChangesMethod(const ValueList&);

  SetupChoice choice_;
};

}  // namespace formfit
