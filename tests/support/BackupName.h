// The name of the engine's numbered backup `number` of DEDUDED.INF.
#pragma once

#include <cstdio>
#include <string>

namespace formfit::test {

inline std::string BackupName(unsigned number) {
  char name[16];
  std::snprintf(name, sizeof name, "DEDUDED.%03u", number % 1000);
  return name;
}

}  // namespace formfit::test
