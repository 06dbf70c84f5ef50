#include <gtest/gtest.h>

#include "app/RunOptions.h"
#include "support/TempDir.h"

namespace formfit::test {
namespace {

TEST(LanguageFileFor, EnglishOnlyWhenAskedForAndThere) {
  TempDir withEnglish;
  withEnglish.WriteFile("Formfit.en.sys", "[Language]\r\n100=Setup\r\n");
  TempDir withoutEnglish;
  struct Row {
    const char* language;
    const TempDir& folder;
    const char* file;
  };
  const Row rows[] = {
      {"en", withEnglish, "Formfit.en.sys"}, {"EN", withEnglish, "Formfit.en.sys"},
      {"en", withoutEnglish, "Formfit.sys"}, {"de", withEnglish, "Formfit.sys"},
      {"", withEnglish, "Formfit.sys"},      {"english", withEnglish, "Formfit.sys"},
  };
  for (const Row& row : rows) {
    const FileSpec program(row.folder.Path() + "formfit.exe");
    EXPECT_EQ(row.file, LanguageFileFor(row.language, SystemFileOps(), program))
        << row.language << " in " << row.folder.Path();
  }
}

}  // namespace
}  // namespace formfit::test
