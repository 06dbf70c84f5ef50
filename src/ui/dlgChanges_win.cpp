#include "FormfitRes.h"
#include "host/OwnerAlignment.h"
#include "ui/LanguageText.h"
#include "ui/TextNumbers.h"
#include "ui/dlgChanges.h"

namespace formfit {

void dlgChanges::Show(const Window& owner) {
  ShowModal(GetAncestor(owner.Handle(), GA_ROOT), ResourceID("_dlgChanges"));
}

bool dlgChanges::OnInit() {
  SetCaption(LanguageText(text::kChangesCaption, "Änderungen an DEDUDED.INF"));
  sleChanges = std::make_unique<ReadOnlyText>(*this, IDE_CHANGES);
  sleChanges->SetFont(fixed_);
  // The field would take no more than its default 30,000 characters.
  sleChanges->Send(EM_SETLIMITTEXT, 0, 0);
  sleChanges->SetTextValue(text_);
  sleChanges->SetOwnerAlignment(OwnerAlignment::FollowSize);
  pbClose = std::make_unique<PushButton>(*this, IDB_CHANGES_CLOSE);
  pbClose->SetTextValue(LanguageText(text::kChangesClose, "&Schließen"));
  pbClose->SetOwnerAlignment(OwnerAlignment::KeepCorner);
  SetMinimumSize(Size());
  // The field has the focus, so that the keys scroll it, and nothing is
  // selected in it.
  sleChanges->SetFocus();
  sleChanges->Send(EM_SETSEL, 0, 0);
  return false;
}

bool dlgChanges::OnCommand(int code, int id, HWND control) {
  if (id == IDB_CHANGES_CLOSE || id == IDOK || id == IDCANCEL) {
    EndDialog(id);
    return true;
  }
  return DialogWindow::OnCommand(code, id, control);
}

}  // namespace formfit
