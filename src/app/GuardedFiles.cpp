#include "app/GuardedFiles.h"

#include <optional>
#include <vector>

#include "base/StringRules.h"
#include "engine/Backups.h"

namespace formfit {

namespace {

std::size_t NameAt(const std::string& path) { return path.find_last_of("\\/") + 1; }

// A full path as Windows compares it: in any case, with either separator.
std::string Comparable(const std::string& full) {
  std::string comparable = Lower(full);
  for (char& c : comparable) {
    if (c == '/') c = '\\';
  }
  return comparable;
}

bool SameFullPath(FileOps& files, const std::string& a, const std::string& b) {
  return Comparable(files.FullPath(a)) == Comparable(files.FullPath(b));
}

// Folders are the same by identity where both exist, else by full path.
bool SameFolder(FileOps& files, const std::string& a, const std::string& b) {
  const std::optional<FileIdentity> first = files.Identity(a);
  const std::optional<FileIdentity> second = files.Identity(b);
  if (first && second) return *first == *second;
  return SameFullPath(files, a, b);
}

}  // namespace

bool IsGuardedFile(FileOps& files, const std::string& target, const SetupChoice& choice) {
  if (target.empty()) return false;
  const std::string configuration = ConfigurationFile(choice).FullPath();
  std::vector<std::string> guarded{configuration};
  if (!choice.componentFile.empty()) guarded.push_back(choice.componentFile);
  if (const std::optional<FileIdentity> identity = files.Identity(target)) {
    for (const FoundBackup& backup : PlainBackups(files, configuration)) {
      guarded.push_back(backup.path);
    }
    for (const std::string& file : guarded) {
      if (files.Identity(file) == identity) return true;
    }
  }
  for (const std::string& file : guarded) {
    if (SameFullPath(files, target, file)) return true;
  }
  const std::string full = files.FullPath(target);
  const std::string folder = files.FullPath(configuration);
  return BackupNumberOf(configuration, std::string_view(full).substr(NameAt(full))) &&
         SameFolder(files, full.substr(0, NameAt(full)), folder.substr(0, NameAt(folder)));
}

}  // namespace formfit
