#include <gtest/gtest.h>

#include <algorithm>
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

std::string Render(GeneratedFile::TextWriter write, const ProjectSettings& settings) {
  MemoryFileSystem fs;
  OutputWriter out(fs);
  write(settings, out);
  return out.Buffer();
}

struct Source {
  const char* name;
  GeneratedFile::TextWriter write;
  std::size_t lines;
};

const Source kSources[] = {
    {"Globals.cpp", WriteGlobalsSource, 129},
    {"Globals.h", WriteGlobalsHeader, 64},
    {"toolbar.cpp", WriteToolBarSource, 1361},
    {"toolbar.h", WriteToolBarHeader, 126},
};

std::vector<std::string> LinesOf(const std::string& file) {
  for (const auto& source : kSources)
    if (file == source.name) return test::SplitLines(Render(source.write, test::Settings("Demo")));
  ADD_FAILURE() << "no writer for " << file;
  return {};
}

std::string WithoutIndent(const std::string& line) {
  auto text = line.find_first_not_of(' ');
  return text == std::string::npos ? std::string() : line.substr(text);
}

// How a quoted text is looked for within its range of lines.
enum class Match {
  Exact,     // Some line of the range is the text, indentation included.
  Line,      // Some line of the range is the text once its indentation is gone.
  Within,    // Some line of the range contains the text.
  Heading,   // A separator line, then the text on the next line.
  Notice,    // The nine lines of the framework notice block start here.
};

struct Item {
  const char* file;
  int first, last;
  Match match;
  const char* text;
};

const std::string kSlashes(77, '/');

