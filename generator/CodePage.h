#pragma once

#include <string_view>

namespace vantrel {

// Windows code page numbers of the ANSI character sets the wizard knows.
namespace codepage {
inline constexpr int kWestern = 1252;
inline constexpr int kJapanese = 932;
inline constexpr int kSimplifiedChinese = 936;
inline constexpr int kKorean = 949;
inline constexpr int kTraditionalChinese = 950;
inline constexpr int kUtf8 = 65001;
}  // namespace codepage

// True when byte opens a two-byte character in that code page.
bool IsLeadByte(unsigned char byte, int codePage);

// The offset of the first byte of the last character of text, counting
// two-byte characters as one; text must not be empty.
std::size_t LastCharacterStart(std::string_view text, int codePage);

// The length in bytes of the character at the start of text in the
// character set that messages are shown in (the host's ANSI code page on
// Windows, UTF-8 elsewhere); 0 when the bytes there decode to no
// character, or text is empty.
std::size_t ShownCharacterLength(std::string_view text);

// The ANSI code page of this process, from the character set of the user's
// locale (read without touching the process's own locale).
int AnsiCodePage();

// The code page of a character-set name as the C library reports it.
int CodePageOfCharset(std::string_view charset);

}  // namespace vantrel
