#include "app/PreviewFileOps.h"

#include <algorithm>
#include <cstring>

namespace formfit {

namespace {

// A file in memory; what is written goes straight into the kept bytes.
class MemoryFile : public OpenFile {
 public:
  MemoryFile(std::shared_ptr<std::string> bytes, bool writable)
      : bytes_(std::move(bytes)), writable_(writable) {}

  std::optional<std::uint64_t> SeekEnd() override {
    if (!open_) return std::nullopt;
    position_ = bytes_->size();
    return position_;
  }
  bool SeekStart() override {
    position_ = 0;
    return open_;
  }
  std::size_t Read(char* buffer, std::size_t count) override {
    if (!open_ || position_ >= bytes_->size()) return 0;
    const std::size_t length = std::min(count, bytes_->size() - position_);
    std::memcpy(buffer, bytes_->data() + position_, length);
    position_ += length;
    return length;
  }
  bool Write(std::string_view bytes) override {
    if (!open_ || !writable_) return false;
    if (bytes_->size() < position_ + bytes.size()) bytes_->resize(position_ + bytes.size());
    bytes_->replace(position_, bytes.size(), bytes);
    position_ += bytes.size();
    return true;
  }
  bool SetLength(std::uint64_t length) override {
    if (!open_ || !writable_ || length > bytes_->max_size()) return false;
    bytes_->resize(static_cast<std::size_t>(length));
    return true;
  }
  bool Flush() override { return open_; }
  bool Close() override {
    const bool was = open_;
    open_ = false;
    return was;
  }

 private:
  std::shared_ptr<std::string> bytes_;
  bool writable_;
  bool open_ = true;
  std::size_t position_ = 0;
};

}  // namespace

std::optional<std::string> PreviewFileOps::Written(const std::string& path) const {
  const auto found = files_.find(path);
  if (found == files_.end() || removed_.count(path) != 0) return std::nullopt;
  return *found->second;
}

PreviewFileOps::Bytes PreviewFileOps::Load(const std::string& path) {
  if (removed_.count(path) != 0) return nullptr;
  if (const auto found = files_.find(path); found != files_.end()) return found->second;
  FileContents contents = ReadWholeFile(real_, path);
  if (contents.state != FileContents::State::kRead) return nullptr;
  Bytes bytes = std::make_shared<std::string>(std::move(contents.bytes));
  files_[path] = bytes;
  return bytes;
}

bool PreviewFileOps::Exists(const std::string& path) {
  if (removed_.count(path) != 0) return false;
  return files_.count(path) != 0 || real_.Exists(path);
}

bool PreviewFileOps::IsReadOnly(const std::string& path) {
  if (const auto found = readOnly_.find(path); found != readOnly_.end()) return found->second;
  return real_.IsReadOnly(path);
}

bool PreviewFileOps::ClearReadOnly(const std::string& path) {
  if (!Exists(path)) return false;
  readOnly_[path] = false;
  return true;
}

bool PreviewFileOps::SetReadOnly(const std::string& path) {
  if (!Exists(path)) return false;
  readOnly_[path] = true;
  return true;
}

std::unique_ptr<OpenFile> PreviewFileOps::OpenRead(const std::string& path) {
  if (files_.count(path) == 0 && removed_.count(path) == 0) return real_.OpenRead(path);
  Bytes bytes = Load(path);
  if (!bytes) return nullptr;
  return std::make_unique<MemoryFile>(bytes, false);
}

std::unique_ptr<OpenFile> PreviewFileOps::OpenReadWrite(const std::string& path) {
  if (IsReadOnly(path)) return nullptr;
  // A real file that is writable as it is must also open so, or the real
  // run would fail here too (held open by someone else, no permission).
  if (files_.count(path) == 0 && !real_.IsReadOnly(path) && !real_.OpenReadWrite(path)) {
    return nullptr;
  }
  Bytes bytes = Load(path);
  if (!bytes) return nullptr;
  return std::make_unique<MemoryFile>(bytes, true);
}

std::unique_ptr<OpenFile> PreviewFileOps::CreateTemporary(const std::string& beside,
                                                          std::string& name) {
  const std::size_t folderEnd = beside.find_last_of("\\/");
  const std::string folder = folderEnd == std::string::npos ? "" : beside.substr(0, folderEnd + 1);
  do {
    name = folder + "~preview" + std::to_string(++temporaries_) + ".tmp";
  } while (Exists(name));
  Bytes bytes = std::make_shared<std::string>();
  files_[name] = bytes;
  removed_.erase(name);
  return std::make_unique<MemoryFile>(bytes, true);
}

std::vector<std::string> PreviewFileOps::Leftovers(const std::string& beside) {
  std::vector<std::string> leftovers = real_.Leftovers(beside);
  leftovers.erase(
      std::remove_if(leftovers.begin(), leftovers.end(),
                     [this](const std::string& path) { return removed_.count(path) != 0; }),
      leftovers.end());
  return leftovers;
}

bool PreviewFileOps::RemoveUnlessHeld(const std::string& path) { return Remove(path); }

Naming PreviewFileOps::NameNew(const std::string& from, const std::string& to) {
  if (Exists(to)) return Naming::kTaken;
  return Replace(from, to) ? Naming::kNamed : Naming::kFailed;
}

bool PreviewFileOps::Replace(const std::string& from, const std::string& to) {
  Bytes bytes = Load(from);
  if (!bytes) return false;
  files_[to] = bytes;
  removed_.erase(to);
  Remove(from);
  return true;
}

bool PreviewFileOps::Remove(const std::string& path) {
  if (!Exists(path)) return false;
  files_.erase(path);
  readOnly_.erase(path);
  removed_.insert(path);
  return true;
}

}  // namespace formfit
