// The setup wizard's page classes by name, as its page table names them.
#pragma once

#include <memory>

#include "base/Symbol.h"
#include "wizard/qWizardPage.h"

namespace formfit {

// A new page of the class `pageClass` (wzpInfo, wzpFolderChoice,
// wzpComponentChoice, wzpChangeMode or wzpSummary, case aside), made as a hidden child
// of `wizard`, which places it; null for any other name.
std::unique_ptr<qWizardPage> CreateSetupPage(Symbol pageClass, DialogWindow* wizard);

}  // namespace formfit
