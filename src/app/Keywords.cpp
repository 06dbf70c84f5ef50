#include "app/Keywords.h"

#include <tuple>

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

Keywords ReadKeywords(const std::vector<std::string>& words) {
  Keywords keywords;
  keywords.cavoFolder = FirstValue(words, key::kCavoPath).value_or("");
  keywords.componentName = FirstValue(words, key::kComponent).value_or("");
  keywords.componentFile = FirstValue(words, key::kComponentFile).value_or("");
  if (const std::optional<std::string> mode = FirstValue(words, key::kMode)) {
    keywords.mode = Symbol(*mode);
  }
  keywords.silent = FirstValue(words, key::kSilent).has_value();
  keywords.previewFile = FirstValue(words, key::kPreview).value_or("");
  keywords.logFile = FirstValue(words, key::kLog).value_or("");
  keywords.language = FirstValue(words, key::kLanguage).value_or("");
  return keywords;
}

bool operator==(const Keywords& a, const Keywords& b) {
  // The bindings must name every field.
  const auto& [folder, name, file, mode, silent, preview, log, language] = a;
  const auto& [folderB, nameB, fileB, modeB, silentB, previewB, logB, languageB] = b;
  return std::tie(folder, name, file, mode, silent, preview, log, language) ==
         std::tie(folderB, nameB, fileB, modeB, silentB, previewB, logB, languageB);
}

Keywords ReadKeywords(std::string_view cavoFolder) {
  Keywords keywords;
  keywords.cavoFolder = std::string(cavoFolder);
  return keywords;
}

}  // namespace formfit
