#include <algorithm>
#include <unordered_map>

#include "host/Brush.h"
#include "host/Control.h"
#include "host/DialogWindow.h"
#include "host/HandlerFailure.h"
#include "host/OwnerAlignment.h"

namespace formfit {

namespace {

// The live dialog objects by window. A window is entered when its dialog
// procedure first sees it and leaves at WM_NCDESTROY, so a handle that is
// not (or no longer) ours is never taken for an object.
std::unordered_map<HWND, DialogWindow*>& Dialogs() {
  static std::unordered_map<HWND, DialogWindow*> dialogs;
  return dialogs;
}

}  // namespace

DialogWindow::~DialogWindow() {
  Destroy();
  // A window that failed to be made may have left its entry behind.
  for (auto it = Dialogs().begin(); it != Dialogs().end();) {
    it = it->second == this ? Dialogs().erase(it) : std::next(it);
  }
}

bool DialogWindow::Create(HWND parent, const ResourceID& dialogTemplate) {
  if (Exists()) return false;
  modal_ = false;
  failure_ = nullptr;
  const LPCSTR name = dialogTemplate.IsNumber() ? MAKEINTRESOURCEA(dialogTemplate.Number())
                                                : dialogTemplate.Name().c_str();
  creating_ = true;
  CreateDialogParamA(GetModuleHandleA(nullptr), name, parent, DialogProc,
                     reinterpret_cast<LPARAM>(this));
  creating_ = false;
  if (failure_) {
    Destroy();
    std::rethrow_exception(std::exchange(failure_, nullptr));
  }
  return Exists();
}

INT_PTR DialogWindow::ShowModal(HWND parent, const ResourceID& dialogTemplate) {
  if (Exists()) return -1;
  modal_ = true;
  failure_ = nullptr;
  const LPCSTR name = dialogTemplate.IsNumber() ? MAKEINTRESOURCEA(dialogTemplate.Number())
                                                : dialogTemplate.Name().c_str();
  const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), name, parent, DialogProc,
                                         reinterpret_cast<LPARAM>(this));
  modal_ = false;
  if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
  return result;
}

void DialogWindow::EndDialog(INT_PTR result) {
  if (!Exists()) return;
  if (modal_) {
    ::EndDialog(Handle(), result);
  } else {
    Destroy();
  }
}

bool DialogWindow::Destroy() {
  if (Exists()) DestroyWindow(Handle());
  return !Exists();
}

DialogWindow* DialogWindow::FromHandle(HWND handle) {
  const auto found = Dialogs().find(handle);
  return found == Dialogs().end() ? nullptr : found->second;
}

void DialogWindow::AlignChild(HWND child, int alignment) {
  alignments_.erase(
      std::remove_if(alignments_.begin(), alignments_.end(),
                     [child](const Alignment& entry) { return entry.child == child; }),
      alignments_.end());
  if (alignment == 0 || !child) return;
  alignments_.push_back({child, alignment, Window(child).GetBounds(), ClientSize()});
}

void DialogWindow::SetChildBackground(HWND child, const Brush* brush) {
  backgrounds_.erase(
      std::remove_if(backgrounds_.begin(), backgrounds_.end(),
                     [child](const Background& entry) { return entry.child == child; }),
      backgrounds_.end());
  if (brush && child) backgrounds_.push_back({child, brush});
  if (child && IsWindow(child)) InvalidateRect(child, nullptr, TRUE);
}

void DialogWindow::SetBackground(const Brush* brush) {
  background_ = brush;
  if (Exists()) InvalidateRect(Handle(), nullptr, TRUE);
}

void DialogWindow::AttachControl(Control& control) { controls_.push_back(&control); }

void DialogWindow::DetachControl(Control& control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
}

Control* DialogWindow::FindControl(int id) const {
  for (Control* control : controls_) {
    if (control->Id() == id) return control;
  }
  return nullptr;
}

bool DialogWindow::OnCommand(int code, int id, HWND control) {
  if (code == BN_CLICKED && control) {
    if (Control* button = FindControl(id)) return OnButtonClicked(*button);
  }
  if (id == IDCANCEL && modal_) {
    EndDialog(IDCANCEL);
    return true;
  }
  return false;
}

