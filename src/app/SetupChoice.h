// One run's choices, as the command line gives them: which installation,
// which component from which file, which change, and how the run goes.
#pragma once

#include <string>

#include "app/Keywords.h"
#include "app/SetupAction.h"
#include "base/Symbol.h"

namespace formfit {

struct SetupChoice {
  // The installation folder, without blanks and tabs at its ends and with a
  // "\" at its end unless empty.
  std::string folder;
  std::string componentName;
  std::string componentFile;
  // The mode word's value; Add when the words give none.
  Symbol mode = Symbol("Add");
  bool silent = false;
  // Where a silent run writes its diff instead of making the change; empty
  // for none.
  std::string previewFile;
};

// The choice the keywords make.
SetupChoice ChoiceOf(const Keywords& keywords);

// The installation folder as a choice holds it (see SetupChoice::folder).
std::string ChosenFolder(const std::string& folder);

// Makes the change (a preview, when one is asked for) in the environment;
// its outcome.
SetupResult RunChoice(EngineEnvironment& environment, const SetupChoice& choice);

}  // namespace formfit