// The outline of the four files: what lies where, in order of appearance.
const Item kItems[] = {
    {"Globals.h", 1, 1, Match::Notice, ""},
    {"Globals.h", 11, 11, Match::Heading, "// Auxiliary System/Screen metrics"},
    {"Globals.h", 14, 14, Match::Exact, "struct GLOBAL_DATA"},
    {"Globals.h", 15, 18, Match::Line, "// system metrics"},
    {"Globals.h", 15, 49, Match::Line, "// device metrics for screen"},
    {"Globals.h", 15, 49, Match::Line, "// solid brushes with convenient gray colors and system colors"},
    {"Globals.h", 15, 49, Match::Within, "hpenBtnHilite, hpenBtnShadow, hpenBtnText"},
    {"Globals.h", 15, 49, Match::Line, "// color values of system colors used for CToolBar"},
    {"Globals.h", 15, 49, Match::Line, "// special GDI objects allocated on demand"},
    {"Globals.h", 15, 49, Match::Line, "// other system information"},
    {"Globals.h", 15, 49, Match::Within, "bWin31;"},
    {"Globals.h", 15, 49, Match::Exact, "// Implementation"},
    {"Globals.h", 15, 49, Match::Line, "GLOBAL_DATA();"},
    {"Globals.h", 15, 49, Match::Line, "~GLOBAL_DATA();"},
    {"Globals.h", 15, 49, Match::Line, "void UpdateSysColors();"},
    {"Globals.h", 15, 49, Match::Line, "void UpdateSysMetrics();"},
    {"Globals.h", 49, 49, Match::Exact, "};"},
    {"Globals.h", 51, 51, Match::Exact, "extern GLOBAL_DATA globalData;"},
    {"Globals.h", 53, 53, Match::Exact, "// Note: afxData.cxBorder and afxData.cyBorder aren't used anymore"},
    {"Globals.h", 54, 54, Match::Exact, "#define CX_BORDER   1"},
    {"Globals.h", 55, 55, Match::Exact, "#define CY_BORDER   1"},
    {"Globals.h", 57, 57, Match::Exact, "// determine number of elements in an array (not bytes)"},
    {"Globals.h", 58, 58, Match::Exact, "#define _countof(array) (sizeof(array)/sizeof(array[0]))"},
    {"Globals.h", 60, 60, Match::Exact, "BOOL AFXAPI AfxCustomLogFont(UINT nIDS, LOGFONT* pLogFont);"},
    {"Globals.h", 61, 61, Match::Exact, "void AFXAPI AfxDeleteObject(HGDIOBJ* pObject);"},
    {"Globals.h", 63, 63, Match::Exact, kSlashes.c_str()},

    {"Globals.cpp", 1, 1, Match::Notice, ""},
    {"Globals.cpp", 11, 11, Match::Exact, "#include \"stdafx.h\""},
    {"Globals.cpp", 12, 12, Match::Exact, "#include \"globals.h\""},
    {"Globals.cpp", 14, 14, Match::Heading, "// Cached system metrics, etc"},
    {"Globals.cpp", 17, 17, Match::Exact, "GLOBAL_DATA globalData;"},
    {"Globals.cpp", 19, 19, Match::Exact, "// Initialization code"},
    {"Globals.cpp", 20, 20, Match::Exact, "GLOBAL_DATA::GLOBAL_DATA()"},
    {"Globals.cpp", 21, 61, Match::Within, "0x80000000"},
    {"Globals.cpp", 21, 61, Match::Line, "#ifndef _MAC"},
    {"Globals.cpp", 21, 61, Match::Line, "UpdateSysMetrics();"},
    {"Globals.cpp", 21, 61, Match::Within, "RGB(192, 192, 192)"},
    {"Globals.cpp", 21, 61, Match::Within, "RGB(128, 128, 128)"},
    {"Globals.cpp", 21, 61, Match::Line, "UpdateSysColors();"},
    {"Globals.cpp", 61, 61, Match::Exact, "}"},
    {"Globals.cpp", 63, 63, Match::Exact, "// Termination code"},
    {"Globals.cpp", 64, 64, Match::Exact, "GLOBAL_DATA::~GLOBAL_DATA()"},
    {"Globals.cpp", 65, 82, Match::Within, "AfxDeleteObject((HGDIOBJ*)&hToolTipsFont);"},
    {"Globals.cpp", 84, 84, Match::Exact, "void GLOBAL_DATA::UpdateSysColors()"},
    {"Globals.cpp", 85, 116, Match::Within, "COLOR_WINDOWFRAME"},
    {"Globals.cpp", 85, 116, Match::Within, "CreatePen(PS_SOLID, 0, clrBtnText)"},
    {"Globals.cpp", 118, 118, Match::Exact, "void GLOBAL_DATA::UpdateSysMetrics()"},
    {"Globals.cpp", 119, 126, Match::Within, "LOGPIXELSY"},
    {"Globals.cpp", 128, 128, Match::Exact, kSlashes.c_str()},

    {"toolbar.h", 1, 1, Match::Exact, "// toolbar.h : definition of old backward compatible CToolBar"},
    {"toolbar.h", 2, 2, Match::Exact, "//"},
    {"toolbar.h", 3, 3, Match::Notice, ""},
    {"toolbar.h", 13, 13, Match::Exact, "#ifndef _TOOLBAR_H_"},
    {"toolbar.h", 14, 14, Match::Exact, "#define _TOOLBAR_H_"},
    {"toolbar.h", 16, 16, Match::Within, "struct AFX_TBBUTTON;"},
    {"toolbar.h", 16, 16, Match::Within, "// private to implementation"},
    {"toolbar.h", 18, 18, Match::Exact, "#ifndef _MAC"},
    {"toolbar.h", 19, 19, Match::Exact, "HBITMAP AFXAPI AfxLoadSysColorBitmap(HINSTANCE hInst, HRSRC hRsrc);"},
    {"toolbar.h", 20, 20, Match::Exact, "#else"},
    {"toolbar.h", 22, 22, Match::Within, "HDC hDCGlyphs, BOOL bMonochrome"},
    {"toolbar.h", 23, 23, Match::Exact, "#endif"},
    {"toolbar.h", 25, 25, Match::Exact, "class COldToolBar : public CControlBar"},
    {"toolbar.h", 26, 120, Match::Line, "DECLARE_DYNAMIC(COldToolBar)"},
    {"toolbar.h", 26, 120, Match::Line, "COldToolBar();"},
    {"toolbar.h", 26, 120, Match::Line, "BOOL Create(CWnd* pParentWnd,"},
    {"toolbar.h", 26, 120, Match::Line, "DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,"},
    {"toolbar.h", 26, 120, Match::Line, "UINT nID = AFX_IDW_TOOLBAR);"},
    {"toolbar.h", 26, 120, Match::Line, "void SetSizes(SIZE sizeButton, SIZE sizeImage);"},
    {"toolbar.h", 26, 120, Match::Line, "// button size should be bigger than image"},
    {"toolbar.h", 26, 120, Match::Line, "void SetHeight(int cyHeight);"},
    {"toolbar.h", 26, 120, Match::Line, "// call after SetSizes, height overrides bitmap size"},
    {"toolbar.h", 26, 120, Match::Line, "BOOL LoadBitmap(LPCTSTR lpszResourceName);"},
    {"toolbar.h", 26, 120, Match::Line, "BOOL LoadBitmap(UINT nIDResource);"},
    {"toolbar.h", 26, 120, Match::Line, "BOOL SetButtons(const UINT* lpIDArray, int nIDCount);"},
    {"toolbar.h", 26, 120, Match::Line, "// lpIDArray can be NULL to allocate empty buttons"},
    {"toolbar.h", 26, 120, Match::Exact, "public: // standard control bar things"},
    {"toolbar.h", 26, 120, Match::Line, "int CommandToIndex(UINT nIDFind) const;"},
    {"toolbar.h", 26, 120, Match::Line, "UINT GetItemID(int nIndex) const;"},
    {"toolbar.h", 26, 120, Match::Line, "virtual void GetItemRect(int nIndex, LPRECT lpRect) const;"},
    {"toolbar.h", 26, 120, Match::Line, "UINT GetButtonStyle(int nIndex) const;"},
    {"toolbar.h", 26, 120, Match::Line, "void SetButtonStyle(int nIndex, UINT nStyle);"},
    {"toolbar.h", 26, 120, Match::Line, "// for changing button info"},
    {"toolbar.h", 26, 120, Match::Line,
     "void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;"},
    {"toolbar.h", 26, 120, Match::Line, "void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);"},
    {"toolbar.h", 26, 120, Match::Line, "virtual ~COldToolBar();"},
    {"toolbar.h", 26, 120, Match::Line, "virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);"},
    {"toolbar.h", 26, 120, Match::Exact, "#ifdef _DEBUG"},
    {"toolbar.h", 26, 120, Match::Line, "virtual void AssertValid() const;"},
    {"toolbar.h", 26, 120, Match::Line, "virtual void Dump(CDumpContext& dc) const;"},
    {"toolbar.h", 26, 120, Match::Line, "inline AFX_TBBUTTON* _GetButtonPtr(int nIndex) const;"},
    {"toolbar.h", 26, 120, Match::Line, "void InvalidateButton(int nIndex);"},
    {"toolbar.h", 26, 120, Match::Line, "void UpdateButton(int nIndex);"},
    {"toolbar.h", 26, 120, Match::Line, "void CreateMask(int iImage, CPoint offset,"},
    {"toolbar.h", 26, 120, Match::Line, "BOOL bHilite, BOOL bHiliteShadow);"},
    {"toolbar.h", 26, 120, Match::Line, "// for custom drawing"},
    {"toolbar.h", 26, 120, Match::Line, "struct DrawState"},
    {"toolbar.h", 26, 120, Match::Line, "HBITMAP hbmMono;"},
    {"toolbar.h", 26, 120, Match::Line, "HBITMAP hbmMonoOld;"},
    {"toolbar.h", 26, 120, Match::Line, "HBITMAP hbmOldGlyphs;"},
    {"toolbar.h", 26, 120, Match::Line, "BOOL PrepareDrawButton(DrawState& ds);"},
    {"toolbar.h", 26, 120, Match::Line, "BOOL DrawButton(CDC* pDC, int x, int y, int iImage, UINT nStyle);"},
    {"toolbar.h", 26, 120, Match::Exact, "#ifdef _MAC"},
    {"toolbar.h", 26, 120, Match::Line, "BOOL DrawMonoButton(CDC* pDC, int x, int y, int dx, int dy,"},
    {"toolbar.h", 26, 120, Match::Line, "int iImage, UINT nStyle);"},
    {"toolbar.h", 26, 120, Match::Line, "void EndDrawButton(DrawState& ds);"},
    {"toolbar.h", 26, 120, Match::Within, "CSize m_sizeButton;"},
    {"toolbar.h", 26, 120, Match::Within, "CSize m_sizeImage;"},
    {"toolbar.h", 26, 120, Match::Within, "int m_cxSharedBorder;"},
    {"toolbar.h", 26, 120, Match::Within, "int m_cySharedBorder;"},
    {"toolbar.h", 26, 120, Match::Within, "HBITMAP m_hbmImageWell;"},
    {"toolbar.h", 26, 120, Match::Within, "int m_iButtonCapture;"},
    {"toolbar.h", 26, 120, Match::Within, "HRSRC m_hRsrcImageWell;"},
    {"toolbar.h", 26, 120, Match::Within, "HINSTANCE m_hInstImageWell;"},
    {"toolbar.h", 26, 120, Match::Exact, "#ifdef _MAC"},
    {"toolbar.h", 26, 120, Match::Within, "HDC m_hDCGlyphs;"},
    {"toolbar.h", 26, 120, Match::Within, "HDC m_hDCMono;"},
    {"toolbar.h", 26, 120, Match::Line, "virtual void DoPaint(CDC* pDC);"},
    {"toolbar.h", 26, 120, Match::Line, "virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);"},
    {"toolbar.h", 26, 120, Match::Line, "virtual int HitTest(CPoint point);"},
    {"toolbar.h", 26, 120, Match::Line, "virtual int OnToolHitTest(CPoint point, TOOLINFO* pTI) const;"},
    {"toolbar.h", 26, 120, Match::Line, "//{{AFX_MSG(COldToolBar)"},
    {"toolbar.h", 26, 120, Match::Line, "afx_msg void OnLButtonDown(UINT nFlags, CPoint point);"},
    {"toolbar.h", 26, 120, Match::Line, "afx_msg void OnMouseMove(UINT nFlags, CPoint point);"},
    {"toolbar.h", 26, 120, Match::Line, "afx_msg void OnLButtonUp(UINT nFlags, CPoint point);"},
    {"toolbar.h", 26, 120, Match::Line, "afx_msg void OnCancelMode();"},
    {"toolbar.h", 26, 120, Match::Line, "afx_msg void OnSysColorChange();"},
    {"toolbar.h", 26, 120, Match::Line, "//}}AFX_MSG"},
    {"toolbar.h", 26, 120, Match::Line, "DECLARE_MESSAGE_MAP()"},
    {"toolbar.h", 120, 120, Match::Exact, "};"},
    {"toolbar.h", 122, 122, Match::Exact, "// define CToolBar to COldToolBar for convenience"},
    {"toolbar.h", 123, 123, Match::Exact, "#define CToolBar COldToolBar"},
    {"toolbar.h", 125, 125, Match::Exact, "#endif //!_TOOLBAR_H_"},

    {"toolbar.cpp", 1, 1, Match::Exact, "// toolbar.cpp : definition of old backward compatible CToolBar"},
    {"toolbar.cpp", 2, 2, Match::Exact, "//"},
    {"toolbar.cpp", 3, 3, Match::Notice, ""},
    {"toolbar.cpp", 13, 13, Match::Exact, "#include \"stdafx.h\""},
    {"toolbar.cpp", 14, 14, Match::Exact, "#define _AFX_NO_OLE_SUPPORT"},
    {"toolbar.cpp", 15, 15, Match::Exact, "#include <afxpriv.h>"},
    {"toolbar.cpp", 16, 16, Match::Exact, "#include \"toolbar.h\""},
    {"toolbar.cpp", 17, 17, Match::Exact, "#include \"globals.h\""},
    {"toolbar.cpp", 19, 19, Match::Exact, "#ifdef _DEBUG"},
    {"toolbar.cpp", 20, 20, Match::Exact, "#undef THIS_FILE"},
    {"toolbar.cpp", 21, 21, Match::Exact, "static char THIS_FILE[] = __FILE__;"},
    {"toolbar.cpp", 22, 22, Match::Exact, "#endif"},
    {"toolbar.cpp", 24, 24, Match::Exact, "#define new DEBUG_NEW"},
    {"toolbar.cpp", 26, 26, Match::Exact, "// globals for fast drawing (shared globals)"},
    {"toolbar.cpp", 27, 34, Match::Exact, "static HDC hDCGlyphs = NULL;"},
    {"toolbar.cpp", 27, 34, Match::Exact, "static HDC hDCMono = NULL;"},
    {"toolbar.cpp", 27, 34, Match::Exact, "#else"},
    {"toolbar.cpp", 27, 34, Match::Within, "m_hDCGlyphs"},
    {"toolbar.cpp", 27, 34, Match::Within, "m_hDCMono"},
    {"toolbar.cpp", 34, 34, Match::Exact, "static HBRUSH hbrDither = NULL;"},
    {"toolbar.cpp", 36, 36, Match::Heading, "// Init / Term"},
    {"toolbar.cpp", 38, 64, Match::Exact, "static HBITMAP AFXAPI CreateDitherBitmap();"},
    {"toolbar.cpp", 38, 64, Match::Within, "CreateDitherBitmap(BOOL bMonochrome);"},
    {"toolbar.cpp", 38, 64, Match::Exact, "#pragma code_seg(AFX_INIT_SEG)"},
    {"toolbar.cpp", 38, 64, Match::Exact, "// a special struct that will cleanup automatically"},
    {"toolbar.cpp", 38, 64, Match::Exact, "struct _AFX_TOOLBAR_TERM"},
    {"toolbar.cpp", 38, 64, Match::Within, "AfxDeleteObject((HGDIOBJ*)&hbrDither);"},
    {"toolbar.cpp", 64, 64, Match::Exact, "static const _AFX_TOOLBAR_TERM toolbarTerm;"},
    {"toolbar.cpp", 66, 66, Match::Exact, kSlashes.c_str()},
    {"toolbar.cpp", 67, 70, Match::Exact, "#pragma code_seg(AFX_CORE3_SEG)"},
    {"toolbar.cpp", 72, 73, Match::Exact, "static HBITMAP AFXAPI CreateDitherBitmap()"},
    {"toolbar.cpp", 74, 119, Match::Within, "CreateDitherBitmap(BOOL bMonochrome)"},
    {"toolbar.cpp", 74, 119, Match::Within, "0xAAAA5555"},
    {"toolbar.cpp", 74, 119, Match::Within, "0x5555AAAA"},
    {"toolbar.cpp", 121, 121, Match::Exact, "// create a mono bitmap mask:"},
    {"toolbar.cpp", 122, 122, Match::Exact, "void CToolBar::CreateMask(int iImage, CPoint ptOffset,"},
    {"toolbar.cpp", 123, 123, Match::Line, "BOOL bHilite, BOOL bHiliteShadow)"},
    {"toolbar.cpp", 149, 149, Match::Exact, "// Raster Ops"},
    {"toolbar.cpp", 150, 150, Match::Exact, "#define ROP_DSPDxax  0x00E20746L"},
    {"toolbar.cpp", 151, 151, Match::Exact, "#define ROP_PSDPxax  0x00B8074AL"},
    {"toolbar.cpp", 153, 153, Match::Exact, "BOOL CToolBar::DrawButton(CDC* pDC, int x, int y, int iImage, UINT nStyle)"},
    {"toolbar.cpp", 154, 287, Match::Within, "DrawMonoButton(pDC"},
    {"toolbar.cpp", 154, 287, Match::Within, "ROP_PSDPxax"},
    {"toolbar.cpp", 154, 287, Match::Within, "hbrDither"},
    {"toolbar.cpp", 154, 287, Match::Within, "ROP_DSPDxax"},
    {"toolbar.cpp", 289, 289, Match::Exact, "#ifdef _MAC"},
    {"toolbar.cpp", 290, 290, Match::Exact, "BOOL CToolBar::DrawMonoButton(CDC* pDC, int x, int y, int dx, int dy,"},
    {"toolbar.cpp", 291, 291, Match::Line, "int iImage, UINT nStyle)"},
    {"toolbar.cpp", 359, 359, Match::Exact, "#endif"},
    {"toolbar.cpp", 361, 361, Match::Exact, "BOOL CToolBar::PrepareDrawButton(DrawState& ds)"},
    {"toolbar.cpp", 362, 378, Match::Within, "TRACE0(\"Error: can't draw toolbar.\\n\");"},
    {"toolbar.cpp", 380, 380, Match::Exact, "void CToolBar::EndDrawButton(DrawState& ds)"},
    {"toolbar.cpp", 387, 387, Match::Heading, "// CToolBar creation etc"},
    {"toolbar.cpp", 389, 403, Match::Exact, "struct AFX_TBBUTTON"},
    {"toolbar.cpp", 389, 403, Match::Exact, "inline AFX_TBBUTTON* CToolBar::_GetButtonPtr(int nIndex) const"},
    {"toolbar.cpp", 405, 405, Match::Exact, "/*"},
    {"toolbar.cpp", 412, 412, Match::Exact, "*/"},
    {"toolbar.cpp", 413, 419, Match::Exact, "#define RGB_TO_RGBQUAD(r,g,b)   (RGB(b,g,r))"},
    {"toolbar.cpp", 413, 419, Match::Within, "#define CLR_TO_RGBQUAD(clr)"},
    {"toolbar.cpp", 413, 419, Match::Within, "<< 8"},
    {"toolbar.cpp", 421, 422, Match::Exact, "HBITMAP AFXAPI LoadSysColorBitmap(HINSTANCE hInst, HRSRC hRsrc)"},
    {"toolbar.cpp", 423, 426, Match::Within, "HDC hDCGlyphs, BOOL bMonochrome)"},
    {"toolbar.cpp", 427, 517, Match::Within, "COLOR_BTNHIGHLIGHT"},
    {"toolbar.cpp", 427, 517, Match::Within, "StretchDIBits("},
    {"toolbar.cpp", 519, 521, Match::Exact, "#pragma code_seg(AFX_INIT_SEG)"},
    {"toolbar.cpp", 523, 523, Match::Exact, "CToolBar::CToolBar()"},
    {"toolbar.cpp", 524, 589, Match::Line, "// UISG standard sizes"},
    {"toolbar.cpp", 524, 589, Match::Line, "m_sizeButton.cx = 23;"},
    {"toolbar.cpp", 524, 589, Match::Within, "AfxThrowResourceException();"},
    {"toolbar.cpp", 591, 591, Match::Exact, "CToolBar::~CToolBar()"},
    {"toolbar.cpp", 604, 604, Match::Exact, "BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)"},
    {"toolbar.cpp", 605, 625, Match::Within, "CBRS_HIDE_INPLACE"},
    {"toolbar.cpp", 627, 627, Match::Exact, "void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)"},
    {"toolbar.cpp", 644, 644, Match::Exact, "void CToolBar::SetHeight(int cyHeight)"},
    {"toolbar.cpp", 645, 665, Match::Within, "\"Warning: CToolBar::SetHeight(%d) is smaller than button.\\n\""},
    {"toolbar.cpp", 667, 667, Match::Exact, "BOOL CToolBar::LoadBitmap(UINT nIDBitmap)"},
    {"toolbar.cpp", 672, 672, Match::Exact, "BOOL CToolBar::LoadBitmap(LPCTSTR lpszResourceName)"},
    {"toolbar.cpp", 673, 691, Match::Within, "LoadSysColorBitmap(m_hInstImageWell, m_hRsrcImageWell"},
    {"toolbar.cpp", 693, 693, Match::Exact, "BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)"},
    {"toolbar.cpp", 694, 729, Match::Within, "TBBS_SEPARATOR"},
    {"toolbar.cpp", 731, 733, Match::Exact, "#pragma code_seg(AFX_CORE3_SEG)"},
    {"toolbar.cpp", 735, 735, Match::Heading, "// CToolBar attribute access"},
    {"toolbar.cpp", 738, 738, Match::Exact, "int CToolBar::CommandToIndex(UINT nIDFind) const"},
    {"toolbar.cpp", 749, 749, Match::Exact, "UINT CToolBar::GetItemID(int nIndex) const"},
    {"toolbar.cpp", 756, 756, Match::Exact, "void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const"},
    // The loop counter is read after its loop, as the compilers of the time allowed.
    {"toolbar.cpp", 757, 800, Match::Line, "ASSERT(i == nIndex);"},
    {"toolbar.cpp", 802, 802, Match::Exact, "UINT CToolBar::GetButtonStyle(int nIndex) const"},
    {"toolbar.cpp", 807, 807, Match::Exact, "void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)"},
    {"toolbar.cpp", 822, 822, Match::Exact, "CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)"},
    {"toolbar.cpp", 859, 859, Match::Exact,
     "void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const"},
    {"toolbar.cpp", 869, 869, Match::Exact, "void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage)"},
    {"toolbar.cpp", 880, 880, Match::Exact, "void CToolBar::DoPaint(CDC* pDC)"},
    {"toolbar.cpp", 881, 950, Match::Within, "PrepareDrawButton(ds)"},
    {"toolbar.cpp", 881, 950, Match::Within, "EndDrawButton(ds);"},
    {"toolbar.cpp", 952, 952, Match::Exact, "void CToolBar::InvalidateButton(int nIndex)"},
    {"toolbar.cpp", 961, 961, Match::Exact, "int CToolBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const"},
    {"toolbar.cpp", 987, 987, Match::Exact, "int CToolBar::HitTest(CPoint point) // in window relative coords"},
    {"toolbar.cpp", 1032, 1032, Match::Heading, "// CToolBar message handlers"},
    {"toolbar.cpp", 1034, 1043, Match::Exact, "BEGIN_MESSAGE_MAP(CToolBar, CControlBar)"},
    {"toolbar.cpp", 1034, 1043, Match::Line, "ON_WM_LBUTTONDOWN()"},
    {"toolbar.cpp", 1034, 1043, Match::Line, "ON_WM_MOUSEMOVE()"},
    {"toolbar.cpp", 1034, 1043, Match::Line, "ON_WM_LBUTTONUP()"},
    {"toolbar.cpp", 1034, 1043, Match::Line, "ON_WM_CANCELMODE()"},
    {"toolbar.cpp", 1034, 1043, Match::Line, "ON_WM_SYSCOLORCHANGE()"},
    {"toolbar.cpp", 1043, 1043, Match::Exact, "END_MESSAGE_MAP()"},
    {"toolbar.cpp", 1045, 1045, Match::Exact, "void CToolBar::OnLButtonDown(UINT nFlags, CPoint point)"},
    {"toolbar.cpp", 1046, 1069, Match::Within, "WM_SETMESSAGESTRING"},
    {"toolbar.cpp", 1071, 1071, Match::Exact, "void CToolBar::OnMouseMove(UINT /*nFlags*/, CPoint point)"},
    {"toolbar.cpp", 1072, 1094, Match::Within, "AFX_IDS_IDLEMESSAGE"},
    {"toolbar.cpp", 1096, 1096, Match::Exact, "void CToolBar::OnLButtonUp(UINT nFlags, CPoint point)"},
    {"toolbar.cpp", 1097, 1147, Match::Within, "WM_COMMAND"},
    {"toolbar.cpp", 1149, 1149, Match::Exact, "void CToolBar::OnCancelMode()"},
    {"toolbar.cpp", 1166, 1166, Match::Exact, "void CToolBar::OnSysColorChange()"},
    {"toolbar.cpp", 1215, 1215, Match::Heading, "// CToolBar idle update through CToolCmdUI class"},
    {"toolbar.cpp", 1217, 1226, Match::Exact, "#define CToolCmdUI COldToolCmdUI"},
    {"toolbar.cpp", 1217, 1226, Match::Exact,
     "class CToolCmdUI : public CCmdUI        // class private to this file !"},
    {"toolbar.cpp", 1217, 1226, Match::Exact, "public: // re-implementations only"},
    {"toolbar.cpp", 1217, 1226, Match::Line, "virtual void Enable(BOOL bOn);"},
    {"toolbar.cpp", 1217, 1226, Match::Line, "virtual void SetCheck(int nCheck);"},
    {"toolbar.cpp", 1217, 1226, Match::Line, "virtual void SetText(LPCTSTR lpszText);"},
    {"toolbar.cpp", 1228, 1228, Match::Exact, "void CToolCmdUI::Enable(BOOL bOn)"},
    {"toolbar.cpp", 1243, 1243, Match::Exact, "void CToolCmdUI::SetCheck(int nCheck)"},
    {"toolbar.cpp", 1261, 1261, Match::Exact, "void CToolCmdUI::SetText(LPCTSTR)"},
    {"toolbar.cpp", 1266, 1266, Match::Exact,
     "void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)"},
    {"toolbar.cpp", 1287, 1287, Match::Exact, "void CToolBar::UpdateButton(int nIndex)"},
    {"toolbar.cpp", 1307, 1307, Match::Heading, "// CToolBar diagnostics"},
    {"toolbar.cpp", 1309, 1353, Match::Exact, "#ifdef _DEBUG"},
    {"toolbar.cpp", 1309, 1353, Match::Exact, "void CToolBar::AssertValid() const"},
    {"toolbar.cpp", 1309, 1353, Match::Exact, "void CToolBar::Dump(CDumpContext& dc) const"},
    {"toolbar.cpp", 1309, 1353, Match::Within, "\"m_hbmImageWell = \""},
    {"toolbar.cpp", 1309, 1353, Match::Within, "\"\\nm_hInstImageWell = \""},
    {"toolbar.cpp", 1309, 1353, Match::Within, "\"\\nm_hRsrcImageWell = \""},
    {"toolbar.cpp", 1309, 1353, Match::Within, "\"\\nm_iButtonCapture = \""},
    {"toolbar.cpp", 1309, 1353, Match::Within, "\"\\nm_sizeButton = \""},
    {"toolbar.cpp", 1309, 1353, Match::Within, "\"\\nm_sizeImage = \""},
    {"toolbar.cpp", 1309, 1353, Match::Within, "\"\\ntoolbar button[\""},
    {"toolbar.cpp", 1309, 1353, Match::Within, "\"] = {\""},
    {"toolbar.cpp", 1309, 1353, Match::Within, "\"\\n\\tnID = \""},
    {"toolbar.cpp", 1309, 1353, Match::Within, "\"\\n\\tnStyle = \""},
    {"toolbar.cpp", 1309, 1353, Match::Within, "\"\\n\\tiImage (separator width) = \""},
    {"toolbar.cpp", 1309, 1353, Match::Within, "\"\\n\\tiImage (bitmap image index) = \""},
    {"toolbar.cpp", 1309, 1353, Match::Within, "\"\\n}\""},
    {"toolbar.cpp", 1309, 1353, Match::Within, "dc << \"\\n\";"},
    {"toolbar.cpp", 1309, 1353, Match::Exact, "#endif"},
    {"toolbar.cpp", 1355, 1355, Match::Exact, "#undef new"},
    {"toolbar.cpp", 1356, 1358, Match::Exact, "#pragma code_seg(AFX_INIT_SEG)"},
    {"toolbar.cpp", 1360, 1360, Match::Exact, "IMPLEMENT_DYNAMIC(CToolBar, CControlBar)"},
};

