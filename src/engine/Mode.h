// The runs the engine makes: one row each, with what a run reads besides the
// configuration file and whether it rewrites it.
#pragma once

#include <cstddef>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "engine/TextNumbers.h"

namespace formfit {

enum class Mode { kAdd, kRemove, kCheck, kRestore };

struct ModeRow {
  Mode mode;
  // The word of the mode as the command line writes it.
  const char* word;
  // The run's heading in the log, and the caption of its every status.
  unsigned heading;
  unsigned caption;
  // The run reads a component from its component file; a run that does not
  // reads a numbered backup instead.
  bool takesComponent;
  // The run rewrites the configuration file (opened without sharing); one
  // that does not only reads it.
  bool changes;
};

inline constexpr ModeRow kModes[] = {
    {Mode::kAdd, "Add", text::kInstallHeading, text::kInstallCaption, true, true},
    {Mode::kRemove, "Remove", text::kDeinstallHeading, text::kDeinstallCaption, true, true},
    {Mode::kCheck, "Check", text::kCheckHeading, text::kCheckCaption, true, false},
    {Mode::kRestore, "Restore", text::kRestoreHeading, text::kRestoreCaption, false, true},
};

constexpr bool ModesInOrder() {
  for (std::size_t i = 0; i < std::size(kModes); ++i) {
    if (static_cast<std::size_t>(kModes[i].mode) != i) return false;
  }
  return true;
}
static_assert(ModesInOrder(), "kModes holds one row per mode, in the order of Mode");

constexpr const ModeRow& RowOf(Mode mode) { return kModes[static_cast<std::size_t>(mode)]; }

// One run: its mode, the component and its file (Add, Remove, Check), the
// backup to put back (Restore: its number as a command line gives it; empty
// for the newest).
struct RunRequest {
  Mode mode = Mode::kAdd;
  std::string componentName;
  std::string componentFile;
  std::string backup;
};

// The mode a word names, case aside ("add", "ADD"); none for any other word,
// the empty one too.
std::optional<Mode> ReadMode(std::string_view word);

}  // namespace formfit
