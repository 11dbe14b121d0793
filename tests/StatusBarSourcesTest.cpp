#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "generator/CodePage.h"
#include "generator/GeneratedFile.h"
#include "generator/GenerationRun.h"
#include "generator/TemplateWriter.h"
#include "generator/Writers.h"
#include "tests/TestSupport.h"

namespace vantrel {
namespace {

const std::string kSlashes(77, '/');

std::string Render(GeneratedFile::TextWriter write, const ProjectSettings& settings) {
  MemoryFileSystem fs;
  OutputWriter out(fs);
  write(settings, out);
  return out.Buffer();
}

std::vector<std::string> SourceLines() {
  return test::SplitLines(Render(WriteStatusBarSource, test::Settings("Demo")));
}
std::vector<std::string> HeaderLines() {
  return test::SplitLines(Render(WriteStatusBarHeader, test::Settings("Demo")));
}

std::string WithoutIndent(const std::string& line) {
  auto text = line.find_first_not_of(" \t");
  return text == std::string::npos ? std::string() : line.substr(text);
}

// How a quoted text is looked for within its line range.
enum class Match {
  At,       // The first line of the range is exactly the text.
  Line,     // Some line of the range is the text, after its indentation.
  Within,   // Some line of the range contains the text.
  Heading,  // The range opens with a separator line and then the text.
};

struct Item {
  int first, last;
  Match match;
  const char* text;
};

// The fixed lines of the source and where they lie, in the order they appear.
const Item kSourceItems[] = {
    {1, 1, Match::At, "// statbar.cpp : definition of old backward compatible CStatusBar"},
    {2, 2, Match::At, "//"},
    {13, 13, Match::At, "#include \"stdafx.h\""},
    {14, 14, Match::At, "#define _AFX_NO_OLE_SUPPORT"},
    {15, 15, Match::At, "#include <afxpriv.h>"},
    {16, 16, Match::At, "#include \"statbar.h\""},
    {17, 17, Match::At, "#include \"globals.h\""},
    {18, 18, Match::At, "#ifdef _MAC"},
    {19, 19, Match::At, "#include <macname1.h>"},
    {20, 20, Match::At, "#include <Types.h>"},
    {21, 21, Match::At, "#include <QuickDraw.h>"},
    {22, 22, Match::At, "#include <Fonts.h>"},
    {23, 23, Match::At, "#include <macosWindows.h>"},
    {24, 24, Match::At, "#include <GestaltEqu.h>"},
    {25, 25, Match::At, "#include <Script.h>"},
    {26, 26, Match::At, "#include <macname2.h>"},
    {27, 27, Match::At, "#endif"},
    {29, 34, Match::At, "#ifdef _DEBUG"},
    {29, 34, Match::Line, "static char THIS_FILE[] = __FILE__;"},
    {29, 34, Match::Line, "#define new DEBUG_NEW"},
    {36, 47, Match::Heading, "// CStatusBar creation etc"},
    {36, 47, Match::Line, "struct AFX_STATUSPANE"},
    {36, 47, Match::Within, " nID;"},
    {36, 47, Match::Within, " nStyle;"},
    {36, 47, Match::Within, " cxText;"},
    {36, 47, Match::Within, " lpszText;"},
    {49, 54, Match::At, "inline AFX_STATUSPANE* CStatusBar::_GetPanePtr(int nIndex) const"},
    {56, 58, Match::Line, "#pragma code_seg(AFX_INIT_SEG)"},
    {60, 116, Match::At, "CStatusBar::CStatusBar()"},
    {60, 116, Match::Within, "_T(\"MS Sans Serif\")"},
    {60, 116, Match::Within, "AfxCustomLogFont(AFX_IDS_STATUS_FONT"},
    {60, 116, Match::Within, "VARIABLE_PITCH | FF_SWISS"},
    {60, 116, Match::Within, "TRACE0(\"Warning: Using system font for status font.\\n\");"},
    {118, 130, Match::At, "void CStatusBar::OnWinIniChange(LPCTSTR /*lpszSection*/)"},
    {132, 137, Match::At, "CStatusBar::~CStatusBar()"},
    {139, 150, Match::At, "BOOL CStatusBar::PreCreateWindow(CREATESTRUCT& cs)"},
    {139, 150, Match::Within, "CBRS_BORDER_ANY|CBRS_BORDER_3D"},
    {152, 172, Match::At, "BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)"},
    {152, 172, Match::Within, "WM_SETFONT"},
    {174, 231, Match::At, "BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)"},
    {174, 231, Match::Within, "\"Warning: failed to load indicator string 0x%04X.\\n\""},
    {174, 231, Match::Within, "SBPS_STRETCH | SBPS_NOBORDERS"},
    {233, 238, Match::Line, "#pragma code_seg(AFX_CORE3_SEG)"},
    {237, 238, Match::Heading, "// CStatusBar attribute access"},
    {240, 253, Match::At, "int CStatusBar::CommandToIndex(UINT nIDFind) const"},
    {255, 259, Match::At, "UINT CStatusBar::GetItemID(int nIndex) const"},
    {261, 304, Match::At, "void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const"},
    {261, 304, Match::Within, "for (i = 0,"},  // The first loop's counter, reused.
    {306, 309, Match::At, "UINT CStatusBar::GetPaneStyle(int nIndex) const"},
    {311, 322, Match::At, "void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)"},
    {324, 333, Match::At, "void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle,"},
    {324, 333, Match::Line, "int& cxWidth) const"},
    {335, 348, Match::At, "void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)"},
    {350, 356, Match::At, "void CStatusBar::GetPaneText(int nIndex, CString& s) const"},
    {358, 394, Match::At, "BOOL CStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate)"},
    {396, 397, Match::Heading, "// CStatusBar implementation"},
    {399, 419, Match::At, "CSize CStatusBar::CalcFixedLayout(BOOL, BOOL bHorz)"},
    {399, 419, Match::Within, "32767"},
    {421, 492, Match::At, "void CStatusBar::DoPaint(CDC* pDC)"},
    {421, 492, Match::Within, "for (i = 0,"},
    {421, 492, Match::Within, "globalData.hpenBtnHilite"},
    {421, 492, Match::Within, "globalData.hpenBtnShadow"},
    {494, 539, Match::At, "void CStatusBar::DrawStatusText(CDC* pDC, const CRect& rect,"},
    {494, 539, Match::Line, "LPCTSTR lpszText, UINT nStyle)"},
    {541, 557, Match::Heading, "// CStatusBar message handlers"},
    {541, 557, Match::Line, "BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)"},
    {541, 557, Match::Line, "ON_WM_NCHITTEST()"},
    {541, 557, Match::Line, "ON_WM_SYSCOMMAND()"},
    {541, 557, Match::Line, "ON_WM_SIZE()"},
    {541, 557, Match::Line, "ON_MESSAGE(WM_SETFONT, OnSetFont)"},
    {541, 557, Match::Line, "ON_MESSAGE(WM_GETFONT, OnGetFont)"},
    {541, 557, Match::Line, "ON_MESSAGE(WM_SETTEXT, OnSetText)"},
    {541, 557, Match::Line, "ON_MESSAGE(WM_GETTEXT, OnGetText)"},
    {541, 557, Match::Line, "ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)"},
    {541, 557, Match::Line, "ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)"},
    {541, 557, Match::Line, "ON_WM_WININICHANGE()"},
    {541, 557, Match::Line, "END_MESSAGE_MAP()"},
    {559, 574, Match::At, "UINT CStatusBar::OnNcHitTest(CPoint point)"},
    {559, 574, Match::Within, "HTBOTTOMRIGHT"},
    {576, 588, Match::At, "void CStatusBar::OnSysCommand(UINT nID, LPARAM lParam)"},
    {576, 588, Match::Within, "SC_SIZE"},
    {590, 599, Match::At, "void CStatusBar::OnSize(UINT nType, int cx, int cy)"},
    {601, 607, Match::At, "LRESULT CStatusBar::OnSetFont(WPARAM wParam, LPARAM)"},
    {609, 612, Match::At, "LRESULT CStatusBar::OnGetFont(WPARAM, LPARAM)"},
    {614, 620, Match::At, "LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam)"},
    {622, 641, Match::At, "LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)"},
    {643, 654, Match::At, "LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM)"},
    {656, 684, Match::At, "LRESULT CStatusBar::OnSizeParent(WPARAM wParam, LPARAM lParam)"},
    {686, 697, Match::Heading, "// CStatusBar idle update through CStatusCmdUI class"},
    {686, 697, Match::Line, "#define CStatusCmdUI COldStatusCmdUI"},
    {686, 697, Match::Line, "class CStatusCmdUI : public CCmdUI      // class private to this file!"},
    {686, 697, Match::Line, "public: // re-implementations only"},
    {686, 697, Match::Line, "virtual void Enable(BOOL bOn);"},
    {686, 697, Match::Line, "virtual void SetCheck(int nCheck);"},
    {686, 697, Match::Line, "virtual void SetText(LPCTSTR lpszText);"},
    {699, 711, Match::At, "void CStatusCmdUI::Enable(BOOL bOn)"},
    {699, 711, Match::Within, "SBPS_DISABLED"},
    {713, 724, Match::At, "void CStatusCmdUI::SetCheck(int nCheck) // \"checking\" will pop out the text"},
    {713, 724, Match::Within, "SBPS_POPOUT"},
    {726, 733, Match::At, "void CStatusCmdUI::SetText(LPCTSTR lpszText)"},
    {735, 749, Match::At, "void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)"},
    {735, 749, Match::Within, "UpdateDialogControls(pTarget, bDisableIfNoHndler)"},
    {751, 781, Match::Heading, "// CStatusBar diagnostics"},
    {751, 781, Match::Line, "#ifdef _DEBUG"},
    {751, 781, Match::Line, "void CStatusBar::AssertValid() const"},
    {751, 781, Match::Line, "void CStatusBar::Dump(CDumpContext& dc) const"},
    {751, 781, Match::Within, "\"\\nm_hFont = \""},
    {751, 781, Match::Within, "\"\\nstatus pane[\""},
    {751, 781, Match::Within, "\"] = {\""},
    {751, 781, Match::Within, "\"\\n\\tnID = \""},
    {751, 781, Match::Within, "\"\\n\\tnStyle = \""},
    {751, 781, Match::Within, "\"\\n\\tcxText = \""},
    {751, 781, Match::Within, "\"\\n\\tlpszText = \""},
    {751, 781, Match::Within, "\"\\n\\t}\""},
    {781, 781, Match::At, "#endif //_DEBUG"},
    {783, 783, Match::At, "#undef new"},
    {784, 786, Match::Line, "#pragma code_seg(AFX_INIT_SEG)"},
    {787, 787, Match::At, ""},
    {788, 788, Match::At, "IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)"},
    {789, 789, Match::At, ""},
};

// The quoted lines of the header, members in their order.
const Item kHeaderItems[] = {
    {1, 1, Match::At, "// statbar.h : definition of old backward compatible CStatusBar"},
    {2, 2, Match::At, "//"},
    {13, 13, Match::At, "#ifndef _STATBAR_H_"},
    {14, 14, Match::At, "#define _STATBAR_H_"},
    {16, 16, Match::Within, "struct AFX_STATUSPANE;"},
    {16, 16, Match::Within, "// private to implementation"},
    {18, 18, Match::At, "class COldStatusBar : public CControlBar"},
    {18, 77, Match::Line, "DECLARE_DYNAMIC(COldStatusBar)"},
    {18, 77, Match::Line, "// Construction"},
    {18, 77, Match::Line, "COldStatusBar();"},
    {18, 77, Match::Line, "BOOL Create(CWnd* pParentWnd,"},
    {18, 77, Match::Line, "DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,"},
    {18, 77, Match::Line, "UINT nID = AFX_IDW_STATUS_BAR);"},
    {18, 77, Match::Line, "BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);"},
    {18, 77, Match::Line, "public: // standard control bar things"},
    {18, 77, Match::Line, "int CommandToIndex(UINT nIDFind) const;"},
    {18, 77, Match::Line, "UINT GetItemID(int nIndex) const;"},
    {18, 77, Match::Line, "void GetItemRect(int nIndex, LPRECT lpRect) const;"},
    {18, 77, Match::Line, "void GetPaneText(int nIndex, CString& s) const;"},
    {18, 77, Match::Line, "BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);"},
    {18, 77, Match::Line, "void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;"},
    {18, 77, Match::Line, "void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);"},
    {18, 77, Match::Line, "UINT GetPaneStyle(int nIndex) const;"},
    {18, 77, Match::Line, "void SetPaneStyle(int nIndex, UINT nStyle);"},
    {18, 77, Match::Line, "virtual ~COldStatusBar();"},
    {18, 77, Match::Line, "virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);"},
    {18, 77, Match::Line, "virtual BOOL PreCreateWindow(CREATESTRUCT& cs);"},
    {18, 77, Match::Line, "#ifdef _DEBUG"},
    {18, 77, Match::Line, "virtual void AssertValid() const;"},
    {18, 77, Match::Line, "virtual void Dump(CDumpContext& dc) const;"},
    {18, 77, Match::Line, "void EnableDocking(DWORD dwDockStyle);"},
    {18, 77, Match::Line, "#endif"},
    {18, 77, Match::Within, "HFONT m_hFont;"},
    {18, 77, Match::Within, "int m_cxSizeBox;"},
    {18, 77, Match::Within, "BOOL m_bHideSizeBox;"},
    {18, 77, Match::Line, "inline AFX_STATUSPANE* _GetPanePtr(int nIndex) const;"},
    {18, 77, Match::Line, "void DrawStatusText(CDC* pDC, const CRect& rect,"},
    {18, 77, Match::Line, "LPCTSTR lpszText, UINT nStyle);"},
    {18, 77, Match::Line, "virtual void DoPaint(CDC* pDC);"},
    {18, 77, Match::Line, "virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);"},
    {18, 77, Match::Line, "//{{AFX_MSG(COldStatusBar)"},
    {18, 77, Match::Line, "afx_msg UINT OnNcHitTest(CPoint point);"},
    {18, 77, Match::Line, "afx_msg void OnSysCommand(UINT nID, LPARAM lParam);"},
    {18, 77, Match::Line, "afx_msg void OnSize(UINT nType, int cx, int cy);"},
    {18, 77, Match::Line, "afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);"},
    {18, 77, Match::Line, "afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);"},
    {18, 77, Match::Line, "afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);"},
    {18, 77, Match::Line, "afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);"},
    {18, 77, Match::Line, "afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);"},
    {18, 77, Match::Line, "afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);"},
    {18, 77, Match::Line, "afx_msg void OnWinIniChange(LPCTSTR lpszSection);"},
    {18, 77, Match::Line, "//}}AFX_MSG"},
    {18, 77, Match::Line, "DECLARE_MESSAGE_MAP()"},
    {77, 77, Match::At, "};"},
    {79, 79, Match::At, "// define CStatusBar to COldStatusBar for convenience"},
    {80, 80, Match::At, "#define CStatusBar COldStatusBar"},
    {82, 82, Match::At, "#endif //!_STATBAR_H_"},
    {83, 83, Match::At, ""},
    {84, 84, Match::At, ""},
};

// The line (counted from 1) where the item is found, or 0 when it is not
// within its range. Searching starts at `from`, so that items sharing a
// range must also keep their order.
int Find(const std::vector<std::string>& lines, const Item& item, int from) {
  const int first = std::max(item.first, from);
  for (int n = first; n <= item.last && n <= static_cast<int>(lines.size()); ++n) {
    const std::string& line = lines[n - 1];
    switch (item.match) {
      case Match::At:
        return n == item.first && line == item.text ? n : 0;
      case Match::Heading:
        return n == item.first && line == kSlashes && n < static_cast<int>(lines.size()) &&
                       lines[n] == item.text
                   ? n
                   : 0;
      case Match::Line:
        if (WithoutIndent(line) == item.text) return n;
        break;
      case Match::Within:
        if (line.find(item.text) != std::string::npos) return n;
        break;
    }
  }
  return 0;
}

void ExpectItems(const char* file, const std::vector<std::string>& lines, const Item* begin,
                 const Item* end) {
  int from = 1;
  for (const Item* item = begin; item != end; ++item) {
    // Order only binds items of the same range; a new range starts afresh.
    if (item != begin && item->first != item[-1].first) from = 1;
    const int at = Find(lines, *item, from);
    EXPECT_NE(at, 0) << file << ": \"" << item->text << "\" not in lines " << item->first << "-"
                     << item->last;
    if (at != 0) from = at;
  }
}

TEST(StatusBarSources, LineCountsAndFileEndings) {
  struct Case {
    const char* file;
    GeneratedFile::TextWriter write;
    std::size_t lines;
    std::size_t emptyAtEnd;
  } cases[] = {{"statbar.cpp", WriteStatusBarSource, 789, 1}, {"statbar.h", WriteStatusBarHeader, 84, 2}};
  for (const auto& c : cases) {
    const std::string text = Render(c.write, test::Settings("Demo"));
    auto lines = test::SplitLines(text);
    ASSERT_EQ(lines.size(), c.lines) << c.file;
    for (std::size_t i = 0; i < c.emptyAtEnd; ++i) EXPECT_EQ(lines[lines.size() - 1 - i], "") << c.file;
    EXPECT_NE(lines[lines.size() - 1 - c.emptyAtEnd], "") << c.file;
    // Every line feed is the end of a CR LF pair.
    std::size_t feeds = 0, pairs = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      feeds += text[i] == '\n';
      pairs += text[i] == '\n' && i > 0 && text[i - 1] == '\r';
    }
    EXPECT_EQ(feeds, pairs) << c.file;
    EXPECT_EQ(feeds, c.lines) << c.file;
  }
}

TEST(StatusBarSources, QuotedLinesLieWithinTheirRanges) {
  ExpectItems("statbar.cpp", SourceLines(), std::begin(kSourceItems), std::end(kSourceItems));
  ExpectItems("statbar.h", HeaderLines(), std::begin(kHeaderItems), std::end(kHeaderItems));
}

TEST(StatusBarSources, NoticeBlockFollowsTheTitle) {
  MemoryFileSystem fs;
  OutputWriter out(fs);
  WriteTemplate("common/notice", test::Settings("Demo"), out);
  const auto notice = test::SplitLines(out.Buffer());
  ASSERT_EQ(notice.size(), 9u);
  for (const auto& lines : {SourceLines(), HeaderLines()}) {
    ASSERT_GE(lines.size(), 12u);
    for (std::size_t i = 0; i < notice.size(); ++i) EXPECT_EQ(lines[2 + i], notice[i]) << "line " << i + 3;
    EXPECT_EQ(lines[11], "");
  }
}

TEST(StatusBarSources, ClassHeadIsDirectlyFollowedByConstruction) {
  const auto lines = HeaderLines();
  ASSERT_GE(lines.size(), 21u);
  EXPECT_EQ(lines[19], "\tDECLARE_DYNAMIC(COldStatusBar)");
  EXPECT_EQ(lines[20], "// Construction");
}

// The source is indented with blanks, eight per level, the header with
// tabs; neither has blanks or tabs at a line's end.
TEST(StatusBarSources, Indentation) {
  const auto source = SourceLines();
  for (std::size_t i = 0; i < source.size(); ++i) {
    const auto& line = source[i];
    const std::string where = "statbar.cpp:" + std::to_string(i + 1) + ": " + line;
    EXPECT_EQ(line.find('\t'), std::string::npos) << where;
    if (line.empty()) continue;
    EXPECT_NE(line.back(), ' ') << where;
    EXPECT_EQ(line.find_first_not_of(' ') % 8, 0u) << where;
  }
  const auto header = HeaderLines();
  for (std::size_t i = 0; i < header.size(); ++i) {
    const auto& line = header[i];
    const std::string where = "statbar.h:" + std::to_string(i + 1) + ": " + line;
    if (line.empty()) continue;
    EXPECT_NE(line.back(), ' ') << where;
    EXPECT_NE(line.back(), '\t') << where;
    EXPECT_NE(line.front(), ' ') << where;
    EXPECT_NE(line[line.find_first_not_of('\t')], ' ') << where;
  }
  // The continued declarations are indented by three tabs.
  int continued = 0;
  for (const auto& line : header)
    if (line.rfind("\t\t\t", 0) == 0 && line[3] != '\t') ++continued;
  EXPECT_EQ(continued, 3);
}

// Every string and character literal of both files, outside comments.
std::vector<std::string> Literals(const std::vector<std::string>& lines) {
  std::vector<std::string> literals;
  for (const auto& line : lines) {
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (line.compare(i, 2, "//") == 0 || line.compare(i, 2, "/*") == 0) {
        if (line[i + 1] == '/') break;
        auto close = line.find("*/", i + 2);
        if (close == std::string::npos) break;
        i = close + 1;
        continue;
      }
      if (line[i] != '"' && line[i] != '\'') continue;
      const char quote = line[i];
      std::size_t j = i + 1;
      while (j < line.size() && line[j] != quote) j += line[j] == '\\' ? 2 : 1;
      literals.push_back(line.substr(i, j + 1 - i));
      i = j;
    }
  }
  return literals;
}

