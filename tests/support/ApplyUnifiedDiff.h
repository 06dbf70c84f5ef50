// Applies a unified diff to a text, strictly: the checks of the diff writer.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace formfit::test {

// `before` changed as `diff` says. None when the diff is malformed or does
// not fit: a hunk head whose numbers disagree with its lines or with where
// it lands, hunks out of order, a context or removed line that differs from
// the text, or a line without LF anywhere but at the end. The empty diff
// leaves the text as it is.
std::optional<std::string> ApplyUnifiedDiff(std::string_view before, std::string_view diff);

}  // namespace formfit::test
