// The items of a dialog template in this program's resources, as the dialog
// manager reads them: the window tests compare what a dialog shows with the
// dialog units that its template gives.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace formfit::test {

// A rectangle in dialog units.
struct DialogUnits {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

struct DialogTemplateItem {
  int id = 0;
  DialogUnits rect;
  std::string windowClass;
};

struct DialogTemplate {
  // The dialog's client size is the template's width and height.
  DialogUnits rect;
  std::vector<DialogTemplateItem> items;

  // The item with that control id; none when the template has no such item.
  std::optional<DialogTemplateItem> Item(int id) const;
};

// The template of that name, DIALOG or DIALOGEX; none when the program has
// no such dialog resource.
std::optional<DialogTemplate> ReadDialogTemplate(const std::string& name);

}  // namespace formfit::test
