#include "engine/qIniFile.h"

#include <optional>

namespace formfit {

namespace {

// The file's text for an edit; none when an edit must not go ahead: the
// file is there but cannot be read, or cannot be written, so that a rewrite
// would lose it or be refused.
std::optional<IniText> EditableContents(FileOps& files, const std::string& path) {
  const FileContents contents = ReadWholeFile(files, path);
  if (contents.state == FileContents::State::kUnreadable) return std::nullopt;
  if (contents.state == FileContents::State::kRead && !files.OpenReadWrite(path)) {
    return std::nullopt;
  }
  return IniText(contents.bytes);
}

// The new text goes to a file beside the old one first, so that a failed
// write never leaves a cut-off file behind.
bool Rewrite(FileOps& files, const std::string& path, const IniText& text) {
  const std::optional<std::string> fresh = WriteTemporary(files, path, text.Bytes());
  if (!fresh) return false;
  if (files.Replace(*fresh, path)) return true;
  files.Remove(*fresh);
  return false;
}

}  // namespace

qIniFile& qIniFile::Init(std::string path) {
  path_ = std::move(path);
  return *this;
}

bool qIniFile::Find() const {
  return ReadWholeFile(*files_, path_).state == FileContents::State::kRead;
}

IniText qIniFile::Contents() const { return IniText(ReadWholeFile(*files_, path_).bytes); }

std::string qIniFile::Read(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const {
  return Contents().Read(section, key, defaultValue);
}

Pairs qIniFile::ReadSection(std::string_view section) const {
  return Contents().ReadSection(section);
}

std::vector<std::string> qIniFile::ReadSectionList() const { return Contents().ReadSectionList(); }

bool qIniFile::ExistSection(std::string_view section) const {
  return Contents().ExistSection(section);
}

template <typename EditText>
bool qIniFile::Edit(EditText edit) {
  std::optional<IniText> text = EditableContents(*files_, path_);
  if (!text) return false;
  return !edit(*text) || Rewrite(*files_, path_, *text);
}

bool qIniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
  return Edit([&](IniText& text) { return text.Write(section, key, value); });
}

bool qIniFile::Delete(std::string_view section, std::string_view key) {
  return Edit([&](IniText& text) { return text.Delete(section, key); });
}

bool qIniFile::DeleteSection(std::string_view section) {
  return Edit([&](IniText& text) { return text.DeleteSection(section); });
}

bool qIniFile::WriteSection(std::string_view section, const Pairs& pairs, bool clear) {
  return Edit([&](IniText& text) {
    bool changed = clear && text.DeleteSection(section);
    for (const Pair& pair : pairs) changed = text.Write(section, pair.key, pair.value) || changed;
    return changed;
  });
}

bool qIniFile::WriteSection(std::string_view section, std::vector<std::string> keys,
                            const std::vector<std::string>& values, bool clear) {
  if (keys.empty()) {
    for (std::size_t i = 1; i <= values.size(); ++i) keys.push_back(std::to_string(i));
  }
  Pairs pairs;
  for (std::size_t i = 0; i < values.size() && i < keys.size(); ++i) {
    pairs.push_back({keys[i], values[i]});
  }
  return WriteSection(section, pairs, clear);
}

}  // namespace formfit
