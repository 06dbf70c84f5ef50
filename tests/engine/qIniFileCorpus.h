// INI files for comparing qIniFile with the platform's profile functions:
// hand-written files around every parsing rule, and generated ones.
#pragma once

#include <string>
#include <vector>

namespace formfit::test {

struct IniSample {
  std::string name;
  std::string bytes;
};

// The same files on every run: the generated ones come from a fixed seed.
// Values stay below 1000 characters and name lists small, so that the
// platform's buffers never cut them.
std::vector<IniSample> IniCorpus(int generated);

}  // namespace formfit::test
