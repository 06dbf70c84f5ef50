// The setup dialog, the program's only window: a dialog filled by the setup
// wizard. It is built hidden with the command line read into the wizard, and
// Show runs it modally. (A silent run makes no window: see Start.h.)
#pragma once

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "app/Start.h"
#include "host/DialogWindow.h"
#include "ui/wzFormfit.h"

namespace formfit {

// The layout class of the template "_dlgFormfit".
class _dlgFormfit : public DialogWindow {
 public:
  // Makes the hidden dialog with the caption text 100.
  _dlgFormfit();

 protected:
  // Makes the wizard over the placeholder, following the dialog's width and
  // height. Called by the finished dialog class: the wizard looks up its
  // owner's handlers when it is made.
  void CreateWizard();

  std::unique_ptr<wzFormfit> wizard_;
};

class dlgFormfit : public _dlgFormfit, public SetupDialog {
 public:
  // The dialog on the choice the command line made: the wizard's pages show
  // it first.
  explicit dlgFormfit(const SetupChoice& choice);

  wzFormfit& Wizard() { return *wizard_; }

  // Shows the dialog and runs it until the wizard finished or was aborted;
  // true when it closed after a change that succeeded.
  bool Show() override;

  // Tells the user that the program failed inside, with the reason, in an
  // error box owned by `owner` (may be null).
  static void TellFailure(const Window* owner, const std::string& reason);

  // The wizard's notifications. Finish makes the change: on success the
  // dialog closes, otherwise the wizard goes back to its first page with
  // every choice kept. Abort closes the dialog without a change.
  bool OnWizardFinish();
  bool OnWizardAbort();

  static const MemberTable& ClassMembers();

 protected:
  const MemberTable& Members() const override { return ClassMembers(); }
  // Esc, Alt+F4, the close box and a request to close abort as the Cancel
  // button does, and only while it may be used: never during the change.
  bool OnCommand(int code, int id, HWND control) override;
  // The session may end, but not while the change is being made.
  bool OnQueryEndSession() override { return !wizard_->Changing(); }

 private:
  void Close(bool changed);
  // After a handler failed: the error box, then the wizard on its first
  // page, usable as after a failed change.
  void Recover(std::exception_ptr failure);
  Value CallOnWizardFinish(const ValueList&) { return OnWizardFinish(); }
  Value CallOnWizardAbort(const ValueList&) { return OnWizardAbort(); }

  bool closed_ = false;
  bool changed_ = false;
  std::exception_ptr failure_;
};

}  // namespace formfit
