#include <windows.h>

#include "generator/CodePage.h"

namespace vantrel {

// The system knows the lead bytes of every code page it has installed.
bool IsLeadByte(unsigned char byte, int codePage) {
  return IsDBCSLeadByteEx(static_cast<UINT>(codePage), byte) != FALSE;
}

std::size_t ShownCharacterLength(std::string_view text) {
  if (text.empty()) return 0;
  const std::size_t length = IsDBCSLeadByte(static_cast<BYTE>(text[0])) && text.size() > 1 ? 2 : 1;
  wchar_t wide[2];
  const int made = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(length), wide, 2);
  return made > 0 ? length : 0;
}

int AnsiCodePage() { return static_cast<int>(GetACP()); }

}  // namespace vantrel
