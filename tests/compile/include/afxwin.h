// Stand-in for the class library's window, GDI, document and application
// classes (declarations only), for the compile check of generated projects.
#ifndef __AFXWIN_H__
#define __AFXWIN_H__

#include "afx.h"
#include <commctrl.h>
#include "afxres.h"

class CWnd;
class CFrameWnd;
class CMDIFrameWnd;
class CMDIChildWnd;
class CRgn;
class CView;
class CDocument;
class CDocTemplate;
class CControlBar;
class CCmdUI;
class CDC;
class CMenu;
class CPrintInfo;
class CDataExchange;
struct CCreateContext;

/////////////////////////////////////////////////////////////////////////////
// Points, sizes and rectangles

class CSize : public tagSIZE
{
public:
	CSize();
	CSize(int initCX, int initCY);
	CSize(SIZE initSize);
	CSize(POINT initPt);
	CSize(DWORD dwSize);
	BOOL operator==(SIZE size) const;
	BOOL operator!=(SIZE size) const;
	void operator+=(SIZE size);
	void operator-=(SIZE size);
	CSize operator+(SIZE size) const;
	CSize operator-(SIZE size) const;
	CSize operator-() const;
};

class CPoint : public tagPOINT
{
public:
	CPoint();
	CPoint(int initX, int initY);
	CPoint(POINT initPt);
	CPoint(SIZE initSize);
	CPoint(DWORD dwPoint);
	void Offset(int xOffset, int yOffset);
	void Offset(POINT point);
	void Offset(SIZE size);
	BOOL operator==(POINT point) const;
	BOOL operator!=(POINT point) const;
	void operator+=(SIZE size);
	void operator-=(SIZE size);
	void operator+=(POINT point);
	void operator-=(POINT point);
	CPoint operator+(SIZE size) const;
	CPoint operator-(SIZE size) const;
	CPoint operator-() const;
	CPoint operator+(POINT point) const;
	CSize operator-(POINT point) const;
};

class CRect : public tagRECT
{
public:
	CRect();
	CRect(int l, int t, int r, int b);
	CRect(const RECT& srcRect);
	CRect(LPCRECT lpSrcRect);
	CRect(POINT point, SIZE size);
	CRect(POINT topLeft, POINT bottomRight);

	int Width() const;
	int Height() const;
	CSize Size() const;
	CPoint& TopLeft();
	CPoint& BottomRight();
	const CPoint& TopLeft() const;
	const CPoint& BottomRight() const;
	CPoint CenterPoint() const;
	operator LPRECT();
	operator LPCRECT() const;
	BOOL IsRectEmpty() const;
	BOOL IsRectNull() const;
	BOOL PtInRect(POINT point) const;

	void SetRect(int x1, int y1, int x2, int y2);
	void SetRectEmpty();
	void CopyRect(LPCRECT lpSrcRect);
	BOOL EqualRect(LPCRECT lpRect) const;
	void InflateRect(int x, int y);
	void InflateRect(SIZE size);
	void InflateRect(LPCRECT lpRect);
	void InflateRect(int l, int t, int r, int b);
	void DeflateRect(int x, int y);
	void DeflateRect(SIZE size);
	void DeflateRect(LPCRECT lpRect);
	void DeflateRect(int l, int t, int r, int b);
	void OffsetRect(int x, int y);
	void OffsetRect(SIZE size);
	void OffsetRect(POINT point);
	void NormalizeRect();
	BOOL IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2);
	BOOL UnionRect(LPCRECT lpRect1, LPCRECT lpRect2);

	void operator=(const RECT& srcRect);
	BOOL operator==(const RECT& rect) const;
	BOOL operator!=(const RECT& rect) const;
	void operator+=(POINT point);
	void operator+=(SIZE size);
	void operator-=(POINT point);
	void operator-=(SIZE size);
	void operator&=(const RECT& rect);
	void operator|=(const RECT& rect);
	CRect operator+(POINT point) const;
	CRect operator-(POINT point) const;
	CRect operator&(const RECT& rect2) const;
	CRect operator|(const RECT& rect2) const;
};

