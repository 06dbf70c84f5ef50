// Access to one INI file by name, with the rules of IniText. Every call
// reads (or rewrites) the file as it is now, through the file-operation
// seam; Contents reads it once for many lookups. Our own reader and
// writer, so the program behaves the same natively and on Windows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/FileOps.h"
#include "base/Pairs.h"
#include "engine/IniText.h"

namespace formfit {

class qIniFile {
 public:
  explicit qIniFile(FileOps& files = SystemFileOps()) : files_(&files) {}
  explicit qIniFile(std::string path, FileOps& files = SystemFileOps()) : files_(&files) {
    Init(std::move(path));
  }

  // Stores the path unchanged; does not check that the file exists.
  qIniFile& Init(std::string path);
  const std::string& FullPath() const { return path_; }

  // True when a file exists at the path and can be read.
  bool Find() const;

  // The file as it is now; the empty text when it is missing or cannot be
  // read.
  IniText Contents() const;

  // The lookups of IniText on the file as it is now.
  std::string Read(std::string_view section, std::string_view key,
                   std::string_view defaultValue) const;
  Pairs ReadSection(std::string_view section) const;
  std::vector<std::string> ReadSectionList() const;
  bool ExistSection(std::string_view section) const;

  // The edits of IniText on the file: a change rewrites it whole, no change
  // leaves it untouched. The new file is written under a temporary name
  // beside the old one and replaces it only once it is complete. False when
  // the file cannot be read, cannot be written (read-only, or held by
  // someone else) or cannot be replaced; the old file is then as it was.
  bool Write(std::string_view section, std::string_view key, std::string_view value);
  bool Delete(std::string_view section, std::string_view key);
  bool DeleteSection(std::string_view section);

  // Writes many keys at once, after deleting the section when `clear`, in
  // one rewrite of the file. False as above.
  bool WriteSection(std::string_view section, const Pairs& pairs, bool clear = true);
  // Writes values[i] under keys[i]; with no keys, under "1", "2", ...
  // Values without a key are left out. False as above.
  bool WriteSection(std::string_view section, std::vector<std::string> keys,
                    const std::vector<std::string>& values, bool clear = true);

 private:
  template <typename EditText>
  bool Edit(EditText edit);

  FileOps* files_;
  std::string path_;
};

}  // namespace formfit
