// The numbered backups of the configuration file, DEDUDED.000 to
// DEDUDED.999 beside it: their names, and the ones a listing of the folder
// finds. Nothing here writes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/FileOps.h"

namespace formfit {

inline constexpr unsigned kBackupNames = 1000;

// A backup's number as its name ends: three digits.
std::string BackupDigits(unsigned number);

// The numbered backup `number` of `file`: `file` up to its last ".", the
// ".", and the number in three digits.
std::string BackupPath(const std::string& file, unsigned number);

// The name of the backup asked for by the word `backup`, as a message gives
// it: the number's three digits, or the word as it stands when it is no
// number.
std::string AskedBackup(const std::string& file, std::string_view backup);

// A numbered backup of the configuration file found in its folder.
struct FoundBackup {
  unsigned number;
  std::string path;  // the folder as the file's path spells it, the name as listed
  std::int64_t written;
};

// The number of the backup of `file` named `name` (a name without its
// folder): `file`'s name up to its last ".", the ".", and three digits, in
// any case, as Windows compares names; none for any other name.
std::optional<unsigned> BackupNumberOf(const std::string& file, std::string_view name);

// Every numbered backup of `file` that is a plain file, from one listing of
// its folder.
std::vector<FoundBackup> PlainBackups(FileOps& files, const std::string& file);

// The backup a restore puts back, from one listing of the folder of `file`:
// the one the word `backup` asks for (its number, 0 to 999 with leading
// zeros or without), or when it is empty the newest by its last write time,
// and of two as new the higher number. Names compare in any case, as
// Windows compares them. None when there is no such plain file or the word
// is no number.
std::optional<FoundBackup> ChosenBackup(FileOps& files, const std::string& file,
                                        std::string_view backup);

}  // namespace formfit