#ifdef _DEBUG
CDumpContext& AFXAPI operator<<(CDumpContext& dc, SIZE size);
CDumpContext& AFXAPI operator<<(CDumpContext& dc, POINT point);
CDumpContext& AFXAPI operator<<(CDumpContext& dc, const RECT& rect);
#endif

/////////////////////////////////////////////////////////////////////////////
// GDI objects and device contexts

class CGdiObject : public CObject
{
	DECLARE_DYNCREATE(CGdiObject)
public:
	HGDIOBJ m_hObject;
	operator HGDIOBJ() const;
	HGDIOBJ GetSafeHandle() const;
	static CGdiObject* PASCAL FromHandle(HGDIOBJ hObject);
	BOOL Attach(HGDIOBJ hObject);
	HGDIOBJ Detach();
	CGdiObject();
	BOOL DeleteObject();
	int GetObject(int nCount, LPVOID lpObject) const;
	BOOL CreateStockObject(int nIndex);
	virtual ~CGdiObject();
};

class CPen : public CGdiObject
{
	DECLARE_DYNAMIC(CPen)
public:
	static CPen* PASCAL FromHandle(HPEN hPen);
	CPen();
	CPen(int nPenStyle, int nWidth, COLORREF crColor);
	BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
	operator HPEN() const;
};

class CBrush : public CGdiObject
{
	DECLARE_DYNAMIC(CBrush)
public:
	static CBrush* PASCAL FromHandle(HBRUSH hBrush);
	CBrush();
	CBrush(COLORREF crColor);
	CBrush(int nIndex, COLORREF crColor);
	BOOL CreateSolidBrush(COLORREF crColor);
	BOOL CreatePatternBrush(class CBitmap* pBitmap);
	operator HBRUSH() const;
};

class CFont : public CGdiObject
{
	DECLARE_DYNAMIC(CFont)
public:
	static CFont* PASCAL FromHandle(HFONT hFont);
	CFont();
	BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
	operator HFONT() const;
};

class CBitmap : public CGdiObject
{
	DECLARE_DYNAMIC(CBitmap)
public:
	static CBitmap* PASCAL FromHandle(HBITMAP hBitmap);
	CBitmap();
	BOOL LoadBitmap(LPCTSTR lpszResourceName);
	BOOL LoadBitmap(UINT nIDResource);
	BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
	BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
	operator HBITMAP() const;
};

class CDC : public CObject
{
	DECLARE_DYNCREATE(CDC)
public:
	HDC m_hDC;
	HDC m_hAttribDC;
	operator HDC() const;
	HDC GetSafeHdc() const;
	static CDC* PASCAL FromHandle(HDC hDC);
	BOOL Attach(HDC hDC);
	HDC Detach();

	CDC();
	virtual ~CDC();
	BOOL CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData);
	BOOL CreateCompatibleDC(CDC* pDC);
	BOOL DeleteDC();
	int SaveDC();
	BOOL RestoreDC(int nSavedDC);
	int GetDeviceCaps(int nIndex) const;
	BOOL IsPrinting() const;

	CGdiObject* SelectStockObject(int nIndex);
	CPen* SelectObject(CPen* pPen);
	CBrush* SelectObject(CBrush* pBrush);
	virtual CFont* SelectObject(CFont* pFont);
	CBitmap* SelectObject(CBitmap* pBitmap);
	CGdiObject* SelectObject(CGdiObject* pObject);
	HGDIOBJ SelectObject(HGDIOBJ hObject);

	COLORREF GetBkColor() const;
	virtual COLORREF SetBkColor(COLORREF crColor);
	int GetBkMode() const;
	int SetBkMode(int nBkMode);
	COLORREF GetTextColor() const;
	virtual COLORREF SetTextColor(COLORREF crColor);
	int SetROP2(int nDrawMode);

	CPoint MoveTo(int x, int y);
	CPoint MoveTo(POINT point);
	BOOL LineTo(int x, int y);
	BOOL LineTo(POINT point);
	void FillRect(LPCRECT lpRect, CBrush* pBrush);
	void FrameRect(LPCRECT lpRect, CBrush* pBrush);
	void InvertRect(LPCRECT lpRect);
	BOOL Rectangle(int x1, int y1, int x2, int y2);
	BOOL Rectangle(LPCRECT lpRect);
	void FillSolidRect(LPCRECT lpRect, COLORREF clr);
	void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
	void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
	void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
	BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop);
	BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
	BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
		int nSrcWidth, int nSrcHeight, DWORD dwRop);
	COLORREF GetPixel(int x, int y) const;
	COLORREF SetPixel(int x, int y, COLORREF crColor);

	virtual BOOL TextOut(int x, int y, LPCTSTR lpszString, int nCount);
	BOOL TextOut(int x, int y, const CString& str);
	virtual BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString,
		UINT nCount, LPINT lpDxWidths);
	BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths);
	virtual int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
	int DrawText(const CString& str, LPRECT lpRect, UINT nFormat);
	CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;
	CSize GetTextExtent(const CString& str) const;
	BOOL GetTextMetrics(LPTEXTMETRIC lpMetrics) const;
	UINT SetTextAlign(UINT nFlags);

	virtual int SelectClipRgn(CRgn* pRgn);
	int IntersectClipRect(int x1, int y1, int x2, int y2);
	int IntersectClipRect(LPCRECT lpRect);
	int ExcludeClipRect(int x1, int y1, int x2, int y2);
	int ExcludeClipRect(LPCRECT lpRect);
	virtual BOOL PtVisible(int x, int y) const;
	virtual BOOL RectVisible(LPCRECT lpRect) const;
	virtual int GetClipBox(LPRECT lpRect) const;
};

