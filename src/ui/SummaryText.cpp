#include "ui/SummaryText.h"

#include <vector>

#include "app/CommandLine.h"
#include "ui/TextNumbers.h"

namespace formfit {

namespace {

constexpr char kCrLf[] = "\r\n";

// The mode as the command line writes it; empty for a mode that asks for
// no change, which no command line can make.
std::string ModeWord(Symbol mode) {
  if (mode == Symbol("Add")) return "Add";
  if (mode == Symbol("Remove")) return "Remove";
  return {};
}

}  // namespace

std::optional<std::string> SilentCommandLine(const SummaryChoices& choices) {
  const std::string mode = ModeWord(choices.mode);
  if (mode.empty()) return std::nullopt;
  return CommandLineOf({choices.program, "cavopath=" + choices.folder,
                        "component=" + choices.componentName, "compfile=" + choices.componentFile,
                        "mode=" + mode, "silent"});
}

std::string SummaryText(const SummaryChoices& choices, const SummaryTexts& texts) {
  std::string component = choices.componentText;
  if (component != choices.componentName) component += " (" + choices.componentName + ")";
  std::string change;
  if (choices.mode == Symbol("Add")) change = texts(text::kSummaryAdd, "hinzufügen");
  if (choices.mode == Symbol("Remove")) change = texts(text::kSummaryRemove, "entfernen");
  std::string summary;
  const auto line = [&summary](const std::string& text) { summary += text + kCrLf; };
  line(texts(text::kSummaryFolder, "Ordner:") + " " + choices.folder);
  line(texts(text::kSummaryComponent, "Komponente:") + " " + component);
  line(texts(text::kSummaryComponentFile, "Komponentendatei:") + " " + choices.componentFile);
  line(texts(text::kSummaryChange, "Änderung:") + " " + change);
  line("");
  if (const std::optional<std::string> commandLine = SilentCommandLine(choices)) {
    line(texts(text::kSummaryCommandLine,
               "Dieselbe Änderung ohne Assistent, mit der Befehlszeile:"));
    line(*commandLine);
  } else {
    line(texts(text::kSummaryNoCommandLine,
               "Diese Auswahl lässt sich nicht als Befehlszeile schreiben: ein Wert enthält alle "
               "drei Zeichen \" ' ]."));
  }
  return summary;
}

}  // namespace formfit
