// What the engine's file-level tests share: a folder with the small
// configuration file and component of FormfitRunTexts.h, and what the tests
// compare of it before and after a run.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "base/FileOps.h"
#include "base/StringRules.h"
#include "engine/Formfit.h"
#include "engine/FormfitRunTexts.h"
#include "support/BackupName.h"
#include "support/TempDir.h"
#include "support/TextAssert.h"

namespace formfit::test {

namespace fs = std::filesystem;

// Removing the block keeps the blank lines on both sides of it: one more
// blank line than before, ahead of [AssignMap].
inline const std::string kRemoved = [] {
  std::string text = kConfig;
  text.insert(text.find("\r\n[AssignMap]"), "\r\n");
  return text;
}();

// What a run killed while it wrote its backup leaves: its temporary file,
// made and closed as the engine does; its name.
inline std::string KilledRunLeftover(const std::string& beside) {
  std::string path;
  const std::unique_ptr<OpenFile> file = SystemFileOps().CreateTemporary(beside, path);
  EXPECT_TRUE(file && file->Write("half a backup") && file->Close());
  return fs::path(path).filename().string();
}

class FormfitRunTest : public ::testing::Test {
 protected:
  std::string Backup(unsigned number) const { return dir.Path() + BackupName(number); }
  bool Exists(const std::string& path) const { return fs::exists(path); }

  // The names in the test's folder, sorted.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.Path())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  // Every entry in the test's folder by name, with a file's bytes, and
  // "<folder>" or "<link>" for the others: the whole folder, to compare
  // before and after a run.
  std::map<std::string, std::string> Listing() const {
    std::map<std::string, std::string> listing;
    for (const auto& entry : fs::directory_iterator(dir.Path())) {
      const std::string name = entry.path().filename().string();
      if (entry.is_symlink()) {
        listing[name] = "<link>";
      } else if (entry.is_directory()) {
        listing[name] = "<folder>";
      } else {
        listing[name] = ReadFile(entry.path().string());
      }
    }
    return listing;
  }

  // Whether the configuration file is read-only; makes it so, or writable.
  bool ReadOnly() const {
    return (fs::status(config).permissions() & fs::perms::owner_write) == fs::perms::none;
  }
  void MakeReadOnly(bool readOnly) const {
    const fs::perms write =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(config, readOnly ? write : fs::perms::owner_write,
                    readOnly ? fs::perm_options::remove : fs::perm_options::add);
  }

  // The log lines every run writes before it looks at the files.
  std::string LogHead(unsigned heading) const {
    return "<time>\nT" + std::to_string(heading) + "\n<time>\nGrid:\t" + component +
           "\nDEDUDED.INF:\t" + config + "\n";
  }

  // The log lines of a run that reads both files of this fixture, up to the
  // size of the configuration file.
  std::string LogRead(unsigned heading, std::size_t size) const {
    return LogHead(heading) + "component file read: 1 contents\nT209\t" + std::to_string(size) +
           "\n";
  }

  // `pattern` with {config}, {folder}, {component} and {backup} filled in.
  std::string Fill(std::string pattern) const {
    const std::pair<std::string, std::string> fields[] = {
        {"{config}", config},
        {"{folder}", Lower(dir.Path())},
        {"{component}", component},
        {"{backup}", Lower(Backup(0))},
    };
    for (const auto& [field, value] : fields) {
      for (size_t at = pattern.find(field); at != std::string::npos;
           at = pattern.find(field, at + value.size())) {
        pattern.replace(at, field.size(), value);
      }
    }
    return pattern;
  }

  TempDir dir;
  std::string config = dir.WriteFile("DEDUDED.INF", kConfig);
  std::string component = dir.WriteFile("Grid.wed", kComponent);
};

// A run of the engine that takes a component, with its log heading and the
// caption of its statuses.
struct ComponentRun {
  const char* name;
  bool (Formfit::*run)(const std::string&, const std::string&);
  unsigned heading;
  unsigned caption;
};

inline constexpr ComponentRun kInstallRun{"Install", &Formfit::Install, 200, 201};
inline constexpr ComponentRun kDeinstallRun{"Deinstall", &Formfit::Deinstall, 213, 214};
inline constexpr ComponentRun kCheckRun{"Check", &Formfit::Check, 222, 223};

// A configuration file and a component file of which the component places
// nothing: no run may change anything on disk for them.
struct NothingToPlace {
  const char* name;
  std::string configuration;
  std::string componentFile;
};

inline std::vector<NothingToPlace> NothingToPlaceRows() {
  std::string lfOnly = kConfig;
  lfOnly.erase(std::remove(lfOnly.begin(), lfOnly.end(), '\r'), lfOnly.end());
  std::string crOnly = kConfig;
  std::replace(crOnly.begin(), crOnly.end(), '\n', '\r');
  crOnly.erase(std::unique(crOnly.begin(), crOnly.end(),
                           [](char a, char b) { return a == '\r' && b == '\r'; }),
               crOnly.end());
  return {
      {"line ends LF only", lfOnly, kComponent},
      {"line ends CR only", crOnly, kComponent},
      {"no landmarks", Crlf("[Other]\nA=1\n"), kComponent},
      {"empty configuration file", "", kComponent},
      {"component without entries", kConfig, Crlf("[CONTENTS]\nGrid=GRID\n[GRID]\n")},
      {"no contents list", kConfig, Crlf("[Other]\nA=1\n")},
      {"garbage component file", kConfig, std::string("\0\xFF\x01[\x80]=\r\x1A", 10)},
  };
}

}  // namespace formfit::test
