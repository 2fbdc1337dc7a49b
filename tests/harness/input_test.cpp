#include "probe.h"
#include "support/harness.h"

namespace lumtest {
namespace {

constexpr RECT kProbeRect = {50, 50, 250, 200};
constexpr POINT kInside = {20, 30};   // in the probe
constexpr POINT kOutside = {350, 250};  // in the dialog, off the probe
constexpr POINT kElsewhere = {120, 100};  // in the probe, far from kInside

class HarnessInput : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        probe_ = AddChild(ProbeClass(), "", 0, kProbeRect, 100);
    }

    HWND probe_ = nullptr;
};

LPARAM At(POINT pt)
{
    return MAKELPARAM(pt.x, pt.y);
}

TEST_F(HarnessInput, MoveToPutsTheRealPointerThere)
{
    static const POINT kPoints[] = {{0, 0}, {1, 1}, {7, 3}, {199, 149}, {ParentDialog::kWidth - 1, 299}};
    for (POINT pt : kPoints) {
        SCOPED_TRACE("client point " + std::to_string(pt.x) + "," + std::to_string(pt.y));
        MoveTo(hwnd(), pt);
        POINT expected = pt, actual;
        ClientToScreen(hwnd(), &expected);
        GetCursorPos(&actual);
        EXPECT_EQ(expected.x, actual.x);
        EXPECT_EQ(expected.y, actual.y);
    }
}

TEST_F(HarnessInput, ButtonsReachTheWindowUnderThePointer)
{
    static const struct {
        Button button;
        UINT down, up, dbl;
        WPARAM key;
    } kCases[] = {
        {Button::Left, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, MK_LBUTTON},
        {Button::Right, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, MK_RBUTTON},
        {Button::Middle, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, MK_MBUTTON},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(MessageName(c.down));
        MessageRecorder recorder(probe_, {c.down, c.up, c.dbl});
        Click(probe_, kInside, c.button);
        const Msg down = {c.down, c.key, At(kInside), checkWParam | checkLParam};
        const Msg up = {c.up, 0, At(kInside), checkWParam | checkLParam};
        ExpectSequence(recorder, {down, up}, "click");
        // Far enough from the click for a fresh first press.
        DoubleClick(probe_, kElsewhere, c.button);
        ExpectSequence(recorder,
                       {{c.down, c.key, At(kElsewhere), checkWParam | checkLParam},
                        {c.up, 0, At(kElsewhere), checkWParam | checkLParam},
                        {c.dbl, c.key, At(kElsewhere), checkWParam | checkLParam},
                        {c.up, 0, At(kElsewhere), checkWParam | checkLParam}},
                       "double click");
    }
}

TEST_F(HarnessInput, CaptureFollowsARealDrag)
{
    MessageRecorder recorder(probe_, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_CAPTURECHANGED});
    Press(probe_, kInside);
    EXPECT_EQ(probe_, GetCapture());
    EXPECT_LT(GetAsyncKeyState(VK_LBUTTON), 0);
    Release(hwnd(), kOutside);
    EXPECT_GE(GetAsyncKeyState(VK_LBUTTON), 0);
    POINT released = kOutside;
    MapWindowPoints(hwnd(), probe_, &released, 1);
    ExpectSequence(recorder,
                   {{WM_LBUTTONDOWN, MK_LBUTTON, At(kInside), checkWParam | checkLParam},
                    {WM_LBUTTONUP, 0, At(released), checkWParam | checkLParam},
                    {WM_CAPTURECHANGED}},
                   "drag out of the probe");
}

TEST_F(HarnessInput, LeavingTheWindowEndsTracking)
{
    MessageRecorder recorder(probe_, {WM_MOUSELEAVE});
    MoveTo(probe_, kInside);
    MoveTo(hwnd(), kOutside);
    EXPECT_TRUE(WaitFor([&] { return !recorder.Messages().empty(); }, 1000));
    ExpectSequence(recorder, {{WM_MOUSELEAVE}}, "TrackMouseEvent");
}

TEST_F(HarnessInput, WheelTurnsUnderThePointer)
{
    MessageRecorder recorder(probe_, {WM_MOUSEWHEEL});
    Wheel(probe_, kInside, -WHEEL_DELTA);
    Wheel(probe_, kInside, 2 * WHEEL_DELTA);
    ExpectSequence(recorder,
                   {{WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0, checkWParam},
                    {WM_MOUSEWHEEL, MAKEWPARAM(0, 2 * WHEEL_DELTA), 0, checkWParam}},
                   "wheel");
}

class HarnessKeyboard : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        edit_ = AddChild("EDIT", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, {10, 10, 300, 34}, 100);
        SetFocus(edit_);
    }

    std::string Text() const
    {
        char buf[256];
        GetWindowTextA(edit_, buf, sizeof buf);
        return buf;
    }

    HWND edit_ = nullptr;
};

TEST_F(HarnessKeyboard, TypedTextReachesTheEdit)
{
    TypeText("Hello, World! (x_y) 42?");
    EXPECT_EQ("Hello, World! (x_y) 42?", Text());
    KeyPress(VK_BACK);
    EXPECT_EQ("Hello, World! (x_y) 42", Text());
    KeyChord({VK_SHIFT, VK_HOME});  // an extended key with a held modifier
    TypeText("replaced");
    EXPECT_EQ("replaced", Text());
    KeyDown(VK_SHIFT);
    EXPECT_LT(GetKeyState(VK_SHIFT), 0);
    TypeText("a");
    KeyUp(VK_SHIFT);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    EXPECT_EQ("replacedA", Text());
}

TEST_F(HarnessKeyboard, PostedKeysAreTranslated)
{
    PostKey(edit_, 'Q');
    PostKey(edit_, VK_HOME);
    PostKey(edit_, '7');
    EXPECT_EQ("7q", Text());
}

TEST_F(HarnessKeyboard, TabMovesBetweenDialogControls)
{
    HWND second = AddChild("EDIT", "", WS_BORDER | WS_TABSTOP, {10, 50, 300, 74}, 101);
    KeyPress(VK_TAB);
    EXPECT_EQ(second, GetFocus());
    KeyChord({VK_SHIFT, VK_TAB});
    EXPECT_EQ(edit_, GetFocus());

    { ParentDialog inner; }  // a second dialog leaves navigation to the first when it goes
    SetForegroundWindow(hwnd());
    SetFocus(edit_);
    KeyPress(VK_TAB);
    EXPECT_EQ(second, GetFocus());
}

}  // namespace
}  // namespace lumtest
