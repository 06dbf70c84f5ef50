#include <cstring>

#include "host/Font.h"

namespace formfit {

Font::Font(int points, std::string face, bool bold, Pitch pitch)
    : points_(points), face_(std::move(face)), bold_(bold), pitch_(pitch) {
  Make();
}

Font::~Font() {
  if (handle_) DeleteObject(handle_);
}

void Font::SetBold(bool bold) {
  if (bold == bold_) return;
  bold_ = bold;
  Make();
}

void Font::Make() {
  if (handle_) DeleteObject(handle_);
  LOGFONTA font{};
  const HDC screen = GetDC(nullptr);
  // A negative height asks for the character height, as point sizes mean.
  font.lfHeight = -MulDiv(points_, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  font.lfWeight = bold_ ? FW_BOLD : FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  if (pitch_ == Pitch::kFixed) font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  std::strncpy(font.lfFaceName, face_.c_str(), LF_FACESIZE - 1);
  handle_ = CreateFontIndirectA(&font);
}

}  // namespace formfit
