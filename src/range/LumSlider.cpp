#include "range/LumSlider.h"
#include "skin/SkinDraw.h"
#include <climits>

IMPLEMENT_DYNAMIC(CLumSlider, CStatic)

BEGIN_MESSAGE_MAP(CLumSlider, CStatic)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_GETDLGCODE()
    ON_WM_KEYDOWN()
    ON_WM_KILLFOCUS()
    ON_WM_SETFOCUS()
    ON_WM_DESTROY()
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

// Truncates toward zero, held within int's range.
int Truncate(double value)
{
    if (value >= INT_MAX)
        return INT_MAX;
    if (value <= INT_MIN)
        return INT_MIN;
    return (int)value;
}

CSize BitmapSize(CBitmap& bitmap)
{
    BITMAP bm = {};
    if (bitmap.GetSafeHandle())
        bitmap.GetBitmap(&bm);
    return CSize(bm.bmWidth, bm.bmHeight);
}

}  // namespace

// A skin picture named by resource id (nonzero) or by path.
struct CLumSlider::SkinSource
{
    UINT nID;
    LPCTSTR lpszPath;

    BOOL IsGiven() const { return nID != 0 || (lpszPath && *lpszPath); }

    // Stretched to cx x cy, 0 keeping the picture's own size that way. A thumb given by id comes
    // through the framework's resource chain; a channel from the application's resource module.
    BOOL Load(CBitmap& bitmap, CSize size, BOOL bThumb) const
    {
        bitmap.DeleteObject();
        if (nID && bThumb)
            return bitmap.LoadBitmap(nID);
        HBITMAP hBitmap = nID ? (HBITMAP)::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCE(nID), IMAGE_BITMAP,
                                                      size.cx, size.cy, LR_CREATEDIBSECTION)
                              : (HBITMAP)::LoadImageA(NULL, lpszPath, IMAGE_BITMAP, size.cx, size.cy,
                                                      LR_LOADFROMFILE | LR_CREATEDIBSECTION);
        return bitmap.Attach(hBitmap);
    }
};

CLumSlider::CLumSlider()
    : m_nMax(100), m_nMin(0), m_nPos(0), m_nPage(20), m_nWidth(0), m_nHeight(0), m_nThumbWidth(0),
      m_nThumbHeight(0), m_nMarginLeft(0), m_nMarginRight(0), m_nMarginTop(0), m_nMarginBottom(0),
      m_nThumbBgX(-1), m_nThumbBgY(-1), m_nMouseOffset(0), m_bVertical(FALSE), m_bChannelActive(FALSE),
      m_bThumbActive(FALSE), m_bTransparentChannel(FALSE), m_bTransparentThumb(FALSE), m_bThumb(FALSE),
      m_bChannel(FALSE), m_bLButtonDown(FALSE), m_bFocus(FALSE), m_bFocusRect(FALSE), m_bDrawFocusRect(TRUE),
      m_bEnable(TRUE), m_nChannelID(0), m_nChannelActiveID(0), m_bChannelTransparent(FALSE),
      m_clrChannelTrans(0xFF000000), m_nChannelPixelX(0), m_nChannelPixelY(0)
{
}

CLumSlider::~CLumSlider() {}

BOOL CLumSlider::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= SS_NOTIFY;   // a static window gets mouse input only with it
    return CStatic::PreCreateWindow(cs);
}

// ---- the drawing routines ----------------------------------------------------------------------

void CLumSlider::PrepareMask(CBitmap* pBmpSource, CBitmap* pBmpMask, COLORREF clrpTransColor, int iTransPixelX,
                             int iTransPixelY)
{
    lumskin::PrepareMask(pBmpSource, pBmpMask, clrpTransColor, iTransPixelX, iTransPixelY);
}

void CLumSlider::DrawTransparentBitmap(CDC* pDC, int xStart, int yStart, int wWidth, int wHeight, CDC* pTmpDC,
                                       int xSource, int ySource, CBitmap* bmMask)
{
    lumskin::DrawTransparentBitmap(pDC, xStart, yStart, wWidth, wHeight, pTmpDC, xSource, ySource, bmMask);
}

