// The skinned push button on a real dialog: pictures per state, strips, the outline cut by the mask
// colour, hover by capture, toggle and toolbar behaviour, titles and the standard click.
#include "support/framework_dialog.h"
#include <LumCtrl.h>
#include <functional>
#include <memory>
#include <string>

using namespace lumtest;

namespace {

const int IDC_SKINNED = 1101;
const COLORREF kNormal = RGB(200, 40, 40), kHover = RGB(40, 200, 40), kDown = RGB(40, 40, 200),
               kDisabled = RGB(128, 128, 128), kMagenta = RGB(255, 0, 255);

// A strip of `count` cells of the state colours, side by side or stacked.
std::string WriteStrip(const std::string& name, int width, int height, int count, bool vertical)
{
    const COLORREF cells[] = {kNormal, kHover, kDown, kDisabled};
    return WriteSkin(name, width, height, [=](int x, int y) {
        int cell = vertical ? y / (height / count) : x / (width / count);
        return cells[cell % 4];
    });
}

class CParent : public CWnd
{
public:
    int clicks = 0;

protected:
    afx_msg void OnSkinned() { ++clicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParent, CWnd)
    ON_BN_CLICKED(IDC_SKINNED, OnSkinned)
END_MESSAGE_MAP()

class ButtonTest : public FrameworkDialogTest<CParent>
{
protected:
    void SetUp() override
    {
        FrameworkDialogTest::SetUp();
        m_button.reset(new CLumButton);
        ASSERT_TRUE(m_button->Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(20, 20, 60, 40), &parent, IDC_SKINNED));
    }
    void TearDown() override
    {
        m_button.reset();
        FrameworkDialogTest::TearDown();
    }
    // The button's colour in the middle of its client area.
    COLORREF Centre()
    {
        Pixels pixels = Capture(m_button->m_hWnd);
        return pixels.At(pixels.Width() / 2, pixels.Height() / 2);
    }
    void SkinById() { m_button->SetSkin(7001, 7002, 7003, 7004); }

    std::unique_ptr<CLumButton> m_button;
};

TEST_F(ButtonTest, WithoutSkinPaintsRed)
{
    EXPECT_EQ(-1, m_button->GetButtonState());
    ExpectArea(Capture(m_button->m_hWnd), CRect(0, 0, 40, 20), RGB(255, 0, 0));
}

TEST_F(ButtonTest, FourPicturesByIdFollowTheState)
{
    SkinById();
    EXPECT_EQ(0, m_button->GetButtonState());
    EXPECT_EQ(40, m_button->GetWidth());
    EXPECT_EQ(20, m_button->GetHeight());
    struct Case
    {
        int state;
        COLORREF colour;
    } cases[] = {{0, kNormal}, {1, kHover}, {2, kDown}, {3, kDisabled}, {7, kNormal}};
    for (const Case& c : cases)
    {
        m_button->SetButton(c.state);
        EXPECT_EQ(c.colour, Centre()) << "state " << c.state;
    }
}

TEST_F(ButtonTest, DisabledIdZeroUsesTheNormalPicture)
{
    m_button->SetSkin(7001, 7002, 7003, 0);
    m_button->EnableWindow(FALSE);
    EXPECT_EQ(3, m_button->GetButtonState());
    EXPECT_EQ(kNormal, Centre());
    m_button->EnableWindow(TRUE);
    EXPECT_EQ(0, m_button->GetButtonState());
}

TEST_F(ButtonTest, MissingPictureOfFourPaintsNothing)
{
    m_button->SetSkin(7001, 7002, 31999, 7004);   // no such down picture
    COLORREF dialogFace = Capture(hwnd()).At(5, 5);
    ::InvalidateRect(hwnd(), NULL, TRUE);
    EXPECT_EQ(dialogFace, Centre()) << "the dialog shows through a button that cannot paint";
}

TEST_F(ButtonTest, StripCellsSideBySideAndStacked)
{
    struct Case
    {
        bool vertical;
        int width, height, count, state;
        COLORREF colour;
    } cases[] = {
        {false, 120, 30, 4, 2, kDown},   // cell (60, 0), 30 x 30
        {false, 120, 30, 4, 9, kNormal}, // states outside 0..3 show cell 0
        {true, 30, 80, 4, 1, kHover},
        {true, 30, 80, 4, 3, kDisabled},
    };
    for (const Case& c : cases)
    {
        CString path = WriteStrip("lum-strip.bmp", c.width, c.height, c.count, c.vertical).c_str();
        m_button->SetSkin(path, c.vertical, c.count);
        m_button->SetWindowPos(NULL, 0, 0, c.width, c.height, SWP_NOMOVE | SWP_NOZORDER);
        m_button->SetButton(c.state);
        Pixels pixels = Capture(m_button->m_hWnd);
        int cellW = c.vertical ? c.width : c.width / c.count, cellH = c.vertical ? c.height / c.count : c.height;
        EXPECT_TRUE(AreaIs(pixels, CRect(1, 1, cellW - 1, cellH - 1), c.colour))
            << (c.vertical ? "stacked" : "side by side") << " state " << c.state;
    }
}

TEST_F(ButtonTest, MaskColourCutsTheOutline)
{
    // A round button: magenta outside a circle.
    CString path = WriteSkin("lum-round.bmp", 40, 40, [](int x, int y) {
        int dx = x - 20, dy = y - 20;
        return dx * dx + dy * dy < 18 * 18 ? kNormal : kMagenta;
    }).c_str();
    m_button->SetWindowPos(NULL, 0, 0, 40, 40, SWP_NOMOVE | SWP_NOZORDER);
    m_button->SetSkin(path, TRUE, 1);
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, ::GetWindowRgn(m_button->m_hWnd, hRgn));
    EXPECT_FALSE(::PtInRegion(hRgn, 1, 1));
    EXPECT_TRUE(::PtInRegion(hRgn, 20, 20));
    ::DeleteObject(hRgn);

