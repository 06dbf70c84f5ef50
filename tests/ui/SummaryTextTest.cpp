#include <gtest/gtest.h>

#include "support/TextAssert.h"
#include "ui/SummaryText.h"

namespace formfit::test {
namespace {

// Every text is its German default, as without a language file.
std::string German(unsigned, std::string_view german) { return std::string(german); }

// A choice as the wizard holds it, with the program and the list's text.
struct Shown {
  SetupChoice choice;
  SummaryContext context;
};

Shown Choices(std::string folder, std::string text, std::string name, std::string file, Mode mode) {
  SetupChoice choice;
  choice.cavoFolder = std::move(folder);
  choice.componentName = std::move(name);
  choice.componentFile = std::move(file);
  choice.mode = mode;
  return {choice, {"C:\\Tools\\formfit.exe", std::move(text)}};
}

TEST(SummaryText, ListsTheChoicesAndTheCommandLine) {
  struct Row {
    const char* name;
    Shown shown;
    const char* expected;
  };
  const Row rows[] = {
      {"plain values",
       Choices("D:\\VO28\\", "Datengitter", "Grid", "D:\\VO28\\BIN\\grid.wed", Mode::kAdd),
       "Ordner: D:\\VO28\\\r\n"
       "Komponente: Datengitter (Grid)\r\n"
       "Komponentendatei: D:\\VO28\\BIN\\grid.wed\r\n"
       "Änderung: hinzufügen\r\n"
       "\r\n"
       "Dieselbe Änderung ohne Assistent, mit der Befehlszeile:\r\n"
       "C:\\Tools\\formfit.exe cavopath=D:\\VO28\\ component=Grid "
       "compfile=D:\\VO28\\BIN\\grid.wed mode=Add silent\r\n"},
      {"blanks and an apostrophe",
       Choices("D:\\My VO\\", "Grid's", "Grid's", "D:\\My VO\\BIN\\grid.wed", Mode::kRemove),
       "Ordner: D:\\My VO\\\r\n"
       "Komponente: Grid's\r\n"
       "Komponentendatei: D:\\My VO\\BIN\\grid.wed\r\n"
       "Änderung: entfernen\r\n"
       "\r\n"
       "Dieselbe Änderung ohne Assistent, mit der Befehlszeile:\r\n"
       "C:\\Tools\\formfit.exe \"cavopath=D:\\My VO\\\" \"component=Grid's\" "
       "\"compfile=D:\\My VO\\BIN\\grid.wed\" mode=Remove silent\r\n"},
      {"a name no command line can carry",
       Choices("D:\\VO28\\", "a", "a\"b'c]d e", "D:\\VO28\\BIN\\a.wed", Mode::kAdd),
       "Ordner: D:\\VO28\\\r\n"
       "Komponente: a (a\"b'c]d e)\r\n"
       "Komponentendatei: D:\\VO28\\BIN\\a.wed\r\n"
       "Änderung: hinzufügen\r\n"
       "\r\n"
       "Diese Auswahl lässt sich nicht als Befehlszeile schreiben: ein Wert enthält alle drei "
       "Zeichen \" ' ].\r\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_TRUE(SameText(row.expected, SummaryText(row.shown.choice, row.shown.context, German)));
  }
}

}  // namespace
}  // namespace formfit::test
