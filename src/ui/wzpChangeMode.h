// The page on which the user chooses between adding the component to the
// Window Editor and removing it.
#pragma once

#include <memory>

#include "engine/Mode.h"
#include "host/RadioButton.h"
#include "ui/SetupPage.h"
#include "wizard/qWizardPage.h"

namespace formfit {

// The layout class of the template "_wzpChangeMode".
class _wzpChangeMode : public qWizardPage {
 public:
  // Makes the page as a hidden child of `owner` (the wizard), which places
  // it; over the owner's placeholder control instead when one is given.
  // The group box (text 580) follows the page's width; the buttons are texts
  // 581 and 582 and stand for the values Add and Remove.
  _wzpChangeMode& Init(DialogWindow* owner, std::optional<ResourceID> placeholderId = std::nullopt);

 protected:
  // All exist from Init on.
  std::unique_ptr<RadioButton> Add;
  std::unique_ptr<RadioButton> Remove;
  std::unique_ptr<RadioButtonGroup> rbgMode;
};

// By name: Mode (read/write, the symbol of the mode's word, or the empty
// symbol for none). The base's validation: every move is allowed.
class wzpChangeMode : public _wzpChangeMode, public SetupPage {
 public:
  // Add when its button is pressed, else Remove when that one is, else none.
  std::optional<formfit::Mode> Mode() const;
  // Add or Remove presses that button and releases the other, as a click
  // does; any other mode changes nothing.
  void SetMode(formfit::Mode mode);

  static const MemberTable& ClassMembers();

 protected:
  const MemberTable& Members() const override { return ClassMembers(); }

 private:
  Value ModeValue() const;
  Value SetModeValue(const Value& value);
};

}  // namespace formfit
