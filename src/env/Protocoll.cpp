#include "env/Protocoll.h"

#include <ctime>
#include <optional>
#include <string>

#include "env/LogFile.h"

// Tests build this file once more with the log on and a log file of their own.
#ifndef FORMFIT_LOG_PATH
#define FORMFIT_LOG_PATH "c:\\FORMFIT.LOG"
#endif

namespace formfit {

namespace {

constexpr bool kLogOn = FORMFIT_LOG != 0;

// The file the lines go to; none while the log is off.
std::optional<std::string>& LogPath() {
  static std::optional<std::string> path =
      kLogOn ? std::optional<std::string>(FORMFIT_LOG_PATH) : std::nullopt;
  return path;
}

}  // namespace

bool Protocoll() {
  const std::optional<std::string>& path = LogPath();
  if (!path) return true;
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  if (local == nullptr) return false;
  return AppendLogLine(*path, LogTimestamp(*local));
}

bool Protocoll(std::string_view text) {
  const std::optional<std::string>& path = LogPath();
  if (!path) return true;
  return AppendLogLine(*path, "\t" + std::string(text));
}

void LogTo(std::string path) { LogPath() = std::move(path); }

}  // namespace formfit
