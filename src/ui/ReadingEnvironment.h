// The program's environment for the wizard's runs that only read before
// Finish: the mode page's check and the preview of the changes.
#pragma once

#include "app/ProgramEnvironment.h"

namespace formfit {

// A configuration file that another program holds is not waited for: the
// page or the window says so at once and blocks nothing. Finish, which
// changes the file, still waits for it.
class ReadingEnvironment : public ProgramEnvironment {
 public:
  void Pause(unsigned) override {}
};

}  // namespace formfit
