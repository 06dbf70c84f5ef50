#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "engine/qIniFile.h"
#include "support/FailingFileOps.h"
#include "support/TempDir.h"
#include "support/TextAssert.h"

namespace formfit {
namespace {

using test::Crlf;
using test::ReadFile;
using test::SameText;
using test::TempDir;

std::string WithNul(std::string_view text) {
  std::string bytes(text);
  for (char& c : bytes) {
    if (c == '@') c = '\0';
  }
  return bytes;
}

struct ReadCase {
  const char* name;
  std::string file;
  std::string section;
  std::string key;
  std::string defaultValue;
  std::string expected;
};

TEST(qIniFileTest, Read) {
  const ReadCase cases[] = {
      {"crlf", Crlf("[A]\nk=1\n"), "A", "k", "d", "1"},
      {"lf", "[A]\nk=1\n", "A", "k", "d", "1"},
      {"lone cr", "[A]\rk=1\rj=2", "A", "j", "d", "2"},
      {"no final line end", "[A]\r\nk=1", "A", "k", "d", "1"},
      {"names case-blind", Crlf("[Main]\nKey=1\n"), "MAIN", "key", "d", "1"},
      {"Windows-1252 letters case-blind", Crlf("[\xC4]\n\xE9=1\n"), "\xE4", "\xC9", "d", "1"},
      {"blanks around the asked names", Crlf("[A]\nk=1\n"), " A\t", "\tk ", "d", "1"},
      {"blanks in the file dropped", Crlf("  [ A ] \n\t k \x0B=\x0C v w \x1A\n"), "A", "k", "d",
       "v w"},
      {"no-break space is no blank", Crlf("[A]\nk=\xA0v\n"), "A", "k", "d", "\xA0v"},
      {"double quotes removed", Crlf("[A]\nk= \" v \" \n"), "A", "k", "d", " v "},
      {"single quotes removed", Crlf("[A]\nk='v'\n"), "A", "k", "d", "v"},
      {"one pair only", Crlf("[A]\nk=\"\"v\"\"\n"), "A", "k", "d", "\"v\""},
      {"unbalanced quotes stay", Crlf("[A]\nk='v\"\n"), "A", "k", "d", "'v\""},
      {"lone quote stays", Crlf("[A]\nk=\"\n"), "A", "k", "d", "\""},
      {"equals inside the value", Crlf("[A]\nk=a=b\n"), "A", "k", "d", "a=b"},
      {"empty value is no default", Crlf("[A]\nk=\n"), "A", "k", "d", ""},
      {"line without equals reads as missing", Crlf("[A]\nk\nk=1\n"), "A", "k", "d", "d"},
      {"comment line is a readable key", Crlf("[A]\n; c = x\n"), "A", "; c", "d", "x"},
      {"first of repeated keys", Crlf("[A]\nk=1\nK=2\n"), "A", "k", "d", "1"},
      {"only the first of repeated sections", Crlf("[A]\nk=1\n[a]\nj=2\n"), "A", "j", "d", "d"},
      {"lines ahead of any section", Crlf("k=0\n[A]\nk=1\n"), "", "k", "d", "0"},
      {"empty header unreachable", Crlf("[]\nk=1\n"), "", "k", "d", "d"},
      {"header runs to the last bracket", Crlf("[a]b] x\nk=1\n"), "A]B", "k", "d", "1"},
      {"bracket line without close is a key", Crlf("[A]\n[b=1\n"), "A", "[b", "d", "1"},
      {"NUL ends a value", WithNul("[A]\r\nk=a@b\r\n"), "A", "k", "d", "a"},
      {"UTF-8 mark skipped", "\xEF\xBB\xBF[A]\r\nk=1\r\n", "A", "k", "d", "1"},
      {"missing key gives default", Crlf("[A]\nk=1\n"), "A", "j", "dflt", "dflt"},
      {"missing section gives default", Crlf("[A]\nk=1\n"), "B", "k", "dflt", "dflt"},
      {"default loses trailing spaces", Crlf("[A]\n"), "A", "k", " d  ", " d"},
      {"default keeps its first character", Crlf("[A]\n"), "A", "k", "   ", " "},
      {"default loses its quotes", Crlf("[A]\n"), "A", "k", "\"d\" ", "d"},
  };
  TempDir dir;
  for (const ReadCase& c : cases) {
    const qIniFile ini(dir.WriteFile("read.ini", c.file));
    EXPECT_EQ(c.expected, ini.Read(c.section, c.key, c.defaultValue)) << c.name;
  }
  EXPECT_EQ("d", qIniFile(dir.Path() + "missing.ini").Read("A", "k", "d"));
}

struct SectionCase {
  const char* name;
  std::string file;
  std::string section;
  Pairs expected;
};

TEST(qIniFileTest, ReadSection) {
  const SectionCase cases[] = {
      {"file order, values unquoted", Crlf("[A]\nb=\"2\"\na=1\n"), "a", {{"b", "2"}, {"a", "1"}}},
      {"repeated key reads its first value",
       Crlf("[A]\nk=1\nK=2\n"),
       "A",
       {{"k", "1"}, {"K", "1"}}},
      {"comments and lines without equals not listed",
       Crlf("[A]\n;c=1\nx\nk=1\n"),
       "A",
       {{"k", "1"}}},
      {"key after a bare line of its name", Crlf("[A]\nk\nk=1\n"), "A", {{"k", ""}}},
      {"first of repeated sections", Crlf("[A]\nk=1\n[a]\nj=2\n"), "A", {{"k", "1"}}},
      {"lines ahead of any section", Crlf("k=0\n[A]\n"), "", {{"k", "0"}}},
      {"asked name is not trimmed", Crlf("[A]\nk=1\n"), " A", {}},
      {"leading empty key empties the list", Crlf("[A]\n=1\nk=2\n"), "A", {}},
      {"adjacent nameless keys keep the first",
       Crlf("[A]\nk=1\n=2\n =3\n"),
       "A",
       {{"k", "1"}, {"", "2"}}},
      {"missing section", Crlf("[A]\nk=1\n"), "B", {}},
  };
  TempDir dir;
  for (const SectionCase& c : cases) {
    const qIniFile ini(dir.WriteFile("section.ini", c.file));
    EXPECT_EQ(c.expected, ini.ReadSection(c.section)) << c.name;
  }
}

TEST(qIniFileTest, ReadSectionListAndExistSection) {
  TempDir dir;
  const qIniFile ini(dir.WriteFile(
      "list.ini", Crlf("k=0\n[ Contents:Grid2 ]\n[]\n[ ]\n[contents:grid2]\n[Other]x\n")));
  EXPECT_EQ((std::vector<std::string>{"Contents:Grid2", "contents:grid2", "Other"}),
            ini.ReadSectionList());

  const std::pair<const char*, bool> prefixes[] = {
      {"CONTENTS:GRID", true}, {"contents:grid2", true}, {"Oth", true}, {"", true},
      {"Grid", false},         {"Contents:Grid3", false}};
  for (const auto& [prefix, expected] : prefixes) {
    EXPECT_EQ(expected, ini.ExistSection(prefix)) << prefix;
  }
  EXPECT_FALSE(qIniFile(dir.Path() + "missing.ini").ExistSection(""));
  EXPECT_TRUE(qIniFile(dir.Path() + "missing.ini").ReadSectionList().empty());
}

struct WriteCase {
  const char* name;
  std::string before;
  std::function<bool(qIniFile&)> change;
  std::string after;
};

TEST(qIniFileTest, WritesRewriteTheFileAsTheProfileFunctionsDo) {
  const WriteCase cases[] = {
      {"new key after the last line of the section",
       Crlf("; top\n\n[A]\n k = 1 \n;c\nbare\n\n[B]\nj=2\n"),
       [](qIniFile& ini) { return ini.Write("a", "n", "3"); },
       Crlf("; top\n[A]\nk=1\n;c\nbare\nn=3\n[B]\nj=2\n")},
      {"same value leaves the file alone", "[A]\n k = 1 \n\n",
       [](qIniFile& ini) { return ini.Write(" A ", "K", "1"); }, "[A]\n k = 1 \n\n"},
      {"changed value keeps the key's spelling", Crlf("[A]\nKey=\"1\"\n"),
       [](qIniFile& ini) { return ini.Write("a", "key", "1"); }, Crlf("[A]\nKey=1\n")},
      {"value loses leading blanks only", Crlf("[A]\nk=1\n"),
       [](qIniFile& ini) { return ini.Write("A", "k", " \tv "); }, Crlf("[A]\nk=v \n")},
      {"bare line gets the value", Crlf("[A]\nk\n"),
       [](qIniFile& ini) { return ini.Write("A", "k", ""); }, Crlf("[A]\nk=\n")},
      {"new section at the end, leading blanks dropped", "[A]\rk=1",
       [](qIniFile& ini) { return ini.Write("  B ", " n ", "v"); }, Crlf("[A]\nk=1\n[B ]\nn =v\n")},
      {"key ahead of any section", Crlf("[A]\n"),
       [](qIniFile& ini) { return ini.Write("", "k", "v"); }, Crlf("k=v\n[A]\n")},
      {"nameless header keeps its lines", Crlf("[A]\n[]\nk=1\n"),
       [](qIniFile& ini) { return ini.Write("A", "j", "2"); }, Crlf("[A]\nj=2\nk=1\n")},
      {"UTF-8 mark kept", "\xEF\xBB\xBF[A]\nk=1\n",
       [](qIniFile& ini) { return ini.Write("A", "k", "2"); }, "\xEF\xBB\xBF[A]\r\nk=2\r\n"},
      {"delete looks through every section of the name", Crlf("[A]\n[a]\nk=1\nk=2\n"),
       [](qIniFile& ini) { return ini.Delete("A", "K"); }, Crlf("[A]\n[a]\nk=2\n")},
      {"delete takes the names as given", Crlf("[A]\nk=1\n\n"),
       [](qIniFile& ini) { return ini.Delete(" A", "k"); }, Crlf("[A]\nk=1\n\n")},
      {"delete of a comment line", Crlf("[A]\n;c\nk=1\n"),
       [](qIniFile& ini) { return ini.Delete("A", ";c"); }, Crlf("[A]\nk=1\n")},
      {"delete section removes the first of the name", Crlf("[A]\nk=1\n[a]\nj=2\n"),
       [](qIniFile& ini) { return ini.DeleteSection("a"); }, Crlf("[a]\nj=2\n")},
      {"delete section of the lines ahead of any section", Crlf("k=0\n[A]\n"),
       [](qIniFile& ini) { return ini.DeleteSection(""); }, Crlf("[A]\n")},
      {"delete of a missing section leaves the file alone", "[A]\n\n",
       [](qIniFile& ini) { return ini.DeleteSection("B"); }, "[A]\n\n"},
  };
  TempDir dir;
  for (const WriteCase& c : cases) {
    qIniFile ini(dir.WriteFile("write.ini", c.before));
    EXPECT_TRUE(c.change(ini)) << c.name;
    EXPECT_TRUE(SameText(c.after, ReadFile(ini.FullPath()))) << c.name;
  }
  // The replacement leaves nothing else behind.
  size_t files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
    ++files;
  }
  EXPECT_EQ(1u, files);
}

TEST(qIniFileTest, MissingFile) {
  TempDir dir;
  qIniFile ini(dir.Path() + "new.ini");
  EXPECT_FALSE(ini.Find());
  EXPECT_TRUE(ini.Delete("A", "k"));
  EXPECT_TRUE(ini.DeleteSection("A"));
  EXPECT_FALSE(ini.Find());
  EXPECT_TRUE(ini.Write("A", "k", "v"));
  EXPECT_TRUE(SameText(Crlf("[A]\nk=v\n"), ReadFile(ini.FullPath())));
}

TEST(qIniFileTest, FailedWritesReportFalse) {
  TempDir dir;
  qIniFile noFolder(dir.Path() + "no-folder/x.ini");
  EXPECT_FALSE(noFolder.Write("A", "k", "v"));
  EXPECT_FALSE(noFolder.Find());

  std::filesystem::create_directory(dir.Path() + "folder");
  qIniFile folder(dir.Path() + "folder");
  EXPECT_FALSE(folder.Find());
  EXPECT_FALSE(folder.Write("A", "k", "v"));
  EXPECT_FALSE(folder.DeleteSection(""));
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path() + "folder"));
}

