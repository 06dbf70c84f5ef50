#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <vector>

#include "base/FileOps.h"

namespace formfit {

namespace {

std::string NativePath(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

class PosixFile : public OpenFile {
 public:
  explicit PosixFile(int fd) : fd_(fd) {}
  ~PosixFile() override {
    if (fd_ >= 0) ::close(fd_);
  }
  PosixFile(const PosixFile&) = delete;
  PosixFile& operator=(const PosixFile&) = delete;

  std::optional<std::uint64_t> SeekEnd() override {
    if (fd_ < 0) return std::nullopt;
    const off_t end = ::lseek(fd_, 0, SEEK_END);
    if (end < 0) return std::nullopt;
    return static_cast<std::uint64_t>(end);
  }

  bool SeekStart() override { return fd_ >= 0 && ::lseek(fd_, 0, SEEK_SET) == 0; }

  std::size_t Read(char* buffer, std::size_t count) override {
    if (fd_ < 0) return 0;
    std::size_t total = 0;
    while (total < count) {
      const ssize_t got = ::read(fd_, buffer + total, count - total);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) break;
      total += static_cast<std::size_t>(got);
    }
    return total;
  }

  bool Write(std::string_view bytes) override { return fd_ >= 0 && WriteAll(fd_, bytes); }

  bool SetLength(std::uint64_t length) override {
    if (fd_ < 0 || length > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max())) {
      return false;
    }
    return ::ftruncate(fd_, static_cast<off_t>(length)) == 0;
  }

  bool Flush() override { return fd_ >= 0 && ::fsync(fd_) == 0; }

  bool Close() override {
    if (fd_ < 0) return false;
    const int fd = fd_;
    fd_ = -1;
    // The descriptor is gone even when close reports an error; a retry could
    // close someone else's.
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// mkostemp fills the six places with letters and digits.
constexpr std::string_view kTemporaryPrefix = "~formfit-";
constexpr std::size_t kTemporaryPlaces = 6;

std::string FolderOf(const std::string& native) {
  const std::size_t slash = native.rfind('/');
  return slash == std::string::npos ? std::string() : native.substr(0, slash + 1);
}

std::unique_ptr<OpenFile> Open(const std::string& path, int flags) {
  const int fd = ::open(NativePath(path).c_str(), flags | O_CLOEXEC);
  if (fd < 0) return nullptr;
  // A folder opens for reading here, but it is not a file.
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<PosixFile>(fd);
}

class PosixFileOps : public FileOps {
 public:
  bool Exists(const std::string& path) override {
    struct stat info {};
    return ::stat(NativePath(path).c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
  }

  bool IsReadOnly(const std::string& path) override {
    struct stat info {};
    return ::stat(NativePath(path).c_str(), &info) == 0 && !(info.st_mode & S_IWUSR);
  }

  bool ClearReadOnly(const std::string& path) override {
    const std::string native = NativePath(path);
    struct stat info {};
    if (::stat(native.c_str(), &info) != 0) return false;
    if (info.st_mode & S_IWUSR) return true;
    return ::chmod(native.c_str(), (info.st_mode & 07777) | S_IWUSR) == 0;
  }

  bool SetReadOnly(const std::string& path) override {
    const std::string native = NativePath(path);
    struct stat info {};
    if (::stat(native.c_str(), &info) != 0) return false;
    return ::chmod(native.c_str(), info.st_mode & 07777 & ~mode_t{S_IWUSR | S_IWGRP | S_IWOTH}) ==
           0;
  }

  std::vector<PlainFile> PlainFiles(const std::string& beside) override {
    const std::string folder = FolderOf(NativePath(beside));
    std::vector<PlainFile> files;
    DIR* const listing = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!listing) return files;
    while (const dirent* entry = ::readdir(listing)) {
      struct stat info {};
      if (::lstat((folder + entry->d_name).c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        files.push_back({entry->d_name, static_cast<std::uint64_t>(info.st_size),
                         WindowsFileTime(info.st_mtim.tv_sec, info.st_mtim.tv_nsec),
                         entry->d_name[0] == '.'});
      }
    }
    ::closedir(listing);
    return files;
  }

  std::unique_ptr<OpenFile> OpenRead(const std::string& path) override {
    return Noted(Open(path, O_RDONLY));
  }

  std::unique_ptr<OpenFile> OpenReadWrite(const std::string& path) override {
    return Noted(Open(path, O_RDWR));
  }

  OpenFailure LastOpenFailure() override { return lastOpenFailure_; }

  std::optional<FileIdentity> Identity(const std::string& path) override {
    struct stat info {};
    if (::stat(NativePath(path).c_str(), &info) != 0) return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(info.st_dev),
                        static_cast<std::uint64_t>(info.st_ino)};
  }

  std::string FullPath(const std::string& path) override {
    std::string native = NativePath(path);
    if (native.empty() || native[0] != '/') {
      char here[4096];
      if (!::getcwd(here, sizeof here)) return native;
      native = std::string(here) + "/" + native;
    }
    // "." and ".." taken out by the letter, as Windows does.
    std::vector<std::string> names;
    std::size_t start = 1;
    while (start <= native.size()) {
      const std::size_t end = std::min(native.find('/', start), native.size());
      const std::string name = native.substr(start, end - start);
      if (name == "..") {
        if (!names.empty()) names.pop_back();
      } else if (!name.empty() && name != ".") {
        names.push_back(name);
      }
      start = end + 1;
    }
    std::string full;
    for (const std::string& name : names) full += "/" + name;
    return full.empty() ? "/" : full;
  }

  std::unique_ptr<OpenFile> CreateTemporary(const std::string& beside, std::string& name) override {
    std::string pattern = FolderOf(NativePath(beside)) + std::string(kTemporaryPrefix) +
                          std::string(kTemporaryPlaces, 'X');
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) return nullptr;
    // "Held" is this advisory lock: it goes with the descriptor, so it ends
    // at the close and with a killed process. Another run's RemoveUnlessHeld
    // may have taken the file in the moment before the lock; then the file
    // is its to remove, and a backup written to it would never be found.
    struct stat info {};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &info) != 0 || info.st_nlink == 0) {
      ::close(fd);
      return nullptr;
    }
    name = pattern;
    return std::make_unique<PosixFile>(fd);
  }

