#include "wizard/qWizardPage.h"

namespace formfit {

qWizardPage& qWizardPage::Init(DialogWindow* owner, std::optional<ResourceID> id, const Value&,
                               PointArg point, SizeArg size) {
  if (id) {
    qComponent::Init(owner, std::move(id), std::move(point), std::move(size));
    return *this;
  }
  PreInit(owner);
  qComponent::Init(owner, ResourceID("_qWizardPage"), std::move(point), std::move(size));
  PostInit();
  return *this;
}

bool qWizardPage::ValidateData(Symbol) { return true; }

}  // namespace formfit
