// The one step of a run that touches the configuration file: it opens the
// file (to change it: held without sharing from the read to the close),
// reads it whole, asks the plan, and where the plan writes, makes the
// numbered backup (temporary name, flushed, then numbered) and writes the
// plan's bytes in place, putting the old bytes back when that fails. It
// hands back how the run ended.
//
// Any failure before the write leaves the file as it was, its read-only
// attribute too. The log gets the file's size, the plan's lines and each
// step the commit takes.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "engine/Formfit.h"
#include "engine/Outcome.h"
#include "engine/Plan.h"

namespace formfit {

// The plan for the bytes as read.
using Planner = std::function<Plan(const std::string& original)>;

enum class Access {
  // The file is only read: opened with others allowed to read it.
  kRead,
  // The file is to be changed: made writable and opened to read and write.
  kChange,
};

struct Committed {
  Outcome outcome = Outcome::kReadError;
  // The backup the run made; a preview's: the one a change would make.
  std::string made;
  // The file's size, once read.
  std::uint64_t size = 0;
  // The bytes as read, and the plan's bytes (none when the file would stay
  // as it is).
  std::string original;
  std::optional<std::string> bytes;
};

// The commit. Before the backup it removes the temporary files that killed
// runs left beside the file (Leftovers), except those someone holds open,
// and logs "leftover removed: " and the path of each.
Committed Commit(EngineEnvironment& environment, const std::string& path, Access access,
                 const Planner& plan);

// The commit as a preview: the file is only read, nothing on disk changes,
// and the log gets the lines the commit would write, the backup named as
// the change would name it. A failed open is reported as for `access`.
Committed PreviewCommit(EngineEnvironment& environment, const std::string& path, Access access,
                        const Planner& plan);

}  // namespace formfit
