// The page on which the user picks the component: a drop-down list of the
// components that the component files "*.wed" of a folder offer, sorted by
// the text it shows for them.
#pragma once

#include <memory>

#include "base/FileSpec.h"
#include "host/ComboBox.h"
#include "host/TextControls.h"
#include "ui/ComponentList.h"
#include "ui/SetupPage.h"
#include "wizard/qWizardPage.h"

namespace formfit {

// The layout class of the template "_wzpComponentChoice".
class _wzpComponentChoice : public qWizardPage {
 public:
  // Makes the page as a hidden child of `owner` (the wizard), which places
  // it; over the owner's placeholder control instead when one is given.
  // The list follows the page's width; the label is text 570.
  _wzpComponentChoice& Init(DialogWindow* owner,
                            std::optional<ResourceID> placeholderId = std::nullopt);

 protected:
  // Both exist from Init on.
  std::unique_ptr<FixedText> Component;
  std::unique_ptr<ComboBox> cboComponent;
};

// By name: FillUsing (method, one argument), ComponentName (read/write,
// string), ComponentFile (read-only, string).
//
// Each list item's value is a list of two strings: component name and
// component file.
class wzpComponentChoice : public _wzpComponentChoice, public SetupPage {
 public:
  // Refilled from the chosen folder's BIN folder on every visit (files may
  // have changed): on a return, the user's pick stays while its file still
  // offers it, else the given component is chosen again (see Refill). On the
  // first visit the wizard gives the page the given component after this.
  void Prepare(const PageVisit& visit) override;

  // Empties the list and fills it with the components of the "*.wed" files
  // in the folder of `folder` (drive and path), then selects the preselected
  // one (see ListComponents); none when the folder offers none.
  void FillUsing(const FileSpec& folder);
  // Empties the list and fills it with `list.items`, then selects the item
  // whose display text is `list.preselected` (none when that is empty).
  void FillUsing(const ComponentList& list);

  // The selected item's component name; empty when none is selected.
  std::string ComponentName() const;
  // Selects the item whose display text is `displayText` (as the list
  // compares: case aside); selects none when there is no such item.
  void SetComponentName(const std::string& displayText);
  // The selected item's component file; empty when none is selected.
  std::string ComponentFile() const;
  // The selected item's display text; empty when none is selected.
  std::string ComponentText() const;

  // Refills the list from `folder` as FillUsing does, then selects, in this
  // order, what is still in the list: the item of component `picked` in the
  // file `pickedFile` (the user's pick; empty for none), the item shown as
  // `wanted` (the command line's component; empty for none), and else the
  // preselected one.
  void Refill(const FileSpec& folder, const std::string& picked, const std::string& pickedFile,
              const std::string& wanted);

  // Leaving forward (anything but PreviousPage) with no component chosen
  // shows the error text 218 and is refused.
  bool ValidateData(Symbol action) override;

  static const MemberTable& ClassMembers();

 protected:
  const MemberTable& Members() const override { return ClassMembers(); }

 private:
  // The selected item's value's part `index`, as a string.
  std::string SelectedPart(std::size_t index) const;
  // FillUsing by name: a list of items, each a list (display text, value),
  // or a string, the path of the folder. Anything else empties the list.
  Value FillUsingMethod(const ValueList& args);
  Value ComponentNameValue() const { return ComponentName(); }
  Value SetComponentNameValue(const Value& value);
  Value ComponentFileValue() const { return ComponentFile(); }
  void Refill(const std::vector<std::pair<std::string, Value>>& items,
              const std::string& preselected);
};

}  // namespace formfit
