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
#define AFX_CORE_DATA
#define AFX_NOVTABLE
#define AFX_INLINE inline
#define AFX_STATIC static
#define AFX_STATIC_DATA static
#define BASED_CODE
#define BASED_DEBUG
#define BASED_STACK
#define AFX_MSG_CALL

// Diagnostics. In debug builds the assertion and trace macros name the
// source file through THIS_FILE: __FILE__ by default, replaced by the
// THIS_FILE array of the sources that declare one after "#undef THIS_FILE".
void AFX_CDECL AfxTrace(LPCTSTR lpszFormat, ...);
BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
void AFXAPI AfxAssertValidObject(const class CObject* pOb, LPCSTR lpszFileName, int nLine);
void AFXAPI AfxDebugBreak();
BOOL AFXAPI AfxIsValidAddress(const void* lp, UINT nBytes, BOOL bReadWrite = TRUE);
BOOL AFXAPI AfxIsValidString(LPCSTR lpsz, int nLength = -1);

#ifdef _DEBUG
#define THIS_FILE __FILE__
#define TRACE ::AfxTrace
#define TRACE0(sz) ::AfxTrace(_T("%s"), _T(sz))
#define TRACE1(sz, p1) ::AfxTrace(_T(sz), p1)
#define TRACE2(sz, p1, p2) ::AfxTrace(_T(sz), p1, p2)
#define TRACE3(sz, p1, p2, p3) ::AfxTrace(_T(sz), p1, p2, p3)
#define ASSERT(f) \
	do { if (!(f) && AfxAssertFailedLine(THIS_FILE, __LINE__)) AfxDebugBreak(); } while (0)
#define VERIFY(f) ASSERT(f)
#define ASSERT_VALID(pOb) (::AfxAssertValidObject(pOb, THIS_FILE, __LINE__))
#define DEBUG_ONLY(f) (f)
#define DEBUG_NEW new(THIS_FILE, __LINE__)
#else
inline void AFX_CDECL AfxTraceNothing(LPCTSTR, ...) {}
#define TRACE 1 ? (void)0 : ::AfxTraceNothing
#define TRACE0(sz)
#define TRACE1(sz, p1)
#define TRACE2(sz, p1, p2)
#define TRACE3(sz, p1, p2, p3)
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define ASSERT_VALID(pOb) ((void)0)
#define DEBUG_ONLY(f) ((void)0)
#define DEBUG_NEW new
#endif

void* AFX_CDECL operator new(size_t nSize, LPCSTR lpszFileName, int nLine);
void AFX_CDECL operator delete(void* p, LPCSTR lpszFileName, int nLine);

// Exceptions thrown by the library.
void AFXAPI AfxThrowMemoryException();
void AFXAPI AfxThrowResourceException();
void AFXAPI AfxThrowNotSupportedException();

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

	CObject* CreateObject();
	BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
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
CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);
#ifdef _DEBUG
#define STATIC_DOWNCAST(class_name, object) \
	((class_name*)AfxStaticDownCast(RUNTIME_CLASS(class_name), object))
#define ASSERT_KINDOF(class_name, object) \
	ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))
#else
#define STATIC_DOWNCAST(class_name, object) ((class_name*)object)
#define ASSERT_KINDOF(class_name, object) ((void)0)
#endif
#define DYNAMIC_DOWNCAST(class_name, object) \
	((class_name*)AfxDynamicDownCast(RUNTIME_CLASS(class_name), object))

// The root of the class hierarchy.
class CObject
{
public:
	virtual CRuntimeClass* GetRuntimeClass() const;
	virtual ~CObject();

	void* PASCAL operator new(size_t nSize);
	void* PASCAL operator new(size_t, void* p);
	void PASCAL operator delete(void* p);
	void* PASCAL operator new(size_t nSize, LPCSTR lpszFileName, int nLine);
	void PASCAL operator delete(void* p, LPCSTR lpszFileName, int nLine);

protected:
	CObject();
private:
	CObject(const CObject& objectSrc);
	void operator=(const CObject& objectSrc);

public:
	BOOL IsSerializable() const;
	BOOL IsKindOf(const CRuntimeClass* pClass) const;
	virtual void Serialize(CArchive& ar);
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;

