// What the mode page finds of the chosen component: each state from a copy
// of the sample made to show it, found by reading only.
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

void Put(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

TEST(ComponentState, FoundByReadingOnly) {
  struct Row {
    const char* name;
    // Makes the state in the copy's BIN folder (its path, ending in a separator).
    std::function<void(const std::string& bin)> make;
    std::vector<Fault> faults;
    ComponentState state;
    Mode proposed;
  };
  const auto add = [](const std::string& bin) {
    RecordingEnvironment environment;
    Formfit engine(environment);
    engine.Init(bin + "DEDUDED.INF");
    ASSERT_TRUE(engine.Install("GridCtl", bin + "grid.wed"));
    fs::remove(bin + "DEDUDED.000");
  };
  const auto write = [](const char* name, const char* bytes) {
    return [name, bytes](const std::string& bin) { Put(bin + name, bytes); };
  };
  const Row rows[] = {
      {"not installed", nullptr, {}, ComponentState::kNotInstalled, Mode::kAdd},
      {"installed", add, {}, ComponentState::kInstalled, Mode::kRemove},
      {"another version of its file",
       [&](const std::string& bin) {
         add(bin);
         std::string file = ReadFile(bin + "grid.wed");
         Put(bin + "grid.wed", file.replace(file.find("Size=200,120"), 12, "Size=300,120"));
       },
       {},
       ComponentState::kInPart,
       Mode::kAdd},
      {"no entries in its file",
       write("grid.wed", "[CONTENTS]\r\n"),
       {},
       ComponentState::kNoEntries,
       Mode::kAdd},
      {"no landmarks",
       write("DEDUDED.INF", "[Other]\r\nKey=1\r\n"),
       {},
       ComponentState::kNoPlace,
       Mode::kAdd},
      {"no configuration file",
       [](const std::string& bin) { fs::remove(bin + "DEDUDED.INF"); },
       {},
       ComponentState::kNoConfiguration,
       Mode::kAdd},
      {"no component file",
       [](const std::string& bin) { fs::remove(bin + "grid.wed"); },
       {},
       ComponentState::kNoComponentFile,
       Mode::kAdd},
      // The component file is opened first.
      {"configuration file held",
       nullptr,
       {{FileOp::OpenRead, 2}},
       ComponentState::kUnreadable,
       Mode::kAdd},
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
    const ComponentState state = CheckComponent(
        environment, ChoiceOf(dir.Path() + "VO28", "GridCtl", bin + "grid.wed", Mode::kCheck));
    EXPECT_EQ(row.state, state);
    EXPECT_EQ(row.proposed, ProposedMode(state));
    EXPECT_EQ(before, Files(dir.Path()));
  }
}

}  // namespace
}  // namespace formfit::test
