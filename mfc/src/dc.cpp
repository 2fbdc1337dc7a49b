// CDC: the handle map, state changes kept on both the output and the attribute DC, and the drawing
// that takes more than one call. The window DCs.
#include "afximpl.h"

IMPLEMENT_DYNCREATE(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

namespace {

CObject* CreateTempDC(void* handle)
{
    CDC* pDC = new CDC;
    pDC->m_hDC = pDC->m_hAttribDC = (HDC)handle;
    return pDC;
}

void DestroyTempDC(CObject* object)
{
    CDC* pDC = static_cast<CDC*>(object);
    pDC->m_hDC = pDC->m_hAttribDC = NULL;   // the DC belongs to someone else
    delete pDC;
}

CHandleMap& DCMap()
{
    return AfxGetThreadState()->Map(AFX_MAP_HDC, &CreateTempDC, &DestroyTempDC);
}

// A state change goes to the output DC and, when it is a separate one, to the attribute DC too.
// The attribute DC's answer is returned, as queries are answered from it.
template <class R, class... Params, class... Args>
R Both(const CDC* pDC, R (WINAPI* pfn)(HDC, Params...), Args... args)
{
    R result = R();
    if (pDC->m_hDC && pDC->m_hDC != pDC->m_hAttribDC)
        result = pfn(pDC->m_hDC, args...);
    if (pDC->m_hAttribDC)
        result = pfn(pDC->m_hAttribDC, args...);
    return result;
}

}  // namespace

// ---- handles ---------------------------------------------------------------------------------

CDC::~CDC()
{
    if (m_hDC)
        ::DeleteDC(Detach());
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
    return static_cast<CDC*>(DCMap().FromHandle(hDC));
}

void PASCAL CDC::DeleteTempMap()
{
    DCMap().DeleteTemp();
}

BOOL CDC::Attach(HDC hDC)
{
    if (!hDC)
        return FALSE;
    if (m_hDC)
        Detach();   // as MFC, the DC held before is left to whoever made it
    m_hDC = m_hAttribDC = hDC;
    DCMap().SetPermanent(hDC, this);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC && DCMap().LookupPermanent(hDC) == this)
        DCMap().RemoveHandle(hDC);
    m_hDC = m_hAttribDC = NULL;
    return hDC;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    return ::DeleteDC(Detach());
}

CWnd* CDC::GetWindow() const
{
    return CWnd::FromHandle(::WindowFromDC(m_hDC));
}

// ---- state kept on both DCs ------------------------------------------------------------------

int CDC::SaveDC() { return Both(this, &::SaveDC); }
BOOL CDC::RestoreDC(int nSavedDC) { return Both(this, &::RestoreDC, nSavedDC); }

CGdiObject* CDC::SelectGdiObject(HGDIOBJ hObject)
{
    return CGdiObject::FromHandle(SelectObject(hObject));
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    return Both(this, &::SelectObject, hObject);
}

int CDC::SelectObject(CRgn* pRgn)
{
    return (int)(INT_PTR)SelectObject(pRgn->GetSafeHandle());
}

COLORREF CDC::SetBkColor(COLORREF crColor) { return Both(this, &::SetBkColor, crColor); }
int CDC::SetBkMode(int nBkMode) { return Both(this, &::SetBkMode, nBkMode); }
COLORREF CDC::SetTextColor(COLORREF crColor) { return Both(this, &::SetTextColor, crColor); }
int CDC::SetPolyFillMode(int nPolyFillMode) { return Both(this, &::SetPolyFillMode, nPolyFillMode); }
int CDC::SetROP2(int nDrawMode) { return Both(this, &::SetROP2, nDrawMode); }
int CDC::SetStretchBltMode(int nStretchMode) { return Both(this, &::SetStretchBltMode, nStretchMode); }
UINT CDC::SetTextAlign(UINT nFlags) { return Both(this, &::SetTextAlign, nFlags); }
int CDC::SetTextCharacterExtra(int nCharExtra) { return Both(this, &::SetTextCharacterExtra, nCharExtra); }
int CDC::SetMapMode(int nMapMode) { return Both(this, &::SetMapMode, nMapMode); }

