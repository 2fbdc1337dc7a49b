#include "edit/LumEdit.h"
#include <string>
#include <string_view>

IMPLEMENT_DYNAMIC(CLumEdit, CEdit)

BEGIN_MESSAGE_MAP(CLumEdit, CEdit)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_KEYDOWN()
    ON_WM_MOUSEWHEEL()
    ON_WM_SIZE()
    ON_WM_VSCROLL()
    ON_WM_HSCROLL()
    ON_WM_CHAR()
    ON_WM_RBUTTONDOWN()
    ON_WM_CREATE()
    ON_WM_CONTEXTMENU()
    ON_MESSAGE(WM_PASTE, OnPaste)
END_MESSAGE_MAP()

namespace {

const COLORREF kPaper = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

std::string_view View(const CString& s) { return std::string_view(s, s.GetLength()); }
CString ToCString(const std::string& s) { return CString(s.data(), (int)s.size()); }

// A memory DC with a bitmap selected, which goes back out before the DC is deleted.
class CBitmapDC : public CDC
{
public:
    CBitmapDC(CDC* pCompatible, HBITMAP hBitmap)
    {
        CreateCompatibleDC(pCompatible);
        m_hOld = ::SelectObject(m_hDC, hBitmap);
    }
    ~CBitmapDC() { ::SelectObject(m_hDC, m_hOld); }

private:
    HGDIOBJ m_hOld;
};

}  // namespace

CLumEdit::CLumEdit()
    : m_bgColor(::GetSysColor(COLOR_BTNFACE)), m_textColor(::GetSysColor(COLOR_WINDOWTEXT)), m_pFont(NULL),
      m_nImageWidth(0), m_nImageHeight(0), m_nBGStyle(BG_NATURAL)
{
    CreateBrushType();
}

CLumEdit::~CLumEdit()
{
    delete m_pFont;
}

BOOL CLumEdit::CreateBrushType()
{
    m_brush.DeleteObject();
    return m_brush.CreateSolidBrush(m_bgColor);
}

void CLumEdit::Repaint()
{
    if (m_hWnd && ::IsWindow(m_hWnd))
        Invalidate(TRUE);
}

int CLumEdit::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CEdit::OnCreate(lpCreateStruct) == -1)
        return -1;
    LOGFONT lf = {};
    ::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof(lf), &lf, 0);
    SetFont(&lf);
    SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    SetBGColor(::GetSysColor(COLOR_WINDOW));
    // Only a multi-line edit takes a formatting rectangle, and the WM_SIZE that follows creation
    // sets it back to the client area.
    CRect format(0, 50, 100, 70);
    SetRect(&format);
    return 0;
}

// ---- colours and font ------------------------------------------------------------------------

void CLumEdit::SetBGColor(COLORREF color)
{
    m_bgColor = color;
    if (!HasBGImage())
        CreateBrushType();
    Repaint();
}

void CLumEdit::SetTextColor(COLORREF color)
{
    m_textColor = color;
    Repaint();
}

// The window gets the new font before the old one is deleted.
void CLumEdit::SetFont(const LOGFONT* pLogFont)
{
    if (!pLogFont)
        return;
    CFont* pFont = new CFont;
    pFont->CreateFontIndirect(pLogFont);
    if (m_hWnd)
        CWnd::SetFont(pFont, TRUE);
    delete m_pFont;
    m_pFont = pFont;
}

void CLumEdit::SetFont(CFont* pFont)
{
    LOGFONT lf;
    if (pFont && pFont->GetLogFont(&lf))
        SetFont(&lf);
}

HBRUSH CLumEdit::CtlColor(CDC* pDC, UINT)
{
    pDC->SetTextColor(m_textColor);
    if (HasBGImage())
    {
        // The text goes onto white paper that the picture later replaces (see OnPaint).
        pDC->SetBkMode(TRANSPARENT);
        LOGBRUSH lb = {BS_NULL, m_bgColor, 0};
        m_brush.DeleteObject();
        m_brush.CreateBrushIndirect(&lb);
    }
    else
    {
        pDC->SetBkMode(OPAQUE);
        pDC->SetBkColor(m_bgColor);
        CreateBrushType();
    }
    return m_brush;
}

