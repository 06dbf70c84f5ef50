// What the mode page says about the chosen component before the user picks
// a change: what the check run finds of it, in one line, and the change
// that follows from it.
#pragma once

#include "app/SetupChoice.h"
#include "engine/Formfit.h"
#include "ui/TextNumbers.h"

namespace formfit {

enum class ComponentState {
  // Whole, as its component file describes it.
  kInstalled,
  kNotInstalled,
  // In part, or from another version of its component file.
  kInPart,
  // Nothing of it can be placed: its component file holds no entries for
  // it, or the configuration file lacks the sections its entries go ahead of
  // (or its line ends are not CR LF).
  kNoEntries,
  kNoPlace,
  // Not checked: the configuration file is missing, the component file is
  // missing, or the configuration file cannot be read.
  kNoConfiguration,
  kNoComponentFile,
  kUnreadable,
};

// A state's line: its language text number and built-in German text.
struct ComponentStateRow {
  ComponentState state;
  unsigned text;
  const char* german;
};

inline constexpr ComponentStateRow kComponentStates[] = {
    {ComponentState::kInstalled, text::kStateInstalled,
     "Die Komponente ist vollständig eingetragen."},
    {ComponentState::kNotInstalled, text::kStateNotInstalled,
     "Die Komponente ist nicht eingetragen."},
    {ComponentState::kInPart, text::kStateInPart, "Zum Teil oder in anderer Fassung eingetragen."},
    {ComponentState::kNoEntries, text::kStateNoEntries,
     "Nicht eintragbar: keine Einträge in der Komponentendatei."},
    {ComponentState::kNoPlace, text::kStateNoPlace,
     "Nicht eintragbar: DEDUDED.INF fehlen die Abschnitte dafür."},
    {ComponentState::kNoConfiguration, text::kStateNoConfiguration,
     "Nicht geprüft: DEDUDED.INF fehlt im Ordner BIN."},
    {ComponentState::kNoComponentFile, text::kStateNoComponentFile,
     "Nicht geprüft: Die Komponentendatei fehlt."},
    {ComponentState::kUnreadable, text::kStateUnreadable,
     "Nicht geprüft: DEDUDED.INF lässt sich nicht lesen."},
};

constexpr const ComponentStateRow& RowOf(ComponentState state) {
  return kComponentStates[static_cast<std::size_t>(state)];
}

// The change to propose: Remove for a component installed whole, else Add.
constexpr Mode ProposedMode(ComponentState state) {
  return state == ComponentState::kInstalled ? Mode::kRemove : Mode::kAdd;
}

// Checks the chosen component in the chosen installation as the check run
// does (reading only: no backup, no rewrite, the attribute as it was),
// through `environment`.
ComponentState CheckComponent(EngineEnvironment& environment, const SetupChoice& choice);

}  // namespace formfit
