// What every page of the setup wizard has beyond its wizard page: it
// prepares itself before each visit, from the run's choice.
#pragma once

#include "app/SetupChoice.h"
#include "ui/SummaryText.h"

namespace formfit {

// What a page is told before it is shown.
struct PageVisit {
  bool first;                     // the page has not been shown before
  const SetupChoice& current;     // the choice as the pages hold it now
  const SetupChoice& defaults;    // the choice the pages were given (the command line's)
  const SummaryContext& context;  // the program's file and the component's text
};

class SetupPage {
 public:
  virtual ~SetupPage() = default;
  // Called before every visit; the wizard gives the page its default values
  // after the first call. The default prepares nothing.
  virtual void Prepare(const PageVisit&) {}
};

}  // namespace formfit
