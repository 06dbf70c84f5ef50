// The numbers of the engine's language texts (Formfit.sys, section
// "Language"): its log lines and the statuses of its runs.
#pragma once

#include <array>

namespace formfit::text {

inline constexpr unsigned kInstallHeading = 200;
inline constexpr unsigned kInstallCaption = 201;
inline constexpr unsigned kNotFoundBeforeFolder = 202;
inline constexpr unsigned kNotFoundAfterFolder = 203;
inline constexpr unsigned kComponentFileBefore = 204;
inline constexpr unsigned kComponentFileAfter = 205;
inline constexpr unsigned kBackupLogFirst = 206;
inline constexpr unsigned kBackupLogSecond = 207;
inline constexpr unsigned kOpenError = 208;
inline constexpr unsigned kSizeLog = 209;
inline constexpr unsigned kMemoryLow = 210;
inline constexpr unsigned kReadError = 211;
inline constexpr unsigned kInstalled = 212;
inline constexpr unsigned kDeinstallHeading = 213;
inline constexpr unsigned kDeinstallCaption = 214;
inline constexpr unsigned kDeinstalled = 215;
inline constexpr unsigned kBackupError = 216;
inline constexpr unsigned kWriteErrorRestored = 217;
inline constexpr unsigned kWriteErrorInBackup = 220;
inline constexpr unsigned kNotPlaced = 221;
inline constexpr unsigned kCheckHeading = 222;
inline constexpr unsigned kCheckCaption = 223;
inline constexpr unsigned kCheckInstalled = 224;
inline constexpr unsigned kCheckNotInstalled = 225;
inline constexpr unsigned kCheckInPart = 226;
inline constexpr unsigned kOpenToReadError = 227;
inline constexpr unsigned kRestoreHeading = 228;
inline constexpr unsigned kRestoreCaption = 229;
inline constexpr unsigned kRestored = 230;
inline constexpr unsigned kRestoredPreviousSaved = 231;
inline constexpr unsigned kBackupInPlace = 232;
inline constexpr unsigned kNoBackup = 233;
inline constexpr unsigned kNothingOfComponent = 234;
inline constexpr unsigned kInUse = 235;
inline constexpr unsigned kNoPermission = 236;

// Every number above: each has a text in both shipped language files.
inline constexpr std::array kEngineTexts{
    kInstallHeading,
    kInstallCaption,
    kNotFoundBeforeFolder,
    kNotFoundAfterFolder,
    kComponentFileBefore,
    kComponentFileAfter,
    kBackupLogFirst,
    kBackupLogSecond,
    kOpenError,
    kSizeLog,
    kMemoryLow,
    kReadError,
    kInstalled,
    kDeinstallHeading,
    kDeinstallCaption,
    kDeinstalled,
    kBackupError,
    kWriteErrorRestored,
    kWriteErrorInBackup,
    kNotPlaced,
    kCheckHeading,
    kCheckCaption,
    kCheckInstalled,
    kCheckNotInstalled,
    kCheckInPart,
    kOpenToReadError,
    kRestoreHeading,
    kRestoreCaption,
    kRestored,
    kRestoredPreviousSaved,
    kBackupInPlace,
    kNoBackup,
    kNothingOfComponent,
    kInUse,
    kNoPermission,
};

}  // namespace formfit::text
