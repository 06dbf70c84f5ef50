#include <windows.h>

#include <algorithm>

#include "base/FileOps.h"

namespace formfit {

namespace {

// ReadFile and WriteFile move at most a DWORD of bytes per call.
constexpr std::size_t kChunk = 1u << 30;

bool WriteAll(HANDLE handle, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const auto count = static_cast<DWORD>(std::min(bytes.size(), kChunk));
    if (!WriteFile(handle, bytes.data(), count, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

bool MoveTo(HANDLE handle, std::uint64_t position, DWORD from, std::uint64_t* reached = nullptr) {
  LARGE_INTEGER distance;
  distance.QuadPart = static_cast<LONGLONG>(position);
  LARGE_INTEGER result;
  if (!SetFilePointerEx(handle, distance, &result, from)) return false;
  if (reached) *reached = static_cast<std::uint64_t>(result.QuadPart);
  return true;
}

class WinFile : public OpenFile {
 public:
  explicit WinFile(HANDLE handle) : handle_(handle) {}
  ~WinFile() override {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  WinFile(const WinFile&) = delete;
  WinFile& operator=(const WinFile&) = delete;

  std::optional<std::uint64_t> SeekEnd() override {
    std::uint64_t end = 0;
    if (handle_ == INVALID_HANDLE_VALUE || !MoveTo(handle_, 0, FILE_END, &end)) {
      return std::nullopt;
    }
    return end;
  }

  bool SeekStart() override {
    return handle_ != INVALID_HANDLE_VALUE && MoveTo(handle_, 0, FILE_BEGIN);
  }

  std::size_t Read(char* buffer, std::size_t count) override {
    if (handle_ == INVALID_HANDLE_VALUE) return 0;
    std::size_t total = 0;
    while (total < count) {
      DWORD got = 0;
      const auto wanted = static_cast<DWORD>(std::min(count - total, kChunk));
      if (!ReadFile(handle_, buffer + total, wanted, &got, nullptr) || got == 0) break;
      total += got;
    }
    return total;
  }

  bool Write(std::string_view bytes) override {
    return handle_ != INVALID_HANDLE_VALUE && WriteAll(handle_, bytes);
  }

  bool SetLength(std::uint64_t length) override {
    return handle_ != INVALID_HANDLE_VALUE && MoveTo(handle_, length, FILE_BEGIN) &&
           SetEndOfFile(handle_);
  }

  bool Close() override {
    if (handle_ == INVALID_HANDLE_VALUE) return false;
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return CloseHandle(handle) != 0;
  }

 private:
  HANDLE handle_;
};

class WinFileOps : public FileOps {
 public:
  bool Exists(const std::string& path) override {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  }

  bool CreateNew(const std::string& path, std::string_view bytes) override {
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    const bool written = WriteAll(handle, bytes) && FlushFileBuffers(handle);
    const bool closed = CloseHandle(handle) != 0;
    if (written && closed) return true;
    DeleteFileA(path.c_str());
    return false;
  }

  bool ClearReadOnly(const std::string& path) override {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    if (!(attributes & FILE_ATTRIBUTE_READONLY)) return true;
    DWORD writable = attributes & ~DWORD{FILE_ATTRIBUTE_READONLY};
    // No attribute bits at all would mean "leave them unchanged".
    if (writable == 0) writable = FILE_ATTRIBUTE_NORMAL;
    return SetFileAttributesA(path.c_str(), writable) != 0;
  }

  std::unique_ptr<OpenFile> OpenReadWrite(const std::string& path) override {
    // No sharing: nobody reads a half-written file or writes under us.
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<WinFile>(handle);
  }
};

}  // namespace

FileOps& SystemFileOps() {
  static WinFileOps files;
  return files;
}

}  // namespace formfit
