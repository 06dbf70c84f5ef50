#include "engine/ConfigurationRun.h"

#include <new>
#include <utility>

#include "base/FaultPoint.h"
#include "base/StringRules.h"
#include "engine/StatusCodes.h"
#include "engine/TextNumbers.h"
#include "engine/qIniFile.h"

namespace formfit {

namespace {

constexpr char kCrLf[] = "\r\n";

bool Overwrite(OpenFile& file, std::string_view bytes) {
  return file.SeekStart() && file.Write(bytes) && file.SetLength(bytes.size());
}

}  // namespace

void ConfigurationRun::LogHeading() {
  engine_.StatusClear();
  const FileSpec& file = engine_.ConfigurationFile();
  folder_ = file.Drive() + file.Path();
  if (!folder_.empty() && !IsPathSeparator(folder_.back())) folder_ += '\\';
  path_ = file.FullPath();

  environment_.LogTimestamp();
  Log(T(texts_.heading));
  environment_.LogTimestamp();
}

bool ConfigurationRun::Found() {
  const FileSpec& file = engine_.ConfigurationFile();
  Log(file.FileName() + file.Extension() + ":\t" + path_);
  if (files_.Exists(path_)) return true;
  return Fail(status::kConfigurationNotFound, T(text::kNotFoundBeforeFolder) + kCrLf +
                                                  Lower(folder_) + kCrLf + kCrLf +
                                                  T(text::kNotFoundAfterFolder));
}

bool ConfigurationRun::Begin() {
  LogHeading();
  return Found();
}

bool ConfigurationRun::Begin(const std::string& componentName, const std::string& componentFile) {
  LogHeading();
  componentFile_ = componentFile;
  Log(componentName + ":\t" + componentFile);
  if (!Found()) return false;
  if (!files_.Exists(componentFile)) {
    return Fail(status::kComponentFileNotFound, T(text::kComponentFileBefore) + kCrLf +
                                                    componentFile + kCrLf + kCrLf +
                                                    T(text::kComponentFileAfter));
  }
  // Read once: a component file that cannot be read yields no entries.
  component_ = Component::Read(qIniFile(componentFile, files_).Contents(), componentName);
  Log("component file read: " + std::to_string(component_.Contents().size()) + " contents");
  return true;
}

bool ConfigurationRun::OpenToChange() {
  // The file is opened and read before the backup is made, so a file that
  // someone else holds open is reported as such and leaves no backup behind,
  // and the backup holds exactly the bytes that a failed write puts back.
  wasReadOnly_ = files_.IsReadOnly(path_);
  files_.ClearReadOnly(path_);
  return Open(files_.OpenReadWrite(path_), text::kOpenError);
}

bool ConfigurationRun::OpenToRead() { return Open(files_.OpenRead(path_), text::kOpenToReadError); }

bool ConfigurationRun::Open(std::unique_ptr<OpenFile> file, unsigned openError) {
  file_ = std::move(file);
  if (!file_) return Fail(status::kOpenError, T(openError) + kCrLf + path_);
  return ReadWhole();
}

bool ConfigurationRun::End(const char* code, std::string description) {
  file_.reset();
  // A run that stops before it writes leaves the file as it found it, its
  // read-only attribute too.
  if (wasReadOnly_ && !written_) files_.SetReadOnly(path_);
  return engine_.StatusSet(Symbol(code), T(texts_.caption), std::move(description));
}

bool ConfigurationRun::Succeed(const char* code, std::string description) {
  return End(code, std::move(description));
}

bool ConfigurationRun::Fail(const char* code, std::string description) {
  End(code, std::move(description));
  return false;
}

bool ConfigurationRun::MemoryLow() {
  return Fail(status::kMemoryLow, T(text::kMemoryLow) + " " + std::to_string(size_ / 1024));
}

bool ConfigurationRun::ReadWhole() {
  const std::optional<std::uint64_t> size = file_->SeekEnd();
  if (!size) return Fail(status::kReadError, T(text::kReadError));
  size_ = *size;
  Log(T(text::kSizeLog) + "\t" + std::to_string(size_));

  // A size the address space cannot hold counts as lack of memory, like a
  // failed allocation.
  if (size_ > original_.max_size()) return MemoryLow();
  try {
    original_.resize(static_cast<std::size_t>(size_));
  } catch (const std::bad_alloc&) {
    return MemoryLow();
  }
  if (!file_->SeekStart() || file_->Read(original_.data(), original_.size()) != original_.size()) {
    return Fail(status::kReadError, T(text::kReadError));
  }
  return true;
}

bool ConfigurationRun::CloseFile() {
  const bool closed = file_->Close();
  file_.reset();
  return closed;
}

bool ConfigurationRun::RestoreOriginal() {
  // First on the handle still held; a handle that broke down, or one that is
  // gone because closing it failed, gives way to a fresh open.
  if (file_ && Overwrite(*file_, original_) && CloseFile()) return true;
  file_.reset();
  const std::unique_ptr<OpenFile> again = files_.OpenReadWrite(path_);
  return again && Overwrite(*again, original_) && again->Close();
}

bool ConfigurationRun::Change(unsigned success,
                              const std::function<Edited(std::string, const Component&)>& edit) {
  Edited edited;
  try {
    // One copy of the text beside the original, with room for all the edit
    // can add, so that neither is copied again while the edit runs.
    std::string text;
    text.reserve(original_.size() + component_.MostAddedBytes());
    text.append(original_);
    edited = edit(std::move(text), component_);
  } catch (const std::bad_alloc&) {
    // The file is untouched.
    return MemoryLow();
  }
  if (!edited.done) {
    return Fail(status::kNotPlaced, T(text::kNotPlaced) + kCrLf + componentFile_);
  }
  return BackUp() && Write(edited.text) &&
         Succeed(status::kSuccess, T(success) + kCrLf + Lower(backupName_));
}

bool ConfigurationRun::BackUp() {
  if (!engine_.CreateBackup(path_, original_, backupName_)) {
    return Fail(status::kBackupError, T(text::kBackupError) + kCrLf + path_);
  }
  Log(T(text::kBackupLogFirst) + "\t\t" + T(text::kBackupLogSecond));
  return true;
}

bool ConfigurationRun::Write(std::string_view text) {
  written_ = true;
  FaultPoint("write");
  if (!Overwrite(*file_, text) || !CloseFile()) {
    if (RestoreOriginal()) {
      return Fail(status::kWriteError, T(text::kWriteErrorRestored) + kCrLf + path_);
    }
    // The file is neither new nor old: the user must know where the old
    // contents are.
    return Fail(status::kWriteError, T(text::kWriteErrorInBackup) + kCrLf + Lower(backupName_));
  }
  Log("configuration file written: " + std::to_string(text.size()) + " bytes");
  return true;
}

}  // namespace formfit
