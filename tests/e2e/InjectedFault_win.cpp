// The fault points of formfit_with_faults.exe, a formfit.exe whose runs the
// end-to-end tests make fail: the environment variable FORMFIT_FAULT names
// the point ("setup", "page", "diff", "dialog") where the first pass throws
// std::runtime_error("injected fault at POINT"), or, as "POINT:memory",
// std::bad_alloc. Later passes go through, so the tests can see that the
// program is still usable afterwards.
#include <windows.h>

#include <new>
#include <stdexcept>
#include <string>

#include "base/FaultPoint.h"

namespace formfit {

void FaultPoint(const char* name) {
  static bool thrown = false;
  char wanted[64] = "";
  if (thrown || !GetEnvironmentVariableA("FORMFIT_FAULT", wanted, sizeof wanted)) return;
  const std::string point(name);
  if (wanted == point) {
    thrown = true;
    throw std::runtime_error("injected fault at " + point);
  }
  if (wanted == point + ":memory") {
    thrown = true;
    throw std::bad_alloc();
  }
}

}  // namespace formfit
