// Stand-in for the class library's rich edit view (declarations only).
#ifndef __AFXRICH_H__
#define __AFXRICH_H__

#ifndef __AFXWIN_H__
#include "afxwin.h"
#endif
#include <richedit.h>

class CRichEditCtrl;
class CRichEditDoc;

class CRichEditView : public CCtrlView
{
	DECLARE_DYNCREATE(CRichEditView)
public:
	CRichEditView();
#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif
protected:
	DECLARE_MESSAGE_MAP()
};

#endif // __AFXRICH_H__
