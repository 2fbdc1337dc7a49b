// Range controls page: sliders, spin controls with buddy edits and progress bars, which a button
// sets in motion. Skins drawn by tools/make_range_skins.py.
#include "page.h"
#include "look.h"
#include <LumCtrl.h>

namespace {

enum
{
    IDC_SLIDER_ACTIVE = 3101,
    IDC_SLIDER_PATTERN,
    IDC_SLIDER_VERTICAL,
    IDC_EDIT_EIGHT,
    IDC_SPIN_EIGHT,
    IDC_EDIT_STRIPS,
    IDC_SPIN_STRIPS,
    IDC_EDIT_DISABLED,
    IDC_SPIN_DISABLED,
    IDC_PROGRESS_THREE,
    IDC_PROGRESS_SEVEN,
    IDC_ANIMATE,
};

const UINT_PTR kAnimationTimer = 1;
const UINT kFrameMs = 40;

// Where the page puts things, in its client coordinates.
const int kSpinColumn = 360;
const CRect kPatternPanel(0, 112, 264, 156);
const CRect kStatus(112, 372, 620, 400);

struct Caption
{
    int x, y;
    const char* text;
    bool bHeading;
} const kCaptions[] = {
    {0, 0, "Sliders", true},
    {0, 26, "Channel with an active part, masked thumb", false},
    {0, 90, "Transparent over a pattern", false},
    {288, 26, "Vertical", false},
    {kSpinColumn, 0, "Spin controls", true},
    {kSpinColumn, 26, "Eight pictures", false},
    {kSpinColumn + 140, 26, "Disabled", false},
    {kSpinColumn, 90, "Two strips, side by side", false},
    {0, 200, "Progress bars", true},
    {0, 226, "Three pictures, an indicator and a text", false},
    {0, 288, "Seven pictures, put together at any width", false},
};

// The progress bar's char* setters take writable buffers.
struct ResPathBuffer
{
    explicit ResPathBuffer(LPCTSTR lpszName) : path(ResPath(lpszName)) {}
    operator char*() { return path.GetBuffer(); }
    CString path;
};

class CRangePage : public CGalleryPage
{
protected:
    BOOL OnInitDialog() override;
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg void OnDestroy();
    afx_msg void OnAnimate();
    afx_msg LRESULT OnSliderMoving(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSliderMoved(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSpinDeltaPos(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void CreateSliders();
    void CreateSpins();
    void CreateProgressBars();
    void CreateSpin(CEdit& edit, CLumSpin& spin, UINT nEditID, DWORD dwStyle, int x, int y, int nPos);
    void ShowProgress(int nValue);
    void Report(const CString& strWhat);

    CLumSlider m_sliderActive, m_sliderPattern, m_sliderVertical;
    CEdit m_editEight, m_editStrips, m_editDisabled;
    CLumSpin m_spinEight, m_spinStrips, m_spinDisabled;
    CLumProgressCtrl m_progressThree, m_progressSeven;
    CLumButton m_animate;
    CFont m_captionFont, m_headingFont, m_progressFont;
    CString m_status;
    int m_nFrame = 0;
    BOOL m_bAnimating = FALSE;
};

BEGIN_MESSAGE_MAP(CRangePage, CGalleryPage)
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_ANIMATE, OnAnimate)
    ON_MESSAGE(WM_SLIDER_MOVING, OnSliderMoving)
    ON_MESSAGE(WM_SLIDER_MOVED, OnSliderMoved)
    ON_NOTIFY_RANGE(UDN_DELTAPOS, IDC_SPIN_EIGHT, IDC_SPIN_DISABLED, OnSpinDeltaPos)
END_MESSAGE_MAP()

BOOL CRangePage::OnInitDialog()
{
    CGalleryPage::OnInitDialog();
    look::CreateUiFont(m_captionFont, 13);
    look::CreateUiFont(m_headingFont, 15, FW_BOLD);
    look::CreateUiFont(m_progressFont, 12, FW_BOLD);
    CreateSliders();
    CreateSpins();
    CreateProgressBars();

    LOGFONT title = {};
    title.lfHeight = -12;
    lstrcpyA(title.lfFaceName, "Arial");
    m_animate.Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, CRect(0, 372, 96, 400), this, IDC_ANIMATE);
    m_animate.SetSkin(IDB_PILL_NORMAL, IDB_PILL_HOVER, IDB_PILL_DOWN, IDB_PILL_DISABLED);
    m_animate.SetFont(&title);
    m_animate.SetTextColor(RGB(255, 255, 255));
    m_animate.SetTitle("Animate", CLumButton::HA_CENTER);
    m_status = "Drag a slider, click a spin arrow or press Animate.";
    return TRUE;
}

void CRangePage::CreateSliders()
{
    // A transparent channel takes its mask colour from its top-left pixel, the thumbs magenta.
    const COLORREF kMagenta = RGB(255, 0, 255);
    m_sliderActive.Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 46, 240, 66), this, IDC_SLIDER_ACTIVE);
    m_sliderActive.SetBitmapChannel(ResPath("range_channel.bmp"), ResPath("range_channel_active.bmp"), TRUE);
    m_sliderActive.SetBitmapThumb(ResPath("range_thumb.bmp"), ResPath("range_thumb_active.bmp"), TRUE, kMagenta);
    m_sliderActive.SetPos(35);

