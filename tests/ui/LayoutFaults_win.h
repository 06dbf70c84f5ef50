// What a user sees of a dialog's layout, as faults: each visible control
// where its template's dialog units put it (origins exactly; a control that
// follows its parent's size keeps the template's distance to the far edge),
// its whole text in its own font, and no access key twice among the
// controls a user can reach at once.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace formfit::test {

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

// Every fault of the visible controls under `dialog`, one line each.
std::vector<std::string> Faults(HWND dialog, const Layout& layout);

// Every access key that two visible controls under `dialog` share (texts
// of statics drawn without prefixes are no access keys), one line each.
std::vector<std::string> MnemonicFaults(HWND dialog);

// The template a page was made from: the setup page template whose items
// are the page's controls, by id and window class, in the template's order.
std::string PageTemplate(HWND page);

// The screen's resolution in dots per inch.
int WindowsDpi();

std::string ClassOf(HWND window);

}  // namespace formfit::test
