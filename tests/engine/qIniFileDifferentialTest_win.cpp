// qIniFile against the platform's profile functions, file by file: every
// read answer and every file left behind by a write must be the same.
#include <gtest/gtest.h>
#include <windows.h>

#include <iostream>
#include <optional>
#include <sstream>

#include "base/StringRules.h"
#include "engine/qIniFile.h"
#include "qIniFileCorpus.h"
#include "support/TempDir.h"
#include "support/TextAssert.h"

namespace formfit {
namespace {

using test::IniSample;

constexpr int kGenerated = 300;

std::string Shown(std::string_view text) {
  constexpr size_t kLongest = 300;
  if (text.size() > kLongest) return Shown(text.substr(0, kLongest)) + "...";
  std::string out = "\"";
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b >= 0x7F || c == '"' || c == '\\') {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", b);
      out += hex;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Shown(const std::vector<std::string>& list) {
  std::string out = "{";
  for (const std::string& item : list) out += Shown(item) + " ";
  return out + "}";
}

std::string Shown(const Pairs& pairs) {
  std::string out = "{";
  for (const Pair& pair : pairs) out += Shown(pair.key) + "=" + Shown(pair.value) + " ";
  return out + "}";
}

std::string AsciiCase(std::string text, bool upper) {
  for (char& c : text) {
    if (upper && c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    if (!upper && c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return text;
}

// The profile functions on one file, with buffers large enough never to cut.
class Platform {
 public:
  explicit Platform(std::string path) : path_(std::move(path)), buffer_(1 << 16) {}

  std::vector<std::string> SectionNames() {
    return Split(GetPrivateProfileSectionNamesA(buffer_.data(), Size(), path_.c_str()));
  }
  std::vector<std::string> Keys(const std::string& section) {
    return Split(GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer_.data(), Size(),
                                          path_.c_str()));
  }
  std::string Read(const std::string& section, const std::string& key, const std::string& def) {
    const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(),
                                             buffer_.data(), Size(), path_.c_str());
    return std::string(buffer_.data(), n);
  }
  bool Write(const char* section, const char* key, const char* value) {
    return WritePrivateProfileStringA(section, key, value, path_.c_str()) != FALSE;
  }

 private:
  DWORD Size() const { return static_cast<DWORD>(buffer_.size()); }
  std::vector<std::string> Split(DWORD n) const {
    std::vector<std::string> names;
    for (DWORD i = 0; i < n;) {
      names.emplace_back(buffer_.data() + i);
      i += static_cast<DWORD>(names.back().size()) + 1;
    }
    return names;
  }

  std::string path_;
  std::vector<char> buffer_;
};

// Collects the first difference only.
class Verdict {
 public:
  template <typename T>
  void Same(const std::string& what, const T& theirs, const T& ours) {
    if (first_.empty() && !(theirs == ours)) {
      first_ = what + ": platform " + Shown(theirs) + ", ours " + Shown(ours);
    }
  }
  void Same(const std::string& what, bool theirs, bool ours) {
    if (first_.empty() && theirs != ours) {
      first_ = what + ": platform " + std::to_string(theirs) + ", ours " + std::to_string(ours);
    }
  }
  const std::string& First() const { return first_; }

 private:
  std::string first_;
};

const std::vector<std::string> kProbeKeys = {"k",  "K",        " k ",   "Key",  "noeq", "",  " ",
                                             ";k", "; spaced", "#hash", "[bad", "a b",  "x", "zz"};
const std::vector<std::string> kDefaults = {"", "dflt", " d ", "\"q\" ", "' a '  ", "  ", "\""};

void CompareReads(const std::string& path, Verdict& verdict) {
  Platform platform(path);
  const qIniFile ours(path);
  const std::vector<std::string> names = platform.SectionNames();
  verdict.Same("ReadSectionList", names, ours.ReadSectionList());

  std::vector<std::string> probes = {"", " ", "NoSuchSection"};
  for (const std::string& name : names) {
    probes.insert(probes.end(),
                  {name, AsciiCase(name, true), AsciiCase(name, false), " " + name + "\t"});
  }
  for (const std::string& section : probes) {
    Pairs expected;
    std::vector<std::string> keys = platform.Keys(section);
    for (const std::string& key : keys) expected.push_back({key, platform.Read(section, key, "")});
    verdict.Same("ReadSection(" + Shown(section) + ")", expected, ours.ReadSection(section));

    keys.insert(keys.end(), kProbeKeys.begin(), kProbeKeys.end());
    for (size_t i = 0; i < keys.size(); ++i) {
      const std::string& key = i % 2 ? AsciiCase(keys[i], true) : keys[i];
      const std::string& def = kDefaults[i % kDefaults.size()];
      verdict.Same("Read(" + Shown(section) + ", " + Shown(key) + ", " + Shown(def) + ")",
                   platform.Read(section, key, def), ours.Read(section, key, def));
    }
  }

  std::vector<std::string> prefixes = {"", "NoSuch"};
  for (const std::string& name : names) {
    prefixes.insert(prefixes.end(),
                    {name.substr(0, 1), name.substr(0, 3), AsciiCase(name, false), name + "X"});
  }
  for (const std::string& prefix : prefixes) {
    bool expected = false;
    for (const std::string& name : names) expected |= BeginsWith(Upper(name), Upper(prefix));
    verdict.Same("ExistSection(" + Shown(prefix) + ")", expected, ours.ExistSection(prefix));
  }
}

// One change through both writers; absent key or value stands for NULL.
struct Change {
  std::string section;
  std::optional<std::string> key;
  std::optional<std::string> value;
};

std::vector<Change> ChangesFor(const std::string& path, size_t index) {
  Platform platform(path);
  std::vector<std::string> names = platform.SectionNames();
  names.insert(names.end(), {"Main", "Second"});
  const std::string& first = names[index % names.size()];
  const std::string& second = names[(index + 1) % names.size()];
  std::vector<std::string> keys = platform.Keys(first);
  keys.insert(keys.end(), {"k", "Key"});
  const std::string& key = keys[index % keys.size()];
  std::vector<Change> changes = {
      {AsciiCase(first, false), AsciiCase(key, true), "changed value "},
      {first, key, platform.Read(first, key, "")},
      {"  New Section  ", "  new key ", "  v  "},
      {"", "top", "1"},
      {second, keys.back(), std::nullopt},
      {first, "no such key", std::nullopt},
      {" " + first, key, std::nullopt},
      {first, " " + key + " ", std::nullopt},
      {" " + AsciiCase(second, true), std::nullopt, std::nullopt},
      {"No Such Section", std::nullopt, std::nullopt},
      {names.back(), "k", "\"q\""},
      {first, ";k", " x"},
      {second, "", "empty name"},
      {second, "", std::nullopt},
      {"", "a", std::nullopt},
  };
  if (index % 3 == 0) changes.push_back({"", std::nullopt, std::nullopt});
  return changes;
}

void CompareWrites(const test::TempDir& dir, const IniSample& sample, size_t index,
                   Verdict& verdict) {
  const std::string tag = std::to_string(index);
  const std::string theirsPath = dir.WriteFile("theirs-" + tag + ".ini", sample.bytes);
  qIniFile ours(dir.WriteFile("ours-" + tag + ".ini", sample.bytes));
  Platform platform(theirsPath);
  for (const Change& change : ChangesFor(theirsPath, index)) {
    std::string what;
    bool theirsOk = false;
    bool oursOk = false;
    if (change.key && change.value) {
      what = "Write(" + Shown(change.section) + ", " + Shown(*change.key) + ", " +
             Shown(*change.value) + ")";
      theirsOk = platform.Write(change.section.c_str(), change.key->c_str(), change.value->c_str());
      oursOk = ours.Write(change.section, *change.key, *change.value);
    } else if (change.key) {
      what = "Delete(" + Shown(change.section) + ", " + Shown(*change.key) + ")";
      theirsOk = platform.Write(change.section.c_str(), change.key->c_str(), nullptr);
      oursOk = ours.Delete(change.section, *change.key);
    } else {
      what = "DeleteSection(" + Shown(change.section) + ")";
      theirsOk = platform.Write(change.section.c_str(), nullptr, nullptr);
      oursOk = ours.DeleteSection(change.section);
    }
    verdict.Same(what + " result", theirsOk, oursOk);
    verdict.Same(what + " file", test::ReadFile(theirsPath), test::ReadFile(ours.FullPath()));
  }
}

TEST(qIniFileDifferentialTest, MissingFileLikeTheProfileFunctions) {
  const test::TempDir dir;
  const std::string theirsPath = dir.Path() + "theirs.ini";
  qIniFile ours(dir.Path() + "ours.ini");
  Platform platform(theirsPath);

  EXPECT_EQ(platform.Write("A", "k", nullptr), ours.Delete("A", "k"));
  EXPECT_EQ(platform.Write("A", nullptr, nullptr), ours.DeleteSection("A"));
  EXPECT_FALSE(ours.Find());
  EXPECT_EQ(GetFileAttributesA(theirsPath.c_str()), INVALID_FILE_ATTRIBUTES);

  EXPECT_EQ(platform.Write(" A ", " k ", " v "), ours.Write(" A ", " k ", " v "));
  EXPECT_TRUE(test::SameText(test::ReadFile(theirsPath), test::ReadFile(ours.FullPath())));
}

TEST(qIniFileDifferentialTest, AnswersAndWritesLikeTheProfileFunctions) {
  const test::TempDir dir;
  const std::vector<IniSample> corpus = test::IniCorpus(kGenerated);
  size_t agreed = 0;
  for (size_t i = 0; i < corpus.size(); ++i) {
    Verdict verdict;
    CompareReads(dir.WriteFile("read-" + std::to_string(i) + ".ini", corpus[i].bytes), verdict);
    CompareWrites(dir, corpus[i], i, verdict);
    if (verdict.First().empty()) {
      ++agreed;
    } else {
      ADD_FAILURE() << corpus[i].name << " " << Shown(corpus[i].bytes) << "\n  " << verdict.First();
    }
  }
  std::cout << agreed << " of " << corpus.size() << " files agreed\n";
}

}  // namespace
}  // namespace formfit
