#include <gtest/gtest.h>

#include "wizard/ComponentFrame.h"

namespace formfit {
namespace {

constexpr std::uint32_t kChild = 0x40000000;
constexpr std::uint32_t kBorder = 0x00800000;
constexpr std::uint32_t kDialogFrame = 0x00400000;
constexpr std::uint32_t kCaption = 0x00C00000;

// One row for each step of the clean-up, and the templates the program uses.
TEST(ComponentFrame, CleanUpTable) {
  struct Row {
    const char* name;
    WindowStyles before;
    std::uint32_t placeholderStyle;
    bool placeholderMode;
    WindowStyles after;
  };
  const Row rows[] = {
      {"border goes", {kChild | kBorder, 0}, 0, false, {kChild, 0}},
      {"dialog frame goes", {kChild | kDialogFrame, 0}, 0, false, {kChild, 0}},
      {"dialog frame kept by placeholder becomes thin border",
       {kChild | kDialogFrame, 0},
       kDialogFrame,
       true,
       {kChild | kBorder, 0}},
      {"0x80 goes", {kChild | 0x80, 0}, 0, false, {kChild, 0}},
      {"0x80 kept by placeholder", {kChild | 0x80, 0}, 0x80, true, {kChild | 0x80, 0}},
      {"caption goes", {kChild | kCaption, 0}, 0, false, {kChild, 0}},
      {"caption over a dialog-frame placeholder leaves a thin border",
       {kChild | kCaption, 0},
       kDialogFrame | kBorder,
       true,
       {kChild | kBorder, 0}},
      {"header template", {0x40C304C0, 0}, 0, false, {0x400304C0 & ~0x80u, 0}},
      {"header over a bordered static", {0x40C304C0, 0}, 0x50810000, true, {0x40030440, 0}},
      {"modal frame and window edge go even over a placeholder",
       {kChild, 0x00000101},
       0,
       true,
       {kChild, 0}},
      {"client and static edge kept over a placeholder",
       {kChild, 0x00020200},
       0,
       true,
       {kChild, 0x00020200}},
      {"client and static edge go elsewhere", {kChild, 0x00020200}, 0, false, {kChild, 0}},
      {"other extended bits stay", {kChild, 0x00010000}, 0, false, {kChild, 0x00010000}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::uint32_t keptStyle = row.placeholderMode ? KeptStyle(row.placeholderStyle) : 0;
    const std::uint32_t keptExtended =
        row.placeholderMode ? KeptExtendedStyle(row.before.extended) : 0;
    const WindowStyles after = CleanFrame(row.before, keptStyle, keptExtended);
    EXPECT_EQ(after.style, row.after.style) << std::hex << after.style;
    EXPECT_EQ(after.extended, row.after.extended) << std::hex << after.extended;
  }
}

}  // namespace
}  // namespace formfit
