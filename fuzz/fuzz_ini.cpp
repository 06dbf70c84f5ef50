// qIniFile on arbitrary file contents: every read operation, then writes.
// A key just written must read back as written; the rewritten file must read
// the same again after a change that alters nothing.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/qIniFile.h"

using formfit::qIniFile;

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

std::string FilePath() {
  return (std::filesystem::temp_directory_path() / ("fuzz_ini-" + std::to_string(getpid())))
      .string();
}

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = FilePath();
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  qIniFile ini(path);
  Check(ini.Find());

  const std::vector<std::string> sections = ini.ReadSectionList();
  Check(ini.ExistSection("") == !sections.empty());
  // A NUL byte can leave blanks at the end of a name, which Read then trims.
  const bool plain = std::memchr(data, 0, size) == nullptr;
  for (size_t i = 0; i < sections.size() && i < 16; ++i) {
    Check(ini.ExistSection(sections[i]));
    for (const formfit::Pair& pair : ini.ReadSection(sections[i])) {
      Check(!plain || ini.Read(sections[i], pair.key, "") == pair.value);
    }
  }
  ini.ReadSection("");
  ini.Read("", "", "\"default\" ");

  Check(ini.Write("Fuzz", "key", "value"));
  Check(ini.Read("Fuzz", "key", "") == "value");
  const std::string written = Contents(path);
  Check(ini.Write("Fuzz", "key", "value"));
  Check(Contents(path) == written);

  Check(ini.Delete("Fuzz", "key"));
  Check(ini.DeleteSection(sections.empty() ? "" : sections.front()));
  std::filesystem::remove(path);
  return 0;
}
