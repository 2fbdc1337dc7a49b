#include "range/LumProgressCtrl.h"
#include <climits>

IMPLEMENT_DYNAMIC(CLumProgressCtrl, CWnd)

BEGIN_MESSAGE_MAP(CLumProgressCtrl, CWnd)
    ON_WM_SIZE()
    ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {

enum { LEFT_CAP = 0, MIDDLE = 1, RIGHT_CAP = 2 };
enum { ALIGN_LEFT = 1, ALIGN_RIGHT = 2, ALIGN_CENTER = 3, ALIGN_TOP = 4, ALIGN_BOTTOM = 5, ALIGN_MIDDLE = 6 };

// Pictures by resource id come from the application; by path, a missing file is reported.
void Reload(BMLOADER& bml, UINT nID) { bml.LoadFromResource(MAKEINTRESOURCE(nID)); }

void Reload(BMLOADER& bml, const char* lpszPath)
{
    bml.Delete();
    bml.LoadFromFile(lpszPath);
}

// The indicator is replaced only when one is named.
void LoadIndicator(BMLOADER& bml, UINT nID)
{
    if (nID)
        bml.LoadFromResource(MAKEINTRESOURCE(nID));
}

void LoadIndicator(BMLOADER& bml, const char* lpszPath)
{
    if (lpszPath)
        bml.LoadFromFile(lpszPath);
}

BOOL AllLoaded(const BMLOADER pieces[3])
{
    return pieces[LEFT_CAP].IsLoaded() && pieces[MIDDLE].IsLoaded() && pieces[RIGHT_CAP].IsLoaded();
}

CSize SizeOf(const BMLOADER& bml)
{
    int cx, cy;
    bml.GetSize(cx, cy);
    return CSize(cx, cy);
}

void DeletePieces(BMLOADER pieces[3])
{
    for (int i = LEFT_CAP; i <= RIGHT_CAP; i++)
        pieces[i].Delete();
}

// A new cx x cy picture of the left cap, the middle stretched between the caps and the right cap,
// each piece stretched to the full height. The right cap is placed by the left cap's width.
void Assemble(CDC& dc, BMLOADER& whole, const BMLOADER pieces[3], int cx, int cy)
{
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, cx, cy);
    whole.Attach((HBITMAP)bitmap.Detach());

    CDC target, source;
    target.CreateCompatibleDC(&dc);
    source.CreateCompatibleDC(&dc);
    HGDIOBJ hOldTarget = target.SelectObject(whole.GetHandle());
    HGDIOBJ hOldSource = source.SelectObject(pieces[LEFT_CAP].GetHandle());
    target.SetStretchBltMode(COLORONCOLOR);
    int nCap = SizeOf(pieces[LEFT_CAP]).cx;
    const struct
    {
        int nPiece, x, cx;
    } parts[] = {
        {LEFT_CAP, 0, nCap},
        {RIGHT_CAP, cx - nCap, SizeOf(pieces[RIGHT_CAP]).cx},
        {MIDDLE, nCap, cx - 2 * nCap},
    };
    for (const auto& part : parts)
    {
        const BMLOADER& piece = pieces[part.nPiece];
        CSize size = SizeOf(piece);
        source.SelectObject(piece.GetHandle());
        target.StretchBlt(part.x, 0, part.cx, cy, &source, 0, 0, size.cx, size.cy, SRCCOPY);
    }
    source.SelectObject(hOldSource);
    target.SelectObject(hOldTarget);
}

}  // namespace

CLumProgressCtrl::CLumProgressCtrl()
    : m_nValue(0), m_nMin(0), m_nMax(100), m_nTextMarginX(0), m_nTextMarginY(0), m_nTextHAlign(ALIGN_CENTER),
      m_nTextVAlign(ALIGN_MIDDLE), m_nBarMarginLeft(0), m_nBarMarginRight(0), m_pTextFont(NULL), m_clrText(0)
{
}

CLumProgressCtrl::~CLumProgressCtrl() {}

// ---- skins ---------------------------------------------------------------------------------------

// A three-picture skin also drops the pieces of an earlier seven-picture one, which the next resize
// would otherwise put together again over it.
void CLumProgressCtrl::SetSkin(UINT nBackground, UINT nBar, UINT nIndicator)
{
    DeletePieces(m_bmBgPiece);
    DeletePieces(m_bmBarPiece);
    Reload(m_bmBackground, nBackground);
    Reload(m_bmBar, nBar);
    LoadIndicator(m_bmIndicator, nIndicator);
}

