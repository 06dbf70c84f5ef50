// A fresh folder for one test, removed with everything in it at the end.
#pragma once

#include <map>
#include <string>

namespace formfit::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder, ending in a separator, as the program's own file functions
  // take it.
  const std::string& Path() const { return path_; }

  // Writes `bytes` to the file `name` in the folder and returns its path.
  std::string WriteFile(const std::string& name, const std::string& bytes) const;

 private:
  std::string path_;
};

// The whole file as bytes; fails the test when it cannot be read.
std::string ReadFile(const std::string& path);

// Every file below `folder` with its bytes, by path: a whole folder listing
// to compare before and after a run.
std::map<std::string, std::string> Files(const std::string& folder);

// The folder of the bundled sample installation, ending in a separator.
std::string ExamplesDir();

}  // namespace formfit::test
