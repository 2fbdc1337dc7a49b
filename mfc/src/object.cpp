// CObject, CRuntimeClass and the exception classes.
#include <afx.h>
#include <string.h>

static CRuntimeClass* PASCAL NoBaseClass() { return NULL; }

const CRuntimeClass CObject::classCObject = { "CObject", sizeof(CObject), 0xFFFF, NULL, &NoBaseClass, NULL };
CRuntimeClass* PASCAL CObject::_GetBaseClass() { return NULL; }
CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

CObject* CRuntimeClass::CreateObject()
{
    return m_pfnCreateObject ? (*m_pfnCreateObject)() : NULL;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* p = this; p; p = p->m_pfnGetBaseClass ? (*p->m_pfnGetBaseClass)() : NULL)
        if (p == pBaseClass)
            return TRUE;
    return FALSE;
}

CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    return pObject && pObject->IsKindOf(pClass) ? pObject : NULL;
}

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CResourceException, CException)

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    if (lpszError && nMaxError)
        *lpszError = 0;
    return FALSE;
}

void AFXAPI AfxThrowMemoryException() { throw new CMemoryException; }
void AFXAPI AfxThrowNotSupportedException() { throw new CNotSupportedException; }
void AFXAPI AfxThrowResourceException() { throw new CResourceException; }

int CException::ReportError(UINT nType, UINT nMessageID)
{
    char text[512];
    if (!GetErrorMessage(text, sizeof(text)) && !(nMessageID && ::LoadStringA(AfxFindResourceHandle(
            MAKEINTRESOURCE((nMessageID >> 4) + 1), RT_STRING), nMessageID, text, sizeof(text))))
        lstrcpyA(text, "An unsupported operation was attempted.");
    return ::MessageBoxA(::GetActiveWindow(), text, NULL, nType);
}
