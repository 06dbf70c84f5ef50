// IniText on arbitrary bytes: every lookup, then edits. A key just written
// must read back as written; the text written out must parse to the same
// answers; an edit that changes nothing must say so.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/IniText.h"

using formfit::IniText;

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  IniText ini(bytes);

  const std::vector<std::string> sections = ini.ReadSectionList();
  Check(ini.ExistSection("") == !sections.empty());
  // A NUL byte can leave blanks at the end of a name, which Read then trims.
  const bool plain = std::memchr(data, 0, size) == nullptr;
  for (size_t i = 0; i < sections.size() && i < 16; ++i) {
    Check(ini.ExistSection(sections[i]));
    const formfit::Pairs pairs = ini.ReadSection(sections[i]);
    for (size_t k = 0; k < pairs.size() && k < 16; ++k) {
      Check(!plain || ini.Read(sections[i], pairs[k].key, "") == pairs[k].value);
    }
  }
  ini.ReadSection("");
  ini.Read("", "", "\"default\" ");

  // What is written out reads back the same. Two exceptions: a name cut at
  // a NUL byte may keep blanks at its end that a second reading drops, and
  // a UTF-8 mark behind leading blanks is at the start once they are gone.
  const IniText again(ini.Bytes());
  const bool unmarked = bytes.find("\xEF\xBB\xBF", 1) == std::string::npos;
  if (plain && unmarked) {
    Check(again.ReadSectionList() == sections);
    Check(IniText(again.Bytes()).Bytes() == again.Bytes());
  }

  ini.Write("Fuzz", "key", "value");
  Check(ini.Read("Fuzz", "key", "") == "value");
  Check(!ini.Write("Fuzz", "key", "value"));
  Check(ini.Delete("Fuzz", "key"));
  ini.DeleteSection(sections.empty() ? "" : sections.front());
  return 0;
}
