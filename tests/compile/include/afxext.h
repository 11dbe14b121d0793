// Stand-in for the class library's extension header (declarations only):
// the control bar base class and the edit view. The library's own tool bar
// and status bar are left out on purpose: a generated project carries its
// own compatible classes and maps CToolBar and CStatusBar onto them, so a
// source that misses those headers fails here instead of compiling quietly.
#ifndef __AFXEXT_H__
#define __AFXEXT_H__

#ifndef __AFXWIN_H__
#include "afxwin.h"
#endif

struct AFX_SIZEPARENTPARAMS;

// Tool bar button styles.
#define TBBS_BUTTON         0x00
#define TBBS_SEPARATOR      0x01
#define TBBS_CHECKBOX       0x02
#define TBBS_PRESSED        0x0100
#define TBBS_CHECKED        0x0800
#define TBBS_INDETERMINATE  0x1000
#define TBBS_DISABLED       0x0400

// Status bar pane styles.
#define SBPS_NOBORDERS      0x0100
#define SBPS_POPOUT         0x0200
#define SBPS_DISABLED       0x04000000
#define SBPS_STRETCH        0x08000000

// The base of every control bar: layout within the frame, borders, the
// idle update of its items and the common element storage.
class CControlBar : public CWnd
{
	DECLARE_DYNAMIC(CControlBar)
protected:
	CControlBar();
public:

	DWORD GetBarStyle();
	void SetBarStyle(DWORD dwStyle);
	void EnableDocking(DWORD dwDockStyle);
	virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);

	virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif

	// Info about the bar, for the control bar implementations.
	int m_cxLeftBorder, m_cxRightBorder;
	int m_cyTopBorder, m_cyBottomBorder;
	int m_cxDefaultGap;

	// Array of elements.
	int m_nCount;
	void* m_pData;

	// Support for delayed hide and show.

	DWORD m_dwStyle;

	virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
	virtual void DoPaint(CDC* pDC);
	virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;

	BOOL AllocElements(int nElements, int cbElement);

	afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
	afx_msg void OnLButtonDown(UINT nFlags, CPoint pt);
	afx_msg void OnCancelMode();

	DECLARE_MESSAGE_MAP()
};

// A view that is an edit control.
class CEditView : public CCtrlView
{
	DECLARE_DYNCREATE(CEditView)
public:
	CEditView();
#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif
protected:
	DECLARE_MESSAGE_MAP()
};

#endif // __AFXEXT_H__