void CLumProgressCtrl::SetSkin(char* lpszBackground, char* lpszBar, char* lpszIndicator)
{
    DeletePieces(m_bmBgPiece);
    DeletePieces(m_bmBarPiece);
    Reload(m_bmBackground, lpszBackground);
    Reload(m_bmBar, lpszBar);
    LoadIndicator(m_bmIndicator, lpszIndicator);
}

void CLumProgressCtrl::SetSkin(UINT nBgLeft, UINT nBgMiddle, UINT nBgRight, UINT nBarLeft, UINT nBarMiddle,
                               UINT nBarRight, UINT nIndicator)
{
    const UINT bg[3] = {nBgLeft, nBgMiddle, nBgRight}, bar[3] = {nBarLeft, nBarMiddle, nBarRight};
    for (int i = LEFT_CAP; i <= RIGHT_CAP; i++)
    {
        Reload(m_bmBgPiece[i], bg[i]);
        Reload(m_bmBarPiece[i], bar[i]);
    }
    LoadIndicator(m_bmIndicator, nIndicator);
}

void CLumProgressCtrl::SetSkin(char* lpszBgLeft, char* lpszBgMiddle, char* lpszBgRight, char* lpszBarLeft,
                               char* lpszBarMiddle, char* lpszBarRight, char* lpszIndicator)
{
    const char* bg[3] = {lpszBgLeft, lpszBgMiddle, lpszBgRight};
    const char* bar[3] = {lpszBarLeft, lpszBarMiddle, lpszBarRight};
    for (int i = LEFT_CAP; i <= RIGHT_CAP; i++)
    {
        Reload(m_bmBgPiece[i], bg[i]);
        Reload(m_bmBarPiece[i], bar[i]);
    }
    LoadIndicator(m_bmIndicator, lpszIndicator);
}

// ---- value and text ------------------------------------------------------------------------------

void CLumProgressCtrl::ClampValue()
{
    if (m_nValue < m_nMin)
        m_nValue = m_nMin;
    else if (m_nValue > m_nMax)
        m_nValue = m_nMax;
}

void CLumProgressCtrl::SetRange(int nMin, int nMax)
{
    m_nMin = nMin;
    m_nMax = nMax;
    ClampValue();
}

void CLumProgressCtrl::SetValue(int nValue, bool bRedraw)
{
    m_nValue = nValue;
    ClampValue();
    if (bRedraw)
        Repaint();
}

void CLumProgressCtrl::SetText(CString strText, bool bRedraw)
{
    m_strText = strText;
    if (bRedraw)
        Repaint();
}

void CLumProgressCtrl::SetTextAlign(int nHAlign, int nVAlign)
{
    m_nTextHAlign = nHAlign;
    m_nTextVAlign = nVAlign;
}

void CLumProgressCtrl::SetTextMargin(int x, int y)
{
    m_nTextMarginX = x;
    m_nTextMarginY = y;
}

void CLumProgressCtrl::SetBarMargin(int nLeft, int nRight)
{
    m_nBarMarginLeft = nLeft;
    m_nBarMarginRight = nRight;
}

void CLumProgressCtrl::Repaint()
{
    if (m_hWnd)
        InvalidateRect(NULL, TRUE);
}

// An empty range shows an empty bar.
int CLumProgressCtrl::Pos2Pixel(int nValue)
{
    double range = (double)m_nMax - m_nMin;
    if (range == 0)
        return 0;
    double pixel = m_rect.right * (((double)nValue - m_nMin) / range);
    return pixel >= INT_MAX ? INT_MAX : pixel <= INT_MIN ? INT_MIN : (int)pixel;
}

// ---- window life ---------------------------------------------------------------------------------

// A dialog item subclassed at its final size gets no WM_SIZE: measure it now.
void CLumProgressCtrl::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    GetClientRect(&m_rect);
}

// A seven-picture skin is put together at the new size; without all the bar's pieces the control
// has no bar and shows the whole background.
void CLumProgressCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    m_rect.SetRect(0, 0, cx, cy);
    if (cx < 1 || cy < 1 || !AllLoaded(m_bmBgPiece))
        return;
    CClientDC dc(this);
    Assemble(dc, m_bmBackground, m_bmBgPiece, cx, cy);
    if (AllLoaded(m_bmBarPiece))
        Assemble(dc, m_bmBar, m_bmBarPiece, cx, cy);
    else
        m_bmBar.Delete();
}

// ---- painting ------------------------------------------------------------------------------------

