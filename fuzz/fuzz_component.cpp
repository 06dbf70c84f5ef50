// ComponentAdd and ComponentRemove on an arbitrary configuration text with an
// arbitrary component file. Where nothing can be mistaken for the engine's
// markers and no key line is edited, removing what was added must give back
// the text apart from blank lines.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "engine/Formfit.h"
#include "support/BlankLines.h"

using formfit::Formfit;
using formfit::qIniFile;
using formfit::test::WithoutBlankLines;

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// One component file for the whole run, rewritten for every input and
// removed at the end.
const char* ComponentPath() {
  static char name[] = "/tmp/fuzz_component-XXXXXX";
  static const bool created = [] {
    const int fd = mkstemp(name);
    Check(fd >= 0);
    close(fd);
    std::atexit([] { std::remove(name); });
    return true;
  }();
  Check(created);
  return name;
}

void WriteComponent(const std::string& bytes) {
  FILE* file = std::fopen(ComponentPath(), "wb");
  Check(file != nullptr);
  Check(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
  std::fclose(file);
}

// True when every marker line of the text occurs once.
bool MarkersUnique(const std::string& text) {
  std::set<std::string> seen;
  for (size_t at = text.find("\r\n; "); at != std::string::npos; at = text.find("\r\n; ", at + 2)) {
    const size_t eol = text.find("\r\n", at + 2);
    const std::string line = text.substr(at + 2, eol == std::string::npos ? eol : eol - at - 2);
    if ((line.rfind("; **** ", 0) == 0 || line.rfind("; ---- ", 0) == 0) &&
        !seen.insert(line).second) {
      return false;
    }
  }
  return true;
}

bool EditsKeyLines(const qIniFile& ini) {
  for (const char* section : {"AssignMap", "StdProperties", "StdProperties II"}) {
    for (const auto& entry : ini.ReadSection(section)) {
      if (!entry.value.empty() && entry.value[0] == '+') return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string name = input.ConsumeRandomLengthString(16);
  WriteComponent(input.ConsumeRandomLengthString(4096));
  const std::string text = input.ConsumeRemainingBytesAsString();
  const qIniFile ini(ComponentPath());

  const std::string removed = Formfit::ComponentRemove(text, name, ini);
  const std::string added = Formfit::ComponentAdd(removed, name, ini);

  const bool plain = name.find_first_of("\r\n") == std::string::npos &&
                     text.find("; **** ") == std::string::npos &&
                     text.find("; ---- ") == std::string::npos;
  if (plain && !EditsKeyLines(ini) && MarkersUnique(added)) {
    Check(removed == text);
    Check(WithoutBlankLines(Formfit::ComponentRemove(added, name, ini)) == WithoutBlankLines(text));
  }
  return 0;
}
