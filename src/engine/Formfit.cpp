#include "engine/Formfit.h"

#include <cstdio>
#include <functional>
#include <new>
#include <utility>

#include "base/StringRules.h"

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

constexpr RunTexts kInstallTexts{200, 201, 212};
constexpr RunTexts kDeinstallTexts{213, 214, 215};

bool Overwrite(OpenFile& file, std::string_view bytes) {
  return file.SeekStart() && file.Write(bytes) && file.SetLength(bytes.size());
}

// One Install or Deinstall on the configuration file: Open reads it and backs
// it up, Change turns its text into the new one and writes that back.
class ConfigurationRun {
 public:
  ConfigurationRun(Formfit& engine, EngineEnvironment& environment, RunTexts texts)
      : engine_(engine), environment_(environment), files_(environment.Files()), texts_(texts) {}

  // Checks both files, reads the configuration file whole and backs it up,
  // keeping the file open. False with the status set when the run must stop.
  bool Open(const std::string& componentName, const std::string& componentFile);

  // Writes edit(text as read) over the configuration file, then logs
  // `lastLogLine`; on failure puts the original bytes back. Sets the final
  // status.
  bool Change(const std::function<std::string(const std::string&)>& edit,
              std::string_view lastLogLine);

 private:
  bool Fail(const char* code, std::string description);
  bool MemoryLow();
  bool ReadWhole();
  bool CloseFile();
  bool RestoreOriginal();
  std::string T(unsigned number) { return environment_.Text(number); }

  Formfit& engine_;
  EngineEnvironment& environment_;
  FileOps& files_;
  RunTexts texts_;
  std::string path_;
  std::unique_ptr<OpenFile> file_;
  std::uint64_t size_ = 0;
  std::string original_;
  std::string backupName_;
};

bool ConfigurationRun::Fail(const char* code, std::string description) {
  file_.reset();
  engine_.StatusSet(Symbol(code), T(texts_.caption), std::move(description));
  return false;
}

bool ConfigurationRun::Open(const std::string& componentName, const std::string& componentFile) {
  engine_.StatusClear();
  const FileSpec& file = engine_.ConfigurationFile();
  std::string folder = file.Drive() + file.Path();
  if (!folder.empty() && !IsPathSeparator(folder.back())) folder += '\\';

  environment_.LogTimestamp();
  environment_.Log(T(texts_.heading));
  environment_.LogTimestamp();
  environment_.Log(componentName + ":\t" + componentFile);
  environment_.Log("DEDUDED.INF:\t" + folder + "DEDUDED.INF");

  path_ = file.FullPath();
  if (!files_.Exists(path_)) {
    return Fail("DEDUDED_NOT_FOUND", T(202) + kCrLf + Lower(folder) + kCrLf + kCrLf + T(203));
  }
  if (!files_.Exists(componentFile)) {
    return Fail("WED_NOT_FOUND", T(204) + kCrLf + componentFile + kCrLf + kCrLf + T(205));
  }
  // The file is opened and read before the backup is made, so a file that
  // someone else holds open is reported as such and leaves no backup behind,
  // and the backup holds exactly the bytes that a failed write puts back.
  files_.ClearReadOnly(path_);
  file_ = files_.OpenReadWrite(path_);
  if (!file_) return Fail("DEDUDED_OPEN_ERROR", T(208) + kCrLf + path_);
  if (!ReadWhole()) return false;

  if (!engine_.CreateBackup(path_, original_, backupName_)) {
    return Fail("DEDUDED_BACKUP_ERROR", T(216) + kCrLf + path_);
  }
  environment_.Log(T(206) + "\t\t" + T(207));
  return true;
}

bool ConfigurationRun::MemoryLow() {
  return Fail("DEDUDED_MEMORY_LOW", T(210) + " " + std::to_string(size_ / 1024));
}

bool ConfigurationRun::ReadWhole() {
  const std::optional<std::uint64_t> size = file_->SeekEnd();
  if (!size) return Fail("DEDUDED_READ_ERROR", T(211));
  size_ = *size;
  environment_.Log(T(209) + "\t" + std::to_string(size_));

  // A size the address space cannot hold counts as lack of memory, like a
  // failed allocation.
  if (size_ > original_.max_size()) return MemoryLow();
  try {
    original_.resize(static_cast<std::size_t>(size_));
  } catch (const std::bad_alloc&) {
    return MemoryLow();
  }
  if (!file_->SeekStart() || file_->Read(original_.data(), original_.size()) != original_.size()) {
    return Fail("DEDUDED_READ_ERROR", T(211));
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

bool ConfigurationRun::Change(const std::function<std::string(const std::string&)>& edit,
                              std::string_view lastLogLine) {
  std::string text;
  try {
    text = edit(original_);
  } catch (const std::bad_alloc&) {
    // The edits need room for a few copies of the text; the file is untouched.
    return MemoryLow();
  }
  const bool written = Overwrite(*file_, text) && CloseFile();
  if (!written) {
    if (RestoreOriginal()) return Fail("DEDUDED_WRITE_ERROR", T(217) + kCrLf + path_);
    // The file is neither new nor old: the user must know where the old
    // contents are.
    return Fail("DEDUDED_WRITE_ERROR", T(220) + kCrLf + Lower(backupName_));
  }
  environment_.Log(lastLogLine);
  return engine_.StatusSet(Symbol("SUCCESS"), T(texts_.caption),
                           T(texts_.success) + kCrLf + Lower(backupName_));
}

}  // namespace

Formfit& Formfit::Init(std::string_view path) {
  file_ = FileSpec(path);
  if (file_.FileName().empty()) file_.SetFileName("DEDUDED");
  if (file_.Extension().empty()) file_.SetExtension(".INF");
  status_.reset();
  return *this;
}

bool Formfit::Install(const std::string& componentName, const std::string& componentFile) {
  ConfigurationRun run(*this, environment_, kInstallTexts);
  return run.Open(componentName, componentFile) &&
         run.Change(
             [&](const std::string& original) {
               environment_.Log("1");
               const qIniFile componentIni(componentFile);
               environment_.Log("2");
               std::string text = ComponentRemove(original, componentName, componentIni);
               environment_.Log("3");
               text = ComponentAdd(std::move(text), componentName, componentIni);
               environment_.Log("4");
               return text;
             },
             "5");
}

bool Formfit::Deinstall(const std::string& componentName, const std::string& componentFile) {
  ConfigurationRun run(*this, environment_, kDeinstallTexts);
  return run.Open(componentName, componentFile) &&
         run.Change(
             [&](const std::string& original) {
               environment_.Log("1");
               const qIniFile componentIni(componentFile);
               std::string text = ComponentRemove(original, componentName, componentIni);
               environment_.Log("2");
               return text;
             },
             "3");
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
  for (unsigned number = 0; number < kBackupNames; ++number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, ".%03u", number);
    const std::string name = base + digits;
    if (!files.Exists(name)) {
      backupName = name;
      return files.CreateNew(name, bytes);
    }
  }
  return false;
}

}  // namespace formfit
