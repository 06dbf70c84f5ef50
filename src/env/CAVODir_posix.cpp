#include "env/CAVODir.h"

namespace formfit {

// No registry here: the user chooses the folder.
std::optional<std::string> ReadRegistryValue(const CAVODirTry&) { return std::nullopt; }

}  // namespace formfit
