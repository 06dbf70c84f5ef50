#include <gtest/gtest.h>

#include <optional>

#include "env/LanguageStrings.h"
#include "support/TempDir.h"
#include "support/TextAssert.h"

namespace formfit {
namespace {

using test::Crlf;
using test::SameText;

struct LookupRow {
  const char* name;
  const char* file;  // "\n" for CR LF; nullptr: no file at all
  unsigned number;
  const char* defaultText;
  const char* expected;  // "\n" for CR LF
};

const LookupRow kLookups[] = {
    {"missing file gives the default", nullptr, 100, "Setup", "Setup"},
    {"missing file still knows 0", nullptr, 0, "", "Language file not exist"},
    {"entry replaces the default", "[Language]\n100=Setup\n", 100, "Standard", "Setup"},
    {"number not in file", "[Language]\n100=Setup\n", 101, "Durchsuchen", "Durchsuchen"},
    {"empty value gives empty text", "[Language]\n511=\n", 511, "Vorgabe", ""},
    {"two marks give three lines", "[Language]\n550=a\\\\nb\\\\nc\n", 550, "", "a\nb\nc"},
    {"single backslash n stays", "[Language]\n550=a\\nb\n", 550, "", "a\\nb"},
    {"three backslashes keep one", "[Language]\n550=a\\\\\\nb\n", 550, "", "a\\\nb"},
    {"first of 500 and 0500 wins", "[Language]\n0500=Erst\n500=Dann\n", 500, "", "Erst"},
    {"file entry 0 wins", "[Language]\n0=Hallo\n", 0, "", "Hallo"},
    {"non-numeric key counts as 0", "[Language]\nabc=Buchstaben\n", 0, "", "Buchstaben"},
    {"digits then letters", "[Language]\n12ab=Zwoelf\n", 12, "", "Zwoelf"},
    {"key too large for 32 bits is ignored", "[Language]\n4294967396=Gross\n", 100, "Vorgabe",
     "Vorgabe"},
    {"largest 32-bit number", "[Language]\n4294967295=Max\n", 4294967295u, "", "Max"},
    {"file without the section", "[Sprache]\n100=Setup\n", 100, "Vorgabe", "Vorgabe"},
    {"section name in any case", "[LANGUAGE]\n100=Setup\n", 100, "", "Setup"},
    {"enclosing quotes dropped", "[Language]\n100=\"Setup \"\n", 100, "", "Setup "},
    {"other sections are not read", "[Other]\n100=Nein\n[Language]\n101=Ja\n", 100, "Vorgabe",
     "Vorgabe"},
};

TEST(LanguageTable, Lookup) {
  for (const LookupRow& row : kLookups) {
    SCOPED_TRACE(row.name);
    test::TempDir dir;
    const std::string path =
        row.file ? dir.WriteFile("Formfit.sys", Crlf(row.file)) : dir.Path() + "Formfit.sys";
    const LanguageTable table = LanguageTable::FromFile(path);
    EXPECT_TRUE(SameText(Crlf(row.expected), table.Lookup(row.number, row.defaultText)));
  }
}

TEST(LanguageTable, KeepsFileOrderAndEndsWithTheMissingFileText) {
  test::TempDir dir;
  const LanguageTable table = LanguageTable::FromFile(
      dir.WriteFile("Formfit.sys", Crlf("[Language]\n501=B\n0500=A\nabc=C\n")));
  std::vector<std::pair<unsigned, std::string>> entries;
  for (const LanguageTable::Entry& entry : table.Entries()) {
    entries.emplace_back(entry.number, entry.text);
  }
  const std::vector<std::pair<unsigned, std::string>> expected = {
      {501, "B"}, {500, "A"}, {0, "C"}, {0, "Language file not exist"}};
  EXPECT_EQ(expected, entries);
}

struct PathRow {
  const char* name;
  const char* languageFile;
  std::optional<FileSpec> program;
  const char* expected;
};

TEST(LanguageFilePath, BareNamesLieBesideTheProgram) {
  const PathRow rows[] = {
      {"bare name", "Formfit.sys", FileSpec("C:\\Tools\\formfit.exe"), "C:\\Tools\\Formfit.sys"},
      {"path kept", "D:\\Lang\\Formfit.sys", FileSpec("C:\\Tools\\formfit.exe"),
       "D:\\Lang\\Formfit.sys"},
      {"forward slash kept", "lang/Formfit.sys", FileSpec("C:\\Tools\\formfit.exe"),
       "lang/Formfit.sys"},
      {"program unknown", "Formfit.sys", std::nullopt, "Formfit.sys"},
      {"program in a root folder", "Formfit.sys", FileSpec("C:\\formfit.exe"), "C:\\Formfit.sys"},
  };
  for (const PathRow& row : rows) {
    EXPECT_EQ(row.expected, LanguageFilePath(row.languageFile, row.program)) << row.name;
  }
}

}  // namespace
}  // namespace formfit
