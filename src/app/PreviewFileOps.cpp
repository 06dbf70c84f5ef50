#include "app/PreviewFileOps.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <utility>

namespace formfit {

namespace {

// The real file's bytes with `bytes` written over them at `position`, read
// straight into a string of the final size; none when they cannot be read.
std::optional<std::string> Overlaid(FileOps& real, const std::string& path, std::uint64_t position,
                                    std::string_view bytes) {
  const std::unique_ptr<OpenFile> file = real.OpenRead(path);
  if (!file) return std::nullopt;
  const std::optional<std::uint64_t> size = file->SeekEnd();
  const std::uint64_t end = position + bytes.size();
  if (!size) return std::nullopt;
  // A write over all of the file needs none of its bytes.
  if (position == 0 && end >= *size) return std::string(bytes);
  std::string result;
  if (std::max(*size, end) > result.max_size() || !file->SeekStart()) return std::nullopt;
  result.resize(static_cast<std::size_t>(std::max(*size, end)));
  const std::size_t read = static_cast<std::size_t>(*size);
  if (file->Read(result.data(), read) != read) return std::nullopt;
  if (!bytes.empty()) std::memcpy(result.data() + position, bytes.data(), bytes.size());
  return result;
}

// True when the real file holds exactly `bytes`; compared a piece at a time,
// so that nothing of the size of the file is held.
bool SameBytes(FileOps& real, const std::string& path, std::string_view bytes) {
  const std::unique_ptr<OpenFile> file = real.OpenRead(path);
  if (!file) return false;
  const std::optional<std::uint64_t> size = file->SeekEnd();
  if (!size || *size != bytes.size() || !file->SeekStart()) return false;
  std::vector<char> piece(std::min<std::size_t>(bytes.size(), 1 << 16));
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t count = std::min(piece.size(), bytes.size() - at);
    if (file->Read(piece.data(), count) != count ||
        std::memcmp(piece.data(), bytes.data() + at, count) != 0) {
      return false;
    }
    at += count;
  }
  return true;
}

}  // namespace

// An open file of the preview. Its bytes, while they are a real file's, are
// read through a real handle of its own; the first write turns them into
// bytes of its own, and from then on what is written goes straight into them.
class PreviewFileOps::MemoryFile : public OpenFile {
 public:
  MemoryFile(Kept content, FileOps& real, bool writable, std::unique_ptr<OpenFile> realFile,
             std::optional<std::string> twin = std::nullopt)
      : content_(std::move(content)),
        real_(real),
        writable_(writable),
        realFile_(std::move(realFile)),
        twin_(std::move(twin)) {}

  std::optional<std::uint64_t> SeekEnd() override {
    if (!open_) return std::nullopt;
    if (content_->real) {
      OpenFile* file = RealFile();
      const std::optional<std::uint64_t> size = file ? file->SeekEnd() : std::nullopt;
      if (!size) return std::nullopt;
      realPosition_ = *size;
      position_ = *size;
      return size;
    }
    position_ = content_->bytes.size();
    return position_;
  }
  bool SeekStart() override {
    position_ = 0;
    return open_;
  }
  std::size_t Read(char* buffer, std::size_t count) override {
    if (!open_) return 0;
    if (content_->real) {
      OpenFile* file = RealFileAtPosition();
      const std::size_t read = file ? file->Read(buffer, count) : 0;
      realPosition_ += read;
      position_ += read;
      return read;
    }
    const std::string& bytes = content_->bytes;
    if (position_ >= bytes.size()) return 0;
    const std::size_t at = static_cast<std::size_t>(position_);
    const std::size_t length = std::min(count, bytes.size() - at);
    std::memcpy(buffer, bytes.data() + at, length);
    position_ += length;
    return length;
  }
  bool Write(std::string_view bytes) override {
    if (!open_ || !writable_) return false;
    std::string& own = content_->bytes;
    if (content_->real) {
      std::optional<std::string> overlaid = Overlaid(real_, *content_->real, position_, bytes);
      if (!overlaid) return false;
      own = std::move(*overlaid);
      content_->real.reset();
      realFile_.reset();
    } else if (position_ == 0 && own.empty() && twin_ && SameBytes(real_, *twin_, bytes)) {
      content_->real = twin_;
    } else {
      const std::size_t at = static_cast<std::size_t>(position_);
      if (own.size() < at + bytes.size()) own.resize(at + bytes.size());
      own.replace(at, bytes.size(), bytes);
    }
    position_ += bytes.size();
    return true;
  }
  bool SetLength(std::uint64_t length) override {
    if (!open_ || !writable_ || length > content_->bytes.max_size()) return false;
    if (content_->real) {
      std::optional<std::string> whole = Overlaid(real_, *content_->real, 0, {});
      if (!whole) return false;
      content_->bytes = std::move(*whole);
      content_->real.reset();
      realFile_.reset();
    }
    content_->bytes.resize(static_cast<std::size_t>(length));
    return true;
  }
  bool Flush() override { return open_; }
  bool Close() override {
    const bool was = open_;
    open_ = false;
    realFile_.reset();
    return was;
  }

 private:
  OpenFile* RealFile() {
    if (!realFile_) {
      realFile_ = real_.OpenRead(*content_->real);
      realPosition_ = 0;
    }
    return realFile_.get();
  }

