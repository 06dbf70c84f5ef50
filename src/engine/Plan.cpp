#include "engine/Plan.h"

#include <utility>

namespace formfit {

namespace {

// The plan that ends with `outcome` and logs the row's line.
Plan Decided(Outcome outcome) {
  Plan plan;
  plan.outcome = outcome;
  if (const char* line = RowOf(outcome).log) plan.log.emplace_back(line);
  return plan;
}

// A copy of `original` with room for all the component can add, so that
// neither is copied again while the text is edited.
std::string Workspace(const std::string& original, const Component& component) {
  std::string text;
  text.reserve(original.size() + component.MostAddedBytes());
  text.append(original);
  return text;
}

Plan PlanAdd(const std::string& original, const Component& component) {
  Formfit::Reinstallation result =
      Formfit::ComponentReinstall(Workspace(original, component), component);
  if (!result.placed) return Decided(Outcome::kNotPlaced);
  Plan plan = Decided(Outcome::kInstalled);
  plan.bytes = std::move(result.text);
  plan.writes = true;
  return plan;
}

Plan PlanRemove(const std::string& original, const Component& component) {
  // Taking out only the blocks that bear the component's name would leave
  // its forms and controls behind while reporting success.
  if (component.Empty()) return Decided(Outcome::kNothingOfComponent);
  Plan plan = Decided(Outcome::kDeinstalled);
  plan.bytes = Formfit::ComponentRemove(Workspace(original, component), component);
  plan.writes = true;
  return plan;
}

Outcome Found(Formfit::Finding finding) {
  switch (finding) {
    case Formfit::Finding::kNotPlaced:
      return Outcome::kNotPlaced;
    case Formfit::Finding::kNotInstalled:
      return Outcome::kCheckNotInstalled;
    case Formfit::Finding::kInstalled:
      return Outcome::kCheckInstalled;
    case Formfit::Finding::kInPart:
      return Outcome::kCheckInPart;
  }
  return Outcome::kCheckInPart;
}

Plan PlanCheck(const std::string& original, const Component& component) {
  Inspection inspection = Inspect(original, component);
  Plan plan = Decided(Found(inspection.finding));
  if (inspection.finding != Formfit::Finding::kNotPlaced) {
    plan.bytes = std::move(inspection.reinstalled);
  }
  return plan;
}

Plan PlanRestore(const std::string& original, PlanSource& source) {
  if (source.backupBytes == original) {
    Plan plan = Decided(Outcome::kBackupInPlace);
    plan.log.back() += source.backup;
    return plan;
  }
  Plan plan = Decided(Outcome::kRestored);
  plan.bytes = std::move(source.backupBytes);
  plan.writes = true;
  plan.putBack = source.backup;
  return plan;
}

}  // namespace

Plan PlanFor(Mode mode, const std::string& original, PlanSource& source) {
  switch (mode) {
    case Mode::kAdd:
      return PlanAdd(original, source.component);
    case Mode::kRemove:
      return PlanRemove(original, source.component);
    case Mode::kCheck:
      return PlanCheck(original, source.component);
    case Mode::kRestore:
      return PlanRestore(original, source);
  }
  return Decided(Outcome::kNotPlaced);
}

}  // namespace formfit