class CClientDC : public CDC
{
	DECLARE_DYNAMIC(CClientDC)
public:
	CClientDC(CWnd* pWnd);
	virtual ~CClientDC();
protected:
	HWND m_hWnd;
};

class CWindowDC : public CDC
{
	DECLARE_DYNAMIC(CWindowDC)
public:
	CWindowDC(CWnd* pWnd);
	virtual ~CWindowDC();
protected:
	HWND m_hWnd;
};

class CPaintDC : public CDC
{
	DECLARE_DYNAMIC(CPaintDC)
public:
	CPaintDC(CWnd* pWnd);
	virtual ~CPaintDC();
	PAINTSTRUCT m_ps;
protected:
	HWND m_hWnd;
};

class CMenu : public CObject
{
	DECLARE_DYNCREATE(CMenu)
public:
	HMENU m_hMenu;
	CMenu();
	static CMenu* PASCAL FromHandle(HMENU hMenu);
	UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
	UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
	UINT GetMenuItemCount() const;
	UINT GetMenuItemID(int nPos) const;
};

/////////////////////////////////////////////////////////////////////////////
// Message maps

class CCmdTarget;
typedef void (AFX_MSG_CALL CCmdTarget::*AFX_PMSG)(void);

struct AFX_MSGMAP_ENTRY
{
	UINT nMessage;
	UINT nCode;
	UINT nID;
	UINT nLastID;
	UINT nSig;
	AFX_PMSG pfn;
};

struct AFX_MSGMAP
{
	const AFX_MSGMAP* (PASCAL* pfnGetBaseMap)();
	const AFX_MSGMAP_ENTRY* lpEntries;
};

#define afx_msg

#define DECLARE_MESSAGE_MAP() \
protected: \
	static const AFX_MSGMAP* PASCAL GetThisMessageMap(); \
	virtual const AFX_MSGMAP* GetMessageMap() const;

// The entries live in a function of the class, so that handler names are
// looked up in the class and their types are checked against the message.
#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
	const AFX_MSGMAP* theClass::GetMessageMap() const \
		{ return GetThisMessageMap(); } \
	const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() \
	{ \
		typedef theClass ThisClass; \
		typedef baseClass TheBaseClass; \
		static const AFX_MSGMAP_ENTRY _messageEntries[] = \
		{

#define END_MESSAGE_MAP() \
			{ 0, 0, 0, 0, 0, (AFX_PMSG)0 } \
		}; \
		static const AFX_MSGMAP messageMap = \
			{ &TheBaseClass::GetThisMessageMap, &_messageEntries[0] }; \
		return &messageMap; \
	}

// A handler of the given type, converted to the common entry type.
#define _AFX_HANDLER(type, memberFxn) \
	reinterpret_cast<AFX_PMSG>(static_cast<type>(&ThisClass::memberFxn))

