// The setup log c:\FORMFIT.LOG: the engine's trail of its steps, one line a
// call, lines ended by CR LF, the file only ever appended to.
//
// Writing is governed by the build option FORMFIT_LOG, off by default: then
// every call returns true and no file is created or touched. The file is
// opened and closed on every call, so an interrupted run keeps every line
// written so far.
//
// A run can ask for its log in a file of its own (LogTo): the lines are then
// written there, the same lines, whatever the build option says.
#pragma once

#include <string>
#include <string_view>

namespace formfit {

// Appends the current date and time ("DD.MM.YYYY HH:MM:SS"). False when the
// log is switched on and its line could not be written.
bool Protocoll();

// Appends a tab and `text` unchanged. False when the log is switched on and
// its line could not be written.
bool Protocoll(std::string_view text);

// From now on every line goes to `path` instead, whether the build option
// is on or off; the build option's file is no longer written.
void LogTo(std::string path);

}  // namespace formfit
