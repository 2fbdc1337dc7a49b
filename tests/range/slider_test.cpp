// The skinned slider: position and pixel, dragging and keys with the messages posted to the parent,
// the enable state, masked pictures over the background, the channel following the control's size.
#include "range_test.h"
#include "range/LumSlider.h"

using namespace lumtest;
using namespace rangetest;

namespace {

const UINT kId = 77;
const COLORREF kChannel = RGB(40, 60, 160);
const COLORREF kActiveChannel = RGB(40, 160, 60);
const COLORREF kThumb = RGB(200, 30, 30);
const COLORREF kActiveThumb = RGB(230, 200, 20);
const COLORREF kMagenta = RGB(255, 0, 255);

class CTestSlider : public CLumSlider
{
public:
    using CLumSlider::Pixel2Pos;
    using CLumSlider::Pos2Pixel;
};

Msg Moving(int nPos) { return {WM_SLIDER_MOVING, kId, (LPARAM)nPos, checkWParam | checkLParam}; }
Msg Moved(int nPos) { return {WM_SLIDER_MOVED, kId, (LPARAM)nPos, checkWParam | checkLParam}; }

class SliderTest : public RangeTest
{
protected:
    // A horizontal slider of 200 x 20 at (20, 20): channel and active channel, a 10 x 20 thumb and its
    // active picture; range 0 to 100, so the thumb's centre runs from 5 to 195 (track length 190).
    // Once focused, its edge carries the focus rectangle: pixel checks keep inside it.
    void CreateSkinned(CTestSlider& slider, DWORD dwStyle = WS_TABSTOP)
    {
        ASSERT_TRUE(slider.Create("", WS_VISIBLE | dwStyle, CRect(20, 20, 220, 40), &parent, kId));
        ASSERT_TRUE(slider.SetBitmapChannel(CString(SolidSkin("slider-channel.bmp", 50, 20, kChannel).c_str()),
                                            CString(SolidSkin("slider-active.bmp", 50, 20, kActiveChannel).c_str())));
        ASSERT_TRUE(slider.SetBitmapThumb(CString(SolidSkin("slider-thumb.bmp", 10, 20, kThumb).c_str()),
                                          CString(SolidSkin("slider-thumb-active.bmp", 10, 20, kActiveThumb).c_str())));
        PumpIdle();
    }

    // The colour expected in a row of the slider with the thumb centred at `centre`.
    static COLORREF Expected(int x, int centre, COLORREF thumb)
    {
        if (x >= centre - 5 && x < centre + 5)
            return thumb;
        return x < centre ? kActiveChannel : kChannel;
    }

    CTestSlider slider;
};

}  // namespace

TEST_F(SliderTest, PositionsAndPixelsMapAlongTheTrack)
{
    struct Case
    {
        const char* name;
        BOOL bVertical;
        int nMin, nMax, nMarginStart, nMarginEnd;
        int nPos, nPixel;      // Pos2Pixel(nPos) == nPixel
        int nPixelIn, nPosOut; // Pixel2Pos(nPixelIn) == nPosOut
    } cases[] = {
        {"middle", FALSE, 0, 100, 0, 0, 50, 100, 100, 50},
        {"truncated", FALSE, 0, 100, 0, 0, 50, 100, 102, 51},   // 51.05
        {"ends", FALSE, 0, 100, 0, 0, 100, 195, 5, 0},
        {"margins", FALSE, 0, 100, 10, 20, 50, 10 + 5 + 80, 15, 0},
        {"negative range", FALSE, -50, 50, 0, 0, 0, 100, 195, 50},
        {"vertical", TRUE, 0, 100, 4, 6, 50, 4 + 5 + 90, 9 + 45, 25},
        {"empty range", FALSE, 7, 7, 0, 0, 7, 5, 150, 7},
        {"no track", FALSE, 0, 100, 95, 95, 50, 100, 120, 0},
    };
    for (const Case& c : cases)
    {
        CTestSlider s;
        CRect rc = c.bVertical ? CRect(20, 20, 40, 220) : CRect(20, 20, 220, 40);
        ASSERT_TRUE(s.Create("", WS_VISIBLE, rc, &parent, kId)) << c.name;
        s.SetVertical(c.bVertical);
        s.SetMargin(c.bVertical ? 0 : c.nMarginStart, c.bVertical ? c.nMarginStart : 0, c.bVertical ? 0 : c.nMarginEnd,
                    c.bVertical ? c.nMarginEnd : 0);
        s.SetBitmapChannel(CString(SolidSkin("slider-map-channel.bmp", 20, 20, kChannel).c_str()), CString());
        s.SetBitmapThumb(CString(SolidSkin("slider-map-thumb.bmp", c.bVertical ? 20 : 10, c.bVertical ? 10 : 20,
                                           kThumb).c_str()),
                         CString());
        s.SetRange(c.nMin, c.nMax);
        EXPECT_EQ(c.nPixel, s.Pos2Pixel(c.nPos)) << c.name;
        EXPECT_EQ(c.nPosOut, s.Pixel2Pos(c.nPixelIn)) << c.name;
        s.DestroyWindow();
    }
}

