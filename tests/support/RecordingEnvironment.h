// An engine environment for tests: every language text is "T" and its number
// (so a wrong number shows in whole-text comparisons), every log line is
// kept, a date-and-time line as "<time>", and a pause only counts the time
// it would take.
#pragma once

#include <string>
#include <string_view>

#include "base/FileOps.h"
#include "engine/Formfit.h"

namespace formfit::test {

class RecordingEnvironment : public EngineEnvironment {
 public:
  explicit RecordingEnvironment(FileOps& files = SystemFileOps()) : files_(files) {}

  FileOps& Files() override { return files_; }
  std::string Text(unsigned number) override { return "T" + std::to_string(number); }
  void LogTimestamp() override { log_ += "<time>\n"; }
  void Log(std::string_view text) override {
    log_ += text;
    log_ += '\n';
  }

  void Pause(unsigned milliseconds) override { paused_ += milliseconds; }

  // Every line logged so far, each ended by "\n".
  const std::string& LogText() const { return log_; }
  // The milliseconds all pauses so far would have taken.
  unsigned long Paused() const { return paused_; }

 private:
  FileOps& files_;
  std::string log_;
  unsigned long paused_ = 0;
};

}  // namespace formfit::test
