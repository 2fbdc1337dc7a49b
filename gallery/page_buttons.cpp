// Buttons page: push buttons in every kind of skin, live under the mouse.
#include "page.h"
#include "look.h"
#include <LumCtrl.h>

namespace {

enum
{
    IDC_PILL = 3001,
    IDC_PILL_DISABLED,
    IDC_TOGGLE,
    IDC_PLAY,
    IDC_WIDE,
    IDC_ROUND,
    IDC_TOOL_FIRST,
    IDC_TOOL_LAST = IDC_TOOL_FIRST + 2,
};

class CButtonsPage : public CGalleryPage
{
protected:
    BOOL OnInitDialog() override;
    afx_msg void OnPaint();
    afx_msg void OnToggle();
    afx_msg void OnAnyButton(UINT nID);
    DECLARE_MESSAGE_MAP()

private:
    void Place(CLumButton& button, UINT nID, int x, int y, int cx, int cy);
    void Report(LPCTSTR lpszWhat);

    CLumButton m_pill, m_pillDisabled, m_toggle, m_play, m_wide, m_round;
    CLumButton m_tools[3];
    CFont m_captionFont;
    CString m_lastClick;
};

BEGIN_MESSAGE_MAP(CButtonsPage, CGalleryPage)
    ON_WM_PAINT()
    ON_BN_CLICKED(IDC_TOGGLE, OnToggle)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_PILL, IDC_TOOL_LAST, OnAnyButton)
END_MESSAGE_MAP()

// Captions of the rows, at their left edge.
struct Row
{
    int y;
    const char* caption;
} const kRows[] = {
    {10, "Four pictures"},
    {60, "Toggle"},
    {110, "Strips"},
    {190, "Outline from the mask"},
    {254, "Toolbar"},
};
const int kControlsX = 170;

void CButtonsPage::Place(CLumButton& button, UINT nID, int x, int y, int cx, int cy)
{
    button.Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, CRect(x, y, x + cx, y + cy), this, nID);
}

BOOL CButtonsPage::OnInitDialog()
{
    CGalleryPage::OnInitDialog();
    look::CreateUiFont(m_captionFont, 13);
    LOGFONT title = {};
    title.lfHeight = -12;
    lstrcpyA(title.lfFaceName, "Arial");

    Place(m_pill, IDC_PILL, kControlsX, 10, 96, 28);
    m_pill.SetSkin(IDB_PILL_NORMAL, IDB_PILL_HOVER, IDB_PILL_DOWN, IDB_PILL_DISABLED);
    m_pill.SetFont(&title);
    m_pill.SetTextColor(RGB(255, 255, 255));
    m_pill.SetTitle("Play", CLumButton::HA_CENTER);

    Place(m_pillDisabled, IDC_PILL_DISABLED, kControlsX + 110, 10, 96, 28);
    m_pillDisabled.SetSkin(IDB_PILL_NORMAL, IDB_PILL_HOVER, IDB_PILL_DOWN, IDB_PILL_DISABLED);
    m_pillDisabled.SetFont(&title);
    m_pillDisabled.SetTextColor(RGB(250, 250, 250));
    m_pillDisabled.SetTitle("Disabled", CLumButton::HA_CENTER);
    m_pillDisabled.EnableWindow(FALSE);

    Place(m_toggle, IDC_TOGGLE, kControlsX, 60, 96, 28);
    m_toggle.SetSkin(IDB_PILL_NORMAL, IDB_PILL_HOVER, IDB_PILL_DOWN, IDB_PILL_DISABLED);
    m_toggle.SetToggle(TRUE);
    m_toggle.SetFont(&title);
    m_toggle.SetTextColor(RGB(255, 255, 255));
    m_toggle.SetTitle("Sound off", CLumButton::HA_CENTER);

    CString play = ResPath("btn_play_strip.bmp");
    Place(m_play, IDC_PLAY, kControlsX, 110, 28, 28);
    m_play.SetSkin(play, FALSE, 4);

    CString wide = ResPath("btn_wide_strip.bmp");
    Place(m_wide, IDC_WIDE, kControlsX + 50, 110, 88, 26);
    m_wide.SetFont(&title);
    m_wide.SetTextColor(RGB(255, 255, 255));
    m_wide.SetSkin(wide, TRUE, 4, "Continue");
    m_wide.SetTitle("Continue", CLumButton::HA_CENTER);

    CString round = ResPath("btn_round_strip.bmp");
    Place(m_round, IDC_ROUND, kControlsX, 180, 48, 48);
    m_round.SetSkin(round, FALSE, 4);

    CString tool = ResPath("btn_tool.bmp");
    for (int i = 0; i < 3; i++)
    {
        Place(m_tools[i], IDC_TOOL_FIRST + i, kControlsX + i * 26, 256, 24, 24);
        m_tools[i].SetSkin(tool, TRUE, 1);
        m_tools[i].SetToolBarBtn(TRUE);
    }
    m_lastClick = "Click a button.";
    return TRUE;
}

void CButtonsPage::OnPaint()
{
    CPaintDC dc(this);
    for (const Row& row : kRows)
        look::DrawLabel(dc, m_captionFont, look::kPanelText, row.caption, CRect(16, row.y, kControlsX - 10, row.y + 28),
                        DT_SINGLELINE | DT_VCENTER);
    look::DrawLabel(dc, m_captionFont, look::kMuted, m_lastClick, CRect(16, 310, 560, 330), DT_SINGLELINE);
}

void CButtonsPage::OnToggle()
{
    // A toggle button shows what its parent decides.
    if (m_toggle.GetToggleState())
    {
        m_toggle.SetButtonUp();
        m_toggle.SetTitle("Sound off", CLumButton::HA_CENTER);
    }
    else
    {
        m_toggle.SetButtonDown();
        m_toggle.SetTitle("Sound on", CLumButton::HA_CENTER);
    }
    Report(m_toggle.GetToggleState() ? "Toggle: down" : "Toggle: up");
}

void CButtonsPage::OnAnyButton(UINT nID)
{
    static const char* const names[] = {"Play", "Disabled", "Toggle", "Play strip", "Continue", "Round",
                                        "Toolbar 1", "Toolbar 2", "Toolbar 3"};
    if (nID != IDC_TOGGLE)
        Report(CString("Clicked: ") + names[nID - IDC_PILL]);
}

void CButtonsPage::Report(LPCTSTR lpszWhat)
{
    m_lastClick = lpszWhat;
    InvalidateRect(CRect(16, 310, 560, 330));
}

}  // namespace

CGalleryPage* CreateButtonsPage() { return new CButtonsPage; }
