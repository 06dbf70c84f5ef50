// The process-wide table. This program runs in another folder than its own,
// where a different Formfit.sys lies: the one beside the program must win.
#include <gtest/gtest.h>

#include "env/LanguageStrings.h"

namespace formfit {
namespace {

TEST(LoadResString, ReadsTheFileBesideTheProgramOnceForTheProcess) {
  EXPECT_EQ("Beside the program", LoadResString("Vorgabe", 100));
  EXPECT_EQ("Vorgabe", LoadResString("Vorgabe", 101));
  EXPECT_EQ("Language file not exist", LoadResString("", 0));
  // A later lookup is served from the same table.
  EXPECT_EQ("Beside the program", LoadResString("Vorgabe", 100));
}

}  // namespace
}  // namespace formfit
