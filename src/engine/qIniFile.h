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

  // The key's whole value (never cut short); `defaultValue` when the section
  // or key is missing.
  std::string Read(std::string_view section, std::string_view key,
                   std::string_view defaultValue) const;

  // Every key of the section with its value, in file order; empty when the
  // file or section is missing.
  Pairs ReadSection(std::string_view section) const;

  // Every section name, in file order.
  std::vector<std::string> ReadSectionList() const;

  // True when some section name begins with `section`, case ignored
  // (CONTENTS:GRID2 answers for CONTENTS:GRID).
  bool ExistSection(std::string_view section) const;

  // Writes key=value into the section, creating either as needed.
  bool Write(std::string_view section, std::string_view key, std::string_view value);
  // Removes the key from the section.
  bool Delete(std::string_view section, std::string_view key);
  // Removes the whole section.
  bool DeleteSection(std::string_view section);

  // Writes many keys at once, after deleting the section when `clear`.
  // Always true.
  bool WriteSection(std::string_view section, const Pairs& pairs, bool clear = true);
  // Writes values[i] under keys[i]; with no keys, under "1", "2", ...
  bool WriteSection(std::string_view section, std::vector<std::string> keys,
                    const std::vector<std::string>& values, bool clear = true);

 private:
  std::string path_;
};

}  // namespace formfit
