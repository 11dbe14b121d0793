#include <windows.h>

#include "generator/CodePage.h"

namespace vantrel {

// The system knows the lead bytes of every code page it has installed.
bool IsLeadByte(unsigned char byte, int codePage) {
  return IsDBCSLeadByteEx(static_cast<UINT>(codePage), byte) != FALSE;
}

int AnsiCodePage() { return static_cast<int>(GetACP()); }

}  // namespace vantrel
