#include "support/TextAssert.h"

namespace formfit::test {

namespace {

std::string Visible(std::string_view line) {
  std::string out;
  for (char c : line) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out;
}

// The line (with its "\n") that holds byte `pos`.
std::string_view LineAt(std::string_view text, size_t pos) {
  const size_t begin = text.rfind('\n', pos == 0 ? 0 : pos - 1);
  const size_t start = (begin == std::string_view::npos || pos == 0) ? 0 : begin + 1;
  const size_t end = text.find('\n', pos);
  return text.substr(start,
                     end == std::string_view::npos ? std::string_view::npos : end + 1 - start);
}

}  // namespace

::testing::AssertionResult SameText(std::string_view expected, std::string_view actual) {
  if (expected == actual) return ::testing::AssertionSuccess();
  size_t pos = 0;
  while (pos < expected.size() && pos < actual.size() && expected[pos] == actual[pos]) ++pos;
  size_t line = 1;
  for (size_t i = 0; i < pos; ++i) line += expected[i] == '\n';
  return ::testing::AssertionFailure()
         << "texts differ at byte " << pos << ", line " << line << " (sizes " << expected.size()
         << " expected, " << actual.size()
         << " actual)\n  expected: " << Visible(LineAt(expected, pos))
         << "\n  actual:   " << Visible(LineAt(actual, pos));
}

std::string Crlf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace formfit::test
