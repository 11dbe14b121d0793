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
	enum WordWrapType { WrapNone = 0, WrapToWindow = 1, WrapToTargetDevice = 2 };
	int m_nWordWrap;
	CRichEditCtrl& GetRichEditCtrl() const;
	CRichEditDoc* GetDocument() const;
	long GetTextLength() const;
	void SetMargins(const CRect& rectMargin);
	virtual ~CRichEditView();
#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif
protected:
	virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
	virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
	virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
	virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo);
	DECLARE_MESSAGE_MAP()
};

#endif // __AFXRICH_H__
