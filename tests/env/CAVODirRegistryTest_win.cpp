// The locator against the real registry: the tests make the IDE's entries in
// the 32-bit view and remove them again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "env/CAVODir.h"
#include "env/Registry_win.h"

namespace formfit {
namespace {

const std::string kUninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
const std::string kVo28_1 = kUninstall + "vo28_1_is1";
const std::string kVo28 = kUninstall + "vo28_is1";
const std::string kVo28Trial = kUninstall + "vo28trial_is1";
const std::string kVo27 = kUninstall + "Visual Objects 2.7a Patch  Visual Objects 2.7";
const std::string kHelp = "Software\\Microsoft\\Windows\\Help";
const std::string kCavo26 = "Software\\ComputerAssociates\\CA-Visual Objects 2.6\\Directories";

class RegistryEntries : public ::testing::Test {
 protected:
  // Removes what the test made, newest first: values it set in keys that
  // were there before, and keys it created.
  void TearDown() override {
    for (auto made = made_.rbegin(); made != made_.rend(); ++made) {
      if (made->value.empty()) {
        RegDeleteKeyExA(made->root, made->key.c_str(), made->view, 0);
        continue;
      }
      HKEY key = nullptr;
      if (RegOpenKeyExA(made->root, made->key.c_str(), 0, KEY_SET_VALUE | made->view, &key) ==
          ERROR_SUCCESS) {
        RegDeleteValueA(key, made->value.c_str());
        RegCloseKey(key);
      }
    }
    made_.clear();
  }

  // Makes the key (each missing level of it) and, unless `value` is null,
  // sets its value `name` to the text `value` with its terminating zero.
  void Make(HKEY root, const std::string& subKey, const char* name, const std::string* value,
            REGSAM view = KEY_WOW64_32KEY) {
    bool created = false;
    for (size_t end = subKey.find('\\');; end = subKey.find('\\', end + 1)) {
      const std::string level = subKey.substr(0, end);
      HKEY key = nullptr;
      DWORD disposition = 0;
      ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(root, level.c_str(), 0, nullptr, 0,
                                               KEY_ALL_ACCESS | view, nullptr, &key, &disposition))
          << level;
      if (disposition == REG_CREATED_NEW_KEY) {
        made_.push_back({root, level, "", view});
        created = true;
      }
      if (end == std::string::npos) {
        if (value != nullptr) {
          if (!created) made_.push_back({root, level, name, view});
          EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name, 0, REG_SZ,
                                                  reinterpret_cast<const BYTE*>(value->c_str()),
                                                  static_cast<DWORD>(value->size() + 1)));
        }
        RegCloseKey(key);
        return;
      }
      RegCloseKey(key);
    }
  }
  void MakeValue(const std::string& subKey, const std::string& value) {
    Make(HKEY_LOCAL_MACHINE, subKey, "UninstallString", &value);
  }
  void MakeKeyOnly(const std::string& subKey) {
    Make(HKEY_LOCAL_MACHINE, subKey, nullptr, nullptr);
  }

  static std::string Location() {
    const std::optional<FileSpec> location = CAVODir();
    return location ? location->FullPath() : "(none)";
  }

 private:
  struct Made {
    HKEY root;
    std::string key;
    std::string value;  // empty: the key was created
    REGSAM view;
  };
  std::vector<Made> made_;
};

TEST_F(RegistryEntries, NoEntriesGiveNone) { EXPECT_EQ("(none)", Location()); }

TEST_F(RegistryEntries, EachUninstallKeyServesAlone) {
  for (const std::string* key : {&kVo28_1, &kVo28, &kVo28Trial}) {
    SCOPED_TRACE(*key);
    MakeValue(*key, "\"C:\\VO28\\Uninstall\\unins000.exe\"");
    EXPECT_EQ("C:\\VO28\\", Location());
    TearDown();
  }
}

TEST_F(RegistryEntries, FirstKeyThatOpensWins) {
  MakeValue(kVo28Trial, "\"C:\\Trial\\Uninstall\\unins000.exe\"");
  MakeValue(kVo28, "\"C:\\Full\\Uninstall\\unins000.exe\"");
  EXPECT_EQ("C:\\Full\\", Location());
  MakeValue(kVo28_1, "\"C:\\First\\Uninstall\\unins000.exe\"");
  EXPECT_EQ("C:\\First\\", Location());
}

