#include "generator/CodePage.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace vantrel {

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

}  // namespace vantrel