#define ON_COMMAND(id, memberFxn) \
	{ WM_COMMAND, 0, (WORD)id, (WORD)id, 0, \
		_AFX_HANDLER(void (AFX_MSG_CALL CCmdTarget::*)(void), memberFxn) },
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
	{ WM_COMMAND, (WORD)-1, (WORD)id, (WORD)id, 0, \
		_AFX_HANDLER(void (AFX_MSG_CALL CCmdTarget::*)(CCmdUI*), memberFxn) },
#define ON_MESSAGE(message, memberFxn) \
	{ message, 0, 0, 0, 0, \
		_AFX_HANDLER(LRESULT (AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM), memberFxn) },
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
	{ 0xC000, 0, 0, 0, (UINT)(UINT*)(&nMessageVariable), \
		_AFX_HANDLER(LRESULT (AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM), memberFxn) },

#define _AFX_ON_WM(message, type, memberFxn) \
	{ message, 0, 0, 0, 0, _AFX_HANDLER(type, memberFxn) },

#define ON_WM_CREATE() _AFX_ON_WM(WM_CREATE, int (AFX_MSG_CALL CWnd::*)(LPCREATESTRUCT), OnCreate)
#define ON_WM_DESTROY() _AFX_ON_WM(WM_DESTROY, void (AFX_MSG_CALL CWnd::*)(void), OnDestroy)
#define ON_WM_PAINT() _AFX_ON_WM(WM_PAINT, void (AFX_MSG_CALL CWnd::*)(void), OnPaint)
#define ON_WM_ERASEBKGND() _AFX_ON_WM(WM_ERASEBKGND, BOOL (AFX_MSG_CALL CWnd::*)(CDC*), OnEraseBkgnd)
#define ON_WM_SIZE() _AFX_ON_WM(WM_SIZE, void (AFX_MSG_CALL CWnd::*)(UINT, int, int), OnSize)
#define ON_WM_MOVE() _AFX_ON_WM(WM_MOVE, void (AFX_MSG_CALL CWnd::*)(int, int), OnMove)
#define ON_WM_TIMER() _AFX_ON_WM(WM_TIMER, void (AFX_MSG_CALL CWnd::*)(UINT), OnTimer)
#define ON_WM_NCHITTEST() _AFX_ON_WM(WM_NCHITTEST, UINT (AFX_MSG_CALL CWnd::*)(CPoint), OnNcHitTest)
#define ON_WM_NCPAINT() _AFX_ON_WM(WM_NCPAINT, void (AFX_MSG_CALL CWnd::*)(void), OnNcPaint)
#define ON_WM_NCCALCSIZE() _AFX_ON_WM(WM_NCCALCSIZE, \
	void (AFX_MSG_CALL CWnd::*)(BOOL, NCCALCSIZE_PARAMS*), OnNcCalcSize)
#define ON_WM_SYSCOMMAND() _AFX_ON_WM(WM_SYSCOMMAND, void (AFX_MSG_CALL CWnd::*)(UINT, LPARAM), OnSysCommand)
#define ON_WM_WININICHANGE() _AFX_ON_WM(WM_WININICHANGE, void (AFX_MSG_CALL CWnd::*)(LPCTSTR), OnWinIniChange)
#define ON_WM_SYSCOLORCHANGE() _AFX_ON_WM(WM_SYSCOLORCHANGE, void (AFX_MSG_CALL CWnd::*)(void), OnSysColorChange)
#define ON_WM_CANCELMODE() _AFX_ON_WM(WM_CANCELMODE, void (AFX_MSG_CALL CWnd::*)(void), OnCancelMode)
#define ON_WM_LBUTTONDOWN() _AFX_ON_WM(WM_LBUTTONDOWN, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP() _AFX_ON_WM(WM_LBUTTONUP, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() _AFX_ON_WM(WM_LBUTTONDBLCLK, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() _AFX_ON_WM(WM_RBUTTONDOWN, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnRButtonDown)
#define ON_WM_MOUSEMOVE() _AFX_ON_WM(WM_MOUSEMOVE, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnMouseMove)
#define ON_WM_SETCURSOR() _AFX_ON_WM(WM_SETCURSOR, BOOL (AFX_MSG_CALL CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_WINDOWPOSCHANGING() _AFX_ON_WM(WM_WINDOWPOSCHANGING, \
	void (AFX_MSG_CALL CWnd::*)(WINDOWPOS*), OnWindowPosChanging)

