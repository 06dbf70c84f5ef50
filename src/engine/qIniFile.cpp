#include "engine/qIniFile.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <optional>
#include <unordered_map>

#include "base/StringRules.h"

namespace formfit {

namespace {

// The file as the profile functions model it. Every line that is not blank
// is kept: comment lines and lines without "=" are entries without a value,
// so that a rewrite carries them over.
struct Entry {
  std::string name;
  std::optional<std::string> value;
};

struct Section {
  std::string name;
  std::vector<Entry> entries;
};

struct Document {
  bool utf8Mark = false;
  // sections[0] holds the lines ahead of the first header; it has no name,
  // and only the empty section name reaches it.
  std::vector<Section> sections{Section{}};
};

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Ctrl-Z counts as a blank: old editors ended files with it.
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1A';
}

std::string_view TrimLeading(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

std::string_view Trim(std::string_view text) {
  text = TrimLeading(text);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Names and values end at a NUL byte, as C strings do.
std::string_view CutAtNul(std::string_view text) { return text.substr(0, text.find('\0')); }

std::string Stored(std::string_view text) { return std::string(CutAtNul(Trim(text))); }

Document Parse(std::string_view text) {
  Document document;
  if (text.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
    document.utf8Mark = true;
    text.remove_prefix(kUtf8Mark.size());
  }
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = Trim(text.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty()) continue;
    // A header runs to the last "]" of the line; a "[" line without one is an entry.
    const size_t close = line.front() == '[' ? line.rfind(']') : std::string_view::npos;
    if (close != std::string_view::npos && close > 0) {
      document.sections.push_back({Stored(line.substr(1, close - 1)), {}});
      continue;
    }
    Entry entry;
    const size_t equals = line.find('=');
    entry.name = Stored(line.substr(0, equals));
    if (equals != std::string_view::npos) entry.value = Stored(line.substr(equals + 1));
    // The profile functions keep only the first of adjacent nameless entries.
    auto& entries = document.sections.back().entries;
    if (entry.name.empty() && !entries.empty() && entries.back().name.empty()) continue;
    entries.push_back(std::move(entry));
  }
  return document;
}

std::string Serialize(const Document& document) {
  std::string text(document.utf8Mark ? kUtf8Mark : "");
  for (const Section& section : document.sections) {
    if (!section.name.empty()) text += "[" + section.name + "]\r\n";
    for (const Entry& entry : section.entries) {
      text += entry.name;
      if (entry.value) text += "=" + *entry.value;
      text += "\r\n";
    }
  }
  return text;
}

// A name as the lookups take it: blanks around it do not count.
std::string_view Lookup(std::string_view name) { return CutAtNul(Trim(name)); }

// The first section of that name wins; later ones of the same name are
// listed but never read.
Section* FindSection(Document& document, std::string_view name) {
  for (Section& section : document.sections) {
    if (EqualsNoCase(section.name, name)) return &section;
  }
  return nullptr;
}

std::vector<Entry>::iterator FindEntry(Section& section, std::string_view name) {
  auto entry = section.entries.begin();
  while (entry != section.entries.end() && !EqualsNoCase(entry->name, name)) ++entry;
  return entry;
}

std::string Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value);
}

// The profile functions drop trailing blanks of a default, though never its
// first character, and then its enclosing quotes.
std::string AsDefault(std::string_view value) {
  value = CutAtNul(value);
  while (value.size() > 1 && value.back() == ' ') value.remove_suffix(1);
  return Unquote(value);
}

// Comment lines and lines without "=" are not listed as keys.
bool IsListed(const Entry& entry) {
  return entry.value && (entry.name.empty() || entry.name.front() != ';');
}

struct Loaded {
  bool readable = true;
  bool exists = true;
  Document document;
};

Loaded Load(const std::string& path) {
  Loaded loaded;
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    loaded.exists = errno != ENOENT;
    loaded.readable = !loaded.exists;
    return loaded;
  }
  std::string bytes;
  char buffer[1 << 16];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) bytes.append(buffer, in.gcount());
  // A read error (or a folder at the path) must not pass for an empty file.
  loaded.readable = !in.bad();
  loaded.document = Parse(bytes);
  return loaded;
}

bool WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

// The new text goes to a file beside the old one first, so that a failed
// write never leaves a cut-off file behind.
bool Replace(const std::string& path, const std::string& bytes, bool exists) {
  if (exists && !std::fstream(path, std::ios::in | std::ios::out | std::ios::binary)) return false;
  const std::string fresh = path + "~new";
  if (!WriteAll(fresh, bytes)) {
    std::remove(fresh.c_str());
    return false;
  }
  if (std::rename(fresh.c_str(), path.c_str()) == 0) return true;
  // Windows does not rename onto an existing file: move the old one aside.
  const std::string old = path + "~old";
  std::remove(old.c_str());
  if (std::rename(path.c_str(), old.c_str()) != 0) {
    std::remove(fresh.c_str());
    return false;
  }
  if (std::rename(fresh.c_str(), path.c_str()) != 0) {
    std::rename(old.c_str(), path.c_str());
    std::remove(fresh.c_str());
    return false;
  }
  std::remove(old.c_str());
  return true;
}

}  // namespace