CPoint CDC::SetViewportOrg(int x, int y)
{
    CPoint old;
    Both(this, &::SetViewportOrgEx, x, y, static_cast<LPPOINT>(&old));
    return old;
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    CPoint old;
    Both(this, &::OffsetViewportOrgEx, nWidth, nHeight, static_cast<LPPOINT>(&old));
    return old;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    CSize old;
    Both(this, &::SetViewportExtEx, cx, cy, static_cast<LPSIZE>(&old));
    return old;
}

CSize CDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom)
{
    CSize old;
    Both(this, &::ScaleViewportExtEx, xNum, xDenom, yNum, yDenom, static_cast<LPSIZE>(&old));
    return old;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    CPoint old;
    Both(this, &::SetWindowOrgEx, x, y, static_cast<LPPOINT>(&old));
    return old;
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    CPoint old;
    Both(this, &::OffsetWindowOrgEx, nWidth, nHeight, static_cast<LPPOINT>(&old));
    return old;
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    CSize old;
    Both(this, &::SetWindowExtEx, cx, cy, static_cast<LPSIZE>(&old));
    return old;
}

CSize CDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom)
{
    CSize old;
    Both(this, &::ScaleWindowExtEx, xNum, xDenom, yNum, yDenom, static_cast<LPSIZE>(&old));
    return old;
}

// A size converts as the distance between two converted points.
void CDC::DPtoLP(LPSIZE lpSize) const
{
    POINT pt[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
    DPtoLP(pt, 2);
    lpSize->cx = pt[1].x - pt[0].x;
    lpSize->cy = pt[1].y - pt[0].y;
}

void CDC::LPtoDP(LPSIZE lpSize) const
{
    POINT pt[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
    LPtoDP(pt, 2);
    lpSize->cx = pt[1].x - pt[0].x;
    lpSize->cy = pt[1].y - pt[0].y;
}

int CDC::SelectClipRgn(CRgn* pRgn) { return Both(this, &::SelectClipRgn, (HRGN)pRgn->GetSafeHandle()); }
int CDC::SelectClipRgn(CRgn* pRgn, int nMode) { return Both(this, &::ExtSelectClipRgn, (HRGN)pRgn->GetSafeHandle(), nMode); }
int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2) { return Both(this, &::ExcludeClipRect, x1, y1, x2, y2); }
int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) { return Both(this, &::IntersectClipRect, x1, y1, x2, y2); }
int CDC::OffsetClipRgn(int x, int y) { return Both(this, &::OffsetClipRgn, x, y); }
int CDC::ExcludeUpdateRgn(CWnd* pWnd) { return Both(this, &::ExcludeUpdateRgn, pWnd->GetSafeHwnd()); }

CPoint CDC::MoveTo(int x, int y)
{
    CPoint old;
    Both(this, &::MoveToEx, x, y, static_cast<LPPOINT>(&old));
    return old;
}

BOOL CDC::LineTo(int x, int y)
{
    if (m_hAttribDC && m_hAttribDC != m_hDC)
        ::MoveToEx(m_hAttribDC, x, y, NULL);   // the current position is answered from there
    return ::LineTo(m_hDC, x, y);
}

// ---- drawing ---------------------------------------------------------------------------------

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

