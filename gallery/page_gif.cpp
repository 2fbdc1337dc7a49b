// GIF page: the animated spinner at its own pace and slowed down, with Start and Stop; a still GIF,
// a bitmap, and part of a picture through a paint rectangle.
#include "page.h"
#include "look.h"
#include <LumCtrl.h>

namespace {

enum
{
    IDC_GIF_START = 3101,
    IDC_GIF_STOP,
    IDC_GIF_FIRST_PICTURE,
};

enum Picture { kSpinner, kSlowSpinner, kStill, kBitmap, kPart, kPictureCount };

// Each picture and where it goes: captions on the left, pictures from kPicturesX on.
struct Place
{
    const char* file;
    int x, y;
    const char* caption;  // of its row, or NULL
} const kPlaces[kPictureCount] = {
    {"spinner.gif", 0, 10, "Animated GIF"},
    {"spinner.gif", 44, 10, NULL},
    {"still.gif", 0, 70, "Still GIF"},
    {"badge.bmp", 0, 140, "Bitmap"},
    {"badge.bmp", 0, 226, "Paint rectangle"},
};
const int kPicturesX = 170;
const RECT kPartRect = {24, 12, 72, 52};  // the sun of badge.bmp
const CRect kNoteRect(16, 300, 560, 320);

class CGifPage : public CGalleryPage
{
protected:
    BOOL OnInitDialog() override;
    afx_msg void OnPaint();
    afx_msg void OnStart();
    afx_msg void OnStop();
    DECLARE_MESSAGE_MAP()

private:
    void AddButton(CButton& button, LPCTSTR lpszCaption, int x, UINT nID);

    CLumGifCtrl m_pictures[kPictureCount];
    CButton m_start, m_stop;
    CFont m_captionFont;
};

BEGIN_MESSAGE_MAP(CGifPage, CGalleryPage)
    ON_WM_PAINT()
    ON_BN_CLICKED(IDC_GIF_START, OnStart)
    ON_BN_CLICKED(IDC_GIF_STOP, OnStop)
END_MESSAGE_MAP()

BOOL CGifPage::OnInitDialog()
{
    CGalleryPage::OnInitDialog();
    look::CreateUiFont(m_captionFont, 13);
    for (int i = 0; i < kPictureCount; ++i)
    {
        // Loading gives the window the picture's size.
        CPoint at(kPicturesX + kPlaces[i].x, kPlaces[i].y);
        m_pictures[i].Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(at, CSize(1, 1)), this,
                             IDC_GIF_FIRST_PICTURE + i);
        m_pictures[i].SetFile(ResPath(kPlaces[i].file));
    }
    m_pictures[kSlowSpinner].SetFrame(2);
    m_pictures[kPart].SetPaintRect(&kPartRect);
    m_pictures[kPart].SetWindowPos(NULL, 0, 0, kPartRect.right - kPartRect.left, kPartRect.bottom - kPartRect.top,
                                   SWP_NOMOVE | SWP_NOZORDER);
    for (CLumGifCtrl& picture : m_pictures)
        picture.Start();

    AddButton(m_start, "Start", kPicturesX + 100, IDC_GIF_START);
    AddButton(m_stop, "Stop", kPicturesX + 180, IDC_GIF_STOP);
    return TRUE;
}

void CGifPage::AddButton(CButton& button, LPCTSTR lpszCaption, int x, UINT nID)
{
    button.Create(lpszCaption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, CRect(x, 13, x + 72, 39), this, nID);
    button.SetFont(GetFont());
}

void CGifPage::OnStart()
{
    m_pictures[kSpinner].Start();
    m_pictures[kSlowSpinner].Start();
}

void CGifPage::OnStop()
{
    m_pictures[kSpinner].Stop();
    m_pictures[kSlowSpinner].Stop();
}

void CGifPage::OnPaint()
{
    CPaintDC dc(this);
    for (const Place& place : kPlaces)
        if (place.caption)
            look::DrawLabel(dc, m_captionFont, look::kPanelText, place.caption,
                            CRect(16, place.y, kPicturesX - 10, place.y + 32), DT_SINGLELINE | DT_VCENTER);
    look::DrawLabel(dc, m_captionFont, look::kMuted,
                    "The second spinner runs at SetFrame(2): it pauses half a second after each frame.", kNoteRect,
                    DT_SINGLELINE);
}

}  // namespace

CGalleryPage* CreateGifPage() { return new CGifPage; }
