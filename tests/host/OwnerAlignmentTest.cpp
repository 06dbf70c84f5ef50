#include <gtest/gtest.h>

#include "host/OwnerAlignment.h"

namespace formfit {
namespace {

// A child at (10, 20), 30 x 40, in an owner of 200 x 100.
constexpr Bounds kStart{{10, 20}, {30, 40}};
constexpr Dimension kOwner{200, 100};

TEST(OwnerAlignment, EachValueOfTheProgramMovesWhatItNames) {
  struct Row {
    int alignment;
    Dimension owner;
    Bounds expected;
  };
  const Row rows[] = {
      {0, {260, 150}, kStart},
      {0x80, {260, 150}, kStart},
      {0x480, {260, 150}, {{10, 20}, {90, 40}}},
      {0x580, {260, 150}, {{10, 20}, {90, 90}}},
      {0x4080, {260, 150}, {{70, 20}, {30, 40}}},
      {0x5080, {260, 150}, {{70, 70}, {30, 40}}},
      {0x1480, {260, 150}, {{10, 70}, {90, 40}}},
      // Shrinking moves the other way; a size never goes below zero.
      {0x5080, {150, 80}, {{-40, 0}, {30, 40}}},
      {0x580, {150, 50}, {{10, 20}, {0, 0}}},
      {0x580, kOwner, kStart},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << std::hex << "alignment 0x" << row.alignment << std::dec
                                    << " owner " << row.owner.width << "x" << row.owner.height);
    EXPECT_EQ(AlignToOwner(kStart, kOwner, row.owner, row.alignment), row.expected);
  }
}

TEST(OwnerAlignment, ResizesAddUpToOneResize) {
  // From the remembered start, a shrink to zero and back loses nothing.
  EXPECT_EQ(AlignToOwner(kStart, kOwner, {0, 0}, 0x580).size, (Dimension{0, 0}));
  EXPECT_EQ(AlignToOwner(kStart, kOwner, kOwner, 0x580), kStart);
}

}  // namespace
}  // namespace formfit
