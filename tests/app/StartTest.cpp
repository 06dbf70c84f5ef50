#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "app/Start.h"

namespace formfit {
namespace {

// Where a fake run throws, and what.
enum class Fault { kNone, kMaking, kRunning, kMemoryWhileRunning };

// A setup dialog that reads the silent keyword as the real one does and
// records what the run asked of it.
class FakeDialog : public SetupDialog {
 public:
  FakeDialog(const std::vector<std::string>& words, bool closesAfterSuccess, int setupStatus,
             Fault fault, std::string& calls)
      : silent_(ReadKeywords(words).silent),
        closesAfterSuccess_(closesAfterSuccess),
        setupStatus_(setupStatus),
        fault_(fault),
        calls_(calls) {}
  bool Silent() const override { return silent_; }
  bool Show() override {
    calls_ += "Show;";
    Fail();
    return closesAfterSuccess_;
  }
  int Setup() override {
    calls_ += "Setup;";
    Fail();
    return setupStatus_;
  }

 private:
  void Fail() const {
    if (fault_ == Fault::kRunning) throw std::runtime_error("broken");
    if (fault_ == Fault::kMemoryWhileRunning) throw std::bad_alloc();
  }

  bool silent_;
  bool closesAfterSuccess_;
  int setupStatus_;
  Fault fault_;
  std::string& calls_;
};

TEST(Start, SilentRunsSetUpAndInteractiveRunsShow) {
  struct Row {
    const char* name;
    std::vector<std::string> words;
    bool closesAfterSuccess;
    int setupStatus;
    Fault fault;
    const char* calls;
    int exitStatus;
  };
  const std::vector<std::string> interactive{"formfit.exe"};
  const std::vector<std::string> silent{"formfit.exe", "silent"};
  const Row rows[] = {
      {"interactive, changed", interactive, true, 0, Fault::kNone, "Show;", 0},
      {"interactive, closed without a change", interactive, false, 0, Fault::kNone, "Show;", 1},
      {"silent, success", silent, false, 0, Fault::kNone, "Setup;", 0},
      {"silent, configuration file missing", {"formfit.exe", "SILENT"}, false, 2, Fault::kNone,
       "Setup;", 2},
      {"silent, nothing placed", {"formfit.exe", "silentmode"}, false, 9, Fault::kNone, "Setup;",
       9},
      // No exception leaves the run, and none is reported as another outcome.
      {"silent, fails inside", silent, false, 0, Fault::kRunning, "Setup;", 11},
      {"silent, memory short", silent, false, 0, Fault::kMemoryWhileRunning, "Setup;", 5},
      {"silent, dialog not made", silent, false, 0, Fault::kMaking, "", 11},
      {"interactive, fails inside", interactive, true, 0, Fault::kRunning, "Show;told broken;", 1},
      {"interactive, memory short", interactive, true, 0, Fault::kMemoryWhileRunning,
       "Show;told std::bad_alloc;", 1},
      {"interactive, dialog not made", interactive, true, 0, Fault::kMaking,
       "told no dialog;", 1},
  };
  for (const Row& row : rows) {
    std::string calls;
    const int exitStatus = Start(
        row.words,
        [&](const std::vector<std::string>& words) {
          if (row.fault == Fault::kMaking) throw std::runtime_error("no dialog");
          return std::make_unique<FakeDialog>(words, row.closesAfterSuccess, row.setupStatus,
                                              row.fault, calls);
        },
        [&](const std::string& reason) { calls += "told " + reason + ";"; });
    EXPECT_EQ(row.calls, calls) << row.name;
    EXPECT_EQ(row.exitStatus, exitStatus) << row.name;
  }
}

TEST(ReadStartKeywords, TheLocatorFillsOnlyAMissingFolder) {
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
    const Keywords keywords = ReadStartKeywords(row.words, [&] {
      ++asked;
      return row.located;
    });
    EXPECT_EQ(row.folder, keywords.cavoFolder) << row.name;
    EXPECT_EQ(std::string(row.name) == "given" ? 0 : 1, asked) << row.name;
  }
}

}  // namespace
}  // namespace formfit
