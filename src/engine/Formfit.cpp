#include "engine/Formfit.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <new>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "base/StringRules.h"
#include "engine/ConfigurationRun.h"
#include "engine/StatusCodes.h"
#include "engine/TextNumbers.h"

namespace formfit {

namespace {

constexpr char kCrLf[] = "\r\n";
constexpr unsigned kBackupNames = 1000;

constexpr RunTexts kInstallTexts{text::kInstallHeading, text::kInstallCaption};
constexpr RunTexts kDeinstallTexts{text::kDeinstallHeading, text::kDeinstallCaption};
constexpr RunTexts kCheckTexts{text::kCheckHeading, text::kCheckCaption};
constexpr RunTexts kRestoreTexts{text::kRestoreHeading, text::kRestoreCaption};

// `file` up to its last "." and the ".": every backup's name but its number.
std::string BackupStem(const std::string& file) { return file.substr(0, file.rfind('.')) + "."; }

// The numbered backup `number` of `file`: its stem and the number in three
// digits.
std::string BackupPath(const std::string& file, unsigned number) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%03u", number);
  return BackupStem(file) + digits;
}

// The number a backup word gives: digits only, 0 to 999; none otherwise.
std::optional<unsigned> BackupNumber(std::string_view digits) {
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size() - 1));
  if (digits.size() > 3) return std::nullopt;
  return static_cast<unsigned>(std::stoul(std::string(digits)));
}

// The name of the backup asked for, as a message gives it: the number's
// three digits, or what was asked as it stands when it is no number.
std::string AskedBackup(const std::string& file, std::string_view backup) {
  const std::optional<unsigned> number = BackupNumber(backup);
  return number ? BackupPath(file, *number) : BackupStem(file) + std::string(backup);
}

// A numbered backup of the configuration file found in its folder.
struct FoundBackup {
  unsigned number;
  std::string path;  // the folder as the file's path spells it, the name as listed
  std::int64_t written;
};

// Every numbered backup of `file` that is a plain file, from one listing of
// its folder. Names compare as Windows compares them, in any case.
std::vector<FoundBackup> PlainBackups(FileOps& files, const std::string& file) {
  const std::string stemPath = BackupStem(file);
  const std::size_t nameAt = stemPath.find_last_of("\\/") + 1;
  const std::string stem = Lower(std::string_view(stemPath).substr(nameAt));
  std::vector<FoundBackup> found;
  for (const PlainFile& entry : files.PlainFiles(file)) {
    if (entry.name.size() != stem.size() + 3 || Lower(entry.name.substr(0, stem.size())) != stem) {
      continue;
    }
    if (const std::optional<unsigned> number = BackupNumber(entry.name.substr(stem.size()))) {
      found.push_back({*number, stemPath.substr(0, nameAt) + entry.name, entry.written});
    }
  }
  return found;
}

// The backup Restore puts back: the one asked for, or the newest, and of two
// as new the higher number; none when there is no such plain file.
std::optional<std::string> ChosenBackup(FileOps& files, const std::string& file,
                                        std::string_view backup) {
  const std::optional<unsigned> asked = BackupNumber(backup);
  if (!backup.empty() && !asked) return std::nullopt;
  const std::vector<FoundBackup> found = PlainBackups(files, file);
  const FoundBackup* chosen = nullptr;
  for (const FoundBackup& candidate : found) {
    if (asked ? candidate.number == *asked
              : !chosen || std::tie(candidate.written, candidate.number) >
                               std::tie(chosen->written, chosen->number)) {
      chosen = &candidate;
    }
  }
  if (!chosen) return std::nullopt;
  return chosen->path;
}

// What Check says of each finding, in the order of Formfit::Finding.
struct CheckOutcome {
  const char* code;
  unsigned description;
  const char* log;
};

constexpr CheckOutcome kCheckOutcomes[] = {
    {status::kNotPlaced, text::kNotPlaced, "component not placed"},
    {status::kNotInstalled, text::kCheckNotInstalled, "component not installed"},
    {status::kInstalled, text::kCheckInstalled, "component installed"},
    {status::kInstalledInPart, text::kCheckInPart,
     "component installed in part or from another version"},
};

}  // namespace

Formfit& Formfit::Init(const FileSpec& file) {
  file_ = file;
  if (file_.FileName().empty()) file_.SetFileName("DEDUDED");
  if (file_.Extension().empty()) file_.SetExtension(".INF");
  status_.reset();
  return *this;
}

