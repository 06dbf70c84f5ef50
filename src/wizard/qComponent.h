// The base of composite controls: a borderless, modeless child dialog made
// from a dialog template of its own, placed inside another window.
//
// Usually a composite control replaces a placeholder control of its owner's
// template: it takes the placeholder's position, size, tab position,
// visibility and focus, and destroys it. It can also be placed at an explicit
// point and size, or left for its owner to place.
//
// A concrete composite control initialises in this order: PreInit(owner,
// placeholder id); Init(owner, its own template, true); binding of its child
// controls and their fonts, colours, texts and alignments; its own caption
// and label; PostInit().
#pragma once

#include <optional>
#include <variant>

#include "host/DialogWindow.h"
#include "host/Geometry.h"
#include "host/ResourceID.h"

namespace formfit {

class qComponent;

// What a component can be registered with; no flow of the program attaches
// one yet.
class qDataServer {
 public:
  virtual ~qDataServer() = default;
  virtual void RegisterClient(qComponent& client) = 0;
  virtual void UnRegisterClient(qComponent& client) = 0;
};

class qComponent : public DialogWindow {
 public:
  // Where to put the component: nowhere (none), nowhere in any mode (a logic
  // value: placement by placeholder or by the owner), or at a point.
  using PointArg = std::variant<std::monostate, bool, Point>;
  // Its size: none (the placeholder id of PreInit then decides), a size in
  // pixels, or the id of a placeholder control in the owner.
  using SizeArg = std::variant<std::monostate, Dimension, ResourceID>;

  qComponent() = default;
  // Detaches from the server; the window goes with the host's destructor.
  ~qComponent() override;

  // Keeps the owner's placeholder id, when one is given, for Init.
  qComponent& PreInit(DialogWindow* owner, std::optional<ResourceID> placeholderId = std::nullopt);
  // Makes the window as a modeless child of `owner` from the template `id`
  // (the generic "_QCOMPONENT" when none), places it and cleans its frame:
  //  - `id` given and the size (or the placeholder id) a ResourceID: over the
  //    owner's placeholder control, which is destroyed;
  //  - `id` given otherwise: unless `point` is a logic value, a Dimension
  //    size is kept for PostInit and a Point moves the window;
  //  - no `id`: the same, whatever `point` is.
  // The window is shown only when it replaces a visible placeholder.
  qComponent& Init(DialogWindow* owner, std::optional<ResourceID> id, PointArg point = {},
                   SizeArg size = {});
  // Gives the component the size kept by Init, if any (position and z-order
  // stay).
  void PostInit();

  DialogWindow* Owner() const { return owner_; }
  qDataServer* Server() const { return server_; }
  // Unregisters from the server attached so far, then registers with
  // `server` unless it is null. Always true.
  bool Use(qDataServer* server);
  // True for code 2, no value for every other code.
  Value Notify(int code, const Value& description = {});
  // Detaches from the server, then destroys the window.
  bool Destroy() override;

 private:
  void Detach();
  void PlaceOverPlaceholder(int placeholderId, std::uint32_t& keptStyle,
                            std::uint32_t& keptExtended);

  DialogWindow* owner_ = nullptr;
  std::optional<Dimension> sizeToApply_;
  std::optional<ResourceID> placeholderId_;
  qDataServer* server_ = nullptr;
};

}  // namespace formfit
