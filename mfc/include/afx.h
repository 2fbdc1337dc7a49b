// afx.h - core of the MFC-compatible layer: objects, run-time classes, strings, simple value
// types, exceptions, files. 8-bit build: TCHAR is char.
#pragma once

#if defined(UNICODE) || defined(_UNICODE)
#error "LumCtrl is an 8-bit (ANSI) library: do not define UNICODE or _UNICODE"
#endif

#ifndef STRICT
#define STRICT
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <tchar.h>
#include <stddef.h>
#include <stdarg.h>

// ---- linkage ---------------------------------------------------------------------------------
// The layer is compiled into LumCtrl.dll and shared by every module of the process.
#ifdef LUM_BUILDING_DLL
#define LUMAFX_API __declspec(dllexport)
#else
#define LUMAFX_API __declspec(dllimport)
#endif

// Extension modules export their classes with AFX_EXT_CLASS while they are built (_AFXEXT) and
// import them everywhere else.
#ifdef _AFXEXT
#define AFX_EXT_CLASS __declspec(dllexport)
#define AFX_EXT_API   __declspec(dllexport)
#define AFX_EXT_DATA  __declspec(dllexport)
#else
#define AFX_EXT_CLASS __declspec(dllimport)
#define AFX_EXT_API   __declspec(dllimport)
#define AFX_EXT_DATA  __declspec(dllimport)
#endif
#define AFX_CLASS_EXPORT __declspec(dllexport)
#define AFX_CLASS_IMPORT __declspec(dllimport)
#define AFX_API_EXPORT   __declspec(dllexport)
#define AFX_API_IMPORT   __declspec(dllimport)

#define AFXAPI       __stdcall
#define AFX_CDECL    __cdecl
#define AFX_MSG_CALL
#define AFX_INLINE   inline
#define afx_msg
#ifndef PASCAL
#define PASCAL __stdcall
#endif

// ---- diagnostics (release build: checks compile away) ----------------------------------------
#define ASSERT(f)          ((void)0)
#define VERIFY(f)          ((void)(f))
#define ASSERT_VALID(p)    ((void)0)
#define ASSERT_KINDOF(c,p) ((void)0)
#define TRACE              1 ? (void)0 : ::AfxTrace
#define TRACE0(s)          ((void)0)
#define TRACE1(s,a)        ((void)0)
#define TRACE2(s,a,b)      ((void)0)
#define TRACE3(s,a,b,c)    ((void)0)
#define DEBUG_NEW          new
#define DEBUG_ONLY(f)      ((void)0)
#define UNUSED(x)
#define UNUSED_ALWAYS(x)   ((void)(x))
inline void AFX_CDECL AfxTrace(LPCSTR, ...) {}

struct __POSITION {};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)

class CObject;
class CArchive;
class CDumpContext;
class CString;

// ---- run-time classes -------------------------------------------------------------------------
struct LUMAFX_API CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject* (PASCAL* m_pfnCreateObject)();
    CRuntimeClass* (PASCAL* m_pfnGetBaseClass)();
    CRuntimeClass* m_pNextClass;

    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

class LUMAFX_API CObject
{
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = 0;

    BOOL IsSerializable() const { return FALSE; }
    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    virtual void AssertValid() const {}

    static const CRuntimeClass classCObject;
    static CRuntimeClass* PASCAL _GetBaseClass();

protected:
    CObject() {}

private:
    CObject(const CObject&) = delete;
    void operator=(const CObject&) = delete;
};
inline CObject::~CObject() {}

#define RUNTIME_CLASS(class_name) ((CRuntimeClass*)(&class_name::class##class_name))

#define DECLARE_DYNAMIC(class_name) \
public: \
    static CRuntimeClass* PASCAL _GetBaseClass(); \
    static const CRuntimeClass class##class_name; \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name) \
    static CObject* PASCAL CreateObject();

#define _IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew) \
    CRuntimeClass* PASCAL class_name::_GetBaseClass() { return RUNTIME_CLASS(base_class_name); } \
    const CRuntimeClass class_name::class##class_name = { \
        #class_name, sizeof(class class_name), wSchema, pfnNew, &class_name::_GetBaseClass, NULL }; \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    _IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
    CObject* PASCAL class_name::CreateObject() { return new class_name; } \
    _IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define DYNAMIC_DOWNCAST(class_name, object) \
    ((class_name*)AfxDynamicDownCast(RUNTIME_CLASS(class_name), object))
#define STATIC_DOWNCAST(class_name, object) (static_cast<class_name*>(object))
LUMAFX_API CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);

// ---- exceptions (thrown by pointer, deleted with Delete) --------------------------------------
class LUMAFX_API CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}
    void Delete();
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);
    BOOL m_bAutoDelete;
};

class LUMAFX_API CMemoryException : public CException
{
    DECLARE_DYNAMIC(CMemoryException)
};

class LUMAFX_API CNotSupportedException : public CException
{
    DECLARE_DYNAMIC(CNotSupportedException)
};

class LUMAFX_API CResourceException : public CException
{
    DECLARE_DYNAMIC(CResourceException)
};

LUMAFX_API void AFXAPI AfxThrowMemoryException();
LUMAFX_API void AFXAPI AfxThrowNotSupportedException();
LUMAFX_API void AFXAPI AfxThrowResourceException();

#define TRY try
#define CATCH(class, e) catch (class* e)
#define AND_CATCH(class, e) catch (class* e)
#define END_CATCH
#define CATCH_ALL(e) catch (CException* e)
#define AND_CATCH_ALL(e) catch (CException* e)
#define END_CATCH_ALL
#define THROW(e) throw e
#define THROW_LAST() throw

#include "afxstr.h"
#include "atltypes.h"
#include "afxcoll.h"
#include "afxfile.h"


// The module whose resources hold the named resource: the application's first, then each
// extension module in the chain.
LUMAFX_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
