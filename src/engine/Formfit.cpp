#include "engine/Formfit.h"

#include <cstdio>
#include <functional>
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
constexpr unsigned kBackupNames = 1000;

// The language texts that tell Install and Deinstall apart.
struct RunTexts {
  unsigned heading;
  unsigned caption;
  unsigned success;
};

constexpr RunTexts kInstallTexts{text::kInstallHeading, text::kInstallCaption, text::kInstalled};
constexpr RunTexts kDeinstallTexts{text::kDeinstallHeading, text::kDeinstallCaption,
                                   text::kDeinstalled};

bool Overwrite(OpenFile& file, std::string_view bytes) {
  return file.SeekStart() && file.Write(bytes) && file.SetLength(bytes.size());
}

// What a run makes of the text as read: the new text, and whether the run
// has done what it was asked to.
struct Edited {
  std::string text;
  bool done = true;
};

// One Install or Deinstall on the configuration file: Open checks both files
// and reads them, Change edits the text, backs the file up and writes the
// new text over it.
class ConfigurationRun {
 public:
  ConfigurationRun(Formfit& engine, EngineEnvironment& environment, RunTexts texts)
      : engine_(engine), environment_(environment), files_(environment.Files()), texts_(texts) {}

  // Checks both files, reads the component and the configuration file whole,
  // keeping the file open. False with the status set when the run must stop.
  bool Open(const std::string& componentName, const std::string& componentFile);

  // Edits the text as read with edit(text, component). When the edit did
  // what was asked, backs the file up and writes the new text over it; on
  // failure puts the original bytes back. Sets the final status.
  bool Change(const std::function<Edited(std::string, const Component&)>& edit);

 private:
  bool Fail(const char* code, std::string description);
  bool MemoryLow();
  bool ReadWhole();
  bool CloseFile();
  bool RestoreOriginal();
  void Log(std::string_view step) { environment_.Log(step); }
  std::string T(unsigned number) { return environment_.Text(number); }

  Formfit& engine_;
  EngineEnvironment& environment_;
  FileOps& files_;
  RunTexts texts_;
  std::string path_;
  std::string componentFile_;
  Component component_;
  bool wasReadOnly_ = false;
  bool written_ = false;
  std::unique_ptr<OpenFile> file_;
  std::uint64_t size_ = 0;
  std::string original_;
  std::string backupName_;
};

bool ConfigurationRun::Fail(const char* code, std::string description) {
  file_.reset();
  // A run that stops before it writes leaves the file as it found it, its
  // read-only attribute too.
  if (wasReadOnly_ && !written_) files_.SetReadOnly(path_);
  engine_.StatusSet(Symbol(code), T(texts_.caption), std::move(description));
  return false;
}

bool ConfigurationRun::Open(const std::string& componentName, const std::string& componentFile) {
  engine_.StatusClear();
  const FileSpec& file = engine_.ConfigurationFile();
  std::string folder = file.Drive() + file.Path();
  if (!folder.empty() && !IsPathSeparator(folder.back())) folder += '\\';
  path_ = file.FullPath();
  componentFile_ = componentFile;

  environment_.LogTimestamp();
  environment_.Log(T(texts_.heading));
  environment_.LogTimestamp();
  environment_.Log(componentName + ":\t" + componentFile);
  environment_.Log(file.FileName() + file.Extension() + ":\t" + path_);

  if (!files_.Exists(path_)) {
    return Fail(status::kConfigurationNotFound, T(text::kNotFoundBeforeFolder) + kCrLf +
                                                    Lower(folder) + kCrLf + kCrLf +
                                                    T(text::kNotFoundAfterFolder));
  }
  if (!files_.Exists(componentFile)) {
    return Fail(status::kComponentFileNotFound, T(text::kComponentFileBefore) + kCrLf +
                                                    componentFile + kCrLf + kCrLf +
                                                    T(text::kComponentFileAfter));
  }
  // Read once: a component file that cannot be read yields no entries.
  component_ = Component::Read(qIniFile(componentFile, files_).Contents(), componentName);
  Log("component file read: " + std::to_string(component_.Contents().size()) + " contents");

  // The file is opened and read before the backup is made, so a file that
  // someone else holds open is reported as such and leaves no backup behind,
  // and the backup holds exactly the bytes that a failed write puts back.
  wasReadOnly_ = files_.IsReadOnly(path_);
  files_.ClearReadOnly(path_);
  file_ = files_.OpenReadWrite(path_);
  if (!file_) return Fail(status::kOpenError, T(text::kOpenError) + kCrLf + path_);
  return ReadWhole();
}

