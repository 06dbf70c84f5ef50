#include "DialogTemplate_win.h"

#include <windows.h>

#include <cstdint>
#include <cstring>

namespace formfit::test {

namespace {

// Reads the template's words in order; every field of a template is made of
// 16-bit words, items start at 32-bit boundaries.
class TemplateReader {
 public:
  TemplateReader(const std::uint8_t* start, std::size_t size) : start_(start), size_(size) {}

  std::uint16_t Word() {
    std::uint16_t word = 0;
    if (at_ + 2 <= size_) std::memcpy(&word, start_ + at_, 2);
    at_ += 2;
    return word;
  }
  std::uint32_t DoubleWord() {
    const std::uint32_t low = Word();
    return low | (static_cast<std::uint32_t>(Word()) << 16);
  }
  int Short() { return static_cast<std::int16_t>(Word()); }
  DialogUnits Rect() {
    DialogUnits rect;
    rect.x = Short();
    rect.y = Short();
    rect.width = Short();
    rect.height = Short();
    return rect;
  }
  // A string or an ordinal (0xFFFF and a number), or nothing (a 0 word).
  void SkipNameOrOrdinal() {
    const std::uint16_t first = Word();
    if (first == 0xFFFF) {
      Word();
    } else if (first != 0) {
      SkipString();
    }
  }
  // A window class by name or by the ordinal of a predefined class.
  std::string ClassName() {
    const std::uint16_t first = Word();
    if (first == 0xFFFF) {
      switch (Word()) {
        case 0x80:
          return "Button";
        case 0x81:
          return "Edit";
        case 0x82:
          return "Static";
        case 0x83:
          return "ListBox";
        case 0x84:
          return "ScrollBar";
        case 0x85:
          return "ComboBox";
        default:
          return "";
      }
    }
    std::string name;
    for (std::uint16_t c = first; c != 0 && at_ < size_; c = Word()) name += static_cast<char>(c);
    return name;
  }
  void SkipString() {
    while (at_ < size_ && Word() != 0) {
    }
  }
  void Skip(std::size_t bytes) { at_ += bytes; }
  void AlignToDoubleWord() { at_ = (at_ + 3) & ~std::size_t{3}; }
  bool Inside() const { return at_ <= size_; }

 private:
  const std::uint8_t* start_;
  std::size_t size_;
  std::size_t at_ = 0;
};

}  // namespace

std::optional<DialogTemplateItem> DialogTemplate::Item(int id) const {
  for (const DialogTemplateItem& item : items) {
    if (item.id == id) return item;
  }
  return std::nullopt;
}

std::optional<DialogTemplate> ReadDialogTemplate(const std::string& name) {
  const HMODULE module = GetModuleHandleA(nullptr);
  const HRSRC found = FindResourceA(module, name.c_str(), reinterpret_cast<LPCSTR>(RT_DIALOG));
  if (!found) return std::nullopt;
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
  TemplateReader read(bytes, SizeofResource(module, found));

  DialogTemplate dialog;
  // A DIALOGEX template begins with the version 1 and the mark 0xFFFF; a
  // DIALOG template with its style.
  const std::uint16_t first = read.Word();
  const std::uint16_t second = read.Word();
  const bool extended = first == 1 && second == 0xFFFF;
  std::uint32_t style = first | (static_cast<std::uint32_t>(second) << 16);
  if (extended) {
    read.DoubleWord();  // help id
    read.DoubleWord();  // extended style
    style = read.DoubleWord();
  } else {
    read.DoubleWord();  // extended style
  }
  const int count = read.Word();
  dialog.rect = read.Rect();
  read.SkipNameOrOrdinal();  // menu
  read.SkipNameOrOrdinal();  // window class
  read.SkipString();         // caption
  if (style & DS_SETFONT) {
    read.Word();  // points
    if (extended) {
      read.Word();  // weight
      read.Word();  // italic and character set
    }
    read.SkipString();  // face
  }
  for (int i = 0; i < count && read.Inside(); ++i) {
    read.AlignToDoubleWord();
    DialogTemplateItem item;
    if (extended) {
      read.DoubleWord();  // help id
      read.DoubleWord();  // extended style
      read.DoubleWord();  // style
      item.rect = read.Rect();
      item.id = static_cast<int>(read.DoubleWord());
    } else {
      read.DoubleWord();  // style
      read.DoubleWord();  // extended style
      item.rect = read.Rect();
      item.id = read.Word();
    }
    item.windowClass = read.ClassName();
    read.SkipNameOrOrdinal();  // text
    read.Skip(read.Word());    // creation data
    dialog.items.push_back(item);
  }
  if (!read.Inside()) return std::nullopt;
  return dialog;
}

}  // namespace formfit::test
