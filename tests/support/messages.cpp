// Recording the messages a window receives and comparing them with an expected sequence.
#include "support/harness.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sstream>

namespace lumtest {

namespace {

bool IsDialog(HWND hwnd)
{
    char cls[16];
    return GetClassNameA(hwnd, cls, sizeof cls) && std::strcmp(cls, "#32770") == 0;
}

std::string HexValue(ULONG_PTR v)
{
    char buf[24];
    std::snprintf(buf, sizeof buf, "0x%llX", static_cast<unsigned long long>(v));
    return buf;
}

std::string CommandParts(WPARAM wParam)
{
    return " (id " + std::to_string(LOWORD(wParam)) + ", code " + std::to_string(HIWORD(wParam)) + ")";
}

bool Matches(const Msg& e, const Recorded& a)
{
    return e.message == a.message && (!(e.flags & checkWParam) || e.wParam == a.wParam) &&
           (!(e.flags & checkLParam) || e.lParam == a.lParam) && (!(e.flags & checkCode) || e.code == a.code);
}

}  // namespace

MessageRecorder::MessageRecorder(HWND hwnd)
    : MessageRecorder(hwnd, [dialog = IsDialog(hwnd)](UINT m) {
          return IsNotification(m) && !(dialog && m >= DM_GETDEFID && m <= DM_REPOSITION);
      })
{
}

MessageRecorder::MessageRecorder(HWND hwnd, std::vector<UINT> only)
    : MessageRecorder(hwnd, [only = std::move(only)](UINT m) {
          return std::find(only.begin(), only.end(), m) != only.end();
      })
{
}

MessageRecorder::MessageRecorder(HWND hwnd, Filter which) : hwnd_(hwnd), which_(std::move(which))
{
    if (!SetWindowSubclass(hwnd_, Proc, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this)))
        ADD_FAILURE() << "MessageRecorder cannot subclass " << hwnd_;
}

MessageRecorder::~MessageRecorder()
{
    if (hwnd_)
        RemoveWindowSubclass(hwnd_, Proc, reinterpret_cast<UINT_PTR>(this));
}

bool MessageRecorder::IsNotification(UINT m)
{
    switch (m) {
    case WM_COMMAND: case WM_NOTIFY: case WM_HSCROLL: case WM_VSCROLL: case WM_DRAWITEM:
    case WM_MEASUREITEM: case WM_COMPAREITEM: case WM_DELETEITEM: case WM_PARENTNOTIFY: case WM_CONTEXTMENU:
        return true;
    default:
        return (m >= WM_CTLCOLORMSGBOX && m <= WM_CTLCOLORSTATIC) || (m >= WM_USER && m <= 0xBFFF);
    }
}

