#include "env/Registry_win.h"

#include <cstring>

namespace formfit {

RegKey::~RegKey() {
  if (key_ != nullptr) RegCloseKey(key_);
}

std::optional<RegKey> RegOpenKey(HKEY root, std::string_view subKey) {
  const std::string name(subKey);
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, name.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &key) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return RegKey(key);
}

bool RegGetValue(const RegKey& key, std::string_view valueName, std::string& value) {
  const std::string name(valueName);
  char buffer[256];
  DWORD size = sizeof buffer;
  if (RegQueryValueExA(key.Handle(), name.c_str(), nullptr, nullptr,
                       reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS) {
    return false;
  }
  // A value stored without its terminating zero still ends at its size.
  value.assign(buffer, strnlen(buffer, size));
  return true;
}

}  // namespace formfit
