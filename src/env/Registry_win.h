// Read-only access to registry values, in the 32-bit registry view (where
// the IDE's 32-bit setup writes its entries, also on 64-bit Windows).
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

// <windows.h> maps these names to its own A/W functions; ours are plain.
#undef RegOpenKey
#undef RegGetValue

namespace formfit {

// An open registry key; closed when the object goes.
class RegKey {
 public:
  explicit RegKey(HKEY key) : key_(key) {}
  RegKey(RegKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
  RegKey& operator=(RegKey&&) = delete;
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  ~RegKey();

  HKEY Handle() const { return key_; }

 private:
  HKEY key_;
};

// Opens `subKey` below `root` for reading; none on any failure.
std::optional<RegKey> RegOpenKey(HKEY root, std::string_view subKey);

// Reads the value `valueName` of `key` as a text, without looking at its
// registry type: the bytes up to the first zero. At most 256 bytes are read,
// terminating zero included; a longer value (a cut path would be worse than
// none) or one that cannot be read gives false and leaves `value` as it was.
bool RegGetValue(const RegKey& key, std::string_view valueName, std::string& value);

}  // namespace formfit
