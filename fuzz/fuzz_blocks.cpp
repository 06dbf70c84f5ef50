// The four block operations on arbitrary text, anchors, markers and entries.
// BlockExtend and BlockReduce must agree with the plain one-edit-at-a-time
// way; a block that BlockAdd wrote must come out again with BlockRemove.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "../tests/engine/LiteralKeyLines.h"
#include "engine/Formfit.h"

using formfit::Formfit;
using formfit::Pairs;

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckAddThenRemove(const std::string& text, const std::string& anchor, const Pairs& entries,
                        const std::string& header, const std::string& footer) {
  const std::string added = Formfit::BlockAdd(text, anchor, entries, header, footer);
  const size_t q = text.find(anchor);
  if (q == std::string::npos) {
    Check(added == text);
    return;
  }
  size_t p = q;
  while (p >= 4 && text.compare(p - 4, 4, "\r\n\r\n") == 0) p -= 2;
  const size_t blockSize = added.size() - (text.size() - (q - p));
  Check(added.compare(0, p, text, 0, p) == 0);
  Check(added.compare(p + blockSize, std::string::npos, text, q, std::string::npos) == 0);
  // Only when the markers cannot be mistaken for other text does removal
  // have to find exactly this block.
  const std::string start = "\r\n" + header + "\r\n";
  const std::string end = "\r\n" + footer + "\r\n";
  const size_t footerAt = p + blockSize - 2 - end.size();
  if (added.find(start) != p || added.find(end, p + 1) != footerAt) return;
  Check(Formfit::BlockRemove(added, start, end) == text.substr(0, p) + "\r\n" + text.substr(q));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const int operation = input.ConsumeIntegralInRange(0, 2);
  const std::string start = input.ConsumeRandomLengthString(48);
  const std::string end = input.ConsumeRandomLengthString(48);
  Pairs entries(input.ConsumeIntegralInRange(0, 8));
  for (auto& entry : entries) {
    entry.key = input.ConsumeRandomLengthString(24);
    entry.value = input.ConsumeRandomLengthString(32);
  }
  const std::string text = input.ConsumeRemainingBytesAsString();

  switch (operation) {
    case 0:
      CheckAddThenRemove(text, start, entries, end, start + end);
      break;
    case 1: {
      const std::string removed = Formfit::BlockRemove(text, start, end);
      Check(removed.size() <= text.size());
      break;
    }
    default:
      for (const auto edit :
           {formfit::test::KeyLineEdit::kExtend, formfit::test::KeyLineEdit::kReduce}) {
        Pairs expectedEntries = entries;
        Pairs actualEntries = entries;
        const std::string expected =
            formfit::test::LiteralKeyLines(text, start, end, expectedEntries, edit);
        const std::string actual = edit == formfit::test::KeyLineEdit::kExtend
                                       ? Formfit::BlockExtend(text, start, end, actualEntries)
                                       : Formfit::BlockReduce(text, start, end, actualEntries);
        Check(expected == actual && expectedEntries == actualEntries);
      }
      break;
  }
  return 0;
}