std::vector<std::string> NoticeLines() {
  MemoryFileSystem fs;
  OutputWriter out(fs);
  WriteTemplate("common/notice", test::Settings("Demo"), out);
  return test::SplitLines(out.Buffer());
}

bool Matches(const std::vector<std::string>& lines, std::size_t at, const Item& item) {
  const std::string& line = lines[at];
  switch (item.match) {
    case Match::Exact: return line == item.text;
    case Match::Line: return WithoutIndent(line) == item.text;
    case Match::Within: return line.find(item.text) != std::string::npos;
    case Match::Heading:
      return at + 1 < lines.size() && line == kSlashes && lines[at + 1] == item.text;
    case Match::Notice: {
      const auto notice = NoticeLines();
      return notice.size() == 9 && at + notice.size() <= lines.size() &&
             std::equal(notice.begin(), notice.end(), lines.begin() + at);
    }
  }
  return false;
}

TEST(ToolBarSources, LineCountsAndEndings) {
  for (const auto& source : kSources) {
    auto lines = LinesOf(source.name);
    ASSERT_EQ(lines.size(), source.lines) << source.name;
    // Each file ends with exactly one empty line.
    EXPECT_EQ(lines.back(), "") << source.name;
    EXPECT_NE(lines[lines.size() - 2], "") << source.name;
  }
}

