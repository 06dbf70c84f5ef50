#include "host/Brush.h"
#include "host/Control.h"
#include "host/DialogWindow.h"
#include "host/Font.h"

namespace formfit {

Control::Control(DialogWindow& owner, int id)
    : Window(GetDlgItem(owner.Handle(), id)), owner_(owner), id_(id) {
  owner_.AttachControl(*this);
}

Control::~Control() {
  owner_.DetachControl(*this);
  owner_.SetChildBackground(Handle(), nullptr);
}

void Control::SetFont(const Font& font) {
  Send(WM_SETFONT, reinterpret_cast<WPARAM>(font.Handle()), FALSE);
}

void Control::SetBackground(const Brush* brush) { owner_.SetChildBackground(Handle(), brush); }

}  // namespace formfit
