// The components that the component files of one folder offer, as the
// component page lists them.
#pragma once

#include <string>
#include <vector>

#include "base/FileOps.h"
#include "base/FileSpec.h"
#include "engine/IniText.h"

namespace formfit {

struct ComponentItem {
  std::string displayText;  // what the list shows
  std::string name;         // the key of the component's entry in "Contents"
  std::string file;         // the full path of its component file

  bool operator==(const ComponentItem& other) const {
    return displayText == other.displayText && name == other.name && file == other.file;
  }
};

struct ComponentList {
  // File by file in the listing's order, each file's "Contents" entries in
  // file order.
  std::vector<ComponentItem> items;
  // The display text of the first component of the most recently changed
  // file that has a "Contents" section, to the second (of equally new
  // files, the first listed); empty when no file has one.
  std::string preselected;
};

// What the list shows for the "Contents" entry `key`=`value` of
// `componentFile`: the value when the file has a section whose name begins
// with "Contents:" followed by the key and the value is not empty, else the
// key.
std::string ComponentDisplayText(const IniText& componentFile, const std::string& key,
                                 const std::string& value);

// The components of the plain files "*.wed" (the extension in any case) in
// the folder of `folder` (its drive and path; a file name in it does not
// count), in the order `files` lists them; hidden files are left out. Each
// file is read once; a file that cannot be read, or has no "Contents"
// section or an empty one, offers nothing and takes no part in the
// preselection. Item files are the folder's drive and path followed by the
// listed name.
ComponentList ListComponents(const FileSpec& folder, FileOps& files = SystemFileOps());

}  // namespace formfit
