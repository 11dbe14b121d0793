#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <utility>

#include "generator/GeneratedFile.h"
#include "generator/Writers.h"
#include "tests/TestSupport.h"

namespace vantrel {
namespace {

const std::string kSlashes(77, '/');
const char* const kViewBases[] = {"CView",       "CEditView",   "CListView",
                                  "CRichEditView", "CScrollView", "CTreeView"};

struct Writer {
  const char* file;  // "{Name}" stands for the project name.
  GeneratedFile::TextWriter write;
  std::size_t lines;
};

const Writer kWriters[] = {
    {"{Name}Doc.cpp", WriteDocumentSource, 93},   {"{Name}Doc.h", WriteDocumentHeader, 54},
    {"{Name}View.cpp", WriteViewSource, 104},     {"{Name}View.h", WriteViewHeader, 62},
    {"MainFrm.cpp", WriteMainFrameSource, 129}, {"MainFrm.h", WriteMainFrameHeader, 53},
};
enum { kDocCpp, kDocH, kViewCpp, kViewH, kFrameCpp, kFrameH };

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// The text one writer produces for the settings, without touching any file.
std::string Render(const Writer& writer, const ProjectSettings& settings) {
  MemoryFileSystem fs;
  OutputWriter out(fs);
  writer.write(settings, out);
  return out.Buffer();
}

std::vector<std::string> RenderLines(const Writer& writer, const std::string& name,
                                     const std::string& base = "CView") {
  return test::SplitLines(Render(writer, test::Settings(name, "C:\\Work", base)));
}

TEST(DocViewFrame, LineCountsForEveryNameAndBase) {
  for (const auto& writer : kWriters)
    for (const char* name : {"Demo", "demo2", "X"})
      for (const char* base : kViewBases)
        EXPECT_EQ(RenderLines(writer, name, base).size(), writer.lines)
            << writer.file << " for " << name << " with " << base;
}

// Tabs indent, no line ends in a blank, and only the inline accessor of the
// view header is indented with blanks. The frame's creation handler aligns
// its continued conditions with two blanks after the tabs.
TEST(DocViewFrame, IndentationAndLineEnds) {
  for (const auto& writer : kWriters) {
    auto lines = RenderLines(writer, "Demo");
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const auto& line = lines[i];
      const std::string where = std::string(writer.file) + ":" + std::to_string(i + 1);
      if (line.empty()) continue;
      EXPECT_NE(line.back(), ' ') << where;
      EXPECT_NE(line.back(), '\t') << where;
      const bool blankIndented = line.front() == ' ';
      const bool expected = &writer == &kWriters[kViewH] && i + 1 == 58;
      EXPECT_EQ(blankIndented, expected) << where << ": " << line;
      auto text = line.find_first_not_of('\t');
      ASSERT_NE(text, std::string::npos) << where;
      if (text > 0 && &writer != &kWriters[kFrameCpp]) {
        EXPECT_NE(line[text], ' ') << where << ": tabs followed by blanks";
      }
    }
  }
}

// Quoted lines at their line numbers; {Name} and {Base} are filled in by the
// test itself.
TEST(DocViewFrame, LinesAtTheirPlaces) {
  struct Case {
    int writer;
    std::size_t line;
    std::string text;
  } cases[] = {
      {kDocCpp, 1, ""},
      {kDocCpp, 2, "// {Name}doc.cpp : implementation of the C{Name}Doc class"},
      {kDocCpp, 15, "#include \"{Name}.h\""},
      {kDocCpp, 17, "#include \"{Name}doc.h\""},
      {kDocCpp, 24, kSlashes},
      {kDocCpp, 25, "// C{Name}Doc"},
      {kDocCpp, 27, "IMPLEMENT_DYNCREATE(C{Name}Doc, CDocument)"},
      {kDocCpp, 29, "BEGIN_MESSAGE_MAP(C{Name}Doc, CDocument)"},
      {kDocCpp, 30, "\t//{{AFX_MSG_MAP(C{Name}Doc)"},
      {kDocCpp, 31, "\t\t// NOTE - the ClassWizard will add and remove mapping macros here."},
      {kDocCpp, 32, "\t\t//    DO NOT EDIT what you see in these blocks of generated code!"},
      {kDocCpp, 39, "C{Name}Doc::C{Name}Doc()"},
      {kDocCpp, 41, "\t// TODO: add one-time construction code here"},
      {kDocCpp, 45, "C{Name}Doc::~C{Name}Doc()"},
      {kDocCpp, 49, "BOOL C{Name}Doc::OnNewDocument()"},
      {kDocCpp, 55, "\t// (SDI documents will reuse this document)"},
      {kDocCpp, 63, "void C{Name}Doc::Serialize(CArchive& ar)"},
      {kDocCpp, 67, "\t\t// TODO: add storing code here"},
      {kDocCpp, 84, "void C{Name}Doc::Dump(CDumpContext& dc) const"},
      {kDocCpp, 90, kSlashes},
      {kDocCpp, 91, "// C{Name}Doc commands"},
      {kDocCpp, 92, ""},
      {kDocCpp, 93, ""},

      {kDocH, 1, "// {Name}Doc.h : interface of the C{Name}Doc class"},
      {kDocH, 13, "class C{Name}Doc : public CDocument"},
      {kDocH, 17, "\tDECLARE_DYNCREATE(C{Name}Doc)"},
      {kDocH, 27, "\t//{{AFX_VIRTUAL(C{Name}Doc)"},
      {kDocH, 29, "\tvirtual BOOL OnNewDocument();"},
      {kDocH, 34, "\tvirtual ~C{Name}Doc();"},
      {kDocH, 35, "\tvirtual void Serialize(CArchive& ar);   // overridden for document i/o"},
      {kDocH, 45, "\t//{{AFX_MSG(C{Name}Doc)"},
      {kDocH, 47, "\t\t//    DO NOT EDIT what you see in these blocks of generated code !"},
      {kDocH, 52, kSlashes},
      {kDocH, 53, ""},
      {kDocH, 54, ""},

      {kViewCpp, 1, "// {Name}View.cpp : implementation of the C{Name}View class"},
      {kViewCpp, 14, "#include \"{Name}.h\""},
      {kViewCpp, 16, "#include \"{Name}doc.h\""},
      {kViewCpp, 17, "#include \"{Name}View.h\""},
      {kViewCpp, 27, "IMPLEMENT_DYNCREATE(C{Name}View, {Base})"},
      {kViewCpp, 29, "BEGIN_MESSAGE_MAP(C{Name}View, {Base})"},
      {kViewCpp, 32, "\t\t//    DO NOT EDIT what you see in these blocks of generated code!"},
      {kViewCpp, 34, "\t// Standard printing commands"},
      {kViewCpp, 35, "\tON_COMMAND(ID_FILE_PRINT, {Base}::OnFilePrint)"},
      {kViewCpp, 36, "\tON_COMMAND(ID_FILE_PRINT_PREVIEW, {Base}::OnFilePrintPreview)"},
      {kViewCpp, 42, "C{Name}View::C{Name}View()"},
      {kViewCpp, 48, "C{Name}View::~C{Name}View()"},
      {kViewCpp, 55, "void C{Name}View::OnDraw(CDC* pDC)"},
      {kViewCpp, 57, "\tC{Name}Doc* pDoc = GetDocument();"},
      {kViewCpp, 72, "void C{Name}View::OnBeginPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/)"},
      {kViewCpp, 77, "void C{Name}View::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/)"},
      {kViewCpp, 88, "\t{Base}::AssertValid();"},
      {kViewCpp, 93, "\t{Base}::Dump(dc);"},
      {kViewCpp, 96, "C{Name}Doc* C{Name}View::GetDocument() // non-debug version is inline"},
      {kViewCpp, 98, "\treturn STATIC_DOWNCAST(C{Name}Doc, m_pDocument);"},
      {kViewCpp, 103, "// C{Name}View message handlers"},
      {kViewCpp, 104, ""},

      {kViewH, 1, "// {Name}View.h : interface of the C{Name}View class"},
      {kViewH, 13, "class C{Name}View : public {Base}"},
      {kViewH, 21, "\tC{Name}Doc* GetDocument();"},
      {kViewH, 28, "\t//{{AFX_VIRTUAL(C{Name}View)"},
      {kViewH, 30, "\tvirtual void OnDraw(CDC* pDC);  // overridden to draw this view"},
      {kViewH, 51, "\t\t//    DO NOT EDIT what you see in these blocks of generated code !"},
      {kViewH, 56, "#ifndef _DEBUG  // debug version in {Name}View.cpp"},
      {kViewH, 57, "inline C{Name}Doc* C{Name}View::GetDocument()"},
      {kViewH, 58, "   { return (C{Name}Doc*)m_pDocument; }"},
      {kViewH, 61, kSlashes},
      {kViewH, 62, ""},

      {kFrameCpp, 1, "// mainfrm.cpp : implementation of the CMainFrame class"},
      {kFrameCpp, 14, "#include \"{Name}.h\""},
      {kFrameCpp, 16, "#include \"mainfrm.h\""},
      {kFrameCpp, 26, "IMPLEMENT_DYNAMIC(CMainFrame, CMDIFrameWnd)"},
      {kFrameCpp, 28, "BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWnd)"},
      {kFrameCpp, 29, "\t//{{AFX_MSG_MAP(CMainFrame)"},
      {kFrameCpp, 31, "\t\t//    DO NOT EDIT what you see in these blocks of generated code !"},
      {kFrameCpp, 32, "\tON_WM_CREATE()"},
      {kFrameCpp, 37, "// arrays of IDs used to initialize control bars"},
      {kFrameCpp, 76, "int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)"},
      {kFrameCpp, 109, "}"},
      {kFrameCpp, 110, ""},
      {kFrameCpp, 111, kSlashes},
      {kFrameCpp, 112, "// CMainFrame diagnostics"},
      {kFrameCpp, 127, kSlashes},
      {kFrameCpp, 128, "// CMainFrame message handlers"},
      {kFrameCpp, 129, ""},

      {kFrameH, 1, "// mainfrm.h : interface of the CMainFrame class"},
      {kFrameH, 13, "class CMainFrame : public CMDIFrameWnd"},
      {kFrameH, 38, "protected:  // control bar embedded members"},
      {kFrameH, 39, "\tCStatusBar  m_wndStatusBar;"},
      {kFrameH, 40, "\tCToolBar    m_wndToolBar;"},
      {kFrameH, 45, "\tafx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);"},
      {kFrameH, 47, "\t\t//    DO NOT EDIT what you see in these blocks of generated code!"},
      {kFrameH, 52, kSlashes},
      {kFrameH, 53, ""},
  };
  for (const char* name : {"Demo", "demo2"}) {
    std::vector<std::string> lines[std::size(kWriters)];
    for (std::size_t w = 0; w < std::size(kWriters); ++w) lines[w] = RenderLines(kWriters[w], name);
    for (const auto& c : cases) {
      const auto& file = lines[c.writer];
      const std::string where = ReplaceAll(kWriters[c.writer].file, "{Name}", name) + ":" + std::to_string(c.line);
      ASSERT_LE(c.line, file.size()) << where;
      EXPECT_EQ(file[c.line - 1], ReplaceAll(ReplaceAll(c.text, "{Name}", name), "{Base}", "CView")) << where;
    }
  }
}

// Every file carries the same nine-line notice right after its title.
TEST(DocViewFrame, NoticeBlockFollowsTheTitle) {
  const auto reference = RenderLines(kWriters[kFrameH], "Demo");
  const std::vector<std::string> notice(reference.begin() + 2, reference.begin() + 11);
  EXPECT_EQ(notice[0].rfind("// This is a part of the Microsoft Foundation Classes", 0), 0u) << notice[0];
  EXPECT_EQ(notice[3], "//");
  for (const auto& writer : kWriters) {
    auto lines = RenderLines(writer, "Demo");
    const std::size_t first = &writer == &kWriters[kDocCpp] ? 3 : 2;  // That source opens with an empty line.
    EXPECT_EQ(std::vector<std::string>(lines.begin() + first, lines.begin() + first + 9), notice) << writer.file;
  }
}

TEST(DocViewFrame, ControlBarArraysInBitmapOrder) {
  const std::vector<std::string> expected = {
      "// toolbar buttons - IDs are command buttons",
      "static UINT BASED_CODE buttons[] =",
      "{",
      "\t// same order as in the bitmap 'toolbar.bmp'",
      "\tID_FILE_NEW,",
      "\tID_FILE_OPEN,",
      "\tID_FILE_SAVE,",
      "\t\tID_SEPARATOR,",
      "\tID_EDIT_CUT,",
      "\tID_EDIT_COPY,",
      "\tID_EDIT_PASTE,",
      "\t\tID_SEPARATOR,",
      "\tID_FILE_PRINT,",
      "\tID_APP_ABOUT,",
      "};",
      "",
      "static UINT BASED_CODE indicators[] =",
      "{",
      "\tID_SEPARATOR,           // status line indicator",
      "\tID_INDICATOR_CAPS,",
      "\tID_INDICATOR_NUM,",
      "\tID_INDICATOR_SCRL,",
      "};",
  };
  auto lines = RenderLines(kWriters[kFrameCpp], "Demo");
  ASSERT_EQ(lines.size(), 129u);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 38, lines.begin() + 61), expected);
}

