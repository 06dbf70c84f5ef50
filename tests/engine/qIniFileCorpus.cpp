#include "qIniFileCorpus.h"

#include <cstdint>

#include "support/TextAssert.h"

namespace formfit::test {

namespace {

template <size_t N>
std::string WithNul(const char (&text)[N]) {
  return std::string(text, N - 1);
}

const std::vector<IniSample>& HandWritten() {
  static const std::vector<IniSample> samples = {
      {"plain-crlf", Crlf("[Main]\nKey=Value\nOther=2\n\n[Second]\nk=v\n")},
      {"plain-lf", "[Main]\nKey=Value\nOther=2\n\n[Second]\nk=v\n"},
      {"lone-cr", "[Main]\rKey=Value\rOther=2\r\r[Second]\rk=v"},
      {"mixed-ends", "[Main]\r\nKey=1\nOther=2\r[T]\n\rk3=3\r\r\nk4=4"},
      {"no-final-end", "[Main]\r\nKey=1"},
      {"empty", ""},
      {"blanks-only", " \r\n\t\r\n"},
      {"trimming", Crlf("[ Sec ]  \n  k 1  =  v 1  \n\tk2\t=\t\"q v\"\t\n\x0Bk3\x0C=\x0C"
                        "3\x0B\n")},
      {"ctrl-z", Crlf("[A]\nk=1\n\x1A[B]\nk2=2\x1A\n")},
      {"quotes", Crlf("[Q]\nq1=\"abc\nq2=\"a\"b\"\nq3=\"\"\nq4=\"\nq5='a\"\nq6=\" a \"\n"
                      "\"k7\"=v\nq8= \"x\" \nq9='x'\nq10=x\"\nq11='\nq12=\"\"x\"\"\n")},
      {"comments", Crlf("; top\n[C]\n;k=hidden\n ; spaced = yes\n#hash=1\nk=1\n;\n")},
      {"no-equals", Crlf("[N]\nnoeq\nk\nk=after\n[ bad\n[bad=1\n]\n")},
      {"outside", Crlf("a=1\nb = 2\n;c\n[S]\nk=v\n")},
      {"headers", Crlf("[a]b] junk\nx=1\n  [ c d ]x\ny=2 ; c\n[e\n]\nz=3\n[;x]\nk=1\n[]]\n[=]\n")},
      {"empty-headers", Crlf("[A]\nk=1\n[]\nk2=2\n[ ]\nk3=3\n[B]\n")},
      {"empty-header-first", Crlf("[]\nk5=5\n[A]\nk=1\n")},
      {"duplicates", Crlf("[S]\nk=1\nK=2\nk=3\n[s]\nk=4\nnew=5\n[S]\nx=6\n")},
      {"empty-key-first", Crlf("[S]\n=7\nk=1\n[T]\nk=1\n=8\n =9\n")},
      {"empty-values", Crlf("[E]\nk=\nk2= \nk3=\t\n=\n")},
      {"equals-in-value", Crlf("[V]\nk=a=b\nurl=http://x/?a=1\n")},
      {"utf8-mark", "\xEF\xBB\xBF[A]\r\nk=1\r\n"},
      {"utf8-mark-outside", "\xEF\xBB\xBFk=0\r\n[A]\r\nk=1\r\n"},
      {"high-bytes",
       Crlf("[\xC4nderung]\n\xE9t\xE9=\xC9t\xE9\nnb\xA0=\xA0v\xA0\nk=\x81\x8D\x8F\x90\x9D\n")},
      {"control-bytes", Crlf("[S]\n\x01k\x01=\x02v\x02\n\x1Bk=\x1F\n")},
      {"nul-bytes", WithNul("[S]\r\nk=a\0b\r\nk2= c \0 d\r\n[T\0U]\r\nk3=3\r\n")},
      {"component",
       Crlf("[CONTENTS]\nGrid=+FORM:Main\nBar=CONTROL:Bar\n\n[CONTENTS:Grid]\n1=Grid\n\n"
            "[FORM:Main]\nfloatbar=C:\\VO\\BAR.DLL\n[AssignMap]\nGrid=+,Grid\n"
            "[StdProperties II]\nx=1\n")},
  };
  return samples;
}

// Deterministic on every platform: no library distributions.
class Random {
 public:
  explicit Random(std::uint32_t seed) : state_(seed) {}
  std::uint32_t Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }
  size_t Below(size_t n) { return Next() % n; }
  bool Chance(size_t percent) { return Below(100) < percent; }
  template <typename T>
  const T& Pick(const std::vector<T>& items) {
    return items[Below(items.size())];
  }

