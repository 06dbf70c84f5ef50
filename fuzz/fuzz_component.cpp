// ComponentAdd, ComponentRemove and ComponentCheck on an arbitrary
// configuration text with an arbitrary component file. Install's verdict must
// match the texts: placed exactly when the add changed what the remove left;
// so must the check's. What an install leaves, the check finds installed. Where nothing can be
// mistaken for the engine's markers and no key line is edited, removing what
// was added must give back the text apart from blank lines.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "engine/Formfit.h"
#include "support/BlankLines.h"
#include "support/StepByStepComponent.h"

using formfit::Component;
using formfit::Formfit;
using formfit::IniText;
using formfit::test::WithoutBlankLines;

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// True when every marker line of the text occurs once.
bool MarkersUnique(const std::string& text) {
  std::set<std::string> seen;
  for (size_t at = text.find("\r\n; "); at != std::string::npos; at = text.find("\r\n; ", at + 2)) {
    const size_t eol = text.find("\r\n", at + 2);
    const std::string line = text.substr(at + 2, eol == std::string::npos ? eol : eol - at - 2);
    if ((line.rfind("; **** ", 0) == 0 || line.rfind("; ---- ", 0) == 0) &&
        !seen.insert(line).second) {
      return false;
    }
  }
  return true;
}

bool EditsKeyLines(const Component& component) {
  for (const Component::Part& part : component.Parts()) {
    for (const auto& entry : part.entries) {
      if (!entry.value.empty() && entry.value[0] == '+') return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string name = input.ConsumeRandomLengthString(16);
  const Component component = Component::Read(IniText(input.ConsumeRandomLengthString(4096)), name);
  const std::string text = input.ConsumeRemainingBytesAsString();

  const std::string removed = Formfit::ComponentRemove(text, component);
  const std::string added = Formfit::ComponentAdd(removed, component);
  const Formfit::Reinstallation reinstalled = Formfit::ComponentReinstall(text, component);
  Check(reinstalled.text == added);
  Check(reinstalled.placed == (added != removed));
  // The engine's quick searches find what the plain way finds.
  Check(removed == formfit::test::StepByStepRemove(text, component));
  Check(added == formfit::test::StepByStepAdd(removed, component));
  // A check's finding follows from the same two changes.
  const Formfit::Finding finding = Formfit::ComponentCheck(text, component);
  Check((finding == Formfit::Finding::kNotPlaced) == !reinstalled.placed);
  if (reinstalled.placed) Check((finding == Formfit::Finding::kNotInstalled) == (removed == text));

  const bool plain = name.find_first_of("\r\n") == std::string::npos &&
                     text.find("; **** ") == std::string::npos &&
                     text.find("; ---- ") == std::string::npos;
  if (plain && !EditsKeyLines(component) && MarkersUnique(added)) {
    Check(removed == text);
    Check(WithoutBlankLines(Formfit::ComponentRemove(added, component)) == WithoutBlankLines(text));
  }
  // What an install leaves is installed, whatever blank lines it moved.
  if (plain && reinstalled.placed && MarkersUnique(added)) {
    Check(Formfit::ComponentCheck(added, component) == Formfit::Finding::kInstalled);
  }
  return 0;
}