// The creation handler: 34 lines, its six steps in order, one empty line
// between each two, every step failing with -1.
TEST(DocViewFrame, CreationHandlerStepsInOrder) {
  auto lines = RenderLines(kWriters[kFrameCpp], "Demo");
  ASSERT_EQ(lines.size(), 129u);
  const std::vector<std::string> body(lines.begin() + 77, lines.begin() + 108);  // Lines 78 to 108.
  EXPECT_EQ(lines[76], "{");
  EXPECT_EQ(std::count(body.begin(), body.end(), ""), 5);
  const char* steps[] = {
      "\tif (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1)",
      "\t\treturn -1;",
      "\tif (!m_wndToolBar.Create(this) ||",
      "\t\t!m_wndToolBar.LoadBitmap(IDR_MAINFRAME) ||",
      "\t\tTRACE0(\"Failed to create toolbar\\n\");",
      "\tif (!m_wndStatusBar.Create(this) ||",
      "\t\tTRACE0(\"Failed to create status bar\\n\");",
      "\tm_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);",
      "\tEnableDocking(CBRS_ALIGN_ANY);",
      "\tDockControlBar(&m_wndToolBar);",
      "\tm_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() |",
      "\treturn 0;",
  };
  auto at = body.begin();
  for (const char* step : steps) {
    at = std::find(at, body.end(), step);
    ASSERT_NE(at, body.end()) << "missing or out of order: " << step;
  }
  EXPECT_EQ(body.back(), "\treturn 0;");
}

