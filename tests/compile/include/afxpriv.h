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

// Sent with WM_SIZEPARENT: the space left in the frame's client area, and
// the deferred window positions when the layout is applied.
struct AFX_SIZEPARENTPARAMS
{
	HDWP hDWP;
	RECT rect;
	BOOL bStretch;
};

// Hit-test helpers and the owner of a modal window.

#endif // __AFXPRIV_H__
