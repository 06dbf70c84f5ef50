#include <memory>
#include <unordered_map>

#include "host/CommonControls_win.h"
#include "wizard/WindowPropertyList.h"

namespace formfit {

namespace {

constexpr char kProperty[] = "__qPropertyListPtr";
constexpr UINT_PTR kTeardown = 0x71504C50;  // "qPLP"

struct Cell {
  HWND window;
  qPropertyList list;
};

// The live cells by address: the check that keeps foreign or stale property
// values from being dereferenced.
std::unordered_map<const void*, std::unique_ptr<Cell>>& Cells() {
  static std::unordered_map<const void*, std::unique_ptr<Cell>> cells;
  return cells;
}

Cell* LiveCell(HWND window) {
  const void* address = GetPropA(window, kProperty);
  if (!address) return nullptr;
  const auto found = Cells().find(address);
  if (found == Cells().end() || found->second->window != window) return nullptr;
  return found->second.get();
}

LRESULT CALLBACK Teardown(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR) {
  if (message == WM_DESTROY) PropertyListDestroy(Window(window));
  return DefaultSubclassProc(window, message, wParam, lParam);
}

}  // namespace

qPropertyList& PropertyList(const Window& window) {
  const HWND handle = window.Handle();
  if (!handle) {
    // A window that does not exist keeps nothing: each use starts empty.
    static qPropertyList nowhere;
    nowhere.Clear();
    return nowhere;
  }
  if (Cell* cell = LiveCell(handle)) return cell->list;
  auto cell = std::make_unique<Cell>();
  cell->window = handle;
  Cell* made = cell.get();
  Cells()[made] = std::move(cell);
  SetPropA(handle, kProperty, made);
  Subclass(handle, Teardown, kTeardown, 0);
  return made->list;
}

bool PropertyListDestroy(const Window& window) {
  const HWND handle = window.Handle();
  if (Cell* cell = LiveCell(handle)) {
    RemovePropA(handle, kProperty);
    Unsubclass(handle, Teardown, kTeardown);
    Cells().erase(cell);
  }
  return true;
}

}  // namespace formfit
