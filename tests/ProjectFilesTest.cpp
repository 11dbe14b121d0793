#include <gtest/gtest.h>

#include "generator/GeneratedFile.h"
#include "generator/OutputWriter.h"
#include "generator/TemplateWriter.h"
#include "platform/fs/MemoryFileSystem.h"
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

TEST(ProjectFiles, NameIsSplicedWhereItBelongs) {
  test::Generated demo, demo2;
  test::Generate(demo, test::Settings("Demo"));
  test::Generate(demo2, test::Settings("demo2"));
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
    const bool namesTheProject = i + 1 == 16 || i + 1 == 17 || i + 1 == 18 || i + 1 == 35;
    if (!namesTheProject) {
      EXPECT_EQ(a[i], b[i]) << "line " << i + 1;
    }
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
  // The run writes offered bases only; the template takes any catalogued
  // base, or an unknown name, the same way.
  const GeneratedFile* stdafx = nullptr;
  for (const GeneratedFile& file : GeneratedFiles())
    if (file.relativeName == "stdafx.h") stdafx = &file;
  ASSERT_NE(stdafx, nullptr);
  for (const auto& c : cases) {
    MemoryFileSystem fs;
    fs.AddDirectory("C:\\Work");
    OutputWriter writer(fs);
    writer.Create("C:\\Work\\stdafx.h");
    WriteTemplate(*stdafx->text, SpliceValues(test::Settings("Demo", "C:\\Work", c.base)), writer);
    const std::string& text = writer.Buffer();
    std::string expectedTail = head + (c.line19 ? std::string(c.line19) + "\r\n" : "") + "\r\n";
    ASSERT_GE(text.size(), expectedTail.size());
    EXPECT_EQ(text.substr(text.size() - expectedTail.size()), expectedTail) << c.base;
  }
}

}  // namespace
}  // namespace vantrel
