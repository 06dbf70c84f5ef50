#include "env/LogFile.h"

#include <cstdio>

namespace formfit {

bool AppendLogLine(const std::string& path, std::string_view line) {
  // Binary mode: the CR LF is written as given, not doubled by the runtime.
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) return false;
  const std::string whole = std::string(line) + "\r\n";
  const bool written = std::fwrite(whole.data(), 1, whole.size(), file) == whole.size();
  const bool closed = std::fclose(file) == 0;
  return written && closed;
}

std::string LogTimestamp(const std::tm& time) {
  char text[32];
  const size_t length = std::strftime(text, sizeof text, "%d.%m.%Y %H:%M:%S", &time);
  return std::string(text, length);
}

}  // namespace formfit
