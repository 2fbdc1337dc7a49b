#include "support/harness.h"

#include <gtest/gtest-spi.h>

namespace lumtest {
namespace {

TEST(HarnessLeaks, HeadroomIsLargeAndSteady)
{
    const int first = GdiHeadroom();
    EXPECT_GT(first, 9000);
    EXPECT_EQ(first, GdiHeadroom());
}

TEST(HarnessLeaks, SevenLeakedObjectsCountAsSeven)
{
    GdiLeakCheck check;
    std::vector<GdiPtr<HGDIOBJ>> leaked;
    leaked.emplace_back(CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
    leaked.emplace_back(CreateSolidBrush(RGB(4, 5, 6)));
    leaked.emplace_back(CreateHatchBrush(HS_CROSS, RGB(7, 8, 9)));
    leaked.emplace_back(CreateRectRgn(0, 0, 10, 10));
    leaked.emplace_back(CreateEllipticRgn(0, 0, 10, 10));
    leaked.emplace_back(CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial"));
    leaked.emplace_back(CreateBitmap(8, 8, 1, 32, nullptr));
    for (const auto& h : leaked)
        ASSERT_TRUE(h);
    EXPECT_EQ(7, check.Leaked());
    leaked.clear();
    EXPECT_EQ(0, check.Leaked());
}

TEST(HarnessLeaks, LeakCheckFailsOnALeak)
{
    GdiPtr<HPEN> pen;
    EXPECT_NONFATAL_FAILURE(
        {
            GdiLeakCheck check;
            pen.reset(CreatePen(PS_SOLID, 1, 0));
        },
        "1 GDI object(s) leaked");
}

TEST(HarnessLeaks, WindowCountReturnsToItsStart)
{
    const int start = CountProcessWindows();
    HWND hidden = CreateWindowExA(0, "STATIC", "hidden", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_TRUE(hidden);
    CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, hidden, nullptr, nullptr, nullptr);
    HWND child = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, hidden, nullptr, nullptr, nullptr);
    CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, child, nullptr, nullptr, nullptr);
    HWND messageOnly = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(messageOnly);
    EXPECT_EQ(start + 5, CountProcessWindows()) << "hidden, nested and message-only windows count";
    {
        ParentDialog dialog;
        dialog.AddChild("BUTTON", "", 0, {0, 0, 10, 10}, 1);
        EXPECT_EQ(start + 7, CountProcessWindows());
    }
    DestroyWindow(hidden);
    DestroyWindow(messageOnly);
    PumpIdle();
    EXPECT_EQ(start, CountProcessWindows());
}

}  // namespace
}  // namespace lumtest
