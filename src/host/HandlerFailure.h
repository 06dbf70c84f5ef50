// Exceptions that leave a window handler where no caller can take them (a
// modeless dialog's procedure, a subclassed control's): the window procedure
// catches them, since none may leave it, and hands them here. The program
// sets one handler that tells the user and puts its window right; without
// one, a failure is only written to the debugger.
#pragma once

#include <exception>
#include <functional>

namespace formfit {

using HandlerFailureHandler = std::function<void(std::exception_ptr)>;

// Sets the handler for every later failure; an empty one removes it.
void SetHandlerFailureHandler(HandlerFailureHandler handler);

// Passes the exception of a failed handler on. The handler runs inside the
// window procedure that caught it: it should note the failure and act once
// the message has been dispatched.
void ReportHandlerFailure(std::exception_ptr failure);

}  // namespace formfit
