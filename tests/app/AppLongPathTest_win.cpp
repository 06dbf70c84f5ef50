// The program's own file is not cut at 255 characters: the test program
// copies itself to a path of 258 characters (what CreateProcess still
// starts) and runs this test there once more, telling the copy which path it
// must report.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "app/App.h"
#include "support/TempDir.h"

namespace formfit {
namespace {

constexpr const char* kExpected = "FORMFIT_EXPECTED_OWN_FILE";

TEST(App, OwnFileIsWholeBeyond255Characters) {
  char expected[1024];
  const DWORD length = GetEnvironmentVariableA(kExpected, expected, sizeof expected);
  if (length > 0 && length < sizeof expected) {
    const std::optional<FileSpec> own = App::FileSpec();
    ASSERT_TRUE(own.has_value());
    EXPECT_EQ(std::string(expected, length), own->FullPath());
    return;
  }

  test::TempDir dir;
  const std::string name = "formfit_app_tests.exe";
  std::string folder = dir.Path();
  while (folder.size() + 61 + name.size() < 258) folder += std::string(60, 'f') + "\\";
  folder += std::string(258 - 1 - name.size() - folder.size(), 'g') + "\\";
  std::filesystem::create_directories(folder);
  const std::string copy = folder + name;
  ASSERT_EQ(258u, copy.size());
  ASSERT_TRUE(CopyFileA(App::FileSpec()->FullPath().c_str(), copy.c_str(), TRUE)) << copy;

  ASSERT_TRUE(SetEnvironmentVariableA(kExpected, copy.c_str()));
  std::string commandLine = "\"" + copy + "\" --gtest_filter=App.OwnFileIsWholeBeyond255Characters";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0,
                                      nullptr, nullptr, &startup, &process);
  SetEnvironmentVariableA(kExpected, nullptr);
  ASSERT_TRUE(started);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_EQ(0u, exitCode) << "the copy at " << copy << " reported another path";
}

}  // namespace
}  // namespace formfit
