// {Name}View.cpp : implementation of the C{Name}View class
//
{>common/notice}

#include "stdafx.h"
#include "{Name}.h"

#include "{Name}doc.h"
#include "{Name}View.h"

#ifdef _DEBUG
#undef THIS_FILE
static char BASED_CODE THIS_FILE[] = __FILE__;
#endif

{>common/separator}
// C{Name}View

IMPLEMENT_DYNCREATE(C{Name}View, {Base})

BEGIN_MESSAGE_MAP(C{Name}View, {Base})
	//{{AFX_MSG_MAP(C{Name}View)
		// NOTE - the ClassWizard will add and remove mapping macros here.
		//    DO NOT EDIT what you see in these blocks of generated code!
	//}}AFX_MSG_MAP
	// Standard printing commands
	ON_COMMAND(ID_FILE_PRINT, {Base}::OnFilePrint)
	ON_COMMAND(ID_FILE_PRINT_PREVIEW, {Base}::OnFilePrintPreview)
END_MESSAGE_MAP()

{>common/separator}
// C{Name}View construction/destruction

C{Name}View::C{Name}View()
{
	// TODO: add construction code here

}

C{Name}View::~C{Name}View()
{
}

{>common/separator}
// C{Name}View drawing

void C{Name}View::OnDraw(CDC* pDC)
{
	C{Name}Doc* pDoc = GetDocument();
	ASSERT_VALID(pDoc);

	// TODO: add draw code for native data here
}

{>common/separator}
// C{Name}View printing

BOOL C{Name}View::OnPreparePrinting(CPrintInfo* pInfo)
{
	// default preparation
	return DoPreparePrinting(pInfo);
}

void C{Name}View::OnBeginPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/)
{
	// TODO: add extra initialization before printing
}

void C{Name}View::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/)
{
	// TODO: add cleanup after printing
}

{>common/separator}
// C{Name}View diagnostics

#ifdef _DEBUG
void C{Name}View::AssertValid() const
{
	{Base}::AssertValid();
}

void C{Name}View::Dump(CDumpContext& dc) const
{
	{Base}::Dump(dc);
}

C{Name}Doc* C{Name}View::GetDocument() // non-debug version is inline
{
	return STATIC_DOWNCAST(C{Name}Doc, m_pDocument);
}
#endif //_DEBUG

{>common/separator}
// C{Name}View message handlers