/////////////////////////////////////////////////////////////////////////////
// Command targets and windows

class CCmdTarget : public CObject
{
	DECLARE_DYNAMIC(CCmdTarget)
protected:
public:
	CCmdTarget();
	virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo);
	void BeginWaitCursor();
	void EndWaitCursor();
	void RestoreWaitCursor();
	DECLARE_MESSAGE_MAP()
};

class CCmdUI
{
public:
	UINT m_nID;
	UINT m_nIndex;
	CMenu* m_pMenu;
	CMenu* m_pSubMenu;
	CWnd* m_pOther;
	BOOL m_bEnableChanged;
	BOOL m_bContinueRouting;
	UINT m_nIndexMax;
	CMenu* m_pParentMenu;

	CCmdUI();
	virtual void Enable(BOOL bOn = TRUE);
	virtual void SetCheck(int nCheck = 1);
	virtual void SetRadio(BOOL bOn = TRUE);
	virtual void SetText(LPCTSTR lpszText);
	void ContinueRouting();
	BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};

struct CCreateContext
{
	CRuntimeClass* m_pNewViewClass;
	CDocument* m_pCurrentDoc;
	CDocTemplate* m_pNewDocTemplate;
	CView* m_pLastView;
	CFrameWnd* m_pCurrentFrame;
	CCreateContext();
};

class CWnd : public CCmdTarget
{
	DECLARE_DYNCREATE(CWnd)
public:
	HWND m_hWnd;
	operator HWND() const;
	HWND GetSafeHwnd() const;
	static CWnd* PASCAL FromHandle(HWND hWnd);
	static CWnd* PASCAL FromHandlePermanent(HWND hWnd);
	BOOL Attach(HWND hWndNew);
	HWND Detach();

	CWnd();
	virtual ~CWnd();
	virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
		const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext = NULL);
	BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
		int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
		LPVOID lpParam = NULL);
	virtual BOOL DestroyWindow();
	virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

	DWORD GetStyle() const;
	DWORD GetExStyle() const;
	BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
	CWnd* GetOwner() const;
	void SetOwner(CWnd* pOwnerWnd);
	CWnd* GetParent() const;
	CWnd* SetParent(CWnd* pWndNewParent);
	CFrameWnd* GetParentFrame() const;
	CFrameWnd* GetTopLevelFrame() const;
	CWnd* GetTopLevelParent() const;
	static CWnd* PASCAL GetDesktopWindow();
	int GetDlgCtrlID() const;
	int SetDlgCtrlID(int nID);
	CWnd* GetDlgItem(int nID) const;
	CWnd* GetWindow(UINT nCmd) const;
	CWnd* GetTopWindow() const;

	LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
	BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
	void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
		BOOL bDeep = TRUE, BOOL bOnlyPerm = FALSE);

	void SetWindowText(LPCTSTR lpszString);
	int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
	void GetWindowText(CString& rString) const;
	int GetWindowTextLength() const;
	void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
	CFont* GetFont() const;

	void GetWindowRect(LPRECT lpRect) const;
	void GetClientRect(LPRECT lpRect) const;
	void ClientToScreen(LPPOINT lpPoint) const;
	void ClientToScreen(LPRECT lpRect) const;
	void ScreenToClient(LPPOINT lpPoint) const;
	void ScreenToClient(LPRECT lpRect) const;
	void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
	void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
	BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
	static const CWnd wndTop;
	static const CWnd wndBottom;

	CDC* GetDC();
	CDC* GetWindowDC();
	int ReleaseDC(CDC* pDC);
	void UpdateWindow();
	void Invalidate(BOOL bErase = TRUE);
	void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
	void ValidateRect(LPCRECT lpRect);
	BOOL RedrawWindow(LPCRECT lpRectUpdate = NULL, CRgn* prgnUpdate = NULL,
		UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
	BOOL ShowWindow(int nCmdShow);
	BOOL IsWindowVisible() const;
	BOOL IsWindowEnabled() const;
	BOOL EnableWindow(BOOL bEnable = TRUE);
	BOOL IsIconic() const;
	BOOL IsZoomed() const;
	void DragAcceptFiles(BOOL bAccept = TRUE);

	static CWnd* PASCAL GetCapture();
	CWnd* SetCapture();
	CWnd* SetFocus();
	static CWnd* PASCAL GetFocus();
	CMenu* GetMenu() const;
	CMenu* GetSystemMenu(BOOL bRevert) const;

	int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = NULL, UINT nType = MB_OK);
	BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
	void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
	BOOL ExecuteDlgInit(LPCTSTR lpszResourceName);

	virtual int OnToolHitTest(CPoint point, TOOLINFO* pTI) const;
	virtual BOOL IsFrameWnd() const;
	virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0);
	virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
	virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
	virtual BOOL PreTranslateMessage(MSG* pMsg);
	virtual void DoDataExchange(CDataExchange* pDX);
	virtual void PostNcDestroy();
	virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
	virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
	LRESULT Default();

