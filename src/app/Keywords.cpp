#include "app/Keywords.h"

#include <optional>

#include "base/StringRules.h"

namespace formfit {

namespace {

// The rest of the first word that begins with `key` in lower case.
std::optional<std::string> FirstValue(const std::vector<std::string>& words, std::string_view key) {
  for (const std::string& word : words) {
    if (word.size() >= key.size() && Lower(std::string_view(word).substr(0, key.size())) == key) {
      return word.substr(key.size());
    }
  }
  return std::nullopt;
}

}  // namespace

SetupChoice ReadKeywords(const std::vector<std::string>& words) {
  SetupChoice choice;
  for (const Keyword& keyword : kKeywords) {
    if (std::optional<std::string> value = FirstValue(words, keyword.key)) {
      keyword.take(choice, std::move(*value));
    }
  }
  return choice;
}

}  // namespace formfit
