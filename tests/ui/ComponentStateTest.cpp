// What the mode page finds of the chosen component where the wizard's walks
// (tests/e2e) do not go: files missing or out of reach, found by reading
// only.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "support/ChoiceOf.h"
#include "support/FailingFileOps.h"
#include "support/RecordingEnvironment.h"
#include "support/TempDir.h"
#include "ui/ComponentState.h"

namespace formfit::test {
namespace {

namespace fs = std::filesystem;

TEST(ComponentState, FoundByReadingOnly) {
  struct Row {
    const char* name;
    // Makes the state in the copy's BIN folder (its path, ending in a separator).
    std::function<void(const std::string& bin)> make;
    std::vector<Fault> faults;
    ComponentState state;
  };
  const Row rows[] = {
      {"no landmarks",
       [](const std::string& bin) {
         std::ofstream(bin + "DEDUDED.INF", std::ios::binary) << "[Other]\r\nKey=1\r\n";
       },
       {},
       ComponentState::kNoPlace},
      {"no configuration file",
       [](const std::string& bin) { fs::remove(bin + "DEDUDED.INF"); },
       {},
       ComponentState::kNoConfiguration},
      {"no component file",
       [](const std::string& bin) { fs::remove(bin + "grid.wed"); },
       {},
       ComponentState::kNoComponentFile},
      // The component file is opened first.
      {"configuration file out of reach",
       nullptr,
       {{FileOp::OpenRead, 2}},
       ComponentState::kUnreadable},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TempDir dir;
    fs::copy(ExamplesDir() + "VO28", dir.Path() + "VO28", fs::copy_options::recursive);
    const std::string bin = dir.Path() + "VO28/BIN/";
    if (row.make) row.make(bin);
    const std::map<std::string, std::string> before = Files(dir.Path());
    FailingFileOps files(row.faults);
    RecordingEnvironment environment(files);
    EXPECT_EQ(row.state, CheckComponent(environment, ChoiceOf(dir.Path() + "VO28", "GridCtl",
                                                              bin + "grid.wed", Mode::kCheck)));
    EXPECT_EQ(before, Files(dir.Path()));
  }
}

}  // namespace
}  // namespace formfit::test
