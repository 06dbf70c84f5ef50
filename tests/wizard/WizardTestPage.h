// The page class of the wizard tests and the sample wizard.
#pragma once

#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "WizardTestRes.h"
#include "host/TextControls.h"
#include "wizard/qWizard.h"

namespace formfit {

// One log for the owner's notifications and the pages' validations, so a
// test sees their order.
using EventLog = std::vector<std::string>;

// A page from the template TESTPAGE. `Text` is its edit field, `Count` a
// plain number; ValidateData logs and answers `allowLeaving`.
class TestPage : public qWizardPage {
 public:
  TestPage& Init(qWizard& wizard, qComponent::PointArg point) {
    madeAtPoint = std::holds_alternative<Point>(point);
    PreInit(&wizard);
    qWizardPage::Init(&wizard, ResourceID("TESTPAGE"), {}, point);
    text_ = std::make_unique<SingleLineEdit>(*this, IDE_PAGETEXT);
    PostInit();
    return *this;
  }

  bool ValidateData(Symbol action) override {
    if (log) log->push_back("Validate " + action.Name());
    return allowLeaving;
  }

  static const MemberTable& ClassMembers() {
    static const MemberTable table =
        MemberTableOf<TestPage>(&Object::ClassMembers())
            .Property("Text", &TestPage::TextValue, &TestPage::SetText)
            .Property("Count", &TestPage::CountValue, &TestPage::SetCount)
            .Property("ReadOnly", &TestPage::CountValue);
    return table;
  }

  // Makes the class known to every wizard as "TestPage".
  static void Register() {
    qWizard::RegisterPageClass("TestPage", [](qWizard& wizard, qComponent::PointArg point) {
      auto page = std::make_shared<TestPage>();
      page->Init(wizard, point);
      return page;
    });
  }

  static inline EventLog* log = nullptr;
  bool allowLeaving = true;
  bool madeAtPoint = false;
  int count = 0;

 protected:
  const MemberTable& Members() const override { return ClassMembers(); }

 private:
  Value TextValue() const { return text_->TextValue(); }
  Value SetText(const Value& value) {
    text_->SetTextValue(value.AsString());
    return value;
  }
  Value CountValue() const { return count; }
  Value SetCount(const Value& value) {
    count = static_cast<int>(value.AsInteger());
    return value;
  }

  std::unique_ptr<SingleLineEdit> text_;
};

}  // namespace formfit
