#include "LayoutFaults_win.h"

#include <optional>
#include <sstream>

#include "DialogTemplate_win.h"

namespace formfit::test {

namespace {

std::string TextOf(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string Describe(HWND window) {
  std::ostringstream out;
  out << ClassOf(window) << ' ' << GetDlgCtrlID(window) << " \"" << TextOf(window) << '"';
  return out.str();
}

RECT PlaceInParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// One axis of a control in its parent: start and size in pixels, and the
// parent's client extent.
struct Axis {
  long start;
  long size;
  long parent;
};

// The pixels of dialog units along one axis of `dialog`.
long Pixels(HWND dialog, int units, bool vertical) {
  RECT rect{0, 0, units, units};
  MapDialogRect(dialog, &rect);
  return vertical ? rect.bottom : rect.right;
}

// Whether the control stands on this axis as its template says: fixed at
// its place and size, stretched with its parent (its distance to the far
// edge kept), or moved with the far edge (its size kept). Distances are
// sums of mapped values and may differ from the map of the sum by a pixel.
bool FollowsTemplate(HWND dialog, const Axis& axis, int at, int extent, int templateExtent,
                     bool vertical) {
  const long start = Pixels(dialog, at, vertical);
  const long size = Pixels(dialog, extent, vertical);
  const long farGap = Pixels(dialog, templateExtent - at - extent, vertical);
  const long startGap = Pixels(dialog, templateExtent - at, vertical);
  const auto closeTo = [](long a, long b) { return a - b <= 1 && b - a <= 1; };
  const bool fixed = axis.start == start && axis.size == size;
  const bool stretched =
      axis.start == start && closeTo(axis.parent - axis.start - axis.size, farGap);
  const bool moved = closeTo(axis.parent - axis.start, startGap) && axis.size == size;
  return fixed || stretched || moved;
}

SIZE TextExtent(HWND control, const std::string& text, UINT format, long width) {
  const HDC dc = GetDC(control);
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
  RECT rect{0, 0, width, 0};
  DrawTextA(dc, text.c_str(), -1, &rect, format | DT_CALCRECT);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return {rect.right, rect.bottom};
}

// The room a control leaves its text: a push button's edges, the check
// mark of a radio button, the frame corners beside a group box's title.
struct TextRoom {
  long width;
  long height;
  bool singleLine;
};

std::optional<TextRoom> RoomForText(HWND control) {
  RECT client{};
  GetClientRect(control, &client);
  const std::string kind = ClassOf(control);
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  if (kind == "Static") {
    if ((style & SS_TYPEMASK) > SS_RIGHT) return std::nullopt;  // icons, frames, lines
    return TextRoom{client.right, client.bottom, false};
  }
  if (kind != "Button") return std::nullopt;
  const LONG type = style & BS_TYPEMASK;
  const long edgeX = GetSystemMetrics(SM_CXEDGE);
  const long edgeY = GetSystemMetrics(SM_CYEDGE);
  if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
    return TextRoom{client.right - 2 * edgeX, client.bottom - 2 * edgeY, true};
  }
  if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON || type == BS_CHECKBOX ||
      type == BS_AUTOCHECKBOX) {
    return TextRoom{client.right - GetSystemMetrics(SM_CXMENUCHECK) - edgeX, client.bottom, true};
  }
  if (type == BS_GROUPBOX) {
    const long corner = TextExtent(control, "x", DT_SINGLELINE, 0).cx;
    return TextRoom{client.right - 2 * corner, client.bottom, true};
  }
  return std::nullopt;
}

void CheckPlace(HWND control, const Layout& layout, std::vector<std::string>& faults) {
  const HWND parent = GetParent(control);
  const auto known = layout.templates.find(parent);
  if (known == layout.templates.end()) {
    faults.push_back(Describe(control) + ": its parent was made from no known template");
    return;
  }
  const std::optional<DialogTemplate> form = test::ReadDialogTemplate(known->second);
  if (!form) {
    faults.push_back(known->second + ": no such template");
    return;
  }
  const RECT at = PlaceInParent(control);
  RECT client{};
  GetClientRect(parent, &client);
  std::ostringstream where;
  where << " in " << known->second << " at " << at.left << ',' << at.top << ' '
        << at.right - at.left << 'x' << at.bottom - at.top << " (parent " << client.right << 'x'
        << client.bottom << ")";
  if (at.left < 0 || at.top < 0 || at.right > client.right || at.bottom > client.bottom) {
    faults.push_back(Describe(control) + where.str() + ": not inside its parent");
  }
  int id = GetDlgCtrlID(control);
  const auto component = layout.placed.find(control);
  if (component != layout.placed.end()) {
    if (component->second == 0) {
      const RECT top = PlaceInParent(layout.pageAreaTop);
      const RECT bottom = PlaceInParent(layout.pageAreaBottom);
      if (at.top < top.bottom || at.bottom > bottom.top) {
        faults.push_back(Describe(control) + where.str() +
                         ": not between the header and the separator");
      }
      return;
    }
    id = component->second;
  }
  const std::optional<test::DialogTemplateItem> item = form->Item(id);
  if (!item) {
    faults.push_back(Describe(control) + where.str() + ": not in the template");
    return;
  }
  const DialogUnits& units = item->rect;
  std::ostringstream expected;
  expected << ", template " << units.x << ',' << units.y << ' ' << units.width << 'x'
           << units.height;
  if (!FollowsTemplate(parent, {at.left, at.right - at.left, client.right}, units.x, units.width,
                       form->rect.width, false)) {
    faults.push_back(Describe(control) + where.str() + expected.str() + ": x does not scale");
  }
  // A drop-down list's template height includes its open list.
  if (ClassOf(control) == "ComboBox") {
    if (at.top != Pixels(parent, units.y, true)) {
      faults.push_back(Describe(control) + where.str() + expected.str() + ": y does not scale");
    }
  } else if (!FollowsTemplate(parent, {at.top, at.bottom - at.top, client.bottom}, units.y,
                              units.height, form->rect.height, true)) {
    faults.push_back(Describe(control) + where.str() + expected.str() + ": y does not scale");
  }
}

void CheckText(HWND control, std::vector<std::string>& faults) {
  const std::string text = TextOf(control);
  const std::optional<TextRoom> room = RoomForText(control);
  if (text.empty() || !room) return;
  const UINT format = room->singleLine ? DT_SINGLELINE : DT_WORDBREAK | DT_EXPANDTABS;
  const SIZE needs = TextExtent(control, text, format, room->width);
  if (needs.cx > room->width || needs.cy > room->height) {
    std::ostringstream out;
    out << Describe(control) << ": its text needs " << needs.cx << 'x' << needs.cy << ", has "
        << room->width << 'x' << room->height;
    faults.push_back(out.str());
  }
}

struct Walk {
  const Layout* layout;
  std::vector<std::string>* faults;
};

BOOL CALLBACK CheckControl(HWND control, LPARAM walk) {
  const auto& [layout, faults] = *reinterpret_cast<Walk*>(walk);
  if (!IsWindowVisible(control)) return TRUE;
  CheckPlace(control, *layout, *faults);
  CheckText(control, *faults);
  return TRUE;
}

// Window class names are alike in any case; the resource compiler writes
// them in capitals.
std::string CharUpper(std::string name) {
  CharUpperBuffA(name.data(), static_cast<DWORD>(name.size()));
  return name;
}

// The access key of a control's text: the character after a single "&", in
// capitals; 0 for none.
char AccessKey(HWND control) {
  const std::string kind = ClassOf(control);
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  if (kind != "Button" && (kind != "Static" || (style & SS_NOPREFIX))) return 0;
  const std::string text = TextOf(control);
  for (std::size_t at = text.find('&'); at != std::string::npos && at + 1 < text.size();
       at = text.find('&', at + 2)) {
    if (text[at + 1] == '&') continue;
    char key[2] = {text[at + 1], 0};
    CharUpperBuffA(key, 1);
    return key[0];
  }
  return 0;
}

BOOL CALLBACK NoteAccessKey(HWND control, LPARAM keys) {
  if (!IsWindowVisible(control)) return TRUE;
  if (const char key = AccessKey(control)) {
    (*reinterpret_cast<std::map<char, std::vector<std::string>>*>(keys))[key].push_back(
        Describe(control));
  }
  return TRUE;
}

}  // namespace

int WindowsDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::vector<std::string> Faults(HWND dialog, const Layout& layout) {
  std::vector<std::string> faults;
  Walk walk{&layout, &faults};
  EnumChildWindows(dialog, CheckControl, reinterpret_cast<LPARAM>(&walk));
  return faults;
}

std::vector<std::string> MnemonicFaults(HWND dialog) {
  std::map<char, std::vector<std::string>> keys;
  EnumChildWindows(dialog, NoteAccessKey, reinterpret_cast<LPARAM>(&keys));
  std::vector<std::string> faults;
  for (const auto& [key, controls] : keys) {
    if (controls.size() < 2) continue;
    std::string fault = std::string("access key ") + key + " twice:";
    for (const std::string& control : controls) fault += " " + control;
    faults.push_back(fault);
  }
  return faults;
}

std::string PageTemplate(HWND page) {
  std::vector<std::pair<int, std::string>> controls;
  for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    controls.push_back({GetDlgCtrlID(child), CharUpper(ClassOf(child))});
  }
  for (const char* name :
       {"_wzpInfo", "_wzpSummary", "_wzpFolderChoice", "_wzpComponentChoice", "_wzpChangeMode"}) {
    const std::optional<DialogTemplate> form = ReadDialogTemplate(name);
    if (!form) continue;
    std::vector<std::pair<int, std::string>> items;
    for (const DialogTemplateItem& item : form->items) {
      items.push_back({item.id, CharUpper(item.windowClass)});
    }
    if (items == controls) return name;
  }
  std::string seen = "(no template for";
  for (const auto& [id, windowClass] : controls)
    seen += " " + std::to_string(id) + ":" + windowClass;
  return seen + ")";
}

}  // namespace formfit::test