LRESULT CALLBACK MessageRecorder::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR ref)
{
    auto* self = reinterpret_cast<MessageRecorder*>(ref);
    if (self->which_(message)) {
        Recorded r = {hwnd, message, wParam, lParam, 0, 0, nullptr};
        if (message == WM_NOTIFY && lParam) {
            const auto* nm = reinterpret_cast<const NMHDR*>(lParam);
            r.code = nm->code;
            r.idFrom = nm->idFrom;
            r.hwndFrom = nm->hwndFrom;
        }
        self->messages_.push_back(r);
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, Proc, reinterpret_cast<UINT_PTR>(self));
        self->hwnd_ = nullptr;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

std::string MessageName(UINT message)
{
    static const struct { UINT id; const char* name; } kNames[] = {
#define LUM_NAME(m) {m, #m}
        LUM_NAME(WM_CREATE), LUM_NAME(WM_DESTROY), LUM_NAME(WM_MOVE), LUM_NAME(WM_SIZE),
        LUM_NAME(WM_ACTIVATE), LUM_NAME(WM_SETFOCUS), LUM_NAME(WM_KILLFOCUS), LUM_NAME(WM_ENABLE),
        LUM_NAME(WM_SETREDRAW), LUM_NAME(WM_SETTEXT), LUM_NAME(WM_GETTEXT), LUM_NAME(WM_PAINT),
        LUM_NAME(WM_CLOSE), LUM_NAME(WM_ERASEBKGND), LUM_NAME(WM_SHOWWINDOW), LUM_NAME(WM_SETCURSOR),
        LUM_NAME(WM_MOUSEACTIVATE), LUM_NAME(WM_DRAWITEM), LUM_NAME(WM_MEASUREITEM), LUM_NAME(WM_DELETEITEM),
        LUM_NAME(WM_SETFONT), LUM_NAME(WM_GETFONT), LUM_NAME(WM_COMPAREITEM), LUM_NAME(WM_WINDOWPOSCHANGING),
        LUM_NAME(WM_WINDOWPOSCHANGED), LUM_NAME(WM_NOTIFY), LUM_NAME(WM_CONTEXTMENU), LUM_NAME(WM_NCCREATE),
        LUM_NAME(WM_NCDESTROY), LUM_NAME(WM_NCHITTEST), LUM_NAME(WM_NCPAINT), LUM_NAME(WM_GETDLGCODE),
        LUM_NAME(WM_KEYDOWN), LUM_NAME(WM_KEYUP), LUM_NAME(WM_CHAR), LUM_NAME(WM_SYSKEYDOWN),
        LUM_NAME(WM_SYSKEYUP), LUM_NAME(WM_SYSCHAR), LUM_NAME(WM_INITDIALOG), LUM_NAME(WM_COMMAND),
        LUM_NAME(WM_SYSCOMMAND), LUM_NAME(WM_TIMER), LUM_NAME(WM_HSCROLL), LUM_NAME(WM_VSCROLL),
        LUM_NAME(WM_INITMENUPOPUP), LUM_NAME(WM_MENUSELECT), LUM_NAME(WM_CTLCOLORMSGBOX),
        LUM_NAME(WM_CTLCOLOREDIT), LUM_NAME(WM_CTLCOLORLISTBOX), LUM_NAME(WM_CTLCOLORBTN),
        LUM_NAME(WM_CTLCOLORDLG), LUM_NAME(WM_CTLCOLORSCROLLBAR), LUM_NAME(WM_CTLCOLORSTATIC),
        LUM_NAME(WM_MOUSEMOVE), LUM_NAME(WM_LBUTTONDOWN), LUM_NAME(WM_LBUTTONUP), LUM_NAME(WM_LBUTTONDBLCLK),
        LUM_NAME(WM_RBUTTONDOWN), LUM_NAME(WM_RBUTTONUP), LUM_NAME(WM_RBUTTONDBLCLK), LUM_NAME(WM_MBUTTONDOWN),
        LUM_NAME(WM_MBUTTONUP), LUM_NAME(WM_MOUSEWHEEL), LUM_NAME(WM_PARENTNOTIFY), LUM_NAME(WM_CAPTURECHANGED),
        LUM_NAME(WM_MOUSEHOVER), LUM_NAME(WM_MOUSELEAVE), LUM_NAME(WM_CUT), LUM_NAME(WM_COPY),
        LUM_NAME(WM_PASTE), LUM_NAME(WM_CLEAR), LUM_NAME(WM_UNDO), LUM_NAME(WM_PRINTCLIENT),
#undef LUM_NAME
    };
    for (const auto& n : kNames)
        if (n.id == message)
            return n.name;
    if (message >= WM_APP && message <= 0xBFFF)
        return "WM_APP+" + std::to_string(message - WM_APP);
    if (message >= WM_USER && message < WM_APP)
        return "WM_USER+" + std::to_string(message - WM_USER);
    return "message " + HexValue(message);
}

std::string Describe(const Recorded& m)
{
    std::string s = MessageName(m.message);
    if (m.message == WM_NOTIFY)
        return s + " idFrom=" + std::to_string(m.idFrom) + " code=" + std::to_string(static_cast<int>(m.code)) +
               " hwndFrom=" + HexValue(reinterpret_cast<ULONG_PTR>(m.hwndFrom));
    s += " wParam=" + HexValue(m.wParam);
    if (m.message == WM_COMMAND)
        s += CommandParts(m.wParam);
    return s + " lParam=" + HexValue(m.lParam);
}

std::string Describe(const Msg& m)
{
    std::string s = MessageName(m.message);
    if (m.flags & checkWParam) {
        s += (m.message == WM_NOTIFY ? " idFrom=" + std::to_string(m.wParam) : " wParam=" + HexValue(m.wParam));
        if (m.message == WM_COMMAND)
            s += CommandParts(m.wParam);
    }
    if (m.flags & checkCode)
        s += " code=" + std::to_string(static_cast<int>(m.code));
    if (m.flags & checkLParam)
        s += " lParam=" + HexValue(m.lParam);
    if (m.flags & optional)
        s += " (optional)";
    return s;
}

::testing::AssertionResult SequenceIs(const MessageRecorder& recorder, const std::vector<Msg>& expected,
                                      const char* context)
{
    const std::vector<Recorded>& actual = recorder.Messages();
    size_t e = 0, a = 0;
    while (e < expected.size() && a < actual.size()) {
        if (Matches(expected[e], actual[a])) {
            ++e;
            ++a;
        } else if (expected[e].flags & optional) {
            ++e;
        } else {
            break;
        }
    }
    while (e < expected.size() && (expected[e].flags & optional))
        ++e;
    if (e == expected.size() && a == actual.size())
        return ::testing::AssertionSuccess();

    std::ostringstream out;
    out << context << ": message " << a << ": ";
    if (e == expected.size())
        out << "unexpected " << Describe(actual[a]) << " (expected the end)";
    else if (a == actual.size())
        out << "expected " << Describe(expected[e]) << " but the recording ended";
    else
        out << "expected " << Describe(expected[e]) << " but got " << Describe(actual[a]);
    out << "\nrecorded (" << actual.size() << "):";
    for (size_t i = 0; i < actual.size(); ++i)
        out << "\n  " << i << ": " << Describe(actual[i]);
    return ::testing::AssertionFailure() << out.str();
}

void ExpectSequence(MessageRecorder& recorder, const std::vector<Msg>& expected, const char* context,
                    const char* file, int line)
{
    if (const ::testing::AssertionResult r = SequenceIs(recorder, expected, context); !r)
        ADD_FAILURE_AT(file, line) << r.message();
    recorder.Clear();
}

}  // namespace lumtest
