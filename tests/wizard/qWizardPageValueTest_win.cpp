// The pages' values: read from the defaults until a page is shown, the list
// of defaults, and the defaults applying again after a new page list.
#include <memory>

#include "WizardFixture.h"

namespace formfit {
namespace {

TEST_F(WizardTest, ValuesComeFromDefaultsUntilThePageIsShown) {
  AddPages(2);
  const Symbol count("Count");
  // Page B was never shown.
  EXPECT_EQ(wizard->GetPageValue(2, count), Value());
  EXPECT_EQ(wizard->SetPageDefaultValue(2, count, 7), Value(true));
  EXPECT_EQ(wizard->GetPageValue(2, count), Value(7));
  EXPECT_EQ(wizard->GetPageValue(2, count, Value(9)), Value(9));
  EXPECT_EQ(wizard->GetPageValue(2, Symbol("Text"), Value("x")), Value("x"));
  // Setting the value makes the page object but still reads the default.
  EXPECT_EQ(wizard->SetPageValue(2, count, 3), Value(3));
  EXPECT_TRUE(wizard->IsPageCreated(2));
  EXPECT_FALSE(wizard->IsPageTouched(2));
  EXPECT_EQ(Page("B")->count, 3);
  EXPECT_EQ(wizard->GetPageValue(2, count), Value(7));
  // The first showing copies the defaults over it.
  wizard->SetPageDefaultValue(2, Symbol("Text"), "C:\\VO28\\");
  wizard->SetPageDefaultValue(2, Symbol("NoSuchValue"), 1);
  wizard->SetCurrentPageNo(2);
  EXPECT_EQ(Page("B")->count, 7);
  EXPECT_EQ(wizard->GetPageValue(2, Symbol("Text")), Value("C:\\VO28\\"));
  EXPECT_EQ(wizard->GetPageValue(2, count, Value(9)), Value(7));
  // A name without a getter still answers the default.
  EXPECT_EQ(wizard->GetPageValue(2, Symbol("NoSuchValue")), Value(1));
  EXPECT_EQ(wizard->SetPageValue(2, Symbol("NoSuchValue"), 2), Value());
  EXPECT_EQ(wizard->SetPageValue(2, Symbol("ReadOnly"), 2), Value());
  // Later defaults change the stored default, not the page, also on later
  // activations.
  wizard->SetPageDefaultValue(2, count, 8);
  EXPECT_EQ(wizard->GetPageDefaultValue(2, count), Value(8));
  wizard->SetCurrentPageNo(1);
  wizard->SetCurrentPageNo(2);
  EXPECT_EQ(wizard->GetPageValue(2, count), Value(7));
}

TEST_F(WizardTest, DefaultValueList) {
  AddPages(1);
  const Symbol mode("Mode");
  EXPECT_FALSE(wizard->DeletePageDefaultValue(1, mode));
  EXPECT_FALSE(wizard->PageList()->at(0).Defaults.has_value());
  wizard->SetPageDefaultValue(1, mode, Symbol("Add"));
  wizard->SetPageDefaultValue(1, Symbol("Folder"), "D:\\");
  wizard->SetPageDefaultValue(1, mode, Symbol("Remove"));
  const qPropertyList& defaults = *wizard->PageList()->at(0).Defaults;
  EXPECT_EQ(defaults.Count(), 2);
  EXPECT_EQ(defaults.GetName(1), mode);
  EXPECT_EQ(wizard->GetPageDefaultValue(1, mode), Value(Symbol("Remove")));
  EXPECT_FALSE(wizard->DeletePageDefaultValue(1, Symbol("Never")));
  EXPECT_TRUE(wizard->DeletePageDefaultValue(1, mode));
  EXPECT_TRUE(wizard->DeletePageDefaultValue(Symbol("A"), Symbol("Folder")));
  EXPECT_EQ(wizard->GetPageDefaultValue(1, mode), Value());
  EXPECT_TRUE(wizard->PageList()->at(0).Defaults.has_value());
}

TEST_F(WizardTest, SetPageListResetsTouchedSoDefaultsApplyAgain) {
  qPropertyList one;
  one.Put(Symbol("Count"), 4);
  qPropertyList two;
  two.Put(Symbol("Count"), 5);
  auto given = std::make_shared<TestPage>();
  given->Init(*wizard, Point{0, 0});
  given->count = 1;
  wizard->SetPageList(std::make_shared<qWizardPageList>(
      qWizardPageList{{Symbol("One"), "TestPage", {}, {}, true, true, one},
                      {Symbol("Two"), ObjectRef(given), {}, {}, true, true, two}}));
  // Page One was activated as if for the first time, and Two answers its
  // default although its object says otherwise.
  EXPECT_EQ(Page("One")->count, 4);
  EXPECT_FALSE(wizard->IsPageTouched(2));
  EXPECT_EQ(wizard->GetPageValue(2, Symbol("Count")), Value(5));
  wizard->SetCurrentPageNo(2);
  EXPECT_EQ(given->count, 5);
}

}  // namespace
}  // namespace formfit
