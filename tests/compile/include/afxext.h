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

class CDockBar;
class CDockContext;
class CEdit;
struct AFX_SIZEPARENTPARAMS;

// Tool bar button styles.
#define TBBS_BUTTON         0x00
#define TBBS_SEPARATOR      0x01
#define TBBS_CHECKBOX       0x02
#define TBBS_GROUP          0x04
#define TBBS_CHECKGROUP     (TBBS_GROUP|TBBS_CHECKBOX)
#define TBBS_PRESSED        0x0100
#define TBBS_CHECKED        0x0800
#define TBBS_INDETERMINATE  0x1000
#define TBBS_DISABLED       0x0400

// Status bar pane styles.
#define SBPS_NORMAL         0x0000
#define SBPS_NOBORDERS      0x0100
#define SBPS_POPOUT         0x0200
#define SBPS_OWNERDRAW      0x1000
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
	int GetCount() const;
	BOOL m_bAutoDelete;

	DWORD GetBarStyle();
	void SetBarStyle(DWORD dwStyle);
	void EnableDocking(DWORD dwDockStyle);
	CFrameWnd* GetDockingFrame() const;
	BOOL IsFloating() const;
	virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
	virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);

	virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
	virtual ~CControlBar();
#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif
	virtual void DelayShow(BOOL bShow);
	virtual BOOL IsVisible() const;
	virtual DWORD RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout);
	virtual BOOL IsDockBar() const;
	virtual BOOL DestroyWindow();

	// Info about the bar, for the control bar implementations.
	int m_cxLeftBorder, m_cxRightBorder;
	int m_cyTopBorder, m_cyBottomBorder;
	int m_cxDefaultGap;
	UINT m_nMRUWidth;

	// Array of elements.
	int m_nCount;
	void* m_pData;

	// Support for delayed hide and show.
	enum StateFlags
		{ delayHide = 1, delayShow = 2, tempHide = 4, statusSet = 8 };
	UINT m_nStateFlags;

	DWORD m_dwStyle;
	DWORD m_dwDockStyle;
	CFrameWnd* m_pDockSite;
	CDockBar* m_pDockBar;
	CDockContext* m_pDockContext;

	virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
	virtual void PostNcDestroy();
	virtual void DoPaint(CDC* pDC);
	void DrawBorders(CDC* pDC, CRect& rect);
	void DrawGripper(CDC* pDC, const CRect& rect);
	virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;

	virtual LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam);
	virtual BOOL PreTranslateMessage(MSG* pMsg);
	BOOL AllocElements(int nElements, int cbElement);
	void ResetTimer(UINT nEvent, UINT nTime);

	afx_msg void OnTimer(UINT nIDEvent);
	afx_msg int OnCreate(LPCREATESTRUCT lpcs);
	afx_msg void OnDestroy();
	afx_msg void OnPaint();
	afx_msg BOOL OnEraseBkgnd(CDC* pDC);
	afx_msg void OnWindowPosChanging(LPWINDOWPOS lpWndPos);
	afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
	afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
	afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
	afx_msg void OnLButtonDown(UINT nFlags, CPoint pt);
	afx_msg void OnLButtonDblClk(UINT nFlags, CPoint pt);
	afx_msg void OnCancelMode();

	DECLARE_MESSAGE_MAP()

	friend class CFrameWnd;
	friend class CDockBar;
};

// A view that is an edit control.
class CEditView : public CCtrlView
{
	DECLARE_DYNCREATE(CEditView)
public:
	CEditView();
	static AFX_DATA const DWORD dwStyleDefault;
	CEdit& GetEditCtrl() const;
	LPCTSTR LockBuffer() const;
	void UnlockBuffer() const;
	UINT GetBufferLength() const;
	void SerializeRaw(CArchive& ar);
	virtual ~CEditView();
#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif
protected:
	virtual void OnDraw(CDC* pDC);
	virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
	virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
	virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
	virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo = NULL);
	DECLARE_MESSAGE_MAP()
};

#endif // __AFXEXT_H__
