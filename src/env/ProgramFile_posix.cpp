#include <unistd.h>

#include <string>

#include "env/ProgramFile.h"

namespace formfit {

std::optional<FileSpec> ProgramFile() {
  std::string buffer(256, '\0');
  for (;;) {
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length <= 0) return std::nullopt;
    if (static_cast<size_t>(length) < buffer.size()) {
      buffer.resize(static_cast<size_t>(length));
      return FileSpec(buffer);
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace formfit
