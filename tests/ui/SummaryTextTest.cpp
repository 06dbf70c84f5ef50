#include <gtest/gtest.h>

#include "app/App.h"
#include "app/Keywords.h"
#include "support/TextAssert.h"
#include "ui/SummaryText.h"

namespace formfit::test {
namespace {

// Every text is its German default, as without a language file.
std::string German(unsigned, std::string_view german) { return std::string(german); }

SummaryChoices Choices(std::string folder, std::string text, std::string name, std::string file,
                       const char* mode) {
  return {"C:\\Tools\\formfit.exe", std::move(folder), std::move(text),
          std::move(name),          std::move(file),   Symbol(mode)};
}

TEST(SummaryText, ListsTheChoicesAndTheCommandLine) {
  struct Row {
    const char* name;
    SummaryChoices choices;
    const char* expected;
  };
  const Row rows[] = {
      {"plain values",
       Choices("D:\\VO28\\", "Datengitter", "Grid", "D:\\VO28\\BIN\\grid.wed", "Add"),
       "Ordner: D:\\VO28\\\r\n"
       "Komponente: Datengitter (Grid)\r\n"
       "Komponentendatei: D:\\VO28\\BIN\\grid.wed\r\n"
       "Änderung: hinzufügen\r\n"
       "\r\n"
       "Dieselbe Änderung ohne Assistent, mit der Befehlszeile:\r\n"
       "C:\\Tools\\formfit.exe cavopath=D:\\VO28\\ component=Grid "
       "compfile=D:\\VO28\\BIN\\grid.wed mode=Add silent\r\n"},
      {"blanks and an apostrophe",
       Choices("D:\\My VO\\", "Grid's", "Grid's", "D:\\My VO\\BIN\\grid.wed", "Remove"),
       "Ordner: D:\\My VO\\\r\n"
       "Komponente: Grid's\r\n"
       "Komponentendatei: D:\\My VO\\BIN\\grid.wed\r\n"
       "Änderung: entfernen\r\n"
       "\r\n"
       "Dieselbe Änderung ohne Assistent, mit der Befehlszeile:\r\n"
       "C:\\Tools\\formfit.exe \"cavopath=D:\\My VO\\\" \"component=Grid's\" "
       "\"compfile=D:\\My VO\\BIN\\grid.wed\" mode=Remove silent\r\n"},
      {"a name no command line can carry",
       Choices("D:\\VO28\\", "a", "a\"b'c]d e", "D:\\VO28\\BIN\\a.wed", "Add"),
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
    EXPECT_TRUE(SameText(row.expected, SummaryText(row.choices, German)));
  }
}

// The line, read back as the program reads its own command line, gives the
// same run.
TEST(SilentCommandLine, ReadsBackAsTheSameChoices) {
  const SummaryChoices rows[] = {
      Choices("D:\\VO28\\", "Grid", "Grid", "D:\\VO28\\BIN\\grid.wed", "Add"),
      Choices("Z:\\tmp\\a b\\", "x", "Grid's Editor", "Z:\\tmp\\a b\\BIN\\it's.wed", "Remove"),
      Choices("D:\\[VO]\\", "x", "\"quoted\"", "D:\\[VO]\\BIN\\x.wed", "Add"),
  };
  for (const SummaryChoices& choices : rows) {
    SCOPED_TRACE(choices.componentName);
    const std::optional<std::string> line = SilentCommandLine(choices);
    ASSERT_TRUE(line);
    const std::vector<std::string> words = GetParameterList(*line);
    ASSERT_FALSE(words.empty());
    EXPECT_EQ(choices.program, words.front());
    const Keywords keywords = ReadKeywords(words);
    EXPECT_EQ(choices.folder, keywords.cavoFolder);
    EXPECT_EQ(choices.componentName, keywords.componentName);
    EXPECT_EQ(choices.componentFile, keywords.componentFile);
    ASSERT_TRUE(keywords.mode);
    EXPECT_EQ(choices.mode, *keywords.mode);
    EXPECT_TRUE(keywords.silent);
  }
  EXPECT_FALSE(SilentCommandLine(Choices("D:\\VO28\\", "x", "Grid", "g.wed", "Delete")));
}

}  // namespace
}  // namespace formfit::test
