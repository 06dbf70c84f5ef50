#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/Formfit.h"
#include "engine/LiteralKeyLines.h"
#include "support/TextAssert.h"

namespace formfit {

void PrintTo(const Pair& pair, std::ostream* out) { *out << pair.key << "=" << pair.value; }

namespace {

using test::Crlf;
using test::SameText;

// Add rows insert ahead of "[CONTROL]" with the markers "; **** T" and
// "; ---- T"; texts are written with "\n" and get CR LF line ends.
struct AddRow {
  const char* name;
  const char* text;
  Pairs entries;
  const char* expected;
};

TEST(BlockAdd, InsertsAheadOfTheAnchorWithTheBlankLinesOfTheLayout) {
  const AddRow rows[] = {
      {"OneBlankLineStays",
       "A=1\n\n[CONTROL]\n",
       {{"K", "V"}},
       "A=1\n\n; **** T\nK=V\n; ---- T\n\n\n[CONTROL]\n"},
      {"ThreeBlankLinesBecomeOne",
       "A=1\n\n\n\n[CONTROL]\n",
       {{"K", "V"}},
       "A=1\n\n; **** T\nK=V\n; ---- T\n\n\n[CONTROL]\n"},
      {"NoBlankLineGetsNone",
       "A=1\n[CONTROL]\n",
       {{"K", "V"}},
       "A=1\n; **** T\nK=V\n; ---- T\n\n\n[CONTROL]\n"},
      {"BlankRunAtTheStartOfTheText",
       "\n\n\n[CONTROL]\n",
       {{"K", "V"}},
       "\n\n; **** T\nK=V\n; ---- T\n\n\n[CONTROL]\n"},
      {"NoEntriesStillWritesMarkers",
       "A=1\n\n[CONTROL]\n",
       {},
       "A=1\n\n; **** T\n; ---- T\n\n\n[CONTROL]\n"},
      {"FirstOccurrenceOfTheAnchor",
       "A=1\n[CONTROL]\nB=2\n[CONTROL]\n",
       {{"K", "V"}, {"L", ""}},
       "A=1\n; **** T\nK=V\nL=\n; ---- T\n\n\n[CONTROL]\nB=2\n[CONTROL]\n"},
      {"MissingAnchorLeavesTheText", "A=1\n[Control]\n", {{"K", "V"}}, "A=1\n[Control]\n"},
  };
  for (const AddRow& row : rows) {
    EXPECT_TRUE(SameText(
        Crlf(row.expected),
        Formfit::BlockAdd(Crlf(row.text), "\r\n[CONTROL]", row.entries, "; **** T", "; ---- T")))
        << row.name;
  }
  // Without markers only the entries and the blank lines are written.
  EXPECT_TRUE(
      SameText(Crlf("A=1\n\nK=V\n\n\n[CONTROL]\n"),
               Formfit::BlockAdd(Crlf("A=1\n\n[CONTROL]\n"), "\r\n[CONTROL]", {{"K", "V"}})));
}

struct RemoveRow {
  const char* name;
  std::string text;
  std::string expected;
};

TEST(BlockRemove, CutsFromTheStartTextThroughTheEndTextAfterIt) {
  const std::string start = Crlf("\n; **** G:Control\n");
  const std::string end = Crlf("\n; ---- G:Control\n");
  const RemoveRow rows[] = {
      {"BlankLinesAroundStay",
       Crlf("A=1\n\n; **** G:Control\n[G]\nK=V\n; ---- G:Control\n\n\n[B]\n"),
       Crlf("A=1\n\n\n[B]\n")},
      {"EmptyBlockWhoseMarkersShareALineEnd",
       Crlf("A=1\n; **** G:Control\n; ---- G:Control\n\n\n[B]\n"), Crlf("A=1\n\n[B]\n")},
      {"OnlyTheFirstBlock",
       Crlf("A\n; **** G:Control\nX\n; ---- G:Control\nB\n; **** G:Control\nY\n; ---- "
            "G:Control\n"),
       Crlf("AB\n; **** G:Control\nY\n; ---- G:Control\n")},
      {"NoStartText", Crlf("A=1\n; ---- G:Control\n"), Crlf("A=1\n; ---- G:Control\n")},
      {"EndTextOnlyAheadOfTheStart", Crlf("A\n; ---- G:Control\nB\n; **** G:Control\nC\n"),
       Crlf("A\n; ---- G:Control\nB\n; **** G:Control\nC\n")},
  };
  for (const RemoveRow& row : rows) {
    EXPECT_TRUE(SameText(row.expected, Formfit::BlockRemove(row.text, start, end))) << row.name;
  }
}

// Key-line rows work on the range from "[S]" to "[E]"; texts are written
// with "\n" and get CR LF line ends.
struct KeyLineRow {
  const char* name;
  const char* text;
  Pairs entries;
  const char* expected;
  Pairs expectedEntries;
};

void CheckRows(const std::vector<KeyLineRow>& rows, bool extend) {
  for (const KeyLineRow& row : rows) {
    Pairs entries = row.entries;
    const std::string text = Crlf(row.text);
    const std::string result = extend ? Formfit::BlockExtend(text, "\r\n[S]", "\r\n[E]", entries)
                                      : Formfit::BlockReduce(text, "\r\n[S]", "\r\n[E]", entries);
    EXPECT_TRUE(SameText(Crlf(row.expected), result)) << row.name;
    EXPECT_EQ(row.expectedEntries, entries) << row.name;
  }
}

TEST(BlockExtend, AppendsPlusValuesToTheirKeyLinesInTheRange) {
  const char* map = "\n[S]\nKeys=A,B\nEdit=E\n[E]\nLate=L\n";
  CheckRows(
      {{"AppendsAndDropsTheEntry",
        map,
        {{"Keys", "+,C"}},
        "\n[S]\nKeys=A,B,C\nEdit=E\n[E]\nLate=L\n",
        {}},
       {"NoLineStripsThePlus",
        map,
        {{"Grid", "+,C"}, {"Edit", "plain"}},
        map,
        {{"Grid", ",C"}, {"Edit", "plain"}}},
       {"LineBehindTheRangeIsOutside", map, {{"Late", "+,C"}}, map, {{"Late", ",C"}}},
       {"NoStartText", "\nKeys=A\n[E]\n", {{"Keys", "+,C"}}, "\nKeys=A\n[E]\n", {{"Keys", "+,C"}}},
       {"EndTextOnlyAheadOfTheStart",
        "\n[E]\n[S]\nKeys=A\n",
        {{"Keys", "+,C"}},
        "\n[E]\n[S]\nKeys=A\n",
        {{"Keys", "+,C"}}},
       {"LastEntryFirst",
        map,
        {{"Keys", "+,1"}, {"Keys", "+,2"}},
        "\n[S]\nKeys=A,B,2,1\nEdit=E\n[E]\nLate=L\n",
        {}},
       {"KeyLineAtTheRangeEndWithoutLineEnd",
        "\n[S]\nA=1\n[E]=1",
        {{"[E]", "+,2"}},
        "\n[S]\nA=1\n[E]=1,2",
        {}},
       {"LinePushedPastTheRangeEndIsOutside",
        "\n[S]\nA=1\nB=2\n[E]\n",
        {{"B", "+x"}, {"A", "+yyyyyy"}},
        "\n[S]\nA=1yyyyyy\nB=2\n[E]\n",
        {{"B", "x"}}}},
      true);
}

TEST(BlockReduce, TakesTheAppendedTextOutOfTheValuePart) {
  CheckRows({{"UndoesTheExtension",
              "\n[S]\nKeys=A,B,C\n[E]\n",
              {{"Keys", "+,C"}},
              "\n[S]\nKeys=A,B\n[E]\n",
              {}},
             {"KeyIsNotCutIntoWhenTheTextIsMissing",
              "\n[S]\nKeys=A,B\n[E]\n",
              {{"Keys", "+ys"}},
              "\n[S]\nKeys=A,B\n[E]\n",
              {}},
             {"OlderElementThatContainsTheTextStays",
              "\n[S]\nX=A,DataBrowserEx,DataBrowser\n[E]\n",
              {{"X", "+,DataBrowser"}},
              "\n[S]\nX=A,DataBrowserEx\n[E]\n",
              {}},
             {"ElementThatOnlyBeginsWithTheTextStays",
              "\n[S]\nX=A,DataBrowserEx\n[E]\n",
              {{"X", "+,DataBrowser"}},
              "\n[S]\nX=A,DataBrowserEx\n[E]\n",
              {}},
             {"LongerNamePassedOverForTheWholeElement",
              "\n[S]\nX=A,Grid,GridEx\n[E]\n",
              {{"X", "+,Grid"}},
              "\n[S]\nX=A,GridEx\n[E]\n",
              {}},
             {"TextEndingInASeparatorTakenAtItsLastOccurrence",
              "\n[S]\nX=Grid,A,Grid,B\n[E]\n",
              {{"X", "+Grid,"}},
              "\n[S]\nX=Grid,A,B\n[E]\n",
              {}},
             {"NoLineStripsThePlus",
              "\n[S]\nKeys=A\n[E]\n",
              {{"Grid", "+,C"}},
              "\n[S]\nKeys=A\n[E]\n",
              {{"Grid", ",C"}}},
             {"DeletionPullsTheLineBehindTheRangeIn",
              "\n[S]\nA=1xxxxxxx\n[E]\nB=2,q\n",
              {{"B", "+,q"}, {"A", "+xxxxxxx"}},
              "\n[S]\nA=1\n[E]\nB=2\n",
              {}}},
            false);
}

// The engine edits a copy of the range and rebuilds the text once; on
// generated texts full of look-alike keys, markers and stray line-end bytes
// it must give exactly what the plain one-edit-at-a-time way gives.
TEST(BlockExtendAndReduce, AgreeWithThePlainWayOnGeneratedTexts) {
  const char* const pieces[] = {",B", ",C", "A", "=", "xyz", "\r", "\n", "\r\n", "[E]", "K="};
  const char* const keys[] = {"K", "Ke", "", "[E]", "K\r\nA", "B"};
  std::mt19937 random(20261208);
  auto pick = [&](auto& list) { return std::string(list[random() % std::size(list)]); };
  auto somePieces = [&](unsigned most) {
    std::string text;
    for (unsigned n = random() % (most + 1); n > 0; --n) text += pick(pieces);
    return text;
  };
  for (int round = 0; round < 6000; ++round) {
    std::string text = somePieces(3);
    if (random() % 8) text += "\r\n[S]";
    for (unsigned n = random() % 7; n > 0; --n) {
      text += (random() % 6 ? "\r\n" + pick(keys) + "=" : "\r\n[E]") + somePieces(3);
    }
    if (random() % 4) text += "\r\n";
    Pairs entries;
    for (unsigned n = random() % 5; n > 0; --n) {
      entries.push_back({pick(keys), (random() % 4 ? "+" : "") + somePieces(2)});
    }
    // Reduce also gets the extended text, where its texts are to be found.
    Pairs extendedEntries = entries;
    const std::string extended = test::LiteralKeyLines(text, "\r\n[S]", "\r\n[E]", extendedEntries,
                                                       test::KeyLineEdit::kExtend);
    for (const auto& [input, edit] : {std::pair{text, test::KeyLineEdit::kExtend},
                                      {text, test::KeyLineEdit::kReduce},
                                      {extended, test::KeyLineEdit::kReduce}}) {
      Pairs expectedEntries = entries;
      Pairs actualEntries = entries;
      const std::string expected =
          test::LiteralKeyLines(input, "\r\n[S]", "\r\n[E]", expectedEntries, edit);
      const std::string actual =
          edit == test::KeyLineEdit::kExtend
              ? Formfit::BlockExtend(input, "\r\n[S]", "\r\n[E]", actualEntries)
              : Formfit::BlockReduce(input, "\r\n[S]", "\r\n[E]", actualEntries);
      ASSERT_TRUE(SameText(expected, actual)) << "round " << round;
      ASSERT_EQ(expectedEntries, actualEntries) << "round " << round;
    }
  }
}

}  // namespace
}  // namespace formfit