TEST(StatusBarSources, LiteralsHoldOnlyTwoCharacterEscapes) {
  for (const auto& lines : {SourceLines(), HeaderLines()}) {
    for (const auto& literal : Literals(lines)) {
      ASSERT_GE(literal.size(), 2u) << literal;
      EXPECT_EQ(literal.back(), literal.front()) << "unterminated: " << literal;
      for (std::size_t i = 1; i + 1 < literal.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(literal[i]);
        EXPECT_TRUE(c >= 0x20 && c < 0x7f) << "raw control byte in " << literal;
        if (c == '\\') {
          EXPECT_NE(std::string("nt0\\\"'").find(literal[i + 1]), std::string::npos) << literal;
          ++i;
        }
      }
    }
  }
  // The messages carry their escapes as text.
  std::set<std::string> literals;
  for (const auto& literal : Literals(SourceLines())) literals.insert(literal);
  for (const char* expected : {"\"Warning: Using system font for status font.\\n\"",
                               "\"Warning: failed to load indicator string 0x%04X.\\n\"",
                               "\"\\n\\tlpszText = \"", "\"\\n\\t}\"", "'\\0'"})
    EXPECT_EQ(literals.count(expected), 1u) << expected;
}

TEST(StatusBarSources, IncludedHeadersAreNamedInLowerCase) {
  struct Case {
    const char* file;
    std::vector<std::string> lines;
    std::size_t quotedIncludes;
  } cases[] = {{"statbar.cpp", SourceLines(), 3}, {"statbar.h", HeaderLines(), 0}};
  for (const auto& c : cases) {
    std::size_t found = 0;
    for (const auto& line : c.lines) {
      if (line.rfind("#include \"", 0) != 0) continue;
      ++found;
      for (char ch : line) EXPECT_FALSE(std::isupper(static_cast<unsigned char>(ch))) << c.file << ": " << line;
    }
    EXPECT_EQ(found, c.quotedIncludes) << c.file;
  }
}

