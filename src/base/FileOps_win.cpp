#include <windows.h>

#include <algorithm>

#include "base/FileOps.h"
#include "base/StringRules.h"

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

  bool Flush() override {
    return handle_ != INVALID_HANDLE_VALUE && FlushFileBuffers(handle_) != 0;
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

std::unique_ptr<OpenFile> Open(const std::string& path, DWORD access, DWORD sharing) {
  const HANDLE handle = CreateFileA(path.c_str(), access, sharing, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<WinFile>(handle);
}

constexpr char kTemporaryPrefix[] = "~ff";
constexpr std::string_view kTemporaryExtension = ".tmp";

std::string FolderOf(const std::string& path) {
  const std::size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? std::string(".\\") : path.substr(0, separator + 1);
}

class WinFileOps : public FileOps {
 public:
  bool Exists(const std::string& path) override {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  }

  bool IsReadOnly(const std::string& path) override {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
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

  bool SetReadOnly(const std::string& path) override {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    const DWORD readOnly = (attributes & ~DWORD{FILE_ATTRIBUTE_NORMAL}) | FILE_ATTRIBUTE_READONLY;
    return SetFileAttributesA(path.c_str(), readOnly) != 0;
  }

  std::unique_ptr<OpenFile> OpenRead(const std::string& path) override {
    return Noted(Open(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE));
  }

  std::unique_ptr<OpenFile> OpenReadWrite(const std::string& path) override {
    // No sharing: nobody reads a half-written file or writes under us.
    return Noted(Open(path, GENERIC_READ | GENERIC_WRITE, 0));
  }

  OpenFailure LastOpenFailure() override { return lastOpenFailure_; }

  std::optional<FileIdentity> Identity(const std::string& path) override {
    // No access asked, all sharing given, so a file someone holds without
    // sharing is still identified; a folder needs the backup flag.
    const HANDLE handle =
        CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION information{};
    const bool known = GetFileInformationByHandle(handle, &information) != 0;
    CloseHandle(handle);
    if (!known) return std::nullopt;
    return FileIdentity{
        information.dwVolumeSerialNumber,
        (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
  }

  std::string FullPath(const std::string& path) override {
    const DWORD length = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (length == 0) return path;
    std::string full(length, '\0');
    const DWORD written = GetFullPathNameA(path.c_str(), length, full.data(), nullptr);
    if (written == 0 || written >= length) return path;
    full.resize(written);
    return full;
  }

  std::unique_ptr<OpenFile> CreateTemporary(const std::string& beside, std::string& name) override {
    char created[MAX_PATH];
    if (!GetTempFileNameA(FolderOf(beside).c_str(), kTemporaryPrefix, 0, created)) return nullptr;
    // No sharing, delete sharing least of all: that is what makes the file
    // held. Another run's RemoveUnlessHeld may take the file in the moment
    // before this open; the open fails then, which is better than a backup
    // nobody finds.
    std::unique_ptr<OpenFile> file = Open(created, GENERIC_WRITE, 0);
    if (!file) {
      DeleteFileA(created);
      return nullptr;
    }
    name = created;
    return file;
  }

  // One search gives every name with its size and time: far fewer calls than
  // asking name by name.
  std::vector<PlainFile> PlainFiles(const std::string& beside) override {
    std::vector<PlainFile> files;
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA((FolderOf(beside) + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
      const DWORD notFiles =
          FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE;
      if (entry.dwFileAttributes & notFiles) continue;
      const FILETIME& time = entry.ftLastWriteTime;
      files.push_back(
          {entry.cFileName, std::uint64_t{entry.nFileSizeHigh} << 32 | entry.nFileSizeLow,
           static_cast<std::int64_t>(std::uint64_t{time.dwHighDateTime} << 32 | time.dwLowDateTime),
           (entry.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0});
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return files;
  }

  // DeleteFileA itself refuses a file that someone holds open without delete
  // sharing.
  bool RemoveUnlessHeld(const std::string& path) override { return DeleteFileA(path.c_str()) != 0; }

  Naming NameNew(const std::string& from, const std::string& to) override {
    // Any entry counts as taken, a folder or a link too; MoveFileEx alone
    // would not say so for every kind.
    if (GetFileAttributesA(to.c_str()) != INVALID_FILE_ATTRIBUTES) return Naming::kTaken;
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) return Naming::kNamed;
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? Naming::kTaken
                                                                       : Naming::kFailed;
  }

  bool Replace(const std::string& from, const std::string& to) override {
    return MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  }

  bool Remove(const std::string& path) override { return DeleteFileA(path.c_str()) != 0; }

 private:
  // The file, or why it could not be opened, from the system's error.
  std::unique_ptr<OpenFile> Noted(std::unique_ptr<OpenFile> file) {
    if (!file) {
      switch (GetLastError()) {
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
          lastOpenFailure_ = OpenFailure::kInUse;
          break;
        case ERROR_ACCESS_DENIED:
          lastOpenFailure_ = OpenFailure::kNoPermission;
          break;
        default:
          lastOpenFailure_ = OpenFailure::kOther;
      }
    }
    return file;
  }

  OpenFailure lastOpenFailure_ = OpenFailure::kOther;
};

}  // namespace

// GetTempFileNameA's names: the prefix, a number of one to four hex digits
// (Windows writes four, Wine only as many as the number needs) and ".tmp",
// in either case.
bool IsTemporaryName(std::string_view name) {
  const std::string_view prefix = kTemporaryPrefix;
  const std::size_t fixed = prefix.size() + kTemporaryExtension.size();
  if (name.size() < fixed + 1 || name.size() > fixed + 4 ||
      !EqualsNoCase(name.substr(0, prefix.size()), prefix) ||
      !EqualsNoCase(name.substr(name.size() - kTemporaryExtension.size()), kTemporaryExtension)) {
    return false;
  }
  const std::string_view number = name.substr(prefix.size(), name.size() - fixed);
  return std::all_of(number.begin(), number.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
  });
}

FileOps& SystemFileOps() {
  static WinFileOps files;
  return files;
}

}  // namespace formfit