    m_sliderPattern.Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(12, 124, 252, 144), this, IDC_SLIDER_PATTERN);
    m_sliderPattern.SetBitmapChannel(ResPath("range_channel.bmp"), CString(), TRUE);
    m_sliderPattern.SetBitmapThumb(ResPath("range_thumb.bmp"), ResPath("range_thumb_active.bmp"), TRUE, kMagenta);
    m_sliderPattern.SetPos(70);

    m_sliderVertical.Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(296, 46, 318, 196), this, IDC_SLIDER_VERTICAL);
    m_sliderVertical.SetVertical();
    m_sliderVertical.SetMargin(0, 2, 0, 2);
    m_sliderVertical.SetBitmapChannel(ResPath("range_vchannel.bmp"), CString(), TRUE);
    m_sliderVertical.SetBitmapThumb(ResPath("range_vthumb.bmp"), CString());
    m_sliderVertical.SetPos(60);
}

void CRangePage::CreateSpin(CEdit& edit, CLumSpin& spin, UINT nEditID, DWORD dwStyle, int x, int y, int nPos)
{
    edit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_RIGHT | ES_NUMBER,
                  CRect(x, y, x + 64, y + 22), this, nEditID);
    edit.SetFont(GetFont());
    spin.Create(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS | dwStyle,
                CRect(x + 65, y, x + 81, y + 22), this, nEditID + 1);
    spin.SetBuddy(&edit);
    spin.SetRange(0, 100);
    spin.SetPos(nPos);
}

void CRangePage::CreateSpins()
{
    CString eight[8] = {ResPath("range_spin_up_normal.bmp"),   ResPath("range_spin_up_pressed.bmp"),
                        ResPath("range_spin_down_normal.bmp"), ResPath("range_spin_down_pressed.bmp"),
                        ResPath("range_spin_up_hover.bmp"),    ResPath("range_spin_down_hover.bmp"),
                        ResPath("range_spin_up_disabled.bmp"), ResPath("range_spin_down_disabled.bmp")};
    CreateSpin(m_editEight, m_spinEight, IDC_EDIT_EIGHT, 0, kSpinColumn, 46, 12);
    m_spinEight.SetSkin(eight[0], eight[1], eight[2], eight[3], eight[4], eight[5], eight[6], eight[7]);

    CreateSpin(m_editDisabled, m_spinDisabled, IDC_EDIT_DISABLED, 0, kSpinColumn + 140, 46, 7);
    m_spinDisabled.SetSkin(eight[0], eight[1], eight[2], eight[3], eight[4], eight[5], eight[6], eight[7]);
    m_editDisabled.EnableWindow(FALSE);
    m_spinDisabled.EnableWindow(FALSE);

    // Horizontal: the right arrow counts up.
    CreateSpin(m_editStrips, m_spinStrips, IDC_EDIT_STRIPS, UDS_HORZ, kSpinColumn, 110, 50);
    CString right = ResPath("range_spin_strip_right.bmp"), left = ResPath("range_spin_strip_left.bmp");
    m_spinStrips.SetSkin(right, left, TRUE, 4);
}

void CRangePage::CreateProgressBars()
{
    m_progressThree.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 246, 240, 262), this, IDC_PROGRESS_THREE);
    m_progressThree.SetSkin(ResPathBuffer("range_progress_back.bmp"), ResPathBuffer("range_progress_bar.bmp"),
                            ResPathBuffer("range_progress_indicator.bmp"));
    m_progressThree.SetBarMargin(5, 5);
    m_progressThree.SetTextFont(&m_progressFont);
    m_progressThree.SetTextColor(RGB(30, 40, 60));

    // The pieces are put together when the window takes its size.
    m_progressSeven.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 308, 1, 326), this, IDC_PROGRESS_SEVEN);
    m_progressSeven.SetSkin(ResPathBuffer("range_progress_back_left.bmp"), ResPathBuffer("range_progress_back_middle.bmp"),
                            ResPathBuffer("range_progress_back_right.bmp"), ResPathBuffer("range_progress_bar_left.bmp"),
                            ResPathBuffer("range_progress_bar_middle.bmp"), ResPathBuffer("range_progress_bar_right.bmp"),
                            NULL);
    m_progressSeven.SetWindowPos(NULL, 0, 0, 460, 18, SWP_NOMOVE | SWP_NOZORDER);
    m_progressSeven.SetTextFont(&m_progressFont);
    m_progressSeven.SetTextColor(RGB(20, 40, 70));
    m_progressSeven.SetTextAlign(1, 6);
    m_progressSeven.SetTextMargin(10, 0);
    ShowProgress(m_sliderActive.GetPos());
}