// A file that cannot be written is not replaced behind its owner's back, and
// a rewrite that fails on the way leaves the old file and nothing else.
TEST(qIniFileTest, FailedRewritesLeaveTheFileAsItWas) {
  struct Row {
    const char* name;
    test::Fault fault;
  };
  const Row rows[] = {
      {"file cannot be written", {test::FileOp::OpenReadWrite, 1}},
      {"no temporary file", {test::FileOp::CreateTemporary, 1}},
      {"temporary file half written", {test::FileOp::Write, 1}},
      {"temporary file not flushed", {test::FileOp::Flush, 1}},
      {"old file cannot be replaced", {test::FileOp::Replace, 1}},
  };
  const std::string before = Crlf("[A]\nk=1\n");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TempDir dir;
    const std::string path = dir.WriteFile("x.ini", before);
    test::FailingFileOps files({row.fault});
    qIniFile ini(path, files);

    EXPECT_FALSE(ini.WriteSection("A", Pairs{{"k", "2"}, {"j", "3"}}));

    EXPECT_EQ(before, ReadFile(path));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
      names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(std::vector<std::string>{"x.ini"}, names);
  }
}

TEST(qIniFileTest, WriteSection) {
  TempDir dir;
  qIniFile ini(dir.WriteFile("ws.ini", Crlf("[A]\nold=1\n[B]\nb=2\n")));
  EXPECT_TRUE(ini.WriteSection("A", Pairs{{"x", "1"}, {"y", "2"}}));
  EXPECT_TRUE(SameText(Crlf("[B]\nb=2\n[A]\nx=1\ny=2\n"), ReadFile(ini.FullPath())));

  EXPECT_TRUE(ini.WriteSection("B", Pairs{{"c", "3"}}, false));
  EXPECT_TRUE(ini.WriteSection("C", {}, {"first", "second"}));
  EXPECT_TRUE(ini.WriteSection("A", {"p", "q"}, {"7"}, false));
  EXPECT_TRUE(SameText(Crlf("[B]\nb=2\nc=3\n[A]\nx=1\ny=2\np=7\n[C]\n1=first\n2=second\n"),
                       ReadFile(ini.FullPath())));
}

// Values and name lists come back whole, however long.
TEST(qIniFileTest, NothingIsCutShort) {
  const std::string longValue(5000, 'v');
  std::string text = "[A]\r\nlong=" + longValue + "\r\n";
  std::vector<std::string> sections;
  Pairs keys;
  for (int i = 0; i < 2000; ++i) {
    const std::string name = "Section number " + std::to_string(i);
    text += "[" + name + "]\r\n";
    sections.push_back(name);
  }
  text += "[Keys]\r\n";
  for (int i = 0; i < 2000; ++i) {
    keys.push_back({"key number " + std::to_string(i), std::to_string(i)});
    text += keys.back().key + "=" + keys.back().value + "\r\n";
  }
  sections.insert(sections.begin(), "A");
  sections.push_back("Keys");

  TempDir dir;
  const qIniFile ini(dir.WriteFile("long.ini", text));
  EXPECT_EQ(longValue, ini.Read("A", "long", ""));
  EXPECT_EQ(sections, ini.ReadSectionList());
  EXPECT_EQ(keys, ini.ReadSection("Keys"));
}

}  // namespace
}  // namespace formfit
