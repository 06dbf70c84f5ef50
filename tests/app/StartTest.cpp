#include <gtest/gtest.h>

#include "app/Start.h"

namespace formfit {
namespace {

// A setup dialog that reads the silent keyword as the real one does and
// records what the run asked of it.
class FakeDialog : public SetupDialog {
 public:
  FakeDialog(const std::vector<std::string>& words, bool closesAfterSuccess, int setupStatus,
             std::string& calls)
      : silent_(ReadKeywords(words).silent),
        closesAfterSuccess_(closesAfterSuccess),
        setupStatus_(setupStatus),
        calls_(calls) {}
  bool Silent() const override { return silent_; }
  bool Show() override {
    calls_ += "Show;";
    return closesAfterSuccess_;
  }
  int Setup() override {
    calls_ += "Setup;";
    return setupStatus_;
  }

 private:
  bool silent_;
  bool closesAfterSuccess_;
  int setupStatus_;
  std::string& calls_;
};

TEST(Start, SilentRunsSetUpAndInteractiveRunsShow) {
  struct Row {
    const char* name;
    std::vector<std::string> words;
    bool closesAfterSuccess;
    int setupStatus;
    const char* calls;
    int exitStatus;
  };
  const Row rows[] = {
      {"interactive, changed", {"formfit.exe"}, true, 0, "Show;", 0},
      {"interactive, closed without a change", {"formfit.exe"}, false, 0, "Show;", 1},
      {"silent, success", {"formfit.exe", "silent"}, false, 0, "Setup;", 0},
      {"silent, configuration file missing", {"formfit.exe", "SILENT"}, false, 2, "Setup;", 2},
      {"silent, nothing placed", {"formfit.exe", "silentmode"}, false, 9, "Setup;", 9},
  };
  for (const Row& row : rows) {
    std::string calls;
    const int exitStatus = Start(row.words, [&](const std::vector<std::string>& words) {
      return std::make_unique<FakeDialog>(words, row.closesAfterSuccess, row.setupStatus, calls);
    });
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