  bool RemoveUnlessHeld(const std::string& path) override {
    const std::string native = NativePath(path);
    // O_NONBLOCK: a pipe put under that name must not stop the run.
    const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return false;
    // Whoever holds the file has its lock (see CreateTemporary); while this
    // one holds it, no one can start to hold it, so the removal is safe.
    const bool removed = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlink(native.c_str()) == 0;
    ::close(fd);
    return removed;
  }

  Naming NameNew(const std::string& from, const std::string& to) override {
    const std::string source = NativePath(from);
    const std::string target = NativePath(to);
    // RENAME_NOREPLACE counts any entry as taken, a dangling link too.
    if (::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
      return Naming::kNamed;
    }
    if (errno == EEXIST) return Naming::kTaken;
    if (errno != EINVAL && errno != ENOSYS) return Naming::kFailed;
    // File systems without that flag: a hard link refuses an existing name as well.
    if (::link(source.c_str(), target.c_str()) != 0) {
      return errno == EEXIST ? Naming::kTaken : Naming::kFailed;
    }
    ::unlink(source.c_str());
    return Naming::kNamed;
  }

  bool Replace(const std::string& from, const std::string& to) override {
    return ::rename(NativePath(from).c_str(), NativePath(to).c_str()) == 0;
  }

  bool Remove(const std::string& path) override { return ::unlink(NativePath(path).c_str()) == 0; }

 private:
  // The file, or why it could not be opened, from the system's error.
  std::unique_ptr<OpenFile> Noted(std::unique_ptr<OpenFile> file) {
    if (!file) {
      lastOpenFailure_ = errno == EACCES || errno == EPERM          ? OpenFailure::kNoPermission
                         : errno == EWOULDBLOCK || errno == ETXTBSY ? OpenFailure::kInUse
                                                                    : OpenFailure::kOther;
    }
    return file;
  }

  OpenFailure lastOpenFailure_ = OpenFailure::kOther;
};

}  // namespace

bool IsTemporaryName(std::string_view name) {
  if (name.size() != kTemporaryPrefix.size() + kTemporaryPlaces ||
      name.substr(0, kTemporaryPrefix.size()) != kTemporaryPrefix) {
    return false;
  }
  return std::all_of(name.begin() + kTemporaryPrefix.size(), name.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  });
}

FileOps& SystemFileOps() {
  static PosixFileOps files;
  return files;
}

}  // namespace formfit
