#include <fstream>
#include <iterator>

#include "app/App.h"

namespace formfit {

std::vector<std::string> App::GetParameterList() {
  // The kernel keeps the arguments apart by zeros; the Windows command line
  // keeps them apart by blanks.
  std::ifstream in("/proc/self/cmdline", std::ios::binary);
  std::string line(std::istreambuf_iterator<char>(in), {});
  for (char& c : line) {
    if (c == '\0') c = ' ';
  }
  return ::formfit::GetParameterList(line);
}

}  // namespace formfit
