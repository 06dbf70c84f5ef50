#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <ctime>

#include "ui/FolderListing.h"

namespace formfit {

namespace {

FileTime LocalTime(std::time_t time) {
  std::tm local{};
  localtime_r(&time, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

class PosixFolderListing : public FolderListing {
 public:
  std::vector<ListedFile> Files(const std::string& folder, std::string_view extension) override {
    std::string native = folder;
    std::replace(native.begin(), native.end(), '\\', '/');
    std::vector<ListedFile> files;
    DIR* dir = ::opendir(native.empty() ? "." : native.c_str());
    if (!dir) return files;
    while (const dirent* entry = ::readdir(dir)) {
      const std::string name = entry->d_name;
      // A leading dot hides a file here, as the hidden attribute does on
      // Windows.
      if (name.empty() || name[0] == '.' || !HasExtension(name, extension)) continue;
      struct stat info {};
      if (::stat((native + name).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
      files.push_back({name, LocalTime(info.st_mtime)});
    }
    ::closedir(dir);
    return files;
  }
};

}  // namespace

FolderListing& SystemFolderListing() {
  static PosixFolderListing listing;
  return listing;
}

}  // namespace formfit
