// The wizard's page header: a white band that shows the current page's
// caption in bold and its description below it. It is made over a
// placeholder control of its owner and takes the placeholder's place.
#pragma once

#include <memory>

#include "host/Brush.h"
#include "host/Font.h"
#include "host/TextControls.h"
#include "wizard/qComponent.h"

namespace formfit {

// The layout class of the header's template "_qWizardPageInfo".
class _qWizardPageInfo : public qComponent {
 public:
  // Makes the header over the owner's placeholder control `placeholderId`:
  // caption text in bold "Microsoft Sans Serif" 8 following the header's
  // width, description text following width and height, all on white.
  _qWizardPageInfo& Init(DialogWindow* owner, std::optional<ResourceID> placeholderId);

 protected:
  // Both exist from Init on.
  std::unique_ptr<FixedText> ftCaption;
  std::unique_ptr<FixedText> ftDescription;

 private:
  std::unique_ptr<Font> captionFont_;
  std::unique_ptr<Brush> white_;
};

class qWizardPageInfo : public _qWizardPageInfo {
 public:
  // The caption text; writing it never changes a window title.
  std::string Caption() const;
  void SetCaption(const std::string& text);
  std::string Description() const;
  void SetDescription(const std::string& text);

  // The child control for `Caption` or `Description`; null for any other
  // name.
  Control* GetChild(Symbol name) const;

  static const MemberTable& ClassMembers();

 protected:
  const MemberTable& Members() const override { return ClassMembers(); }

 private:
  Value CaptionValue() const { return Caption(); }
  Value SetCaptionValue(const Value& value);
  Value DescriptionValue() const { return Description(); }
  Value SetDescriptionValue(const Value& value);
};

}  // namespace formfit