TEST(StatusBarSources, SameBytesForEveryProject) {
  const auto base = test::Settings("Demo");
  const std::string source = Render(WriteStatusBarSource, base);
  const std::string header = Render(WriteStatusBarHeader, base);

  std::vector<ProjectSettings> variants;
  for (const char* name : {"demo2", "X", "My_App_9", "\xe4x"}) variants.push_back(test::Settings(name));
  for (const char* view : {"CEditView", "CListView", "CRichEditView", "CScrollView", "CTreeView",
                           "CFormView", "CRecordView", "CDaoRecordView", "CHtmlView"})
    variants.push_back(test::Settings("Demo", "C:\\Work", view));
  variants.push_back(test::Settings("Demo", "D:\\Deep\\Dir\\"));
  variants.push_back(base);
  variants.back().Kind = FrameKind::Single;
  for (const auto& settings : variants) {
    EXPECT_EQ(Render(WriteStatusBarSource, settings), source) << settings.Name << " " << settings.ViewBaseClass;
    EXPECT_EQ(Render(WriteStatusBarHeader, settings), header) << settings.Name << " " << settings.ViewBaseClass;
  }
}

// A full run puts both files in the location, by the separator rule, with
// the same bytes wherever they go.
TEST(StatusBarSources, WrittenIntoTheLocationByTheRun) {
  const std::string source = Render(WriteStatusBarSource, test::Settings("Demo"));
  const std::string header = Render(WriteStatusBarHeader, test::Settings("Demo"));
  struct Case {
    const char* location;
    const char* directory;
  } cases[] = {{"C:\\Work", "C:\\Work\\"}, {"C:\\", "C:\\"}, {"D:\\Deep\\Dir\\", "D:\\Deep\\Dir\\"}};
  for (const auto& c : cases) {
    MemoryFileSystem fs;
    fs.AddDirectory(c.location);
    auto settings = test::Settings("Other", c.location, "CListView");
    test::RecordingOpener opener;
    GenerationRun(settings, fs, &opener, codepage::kWestern);
    const auto* cpp = fs.Find(std::string(c.directory) + "statbar.cpp");
    const auto* h = fs.Find(std::string(c.directory) + "statbar.h");
    ASSERT_NE(cpp, nullptr) << c.location;
    ASSERT_NE(h, nullptr) << c.location;
    EXPECT_EQ(cpp->content, source) << c.location;
    EXPECT_EQ(h->content, header) << c.location;
  }
}

