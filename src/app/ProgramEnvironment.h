// The engine's environment in the running program: the real file system,
// the language texts of the language file, the setup log and the clock.
#pragma once

#include <string>
#include <string_view>

#include "engine/Formfit.h"

namespace formfit {

class ProgramEnvironment : public EngineEnvironment {
 public:
  FileOps& Files() override;
  // LoadResString with the empty default.
  std::string Text(unsigned number) override;
  void LogTimestamp() override;
  void Log(std::string_view text) override;
  void Pause(unsigned milliseconds) override;
};

}  // namespace formfit