#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif

protected:
	afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
	afx_msg void OnDestroy();
	afx_msg void OnPaint();
	afx_msg BOOL OnEraseBkgnd(CDC* pDC);
	afx_msg void OnSize(UINT nType, int cx, int cy);
	afx_msg void OnMove(int x, int y);
	afx_msg void OnTimer(UINT nIDEvent);
	afx_msg UINT OnNcHitTest(CPoint point);
	afx_msg void OnNcPaint();
	afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
	afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
	afx_msg void OnWinIniChange(LPCTSTR lpszSection);
	afx_msg void OnSysColorChange();
	afx_msg void OnCancelMode();
	afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
	afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
	afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnMouseMove(UINT nFlags, CPoint point);
	afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
	afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
	DECLARE_MESSAGE_MAP()
};

// Window class registration and the application's handles.
LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = 0,
	HBRUSH hbrBackground = 0, HICON hIcon = 0);
HINSTANCE AFXAPI AfxGetInstanceHandle();
HINSTANCE AFXAPI AfxGetResourceHandle();
HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
class CWinApp* AFXAPI AfxGetApp();
CWnd* AFXAPI AfxGetMainWnd();
LPCTSTR AFXAPI AfxGetAppName();
int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
int AFXAPI AfxLoadString(UINT nIDS, LPTSTR lpszBuf, UINT nMaxBuf = 256);

/////////////////////////////////////////////////////////////////////////////
// Frame windows

// Frame window styles.
#define FWS_ADDTOTITLE  0x00008000L
#define FWS_PREFIXTITLE 0x00004000L
#define FWS_SNAPTOBARS  0x00002000L

class CFrameWnd : public CWnd
{
	DECLARE_DYNCREATE(CFrameWnd)
public:
	static const CRect rectDefault;
	CFrameWnd();
	BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
		DWORD dwStyle = WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
		CWnd* pParentWnd = NULL, LPCTSTR lpszMenuName = NULL, DWORD dwExStyle = 0,
		CCreateContext* pContext = NULL);
	virtual BOOL LoadFrame(UINT nIDResource,
		DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
		CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);

	BOOL m_bAutoMenuEnable;
	virtual CFrameWnd* GetActiveFrame();
	CView* GetActiveView() const;
	void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
	virtual CDocument* GetActiveDocument();
	void SetMessageText(LPCTSTR lpszText);
	void SetMessageText(UINT nID);
	virtual void RecalcLayout(BOOL bNotify = TRUE);
	virtual void ActivateFrame(int nCmdShow = -1);
	void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
	virtual void GetMessageString(UINT nID, CString& rMessage) const;

	void EnableDocking(DWORD dwDockStyle);
	void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = NULL);
	void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
	void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
	CControlBar* GetControlBar(UINT nID);

	virtual ~CFrameWnd();
#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif
	DECLARE_MESSAGE_MAP()
};

class CMDIFrameWnd : public CFrameWnd
{
	DECLARE_DYNCREATE(CMDIFrameWnd)
public:
	CMDIFrameWnd();
	void MDIActivate(CWnd* pWndActivate);
	CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = NULL) const;
	void MDIIconArrange();
	void MDIMaximize(CWnd* pWnd);
	void MDINext();
	void MDIRestore(CWnd* pWnd);
	void MDICascade();
	void MDITile();
	virtual BOOL LoadFrame(UINT nIDResource,
		DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
		CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);
	virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
	HWND m_hWndMDIClient;
