#include <gtest/gtest.h>

#include <limits>

#include "base/Object.h"
#include "base/Value.h"

namespace formfit {
namespace {

using Kind = Value::Kind;

TEST(Value, EachKindAnswersOnlyItsOwnAccessor) {
  const auto object = std::make_shared<Object>();
  struct Row {
    const char* name;
    Value value;
    Kind kind;
    std::string text;
    double number;
    bool logic;
    Symbol symbol;
  };
  const Row rows[] = {
      {"none", Value(), Kind::None, "", 0, false, Symbol()},
      {"string", Value("Grid"), Kind::String, "Grid", 0, false, Symbol()},
      {"empty string", Value(""), Kind::String, "", 0, false, Symbol()},
      {"number", Value(2.5), Kind::Number, "", 2.5, false, Symbol()},
      {"zero", Value(0), Kind::Number, "", 0, false, Symbol()},
      {"true", Value(true), Kind::Logic, "", 0, true, Symbol()},
      {"false", Value(false), Kind::Logic, "", 0, false, Symbol()},
      {"symbol", Value(Symbol("Mode")), Kind::Symbol, "", 0, false, Symbol("MODE")},
      {"list", Value(ValueList{1, "a"}), Kind::List, "", 0, false, Symbol()},
      {"object", Value(object), Kind::Object, "", 0, false, Symbol()},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.value.GetKind(), row.kind);
    EXPECT_EQ(row.value.IsNone(), row.kind == Kind::None);
    EXPECT_EQ(row.value.AsString(), row.text);
    EXPECT_EQ(row.value.AsNumber(), row.number);
    EXPECT_EQ(row.value.AsLogic(), row.logic);
    EXPECT_EQ(row.value.AsSymbol(), row.symbol);
    EXPECT_EQ(row.value.AsList() != nullptr, row.kind == Kind::List);
    EXPECT_EQ(row.value.AsObject() != nullptr, row.kind == Kind::Object);
  }
}

TEST(Value, NoValueDiffersFromEveryEmptyValue) {
  const Value none;
  for (const Value& empty :
       {Value(""), Value(0), Value(false), Value(Symbol()), Value(ValueList{})}) {
    EXPECT_NE(none, empty);
  }
  EXPECT_EQ(none, Value());
}

TEST(Value, NullReferencesAreNoValue) {
  EXPECT_TRUE(Value(ListRef()).IsNone());
  EXPECT_TRUE(Value(ObjectRef()).IsNone());
}

TEST(Value, IntegerTruncatesAndRefusesWhatDoesNotFit) {
  EXPECT_EQ(Value(3.9).AsInteger(), 3);
  EXPECT_EQ(Value(-3.9).AsInteger(), -3);
  EXPECT_EQ(Value(1e300).AsInteger(), 0);
  EXPECT_EQ(Value(std::numeric_limits<double>::quiet_NaN()).AsInteger(), 0);
  EXPECT_EQ(Value("7").AsInteger(), 0);
}

TEST(Value, ListsAreSharedBetweenCopies) {
  Value list(ValueList{Value("a")});
  Value copy = list;
  copy.AsList()->push_back(Value("b"));
  EXPECT_EQ(*list.AsList(), (ValueList{Value("a"), Value("b")}));
  EXPECT_EQ(Value(ValueList{1, 2}), Value(ValueList{1, 2}));
  EXPECT_NE(Value(ValueList{1, 2}), Value(ValueList{2, 1}));
}

TEST(Value, ObjectsCompareByIdentity) {
  const auto a = std::make_shared<Object>();
  const auto b = std::make_shared<Object>();
  EXPECT_EQ(Value(a), Value(a));
  EXPECT_NE(Value(a), Value(b));
}

TEST(Value, KindsNeverCompareEqualAcrossEachOther) {
  EXPECT_NE(Value(1), Value(true));
  EXPECT_NE(Value("MODE"), Value(Symbol("MODE")));
  EXPECT_EQ(Value(Symbol("Mode")), Value(Symbol("MODE")));
}

}  // namespace
}  // namespace formfit