TEST_F(SliderTest, SetPosClampsAndSetRangeLeavesThePosition)
{
    CreateSkinned(slider);
    slider.SetPos(500);
    EXPECT_EQ(100, slider.GetPos());
    slider.SetPos(-5);
    EXPECT_EQ(0, slider.GetPos());
    slider.SetPos(80);
    slider.SetRange(0, 50);
    EXPECT_EQ(80, slider.GetPos());
    int nMin = -1, nMax = -1;
    slider.GetRange(nMin, nMax);
    EXPECT_EQ(0, nMin);
    EXPECT_EQ(50, nMax);
    EXPECT_EQ(20, slider.SetPageSize(5));
    EXPECT_EQ(5, slider.SetPageSize(20));
}

TEST_F(SliderTest, ClickBesideTheThumbJumpsAndAClickOnItKeepsTheGrabOffset)
{
    CreateSkinned(slider);
    MessageRecorder parentMessages(hwnd(), std::vector<UINT>{WM_SLIDER_MOVING, WM_SLIDER_MOVED});

    Click(slider, CPoint(35, 10));   // 30 pixels right of the thumb's centre at 5
    EXPECT_EQ(15, slider.GetPos());  // (35 - 5) / 190 * 100 = 15.8
    EXPECT_EQ(slider.m_hWnd, ::GetFocus());
    ExpectSequence(parentMessages, {Moving(15), Moved(15)}, "click beside the thumb");

    slider.SetPos(50);               // centre at 100
    Press(slider, CPoint(103, 10));  // 3 pixels right of it
    EXPECT_EQ(50, slider.GetPos()) << "pressing the thumb leaves it where it is";
    ExpectArea(Capture(slider), CRect(95, 1, 105, 19), kActiveThumb);
    MoveTo(slider, CPoint(123, 10));
    EXPECT_EQ(slider.Pixel2Pos(120), slider.GetPos());
    EXPECT_EQ(60, slider.GetPos());
    Release(slider, CPoint(123, 10));
    ExpectSequence(parentMessages, {Moving(60), Moved(60)}, "drag by the thumb");
    Pixels after = Capture(slider);
    int nCentre = slider.Pos2Pixel(60);
    EXPECT_EQ("", RowMismatches(after, 10, 1, 199, [&](int x) { return Expected(x, nCentre, kThumb); }));
}

