#include "engine/Commit.h"

#include <memory>
#include <new>
#include <string>
#include <utility>

#include "base/FaultPoint.h"
#include "engine/Backups.h"
#include "engine/TextNumbers.h"

namespace formfit {

namespace {

// The bytes in place of the file's, on the disk before anything is
// reported: a power loss right after must not find a torn file.
bool Overwrite(OpenFile& file, std::string_view bytes) {
  return file.SeekStart() && file.Write(bytes) && file.SetLength(bytes.size()) && file.Flush();
}

// How long and in what steps a file that another program holds is waited
// for: a virus scanner or a sync client lets go within moments, and a run
// must still end well before 20 seconds.
constexpr unsigned kHeldWait = 10000;
constexpr unsigned kHeldStep = 250;

class Commitment {
 public:
  Commitment(EngineEnvironment& environment, const std::string& path, Access access, bool preview)
      : environment_(environment),
        files_(environment.Files()),
        path_(path),
        access_(access),
        preview_(preview) {}

  Committed Run(const Planner& planner) {
    if (const std::optional<Outcome> failed = Open()) {
      if (const char* line = RowOf(*failed).log) Log(line);
      return End(*failed);
    }
    if (const std::optional<Outcome> failed = ReadWhole()) return End(*failed);
    Plan plan;
    try {
      plan = planner(result_.original);
    } catch (const std::bad_alloc&) {
      // The file is untouched.
      return End(Outcome::kMemoryLow);
    }
    for (const std::string& line : plan.log) Log(line);
    result_.bytes = std::move(plan.bytes);
    if (!plan.writes) return End(plan.outcome);
    if (!BackUp()) return End(Outcome::kBackupError);
    Log(T(text::kBackupLogFirst) + "\t\t" + T(text::kBackupLogSecond));
    if (!plan.putBack.empty()) Log("backup made: " + result_.made);
    if (const std::optional<Outcome> failed = Write(*result_.bytes)) return End(*failed);
    Log("configuration file written: " + std::to_string(result_.bytes->size()) + " bytes");
    if (!plan.putBack.empty()) Log("backup put back: " + plan.putBack);
    return End(plan.outcome);
  }

 private:
  void Log(std::string_view line) { environment_.Log(line); }
  std::string T(unsigned number) { return environment_.Text(number); }
  bool Changes() const { return access_ == Access::kChange && !preview_; }

  // None when the file is open; else why not.
  std::optional<Outcome> Open() {
    if (Changes()) {
      // The file is opened and read before the backup is made, so a file
      // that someone else holds open is reported as such and leaves no
      // backup behind, and the backup holds exactly the bytes that a failed
      // write puts back.
      wasReadOnly_ = files_.IsReadOnly(path_);
      files_.ClearReadOnly(path_);
    }
    for (unsigned waited = 0;; waited += kHeldStep) {
      file_ = Changes() ? files_.OpenReadWrite(path_) : files_.OpenRead(path_);
      if (file_) return std::nullopt;
      const OpenFailure failure = files_.LastOpenFailure();
      if (failure == OpenFailure::kInUse && waited < kHeldWait) {
        if (waited == 0) {
          Log("configuration file in use by another program: waiting up to " +
              std::to_string(kHeldWait / 1000) + " seconds");
        }
        environment_.Pause(kHeldStep);
        continue;
      }
      switch (failure) {
        case OpenFailure::kInUse:
          return Outcome::kInUse;
        case OpenFailure::kNoPermission:
          return access_ == Access::kChange ? Outcome::kNoPermission : Outcome::kOpenToReadError;
        case OpenFailure::kOther:
          return access_ == Access::kChange ? Outcome::kOpenError : Outcome::kOpenToReadError;
      }
      return Outcome::kOpenError;
    }
  }

