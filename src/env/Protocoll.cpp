#include "env/Protocoll.h"

#include <ctime>
#include <string>

#include "env/LogFile.h"

// Tests build this file once more with the log on and a log file of their own.
#ifndef FORMFIT_LOG_PATH
#define FORMFIT_LOG_PATH "c:\\FORMFIT.LOG"
#endif

namespace formfit {

namespace {

constexpr bool kLogOn = FORMFIT_LOG != 0;
constexpr const char* kLogPath = FORMFIT_LOG_PATH;

}  // namespace

bool Protocoll() {
  if (!kLogOn) return true;
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  if (local == nullptr) return false;
  return AppendLogLine(kLogPath, LogTimestamp(*local));
}

bool Protocoll(std::string_view text) {
  if (!kLogOn) return true;
  return AppendLogLine(kLogPath, "\t" + std::string(text));
}

}  // namespace formfit
