// A view of one window of the window system, and the base of every host
// window and control class.
//
// A Window does not own its HWND: DialogWindow destroys the window it made,
// controls leave theirs to the dialog that holds them. Windows are not
// copyable, since the window system knows each object by its address.
#pragma once

#include <windows.h>

#include <string>

#include "base/Object.h"
#include "host/Geometry.h"
#include "host/HyperLabel.h"

namespace formfit {

class Window : public Object {
 public:
  explicit Window(HWND handle = nullptr) : handle_(handle) {}
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const { return handle_; }
  // False before the window exists and after it was destroyed.
  bool Exists() const { return handle_ && IsWindow(handle_); }

  // The window text (title bar, button text, static text).
  std::string Caption() const;
  void SetCaption(const std::string& text);

  const HyperLabel& Label() const { return label_; }
  void SetLabel(HyperLabel label) { label_ = std::move(label); }

  void Show();
  void Hide();
  bool IsVisible() const;
  // Enables the window; true when it is enabled afterwards.
  virtual bool Enable();
  // Disables the window; true when it is disabled afterwards.
  virtual bool Disable();
  bool IsEnabled() const;
  void SetFocus();
  bool HasFocus() const;

  // Place and size in the parent's client coordinates (for a top-level
  // window: screen coordinates).
  Bounds GetBounds() const;
  Dimension Size() const;
  Dimension ClientSize() const;
  void Move(Point origin);
  void Resize(Dimension size);

  // Makes this window follow its parent's size by these OwnerAlignment bits,
  // from the distances it has now; 0 stops following. Only a parent that is
  // a DialogWindow of this library applies alignments.
  void SetOwnerAlignment(int alignment);

  // Sends a message to the window.
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

 protected:
  void SetHandle(HWND handle) { handle_ = handle; }

 private:
  HWND handle_;
  HyperLabel label_;
};

// Dispatches every window message that is waiting in this thread's queue and
// returns when the queue is empty, so that a window is drawn before a long
// piece of work blocks the thread.
void ProcessWaitingMessages();

}  // namespace formfit
