// Whole-text comparison that names the first line where two texts part.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace formfit::test {

// Success when `actual` equals `expected` byte for byte; otherwise the
// failure shows the first differing line of both (line ends made visible).
::testing::AssertionResult SameText(std::string_view expected, std::string_view actual);

// CR LF line ends for texts written in tests with "\n".
std::string Crlf(std::string_view text);

}  // namespace formfit::test
