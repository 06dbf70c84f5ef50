#include "ui/SetupPages.h"
#include "ui/wzpChangeMode.h"
#include "ui/wzpComponentChoice.h"
#include "ui/wzpFolderChoice.h"
#include "ui/wzpInfo.h"
#include "ui/wzpSummary.h"

namespace formfit {

namespace {

template <typename Page>
std::unique_ptr<qWizardPage> Made(DialogWindow* wizard) {
  auto page = std::make_unique<Page>();
  page->Init(wizard);
  return page;
}

}  // namespace

std::unique_ptr<qWizardPage> CreateSetupPage(Symbol pageClass, DialogWindow* wizard) {
  if (pageClass == Symbol("wzpInfo")) return Made<wzpInfo>(wizard);
  if (pageClass == Symbol("wzpFolderChoice")) return Made<wzpFolderChoice>(wizard);
  if (pageClass == Symbol("wzpComponentChoice")) return Made<wzpComponentChoice>(wizard);
  if (pageClass == Symbol("wzpChangeMode")) return Made<wzpChangeMode>(wizard);
  if (pageClass == Symbol("wzpSummary")) return Made<wzpSummary>(wizard);
  return nullptr;
}

}  // namespace formfit