TEST(ToolBarSources, OutlineItemsLieWithinTheirRangesInOrder) {
  std::string file;
  std::vector<std::string> lines;
  std::size_t from = 0;  // Items of a file are found in order.
  for (const auto& item : kItems) {
    if (file != item.file) {
      file = item.file;
      lines = LinesOf(file);
      from = 0;
    }
    ASSERT_LE(static_cast<std::size_t>(item.last), lines.size()) << file;
    std::size_t at = std::max<std::size_t>(item.first - 1, from);
    while (at < static_cast<std::size_t>(item.last) && !Matches(lines, at, item)) ++at;
    if (at == static_cast<std::size_t>(item.last)) {
      ADD_FAILURE() << file << ": \"" << item.text << "\" not in lines " << item.first << "-" << item.last
                    << " after line " << from;
      continue;
    }
    from = at;
  }
}

TEST(ToolBarSources, BlanksEightPerLevelAndNoControlCharacters) {
  for (const auto& source : kSources) {
    auto lines = LinesOf(source.name);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const auto& line = lines[i];
      const std::string where = std::string(source.name) + ":" + std::to_string(i + 1) + ": " + line;
      // A raw tab or control byte inside a literal would break the text; the
      // escapes are written as a backslash and a letter.
      for (unsigned char c : line) EXPECT_TRUE(c >= 0x20 && c != 0x7f) << where;
      EXPECT_TRUE(line.empty() || line.back() != ' ') << where;
      const auto indent = line.find_first_not_of(' ');
      if (indent != std::string::npos) {
        EXPECT_EQ(indent % 8, 0u) << where;
      }
    }
  }
}

