#include "buttons/LumCheckBox.h"
#include "skin/SkinDraw.h"

IMPLEMENT_DYNAMIC(CLumCheckButton, CButton)
IMPLEMENT_DYNAMIC(CLumCheckBox, CLumCheckButton)
IMPLEMENT_DYNAMIC(CLumRadioButton, CLumCheckButton)

BEGIN_MESSAGE_MAP(CLumCheckButton, CButton)
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
    ON_WM_MOUSELEAVE()
    ON_WM_ENABLE()
    ON_MESSAGE(WM_LUM_RADIO_UNCHECK, OnRadioUncheck)
    ON_MESSAGE(BM_SETCHECK, OnSetCheck)
    ON_MESSAGE(BM_GETCHECK, OnGetCheck)
END_MESSAGE_MAP()

namespace {

const int kCellCount = 8;
const int kDefaultBoxSize = 17;
const int kCaptionGap = 5;
const int kCaptionRightMargin = 2;

BOOL TrackLeave(HWND hWnd, DWORD dwFlags)
{
    TRACKMOUSEEVENT tme = {sizeof(tme), dwFlags, hWnd, 0};
    return _TrackMouseEvent(&tme);
}

}  // namespace

CLumCheckButton::CLumCheckButton()
    : m_bChecked(false), m_nKind(KIND_PLAIN), m_bHover(false), m_bPressed(false),
      m_textColor(::GetSysColor(COLOR_BTNTEXT)), m_nBoxSize(0)
{
    LOGFONT lf = {};
    lf.lfHeight = -11;
    lstrcpynA(lf.lfFaceName, "Arial", LF_FACESIZE);
    m_font.CreateFontIndirect(&lf);
}

CLumCheckButton::~CLumCheckButton() {}

BOOL CLumCheckBox::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CButton::Create(lpszCaption, dwStyle | BS_AUTOCHECKBOX, rect, pParentWnd, nID);
}

BOOL CLumRadioButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CButton::Create(lpszCaption, dwStyle | BS_AUTORADIOBUTTON, rect, pParentWnd, nID);
}

// The automatic types decide the kind; from then on the system only asks us to draw.
void CLumCheckButton::PreSubclassWindow()
{
    BYTE type = (BYTE)GetStyle();
    if ((type & 0x03) == 0x03)
        m_nKind = KIND_CHECKBOX;
    else if ((type & 0x09) == 0x09)
        m_nKind = KIND_RADIO;
    else
        m_nKind = KIND_PLAIN;
    CButton::PreSubclassWindow();
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
}

// ---- skin, caption and tooltip ---------------------------------------------------------------

void CLumCheckButton::SetSkin(CString path)
{
    HBITMAP hStrip = (HBITMAP)::LoadImageA(NULL, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    if (!hStrip)
        return;
    m_skin.DeleteObject();
    m_skin.Attach(hStrip);
    m_nBoxSize = GetBitmapHeight(hStrip);
}

void CLumCheckButton::SetSkin(UINT, UINT, UINT, UINT, UINT, UINT, short, short, short) {}

void CLumCheckButton::SetFont(LOGFONT* pLogFont)
{
    m_font.DeleteObject();
    m_font.CreateFontIndirect(pLogFont);
}

COLORREF CLumCheckButton::SetTextColor(COLORREF color)
{
    COLORREF old = m_textColor;
    m_textColor = color;
    return old;
}

void CLumCheckButton::SetTitle(CString text)
{
    if (!m_hWnd)
        return;
    SetWindowText(text);
    Repaint();
}

void CLumCheckButton::SetToolTipText(CString text)
{
    if (m_toolTip.m_hWnd)
    {
        m_toolTip.UpdateTipText(text, this, 0);
        return;
    }
    m_toolTip.Create(this, 0);
    if (m_toolTip.AddTool(this, text, NULL, 0))
        m_toolTip.Activate(TRUE);
}

void CLumCheckButton::RelayEvent(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_toolTip.m_hWnd)
        return;
    MSG msg = {m_hWnd, message, wParam, lParam, 0, {(short)LOWORD(lParam), (short)HIWORD(lParam)}};
    m_toolTip.RelayEvent(&msg);
}

// ---- checked state and the radio group -------------------------------------------------------