#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif
	DECLARE_MESSAGE_MAP()
};

class CMDIChildWnd : public CFrameWnd
{
	DECLARE_DYNCREATE(CMDIChildWnd)
public:
	CMDIChildWnd();
	CMDIFrameWnd* GetMDIFrame();
	void MDIDestroy();
	void MDIActivate();
	void MDIMaximize();
	void MDIRestore();
#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif
	DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// Dialogs

class CDataExchange
{
public:
	BOOL m_bSaveAndValidate;
	CWnd* m_pDlgWnd;
	CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);
	HWND PrepareCtrl(int nIDC);
	void Fail();
};

class CDialog : public CWnd
{
	DECLARE_DYNAMIC(CDialog)
public:
	CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
	CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
	virtual int DoModal();
	void EndDialog(int nResult);
	virtual BOOL OnInitDialog();
	virtual ~CDialog();
#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif
protected:
	CDialog();
	virtual void OnOK();
	virtual void OnCancel();
	DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// Documents and views

class CDocument : public CCmdTarget
{
	DECLARE_DYNAMIC(CDocument)
public:
	CDocument();
	const CString& GetTitle() const;
	virtual void SetTitle(LPCTSTR lpszTitle);
	const CString& GetPathName() const;
	virtual void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE);
	CDocTemplate* GetDocTemplate() const;
	virtual BOOL IsModified();
	virtual void SetModifiedFlag(BOOL bModified = TRUE);
	virtual POSITION GetFirstViewPosition() const;
	virtual CView* GetNextView(POSITION& rPosition) const;
	void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = NULL);
	virtual void DeleteContents();
	virtual BOOL OnNewDocument();
	virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);
	virtual BOOL OnSaveDocument(LPCTSTR lpszPathName);
	virtual void OnCloseDocument();
	virtual ~CDocument();
#ifdef _DEBUG
	virtual void Dump(CDumpContext& dc) const;
	virtual void AssertValid() const;
#endif
protected:
	afx_msg void OnFileClose();
	afx_msg void OnFileSave();
	afx_msg void OnFileSaveAs();
	DECLARE_MESSAGE_MAP()
};

class CView : public CWnd
{
	DECLARE_DYNAMIC(CView)
protected:
	CView();
public:
	CDocument* GetDocument() const;
	virtual BOOL IsSelected(const CObject* pDocItem) const;
	virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL);
	virtual void OnInitialUpdate();
	virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
	virtual ~CView();
#ifdef _DEBUG
	virtual void Dump(CDumpContext&) const;
	virtual void AssertValid() const;
#endif
	// Printing commands; a derived view's message map names them through
	// its base class, so they are public here.
	afx_msg void OnFilePrint();
	afx_msg void OnFilePrintPreview();
protected:
	virtual void OnDraw(CDC* pDC) = 0;
	virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
	virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
	virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
	virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
	virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
	virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
	BOOL DoPreparePrinting(CPrintInfo* pInfo);
	CDocument* m_pDocument;
	DECLARE_MESSAGE_MAP()
};

class CCtrlView : public CView
{
	DECLARE_DYNCREATE(CCtrlView)
public:
	CCtrlView(LPCTSTR lpszClass, DWORD dwStyle);
	CString m_strClass;
	DWORD m_dwDefaultStyle;
	virtual void OnDraw(CDC*);
	virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext&) const;
#endif
protected:
	CCtrlView();
	DECLARE_MESSAGE_MAP()
};

class CScrollView : public CView
{
	DECLARE_DYNAMIC(CScrollView)
protected:
	CScrollView();
public:
	static const SIZE sizeDefault;
	void SetScrollSizes(int nMapMode, SIZE sizeTotal,
		const SIZE& sizePage = sizeDefault, const SIZE& sizeLine = sizeDefault);
	void SetScaleToFitSize(SIZE sizeTotal);
	CPoint GetScrollPosition() const;
	CSize GetTotalSize() const;
	void ScrollToPosition(POINT pt);
	virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL);
	virtual ~CScrollView();
#ifdef _DEBUG
	virtual void Dump(CDumpContext&) const;
	virtual void AssertValid() const;