// ---- background picture ----------------------------------------------------------------------

BOOL CLumEdit::SetBGImage(UINT nID)
{
    return LoadBGImage(nID ? MAKEINTRESOURCE(nID) : NULL, LR_CREATEDIBSECTION);
}

BOOL CLumEdit::SetBGImage(CString path)
{
    return LoadBGImage(path, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
}

// Replaces the picture with the one named (none for NULL). The control repaints also when the
// new one fails to load, since the old one is gone.
BOOL CLumEdit::LoadBGImage(LPCSTR lpszName, UINT nFlags)
{
    m_bgImage.DeleteObject();
    m_nImageWidth = m_nImageHeight = 0;
    BOOL bResult = TRUE;
    if (lpszName)
    {
        HANDLE hImage = ::LoadImageA(AfxGetResourceHandle(), lpszName, IMAGE_BITMAP, 0, 0, nFlags);
        bResult = hImage && m_bgImage.Attach(hImage);
    }
    if (HasBGImage())
    {
        BITMAP bm;
        m_bgImage.GetBitmap(&bm);
        m_nImageWidth = bm.bmWidth;
        m_nImageHeight = bm.bmHeight;
        if (m_nBGStyle == BG_NATURAL && m_hWnd)
            SetWindowPos(NULL, 0, 0, m_nImageWidth, m_nImageHeight, SWP_NOMOVE | SWP_NOZORDER);
    }
    Repaint();
    return bResult;
}

BOOL CLumEdit::OnEraseBkgnd(CDC* pDC)
{
    return HasBGImage() ? TRUE : CEdit::OnEraseBkgnd(pDC);
}

// With a picture the standard edit draws its text on white paper in memory; the paper becomes a
// mask, and the text without its paper is laid over the picture.
void CLumEdit::OnPaint()
{
    if (!HasBGImage())
    {
        CEdit::OnPaint();
        return;
    }
    CPaintDC dc(this);
    CRect clip, client;
    dc.GetClipBox(&clip);
    GetClientRect(&client);
    if (client.IsRectEmpty())
        return;
    const int w = client.Width(), h = client.Height();
    const int x = clip.left, y = clip.top, cx = clip.Width(), cy = clip.Height();

    CBitmap textBitmap, maskBitmap, composedBitmap;
    textBitmap.CreateCompatibleBitmap(&dc, w, h);
    maskBitmap.CreateBitmap(w, h, 1, 1, NULL);
    composedBitmap.CreateCompatibleBitmap(&dc, w, h);
    CBitmapDC text(&dc, textBitmap);
    CBitmapDC mask(&dc, maskBitmap);
    CBitmapDC picture(&dc, m_bgImage);
    CBitmapDC composed(&dc, composedBitmap);

    text.FillSolidRect(0, 0, w, h, kPaper);
    // The edit leaves its clipping behind in the DC; the layers below need the whole of it.
    int nSaved = text.SaveDC();
    DefWindowProc(WM_PAINT, (WPARAM)text.m_hDC, 0);
    text.RestoreDC(nSaved);

    // Mask: paper 1, text 0. Then the paper in the text layer turns black.
    text.SetBkColor(kPaper);
    text.SetTextColor(kBlack);
    mask.BitBlt(x, y, cx, cy, &text, x, y, SRCCOPY);
    text.SetBkColor(kBlack);
    text.SetTextColor(kPaper);
    text.BitBlt(x, y, cx, cy, &mask, x, y, SRCAND);

    // Black holes in the picture where the text goes, then the text in them.
    LayBGImage(composed, picture, client);
    composed.SetBkColor(kPaper);
    composed.SetTextColor(kBlack);
    composed.BitBlt(x, y, cx, cy, &mask, x, y, SRCAND);
    composed.BitBlt(x, y, cx, cy, &text, x, y, SRCPAINT);
    dc.BitBlt(x, y, cx, cy, &composed, x, y, SRCCOPY);
}

// What the picture leaves uncovered (a small picture at its natural size, an unknown style) shows
// the background colour.
void CLumEdit::LayBGImage(CDC& dc, CDC& picture, const CRect& client)
{
    dc.FillSolidRect(&client, m_bgColor);
    switch (m_nBGStyle)
    {
    case BG_NATURAL:
        dc.BitBlt(0, 0, m_nImageWidth, m_nImageHeight, &picture, 0, 0, SRCCOPY);
        break;
    case BG_STRETCH:
        dc.StretchBlt(client.left, client.top, client.Width(), client.Height(), &picture, 0, 0, m_nImageWidth,
                      m_nImageHeight, SRCCOPY);
        break;
    case BG_TILE:
        for (int x = client.left; x < client.right; x += m_nImageWidth)
            for (int y = client.top; y < client.bottom; y += m_nImageHeight)
                dc.BitBlt(x, y, m_nImageWidth, m_nImageHeight, &picture, 0, 0, SRCCOPY);
        break;
    }
}

// Scrolling would move the picture with the text: the whole control is drawn again instead.
void CLumEdit::InvalidatePicture()
{
    if (HasBGImage())
        InvalidateRect(NULL, FALSE);
}

BOOL CLumEdit::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    InvalidatePicture();
    return CEdit::OnMouseWheel(nFlags, zDelta, pt);
}