qIniFile& qIniFile::Init(std::string path) {
  path_ = std::move(path);
  return *this;
}

bool qIniFile::Find() const {
  std::ifstream in(path_, std::ios::binary);
  // Some systems open a folder for reading; only its first read fails.
  return in.is_open() && (in.peek(), !in.bad());
}

std::string qIniFile::Read(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const {
  Document document = Load(path_).document;
  if (Section* found = FindSection(document, Lookup(section))) {
    const auto entry = FindEntry(*found, Lookup(key));
    if (entry != found->entries.end() && entry->value) return Unquote(*entry->value);
  }
  return AsDefault(defaultValue);
}

Pairs qIniFile::ReadSection(std::string_view section) const {
  Pairs pairs;
  Document document = Load(path_).document;
  Section* found = FindSection(document, CutAtNul(section));
  if (!found) return pairs;
  // A repeated key reads the value of its first line, as Read would.
  std::unordered_map<std::string, const Entry*> firstByName;
  for (const Entry& entry : found->entries) firstByName.emplace(Upper(entry.name), &entry);
  for (const Entry& entry : found->entries) {
    if (!IsListed(entry)) continue;
    // The platform's list of names ends at a leading empty name.
    if (pairs.empty() && entry.name.empty()) return pairs;
    const Entry* first = firstByName.at(Upper(entry.name));
    pairs.push_back({entry.name, first->value ? Unquote(*first->value) : std::string()});
  }
  return pairs;
}

std::vector<std::string> qIniFile::ReadSectionList() const {
  std::vector<std::string> names;
  for (const Section& section : Load(path_).document.sections) {
    if (!section.name.empty()) names.push_back(section.name);
  }
  return names;
}

bool qIniFile::ExistSection(std::string_view section) const {
  const std::string wanted = Upper(section);
  for (const std::string& name : ReadSectionList()) {
    if (BeginsWith(Upper(name), wanted)) return true;
  }
  return false;
}

bool qIniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
  Loaded loaded = Load(path_);
  if (!loaded.readable) return false;
  Document& document = loaded.document;
  // New names and values lose their leading blanks only; the next read trims the rest.
  const std::string newValue(CutAtNul(TrimLeading(value)));
  Section* found = FindSection(document, Lookup(section));
  if (!found) {
    document.sections.push_back({std::string(CutAtNul(TrimLeading(section))), {}});
    found = &document.sections.back();
  }
  const auto entry = FindEntry(*found, Lookup(key));
  if (entry == found->entries.end()) {
    found->entries.push_back({std::string(CutAtNul(TrimLeading(key))), newValue});
  } else if (entry->value == newValue) {
    return true;
  } else {
    entry->value = newValue;
  }
  return Replace(path_, Serialize(document), loaded.exists);
}

bool qIniFile::Delete(std::string_view section, std::string_view key) {
  Loaded loaded = Load(path_);
  if (!loaded.readable) return false;
  // Unlike Write, the removal takes the names as given, and looks through
  // every section of that name.
  for (Section& candidate : loaded.document.sections) {
    if (!EqualsNoCase(candidate.name, CutAtNul(section))) continue;
    const auto entry = FindEntry(candidate, CutAtNul(key));
    if (entry == candidate.entries.end()) continue;
    candidate.entries.erase(entry);
    return Replace(path_, Serialize(loaded.document), loaded.exists);
  }
  return true;
}

bool qIniFile::DeleteSection(std::string_view section) {
  Loaded loaded = Load(path_);
  if (!loaded.readable) return false;
  auto& sections = loaded.document.sections;
  Section* found = FindSection(loaded.document, CutAtNul(section));
  if (!found) return true;
  sections.erase(sections.begin() + (found - sections.data()));
  return Replace(path_, Serialize(loaded.document), loaded.exists);
}

bool qIniFile::WriteSection(std::string_view section, const Pairs& pairs, bool clear) {
  if (clear) DeleteSection(section);
  for (const Pair& pair : pairs) Write(section, pair.key, pair.value);
  return true;
}

bool qIniFile::WriteSection(std::string_view section, std::vector<std::string> keys,
                            const std::vector<std::string>& values, bool clear) {
  if (keys.empty()) {
    for (size_t i = 1; i <= values.size(); ++i) keys.push_back(std::to_string(i));
  }
  if (clear) DeleteSection(section);
  for (size_t i = 0; i < values.size() && i < keys.size(); ++i) Write(section, keys[i], values[i]);
  return true;
}

}  // namespace formfit
