#include <gtest/gtest.h>

#include <filesystem>
#include <new>
#include <stdexcept>

#include "app/Start.h"
#include "support/TempDir.h"

namespace formfit {

namespace {
// The fault point that throws next, once: its name, and whether it throws
// std::bad_alloc rather than std::runtime_error.
std::string faultAt;
bool memoryFault = false;
}  // namespace

// The test program's fault points, in place of the program's empty ones.
void FaultPoint(const char* name) {
  if (faultAt != name) return;
  faultAt.clear();
  if (memoryFault) throw std::bad_alloc();
  throw std::runtime_error(std::string("fault at ") + name);
}

namespace {

// Where a fake interactive run throws.
enum class Fault { kNone, kMaking, kShowing, kMemoryWhileShowing };

// A setup dialog that records what the run asked of it.
class FakeDialog : public SetupDialog {
 public:
  FakeDialog(bool closesAfterSuccess, Fault fault, std::string& calls)
      : closesAfterSuccess_(closesAfterSuccess), fault_(fault), calls_(calls) {}
  bool Show() override {
    calls_ += "Show;";
    if (fault_ == Fault::kShowing) throw std::runtime_error("broken");
    if (fault_ == Fault::kMemoryWhileShowing) throw std::bad_alloc();
    return closesAfterSuccess_;
  }

 private:
  bool closesAfterSuccess_;
  Fault fault_;
  std::string& calls_;
};

// An interactive run shows the dialog; no exception leaves it, and it ends
// with 1 after any failure, having told the user.
TEST(Start, InteractiveRunsShowTheDialog) {
  struct Row {
    const char* name;
    bool closesAfterSuccess;
    Fault fault;
    const char* calls;
    int exitStatus;
  };
  const Row rows[] = {
      {"changed", true, Fault::kNone, "Show;", 0},
      {"closed without a change", false, Fault::kNone, "Show;", 1},
      {"fails inside", true, Fault::kShowing, "Show;told broken;", 1},
      {"memory short", true, Fault::kMemoryWhileShowing, "Show;told std::bad_alloc;", 1},
      {"dialog not made", true, Fault::kMaking, "told no dialog;", 1},
  };
  for (const Row& row : rows) {
    std::string calls;
    const int exitStatus = Start(
        {"formfit.exe"},
        [&](const SetupChoice&) {
          if (row.fault == Fault::kMaking) throw std::runtime_error("no dialog");
          return std::make_unique<FakeDialog>(row.closesAfterSuccess, row.fault, calls);
        },
        [&](const std::string& reason) { calls += "told " + reason + ";"; });
    EXPECT_EQ(row.calls, calls) << row.name;
    EXPECT_EQ(row.exitStatus, exitStatus) << row.name;
  }
}

// A silent run makes the change on its own, with no dialog, and exits with
// its outcome; a failure inside is never reported as another outcome.
TEST(Start, SilentRunsMakeTheChangeWithoutADialog) {
  struct Row {
    const char* name;
    const char* silentWord;
    const char* componentFile;
    bool configurationThere;
    const char* faultAt;
    bool memoryFault;
    int exitStatus;
  };
  const Row rows[] = {
      {"success", "silent", "grid.wed", true, "", false, 0},
      {"configuration file missing", "SILENT", "grid.wed", false, "", false, 2},
      {"nothing placed", "silentmode", "empty.wed", true, "", false, 9},
      {"fails inside", "silent", "grid.wed", true, "setup", false, 11},
      {"memory short", "silent", "grid.wed", true, "setup", true, 5},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    test::TempDir dir;
    std::filesystem::copy(test::ExamplesDir() + "VO28", dir.Path() + "VO28",
                          std::filesystem::copy_options::recursive);
    const std::string bin = dir.Path() + "VO28/BIN/";
    dir.WriteFile("VO28/BIN/empty.wed", "[CONTENTS]\r\n");
    if (!row.configurationThere) std::filesystem::remove(bin + "DEDUDED.INF");
    faultAt = row.faultAt;
    memoryFault = row.memoryFault;
    std::string calls;
    const int exitStatus = Start(
        {"formfit.exe", "cavopath=" + dir.Path() + "VO28", "component=GridCtl",
         "compfile=" + bin + row.componentFile, "mode=Add", row.silentWord},
        [&](const SetupChoice&) {
          calls += "made;";
          return std::make_unique<FakeDialog>(false, Fault::kNone, calls);
        },
        [&](const std::string& reason) { calls += "told " + reason + ";"; });
    EXPECT_EQ("", calls);
    EXPECT_EQ(row.exitStatus, exitStatus);
    EXPECT_EQ(row.exitStatus == 0, std::filesystem::exists(bin + "DEDUDED.000"));
  }
  faultAt.clear();
}

TEST(ReadSetupChoice, TheLocatorFillsOnlyAMissingFolder) {
  struct Row {
    const char* name;
    std::vector<std::string> words;
    std::optional<FileSpec> located;
    const char* folder;
  };
  const Row rows[] = {
      {"given", {"x", "cavopath=D:\\VO28"}, FileSpec("C:\\VO\\"), "D:\\VO28"},
      {"missing", {"x"}, FileSpec("C:\\VO\\"), "C:\\VO\\"},
      {"given empty", {"x", "cavopath="}, FileSpec("C:\\VO\\"), "C:\\VO\\"},
      {"given blanks", {"x", "cavopath=  \t "}, FileSpec("C:\\VO\\"), "C:\\VO\\"},
      {"missing, none located", {"x"}, std::nullopt, ""},
      {"missing, located empty", {"x"}, FileSpec(""), ""},
  };
  for (const Row& row : rows) {
    int asked = 0;
    const SetupChoice keywords = ReadSetupChoice(row.words, [&] {
      ++asked;
      return row.located;
    });
    EXPECT_EQ(row.folder, keywords.cavoFolder) << row.name;
    EXPECT_EQ(std::string(row.name) == "given" ? 0 : 1, asked) << row.name;
  }
}

}  // namespace
}  // namespace formfit
