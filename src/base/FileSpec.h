// A path split into drive, folder path, file name and extension.
//
// FileSpec("C:\\VO28\\BIN\\DEDUDED.INF") holds the drive "C:", the path
// "\\VO28\\BIN\\" (it begins and ends with a separator, or is empty), the
// file name "DEDUDED" and the extension ".INF" (dot included). Both "\\"
// and "/" separate folders; a separator that is given is kept as given.
#pragma once

#include <string>
#include <string_view>

namespace formfit {

class FileSpec {
 public:
  FileSpec() = default;
  explicit FileSpec(std::string_view path);

  const std::string& Drive() const { return drive_; }
  const std::string& Path() const { return path_; }
  const std::string& FileName() const { return fileName_; }
  const std::string& Extension() const { return extension_; }

  void SetDrive(std::string drive) { drive_ = std::move(drive); }
  void SetPath(std::string path) { path_ = std::move(path); }
  void SetFileName(std::string fileName) { fileName_ = std::move(fileName); }
  void SetExtension(std::string extension) { extension_ = std::move(extension); }

  // Drive, path, file name and extension joined.
  std::string FullPath() const;

  // Adds `folder` and a "\\" to the end of the path ("\\" first when the
  // path is not empty and does not end in a separator).
  void AppendToPath(std::string_view folder);

  // Removes the path's last folder with its separator; false when the path
  // has no folder left to remove (empty or only the root separator).
  bool PathUp();

 private:
  std::string drive_;
  std::string path_;
  std::string fileName_;
  std::string extension_;
};

// True for "\\" and "/".
bool IsPathSeparator(char c);

}  // namespace formfit
