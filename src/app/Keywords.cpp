#include "app/Keywords.h"

#include <optional>

#include "base/StringRules.h"

namespace formfit {

namespace {

// The rest of the first word that begins with the key in lower case, or
// empty for the first word that is one of its switches.
std::optional<std::string> FirstValue(const std::vector<std::string>& words,
                                      const Keyword& keyword) {
  const std::string_view key = keyword.key;
  for (const std::string& word : words) {
    if (word.size() >= key.size() && Lower(std::string_view(word).substr(0, key.size())) == key) {
      return word.substr(key.size());
    }
    for (const std::string_view switchWord : keyword.switches) {
      if (!switchWord.empty() && Lower(word) == switchWord) return std::string();
    }
  }
  return std::nullopt;
}

}  // namespace

SetupChoice ReadKeywords(const std::vector<std::string>& words) {
  SetupChoice choice;
  for (const Keyword& keyword : kKeywords) {
    if (std::optional<std::string> value = FirstValue(words, keyword)) {
      keyword.take(choice, std::move(*value));
    }
  }
  return choice;
}

}  // namespace formfit