bool DialogWindow::OnButtonClicked(Control& button) {
  const Symbol name = button.Label().name;
  if (name == Symbol() || !HasMethod(name)) return false;
  Call(name);
  return true;
}

void DialogWindow::OnSize(Dimension) { ApplyAlignments(); }

void DialogWindow::ApplyAlignments() {
  const Dimension client = ClientSize();
  for (const Alignment& entry : alignments_) {
    if (!IsWindow(entry.child)) continue;
    const Bounds bounds = AlignToOwner(entry.start, entry.ownerAtStart, client, entry.bits);
    SetWindowPos(entry.child, nullptr, bounds.origin.x, bounds.origin.y, bounds.size.width,
                 bounds.size.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

INT_PTR DialogWindow::Paint(HDC dc, HWND child) {
  const Brush* brush = background_;
  if (child != Handle()) {
    brush = nullptr;
    for (const Background& entry : backgrounds_) {
      if (entry.child == child) brush = entry.brush;
    }
  }
  if (!brush) return FALSE;
  SetBkColor(dc, brush->Ref());
  return reinterpret_cast<INT_PTR>(brush->Handle());
}

void DialogWindow::Forget() {
  Dialogs().erase(Handle());
  SetHandle(nullptr);
  alignments_.clear();
  backgrounds_.clear();
}

INT_PTR CALLBACK DialogWindow::DialogProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  DialogWindow* dialog = nullptr;
  if (message == WM_INITDIALOG) {
    dialog = reinterpret_cast<DialogWindow*>(lParam);
    dialog->SetHandle(handle);
    Dialogs()[handle] = dialog;
  } else {
    dialog = FromHandle(handle);
  }
  // Messages before WM_INITDIALOG (WM_SETFONT and the like) need no object.
  if (!dialog) return FALSE;
  try {
    return dialog->Dispatch(message, wParam, lParam);
  } catch (...) {
    if (dialog->failure_ == nullptr) dialog->failure_ = std::current_exception();
    if (dialog->modal_) {
      ::EndDialog(handle, -1);
    } else if (!dialog->creating_) {
      // Made already: no caller waits for this dialog's result.
      ReportHandlerFailure(std::exchange(dialog->failure_, nullptr));
    }
    return FALSE;
  }
}

LRESULT DialogWindow::NestedDefaultId() const {
  const HWND focus = GetFocus();
  if (!focus || !IsChild(Handle(), focus)) return 0;
  for (HWND window = GetParent(focus); window && window != Handle(); window = GetParent(window)) {
    if (!FromHandle(window)) continue;
    const LRESULT answer = SendMessageA(window, DM_GETDEFID, 0, 0);
    // A dialog without a default button of its own still answers IDOK.
    if (HIWORD(answer) == DC_HASDEFID && GetDlgItem(window, LOWORD(answer))) return answer;
  }
  return 0;
}

INT_PTR DialogWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInit() ? TRUE : FALSE;
    case WM_COMMAND: {
      const auto control = reinterpret_cast<HWND>(lParam);
      const HWND holder = control ? GetParent(control) : nullptr;
      if (holder && holder != Handle() && FromHandle(holder)) {
        SendMessageA(holder, WM_COMMAND, wParam, lParam);
        return TRUE;
      }
      return OnCommand(HIWORD(wParam), LOWORD(wParam), control) ? TRUE : FALSE;
    }
    case DM_GETDEFID:
      if (const LRESULT nested = NestedDefaultId()) {
        SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, nested);
        return TRUE;
      }
      return FALSE;
    case WM_SIZE:
      OnSize({LOWORD(lParam), HIWORD(lParam)});
      return FALSE;
    case WM_GETMINMAXINFO: {
      auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
      limits->ptMinTrackSize.x = std::max<LONG>(limits->ptMinTrackSize.x, minimumSize_.width);
      limits->ptMinTrackSize.y = std::max<LONG>(limits->ptMinTrackSize.y, minimumSize_.height);
      return TRUE;
    }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
      return Paint(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_QUERYENDSESSION:
      SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, OnQueryEndSession() ? TRUE : FALSE);
      return TRUE;
    case WM_DESTROY:
      OnDestroy();
      return FALSE;
    case WM_NCDESTROY:
      Forget();
      return FALSE;
  }
  return FALSE;
}

}  // namespace formfit
