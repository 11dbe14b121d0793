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
class CView;
class CDocument;
class CDocTemplate;
class CControlBar;
class CCmdUI;
class CDC;
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
};

class CPoint : public tagPOINT
{
public:
	CPoint(int initX, int initY);
};

class CRect : public tagRECT
{
public:
	CRect();

	int Width() const;
	int Height() const;
	operator LPRECT();
	operator LPCRECT() const;

	void SetRectEmpty();
	void InflateRect(int x, int y);
	void OffsetRect(int x, int y);
};

#ifdef _DEBUG
CDumpContext& AFXAPI operator<<(CDumpContext& dc, SIZE size);
#endif

/////////////////////////////////////////////////////////////////////////////
// GDI objects and device contexts

class CDC : public CObject
{
	DECLARE_DYNCREATE(CDC)
public:
	HDC m_hDC;

	HGDIOBJ SelectObject(HGDIOBJ hObject);

	int SetBkMode(int nBkMode);
	virtual COLORREF SetTextColor(COLORREF crColor);

	CPoint MoveTo(int x, int y);
	BOOL LineTo(int x, int y);
	void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
	void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);

	virtual BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString,
		UINT nCount, LPINT lpDxWidths);
	CSize GetTextExtent(const CString& str) const;
	BOOL GetTextMetrics(LPTEXTMETRIC lpMetrics) const;
	UINT SetTextAlign(UINT nFlags);

	virtual BOOL RectVisible(LPCRECT lpRect) const;
};

class CClientDC : public CDC
{
	DECLARE_DYNAMIC(CClientDC)
public:
	CClientDC(CWnd* pWnd);
protected:
	HWND m_hWnd;
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
#define ON_MESSAGE(message, memberFxn) \
	{ message, 0, 0, 0, 0, \
		_AFX_HANDLER(LRESULT (AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM), memberFxn) },

#define _AFX_ON_WM(message, type, memberFxn) \
	{ message, 0, 0, 0, 0, _AFX_HANDLER(type, memberFxn) },

#define ON_WM_CREATE() _AFX_ON_WM(WM_CREATE, int (AFX_MSG_CALL CWnd::*)(LPCREATESTRUCT), OnCreate)
#define ON_WM_SIZE() _AFX_ON_WM(WM_SIZE, void (AFX_MSG_CALL CWnd::*)(UINT, int, int), OnSize)
#define ON_WM_NCHITTEST() _AFX_ON_WM(WM_NCHITTEST, UINT (AFX_MSG_CALL CWnd::*)(CPoint), OnNcHitTest)
#define ON_WM_SYSCOMMAND() _AFX_ON_WM(WM_SYSCOMMAND, void (AFX_MSG_CALL CWnd::*)(UINT, LPARAM), OnSysCommand)
#define ON_WM_WININICHANGE() _AFX_ON_WM(WM_WININICHANGE, void (AFX_MSG_CALL CWnd::*)(LPCTSTR), OnWinIniChange)
#define ON_WM_SYSCOLORCHANGE() _AFX_ON_WM(WM_SYSCOLORCHANGE, void (AFX_MSG_CALL CWnd::*)(void), OnSysColorChange)
#define ON_WM_CANCELMODE() _AFX_ON_WM(WM_CANCELMODE, void (AFX_MSG_CALL CWnd::*)(void), OnCancelMode)
#define ON_WM_LBUTTONDOWN() _AFX_ON_WM(WM_LBUTTONDOWN, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP() _AFX_ON_WM(WM_LBUTTONUP, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_MOUSEMOVE() _AFX_ON_WM(WM_MOUSEMOVE, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnMouseMove)

/////////////////////////////////////////////////////////////////////////////
// Command targets and windows

class CCmdTarget : public CObject
{
	DECLARE_DYNAMIC(CCmdTarget)
public:
	DECLARE_MESSAGE_MAP()
};

class CCmdUI
{
public:
	UINT m_nID;
	UINT m_nIndex;
	CWnd* m_pOther;
	BOOL m_bEnableChanged;
	UINT m_nIndexMax;

	CCmdUI();
	BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};

struct CCreateContext
{
};

class CWnd : public CCmdTarget
{
	DECLARE_DYNCREATE(CWnd)
public:
	HWND m_hWnd;

	virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
		const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext = NULL);
	virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

	DWORD GetStyle() const;
	CWnd* GetOwner() const;
	CFrameWnd* GetParentFrame() const;

	LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

