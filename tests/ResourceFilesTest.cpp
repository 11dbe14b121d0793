#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generator/OutputWriter.h"
#include "generator/Writers.h"
#include "tests/TestSupport.h"

namespace vantrel {
namespace {

const std::string kSlashes(77, '/');

std::vector<std::string> Script(const std::string& name) {
  test::Generated g;
  test::Generate(g, test::Settings(name));
  return g.Lines(name + ".rc");
}

// The line without its leading blanks and tabs.
std::string Unindented(const std::string& line) {
  auto start = line.find_first_not_of(" \t");
  return start == std::string::npos ? std::string() : line.substr(start);
}

std::string Indent(const std::string& line) { return line.substr(0, line.size() - Unindented(line).size()); }

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

TEST(ResourceFiles, LineCountsDoNotDependOnTheName) {
  struct Case {
    const char* name;
    const char* file;
    std::size_t lines;
  } cases[] = {
      {"Demo", "Demo.rc", 436},
      {"demo2", "demo2.rc", 436},
      {"A", "A.rc", 436},
      {"AVeryLongProjectName_42", "AVeryLongProjectName_42.rc", 436},
      {"Demo", "resource.h", 22},
      {"AVeryLongProjectName_42", "resource.h", 22},
      {"Demo", "res\\Demo.rc2", 15},
      {"demo2", "res\\demo2.rc2", 15},
  };
  for (const auto& c : cases) {
    test::Generated g;
    test::Generate(g, test::Settings(c.name));
    EXPECT_EQ(g.Lines(c.file).size(), c.lines) << c.file;
  }
}

// Each section of the script starts on its own fixed line, whatever the
// length of the name, and the line before each banner ends the section
// above it.
TEST(ResourceFiles, SectionsStartOnTheirLines) {
  struct Case {
    std::size_t line;  // From 1.
    const char* text;
  } cases[] = {
      {1, "//Microsoft Visual C++ generated resource script."},
      {3, "#include \"resource.h\""},
      {5, "#define APSTUDIO_READONLY_SYMBOLS"},
      {8, "// From TEXTINCLUDE 2"},
      {14, "#undef APSTUDIO_READONLY_SYMBOLS"},
      {16, "#ifdef APSTUDIO_INVOKED"},
      {23, "1 TEXTINCLUDE DISCARDABLE"},
      {28, "2 TEXTINCLUDE DISCARDABLE"},
      {34, "3 TEXTINCLUDE DISCARDABLE"},
      {50, "#endif    // APSTUDIO_INVOKED"},
      {55, "// Icon"},
      {66, "// Bitmap"},
      {75, "// Menu"},
      {78, "#if defined(APSTUDIO_INVOKED) || !defined(_MAC)"},
      {79, "IDR_MAINFRAME MENU PRELOAD DISCARDABLE"},
      {102, "#endif"},
      {104, "#if defined(APSTUDIO_INVOKED) || defined(_MAC)"},
      {106, "IDR_MAINFRAME$(_MAC) MENU PRELOAD DISCARDABLE"},
      {128, "#endif"},
      {131, "#if defined(APSTUDIO_INVOKED) || !defined(_MAC)"},
      {175, "#endif"},
      {177, "#if defined(APSTUDIO_INVOKED) || defined(_MAC)"},
      {221, "#endif"},
      {226, "// Accelerator"},
      {229, "#if defined(APSTUDIO_INVOKED) || !defined(_MAC)"},
      {230, "IDR_MAINFRAME ACCELERATORS PRELOAD MOVEABLE"},
      {247, "#endif"},
      {249, "#if defined(APSTUDIO_INVOKED) || defined(_MAC)"},
      {272, "#endif"},
      {277, "// Dialog"},
      {280, "IDD_ABOUTBOX DIALOG DISCARDABLE  34, 22, 217, 55"},
      {289, "END"},
      {294, "// String Table"},
      {297, "STRINGTABLE PRELOAD DISCARDABLE"},
      {370, "END"},
      {374, "// Version"},
      {377, "#include \"winver.h\""},
      {379, "VS_VERSION_INFO     VERSIONINFO"},
      {412, "END"},
      {416, "#ifndef APSTUDIO_INVOKED"},
      {419, "// From TEXTINCLUDE 3"},
      {434, "#endif    // not APSTUDIO_INVOKED"},
  };
  for (const char* name : {"Demo", "AVeryLongProjectName_42"}) {
    auto lines = Script(name);
    ASSERT_EQ(lines.size(), 436u) << name;
    for (const auto& c : cases) EXPECT_EQ(lines[c.line - 1], c.text) << name << ":" << c.line;
    // Every banner: a separator, "//", the title, "//", an empty line, and
    // an empty line before it unless it belongs to the block above.
    for (std::size_t banner : {6, 18, 53, 64, 73, 224, 275, 292, 372, 417}) {
      EXPECT_EQ(lines[banner - 1], kSlashes) << banner;
      EXPECT_EQ(lines[banner], "//") << banner;
      EXPECT_TRUE(StartsWith(lines[banner + 1], "// ")) << banner;
      EXPECT_EQ(lines[banner + 2], "//") << banner;
      EXPECT_EQ(lines[banner + 3], "") << banner;
    }
    for (std::size_t empty : {4,   15,  51,  52,  62,  63,  70,  71,  72,  103, 129, 130, 176,
                              222, 223, 248, 273, 274, 290, 291, 371, 413, 414, 415, 435, 436})
      EXPECT_EQ(lines[empty - 1], "") << name << ":" << empty;
  }
}

// Menu items put the command ID at the 41st character after the
// indentation; only the About item, whose caption holds the name, has a
// fixed ten spaces after its comma instead.
TEST(ResourceFiles, MenuItemsLineUpTheirCommands) {
  for (const char* name : {"A", "Demo", "AVeryLongProjectName_42"}) {
    auto lines = Script(name);
    int items = 0, abouts = 0;
    for (std::size_t i = 77; i < 223; ++i) {
      std::string text = Unindented(lines[i]);
      if (!StartsWith(text, "MENUITEM \"")) continue;
      ++items;
      if (StartsWith(text, "MENUITEM \"&About ")) {
        ++abouts;
        EXPECT_EQ(text,
                  "MENUITEM \"&About " + std::string(name) + "...\"," + std::string(10, ' ') + "ID_APP_ABOUT")
            << i + 1;
        continue;
      }
      ASSERT_GT(text.size(), 43u) << i + 1;
      EXPECT_EQ(text.substr(40, 3), "ID_") << name << ":" << i + 1;
      EXPECT_EQ(text[39], ' ') << i + 1;
      auto comma = text.rfind("\",", 39);
      ASSERT_NE(comma, std::string::npos) << i + 1;
      EXPECT_EQ(text.find_first_not_of(' ', comma + 2), 40u) << i + 1;
    }
    EXPECT_EQ(items, 8 + 7 + 21 + 20) << name;  // Separators are not counted.
    EXPECT_EQ(abouts, 2) << name;
  }
}

// Each menu has its own indentation and its own spelling of the flag.
TEST(ResourceFiles, MenuIndentationAndFlagsPerPlatform) {
  auto lines = Script("Demo");
  const std::string win = "\t", winItem = "\t\t", macBlock = "    \t", macItem = "        \t";
  struct Case {
    std::size_t line;
    std::string indent;
    const char* text;
  } cases[] = {
      {83, winItem, "MENUITEM \"&New\\tCtrl+N\",                ID_FILE_NEW"},
      {88, winItem, "MENUITEM \"Recent File\",                 ID_FILE_MRU_FILE1,GRAYED"},
      {90, winItem, "MENUITEM \"E&xit\",                       ID_APP_EXIT"},
      {97, win, "POPUP \"&Help\""},
      {111, win, "POPUP \"&File\""},
      {112, macBlock, "BEGIN"},
      {113, macItem, "MENUITEM \"&New\\t\\021N\",                 ID_FILE_NEW"},
      {118, macItem, "MENUITEM \"Recent File\",                 ID_FILE_MRU_FILE1, GRAYED"},
      {120, macItem, "MENUITEM \"&Quit\\t\\021Q\",                ID_APP_EXIT"},
      {121, macBlock, "END"},
      {122, macBlock, "POPUP \"&View\""},
      {125, "       \t", "MENUITEM \"&Status Bar\",                 ID_VIEW_STATUS_BAR"},
      {126, macBlock, "END"},
      {132, "", "IDR_DEMOTYPE MENU PRELOAD DISCARDABLE"},
      {170, win, "POPUP \"&Help\""},
      {172, winItem, "MENUITEM \"&About Demo...\",          ID_APP_ABOUT"},
      {179, "", "IDR_DEMOTYPE$(_MAC) MENU PRELOAD DISCARDABLE"},
      {181, "", "IDR_DEMOTYPE MENU PRELOAD DISCARDABLE"},
      {185, win, "BEGIN"},
      {186, macItem, "MENUITEM \"&New\\t\\021N\",                 ID_FILE_NEW"},
      {196, macItem, "MENUITEM \"Recent File\",                 ID_FILE_MRU_FILE1, GRAYED"},
      {202, macItem, "MENUITEM \"&Undo\\t\\021Z\",                ID_EDIT_UNDO"},
      {203, macItem, "MENUITEM SEPARATOR"},
      {210, winItem, "MENUITEM \"&Toolbar\",                    ID_VIEW_TOOLBAR"},
      {215, winItem, "MENUITEM \"&New Window\",                 ID_WINDOW_NEW"},
      {218, winItem, "MENUITEM \"&Arrange Icons\",              ID_WINDOW_ARRANGE"},
      {219, win, "END"},
  };
  for (const auto& c : cases) EXPECT_EQ(lines[c.line - 1], c.indent + c.text) << c.line;
  // The Windows menus are indented with tabs only.
  for (std::size_t i = 79; i < 101; ++i) EXPECT_EQ(Indent(lines[i]).find(' '), std::string::npos) << i + 1;
  for (std::size_t i = 133; i < 174; ++i) EXPECT_EQ(Indent(lines[i]).find(' '), std::string::npos) << i + 1;
}

// Accelerator rows: the command at the 17th character, the flags at the
// 41st, the Windows flags without blanks and the Macintosh ones with them.
TEST(ResourceFiles, AcceleratorRowsFollowTheirColumns) {
  auto lines = Script("Demo");
  struct Table {
    std::size_t first, last;  // Lines of the rows, from 1.
    std::string indent;
    bool blanksInFlags;
  } tables[] = {{232, 245, "\t", false}, {256, 270, "    ", true}};
  for (const auto& t : tables) {
    for (std::size_t n = t.first; n <= t.last; ++n) {
      const auto& line = lines[n - 1];
      ASSERT_TRUE(StartsWith(line, t.indent)) << n;
      std::string row = line.substr(t.indent.size());
      ASSERT_GT(row.size(), 41u) << n;
      EXPECT_NE(row[0], ' ') << n;
      EXPECT_EQ(row.substr(16, 3), "ID_") << n;
      EXPECT_EQ(row[15], ' ') << n;
      EXPECT_EQ(row.substr(40, 7), "VIRTKEY") << n;
      EXPECT_EQ(row[39], ' ') << n;
      std::string flags = row.substr(40);
      EXPECT_EQ(flags.find(' ') != std::string::npos, t.blanksInFlags && flags != "VIRTKEY") << n;
      if (t.blanksInFlags) {
        EXPECT_NE(flags.find("NOINVERT"), std::string::npos) << n;
      }
    }
    EXPECT_EQ(lines[t.first - 2], "BEGIN");
    EXPECT_EQ(lines[t.last], "END");
  }
  EXPECT_EQ(lines[243], "\tVK_F6,          ID_NEXT_PANE,           VIRTKEY");
  EXPECT_EQ(lines[264], "    VK_F6,          ID_NEXT_PANE,           VIRTKEY, NOINVERT");
  EXPECT_EQ(lines[255], "    \"C\",            ID_EDIT_COPY,           VIRTKEY, ALT, NOINVERT");
}

// String rows: the text at the 25th character after the tab, except the
// document type row (nine spaces, whatever the name) and the desk
// accessory row (a tab).
TEST(ResourceFiles, StringRowsFollowTheirColumn) {
  for (const char* name : {"A", "Demo", "AVeryLongProjectName_42"}) {
    auto lines = Script(name);
    const std::string docType = "IDR_" + test::Settings(name).UpperName() + "TYPE";
    int rows = 0;
    for (std::size_t i = 296; i < 370; ++i) {
      const auto& line = lines[i];
      if (line.empty() || line[0] != '\t') continue;
      ++rows;
      std::string id = line.substr(1, line.find_first_of(" \t", 1) - 1);
      std::string gap = line.substr(1 + id.size(), line.find('"') - 1 - id.size());
      if (id == docType)
        EXPECT_EQ(gap, std::string(9, ' ')) << name;
      else if (id == "AFX_IDS_DESKACCESSORY")
        EXPECT_EQ(gap, "\t");
      else
        EXPECT_EQ(id.size() + gap.size(), 24u) << line;
      EXPECT_EQ(line.back(), '"') << line;
    }
    EXPECT_EQ(rows, 2 + 2 + 6 + 36 + 12) << name;
  }
}

// Version values: 25 characters stand before the value, and the longest
// key leaves no blank at all.
TEST(ResourceFiles, VersionValuesFollowTheirColumn) {
  auto lines = Script("Demo");
  int values = 0;
  for (std::size_t i = 378; i < 412; ++i) {
    if (!StartsWith(lines[i], "\t\t\tVALUE \"")) continue;
    ++values;
    std::string row = lines[i].substr(3);
    EXPECT_EQ(row[25], '"') << row;
    EXPECT_NE(row[24], '"') << row;
    EXPECT_EQ(row.substr(row.size() - 3), "\\0\"") << row;
  }
  EXPECT_EQ(values, 9);
  EXPECT_EQ(lines[401], "\t\t\tVALUE \"OriginalFilename\",\"Demo.EXE\\0\"");
  EXPECT_EQ(lines[396], "\t\t\tVALUE \"FileDescription\", \"Demo MFC Application\\0\"");
  EXPECT_EQ(lines[380], "  PRODUCTVERSION    1,0,0,1");
  EXPECT_EQ(lines[389], "  FILESUBTYPE       0   // not used");
}

// The compiler escapes stay as backslash sequences: the script is plain
// ASCII with tabs as its only control characters.
TEST(ResourceFiles, EscapesAreWrittenAsTextOfTheScript) {
  test::Generated g;
  test::Generate(g, test::Settings("Demo"));
  for (const char* file : {"Demo.rc", "resource.h", "res\\Demo.rc2"}) {
    for (const auto& line : g.Lines(file))
      for (unsigned char c : line) EXPECT_TRUE(c == '\t' || (c >= 0x20 && c < 0x7f)) << file << ": " << line;
  }
  auto lines = g.Lines("Demo.rc");
  struct Case {
    std::size_t line;
    const char* text;
  } cases[] = {
      {25, "\t\"resource.h\\0\""},
      {30, "\t\"#include \"\"afxres.h\"\"\\r\\n\""},
      {36, "    \"#define _AFX_NO_SPLITTER_RESOURCES\\r\\n\""},
      {40, "\t\"\\r\\n\""},
      {41, ""},
      {42, "\t\"#include \"\"res\\\\Demo.rc2\"\"  // non-Microsoft Visual C++ edited resources\\r\\n\""},
      {43, "\t\"#include \"\"afxres.rc\"\"  \t// Standard components\\r\\n\""},
      {44, "\t\"#include \"\"afxprint.rc\"\"\t// printing/print preview resources\\r\\n\""},
      {46, "\t\"\\0\""},
      {400, "\t\t\tVALUE \"LegalCopyright\",  \"Copyright \\251 1998\\0\""},
      {428, "#include \"res\\\\Demo.rc2\"  // non-Microsoft Visual C++ edited resources"},
      {429, "#include \"afxres.rc\"  \t// Standard components"},
      {430, "#include \"afxprint.rc\"  // printing/print preview resources"},
  };
  for (const auto& c : cases) EXPECT_EQ(lines[c.line - 1], c.text) << c.line;
}

// The name goes in as typed, {NAME} raises only a to z, and nothing else
// in the three files depends on the name.
TEST(ResourceFiles, NameAndUpperNameAreSplicedAsTyped) {
  struct Case {
    const char* name;
    const char* file;
    std::size_t line;
    std::string text;
  } cases[] = {
      {"Demo", "Demo.rc", 58, "IDR_MAINFRAME           ICON    DISCARDABLE     \"res\\\\Demo.ico\""},
      {"Demo", "Demo.rc", 61, "IDR_DEMOTYPE         ICON    DISCARDABLE     \"res\\\\Demodoc.ico\""},
      {"demo2", "demo2.rc", 61, "IDR_DEMO2TYPE         ICON    DISCARDABLE     \"res\\\\demo2doc.ico\""},
      {"demo2", "demo2.rc", 281, "CAPTION \"About demo2\""},
      {"demo2", "demo2.rc", 286, "\tLTEXT           \"demo2 Version 1.0\",IDC_STATIC,40,10,119,8"},
      {"demo2", "demo2.rc", 299, "\tIDR_MAINFRAME           \"demo2\""},
      {"demo2", "demo2.rc", 300,
       "\tIDR_DEMO2TYPE         \"\\ndemo2\\ndemo2\\n\\n\\ndemo2.Document\\ndemo2 Document\\ndemo2\\ndemo2 "
       "Files\""},
      {"demo2", "demo2.rc", 304, "\tAFX_IDS_APP_TITLE       \"demo2\""},
      {"demo2", "demo2.rc", 403, "\t\t\tVALUE \"ProductName\",     \"demo2 Application\\0\""},
      {"my_app9", "my_app9.rc", 300,
       "\tIDR_MY_APP9TYPE         \"\\nmy_app9\\nmy_app9\\n\\n\\nmy_app9.Document\\nmy_app9 "
       "Document\\nmy_app9\\n"
       "my_app9 Files\""},
      {"Demo", "resource.h", 2, "//{{NO_DEPENDENCIES}}"},
      {"Demo", "resource.h", 4, "// Used by Demo.RC"},
      {"Demo", "resource.h", 7, "#define IDR_DEMOTYPE\t\t\t\t129"},
      {"demo2", "resource.h", 4, "// Used by demo2.RC"},
      {"demo2", "resource.h", 6, "#define IDR_MAINFRAME\t\t\t\t128"},
      {"demo2", "resource.h", 7, "#define IDR_DEMO2TYPE\t\t\t\t129"},
      {"demo2", "resource.h", 8, "#define IDD_ABOUTBOX\t\t\t\t100"},
      {"demo2", "resource.h", 15, "#define _APS_NEXT_RESOURCE_VALUE\t130"},
      {"demo2", "resource.h", 18, "#define _APS_NEXT_COMMAND_VALUE\t\t32771"},
      {"Demo", "res\\Demo.rc2", 1, "//" + std::string(75, '-')},
      {"Demo", "res\\Demo.rc2", 3, "// Demo.RC2 - resources Microsoft Visual C++ does not edit directly"},
      {"demo2", "res\\demo2.rc2", 3, "// demo2.RC2 - resources Microsoft Visual C++ does not edit directly"},
      {"demo2", "res\\demo2.rc2", 7, "\t#error this file is not editable by Microsoft Visual C++"},
      {"demo2", "res\\demo2.rc2", 11, kSlashes},
      {"demo2", "res\\demo2.rc2", 14, kSlashes},
  };
  for (const auto& c : cases) {
    test::Generated g;
    test::Generate(g, test::Settings(c.name));
    auto lines = g.Lines(c.file);
    ASSERT_LE(c.line, lines.size()) << c.file;
    EXPECT_EQ(lines[c.line - 1], c.text) << c.file << ":" << c.line;
  }

  // Written with the name left out, the files of two projects agree.
  test::Generated a, b;
  test::Generate(a, test::Settings("Demo"));
  test::Generate(b, test::Settings("Other_Name"));
  auto without = [](std::string text, const std::string& name, const std::string& upper) {
    for (const auto* word : {&upper, &name})
      for (auto at = text.find(*word); at != std::string::npos; at = text.find(*word, at))
        text.erase(at, word->size());
    return text;
  };
  EXPECT_EQ(without(a.Text("Demo.rc"), "Demo", "DEMO"),
            without(b.Text("Other_Name.rc"), "Other_Name", "OTHER_NAME"));
  EXPECT_EQ(without(a.Text("resource.h"), "Demo", "DEMO"),
            without(b.Text("resource.h"), "Other_Name", "OTHER_NAME"));
  EXPECT_EQ(without(a.Text("res\\Demo.rc2"), "Demo", "DEMO"),
            without(b.Text("res\\Other_Name.rc2"), "Other_Name", "OTHER_NAME"));
}

// A name that no file system would take still goes into the text exactly
// as typed: the writer neither quotes nor checks it.
TEST(ResourceFiles, OddNamesAreWrittenUnquoted) {
  MemoryFileSystem fs;
  fs.AddDirectory("C:\\Work");
  OutputWriter out(fs);
  out.Create("C:\\Work\\odd.rc");
  WriteResourceScript(test::Settings("a \"b\\c"), out);
  auto lines = test::SplitLines(out.Buffer());
  ASSERT_EQ(lines.size(), 436u);
  EXPECT_EQ(lines[280], "CAPTION \"About a \"b\\c\"");
  EXPECT_EQ(lines[60], "IDR_A \"B\\CTYPE         ICON    DISCARDABLE     \"res\\\\a \"b\\cdoc.ico\"");
  EXPECT_EQ(lines[171], "\t\tMENUITEM \"&About a \"b\\c...\",          ID_APP_ABOUT");
}

// The view base class and the frame kind reach none of the three files.
TEST(ResourceFiles, ViewBaseAndFrameKindLeaveThemByteIdentical) {
  test::Generated reference;
  test::Generate(reference, test::Settings("Demo"));
  struct Case {
    const char* base;
    FrameKind kind;
  } cases[] = {{"CView", FrameKind::Single},          {"CListView", FrameKind::Multiple},
               {"CRichEditView", FrameKind::Single},  {"CScrollView", FrameKind::Multiple},
               {"CDaoRecordView", FrameKind::Single}, {"", FrameKind::Multiple}};
  for (const auto& c : cases) {
    auto settings = test::Settings("Demo", "C:\\Work", c.base);
    settings.Kind = c.kind;
    test::Generated g;
    test::Generate(g, settings);
    for (const char* file : {"Demo.rc", "resource.h", "res\\Demo.rc2"})
      EXPECT_EQ(g.Text(file), reference.Text(file)) << file << " with " << c.base;
  }
}

// The run makes "res" just before the extension script and does not mind
// one that exists; it rewrites what a former run left there.
TEST(ResourceFiles, ExtensionScriptGoesIntoTheResourceDirectory) {
  for (bool existing : {false, true}) {
    test::Generated g;
    if (existing) {
      g.fs.AddDirectory("C:\\Work\\res");
      g.fs.AddFile("C:\\Work\\res\\Demo.rc2", "old");
    }
    test::Generate(g, test::Settings("Demo"));
    ASSERT_TRUE(g.fs.DirectoryExists("C:\\Work\\res")) << existing;
    EXPECT_EQ(g.Lines("res\\Demo.rc2").size(), 15u) << existing;
    const auto& log = g.fs.CreateLog();
    std::vector<std::string> order;
    for (const auto& path : log)
      if (path == "C:\\Work\\Demo.rc" || path == "C:\\Work\\res\\Demo.rc2" || path == "C:\\Work\\resource.h")
        order.push_back(path);
    EXPECT_EQ(order, (std::vector<std::string>{"C:\\Work\\Demo.rc", "C:\\Work\\res\\Demo.rc2",
                                               "C:\\Work\\resource.h"}));
  }
}

}  // namespace
}  // namespace vantrel
