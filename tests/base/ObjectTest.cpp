#include <gtest/gtest.h>

#include "base/Object.h"

namespace formfit {
namespace {

class Page : public Object {
 public:
  Value FolderValue() const { return folder_; }
  Value SetFolderValue(const Value& value) {
    folder_ = value.AsString();
    return value;
  }
  Value CountValue() const { return count_; }
  Value Touch(const ValueList& args) {
    count_ += static_cast<int>(args.size()) + 1;
    return true;
  }

  static const MemberTable& ClassMembers() {
    static const MemberTable table =
        MemberTableOf<Page>(&Object::ClassMembers())
            .Property("Folder", &Page::FolderValue, &Page::SetFolderValue)
            .Property("Count", &Page::CountValue)
            .Method("Touch", &Page::Touch);
    return table;
  }

 protected:
  const MemberTable& Members() const override { return ClassMembers(); }

  std::string folder_;
  int count_ = 0;
};

// Hides Folder with a property of its own and adds a write-only one.
class FolderPage : public Page {
 public:
  Value ShoutedFolder() const { return "[" + folder_ + "]"; }
  Value SetMode(const Value& value) {
    mode_ = value.AsSymbol();
    return value;
  }
  Symbol mode_;

  static const MemberTable& ClassMembers() {
    static const MemberTable table = MemberTableOf<FolderPage>(&Page::ClassMembers())
                                         .Property("Folder", &FolderPage::ShoutedFolder)
                                         .WriteOnly("Mode", &FolderPage::SetMode);
    return table;
  }

 protected:
  const MemberTable& Members() const override { return ClassMembers(); }
};

TEST(Object, AnswersNamesInAnyCase) {
  Page page;
  EXPECT_TRUE(page.HasSetter(Symbol("folder")));
  EXPECT_EQ(page.Set(Symbol("FOLDER"), "C:\\VO28\\"), Value("C:\\VO28\\"));
  EXPECT_EQ(page.Get(Symbol("Folder")), Value("C:\\VO28\\"));
}

TEST(Object, ReadOnlyPropertyHasNoSetter) {
  Page page;
  EXPECT_TRUE(page.HasGetter(Symbol("Count")));
  EXPECT_FALSE(page.HasSetter(Symbol("Count")));
  EXPECT_EQ(page.Set(Symbol("Count"), 5), Value());
  EXPECT_EQ(page.Get(Symbol("Count")), Value(0));
}

TEST(Object, UnknownNamesAnswerNoValueAndChangeNothing) {
  Page page;
  EXPECT_FALSE(page.HasGetter(Symbol("Mode")));
  EXPECT_FALSE(page.HasMethod(Symbol("Folder")));
  EXPECT_EQ(page.Get(Symbol("Mode")), Value());
  EXPECT_EQ(page.Call(Symbol("OnWizardFinish")), Value());
  EXPECT_EQ(page.Get(Symbol("Count")), Value(0));
}

TEST(Object, MethodsReceiveTheirArguments) {
  Page page;
  EXPECT_TRUE(page.HasMethod(Symbol("Touch")));
  EXPECT_EQ(page.Call(Symbol("Touch"), {Value(1), Value(2)}), Value(true));
  EXPECT_EQ(page.Get(Symbol("Count")), Value(3));
}

TEST(Object, DerivedTableHidesAndExtendsTheBase) {
  FolderPage page;
  const Symbol folder("Folder");
  EXPECT_TRUE(page.HasSetter(folder));  // the base's setter stays reachable
  page.Set(folder, "D:\\");
  EXPECT_EQ(page.Get(folder), Value("[D:\\]"));
  EXPECT_FALSE(page.HasGetter(Symbol("Mode")));
  EXPECT_EQ(page.Set(Symbol("Mode"), Symbol("Add")), Value(Symbol("ADD")));
  EXPECT_EQ(page.mode_, Symbol("Add"));
  EXPECT_TRUE(page.HasMethod(Symbol("Touch")));
  // A plain Object knows no names at all.
  EXPECT_FALSE(Object().HasGetter(folder));
}

}  // namespace
}  // namespace formfit