void CLumSlider::DrawBitmap(CDC* pDC, int xStart, int yStart, int wWidth, int wHeight, CDC* pTmpDC, int xSource,
                            int ySource, CBitmap* bmMask, int bTransparent)
{
    lumskin::DrawBitmap(pDC, xStart, yStart, wWidth, wHeight, pTmpDC, xSource, ySource, bmMask, bTransparent);
}

void CLumSlider::CopyBackground(CDC* pDC, int xStart, int yStart, int wWidth, int wHeight, CBitmap* bmBackground)
{
    lumskin::CopyBackground(pDC, xStart, yStart, wWidth, wHeight, bmBackground);
}

void CLumSlider::RestoreBackground(CDC* pDC, int xStart, int yStart, int wWidth, int wHeight, CBitmap* bmBackground)
{
    lumskin::RestoreBackground(pDC, xStart, yStart, wWidth, wHeight, bmBackground);
}

// ---- skins ---------------------------------------------------------------------------------------

BOOL CLumSlider::SetBitmapChannel(UINT nChannelID, UINT nActiveID, BOOL bTransparent, COLORREF clrpTransColor,
                                  int iTransPixelX, int iTransPixelY)
{
    if (!nChannelID)
        return RemoveChannel();
    m_nChannelID = nChannelID;
    m_nChannelActiveID = nActiveID;
    m_strChannel.Empty();
    m_strChannelActive.Empty();
    return LoadChannel({nChannelID, NULL}, {nActiveID, NULL}, bTransparent, clrpTransColor, iTransPixelX,
                       iTransPixelY);
}

BOOL CLumSlider::SetBitmapChannel(CString strChannel, CString strActive, BOOL bTransparent, COLORREF clrpTransColor,
                                  int iTransPixelX, int iTransPixelY)
{
    if (strChannel.IsEmpty())
        return RemoveChannel();
    m_nChannelID = m_nChannelActiveID = 0;
    m_strChannel = strChannel;
    m_strChannelActive = strActive;
    return LoadChannel({0, strChannel}, {0, strActive}, bTransparent, clrpTransColor, iTransPixelX, iTransPixelY);
}

BOOL CLumSlider::SetBitmapThumb(UINT nThumbID, UINT nActiveID, BOOL bTransparent, COLORREF clrpTransColor,
                                int iTransPixelX, int iTransPixelY)
{
    return LoadThumb({nThumbID, NULL}, {nActiveID, NULL}, bTransparent, clrpTransColor, iTransPixelX, iTransPixelY);
}

BOOL CLumSlider::SetBitmapThumb(CString strThumb, CString strActive, BOOL bTransparent, COLORREF clrpTransColor,
                                int iTransPixelX, int iTransPixelY)
{
    return LoadThumb({0, strThumb}, {0, strActive}, bTransparent, clrpTransColor, iTransPixelX, iTransPixelY);
}

BOOL CLumSlider::LoadChannel(const SkinSource& channel, const SkinSource& active, BOOL bTransparent,
                             COLORREF clrTrans, int x, int y)
{
    m_bChannelTransparent = bTransparent;
    m_clrChannelTrans = clrTrans;
    m_nChannelPixelX = x;
    m_nChannelPixelY = y;

    CRect client;
    if (m_hWnd)
        GetClientRect(&client);
    CSize size = m_bVertical ? CSize(0, client.Height()) : CSize(client.Width(), 0);
    if (!LoadPictures(channel, active, size, FALSE, bTransparent, clrTrans, x, y))
    {
        m_bChannel = FALSE;
        return FALSE;
    }
    CSize picture = BitmapSize(m_bmChannel);
    m_nWidth = picture.cx;
    m_nHeight = picture.cy;
    SizeClientTo(m_nWidth, m_nHeight);
    if (m_hWnd)
        GetClientRect(&m_rect);
    m_bTransparentChannel = bTransparent;
    m_bChannel = TRUE;
    return TRUE;
}