bool Formfit::Install(const std::string& componentName, const std::string& componentFile) {
  ConfigurationRun run(*this, environment_, kInstallTexts);
  return run.Begin(componentName, componentFile) && run.OpenToChange() &&
         run.Change(text::kInstalled, [&](std::string text, const Component& component) {
           Reinstallation result = ComponentReinstall(std::move(text), component);
           environment_.Log(result.placed ? "component placed" : "component not placed");
           return Edited{std::move(result.text), result.placed};
         });
}

bool Formfit::Deinstall(const std::string& componentName, const std::string& componentFile) {
  ConfigurationRun run(*this, environment_, kDeinstallTexts);
  return run.Begin(componentName, componentFile) && run.OpenToChange() &&
         run.Change(text::kDeinstalled, [&](std::string text, const Component& component) {
           Edited result{ComponentRemove(std::move(text), component)};
           environment_.Log("component removed");
           return result;
         });
}

bool Formfit::Check(const std::string& componentName, const std::string& componentFile) {
  ConfigurationRun run(*this, environment_, kCheckTexts);
  if (!run.Begin(componentName, componentFile) || !run.OpenToRead()) return false;
  Finding finding;
  try {
    finding = ComponentCheck(run.Original(), run.ReadComponent());
  } catch (const std::bad_alloc&) {
    return run.MemoryLow();
  }
  const CheckOutcome& outcome = kCheckOutcomes[static_cast<std::size_t>(finding)];
  run.Log(outcome.log);
  std::string description = run.T(outcome.description) + kCrLf + run.ComponentFile();
  return finding == Finding::kInstalled ? run.Succeed(outcome.code, std::move(description))
                                        : run.Fail(outcome.code, std::move(description));
}

bool Formfit::Restore(std::string_view backup) {
  ConfigurationRun run(*this, environment_, kRestoreTexts);
  if (!run.Begin()) return false;
  FileOps& files = environment_.Files();
  // The backup is chosen and read before the file is touched, so that a
  // missing one changes nothing at all.
  const std::optional<std::string> chosen = ChosenBackup(files, run.Path(), backup);
  const FileContents contents = chosen ? ReadWholeFile(files, *chosen) : FileContents{};
  if (contents.state != FileContents::State::kRead) {
    const std::string asked = backup.empty() ? run.Folder() : AskedBackup(run.Path(), backup);
    return run.Fail(status::kNoBackup, run.T(text::kNoBackup) + kCrLf + Lower(asked));
  }
  if (!run.OpenToChange()) return false;
  if (contents.bytes == run.Original()) {
    run.Log("configuration file equals the backup: " + *chosen);
    return run.Succeed(status::kSuccess, run.T(text::kBackupInPlace) + kCrLf + Lower(*chosen));
  }
  if (!run.BackUp()) return false;
  run.Log("backup made: " + run.BackupName());
  if (!run.Write(contents.bytes)) return false;
  run.Log("backup put back: " + *chosen);
  return run.Succeed(status::kSuccess, run.T(text::kRestored) + kCrLf + Lower(*chosen) + kCrLf +
                                           run.T(text::kRestoredPreviousSaved) + kCrLf +
                                           Lower(run.BackupName()));
}

bool Formfit::StatusSet(Symbol code, std::string caption, std::string description) {
  status_ = StatusLabel{code, std::move(caption), std::move(description)};
  return true;
}

bool Formfit::StatusClear() {
  status_.reset();
  return true;
}

bool Formfit::CreateBackup(const std::string& file, std::string_view bytes,
                           std::string& backupName) {
  FileOps& files = environment_.Files();
  // Only a run that goes on to change the file clears up: one that stops
  // earlier leaves everything on disk as it found it. A temporary file is not
  // held between its close and its new name; on Windows this run holds the
  // file without sharing here, so no other run on it is at that step.
  for (const std::string& leftover : files.Leftovers(file)) {
    if (files.RemoveUnlessHeld(leftover)) environment_.Log("leftover removed: " + leftover);
  }
  const std::optional<std::string> temporary = WriteTemporary(files, file, bytes);
  if (!temporary) return false;
  for (unsigned number = 0; number < kBackupNames; ++number) {
    const std::string name = BackupPath(file, number);
    const Naming naming = files.NameNew(*temporary, name);
    if (naming == Naming::kTaken) continue;
    if (naming == Naming::kFailed) break;
    backupName = name;
    return true;
  }
  files.Remove(*temporary);
  return false;
}

}  // namespace formfit