bool ConfigurationRun::MemoryLow() {
  return Fail(status::kMemoryLow, T(text::kMemoryLow) + " " + std::to_string(size_ / 1024));
}

bool ConfigurationRun::ReadWhole() {
  const std::optional<std::uint64_t> size = file_->SeekEnd();
  if (!size) return Fail(status::kReadError, T(text::kReadError));
  size_ = *size;
  environment_.Log(T(text::kSizeLog) + "\t" + std::to_string(size_));

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

bool ConfigurationRun::Change(const std::function<Edited(std::string, const Component&)>& edit) {
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

  if (!engine_.CreateBackup(path_, original_, backupName_)) {
    return Fail(status::kBackupError, T(text::kBackupError) + kCrLf + path_);
  }
  environment_.Log(T(text::kBackupLogFirst) + "\t\t" + T(text::kBackupLogSecond));

  written_ = true;
  FaultPoint("write");
  if (!Overwrite(*file_, edited.text) || !CloseFile()) {
    if (RestoreOriginal()) {
      return Fail(status::kWriteError, T(text::kWriteErrorRestored) + kCrLf + path_);
    }
    // The file is neither new nor old: the user must know where the old
    // contents are.
    return Fail(status::kWriteError, T(text::kWriteErrorInBackup) + kCrLf + Lower(backupName_));
  }
  Log("configuration file written: " + std::to_string(edited.text.size()) + " bytes");
  return engine_.StatusSet(Symbol(status::kSuccess), T(texts_.caption),
                           T(texts_.success) + kCrLf + Lower(backupName_));
}

}  // namespace

Formfit& Formfit::Init(const FileSpec& file) {
  file_ = file;
  if (file_.FileName().empty()) file_.SetFileName("DEDUDED");
  if (file_.Extension().empty()) file_.SetExtension(".INF");
  status_.reset();
  return *this;
}

bool Formfit::Install(const std::string& componentName, const std::string& componentFile) {
  ConfigurationRun run(*this, environment_, kInstallTexts);
  return run.Open(componentName, componentFile) &&
         run.Change([&](std::string text, const Component& component) {
           Reinstallation result = ComponentReinstall(std::move(text), component);
           environment_.Log(result.placed ? "component placed" : "component not placed");
           return Edited{std::move(result.text), result.placed};
         });
}

bool Formfit::Deinstall(const std::string& componentName, const std::string& componentFile) {
  ConfigurationRun run(*this, environment_, kDeinstallTexts);
  return run.Open(componentName, componentFile) &&
         run.Change([&](std::string text, const Component& component) {
           Edited result{ComponentRemove(std::move(text), component)};
           environment_.Log("component removed");
           return result;
         });
}

bool Formfit::StatusSet(Symbol code, std::string caption, std::string description) {
  status_ = StatusLabel{code, std::move(caption), std::move(description)};
  return true;
}

bool Formfit::StatusClear() {
  status_.reset();
  return true;
}

bool Formfit::CreateBackup(const std::string& file, std::string_view bytes,
                           std::string& backupName) {
  const std::size_t dot = file.rfind('.');
  const std::string base = dot == std::string::npos ? file : file.substr(0, dot);
  FileOps& files = environment_.Files();
  // Only a run that goes on to change the file clears up: one that stops
  // earlier leaves everything on disk as it found it. A temporary file is not
  // held between its close and its new name; on Windows this run holds the
  // file without sharing here, so no other run on it is at that step.
  for (const std::string& leftover : files.Leftovers(file)) {
    if (files.RemoveUnlessHeld(leftover)) environment_.Log("leftover removed: " + leftover);
  }
  const std::optional<std::string> temporary = WriteTemporary(files, file, bytes);
  if (!temporary) return false;
  for (unsigned number = 0; number < kBackupNames; ++number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, ".%03u", number);
    const std::string name = base + digits;
    const Naming naming = files.NameNew(*temporary, name);
    if (naming == Naming::kTaken) continue;
    if (naming == Naming::kFailed) break;
    backupName = name;
    return true;
  }
  files.Remove(*temporary);
  return false;
}

}  // namespace formfit
