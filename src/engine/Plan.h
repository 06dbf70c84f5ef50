// What a run decides from bytes alone: from the configuration file's bytes
// as read, and the component or the backup's bytes read before, its
// outcome and the file's new bytes. A plan touches no file and logs
// nothing: what the log is to say it hands back.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/Component.h"
#include "engine/Formfit.h"
#include "engine/Mode.h"
#include "engine/Outcome.h"

namespace formfit {

struct Plan {
  // What the run ends with when the commit succeeds.
  Outcome outcome = Outcome::kNotPlaced;
  // The configuration file's bytes after the change; none when it would
  // stay as it is.
  std::optional<std::string> bytes;
  // The run writes `bytes` over the file. A check writes nothing: its bytes
  // are those an Add would write.
  bool writes = false;
  // The lines the log gets once the plan is made.
  std::vector<std::string> log;
  // Restore: the backup whose bytes are put back; the log names it after the
  // write.
  std::string putBack;
};

// What a run reads besides the configuration file, read once before it.
struct PlanSource {
  // Add, Remove and Check.
  Component component;
  // Restore: the chosen backup and its bytes, which the plan takes over.
  std::string backup;
  std::string backupBytes;
};

// The plan of `mode` for the configuration file's bytes `original`. Throws
// std::bad_alloc when memory runs out.
Plan PlanFor(Mode mode, const std::string& original, PlanSource& source);

// What ComponentCheck finds, and the text a ComponentReinstall makes, which
// it compares with.
struct Inspection {
  Formfit::Finding finding;
  std::string reinstalled;
};
Inspection Inspect(const std::string& text, const Component& component);

}  // namespace formfit
