#include <gtest/gtest.h>

#include "tests/TestSupport.h"

namespace vantrel {
namespace {

const std::string kMakeSeparator = "# " + std::string(75, '-');
const std::string kSlashes(77, '/');

struct Expected {
  const char* file;
  std::size_t line;  // From 1.
  std::string text;
};

void ExpectLines(const test::Generated& g, const std::vector<Expected>& table) {
  for (const auto& e : table) {
    auto lines = g.Lines(e.file);
    ASSERT_LE(e.line, lines.size()) << e.file;
    EXPECT_EQ(lines[e.line - 1], e.text) << e.file << ":" << e.line;
  }
}

TEST(ProjectFiles, LineCounts) {
  struct Case {
    const char* base;
    const char* file;
    std::size_t lines;
  } cases[] = {
      {"CView", "Demo.bpr", 177},      {"CView", "Demo.cpp", 170},      {"CView", "Demo.h", 53},
      {"CView", "stdafx.cpp", 16},     {"CView", "stdafx.h", 19},       {"CEditView", "stdafx.h", 19},
      {"CScrollView", "stdafx.h", 19}, {"CListView", "stdafx.h", 20},   {"CTreeView", "stdafx.h", 20},
      {"CRichEditView", "stdafx.h", 20}, {"CDaoRecordView", "stdafx.h", 20},
      {"CRecordView", "stdafx.h", 20}, {"crichEditView", "stdafx.h", 19}, {"", "stdafx.h", 19},
  };
  for (const auto& c : cases) {
    test::Generated g;
    test::Generate(g, test::Settings("Demo", "C:\\Work", c.base));
    EXPECT_EQ(g.Lines(c.file).size(), c.lines) << c.file << " with " << c.base;
  }
}

TEST(ProjectFiles, NameIsSplicedWhereItBelongs) {
  test::Generated demo, demo2;
  test::Generate(demo, test::Settings("Demo"));
  test::Generate(demo2, test::Settings("demo2"));
  ExpectLines(demo,
              {{"Demo.bpr", 1, kMakeSeparator},
               {"Demo.bpr", 16, "PROJECT = Demo.exe"},
               {"Demo.bpr", 17, "OBJFILES = Demo.obj CDemoApp.obj CMainFrame.obj CDemoDoc.obj CDemoView.obj"},
               {"Demo.bpr", 18, "RESFILES = Demo.res"},
               {"Demo.bpr", 35, "  -I$(BCB)\\include;$(BCB)\\INCLUDE\\MFC -H=Demo.csm"},
               {"Demo.bpr", 47,
                "ALLLIB = $(LIBFILES) $(LIBRARIES)  bfcs42.lib bfc42.lib ole2w32.lib import32.lib cw32mti.lib"},
               {"Demo.bpr", 161, "    $(BCB)\\BIN\\$(DCC32) $(PFLAGS) {$< }"},
               {"Demo.bpr", 177, kMakeSeparator},
               {"Demo.cpp", 1, "#include <condefs.h>"},
               {"Demo.cpp", 4, "USEUNIT(\"Demodoc.cpp\");"},
               {"Demo.cpp", 9, "USERC(\"Demo.rc\");"},
               {"Demo.cpp", 34, kSlashes},
               {"Demo.cpp", 38, "\t//{{AFX_MSG_MAP(CDemoApp)"},
               {"Demo.cpp", 41, "\t\t//    DO NOT EDIT what you see in these blocks of generated code!"},
               {"Demo.cpp", 83, "\t\tIDR_DEMOTYPE,"},
               {"Demo.cpp", 85, "\t\tRUNTIME_CLASS(CMDIChildWnd),          // standard MDI child frame"},
               {"Demo.cpp", 102, "\tif (m_lpCmdLine[0] != '\\0')"},
               {"Demo.cpp", 129, "\tenum { IDD = IDD_ABOUTBOX };"},
               {"Demo.cpp", 169, "#define WinMain"},
               {"Demo.cpp", 170, ""},
               {"Demo.h", 1, ""},
               {"Demo.h", 2, "// Demo.h : main header file for the Demo application"},
               {"Demo.h", 22, "#include \"resource.h\"       // main symbols"},
               {"Demo.h", 46, "\t\t//    DO NOT EDIT what you see in these blocks of generated code !"},
               {"Demo.h", 52, kSlashes}});
  ExpectLines(demo2,
              {{"demo2.bpr", 17,
                "OBJFILES = demo2.obj Cdemo2App.obj CMainFrame.obj Cdemo2Doc.obj Cdemo2View.obj"},
               {"demo2.cpp", 5, "USEUNIT(\"demo2view.cpp\");"},
               {"demo2.cpp", 83, "\t\tIDR_DEMO2TYPE,"},
               {"demo2.cpp", 62, "Cdemo2App theApp;"},
               {"demo2.h", 29, "class Cdemo2App : public CWinApp"}});
  // Only the four makefile lines that name the project differ between names.
  auto a = demo.Lines("Demo.bpr"), b = demo2.Lines("demo2.bpr");
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (i + 1 != 16 && i + 1 != 17 && i + 1 != 18 && i + 1 != 35) EXPECT_EQ(a[i], b[i]) << "line " << i + 1;
  }
}

TEST(ProjectFiles, SourceNeverDefinesWinMain) {
  test::Generated g;
  test::Generate(g, test::Settings("Demo"));
  EXPECT_EQ(g.Text("Demo.cpp").find("WinMain("), std::string::npos);
}

TEST(ProjectFiles, PrecompiledHeaderIncludeFollowsTheViewBaseExactly) {
  struct Case {
    const char* base;
    const char* line19;  // Null when the file has no include line there.
  } cases[] = {
      {"CView", nullptr},
      {"CEditView", nullptr},
      {"CScrollView", nullptr},
      {"clistview", nullptr},
      {"CDaoRecordView", "#include <afxdao.h>\t\t // MFC CDaoRecordView"},
      {"CListView", "#include <afxcview.h> \t\t// MFC CListView or CTreeView"},
      {"CTreeView", "#include <afxcview.h> \t\t// MFC CListView or CTreeView"},
      {"CRecordView", "#include <afxdb.h> \t\t// MFC CRecordView"},
      {"CRichEditView", "#include <afxrich.h> \t\t// MFC CRichEditView"},
  };
  const std::string head =
      "// stdafx.h : include file for standard system include files,\r\n"
      "//  or project specific include files that are used frequently, but\r\n"
      "//\t\tare changed infrequently\r\n\r\n#define VC_EXTRALEAN\r\n\r\n"
      "#include <afxwin.h>\t\t // MFC core and standard components\r\n"
      "#include <afxext.h> \t\t// MFC extensions\r\n";
  for (const auto& c : cases) {
    test::Generated g;
    test::Generate(g, test::Settings("Demo", "C:\\Work", c.base));
    std::string text = g.Text("stdafx.h");
    std::string expectedTail = head + (c.line19 ? std::string(c.line19) + "\r\n" : "") + "\r\n";
    ASSERT_GE(text.size(), expectedTail.size());
    EXPECT_EQ(text.substr(text.size() - expectedTail.size()), expectedTail) << c.base;
  }
}

TEST(ProjectFiles, StdafxSourceIsTheSameForEveryProject) {
  test::Generated a, b;
  test::Generate(a, test::Settings("Demo", "C:\\Work", "CView"));
  test::Generate(b, test::Settings("other_1", "C:\\Work", "CTreeView"));
  EXPECT_EQ(a.Text("stdafx.cpp"), b.Text("stdafx.cpp"));
  auto lines = a.Lines("stdafx.cpp");
  EXPECT_EQ(lines[11], "//\toldbars.pch will be the pre-compiled header");
  EXPECT_EQ(lines[14], "#include \"stdafx.h\"");
}

// Only the name and the view base class change generated text; the frame
// kind never does, and the base class leaves these files alone.
TEST(ProjectFiles, FrameKindAndBaseLeaveTheProjectFilesAlone) {
  auto single = test::Settings("Demo");
  single.Kind = FrameKind::Single;
  test::Generated a, b, c;
  test::Generate(a, test::Settings("Demo"));
  test::Generate(b, single);
  test::Generate(c, test::Settings("Demo", "C:\\Work", "CRichEditView"));
  for (const auto& [path, entry] : a.fs.Files()) EXPECT_EQ(b.fs.Find(path)->content, entry.content) << path;
  for (const char* file : {"Demo.bpr", "Demo.cpp", "Demo.h", "stdafx.cpp"})
    EXPECT_EQ(a.Text(file), c.Text(file)) << file;
}

}  // namespace
}  // namespace vantrel