// The view base class is spliced at seven places and nowhere else, exactly
// as held: rendering with a marker and replacing the marker must give the
// same text as rendering with the class itself.
TEST(DocViewFrame, ViewBaseAtExactlySevenPlaces) {
  const std::string marker = "\x01";
  const std::set<std::pair<int, std::size_t>> places = {{kViewCpp, 27}, {kViewCpp, 29}, {kViewCpp, 35},
                                                       {kViewCpp, 36}, {kViewCpp, 88}, {kViewCpp, 93},
                                                       {kViewH, 13}};
  std::set<std::pair<int, std::size_t>> found;
  std::string marked[std::size(kWriters)];
  for (int w = 0; w < static_cast<int>(std::size(kWriters)); ++w) {
    marked[w] = Render(kWriters[w], test::Settings("Demo", "C:\\Work", marker));
    auto lines = test::SplitLines(marked[w]);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      auto count = std::count(lines[i].begin(), lines[i].end(), marker[0]);
      if (count > 0) found.insert({w, i + 1});
      EXPECT_LE(count, 1) << kWriters[w].file << ":" << i + 1;
    }
  }
  EXPECT_EQ(found, places);
  for (const char* base : std::initializer_list<const char*>{
           "CView", "CEditView", "CListView", "CRichEditView", "CScrollView", "CTreeView", "", "cview"}) {
    for (int w = 0; w < static_cast<int>(std::size(kWriters)); ++w)
      EXPECT_EQ(Render(kWriters[w], test::Settings("Demo", "C:\\Work", base)), ReplaceAll(marked[w], marker, base))
          << kWriters[w].file << " with '" << base << "'";
  }
}

