#include "generator/CodePage.h"

#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace vantrel {

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

std::size_t LastCharacterStart(std::string_view text, int codePage) {
  std::size_t last = 0;
  for (std::size_t i = 0; i < text.size();) {
    last = i;
    // A lead byte at the very end has no second byte and stands alone.
    i += (IsLeadByte(static_cast<unsigned char>(text[i]), codePage) && i + 1 < text.size()) ? 2 : 1;
  }
  return last;
}

int CodePageOfCharset(std::string_view charset) {
  std::string name;
  for (char c : charset)
    if (c != '-' && c != '_') name += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (name == "SHIFTJIS" || name == "SJIS" || name == "CP932" || name == "WINDOWS31J")
    return codepage::kJapanese;
  if (name == "GBK" || name == "GB2312" || name == "CP936" || name == "EUCCN")
    return codepage::kSimplifiedChinese;
  if (name == "EUCKR" || name == "CP949" || name == "UHC") return codepage::kKorean;
  if (name == "BIG5" || name == "CP950" || name == "BIG5HKSCS") return codepage::kTraditionalChinese;
  if (name == "UTF8") return codepage::kUtf8;
  return codepage::kWestern;
}

int AnsiCodePage() {
  locale_t user = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0));
  if (user == static_cast<locale_t>(0)) return codepage::kWestern;
  int page = CodePageOfCharset(nl_langinfo_l(CODESET, user));
  freelocale(user);
  return page;
}

}  // namespace vantrel
