// A text's lines, for the tests that read a file or a diff line by line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace formfit::test {

// The lines of `text`, split after each LF: each keeps its own end ("\n",
// or "\r\n"), and a last line without one counts as a line.
inline std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    lines.push_back(text.substr(start, next - start));
    start = next;
  }
  return lines;
}

// The line without a CR LF at its end; the line as it is when it has none.
inline std::string WithoutCrLf(std::string_view line) {
  const bool ended = line.size() >= 2 && line.substr(line.size() - 2) == "\r\n";
  return std::string(ended ? line.substr(0, line.size() - 2) : line);
}

}  // namespace formfit::test
