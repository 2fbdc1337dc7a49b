// Minimal GDI wrappers so the window layer links; replaced by the full GDI implementation.
#include "afximpl.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNCREATE(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)

namespace {
CObject* CreateTempGdi(void* h) { CGdiObject* p = new CGdiObject; p->m_hObject = h; return p; }
void DestroyTempGdi(CObject* o) { static_cast<CGdiObject*>(o)->m_hObject = NULL; delete o; }
CObject* CreateTempDC(void* h) { CDC* p = new CDC; p->m_hDC = p->m_hAttribDC = (HDC)h; return p; }
void DestroyTempDC(CObject* o) { static_cast<CDC*>(o)->m_hDC = static_cast<CDC*>(o)->m_hAttribDC = NULL; delete o; }
}

CGdiObject::~CGdiObject() { DeleteObject(); }
CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ h)
{ return static_cast<CGdiObject*>(AfxGetThreadState()->Map(AFX_MAP_HGDIOBJ, &CreateTempGdi, &DestroyTempGdi).FromHandle(h)); }
BOOL CGdiObject::Attach(HGDIOBJ h) { if (!h) return FALSE; m_hObject = h; return TRUE; }
HGDIOBJ CGdiObject::Detach() { HGDIOBJ h = m_hObject; m_hObject = NULL; return h; }
BOOL CGdiObject::DeleteObject() { if (!m_hObject) return FALSE; return ::DeleteObject(Detach()); }

CDC::~CDC() { if (m_hDC) ::DeleteDC(Detach()); }
CDC* PASCAL CDC::FromHandle(HDC h)
{ return static_cast<CDC*>(AfxGetThreadState()->Map(AFX_MAP_HDC, &CreateTempDC, &DestroyTempDC).FromHandle(h)); }
BOOL CDC::Attach(HDC h) { if (!h) return FALSE; m_hDC = m_hAttribDC = h; return TRUE; }
HDC CDC::Detach() { HDC h = m_hDC; m_hDC = m_hAttribDC = NULL; return h; }
BOOL CDC::DeleteDC() { if (!m_hDC) return FALSE; return ::DeleteDC(Detach()); }

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd) { Attach(::BeginPaint(m_hWnd, &m_ps)); }
CPaintDC::~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); Detach(); }
