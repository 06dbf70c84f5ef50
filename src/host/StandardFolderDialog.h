// The shell's folder browser, limited to file-system folders.
#pragma once

#include <string>

#include "host/Window.h"

namespace formfit {

class StandardFolderDialog {
 public:
  // `title` is shown above the folder tree; `start` is the folder selected
  // when the browser opens (none when empty or not found).
  StandardFolderDialog(const Window* owner, std::string title, std::string start);

  // Shows the browser and waits. True when the user confirmed a folder; then
  // Result() is its path, ending in "\".
  bool Show();
  const std::string& Result() const { return result_; }

 private:
  const Window* owner_;
  std::string title_;
  std::string start_;
  std::string result_;
};

}  // namespace formfit
