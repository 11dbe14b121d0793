#include <langinfo.h>
#include <locale.h>

#include "generator/CodePage.h"

namespace vantrel {

// The lead bytes of the double-byte code pages, as Windows defines them.
bool IsLeadByte(unsigned char byte, int codePage) {
  switch (codePage) {
    case codepage::kJapanese:
      return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case codepage::kSimplifiedChinese:
    case codepage::kKorean:
    case codepage::kTraditionalChinese:
      return byte >= 0x81 && byte <= 0xFE;
    default:
      return false;
  }
}

int AnsiCodePage() {
  locale_t user = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0));
  if (user == static_cast<locale_t>(0)) return codepage::kWestern;
  int page = CodePageOfCharset(nl_langinfo_l(CODESET, user));
  freelocale(user);
  return page;
}

}  // namespace vantrel
