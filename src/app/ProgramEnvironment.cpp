#include "app/ProgramEnvironment.h"

#include <chrono>
#include <thread>

#include "env/LanguageStrings.h"
#include "env/Protocoll.h"

namespace formfit {

FileOps& ProgramEnvironment::Files() { return SystemFileOps(); }

std::string ProgramEnvironment::Text(unsigned number) { return LoadResString("", number); }

// The engine carries on whether or not the log could be written.
void ProgramEnvironment::LogTimestamp() { Protocoll(); }

void ProgramEnvironment::Log(std::string_view text) { Protocoll(text); }

void ProgramEnvironment::Pause(unsigned milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace formfit
