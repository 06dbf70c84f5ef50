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

HWND qWizardPage::FocusControl() const {
  const HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE);
  if (!first) return nullptr;
  MSG enter{first, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
  const LRESULT wants =
      SendMessageA(first, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter));
  return wants & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE) ? nullptr : first;
}

}  // namespace formfit