// The header's macro makes the usual class name stand for the old class:
// the header declares only COldStatusBar and ends with the macro, and the
// source defines every member through the usual name, each of which the
// header declares.
TEST(StatusBarSources, CStatusBarNamesTheOldClass) {
  const auto header = HeaderLines();
  const auto source = SourceLines();
  int macro = 0, classEnd = 0, guardEnd = 0;
  for (int n = 1; n <= static_cast<int>(header.size()); ++n) {
    const auto& line = header[n - 1];
    if (line == "#define CStatusBar COldStatusBar") macro = n;
    if (line == "};") classEnd = n;
    if (line == "#endif //!_STATBAR_H_") guardEnd = n;
    const bool comment = line.rfind("//", 0) == 0;
    if (!comment && n != macro) {
      EXPECT_EQ(line.find("CStatusBar"), std::string::npos) << line;
    }
  }
  EXPECT_GT(macro, classEnd);
  EXPECT_LT(macro, guardEnd);

  std::set<std::string> defined;
  for (const auto& line : source) {
    EXPECT_EQ(line.find("COldStatusBar"), std::string::npos) << line;
    auto at = line.find("CStatusBar::");
    if (at == std::string::npos || line.front() == ' ' || line.rfind("//", 0) == 0) continue;
    auto name = line.substr(at + 12, line.find('(', at) - at - 12);
    defined.insert(name);
  }
  EXPECT_EQ(defined.size(), 31u);
  std::string declarations;
  for (const auto& line : header) declarations += line + "\n";
  auto declared = [&](const std::string& name) {
    for (auto at = declarations.find(name + "("); at != std::string::npos;
         at = declarations.find(name + "(", at + 1)) {
      const unsigned char before = static_cast<unsigned char>(declarations[at - 1]);
      if (!std::isalnum(before) && before != '_') return true;
    }
    return false;
  };
  for (std::string name : defined) {
    if (name == "CStatusBar") name = "COldStatusBar";
    if (name == "~CStatusBar") name = "~COldStatusBar";
    EXPECT_TRUE(declared(name)) << name;
  }
}

}  // namespace
}  // namespace vantrel
