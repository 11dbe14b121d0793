// {Name}View.h : interface of the C{Name}View class
//
{>common/notice}

class C{Name}View : public {Base}
{
protected: // create from serialization only
	C{Name}View();
	DECLARE_DYNCREATE(C{Name}View)

// Attributes
public:
	C{Name}Doc* GetDocument();

// Operations
public:

// Overrides
	// ClassWizard generated virtual function overrides
	//{{AFX_VIRTUAL(C{Name}View)
	public:
	virtual void OnDraw(CDC* pDC);  // overridden to draw this view
	protected:
	virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
	virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
	virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
	//}}AFX_VIRTUAL

// Implementation
public:
	virtual ~C{Name}View();
#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif

protected:

// Generated message map functions
protected:
	//{{AFX_MSG(C{Name}View)
		// NOTE - the ClassWizard will add and remove member functions here.
		//    DO NOT EDIT what you see in these blocks of generated code !
	//}}AFX_MSG
	DECLARE_MESSAGE_MAP()
};

#ifndef _DEBUG  // debug version in {Name}View.cpp
inline C{Name}Doc* C{Name}View::GetDocument()
   { return (C{Name}Doc*)m_pDocument; }
#endif

{>common/separator}

