// The base of every wizard page: a composite control that the wizard creates
// when it first needs the page and places in its page area.
#pragma once

#include "base/Symbol.h"
#include "wizard/qComponent.h"

namespace formfit {

class qWizardPage : public qComponent {
 public:
  // With `id`, the concrete page's own template (whose initialiser called
  // PreInit already): only the component's Init. Without, a plain page from
  // the blank template "_qWizardPage": PreInit, Init at `point`, PostInit.
  // `extra` is not used.
  qWizardPage& Init(DialogWindow* owner, std::optional<ResourceID> id = std::nullopt,
                    const Value& extra = {}, PointArg point = {}, SizeArg size = {});

  // Whether the user may leave the page by the navigator button `action`
  // (PreviousPage, NextPage or Finish). The base page always allows it.
  virtual bool ValidateData(Symbol action);

  // The control that gets the keyboard focus when the wizard shows the page;
  // null leaves it to the wizard's default button. The base page answers its
  // first control in tab order, unless that control keeps the Enter key for
  // itself (a multi-line field): Enter on a page runs the default button.
  virtual HWND FocusControl() const;
};

}  // namespace formfit