BOOL CLumSlider::LoadThumb(const SkinSource& thumb, const SkinSource& active, BOOL bTransparent, COLORREF clrTrans,
                           int x, int y)
{
    if (!thumb.IsGiven())
    {
        RemoveThumb();
        return TRUE;
    }
    if (!LoadPictures(thumb, active, CSize(0, 0), TRUE, bTransparent, clrTrans, x, y))
    {
        m_bThumb = FALSE;
        return FALSE;
    }
    CSize picture = BitmapSize(m_bmThumb);
    m_nThumbWidth = picture.cx;
    m_nThumbHeight = picture.cy;
    if (!m_bChannel)
        MeasureClient();
    m_bTransparentThumb = bTransparent;
    m_bThumb = TRUE;
    return TRUE;
}

// Loads the channel's or the thumb's picture and, when one is given, its active picture, each with a
// mask when transparent. A failure leaves the picture and its mask empty.
BOOL CLumSlider::LoadPictures(const SkinSource& picture, const SkinSource& active, CSize size, BOOL bThumb,
                              BOOL bTransparent, COLORREF clrTrans, int x, int y)
{
    CBitmap& bmPicture = bThumb ? m_bmThumb : m_bmChannel;
    CBitmap& bmMask = bThumb ? m_bmThumbMask : m_bmChannelMask;
    CBitmap& bmActive = bThumb ? m_bmThumbActive : m_bmChannelActive;
    CBitmap& bmActiveMask = bThumb ? m_bmThumbActiveMask : m_bmChannelActiveMask;
    BOOL& bActive = bThumb ? m_bThumbActive : m_bChannelActive;

    bActive = FALSE;
    if (!picture.Load(bmPicture, size, bThumb))
        return FALSE;
    if (bTransparent)
        PrepareMask(&bmPicture, &bmMask, clrTrans, x, y);
    if (!active.IsGiven())
        return TRUE;
    if (!active.Load(bmActive, size, bThumb))
    {
        bmPicture.DeleteObject();
        bmMask.DeleteObject();
        return FALSE;
    }
    if (bTransparent)
        PrepareMask(&bmActive, &bmActiveMask, clrTrans, x, y);
    bActive = TRUE;
    return TRUE;
}

// Removing the channel also forgets where it came from, so a later resize does not bring it back;
// without a channel the slider spans its client area.
BOOL CLumSlider::RemoveChannel()
{
    m_bChannel = FALSE;
    m_bmChannel.DeleteObject();
    m_bmChannelMask.DeleteObject();
    m_bmChannelActive.DeleteObject();
    m_bmChannelActiveMask.DeleteObject();
    m_nChannelID = m_nChannelActiveID = 0;
    m_strChannel.Empty();
    m_strChannelActive.Empty();
    MeasureClient();
    return TRUE;
}

void CLumSlider::RemoveThumb()
{
    m_bThumb = FALSE;
    m_bmThumb.DeleteObject();
    m_bmThumbMask.DeleteObject();
    m_bmThumbActive.DeleteObject();
    m_bmThumbActiveMask.DeleteObject();
    m_bmThumbBg.DeleteObject();
    m_nThumbBgX = -1;   // nothing saved to restore any more
}

void CLumSlider::DeleteBitmaps()
{
    for (CBitmap* p : {&m_bmChannel, &m_bmChannelMask, &m_bmChannelActive, &m_bmChannelActiveMask})
        p->DeleteObject();
    for (CBitmap* p : {&m_bmThumb, &m_bmThumbMask, &m_bmThumbActive, &m_bmThumbActiveMask, &m_bmThumbBg})
        p->DeleteObject();
    m_nThumbBgX = -1;
}

void CLumSlider::MeasureClient()
{
    m_rect.SetRectEmpty();
    if (m_hWnd)
        GetClientRect(&m_rect);
    m_nWidth = m_rect.Width();
    m_nHeight = m_rect.Height();
}

