// Stand-in for the class library's core header, written for the compile
// check of generated projects: declarations only, nothing is defined or
// linked. It declares what the generated sources use, in the shape they
// expect, so that clang can check them against the Win32 headers.
#ifndef __AFX_H__
#define __AFX_H__

#ifdef VC_EXTRALEAN
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#endif

#include <windows.h>
#include <tchar.h>
#include <stdarg.h>
#include <stddef.h>
#include <stdlib.h>
#include <string.h>
#include <limits.h>

// MinGW's stdlib.h defines _countof, which the C runtime of the library's
// time did not; sources of that time define it themselves.
#undef _countof

// The Win32 headers of the library's time defined min and max for C++ as
// well; MinGW's define them for C only.
#ifndef NOMINMAX
#ifndef max
#define max(a, b) (((a) > (b)) ? (a) : (b))
#endif
#ifndef min
#define min(a, b) (((a) < (b)) ? (a) : (b))
#endif
#endif

// Calling conventions and storage qualifiers of the library.
#ifndef AFXAPI
#define AFXAPI __stdcall
#endif
#define AFX_CDECL __cdecl
#define AFX_DATA
#define BASED_CODE
#define AFX_MSG_CALL

// Diagnostics. In debug builds the assertion and trace macros name the
// source file through THIS_FILE: __FILE__ by default, replaced by the
// THIS_FILE array of the sources that declare one after "#undef THIS_FILE".
void AFX_CDECL AfxTrace(LPCTSTR lpszFormat, ...);
BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
void AFXAPI AfxAssertValidObject(const class CObject* pOb, LPCSTR lpszFileName, int nLine);
void AFXAPI AfxDebugBreak();
BOOL AFXAPI AfxIsValidAddress(const void* lp, UINT nBytes, BOOL bReadWrite = TRUE);

#ifdef _DEBUG
#define THIS_FILE __FILE__
#define TRACE0(sz) ::AfxTrace(_T("%s"), _T(sz))
#define TRACE1(sz, p1) ::AfxTrace(_T(sz), p1)
#define ASSERT(f) \
	do { if (!(f) && AfxAssertFailedLine(THIS_FILE, __LINE__)) AfxDebugBreak(); } while (0)
#define VERIFY(f) ASSERT(f)
#define ASSERT_VALID(pOb) (::AfxAssertValidObject(pOb, THIS_FILE, __LINE__))
#define DEBUG_NEW new(THIS_FILE, __LINE__)
#else
#define TRACE0(sz)
#define TRACE1(sz, p1)
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define ASSERT_VALID(pOb) ((void)0)
#define DEBUG_NEW new
#endif

// Exceptions thrown by the library.
void AFXAPI AfxThrowResourceException();

// An opaque position in a list.
struct __POSITION {};
typedef __POSITION* POSITION;

class CObject;
class CArchive;
class CDumpContext;

// Run-time class information.
struct CRuntimeClass
{
	LPCSTR m_lpszClassName;
	int m_nObjectSize;
	UINT m_wSchema;
	CObject* (PASCAL* m_pfnCreateObject)();
	CRuntimeClass* m_pBaseClass;
};

// The class name is passed through one more macro so that a name defined
// as a macro (the compatibility bars map CToolBar to COldToolBar) is
// replaced before it is pasted.
#define _RUNTIME_CLASS(class_name) ((CRuntimeClass*)(&class_name::class##class_name))
#define RUNTIME_CLASS(class_name) _RUNTIME_CLASS(class_name)

#define DECLARE_DYNAMIC(class_name) \
public: \
	static const AFX_DATA CRuntimeClass class##class_name; \
	virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name) \
	DECLARE_DYNAMIC(class_name) \
	static CObject* PASCAL CreateObject();

#define _IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew) \
	const AFX_DATA CRuntimeClass class_name::class##class_name = { \
		#class_name, sizeof(class class_name), wSchema, pfnNew, \
		RUNTIME_CLASS(base_class_name) }; \
	CRuntimeClass* class_name::GetRuntimeClass() const \
		{ return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
	_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
	CObject* PASCAL class_name::CreateObject() \
		{ return new class_name; } \
	_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, \
		class_name::CreateObject)

CObject* AFXAPI AfxStaticDownCast(CRuntimeClass* pClass, CObject* pObject);
#ifdef _DEBUG
#define STATIC_DOWNCAST(class_name, object) \
	((class_name*)AfxStaticDownCast(RUNTIME_CLASS(class_name), object))
#define ASSERT_KINDOF(class_name, object) \
	ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))
#else
#define STATIC_DOWNCAST(class_name, object) ((class_name*)object)
#define ASSERT_KINDOF(class_name, object) ((void)0)
#endif

// The root of the class hierarchy.
class CObject
{
public:

	void* PASCAL operator new(size_t nSize);
	void PASCAL operator delete(void* p);

protected:
	CObject();
private:
	CObject(const CObject& objectSrc);
	void operator=(const CObject& objectSrc);

public:
	BOOL IsKindOf(const CRuntimeClass* pClass) const;
	virtual void Serialize(CArchive& ar);
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
};

// A counted byte string.
class CString
{
public:
	CString();

	operator LPCTSTR() const;

	const CString& operator=(LPCTSTR lpsz);

	BOOL LoadString(UINT nID);
};

// Serialization of documents.
class CArchive
{
public:
	BOOL IsStoring() const;
};

// Diagnostic output of objects.
class CDumpContext
{
public:
	int GetDepth() const;

	CDumpContext& operator<<(LPCTSTR lpsz);
	CDumpContext& operator<<(const void* lp);
	CDumpContext& operator<<(UINT u);
	CDumpContext& operator<<(int n);
};

#endif // __AFX_H__
