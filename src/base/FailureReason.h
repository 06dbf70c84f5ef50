// What an exception says about itself, for a log line or a message.
#pragma once

#include <exception>
#include <string>

namespace formfit {

// The exception's what(), or a fixed text for one that is no std::exception.
std::string FailureReason(std::exception_ptr failure);

// True when the exception is a lack of memory (std::bad_alloc).
bool IsMemoryShortage(std::exception_ptr failure);

}  // namespace formfit
