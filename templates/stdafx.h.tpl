{>common/notice}

// stdafx.h : include file for standard system include files,
//  or project specific include files that are used frequently, but
//		are changed infrequently

#define VC_EXTRALEAN

#include <afxwin.h>		 // MFC core and standard components
#include <afxext.h> 		// MFC extensions
{BaseInclude}
