// A preview of the change: the run's own read and plan, and the difference
// it would make to the configuration file as a unified diff. Nothing of the
// installation changes: no backup, no rewrite, no attribute.
#pragma once

#include <string>

#include "app/SetupAction.h"

namespace formfit {

// The preview of the run `choice` asks for, in memory: the result the real
// run would have had, with the same log lines, and the diff of the
// configuration file's bytes against those the run would leave: three
// lines of context, the file's own bytes (CR LF kept), names
// a/BIN/DEDUDED.INF and b/BIN/DEDUDED.INF; empty when the run would leave
// the file as it is. A check's diff is the one an Add of its component
// would make; its result is the check's. Reads only.
struct PreviewResult {
  SetupResult result;
  std::string diff;
};
PreviewResult PreviewChange(EngineEnvironment& environment, const SetupChoice& choice);

// PreviewChange, its diff written to the choice's preview file. A diff that
// cannot be written, or a preview file that names one of the installation's
// own files (see GuardedFiles.h), makes the result
// kPreviewNotWrittenExitStatus with `ok` false; nothing is written then.
SetupResult PreviewAction(EngineEnvironment& environment, const SetupChoice& choice);

}  // namespace formfit
