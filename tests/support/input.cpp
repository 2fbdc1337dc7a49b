// User-like input through SendInput, and the posted-message shortcuts.
#include "support/harness.h"

namespace lumtest {

namespace {

struct ButtonFlags {
    DWORD down, up;
};

ButtonFlags FlagsOf(Button b)
{
    switch (b) {
    case Button::Right: return {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP};
    case Button::Middle: return {MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP};
    default: return {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
    }
}

INPUT Mouse(DWORD flags, LONG dx = 0, LONG dy = 0, DWORD data = 0)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    in.mi.dx = dx;
    in.mi.dy = dy;
    in.mi.mouseData = data;
    return in;
}

// Absolute coordinates run from 0 to 65535 across the primary screen; rounding up lands on the pixel.
LONG Normalize(LONG v, int extent)
{
    return static_cast<LONG>((static_cast<LONGLONG>(v) * 65536 + extent - 1) / extent);
}

INPUT MoveInput(POINT screen)
{
    return Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, Normalize(screen.x, GetSystemMetrics(SM_CXSCREEN)),
                 Normalize(screen.y, GetSystemMetrics(SM_CYSCREEN)));
}

INPUT MoveInput(HWND hwnd, POINT pt)
{
    ClientToScreen(hwnd, &pt);
    return MoveInput(pt);
}

bool IsExtended(WORD vk)
{
    switch (vk) {
    case VK_INSERT: case VK_DELETE: case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_RCONTROL: case VK_RMENU:
    case VK_LWIN: case VK_RWIN: case VK_APPS: case VK_DIVIDE: case VK_NUMLOCK: case VK_SNAPSHOT:
        return true;
    default:
        return false;
    }
}

INPUT Key(WORD vk, bool up)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtended(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    return in;
}

INPUT UnicodeKey(WCHAR c, bool up)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wScan = c;
    in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    return in;
}

void Send(std::vector<INPUT> inputs)
{
    const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    if (sent != inputs.size())
        ADD_FAILURE() << "SendInput sent " << sent << " of " << inputs.size() << " events, error "
                      << GetLastError();
    PumpIdle();
}

// The keys (with their Shift, Ctrl and Alt) that type one character.
void AppendChar(std::vector<INPUT>& inputs, char c)
{
    const SHORT scan = VkKeyScanA(c);
    if (scan == -1) {
        WCHAR w = 0;
        MultiByteToWideChar(CP_ACP, 0, &c, 1, &w, 1);
        inputs.push_back(UnicodeKey(w, false));
        inputs.push_back(UnicodeKey(w, true));
        return;
    }
    static const struct { int bit; WORD vk; } kModifiers[] = {{1, VK_SHIFT}, {2, VK_CONTROL}, {4, VK_MENU}};
    const int shift = HIBYTE(scan);
    for (const auto& m : kModifiers)
        if (shift & m.bit)
            inputs.push_back(Key(m.vk, false));
    inputs.push_back(Key(LOBYTE(scan), false));
    inputs.push_back(Key(LOBYTE(scan), true));
    for (const auto& m : kModifiers)
        if (shift & m.bit)
            inputs.push_back(Key(m.vk, true));
}

LPARAM KeyLParam(WORD vk, bool up)
{
    LPARAM lp = 1 | (static_cast<LPARAM>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)) << 16);
    if (IsExtended(vk))
        lp |= 1 << 24;
    if (up)
        lp |= 3u << 30;
    return lp;
}

}  // namespace

void MoveTo(HWND hwnd, POINT pt)
{
    Send({MoveInput(hwnd, pt)});
}

void MoveToScreen(POINT screenPt)
{
    Send({MoveInput(screenPt)});
}

void Press(HWND hwnd, POINT pt, Button button)
{
    Send({MoveInput(hwnd, pt), Mouse(FlagsOf(button).down)});
}

void Release(HWND hwnd, POINT pt, Button button)
{
    Send({MoveInput(hwnd, pt), Mouse(FlagsOf(button).up)});
}

void Click(HWND hwnd, POINT pt, Button button)
{
    const ButtonFlags f = FlagsOf(button);
    Send({MoveInput(hwnd, pt), Mouse(f.down), Mouse(f.up)});
}

void DoubleClick(HWND hwnd, POINT pt, Button button)
{
    const ButtonFlags f = FlagsOf(button);
    Send({MoveInput(hwnd, pt), Mouse(f.down), Mouse(f.up), Mouse(f.down), Mouse(f.up)});
}

void Wheel(HWND hwnd, POINT pt, int delta)
{
    Send({MoveInput(hwnd, pt), Mouse(MOUSEEVENTF_WHEEL, 0, 0, static_cast<DWORD>(delta))});
}

void KeyDown(WORD vk)
{
    Send({Key(vk, false)});
}

void KeyUp(WORD vk)
{
    Send({Key(vk, true)});
}

void KeyPress(WORD vk)
{
    Send({Key(vk, false), Key(vk, true)});
}

void KeyChord(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (WORD vk : keys)
        inputs.push_back(Key(vk, false));
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it)
        inputs.push_back(Key(*it, true));
    Send(std::move(inputs));
}

void TypeText(const char* text)
{
    std::vector<INPUT> inputs;
    for (; *text; ++text)
        AppendChar(inputs, *text);
    Send(std::move(inputs));
}

void ReleaseAllInput()
{
    static const struct { WORD vk; DWORD up; } kButtons[] = {
        {VK_LBUTTON, MOUSEEVENTF_LEFTUP}, {VK_RBUTTON, MOUSEEVENTF_RIGHTUP}, {VK_MBUTTON, MOUSEEVENTF_MIDDLEUP}};
    std::vector<INPUT> inputs;
    for (const auto& b : kButtons)
        if (GetAsyncKeyState(b.vk) < 0)
            inputs.push_back(Mouse(b.up));
    for (WORD vk = VK_BACK; vk < 0xFF; ++vk)
        if (GetAsyncKeyState(vk) < 0)
            inputs.push_back(Key(vk, true));
    if (!inputs.empty())
        Send(std::move(inputs));
}

void PostClick(HWND hwnd, POINT pt)
{
    PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    PostMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    PumpIdle();
}

void PostKey(HWND hwnd, WORD vk)
{
    PostMessageA(hwnd, WM_KEYDOWN, vk, KeyLParam(vk, false));
    PostMessageA(hwnd, WM_KEYUP, vk, KeyLParam(vk, true));
    PumpIdle();
}

}  // namespace lumtest