#endif
	DECLARE_MESSAGE_MAP()
};

struct CPrintInfo
{
	CPrintInfo();
	~CPrintInfo();
	BOOL m_bPreview;
	BOOL m_bDirect;
	BOOL m_bContinuePrinting;
	UINT m_nCurPage;
	UINT m_nNumPreviewPages;
	CString m_strPageDesc;
	CRect m_rectDraw;
	void SetMinPage(UINT nMinPage);
	void SetMaxPage(UINT nMaxPage);
	UINT GetMinPage() const;
	UINT GetMaxPage() const;
	UINT GetFromPage() const;
	UINT GetToPage() const;
};

class CDocTemplate : public CCmdTarget
{
	DECLARE_DYNAMIC(CDocTemplate)
protected:
	CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
		CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass);
public:
	virtual ~CDocTemplate();
	virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
};

class CMultiDocTemplate : public CDocTemplate
{
	DECLARE_DYNAMIC(CMultiDocTemplate)
public:
	CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
		CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass);
	virtual ~CMultiDocTemplate();
	virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE);
};

class CSingleDocTemplate : public CDocTemplate
{
	DECLARE_DYNAMIC(CSingleDocTemplate)
public:
	CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
		CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass);
	virtual ~CSingleDocTemplate();
	virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE);
};

/////////////////////////////////////////////////////////////////////////////
// Threads and the application

class CWinThread : public CCmdTarget
{
	DECLARE_DYNAMIC(CWinThread)
public:
	CWinThread();
	CWnd* m_pMainWnd;
	CWnd* m_pActiveWnd;
	BOOL m_bAutoDelete;
	HANDLE m_hThread;
	DWORD m_nThreadID;
	virtual CWnd* GetMainWnd();
	virtual BOOL InitInstance();
	virtual int Run();
	virtual BOOL PreTranslateMessage(MSG* pMsg);
	virtual BOOL OnIdle(LONG lCount);
	virtual int ExitInstance();
	virtual ~CWinThread();
};

class CWinApp : public CWinThread
{
	DECLARE_DYNAMIC(CWinApp)
public:
	CWinApp(LPCTSTR lpszAppName = NULL);
	HINSTANCE m_hInstance;
	HINSTANCE m_hPrevInstance;
	LPTSTR m_lpCmdLine;
	int m_nCmdShow;
	LPCTSTR m_pszAppName;
	LPCTSTR m_pszRegistryKey;
	LPCTSTR m_pszExeName;
	LPCTSTR m_pszHelpFilePath;
	LPCTSTR m_pszProfileName;

	HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
	HCURSOR LoadCursor(UINT nIDResource) const;
	HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;
	HICON LoadIcon(LPCTSTR lpszResourceName) const;
	HICON LoadIcon(UINT nIDResource) const;
	HICON LoadStandardIcon(LPCTSTR lpszIconName) const;
	UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
	BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
	CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = NULL);
	BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);

	void AddDocTemplate(CDocTemplate* pTemplate);
	virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
	virtual void AddToRecentFileList(LPCTSTR lpszPathName);

	virtual BOOL InitApplication();
	virtual BOOL InitInstance();
	virtual int ExitInstance();
	virtual int Run();
	virtual BOOL OnIdle(LONG lCount);
	virtual ~CWinApp();
#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif

	// Standard commands; an application's message map names them through
	// CWinApp, so they are public here.
	afx_msg void OnFileNew();
	afx_msg void OnFileOpen();
	afx_msg void OnFilePrintSetup();
	afx_msg void OnAppExit();
	afx_msg void OnHelp();
	afx_msg void OnHelpIndex();
	afx_msg void OnContextHelp();

protected:
	void LoadStdProfileSettings(UINT nMaxMRU = 4);
	BOOL Enable3dControls();
	BOOL Enable3dControlsStatic();
	void SetDialogBkColor(COLORREF clrCtlBk = RGB(192, 192, 192), COLORREF clrCtlText = RGB(0, 0, 0));
	void EnableShellOpen();
	void RegisterShellFileTypes(BOOL bCompat = FALSE);
	DECLARE_MESSAGE_MAP()
};

#endif // __AFXWIN_H__
