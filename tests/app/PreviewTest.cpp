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
#include "app/PreviewFileOps.h"
#include "app/SetupAction.h"
#include "support/ApplyUnifiedDiff.h"
#include "support/ChoiceOf.h"
#include "support/RecordingEnvironment.h"
#include "support/TempDir.h"
#include "support/TextAssert.h"

namespace formfit::test {
namespace {

namespace fs = std::filesystem;

const Symbol kAdd("Add");
const Symbol kRemove("Remove");

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
    Symbol mode;
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
      {"no change asked for", nullptr, "Grid", "grid.wed", Symbol("Delete"), 1, false},
      {"restore the newest backup", AddGrid, "", "", Symbol("Restore"), 0, true},
      {"restore with no backup", nullptr, "", "", Symbol("Restore"), 14, false},
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
  const Symbol kCheck("Check");
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

// The preview holds no bytes of a file it has not written, nor of a backup,
// which is the configuration file as it was; read back, every file still
// gives what the real run leaves on disk.
TEST_F(PreviewTest, ReadsBackWhatTheRealRunLeaves) {
  Copy();
  PreviewFileOps preview(SystemFileOps());
  RecordingEnvironment previewLog(preview);
  ASSERT_EQ(0,
            SetupAction(previewLog, ChoiceOf(previewed, "Grid", previewed + "/BIN/grid.wed", kAdd))
                .exitStatus);
  AddGrid(changed);

  // The names as the engine spells them, which the preview keeps them by.
  const FileSpec configuration = ConfigurationPath(previewed);
  const std::string bin = configuration.Drive() + configuration.Path();
  const Snapshot now = Take(changed);
  ASSERT_EQ(1u, now.count("BIN/DEDUDED.000"));
  for (const auto& [name, file] : now) {
    SCOPED_TRACE(name);
    const FileContents read = ReadWholeFile(preview, bin + name.substr(4));
    EXPECT_EQ(FileContents::State::kRead, read.state);
    EXPECT_TRUE(SameText(file.first, read.bytes));
  }
  EXPECT_EQ(now.at("BIN/DEDUDED.INF").first, preview.Written(bin + "DEDUDED.INF"));
  EXPECT_EQ(now.at("BIN/DEDUDED.000").first, preview.Written(bin + "DEDUDED.000"));
  EXPECT_EQ(std::nullopt, preview.Written(bin + "grid.wed"));
}

// Writes over a file the preview reads from disk, and over new files that
// begin as a copy of it: each file reads back as a real one would.
TEST(PreviewFileOps, WritesOverRealBytes) {
  TempDir dir;
  const std::string real = dir.WriteFile("FILE.INF", "abcdef");
  const std::string copy = dir.Path() + "FILE.000";
  auto change = [&](PreviewFileOps& files, const std::function<bool(OpenFile&)>& write) {
    const std::unique_ptr<OpenFile> file = files.OpenReadWrite(real);
    return file && write(*file) && file->Close();
  };
  // A new file beside the real one, named `copy`, written by `write`.
  auto make = [&](PreviewFileOps& files, const std::function<bool(OpenFile&)>& write) {
    std::string name;
    const std::unique_ptr<OpenFile> file = files.CreateTemporary(real, name);
    return file && write(*file) && file->Close() && files.NameNew(name, copy) == Naming::kNamed;
  };
  auto writes = [](std::vector<std::string> pieces) {
    return [pieces](OpenFile& file) {
      for (const std::string& piece : pieces) {
        if (!file.Write(piece)) return false;
      }
      return true;
    };
  };
  struct Row {
    const char* name;
    std::function<bool(PreviewFileOps&)> run;
    std::map<std::string, std::string> files;  // by path, as read back
  };
  const Row rows[] = {
      {"nothing written", [](PreviewFileOps&) { return true; }, {{real, "abcdef"}}},
      {"over the start",
       [&](PreviewFileOps& f) { return change(f, writes({"XY"})); },
       {{real, "XYcdef"}}},
      {"after a read",
       [&](PreviewFileOps& f) {
         return change(f, [](OpenFile& file) {
           char two[2];
           return file.Read(two, 2) == 2 && file.Write("Z");
         });
       },
       {{real, "abZdef"}}},
      {"past the end",
       [&](PreviewFileOps& f) {
         return change(f, [](OpenFile& file) { return file.SeekEnd() && file.Write("gh"); });
       },
       {{real, "abcdefgh"}}},
      {"cut short",
       [&](PreviewFileOps& f) {
         return change(f, [](OpenFile& file) { return file.SetLength(3); });
       },
       {{real, "abc"}}},
      {"all of it, longer",
       [&](PreviewFileOps& f) { return change(f, writes({"0123456789"})); },
       {{real, "0123456789"}}},
      {"a copy, then the file changed",
       [&](PreviewFileOps& f) {
         return make(f, writes({"abcdef"})) && change(f, writes({"ABCDEF"}));
       },
       {{real, "ABCDEF"}, {copy, "abcdef"}}},
      {"a copy that goes on",
       [&](PreviewFileOps& f) {
         return make(f, writes({"abcdef", "gh"}));
       },
       {{real, "abcdef"}, {copy, "abcdefgh"}}},
      {"not a copy",
       [&](PreviewFileOps& f) { return make(f, writes({"abcdeF"})); },
       {{real, "abcdef"}, {copy, "abcdeF"}}},
      {"renamed, then changed under the new name",
       [&](PreviewFileOps& f) {
         const std::string moved = dir.Path() + "MOVED.INF";
         if (f.NameNew(real, moved) != Naming::kNamed) return false;
         const std::unique_ptr<OpenFile> file = f.OpenReadWrite(moved);
         return file && file->SeekEnd() && file->Write("!") && file->Close() &&
                f.Replace(moved, copy);
       },
       {{copy, "abcdef!"}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    PreviewFileOps preview(SystemFileOps());
    ASSERT_TRUE(row.run(preview));
    for (const auto& [path, bytes] : row.files) {
      const FileContents read = ReadWholeFile(preview, path);
      EXPECT_EQ(FileContents::State::kRead, read.state) << path;
      EXPECT_EQ(bytes, read.bytes) << path;
    }
    EXPECT_EQ("abcdef", ReadFile(real));
    EXPECT_FALSE(fs::exists(copy));
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