  std::optional<Outcome> ReadWhole() {
    const std::optional<std::uint64_t> size = file_->SeekEnd();
    if (!size) return Outcome::kReadError;
    result_.size = *size;
    Log(T(text::kSizeLog) + "\t" + std::to_string(*size));
    std::string& original = result_.original;
    // A size the address space cannot hold counts as lack of memory, like a
    // failed allocation.
    if (*size > original.max_size()) return Outcome::kMemoryLow;
    try {
      original.resize(static_cast<std::size_t>(*size));
    } catch (const std::bad_alloc&) {
      return Outcome::kMemoryLow;
    }
    if (!file_->SeekStart() || file_->Read(original.data(), original.size()) != original.size()) {
      return Outcome::kReadError;
    }
    return std::nullopt;
  }

  bool BackUp() {
    // Only a run that goes on to change the file clears up: one that stops
    // earlier leaves everything on disk as it found it. A temporary file is
    // not held between its close and its new name; on Windows this run holds
    // the file without sharing here, so no other run on it is at that step.
    for (const std::string& leftover : Leftovers(files_, path_)) {
      if (preview_ || files_.RemoveUnlessHeld(leftover)) Log("leftover removed: " + leftover);
    }
    if (preview_) return NameFree();
    const std::optional<std::string> temporary = WriteTemporary(files_, path_, result_.original);
    if (!temporary) return false;
    for (unsigned number = 0; number < kBackupNames; ++number) {
      const std::string name = BackupPath(path_, number);
      const Naming naming = files_.NameNew(*temporary, name);
      if (naming == Naming::kTaken) continue;
      if (naming == Naming::kFailed) break;
      result_.made = name;
      return true;
    }
    files_.Remove(*temporary);
    return false;
  }

  // The name the backup would get: the first number under which no file is.
  bool NameFree() {
    for (unsigned number = 0; number < kBackupNames; ++number) {
      const std::string name = BackupPath(path_, number);
      if (files_.Exists(name)) continue;
      result_.made = name;
      return true;
    }
    return false;
  }

  std::optional<Outcome> Write(std::string_view bytes) {
    written_ = !preview_;
    FaultPoint("write");
    if (preview_) return std::nullopt;
    if (Overwrite(*file_, bytes) && CloseFile()) return std::nullopt;
    // The file is neither new nor old unless the old bytes go back: else the
    // user must know where they are.
    return RestoreOriginal() ? Outcome::kWriteErrorRestored : Outcome::kWriteErrorInBackup;
  }

  bool CloseFile() {
    const bool closed = file_->Close();
    file_.reset();
    return closed;
  }

  bool RestoreOriginal() {
    // First on the handle still held; a handle that broke down, or one that
    // is gone because closing it failed, gives way to a fresh open.
    const std::string& original = result_.original;
    if (file_ && Overwrite(*file_, original) && CloseFile()) return true;
    file_.reset();
    const std::unique_ptr<OpenFile> again = files_.OpenReadWrite(path_);
    return again && Overwrite(*again, original) && again->Close();
  }

  Committed End(Outcome outcome) {
    file_.reset();
    // A run that stops before it writes, or whose write was taken back,
    // leaves the file as it found it, its read-only attribute too.
    const bool asFound = !written_ || outcome == Outcome::kWriteErrorRestored;
    if (wasReadOnly_ && asFound) files_.SetReadOnly(path_);
    result_.outcome = outcome;
    return std::move(result_);
  }

  EngineEnvironment& environment_;
  FileOps& files_;
  const std::string& path_;
  Access access_;
  bool preview_;
  std::unique_ptr<OpenFile> file_;
  bool wasReadOnly_ = false;
  bool written_ = false;
  Committed result_;
};

}  // namespace

Committed Commit(EngineEnvironment& environment, const std::string& path, Access access,
                 const Planner& plan) {
  return Commitment(environment, path, access, false).Run(plan);
}

Committed PreviewCommit(EngineEnvironment& environment, const std::string& path, Access access,
                        const Planner& plan) {
  return Commitment(environment, path, access, true).Run(plan);
}

}  // namespace formfit
