
// {Name}.h : main header file for the {Name} application
//
{>common/notice}

// Use "old" toolbar and status bar implementations
#include "toolbar.h"
#include "statbar.h"

#ifndef __AFXWIN_H__
	#error include 'stdafx.h' before including this file for PCH
#endif

#include "resource.h"       // main symbols

{>common/separator}
// C{Name}App:
// See {Name}.cpp for the implementation of this class
//

class C{Name}App : public CWinApp
{
public:
	C{Name}App();

// Overrides
	// ClassWizard generated virtual function overrides
	//{{AFX_VIRTUAL(C{Name}App)
	public:
	virtual BOOL InitInstance();
	//}}AFX_VIRTUAL

// Implementation

	//{{AFX_MSG(C{Name}App)
	afx_msg void OnAppAbout();
		// NOTE - the ClassWizard will add and remove member functions here.
		//    DO NOT EDIT what you see in these blocks of generated code !
	//}}AFX_MSG
	DECLARE_MESSAGE_MAP()
};


{>common/separator}

