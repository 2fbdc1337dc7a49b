// The skinned spin control: its size and halves from eight pictures or two strips, the arrow states
// under the mouse and when disabled, and the system control's notifications and buddy under a real
// click.
#include "range_test.h"
#include "range/LumSpin.h"

using namespace lumtest;
using namespace rangetest;

namespace {

const UINT kId = 88;
const UINT kFirst[4] = {IDB_SPIN_FIRST_NORMAL, IDB_SPIN_FIRST_HOVER, IDB_SPIN_FIRST_PRESSED, IDB_SPIN_FIRST_DISABLED};
const UINT kSecond[4] = {IDB_SPIN_SECOND_NORMAL, IDB_SPIN_SECOND_HOVER, IDB_SPIN_SECOND_PRESSED,
                         IDB_SPIN_SECOND_DISABLED};
enum { NORMAL, HOVER, PRESSED, DISABLED };

void SkinEight(CLumSpin& spin, BOOL bHover = TRUE)
{
    spin.SetSkin(kFirst[NORMAL], kFirst[PRESSED], kSecond[NORMAL], kSecond[PRESSED], bHover ? kFirst[HOVER] : 0,
                 bHover ? kSecond[HOVER] : 0, kFirst[DISABLED], kSecond[DISABLED]);
}

// The colour of strip cell k (20 pixels wide).
COLORREF Cell(UINT nStrip, int k) { return ResourceColour(nStrip, k * 20, 0); }

class SpinTest : public RangeTest
{
protected:
    // A vertical spin of eight 15 x 10 pictures at (100, 20): first arrow (0, 0, 15, 10), second
    // (0, 10, 15, 20).
    void CreateVertical()
    {
        ASSERT_TRUE(spin.Create(WS_VISIBLE, CRect(100, 20, 140, 60), &parent, kId));
        SkinEight(spin);
        PumpIdle();
    }

    ::testing::AssertionResult Shows(int nFirst, int nSecond)
    {
        Pixels pixels = Capture(spin);
        if (auto r = AreaIs(pixels, CRect(0, 0, 15, 10), ResourceColour(kFirst[nFirst])); !r)
            return r << " (first arrow, state " << nFirst << ")";
        if (auto r = AreaIs(pixels, CRect(0, 10, 15, 20), ResourceColour(kSecond[nSecond])); !r)
            return r << " (second arrow, state " << nSecond << ")";
        return ::testing::AssertionSuccess();
    }

    CLumSpin spin;
};

}  // namespace

TEST_F(SpinTest, EightPicturesMakeTwoHalvesOfTheirSize)
{
    struct Case
    {
        const char* name;
        DWORD dwStyle;
        CSize size;
        CRect first, second;
    } cases[] = {
        {"vertical", 0, CSize(15, 20), CRect(0, 0, 15, 10), CRect(0, 10, 15, 20)},
        {"horizontal", UDS_HORZ, CSize(30, 10), CRect(15, 0, 30, 10), CRect(0, 0, 15, 10)},
    };
    for (const Case& c : cases)
    {
        CLumSpin s;
        ASSERT_TRUE(s.Create(WS_VISIBLE | c.dwStyle, CRect(100, 20, 140, 60), &parent, kId)) << c.name;
        SkinEight(s);
        EXPECT_EQ(c.size, CSize(s.GetWidth(), s.GetHeight())) << c.name;
        CRect window;
        s.GetWindowRect(&window);
        EXPECT_EQ(c.size, window.Size()) << c.name;
        Pixels pixels = Capture(s);
        EXPECT_TRUE(AreaIs(pixels, c.first, ResourceColour(kFirst[NORMAL]))) << c.name;
        EXPECT_TRUE(AreaIs(pixels, c.second, ResourceColour(kSecond[NORMAL]))) << c.name;
        s.DestroyWindow();
    }
}

TEST_F(SpinTest, StripCellsAcrossFollowTheHover)
{
    ASSERT_TRUE(spin.Create(WS_VISIBLE | UDS_HORZ, CRect(100, 20, 140, 60), &parent, kId));
    spin.SetSkin(IDB_SPIN_STRIP_FIRST, IDB_SPIN_STRIP_SECOND, TRUE, 4);
    EXPECT_EQ(CSize(40, 12), CSize(spin.GetWidth(), spin.GetHeight()));

    struct Step
    {
        CPoint at;
        int nFirstCell, nSecondCell;
    } steps[] = {
        {CPoint(-20, 6), 0, 0},
        {CPoint(30, 6), 1, 0},   // the right half is the first arrow
        {CPoint(10, 6), 0, 1},
    };
    for (const Step& step : steps)
    {
        MoveTo(spin, step.at);
        Pixels pixels = Capture(spin);
        EXPECT_TRUE(AreaIs(pixels, CRect(20, 0, 40, 12), Cell(IDB_SPIN_STRIP_FIRST, step.nFirstCell))) << step.at.x;
        EXPECT_TRUE(AreaIs(pixels, CRect(0, 0, 20, 12), Cell(IDB_SPIN_STRIP_SECOND, step.nSecondCell))) << step.at.x;
    }
}

