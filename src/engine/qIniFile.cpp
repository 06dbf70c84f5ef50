#include "engine/qIniFile.h"

namespace formfit {

qIniFile& qIniFile::Init(std::string path) {
  path_ = std::move(path);
  return *this;
}

}  // namespace formfit
