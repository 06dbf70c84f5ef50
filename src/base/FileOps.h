// The file operations the engine needs, behind one small interface so that
// tests can make any one of them fail.
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
  // Reads up to `count` bytes; returns how many arrived.
  virtual std::size_t Read(char* buffer, std::size_t count) = 0;
  // Writes all of `bytes` at the current position.
  virtual bool Write(std::string_view bytes) = 0;
  // Cuts or extends the file to `length` bytes.
  virtual bool SetLength(std::uint64_t length) = 0;
  virtual bool Close() = 0;
};

class FileOps {
 public:
  virtual ~FileOps() = default;
  virtual bool Exists(const std::string& path) = 0;
  // Copies byte for byte; fails when `to` exists already.
  virtual bool CopyNew(const std::string& from, const std::string& to) = 0;
  // Clears the read-only attribute when it is set; false when the
  // attributes cannot be read or written.
  virtual bool ClearReadOnly(const std::string& path) = 0;
  // Null when the file cannot be opened for reading and writing (missing,
  // read-only, or held open without sharing by someone else).
  virtual std::unique_ptr<OpenFile> OpenReadWrite(const std::string& path) = 0;
};

// The real file system.
FileOps& SystemFileOps();

}  // namespace formfit
