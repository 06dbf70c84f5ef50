// The bytes of one INI file, parsed once, with the matching rules of the
// Windows profile functions: section and key names compare without regard
// to case, blanks around keys and values are dropped, a value's enclosing
// quotes are removed. A value: it reads no file; qIniFile brings the bytes.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/Pairs.h"

namespace formfit {

class IniText {
 public:
  // Any bytes parse: lines that are neither headers nor keys are kept as
  // entries without a value, so that a rewrite carries them over.
  explicit IniText(std::string_view bytes = {});
  IniText(const IniText&);
  IniText& operator=(const IniText&);
  IniText(IniText&&) noexcept;
  IniText& operator=(IniText&&) noexcept;
  ~IniText();

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
  // not listed. Empty when the section is missing, and, as with the
  // profile functions, when the first listed key has an empty name.
  Pairs ReadSection(std::string_view section) const;

  // Every section name, in file order, repeated names each time; sections
  // without a name are left out.
  std::vector<std::string> ReadSectionList() const;

  // True when some section name begins with `section`, case ignored
  // (CONTENTS:GRID2 answers for CONTENTS:GRID).
  bool ExistSection(std::string_view section) const;

  // The edits of the profile functions. Each returns true when it changed
  // the text. Write puts key=value into the section, creating either as
  // needed; the value loses its leading blanks. Delete removes the first key
  // of that name from the sections of that name; unlike Write, blanks around
  // the names count. DeleteSection removes the first section of that name
  // (blanks count); the empty name removes the lines ahead of the first
  // section.
  bool Write(std::string_view section, std::string_view key, std::string_view value);
  bool Delete(std::string_view section, std::string_view key);
  bool DeleteSection(std::string_view section);

  // The text as the profile functions write it: CR LF line ends, blank
  // lines dropped, blanks around names and values removed.
  std::string Bytes() const;

 private:
  struct Document;
  std::unique_ptr<Document> document_;
};

}  // namespace formfit
