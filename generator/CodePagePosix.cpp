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

std::size_t ShownCharacterLength(std::string_view text) {
  if (text.empty()) return 0;
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) return 1;
  // The sequence's length, and the smallest code point it may carry (a
  // longer form of a smaller one is no character).
  std::size_t length = 0;
  char32_t point = 0, least = 0;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2, point = lead & 0x1F, least = 0x80;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3, point = lead & 0x0F, least = 0x800;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4, point = lead & 0x07, least = 0x10000;
  if (length == 0 || text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte & 0xC0) != 0x80) return 0;
    point = (point << 6) | (byte & 0x3F);
  }
  const bool surrogate = point >= 0xD800 && point <= 0xDFFF;
  return point >= least && point <= 0x10FFFF && !surrogate ? length : 0;
}

int AnsiCodePage() {
  locale_t user = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0));
  if (user == static_cast<locale_t>(0)) return codepage::kWestern;
  int page = CodePageOfCharset(nl_langinfo_l(CODESET, user));
  freelocale(user);
  return page;
}

}  // namespace vantrel
