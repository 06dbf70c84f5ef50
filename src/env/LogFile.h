// The line writer behind the setup log (see Protocoll.h), with the file
// given, so that it can be used on any file.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace formfit {

// Appends `line` and CR LF to the file at `path`, creating it when it does
// not exist. False when the file can be neither opened nor created, or the
// line is not written whole.
bool AppendLogLine(const std::string& path, std::string_view line);

// The date-and-time line for `time`: "DD.MM.YYYY HH:MM:SS", 24-hour clock.
std::string LogTimestamp(const std::tm& time);

}  // namespace formfit
