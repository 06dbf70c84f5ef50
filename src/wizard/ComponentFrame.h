// The frame clean-up of a composite control: which style bits of its own
// window it keeps, so that a template drawn with a caption and frame ends up
// as a plain child. Kept masks come from the placeholder (style) and the
// component's own template (extended style) in placeholder mode; outside it
// they are empty.
#pragma once

#include <cstdint>

namespace formfit {

struct WindowStyles {
  std::uint32_t style = 0;
  std::uint32_t extended = 0;
  bool operator==(const WindowStyles& other) const {
    return style == other.style && extended == other.extended;
  }
};

// The style bits a placeholder passes on: WS_DLGFRAME and 0x80.
std::uint32_t KeptStyle(std::uint32_t placeholderStyle);
// The extended bits a component keeps over a placeholder: client and static
// edge.
std::uint32_t KeptExtendedStyle(std::uint32_t componentExtended);

// The styles after the clean-up, step by step: WS_BORDER goes; WS_DLGFRAME
// and 0x80 go unless kept; a caption bit left over toggles both caption bits;
// the modal-frame, window-edge, client-edge and static-edge extended bits go
// unless kept.
WindowStyles CleanFrame(WindowStyles styles, std::uint32_t keptStyle, std::uint32_t keptExtended);

}  // namespace formfit
