// afxframe_.h - frame windows and the control bars docked in them.
#pragma once

class CControlBar;

// The dragging and docking state of a control bar; a bar with one can be docked.
class LUMAFX_API CDockContext
{
public:
    explicit CDockContext(CControlBar* pBar) : m_pBar(pBar) {}
    virtual ~CDockContext() {}
    CControlBar* m_pBar;
};

// CControlBar styles
#define CBRS_ALIGN_LEFT   0x1000L
#define CBRS_ALIGN_TOP    0x2000L
#define CBRS_ALIGN_RIGHT  0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY    0xF000L
#define CBRS_TOP          (CBRS_ALIGN_TOP | 0x0200L)
#define CBRS_BOTTOM       (CBRS_ALIGN_BOTTOM | 0x0100L)
#define AFX_IDW_CONTROLBAR_FIRST 0xE800
#define AFX_IDW_TOOLBAR          0xE800
#define AFX_IDW_DOCKBAR_TOP      0xE81B

class LUMAFX_API CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)
public:
    CControlBar();
    virtual ~CControlBar();

    // A plain bar window of the given height across the top of its frame.
    BOOL Create(CWnd* pParentWnd, int nHeight, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                UINT nID = AFX_IDW_TOOLBAR);
    void EnableDocking(DWORD dwDockStyle);
    CFrameWnd* GetDockingFrame() const;
    BOOL IsFloating() const { return FALSE; }
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }

    DWORD m_dwStyle;
    DWORD m_dwDockStyle;
    int m_nHeight;
    CDockContext* m_pDockContext;
};

class LUMAFX_API CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    static const CRect rectDefault;

    CFrameWnd();
    virtual ~CFrameWnd();

    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = NULL, LPCTSTR lpszMenuName = NULL,
                        DWORD dwExStyle = 0, void* pContext = NULL);
    virtual CFrameWnd* GetActiveFrame() { return this; }
    void SetActiveView(CWnd* pViewNew) { m_pViewActive = pViewNew; }
    CWnd* GetActiveView() const { return m_pViewActive; }
    void ActivateFrame(int nCmdShow = -1);
    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle; }
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = NULL);
    virtual void RecalcLayout(BOOL bNotify = TRUE);

protected:
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void PostNcDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);

    DWORD m_dwDockStyle;
    CWnd* m_pViewActive;
    CControlBar* m_pDockedBars[8];
    int m_nDockedBars;

    DECLARE_MESSAGE_MAP()
};
