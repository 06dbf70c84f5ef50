// The files of one folder with the date and time of their last change,
// behind one small interface so that tests can hand in any listing (order
// and dates included).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace formfit {

// A local date and time, to the second.
struct FileTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// "YYYYMMDD HH:MM:SS": stamps of this form compare in time order as texts.
std::string Stamp(const FileTime& time);

struct ListedFile {
  std::string name;  // the file's name, without its folder
  FileTime changed;  // local time of the last change
};

class FolderListing {
 public:
  virtual ~FolderListing() = default;
  // The ordinary files in `folder` (a path ending in a separator, either
  // "\\" or "/") whose names end in `extension`, case ignored; no folders,
  // no hidden or system files. In the order the file system lists them;
  // empty when the folder is missing or cannot be read.
  virtual std::vector<ListedFile> Files(const std::string& folder, std::string_view extension) = 0;
};

// The real file system.
FolderListing& SystemFolderListing();

// Whether `name` ends in `extension`, case ignored (ASCII and Windows-1252
// letters).
bool HasExtension(std::string_view name, std::string_view extension);

}  // namespace formfit
