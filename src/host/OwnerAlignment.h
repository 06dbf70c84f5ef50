// How a child window follows its owner's size (owner alignment).
//
// An alignment is a sum of bits: MoveRight moves the child with the owner's
// right edge, MoveDown with its bottom edge, Width stretches it with the
// owner's width, Height with its height. Every value the program uses also
// carries the bit Marker, which only says that the value is an owner
// alignment and moves nothing itself: 0x480 follows the width, 0x580 width
// and height, 0x4080 keeps the distance to the right edge, 0x5080 to the
// bottom-right corner, 0x1480 keeps the distance to the bottom and follows
// the width.
#pragma once

#include "host/Geometry.h"

namespace formfit {

namespace OwnerAlignment {
constexpr int Marker = 0x80;
constexpr int Height = 0x100;
constexpr int Width = 0x400;
constexpr int MoveDown = 0x1000;
constexpr int MoveRight = 0x4000;

// The alignments the program uses.
constexpr int FollowWidth = Marker | Width;                       // 0x480
constexpr int FollowSize = Marker | Width | Height;               // 0x580
constexpr int KeepRight = Marker | MoveRight;                     // 0x4080
constexpr int KeepCorner = Marker | MoveRight | MoveDown;         // 0x5080
constexpr int KeepBottomFollowWidth = Marker | MoveDown | Width;  // 0x1480
}  // namespace OwnerAlignment

// The child's place when its owner's client area has the size `owner` and the
// child was at `start` while the owner had the size `ownerAtStart` (the
// distances remembered when the alignment was set). Every change is taken
// from that one remembered state, so a sequence of resizes ends where one
// resize to the same size would. Sizes never go below zero.
Bounds AlignToOwner(const Bounds& start, Dimension ownerAtStart, Dimension owner, int alignment);

}  // namespace formfit
