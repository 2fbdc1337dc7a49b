// The skinned progress bar: where the bar ends, the range, pictures put together from pieces at a
// resize, the indicator within the bar margins and the text's alignment.
#include "range_test.h"
#include "range/LumProgressCtrl.h"
#include <algorithm>

using namespace lumtest;
using namespace rangetest;

namespace {

const UINT kId = 99;
const COLORREF kBack = RGB(210, 214, 222);
const COLORREF kBar = RGB(60, 150, 70);
const COLORREF kIndicator = RGB(240, 190, 30);
const COLORREF kPaper = RGB(255, 255, 255);
char kNoPicture[] = "";

CRect Shifted(CRect rect, int dx, int dy)
{
    rect.OffsetRect(dx, dy);
    return rect;
}

class CTestProgress : public CLumProgressCtrl
{
public:
    using CLumProgressCtrl::Pos2Pixel;
};

class ProgressTest : public RangeTest
{
protected:
    void SetUp() override
    {
        RangeTest::SetUp();
        back = SolidSkin("progress-back.bmp", 200, 12, kBack);
        bar = SolidSkin("progress-bar.bmp", 200, 12, kBar);
        indicator = SolidSkin("progress-indicator.bmp", 8, 6, kIndicator);
    }

    void Create(CTestProgress& ctrl, CSize size)
    {
        ASSERT_TRUE(ctrl.Create(NULL, NULL, WS_VISIBLE, CRect(CPoint(10, 10), size), &parent, kId));
    }

    // Three pictures of 200 x 12: background, bar and (unless told otherwise) an 8 x 6 indicator.
    void SkinThree(CTestProgress& ctrl, bool bIndicator = true)
    {
        ctrl.SetSkin(back.data(), bar.data(), bIndicator ? indicator.data() : NULL);
    }

