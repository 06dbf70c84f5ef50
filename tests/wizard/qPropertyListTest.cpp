#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wizard/qPropertyList.h"

namespace formfit {
namespace {

const Symbol A("A"), B("B"), C("C");

// The names in position order, as the wizard walks a list.
std::vector<std::string> Names(const qPropertyList& list) {
  std::vector<std::string> names;
  for (int i = 1; i <= list.Count(); ++i) names.push_back(list.GetName(i).Name());
  return names;
}

TEST(qPropertyList, PutReplacesInPlaceAndAppendsNewNames) {
  qPropertyList list;
  EXPECT_TRUE(list.Put(A, 1));
  EXPECT_TRUE(list.Put(B, 2));
  EXPECT_TRUE(list.Put(Symbol("a"), 3));
  EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(list.Get(A), Value(3));
  EXPECT_EQ(list.Get(B), Value(2));
}

TEST(qPropertyList, GetOfAnAbsentNameAnswersTheDefault) {
  qPropertyList list;
  list.Put(A, "x");
  EXPECT_EQ(list.Get(B), Value());
  EXPECT_EQ(list.Get(B, "fallback"), Value("fallback"));
  EXPECT_EQ(list.Get(A, "fallback"), Value("x"));
  // A stored no value is a pair all the same.
  list.Put(C, Value());
  EXPECT_TRUE(list.Exist(C));
  EXPECT_EQ(list.Get(C, "fallback"), Value());
}

TEST(qPropertyList, DeleteClosesTheGap) {
  qPropertyList list;
  list.Put(A, 1);
  list.Put(B, 2);
  list.Put(C, 3);
  EXPECT_FALSE(list.Delete(Symbol("D")));
  EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_TRUE(list.Delete(A));
  EXPECT_EQ(Names(list), (std::vector<std::string>{"B", "C"}));
  EXPECT_FALSE(list.Exist(A));
  EXPECT_FALSE(list.Delete(A));
}

TEST(qPropertyList, GetNameOutsideTheListIsTheEmptySymbol) {
  qPropertyList list;
  for (int index : {-1, 0, 1, 2}) EXPECT_EQ(list.GetName(index), Symbol()) << index;
  list.Put(A, 1);
  EXPECT_EQ(list.GetName(0), Symbol());
  EXPECT_EQ(list.GetName(1), A);
  EXPECT_EQ(list.GetName(2), Symbol());
}

TEST(qPropertyList, ClearEmptiesAndAlwaysSucceeds) {
  qPropertyList list;
  EXPECT_TRUE(list.Clear());
  list.Put(A, 1);
  list.Put(B, 2);
  EXPECT_TRUE(list.Clear());
  EXPECT_EQ(list.Count(), 0);
  EXPECT_FALSE(list.Exist(A));
}

TEST(qPropertyList, ListValuesAreSharedNotCopied) {
  qPropertyList list;
  Value items(ValueList{Value("Grid")});
  list.Put(A, items);
  items.AsList()->push_back(Value("Alpha"));
  EXPECT_EQ(list.Get(A).AsList()->size(), 2u);
}

}  // namespace
}  // namespace formfit
