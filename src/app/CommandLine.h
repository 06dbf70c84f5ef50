// Command lines written from words, so that GetParameterList reads the same
// words back.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/SetupChoice.h"

namespace formfit {

// The word written so that GetParameterList reads it back as exactly this word, or none when no
// writing can (a word that holds all three closing characters and needs quoting).
std::optional<std::string> QuoteWord(std::string_view word);

// The words joined by single blanks, each as QuoteWord writes it; none when a word cannot be
// written.
std::optional<std::string> CommandLineOf(const std::vector<std::string>& words);

// The command line of a silent run that makes the change `choice` asks for:
// `program`, then the words cavopath=, component=, compfile=, mode= and
// silent (for a restore cavopath=, mode=, backup= and silent), each quoted
// where the program's own word splitting needs it. None for a check or a
// mode that asks for no change, and when a value cannot be written so that
// the program reads it back unchanged.
std::optional<std::string> SilentCommandLine(const std::string& program, const SetupChoice& choice);

}  // namespace formfit