    // The pixels of the control that differ from `paper`: their bounding box.
    static CRect Ink(const Pixels& pixels, COLORREF paper)
    {
        CRect box(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
        for (int y = 0; y < pixels.Height(); y++)
            for (int x = 0; x < pixels.Width(); x++)
                if (pixels.At(x, y) != paper)
                    box.SetRect(std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
                                std::max<LONG>(box.bottom, y + 1));
        return box;
    }

    std::string back, bar, indicator;
    CTestProgress progress;
};

}  // namespace

TEST_F(ProgressTest, TheBarEndsAtTheValuesPixel)
{
    Create(progress, CSize(200, 12));
    SkinThree(progress, false);
    struct Case
    {
        int nValue, nPixel;
    } cases[] = {{25, 50}, {33, 66}, {0, 0}, {99, 198}, {100, 200}};
    for (const Case& c : cases)
    {
        progress.SetValue(c.nValue, true);
        EXPECT_EQ(c.nPixel, progress.Pos2Pixel(c.nValue)) << c.nValue;
        EXPECT_EQ("", RowMismatches(Capture(progress), 6, 0, 200, [&](int x) { return x < c.nPixel ? kBar : kBack; }))
            << c.nValue;
    }
}

TEST_F(ProgressTest, TheValueStaysWithinTheRange)
{
    struct Case
    {
        int nValue, nMin, nMax, nExpected;
    } cases[] = {{5, 10, 20, 10}, {50, 10, 20, 20}, {15, 10, 20, 15}, {-7, -10, 0, -7}};
    for (const Case& c : cases)
    {
        CTestProgress ctrl;
        ctrl.SetRange(-100, 100);
        ctrl.SetValue(c.nValue, false);
        ctrl.SetRange(c.nMin, c.nMax);
        EXPECT_EQ(c.nExpected, ctrl.GetValue()) << c.nValue << " in " << c.nMin << ".." << c.nMax;
        EXPECT_EQ(c.nMin, ctrl.GetMinValue());
        EXPECT_EQ(c.nMax, ctrl.GetMaxValue());
    }
    progress.SetValue(500, false);
    EXPECT_EQ(100, progress.GetValue());
    progress.SetValue(-1, false);
    EXPECT_EQ(0, progress.GetValue());
}

TEST_F(ProgressTest, SevenPiecesArePutTogetherAtTheNextResize)
{
    Create(progress, CSize(60, 20));
    progress.SetSkin(IDB_BG_LEFT, IDB_BG_MIDDLE, IDB_BG_RIGHT, IDB_BAR_LEFT, IDB_BAR_MIDDLE, IDB_BAR_RIGHT, 0);
    progress.SetWindowPos(NULL, 0, 0, 100, 12, SWP_NOMOVE | SWP_NOZORDER);
    auto bgAt = [](int x) { return ResourceColour(x < 4 ? IDB_BG_LEFT : x < 96 ? IDB_BG_MIDDLE : IDB_BG_RIGHT); };
    auto barAt = [](int x) { return ResourceColour(x < 4 ? IDB_BAR_LEFT : x < 96 ? IDB_BAR_MIDDLE : IDB_BAR_RIGHT); };
    for (int nValue : {0, 50, 100})
    {
        progress.SetValue(nValue, true);
        Pixels pixels = Capture(progress);
        for (int y : {0, 5, 11})
            EXPECT_EQ("", RowMismatches(pixels, y, 0, 100, [&](int x) { return x < nValue ? barAt(x) : bgAt(x); }))
                << "value " << nValue << ", row " << y;
    }
}

TEST_F(ProgressTest, WithoutAllItsBarPiecesASevenPictureSkinShowsTheWholeBackground)
{
    Create(progress, CSize(60, 20));
    progress.SetSkin(IDB_BG_LEFT, IDB_BG_MIDDLE, IDB_BG_RIGHT, IDB_BAR_LEFT, 0, IDB_BAR_RIGHT, 0);
    progress.SetWindowPos(NULL, 0, 0, 100, 12, SWP_NOMOVE | SWP_NOZORDER);
    progress.SetValue(50, true);
    Pixels pixels = Capture(progress);
    ExpectArea(pixels, CRect(0, 0, 4, 12), ResourceColour(IDB_BG_LEFT));
    ExpectArea(pixels, CRect(4, 0, 96, 12), ResourceColour(IDB_BG_MIDDLE));
    ExpectArea(pixels, CRect(96, 0, 100, 12), ResourceColour(IDB_BG_RIGHT));
}

TEST_F(ProgressTest, AThreePictureSkinReplacesSevenPieces)
{
    Create(progress, CSize(60, 20));
    progress.SetSkin(IDB_BG_LEFT, IDB_BG_MIDDLE, IDB_BG_RIGHT, IDB_BAR_LEFT, IDB_BAR_MIDDLE, IDB_BAR_RIGHT, 0);
    progress.SetWindowPos(NULL, 0, 0, 100, 12, SWP_NOMOVE | SWP_NOZORDER);
    SkinThree(progress, false);
    progress.SetWindowPos(NULL, 0, 0, 200, 12, SWP_NOMOVE | SWP_NOZORDER);
    progress.SetValue(50, true);
    EXPECT_EQ("", RowMismatches(Capture(progress), 6, 0, 200, [](int x) { return x < 100 ? kBar : kBack; }));
}

TEST_F(ProgressTest, TheIndicatorIsCentredOnTheValueWithinTheBarMargins)
{
    Create(progress, CSize(100, 12));
    SkinThree(progress);
    progress.SetBarMargin(4, 4);
    struct Case
    {
        const char* name;
        bool bBar;
        int nValue, nLeft;
    } cases[] = {
        {"at 0, centre at the left margin", true, 0, 0},
        {"in the middle", true, 50, 46},
        {"at 100, centre at the right margin", true, 100, 92},
        {"without a bar, at the left margin", false, 70, 4},
    };
    for (const Case& c : cases)
    {
        if (!c.bBar)
            progress.SetSkin(back.data(), kNoPicture, NULL);   // keeps the indicator
        progress.SetValue(c.nValue, true);
        Pixels pixels = Capture(progress);
        EXPECT_TRUE(AreaIs(pixels, CRect(c.nLeft, 0, c.nLeft + 8, 12), kIndicator)) << c.name;
        EXPECT_EQ(8 * 12, CountPixels(pixels, CRect(0, 0, 100, 12), kIndicator)) << c.name;
    }
}

TEST_F(ProgressTest, AnEmptyRangeShowsAnEmptyBar)
{
    Create(progress, CSize(200, 12));
    SkinThree(progress, false);
    progress.SetRange(5, 5);
    progress.SetValue(5, true);
    EXPECT_EQ(0, progress.Pos2Pixel(5));
    ExpectArea(Capture(progress), CRect(0, 0, 200, 12), kBack);
}

TEST_F(ProgressTest, TextIsPlacedByItsAlignmentAndMargins)
{
    Create(progress, CSize(200, 30));
    std::string paper = SolidSkin("progress-paper.bmp", 200, 30, kPaper);
    progress.SetSkin(paper.data(), kNoPicture, NULL);
    CFont font;
    font.CreateFont(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, "Arial");
    progress.SetTextFont(&font);
    progress.SetTextColor(RGB(0, 0, 0));
    progress.SetText("HHHH", true);

    auto inkFor = [&](int h, int v, int mx, int my) {
        progress.SetTextAlign(h, v);
        progress.SetTextMargin(mx, my);
        return Ink(Capture(progress), kPaper);
    };
    EXPECT_EQ(3, progress.GetTextHAlign());
    EXPECT_EQ(6, progress.GetTextVAlign());
    CSize extent;
    {
        CClientDC dc(&progress);
        CFont* pOld = dc.SelectObject(&font);
        extent = dc.GetTextExtent("HHHH", 4);
        dc.SelectObject(pOld);
    }
    CRect centred = inkFor(3, 6, 0, 0);
    ASSERT_LT(centred.left, centred.right) << "text drawn";
    CRect left = inkFor(1, 4, 0, 0), right = inkFor(2, 5, 0, 0);
    EXPECT_EQ(CSize(200 - extent.cx, 30 - extent.cy), right.TopLeft() - left.TopLeft())
        << "right and bottom ends of the text's extent in the font it is drawn with";
    EXPECT_NEAR(centred.left, (left.left + right.left) / 2, 1) << "centred across";
    EXPECT_NEAR(centred.top, (left.top + right.top) / 2, 1) << "middle between top and bottom";
    EXPECT_EQ(Shifted(left, 5, 3), inkFor(1, 4, 5, 3)) << "margins push away from the left and top";
    EXPECT_EQ(Shifted(right, -5, -3), inkFor(2, 5, 5, 3)) << "and away from the right and bottom";
    EXPECT_EQ(Shifted(centred, 5, 3), inkFor(3, 6, 5, 3)) << "and add to the centred place";

    // Values outside the tables place the text as the defaults do.
    CRect expected = inkFor(3, 6, 0, 0);
    EXPECT_EQ(expected, inkFor(0, 0, 0, 0));
    EXPECT_EQ(expected, inkFor(9, 2, 0, 0));
    progress.SetTextFont(NULL);
}

TEST_F(ProgressTest, ASubclassedItemIsDrawnAtOnce)
{
    ASSERT_TRUE(progress.SubclassWindow(AddChild("STATIC", "", 0, {10, 60, 210, 72}, 95)));
    SkinThree(progress, false);
    progress.SetValue(50, true);
    EXPECT_EQ("", RowMismatches(Capture(progress), 6, 0, 200, [](int x) { return x < 100 ? kBar : kBack; }));
}

TEST_F(ProgressTest, AMissingBackgroundFileIsReportedAndDrawsNothing)
{
    Create(progress, CSize(200, 12));
    std::string missing = back + ".missing";
    {
        MessageBoxCatcher boxes(1);
        progress.SetSkin(missing.data(), bar.data(), NULL);
    }
    progress.SetText("text", true);
    Pixels pixels = Capture(progress);
    EXPECT_EQ(0, CountPixels(pixels, CRect(0, 0, 200, 12), kBar));
    EXPECT_TRUE(AreaIs(pixels, CRect(0, 0, 200, 12), pixels.At(0, 0))) << "one colour, no text";
}

TEST_F(ProgressTest, ManyProgressBarsLeakNothing)
{
    int nWindows = CountProcessWindows();
    {
        GdiLeakCheck check;
        CFont font;
        font.CreateFont(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
        for (int i = 0; i < 60; i++)
        {
            CTestProgress ctrl;
            Create(ctrl, CSize(150, 12));
            ctrl.SetSkin(IDB_BG_LEFT, IDB_BG_MIDDLE, IDB_BG_RIGHT, IDB_BAR_LEFT, IDB_BAR_MIDDLE, IDB_BAR_RIGHT, 0);
            ctrl.SetWindowPos(NULL, 0, 0, 120 + i, 12, SWP_NOMOVE | SWP_NOZORDER);
            ctrl.SetText("50%", false);
            ctrl.SetTextFont(&font);
            ctrl.SetValue(i, true);
            ctrl.UpdateWindow();
            SkinThree(ctrl);
            ctrl.SetValue(100 - i, true);
            ctrl.UpdateWindow();
            ctrl.DestroyWindow();
        }
        PumpIdle();
    }
    EXPECT_EQ(nWindows, CountProcessWindows());
}
