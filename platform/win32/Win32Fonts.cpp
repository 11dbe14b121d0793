#include "platform/win32/Win32Fonts.h"

namespace vantrel::win32 {

Win32Fonts::~Win32Fonts() {
  for (auto& [key, font] : fonts_) DeleteObject(font);
}

HFONT Win32Fonts::Get(const TFont& font) {
  const auto key = std::make_tuple(font.Name, font.Height, font.Bold);
  if (auto found = fonts_.find(key); found != fonts_.end()) return found->second;
  // A negative height asks for the character height, without the internal
  // leading.
  HFONT made = CreateFontA(-font.Height, 0, 0, 0, font.Bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_SWISS, font.Name.c_str());
  if (made == nullptr) made = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fonts_[key] = made;
  return made;
}

}  // namespace vantrel::win32
