#include "range/LumSpin.h"

IMPLEMENT_DYNAMIC(CLumSpin, CSpinButtonCtrl)

BEGIN_MESSAGE_MAP(CLumSpin, CSpinButtonCtrl)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_ENABLE()
END_MESSAGE_MAP()

CLumSpin::CLumSpin()
    : m_bHorz(FALSE), m_nState{NONE, NONE}, m_nWidth(0), m_nHeight(0), m_bStripMode(FALSE), m_bCellsAcross(FALSE),
      m_nCellCount(0)
{
}

CLumSpin::~CLumSpin() {}

// ---- skins ---------------------------------------------------------------------------------------

void CLumSpin::SetSkin(UINT nFirstNormal, UINT nFirstPressed, UINT nSecondNormal, UINT nSecondPressed,
                       UINT nFirstHover, UINT nSecondHover, UINT nFirstDisabled, UINT nSecondDisabled)
{
    const UINT ids[2][4] = {
        {nFirstNormal, nFirstHover ? nFirstHover : nFirstNormal, nFirstPressed,
         nFirstDisabled ? nFirstDisabled : nFirstNormal},
        {nSecondNormal, nSecondHover ? nSecondHover : nSecondNormal, nSecondPressed,
         nSecondDisabled ? nSecondDisabled : nSecondNormal},
    };
    for (int nArrow = FIRST; nArrow <= SECOND; nArrow++)
        for (int nState = NORMAL; nState <= DISABLED; nState++)
            m_bmArrow[nArrow][nState].LoadFromResource(MAKEINTRESOURCE(ids[nArrow][nState]));
    SkinLoaded(FALSE);
}

void CLumSpin::SetSkin(CString& strFirstNormal, CString& strFirstPressed, CString& strSecondNormal,
                       CString& strSecondPressed, CString& strFirstHover, CString& strSecondHover,
                       CString& strFirstDisabled, CString& strSecondDisabled)
{
    auto orNormal = [](const CString& strPath, const CString& strNormal) {
        return strPath.IsEmpty() ? strNormal : strPath;
    };
    const CString paths[2][4] = {
        {strFirstNormal, orNormal(strFirstHover, strFirstNormal), strFirstPressed,
         orNormal(strFirstDisabled, strFirstNormal)},
        {strSecondNormal, orNormal(strSecondHover, strSecondNormal), strSecondPressed,
         orNormal(strSecondDisabled, strSecondNormal)},
    };
    for (int nArrow = FIRST; nArrow <= SECOND; nArrow++)
        for (int nState = NORMAL; nState <= DISABLED; nState++)
            m_bmArrow[nArrow][nState].LoadFromFile(paths[nArrow][nState]);
    SkinLoaded(FALSE);
}

void CLumSpin::SetSkin(UINT nFirstStrip, UINT nSecondStrip, int nCellsAcross, int nCount)
{
    m_bmStrip[FIRST].LoadFromResource(MAKEINTRESOURCE(nFirstStrip));
    m_bmStrip[SECOND].LoadFromResource(MAKEINTRESOURCE(nSecondStrip));
    m_bCellsAcross = nCellsAcross;
    m_nCellCount = nCount;
    SkinLoaded(TRUE);
}

void CLumSpin::SetSkin(CString& strFirstStrip, CString& strSecondStrip, int nCellsAcross, int nCount)
{
    m_bmStrip[FIRST].LoadFromFile(strFirstStrip);
    m_bmStrip[SECOND].LoadFromFile(strSecondStrip);
    m_bCellsAcross = nCellsAcross;
    m_nCellCount = nCount;
    SkinLoaded(TRUE);
}

void CLumSpin::SkinLoaded(BOOL bStripMode)
{
    m_bStripMode = bStripMode;
    m_nState[FIRST] = m_nState[SECOND] = NORMAL;
    LayOut();
    Repaint();
}

BOOL CLumSpin::IsSkinned() const
{
    return m_bStripMode ? m_bmStrip[FIRST].IsLoaded() : m_bmArrow[FIRST][NORMAL].IsLoaded();
}

int CLumSpin::GetBMLWidth(BMLOADER& bml)
{
    int nWidth, nHeight;
    bml.GetSize(nWidth, nHeight);
    return nWidth;
}

int CLumSpin::GetBMLHeight(BMLOADER& bml)
{
    int nWidth, nHeight;
    bml.GetSize(nWidth, nHeight);
    return nHeight;
}

// The control's size from its first picture (or strip), then the two halves.
void CLumSpin::LayOut()
{
    BMLOADER& picture = m_bStripMode ? m_bmStrip[FIRST] : m_bmArrow[FIRST][NORMAL];
    int nWidth = GetBMLWidth(picture), nHeight = GetBMLHeight(picture);
    int nAcross = m_bHorz ? 2 * nWidth : nWidth;
    int nDown = m_bHorz ? nHeight : 2 * nHeight;
    if (m_bStripMode && m_bCellsAcross)
        nAcross /= CellCount();
    else if (m_bStripMode)
        nDown /= CellCount();
    m_nWidth = nAcross;
    m_nHeight = nDown;
    if (m_hWnd)
        SetWindowPos(NULL, 0, 0, m_nWidth, m_nHeight, SWP_NOMOVE | SWP_NOZORDER);
    CutHalves();
}