LRESULT CLumCheckButton::OnSetCheck(WPARAM wParam, LPARAM)
{
    m_bChecked = wParam != 0 && m_nKind != KIND_PLAIN;
    Repaint();
    if (m_bChecked && m_nKind == KIND_RADIO)
        UncheckGroup();
    return 0;
}

LRESULT CLumCheckButton::OnGetCheck(WPARAM, LPARAM) { return m_bChecked ? BST_CHECKED : BST_UNCHECKED; }

LRESULT CLumCheckButton::OnRadioUncheck(WPARAM, LPARAM)
{
    if (m_bChecked)
    {
        m_bChecked = false;
        Repaint();
    }
    return 0;
}

// The group is walked with GetNextDlgGroupItem, which passes over hidden and disabled items: from
// such a control the walk never comes back to it, so it also ends where it first entered the cycle.
void CLumCheckButton::UncheckGroup()
{
    HWND hParent = ::GetParent(m_hWnd);
    if (!m_hWnd || !hParent)
        return;
    HWND hFirst = NULL;
    for (HWND hItem = ::GetNextDlgGroupItem(hParent, m_hWnd, FALSE); hItem && hItem != m_hWnd && hItem != hFirst;
         hItem = ::GetNextDlgGroupItem(hParent, hItem, FALSE))
    {
        if (!hFirst)
            hFirst = hItem;
        ::PostMessageA(hItem, WM_LUM_RADIO_UNCHECK, 0, 0);
    }
}

// What a click or the space bar does: a plain control never changes.
void CLumCheckButton::Toggle()
{
    if (m_nKind == KIND_CHECKBOX)
        SendMessage(BM_SETCHECK, !m_bChecked);
    else if (m_nKind == KIND_RADIO)
        SendMessage(BM_SETCHECK, TRUE);
}

// ---- mouse and keyboard ----------------------------------------------------------------------

BOOL CLumCheckButton::IsUnderPoint(CPoint point) const
{
    ClientToScreen(&point);
    return ::WindowFromPoint(point) == m_hWnd;
}

void CLumCheckButton::OnLButtonDown(UINT nFlags, CPoint point)
{
    RelayEvent(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
    if (m_bHover && TrackLeave(m_hWnd, TME_CANCEL | TME_LEAVE))
        m_bHover = false;
    CButton::OnLButtonDown(nFlags, point);   // the system captures the mouse and shows the button pushed
    m_bPressed = true;
    Repaint();
}

void CLumCheckButton::OnMouseMove(UINT nFlags, CPoint point)
{
    RelayEvent(WM_MOUSEMOVE, nFlags, MAKELPARAM(point.x, point.y));
    if (m_bPressed && GetCapture() == this)
    {
        BOOL bOver = IsUnderPoint(point);
        if (bOver != ((GetState() & BST_PUSHED) != 0))
        {
            SendMessage(BM_SETSTATE, bOver);
            Repaint();
        }
    }
    else if (!m_bHover && TrackLeave(m_hWnd, TME_LEAVE))
    {
        m_bHover = true;
        Repaint();
    }
    CButton::OnMouseMove(nFlags, point);
}

void CLumCheckButton::OnMouseLeave()
{
    m_bHover = false;
    Repaint();
}

// Only a release that ends a press on this control counts as a click: a release arriving without
// one would change the state without the parent hearing of it.
void CLumCheckButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bPressed && IsUnderPoint(point))
        Toggle();
    RelayEvent(WM_LBUTTONUP, nFlags, MAKELPARAM(point.x, point.y));
    EndPress();
    CButton::OnLButtonUp(nFlags, point);   // releases the capture and sends BN_CLICKED
}

void CLumCheckButton::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    SendMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
}

void CLumCheckButton::OnKillFocus(CWnd* pNewWnd)
{
    if (GetCapture() == this)
    {
        ReleaseCapture();
        EndPress();
    }
    CButton::OnKillFocus(pNewWnd);
}

// A press dragged off the control leaves the button unpushed, so the system draws nothing when it
// ends: the pressed cell must be repainted here.
void CLumCheckButton::EndPress()
{
    m_bPressed = false;
    Repaint();
}

void CLumCheckButton::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_SPACE)
        Toggle();
    CButton::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CLumCheckButton::OnEnable(BOOL bEnable)
{
    CButton::OnEnable(bEnable);
    Repaint();
}

