#include "base/FileOps.h"

#include <algorithm>
#include <limits>
#include <new>

namespace formfit {

FileContents ReadWholeFile(FileOps& files, const std::string& path) {
  FileContents contents;
  const std::unique_ptr<OpenFile> file = files.OpenRead(path);
  if (!file) {
    // A file that is there but will not open must not pass for a missing one.
    if (files.Exists(path)) contents.state = FileContents::State::kUnreadable;
    return contents;
  }
  contents.state = FileContents::State::kUnreadable;
  const std::optional<std::uint64_t> size = file->SeekEnd();
  if (!size || *size > contents.bytes.max_size() || !file->SeekStart()) return contents;
  try {
    contents.bytes.resize(static_cast<std::size_t>(*size));
  } catch (const std::bad_alloc&) {
    contents.bytes.clear();
    return contents;
  }
  if (file->Read(contents.bytes.data(), contents.bytes.size()) != contents.bytes.size()) {
    contents.bytes.clear();
    return contents;
  }
  contents.state = FileContents::State::kRead;
  return contents;
}

std::vector<std::string> Leftovers(FileOps& files, const std::string& beside) {
  const std::string folder = beside.substr(0, beside.find_last_of("\\/") + 1);
  std::vector<std::string> leftovers;
  for (const PlainFile& file : files.PlainFiles(beside)) {
    if (IsTemporaryName(file.name)) leftovers.push_back(folder + file.name);
  }
  std::sort(leftovers.begin(), leftovers.end());
  return leftovers;
}

std::int64_t WindowsFileTime(std::int64_t seconds, std::int64_t nanoseconds) {
  constexpr std::int64_t kSecondsBefore1970 = 11644473600;
  constexpr std::int64_t kTicksPerSecond = 10000000;
  // One second of margin at either end leaves room for the nanoseconds.
  constexpr std::int64_t kLatest =
      std::numeric_limits<std::int64_t>::max() / kTicksPerSecond - kSecondsBefore1970 - 1;
  constexpr std::int64_t kEarliest =
      std::numeric_limits<std::int64_t>::min() / kTicksPerSecond - kSecondsBefore1970 + 1;
  if (seconds > kLatest) return std::numeric_limits<std::int64_t>::max();
  if (seconds < kEarliest) return std::numeric_limits<std::int64_t>::min();
  return (seconds + kSecondsBefore1970) * kTicksPerSecond + nanoseconds / 100;
}

std::optional<std::string> WriteTemporary(FileOps& files, const std::string& beside,
                                          std::string_view bytes) {
  std::string name;
  std::unique_ptr<OpenFile> file = files.CreateTemporary(beside, name);
  if (!file) return std::nullopt;
  const bool written = file->Write(bytes) && file->Flush();
  const bool closed = file->Close();
  if (written && closed) return name;
  files.Remove(name);
  return std::nullopt;
}

}  // namespace formfit
