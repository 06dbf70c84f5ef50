#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "engine/Formfit.h"
#include "engine/qIniFile.h"
#include "support/BlankLines.h"
#include "support/StepByStepComponent.h"
#include "support/TempDir.h"
#include "support/TextAssert.h"

namespace formfit {
namespace {

using test::Crlf;
using test::SameText;
using test::WithoutBlankLines;

// A small configuration text with every landmark, a form followed by
// another section, and a look-alike header ([PushButtonEx]) ahead of
// [PushButton].
const std::string kConfiguration = Crlf(
    "; head\n"
    "[FORM:Main]\nCaption=Main\n\n"
    "[FORM:Other]\nCaption=O\n\n"
    "[CONTROL]\nCount=1\n\n"
    "[PushButtonEx]\nA=1\n\n"
    "[GroupBox]\nB=1\n\n"
    "[PushButton]\nC=1\n\n"
    "[AssignMap]\nButton=PushButton\nEdit=SingleLineEdit\n\n"
    "[StdProperties]\nCommon=Name\n\n"
    ";**** Association between types and controls\nC=SingleLineEdit\n\n"
    "[SupplementalFiles]\n1=A.TPL\n");

// kConfiguration with `replacements` applied in order, each to the first
// occurrence of its text: a readable way to write an expected text.
std::string Edited(std::vector<std::pair<std::string, std::string>> replacements) {
  std::string text = kConfiguration;
  for (const auto& [from, to] : replacements) {
    const size_t at = text.find(Crlf(from));
    EXPECT_NE(std::string::npos, at) << from;
    if (at != std::string::npos) text.replace(at, Crlf(from).size(), Crlf(to));
  }
  return text;
}

// The component `name` of a component file with the lines `wed`.
Component Read(const std::string& wed, const std::string& name = "Grid") {
  return Component::Read(IniText(Crlf(wed)), name);
}

struct AddRow {
  const char* name;
  std::string wed;
  std::string component;
  std::string expected;
};

TEST(ComponentTest, AddWritesEachKindOfBlockWhereItBelongs) {
  const AddRow rows[] = {
      {"NothingToAdd", "[Other]\nX=1\n", "Grid", kConfiguration},
      {"MissingAndEmptySectionsWriteNothing",
       "[CONTENTS]\nA=Missing\nB=Empty\nC=+FORM:Empty\n[Empty]\n", "Grid", kConfiguration},
      {"NewControlAheadOfAssignMap", "[CONTENTS]\nG=GridControl\n[GridControl]\nClass=Grid\n",
       "Grid",
       Edited({{"C=1\n\n[AssignMap]",
                "C=1\n\n; **** G:Control\n[GridControl]\nClass=Grid\n; ---- G:Control\n\n\n"
                "[AssignMap]"}})},
      {"NewFormAheadOfCONTROL", "[CONTENTS]\nW=form:GridWin\n[FORM:GRIDWIN]\nCaption=G\n", "Grid",
       Edited({{"Caption=O\n\n[CONTROL]",
                "Caption=O\n\n; **** W:Form\n[form:GridWin]\nCaption=G\n; ---- W:Form\n\n\n"
                "[CONTROL]"}})},
      {"ExtensionAtTheEndOfTheSection", "[CONTENTS]\nM=+FORM:Main\n[FORM:Main]\nMenu=GridMenu\n",
       "Grid",
       Edited({{"Caption=Main\n\n[FORM:Other]",
                "Caption=Main\n\n; **** M:Grid\nMenu=GridMenu\n; ---- M:Grid\n\n\n[FORM:Other]"}})},
      {"ExtensionAheadOfTheNextHeaderNotItsLookAlike",
       "[CONTENTS]\nX=+GroupBox\n[GroupBox]\nGrid=1\n", "Grid",
       Edited({{"B=1\n\n[PushButton]\n",
                "B=1\n\n; **** X:Grid\nGrid=1\n; ---- X:Grid\n\n\n[PushButton]\n"}})},
      {"ExtensionWithoutSectionOrFollowingHeaderWritesNothing",
       "[CONTENTS]\nA=+FORM:Nowhere\nB=+SupplementalFiles\n[FORM:Nowhere]\nX=1\n"
       "[SupplementalFiles]\n2=B.TPL\n",
       "Grid", kConfiguration},
      {"PartEntriesWithAndWithoutKeyLines",
       "[AssignMap]\nButton=+,GridButton\n"
       "[StdProperties]\nCommon=+,Rows\nGrid=Columns\nGridX=+,Width\n"
       "[StdProperties II]\nC=+,GridControl\n",
       "Grid",
       Edited({{"Button=PushButton\n", "Button=PushButton,GridButton\n"},
               {"SingleLineEdit\n\n[StdProperties]\nCommon=Name\n",
                "SingleLineEdit\n\n; **** Grid:AssignMap\n; ---- Grid:AssignMap\n\n\n"
                "[StdProperties]\nCommon=Name,Rows\n"},
               {"\n;****",
                "\n; **** Grid:StdProperties\nGrid=Columns\nGridX=,Width\n"
                "; ---- Grid:StdProperties\n\n\n;****"},
               {"C=SingleLineEdit\n\n[Supp",
                "C=SingleLineEdit,GridControl\n\n; **** Grid:Association\n"
                "; ---- Grid:Association\n\n\n[Supp"}})},
      {"FloatBarRule",
       "[CONTENTS]\nA=Full\nB=Bare\nC=Second\nD=DriveOnly\n"
       "[Full]\nfloatBar=C:\\VO28\\BIN\\GRIDBAR.DLL\nFloatBarTip=D:\\X\\Y.DLL\n"
       "[Bare]\nFloatBar=GRIDBAR.DLL\n"
       "[Second]\nFloatBar2=D:\\Tools\\CALBAR.DLL\nFloatBar=E:\\Z\\Z.DLL\n"
       "[DriveOnly]\nFloatBar=C:GRIDBAR.DLL\n",
       "Grid",
       Edited({{"C=1\n\n[AssignMap]",
                "C=1\n\n"
                "; **** A:Control\n[Full]\nfloatBar=GRIDBAR\nFloatBarTip=D:\\X\\Y.DLL\n"
                "; ---- A:Control\n\n"
                "; **** B:Control\n[Bare]\nFloatBar=GRIDBAR.DLL\n; ---- B:Control\n\n"
                "; **** C:Control\n[Second]\nFloatBar2=CALBAR\nFloatBar=E:\\Z\\Z.DLL\n"
                "; ---- C:Control\n\n"
                "; **** D:Control\n[DriveOnly]\nFloatBar=C:GRIDBAR.DLL\n; ---- D:Control\n\n\n"
                "[AssignMap]"}})},
      {"OwnContentsSectionWins",
       "[CONTENTS]\nGrid=Tabelle\nCal=Kalender\n[CONTENTS:grid]\nM=+FORM:Main\n"
       "[FORM:Main]\nMenu=GridMenu\n",
       "Grid",
       Edited({{"Caption=Main\n\n[FORM:Other]",
                "Caption=Main\n\n; **** M:Grid\nMenu=GridMenu\n; ---- M:Grid\n\n\n[FORM:Other]"}})},
      {"ContentsListForAnyNameCarriesThatName",
       "[CONTENTS]\nM=+FORM:Main\n[FORM:Main]\nMenu=GridMenu\n", "Whatever",
       Edited({{"Caption=Main\n\n[FORM:Other]",
                "Caption=Main\n\n; **** M:Whatever\nMenu=GridMenu\n; ---- M:Whatever\n\n\n"
                "[FORM:Other]"}})},
      {"LongerOwnSectionNameGivesAnEmptyList",
       "[CONTENTS]\nM=+FORM:Main\n[CONTENTS:GRIDX]\nM=+FORM:Main\n[FORM:Main]\nMenu=GridMenu\n"
       "[AssignMap]\nButton=+,GridButton\n",
       "GRID",
       Edited({{"Button=PushButton\n", "Button=PushButton,GridButton\n"},
               {"SingleLineEdit\n\n[StdProperties]",
                "SingleLineEdit\n\n; **** GRID:AssignMap\n; ---- GRID:AssignMap\n\n\n"
                "[StdProperties]"}})},
  };
  for (const AddRow& row : rows) {
    EXPECT_TRUE(
        SameText(row.expected, Formfit::ComponentAdd(kConfiguration, Read(row.wed, row.component))))
        << row.name;
  }
}

const std::string kGridWed =
    "[CONTENTS]\nG=GridControl\nW=FORM:GridWin\nM=+FORM:Main\n"
    "[GridControl]\nClass=Grid\n[FORM:GridWin]\nCaption=G\n[FORM:Main]\nMenu=GridMenu\n"
    "[AssignMap]\nButton=+,GridButton\nGrid=GridControl\n"
    "[StdProperties]\nCommon=+,Rows\n[StdProperties II]\nC=+,GridControl\nO=+GridControl\n";

struct RemoveRow {
  const char* name;
  std::string text;
  std::string wed;
  std::string expected;
};

TEST(ComponentTest, RemoveTakesOutTheMarkedBlocksAndTheAppendedTexts) {
  const RemoveRow rows[] = {
      {"AddedThenRemovedLeavesOneMoreBlankLineAtEachLandmark",
       Formfit::ComponentAdd(kConfiguration, Read(kGridWed)), kGridWed,
       Edited({{"Caption=Main\n\n[FORM:Other]", "Caption=Main\n\n\n[FORM:Other]"},
               {"Caption=O\n\n[CONTROL]", "Caption=O\n\n\n[CONTROL]"},
               {"C=1\n\n[AssignMap]", "C=1\n\n\n[AssignMap]"},
               {"SingleLineEdit\n\n[StdProperties]", "SingleLineEdit\n\n\n[StdProperties]"},
               {"Name\n\n;****", "Name\n\n\n;****"},
               {"C=SingleLineEdit\n\n[Supp", "C=SingleLineEdit\n\n\n[Supp"}})},
      {"AbsentComponentTakesOnlyTheAppendedTexts",
       Edited({{"Button=PushButton\n", "Button=PushButton,GridButton,GridButton\n"},
               {"C=SingleLineEdit\n", "C=SingleLineEdit,GridControlEx\n"}}),
       kGridWed,
       Edited({{"Button=PushButton\n", "Button=PushButton,GridButton\n"},
               {"C=SingleLineEdit\n", "C=SingleLineEdit,GridControlEx\n"}})},
      {"ChangedContentsValueLeavesTheOldBlock",
       Formfit::ComponentAdd(kConfiguration,
                             Read("[CONTENTS]\nG=GridControl\n[GridControl]\nClass=Grid\n")),
       "[CONTENTS]\nG=+GridControl\n[GridControl]\nClass=Grid\n",
       Edited({{"C=1\n\n[AssignMap]",
                "C=1\n\n; **** G:Control\n[GridControl]\nClass=Grid\n; ---- G:Control\n\n\n"
                "[AssignMap]"}})},
  };
  for (const RemoveRow& row : rows) {
    EXPECT_TRUE(SameText(row.expected, Formfit::ComponentRemove(row.text, Read(row.wed))))
        << row.name;
  }
}

std::string Install(const std::string& text, const Component& component) {
  return Formfit::ComponentReinstall(text, component).text;
}

// The component `name` of the sample component file `file`.
Component Sample(const char* file, const char* name) {
  return Component::Read(qIniFile(test::ExamplesDir() + "VO28/BIN/" + file).Contents(), name);
}

std::string SampleFile(const std::string& name) {
  return test::ReadFile(test::ExamplesDir() + "VO28/BIN/" + name);
}

TEST(ComponentSample, GridAddedToTheSampleGivesTheCheckedInText) {
  const std::string added = Install(SampleFile("DEDUDED.INF"), Sample("grid.wed", "Grid"));
  EXPECT_TRUE(SameText(
      test::ReadFile(std::string(FORMFIT_ENGINE_TEST_DATA) + "/DEDUDED-Grid-added.INF"), added));
}

// True when a block written by the engine ends right ahead of `landmark`.
bool BlockAhead(const std::string& text, const std::string& landmark) {
  const size_t at = text.find(landmark);
  if (at == std::string::npos || at < 5 || text.compare(at - 4, 4, "\r\n\r\n") != 0) return false;
  const size_t footer = text.rfind("\r\n", at - 5);
  return footer != std::string::npos && text.compare(footer + 2, 7, "; ---- ") == 0;
}

TEST(ComponentSample, EveryComponentInstallsOnceAndRemovesCleanly) {
  const std::string original = SampleFile("DEDUDED.INF");
  const struct {
    const char* component;
    const char* file;
  } rows[] = {{"Grid", "grid.wed"},
              {"Spinner", "tools.wed"},
              {"Calendar", "tools.wed"},
              {"StatusLine", "status.wed"}};
  for (const auto& row : rows) {
    const Component component = Sample(row.file, row.component);
    const std::string once = Install(original, component);
    EXPECT_TRUE(SameText(once, Install(once, component))) << row.component;
    // Every block leaves the blank line that followed it, and each landmark
    // of the sample gets at most one block.
    const std::string removed = Formfit::ComponentRemove(once, component);
    std::string expected = original;
    for (const char* landmark :
         {"\r\n[SupplementalFiles]", "\r\n;**** Association between", "\r\n[StdProperties]",
          "\r\n[AssignMap]", "\r\n[RadioButton]", "\r\n[CONTROL]", "\r\n[FORM:DataWindow]"}) {
      if (BlockAhead(once, landmark)) expected.insert(expected.find(landmark), "\r\n");
    }
    EXPECT_TRUE(SameText(expected, removed)) << row.component;
  }
}

// A configuration text with every landmark and a component for it, both
// drawn from `random`, with at least `minBlank` blank lines ahead of each
// section header and landmark: new forms and controls, extensions of existing
// sections, and part entries whose keys do and do not have lines.
std::pair<std::string, std::string> Generate(std::mt19937& random, unsigned minBlank) {
  auto blanks = [&] { return std::string(minBlank + random() % 3, '\n'); };
  const unsigned forms = 1 + random() % 3;
  const unsigned controls = 1 + random() % 3;
  const unsigned keys = 1 + random() % 4;
  std::string text = "; generated\n";
  for (unsigned f = 0; f < forms; ++f) {
    text += blanks() + "[FORM:F" + std::to_string(f) + "]\nCaption=F\n";
  }
  text += blanks() + "[CONTROL]\nCount=1\n";
  for (unsigned c = 0; c < controls; ++c) {
    text += blanks() + "[C" + std::to_string(c) + "]\nClass=C\n";
  }
  const char* const parts[][3] = {{"[AssignMap]", "AssignMap", "A"},
                                  {"[StdProperties]", "StdProperties", "P"},
                                  {";**** Association between types", "StdProperties II", "T"}};
  for (const auto& part : parts) {
    text += blanks() + part[0] + "\n";
    for (unsigned k = 0; k < keys; ++k) text += part[2] + std::to_string(k) + "=v\n";
  }
  text += blanks() + "[SupplementalFiles]\n1=X.TPL\n";

  std::string wed = "[CONTENTS]\n";
  std::string sections;
  for (unsigned b = random() % 6; b > 0; --b) {
    const std::string n = std::to_string(b);
    std::string section;
    switch (random() % 4) {
      case 0:
        section = "N" + n;
        break;
      case 1:
        section = "FORM:NF" + n;
        break;
      case 2:
        section = "+FORM:F" + std::to_string(random() % forms);
        break;
      default:
        section = "+C" + std::to_string(random() % controls);
        break;
    }
    wed += "B" + n + "=" + section + "\n";
    sections += "[" + section.substr(section[0] == '+') + "]\nX" + n + "=" + n + "\n";
  }
  for (const auto& part : parts) {
    if (random() % 3 == 0) continue;
    wed += std::string("[") + part[1] + "]\n";
    for (unsigned k = 0; k < keys + 1; ++k) {
      const std::string key = part[2] + std::to_string(k);
      switch (random() % 3) {
        case 0:
          wed += key + "=+,g" + key + "\n";
          break;
        case 1:
          wed += "Z" + key + "=+,z" + key + "\n";
          break;
        default:
          wed += "Q" + key + "=q\n";
          break;
      }
    }
  }
  return {Crlf(text), wed + sections};
}

TEST(ComponentTest, GeneratedComponentsInstallOnceAndRemoveCleanly) {
  std::mt19937 random(1208);
  for (int round = 0; round < 300; ++round) {
    const unsigned minBlank = round % 2;
    const auto [text, wed] = Generate(random, minBlank);
    const Component component = Read(wed, "Gen");
    EXPECT_TRUE(SameText(text, Formfit::ComponentRemove(text, component))) << "round " << round;
    const std::string once = Install(text, component);
    // However the engine finds its places, it finds those of the plain way.
    EXPECT_TRUE(
        SameText(test::StepByStepAdd(test::StepByStepRemove(text, component), component), once))
        << "round " << round;
    EXPECT_TRUE(SameText(test::StepByStepRemove(once, component),
                         Formfit::ComponentRemove(once, component)))
        << "round " << round;
    const std::string twice = Install(once, component);
    if (minBlank > 0) {
      EXPECT_TRUE(SameText(once, twice)) << "round " << round;
    } else {
      // A block that stood right behind a non-blank line leaves a blank line
      // there when removed; from the second installation on nothing changes.
      EXPECT_TRUE(SameText(twice, Install(twice, component))) << "round " << round;
    }
    EXPECT_TRUE(SameText(WithoutBlankLines(text),
                         WithoutBlankLines(Formfit::ComponentRemove(once, component))))
        << "round " << round << "\n"
        << wed;
  }
}

}  // namespace
}  // namespace formfit
