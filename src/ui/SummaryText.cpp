#include "ui/SummaryText.h"

#include "app/CommandLine.h"
#include "ui/TextNumbers.h"

namespace formfit {

namespace {

constexpr char kCrLf[] = "\r\n";

}  // namespace

std::string SummaryText(const SetupChoice& choice, const SummaryContext& context,
                        const SummaryTexts& texts) {
  std::string component = context.componentText;
  if (component != choice.componentName) component += " (" + choice.componentName + ")";
  std::string change;
  if (choice.mode == Mode::kAdd) change = texts(text::kSummaryAdd, "hinzufügen");
  if (choice.mode == Mode::kRemove) change = texts(text::kSummaryRemove, "entfernen");
  std::string summary;
  const auto line = [&summary](const std::string& text) { summary += text + kCrLf; };
  line(texts(text::kSummaryFolder, "Ordner:") + " " + choice.cavoFolder);
  line(texts(text::kSummaryComponent, "Komponente:") + " " + component);
  line(texts(text::kSummaryComponentFile, "Komponentendatei:") + " " + choice.componentFile);
  line(texts(text::kSummaryChange, "Änderung:") + " " + change);
  line("");
  if (const std::optional<std::string> commandLine = SilentCommandLine(context.program, choice)) {
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
