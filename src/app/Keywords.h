// The command-line keywords: what the words of the command line say about
// the run, one row a key.
//
// A key is compared with the word's start in lower case. For each key only
// the first word that carries it counts; the value is the rest of that word
// as written. Words that carry no key are ignored. The keys: "cavopath="
// (the installation folder), "component=" (the component's name),
// "compfile=" (the component file), "mode=" (Add, Remove, Check or
// Restore), "backup=" (the number of the backup Restore puts back),
// "silent" (run without showing anything; any word that begins with it,
// such as SILENT or silentmode, and the installer switches /S, /SILENT and
// /VERYSILENT as whole words in any case), and for installers "preview="
// (a silent run writes the diff of its change to this file and changes
// nothing), "log=" (the setup log goes to this file) and "lang=" (en or
// de, the language file).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/SetupChoice.h"

namespace formfit {

struct Keyword {
  std::string_view key;
  // Puts the word's value (the rest of the word) into the choice.
  void (*take)(SetupChoice& choice, std::string value);
  // Whole words, compared in lower case, that count as the key with an
  // empty value.
  std::array<std::string_view, 3> switches{};
};

inline constexpr Keyword kKeywords[] = {
    {"cavopath=", [](SetupChoice& c, std::string v) { c.cavoFolder = std::move(v); }},
    {"component=", [](SetupChoice& c, std::string v) { c.componentName = std::move(v); }},
    {"compfile=", [](SetupChoice& c, std::string v) { c.componentFile = std::move(v); }},
    {"mode=", [](SetupChoice& c, std::string v) { c.mode = ReadMode(v); }},
    {"backup=", [](SetupChoice& c, std::string v) { c.backup = std::move(v); }},
    // The switches installer authors type for an unattended run: without
    // them an installer that calls the program would wait on the wizard.
    {"silent",
     [](SetupChoice& c, std::string) { c.silent = true; },
     {"/s", "/silent", "/verysilent"}},
    {"preview=", [](SetupChoice& c, std::string v) { c.previewFile = std::move(v); }},
    {"log=", [](SetupChoice& c, std::string v) { c.logFile = std::move(v); }},
    {"lang=", [](SetupChoice& c, std::string v) { c.language = std::move(v); }},
};

// The choice the words make.
SetupChoice ReadKeywords(const std::vector<std::string>& words);

}  // namespace formfit
