// Check boxes and edit page: check boxes with a tooltip, two radio groups, a disabled pair, numeric
// edits with 0, 2 and 4 decimals, and edits over a picture at its natural size, stretched and tiled.
#include "page.h"
#include "look.h"
#include <LumCtrl.h>
#include <memory>

namespace {

enum
{
    IDC_BOLD = 3201,
    IDC_ITALIC,
    IDC_UNDERLINE,
    IDC_SMALL,
    IDC_MEDIUM,
    IDC_LARGE,
    IDC_METRIC,
    IDC_IMPERIAL,
    IDC_LOCKED_ON,
    IDC_LOCKED_OFF,
    IDC_NUMBER_FIRST,
    IDC_NUMBER_LAST = IDC_NUMBER_FIRST + 2,
    IDC_PICTURE_FIRST,
};

const int kControlsX = 170;
const int kColumn = 120;   // between the boxes of a row

// Captions of the rows, at their left edge.
struct Row
{
    int y;
    const char* caption;
} const kRows[] = {
    {10, "Check boxes"}, {42, "Radio group"}, {74, "Second group"}, {106, "Disabled"},
    {150, "Numbers"},    {226, "Pictures"},
};

// One box: its row, its column, its caption and how it starts.
struct Box
{
    UINT nID;
    int row, column;
    const char* caption;
    bool radio, group, checked, disabled;
} const kBoxes[] = {
    {IDC_BOLD, 0, 0, "Bold", false, true, true, false},
    {IDC_ITALIC, 0, 1, "Italic", false, false, false, false},
    {IDC_UNDERLINE, 0, 2, "Underline", false, false, false, false},
    {IDC_SMALL, 1, 0, "Small", true, true, false, false},
    {IDC_MEDIUM, 1, 1, "Medium", true, false, true, false},
    {IDC_LARGE, 1, 2, "Large", true, false, false, false},
    {IDC_METRIC, 2, 0, "Metric", true, true, true, false},
    {IDC_IMPERIAL, 2, 1, "Imperial", true, false, false, false},
    {IDC_LOCKED_ON, 3, 0, "Locked on", false, true, true, true},
    {IDC_LOCKED_OFF, 3, 1, "Locked off", false, false, false, true},
};
const int kBoxCount = sizeof(kBoxes) / sizeof(kBoxes[0]);

// The numeric edits, each with its format, first value, colours and the note under it.
struct Number
{
    unsigned nDecimals;
    BOOL bCommas;
    double value;
    COLORREF background, text;
    const char* note;
} const kNumbers[] = {
    {0, TRUE, 1234567, RGB(255, 255, 255), look::kHeading, "No decimals"},
    {2, TRUE, 1234.56, RGB(255, 255, 255), look::kHeading, "Two decimals"},
    {4, FALSE, 3.1416, RGB(255, 251, 230), look::kAccent, "Four, ungrouped"},
};

// The edits over pictures: the picture, its layout and the text in the edit.
struct Picture
{
    const char* file;
    int style;
    int x, width;
    const char* text;
} const kPictures[] = {
    {"edit_field.bmp", CLumEdit::BG_NATURAL, 0, 160, "Natural size"},
    {"edit_wash.bmp", CLumEdit::BG_STRETCH, 176, 140, "Stretched"},
    {"edit_paper.bmp", CLumEdit::BG_TILE, 332, 130, "Tiled"},
};

const int kFieldHeight = 24;
const CRect kReportRect(16, 300, 620, 320);

class CCheckEditPage : public CGalleryPage
{
protected:
    BOOL OnInitDialog() override;
    afx_msg void OnPaint();
    afx_msg void OnBox(UINT nID);
    afx_msg void OnNumber(UINT nID);
    DECLARE_MESSAGE_MAP()

private:
    void CreateBox(int i, LOGFONT font);
    void CreateNumber(int i, const LOGFONT& font);
    void CreatePicture(int i, const LOGFONT& font);
    void Report(const CString& text);

    std::unique_ptr<CLumCheckButton> m_boxes[kBoxCount];
    CLumEdit m_numbers[3];
    CLumEdit m_pictures[3];
    CFont m_captionFont;
    CString m_report;
};

BEGIN_MESSAGE_MAP(CCheckEditPage, CGalleryPage)
    ON_WM_PAINT()
    ON_CONTROL_RANGE(BN_CLICKED, IDC_BOLD, IDC_LOCKED_OFF, OnBox)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_NUMBER_FIRST, IDC_NUMBER_LAST, OnNumber)
END_MESSAGE_MAP()

// The gallery's own typeface for captions and the text in the edits.
LOGFONT UiFont()
{
    LOGFONT lf = {};
    lf.lfHeight = -13;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = ANTIALIASED_QUALITY;
    lstrcpynA(lf.lfFaceName, "Tahoma", LF_FACESIZE);
    return lf;
}

