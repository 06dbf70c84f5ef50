// Every way a run of the engine can end, one row each: its status code, the
// process exit status with which a silent run reports it, its description's
// text and the line the log gets when a run decides on it. A run's status
// (StatusLabel) is made from its row.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>

#include "base/Symbol.h"
#include "engine/TextNumbers.h"

namespace formfit {

enum class Outcome {
  kInstalled,
  kDeinstalled,
  kRestored,
  // The configuration file holds the backup's bytes already.
  kBackupInPlace,
  kConfigurationNotFound,
  kComponentFileNotFound,
  kOpenError,
  // A check could not open the file to read it.
  kOpenToReadError,
  // Another program held the file open for longer than the run waits.
  kInUse,
  // The user may not change the file.
  kNoPermission,
  kMemoryLow,
  kReadError,
  kBackupError,
  // The rewrite failed and the old bytes are back.
  kWriteErrorRestored,
  // The rewrite failed and even the old bytes could not be put back: they
  // are in the backup.
  kWriteErrorInBackup,
  kNotPlaced,
  // The component file yields nothing of the component to take out: a
  // Remove could not tell what to remove.
  kNothingOfComponent,
  // What a check finds: the component whole, nothing of it, or something
  // else.
  kCheckInstalled,
  kCheckNotInstalled,
  kCheckInPart,
  // No backup under the number asked for, or none at all, that is a plain
  // file that can be read.
  kNoBackup,
};

struct OutcomeRow {
  Outcome outcome;
  const char* code;
  int exitStatus;
  // The first text of the description (see StatusLabelOf).
  unsigned description;
  // What the log says when a run decides on this outcome; null for nothing.
  const char* log;
};

inline constexpr OutcomeRow kOutcomes[] = {
    {Outcome::kInstalled, "SUCCESS", 0, text::kInstalled, "component placed"},
    {Outcome::kDeinstalled, "SUCCESS", 0, text::kDeinstalled, "component removed"},
    {Outcome::kRestored, "SUCCESS", 0, text::kRestored, nullptr},
    {Outcome::kBackupInPlace, "SUCCESS", 0, text::kBackupInPlace,
     "configuration file equals the backup: "},
    {Outcome::kConfigurationNotFound, "DEDUDED_NOT_FOUND", 2, text::kNotFoundBeforeFolder, nullptr},
    {Outcome::kComponentFileNotFound, "WED_NOT_FOUND", 3, text::kComponentFileBefore, nullptr},
    {Outcome::kOpenError, "DEDUDED_OPEN_ERROR", 4, text::kOpenError, nullptr},
    {Outcome::kOpenToReadError, "DEDUDED_OPEN_ERROR", 4, text::kOpenToReadError, nullptr},
    {Outcome::kInUse, "DEDUDED_OPEN_ERROR", 4, text::kInUse,
     "configuration file in use by another program"},
    {Outcome::kNoPermission, "DEDUDED_OPEN_ERROR", 4, text::kNoPermission,
     "no permission to change the configuration file"},
    {Outcome::kMemoryLow, "DEDUDED_MEMORY_LOW", 5, text::kMemoryLow, nullptr},
    {Outcome::kReadError, "DEDUDED_READ_ERROR", 6, text::kReadError, nullptr},
    {Outcome::kBackupError, "DEDUDED_BACKUP_ERROR", 7, text::kBackupError, nullptr},
    {Outcome::kWriteErrorRestored, "DEDUDED_WRITE_ERROR", 8, text::kWriteErrorRestored, nullptr},
    {Outcome::kWriteErrorInBackup, "DEDUDED_WRITE_ERROR", 8, text::kWriteErrorInBackup, nullptr},
    {Outcome::kNotPlaced, "COMPONENT_NOT_PLACED", 9, text::kNotPlaced, "component not placed"},
    {Outcome::kNothingOfComponent, "COMPONENT_NOT_PLACED", 9, text::kNothingOfComponent,
     "nothing of the component in its file"},
    {Outcome::kCheckInstalled, "COMPONENT_INSTALLED", 0, text::kCheckInstalled,
     "component installed"},
    {Outcome::kCheckNotInstalled, "COMPONENT_NOT_INSTALLED", 12, text::kCheckNotInstalled,
     "component not installed"},
    {Outcome::kCheckInPart, "COMPONENT_INSTALLED_IN_PART", 13, text::kCheckInPart,
     "component installed in part or from another version"},
    {Outcome::kNoBackup, "BACKUP_NOT_FOUND", 14, text::kNoBackup, nullptr},
};

// The exit status of a silent run that asked for no change (a mode word that
// names no run); no outcome has it.
inline constexpr int kNoChangeExitStatus = 1;

constexpr bool OutcomesInOrder() {
  for (std::size_t i = 0; i < std::size(kOutcomes); ++i) {
    if (static_cast<std::size_t>(kOutcomes[i].outcome) != i) return false;
  }
  return true;
}
static_assert(OutcomesInOrder(), "kOutcomes holds one row per outcome, in the order of Outcome");

constexpr const OutcomeRow& RowOf(Outcome outcome) {
  return kOutcomes[static_cast<std::size_t>(outcome)];
}

// The exit status of the outcomes whose code is `code`; kNoChangeExitStatus
// for a code no outcome has.
int ExitStatusOf(Symbol code);

// True when the run did what was asked: the file rewritten, or holding the
// backup's bytes already, or the component found installed.
constexpr bool Done(Outcome outcome) { return RowOf(outcome).exitStatus == 0; }

// The exit status of a preview whose diff could not be written; the run's
// own status is then not reported.
inline constexpr int kPreviewNotWrittenExitStatus = 10;

// The exit status of a run that failed inside the program (an exception no
// step could act on); the configuration file is then as the engine's own
// guarantees leave it: whole, and put back when its rewrite had begun.
inline constexpr int kFailedInsideExitStatus = 11;

// Every exit status a silent run can end with apart from the outcomes'.
inline constexpr std::array<int, 3> kRunExitStatuses{
    kNoChangeExitStatus, kPreviewNotWrittenExitStatus, kFailedInsideExitStatus};

// The outcome of a run: a code and the texts the wizard shows.
struct StatusLabel {
  Symbol code;
  std::string caption;
  std::string description;
};

// What a status's description names besides its texts.
struct RunFacts {
  std::string folder;         // the configuration file's folder
  std::string path;           // the configuration file's full path
  std::string componentFile;  // as given
  // Restore: the backup put back, or the one asked for (the folder when the
  // newest was asked for and there is none).
  std::string backup;
  std::string made;        // the backup the run made
  std::uint64_t size = 0;  // the configuration file's size, once read
};

class EngineEnvironment;

// The status of a run that ended with `outcome`: its row's code, `caption`,
// and the description made of the row's text, further texts and the facts
// that `outcome` names, the texts from `environment`.
StatusLabel StatusLabelOf(Outcome outcome, std::string caption, const RunFacts& facts,
                          EngineEnvironment& environment);

}  // namespace formfit
