// The component items and the preselection that a folder's component files
// give, with the listing (order and dates) handed in by the test.
#include <gtest/gtest.h>

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
class GivenListing : public FolderListing {
 public:
  std::vector<ListedFile> files;
  std::string askedFolder;
  std::string askedExtension;
  std::vector<ListedFile> Files(const std::string& folder, std::string_view extension) override {
    askedFolder = folder;
    askedExtension = extension;
    return files;
  }
};

struct GivenFile {
  std::string name;
  FileTime changed;
  std::string text;  // not written when empty
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

constexpr FileTime kOld{2023, 5, 1, 9, 0, 0};
constexpr FileTime kNew{2024, 1, 2, 3, 4, 5};
constexpr FileTime kNewer{2024, 1, 2, 3, 4, 6};

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
       {{"grid.wed", {2023, 12, 31, 23, 59, 59}, kGridWithSection},
        {"alpha.wed", {2024, 1, 1, 0, 0, 0}, kAlpha}},
       {{"Datengitter", "Grid", "grid.wed"}, {"Alpha-Paket", "Alpha", "alpha.wed"}},
       "Alpha-Paket"},
  };
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.title);
    TempDir dir;
    GivenListing listing;
    for (const GivenFile& file : c.files) {
      if (!file.text.empty()) dir.WriteFile(file.name, file.text);
      listing.files.push_back({file.name, file.changed});
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
  EXPECT_EQ(listing.askedFolder, "D:\\VO28\\BIN\\");
  EXPECT_EQ(listing.askedExtension, ".wed");
  EXPECT_TRUE(list.items.empty());
}

TEST(ComponentListTest, AFileThatFailsToOpenOffersNothing) {
  TempDir dir;
  dir.WriteFile("grid.wed", kGridWithSection);
  GivenListing listing;
  listing.files = {{"grid.wed", kOld}};
  test::FailingFileOps failing({{test::FileOp::OpenRead, 1}});
  const ComponentList list = ListComponents(FileSpec(dir.Path()), listing, failing);
  EXPECT_TRUE(list.items.empty());
  EXPECT_EQ(list.preselected, "");
}

TEST(StampTest, EightDigitDateBlankAndTime) {
  const std::pair<FileTime, std::string> rows[] = {
      {{2024, 1, 2, 3, 4, 5}, "20240102 03:04:05"},
      {{1999, 12, 31, 23, 59, 59}, "19991231 23:59:59"},
      {{}, "00000000 00:00:00"},
  };
  for (const auto& [time, stamp] : rows) EXPECT_EQ(Stamp(time), stamp);
}

TEST(FolderListingTest, ListsTheOrdinaryFilesWithTheExtensionCaseAside) {
  TempDir dir;
  for (const char* name :
       {"grid.wed", "TOOLS.WED", "Mixed.Wed", "grid.wed.bak", "notes.txt", "grid.wedding"}) {
    dir.WriteFile(name, "x");
  }
  std::filesystem::create_directory(dir.Path() + "folder.wed");
  std::set<std::string> names;
  for (const ListedFile& file : SystemFolderListing().Files(dir.Path(), ".wed")) {
    names.insert(file.name);
  }
  EXPECT_EQ(names, (std::set<std::string>{"Mixed.Wed", "TOOLS.WED", "grid.wed"}));
}

TEST(FolderListingTest, AFileChangedLaterHasTheGreaterStamp) {
  TempDir dir;
  const std::string older = dir.WriteFile("older.wed", "x");
  const std::string newer = dir.WriteFile("newer.wed", "x");
  const auto now = std::filesystem::last_write_time(older);
  std::filesystem::last_write_time(older, now - std::chrono::hours(30 * 24));
  std::filesystem::last_write_time(newer, now - std::chrono::seconds(5));
  std::string olderStamp, newerStamp;
  for (const ListedFile& file : SystemFolderListing().Files(dir.Path(), ".wed")) {
    (file.name == "older.wed" ? olderStamp : newerStamp) = Stamp(file.changed);
  }
  ASSERT_EQ(olderStamp.size(), 17u);
  EXPECT_LT(olderStamp, newerStamp);
  EXPECT_NE(olderStamp.substr(0, 8), newerStamp.substr(0, 8));
}

TEST(FolderListingTest, AMissingFolderListsNothing) {
  TempDir dir;
  EXPECT_TRUE(SystemFolderListing().Files(dir.Path() + "missing/", ".wed").empty());
}

}  // namespace
}  // namespace formfit