    CRect rc;
    m_button->GetWindowRect(&rc);
    parent.ScreenToClient(&rc);
    Pixels dialog = Capture(hwnd());
    EXPECT_EQ(kNormal, dialog.At(rc.left + 20, rc.top + 20));
    EXPECT_NE(kMagenta, dialog.At(rc.left + 1, rc.top + 1)) << "magenta corners are not part of the window";
    CPoint corner(rc.left + 1, rc.top + 1), centre(rc.left + 20, rc.top + 20);
    parent.ClientToScreen(&corner);
    parent.ClientToScreen(&centre);
    EXPECT_EQ(m_button->m_hWnd, ::WindowFromPoint(centre));
    EXPECT_NE(m_button->m_hWnd, ::WindowFromPoint(corner));
}

TEST_F(ButtonTest, HoverAndPressFollowTheRealPointer)
{
    SkinById();
    MoveTo(m_button->m_hWnd, {20, 10});
    EXPECT_EQ(1, m_button->GetButtonState());
    EXPECT_EQ(kHover, Centre());
    Press(m_button->m_hWnd, {20, 10});
    EXPECT_EQ(2, m_button->GetButtonState());
    EXPECT_EQ(kDown, Centre());
    Release(m_button->m_hWnd, {20, 10});
    EXPECT_EQ(1, parent.clicks) << "the release inside reaches the parent as BN_CLICKED";
    MoveTo(hwnd(), {300, 250});
    EXPECT_EQ(0, m_button->GetButtonState());
    EXPECT_EQ(kNormal, Centre());
}

TEST_F(ButtonTest, ToggleKeepsItsPressedLook)
{
    SkinById();
    m_button->SetToggle(TRUE);
    m_button->SetButtonDown();
    EXPECT_TRUE(m_button->GetToggleState());
    MoveTo(m_button->m_hWnd, {20, 10});
    MoveTo(hwnd(), {300, 250});
    EXPECT_EQ(2, m_button->GetButtonState());
    EXPECT_EQ(kDown, Centre());
    Click(m_button->m_hWnd, {20, 10});
    EXPECT_EQ(2, m_button->GetButtonState()) << "the parent decides a toggle's look";
    EXPECT_EQ(1, parent.clicks);
    m_button->SetButtonUp();
    EXPECT_FALSE(m_button->GetToggleState());
    MoveTo(m_button->m_hWnd, {10, 5});
    EXPECT_EQ(1, m_button->GetButtonState()) << "hover shows while the toggle is up";
    MoveTo(hwnd(), {300, 250});
}

TEST_F(ButtonTest, ToolbarButtonStaysDownUntilFocusLeaves)
{
    SkinById();
    m_button->SetToolBarBtn(TRUE);
    Click(m_button->m_hWnd, {20, 10});
    MoveTo(hwnd(), {300, 250});
    EXPECT_EQ(2, m_button->GetButtonState());
    HWND hOther = AddChild("BUTTON", "other", WS_TABSTOP, {200, 200, 260, 220}, 1102);
    ::SetFocus(hOther);
    PumpIdle();
    EXPECT_EQ(0, m_button->GetButtonState());
}

TEST_F(ButtonTest, FlatToolbarLookFromOnePicture)
{
    CString path = WriteSkin("lum-tool.bmp", 16, 16, [](int, int) { return RGB(0, 0, 0); }).c_str();
    m_button->SetWindowPos(NULL, 0, 0, 24, 24, SWP_NOMOVE | SWP_NOZORDER);
    m_button->SetSkin(path, TRUE, 1);
    m_button->SetToolBarBtn(TRUE);
    m_button->SetButton(0);
    Pixels flat = Capture(m_button->m_hWnd);
    EXPECT_EQ(RGB(0xE2, 0xE2, 0xE2), flat.At(0, 0)) << "no edge in the normal state";
    EXPECT_EQ(RGB(0, 0, 0), flat.At(5, 5));
    m_button->SetButton(1);
    EXPECT_NE(RGB(0xE2, 0xE2, 0xE2), Capture(m_button->m_hWnd).At(0, 0)) << "raised edge on hover";
}