TEST_F(RegistryEntries, AnOpenKeyWithoutTheValueGivesNone) {
  MakeKeyOnly(kVo28_1);
  MakeValue(kVo28, "\"C:\\VO28\\Uninstall\\unins000.exe\"");
  EXPECT_EQ("(none)", Location());
}

TEST_F(RegistryEntries, ValueForms) {
  const struct {
    const char* value;
    const char* location;
  } rows[] = {
      {"\"C:\\My VO\\Uninstall\\unins000.exe\" /LOG", "C:\\My VO\\"},
      {"C:\\Program Files\\VO28\\Uninstall\\unins000.exe", "C:\\Program Files\\VO28\\"},
      {"", ""},
  };
  for (const auto& row : rows) {
    MakeValue(kVo28, row.value);
    EXPECT_EQ(row.location, Location()) << row.value;
  }
}

TEST_F(RegistryEntries, ValuesUpTo255CharactersAreRead) {
  const std::string folder = "C:\\" + std::string(200, 'v') + "\\Uninstall\\";
  const std::string longest = folder + std::string(255 - folder.size() - 4, 'u') + ".exe";
  ASSERT_EQ(255u, longest.size());
  MakeValue(kVo28, longest);
  EXPECT_EQ("C:\\" + std::string(200, 'v') + "\\", Location());
  // One character more would be cut; no location is better than a wrong one.
  MakeValue(kVo28, longest + "e");
  EXPECT_EQ("(none)", Location());
}

TEST_F(RegistryEntries, RegGetValueLeavesTheTargetWhenItFails) {
  MakeValue(kVo28, std::string(256, 'x'));
  const std::optional<RegKey> key = RegOpenKey(HKEY_LOCAL_MACHINE, kVo28);
  ASSERT_TRUE(key.has_value());
  std::string value = "before";
  EXPECT_FALSE(RegGetValue(*key, "UninstallString", value));
  EXPECT_FALSE(RegGetValue(*key, "NoSuchValue", value));
  EXPECT_EQ("before", value);
  EXPECT_FALSE(RegOpenKey(HKEY_LOCAL_MACHINE, kVo28 + "\\NoSuchKey").has_value());
}

// True on a 64-bit system, where the registry keeps a separate view for
// 32-bit programs; a pure 32-bit system has one view only.
bool HasTwoRegistryViews() {
  if (sizeof(void*) == 8) return true;
  BOOL underWow64 = FALSE;
  return IsWow64Process(GetCurrentProcess(), &underWow64) && underWow64;
}

TEST_F(RegistryEntries, Only32BitViewIsRead) {
  if (!HasTwoRegistryViews()) {
    GTEST_SKIP() << "this system has one registry view, so there is no 64-bit view to ignore";
  }
  const std::string value = "\"C:\\VO28\\Uninstall\\unins000.exe\"";
  Make(HKEY_LOCAL_MACHINE, kVo28, "UninstallString", &value, KEY_WOW64_64KEY);
  EXPECT_EQ("(none)", Location());
}

TEST_F(RegistryEntries, OlderGenerationsReadTheirOwnEntries) {
  const std::string help = "C:\\CAVO27\\HELP";
  Make(HKEY_LOCAL_MACHINE, kHelp, "cavo27.hlp", &help);
  const std::string root26 = "\"D:\\CAVO26\"";
  Make(HKEY_CURRENT_USER, kCavo26, "Root", &root26);
  const struct {
    const char* generation;
    const char* location;
  } rows[] = {
      {"VISUAL OBJECTS (VERSION 2.7B)", "C:\\CAVO27\\"},
      {"CA-VISUAL OBJECTS (VERSION 2.6)", "D:\\CAVO26\\"},
      {"CA-VISUAL OBJECTS 2.5", "(none)"},
  };
  for (const auto& row : rows) {
    const std::optional<FileSpec> location = CAVODirFrom(row.generation, ReadRegistryValue);
    EXPECT_EQ(row.location, location ? location->FullPath() : "(none)") << row.generation;
  }
  // Row 2 reads its own uninstall key first.
  const std::string uninstall27 = "\"E:\\CAVO27\\UNINST\\setup.exe\" -u";
  Make(HKEY_LOCAL_MACHINE, kVo27, "UninstallString", &uninstall27);
  const std::optional<FileSpec> location =
      CAVODirFrom("VISUAL OBJECTS (VERSION 2.7B)", ReadRegistryValue);
  EXPECT_EQ("E:\\CAVO27\\", location ? location->FullPath() : "(none)");
}

}  // namespace
}  // namespace formfit
