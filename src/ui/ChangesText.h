// What the window of the changes shows: the changes Finish would make to the
// configuration file, as the edit field can show them.
#pragma once

#include <cstddef>
#include <string>

#include "app/Preview.h"
#include "ui/SummaryText.h"

namespace formfit {

// The most bytes of the diff the window shows, some 4,000 lines: under Wine
// the field fills with them in about a tenth of a second, and with four
// times as many in twice the time of the whole window (see
// bench/changes-window.sh).
inline constexpr std::size_t kChangesShown = 256 << 10;

// The preview's diff with each line ended by CR LF (the field breaks lines
// there only) and each NUL byte shown as "?" (the field would end the text
// there). When the diff holds more than `shownBytes`, its whole lines up to
// that, then after a blank line a sentence that says how many lines are
// left out (texts 633 and 634). When Finish would change nothing, the
// sentence 632 instead, and when the run would fail, its status's
// description after a blank line.
std::string ChangesText(const PreviewResult& preview, const SummaryTexts& texts,
                        std::size_t shownBytes = kChangesShown);

}  // namespace formfit