// The project name is spliced exactly as typed: never raised, never trimmed.
// The main frame header holds no name, its source only the one include.
TEST(DocViewFrame, NameSplicedAsTyped) {
  const std::string marker = "\x01";
  const std::size_t occurrences[] = {20, 8, 28, 13, 1, 0};
  for (std::size_t w = 0; w < std::size(kWriters); ++w) {
    const auto marked = Render(kWriters[w], test::Settings(marker));
    EXPECT_EQ(static_cast<std::size_t>(std::count(marked.begin(), marked.end(), marker[0])), occurrences[w])
        << kWriters[w].file;
    for (const char* name : {"Demo", "demo2", "a_B9", "\xe4x"})
      EXPECT_EQ(Render(kWriters[w], test::Settings(name)), ReplaceAll(marked, marker, name))
          << kWriters[w].file << " for " << name;
  }
  auto lines = test::SplitLines(Render(kWriters[kFrameCpp], test::Settings(marker)));
  EXPECT_EQ(lines[13], "#include \"" + marker + ".h\"");
}

// Only Name and Base reach these files: the frame kind, the location and
// separator, and the derived class names (which the writers rebuild from the
// name) leave every byte alone.
TEST(DocViewFrame, NothingElseChangesTheText) {
  const std::function<void(ProjectSettings&)> changes[] = {
      [](ProjectSettings& s) { s.Kind = FrameKind::Single; },
      [](ProjectSettings& s) { s.Location = "D:\\Other\\Place\\"; },
      [](ProjectSettings& s) { s.Separator = "\\"; },
      [](ProjectSettings& s) { s.AppClassName = s.DocClassName = s.ViewClassName = s.FrameClassName = "CWrong"; },
      [](ProjectSettings& s) { s.AppClassName = s.DocClassName = s.ViewClassName = s.FrameClassName = ""; },
  };
  for (const char* base : kViewBases) {
    const auto reference = test::Settings("Demo", "C:\\Work", base);
    for (std::size_t c = 0; c < std::size(changes); ++c) {
      auto changed = reference;
      changes[c](changed);
      for (const auto& writer : kWriters)
        EXPECT_EQ(Render(writer, changed), Render(writer, reference)) << writer.file << ", change " << c;
    }
  }
  // Only the view files follow the base class.
  for (const char* base : kViewBases)
    for (int w : {kDocCpp, kDocH, kFrameCpp, kFrameH})
      EXPECT_EQ(Render(kWriters[w], test::Settings("Demo", "C:\\Work", base)),
                Render(kWriters[w], test::Settings("Demo")))
          << kWriters[w].file << " with " << base;
}

// Through a whole run the six files land under their own names, one after
// the other, with the text their writers produce, for either frame kind.
TEST(DocViewFrame, RunWritesThemInOrderUnderTheirNames) {
  for (FrameKind kind : {FrameKind::Multiple, FrameKind::Single}) {
    for (const char* name : {"Demo", "demo2"}) {
      auto settings = test::Settings(name);
      settings.Kind = kind;
      test::Generated g;
      test::Generate(g, settings);
      const auto& log = g.fs.CreateLog();
      const std::string first = "C:\\Work\\" + ReplaceAll(kWriters[0].file, "{Name}", name);
      auto at = std::find(log.begin(), log.end(), first);
      ASSERT_GE(std::distance(at, log.end()), static_cast<std::ptrdiff_t>(std::size(kWriters))) << first;
      for (const auto& writer : kWriters) {
        const std::string relative = ReplaceAll(writer.file, "{Name}", name);
        EXPECT_EQ(*at++, "C:\\Work\\" + relative);
        EXPECT_EQ(g.Text(relative), Render(writer, test::Settings(name))) << relative;
      }
    }
  }
}

}  // namespace
}  // namespace vantrel