// Sizes the window so that its client area is cx x cy, whatever frame it has.
void CLumSlider::SizeClientTo(int cx, int cy)
{
    if (!m_hWnd)
        return;
    CRect window, client;
    GetWindowRect(&window);
    GetClientRect(&client);
    SetWindowPos(NULL, 0, 0, cx + window.Width() - client.Width(), cy + window.Height() - client.Height(),
                 SWP_NOMOVE | SWP_NOZORDER);
}

// ---- range and position --------------------------------------------------------------------------

void CLumSlider::SetRange(int nMin, int nMax, BOOL bRedraw)
{
    SetRangeMin(nMin, FALSE);
    SetRangeMax(nMax, bRedraw);
}

void CLumSlider::SetRangeMin(int nMin, BOOL bRedraw)
{
    m_nMin = nMin;
    if (bRedraw)
        Repaint();
}

void CLumSlider::SetRangeMax(int nMax, BOOL bRedraw)
{
    m_nMax = nMax;
    if (bRedraw)
        Repaint();
}

void CLumSlider::SetPos(int nPos)
{
    if (nPos > m_nMax)
        nPos = m_nMax;
    if (nPos < m_nMin)
        nPos = m_nMin;
    m_nPos = nPos;
    Repaint();
}

int CLumSlider::SetPageSize(int nSize)
{
    int nOld = m_nPage;
    m_nPage = nSize;
    return nOld;
}

void CLumSlider::SetMargin(int nLeft, int nTop, int nRight, int nBottom)
{
    m_nMarginLeft = nLeft;
    m_nMarginTop = nTop;
    m_nMarginRight = nRight;
    m_nMarginBottom = nBottom;
}

void CLumSlider::Enable(BOOL bEnable)
{
    m_bEnable = bEnable;
    if (!bEnable && m_bLButtonDown)
    {
        m_bLButtonDown = FALSE;
        if (::GetCapture() == m_hWnd)
            ReleaseCapture();
    }
    Repaint();
}

void CLumSlider::DrawFocusRect(BOOL bDraw, BOOL bRedraw)
{
    m_bDrawFocusRect = bDraw;
    if (bRedraw)
        Repaint();
}

void CLumSlider::Repaint()
{
    if (m_hWnd)
        InvalidateRect(NULL, TRUE);
}

int CLumSlider::TrackStart() const
{
    return m_bVertical ? m_nMarginTop + m_nThumbHeight / 2 : m_nMarginLeft + m_nThumbWidth / 2;
}

int CLumSlider::TrackEnd() const
{
    return m_bVertical ? m_nHeight - m_nMarginBottom - m_nThumbHeight / 2 : m_nWidth - m_nMarginRight - m_nThumbWidth / 2;
}

int CLumSlider::TrackLength() const
{
    return m_bVertical ? m_nHeight - m_nMarginTop - m_nMarginBottom - m_nThumbHeight
                       : m_nWidth - m_nMarginLeft - m_nMarginRight - m_nThumbWidth;
}

// An empty range puts the thumb at the minimum end.
int CLumSlider::Pos2Pixel(int nPos)
{
    double range = (double)m_nMax - m_nMin;
    double fraction = range != 0 ? ((double)nPos - m_nMin) / range : 0.0;
    return TrackStart() + Truncate(TrackLength() * fraction);
}

// A track of no length maps every pixel to the minimum.
int CLumSlider::Pixel2Pos(int nPixel)
{
    int nLength = TrackLength();
    if (nLength == 0)
        return m_nMin;
    return Truncate(m_nMin + ((double)nPixel - TrackStart()) / nLength * ((double)m_nMax - m_nMin));
}

void CLumSlider::Notify(UINT message)
{
    ::PostMessageA(::GetParent(m_hWnd), message, (WPARAM)GetDlgCtrlID(), (LPARAM)m_nPos);
}

// ---- mouse and keys ------------------------------------------------------------------------------

// A press within half a thumb of the thumb's centre keeps the distance to it while dragging; a press
// elsewhere makes the centre jump to the point.
void CLumSlider::BeginDrag(UINT nFlags, CPoint point)
{
    SetCapture();
    SetFocus();
    m_bLButtonDown = TRUE;
    int nOffset = AlongAxis(point) - Pos2Pixel(m_nPos);
    m_nMouseOffset = (nOffset >= -HalfThumb() && nOffset <= HalfThumb()) ? nOffset : 0;
    DragTo(point);
    Repaint();
}

