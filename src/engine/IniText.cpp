#include "engine/IniText.h"

#include <optional>
#include <unordered_map>

#include "base/StringRules.h"

namespace formfit {

namespace {

// Comment lines and lines without "=" are entries without a value.
struct Entry {
  std::string name;
  std::optional<std::string> value;
};

struct Section {
  std::string name;
  std::vector<Entry> entries;
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

// A name as the lookups take it: blanks around it do not count.
std::string_view Lookup(std::string_view name) { return CutAtNul(Trim(name)); }

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

}  // namespace

struct IniText::Document {
  bool utf8Mark = false;
  // sections[0] holds the lines ahead of the first header; it has no name,
  // and only the empty section name reaches it.
  std::vector<Section> sections{Section{}};
  // The first section of each name, by its upper case: a component file
  // with thousands of sections is looked up thousands of times.
  std::unordered_map<std::string, std::size_t> firstByName;

  void Index() {
    firstByName.clear();
    for (std::size_t i = sections.size(); i-- > 0;) firstByName[Upper(sections[i].name)] = i;
  }

  // The first section of that name wins; later ones of the same name are
  // listed but never read.
  Section* Find(std::string_view name) {
    const auto found = firstByName.find(Upper(name));
    return found == firstByName.end() ? nullptr : &sections[found->second];
  }
};

IniText::IniText(std::string_view text) : document_(std::make_unique<Document>()) {
  Document& document = *document_;
  if (text.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
    document.utf8Mark = true;
    text.remove_prefix(kUtf8Mark.size());
  }
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = Trim(text.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty()) continue;
    // A header runs to the last "]" of the line; a "[" line without one is an entry.
    const std::size_t close = line.front() == '[' ? line.rfind(']') : std::string_view::npos;
    if (close != std::string_view::npos && close > 0) {
      document.sections.push_back({Stored(line.substr(1, close - 1)), {}});
      continue;
    }
    Entry entry;
    const std::size_t equals = line.find('=');
    entry.name = Stored(line.substr(0, equals));
    if (equals != std::string_view::npos) entry.value = Stored(line.substr(equals + 1));
    // The profile functions keep only the first of adjacent nameless entries.
    auto& entries = document.sections.back().entries;
    if (entry.name.empty() && !entries.empty() && entries.back().name.empty()) continue;
    entries.push_back(std::move(entry));
  }
  document.Index();
}

IniText::IniText(const IniText& other) : document_(std::make_unique<Document>(*other.document_)) {}
IniText& IniText::operator=(const IniText& other) {
  document_ = std::make_unique<Document>(*other.document_);
  return *this;
}
IniText::IniText(IniText&&) noexcept = default;
IniText& IniText::operator=(IniText&&) noexcept = default;
IniText::~IniText() = default;

std::string IniText::Bytes() const {
  std::size_t size = kUtf8Mark.size();
  for (const Section& section : document_->sections) {
    size += section.name.size() + 4;
    for (const Entry& entry : section.entries) {
      size += entry.name.size() + 3 + (entry.value ? entry.value->size() : 0);
    }
  }
  std::string text;
  text.reserve(size);
  if (document_->utf8Mark) text += kUtf8Mark;
  for (const Section& section : document_->sections) {
    if (!section.name.empty()) text.append("[").append(section.name).append("]\r\n");
    for (const Entry& entry : section.entries) {
      text += entry.name;
      if (entry.value) text.append("=").append(*entry.value);
      text += "\r\n";
    }
  }
  return text;
}

std::string IniText::Read(std::string_view section, std::string_view key,
                          std::string_view defaultValue) const {
  if (Section* found = document_->Find(Lookup(section))) {
    const auto entry = FindEntry(*found, Lookup(key));
    if (entry != found->entries.end() && entry->value) return Unquote(*entry->value);
  }
  return AsDefault(defaultValue);
}

Pairs IniText::ReadSection(std::string_view section) const {
  Pairs pairs;
  const Section* found = document_->Find(CutAtNul(section));
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

std::vector<std::string> IniText::ReadSectionList() const {
  std::vector<std::string> names;
  for (const Section& section : document_->sections) {
    if (!section.name.empty()) names.push_back(section.name);
  }
  return names;
}

bool IniText::ExistSection(std::string_view section) const {
  const std::string wanted = Upper(section);
  for (const Section& candidate : document_->sections) {
    if (!candidate.name.empty() && BeginsWith(Upper(candidate.name), wanted)) return true;
  }
  return false;
}

bool IniText::Write(std::string_view section, std::string_view key, std::string_view value) {
  Document& document = *document_;
  // New names and values lose their leading blanks only; the next read trims the rest.
  const std::string newValue(CutAtNul(TrimLeading(value)));
  Section* found = document.Find(Lookup(section));
  if (!found) {
    document.sections.push_back({std::string(CutAtNul(TrimLeading(section))), {}});
    document.Index();
    found = &document.sections.back();
  }
  const auto entry = FindEntry(*found, Lookup(key));
  if (entry == found->entries.end()) {
    found->entries.push_back({std::string(CutAtNul(TrimLeading(key))), newValue});
  } else if (entry->value == newValue) {
    return false;
  } else {
    entry->value = newValue;
  }
  return true;
}

bool IniText::Delete(std::string_view section, std::string_view key) {
  // Unlike Write, the removal takes the names as given, and looks through
  // every section of that name.
  for (Section& candidate : document_->sections) {
    if (!EqualsNoCase(candidate.name, CutAtNul(section))) continue;
    const auto entry = FindEntry(candidate, CutAtNul(key));
    if (entry == candidate.entries.end()) continue;
    candidate.entries.erase(entry);
    return true;
  }
  return false;
}

bool IniText::DeleteSection(std::string_view section) {
  Document& document = *document_;
  Section* found = document.Find(CutAtNul(section));
  if (!found) return false;
  document.sections.erase(document.sections.begin() + (found - document.sections.data()));
  // The lines ahead of the first section stay the unnamed first one.
  if (document.sections.empty() || !document.sections.front().name.empty()) {
    document.sections.insert(document.sections.begin(), Section{});
  }
  document.Index();
  return true;
}

}  // namespace formfit
