// A preview runs the whole change and writes its diff, and nothing of the
// installation changes. Each row runs the preview on one copy of the sample
// and the real change on another: same outcome, same log, and the diff
// applied to the old file gives exactly what the real run wrote.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "app/Preview.h"
#include "app/SetupAction.h"
#include "support/ApplyUnifiedDiff.h"
#include "support/ChoiceOf.h"
#include "support/RecordingEnvironment.h"
#include "support/TempDir.h"
#include "support/TextAssert.h"

namespace formfit::test {
namespace {

namespace fs = std::filesystem;

constexpr Mode kAdd = Mode::kAdd;
constexpr Mode kRemove = Mode::kRemove;

// Every file below `folder` with its bytes and whether it is writable.
using Snapshot = std::map<std::string, std::pair<std::string, bool>>;

Snapshot Take(const std::string& folder) {
  Snapshot snapshot;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    const bool writable =
        (entry.status().permissions() & fs::perms::owner_write) != fs::perms::none;
    snapshot[fs::relative(entry.path(), folder).generic_string()] = {
        ReadFile(entry.path().string()), writable};
  }
  return snapshot;
}

class PreviewTest : public ::testing::Test {
 protected:
  // Fresh copies of the sample, made alike by `prepare` when given.
  void Copy(const std::function<void(const std::string&)>& prepare = nullptr) {
    for (const std::string& copy : {previewed, changed}) {
      if (fs::exists(copy + "/BIN/DEDUDED.INF")) {
        fs::permissions(copy + "/BIN/DEDUDED.INF", fs::perms::owner_write, fs::perm_options::add);
      }
      fs::remove_all(copy);
      fs::copy(ExamplesDir() + "VO28", copy, fs::copy_options::recursive);
      if (prepare) prepare(copy);
    }
  }
  ~PreviewTest() override {
    for (const std::string& copy : {previewed, changed}) {
      if (fs::exists(copy + "/BIN/DEDUDED.INF")) {
        fs::permissions(copy + "/BIN/DEDUDED.INF", fs::perms::owner_write, fs::perm_options::add);
      }
    }
  }

