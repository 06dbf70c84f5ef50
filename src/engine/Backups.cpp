#include "engine/Backups.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

#include "base/StringRules.h"

namespace formfit {

namespace {

// `file` up to its last "." and the ".": every backup's name but its number.
std::string BackupStem(const std::string& file) { return file.substr(0, file.rfind('.')) + "."; }

// The number a backup word gives: digits only, 0 to 999; none otherwise.
std::optional<unsigned> BackupNumber(std::string_view digits) {
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size() - 1));
  if (digits.size() > 3) return std::nullopt;
  return static_cast<unsigned>(std::stoul(std::string(digits)));
}

}  // namespace

std::optional<unsigned> BackupNumberOf(const std::string& file, std::string_view name) {
  const std::string stemPath = BackupStem(file);
  const std::string stem =
      Lower(std::string_view(stemPath).substr(stemPath.find_last_of("\\/") + 1));
  if (name.size() != stem.size() + 3 || Lower(name.substr(0, stem.size())) != stem) {
    return std::nullopt;
  }
  return BackupNumber(name.substr(stem.size()));
}

std::vector<FoundBackup> PlainBackups(FileOps& files, const std::string& file) {
  const std::string folder = file.substr(0, file.find_last_of("\\/") + 1);
  std::vector<FoundBackup> found;
  for (const PlainFile& entry : files.PlainFiles(file)) {
    if (const std::optional<unsigned> number = BackupNumberOf(file, entry.name)) {
      found.push_back({*number, folder + entry.name, entry.written});
    }
  }
  return found;
}

std::string BackupDigits(unsigned number) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%03u", number);
  return digits;
}

std::string BackupPath(const std::string& file, unsigned number) {
  return BackupStem(file) + BackupDigits(number);
}

std::string AskedBackup(const std::string& file, std::string_view backup) {
  const std::optional<unsigned> number = BackupNumber(backup);
  return number ? BackupPath(file, *number) : BackupStem(file) + std::string(backup);
}

std::optional<FoundBackup> ChosenBackup(FileOps& files, const std::string& file,
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
  return *chosen;
}

}  // namespace formfit
