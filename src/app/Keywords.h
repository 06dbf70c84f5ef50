// The command-line keywords: what the words of the command line say about
// the run.
//
// Keys, compared with the word's start in lower case: "cavopath=" (the
// Visual Objects folder), "component=" (the component's name), "compfile="
// (the component file), "mode=" (Add or Remove) and "silent" (run without
// showing anything; any word that begins with it, such as SILENT or
// silentmode). Three more keys ask for what installers need: "preview="
// (a silent run writes the diff of its change to this file and changes
// nothing), "log=" (the setup log goes to this file) and "lang=" (en or de,
// the language file). For each key only the first word that carries it counts;
// the value is the rest of that word as written. Words that carry no key are
// ignored.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Symbol.h"

namespace formfit {

// The keys, as the words carry them in lower case.
namespace key {
inline constexpr std::string_view kCavoPath = "cavopath=";
inline constexpr std::string_view kComponent = "component=";
inline constexpr std::string_view kComponentFile = "compfile=";
inline constexpr std::string_view kMode = "mode=";
inline constexpr std::string_view kSilent = "silent";
inline constexpr std::string_view kPreview = "preview=";
inline constexpr std::string_view kLog = "log=";
inline constexpr std::string_view kLanguage = "lang=";
inline constexpr std::array<std::string_view, 8> kAll{
    kCavoPath, kComponent, kComponentFile, kMode, kSilent, kPreview, kLog, kLanguage};
}  // namespace key

struct Keywords {
  std::string cavoFolder;     // empty when not given (or given empty)
  std::string componentName;  // empty when not given
  std::string componentFile;  // empty when not given
  // The mode word's value as a symbol (so "add" and "ADD" are Add); none when
  // no word gives a mode. A value other than Add or Remove selects no action.
  std::optional<Symbol> mode;
  bool silent = false;
  std::string previewFile;  // empty when not given
  std::string logFile;      // empty when not given
  std::string language;     // as written; empty when not given
};

// Every field equal. A field added above stops the build here until it is
// compared too.
bool operator==(const Keywords& a, const Keywords& b);
inline bool operator!=(const Keywords& a, const Keywords& b) { return !(a == b); }

Keywords ReadKeywords(const std::vector<std::string>& words);

// The other form: a single folder, and nothing else.
Keywords ReadKeywords(std::string_view cavoFolder);

}  // namespace formfit
