#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>

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

class PosixFileOps : public FileOps {
 public:
  bool Exists(const std::string& path) override {
    struct stat info {};
    return ::stat(NativePath(path).c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
  }

  bool CreateNew(const std::string& path, std::string_view bytes) override {
    const std::string native = NativePath(path);
    const int fd = ::open(native.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (written && closed) return true;
    ::unlink(native.c_str());
    return false;
  }

  bool ClearReadOnly(const std::string& path) override {
    const std::string native = NativePath(path);
    struct stat info {};
    if (::stat(native.c_str(), &info) != 0) return false;
    if (info.st_mode & S_IWUSR) return true;
    return ::chmod(native.c_str(), (info.st_mode & 07777) | S_IWUSR) == 0;
  }

  std::unique_ptr<OpenFile> OpenReadWrite(const std::string& path) override {
    const int fd = ::open(NativePath(path).c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return nullptr;
    return std::make_unique<PosixFile>(fd);
  }
};

}  // namespace

FileOps& SystemFileOps() {
  static PosixFileOps files;
  return files;
}

}  // namespace formfit
