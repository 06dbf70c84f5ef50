#include "base/FileOps.h"

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
