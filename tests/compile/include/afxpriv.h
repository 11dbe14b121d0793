// Stand-in for the class library's private implementation header
// (declarations only): the private window messages and layout record that
// control bars exchange with their frame.
#ifndef __AFXPRIV_H__
#define __AFXPRIV_H__

#ifndef __AFXEXT_H__
#include "afxext.h"
#endif

// Private messages of the framework.
#define WM_SIZEPARENT       0x0361
#define WM_SETMESSAGESTRING 0x0362
#define WM_IDLEUPDATECMDUI  0x0363
#define WM_INITIALUPDATE    0x0364
#define WM_COMMANDHELP      0x0365
#define WM_HELPHITTEST      0x0366
#define WM_EXITHELPMODE     0x0367
#define WM_RECALCPARENT     0x0368
#define WM_SIZECHILD        0x0369
#define WM_KICKIDLE         0x036A
#define WM_QUERYCENTERWND   0x036B
#define WM_DISABLEMODAL     0x036C
#define WM_FLOATSTATUS      0x036D
#define WM_ACTIVATETOPLEVEL 0x036E
#define WM_QUERY3DCONTROLS  0x036F
#define WM_SOCKET_NOTIFY    0x0373
#define WM_SOCKET_DEAD      0x0374
#define WM_POPMESSAGESTRING 0x0375

// Sent with WM_SIZEPARENT: the space left in the frame's client area, and
// the deferred window positions when the layout is applied.
struct AFX_SIZEPARENTPARAMS
{
	HDWP hDWP;
	RECT rect;
	SIZE sizeTotal;
	BOOL bStretch;
};

// Hit-test helpers and the owner of a modal window.
CWnd* AFXAPI AfxGetSafeOwner(CWnd* pParent, HWND* phTopLevel = NULL);
void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);
BOOL AFXAPI AfxIsDescendant(HWND hWndParent, HWND hWndChild);
HWND AFXAPI AfxGetParentOwner(HWND hWnd);

#endif // __AFXPRIV_H__
