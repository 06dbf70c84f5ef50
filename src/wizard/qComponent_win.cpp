#include "host/Control.h"
#include "wizard/ComponentFrame.h"
#include "wizard/qComponent.h"
#include "wizard/qTools.h"

namespace formfit {

qComponent::~qComponent() {
  Detach();
  owner_ = nullptr;
  sizeToApply_.reset();
  placeholderId_.reset();
}

qComponent& qComponent::PreInit(DialogWindow*, std::optional<ResourceID> placeholderId) {
  if (placeholderId) placeholderId_ = std::move(placeholderId);
  return *this;
}

qComponent& qComponent::Init(DialogWindow* owner, std::optional<ResourceID> id, PointArg point,
                             SizeArg size) {
  if (std::holds_alternative<std::monostate>(size) && placeholderId_) size = *placeholderId_;
  if (owner) owner_ = owner;
  const HWND parent = owner_ ? owner_->Handle() : nullptr;
  std::uint32_t keptStyle = 0;
  std::uint32_t keptExtended = 0;
  const auto keepSizeAndMove = [&] {
    if (const auto* dimension = std::get_if<Dimension>(&size)) sizeToApply_ = *dimension;
    if (const auto* origin = std::get_if<Point>(&point)) {
      SetWindowPos(Handle(), nullptr, origin->x, origin->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
  };
  if (id) {
    Create(parent, *id);
    const auto* placeholder = std::get_if<ResourceID>(&size);
    if (placeholder && owner_) {
      PlaceOverPlaceholder(placeholder->Number(), keptStyle, keptExtended);
    } else if (!std::holds_alternative<bool>(point)) {
      keepSizeAndMove();
    }
  } else {
    Create(parent, ResourceID("_QCOMPONENT"));
    keepSizeAndMove();
  }
  if (!Handle()) return *this;

  // The dialog manager made the client area as large as the template's
  // dialog units say. It keeps that size without the frame: the children's
  // owner alignments start from it, so that a child that follows an edge
  // keeps the distance its dialog units give it at every screen resolution,
  // whatever the lost frame measured.
  RECT client{};
  GetClientRect(Handle(), &client);
  const auto styles =
      CleanFrame({static_cast<std::uint32_t>(GetWindowLongPtrA(Handle(), GWL_STYLE)),
                  static_cast<std::uint32_t>(GetWindowLongPtrA(Handle(), GWL_EXSTYLE))},
                 keptStyle, keptExtended);
  SetWindowLongPtrA(Handle(), GWL_STYLE, static_cast<LONG_PTR>(styles.style));
  SetWindowLongPtrA(Handle(), GWL_EXSTYLE, static_cast<LONG_PTR>(styles.extended));
  RECT window = client;
  AdjustWindowRectEx(&window, styles.style, FALSE, styles.extended);
  SetWindowPos(Handle(), nullptr, 0, 0, window.right - window.left, window.bottom - window.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  return *this;
}

void qComponent::PlaceOverPlaceholder(int placeholderId, std::uint32_t& keptStyle,
                                      std::uint32_t& keptExtended) {
  const HWND placeholder = GetDlgItem(owner_->Handle(), placeholderId);
  if (!placeholder || !Handle()) return;
  const Point origin = qGetWindowOrigin(placeholder);
  const auto placeholderStyle =
      static_cast<std::uint32_t>(GetWindowLongPtrA(placeholder, GWL_STYLE));
  keptStyle = KeptStyle(placeholderStyle);
  keptExtended =
      KeptExtendedStyle(static_cast<std::uint32_t>(GetWindowLongPtrA(Handle(), GWL_EXSTYLE)));
  RECT rect{};
  GetWindowRect(placeholder, &rect);
  sizeToApply_ = Dimension{rect.right - rect.left, rect.bottom - rect.top};
  SetWindowPos(Handle(), placeholder, origin.x, origin.y, 0, 0, SWP_NOSIZE);
  if (placeholderStyle & WS_VISIBLE) Show();
  if (GetFocus() == placeholder) ::SetFocus(Handle());
  DestroyWindow(placeholder);
}

void qComponent::PostInit() {
  if (sizeToApply_ && Handle()) {
    SetWindowPos(Handle(), nullptr, 0, 0, sizeToApply_->width, sizeToApply_->height,
                 SWP_NOMOVE | SWP_NOZORDER);
  }
}

bool qComponent::Use(qDataServer* server) {
  Detach();
  if (server) {
    server_ = server;
    server_->RegisterClient(*this);
  }
  return true;
}

Value qComponent::Notify(int code, const Value&) { return code == 2 ? Value(true) : Value(); }

bool qComponent::Destroy() {
  Detach();
  return DialogWindow::Destroy();
}

void qComponent::Detach() {
  if (!server_) return;
  qDataServer* server = std::exchange(server_, nullptr);
  server->UnRegisterClient(*this);
}

}  // namespace formfit
