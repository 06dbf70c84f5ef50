// A preview of the change: the setup action run in full on a file system
// that keeps every change in memory, and the difference it would make to
// the configuration file written out as a unified diff. Nothing of the
// installation changes: no backup, no rewrite, no attribute.
#pragma once

#include <string>
#include <string_view>

#include "app/SetupAction.h"

namespace formfit {

// The diff goes to `previewFile`: three lines of context, the configuration
// file's own bytes (CR LF kept), names a/BIN/DEDUDED.INF and
// b/BIN/DEDUDED.INF; empty when the change would leave the file as it is.
// The result is the one the real run would have had, except that a diff
// that cannot be written, or a preview file that is the configuration file
// or the component file, makes it status::kPreviewNotWrittenExitStatus with
// `ok` false. The diff's file is the choice's preview file. A check's diff is
// the one an Add of its component would make; its outcome is the check's.
SetupResult PreviewAction(EngineEnvironment& environment, const SetupChoice& choice);

}  // namespace formfit