  // The real handle at this file's position; null when it cannot get there.
  OpenFile* RealFileAtPosition() {
    OpenFile* file = RealFile();
    if (!file || realPosition_ == position_) return file;
    if (!file->SeekStart()) return nullptr;
    realPosition_ = 0;
    std::vector<char> skipped(1 << 16);
    while (realPosition_ < position_) {
      const std::size_t count = static_cast<std::size_t>(
          std::min<std::uint64_t>(skipped.size(), position_ - realPosition_));
      const std::size_t read = file->Read(skipped.data(), count);
      realPosition_ += read;
      if (read != count) return nullptr;
    }
    return file;
  }

  Kept content_;
  FileOps& real_;
  bool writable_;
  bool open_ = true;
  std::uint64_t position_ = 0;
  std::unique_ptr<OpenFile> realFile_;
  std::uint64_t realPosition_ = 0;
  std::optional<std::string> twin_;  // the real file a copy of which this may become
};

std::optional<std::string_view> PreviewFileOps::Written(const std::string& path) {
  const auto found = files_.find(path);
  if (found == files_.end() || removed_.count(path) != 0) return std::nullopt;
  Content& content = *found->second;
  if (content.real) {
    if (*content.real == path) return std::nullopt;
    std::optional<std::string> bytes = Overlaid(real_, *content.real, 0, {});
    if (!bytes) return std::nullopt;
    content.bytes = std::move(*bytes);
    content.real.reset();
  }
  return content.bytes;
}

PreviewFileOps::Kept PreviewFileOps::Find(const std::string& path) {
  if (removed_.count(path) != 0) return nullptr;
  if (const auto found = files_.find(path); found != files_.end()) return found->second;
  if (!real_.Exists(path)) return nullptr;
  Kept kept = std::make_shared<Content>();
  kept->real = path;
  files_[path] = kept;
  return kept;
}

std::optional<std::string> PreviewFileOps::RealBehind(const std::string& path) {
  if (removed_.count(path) != 0) return std::nullopt;
  if (const auto found = files_.find(path); found != files_.end()) return found->second->real;
  if (!real_.Exists(path)) return std::nullopt;
  return path;
}

std::unique_ptr<OpenFile> PreviewFileOps::Open(const std::string& path, bool writable) {
  Kept kept = Find(path);
  if (!kept) return nullptr;
  // A real file that cannot be read fails here, as it would in the real run.
  std::unique_ptr<OpenFile> realFile;
  if (kept->real && !(realFile = real_.OpenRead(*kept->real))) return nullptr;
  return std::make_unique<MemoryFile>(kept, real_, writable, std::move(realFile));
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

std::vector<PlainFile> PreviewFileOps::PlainFiles(const std::string& beside) {
  const std::string folder = beside.substr(0, beside.find_last_of("\\/") + 1);
  const auto inFolder = [&folder](const std::string& path) {
    return path.compare(0, folder.size(), folder) == 0 &&
           path.find_first_of("\\/", folder.size()) == std::string::npos;
  };
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(now);
  const std::int64_t written = WindowsFileTime(
      seconds.count(), std::chrono::duration_cast<std::chrono::nanoseconds>(now - seconds).count());

  std::vector<PlainFile> files;
  std::set<std::string> listed;
  for (PlainFile& file : real_.PlainFiles(beside)) {
    const std::string path = folder + file.name;
    if (removed_.count(path) != 0) continue;
    const auto kept = files_.find(path);
    // A file the run changed counts as written now.
    if (kept != files_.end() && kept->second && kept->second->real != path) file.written = written;
    listed.insert(path);
    files.push_back(std::move(file));
  }
  // The files the run made.
  for (const auto& [path, content] : files_) {
    if (content && inFolder(path) && listed.count(path) == 0) {
      files.push_back({path.substr(folder.size()), written});
    }
  }
  return files;
}

std::unique_ptr<OpenFile> PreviewFileOps::OpenRead(const std::string& path) {
  if (files_.count(path) == 0 && removed_.count(path) == 0) return real_.OpenRead(path);
  return Open(path, false);
}

std::unique_ptr<OpenFile> PreviewFileOps::OpenReadWrite(const std::string& path) {
  if (IsReadOnly(path)) return nullptr;
  // A real file that is writable as it is must also open so, or the real
  // run would fail here too (held open by someone else, no permission).
  if (files_.count(path) == 0 && !real_.IsReadOnly(path) && !real_.OpenReadWrite(path)) {
    return nullptr;
  }
  return Open(path, true);
}

std::unique_ptr<OpenFile> PreviewFileOps::CreateTemporary(const std::string& beside,
                                                          std::string& name) {
  const std::size_t folderEnd = beside.find_last_of("\\/");
  const std::string folder = folderEnd == std::string::npos ? "" : beside.substr(0, folderEnd + 1);
  do {
    name = folder + "~preview" + std::to_string(++temporaries_) + ".tmp";
  } while (Exists(name));
  std::optional<std::string> twin = RealBehind(beside);
  Kept kept = std::make_shared<Content>();
  files_[name] = kept;
  removed_.erase(name);
  return std::make_unique<MemoryFile>(kept, real_, true, nullptr, std::move(twin));
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
  Kept kept = Find(from);
  if (!kept) return false;
  files_[to] = kept;
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
