// The component items and the preselection that a folder's component files
// give, with the listing (order, dates, hidden files) handed in by the test;
// and the one listing of a folder that they come from.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <set>

#include "support/FailingFileOps.h"
#include "support/TempDir.h"
#include "support/TextAssert.h"
#include "ui/ComponentList.h"

namespace formfit {
namespace {

using test::Crlf;
using test::TempDir;

// Lists what the test says, in its order, whatever is on the disk.
class GivenListing : public test::FailingFileOps {
 public:
  std::vector<PlainFile> files;
  std::string askedBeside;
  std::vector<PlainFile> PlainFiles(const std::string& beside) override {
    askedBeside = beside;
    return files;
  }
};

struct GivenFile {
  std::string name;
  std::int64_t written;
  std::string text;  // not written when empty
  bool hidden = false;
};

struct Item {
  std::string displayText;
  std::string name;
  std::string fileName;
};

struct ListCase {
  const char* title;
  std::vector<GivenFile> files;
  std::vector<Item> items;
  std::string preselected;
};

// Moments as a listing gives them, by the seconds since 1970.
std::int64_t At(std::int64_t seconds, std::int64_t nanoseconds = 0) {
  return WindowsFileTime(seconds, nanoseconds);
}
const std::int64_t kOld = At(1682931600);
const std::int64_t kNew = At(1704164645);
const std::int64_t kNewer = At(1704164646);

const std::string kGridWithSection = Crlf(
    "[Contents]\nGrid=Datengitter\n[Contents:Grid]\nGridCtl=GridControl\n[GridControl]\nk=v\n");
const std::string kGridWithoutSection = Crlf("[Contents]\nGrid=Datengitter\n");
const std::string kAlpha = Crlf("[CONTENTS]\nAlpha=Alpha-Paket\n[CONTENTS:Alpha]\nA=X\n");
const std::string kNoContents = Crlf("[Other]\nGrid=Datengitter\n");

TEST(ComponentListTest, ItemsAndPreselection) {
  const ListCase cases[] = {
      {"no component files", {}, {}, ""},
      {"value shown when the component has a section of its own",
       {{"grid.wed", kOld, kGridWithSection}},
       {{"Datengitter", "Grid", "grid.wed"}},
       "Datengitter"},
      {"key shown without such a section, and preselected by it",
       {{"grid.wed", kOld, kGridWithoutSection}},
       {{"Grid", "Grid", "grid.wed"}},
       "Grid"},
      {"key shown for an empty value",
       {{"grid.wed", kOld, Crlf("[Contents]\nGrid=\n[Contents:Grid]\nA=X\n")}},
       {{"Grid", "Grid", "grid.wed"}},
       "Grid"},
      {"a section whose name only begins with the key counts",
       {{"grid.wed", kOld, Crlf("[Contents]\nGrid=Datengitter\n[Contents:Grid2]\nA=X\n")}},
       {{"Datengitter", "Grid", "grid.wed"}},
       "Datengitter"},
      {"entries in file order, files in listed order, first of the newest preselected",
       {{"b.wed", kOld, Crlf("[Contents]\nZeta=\nBeta=\n")},
        {"a.wed", kNew, Crlf("[Contents]\nGamma=\nAlpha=\n")}},
       {{"Zeta", "Zeta", "b.wed"},
        {"Beta", "Beta", "b.wed"},
        {"Gamma", "Gamma", "a.wed"},
        {"Alpha", "Alpha", "a.wed"}},
       "Gamma"},
      {"the newer file listed first still wins",
       {{"alpha.wed", kNew, kAlpha}, {"grid.wed", kOld, kGridWithSection}},
       {{"Alpha-Paket", "Alpha", "alpha.wed"}, {"Datengitter", "Grid", "grid.wed"}},
       "Alpha-Paket"},
      {"a newer file without Contents takes no part",
       {{"grid.wed", kOld, kGridWithSection}, {"other.wed", kNewer, kNoContents}},
       {{"Datengitter", "Grid", "grid.wed"}},
       "Datengitter"},
      {"an empty Contents section takes no part",
       {{"grid.wed", kOld, kGridWithSection}, {"empty.wed", kNewer, Crlf("[Contents]\n")}},
       {{"Datengitter", "Grid", "grid.wed"}},
       "Datengitter"},
      {"a file that cannot be read takes no part",
       {{"grid.wed", kOld, kGridWithSection}, {"gone.wed", kNewer, ""}},
       {{"Datengitter", "Grid", "grid.wed"}},
       "Datengitter"},
      {"of equally new files the first listed wins",
       {{"grid.wed", kNew, kGridWithSection}, {"alpha.wed", kNew, kAlpha}},
       {{"Datengitter", "Grid", "grid.wed"}, {"Alpha-Paket", "Alpha", "alpha.wed"}},
       "Datengitter"},
      {"one second later is newer",
       {{"grid.wed", kNew, kGridWithSection}, {"alpha.wed", kNewer, kAlpha}},
       {{"Datengitter", "Grid", "grid.wed"}, {"Alpha-Paket", "Alpha", "alpha.wed"}},
       "Alpha-Paket"},
      {"a year ahead is newer than a later month",
       {{"grid.wed", At(1704067199), kGridWithSection}, {"alpha.wed", At(1704067200), kAlpha}},
       {{"Datengitter", "Grid", "grid.wed"}, {"Alpha-Paket", "Alpha", "alpha.wed"}},
       "Alpha-Paket"},
      {"within the same second the first listed wins",
       {{"grid.wed", kNew, kGridWithSection}, {"alpha.wed", kNew + 9999999, kAlpha}},
       {{"Datengitter", "Grid", "grid.wed"}, {"Alpha-Paket", "Alpha", "alpha.wed"}},
       "Datengitter"},
      {"a hidden file offers nothing",
       {{"grid.wed", kOld, kGridWithSection}, {"alpha.wed", kNewer, kAlpha, true}},
       {{"Datengitter", "Grid", "grid.wed"}},
       "Datengitter"},
      {"only files ending in .wed, in any case",
       {{"grid.wed.bak", kNewer, kAlpha},
        {"grid.wedding", kNewer, kAlpha},
        {"alpha.txt", kNewer, kAlpha},
        {"GRID.WED", kOld, kGridWithSection}},
       {{"Datengitter", "Grid", "GRID.WED"}},
       "Datengitter"},
  };
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.title);
    TempDir dir;
    GivenListing listing;
    for (const GivenFile& file : c.files) {
      if (!file.text.empty()) dir.WriteFile(file.name, file.text);
      listing.files.push_back({file.name, file.text.size(), file.written, file.hidden});
    }
    const ComponentList list = ListComponents(FileSpec(dir.Path()), listing);
    std::vector<ComponentItem> expected;
    for (const Item& item : c.items) {
      expected.push_back({item.displayText, item.name, dir.Path() + item.fileName});
    }
    EXPECT_EQ(list.items, expected);
    EXPECT_EQ(list.preselected, c.preselected);
  }
}

