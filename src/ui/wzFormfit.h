// The setup wizard: the five pages of a setup and the process page, the
// values of a run (installation folder, component, component file, mode)
// kept as page values, the pages prepared as they are shown, and the change
// made through the setup action.
#pragma once

#include <optional>
#include <string>

#include "app/SetupAction.h"
#include "app/SetupChoice.h"
#include "base/Symbol.h"
#include "engine/Mode.h"
#include "ui/SummaryText.h"
#include "wizard/qWizard.h"

namespace formfit {

class wzFormfit : public qWizard {
 public:
  // Makes the wizard over the owner's placeholder: page space, navigator
  // captions (texts 500 to 503), the pages of its page table (Welcome,
  // CAVOFolder, Component, Mode and Summary, with their header texts 510 to
  // 519 and their default values), Summary as the finish page and Setup as
  // the process page (520, 521). Welcome is current.
  wzFormfit& Init(DialogWindow* owner, std::optional<ResourceID> placeholderId) override;

  // Lets the page prepare itself (see SetupPage.h), then activates it as the
  // wizard does.
  bool ActivatePage(const Value& page, bool notify = true) override;

  // Gives the pages the choice's values as their first contents (what the
  // choice leaves empty stays as it is).
  void SetChoice(const SetupChoice& choice);
  // The choice as the pages hold it now: the folder as CAVOFolder gives it,
  // the mode as Mode gives it.
  SetupChoice Choice();

  // Makes the change with the values below and shows the outcome in an
  // information box owned by the wizard.
  SetupResult Setup();

  // The values of the run. Each is its page's value: written to the page
  // once it has been shown, else kept as its default value.
  // The folder, trimmed, with a "\" at its end unless empty.
  std::string CAVOFolder();
  void SetCAVOFolder(const std::string& folder);
  std::string ComponentName();
  void SetComponentName(const std::string& name);
  std::string ComponentFile();
  void SetComponentFile(const std::string& file);
  // Add when no mode is set; none when the mode set names no run.
  std::optional<formfit::Mode> Mode();
  void SetMode(std::optional<formfit::Mode> mode);
  // True while Setup makes the change: from the start of the setup action
  // until the configuration file is written or left as it was.
  bool Changing() const { return changing_; }
  // True when Cancel may be used now; the dialog's close box, Esc, Alt+F4
  // and a request to close follow it.
  bool CanAbort() const;

  // The navigator's buttons, and with them the owner's close box: greyed
  // while Cancel is disabled.
  bool ManageNavigator() override;
  bool EnableNavigator(bool enable = true) override;
  bool EnableNavigatorItem(Symbol name, bool enable = true) override;

 private:
  std::string PageString(Symbol page, Symbol name);
  void SetPageString(Symbol page, Symbol name, const Value& value);
  // The choice as the pages' default values hold it.
  SetupChoice DefaultChoice();
  // What the Summary shows besides the choice.
  SummaryContext Context();
  void FollowCancelWithCloseBox() const;
  // The setup action alone, with Changing true meanwhile.
  SetupResult Change();

  bool changing_ = false;
};

}  // namespace formfit