BOOL CCheckEditPage::OnInitDialog()
{
    CGalleryPage::OnInitDialog();
    look::CreateUiFont(m_captionFont, 13);
    LOGFONT font = UiFont();
    for (int i = 0; i < kBoxCount; i++)
        CreateBox(i, font);
    m_boxes[0]->SetToolTipText("Check boxes and radio buttons carry tooltips");
    for (int i = 0; i < 3; i++)
        CreateNumber(i, font);
    for (int i = 0; i < 3; i++)
        CreatePicture(i, font);
    m_report = "Hover Bold for its tooltip; click a box or type a number and the page hears of it here.";
    return TRUE;
}

void CCheckEditPage::CreateBox(int i, LOGFONT font)
{
    const Box& box = kBoxes[i];
    if (box.radio)
        m_boxes[i] = std::make_unique<CLumRadioButton>();
    else
        m_boxes[i] = std::make_unique<CLumCheckBox>();
    CLumCheckButton& control = *m_boxes[i];
    CRect rect(CPoint(kControlsX + box.column * kColumn, kRows[box.row].y + 2), CSize(kColumn - 8, 22));
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (box.group ? WS_GROUP : 0) | (box.disabled ? WS_DISABLED : 0);
    control.Create(box.caption, style, rect, this, box.nID);
    control.SetSkin(ResPath(box.radio ? "radio_strip.bmp" : "check_strip.bmp"));
    control.SetFont(&font);
    control.SetTextColor(look::kPanelText);
    control.SetCheck(box.checked ? BST_CHECKED : BST_UNCHECKED);
}

void CCheckEditPage::CreateNumber(int i, const LOGFONT& font)
{
    const Number& number = kNumbers[i];
    CLumEdit& edit = m_numbers[i];
    CRect rect(CPoint(kControlsX + i * 156, kRows[4].y), CSize(140, kFieldHeight));
    edit.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_RIGHT | ES_AUTOHSCROLL, rect, this,
                IDC_NUMBER_FIRST + i);
    edit.SetFont(&font);
    edit.SetBGColor(number.background);
    edit.SetTextColor(number.text);
    edit.SetNumericOnly(TRUE, number.nDecimals, number.bCommas);
    edit.SetValue(number.value);
}

void CCheckEditPage::CreatePicture(int i, const LOGFONT& font)
{
    const Picture& picture = kPictures[i];
    CLumEdit& edit = m_pictures[i];
    CRect rect(CPoint(kControlsX + picture.x, kRows[5].y), CSize(picture.width, kFieldHeight));
    // Multi-line, so that the line can sit in the middle of the field, inside its frame.
    edit.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOHSCROLL, rect, this, IDC_PICTURE_FIRST + i);
    edit.SetFont(&font);
    edit.SetTextColor(look::kHeading);
    edit.SetBGStyle(picture.style);
    edit.SetBGImage(ResPath(picture.file));
    CRect client;
    edit.GetClientRect(&client);
    edit.SetRect(CRect(7, 4, client.right - 7, client.bottom));
    edit.SetWindowText(picture.text);
}

void CCheckEditPage::OnPaint()
{
    CPaintDC dc(this);
    for (const Row& row : kRows)
        look::DrawLabel(dc, m_captionFont, look::kPanelText, row.caption, CRect(16, row.y, kControlsX - 10, row.y + 26),
                        DT_SINGLELINE | DT_VCENTER);
    for (int i = 0; i < 3; i++)
    {
        CRect note(CPoint(kControlsX + i * 156, kRows[4].y + kFieldHeight + 4), CSize(140, 18));
        look::DrawLabel(dc, m_captionFont, look::kMuted, kNumbers[i].note, note, DT_SINGLELINE | DT_RIGHT);
    }
    look::DrawLabel(dc, m_captionFont, look::kMuted, m_report, kReportRect, DT_SINGLELINE);
}

void CCheckEditPage::OnBox(UINT nID)
{
    const Box& box = kBoxes[nID - IDC_BOLD];
    CString text = box.caption;
    text += IsDlgButtonChecked(nID) ? ": checked" : ": unchecked";
    Report(text);
}

void CCheckEditPage::OnNumber(UINT nID)
{
    int i = nID - IDC_NUMBER_FIRST;
    CString text;
    text.Format("%s: the value is %.*f", kNumbers[i].note, (int)kNumbers[i].nDecimals, m_numbers[i].GetValue());
    Report(text);
}

void CCheckEditPage::Report(const CString& text)
{
    m_report = text;
    InvalidateRect(&kReportRect);
}

}  // namespace

CGalleryPage* CreateCheckEditPage() { return new CCheckEditPage; }
