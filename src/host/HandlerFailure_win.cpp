#include <windows.h>

#include "host/HandlerFailure.h"

namespace formfit {

namespace {

HandlerFailureHandler& Handler() {
  static HandlerFailureHandler handler;
  return handler;
}

}  // namespace

void SetHandlerFailureHandler(HandlerFailureHandler handler) { Handler() = std::move(handler); }

void ReportHandlerFailure(std::exception_ptr failure) {
  if (Handler()) {
    Handler()(failure);
  } else {
    OutputDebugStringA("formfit: a window handler failed\n");
  }
}

}  // namespace formfit
