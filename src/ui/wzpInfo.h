// The page that shows a text: the wizard's Welcome and Summary pages and
// its process page.
#pragma once

#include <memory>

#include "host/TextControls.h"
#include "ui/SetupPage.h"
#include "wizard/qWizardPage.h"

namespace formfit {

// The layout class of the template "_wzpInfo".
class _wzpInfo : public qWizardPage {
 public:
  // Makes the page as a hidden child of `owner` (the wizard), which places
  // it; over the owner's placeholder control instead when one is given.
  // The text follows the page's width and height.
  _wzpInfo& Init(DialogWindow* owner, std::optional<ResourceID> placeholderId = std::nullopt);

 protected:
  std::unique_ptr<FixedText> ftInfo;  // exists from Init on
};

// By name: Info (read/write, string).
class wzpInfo : public _wzpInfo, public SetupPage {
 public:
  std::string Info() const;
  void SetInfo(const std::string& text);

  static const MemberTable& ClassMembers();

 protected:
  const MemberTable& Members() const override { return ClassMembers(); }

 private:
  Value InfoValue() const { return Info(); }
  Value SetInfoValue(const Value& value);
};

}  // namespace formfit