void CLumProgressCtrl::DrawBitmap(CDC* pDC, int x, int y, int nWidth, int nHeight, CDC* pSourceDC, int nSourceX,
                                  int nSourceY, HBITMAP, int)
{
    pDC->BitBlt(x, y, nWidth, nHeight, pSourceDC, nSourceX, nSourceY, SRCCOPY);
}

void CLumProgressCtrl::DrawIndicator(CDC& canvas, int x)
{
    if (!m_bmIndicator.IsLoaded())
        return;
    CDC source;
    source.CreateCompatibleDC(&canvas);
    HGDIOBJ hOld = source.SelectObject(m_bmIndicator.GetHandle());
    CSize size = SizeOf(m_bmIndicator);
    canvas.SetStretchBltMode(COLORONCOLOR);
    canvas.StretchBlt(x, 0, size.cx, m_rect.Height(), &source, 0, 0, size.cx, size.cy, SRCCOPY);
    source.SelectObject(hOld);
}

// The background beyond the value's pixel, the bar up to it, the indicator centred on it (its
// centre kept within the bar margins). Without a bar: the whole background, the indicator at the
// left bar margin.
void CLumProgressCtrl::DrawPictures(CDC& canvas)
{
    int cx = m_rect.Width(), cy = m_rect.Height();
    CDC source;
    source.CreateCompatibleDC(&canvas);
    HGDIOBJ hOld = source.SelectObject(m_bmBackground.GetHandle());
    if (!m_bmBar.IsLoaded())
    {
        DrawBitmap(&canvas, 0, 0, cx, cy, &source, 0, 0, m_bmBackground.GetHandle(), 0);
        source.SelectObject(hOld);
        DrawIndicator(canvas, m_nBarMarginLeft);
        return;
    }
    int nPixel = Pos2Pixel(m_nValue);
    DrawBitmap(&canvas, nPixel, 0, cx - nPixel, cy, &source, nPixel, 0, m_bmBackground.GetHandle(), 0);
    source.SelectObject(m_bmBar.GetHandle());
    DrawBitmap(&canvas, 0, 0, nPixel, cy, &source, 0, 0, m_bmBar.GetHandle(), 0);
    source.SelectObject(hOld);
    if (nPixel < m_nBarMarginLeft)
        nPixel = m_nBarMarginLeft;
    if (nPixel > cx - m_nBarMarginRight)
        nPixel = cx - m_nBarMarginRight;
    DrawIndicator(canvas, nPixel - SizeOf(m_bmIndicator).cx / 2);
}

// The text is measured in the font it is drawn with.
void CLumProgressCtrl::DrawTextOver(CDC& canvas)
{
    if (m_strText.IsEmpty())
        return;
    CFont* pOldFont = m_pTextFont ? canvas.SelectObject(m_pTextFont) : NULL;
    CSize text = canvas.GetTextExtent(m_strText);
    int x, y;
    switch (m_nTextHAlign)
    {
    case ALIGN_LEFT: x = m_nTextMarginX; break;
    case ALIGN_RIGHT: x = m_rect.Width() - text.cx - m_nTextMarginX; break;
    default: x = (m_rect.Width() - text.cx) / 2 + m_nTextMarginX; break;
    }
    switch (m_nTextVAlign)
    {
    case ALIGN_TOP: y = m_nTextMarginY; break;
    case ALIGN_BOTTOM: y = m_rect.Height() - text.cy - m_nTextMarginY; break;
    default: y = (m_rect.Height() - text.cy) / 2 + m_nTextMarginY; break;
    }
    canvas.SetTextColor(m_clrText);
    canvas.SetBkMode(TRANSPARENT);
    canvas.TextOut(x, y, m_strText);
    if (pOldFont)
        canvas.SelectObject(pOldFont);
}

void CLumProgressCtrl::OnPaint()
{
    CPaintDC dc(this);
    if (m_rect.IsRectEmpty())
        return;
    CDC canvas;
    canvas.CreateCompatibleDC(&dc);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, m_rect.Width(), m_rect.Height());
    CBitmap* pOld = canvas.SelectObject(&bitmap);
    canvas.FillSolidRect(&m_rect, dc.GetBkColor());
    if (m_bmBackground.IsLoaded())
    {
        DrawPictures(canvas);
        DrawTextOver(canvas);
    }
    dc.BitBlt(0, 0, m_rect.Width(), m_rect.Height(), &canvas, 0, 0, SRCCOPY);
    canvas.SelectObject(pOld);
}
