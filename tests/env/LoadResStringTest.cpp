// The process-wide table. This program runs in another folder than its own,
// where a different Formfit.sys lies: the one beside the program must win.
#include <gtest/gtest.h>

#include "env/LanguageStrings.h"

namespace formfit {
namespace {

TEST(LoadResString, ReadsTheFileBesideTheProgramOnceForTheProcess) {
  EXPECT_EQ("Beside the program", LoadResString("Vorgabe", 100, "Formfit.sys"));
  EXPECT_EQ("Vorgabe", LoadResString("Vorgabe", 101, "Formfit.sys"));
  EXPECT_EQ("Language file not exist", LoadResString("", 0, "Formfit.sys"));
  // Another file named later is served from the same table.
  EXPECT_EQ("Beside the program", LoadResString("Vorgabe", 100, "Other.sys"));
}

}  // namespace
}  // namespace formfit