TEST_F(SliderTest, DraggingBeyondTheEndsStopsAtThem)
{
    CreateSkinned(slider);
    slider.SetPos(50);
    MessageRecorder parentMessages(hwnd(), std::vector<UINT>{WM_SLIDER_MOVING, WM_SLIDER_MOVED});
    Press(slider, CPoint(100, 10));
    MoveTo(slider, CPoint(-300, 10));
    EXPECT_EQ(0, slider.GetPos());
    ExpectArea(Capture(slider), CRect(1, 1, 10, 19), kActiveThumb);
    MoveTo(slider, CPoint(600, 50));
    EXPECT_EQ(100, slider.GetPos());
    ExpectArea(Capture(slider), CRect(190, 1, 199, 19), kActiveThumb);
    Release(slider, CPoint(600, 50));
    ExpectSequence(parentMessages, {Moving(0), Moving(100), Moved(100)}, "drag beyond both ends");
    ExpectArea(Capture(slider), CRect(190, 1, 199, 19), kThumb);
}

TEST_F(SliderTest, KeysMoveByLineAndPageAndToTheEnds)
{
    CreateSkinned(slider);
    MessageRecorder parentMessages(hwnd(), std::vector<UINT>{WM_SLIDER_MOVING, WM_SLIDER_MOVED});
    struct Case
    {
        int nFrom;
        WORD vk;
        int nTo;
    } cases[] = {
        {90, VK_NEXT, 100}, {50, VK_NEXT, 70}, {50, VK_PRIOR, 30}, {10, VK_PRIOR, 0}, {50, VK_HOME, 0},
        {50, VK_END, 100},  {50, VK_LEFT, 49}, {50, VK_UP, 49},    {50, VK_RIGHT, 51}, {50, VK_DOWN, 51},
        {0, VK_LEFT, 0},
    };
    slider.SetFocus();
    for (const Case& c : cases)
    {
        slider.SetPos(c.nFrom);
        parentMessages.Clear();
        KeyPress(c.vk);
        std::string context = "key " + std::to_string(c.vk) + " at " + std::to_string(c.nFrom);
        EXPECT_EQ(c.nTo, slider.GetPos()) << context;
        ExpectSequence(parentMessages, {Moved(c.nTo)}, context.c_str());
    }
    KeyPress('A');
    ExpectSequence(parentMessages, {}, "another key");
}

TEST_F(SliderTest, HoldingTabHandsTheArrowsToTheDialog)
{
    CreateSkinned(slider);
    HWND hNext = AddChild("BUTTON", "next", BS_PUSHBUTTON, {20, 60, 100, 84}, 78);   // same group, no tab stop
    slider.SetPos(50);
    slider.SetFocus();
    // Wine's X11 driver gives a key held by SendInput back to the X keyboard's state as soon as the
    // next messages are fetched: hold Tab within one chord.
    KeyChord({VK_TAB, VK_RIGHT});
    EXPECT_EQ(50, slider.GetPos());
    EXPECT_EQ(hNext, ::GetFocus()) << "the dialog moved to the next item of the group";

    slider.SetFocus();
    KeyPress(VK_RIGHT);
    EXPECT_EQ(51, slider.GetPos());
    EXPECT_EQ(slider.m_hWnd, ::GetFocus());
}

TEST_F(SliderTest, DisabledItShowsTheWholeNormalChannelAndIgnoresInput)
{
    CreateSkinned(slider);
    slider.SetPos(50);
    Pixels enabled = Capture(slider);
    EXPECT_EQ("", RowMismatches(enabled, 10, 0, 200, [](int x) { return Expected(x, 100, kThumb); }));

    slider.Enable(FALSE);
    ExpectArea(Capture(slider), CRect(0, 0, 200, 20), kChannel);
    MessageRecorder parentMessages(hwnd(), std::vector<UINT>{WM_SLIDER_MOVING, WM_SLIDER_MOVED});
    Click(slider, CPoint(150, 10));
    slider.SetFocus();
    KeyPress(VK_END);
    EXPECT_EQ(50, slider.GetPos());
    ExpectSequence(parentMessages, {}, "input while disabled");

    slider.Enable(TRUE);
    ExpectArea(Capture(slider), CRect(95, 1, 105, 19), kThumb);
}