void CLumEdit::OnSize(UINT nType, int cx, int cy)
{
    InvalidatePicture();
    CEdit::OnSize(nType, cx, cy);
}

void CLumEdit::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    InvalidatePicture();
    CEdit::OnVScroll(nSBCode, nPos, pScrollBar);
}

void CLumEdit::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    InvalidatePicture();
    CEdit::OnHScroll(nSBCode, nPos, pScrollBar);
}

// ---- keyboard and mouse ----------------------------------------------------------------------

// After an Enter a space is typed and erased again.
void CLumEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
    InvalidateRect(NULL, FALSE);
    if (nChar == VK_RETURN && SpaceRoundTripIsSafe())
    {
        PostMessage(WM_KEYDOWN, VK_SPACE, 0);
        PostMessage(WM_KEYDOWN, VK_BACK, 0);
    }
}

// The space and backspace must leave the text as it was: over a selection the space would replace
// it, and where the space is refused (digits only, no room left beside the line break the Enter
// may add) the backspace would take a character of the text.
BOOL CLumEdit::SpaceRoundTripIsSafe() const
{
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    return nStart == nEnd && !(GetStyle() & ES_NUMBER) && (UINT)GetWindowTextLength() + 3 <= GetLimitText();
}

void CLumEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_numeric.IsNumericOnly())
        processCharacter(nChar);
    else
        CEdit::OnChar(nChar, nRepCnt, nFlags);
}

void CLumEdit::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (!m_numeric.IsNumericOnly())
        CEdit::OnRButtonDown(nFlags, point);
}

// The edit's context menu comes with the release, not the press: in numeric mode it would paste,
// cut or undo past the number's rules.
void CLumEdit::OnContextMenu(CWnd* pWnd, CPoint pos)
{
    if (!m_numeric.IsNumericOnly())
        CEdit::OnContextMenu(pWnd, pos);
}

// A paste in numeric mode, however it is asked for, acts as if its text were typed.
LRESULT CLumEdit::OnPaste(WPARAM, LPARAM)
{
    if (!m_numeric.IsNumericOnly())
        return Default();
    CString text;
    if (::IsClipboardFormatAvailable(CF_TEXT) && ::OpenClipboard(m_hWnd))
    {
        if (HANDLE hData = ::GetClipboardData(CF_TEXT))
        {
            if (const char* p = static_cast<const char*>(::GlobalLock(hData)))
                text = p;
            ::GlobalUnlock(hData);
        }
        ::CloseClipboard();
    }
    EditNumericText([&](lumedit::NumericText& t) { return m_numeric.processPaste(t, View(text)); });
    return 0;
}

