#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "env/CAVODir.h"

namespace formfit {
namespace {

TEST(PathForm, Table) {
  struct Row {
    const char* value;
    const char* formA;
    const char* formB;
  };
  const Row rows[] = {
      {"", "", ""},
      {"C:\\VO28\\Uninstall\\unins000.exe", "C:\\VO28\\Uninstall\\unins000.exe",
       "C:\\VO28\\Uninstall\\unins000.exe"},
      {"\"C:\\VO28\\Uninstall\\unins000.exe\"", "C:\\VO28\\Uninstall\\unins000.exe",
       "C:\\VO28\\Uninstall\\unins000.exe"},
      {"\"C:\\My VO\\unins000.exe\" /LOG", "C:\\My VO\\unins000.exe",
       "C:\\My VO\\unins000.exe\" /LO"},
      {"C:\\VO28\\unins000.exe /LOG", "C:\\VO28\\unins000.exe /LOG", "C:\\VO28\\unins000.exe /LOG"},
      {"\"C:\\VO28\\unins000.exe", "C:\\VO28\\unins000.exe", "C:\\VO28\\unins000.ex"},
      {"\"", "", ""},
      {"\"\"", "\"", ""},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.formA, PathFormA(row.value)) << "form A of " << row.value;
    EXPECT_EQ(row.formB, PathFormB(row.value)) << "form B of " << row.value;
  }
}

TEST(CAVODirRowFor, FirstPrefixWins) {
  const std::vector<CAVODirRow>& table = CAVODirTable();
  const struct {
    const char* generation;
    size_t row;
  } rows[] = {
      {"VISUAL OBJECTS (VERSION 2.8 SP4)", 0}, {"VISUAL OBJECTS (VERSION 2.8", 0},
      {"VISUAL OBJECTS (VERSION 2.7B)", 1},    {"CA-VISUAL OBJECTS (VERSION 2.6)", 2},
      {"CA-VISUAL OBJECTS  2.0", 3},           {"CA-VISUAL OBJECTS 2.0", 4},
      {"Visual Objects (Version 2.8", 4},      {"", 4},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(&table[row.row], &CAVODirRowFor(row.generation)) << row.generation;
  }
  EXPECT_EQ("VISUAL OBJECTS (VERSION 2.8 SP4)", GenerationText());
}

// Each row with a value its registry entry may hold, and the location the
// locator gives for it.
TEST(CAVODirFrom, EveryRowDerivesItsLocation) {
  const struct {
    const char* generation;
    size_t tryIndex;  // the try that finds the value
    const char* value;
    const char* location;
  } rows[] = {
      {"VISUAL OBJECTS (VERSION 2.8 SP4)", 0, "\"C:\\VO28\\Uninstall\\unins000.exe\"",
       "C:\\VO28\\"},
      {"VISUAL OBJECTS (VERSION 2.8 SP4)", 0, "\"C:\\My VO\\Uninstall\\unins000.exe\" /LOG",
       "C:\\My VO\\"},
      {"VISUAL OBJECTS (VERSION 2.8 SP4)", 0, "C:\\VO28\\Uninstall\\unins000.exe", "C:\\VO28\\"},
      {"VISUAL OBJECTS (VERSION 2.8 SP4)", 0, "", ""},
      {"VISUAL OBJECTS (VERSION 2.7B)", 0, "\"C:\\CAVO27\\UNINST\\setup.exe\" -u", "C:\\CAVO27\\"},
      {"VISUAL OBJECTS (VERSION 2.7B)", 1, "C:\\CAVO27\\HELP", "C:\\CAVO27\\"},
      {"VISUAL OBJECTS (VERSION 2.7B)", 1, "C:\\CAVO27\\HELP\\", "C:\\CAVO27\\"},
      {"CA-VISUAL OBJECTS (VERSION 2.6)", 0, "\"D:\\CAVO26\"", "D:\\CAVO26\\"},
      {"CA-VISUAL OBJECTS (VERSION 2.6)", 0, "D:\\CAVO26\\", "D:\\CAVO26\\"},
      {"CA-VISUAL OBJECTS  2.0", 0, "C:\\CAVO20\\INSTALL.LOG", "C:\\CAVO20\\INSTALL.LOG"},
      {"CA-VISUAL OBJECTS 2.5", 0, "\"C:\\CAVO25\\INSTALL.LOG\"", "C:\\CAVO25\\INSTALL.LOG"},
  };
  for (const auto& row : rows) {
    const CAVODirRow& tableRow = CAVODirRowFor(row.generation);
    std::vector<const CAVODirTry*> asked;
    const std::optional<FileSpec> location =
        CAVODirFrom(row.generation, [&](const CAVODirTry& attempt) -> std::optional<std::string> {
          asked.push_back(&attempt);
          if (&attempt != &tableRow.tries[row.tryIndex]) return std::nullopt;
          return row.value;
        });
    ASSERT_TRUE(location.has_value()) << row.value;
    EXPECT_EQ(row.location, location->FullPath()) << row.value;
    EXPECT_EQ(row.tryIndex + 1, asked.size()) << row.value;
  }
}

TEST(CAVODirFrom, NoValueGivesNone) {
  for (const CAVODirRow& row : CAVODirTable()) {
    size_t asked = 0;
    EXPECT_FALSE(CAVODirFrom(row.generationPrefix,
                             [&](const CAVODirTry&) {
                               ++asked;
                               return std::optional<std::string>();
                             })
                     .has_value())
        << row.generationPrefix;
    // Only the row's own tries: no fall-through to later rows.
    EXPECT_EQ(row.tries.size(), asked) << row.generationPrefix;
  }
}

TEST(CAVODirTable, RowOneLooksInTheUninstallKeysInOrder) {
  const CAVODirTry& attempt = CAVODirTable().front().tries.front();
  const std::vector<std::string_view> keys = {
      "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\vo28_1_is1",
      "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\vo28_is1",
      "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\vo28trial_is1"};
  EXPECT_EQ(keys, attempt.keys);
  EXPECT_EQ("UninstallString", attempt.valueName);
  EXPECT_EQ(RegistryRoot::LocalMachine, attempt.root);
}

TEST(CAVODir, NoEntriesGiveNone) { EXPECT_FALSE(CAVODir().has_value()); }

}  // namespace
}  // namespace formfit
