// CFrameWnd and CControlBar: a frame window with bars docked along its top edge.
#include "afximpl.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

CControlBar::CControlBar() : m_dwStyle(0), m_dwDockStyle(0), m_nHeight(0), m_pDockContext(nullptr) {}

CControlBar::~CControlBar()
{
    delete m_pDockContext;
}

BOOL CControlBar::Create(CWnd* pParentWnd, int nHeight, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALIGN_ANY;
    m_nHeight = nHeight;
    CRect rect;
    pParentWnd->GetClientRect(&rect);
    rect.bottom = rect.top + nHeight;
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    return CWnd::Create(lpszClass, NULL, (dwStyle & ~CBRS_ALIGN_ANY & ~0x0300L) | WS_CHILD | WS_CLIPCHILDREN,
                        rect, pParentWnd, nID);
}

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle;
    if (dwDockStyle && !m_pDockContext)
        m_pDockContext = new CDockContext(this);
}

CFrameWnd* CControlBar::GetDockingFrame() const { return GetParentFrame(); }

CSize CControlBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    CRect rect;
    if (CWnd* pParent = GetParent())
        pParent->GetClientRect(&rect);
    return bHorz ? CSize(rect.Width(), m_nHeight) : CSize(m_nHeight, rect.Height());
}

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

CFrameWnd::CFrameWnd() : m_dwDockStyle(0), m_pViewActive(nullptr), m_pDockedBars(), m_nDockedBars(0) {}
CFrameWnd::~CFrameWnd() {}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
    return TRUE;
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle, void* pContext)
{
    HMENU hMenu = lpszMenuName ? ::LoadMenuA(AfxFindResourceHandle(lpszMenuName, RT_MENU), lpszMenuName) : NULL;
    int cx = rect.right == 0 && rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.right - rect.left;
    int cy = rect.bottom == 0 && rect.top == CW_USEDEFAULT ? CW_USEDEFAULT : rect.bottom - rect.top;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, cx, cy,
                  pParentWnd->GetSafeHwnd(), hMenu, pContext))
    {
        if (hMenu)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    ShowWindow(nCmdShow == -1 ? SW_SHOW : nCmdShow);
    BringWindowToTop();
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT, LPCRECT)
{
    if (m_nDockedBars < (int)(sizeof(m_pDockedBars) / sizeof(m_pDockedBars[0])))
        m_pDockedBars[m_nDockedBars++] = pBar;
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    RecalcLayout();
}

void CFrameWnd::RecalcLayout(BOOL)
{
    CRect client;
    GetClientRect(&client);
    int y = 0;
    for (int i = 0; i < m_nDockedBars; i++)
    {
        CSize size = m_pDockedBars[i]->CalcFixedLayout(TRUE, TRUE);
        m_pDockedBars[i]->SetWindowPos(NULL, 0, y, client.Width(), size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        y += size.cy;
    }
    if (m_pViewActive && m_pViewActive->m_hWnd)
        m_pViewActive->SetWindowPos(NULL, 0, y, client.Width(), client.Height() - y, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive && m_pViewActive->m_hWnd)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::PostNcDestroy()
{
    delete this;   // frames live on the heap and go with their window, as in MFC
}

CFrameWnd* CWnd::GetParentFrame() const
{
    for (CWnd* pParent = GetParent(); pParent; pParent = pParent->GetParent())
        if (pParent->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return static_cast<CFrameWnd*>(pParent);
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    CFrameWnd* pFrame = IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? (CFrameWnd*)this : GetParentFrame();
    while (pFrame)
    {
        CFrameWnd* pParent = pFrame->GetParentFrame();
        if (!pParent)
            break;
        pFrame = pParent;
    }
    return pFrame;
}
