#include <gtest/gtest.h>

#include "app/App.h"

namespace formfit {
namespace {

TEST(App, KnowsItsOwnFile) {
  const std::optional<FileSpec> own = App::FileSpec();
  ASSERT_TRUE(own.has_value());
  EXPECT_EQ("formfit_app_tests", own->FileName());
  EXPECT_FALSE(own->Path().empty());
}

TEST(App, TheCommandLineStartsWithTheProgram) {
  const std::vector<std::string> words = App::GetParameterList();
  ASSERT_EQ(1u, words.size());
  EXPECT_EQ("formfit_app_tests", FileSpec(words[0]).FileName());
}

}  // namespace
}  // namespace formfit
