// The real file system with one chosen operation made to fail, so tests can
// watch the engine deal with every failure a disk can produce.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/FileOps.h"

namespace formfit::test {

enum class FileOp {
  Exists,
  CreateNew,
  ClearReadOnly,
  OpenReadWrite,
  SeekEnd,
  SeekStart,
  Read,
  Write,
  SetLength,
  Close,
};

// The `call`-th call (counted from 1) of `op` fails. A failing Read delivers
// half the bytes asked for, a failing Write writes the first half of its
// bytes, a failing Close closes the file all the same, a failing Exists
// answers false; the others do nothing. With `fileBreaks`, every later call
// on the open file whose call failed fails as well.
struct Fault {
  FileOp op;
  int call = 1;
  bool fileBreaks = false;
};

class FailingFileOps : public FileOps {
 public:
  explicit FailingFileOps(std::vector<Fault> faults = {}) : faults_(std::move(faults)) {}

  // Every open file reports `size` from SeekEnd instead of its own size.
  void ReportSize(std::uint64_t size) { reportedSize_ = size; }

  bool Exists(const std::string& path) override;
  bool CreateNew(const std::string& path, std::string_view bytes) override;
  bool ClearReadOnly(const std::string& path) override;
  std::unique_ptr<OpenFile> OpenReadWrite(const std::string& path) override;

  // Counts the call of `op`; the fault it hits, if any.
  const Fault* Hit(FileOp op);
  std::optional<std::uint64_t> ReportedSize() const { return reportedSize_; }

 private:
  std::vector<Fault> faults_;
  std::map<FileOp, int> calls_;
  std::optional<std::uint64_t> reportedSize_;
};

}  // namespace formfit::test
