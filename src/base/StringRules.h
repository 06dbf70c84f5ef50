// The string rules the whole program shares: the non-exact comparison and
// case folding of ASCII and Windows-1252 letters. Text is bytes in the
// system code page; nothing here converts code pages.
#pragma once

#include <string>
#include <string_view>

namespace formfit {

// The program's string equality: true when `a` begins with `b`, so an empty
// `b` always matches.
bool BeginsWith(std::string_view a, std::string_view b);

// Upper and lower case of ASCII and Windows-1252 letters; other bytes stay.
char UpperChar(char c);
char LowerChar(char c);
std::string Upper(std::string_view text);
std::string Lower(std::string_view text);

// Case-blind equality of whole texts, with the folding above.
bool EqualsNoCase(std::string_view a, std::string_view b);

// The text without the blanks and tabs at its start and end.
std::string Trimmed(std::string_view text);

}  // namespace formfit
