// The language file chosen for the process before its first lookup: the
// table comes from it, not from the file the lookups name.
#include <gtest/gtest.h>

#include "env/LanguageStrings.h"

namespace formfit {
namespace {

TEST(ChooseLanguageFile, HoldsUntilTheFirstLookupOnly) {
  EXPECT_TRUE(ChooseLanguageFile("Chosen.sys"));
  EXPECT_EQ("Chosen beside the program", LoadResString("Vorgabe", 100));
  EXPECT_EQ("Vorgabe", LoadResString("Vorgabe", 101));
  EXPECT_FALSE(ChooseLanguageFile("Formfit.sys"));
  EXPECT_EQ("Chosen beside the program", LoadResString("Vorgabe", 100));
}

}  // namespace
}  // namespace formfit
