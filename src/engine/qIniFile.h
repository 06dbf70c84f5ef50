// Access to one INI file by name, with the matching rules of the Windows
// profile functions: section and key names compare without regard to case,
// blanks around keys and values are dropped, a value's enclosing quotes are
// removed. The object holds only the path: every call reads (or rewrites)
// the file as it is now. Our own reader and writer, so the program behaves
// the same natively and on Windows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/Pairs.h"

namespace formfit {

class qIniFile {
 public:
  qIniFile() = default;
  explicit qIniFile(std::string path) { Init(std::move(path)); }

  // Stores the path unchanged; does not check that the file exists.
  qIniFile& Init(std::string path);
  const std::string& FullPath() const { return path_; }

  // True when a file exists at the path.
  bool Find() const;

  // The key's whole value (never cut short), from the first section and the
  // first key of those names (blanks around them do not count). A key line
  // without "=" reads as missing. When the section or key is missing,
  // `defaultValue` as the profile functions return it: trailing spaces
  // dropped (never its first character), then its enclosing quotes.
  std::string Read(std::string_view section, std::string_view key,
                   std::string_view defaultValue) const;

  // Every key of the first section of that name (blanks count here), with
  // its value as Read gives it, in file order: a repeated key gets the
  // value of its first line. Comment lines (";") and lines without "=" are
  // not listed. Empty when the file or section is missing, and, as with the
  // profile functions, when the first listed key has an empty name.
  Pairs ReadSection(std::string_view section) const;

  // Every section name, in file order, repeated names each time; sections
  // without a name are left out.
  std::vector<std::string> ReadSectionList() const;

  // True when some section name begins with `section`, case ignored
  // (CONTENTS:GRID2 answers for CONTENTS:GRID).
  bool ExistSection(std::string_view section) const;

  // The writing operations leave the file as the profile functions do: a
  // change rewrites it whole with CR LF line ends, blank lines dropped and
  // blanks around names and values removed; no change leaves it untouched.
  // The new file replaces the old one only once it is fully written. False
  // when the file cannot be read or replaced.

  // Writes key=value into the section, creating either as needed (a new
  // file too); the value loses its leading blanks.
  bool Write(std::string_view section, std::string_view key, std::string_view value);
  // Removes the first key of that name from the sections of that name;
  // unlike Write, blanks around the names count. True when there is none.
  bool Delete(std::string_view section, std::string_view key);
  // Removes the first section of that name (blanks count); the empty name
  // removes the lines ahead of the first section. True when there is none.
  bool DeleteSection(std::string_view section);

  // Writes many keys at once, after deleting the section when `clear`.
  // Always true.
  bool WriteSection(std::string_view section, const Pairs& pairs, bool clear = true);
  // Writes values[i] under keys[i]; with no keys, under "1", "2", ...
  // Values without a key are left out. Always true.
  bool WriteSection(std::string_view section, std::vector<std::string> keys,
                    const std::vector<std::string>& values, bool clear = true);

 private:
  std::string path_;
};

}  // namespace formfit
