// The shipped language files: both read, both word the same numbers, and
// every number the program asks for has a text.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/TextNumbers.h"
#include "env/LanguageStrings.h"
#include "ui/TextNumbers.h"

namespace formfit {
namespace {

const std::string kResources = FORMFIT_RESOURCES_DIR "/";

std::set<unsigned> Numbers(const LanguageTable& table) {
  std::set<unsigned> numbers;
  for (const LanguageTable::Entry& entry : table.Entries()) numbers.insert(entry.number);
  return numbers;
}

// Every text number the program asks for.
std::set<unsigned> NumbersInUse() {
  std::set<unsigned> numbers(text::kWizardTexts.begin(), text::kWizardTexts.end());
  numbers.insert(text::kEngineTexts.begin(), text::kEngineTexts.end());
  return numbers;
}

TEST(LanguageFiles, GermanAndEnglishWordTheSameNumbers) {
  const LanguageTable german = LanguageTable::FromFile(kResources + "Formfit.sys");
  const LanguageTable english = LanguageTable::FromFile(kResources + "Formfit.en.sys");
  std::set<unsigned> expected = NumbersInUse();
  // Number 0 is the table's own last entry.
  expected.insert(0);
  EXPECT_EQ(expected, Numbers(german));
  EXPECT_EQ(expected, Numbers(english));
  // One entry a number: no number is worded twice.
  EXPECT_EQ(expected.size(), german.Entries().size());
  EXPECT_EQ(expected.size(), english.Entries().size());
}

TEST(LanguageFiles, EveryNumberInUseHasAText) {
  for (const char* file : {"Formfit.sys", "Formfit.en.sys"}) {
    const LanguageTable table = LanguageTable::FromFile(kResources + file);
    for (unsigned number : NumbersInUse()) {
      EXPECT_NE("", table.Lookup(number, "")) << file << " " << number;
    }
  }
}

TEST(LanguageFiles, LineBreaksAreRead) {
  const LanguageTable german = LanguageTable::FromFile(kResources + "Formfit.sys");
  EXPECT_EQ(
      "Die Komponente wurde dem VO-Window-Editor hinzugef\xFCgt.\r\n"
      "Die vorherige Konfiguration ist gesichert in:",
      german.Lookup(212, ""));
}

}  // namespace
}  // namespace formfit
