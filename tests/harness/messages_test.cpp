#include "support/harness.h"

#include <gtest/gtest-spi.h>

namespace lumtest {
namespace {

constexpr int kButtonId = 1001;
constexpr int kUpDownId = 1002;

using HarnessMessages = DialogTest;

TEST_F(HarnessMessages, ButtonClicksNotifyTheParent)
{
    HWND button = AddChild("BUTTON", "Push", BS_PUSHBUTTON, {10, 10, 110, 40}, kButtonId);
    MessageRecorder recorder(hwnd(), {WM_COMMAND});
    const Msg clicked = {WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED), reinterpret_cast<LPARAM>(button),
                         checkWParam | checkLParam};
    Click(button, {50, 15});
    ExpectSequence(recorder, {clicked}, "SendInput click");
    PostClick(button, {50, 15});
    ExpectSequence(recorder, {clicked}, "posted click");
    EXPECT_TRUE(recorder.Messages().empty()) << "ExpectSequence clears";
}

TEST_F(HarnessMessages, NotificationsKeepTheirOrderAndHeader)
{
    HWND updown = AddChild(UPDOWN_CLASSA, "", UDS_SETBUDDYINT, {10, 10, 30, 60}, kUpDownId);
    SendMessageA(updown, UDM_SETRANGE32, 0, 10);
    MessageRecorder recorder(hwnd());
    Click(updown, {10, 10});  // the upper arrow
    const std::vector<Recorded>& got = recorder.Messages();
    ASSERT_EQ(4u, got.size());
    EXPECT_EQ(updown, got[1].hwndFrom);
    EXPECT_EQ(static_cast<UINT_PTR>(kUpDownId), got[1].idFrom);
    ExpectSequence(recorder,
                   {{WM_PARENTNOTIFY, WM_LBUTTONDOWN, MAKELPARAM(20, 20), checkWParam | checkLParam},
                    {WM_NOTIFY, kUpDownId, 0, checkWParam | checkCode, static_cast<UINT>(UDN_DELTAPOS)},
                    {WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 1), reinterpret_cast<LPARAM>(updown),
                     checkWParam | checkLParam},
                    {WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 1), 0, checkWParam}},
                   "up-down click");
}

TEST_F(HarnessMessages, DefaultSelectionIsNotificationsAndPrivateRanges)
{
    MessageRecorder recorder(hwnd());
    for (UINT m : {UINT(WM_APP + 5), UINT(DM_GETDEFID), UINT(WM_PAINT), UINT(WM_USER + 7), UINT(WM_MOUSEMOVE),
                   UINT(WM_CTLCOLORSTATIC), UINT(WM_HSCROLL), UINT(WM_SETCURSOR), UINT(0xC123)})
        SendMessageA(hwnd(), m, 0, 0);
    ExpectSequence(recorder, {{WM_APP + 5}, {WM_USER + 7}, {WM_CTLCOLORSTATIC}, {WM_HSCROLL}},
                   "a dialog's own DM_ messages are left out");
}

// A recording of three messages compared with expectations that do and do not fit it.
TEST_F(HarnessMessages, MismatchesAreReportedReadably)
{
    MessageRecorder recorder(hwnd());
    static const struct {
        const char* name;
        std::vector<Msg> expected;
        const char* failure;  // empty: matches
    } kCases[] = {
        {"exact", {{WM_APP, 1, 2, checkWParam | checkLParam}, {WM_COMMAND}, {WM_APP + 1}}, ""},
        {"optional ones skipped",
         {{WM_USER + 3, 0, 0, optional}, {WM_APP}, {WM_COMMAND, 0x10005, 0, checkWParam}, {WM_APP + 9, 0, 0, optional},
          {WM_APP + 1}, {WM_APP + 2, 0, 0, optional}},
         ""},
        {"wrong parameter", {{WM_APP, 1, 3, checkWParam | checkLParam}},
         "message 0: expected WM_APP+0 wParam=0x1 lParam=0x3 but got WM_APP+0 wParam=0x1 lParam=0x2"},
        {"wrong command", {{WM_APP}, {WM_COMMAND, MAKEWPARAM(5, 2), 0, checkWParam}},
         "message 1: expected WM_COMMAND wParam=0x20005 (id 5, code 2) but got WM_COMMAND wParam=0x10005 (id 5, "
         "code 1) lParam=0x0"},
        {"missing", {{WM_APP}, {WM_COMMAND}, {WM_APP + 1}, {WM_NOTIFY}},
         "message 3: expected WM_NOTIFY but the recording ended"},
        {"extra", {{WM_APP}, {WM_COMMAND}}, "message 2: unexpected WM_APP+1 wParam=0x0 lParam=0x0 (expected the end)"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        recorder.Clear();
        SendMessageA(hwnd(), WM_APP, 1, 2);
        SendMessageA(hwnd(), WM_COMMAND, 0x10005, 0);
        SendMessageA(hwnd(), WM_APP + 1, 0, 0);
        const ::testing::AssertionResult r = SequenceIs(recorder, c.expected, "case");
        if (!*c.failure) {
            EXPECT_TRUE(r);
            continue;
        }
        ASSERT_FALSE(r);
        const std::string message = r.message();
        EXPECT_EQ(0u, message.find(std::string("case: ") + c.failure)) << message;
        EXPECT_NE(std::string::npos, message.find("recorded (3):\n  0: WM_APP+0")) << message;
    }
}

TEST_F(HarnessMessages, NotifyIsDescribedByItsHeader)
{
    MessageRecorder recorder(hwnd());
    NMHDR nm = {hwnd(), 42, static_cast<UINT>(NM_CLICK)};
    SendMessageA(hwnd(), WM_NOTIFY, 42, reinterpret_cast<LPARAM>(&nm));
    EXPECT_NONFATAL_FAILURE(
        ExpectSequence(recorder, {{WM_NOTIFY, 42, 0, checkWParam | checkCode, static_cast<UINT>(NM_DBLCLK)}}, "nm"),
        "nm: message 0: expected WM_NOTIFY idFrom=42 code=-3 but got WM_NOTIFY idFrom=42 code=-2 hwndFrom=0x");
}

TEST_F(HarnessMessages, RecorderLetsGoOfADestroyedWindow)
{
    HWND button = AddChild("BUTTON", "", BS_PUSHBUTTON, {0, 0, 20, 20}, kButtonId);
    MessageRecorder recorder(button, {WM_DESTROY});
    DestroyWindow(button);
    EXPECT_EQ(nullptr, recorder.hwnd());
    ExpectSequence(recorder, {{WM_DESTROY}}, "destroyed");
}

}  // namespace
}  // namespace lumtest
