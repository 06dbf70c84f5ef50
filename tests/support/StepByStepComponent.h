// Adding and removing a component the plain way: every block operation on
// the whole text, every search from the start. The engine must give the
// same texts, however it gets there.
#pragma once

#include <string>

#include "base/FileSpec.h"
#include "base/StringRules.h"
#include "engine/Formfit.h"

namespace formfit::test {

inline std::string StepByStepRemove(std::string text, const Component& component) {
  auto removeBlock = [&](const std::string& tag) {
    text = Formfit::BlockRemove(std::move(text), "\r\n; **** " + tag + "\r\n",
                                "\r\n; ---- " + tag + "\r\n");
  };
  for (const Component::Content& content : component.Contents()) removeBlock(content.tag);
  const char* const ranges[][2] = {{"\r\n[AssignMap]", "\r\n[StdProperties]"},
                                   {"\r\n[StdProperties]", "\r\n;**** Association between"},
                                   {"\r\n;**** Association between", "\r\n[SupplementalFiles]"}};
  for (std::size_t i = 0; i < 3; ++i) {
    Pairs entries = component.Parts()[i].entries;
    if (!entries.empty())
      text = Formfit::BlockReduce(std::move(text), ranges[i][0], ranges[i][1], entries);
    removeBlock(component.Parts()[i].tag);
  }
  return text;
}

inline std::string StepByStepAdd(std::string text, const Component& component) {
  for (const Component::Content& content : component.Contents()) {
    if (content.entries.empty()) continue;
    Pairs entries = content.entries;
    for (Pair& entry : entries) {
      if (!BeginsWith(Lower(entry.key), "floatbar")) continue;
      const FileSpec file(entry.value);
      if (!file.Drive().empty() && !file.Path().empty()) entry.value = file.FileName();
      break;
    }
    const std::string header = "; **** " + content.tag;
    const std::string footer = "; ---- " + content.tag;
    if (!content.extend) {
      text = Formfit::BlockAdd(std::move(text), content.form ? "\r\n[CONTROL]" : "\r\n[AssignMap]",
                               entries, header + "\r\n[" + content.section + "]", footer);
      continue;
    }
    const std::size_t at = text.find("[" + content.section + "]");
    if (at == std::string::npos) continue;
    const std::size_t next = text.find("\r\n[", at + 1);
    if (next == std::string::npos) continue;
    if (text.find("\r\n", next + 1) == std::string::npos) continue;
    // The block goes ahead of the next header itself, not ahead of an
    // earlier look-alike of it: BlockAdd's steps at that very place.
    std::string block = "\r\n" + header + "\r\n";
    for (const Pair& entry : entries) block += entry.key + "=" + entry.value + "\r\n";
    block += footer + "\r\n\r\n";
    std::size_t p = next;
    while (p >= 4 && text.compare(p - 4, 4, "\r\n\r\n") == 0) p -= 2;
    text.replace(p, next - p, block);
  }
  const char* const parts[][2] = {{"\r\n[AssignMap]", "\r\n[StdProperties]"},
                                  {"\r\n[StdProperties]", "\r\n;**** Association between"},
                                  {"\r\n;**** Association between", "\r\n[SupplementalFiles]"}};
  for (std::size_t i = 0; i < 3; ++i) {
    Pairs entries = component.Parts()[i].entries;
    if (entries.empty()) continue;
    text = Formfit::BlockExtend(std::move(text), parts[i][0], parts[i][1], entries);
    text = Formfit::BlockAdd(std::move(text), parts[i][1], entries,
                             "; **** " + component.Parts()[i].tag,
                             "; ---- " + component.Parts()[i].tag);
  }
  return text;
}

}  // namespace formfit::test
