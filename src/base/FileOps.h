// The file operations the program needs, behind one small interface so that
// tests can make any one of them fail.
//
// Paths may separate folders with "\\" or "/" on every platform: the program
// builds its paths with "\\", and the POSIX build reads it as "/".
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace formfit {

// An open file. Destroying it closes it.
class OpenFile {
 public:
  virtual ~OpenFile() = default;
  // The position after seeking to the end, that is the size in bytes.
  virtual std::optional<std::uint64_t> SeekEnd() = 0;
  virtual bool SeekStart() = 0;
  // Reads until `count` bytes have arrived, the file ends or reading fails;
  // returns how many arrived.
  virtual std::size_t Read(char* buffer, std::size_t count) = 0;
  // Writes all of `bytes` at the current position.
  virtual bool Write(std::string_view bytes) = 0;
  // Cuts or extends the file to `length` bytes.
  virtual bool SetLength(std::uint64_t length) = 0;
  // Puts what was written on the disk.
  virtual bool Flush() = 0;
  // After Close, whatever it answers, the file is no longer open and every
  // other call fails.
  virtual bool Close() = 0;
};

// What giving a file a new name did.
enum class Naming {
  kNamed,
  // Something (a file, a folder, a link) has that name already; it is left alone.
  kTaken,
  kFailed,
};

// A plain file as a folder listing gives it: its name, its size, when it
// was last written, as a Windows file time (see WindowsFileTime), and
// whether it is hidden (on Windows the hidden or the system attribute,
// elsewhere a leading ".").
struct PlainFile {
  std::string name;
  std::uint64_t size = 0;
  std::int64_t written = 0;
  bool hidden = false;
};

// Why the last open failed.
enum class OpenFailure {
  kOther,
  // Someone else holds the file open in a way that excludes this open; it
  // may open once they let go.
  kInUse,
  // The user may not open the file so.
  kNoPermission,
};

// What tells one file from every other on the machine, however a path
// names it: the volume and the file's number on it.
struct FileIdentity {
  std::uint64_t volume = 0;
  std::uint64_t index = 0;
  bool operator==(const FileIdentity& other) const {
    return volume == other.volume && index == other.index;
  }
};

class FileOps {
 public:
  virtual ~FileOps() = default;
  // True when a file (not a folder) exists at `path`.
  virtual bool Exists(const std::string& path) = 0;
  // True when the file at `path` has its read-only attribute set.
  virtual bool IsReadOnly(const std::string& path) = 0;
  // Clears the read-only attribute when it is set; false when the
  // attributes cannot be read or written.
  virtual bool ClearReadOnly(const std::string& path) = 0;
  // Sets the read-only attribute; false when it cannot be set.
  virtual bool SetReadOnly(const std::string& path) = 0;
  // The plain files in the folder of `beside`, in the order the file system
  // lists them; folders, links and anything else that is not a plain file
  // are not listed. Empty when the folder cannot be read. The one listing of
  // a folder: the component list, the backup search and the leftovers all
  // read it.
  virtual std::vector<PlainFile> PlainFiles(const std::string& beside) = 0;
  // Null when the file cannot be opened for reading (missing, a folder, or
  // held open by someone else without sharing). Others may read it meanwhile.
  virtual std::unique_ptr<OpenFile> OpenRead(const std::string& path) = 0;
  // Null when the file cannot be opened for reading and writing (missing,
  // read-only, or held open by someone else). On Windows nobody else can
  // open the file while it is held.
  virtual std::unique_ptr<OpenFile> OpenReadWrite(const std::string& path) = 0;
  // Why the last OpenRead or OpenReadWrite that answered null failed.
  virtual OpenFailure LastOpenFailure() = 0;
  // The identity of the file or folder at `path`, read from a handle open on
  // it; none when nothing can be opened there.
  virtual std::optional<FileIdentity> Identity(const std::string& path) = 0;
  // `path` as the system resolves it: against the working folder when it is
  // relative, with "." and ".." taken out, and on Windows as
  // GetFullPathName gives it (trailing dots and blanks of the name dropped).
  virtual std::string FullPath(const std::string& path) = 0;
  // A new, empty file under a name of its own in the folder of `beside`,
  // open for writing, and that name through `name`; null when none can be
  // made. The name is one IsTemporaryName knows, and never looks like a
  // numbered backup. The file is held (see RemoveUnlessHeld) until it is
  // closed.
  virtual std::unique_ptr<OpenFile> CreateTemporary(const std::string& beside,
                                                    std::string& name) = 0;
  // Removes the file at `path` unless someone holds it open; false when it
  // is held or cannot be removed. A file from CreateTemporary is held by
  // whoever created it until it is closed, in any process; on Windows any
  // file open without delete sharing is held as well.
  virtual bool RemoveUnlessHeld(const std::string& path) = 0;
  // Gives the closed file `from` the name `to`, unless something exists
  // under `to` already.
  virtual Naming NameNew(const std::string& from, const std::string& to) = 0;
  // Gives the closed file `from` the name `to`, replacing the file there in
  // one step.
  virtual bool Replace(const std::string& from, const std::string& to) = 0;
  // Removes the file at `path`; false when it cannot.
  virtual bool Remove(const std::string& path) = 0;
};

// The real file system.
FileOps& SystemFileOps();

// Whether `name` is of the kind CreateTemporary gives on this platform.
bool IsTemporaryName(std::string_view name);

// The plain files in the folder of `beside` whose names are of the kind
// CreateTemporary gives, each as that folder followed by the name, sorted;
// such a file is left over when a run stops before it names or removes its
// temporary file. Empty when the folder cannot be read.
std::vector<std::string> Leftovers(FileOps& files, const std::string& beside);

// The Windows file time, in 100-nanosecond intervals since 1601-01-01 UTC,
// of the moment `nanoseconds` after `seconds` after 1970-01-01 UTC; moments
// beyond its range give its ends.
std::int64_t WindowsFileTime(std::int64_t seconds, std::int64_t nanoseconds);

// A whole file's bytes, read with one buffer of the file's size.
struct FileContents {
  enum class State { kRead, kMissing, kUnreadable };
  State state = State::kMissing;
  std::string bytes;
};
FileContents ReadWholeFile(FileOps& files, const std::string& path);

// Writes `bytes` under a temporary name beside `beside`, flushed and closed;
// that name, or none when it could not be written whole (then nothing of it
// is left).
std::optional<std::string> WriteTemporary(FileOps& files, const std::string& beside,
                                          std::string_view bytes);

}  // namespace formfit
