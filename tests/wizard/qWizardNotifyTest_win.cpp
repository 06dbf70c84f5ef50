// The owner's notifications: the answers the wizard takes from them, the
// handlers' arguments, the built-in rules without handlers, and the names set.
#include <array>

#include "WizardFixture.h"

namespace formfit {
namespace {

TEST_F(WizardTest, SendNotifyAnswers) {
  struct Row {
    const char* event;
    Value answer;
    Value expected;
  };
  const Row rows[] = {
      {"Finish", false, false},        {"Finish", true, true},
      {"Finish", Value(), true},       {"Finish", 0, true},
      {"Abort", "no", true},           {"Abort", false, false},
      {"ActivatePage", false, false},  {"DeactivatePage", Value(), true},
      {"GetFirstPage", 3, 3},          {"GetFirstPage", "3", 0},
      {"GetLastPage", true, 0},        {"GetNextPage", 2.5, 2.5},
      {"GetPreviousPage", Value(), 0}, {"NoSuchEvent", true, Value()},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.event);
    owner->activateAnswer = owner->firstAnswer = owner->lastAnswer = owner->nextAnswer =
        owner->previousAnswer = owner->finishAnswer = owner->abortAnswer = row.answer;
    EXPECT_EQ(wizard->SendNotify(Symbol(row.event), 1), row.expected);
  }
}

TEST_F(WizardTest, HandlersGetTheWizardAndTheEventsArgument) {
  const struct {
    const char* event;
    Value argument;
    const char* logged;
  } rows[] = {{"ActivatePage", Symbol("Mode"), "Activate MODE"},
              {"DeactivatePage", Symbol("Mode"), "Deactivate MODE"},
              {"GetFirstPage", 5, "First"},
              {"GetLastPage", 5, "Last"},
              {"GetNextPage", 5, "Next 5"},
              {"GetPreviousPage", 5, "Previous 5"},
              {"Finish", 5, "Finish"},
              {"Abort", 5, "Abort"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.event);
    owner->log.clear();
    wizard->SendNotify(Symbol(row.event), row.argument);
    EXPECT_EQ(owner->log, EventLog{row.logged});
  }
}

TEST_F(WizardTest, AnOwnerWithoutHandlersGetsTheBuiltInRules) {
  MakeWizard({});
  AddPages(3);
  for (const char* event : {"ActivatePage", "DeactivatePage", "Finish", "Abort"}) {
    EXPECT_EQ(wizard->SendNotify(Symbol(event), 1), Value(true)) << event;
  }
  for (const char* event : {"GetFirstPage", "GetLastPage", "GetNextPage", "GetPreviousPage"}) {
    EXPECT_EQ(wizard->SendNotify(Symbol(event), 1), Value(0)) << event;
  }
  EXPECT_TRUE(wizard->OnNextPage());
  EXPECT_EQ(wizard->CurrentPageNo(), 2);
  EXPECT_TRUE(wizard->OnAbort());
  EXPECT_EQ(Buttons(), "----");
  wizard->SetCurrentPageNo(3);
  EXPECT_TRUE(wizard->OnFinish());
  EXPECT_EQ(Buttons(), "----");
}

TEST_F(WizardTest, EachEventCallsOnlyItsOwnHandler) {
  MakeWizard({{"OnWizardGetLastPageNo", &RecordingOwner::Last}});
  AddPages(4);
  owner->lastAnswer = 2;
  owner->log.clear();
  EXPECT_EQ(wizard->GetLastPageNo(), 2);
  EXPECT_EQ(wizard->GetFirstPageNo(), 1);
  wizard->SetCurrentPageNo(2);
  EXPECT_EQ(Buttons(), "P-FA");
  EXPECT_EQ(owner->log, (EventLog{"Last", "Last", "Last"}));
}

TEST_F(WizardTest, SetNotificationTakesOnlyNamesTheOwnerHas) {
  MakeWizard({{"OnWizardFinish", &RecordingOwner::Finish},
              {"MyFinish", &RecordingOwner::Abort},
              {"MyFirst", &RecordingOwner::First}});
  std::array<Symbol, 8> names{};
  names[2] = Symbol("MyFirst");
  names[6] = Symbol("MyFinish");
  names[7] = Symbol("NoSuchHandler");
  EXPECT_TRUE(wizard->SetNotification(names));
  EXPECT_EQ(wizard->SendNotify(Symbol("Finish")), Value(true));
  EXPECT_EQ(wizard->SendNotify(Symbol("Abort")), Value(true));
  EXPECT_EQ(wizard->SendNotify(Symbol("GetFirstPage")), Value(0));
  EXPECT_EQ(owner->log, (EventLog{"Abort", "First"}));
  // A name the owner lacks leaves the earlier registration.
  names = {};
  names[6] = Symbol("NoSuchHandler");
  wizard->SetNotification(names);
  owner->log.clear();
  wizard->SendNotify(Symbol("Finish"));
  EXPECT_EQ(owner->log, EventLog{"Abort"});
}

}  // namespace
}  // namespace formfit
