#include <windows.h>

#include <string>

#include "env/ProgramFile.h"

namespace formfit {

std::optional<FileSpec> ProgramFile() {
  // A path may exceed MAX_PATH; a cut path would name another file, so the
  // buffer grows until the whole path fits.
  std::string buffer(MAX_PATH, '\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::nullopt;
    if (length < buffer.size()) {
      buffer.resize(length);
      return FileSpec(buffer);
    }
    if (buffer.size() >= 0x8000) return std::nullopt;
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace formfit