void CLumSlider::DragTo(CPoint point)
{
    int nPixel = AlongAxis(point) - m_nMouseOffset;
    if (nPixel < TrackStart())
        nPixel = TrackStart();
    if (nPixel > TrackEnd())
        nPixel = TrackEnd();
    if (nPixel != Pos2Pixel(m_nPos))
    {
        SetPos(Pixel2Pos(nPixel));
        Notify(WM_SLIDER_MOVING);
    }
}

void CLumSlider::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!m_bEnable)
        return;
    BeginDrag(nFlags, point);
    CStatic::OnLButtonDown(nFlags, point);
}

// The static class takes double clicks: the second press of one is a press all the same.
void CLumSlider::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (!m_bEnable)
        return;
    BeginDrag(nFlags, point);
    CStatic::OnLButtonDblClk(nFlags, point);
}

void CLumSlider::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bEnable || !m_bLButtonDown)
        return;
    DragTo(point);
    CStatic::OnMouseMove(nFlags, point);
}

void CLumSlider::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bEnable)
        return;
    ReleaseCapture();
    m_bLButtonDown = FALSE;
    Repaint();
    Notify(WM_SLIDER_MOVED);
    CStatic::OnLButtonUp(nFlags, point);
}

// The arrows stay with the slider unless Tab is held, which hands them to the dialog.
UINT CLumSlider::OnGetDlgCode()
{
    if (::GetKeyState(VK_TAB) >= 0)
        return DLGC_WANTARROWS;
    return CStatic::OnGetDlgCode();
}

