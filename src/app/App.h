// The application object: the command-line words and the program's own file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/FileSpec.h"

namespace formfit {

// Splits a command line into words. A blank ends a word; runs of blanks give
// no empty words; a tab is an ordinary character. A double quote, a single
// quote or "[" opens a quoted section that runs to the same quote (or "]")
// or to the end of the text, blanks and other quotes included. A section
// that opens a word keeps neither quote in the word; one that opens inside a
// word keeps both. A closing quote ends the word, and the character right
// after it is skipped unseen (it is taken to be the blank). So
// "'abc'def ghi" gives abc, ef and ghi; "cavopath='D:\My VO'" stays one word
// with its quotes.
std::vector<std::string> GetParameterList(std::string_view commandLine);

class App {
 public:
  // The words of this process's command line, the program path first.
  static std::vector<std::string> GetParameterList();

  // The program's own file, its whole path however long; none when the
  // platform cannot report it. Read anew on every call.
  static std::optional<::formfit::FileSpec> FileSpec();
};

}  // namespace formfit
