// One run of the engine on the configuration file, inside the engine: the
// steps that Install, Deinstall, Check and Restore are made of. A run logs
// what it works on, checks and reads the files, and rewrites the
// configuration file only after backing it up, putting the original bytes
// back when the rewrite fails.
//
// Every step answers false when the run must stop; the engine's status then
// says why. A run that ends before it writes leaves the file as it found
// it, its read-only attribute too.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "base/FileOps.h"
#include "engine/Component.h"
#include "engine/Formfit.h"

namespace formfit {

// The language texts of one kind of run: its heading in the log and the
// caption of its every status.
struct RunTexts {
  unsigned heading;
  unsigned caption;
};

// What a run makes of the text as read: the new text, and whether the run
// has done what it was asked to.
struct Edited {
  std::string text;
  bool done = true;
};

class ConfigurationRun {
 public:
  ConfigurationRun(Formfit& engine, EngineEnvironment& environment, RunTexts texts)
      : engine_(engine), environment_(environment), files_(environment.Files()), texts_(texts) {}

  // Clears the status and logs the heading and the configuration file.
  // False (DEDUDED_NOT_FOUND) when the configuration file is missing.
  bool Begin();
  // As Begin, with the component's line logged ahead of the file's; then
  // reads the component file once. False (DEDUDED_NOT_FOUND, then
  // WED_NOT_FOUND) when either file is missing; a component file that
  // cannot be read yields a component without entries.
  bool Begin(const std::string& componentName, const std::string& componentFile);

  // Makes the file writable, opens it to read and write, and reads it whole;
  // the file stays open. False (DEDUDED_OPEN_ERROR, DEDUDED_MEMORY_LOW,
  // DEDUDED_READ_ERROR) with the attribute put back.
  bool OpenToChange();
  // Opens the file only to read it, and reads it whole. Failures as
  // OpenToChange, the open's with its own text.
  bool OpenToRead();

  // Edits the text as read with edit(text, component). When the edit did
  // what was asked, backs the file up and writes the new text over it, and
  // succeeds with the text `success` and the backup's name. False with the
  // status set otherwise (DEDUDED_MEMORY_LOW when the edit runs out of
  // memory, COMPONENT_NOT_PLACED when it was not done).
  bool Change(unsigned success, const std::function<Edited(std::string, const Component&)>& edit);

  // Writes the bytes as read to a new numbered backup (Formfit::CreateBackup)
  // and logs it. False (DEDUDED_BACKUP_ERROR) when none can be made.
  bool BackUp();
  // Writes `text` over the file and closes it. False (DEDUDED_WRITE_ERROR)
  // when that fails; the original bytes are then put back, or where even
  // that fails the status names the backup.
  bool Write(std::string_view text);

  // End the run with the status `code` and `description` under the run's
  // caption, closing the file: Succeed answers true, Fail false.
  bool Succeed(const char* code, std::string description);
  bool Fail(const char* code, std::string description);
  // Fail with DEDUDED_MEMORY_LOW and the file's size.
  bool MemoryLow();

  // The configuration file's full path, and its folder ending in "\\".
  const std::string& Path() const { return path_; }
  const std::string& Folder() const { return folder_; }
  const std::string& ComponentFile() const { return componentFile_; }
  const Component& ReadComponent() const { return component_; }
  // The bytes as read.
  const std::string& Original() const { return original_; }
  // The name of the backup BackUp made.
  const std::string& BackupName() const { return backupName_; }

  void Log(std::string_view step) { environment_.Log(step); }
  std::string T(unsigned number) { return environment_.Text(number); }

 private:
  void LogHeading();
  bool Found();
  bool Open(std::unique_ptr<OpenFile> file, unsigned openError);
  bool ReadWhole();
  bool End(const char* code, std::string description);
  bool CloseFile();
  bool RestoreOriginal();

  Formfit& engine_;
  EngineEnvironment& environment_;
  FileOps& files_;
  RunTexts texts_;
  std::string path_;
  std::string folder_;
  std::string componentFile_;
  Component component_;
  bool wasReadOnly_ = false;
  bool written_ = false;
  std::unique_ptr<OpenFile> file_;
  std::uint64_t size_ = 0;
  std::string original_;
  std::string backupName_;
};

}  // namespace formfit
