#include "base/StringRules.h"

namespace formfit {

bool BeginsWith(std::string_view a, std::string_view b) { return a.substr(0, b.size()) == b; }

namespace {

// The upper case of one Windows-1252 byte: a..z, \xE0..\xFE except the
// division sign \xF7, and the pairs \x9A/\x8A, \x9C/\x8C, \x9E/\x8E, \xFF/\x9F.
unsigned char UpperOf(unsigned char b) {
  if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) return b - 32;
  switch (b) {
    case 0x9A:
    case 0x9C:
    case 0x9E:
      return b - 0x10;
    case 0xFF:
      return 0x9F;
    default:
      return b;
  }
}

// Both directions from the one rule above, so they cannot disagree.
struct CaseTables {
  unsigned char upper[256];
  unsigned char lower[256];
};

const CaseTables& Tables() {
  static const CaseTables tables = [] {
    CaseTables t{};
    for (int b = 0; b < 256; ++b) t.lower[b] = static_cast<unsigned char>(b);
    for (int b = 0; b < 256; ++b) {
      t.upper[b] = UpperOf(static_cast<unsigned char>(b));
      if (t.upper[b] != b) t.lower[t.upper[b]] = static_cast<unsigned char>(b);
    }
    return t;
  }();
  return tables;
}

}  // namespace

char UpperChar(char c) { return static_cast<char>(Tables().upper[static_cast<unsigned char>(c)]); }

char LowerChar(char c) { return static_cast<char>(Tables().lower[static_cast<unsigned char>(c)]); }

std::string Upper(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = UpperChar(c);
  return result;
}

std::string Lower(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = LowerChar(c);
  return result;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (UpperChar(a[i]) != UpperChar(b[i])) return false;
  }
  return true;
}

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

}  // namespace formfit
