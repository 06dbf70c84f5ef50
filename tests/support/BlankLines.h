// Adding and removing a component may change how many blank lines stand
// between two lines, and nothing else; comparing texts without their blank
// lines checks exactly that.
#pragma once

#include <cstddef>
#include <string>

namespace formfit::test {

// The text with every empty CR LF line taken out.
inline std::string WithoutBlankLines(const std::string& text) {
  std::string out;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t eol = text.find("\r\n", at);
    if (eol == std::string::npos) eol = text.size();
    if (eol > at) out.append(text, at, eol - at).append("\r\n");
    at = eol + 2;
  }
  return out;
}

}  // namespace formfit::test
