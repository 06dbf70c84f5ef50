#include <stdexcept>
#include <tuple>

#include "FormfitRes.h"
#include "base/FailureReason.h"
#include "base/FaultPoint.h"
#include "host/HandlerFailure.h"
#include "host/MessageBox.h"
#include "host/OwnerAlignment.h"
#include "ui/LanguageText.h"
#include "ui/TextNumbers.h"
#include "ui/dlgFormfit.h"

namespace formfit {

_dlgFormfit::_dlgFormfit() {
  if (!Create(nullptr, ResourceID("_dlgFormfit"))) {
    throw std::runtime_error("the setup dialog cannot be made");
  }
  SetCaption(LanguageText(text::kDialogCaption, "Setup DU-Rodadu Dazodo v3"));
  // Each size from its own image in the icon file, not one image scaled.
  for (const auto& [kind, width, height] : {std::tuple{ICON_BIG, SM_CXICON, SM_CYICON},
                                            std::tuple{ICON_SMALL, SM_CXSMICON, SM_CYSMICON}}) {
    const HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), "ICOFORMFIT", IMAGE_ICON,
                                   GetSystemMetrics(width), GetSystemMetrics(height), LR_SHARED);
    Send(WM_SETICON, kind, reinterpret_cast<LPARAM>(icon));
  }
}

void _dlgFormfit::CreateWizard() {
  wizard_ = std::make_unique<wzFormfit>();
  wizard_->Init(this, ResourceID(IDP_SETUP_WIZARD));
  wizard_->SetLabel(HyperLabel{Symbol("Wizard"), "Wizard", ""});
  wizard_->SetOwnerAlignment(OwnerAlignment::FollowSize);
}

dlgFormfit::dlgFormfit(const SetupChoice& choice) {
  CreateWizard();
  FaultPoint("dialog");
  wizard_->SetChoice(choice);
}

bool dlgFormfit::Show() {
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
  // The wizard was built in the hidden window, where nothing had the focus.
  wizard_->FocusCurrentPage();
  // A failed handler is put right here, once its message has been
  // dispatched: deep inside the handler the wizard is half through a step.
  SetHandlerFailureHandler([this](std::exception_ptr failure) {
    if (!failure_) failure_ = failure;
    PostMessageA(Handle(), WM_NULL, 0, 0);
  });
  MSG message;
  while (!closed_ && GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageA(Handle(), &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (failure_) Recover(std::exchange(failure_, nullptr));
  }
  SetHandlerFailureHandler(nullptr);
  return changed_;
}

void dlgFormfit::TellFailure(const Window* owner, const std::string& reason) {
  const std::string text =
      LanguageText(text::kFailedInside,
                   "Im Programm ist ein Fehler aufgetreten. DEDUDED.INF ist nicht zerrissen: "
                   "Die Datei hat ihren alten Inhalt oder die ganze Änderung. Der Grund:") +
      "\r\n" + reason;
  if (owner) {
    ErrorBox(owner, text);
  } else {
    StandaloneErrorBox(LanguageText(text::kDialogCaption, "Setup DU-Rodadu Dazodo v3"), text);
  }
}

void dlgFormfit::Recover(std::exception_ptr failure) {
  TellFailure(this, FailureReason(failure));
  wizard_->SetCurrentPageNo(wizard_->GetFirstPageNo());
}

void dlgFormfit::Close(bool changed) {
  // The window stays until the object goes: the wizard that asked for the
  // close is still inside its own handler.
  closed_ = true;
  changed_ = changed;
  ShowWindow(Handle(), SW_HIDE);
  PostMessageA(Handle(), WM_NULL, 0, 0);
}

bool dlgFormfit::OnWizardFinish() {
  const bool ok = wizard_->Setup().ok;
  if (ok) {
    Close(true);
  } else {
    wizard_->SetCurrentPageNo(wizard_->GetFirstPageNo());
  }
  return ok;
}

bool dlgFormfit::OnWizardAbort() {
  Close(false);
  return true;
}

bool dlgFormfit::OnCommand(int code, int id, HWND control) {
  if (id == IDCANCEL) {
    if (wizard_->CanAbort()) wizard_->OnAbort();
    return true;
  }
  return _dlgFormfit::OnCommand(code, id, control);
}

const MemberTable& dlgFormfit::ClassMembers() {
  static const MemberTable table = MemberTableOf<dlgFormfit>(&DialogWindow::ClassMembers())
                                       .Method("OnWizardFinish", &dlgFormfit::CallOnWizardFinish)
                                       .Method("OnWizardAbort", &dlgFormfit::CallOnWizardAbort);
  return table;
}

}  // namespace formfit