 private:
  std::uint32_t state_;
};

const std::vector<std::string> kSections = {"Main",      "CONTENTS",      "Contents:Grid",
                                            "AssignMap", "StdProperties", "StdProperties II",
                                            "s",         "x y",           "FORM:Main"};
const std::vector<std::string> kKeys = {"k",  "Key", "floatbar", "1",    "2",
                                        "ab", "a b", "x.y",      "Grid", "\xE4\xF6"};
const std::vector<std::string> kValues = {
    "v",    "Value",           "a=b",    "\"quoted\"", "'single'", "\"open", "x\"", "",  " ",
    "\"\"", "C:\\VO\\BAR.DLL", "+,Grid", "\xC9t\xE9",  "a ; b",    "\t",     "\"",  "''"};
const std::vector<std::string> kBlanks = {"", "", "", " ", "  ", "\t", " \t", "\x1A", "\x0B"};
const std::vector<std::string> kLineEnds = {"\r\n", "\r\n", "\r\n", "\n", "\r"};

std::string Blank(Random& random) { return random.Pick(kBlanks); }

std::string CaseVariant(Random& random, std::string text) {
  for (char& c : text) {
    if (random.Chance(30) && c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 32);
    else if (random.Chance(30) && c >= 'A' && c <= 'Z')
      c = static_cast<char>(c + 32);
  }
  return text;
}

std::string HeaderLine(Random& random) {
  const std::string name = CaseVariant(random, random.Pick(kSections));
  switch (random.Below(10)) {
    case 0:
      return "[" + Blank(random) + "]";
    case 1:
      return "[" + name;
    case 2:
      return "[" + name + "]junk";
    case 3:
      return "[" + name + "]x]";
    default:
      return Blank(random) + "[" + Blank(random) + name + Blank(random) + "]" + Blank(random);
  }
}

std::string EntryLine(Random& random) {
  const std::string key = CaseVariant(random, random.Pick(kKeys));
  std::string value = random.Pick(kValues);
  if (random.Chance(5)) value = std::string(random.Below(900), 'x');
  switch (random.Below(14)) {
    case 0:
      return ";" + key + "=" + value;
    case 1:
      return Blank(random) + "; " + key;
    case 2:
      return key;
    case 3:
      return "=" + value;
    case 4:
      return "#" + key + "=" + value;
    case 5:
      return "[" + key + "=" + value;
    default:
      return Blank(random) + key + Blank(random) + "=" + Blank(random) + value + Blank(random);
  }
}

std::string Generated(Random& random) {
  std::string text;
  if (random.Chance(5)) text += "\xEF\xBB\xBF";
  const size_t lines = random.Below(30);
  for (size_t i = 0; i < lines; ++i) {
    const size_t kind = random.Below(10);
    if (kind < 2)
      text += HeaderLine(random);
    else if (kind < 3)
      text += Blank(random);
    else
      text += EntryLine(random);
    if (i + 1 < lines || random.Chance(80)) text += random.Pick(kLineEnds);
  }
  // A leading UTF-8 mark makes the platform decode the rest as UTF-8; keep such files ASCII.
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) {
    for (size_t i = 3; i < text.size(); ++i) {
      if (static_cast<unsigned char>(text[i]) >= 0x80) text[i] = '?';
    }
  }
  return text;
}

}  // namespace

std::vector<IniSample> IniCorpus(int generated) {
  std::vector<IniSample> samples = HandWritten();
  Random random(20240611u);
  for (int i = 0; i < generated; ++i) {
    samples.push_back({"generated-" + std::to_string(i), Generated(random)});
  }
  return samples;
}

}  // namespace formfit::test
