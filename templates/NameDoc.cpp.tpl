
// {Name}doc.cpp : implementation of the C{Name}Doc class
//
{>common/notice}

#include "stdafx.h"
#include "{Name}.h"

#include "{Name}doc.h"

#ifdef _DEBUG
#undef THIS_FILE
static char BASED_CODE THIS_FILE[] = __FILE__;
#endif

{>common/separator}
// C{Name}Doc

IMPLEMENT_DYNCREATE(C{Name}Doc, CDocument)

BEGIN_MESSAGE_MAP(C{Name}Doc, CDocument)
	//{{AFX_MSG_MAP(C{Name}Doc)
		// NOTE - the ClassWizard will add and remove mapping macros here.
		//    DO NOT EDIT what you see in these blocks of generated code!
	//}}AFX_MSG_MAP
END_MESSAGE_MAP()

{>common/separator}
// C{Name}Doc construction/destruction

C{Name}Doc::C{Name}Doc()
{
	// TODO: add one-time construction code here

}

C{Name}Doc::~C{Name}Doc()
{
}

BOOL C{Name}Doc::OnNewDocument()
{
	if (!CDocument::OnNewDocument())
		return FALSE;

	// TODO: add reinitialization code here
	// (SDI documents will reuse this document)

	return TRUE;
}

{>common/separator}
// C{Name}Doc serialization

void C{Name}Doc::Serialize(CArchive& ar)
{
	if (ar.IsStoring())
	{
		// TODO: add storing code here
	}
	else
	{
		// TODO: add loading code here
	}
}

{>common/separator}
// C{Name}Doc diagnostics

#ifdef _DEBUG
void C{Name}Doc::AssertValid() const
{
	CDocument::AssertValid();
}

void C{Name}Doc::Dump(CDumpContext& dc) const
{
	CDocument::Dump(dc);
}
#endif //_DEBUG

{>common/separator}
// C{Name}Doc commands