TEST_F(SliderTest, DisablingDuringADragEndsIt)
{
    CreateSkinned(slider);
    Press(slider, CPoint(5, 10));
    EXPECT_EQ(slider.m_hWnd, ::GetCapture());
    slider.Enable(FALSE);
    EXPECT_EQ(nullptr, ::GetCapture());
    slider.Enable(TRUE);
    MoveTo(slider, CPoint(100, 10));
    Release(slider, CPoint(100, 10));
    EXPECT_EQ(0, slider.GetPos()) << "the thumb no longer follows the pointer";
}

TEST_F(SliderTest, FocusRectangleIsDrawnWhileFocusedUnlessTurnedOff)
{
    CreateSkinned(slider);
    slider.SetPos(50);
    const CRect topRow(20, 0, 80, 1);
    slider.SetFocus();
    EXPECT_LT(0, 60 - CountPixels(Capture(slider), topRow, kActiveChannel)) << "dotted focus rectangle";
    slider.DrawFocusRect(FALSE, TRUE);
    EXPECT_EQ(60, CountPixels(Capture(slider), topRow, kActiveChannel));
    slider.DrawFocusRect(TRUE, TRUE);
    ::SetFocus(AddChild("BUTTON", "other", BS_PUSHBUTTON, {20, 60, 100, 84}, 78));
    EXPECT_EQ(60, CountPixels(Capture(slider), topRow, kActiveChannel));
}

TEST_F(SliderTest, WithoutAChannelTheFocusRectangleGoesWithTheFocus)
{
    ASSERT_TRUE(slider.Create("", WS_VISIBLE | WS_TABSTOP, CRect(20, 20, 220, 40), &parent, kId));
    ASSERT_TRUE(slider.SetBitmapThumb(CString(SolidSkin("slider-thumb.bmp", 10, 20, kThumb).c_str()), CString()));
    Pixels before = Capture(slider);
    COLORREF paper = before.At(100, 10);
    slider.SetFocus();
    EXPECT_LT(0, 200 - CountPixels(Capture(slider), CRect(0, 0, 200, 1), paper)) << "focus rectangle";
    ::SetFocus(AddChild("BUTTON", "other", BS_PUSHBUTTON, {20, 60, 100, 84}, 78));
    ExpectArea(Capture(slider), CRect(10, 0, 200, 20), paper);
}

TEST_F(SliderTest, TheSecondPressOfADoubleClickDragsToo)
{
    CreateSkinned(slider);
    MessageRecorder parentMessages(hwnd(), std::vector<UINT>{WM_SLIDER_MOVING, WM_SLIDER_MOVED});
    Click(slider, CPoint(100, 10));   // the thumb jumps to 50
    Press(slider, CPoint(100, 10));   // at the same place at once: a double click
    MoveTo(slider, CPoint(119, 10));
    EXPECT_EQ(slider.Pixel2Pos(119), slider.GetPos());
    Release(slider, CPoint(119, 10));
    ExpectSequence(parentMessages, {Moving(50), Moved(50), Moving(60), Moved(60)}, "click, then press and drag");
}

namespace {

// A dialog background of vertical stripes, 3 pixels each.
COLORREF Stripe(int x) { return (x / 3) % 2 ? RGB(250, 250, 120) : RGB(90, 200, 220); }

LRESULT CALLBACK StripedBackground(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message != WM_ERASEBKGND)
        return ::DefSubclassProc(hWnd, message, wParam, lParam);
    CRect client;
    ::GetClientRect(hWnd, &client);
    HDC hDC = (HDC)wParam;
    for (int x = 0; x < client.right; x++)
    {
        ::SetBkColor(hDC, Stripe(x));
        CRect column(x, 0, x + 1, client.bottom);
        ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &column, NULL, 0, NULL);
    }
    return TRUE;
}

}  // namespace

