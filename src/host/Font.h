// A font by face name and size in points; owns its GDI font. A window that
// shows the font must not outlive it.
#pragma once

#include <windows.h>

#include <string>

namespace formfit {

class Font {
 public:
  // Fixed asks the font mapper for a font whose characters are all alike
  // wide, also where the face is missing.
  enum class Pitch { kVariable, kFixed };

  Font(int points, std::string face, bool bold = false, Pitch pitch = Pitch::kVariable);
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  HFONT Handle() const { return handle_; }
  const std::string& Face() const { return face_; }
  int Points() const { return points_; }
  bool IsBold() const { return bold_; }
  // Remakes the font bold or regular.
  void SetBold(bool bold);

 private:
  void Make();

  int points_;
  std::string face_;
  bool bold_;
  Pitch pitch_;
  HFONT handle_ = nullptr;
};

}  // namespace formfit