  TempDir dir;
  std::string previewed = dir.Path() + "previewed";
  std::string changed = dir.Path() + "changed";
  std::string diffFile = dir.Path() + "change.diff";
};

void AddGrid(const std::string& folder) {
  RecordingEnvironment environment;
  ASSERT_EQ(0, SetupAction(environment, ChoiceOf(folder, "Grid", folder + "/BIN/grid.wed", kAdd))
                   .exitStatus);
}

void WriteEmptyComponent(const std::string& folder) {
  std::ofstream(folder + "/BIN/empty.wed", std::ios::binary) << "[CONTENTS]\r\n";
}

void RemoveConfiguration(const std::string& folder) { fs::remove(folder + "/BIN/DEDUDED.INF"); }

// A temporary file of the engine's naming, as a killed run leaves it: the
// real run removes it, the preview only says so.
void LeaveLeftover(const std::string& folder) {
#ifdef _WIN32
  std::ofstream(folder + "/BIN/~ffdead.tmp", std::ios::binary) << "half a backup";
#else
  std::ofstream(folder + "/BIN/~formfit-Killed", std::ios::binary) << "half a backup";
#endif
}

void MakeReadOnly(const std::string& folder) {
  fs::permissions(folder + "/BIN/DEDUDED.INF",
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
}

// `text` with every `from` written as `to`.
std::string Moved(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at; (at = text.find(from)) != std::string::npos;)
    text.replace(at, from.size(), to);
  return text;
}

TEST_F(PreviewTest, TellsWhatTheRealRunDoesAndChangesNothing) {
  struct Row {
    const char* name;
    std::function<void(const std::string&)> prepare;
    const char* component;
    const char* componentFile;  // in BIN
    std::optional<Mode> mode;
    int exitStatus;
    bool changes;  // the diff is not empty
  };
  const Row rows[] = {
      {"add", nullptr, "Grid", "grid.wed", kAdd, 0, true},
      {"add again", AddGrid, "Grid", "grid.wed", kAdd, 0, false},
      {"remove", AddGrid, "Grid", "grid.wed", kRemove, 0, true},
      {"remove what is not there", nullptr, "Grid", "grid.wed", kRemove, 0, false},
      {"read-only file", MakeReadOnly, "Grid", "grid.wed", kAdd, 0, true},
      {"leftover of a killed run", LeaveLeftover, "Grid", "grid.wed", kAdd, 0, true},
      {"nothing to place", WriteEmptyComponent, "Grid", "empty.wed", kAdd, 9, false},
      {"no component file", nullptr, "Grid", "missing.wed", kAdd, 3, false},
      {"no configuration file", RemoveConfiguration, "Grid", "grid.wed", kAdd, 2, false},
      {"no change asked for", nullptr, "Grid", "grid.wed", std::nullopt, 1, false},
      {"restore the newest backup", AddGrid, "", "", Mode::kRestore, 0, true},
      {"restore with no backup", nullptr, "", "", Mode::kRestore, 14, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Copy(row.prepare);
    const Snapshot before = Take(previewed);
    const std::string old = fs::exists(changed + "/BIN/DEDUDED.INF")
                                ? ReadFile(changed + "/BIN/DEDUDED.INF")
                                : std::string();

    RecordingEnvironment previewLog;
    const SetupResult preview = PreviewAction(
        previewLog, ChoiceOf(previewed, row.component, previewed + "/BIN/" + row.componentFile,
                             row.mode, diffFile));
    RecordingEnvironment realLog;
    const SetupResult real = SetupAction(
        realLog, ChoiceOf(changed, row.component, changed + "/BIN/" + row.componentFile, row.mode));

    EXPECT_EQ(before, Take(previewed));
    EXPECT_EQ(row.exitStatus, preview.exitStatus);
    EXPECT_EQ(real.exitStatus, preview.exitStatus);
    EXPECT_EQ(real.ok, preview.ok);
    EXPECT_TRUE(SameText(Moved(realLog.LogText(), changed, previewed), previewLog.LogText()));

    const std::string diff = ReadFile(diffFile);
    EXPECT_EQ(row.changes, !diff.empty());
    RecordingEnvironment inMemoryLog;
    const PreviewResult inMemory = PreviewChange(
        inMemoryLog, ChoiceOf(previewed, row.component, previewed + "/BIN/" + row.componentFile,
                              row.mode, diffFile));
    EXPECT_EQ(diff, inMemory.diff);
    EXPECT_EQ(preview.exitStatus, inMemory.result.exitStatus);
    EXPECT_EQ(previewLog.LogText(), inMemoryLog.LogText());
    const std::string now = fs::exists(changed + "/BIN/DEDUDED.INF")
                                ? ReadFile(changed + "/BIN/DEDUDED.INF")
                                : std::string();
    const std::optional<std::string> patched = ApplyUnifiedDiff(old, diff);
    ASSERT_TRUE(patched);
    EXPECT_TRUE(SameText(now, *patched));
  }
}

// A check changes nothing itself: its preview shows the change an Add would
// make, with the check's own outcome and log.
TEST_F(PreviewTest, ACheckShowsWhatAnAddWouldChange) {
  constexpr Mode kCheck = Mode::kCheck;
  for (const auto& prepare :
       std::vector<std::function<void(const std::string&)>>{nullptr, AddGrid}) {
    Copy(prepare);
    const Snapshot before = Take(previewed);
    const std::string component = previewed + "/BIN/grid.wed";
    RecordingEnvironment addLog;
    PreviewAction(addLog, ChoiceOf(previewed, "Grid", component, kAdd, diffFile));
    const std::string addDiff = ReadFile(diffFile);
    RecordingEnvironment checkLog;
    const SetupResult real = SetupAction(checkLog, ChoiceOf(previewed, "Grid", component, kCheck));
    fs::remove(diffFile);
    RecordingEnvironment previewLog;

    const SetupResult preview =
        PreviewAction(previewLog, ChoiceOf(previewed, "Grid", component, kCheck, diffFile));

    EXPECT_EQ(prepare ? 0 : 12, preview.exitStatus);
    EXPECT_EQ(real.exitStatus, preview.exitStatus);
    EXPECT_TRUE(SameText(checkLog.LogText(), previewLog.LogText()));
    EXPECT_TRUE(SameText(addDiff, ReadFile(diffFile)));
    EXPECT_EQ(!prepare, !addDiff.empty());
    EXPECT_EQ(before, Take(previewed));
  }
}

TEST_F(PreviewTest, ADiffThatCannotBeWrittenIsNoSuccess) {
  Copy();
  const std::string component = previewed + "/BIN/grid.wed";
  struct Row {
    const char* name;
    std::string previewFile;
  };
  const Row rows[] = {
      {"folder missing", dir.Path() + "missing/change.diff"},
      {"the configuration file", previewed + "/BIN/DEDUDED.INF"},
      {"the configuration file written otherwise", previewed + "\\bin\\deduded.inf"},
      {"the component file", component},
  };
  const Snapshot before = Take(previewed);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingEnvironment environment;
    const SetupResult result =
        PreviewAction(environment, ChoiceOf(previewed, "Grid", component, kAdd, row.previewFile));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(10, result.exitStatus);
    EXPECT_EQ(before, Take(previewed));
    EXPECT_FALSE(fs::exists(dir.Path() + "missing"));
  }
}

// What users do with the preview: patch applies it to a copy of the file and
// gets exactly what the real run writes.
TEST_F(PreviewTest, PatchAppliesTheDiff) {
#ifdef _WIN32
  GTEST_SKIP() << "no patch program here";
#else
  if (!fs::exists("/usr/bin/patch")) GTEST_SKIP() << "no /usr/bin/patch";
  Copy();
  const std::string copy = dir.Path() + "DEDUDED.INF";
  fs::copy_file(previewed + "/BIN/DEDUDED.INF", copy);
  RecordingEnvironment previewLog;
  ASSERT_EQ(0, PreviewAction(previewLog, ChoiceOf(previewed, "Grid", previewed + "/BIN/grid.wed",
                                                  kAdd, diffFile))
                   .exitStatus);
  RecordingEnvironment realLog;
  ASSERT_EQ(
      0,
      SetupAction(realLog, ChoiceOf(changed, "Grid", changed + "/BIN/grid.wed", kAdd)).exitStatus);
  const std::string command =
      "/usr/bin/patch --quiet --binary '" + copy + "' '" + diffFile + "' >/dev/null 2>&1";
  ASSERT_EQ(0, std::system(command.c_str()));
  EXPECT_TRUE(SameText(ReadFile(changed + "/BIN/DEDUDED.INF"), ReadFile(copy)));
#endif
}

}  // namespace
}  // namespace formfit::test
