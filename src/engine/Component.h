// What a component file says about one component, read once: its contents
// list with the sections it names, the three part sections, and the tags of
// the blocks they become in the configuration text. Adding and removing a
// component work on this value and the text alone.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "base/Pairs.h"
#include "engine/IniText.h"

namespace formfit {

class Component {
 public:
  // One pair of the contents list.
  struct Content {
    std::string key;
    // The section the pair names, without a leading "+".
    std::string section;
    // A "+" pair extends an existing section of the configuration text
    // instead of adding a new one.
    bool extend = false;
    // True for a new section that names a form ("FORM:" in any case).
    bool form = false;
    // The tag of its block's marker lines: key ":" name for an extension,
    // key ":Form" or key ":Control" for a new section.
    std::string tag;
    // The entries of the section in the component file.
    Pairs entries;
  };

  // One of the three part sections ("AssignMap", "StdProperties",
  // "StdProperties II"), in that order.
  struct Part {
    Pairs entries;
    // name ":AssignMap", name ":StdProperties" or name ":Association".
    std::string tag;
  };

  // The component `name` of the component file `file`. The contents list is
  // the file's "CONTENTS:<name>" section when some section name begins with
  // that (case ignored), else its "CONTENTS" section.
  static Component Read(const IniText& file, std::string name);

  const std::string& Name() const { return name_; }
  const std::vector<Content>& Contents() const { return contents_; }
  const std::array<Part, 3>& Parts() const { return parts_; }

  // True when the file yields nothing of the component: no contents pair
  // and no entry in any part section (a file that cannot be read, an empty
  // one, or one without the component's entries). Nothing then tells which
  // blocks are the component's.
  bool Empty() const;

  // The most bytes that adding the component can put into a text, so that
  // the text's buffer is sized once.
  std::size_t MostAddedBytes() const;

 private:
  std::string name_;
  std::vector<Content> contents_;
  std::array<Part, 3> parts_;
};

}  // namespace formfit
