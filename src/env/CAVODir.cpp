#include "env/CAVODir.h"

#include "base/StringRules.h"

namespace formfit {

namespace {

// The runtime the program is built for; only row 1 runs for it.
constexpr std::string_view kRuntimeVersion = "Visual Objects (Version 2.8 SP4)";

constexpr std::string_view kUninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

}  // namespace

const std::vector<CAVODirRow>& CAVODirTable() {
  static const std::string vo28_1 = std::string(kUninstall) + "vo28_1_is1";
  static const std::string vo28 = std::string(kUninstall) + "vo28_is1";
  static const std::string vo28trial = std::string(kUninstall) + "vo28trial_is1";
  static const std::string vo27 =
      std::string(kUninstall) + "Visual Objects 2.7a Patch  Visual Objects 2.7";
  static const std::vector<CAVODirRow> table = {
      {"VISUAL OBJECTS (VERSION 2.8",
       {{RegistryRoot::LocalMachine,
         {vo28_1, vo28, vo28trial},
         "UninstallString",
         PathForm::A,
         false,
         true}}},
      {"VISUAL OBJECTS (VERSION 2.7",
       {{RegistryRoot::LocalMachine, {vo27}, "UninstallString", PathForm::A, false, true},
        {RegistryRoot::LocalMachine,
         {"Software\\Microsoft\\Windows\\Help"},
         "cavo27.hlp",
         PathForm::A,
         true,
         true}}},
      {"CA-VISUAL OBJECTS (VERSION 2.6",
       {{RegistryRoot::CurrentUser,
         {"Software\\ComputerAssociates\\CA-Visual Objects 2.6\\Directories"},
         "Root",
         PathForm::B,
         true,
         false}}},
      {"CA-VISUAL OBJECTS  2.0",
       {{RegistryRoot::LocalMachine,
         {"Software\\ComputerAssociates\\CA-Visual Objects 2.0"},
         "CA_InstallLog",
         PathForm::B,
         false,
         false}}},
      {"",
       {{RegistryRoot::LocalMachine,
         {"Software\\ComputerAssociates\\CA-Visual Objects 2.5"},
         "CA_InstallLog",
         PathForm::B,
         false,
         false}}},
  };
  return table;
}

const CAVODirRow& CAVODirRowFor(std::string_view generation) {
  const std::vector<CAVODirRow>& table = CAVODirTable();
  for (const CAVODirRow& row : table) {
    if (BeginsWith(generation, row.generationPrefix)) return row;
  }
  return table.back();
}

std::string GenerationText() { return Upper(kRuntimeVersion); }

std::string PathFormA(std::string_view value) {
  if (value.empty() || value[0] != '"') return std::string(value);
  const size_t close = value.find('"', 2);
  if (close == std::string_view::npos) return std::string(value.substr(1));
  return std::string(value.substr(1, close - 1));
}

std::string PathFormB(std::string_view value) {
  if (value.empty() || value[0] != '"') return std::string(value);
  if (value.size() == 1) return std::string();
  return std::string(value.substr(1, value.size() - 2));
}

FileSpec CAVODirLocation(const CAVODirTry& attempt, std::string_view value) {
  std::string path = attempt.form == PathForm::A ? PathFormA(value) : PathFormB(value);
  if (attempt.appendBackslash && (path.empty() || path.back() != '\\')) path += '\\';
  FileSpec location(path);
  if (attempt.folderUp) {
    location.SetFileName(std::string());
    location.SetExtension(std::string());
    location.PathUp();
  }
  return location;
}

std::optional<FileSpec> CAVODirFrom(std::string_view generation, const CAVODirReader& read) {
  for (const CAVODirTry& attempt : CAVODirRowFor(generation).tries) {
    if (const std::optional<std::string> value = read(attempt)) {
      return CAVODirLocation(attempt, *value);
    }
  }
  return std::nullopt;
}

std::optional<FileSpec> CAVODir() { return CAVODirFrom(GenerationText(), ReadRegistryValue); }

}  // namespace formfit
