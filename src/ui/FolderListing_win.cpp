#include <windows.h>

#include "ui/FolderListing.h"

namespace formfit {

namespace {

FileTime LocalTime(const FILETIME& utc) {
  FILETIME local{};
  SYSTEMTIME time{};
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &time)) return {};
  return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

class WindowsFolderListing : public FolderListing {
 public:
  std::vector<ListedFile> Files(const std::string& folder, std::string_view extension) override {
    std::vector<ListedFile> files;
    const std::string pattern = folder + "*" + std::string(extension);
    WIN32_FIND_DATAA found{};
    const HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    constexpr DWORD kNotOrdinary =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    do {
      // The pattern also matches by short names ("x.wedding" as X~1.WED);
      // only the long name decides.
      if ((found.dwFileAttributes & kNotOrdinary) == 0 &&
          HasExtension(found.cFileName, extension)) {
        files.push_back({found.cFileName, LocalTime(found.ftLastWriteTime)});
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
  }
};

}  // namespace

FolderListing& SystemFolderListing() {
  static WindowsFolderListing listing;
  return listing;
}

}  // namespace formfit
