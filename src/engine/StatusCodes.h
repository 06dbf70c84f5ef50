// Every status code the engine sets, and the process exit status with which
// a silent run reports it.
#pragma once

#include <array>

#include "base/Symbol.h"

namespace formfit::status {

inline constexpr char kSuccess[] = "SUCCESS";
inline constexpr char kConfigurationNotFound[] = "DEDUDED_NOT_FOUND";
inline constexpr char kComponentFileNotFound[] = "WED_NOT_FOUND";
inline constexpr char kOpenError[] = "DEDUDED_OPEN_ERROR";
inline constexpr char kMemoryLow[] = "DEDUDED_MEMORY_LOW";
inline constexpr char kReadError[] = "DEDUDED_READ_ERROR";
inline constexpr char kBackupError[] = "DEDUDED_BACKUP_ERROR";
inline constexpr char kWriteError[] = "DEDUDED_WRITE_ERROR";
inline constexpr char kNotPlaced[] = "COMPONENT_NOT_PLACED";
// What Check finds: the component whole, nothing of it, or something else.
inline constexpr char kInstalled[] = "COMPONENT_INSTALLED";
inline constexpr char kNotInstalled[] = "COMPONENT_NOT_INSTALLED";
inline constexpr char kInstalledInPart[] = "COMPONENT_INSTALLED_IN_PART";
// Restore found no backup under the number asked for, or none at all, that
// is a plain file it can read.
inline constexpr char kNoBackup[] = "BACKUP_NOT_FOUND";

struct CodeExit {
  const char* code;
  int exitStatus;
};

inline constexpr std::array<CodeExit, 13> kExitStatuses{{
    {kSuccess, 0},
    {kConfigurationNotFound, 2},
    {kComponentFileNotFound, 3},
    {kOpenError, 4},
    {kMemoryLow, 5},
    {kReadError, 6},
    {kBackupError, 7},
    {kWriteError, 8},
    {kNotPlaced, 9},
    {kInstalled, 0},
    {kNotInstalled, 12},
    {kInstalledInPart, 13},
    {kNoBackup, 14},
}};

// The exit status of a silent run that asked for no change (a mode that is
// none of Add, Remove, Check and Restore); no code of the engine has it.
inline constexpr int kNoChangeExitStatus = 1;

// The exit status of a preview whose diff could not be written; the run's
// own status is then not reported.
inline constexpr int kPreviewNotWrittenExitStatus = 10;

// The exit status of a run that failed inside the program (an exception no
// step could act on); the configuration file is then as the engine's own
// guarantees leave it: whole, and put back when its rewrite had begun.
inline constexpr int kFailedInsideExitStatus = 11;

// Every exit status a silent run can end with apart from the engine's.
inline constexpr std::array<int, 3> kRunExitStatuses{
    kNoChangeExitStatus, kPreviewNotWrittenExitStatus, kFailedInsideExitStatus};

// The exit status for `code`; kNoChangeExitStatus for a code not in the table.
inline int ExitStatus(Symbol code) {
  for (const CodeExit& entry : kExitStatuses) {
    if (code == Symbol(entry.code)) return entry.exitStatus;
  }
  return kNoChangeExitStatus;
}

}  // namespace formfit::status
