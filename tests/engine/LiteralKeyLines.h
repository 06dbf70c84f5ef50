// The key-line edits of BlockExtend and BlockReduce done the plain way: one
// search of the whole text and one insertion or deletion in it per entry.
// Slow on big texts, but obviously right; the tests and the fuzz target hold
// the engine's one-rebuild version against it. Reduce takes out the last
// occurrence of the text that does not end inside a longer name.
#pragma once

#include <cctype>
#include <string>
#include <string_view>

#include "base/Pairs.h"

namespace formfit::test {

// Letters, digits, "_" and every byte above 127 (the code page's letters).
inline bool IsNamePart(char c) {
  const auto b = static_cast<unsigned char>(c);
  return std::isalnum(b) || b == '_' || b >= 0x80;
}

enum class KeyLineEdit { kExtend, kReduce };

inline std::string LiteralKeyLines(std::string text, std::string_view start, std::string_view end,
                                   Pairs& entries, KeyLineEdit edit) {
  constexpr size_t npos = std::string::npos;
  const size_t s = text.find(start);
  if (s == npos) return text;
  const size_t e = text.find(end, s + 1);
  if (e == npos) return text;
  for (size_t i = entries.size(); i-- > 0;) {
    Pair& entry = entries[i];
    if (entry.value.empty() || entry.value[0] != '+') continue;
    const std::string appended = entry.value.substr(1);
    const size_t p = text.find("\r\n" + entry.key + "=", s + 1);
    if (p == npos || p > e) {
      entry.value = appended;
      continue;
    }
    const size_t eol = text.find("\r\n", p + 3);
    const size_t lineEnd = eol == npos ? text.size() : eol;
    if (edit == KeyLineEdit::kExtend) {
      text.insert(lineEnd, appended);
    } else {
      const size_t valueStart = p + 2 + entry.key.size() + 1;
      if (valueStart <= lineEnd && !appended.empty()) {
        const std::string value = text.substr(valueStart, lineEnd - valueStart);
        size_t found = npos;
        for (size_t f = value.find(appended); f != npos; f = value.find(appended, f + 1)) {
          const size_t after = f + appended.size();
          if (!IsNamePart(appended.back()) || after == value.size() || !IsNamePart(value[after])) {
            found = f;
          }
        }
        if (found != npos) text.erase(valueStart + found, appended.size());
      }
    }
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(i));
  }
  return text;
}

}  // namespace formfit::test
