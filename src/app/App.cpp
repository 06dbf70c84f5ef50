#include "app/App.h"

#include "env/ProgramFile.h"

namespace formfit {

namespace {

// The closing character of a quoted section, or 0 when `c` opens none.
char Closing(char c) {
  switch (c) {
    case '"':
      return '"';
    case '\'':
      return '\'';
    case '[':
      return ']';
    default:
      return 0;
  }
}

}  // namespace

std::vector<std::string> GetParameterList(std::string_view commandLine) {
  std::vector<std::string> words;
  std::string word;
  const size_t n = commandLine.size();
  for (size_t i = 0; i < n; ++i) {
    const char c = commandLine[i];
    if (c == ' ') {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
      continue;
    }
    const char closing = Closing(c);
    if (closing == 0) {
      word += c;
      continue;
    }
    const bool keepQuotes = !word.empty();
    if (keepQuotes) word += c;
    const size_t close = commandLine.find(closing, i + 1);
    if (close == std::string_view::npos) {
      word.append(commandLine.substr(i + 1));
      i = n;
    } else {
      word.append(commandLine.substr(i + 1, close - i - 1));
      if (keepQuotes) word += closing;
      // The character after the closing quote is taken to be the blank.
      i = close + 1;
    }
    words.push_back(std::move(word));
    word.clear();
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

std::optional<::formfit::FileSpec> App::FileSpec() { return ProgramFile(); }

}  // namespace formfit