TEST_F(SliderTest, MaskedPicturesLetTheBackgroundThroughAndTheThumbLeavesNoTrail)
{
    ASSERT_TRUE(::SetWindowSubclass(hwnd(), StripedBackground, 1, 0));
    ASSERT_TRUE(slider.Create("", WS_VISIBLE, CRect(20, 20, 220, 40), &parent, kId));
    // Channel: upper half blue, lower half magenta, the colour taken from its pixel (0, 19).
    // Thumb: left half red, right half magenta, the colour given.
    std::string channel = WriteSkin("slider-masked-channel.bmp", 50, 20,
                                    [](int, int y) { return y < 10 ? kChannel : kMagenta; });
    std::string thumb = WriteSkin("slider-masked-thumb.bmp", 10, 20, [](int x, int) { return x < 5 ? kThumb : kMagenta; });
    ASSERT_TRUE(slider.SetBitmapChannel(CString(channel.c_str()), CString(), TRUE, 0xFF000000, 0, 19));
    ASSERT_TRUE(slider.SetBitmapThumb(CString(thumb.c_str()), CString(), TRUE, kMagenta));
    slider.SetPos(50);

    auto upper = [](int centre) {
        return [centre](int x) { return x >= centre - 5 && x < centre ? kThumb : kChannel; };
    };
    auto lower = [](int centre) {
        return [centre](int x) { return x >= centre - 5 && x < centre ? kThumb : Stripe(x); };
    };
    Pixels dialogPixels = Capture(hwnd());
    EXPECT_EQ("", RowMismatches(dialogPixels, 25, 20, 220, [&](int x) { return upper(120)(x); }));
    EXPECT_EQ("", RowMismatches(dialogPixels, 35, 20, 220, [&](int x) { return lower(120)(x); }));

    // Repainting only the slider: the old thumb's place shows the background kept from under it.
    slider.SetPos(20);
    Pixels sliderPixels = Capture(slider);
    int nCentre = slider.Pos2Pixel(20);
    EXPECT_EQ("", RowMismatches(sliderPixels, 5, 0, 200, [&](int x) { return upper(nCentre)(x); }));
    EXPECT_EQ("", RowMismatches(sliderPixels, 15, 0, 200, [&](int x) { return lower(nCentre + 20)(x + 20); }));
    ::RemoveWindowSubclass(hwnd(), StripedBackground, 1);
}

