#include "ui/FolderListing.h"

#include <cstdio>

#include "base/StringRules.h"

namespace formfit {

std::string Stamp(const FileTime& time) {
  char text[80];
  std::snprintf(text, sizeof text, "%04d%02d%02d %02d:%02d:%02d", time.year, time.month, time.day,
                time.hour, time.minute, time.second);
  return text;
}

bool HasExtension(std::string_view name, std::string_view extension) {
  return name.size() >= extension.size() &&
         EqualsNoCase(name.substr(name.size() - extension.size()), extension);
}

}  // namespace formfit
