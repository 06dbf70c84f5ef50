// What the wizard control's tests share: a page class with named values, an
// owner window that implements a chosen set of handlers and records every
// notification, and a fixture with a wizard over the owner's placeholder.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "WizardTestPage.h"
#include "WizardTestRes.h"
#include "WizardWindowTest.h"
#include "wizard/qWizard.h"
#include "wizard/qWizardRes.h"

namespace formfit {

// The owner window. It has the handler methods it is given (a name and the
// kind of handler it is), so each test chooses which events it hears; every
// call is logged as "Event argument" and answered from the fields below.
class RecordingOwner : public DialogWindow {
 public:
  using Handler = Value (RecordingOwner::*)(const ValueList&);

  explicit RecordingOwner(const std::vector<std::pair<const char*, Handler>>& handlers) {
    auto table = std::make_unique<MemberTableOf<RecordingOwner>>(&Object::ClassMembers());
    for (const auto& [name, handler] : handlers) table->Method(name, handler);
    table_ = std::move(table);
  }

  // Every default handler name with its handler.
  static std::vector<std::pair<const char*, Handler>> All() {
    return {{"OnWizardActivatePage", &RecordingOwner::Activate},
            {"OnWizardDeactivatePage", &RecordingOwner::Deactivate},
            {"OnWizardGetFirstPageNo", &RecordingOwner::First},
            {"OnWizardGetLastPageNo", &RecordingOwner::Last},
            {"OnWizardGetNextPageNo", &RecordingOwner::Next},
            {"OnWizardGetPreviousPageNo", &RecordingOwner::Previous},
            {"OnWizardFinish", &RecordingOwner::Finish},
            {"OnWizardAbort", &RecordingOwner::Abort}};
  }

  Value Activate(const ValueList& args) { return Log("Activate", args, activateAnswer); }
  Value Deactivate(const ValueList& args) { return Log("Deactivate", args, activateAnswer); }
  Value First(const ValueList& args) { return Log("First", args, firstAnswer); }
  Value Last(const ValueList& args) { return Log("Last", args, lastAnswer); }
  Value Next(const ValueList& args) { return Log("Next", args, nextAnswer); }
  Value Previous(const ValueList& args) { return Log("Previous", args, previousAnswer); }
  Value Finish(const ValueList& args) { return Log("Finish", args, finishAnswer); }
  Value Abort(const ValueList& args) { return Log("Abort", args, abortAnswer); }

  EventLog log;
  const qWizard* wizard = nullptr;
  // Runs inside each handler, after logging, with the event's name.
  std::function<void(const std::string&)> during;
  Value activateAnswer = true;
  Value firstAnswer = 0;
  Value lastAnswer = 0;
  Value nextAnswer = 0;
  Value previousAnswer = 0;
  Value finishAnswer = true;
  Value abortAnswer = true;

 protected:
  const MemberTable& Members() const override { return *table_; }

 private:
  Value Log(const std::string& event, const ValueList& args, const Value& answer) {
    std::string entry = event;
    if (args.empty() || args[0].AsObject().get() != wizard) entry += " (not from the wizard)";
    if (args.size() > 1) {
      entry += " " + (args[1].IsSymbol() ? args[1].AsSymbol().Name()
                                         : std::to_string(args[1].AsInteger()));
    }
    log.push_back(entry);
    if (during) during(event);
    return answer;
  }

  std::unique_ptr<MemberTable> table_;
};

// Its members are public so that the rows of table tests can reach them.
class WizardTest : public testing::Test {
 public:
  // The owner implements every handler; MakeWizard with other handlers to
  // choose.
  void SetUp() override { MakeWizard(RecordingOwner::All()); }
  void TearDown() override {
    TestPage::log = nullptr;
    wizard.reset();
    if (owner) owner->Destroy();
  }

  void MakeWizard(const std::vector<std::pair<const char*, RecordingOwner::Handler>>& handlers) {
    wizard.reset();
    owner = std::make_unique<RecordingOwner>(handlers);
    ASSERT_TRUE(owner->Create(nullptr, ResourceID("WIZOWNER")));
    TestPage::Register();
    TestPage::log = &owner->log;
    wizard = std::make_unique<qWizard>();
    owner->wizard = wizard.get();
    wizard->Init(owner.get(), ResourceID(IDP_WIZARD));
    ASSERT_TRUE(wizard->Exists());
    owner->log.clear();
  }

  // Adds test pages named A, B, C, ... and forgets the notifications.
  void AddPages(int count) {
    for (int i = 0; i < count; ++i) {
      const std::string name(1, static_cast<char>('A' + i));
      wizard->AddPage(Symbol(name), "TestPage", "Caption " + name, "Description " + name);
    }
    owner->log.clear();
  }

  // The enabled buttons as "PNFA" (Back, Next, Finish, Cancel), '-' for a
  // disabled one.
  std::string Buttons() const {
    std::string state;
    const char* letters = "PNFA";
    const char* names[] = {"PreviousPage", "NextPage", "Finish", "Abort"};
    for (int i = 0; i < 4; ++i) {
      state += wizard->GetChild(Symbol(names[i]))->IsEnabled() ? letters[i] : '-';
    }
    return state;
  }

  // The names of the visible pages, in list order.
  std::string VisiblePages() const {
    std::string names;
    for (const qWizardPageEntry& entry : *wizard->PageList()) {
      const auto* page = dynamic_cast<const qWizardPage*>(entry.Page.AsObject().get());
      if (page && page->IsVisible()) names += entry.Name.Name();
    }
    return names;
  }

  TestPage* Page(const char* name) {
    return dynamic_cast<TestPage*>(wizard->GetPage(Symbol(name)).get());
  }

  std::string HeaderCaption() const { return wizard->PageInfo()->Caption(); }
  std::string HeaderDescription() const { return wizard->PageInfo()->Description(); }

  std::unique_ptr<RecordingOwner> owner;
  std::unique_ptr<qWizard> wizard;
};

}  // namespace formfit
