#include "host/MessageBox.h"

namespace formfit {

void InfoBox(const Window* owner, const std::string& title, const std::string& text) {
  MessageBoxA(owner ? owner->Handle() : nullptr, text.c_str(), title.c_str(),
              MB_OK | MB_ICONINFORMATION);
}

void ErrorBox(const Window* owner, const std::string& text) {
  const std::string title = owner ? owner->Caption() : std::string();
  MessageBoxA(owner ? owner->Handle() : nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

void StandaloneErrorBox(const std::string& title, const std::string& text) {
  MessageBoxA(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace formfit
