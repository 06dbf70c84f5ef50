// What the Summary page lists: the choices of the run and the silent
// command line that makes the same change without the wizard.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "app/SetupChoice.h"

namespace formfit {

// What the Summary page shows besides the choice.
struct SummaryContext {
  std::string program;        // the program's own file, for the command line
  std::string componentText;  // the component as the list shows it
  std::string backupText;     // a restore's backup as the mode page shows it
};

// The language text by number, with the German default.
using SummaryTexts = std::function<std::string(unsigned number, std::string_view german)>;

// The lines of the summary, each ended by CR LF: folder, component (its text
// and, where that differs, its name), component file, change, and the
// command line under its own heading. A restore takes no component: its
// backup stands in the component's place.
std::string SummaryText(const SetupChoice& choice, const SummaryContext& context,
                        const SummaryTexts& texts);

}  // namespace formfit
