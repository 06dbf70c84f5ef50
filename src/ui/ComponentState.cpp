#include "ui/ComponentState.h"

#include <iterator>

#include "engine/qIniFile.h"

namespace formfit {

namespace {

constexpr bool StatesInOrder() {
  for (std::size_t i = 0; i < std::size(kComponentStates); ++i) {
    if (static_cast<std::size_t>(kComponentStates[i].state) != i) return false;
  }
  return true;
}
static_assert(StatesInOrder(),
              "kComponentStates holds one row per state, in the order of the enum");

}  // namespace

ComponentState CheckComponent(EngineEnvironment& environment, const SetupChoice& choice) {
  Formfit engine(environment);
  engine.Init(ConfigurationFile(choice));
  engine.Check(choice.componentName, choice.componentFile);
  const Symbol code = engine.Status()->code;
  const auto is = [&code](Outcome outcome) { return code == Symbol(RowOf(outcome).code); };
  if (is(Outcome::kCheckInstalled)) return ComponentState::kInstalled;
  if (is(Outcome::kCheckNotInstalled)) return ComponentState::kNotInstalled;
  if (is(Outcome::kCheckInPart)) return ComponentState::kInPart;
  if (is(Outcome::kNotPlaced)) {
    // The status does not say which side lacks something; the component's
    // own entries tell.
    const Component component = Component::Read(
        qIniFile(choice.componentFile, environment.Files()).Contents(), choice.componentName);
    return component.Contents().empty() ? ComponentState::kNoEntries : ComponentState::kNoPlace;
  }
  if (is(Outcome::kConfigurationNotFound)) return ComponentState::kNoConfiguration;
  if (is(Outcome::kComponentFileNotFound)) return ComponentState::kNoComponentFile;
  return ComponentState::kUnreadable;
}

}  // namespace formfit
