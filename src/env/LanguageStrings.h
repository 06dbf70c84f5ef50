// The language texts: every text the user sees is fetched by number, from
// the language file Formfit.sys beside the program when it has the number,
// else the caller's default.
//
// The language file is an INI file; its section "Language" holds lines
// number=text. A key is read as a decimal number from its start (a key that
// does not begin with a digit counts as 0; one too large for 32 bits is
// ignored). In a text, each "\\n" (backslash, backslash, n) stands for a line
// break and becomes CR LF.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/FileSpec.h"

namespace formfit {

class LanguageTable {
 public:
  struct Entry {
    unsigned number;
    std::string text;
  };

  // The entries of the file's section "Language" in file order, followed by
  // (0, "Language file not exist"). A missing file, or one without that
  // section, gives that last entry only.
  static LanguageTable FromFile(const std::string& path);

  // The text of the first entry with `number`; `defaultText` when there is
  // none. An entry with an empty text gives the empty text.
  std::string Lookup(unsigned number, std::string_view defaultText) const;

  const std::vector<Entry>& Entries() const { return entries_; }

 private:
  std::vector<Entry> entries_;
};

// Where the language file `languageFile` is read: a bare file name (no
// folder separator in it) lies in the program's folder, whatever the current
// folder is; anything else is taken as given. Also taken as given when the
// program's file is unknown.
std::string LanguageFilePath(std::string_view languageFile,
                             const std::optional<FileSpec>& programFile);

// The language text `number`, or `defaultText`. The first call builds the
// table of the whole process from the language file (see LanguageFilePath):
// the chosen one (ChooseLanguageFile), else "Formfit.sys". Every later call
// is served from that table; a file changed while the program runs is not
// seen.
std::string LoadResString(std::string_view defaultText, unsigned number);

// Makes the process's table come from `languageFile` (see LanguageFilePath)
// instead of "Formfit.sys". It can only be chosen before the first lookup:
// false, and no effect, after it.
bool ChooseLanguageFile(std::string languageFile);

}  // namespace formfit