void CLumSlider::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bEnable)
        return;
    int nPos;
    switch (nChar)
    {
    case VK_PRIOR: nPos = m_nPos - m_nPage; break;
    case VK_NEXT: nPos = m_nPos + m_nPage; break;
    case VK_END: nPos = m_nMax; break;
    case VK_HOME: nPos = m_nMin; break;
    case VK_LEFT:
    case VK_UP: nPos = m_nPos - 1; break;
    case VK_RIGHT:
    case VK_DOWN: nPos = m_nPos + 1; break;
    default:
        CStatic::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    SetPos(nPos);
    Notify(WM_SLIDER_MOVED);
    CStatic::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CLumSlider::OnSetFocus(CWnd* pOldWnd)
{
    CStatic::OnSetFocus(pOldWnd);
    m_bFocus = TRUE;
    Repaint();
}

void CLumSlider::OnKillFocus(CWnd* pNewWnd)
{
    CStatic::OnKillFocus(pNewWnd);
    m_bFocus = FALSE;
    Repaint();
}

// ---- window life ---------------------------------------------------------------------------------

// The channel is loaded again from where it came, stretched to the new length.
void CLumSlider::OnSize(UINT nType, int cx, int cy)
{
    CStatic::OnSize(nType, cx, cy);
    if (m_nChannelID)
        SetBitmapChannel(m_nChannelID, m_nChannelActiveID, m_bChannelTransparent, m_clrChannelTrans, m_nChannelPixelX,
                         m_nChannelPixelY);
    else
        SetBitmapChannel(m_strChannel, m_strChannelActive, m_bChannelTransparent, m_clrChannelTrans,
                         m_nChannelPixelX, m_nChannelPixelY);
}

void CLumSlider::OnDestroy()
{
    CStatic::OnDestroy();
    DeleteBitmaps();
}

// ---- painting ------------------------------------------------------------------------------------

BOOL CLumSlider::OnEraseBkgnd(CDC*) { return TRUE; }

void CLumSlider::DrawPicture(CDC& canvas, CDC& source, CBitmap& picture, CBitmap& mask, CRect area, CPoint from,
                             BOOL bTransparent)
{
    CBitmap* pOld = source.SelectObject(&picture);
    DrawBitmap(&canvas, area.left, area.top, area.Width(), area.Height(), &source, from.x, from.y, &mask,
               bTransparent);
    source.SelectObject(pOld);
}

// With an active picture, the part between the minimum end and the thumb comes from it.
void CLumSlider::DrawChannel(CDC& canvas, CDC& source, int nThumbPixel)
{
    CRect whole(0, 0, m_nWidth, m_nHeight);
    if (!m_bChannelActive || !m_bEnable)
    {
        DrawPicture(canvas, source, m_bmChannel, m_bmChannelMask, whole, whole.TopLeft(), m_bTransparentChannel);
        return;
    }
    CRect rest = whole, active = whole;
    if (m_bVertical)
        rest.top = active.bottom = nThumbPixel;
    else
        rest.left = active.right = nThumbPixel;
    DrawPicture(canvas, source, m_bmChannel, m_bmChannelMask, rest, rest.TopLeft(), m_bTransparentChannel);
    DrawPicture(canvas, source, m_bmChannelActive, m_bmChannelActiveMask, active, active.TopLeft(),
                m_bTransparentChannel);
}

// Over a see-through channel the background under the thumb is kept, to be put back when the
// thumb moves on.
void CLumSlider::DrawThumb(CDC& canvas, CDC& source, int nThumbPixel)
{
    CPoint at = m_bVertical ? CPoint(m_nMarginLeft, nThumbPixel - m_nThumbHeight / 2)
                            : CPoint(nThumbPixel - m_nThumbWidth / 2, m_nMarginTop);
    if (!m_bChannel || m_bTransparentChannel)
    {
        CopyBackground(&canvas, at.x, at.y, m_nThumbWidth, m_nThumbHeight, &m_bmThumbBg);
        m_nThumbBgX = at.x;
        m_nThumbBgY = at.y;
    }
    BOOL bActive = m_bLButtonDown && m_bThumbActive;
    DrawPicture(canvas, source, bActive ? m_bmThumbActive : m_bmThumb, bActive ? m_bmThumbActiveMask : m_bmThumbMask,
                CRect(at, CSize(m_nThumbWidth, m_nThumbHeight)), CPoint(0, 0), m_bTransparentThumb);
}

void CLumSlider::OnPaint()
{
    CPaintDC dc(this);
    if (m_rect.IsRectEmpty())
        return;
    CDC canvas, source;
    canvas.CreateCompatibleDC(&dc);
    source.CreateCompatibleDC(&dc);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, m_rect.Width(), m_rect.Height());
    CBitmap* pOld = canvas.SelectObject(&bitmap);

    // A see-through channel starts from what the screen shows under the control, which still holds
    // the focus rectangle drawn last time: drawing it again erases it.
    BOOL bScreenCopy = m_bChannel && m_bTransparentChannel;
    if (bScreenCopy)
        canvas.BitBlt(0, 0, m_rect.Width(), m_rect.Height(), &dc, m_rect.left, m_rect.top, SRCCOPY);
    else
        canvas.FillSolidRect(0, 0, m_rect.Width(), m_rect.Height(), dc.GetBkColor());
    if (m_bFocusRect && bScreenCopy)
        canvas.DrawFocusRect(&m_rect);
    m_bFocusRect = FALSE;

    int nThumbPixel = Pos2Pixel(m_nPos);
    if (m_bChannel)
        DrawChannel(canvas, source, nThumbPixel);
    if (m_nThumbBgX != -1)
    {
        CSize saved = BitmapSize(m_bmThumbBg);
        RestoreBackground(&canvas, m_nThumbBgX, m_nThumbBgY, saved.cx, saved.cy, &m_bmThumbBg);
        m_nThumbBgX = -1;
    }
    if (m_bThumb && m_bEnable)
        DrawThumb(canvas, source, nThumbPixel);
    if (m_bDrawFocusRect && m_bFocus && m_bEnable)
    {
        canvas.DrawFocusRect(&m_rect);
        m_bFocusRect = TRUE;
    }

    dc.BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), &canvas, 0, 0, SRCCOPY);
    canvas.SelectObject(pOld);
}
