#include <gtest/gtest.h>

#include "base/Symbol.h"

namespace formfit {
namespace {

TEST(Symbol, NamesInAnyCaseAreOneSymbol) {
  EXPECT_EQ(Symbol("Add"), Symbol("ADD"));
  EXPECT_EQ(Symbol("add"), Symbol("aDd"));
  EXPECT_EQ(&Symbol("Remove").Name(), &Symbol("REMOVE").Name());
  EXPECT_EQ(Symbol("Add").Name(), "ADD");
  EXPECT_NE(Symbol("Add"), Symbol("Remove"));
  EXPECT_NE(Symbol("Add"), Symbol("Add "));
  EXPECT_EQ(Symbol(), Symbol(""));
}

}  // namespace
}  // namespace formfit