TEST_F(SpinTest, StripCellsStackedShowThePressedCell)
{
    const COLORREF cells[4] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200), RGB(200, 200, 0)};
    CString first = WriteSkin("spin-stacked-first.bmp", 15, 40, [&](int, int y) { return cells[y / 10]; }).c_str();
    CString second = SolidSkin("spin-stacked-second.bmp", 15, 40, RGB(90, 90, 90)).c_str();
    ASSERT_TRUE(spin.Create(WS_VISIBLE, CRect(100, 20, 140, 60), &parent, kId));
    spin.SetSkin(first, second, FALSE, 4);
    EXPECT_EQ(CSize(15, 20), CSize(spin.GetWidth(), spin.GetHeight()));
    Press(spin, CPoint(7, 4));
    ExpectArea(Capture(spin), CRect(0, 0, 15, 10), cells[PRESSED]);
    Release(spin, CPoint(7, 4));
    ExpectArea(Capture(spin), CRect(0, 0, 15, 10), cells[HOVER]);
    ExpectArea(Capture(spin), CRect(0, 10, 15, 20), RGB(90, 90, 90));
}

TEST_F(SpinTest, ArrowsFollowTheMouseFromHoverToPressedAndBack)
{
    // The system control gives the capture back at the release; the move the system then reports
    // hovers the arrow again.
    CreateVertical();
    enum Action { Move, Down, Up };
    struct Step
    {
        const char* what;
        Action action;
        CPoint at;
        int nFirst, nSecond;
    } steps[] = {
        {"hover the first", Move, CPoint(7, 4), HOVER, NORMAL},
        {"press it", Down, CPoint(7, 4), PRESSED, NORMAL},
        {"slide onto the second", Move, CPoint(7, 15), NORMAL, HOVER},
        {"release there", Up, CPoint(7, 15), NORMAL, HOVER},
        {"press the second", Down, CPoint(7, 16), NORMAL, PRESSED},
        {"release it: hovered again", Up, CPoint(7, 16), NORMAL, HOVER},
        {"move to the first", Move, CPoint(7, 3), HOVER, NORMAL},
        {"leave", Move, CPoint(7, 60), NORMAL, NORMAL},
    };
    for (const Step& step : steps)
    {
        switch (step.action)
        {
        case Move: MoveTo(spin, step.at); break;
        case Down: Press(spin, step.at); break;
        case Up: Release(spin, step.at); break;
        }
        EXPECT_TRUE(Shows(step.nFirst, step.nSecond)) << step.what;
    }
    EXPECT_EQ(nullptr, ::GetCapture()) << "the pointer left: the capture is given back";
}

TEST_F(SpinTest, DisabledItShowsTheDisabledPicturesAndIgnoresHovering)
{
    CreateVertical();
    spin.EnableWindow(FALSE);
    EXPECT_TRUE(Shows(DISABLED, DISABLED));
    MoveTo(spin, CPoint(7, 4));
    EXPECT_TRUE(Shows(DISABLED, DISABLED));
    spin.EnableWindow(TRUE);
    EXPECT_TRUE(Shows(NORMAL, NORMAL));
    MoveTo(spin, CPoint(7, 5));
    EXPECT_TRUE(Shows(HOVER, NORMAL));
}

TEST_F(SpinTest, ASkinGivenBeforeTheWindowExistsIsLaidOutAtCreation)
{
    SkinEight(spin);
    ASSERT_TRUE(spin.Create(WS_VISIBLE, CRect(100, 20, 140, 60), &parent, kId));
    CRect window;
    spin.GetWindowRect(&window);
    EXPECT_EQ(CSize(15, 20), window.Size());
    EXPECT_TRUE(Shows(NORMAL, NORMAL));
}

TEST_F(SpinTest, WithoutHoverPicturesHoveringShowsTheNormalOnes)
{
    ASSERT_TRUE(spin.Create(WS_VISIBLE, CRect(100, 20, 140, 60), &parent, kId));
    SkinEight(spin, FALSE);
    MoveTo(spin, CPoint(7, 4));
    ExpectArea(Capture(spin), CRect(0, 0, 15, 10), ResourceColour(kFirst[NORMAL]));
    MoveTo(spin, CPoint(7, 14));
    ExpectArea(Capture(spin), CRect(0, 10, 15, 20), ResourceColour(kSecond[NORMAL]));
}