TEST_F(SliderTest, TheChannelFollowsTheControlsLength)
{
    // Sizes are of the client area; a border adds its frame around it.
    struct Case
    {
        const char* name;
        BOOL bVertical;
        DWORD dwStyle;
        CRect rc;
        CSize picture, loaded, resizeTo, resized;
    } cases[] = {
        {"horizontal", FALSE, 0, CRect(20, 20, 220, 40), CSize(50, 20), CSize(200, 20), CSize(300, 20), CSize(300, 20)},
        {"taller picture", FALSE, 0, CRect(20, 20, 220, 40), CSize(50, 30), CSize(200, 30), CSize(300, 30),
         CSize(300, 30)},
        {"vertical", TRUE, 0, CRect(20, 20, 40, 170), CSize(20, 50), CSize(20, 150), CSize(20, 100), CSize(20, 100)},
        {"with a border", FALSE, WS_BORDER, CRect(20, 20, 220, 40), CSize(50, 20), CSize(198, 20), CSize(302, 22),
         CSize(300, 20)},
    };
    for (const Case& c : cases)
    {
        CTestSlider s;
        ASSERT_TRUE(s.Create("", WS_VISIBLE | c.dwStyle, c.rc, &parent, kId)) << c.name;
        s.SetVertical(c.bVertical);
        ASSERT_TRUE(s.SetBitmapChannel(CString(SolidSkin("slider-size.bmp", c.picture.cx, c.picture.cy, kChannel).c_str()),
                                       CString()))
            << c.name;
        EXPECT_EQ(c.loaded, CSize(s.GetWidth(), s.GetHeight())) << c.name;
        CRect client;
        s.GetClientRect(&client);
        EXPECT_EQ(c.loaded, client.Size()) << c.name;
        s.SetWindowPos(NULL, 0, 0, c.resizeTo.cx, c.resizeTo.cy, SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_EQ(c.resized, CSize(s.GetWidth(), s.GetHeight())) << c.name;
        s.GetClientRect(&client);
        EXPECT_EQ(c.resized, client.Size()) << c.name;
        ExpectArea(Capture(s), CRect(CPoint(0, 0), c.resized), kChannel);
        s.DestroyWindow();
    }
}

TEST_F(SliderTest, RemovingTheChannelForgetsIt)
{
    CreateSkinned(slider);
    EXPECT_TRUE(slider.SetBitmapChannel(CString(), CString()));
    slider.SetWindowPos(NULL, 0, 0, 250, 20, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(250, slider.GetWidth()) << "without a channel the slider spans its client area";
    Pixels pixels = Capture(slider);
    EXPECT_EQ(0, CountPixels(pixels, CRect(0, 0, 250, 20), kChannel));
    EXPECT_EQ(10 * 20, CountPixels(pixels, CRect(0, 0, 250, 20), kThumb));
}

TEST_F(SliderTest, PicturesByIdComeFromTheApplicationOrForTheThumbAlongTheResourceChain)
{
    ASSERT_TRUE(slider.Create("", WS_VISIBLE, CRect(20, 20, 220, 40), &parent, kId));
    EXPECT_TRUE(slider.SetBitmapChannel(IDB_SLIDER_CHANNEL, 0));
    EXPECT_TRUE(slider.SetBitmapThumb(IDB_SLIDER_THUMB, 0));
    EXPECT_EQ(200, slider.GetWidth());
    Pixels pixels = Capture(slider);
    COLORREF channel = ResourceColour(IDB_SLIDER_CHANNEL), thumb = ResourceColour(IDB_SLIDER_THUMB);
    EXPECT_EQ("", RowMismatches(pixels, 10, 0, 200, [&](int x) { return x < 10 ? thumb : channel; }));

    // 5019 is one of the library's own pictures: the thumb finds it, the channel does not.
    EXPECT_TRUE(slider.SetBitmapThumb(5019, 0));
    EXPECT_FALSE(slider.SetBitmapChannel(5019, 0));
    EXPECT_FALSE(slider.SetBitmapThumb(31999, 0));
    EXPECT_FALSE(slider.SetBitmapChannel(IDB_SLIDER_CHANNEL, 31999));
    EXPECT_EQ(0, CountPixels(Capture(slider), CRect(0, 0, 200, 20), channel)) << "a failed load leaves no channel";
}

TEST_F(SliderTest, ManySlidersLeakNothing)
{
    std::string channel = WriteSkin("slider-leak-channel.bmp", 50, 20, [](int x, int) { return x % 2 ? kChannel : kMagenta; });
    std::string thumb = SolidSkin("slider-leak-thumb.bmp", 10, 20, kThumb);
    int nWindows = CountProcessWindows();
    {
        GdiLeakCheck check;
        for (int i = 0; i < 60; i++)
        {
            CTestSlider s;
            ASSERT_TRUE(s.Create("", WS_VISIBLE, CRect(20, 20, 220, 40), &parent, kId));
            s.SetBitmapChannel(CString(channel.c_str()), CString(channel.c_str()), TRUE, kMagenta);
            s.SetBitmapThumb(CString(thumb.c_str()), CString(thumb.c_str()), TRUE, kMagenta);
            s.SetBitmapThumb(CString(thumb.c_str()), CString(), TRUE, kMagenta);
            s.SetPos(i);
            s.UpdateWindow();
            s.SetPos(100 - i);
            s.SetWindowPos(NULL, 0, 0, 150, 20, SWP_NOMOVE | SWP_NOZORDER);
            s.UpdateWindow();
            s.DestroyWindow();
        }
        PumpIdle();
    }
    EXPECT_EQ(nWindows, CountProcessWindows());
}
