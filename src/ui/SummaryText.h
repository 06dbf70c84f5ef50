// What the Summary page lists: the choices of the run and the silent
// command line that makes the same change without the wizard.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/Symbol.h"

namespace formfit {

struct SummaryChoices {
  std::string program;        // the program's own file
  std::string folder;         // the installation folder
  std::string componentText;  // the component as the list shows it
  std::string componentName;  // the component's name in its file
  std::string componentFile;
  Symbol mode;
};

// The command line of a silent run with the same choices: the program, the
// words cavopath=, component=, compfile=, mode= and silent, each quoted where
// the program's own word splitting needs it. None when a value cannot be
// written so that the program reads it back unchanged.
std::optional<std::string> SilentCommandLine(const SummaryChoices& choices);

// The language text by number, with the German default.
using SummaryTexts = std::function<std::string(unsigned number, std::string_view german)>;

// The lines of the summary, each ended by CR LF: folder, component (its text
// and, where that differs, its name), component file, change, and the
// command line under its own heading.
std::string SummaryText(const SummaryChoices& choices, const SummaryTexts& texts);

}  // namespace formfit
