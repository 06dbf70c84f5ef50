// Command-line words and keywords on arbitrary text: no crash, no hang, and
// splitting never invents characters (every word's bytes come from the
// line, in order). An empty quoted section ('') is an empty word.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/App.h"
#include "app/Keywords.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  const auto words = formfit::GetParameterList(line);
  std::size_t from = 0;
  for (const auto& word : words) {
    for (char c : word) {
      from = line.find(c, from);
      if (from == std::string_view::npos) std::abort();
      ++from;
    }
  }
  formfit::ReadKeywords(words);
  return 0;
}
