// A dialog window made from a dialog template by name, modal or modeless.
//
// All dialogs of this class share one dialog procedure: it records the object
// when the window is made and turns messages into calls of the typed virtual
// handlers below. No exception leaves the procedure: one thrown by a handler
// ends a modal dialog (ShowModal rethrows it), and is rethrown by Create when
// it happens while a modeless dialog is being made; thrown later, it goes to
// the program's handler of failures (HandlerFailure.h).
//
// The object owns its window: destroying the object destroys the window. The
// dialog also keeps what its children need of it: owner alignments (applied
// on WM_SIZE) and background brushes (answered on WM_CTLCOLOR...).
//
// Dialogs nest: a composite control is a dialog of this class inside another
// one. The platform's dialog manager, run for the top dialog, asks only the
// top dialog for the default button and sends it the commands of Enter and
// of mnemonics, also for buttons of a nested dialog. So a dialog answers the
// default-button question with the default button of the nested dialog that
// holds the focus, and passes a command of a nested dialog's control on to
// that dialog.
#pragma once

#include <windows.h>

#include <exception>
#include <vector>

#include "host/ResourceID.h"
#include "host/Window.h"

namespace formfit {

class Brush;
class Control;

class DialogWindow : public Window {
 public:
  DialogWindow() = default;
  ~DialogWindow() override;

  // Makes the dialog from the template in this program's resources as a
  // modeless window of `parent` (which may be null for a top-level window).
  // True when the window exists afterwards.
  bool Create(HWND parent, const ResourceID& dialogTemplate);
  // Makes the dialog and runs it modally: returns the value given to
  // EndDialog, or -1 when the template cannot be made.
  INT_PTR ShowModal(HWND parent, const ResourceID& dialogTemplate);
  // Ends a modal dialog with `result`; destroys a modeless one.
  void EndDialog(INT_PTR result);
  // Destroys the window (if it still exists); true afterwards.
  virtual bool Destroy();

  // The dialog object of a window made by this class; null for any other
  // window, also for a window of this class that is being destroyed.
  static DialogWindow* FromHandle(HWND handle);

  // Keeps `child` at its distances by these OwnerAlignment bits from now on;
  // 0 stops it. The distances are taken from the child's place and this
  // dialog's client size at the time of the call.
  void AlignChild(HWND child, int alignment);
  // Paints `child` on this brush (null for the default); the brush must live
  // as long as it is set.
  void SetChildBackground(HWND child, const Brush* brush);
  // Paints the dialog itself on this brush (null for the default).
  void SetBackground(const Brush* brush);
  // The user cannot make the window smaller than `size` (its outer size).
  void SetMinimumSize(Dimension size) { minimumSize_ = size; }

  // Called by Control when it binds to or leaves an item of this dialog.
  void AttachControl(Control& control);
  void DetachControl(Control& control);
  // The bound control object for this item id; null when none.
  Control* FindControl(int id) const;

 protected:
  // WM_INITDIALOG; answer true to let the dialog manager set the focus.
  virtual bool OnInit() { return true; }
  // WM_COMMAND; answer true when handled. The default sends a click of a
  // bound push button to OnButtonClicked and closes a modal dialog on
  // IDCANCEL (Esc, the close box).
  virtual bool OnCommand(int code, int id, HWND control);
  // A click on a push button. The default calls this dialog's method that
  // bears the button's label name, when there is one; true when called.
  virtual bool OnButtonClicked(Control& button);
  // The client area changed its size; the default applies the owner
  // alignments of the children.
  virtual void OnSize(Dimension client);
  // The window is being destroyed (children still exist).
  virtual void OnDestroy() {}
  // WM_QUERYENDSESSION: true lets the session end.
  virtual bool OnQueryEndSession() { return true; }

 private:
  struct Alignment {
    HWND child;
    int bits;
    Bounds start;
    Dimension ownerAtStart;
  };
  struct Background {
    HWND child;
    const Brush* brush;
  };

  static INT_PTR CALLBACK DialogProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Paint(HDC dc, HWND child);
  void ApplyAlignments();
  void Forget();
  // The default-button answer (DM_GETDEFID) of the innermost nested dialog
  // of this class that holds the focus and has a default button; 0 when
  // there is none.
  LRESULT NestedDefaultId() const;

  bool modal_ = false;
  bool creating_ = false;
  std::exception_ptr failure_;
  std::vector<Alignment> alignments_;
  std::vector<Background> backgrounds_;
  const Brush* background_ = nullptr;
  Dimension minimumSize_{};
  std::vector<Control*> controls_;
};

}  // namespace formfit
