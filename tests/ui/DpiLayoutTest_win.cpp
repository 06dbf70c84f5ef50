// The setup dialog at the screen's resolution: CTest runs this program at 96,
// 120 and 144 DPI (FORMFIT_TEST_DPI names the one the prefix is set to). On
// every page, and on the process page under the result box, each visible
// control must sit where its template's dialog units put it (origins
// exactly; a control that follows its parent's size keeps the template's
// distance to the far edge) and show its whole text in its own font.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "DialogTemplate_win.h"
#include "FormfitRes.h"
#include "app/Keywords.h"
#include "support/TempDir.h"
#include "ui/dlgFormfit.h"

namespace formfit {
namespace {

using test::DialogTemplate;
using test::DialogUnits;

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

// What the user sees of the dialog now: each fault as one line. `templates`
// names the template of each window that was made from one; `placed` are
// component windows in them, each with the placeholder id it replaced (0 for
// a page, which the wizard places between header and separator).
struct Layout {
  std::map<HWND, std::string> templates;
  std::map<HWND, int> placed;
  HWND pageAreaTop = nullptr;     // the header
  HWND pageAreaBottom = nullptr;  // the separator
};

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

std::vector<std::string> Faults(HWND dialog, const Layout& layout) {
  std::vector<std::string> faults;
  Walk walk{&layout, &faults};
  EnumChildWindows(dialog, CheckControl, reinterpret_cast<LPARAM>(&walk));
  return faults;
}

// Window class names are alike in any case; the resource compiler writes
// them in capitals.
std::string CharUpper(std::string name) {
  CharUpperBuffA(name.data(), static_cast<DWORD>(name.size()));
  return name;
}

// The template a page was made from: the setup page template whose items
// are the page's controls, by id and window class.
std::string PageTemplate(HWND page) {
  std::multiset<std::pair<int, std::string>> controls;
  for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    controls.insert({GetDlgCtrlID(child), CharUpper(ClassOf(child))});
  }
  for (const char* name :
       {"_wzpInfo", "_wzpSummary", "_wzpFolderChoice", "_wzpComponentChoice", "_wzpChangeMode"}) {
    const std::optional<DialogTemplate> form = test::ReadDialogTemplate(name);
    if (!form) continue;
    std::multiset<std::pair<int, std::string>> items;
    for (const test::DialogTemplateItem& item : form->items) {
      items.insert({item.id, CharUpper(item.windowClass)});
    }
    if (items == controls) return name;
  }
  std::string seen = "(no template for";
  for (const auto& [id, windowClass] : controls)
    seen += " " + std::to_string(id) + ":" + windowClass;
  return seen + ")";
}

class DpiLayoutTest : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy(test::ExamplesDir() + "VO28", folder.Path() + "VO28",
                          std::filesystem::copy_options::recursive);
    dialog = std::make_unique<dlgFormfit>(
        ReadKeywords(std::vector<std::string>{"cavopath=" + folder.Path() + "VO28", "mode=Add"}));
    ShowWindow(dialog->Handle(), SW_SHOW);
    wzFormfit& wizard = dialog->Wizard();
    layout.templates = {{dialog->Handle(), "_dlgFormfit"},
                        {wizard.Handle(), "_QWIZARD"},
                        {wizard.PageInfo()->Handle(), "_QWIZARDPAGEINFO"}};
    layout.placed = {{wizard.Handle(), IDP_SETUP_WIZARD},
                     {wizard.PageInfo()->Handle(), IDP_WIZARD_PAGEINFO}};
    layout.pageAreaTop = wizard.PageInfo()->Handle();
    layout.pageAreaBottom = GetDlgItem(wizard.Handle(), IDT_WIZARD_SEPARATOR);
  }
  void TearDown() override { dialog.reset(); }

  // The layout with this page as the one page that the wizard shows.
  Layout WithPage(HWND page, const std::string& pageTemplate) const {
    Layout shown = layout;
    shown.templates[page] = pageTemplate;
    shown.placed[page] = 0;
    return shown;
  }

  test::TempDir folder;
  std::unique_ptr<dlgFormfit> dialog;
  Layout layout;
};

TEST_F(DpiLayoutTest, RunsAtTheResolutionItWasStartedFor) {
  const char* dpi = std::getenv("FORMFIT_TEST_DPI");
  ASSERT_NE(dpi, nullptr) << "FORMFIT_TEST_DPI names the prefix's resolution";
  EXPECT_EQ(WindowsDpi(), std::atoi(dpi));
}

// The title bar and Alt+Tab show the icon's image of their own size, not
// another one scaled.
TEST_F(DpiLayoutTest, TheDialogsIconsHaveTheSystemsSizes) {
  const struct {
    WPARAM kind;
    int width;
    int height;
  } rows[] = {{ICON_SMALL, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)},
              {ICON_BIG, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.kind);
    const auto icon =
        reinterpret_cast<HICON>(SendMessageA(dialog->Handle(), WM_GETICON, row.kind, 0));
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP image{};
    GetObjectA(info.hbmColor, sizeof image, &image);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(row.width, image.bmWidth);
    EXPECT_EQ(row.height, image.bmHeight);
  }
}

TEST_F(DpiLayoutTest, EveryPageShowsItsControlsWholeWhereTheirDialogUnitsSay) {
  wzFormfit& wizard = dialog->Wizard();
  ASSERT_EQ(wizard.PageCount(), 5);
  for (int pageNo = 1; pageNo <= wizard.PageCount(); ++pageNo) {
    const std::string name = wizard.GetPageName(pageNo).Name();
    ASSERT_TRUE(wizard.SetCurrentPageNo(pageNo)) << name;
    const HWND page = wizard.CurrentPage()->Handle();
    EXPECT_EQ(Faults(dialog->Handle(), WithPage(page, PageTemplate(page))),
              std::vector<std::string>{})
        << "page " << name << " at " << WindowsDpi() << " DPI";
  }
}

// The result box stands over the process page until it is closed.
Layout processLayout;
std::vector<std::string> processFaults;
HWND processDialog = nullptr;
bool resultSeen = false;

BOOL CALLBACK CloseResultBox(HWND window, LPARAM) {
  if (ClassOf(window) != "#32770" || DialogWindow::FromHandle(window) || !IsWindowVisible(window)) {
    return TRUE;
  }
  processFaults = Faults(processDialog, processLayout);
  resultSeen = true;
  PostMessageA(window, WM_COMMAND, IDOK, 0);
  return FALSE;
}

void CALLBACK WatchForResult(HWND, UINT, UINT_PTR timer, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), CloseResultBox, 0);
  if (resultSeen) KillTimer(nullptr, timer);
}

TEST_F(DpiLayoutTest, TheProcessPageShowsItsControlsWholeWhereTheirDialogUnitsSay) {
  wzFormfit& wizard = dialog->Wizard();
  ASSERT_TRUE(wizard.SetCurrentPageNo(wizard.FinishPageNo()));
  const HWND page = wizard.GetProcessPage()->Handle();
  processLayout = WithPage(page, PageTemplate(page));
  processDialog = dialog->Handle();
  processFaults = {};
  resultSeen = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, WatchForResult);
  SendMessageA(GetDlgItem(wizard.Handle(), IDB_WIZARD_FINISH), BM_CLICK, 0, 0);
  KillTimer(nullptr, timer);
  ASSERT_TRUE(resultSeen);
  EXPECT_EQ(processFaults, std::vector<std::string>{}) << "at " << WindowsDpi() << " DPI";
}

}  // namespace
}  // namespace formfit
