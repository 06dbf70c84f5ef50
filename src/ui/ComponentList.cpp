#include "ui/ComponentList.h"

#include "engine/qIniFile.h"

namespace formfit {

std::string ComponentDisplayText(const IniText& componentFile, const std::string& key,
                                 const std::string& value) {
  if (!value.empty() && componentFile.ExistSection("Contents:" + key)) return value;
  return key;
}

ComponentList ListComponents(const FileSpec& folder, FolderListing& listing, FileOps& files) {
  ComponentList list;
  const std::string base = folder.Drive() + folder.Path();
  std::string newest;
  for (const ListedFile& listed : listing.Files(base, ".wed")) {
    const std::string path = base + listed.name;
    const IniText text = qIniFile(path, files).Contents();
    const Pairs contents = text.ReadSection("Contents");
    if (contents.empty()) continue;
    // A later file with the same stamp does not replace the earlier one.
    const std::string stamp = Stamp(listed.changed);
    if (newest < stamp) {
      newest = stamp;
      // Named by the text the list shows for it: the page selects by that.
      list.preselected = ComponentDisplayText(text, contents[0].key, contents[0].value);
    }
    for (const auto& [key, value] : contents) {
      list.items.push_back({ComponentDisplayText(text, key, value), key, path});
    }
  }
  return list;
}

}  // namespace formfit