void CLumSpin::CutHalves()
{
    if (m_hWnd)
        GetClientRect(&m_rcClient);
    CRect& first = m_rcArrow[FIRST];
    CRect& second = m_rcArrow[SECOND];
    first = second = m_rcClient;
    if (m_bHorz)
    {
        first.left += m_nWidth / 2;
        second.right -= m_nWidth / 2;
    }
    else
    {
        first.bottom -= m_nHeight / 2;
        second.top += m_nHeight / 2;
    }
}

// ---- window life ---------------------------------------------------------------------------------

// A dialog item subclassed as a spin gets no WM_CREATE: its orientation is read here too.
void CLumSpin::PreSubclassWindow()
{
    CSpinButtonCtrl::PreSubclassWindow();
    m_bHorz = (GetStyle() & UDS_HORZ) != 0;
}

int CLumSpin::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CSpinButtonCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_bHorz = (lpCreateStruct->style & UDS_HORZ) != 0;
    if (IsSkinned())
    {
        LayOut();   // skinned before the window existed
        return 0;
    }
    GetClientRect(&m_rcClient);
    m_nWidth = m_rcClient.Width();
    m_nHeight = m_rcClient.Height();
    CutHalves();
    m_nState[FIRST] = m_nState[SECOND] = NONE;
    return 0;
}

// ---- painting ------------------------------------------------------------------------------------

void CLumSpin::Repaint()
{
    if (m_hWnd)
        InvalidateRect(NULL, TRUE);
}

void CLumSpin::DrawSkin(BMLOADER& bml, HDC hDC, int x, int y, int nSourceX, int nSourceY)
{
    if (!bml.IsLoaded())
        return;
    CDC memDC;
    memDC.CreateCompatibleDC(NULL);
    HGDIOBJ hOld = memDC.SelectObject(bml.GetHandle());
    int nWidth = m_bHorz ? m_nWidth / 2 : m_nWidth;
    int nHeight = m_bHorz ? m_nHeight : m_nHeight / 2;
    ::BitBlt(hDC, x, y, nWidth, nHeight, memDC, nSourceX, nSourceY, SRCCOPY);
    memDC.SelectObject(hOld);
}

// A strip lacking the state's cell shows its first cell.
void CLumSpin::DrawArrow(HDC hDC, int nArrow)
{
    int nState = m_nState[nArrow];
    if (nState == NONE)
        return;
    if (nState < NORMAL || nState > DISABLED)
        nState = NORMAL;
    CPoint at = m_rcArrow[nArrow].TopLeft();
    if (!m_bStripMode)
    {
        DrawSkin(m_bmArrow[nArrow][nState], hDC, at.x, at.y, 0, 0);
        return;
    }
    BMLOADER& strip = m_bmStrip[nArrow];
    int nCell = nState < CellCount() ? nState : NORMAL;
    if (m_bCellsAcross)
        DrawSkin(strip, hDC, at.x, at.y, nCell * GetBMLWidth(strip) / CellCount(), 0);
    else
        DrawSkin(strip, hDC, at.x, at.y, 0, nCell * GetBMLHeight(strip) / CellCount());
}

void CLumSpin::OnPaint()
{
    CPaintDC dc(this);
    DrawArrow(dc, FIRST);
    DrawArrow(dc, SECOND);
}

// ---- mouse ---------------------------------------------------------------------------------------

// The control holds the capture while the pointer is over it, to see it leave.
void CLumSpin::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_nState[FIRST] != DISABLED && m_nState[SECOND] != DISABLED)
    {
        CRect client;
        GetClientRect(&client);
        int nArrow = ArrowAt(point);
        if (::GetCapture() == m_hWnd && client.PtInRect(point))
        {
            if (m_nState[nArrow] == NORMAL)
                m_nState[nArrow] = HOVER;
            m_nState[1 - nArrow] = NORMAL;
            Repaint();
        }
        else if (::GetCapture() == m_hWnd)
        {
            ReleaseCapture();
            for (int& nState : m_nState)
                if (nState != NORMAL)
                {
                    nState = NORMAL;
                    Repaint();
                }
        }
        else
        {
            SetCapture();
            if (m_nState[nArrow] == NORMAL)
                m_nState[nArrow] = HOVER;
            Repaint();
        }
    }
    CSpinButtonCtrl::OnMouseMove(nFlags, point);
}

void CLumSpin::OnLButtonDown(UINT nFlags, CPoint point)
{
    int& nState = m_nState[ArrowAt(point)];
    if (nState != PRESSED && nState != DISABLED)
        nState = PRESSED;
    Repaint();
    CSpinButtonCtrl::OnLButtonDown(nFlags, point);
}

void CLumSpin::OnLButtonUp(UINT nFlags, CPoint point)
{
    int& nState = m_nState[ArrowAt(point)];
    if (nState == PRESSED)
        nState = NORMAL;
    Repaint();
    CSpinButtonCtrl::OnLButtonUp(nFlags, point);
}

void CLumSpin::OnEnable(BOOL bEnable)
{
    CSpinButtonCtrl::OnEnable(bEnable);
    m_nState[FIRST] = m_nState[SECOND] = bEnable ? NORMAL : DISABLED;
    Repaint();
}
