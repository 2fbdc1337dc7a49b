#include "support/harness.h"

#include <gtest/gtest-spi.h>

namespace lumtest {
namespace {

using HarnessDialog = DialogTest;

TEST_F(HarnessDialog, IsAnActiveDialogAtAKnownPlace)
{
    char cls[16];
    GetClassNameA(hwnd(), cls, sizeof cls);
    EXPECT_STREQ("#32770", cls);
    EXPECT_TRUE(IsWindowVisible(hwnd()));
    EXPECT_EQ(hwnd(), GetForegroundWindow());
    EXPECT_EQ(hwnd(), GetActiveWindow());

    RECT window, client;
    GetWindowRect(hwnd(), &window);
    GetClientRect(hwnd(), &client);
    EXPECT_EQ(ParentDialog::kLeft, window.left);
    EXPECT_EQ(ParentDialog::kTop, window.top);
    EXPECT_EQ(ParentDialog::kWidth, client.right);
    EXPECT_EQ(ParentDialog::kHeight, client.bottom);
}

TEST_F(HarnessDialog, ChildrenGetTheDialogFont)
{
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(hwnd(), WM_GETFONT, 0, 0));
    ASSERT_TRUE(font) << "DS_SETFONT gives the dialog a font";
    HWND button = AddChild("BUTTON", "OK", BS_PUSHBUTTON, {10, 20, 90, 45}, IDOK);
    ASSERT_TRUE(button);
    EXPECT_EQ(font, reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0)));
    EXPECT_EQ(IDOK, GetDlgCtrlID(button));
    EXPECT_TRUE(IsWindowVisible(button));
    RECT rc;
    GetWindowRect(button, &rc);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(10, rc.left);
    EXPECT_EQ(20, rc.top);
    EXPECT_EQ(80, rc.right - rc.left);
}

TEST_F(HarnessDialog, AddChildOfAnUnknownClassFails)
{
    HWND child = nullptr;
    EXPECT_NONFATAL_FAILURE(child = AddChild("NoSuchClass", "", 0, {0, 0, 10, 10}, 1), "\"NoSuchClass\"");
    EXPECT_FALSE(child);
}

TEST(HarnessPump, PumpIdleRunsPostedWorkAndPaints)
{
    ParentDialog dialog;
    bool posted = false;
    SetWindowSubclass(
        dialog.hwnd(),
        [](HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR ref) -> LRESULT {
            if (m == WM_APP)
                *reinterpret_cast<bool*>(ref) = true;
            return DefSubclassProc(h, m, w, l);
        },
        1, reinterpret_cast<DWORD_PTR>(&posted));
    PostMessageA(dialog.hwnd(), WM_APP, 0, 0);
    InvalidateRect(dialog.hwnd(), nullptr, TRUE);
    PumpIdle();
    EXPECT_TRUE(posted);
    EXPECT_FALSE(GetUpdateRect(dialog.hwnd(), nullptr, FALSE)) << "the paint happened";
}

TEST(HarnessPump, WaitForSeesTimersAndTimesOut)
{
    ParentDialog dialog;
    static bool fired;
    fired = false;
    SetTimer(dialog.hwnd(), 1, 30, [](HWND h, UINT, UINT_PTR id, DWORD) {
        fired = true;
        KillTimer(h, id);
    });
    EXPECT_TRUE(WaitFor([] { return fired; }, 2000));

    const DWORD start = GetTickCount();
    EXPECT_FALSE(WaitFor([] { return false; }, 100));
    const DWORD spent = GetTickCount() - start;
    EXPECT_GE(spent, 90u);
    EXPECT_LT(spent, 400u);
}

TEST(HarnessPump, MessageFilterSeesMessagesFirst)
{
    ParentDialog dialog;
    std::vector<UINT> filtered;
    SetMessageFilter([&](MSG& msg) {
        if (msg.message < WM_APP)
            return false;
        filtered.push_back(msg.message);
        return true;
    });
    MessageRecorder recorder(dialog.hwnd());
    PostMessageA(dialog.hwnd(), WM_APP + 1, 0, 0);
    PostMessageA(dialog.hwnd(), WM_USER + 100, 0, 0);
    PumpIdle();
    SetMessageFilter(nullptr);
    EXPECT_EQ(std::vector<UINT>{WM_APP + 1}, filtered);
    ExpectSequence(recorder, {{WM_USER + 100}}, "what the filter let through");
}

}  // namespace
}  // namespace lumtest
