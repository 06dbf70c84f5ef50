#include "engine/Outcome.h"

#include <utility>

#include "base/StringRules.h"
#include "engine/Formfit.h"

namespace formfit {

namespace {

constexpr char kCrLf[] = "\r\n";

// The description: the row's text, then what the outcome names. Paths the
// user did not type (the folder, a backup) are shown in lower case.
std::string Description(Outcome outcome, const RunFacts& facts, EngineEnvironment& environment) {
  const auto text = [&environment](unsigned number) { return environment.Text(number); };
  const std::string first = text(RowOf(outcome).description);
  switch (outcome) {
    case Outcome::kInstalled:
    case Outcome::kDeinstalled:
    case Outcome::kWriteErrorInBackup:
      return first + kCrLf + Lower(facts.made);
    case Outcome::kRestored:
      return first + kCrLf + Lower(facts.backup) + kCrLf + text(text::kRestoredPreviousSaved) +
             kCrLf + Lower(facts.made);
    case Outcome::kBackupInPlace:
    case Outcome::kNoBackup:
      return first + kCrLf + Lower(facts.backup);
    case Outcome::kConfigurationNotFound:
      return first + kCrLf + Lower(facts.folder) + kCrLf + kCrLf + text(text::kNotFoundAfterFolder);
    case Outcome::kComponentFileNotFound:
      return first + kCrLf + facts.componentFile + kCrLf + kCrLf + text(text::kComponentFileAfter);
    case Outcome::kOpenError:
    case Outcome::kOpenToReadError:
    case Outcome::kInUse:
    case Outcome::kNoPermission:
    case Outcome::kBackupError:
    case Outcome::kWriteErrorRestored:
      return first + kCrLf + facts.path;
    case Outcome::kMemoryLow:
      return first + " " + std::to_string(facts.size / 1024);
    case Outcome::kReadError:
      return first;
    case Outcome::kNotPlaced:
    case Outcome::kNothingOfComponent:
    case Outcome::kCheckInstalled:
    case Outcome::kCheckNotInstalled:
    case Outcome::kCheckInPart:
      return first + kCrLf + facts.componentFile;
  }
  return first;
}

}  // namespace

int ExitStatusOf(Symbol code) {
  for (const OutcomeRow& row : kOutcomes) {
    if (code == Symbol(row.code)) return row.exitStatus;
  }
  return kNoChangeExitStatus;
}

StatusLabel StatusLabelOf(Outcome outcome, std::string caption, const RunFacts& facts,
                          EngineEnvironment& environment) {
  return {Symbol(RowOf(outcome).code), std::move(caption),
          Description(outcome, facts, environment)};
}

}  // namespace formfit