TEST(ToolBarSources, ThreeEmptyLinesAfterTheFirstInitSegment) {
  auto lines = LinesOf("toolbar.cpp");
  auto pragma = std::find(lines.begin(), lines.end(), "#pragma code_seg(AFX_INIT_SEG)");
  ASSERT_NE(pragma, lines.end());
  ASSERT_LT(pragma + 5, lines.end());
  EXPECT_EQ(pragma[1], "#endif");
  EXPECT_EQ(pragma[2], "");
  EXPECT_EQ(pragma[3], "");
  EXPECT_EQ(pragma[4], "");
  EXPECT_NE(pragma[5], "");
}

TEST(ToolBarSources, HeadersAreNamedInLowerCase) {
  for (const auto& source : kSources) {
    for (const auto& line : LinesOf(source.name)) {
      EXPECT_EQ(line.find("Globals.h"), std::string::npos) << source.name << ": " << line;
      EXPECT_EQ(line.find("Toolbar.h"), std::string::npos) << source.name << ": " << line;
      EXPECT_EQ(line.find("ToolBar.h"), std::string::npos) << source.name << ": " << line;
    }
  }
}

TEST(ToolBarSources, SameBytesForEveryProject) {
  struct Variant {
    const char* name;
    const char* location;
    const char* base;
    FrameKind kind;
  } variants[] = {
      {"x", "C:\\", "CView", FrameKind::Multiple},
      {"demo2", "D:\\Projects\\deep", "CListView", FrameKind::Single},
      {"My_App9", "C:\\Work", "CRichEditView", FrameKind::Multiple},
      {"GLOBALS", "C:\\Work", "CTreeView", FrameKind::Single},
  };
  for (const auto& source : kSources) {
    const auto reference = Render(source.write, test::Settings("Demo"));
    for (const auto& v : variants) {
      auto settings = test::Settings(v.name, v.location, v.base);
      settings.Kind = v.kind;
      EXPECT_EQ(Render(source.write, settings), reference) << source.name << " for " << v.name;
    }
  }
}

