#include "base/FailureReason.h"

#include <new>

namespace formfit {

std::string FailureReason(std::exception_ptr failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const std::exception& exception) {
    return exception.what();
  } catch (...) {
    return "an exception of an unknown kind";
  }
}

bool IsMemoryShortage(std::exception_ptr failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const std::bad_alloc&) {
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace formfit
