#include "gallery_dlg.h"
#include "look.h"
#include "pages.h"
#include "shots.h"

#define GALLERY_DECLARE_FACTORY(id, title) CGalleryPage* Create##id##Page();
GALLERY_PAGES(GALLERY_DECLARE_FACTORY)

namespace {

struct PageEntry
{
    LPCTSTR pszTitle;
    CGalleryPage* (*pfnCreate)();
};

#define GALLERY_PAGE_ENTRY(id, title) {title, &Create##id##Page},
const PageEntry kPages[] = {GALLERY_PAGES(GALLERY_PAGE_ENTRY)};
constexpr int kPageCount = sizeof(kPages) / sizeof(kPages[0]);

// Layout, in pixels of the client area.
constexpr int kClientWidth = 900;
constexpr int kClientHeight = 600;
constexpr int kBandHeight = 64;
constexpr int kPanelWidth = 210;
constexpr int kPanelPadding = 12;
constexpr int kEntryHeight = 34;
constexpr int kMargin = 24;
constexpr int kHeadingHeight = 32;
constexpr int kRuleGap = 8;

const UINT WM_TAKE_SHOTS = WM_APP + 1;

}  // namespace

BEGIN_MESSAGE_MAP(CGalleryDlg, CDialog)
    ON_WM_PAINT()
    ON_LBN_SELCHANGE(IDC_PAGE_LIST, OnPageSelChange)
    ON_MESSAGE(WM_TAKE_SHOTS, OnTakeShots)
END_MESSAGE_MAP()

CGalleryDlg::CGalleryDlg(LPCTSTR lpszShotsDir)
    : CDialog(IDD_GALLERY), m_strShotsDir(lpszShotsDir), m_bShotsSaved(FALSE), m_nCurrent(-1), m_pages(kPageCount)
{
}

CGalleryDlg::~CGalleryDlg() = default;

void CGalleryDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PAGE_LIST, m_selector);
}

BOOL CGalleryDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    look::CreateUiFont(m_fontTitle, 22, FW_BOLD);
    look::CreateUiFont(m_fontSubtitle, 13);
    look::CreateUiFont(m_fontHeading, 20, FW_BOLD);
    Layout();
    for (const PageEntry& page : kPages)
        m_selector.AddString(page.pszTitle);
    ShowPage(0);
    m_selector.SetFocus();
    if (!m_strShotsDir.IsEmpty())
        PostMessage(WM_TAKE_SHOTS);
    return FALSE;   // the focus is set
}

void CGalleryDlg::Layout()
{
    CRect window(0, 0, kClientWidth, kClientHeight);
    ::AdjustWindowRectEx(&window, GetStyle(), FALSE, GetExStyle());
    SetWindowPos(NULL, 0, 0, window.Width(), window.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CenterWindow();

    m_selector.MoveWindow(0, kBandHeight + kPanelPadding, kPanelWidth, kClientHeight - kBandHeight - kPanelPadding);
    m_selector.SetItemHeight(0, kEntryHeight);
}

CRect CGalleryDlg::HeadingRect() const
{
    int top = kBandHeight + kMargin - 6;
    return CRect(kPanelWidth + kMargin, top, kClientWidth - kMargin, top + kHeadingHeight);
}

CRect CGalleryDlg::PageRect() const
{
    CRect heading = HeadingRect();
    return CRect(heading.left, heading.bottom + 2 * kRuleGap, heading.right, kClientHeight - kMargin);
}

CGalleryPage* CGalleryDlg::PageAt(int nPage)
{
    std::unique_ptr<CGalleryPage>& page = m_pages[nPage];
    if (!page)
    {
        // A new page takes the focus when its dialog initialises; give it back.
        HWND hFocus = ::GetFocus();
        std::unique_ptr<CGalleryPage> created(kPages[nPage].pfnCreate());
        if (!created->CreatePage(this))
            return NULL;
        created->MoveWindow(PageRect());
        page = std::move(created);
        if (hFocus)
            ::SetFocus(hFocus);
    }
    return page.get();
}

void CGalleryDlg::ShowPage(int nPage)
{
    if (nPage == m_nCurrent)
        return;
    CGalleryPage* pPage = PageAt(nPage);
    if (m_nCurrent >= 0 && m_pages[m_nCurrent])
        m_pages[m_nCurrent]->ShowWindow(SW_HIDE);
    m_nCurrent = nPage;
    m_selector.SetCurSel(nPage);
    if (pPage)
        pPage->ShowWindow(SW_SHOW);
    CRect heading = HeadingRect();
    heading.bottom += kRuleGap + 1;
    InvalidateRect(&heading);
}

void CGalleryDlg::OnPageSelChange()
{
    int nPage = m_selector.GetCurSel();
    if (nPage >= 0)
        ShowPage(nPage);
}

void CGalleryDlg::OnPaint()
{
    CPaintDC dc(this);
    CRect band(0, 0, kClientWidth, kBandHeight);
    dc.FillSolidRect(&band, look::kBand);
    band.DeflateRect(kMargin, 0);
    look::DrawLabel(dc, m_fontTitle, look::kBandText, "LumCtrl Gallery", band, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    look::DrawLabel(dc, m_fontSubtitle, look::kBandSubtext, "Skinned controls for MFC dialogs", band,
                    DT_RIGHT | DT_VCENTER | DT_SINGLELINE);

    // The strip of the panel above the page selector.
    dc.FillSolidRect(0, kBandHeight, kPanelWidth, kPanelPadding, look::kPanel);

    CRect heading = HeadingRect();
    if (m_nCurrent >= 0)
        look::DrawLabel(dc, m_fontHeading, look::kHeading, kPages[m_nCurrent].pszTitle, heading,
                        DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    dc.FillSolidRect(heading.left, heading.bottom + kRuleGap, heading.Width(), 1, look::kRule);
}

LRESULT CGalleryDlg::OnTakeShots(WPARAM, LPARAM)
{
    ShowWindow(SW_SHOWNORMAL);
    m_bShotsSaved = TRUE;
    for (int nPage = 0; nPage < kPageCount; ++nPage)
    {
        ShowPage(nPage);
        DispatchPending();
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        if (!SaveWindowBitmap(this, ShotPath(m_strShotsDir, nPage, kPages[nPage].pszTitle)))
            m_bShotsSaved = FALSE;
    }
    EndDialog(IDCANCEL);
    return 0;
}