// In numeric mode only the keys that type a number, erase or move the caret come through; Delete
// is handled here and the others never reach the control or the dialog.
BOOL CLumEdit::PreTranslateMessage(MSG* pMsg)
{
    if (!m_numeric.IsNumericOnly() || pMsg->message != WM_KEYDOWN)
        return CEdit::PreTranslateMessage(pMsg);
    UINT vk = (UINT)pMsg->wParam;
    if (vk == VK_DELETE)
    {
        if (hasSelection())
            deleteSelection();
        else
            processDelete();
        return TRUE;
    }
    if (vk == VK_INSERT || !IsNumericKey(vk))
        return TRUE;
    return CEdit::PreTranslateMessage(pMsg);
}

// The decimal point's key depends on the keyboard layout: it is the key that types it, or the
// keypad's decimal key (whose character, if another, OnChar then ignores).
BOOL CLumEdit::IsNumericKey(UINT vk) const
{
    SHORT decimalKey = ::VkKeyScanA(m_numeric.GetDecimalPoint());
    return vk == VK_OEM_MINUS || vk == VK_OEM_PLUS || (vk >= '0' && vk <= '9') || vk == VK_BACK ||
           (decimalKey != -1 && vk == LOBYTE(decimalKey)) || vk == VK_DECIMAL || (vk >= VK_LEFT && vk <= VK_DOWN) ||
           (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) || vk == VK_ADD || vk == VK_SUBTRACT || vk == VK_HOME ||
           vk == VK_END;
}

// ---- numeric settings ------------------------------------------------------------------------

BOOL CLumEdit::SetNumericOnly(BOOL bNumeric, unsigned int nDecimals, BOOL bCommas)
{
    if (!m_numeric.SetNumericOnly(bNumeric != FALSE, nDecimals, bCommas != FALSE))
        return FALSE;
    LocalSettings();
    return TRUE;
}

void CLumEdit::LocalSettings()
{
    char decimal[100] = "";
    char thousand[100] = "";
    ::GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_SDECIMAL, decimal, sizeof(decimal));
    ::GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_STHOUSAND, thousand, sizeof(thousand));
    m_numeric.LocalSettings(decimal, thousand);
}

BOOL CLumEdit::SetValue(double value)
{
    lumedit::NumericText t;
    if (!m_numeric.SetValue(value, t))
        return FALSE;
    WriteNumericText(t);
    return TRUE;
}

BOOL CLumEdit::SetDecimals(int nDecimals)
{
    int nOld = m_numeric.GetDecimals();
    if (!m_numeric.SetDecimals(nDecimals))
        return FALSE;
    if (!SetValue(GetValue()))
    {
        // The current value would need more than 17 digits: keep showing it as it was.
        m_numeric.SetDecimals(nOld);
        return FALSE;
    }
    return TRUE;
}

void CLumEdit::EnableCommas(BOOL bCommas)
{
    m_numeric.EnableCommas(bCommas != FALSE);
    SetValue(GetValue());
}

void CLumEdit::SetComma(char ch)
{
    m_numeric.SetComma(ch);
    SetValue(GetValue());
}

void CLumEdit::SetDecimalPoint(char ch)
{
    m_numeric.SetDecimalPoint(ch);
    SetValue(GetValue());
}

// ---- numeric editing on the window -----------------------------------------------------------

lumedit::NumericText CLumEdit::ReadNumericText() const
{
    lumedit::NumericText t;
    CString text;
    GetWindowText(text);
    t.text = View(text);
    GetSel(t.selStart, t.selEnd);
    return t;
}

void CLumEdit::WriteNumericText(const lumedit::NumericText& t)
{
    SetWindowText(t.text.c_str());
    SetSel(t.selStart, t.selEnd);   // EM_SETSEL, then EM_SCROLLCARET
}

// `edit` works on the text and selection and says whether the window must show the result.
template <class Edit>
void CLumEdit::EditNumericText(Edit edit)
{
    lumedit::NumericText t = ReadNumericText();
    if (edit(t))
        WriteNumericText(t);
}

