#include "BenchTexts.h"

namespace formfit::bench {

namespace {

// Keys of the part sections that a component extends.
constexpr int kKeys = 8;

}  // namespace

std::string Configuration(std::size_t size) {
  const std::string control =
      "ClassName=Control\r\nWinClass=Button\r\nStyle=WS_CHILD|WS_TABSTOP\r\nSize=50,14\r\n";
  std::string text = "; DEDUDED.INF\r\n\r\n";
  auto sections = [&](const std::string& prefix, std::size_t until) {
    for (int n = 0; text.size() < until; ++n) {
      text += "[" + prefix + std::to_string(n) + "]\r\n" + control + "\r\n";
    }
  };
  sections("FORM:F", size / 10);
  text += "[CONTROL]\r\nCount=1\r\n\r\n";
  sections("C", size * 8 / 10);
  const char* const parts[] = {"[AssignMap]", "[StdProperties]",
                               ";**** Association between types and controls"};
  for (const char* part : parts) {
    text += std::string(part) + "\r\n";
    for (int n = 0; text.size() < size * (9 + (part == parts[2])) / 10 - 1000 * (part == parts[0]);
         ++n) {
      text +=
          "K" + std::to_string(n % kKeys) + "x" + std::to_string(n) + "=Element,Other,Third\r\n";
    }
    for (int n = 0; n < kKeys; ++n) text += "K" + std::to_string(n) + "=A,B\r\n";
    text += "\r\n";
  }
  text += "[SupplementalFiles]\r\n1=CAVOWED.TPL\r\n";
  return text;
}

std::string ComponentFile(int blocks) {
  std::string contents = "[CONTENTS]\r\n";
  std::string sections;
  for (int n = 0; n < blocks; ++n) {
    const std::string id = std::to_string(n);
    std::string section;
    switch (n % 4) {
      case 0:
        section = "GridControl" + id;
        break;
      case 1:
        section = "FORM:GridWindow" + id;
        break;
      case 2:
        section = "+FORM:F" + id;
        break;
      default:
        section = "+C" + id;
        break;
    }
    contents += "Block" + id + "=" + section + "\r\n";
    sections += "[" + section.substr(section[0] == '+') + "]\r\nClassName=Grid" + id +
                "\r\nSize=200,120\r\nFloatBar=C:\\VO28\\BIN\\GRIDBAR.DLL\r\n";
  }
  for (const char* part : {"AssignMap", "StdProperties", "StdProperties II"}) {
    sections += std::string("[") + part + "]\r\n";
    for (int n = 0; n < kKeys; ++n) sections += "K" + std::to_string(n) + "=+,Grid\r\n";
    sections += "GridOnly=GridControl\r\n";
  }
  return contents + sections;
}

}  // namespace formfit::bench