TEST_F(SpinTest, ARealClickNotifiesTheParentAndUpdatesTheBuddy)
{
    struct Case
    {
        const char* name;
        DWORD dwStyle;
        CPoint first, second;
        UINT nScroll;
    } cases[] = {
        {"vertical", 0, CPoint(7, 4), CPoint(7, 15), WM_VSCROLL},
        {"horizontal", UDS_HORZ, CPoint(22, 5), CPoint(7, 5), WM_HSCROLL},
    };
    for (const Case& c : cases)
    {
        CWnd buddy;
        buddy.Attach(AddChild("EDIT", "", WS_BORDER, {20, 20, 80, 40}, 90));
        CLumSpin s;
        ASSERT_TRUE(s.Create(WS_VISIBLE | UDS_SETBUDDYINT | c.dwStyle, CRect(100, 20, 140, 60), &parent, kId));
        s.SetBuddy(&buddy);
        s.SetRange(0, 10);
        s.SetPos(5);
        SkinEight(s);
        PumpIdle();
        MessageRecorder parentMessages(hwnd(), std::vector<UINT>{WM_NOTIFY, c.nScroll});
        const std::vector<Msg> expected = {
            {WM_NOTIFY, kId, 0, checkWParam | checkCode, UDN_DELTAPOS},
            {c.nScroll, MAKEWPARAM(SB_THUMBPOSITION, 6), (LPARAM)s.m_hWnd, checkWParam | checkLParam},
            {c.nScroll, MAKEWPARAM(SB_ENDSCROLL, 6), (LPARAM)s.m_hWnd, checkWParam | checkLParam},
        };

        Click(s, c.first);
        ExpectSequence(parentMessages, expected, c.name);
        CString text;
        buddy.GetWindowText(text);
        EXPECT_STREQ("6", text) << c.name;
        Click(s, c.second);
        buddy.GetWindowText(text);
        EXPECT_STREQ("5", text) << c.name;

        s.DestroyWindow();
        buddy.DestroyWindow();
    }
}

TEST_F(SpinTest, ASubclassedItemTakesItsOrientationFromItsStyle)
{
    struct Case
    {
        const char* name;
        DWORD dwStyle;
        CSize size;
        CRect first;
    } cases[] = {
        {"vertical", 0, CSize(15, 20), CRect(0, 0, 15, 10)},
        {"horizontal", UDS_HORZ, CSize(30, 10), CRect(15, 0, 30, 10)},
    };
    for (const Case& c : cases)
    {
        CLumSpin s;
        ASSERT_TRUE(s.SubclassWindow(AddChild(UPDOWN_CLASSA, "", c.dwStyle, {100, 20, 140, 60}, 91))) << c.name;
        SkinEight(s);
        EXPECT_EQ(c.size, CSize(s.GetWidth(), s.GetHeight())) << c.name;
        EXPECT_TRUE(AreaIs(Capture(s), c.first, ResourceColour(kFirst[NORMAL]))) << c.name;
        s.DestroyWindow();
    }
}

TEST_F(SpinTest, ACellCountBelowOneDrawsTheStripAsOneCell)
{
    ASSERT_TRUE(spin.Create(WS_VISIBLE | UDS_HORZ, CRect(100, 20, 300, 60), &parent, kId));
    for (int nCount : {0, -3})
    {
        spin.SetSkin(IDB_SPIN_STRIP_FIRST, IDB_SPIN_STRIP_SECOND, TRUE, nCount);
        EXPECT_EQ(CSize(160, 12), CSize(spin.GetWidth(), spin.GetHeight())) << nCount;
        MoveTo(spin, CPoint(120, 6));
        Pixels pixels = Capture(spin);
        for (int k = 0; k < 4; k++)
        {
            EXPECT_TRUE(AreaIs(pixels, CRect(80 + 20 * k, 0, 100 + 20 * k, 12), Cell(IDB_SPIN_STRIP_FIRST, k))) << nCount;
            EXPECT_TRUE(AreaIs(pixels, CRect(20 * k, 0, 20 + 20 * k, 12), Cell(IDB_SPIN_STRIP_SECOND, k))) << nCount;
        }
        MoveTo(spin, CPoint(-20, 6));
    }
}

TEST_F(SpinTest, ManySpinsLeakNothing)
{
    int nWindows = CountProcessWindows();
    {
        GdiLeakCheck check;
        for (int i = 0; i < 60; i++)
        {
            CLumSpin s;
            ASSERT_TRUE(s.Create(WS_VISIBLE | (i % 2 ? UDS_HORZ : 0), CRect(100, 20, 140, 60), &parent, kId));
            SkinEight(s);
            s.UpdateWindow();
            s.SetSkin(IDB_SPIN_STRIP_FIRST, IDB_SPIN_STRIP_SECOND, TRUE, 4);
            s.EnableWindow(FALSE);
            s.UpdateWindow();
            s.DestroyWindow();
        }
        PumpIdle();
    }
    EXPECT_EQ(nWindows, CountProcessWindows());
}