void CLumEdit::processCharacter(unsigned int ch)
{
    EditNumericText([&](lumedit::NumericText& t) { return m_numeric.processCharacter(t, ch); });
}

void CLumEdit::processDigit(unsigned int ch)
{
    EditNumericText([&](lumedit::NumericText& t) { m_numeric.processDigit(t, ch); return true; });
}

void CLumEdit::processSign(unsigned int ch)
{
    EditNumericText([&](lumedit::NumericText& t) { m_numeric.processSign(t, ch); return true; });
}

void CLumEdit::processDecimalPoint()
{
    EditNumericText([&](lumedit::NumericText& t) { m_numeric.processDecimalPoint(t); return true; });
}

void CLumEdit::processDelete()
{
    EditNumericText([&](lumedit::NumericText& t) { m_numeric.processDelete(t); return true; });
}

void CLumEdit::processBackspace()
{
    EditNumericText([&](lumedit::NumericText& t) { m_numeric.processBackspace(t); return true; });
}

void CLumEdit::deleteSelection()
{
    EditNumericText([&](lumedit::NumericText& t) { m_numeric.deleteSelection(t); return true; });
}

BOOL CLumEdit::hasSelection() const { return ReadNumericText().hasSelection(); }

void CLumEdit::getStringAndSelection(CString& text, int& caret) const
{
    lumedit::NumericText t = ReadNumericText();
    text = ToCString(t.text);
    caret = t.selStart;
}

void CLumEdit::setStringAndSelection(CString text, int caret)
{
    lumedit::NumericText t;
    m_numeric.setStringAndSelection(t, std::string(View(text)), caret);
    WriteNumericText(t);
}

// ---- the engine's string helpers on CStrings -------------------------------------------------

void CLumEdit::toString(double v, CString& out) const { out = ToCString(m_numeric.toString(v)); }
void CLumEdit::putCommas(CString in, CString& out) const { out = ToCString(m_numeric.putCommas(View(in))); }

void CLumEdit::removeCommas(CString& s) const
{
    std::string t(View(s));
    m_numeric.removeCommas(t);
    s = ToCString(t);
}

void CLumEdit::removeFirstComma(CString& s) const
{
    std::string t(View(s));
    m_numeric.removeFirstComma(t);
    s = ToCString(t);
}

void CLumEdit::getIntegerAndDecimal(CString s, CString& integer, CString& decimals) const
{
    std::string i, d;
    m_numeric.getIntegerAndDecimal(View(s), i, d);
    integer = ToCString(i);
    decimals = ToCString(d);
}

void CLumEdit::deleteCharRight(CString& s, int pos, int n) const
{
    std::string t(View(s));
    lumedit::NumericEngine::deleteCharRight(t, pos, n);
    s = ToCString(t);
}

void CLumEdit::deleteCharLeft(CString& s, int pos, int n) const { deleteCharRight(s, pos - n, n); }

CString CLumEdit::midString(CString s, int start, int count) const
{
    return ToCString(lumedit::NumericEngine::midString(View(s), start, count));
}

BOOL CLumEdit::bIsLeftDecimal(CString s, int pos) const { return m_numeric.bIsLeftDecimal(View(s), pos); }
BOOL CLumEdit::bIsLeftCharacterComma(CString s, int pos) const { return m_numeric.bIsLeftCharacterComma(View(s), pos); }
BOOL CLumEdit::bIsRightCharacterComma(CString s, int pos) const { return m_numeric.bIsRightCharacterComma(View(s), pos); }
BOOL CLumEdit::bIsLeftCharacterDecimal(CString s, int pos) const { return m_numeric.bIsLeftCharacterDecimal(View(s), pos); }
BOOL CLumEdit::bIsRightCharacterDecimal(CString s, int pos) const { return m_numeric.bIsRightCharacterDecimal(View(s), pos); }
BOOL CLumEdit::bIsRightCharacterSign(CString s, int pos) const { return lumedit::NumericEngine::bIsRightCharacterSign(View(s), pos); }
