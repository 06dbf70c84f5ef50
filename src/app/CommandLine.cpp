#include "app/CommandLine.h"

namespace formfit {

std::optional<std::string> QuoteWord(std::string_view word) {
  // A blank would end the word and an opening character would start a
  // section; anything else reads back as it stands.
  if (!word.empty() && word.find_first_of(" \"'[") == std::string_view::npos) {
    return std::string(word);
  }
  // A section that opens the word runs to the first closing character and
  // keeps neither, so the word must not hold its closer.
  static constexpr char kSections[][2] = {{'"', '"'}, {'\'', '\''}, {'[', ']'}};
  for (const auto& section : kSections) {
    if (word.find(section[1]) != std::string_view::npos) continue;
    std::string quoted;
    quoted.reserve(word.size() + 2);
    quoted += section[0];
    quoted.append(word);
    quoted += section[1];
    return quoted;
  }
  return std::nullopt;
}

std::optional<std::string> CommandLineOf(const std::vector<std::string>& words) {
  std::string line;
  for (const std::string& word : words) {
    std::optional<std::string> written = QuoteWord(word);
    if (!written) return std::nullopt;
    // After a closing quote the blank is the character the reader skips.
    if (&word != &words.front()) line += ' ';
    line += *written;
  }
  return line;
}

std::optional<std::string> SilentCommandLine(const std::string& program,
                                             const SetupChoice& choice) {
  // Add or Remove, the changes the wizard makes: no command line makes no
  // change.
  if (choice.mode != Mode::kAdd && choice.mode != Mode::kRemove) return std::nullopt;
  return CommandLineOf({program, "cavopath=" + choice.cavoFolder,
                        "component=" + choice.componentName, "compfile=" + choice.componentFile,
                        std::string("mode=") + RowOf(*choice.mode).word, "silent"});
}

}  // namespace formfit
