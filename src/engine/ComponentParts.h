// What adding and removing a component share: the marker lines that bracket
// every block the engine writes, the three parts of the configuration text
// whose key lines a component extends, and the block operations in the form
// the component operations use them: in place, saying whether they changed
// the text.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/Pairs.h"
#include "base/StringRules.h"

namespace formfit::component {

// One part of the configuration text: the component-file section with its
// entries, the texts that start and end the part (the component's block goes
// ahead of the end text) and the suffix of the block's tag.
struct PartSection {
  std::string_view section;
  std::string_view start;
  std::string_view end;
  std::string_view tagSuffix;
};

inline constexpr std::array<PartSection, 3> kPartSections{{
    {"AssignMap", "\r\n[AssignMap]", "\r\n[StdProperties]", ":AssignMap"},
    {"StdProperties", "\r\n[StdProperties]", "\r\n;**** Association between", ":StdProperties"},
    {"StdProperties II", "\r\n;**** Association between", "\r\n[SupplementalFiles]",
     ":Association"},
}};

// True for a section name that names a form ("FORM:" in any case).
inline bool IsFormSection(std::string_view section) {
  return Upper(section.substr(0, 5)) == "FORM:";
}

inline std::string HeaderMarker(std::string_view tag) { return "; **** " + std::string(tag); }
inline std::string FooterMarker(std::string_view tag) { return "; ---- " + std::string(tag); }

// The first occurrence of `pattern` that starts at or after `from`, or npos.
// Configuration texts have a line end every few dozen bytes, so a search that
// keys on the first character (CR) stops at every line; skipping by the
// pattern's length keeps searches of megabyte texts quick.
inline std::size_t Find(std::string_view text, std::string_view pattern, std::size_t from = 0) {
  if (from > text.size()) return std::string_view::npos;
  if (pattern.size() < 4) return text.find(pattern, from);
  const auto found =
      std::search(text.begin() + from, text.end(),
                  std::boyer_moore_horspool_searcher(pattern.begin(), pattern.end()));
  return found == text.end() ? std::string_view::npos
                             : static_cast<std::size_t>(found - text.begin());
}

// What BlockAdd did to the text: the `removed` bytes (blank lines) at
// `position` became the `inserted` bytes of the block.
struct BlockEdit {
  std::size_t position = 0;
  std::size_t removed = 0;
  std::string_view inserted;
};

// BlockAdd with the anchor searched from position `from` (0-based) on, so a
// look-alike earlier in the text cannot catch the block. False when the
// anchor does not occur there; the text is then unchanged. Otherwise the
// edit goes to `edit` when given (its `inserted` points into the text).
bool AddBlock(std::string& text, std::size_t from, std::string_view anchor, const Pairs& entries,
              std::optional<std::string_view> header, std::optional<std::string_view> footer,
              BlockEdit* edit = nullptr);

// BlockExtend; true when it appended a text to some key line.
bool ExtendKeyLines(std::string& text, std::string_view start, std::string_view end,
                    Pairs& entries);

}  // namespace formfit::component
