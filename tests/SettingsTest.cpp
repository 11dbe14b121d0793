#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

#include "generator/CodePage.h"
#include "generator/LibraryClasses.h"
#include "generator/NameCheck.h"
#include "generator/ProjectSettings.h"
#include "tests/TestSupport.h"

namespace vantrel {
namespace {

TEST(Settings, DerivesClassNamesAndUpperNameWithoutTouchingOtherBytes) {
  struct Case {
    const char* name;
    const char* upper;
    const char* app;
  } cases[] = {
      {"Demo", "DEMO", "CDemoApp"},
      {"demo2", "DEMO2", "Cdemo2App"},
      {"my_App_9", "MY_APP_9", "Cmy_App_9App"},
      {"\xe4x", "\xe4X", "C\xe4xApp"},  // A byte above 127 is kept as it is.
  };
  for (const auto& c : cases) {
    auto settings = test::Settings(c.name);
    EXPECT_EQ(settings.UpperName(), c.upper);
    EXPECT_EQ(settings.AppClassName, c.app);
    EXPECT_EQ(settings.FrameClassName, "CMainFrame");
    EXPECT_EQ(settings.DocClassName, std::string("C") + c.name + "Doc");
    EXPECT_EQ(settings.ViewClassName, std::string("C") + c.name + "View");
  }
}

TEST(Settings, SeparatorCountsOnlyATrailingBackslashCharacter) {
  struct Case {
    const char* location;
    int codePage;
    const char* separator;
  } cases[] = {
      {"C:\\Work", codepage::kWestern, "\\"},
      {"C:\\", codepage::kWestern, ""},
      {"C:\\Work/", codepage::kWestern, "\\"},  // A slash does not count.
      {"/home/me/work", codepage::kUtf8, "\\"},
      // 0x95 0x5C is one Japanese character whose second byte is a backslash.
      {"C:\\\x95\x5c", codepage::kJapanese, "\\"},
      {"C:\\\x95\x5c", codepage::kWestern, ""},
      {"C:\\\x95\x5c\\", codepage::kJapanese, ""},
      // In 936, 949 and 950 the lead bytes run from 0x81 to 0xFE.
      {"C:\\\xfe\x5c", codepage::kSimplifiedChinese, "\\"},
      {"C:\\\xb1\x5c", codepage::kKorean, "\\"},
      {"C:\\\xa5\x5c", codepage::kTraditionalChinese, "\\"},
      // 0xA5 is no lead byte in 932, so the backslash stands alone there.
      {"C:\\\xa5\x5c", codepage::kJapanese, ""},
      // A character before the trailing backslash does not hide it.
      {"C:\\\x95\x40\\", codepage::kJapanese, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SeparatorFor(c.location, c.codePage), c.separator) << c.location << " cp" << c.codePage;
}

TEST(Settings, CodePageOfTheLocaleCharset) {
  struct Case {
    const char* charset;
    int codePage;
  } cases[] = {{"UTF-8", codepage::kUtf8},          {"SHIFT_JIS", codepage::kJapanese},
               {"GBK", codepage::kSimplifiedChinese}, {"EUC-KR", codepage::kKorean},
               {"BIG5", codepage::kTraditionalChinese}, {"ANSI_X3.4-1968", codepage::kWestern},
               {"ISO-8859-1", codepage::kWestern}};
  for (const auto& c : cases) EXPECT_EQ(CodePageOfCharset(c.charset), c.codePage) << c.charset;
}

TEST(NameCheck, AcceptsPlainIdentifiers) {
  for (const char* name : {"Demo", "demo2", "_x", "9lives", "CONSOLE", "COM10", "LPT10", "A", "stdafx2",
                           "Main", "win", "Wnd", "Document", "Rich"})
    EXPECT_EQ(ProjectNameProblem(name), std::nullopt) << name;
  EXPECT_EQ(ProjectNameProblem(std::string(kMaxProjectNameLength, 'a')), std::nullopt);
}

// Of every byte value, first and inside a name, only ASCII letters, digits
// and the underscore pass.
TEST(NameCheck, OnlyLettersDigitsAndUnderscorePassAnywhere) {
  for (int value = 0; value < 256; ++value) {
    const char byte = static_cast<char>(value);
    const bool allowed = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                         (byte >= '0' && byte <= '9') || byte == '_';
    for (const std::string& name : {std::string(1, byte) + "ab", "a" + std::string(1, byte) + "b"})
      EXPECT_EQ(ProjectNameProblem(name).has_value(), !allowed) << "byte " << value << " in " << name;
  }
}

TEST(NameCheck, RefusesWhatLeavesTheLocationOrBreaksTheBuild) {
  struct Case {
    std::string name;
    const char* mentioned;  // The message must name this.
  } cases[] = {
      {"", "empty"},
      {"..", "'.'"},
      {"a\\b", "'\\'"},
      {"a/b", "'/'"},
      {"my app", "a blank"},
      {"say\"hi\"", "'\"'"},
      {"tab\there", "a tab"},
      {"ok:", "':'"},
      {std::string("nul\0x", 5), "contain \\x00:"},
  // Characters are named as messages show them; a byte that is none as "\xNN".
#ifdef _WIN32
      {"Pr\xf8ject", "contain '\xf8':"},
#else
      {"Pr\xc3\xb8ject", "contain '\xc3\xb8':"},
      {"caf\xc3", "contain \\xC3:"},
      {"a\xed\xa0\x80", "contain \\xED:"},
      {"\xf8", "contain \\xF8:"},
#endif
      {std::string(kMaxProjectNameLength + 1, 'a'), "longer than 247"},
      {"CONIN$", "'$'"},
      // Its classes would be the class library's.
      {"Win", "application class CWinApp, which is a class of the class library"},
      {"Edit", "view class CEditView"},
      {"List", "view class CListView"},
      {"Tree", "view class CTreeView"},
      {"Scroll", "view class CScrollView"},
      {"RichEdit", "document class CRichEditDoc"},
      {"Ctrl", "view class CCtrlView"},
      // The project's own files would overwrite one another.
      {"stdafx", "stdafx.cpp twice"},
      {"StdAfx", "stdafx.cpp twice"},
      {"resource", "resource.h twice"},
      {"mainfrm", "MainFrm.cpp twice"},
  };
  for (const auto& c : cases) {
    auto problem = ProjectNameProblem(c.name);
    ASSERT_TRUE(problem.has_value()) << c.name;
    EXPECT_NE(problem->find(c.mentioned), std::string::npos) << *problem;
  }
  for (const char* device : {"CON", "con", "Nul", "aux", "PRN", "com1", "LPT9", "com0", "LPT0"})
    EXPECT_NE(ProjectNameProblem(device).value_or("").find("device"), std::string::npos) << device;
}

// The refused class names are the classes the compile check's stand-in
// declares: the two lists must not drift apart.
TEST(NameCheck, LibraryClassesAreTheOnesTheCompileCheckDeclares) {
  std::set<std::string> declared;
  const std::regex declaration(R"(^\s*(?:class|struct)\s+(C[A-Z]\w*)\b)");
  for (const auto& entry : std::filesystem::directory_iterator(VANTREL_SOURCE_DIR "/tests/compile/include")) {
    std::ifstream in(entry.path());
    std::smatch match;
    for (std::string line; std::getline(in, line);)
      if (std::regex_search(line, match, declaration)) declared.insert(match[1]);
  }
  const auto table = LibraryClasses();
  EXPECT_TRUE(std::is_sorted(table.begin(), table.end()));
  EXPECT_EQ(std::set<std::string>(table.begin(), table.end()), declared);
}

}  // namespace
}  // namespace vantrel