TEST(ComponentListTest, ListsTheFolderOfTheSpecificationWithItsDriveAndPath) {
  GivenListing listing;
  FileSpec folder;
  folder.SetDrive("D:");
  folder.SetPath("\\VO28\\BIN\\");
  folder.SetFileName("DEDUDED");
  folder.SetExtension(".INF");
  const ComponentList list = ListComponents(folder, listing);
  EXPECT_EQ(listing.askedBeside, "D:\\VO28\\BIN\\");
  EXPECT_TRUE(list.items.empty());
}

TEST(ComponentListTest, AFileThatFailsToOpenOffersNothing) {
  TempDir dir;
  dir.WriteFile("grid.wed", kGridWithSection);
  test::FailingFileOps failing({{test::FileOp::OpenRead, 1}});
  const ComponentList list = ListComponents(FileSpec(dir.Path()), failing);
  EXPECT_TRUE(list.items.empty());
  EXPECT_EQ(list.preselected, "");
}

TEST(PlainFilesTest, ListsThePlainFilesWithTheirSizes) {
  TempDir dir;
  for (const char* name : {"grid.wed", "TOOLS.WED", "notes.txt"}) dir.WriteFile(name, name);
  std::filesystem::create_directory(dir.Path() + "folder.wed");
  std::vector<std::pair<std::string, std::uint64_t>> listed;
  for (const PlainFile& file : SystemFileOps().PlainFiles(dir.Path())) {
    listed.emplace_back(file.name, file.size);
  }
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, (std::vector<std::pair<std::string, std::uint64_t>>{
                        {"TOOLS.WED", 9}, {"grid.wed", 8}, {"notes.txt", 9}}));
}

TEST(PlainFilesTest, AFileChangedLaterHasTheLaterTime) {
  TempDir dir;
  const std::string older = dir.WriteFile("older.wed", "x");
  const std::string newer = dir.WriteFile("newer.wed", "x");
  const auto now = std::filesystem::last_write_time(older);
  std::filesystem::last_write_time(older, now - std::chrono::hours(30 * 24));
  std::filesystem::last_write_time(newer, now - std::chrono::seconds(5));
  std::int64_t olderTime = 0, newerTime = 0;
  for (const PlainFile& file : SystemFileOps().PlainFiles(dir.Path())) {
    (file.name == "older.wed" ? olderTime : newerTime) = file.written;
  }
  EXPECT_GT(newerTime - olderTime, std::int64_t{29} * 24 * 3600 * 10000000);
}

TEST(PlainFilesTest, AMissingFolderListsNothing) {
  TempDir dir;
  EXPECT_TRUE(SystemFileOps().PlainFiles(dir.Path() + "missing/").empty());
}

}  // namespace
}  // namespace formfit
