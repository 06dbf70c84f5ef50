#include "base/FileSpec.h"

namespace formfit {

bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

FileSpec::FileSpec(std::string_view path) {
  if (path.size() >= 2 && path[1] == ':') {
    drive_ = std::string(path.substr(0, 2));
    path.remove_prefix(2);
  }
  size_t nameStart = 0;
  for (size_t i = path.size(); i > 0; --i) {
    if (IsPathSeparator(path[i - 1])) {
      nameStart = i;
      break;
    }
  }
  path_ = std::string(path.substr(0, nameStart));
  const std::string_view name = path.substr(nameStart);
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) {
    fileName_ = std::string(name);
  } else {
    fileName_ = std::string(name.substr(0, dot));
    extension_ = std::string(name.substr(dot));
  }
}

std::string FileSpec::FullPath() const { return drive_ + path_ + fileName_ + extension_; }

void FileSpec::AppendToPath(std::string_view folder) {
  if (!path_.empty() && !IsPathSeparator(path_.back())) path_ += '\\';
  path_ += folder;
  path_ += '\\';
}

bool FileSpec::PathUp() {
  if (path_.size() < 2) return false;
  // The path ends in a separator; the last folder starts behind the one before.
  size_t i = path_.size() - 1;
  while (i > 0 && !IsPathSeparator(path_[i - 1])) --i;
  if (i == 0) {
    // A relative path of one folder ("VO28\\") becomes empty.
    path_.clear();
  } else {
    path_.erase(i);
  }
  return true;
}

}  // namespace formfit
