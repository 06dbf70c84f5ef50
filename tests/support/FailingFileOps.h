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
  IsReadOnly,
  ClearReadOnly,
  SetReadOnly,
  PlainFiles,
  OpenRead,
  OpenReadWrite,
  CreateTemporary,
  RemoveUnlessHeld,
  NameNew,
  Replace,
  Remove,
  SeekEnd,
  SeekStart,
  Read,
  Write,
  SetLength,
  Flush,
  Close,
};

// The `call`-th call (counted from 1) of `op` fails. A failing Read delivers
// half the bytes asked for, a failing Write writes the first half of its
// bytes, a failing Close closes the file all the same, a failing Exists or
// IsReadOnly answers false, a failing PlainFiles lists
// nothing; the others do nothing. With `fileBreaks`, every
// later call on the open file whose call failed fails as well. Calls on all
// open files count together, in the order they happen.
struct Fault {
  FileOp op;
  int call = 1;
  bool fileBreaks = false;
  // A failing open: why, as LastOpenFailure tells it.
  OpenFailure failure = OpenFailure::kOther;
  // The fault hits `times` calls in a row from `call` on.
  int times = 1;
};

class FailingFileOps : public FileOps {
 public:
  explicit FailingFileOps(std::vector<Fault> faults = {}) : faults_(std::move(faults)) {}

  // Every open file reports `size` from SeekEnd instead of its own size.
  void ReportSize(std::uint64_t size) { reportedSize_ = size; }

  bool Exists(const std::string& path) override;
  bool IsReadOnly(const std::string& path) override;
  bool ClearReadOnly(const std::string& path) override;
  bool SetReadOnly(const std::string& path) override;
  std::vector<PlainFile> PlainFiles(const std::string& beside) override;
  std::unique_ptr<OpenFile> OpenRead(const std::string& path) override;
  std::unique_ptr<OpenFile> OpenReadWrite(const std::string& path) override;
  std::unique_ptr<OpenFile> CreateTemporary(const std::string& beside, std::string& name) override;
  bool RemoveUnlessHeld(const std::string& path) override;
  Naming NameNew(const std::string& from, const std::string& to) override;
  bool Replace(const std::string& from, const std::string& to) override;
  bool Remove(const std::string& path) override;
  OpenFailure LastOpenFailure() override;
  std::optional<FileIdentity> Identity(const std::string& path) override;
  std::string FullPath(const std::string& path) override;

  // Counts the call of `op`; the fault it hits, if any.
  const Fault* Hit(FileOp op);
  std::optional<std::uint64_t> ReportedSize() const { return reportedSize_; }

 private:
  std::vector<Fault> faults_;
  std::map<FileOp, int> calls_;
  std::optional<std::uint64_t> reportedSize_;
  std::optional<OpenFailure> openFailure_;
};

}  // namespace formfit::test
