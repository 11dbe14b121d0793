// Stand-in for the class library's common-control views (declarations
// only): the list view and the tree view.
#ifndef __AFXCVIEW_H__
#define __AFXCVIEW_H__

#ifndef __AFXWIN_H__
#include "afxwin.h"
#endif

class CListCtrl;
class CTreeCtrl;

class CListView : public CCtrlView
{
	DECLARE_DYNCREATE(CListView)
public:
	CListView();
	virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
protected:
	DECLARE_MESSAGE_MAP()
};

class CTreeView : public CCtrlView
{
	DECLARE_DYNCREATE(CTreeView)
public:
	CTreeView();
	virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
protected:
	DECLARE_MESSAGE_MAP()
};

#endif // __AFXCVIEW_H__
