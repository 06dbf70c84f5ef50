#include "wizard/ComponentFrame.h"

#include <initializer_list>

namespace formfit {

namespace {
constexpr std::uint32_t kBorder = 0x00800000;
constexpr std::uint32_t kDialogFrame = 0x00400000;
constexpr std::uint32_t kCaption = kBorder | kDialogFrame;
constexpr std::uint32_t kBit80 = 0x00000080;
constexpr std::uint32_t kModalFrame = 0x00000001;
constexpr std::uint32_t kWindowEdge = 0x00000100;
constexpr std::uint32_t kClientEdge = 0x00000200;
constexpr std::uint32_t kStaticEdge = 0x00020000;
}  // namespace

std::uint32_t KeptStyle(std::uint32_t placeholderStyle) {
  return placeholderStyle & (kDialogFrame | kBit80);
}

std::uint32_t KeptExtendedStyle(std::uint32_t componentExtended) {
  return componentExtended & (kClientEdge | kStaticEdge);
}

WindowStyles CleanFrame(WindowStyles styles, std::uint32_t keptStyle, std::uint32_t keptExtended) {
  std::uint32_t style = styles.style;
  style &= ~kBorder;
  if ((style & kDialogFrame) && !(keptStyle & kDialogFrame)) style &= ~kDialogFrame;
  if ((style & kBit80) && !(keptStyle & kBit80)) style &= ~kBit80;
  // Only WS_DLGFRAME can be left of the caption here, and toggling turns it
  // into a thin border.
  if (style & kCaption) style ^= kCaption;
  std::uint32_t extended = styles.extended;
  for (const std::uint32_t bit : {kModalFrame, kWindowEdge, kClientEdge, kStaticEdge}) {
    if ((extended & bit) && !(keptExtended & bit)) extended &= ~bit;
  }
  return {style, extended};
}

}  // namespace formfit
