// One run's choices: which installation, which component from which file,
// which change, and how the run goes. The command line fills it once (see
// Keywords.h); the silent run, the wizard and the command line written back
// all take it.
#pragma once

#include <optional>
#include <string>
#include <tuple>

#include "base/FileSpec.h"
#include "engine/Mode.h"

namespace formfit {

struct SetupChoice {
  std::string cavoFolder;     // as written; empty when not given (or given empty)
  std::string componentName;  // empty when not given
  std::string componentFile;  // empty when not given
  // The run asked for, read once from the mode word (so "add" and "ADD" are
  // Add); Add when no word gives a mode, none when the word names no run
  // (then nothing is done).
  std::optional<Mode> mode = Mode::kAdd;
  std::string backup;  // the backup Restore puts back, as written; empty for the newest
  bool silent = false;
  std::string previewFile;  // a silent run's diff instead of the change; empty for none
  std::string logFile;      // empty when not given
  std::string language;     // as written; empty when not given
};

// Every field equal. A field added above stops the build here until it is
// compared too.
inline bool operator==(const SetupChoice& a, const SetupChoice& b) {
  const auto& [folder, name, file, mode, backup, silent, preview, log, language] = a;
  const auto& [folderB, nameB, fileB, modeB, backupB, silentB, previewB, logB, languageB] = b;
  return std::tie(folder, name, file, mode, backup, silent, preview, log, language) ==
         std::tie(folderB, nameB, fileB, modeB, backupB, silentB, previewB, logB, languageB);
}
inline bool operator!=(const SetupChoice& a, const SetupChoice& b) { return !(a == b); }

// The installation folder as the change takes it: without blanks and tabs at
// its ends, and with a "\" at its end unless empty.
std::string ChosenFolder(const std::string& folder);

// The configuration file of the chosen installation: the chosen folder (see
// ChosenFolder), "BIN", "DEDUDED.INF". "D:\VO28" and "D:\VO28\" give
// "D:\VO28\BIN\DEDUDED.INF".
FileSpec ConfigurationFile(const SetupChoice& choice);

// The engine's run for the choice; its mode must not be none.
RunRequest RequestOf(const SetupChoice& choice);

}  // namespace formfit
