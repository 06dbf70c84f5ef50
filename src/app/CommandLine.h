// Command lines written from words, so that GetParameterList reads the same
// words back.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace formfit {

// The word written so that GetParameterList reads it back as exactly this word, or none when no
// writing can (a word that holds all three closing characters and needs quoting).
std::optional<std::string> QuoteWord(std::string_view word);

// The words joined by single blanks, each as QuoteWord writes it; none when a word cannot be written.
std::optional<std::string> CommandLineOf(const std::vector<std::string>& words);

}  // namespace formfit
