// GDI objects: the handle map and what the kinds of object do beyond one API call.
#include "afximpl.h"
#include <stdlib.h>

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CPalette, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

namespace {

// A temporary object is of the class matching the handle's kind, so FromHandle's callers may
// downcast it and IsKindOf answers truly.
CObject* CreateTempGdiObject(void* handle)
{
    CGdiObject* pObject;
    switch (::GetObjectType(handle))
    {
    case OBJ_PEN:
    case OBJ_EXTPEN: pObject = new CPen; break;
    case OBJ_BRUSH:  pObject = new CBrush; break;
    case OBJ_FONT:   pObject = new CFont; break;
    case OBJ_BITMAP: pObject = new CBitmap; break;
    case OBJ_PAL:    pObject = new CPalette; break;
    case OBJ_REGION: pObject = new CRgn; break;
    default:         pObject = new CGdiObject; break;
    }
    pObject->m_hObject = handle;
    return pObject;
}

void DestroyTempGdiObject(CObject* object)
{
    static_cast<CGdiObject*>(object)->m_hObject = NULL;   // the handle belongs to someone else
    delete object;
}

CHandleMap& GdiMap()
{
    return AfxGetThreadState()->Map(AFX_MAP_HGDIOBJ, &CreateTempGdiObject, &DestroyTempGdiObject);
}

void ThrowUnless(BOOL bCreated)
{
    if (!bCreated)
        AfxThrowResourceException();
}

}  // namespace

// ---- CGdiObject ------------------------------------------------------------------------------

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return static_cast<CGdiObject*>(GdiMap().FromHandle(hObject));
}

void PASCAL CGdiObject::DeleteTempMap()
{
    GdiMap().DeleteTemp();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (!hObject)
        return FALSE;
    if (m_hObject)
        Detach();   // as MFC, the object held before is left to whoever made it
    m_hObject = hObject;
    GdiMap().SetPermanent(hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    // Two objects may hold one stock object; only the one the map names gives up the entry.
    if (hObject && GdiMap().LookupPermanent(hObject) == this)
        GdiMap().RemoveHandle(hObject);
    m_hObject = NULL;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    return ::DeleteObject(Detach());
}

// ---- the kinds ---------------------------------------------------------------------------------

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor)
{
    ThrowUnless(CreatePen(nPenStyle, nWidth, crColor));
}

CPen::CPen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount, const DWORD* lpStyle)
{
    ThrowUnless(CreatePen(nPenStyle, nWidth, pLogBrush, nStyleCount, lpStyle));
}

CBrush::CBrush(COLORREF crColor)
{
    ThrowUnless(CreateSolidBrush(crColor));
}

CBrush::CBrush(int nIndex, COLORREF crColor)
{
    ThrowUnless(CreateHatchBrush(nIndex, crColor));
}

CBrush::CBrush(CBitmap* pBitmap)
{
    ThrowUnless(CreatePatternBrush(pBitmap));
}

BOOL CBrush::CreateDIBPatternBrush(HGLOBAL hPackedDIB, UINT nUsage)
{
    const void* pPackedDIB = ::GlobalLock(hPackedDIB);
    if (!pPackedDIB)
        return FALSE;
    BOOL bCreated = CreateDIBPatternBrush(pPackedDIB, nUsage);
    ::GlobalUnlock(hPackedDIB);
    return bCreated;
}

BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName)
{
    return Attach(::LoadBitmapA(AfxFindResourceHandle(lpszResourceName, RT_BITMAP), lpszResourceName));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return Attach(::CreateCompatibleBitmap(pDC->GetSafeHdc(), nWidth, nHeight));
}

BOOL CBitmap::CreateDiscardableBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return Attach(::CreateDiscardableBitmap(pDC->GetSafeHdc(), nWidth, nHeight));
}

CSize CBitmap::SetBitmapDimension(int nWidth, int nHeight)
{
    CSize size;
    ::SetBitmapDimensionEx((HBITMAP)m_hObject, nWidth, nHeight, &size);
    return size;
}

CSize CBitmap::GetBitmapDimension() const
{
    CSize size;
    ::GetBitmapDimensionEx((HBITMAP)m_hObject, &size);
    return size;
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC)
{
    LOGFONT logFont = {};
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = nPointSize;
    ::lstrcpynA(logFont.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC)
{
    HDC hDC = pDC ? pDC->m_hAttribDC : ::GetDC(NULL);
    // Tenths of a point to device pixels, then to the DC's logical units; the sign asks for the
    // character height (not the cell height), as a point size means.
    POINT pt[2] = {{0, 0}, {0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), lpLogFont->lfHeight, 720)}};
    ::DPtoLP(hDC, pt, 2);
    if (!pDC)
        ::ReleaseDC(NULL, hDC);
    LOGFONT logFont = *lpLogFont;
    logFont.lfHeight = -abs(pt[1].y - pt[0].y);
    return CreateFontIndirect(&logFont);
}

BOOL CPalette::CreateHalftonePalette(CDC* pDC)
{
    return Attach(::CreateHalftonePalette(pDC->GetSafeHdc()));
}

BOOL CRgn::CreateFromPath(CDC* pDC)
{
    return Attach(::PathToRegion(pDC->GetSafeHdc()));
}