BOOL CLumCheckButton::OnEraseBkgnd(CDC*) { return TRUE; }

// The caption is drawn transparently over what lies under the control, so the parent paints that
// again first: otherwise anti-aliased text thickens with every repaint and a caption that changed
// colour shows its old one through.
void CLumCheckButton::Repaint()
{
    if (!m_hWnd)
        return;
    CWnd* pParent = (GetStyle() & WS_CHILD) ? GetParent() : NULL;
    if (!pParent)
    {
        InvalidateRect(NULL, TRUE);
        return;
    }
    CRect rect;
    GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    pParent->RedrawWindow(&rect, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// ---- drawing ---------------------------------------------------------------------------------

CLumCheckButton::BTN_STATE CLumCheckButton::StateOf(UINT itemState) const
{
    if (itemState & ODS_DISABLED)
        return (itemState & ODS_SELECTED) || m_bChecked ? BTN_DISABLED_CHECKED : BTN_DISABLED_UNCHECKED;
    if (m_bPressed)
        return m_bChecked ? BTN_CHECKED_PRESSED : BTN_UNCHECKED_PRESSED;
    if (m_bHover)
        return m_bChecked ? BTN_CHECKED_HOVER : BTN_UNCHECKED_HOVER;
    return m_bChecked ? BTN_CHECKED : BTN_UNCHECKED;
}

void CLumCheckButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    // While pressed, the pushed look follows the pointer; each change draws the button again.
    CPoint cursor;
    if (m_bPressed && GetCapture() == this && ::GetCursorPos(&cursor))
    {
        BOOL bOver = ::WindowFromPoint(cursor) == m_hWnd;
        BOOL bPushed = (GetState() & BST_PUSHED) != 0;
        if (bOver != bPushed)
        {
            SendMessage(BM_SETSTATE, bOver);
            return;
        }
    }

    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect item = lpDrawItemStruct->rcItem;
    int nBox = m_nBoxSize ? m_nBoxSize : kDefaultBoxSize;
    CRect caption(item.left + nBox + kCaptionGap, item.top, item.right - kCaptionRightMargin, item.bottom);
    CFont* pOldFont = pDC->SelectObject(&m_font);
    CString text;
    GetWindowText(text);
    pDC->SetBkMode(TRANSPARENT);

    BOOL bDisabled = (lpDrawItemStruct->itemState & ODS_DISABLED) != 0;
    DrawBitmap(pDC, item, 0, StateOf(lpDrawItemStruct->itemState));
    pDC->SetTextColor(bDisabled ? ::GetSysColor(COLOR_GRAYTEXT) : m_textColor);
    pDC->DrawText(text, &caption, DT_SINGLELINE | DT_VCENTER);
    pDC->SelectObject(pOldFont);
}

void CLumCheckButton::DrawBitmap(CDC* pDC, RECT rect, int, BTN_STATE state)
{
    HBITMAP hStrip = m_skin;
    if (!hStrip)
        return;
    int nCellWidth = GetBitmapWidth(hStrip) / kCellCount;
    int nHeight = GetBitmapHeight(hStrip);
    int x = (state >= 0 && state < kCellCount) ? state * nCellWidth : 0;
    CDC memDC;
    memDC.CreateCompatibleDC(pDC);
    HGDIOBJ hOld = memDC.SelectObject(hStrip);
    pDC->BitBlt(0, (rect.bottom - rect.top - nHeight) / 2, nCellWidth, nHeight, &memDC, x, 0, SRCCOPY);
    memDC.SelectObject(hOld);
}

void CLumCheckButton::FillWithBitmap(CDC* pDC, HBITMAP hBitmap, RECT rect) { lumskin::FillWithBitmap(pDC, hBitmap, rect); }
int CLumCheckButton::GetBitmapWidth(HBITMAP hBitmap) { return lumskin::GetBitmapWidth(hBitmap); }
int CLumCheckButton::GetBitmapHeight(HBITMAP hBitmap) { return lumskin::GetBitmapHeight(hBitmap); }

HRGN CLumCheckButton::CreateRgnFromBitmap(HBITMAP hBitmap, COLORREF transparent)
{
    return lumskin::CreateRgnFromBitmap(m_hWnd, hBitmap, transparent);
}
