// The file operations the engine needs, behind one small interface so that
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

namespace formfit {

// A file opened for reading and writing. Destroying it closes it.
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
  // After Close, whatever it answers, the file is no longer open and every
  // other call fails.
  virtual bool Close() = 0;
};

class FileOps {
 public:
  virtual ~FileOps() = default;
  // True when a file (not a folder) exists at `path`.
  virtual bool Exists(const std::string& path) = 0;
  // Writes `bytes` to a new file at `path` and flushes it to the disk.
  // Fails when something exists at `path` already, and then leaves it alone;
  // a file that cannot be written whole is removed again.
  virtual bool CreateNew(const std::string& path, std::string_view bytes) = 0;
  // Clears the read-only attribute when it is set; false when the
  // attributes cannot be read or written.
  virtual bool ClearReadOnly(const std::string& path) = 0;
  // Null when the file cannot be opened for reading and writing (missing,
  // read-only, or held open by someone else). On Windows nobody else can
  // open the file while it is held.
  virtual std::unique_ptr<OpenFile> OpenReadWrite(const std::string& path) = 0;
};

// The real file system.
FileOps& SystemFileOps();

}  // namespace formfit