namespace {

// The band between a rectangle and the rectangle deflated by size, in device units.
void MakeFrameRgn(const CDC& dc, CRgn& rgn, LPCRECT lpRect, SIZE size)
{
    CRect rect(lpRect);
    dc.LPtoDP(&rect);
    dc.LPtoDP(&size);
    rect.NormalizeRect();
    CRect inner(rect);
    inner.DeflateRect(abs(size.cx), abs(size.cy));
    CRgn rgnInner;
    rgn.CreateRectRgnIndirect(&rect);
    rgnInner.CreateRectRgnIndirect(&inner);
    rgn.CombineRgn(&rgn, &rgnInner, RGN_DIFF);
}

void PatInvertRgn(CDC& dc, CRgn& rgn, CBrush* pBrush)
{
    int nSaved = dc.SaveDC();
    dc.SelectClipRgn(&rgn, RGN_AND);
    CRect box;
    dc.GetClipBox(&box);
    dc.SelectObject(pBrush);
    dc.PatBlt(box.left, box.top, box.Width(), box.Height(), PATINVERT);
    dc.RestoreDC(nSaved);
}

}  // namespace

void CDC::DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast, CBrush* pBrush, CBrush* pBrushLast)
{
    if (!pBrush)
        pBrush = GetHalftoneBrush();
    if (!pBrushLast)
        pBrushLast = GetHalftoneBrush();
    CRgn rgnNew;
    MakeFrameRgn(*this, rgnNew, lpRect, size);
    if (!lpRectLast)
    {
        PatInvertRgn(*this, rgnNew, pBrush);
        return;
    }
    CRgn rgnLast;
    MakeFrameRgn(*this, rgnLast, lpRectLast, sizeLast);
    if (pBrush->m_hObject == pBrushLast->m_hObject)
    {
        // Inverting twice restores, so the overlap of the two frames is left alone.
        rgnNew.CombineRgn(&rgnNew, &rgnLast, RGN_XOR);
        PatInvertRgn(*this, rgnNew, pBrush);
    }
    else
    {
        PatInvertRgn(*this, rgnLast, pBrushLast);
        PatInvertRgn(*this, rgnNew, pBrush);
    }
}

CBrush* PASCAL CDC::GetHalftoneBrush()
{
    struct HalftoneBrush : CBrush
    {
        HalftoneBrush()
        {
            static const WORD pattern[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
            CBitmap bitmap;
            if (bitmap.CreateBitmap(8, 8, 1, 1, pattern))
                CreatePatternBrush(&bitmap);
        }
    };
    static HalftoneBrush brush;
    return &brush;
}

BOOL CDC::GradientFill(TRIVERTEX* pVertices, ULONG nVertices, void* pMesh, ULONG nMeshElements, DWORD dwMode)
{
    return ::GradientFill(m_hDC, pVertices, nVertices, pMesh, nMeshElements, dwMode);
}

BOOL CDC::TransparentBlt(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC, int xSrc, int ySrc,
                         int nSrcWidth, int nSrcHeight, UINT clrTransparent)
{
    return ::TransparentBlt(m_hDC, xDest, yDest, nDestWidth, nDestHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, nSrcWidth,
                            nSrcHeight, clrTransparent);
}

BOOL CDC::AlphaBlend(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC, int xSrc, int ySrc,
                     int nSrcWidth, int nSrcHeight, BLENDFUNCTION blend)
{
    return ::AlphaBlend(m_hDC, xDest, yDest, nDestWidth, nDestHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, nSrcWidth,
                        nSrcHeight, blend);
}

int CDC::GetTextFace(CString& rString) const
{
    int nLength = ::GetTextFaceA(m_hAttribDC, LF_FACESIZE, rString.GetBuffer(LF_FACESIZE));
    rString.ReleaseBuffer();
    return nLength;
}

// ---- window DCs --------------------------------------------------------------------------------

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
{
    if (!Attach(::BeginPaint(m_hWnd, &m_ps)))
        AfxThrowResourceException();
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
{
    if (!Attach(::GetDC(m_hWnd)))
        AfxThrowResourceException();
}

CClientDC::~CClientDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
{
    if (!Attach(::GetWindowDC(m_hWnd)))
        AfxThrowResourceException();
}

CWindowDC::~CWindowDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}
