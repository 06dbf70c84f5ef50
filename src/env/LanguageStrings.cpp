#include "env/LanguageStrings.h"

#include <cstdint>
#include <limits>

#include "engine/qIniFile.h"
#include "env/ProgramFile.h"

namespace formfit {

namespace {

// The decimal number at the start of `key`; none when it does not fit the
// 32 bits of a text number, so that a huge key cannot pose as a small one.
std::optional<unsigned> KeyNumber(std::string_view key) {
  std::uint64_t number = 0;
  for (char c : key) {
    if (c < '0' || c > '9') break;
    number = number * 10 + static_cast<unsigned>(c - '0');
    if (number > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
  }
  return static_cast<unsigned>(number);
}

std::string WithLineBreaks(std::string text) {
  static constexpr std::string_view kMark = "\\\\n";
  for (size_t at = text.find(kMark); at != std::string::npos; at = text.find(kMark, at + 2)) {
    text.replace(at, kMark.size(), "\r\n");
  }
  return text;
}

}  // namespace

LanguageTable LanguageTable::FromFile(const std::string& path) {
  LanguageTable table;
  for (const Pair& pair : qIniFile(path).ReadSection("Language")) {
    if (const std::optional<unsigned> number = KeyNumber(pair.key)) {
      table.entries_.push_back({*number, WithLineBreaks(pair.value)});
    }
  }
  table.entries_.push_back({0, "Language file not exist"});
  return table;
}

std::string LanguageTable::Lookup(unsigned number, std::string_view defaultText) const {
  for (const Entry& entry : entries_) {
    if (entry.number == number) return entry.text;
  }
  return std::string(defaultText);
}

std::string LanguageFilePath(std::string_view languageFile,
                             const std::optional<FileSpec>& programFile) {
  for (char c : languageFile) {
    if (IsPathSeparator(c)) return std::string(languageFile);
  }
  if (!programFile) return std::string(languageFile);
  return programFile->Drive() + programFile->Path() + std::string(languageFile);
}

namespace {

struct ProcessLanguage {
  std::optional<std::string> chosenFile;
  std::optional<LanguageTable> table;
};

ProcessLanguage& Language() {
  static ProcessLanguage language;
  return language;
}

}  // namespace

std::string LoadResString(std::string_view defaultText, unsigned number) {
  ProcessLanguage& language = Language();
  if (!language.table) {
    const std::string file = language.chosenFile.value_or("Formfit.sys");
    language.table = LanguageTable::FromFile(LanguageFilePath(file, ProgramFile()));
  }
  return language.table->Lookup(number, defaultText);
}

bool ChooseLanguageFile(std::string languageFile) {
  ProcessLanguage& language = Language();
  if (language.table) return false;
  language.chosenFile = std::move(languageFile);
  return true;
}

}  // namespace formfit
