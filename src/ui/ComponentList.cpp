#include "ui/ComponentList.h"

#include <cstdint>
#include <optional>

#include "base/StringRules.h"
#include "engine/qIniFile.h"

namespace formfit {

namespace {

constexpr std::string_view kExtension = ".wed";
constexpr std::int64_t kFileTimesPerSecond = 10000000;

bool IsComponentFile(const PlainFile& file) {
  const std::string& name = file.name;
  return !file.hidden && name.size() >= kExtension.size() &&
         EqualsNoCase(std::string_view(name).substr(name.size() - kExtension.size()), kExtension);
}

}  // namespace

std::string ComponentDisplayText(const IniText& componentFile, const std::string& key,
                                 const std::string& value) {
  if (!value.empty() && componentFile.ExistSection("Contents:" + key)) return value;
  return key;
}

ComponentList ListComponents(const FileSpec& folder, FileOps& files) {
  ComponentList list;
  const std::string base = folder.Drive() + folder.Path();
  std::optional<std::int64_t> newest;
  for (const PlainFile& listed : files.PlainFiles(base)) {
    if (!IsComponentFile(listed)) continue;
    const std::string path = base + listed.name;
    const IniText text = qIniFile(path, files).Contents();
    const Pairs contents = text.ReadSection("Contents");
    if (contents.empty()) continue;
    // A later file of the same second does not replace the earlier one.
    const std::int64_t second = listed.written / kFileTimesPerSecond;
    if (!newest || *newest < second) {
      newest = second;
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