	static const AFX_DATA CRuntimeClass classCObject;
};

// A counted byte string.
class CString
{
public:
	CString();
	CString(const CString& stringSrc);
	CString(LPCTSTR lpsz);
	CString(TCHAR ch, int nRepeat = 1);
	CString(LPCTSTR lpch, int nLength);
	~CString();

	int GetLength() const;
	BOOL IsEmpty() const;
	void Empty();
	TCHAR GetAt(int nIndex) const;
	TCHAR operator[](int nIndex) const;
	void SetAt(int nIndex, TCHAR ch);
	operator LPCTSTR() const;

	const CString& operator=(const CString& stringSrc);
	const CString& operator=(LPCTSTR lpsz);
	const CString& operator=(TCHAR ch);
	const CString& operator+=(const CString& string);
	const CString& operator+=(LPCTSTR lpsz);
	const CString& operator+=(TCHAR ch);

	int Compare(LPCTSTR lpsz) const;
	int CompareNoCase(LPCTSTR lpsz) const;
	CString Mid(int nFirst, int nCount) const;
	CString Mid(int nFirst) const;
	CString Left(int nCount) const;
	CString Right(int nCount) const;
	int Find(TCHAR ch) const;
	int Find(LPCTSTR lpszSub) const;
	void MakeUpper();
	void MakeLower();
	void AFX_CDECL Format(LPCTSTR lpszFormat, ...);
	BOOL LoadString(UINT nID);

	LPTSTR GetBuffer(int nMinBufLength);
	void ReleaseBuffer(int nNewLength = -1);
	LPTSTR GetBufferSetLength(int nNewLength);

protected:
	LPTSTR m_pchData;
};

CString AFXAPI operator+(const CString& string1, const CString& string2);
CString AFXAPI operator+(const CString& string, LPCTSTR lpsz);
CString AFXAPI operator+(LPCTSTR lpsz, const CString& string);
bool AFXAPI operator==(const CString& s1, const CString& s2);
bool AFXAPI operator==(const CString& s1, LPCTSTR s2);
bool AFXAPI operator==(LPCTSTR s1, const CString& s2);
bool AFXAPI operator!=(const CString& s1, const CString& s2);
bool AFXAPI operator!=(const CString& s1, LPCTSTR s2);
bool AFXAPI operator!=(LPCTSTR s1, const CString& s2);

// Serialization of documents.
class CArchive
{
public:
	enum Mode { store = 0, load = 1 };
	BOOL IsLoading() const;
	BOOL IsStoring() const;
	CArchive& operator<<(BYTE by);
	CArchive& operator<<(WORD w);
	CArchive& operator<<(LONG l);
	CArchive& operator<<(DWORD dw);
	CArchive& operator<<(int i);
	CArchive& operator>>(BYTE& by);
	CArchive& operator>>(WORD& w);
	CArchive& operator>>(LONG& l);
	CArchive& operator>>(DWORD& dw);
	CArchive& operator>>(int& i);
};

// Diagnostic output of objects.
class CDumpContext
{
public:
	int GetDepth() const;
	void SetDepth(int nNewDepth);
	void Flush();
	void HexDump(LPCTSTR lpszLine, BYTE* pby, int nBytes, int nWidth);

	CDumpContext& operator<<(LPCTSTR lpsz);
	CDumpContext& operator<<(const void* lp);
	CDumpContext& operator<<(const CObject* pOb);
	CDumpContext& operator<<(const CObject& ob);
	CDumpContext& operator<<(BYTE by);
	CDumpContext& operator<<(WORD w);
	CDumpContext& operator<<(UINT u);
	CDumpContext& operator<<(LONG l);
	CDumpContext& operator<<(DWORD dw);
	CDumpContext& operator<<(float f);
	CDumpContext& operator<<(double d);
	CDumpContext& operator<<(int n);
	CDumpContext& operator<<(HWND h);
	CDumpContext& operator<<(HDC h);
	CDumpContext& operator<<(HMENU h);
	CDumpContext& operator<<(HACCEL h);
	CDumpContext& operator<<(HFONT h);
};

extern AFX_DATA CDumpContext afxDump;

#endif // __AFX_H__