TEST(ToolBarSources, WrittenByTheRunAfterTheMainFrameAndBeforeTheStatusBar) {
  test::Generated generated;
  test::Generate(generated, test::Settings("Demo"));
  for (const auto& source : kSources)
    EXPECT_EQ(generated.Text(source.name), Render(source.write, test::Settings("Demo"))) << source.name;

  std::vector<std::string> order;
  for (const auto& file : GeneratedFiles()) order.emplace_back(file.relativeName);
  auto frame = std::find(order.begin(), order.end(), "MainFrm.h");
  ASSERT_LT(frame + 5, order.end());
  EXPECT_EQ(std::vector<std::string>(frame + 1, frame + 6),
            (std::vector<std::string>{"Globals.cpp", "Globals.h", "toolbar.cpp", "toolbar.h", "statbar.cpp"}));
}

TEST(ToolBarSources, CToolBarNamesTheOldClass) {
  // The macro comes after the class and inside the include guard, so that a
  // CToolBar member of the main frame is a COldToolBar.
  auto header = LinesOf("toolbar.h");
  auto classHead = std::find(header.begin(), header.end(), "class COldToolBar : public CControlBar");
  auto macro = std::find(header.begin(), header.end(), "#define CToolBar COldToolBar");
  auto guardEnd = std::find(header.begin(), header.end(), "#endif //!_TOOLBAR_H_");
  EXPECT_LT(classHead, macro);
  EXPECT_LT(macro, guardEnd);
  for (const auto& line : header) EXPECT_EQ(line.find("#undef CToolBar"), std::string::npos);

  // The source writes the class under its usual name throughout.
  for (const auto& line : LinesOf("toolbar.cpp"))
    EXPECT_EQ(line.find("COldToolBar"), std::string::npos) << line;
}

}  // namespace
}  // namespace vantrel
