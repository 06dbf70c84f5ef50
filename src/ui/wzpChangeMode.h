// The page on which the user chooses the change: adding the component to
// the Window Editor, removing it, or putting the last backup copy of the
// configuration file back. Under the choices it says what the check run
// finds of the component.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "engine/Backups.h"
#include "engine/Mode.h"
#include "host/RadioButton.h"
#include "host/TextControls.h"
#include "ui/ComponentState.h"
#include "ui/SetupPage.h"
#include "wizard/qWizardPage.h"

namespace formfit {

// The layout class of the template "_wzpChangeMode".
class _wzpChangeMode : public qWizardPage {
 public:
  // Makes the page as a hidden child of `owner` (the wizard), which places
  // it; over the owner's placeholder control instead when one is given.
  // The group box (text 580), the restore button and the two lines follow
  // the page's width; the buttons are texts 581 to 583 and stand for the
  // values Add, Remove and Restore.
  _wzpChangeMode& Init(DialogWindow* owner, std::optional<ResourceID> placeholderId = std::nullopt);

 protected:
  // All exist from Init on.
  std::unique_ptr<RadioButton> Add;
  std::unique_ptr<RadioButton> Remove;
  std::unique_ptr<RadioButton> Restore;
  std::unique_ptr<RadioButtonGroup> rbgMode;
  std::unique_ptr<FixedText> ftBackup;
  std::unique_ptr<FixedText> ftState;
};

// By name: Mode (read/write, the symbol of the mode's word, or the empty
// symbol for none), Backup (read-only, string). The base's validation:
// every move is allowed.
class wzpChangeMode : public _wzpChangeMode, public SetupPage {
 public:
  // On every visit: checks the chosen component (reading only) and shows
  // what it finds under the choices (texts 620 to 627), and shows the
  // backup a plain restore would put back beside its choice, with its last
  // write time, or greys the choice with text 584 when the folder has none.
  // Then, unless a mode was chosen on the page before (by the user, or by
  // name: the command line's), presses Remove for a component installed
  // whole and Add otherwise. A chosen restore whose backup is gone is
  // chosen no more.
  void Prepare(const PageVisit& visit) override;

  // Add, Remove or Restore, by the button pressed; none when none is.
  std::optional<formfit::Mode> Mode() const;
  // Presses that button and releases the others, as a click does; Restore
  // only while there is a backup to put back. Any other mode changes
  // nothing.
  void SetMode(formfit::Mode mode);

  // The number of the backup the restore choice puts back, in three digits
  // as a command line gives it; empty when there is none.
  std::string Backup() const;
  // That backup's line as the page shows it (name, date and time); empty
  // when there is none.
  std::string BackupText() const;
  // What the last check found; none before the first visit.
  std::optional<ComponentState> State() const { return state_; }

  static const MemberTable& ClassMembers();

 protected:
  const MemberTable& Members() const override { return ClassMembers(); }
  // A click on one of the buttons, by mouse or key, is the user's choice.
  bool OnCommand(int code, int id, HWND control) override;

 private:
  void ShowBackup(std::optional<FoundBackup> backup);
  Value ModeValue() const;
  // A mode given by name is a choice the page keeps.
  Value SetModeValue(const Value& value);
  Value BackupValue() const { return Backup(); }

  std::optional<FoundBackup> backup_;
  std::optional<ComponentState> state_;
  bool chosen_ = false;
};

}  // namespace formfit
