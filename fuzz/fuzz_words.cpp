// Command-line words and keywords on arbitrary text: no crash, no hang, and
// splitting never invents characters (every word's bytes come from the
// line, in order). An empty quoted section ('') is an empty word. The
// input's NUL-separated pieces, taken as words, are written as a command line
// that reads back as exactly those words, unless one of them cannot be written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/App.h"
#include "app/CommandLine.h"
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

  std::vector<std::string> pieces(1);
  for (char c : line) {
    if (c == '\0') {
      pieces.emplace_back();
    } else {
      pieces.back() += c;
    }
  }
  if (const auto written = formfit::CommandLineOf(pieces)) {
    if (formfit::GetParameterList(*written) != pieces) std::abort();
  } else {
    bool unwritable = false;
    for (const auto& piece : pieces) {
      unwritable = unwritable || (piece.find('"') != std::string::npos &&
                                  piece.find('\'') != std::string::npos &&
                                  piece.find(']') != std::string::npos);
    }
    if (!unwritable) std::abort();
  }
  return 0;
}