	void GetClientRect(LPRECT lpRect) const;
	void ClientToScreen(LPRECT lpRect) const;

	void UpdateWindow();
	void Invalidate(BOOL bErase = TRUE);
	void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
	BOOL ShowWindow(int nCmdShow);
	BOOL IsZoomed() const;

	static CWnd* PASCAL GetCapture();
	CWnd* SetCapture();

	void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

	virtual int OnToolHitTest(CPoint point, TOOLINFO* pTI) const;
	virtual BOOL IsFrameWnd() const;
	virtual void DoDataExchange(CDataExchange* pDX);

protected:
	afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
	afx_msg void OnSize(UINT nType, int cx, int cy);
	afx_msg UINT OnNcHitTest(CPoint point);
	afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
	afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
	DECLARE_MESSAGE_MAP()
};

// Window class registration and the application's handles.
LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = 0,
	HBRUSH hbrBackground = 0, HICON hIcon = 0);
HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
class CWinApp* AFXAPI AfxGetApp();

/////////////////////////////////////////////////////////////////////////////
// Frame windows

// Frame window styles.
#define FWS_ADDTOTITLE  0x00008000L

class CFrameWnd : public CWnd
{
	DECLARE_DYNCREATE(CFrameWnd)
public:

	BOOL m_bAutoMenuEnable;

	void EnableDocking(DWORD dwDockStyle);
	void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = NULL);

	DECLARE_MESSAGE_MAP()
};

class CMDIFrameWnd : public CFrameWnd
{
	DECLARE_DYNCREATE(CMDIFrameWnd)
public:
	CMDIFrameWnd();
	virtual BOOL LoadFrame(UINT nIDResource,
		DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
		CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);
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
	DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// Dialogs

class CDataExchange
{
};

class CDialog : public CWnd
{
	DECLARE_DYNAMIC(CDialog)
public:
	CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
	virtual int DoModal();
#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif
protected:
	DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// Documents and views

class CDocument : public CCmdTarget
{
	DECLARE_DYNAMIC(CDocument)
public:
	CDocument();
	virtual BOOL OnNewDocument();
#ifdef _DEBUG
	virtual void Dump(CDumpContext& dc) const;
	virtual void AssertValid() const;
#endif
protected:
	DECLARE_MESSAGE_MAP()
};

class CView : public CWnd
{
	DECLARE_DYNAMIC(CView)
protected:
	CView();
public:
	virtual BOOL IsSelected(const CObject* pDocItem) const;
	virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
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
	BOOL DoPreparePrinting(CPrintInfo* pInfo);
	CDocument* m_pDocument;
	DECLARE_MESSAGE_MAP()
};

class CCtrlView : public CView
{
	DECLARE_DYNCREATE(CCtrlView)
public:
	virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext&) const;
#endif
protected:
	DECLARE_MESSAGE_MAP()
};

class CScrollView : public CView
{
	DECLARE_DYNAMIC(CScrollView)
protected:
	CScrollView();
public:
#ifdef _DEBUG
	virtual void Dump(CDumpContext&) const;
	virtual void AssertValid() const;
#endif
	DECLARE_MESSAGE_MAP()
};

struct CPrintInfo
{
};

class CDocTemplate : public CCmdTarget
{
	DECLARE_DYNAMIC(CDocTemplate)
public:
	virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
};

class CMultiDocTemplate : public CDocTemplate
{
	DECLARE_DYNAMIC(CMultiDocTemplate)
public:
	CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
		CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass);
	virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE);
};

/////////////////////////////////////////////////////////////////////////////
// Threads and the application

class CWinThread : public CCmdTarget
{
	DECLARE_DYNAMIC(CWinThread)
public:
	CWnd* m_pMainWnd;
};

class CWinApp : public CWinThread
{
	DECLARE_DYNAMIC(CWinApp)
public:
	CWinApp(LPCTSTR lpszAppName = NULL);
	LPTSTR m_lpCmdLine;
	int m_nCmdShow;

	void AddDocTemplate(CDocTemplate* pTemplate);
	virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);

#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif

	// Standard commands; an application's message map names them through
	// CWinApp, so they are public here.
	afx_msg void OnFileNew();
	afx_msg void OnFileOpen();
	afx_msg void OnFilePrintSetup();

protected:
	void LoadStdProfileSettings(UINT nMaxMRU = 4);
	BOOL Enable3dControls();
	DECLARE_MESSAGE_MAP()
};

#endif // __AFXWIN_H__