void CRangePage::ShowProgress(int nValue)
{
    CString text;
    text.Format("%d %%", nValue);
    m_progressThree.SetValue(nValue, false);
    m_progressThree.SetText(text, true);
    text.Format("Copying %d of 100 files", nValue);
    m_progressSeven.SetValue(nValue, false);
    m_progressSeven.SetText(text, true);
}

void CRangePage::OnPaint()
{
    CPaintDC dc(this);
    for (const Caption& caption : kCaptions)
        look::DrawLabel(dc, caption.bHeading ? m_headingFont : m_captionFont,
                        caption.bHeading ? look::kHeading : look::kMuted, caption.text,
                        CRect(caption.x, caption.y, caption.x + 300, caption.y + 20), DT_SINGLELINE | DT_VCENTER);

    // A striped panel for the transparent slider to show through.
    CBrush stripes;
    stripes.CreateHatchBrush(HS_BDIAGONAL, RGB(198, 170, 120));
    COLORREF oldBk = dc.SetBkColor(RGB(246, 236, 210));
    dc.FillRect(&kPatternPanel, &stripes);
    dc.SetBkColor(oldBk);
    CBrush frame;
    frame.CreateSolidBrush(RGB(198, 170, 120));
    dc.FrameRect(&kPatternPanel, &frame);

    look::DrawLabel(dc, m_captionFont, look::kPanelText, m_status, kStatus, DT_SINGLELINE | DT_VCENTER);
}

void CRangePage::Report(const CString& strWhat)
{
    m_status = strWhat;
    InvalidateRect(&kStatus);
}

LRESULT CRangePage::OnSliderMoving(WPARAM wParam, LPARAM lParam)
{
    if (wParam == IDC_SLIDER_ACTIVE)
        ShowProgress((int)lParam);
    return 0;
}

LRESULT CRangePage::OnSliderMoved(WPARAM wParam, LPARAM lParam)
{
    static const char* const names[] = {"Active channel", "Transparent", "Vertical"};
    CString text;
    text.Format("%s slider moved to %d", names[wParam - IDC_SLIDER_ACTIVE], (int)lParam);
    Report(text);
    if (wParam == IDC_SLIDER_ACTIVE)
        ShowProgress((int)lParam);
    return 0;
}

void CRangePage::OnSpinDeltaPos(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMUPDOWN* pUpDown = reinterpret_cast<NMUPDOWN*>(pNMHDR);
    CString text;
    text.Format("Spin %s: %d %+d", nID == IDC_SPIN_STRIPS ? "with strips" : "with eight pictures", pUpDown->iPos,
                pUpDown->iDelta);
    Report(text);
    *pResult = 0;
}

void CRangePage::OnAnimate()
{
    m_bAnimating = !m_bAnimating;
    if (m_bAnimating)
        SetTimer(kAnimationTimer, kFrameMs, NULL);
    else
        KillTimer(kAnimationTimer);
    m_animate.SetTitle(m_bAnimating ? "Stop" : "Animate", CLumButton::HA_CENTER);
}

// One frame: everything sweeps to and fro.
void CRangePage::OnTimer(UINT nIDEvent)
{
    if (nIDEvent != kAnimationTimer)
    {
        CGalleryPage::OnTimer(nIDEvent);
        return;
    }
    m_nFrame = (m_nFrame + 1) % 200;
    int nValue = m_nFrame <= 100 ? m_nFrame : 200 - m_nFrame;
    m_sliderActive.SetPos(nValue);
    m_sliderPattern.SetPos(100 - nValue);
    m_sliderVertical.SetPos(nValue);
    m_spinEight.SetPos(nValue);
    m_spinStrips.SetPos(100 - nValue);
    ShowProgress(nValue);
}

void CRangePage::OnDestroy()
{
    KillTimer(kAnimationTimer);
    CGalleryPage::OnDestroy();
}

}  // namespace

CGalleryPage* CreateRangePage() { return new CRangePage; }
