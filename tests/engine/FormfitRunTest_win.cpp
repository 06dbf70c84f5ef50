#include <gtest/gtest.h>
#include <windows.h>

#include "engine/Formfit.h"
#include "engine/FormfitRunTexts.h"
#include "support/RecordingEnvironment.h"
#include "support/TempDir.h"
#include "support/TextAssert.h"

namespace formfit::test {
namespace {

class FormfitRunWinTest : public ::testing::Test {
 protected:
  TempDir dir;
  std::string config = dir.WriteFile("DEDUDED.INF", kConfig);
  std::string component = dir.WriteFile("Grid.wed", kComponent);
  RecordingEnvironment environment;
  Formfit engine{environment};
};

TEST_F(FormfitRunWinTest, FileHeldOpenWithoutSharingIsLeftAlone) {
  const HANDLE held =
      CreateFileA(config.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, held);
  engine.Init(config);

  const bool rewritten = engine.Install("Grid", component);
  CloseHandle(held);

  EXPECT_FALSE(rewritten);
  ASSERT_TRUE(engine.Status());
  EXPECT_EQ(Symbol("DEDUDED_OPEN_ERROR"), engine.Status()->code);
  // The system's error tells that another program holds it, after the wait.
  EXPECT_TRUE(SameText("T235\r\n" + config, engine.Status()->description));
  EXPECT_EQ(10000u, environment.Paused());
  EXPECT_TRUE(SameText(kConfig, ReadFile(config)));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((dir.Path() + "DEDUDED.000").c_str()));
}

TEST_F(FormfitRunWinTest, ComponentFileHeldWithoutSharingPlacesNothing) {
  const HANDLE held =
      CreateFileA(component.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, held);
  ASSERT_TRUE(SetFileAttributesA(config.c_str(), FILE_ATTRIBUTE_READONLY));
  const DWORD attributes = GetFileAttributesA(config.c_str());
  engine.Init(config);

  const bool rewritten = engine.Install("Grid", component);
  CloseHandle(held);

  EXPECT_FALSE(rewritten);
  ASSERT_TRUE(engine.Status());
  EXPECT_EQ(Symbol("COMPONENT_NOT_PLACED"), engine.Status()->code);
  EXPECT_TRUE(SameText("T221\r\n" + component, engine.Status()->description));
  EXPECT_TRUE(SameText(kConfig, ReadFile(config)));
  EXPECT_EQ(attributes, GetFileAttributesA(config.c_str()));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((dir.Path() + "DEDUDED.000").c_str()));
  SetFileAttributesA(config.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FormfitRunWinTest, ReadOnlyAttributeIsClearedAndStaysCleared) {
  ASSERT_TRUE(SetFileAttributesA(config.c_str(), FILE_ATTRIBUTE_READONLY));
  engine.Init(config);

  EXPECT_TRUE(engine.Install("Grid", component));

  EXPECT_TRUE(SameText(kInstalled, ReadFile(config)));
  EXPECT_EQ(0u, GetFileAttributesA(config.c_str()) & FILE_ATTRIBUTE_READONLY);
}

}  // namespace
}  // namespace formfit::test
