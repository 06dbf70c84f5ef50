#include "env/CAVODir.h"
#include "env/Registry_win.h"

namespace formfit {

std::optional<std::string> ReadRegistryValue(const CAVODirTry& attempt) {
  const HKEY root =
      attempt.root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
  for (std::string_view subKey : attempt.keys) {
    if (const std::optional<RegKey> key = RegOpenKey(root, subKey)) {
      std::string value;
      if (!RegGetValue(*key, attempt.valueName, value)) return std::nullopt;
      return value;
    }
  }
  return std::nullopt;
}

}  // namespace formfit
