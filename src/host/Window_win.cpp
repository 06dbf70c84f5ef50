#include "host/DialogWindow.h"
#include "host/Window.h"

namespace formfit {

std::string Window::Caption() const {
  if (!handle_) return {};
  std::string text(static_cast<size_t>(GetWindowTextLengthA(handle_)) + 1, '\0');
  text.resize(
      static_cast<size_t>(GetWindowTextA(handle_, text.data(), static_cast<int>(text.size()))));
  return text;
}

void Window::SetCaption(const std::string& text) {
  if (handle_) SetWindowTextA(handle_, text.c_str());
}

void Window::Show() {
  if (handle_) ShowWindow(handle_, SW_SHOW);
}

void Window::Hide() {
  if (handle_) ShowWindow(handle_, SW_HIDE);
}

bool Window::IsVisible() const { return handle_ && IsWindowVisible(handle_); }

bool Window::Enable() {
  if (handle_) EnableWindow(handle_, TRUE);
  return IsEnabled();
}

bool Window::Disable() {
  if (handle_) EnableWindow(handle_, FALSE);
  return !IsEnabled();
}

bool Window::IsEnabled() const { return handle_ && IsWindowEnabled(handle_); }

void Window::SetFocus() {
  if (handle_) ::SetFocus(handle_);
}

bool Window::HasFocus() const { return handle_ && GetFocus() == handle_; }

Bounds Window::GetBounds() const {
  RECT rect{};
  if (handle_) GetWindowRect(handle_, &rect);
  POINT origin{rect.left, rect.top};
  const HWND parent = handle_ ? GetAncestor(handle_, GA_PARENT) : nullptr;
  if (parent && parent != GetDesktopWindow()) ScreenToClient(parent, &origin);
  return {{origin.x, origin.y}, {rect.right - rect.left, rect.bottom - rect.top}};
}

Dimension Window::Size() const { return GetBounds().size; }

Dimension Window::ClientSize() const {
  RECT rect{};
  if (handle_) GetClientRect(handle_, &rect);
  return {rect.right, rect.bottom};
}

void Window::Move(Point origin) {
  if (handle_) {
    SetWindowPos(handle_, nullptr, origin.x, origin.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void Window::Resize(Dimension size) {
  if (handle_) {
    SetWindowPos(handle_, nullptr, 0, 0, size.width, size.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void Window::SetOwnerAlignment(int alignment) {
  if (!handle_) return;
  if (DialogWindow* owner = DialogWindow::FromHandle(GetParent(handle_))) {
    owner->AlignChild(handle_, alignment);
  }
}

LRESULT Window::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return handle_ ? SendMessageA(handle_, message, wParam, lParam) : 0;
}

void ProcessWaitingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // The quit request belongs to whoever runs the outer loop.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace formfit