TEST_F(ButtonTest, FunctionsRemovedIgnoreMouseButSettersWork)
{
    SkinById();
    m_button->SetButtonFuncRemove();
    MoveTo(m_button->m_hWnd, {20, 10});
    Press(m_button->m_hWnd, {20, 10});
    EXPECT_EQ(0, m_button->GetButtonState());
    Release(m_button->m_hWnd, {20, 10});
    MoveTo(hwnd(), {300, 250});
    m_button->SetButtonDown();
    EXPECT_EQ(2, m_button->GetButtonState());
    m_button->SetButtonUp();
    EXPECT_EQ(2, m_button->GetButtonState()) << "SetButtonUp needs the button functions";
    m_button->SetButton(0);
    EXPECT_EQ(0, m_button->GetButtonState());
}

TEST_F(ButtonTest, SpaceBarClicksWithoutChangingTheLook)
{
    SkinById();
    m_button->SetFocus();
    PumpIdle();
    MessageRecorder recorder(hwnd(), {WM_COMMAND});
    KeyPress(VK_SPACE);
    ExpectSequence(recorder, {{WM_COMMAND, MAKEWPARAM(IDC_SKINNED, BN_CLICKED), 0, checkWParam}}, "space bar");
    EXPECT_EQ(0, m_button->GetButtonState());
    EXPECT_EQ(kNormal, Centre());
}

TEST_F(ButtonTest, TitleDrawnOverThePicture)
{
    SkinById();
    m_button->SetWindowPos(NULL, 0, 0, 40, 20, SWP_NOMOVE | SWP_NOZORDER);
    LOGFONT lf = {};
    lf.lfHeight = -13;
    lf.lfWeight = FW_BOLD;
    lf.lfItalic = TRUE;
    lstrcpyA(lf.lfFaceName, "Arial");
    m_button->SetFont(&lf);
    m_button->SetTextColor(RGB(255, 255, 255));
    m_button->SetTitle("Go", CRect(0, 0, 20, 20), CLumButton::HA_LEFT);
    EXPECT_STREQ("Go", m_button->GetTitle());
    Pixels pixels = Capture(m_button->m_hWnd);
    EXPECT_GT(CountPixels(pixels, CRect(0, 0, 20, 20), RGB(255, 255, 255)), 5);
    EXPECT_EQ(0, CountPixels(pixels, CRect(20, 0, 40, 20), RGB(255, 255, 255))) << "the title keeps to its rectangle";
}

TEST_F(ButtonTest, SetFontTakesOnlyHeightAndFace)
{
    SkinById();
    m_button->SetTextColor(RGB(255, 255, 255));
    auto whitePixelsWith = [&](LONG weight, BYTE italic) {
        LOGFONT lf = {};
        lf.lfHeight = -13;
        lf.lfWeight = weight;
        lf.lfItalic = italic;
        lstrcpyA(lf.lfFaceName, "Arial");
        m_button->SetFont(&lf);
        m_button->SetTitle("Wide", CLumButton::HA_CENTER);
        return CountPixels(Capture(m_button->m_hWnd), CRect(0, 0, 40, 20), RGB(255, 255, 255));
    };
    int regular = whitePixelsWith(FW_NORMAL, FALSE);
    EXPECT_GT(regular, 5);
    EXPECT_EQ(regular, whitePixelsWith(FW_BOLD, TRUE)) << "bold and italic are not taken over";
}

TEST_F(ButtonTest, MissingFilesWarnAndKeepTheSkin)
{
    SkinById();
    std::string missing = TempPath("lum-missing-normal.bmp");
    ::DeleteFileA(missing.c_str());
    MessageBoxCatcher boxes(1);
    CString normal = missing.c_str(), hover = "x", down = "y", disabled = "";
    m_button->SetSkin(normal, hover, down, disabled);
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ(missing + " File not found!", boxes.Boxes()[0].text);
    EXPECT_EQ(kNormal, Centre());

    CString empty = "";
    m_button->SetSkin(empty, hover, down, disabled);   // an empty path ends it silently
    EXPECT_EQ(1u, boxes.Boxes().size());
}

TEST_F(ButtonTest, BitmapObjectSkinIsTakenOver)
{
    CBitmap bitmap;
    bitmap.Attach((HBITMAP)::LoadImageA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(7003), IMAGE_BITMAP, 0, 0, 0));
    m_button->SetSkin(&bitmap, 40, 20);
    EXPECT_EQ(NULL, bitmap.GetSafeHandle()) << "the button owns the bitmap now";
    EXPECT_EQ(kDown, Centre());
}

TEST(ButtonLeak, ManyButtonsLeaveNothingBehind)
{
    ParentDialog dialog;
    CString strip = WriteStrip("lum-leak-strip.bmp", 120, 30, 4, false).c_str();
    int windows = CountProcessWindows();
    GdiLeakCheck check;
    for (int i = 0; i < 500; i++)
    {
        CLumButton button;
        button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 40, 40), CWnd::FromHandle(dialog.hwnd()), 1200);
        if (i % 2)
            button.SetSkin(7001, 7002, 7003, 7004);
        else
            button.SetSkin(strip, FALSE, 4, "title");
        button.SetButton(i % 4);
        button.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    PumpIdle();
    CWnd::DeleteTempMap();
    EXPECT_EQ(windows, CountProcessWindows());
}

}  // namespace
