#include "buttons/LumButton.h"
#include "skin/SkinDraw.h"

IMPLEMENT_DYNAMIC(CLumButton, CButton)

BEGIN_MESSAGE_MAP(CLumButton, CButton)
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_ERASEBKGND()
    ON_WM_ENABLE()
    ON_WM_PAINT()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

namespace {

const COLORREF kNoSkinColor = 0x0000FF;
const COLORREF kToolbarFace = 0xE2E2E2;

// The title font: only the height and the face are taken from a LOGFONT.
void CreateTitleFont(CFont& font, LONG height, const char* face)
{
    LOGFONT lf = {};
    lf.lfHeight = height;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    font.CreateFontIndirect(&lf);
}

}  // namespace

CLumButton::CLumButton()
    : m_width(0), m_height(0), m_state(-1), m_bSkinLoaded(FALSE), m_bStripMode(FALSE), m_nImageCount(1),
      m_bVerticalStrip(-1), m_bToggle(FALSE), m_bToolbar(FALSE), m_bGroup(FALSE), m_bButtonFunctions(TRUE),
      m_bTitleShown(FALSE), m_textColor(0), m_align(HA_LEFT), m_maskColor(0xFF00FF)
{
    CreateTitleFont(m_font, -11, "\xB5\xB8\xBF\xF2");   // Dotum in code page 949
}

CLumButton::~CLumButton() {}

HRGN CLumButton::BitmapToRegion(HBITMAP hBitmap, COLORREF transparent, COLORREF tolerance)
{
    return lumskin::BitmapToRegion(hBitmap, transparent, tolerance);
}

// Every skin operation ends here: state 0, and the window's outline cut from the shape picture.
void CLumButton::SkinLoaded(HBITMAP hShape)
{
    m_bSkinLoaded = TRUE;
    m_state = 0;
    HRGN hRgn = BitmapToRegion(hShape, m_maskColor, 0);
    if (hRgn && m_hWnd)
        SetWindowRgn(hRgn, TRUE);   // the window owns the region from now on
    else if (hRgn)
        ::DeleteObject(hRgn);
}

void CLumButton::SetSkin(UINT normal, UINT hover, UINT down, UINT disabled)
{
    HINSTANCE hInstance = AfxGetModuleState()->m_hCurrentInstanceHandle;
    m_normal.LoadFromResource(hInstance, (WORD)normal);
    m_hover.LoadFromResource(hInstance, (WORD)hover);
    m_down.LoadFromResource(hInstance, (WORD)down);
    m_disabled.LoadFromResource(hInstance, (WORD)(disabled ? disabled : normal));
    m_normal.GetSize(m_width, m_height);
    SkinLoaded(m_normal.GetHandle());
}

void CLumButton::SetSkin(CString& normal, CString& hover, CString& down, CString& disabled)
{
    const CString* required[] = {&normal, &hover, &down};
    for (const CString* path : required)
        if (path->IsEmpty() || !LumSkinFileExists(*path))
            return;
    if (!disabled.IsEmpty() && !LumSkinFileExists(disabled))
        return;
    m_normal.LoadFromFile(normal);
    m_hover.LoadFromFile(hover);
    m_down.LoadFromFile(down);
    m_disabled.LoadFromFile(disabled.IsEmpty() ? normal : disabled);
    m_normal.GetSize(m_width, m_height);
    SkinLoaded(m_normal.GetHandle());
}

void CLumButton::SetSkin(CString& strip, int vertical, int count)
{
    if (strip.IsEmpty() || !LumSkinFileExists(strip))
        return;
    m_bStripMode = TRUE;
    m_strip.Delete();
    m_strip.LoadFromFile(strip);
    m_strip.GetSize(m_width, m_height);
    m_nImageCount = count;
    m_bVerticalStrip = vertical;
    SkinLoaded(m_strip.GetHandle());
}

void CLumButton::SetSkin(CString& strip, int vertical, int count, CString title)
{
    if (strip.IsEmpty() || !LumSkinFileExists(strip))
        return;
    SetSkin(strip, vertical, count);
    m_title = title;
    m_bTitleShown = TRUE;
}

void CLumButton::SetSkin(CBitmap* pBitmap, int width, int height)
{
    m_strip.Attach((HBITMAP)pBitmap->Detach());
    m_bStripMode = TRUE;
    m_width = width;
    m_height = height;
    SkinLoaded(m_strip.GetHandle());
    if (m_hWnd)
        InvalidateRect(NULL, TRUE);
}

void CLumButton::SetFont(LOGFONT* pLogFont)
{
    m_font.DeleteObject();
    CreateTitleFont(m_font, pLogFont->lfHeight, pLogFont->lfFaceName);
}

void CLumButton::SetTitle(CString text, CRect rect, HAlign align)
{
    m_title = text;
    m_titleRect = rect;
    m_align = align;
    m_bTitleShown = TRUE;
    if (m_hWnd)
        InvalidateRect(&m_titleRect, TRUE);
}

void CLumButton::SetTitle(CString text, HAlign align)
{
    CRect client;
    if (m_hWnd)
        GetClientRect(&client);
    SetTitle(text, client, align);
}

