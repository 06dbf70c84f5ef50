#include <windows.h>

#include "app/App.h"

namespace formfit {

std::vector<std::string> App::GetParameterList() {
  return ::formfit::GetParameterList(GetCommandLineA());
}

}  // namespace formfit
