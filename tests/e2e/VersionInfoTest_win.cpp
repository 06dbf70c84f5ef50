// The version resource of formfit.exe, read back as Windows reads it for
// the file's properties, against the version the build was given.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace formfit::test {
namespace {

const std::string kVersion = FORMFIT_VERSION;

struct Translation {
  WORD language;
  WORD codePage;
};

class VersionInfo {
 public:
  explicit VersionInfo(const std::string& file) {
    DWORD ignored = 0;
    data_.resize(GetFileVersionInfoSizeA(file.c_str(), &ignored));
    if (!data_.empty() && !GetFileVersionInfoA(file.c_str(), 0, data_.size(), data_.data())) {
      data_.clear();
    }
  }
  bool Found() const { return !data_.empty(); }

  const VS_FIXEDFILEINFO* Fixed() const {
    return static_cast<const VS_FIXEDFILEINFO*>(Query("\\"));
  }
  std::vector<Translation> Translations() const {
    UINT size = 0;
    const void* block = Query("\\VarFileInfo\\Translation", &size);
    const auto* first = static_cast<const Translation*>(block);
    return block ? std::vector<Translation>(first, first + size / sizeof(Translation))
                 : std::vector<Translation>{};
  }
  // The string `name` of the block for `translation`; "(none)" when missing.
  std::string String(Translation translation, const std::string& name) const {
    char path[80];
    wsprintfA(path, "\\StringFileInfo\\%04x%04x\\%s", translation.language, translation.codePage,
              name.c_str());
    UINT size = 0;
    const void* text = Query(path, &size);
    return text ? std::string(static_cast<const char*>(text)) : "(none)";
  }

 private:
  const void* Query(const char* path, UINT* size = nullptr) const {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data_.data(), path, &value, &length)) return nullptr;
    if (size) *size = length;
    return value;
  }

  std::vector<char> data_;
};

std::string Dotted(DWORD high, DWORD low) {
  return std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." +
         std::to_string(HIWORD(low)) + "." + std::to_string(LOWORD(low));
}

TEST(VersionResource, CarriesTheBuildsVersionInBothLanguages) {
  const VersionInfo info(FORMFIT_PROGRAM);
  ASSERT_TRUE(info.Found());
  const VS_FIXEDFILEINFO* fixed = info.Fixed();
  ASSERT_NE(nullptr, fixed);
  EXPECT_EQ(kVersion + ".0", Dotted(fixed->dwFileVersionMS, fixed->dwFileVersionLS));
  EXPECT_EQ(kVersion + ".0", Dotted(fixed->dwProductVersionMS, fixed->dwProductVersionLS));
  EXPECT_EQ(DWORD{VFT_APP}, fixed->dwFileType);

  // German and English, as the two language files, both Windows-1252.
  const std::vector<Translation> translations = info.Translations();
  ASSERT_EQ(2u, translations.size());
  const struct {
    Translation translation;
    const char* description;
    const char* copyright;
  } blocks[] = {
      {{0x0407, 1252},
       "Formfit: Komponenten im Window-Editor einrichten",
       "Copyright (C) 2026 die Entwickler von Formfit"},
      {{0x0409, 1252},
       "Formfit: sets up components of the window editor",
       "Copyright (C) 2026 the Formfit developers"},
  };
  for (std::size_t i = 0; i < 2; ++i) {
    const Translation t = blocks[i].translation;
    SCOPED_TRACE(t.language);
    EXPECT_EQ(t.language, translations[i].language);
    EXPECT_EQ(t.codePage, translations[i].codePage);
    EXPECT_EQ(kVersion, info.String(t, "FileVersion"));
    EXPECT_EQ(kVersion, info.String(t, "ProductVersion"));
    EXPECT_EQ("Formfit", info.String(t, "ProductName"));
    EXPECT_EQ("Formfit", info.String(t, "CompanyName"));
    EXPECT_EQ(blocks[i].description, info.String(t, "FileDescription"));
    EXPECT_EQ("formfit.exe", info.String(t, "OriginalFilename"));
    EXPECT_EQ("formfit", info.String(t, "InternalName"));
    EXPECT_EQ(blocks[i].copyright, info.String(t, "LegalCopyright"));
  }
}

}  // namespace
}  // namespace formfit::test