void CLumButton::SetState(int state)
{
    m_state = state;
    if (m_hWnd)
        InvalidateRect(NULL, TRUE);
}

void CLumButton::SetButtonUp()
{
    if (m_bButtonFunctions)
        SetState(0);
}

void CLumButton::SetButtonDown() { SetState(2); }
void CLumButton::SetButton(int state) { SetState(state); }

void CLumButton::DrawItem(LPDRAWITEMSTRUCT) {}

// ---- mouse and focus -------------------------------------------------------------------------

void CLumButton::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bButtonFunctions)
        return;
    CRect client;
    GetClientRect(&client);
    BOOL bCaptured = GetCapture() == this;
    BOOL bInside = client.PtInRect(point);
    if (m_bToggle && m_state != 2)
    {
        if (bCaptured && !bInside)
        {
            ReleaseCapture();
            if (m_state == 1)
                SetState(0);
        }
        else if (!bCaptured)
        {
            SetCapture();
            if (m_state == 0)
                SetState(1);
        }
    }
    else if (!m_bToggle && m_state != 3)
    {
        if (bCaptured && bInside)
        {
            if (m_state == 0)
                SetState(2);
        }
        else if (bCaptured)
        {
            ReleaseCapture();
            if (m_state == 1 || (m_state == 2 && !m_bToolbar))
                SetState(0);
        }
        else
        {
            SetCapture();
            if (m_state == 0)
                SetState(1);
        }
    }
    CButton::OnMouseMove(nFlags, point);
}

void CLumButton::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!m_bToggle && m_bButtonFunctions && m_state != 2 && m_state != 3)
        SetState(2);
    CButton::OnLButtonDown(nFlags, point);
}

void CLumButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bToggle && !m_bToolbar && m_state == 2)
        SetState(0);
    CButton::OnLButtonUp(nFlags, point);
}

void CLumButton::OnKillFocus(CWnd* pNewWnd)
{
    CButton::OnKillFocus(pNewWnd);
    if (m_bToolbar && m_state == 2)
        SetState(0);
}

void CLumButton::OnEnable(BOOL bEnable)
{
    CButton::OnEnable(bEnable);
    SetState(bEnable ? 0 : 3);
}

BOOL CLumButton::OnEraseBkgnd(CDC*) { return TRUE; }

// ---- painting --------------------------------------------------------------------------------

HBITMAP CLumButton::PictureOfState() const
{
    if (m_bStripMode)
        return m_strip.GetHandle();
    if (!m_normal.IsLoaded() || !m_hover.IsLoaded() || !m_down.IsLoaded() || !m_disabled.IsLoaded())
        return NULL;
    switch (m_state)
    {
    case -1: return NULL;
    case 1: return m_hover.GetHandle();
    case 2: return m_down.GetHandle();
    case 3: return m_disabled.GetHandle();
    default: return m_normal.GetHandle();
    }
}

void CLumButton::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    if (!m_bSkinLoaded)
    {
        dc.FillSolidRect(&client, kNoSkinColor);
        return;
    }
    // The system button class draws with its parent's clipping: keep to the window's outline.
    CRgn outline;
    outline.CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(outline) != ERROR)
        dc.SelectClipRgn(&outline, RGN_AND);

    HBITMAP hPicture = PictureOfState();
    if (!hPicture)
        return;
    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    HGDIOBJ hOld = ::SelectObject(memDC.GetSafeHdc(), hPicture);
    // A count below 1 would divide by zero: such a strip is drawn as one picture.
    if (!m_bStripMode || (m_nImageCount <= 1 && !m_bToolbar))
        dc.BitBlt(0, 0, m_width, m_height, &memDC, 0, 0, SRCCOPY);
    else if (m_nImageCount <= 1)
    {
        // A flat toolbar button drawn from one picture.
        CRect face = client;
        if (m_state == 1 || m_state == 2)
        {
            dc.DrawEdge(&face, m_state == 1 ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
            face.DeflateRect(1, 1);
        }
        dc.FillSolidRect(&face, kToolbarFace);
        dc.BitBlt(1, 1, m_width, m_height, &memDC, 0, 0, SRCCOPY);
    }
    else
    {
        int cell = (m_state >= 0 && m_state <= 3) ? m_state : 0;
        if (m_bVerticalStrip)
        {
            int cellHeight = m_height / m_nImageCount;
            dc.BitBlt(0, 0, m_width, cellHeight, &memDC, 0, cell * cellHeight, SRCCOPY);
        }
        else
        {
            int cellWidth = m_width / m_nImageCount;
            dc.BitBlt(0, 0, cellWidth, m_height, &memDC, cell * cellWidth, 0, SRCCOPY);
        }
    }
    ::SelectObject(memDC.GetSafeHdc(), hOld);
    if (m_bTitleShown)
        DrawTitle(dc);
}

void CLumButton::DrawTitle(CDC& dc)
{
    CFont* pOldFont = dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_textColor);
    UINT format = DT_SINGLELINE | DT_VCENTER;
    if (m_align == HA_CENTER)
        format |= DT_CENTER;
    else if (m_align == HA_RIGHT)
        format |= DT_RIGHT;
    CRect rect = m_titleRect;
    dc.DrawText(m_title, &rect, format);
    dc.SelectObject(pOldFont);
}
