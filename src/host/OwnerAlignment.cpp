#include "host/OwnerAlignment.h"

#include <algorithm>

namespace formfit {

Bounds AlignToOwner(const Bounds& start, Dimension ownerAtStart, Dimension owner, int alignment) {
  const int grownWidth = owner.width - ownerAtStart.width;
  const int grownHeight = owner.height - ownerAtStart.height;
  Bounds bounds = start;
  if (alignment & OwnerAlignment::MoveRight) bounds.origin.x += grownWidth;
  if (alignment & OwnerAlignment::MoveDown) bounds.origin.y += grownHeight;
  if (alignment & OwnerAlignment::Width) {
    bounds.size.width = std::max(0, bounds.size.width + grownWidth);
  }
  if (alignment & OwnerAlignment::Height) {
    bounds.size.height = std::max(0, bounds.size.height + grownHeight);
  }
  return bounds;
}

}  // namespace formfit
