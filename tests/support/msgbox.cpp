// Catching the message boxes a test makes: a CBT hook sees each box as it is activated, reads it and
// posts the click on one of its buttons, so the real MessageBox returns.
#include "support/harness.h"

#include <algorithm>
#include <cstring>

namespace lumtest {

namespace {

using Box = MessageBoxCatcher::Box;

struct Hook {
    ~Hook() { if (hook) UnhookWindowsHookEx(hook); }
    HHOOK hook = nullptr;
};

Hook g_hook;
MessageBoxCatcher* g_current;
std::vector<HWND> g_answered;  // boxes already answered that still exist

std::string ClassOf(HWND hwnd)
{
    char cls[32];
    return GetClassNameA(hwnd, cls, sizeof cls) ? cls : "";
}

std::string TextOf(HWND hwnd)
{
    std::string text(GetWindowTextLengthA(hwnd) + 1, '\0');
    text.resize(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size())));
    return text;
}

// A message box is a dialog whose text is a static with id 0xFFFF.
HWND MessageText(HWND box)
{
    return ClassOf(box) == "#32770" ? GetDlgItem(box, 0xFFFF) : nullptr;
}

Box ReadBox(HWND hwnd)
{
    Box box = {TextOf(hwnd), TextOf(MessageText(hwnd)), {}, 0};
    EnumChildWindows(
        hwnd,
        [](HWND child, LPARAM p) {
            if (_stricmp(ClassOf(child).c_str(), "Button") == 0)
                reinterpret_cast<Box*>(p)->buttons.push_back({GetDlgCtrlID(child), TextOf(child)});
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&box));
    return box;
}

bool HasButton(const Box& box, int id)
{
    return std::any_of(box.buttons.begin(), box.buttons.end(), [id](const auto& b) { return b.id == id; });
}

int ChooseAnswer(const Box& box, int wanted)
{
    for (int id : {wanted, IDCANCEL, IDOK})
        if (id && HasButton(box, id))
            return id;
    return box.buttons.empty() ? IDCANCEL : box.buttons.front().id;
}

void Dismiss(HWND hwnd, Box& box, int wanted)
{
    box.answer = ChooseAnswer(box, wanted);
    PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(box.answer, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hwnd, box.answer)));
}

LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    const HWND hwnd = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && MessageText(hwnd) &&
        std::find(g_answered.begin(), g_answered.end(), hwnd) == g_answered.end()) {
        g_answered.push_back(hwnd);
        if (g_current) {
            g_current->Catch(hwnd);
        } else {
            Box box = ReadBox(hwnd);
            Dismiss(hwnd, box, 0);
            ADD_FAILURE() << "unexpected message box " << Describe(box);
        }
    } else if (code == HCBT_DESTROYWND) {
        g_answered.erase(std::remove(g_answered.begin(), g_answered.end(), hwnd), g_answered.end());
    }
    return CallNextHookEx(g_hook.hook, code, wParam, lParam);
}

std::string DescribeBoxes(const std::vector<Box>& boxes)
{
    std::string s;
    for (const Box& b : boxes)
        s += "\n  " + Describe(b);
    return s;
}

}  // namespace

void InstallMessageBoxGuard()
{
    if (!g_hook.hook)
        g_hook.hook = SetWindowsHookExA(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
    if (!g_hook.hook)
        ADD_FAILURE() << "SetWindowsHookEx(WH_CBT) failed, error " << GetLastError();
}

MessageBoxCatcher::MessageBoxCatcher(int expected, const char* file, int line)
    : expected_(expected), file_(file), line_(line), outer_(g_current)
{
    InstallMessageBoxGuard();
    g_current = this;
}

MessageBoxCatcher::~MessageBoxCatcher()
{
    g_current = outer_;
    if (expected_ != kAny && boxes_.size() != static_cast<size_t>(expected_))
        ADD_FAILURE_AT(file_, line_) << "expected " << expected_ << " message box(es), saw " << boxes_.size()
                                     << DescribeBoxes(boxes_);
}

void MessageBoxCatcher::Catch(HWND hwnd)
{
    Box box = ReadBox(hwnd);
    Dismiss(hwnd, box, answer_);
    boxes_.push_back(std::move(box));
}

void MessageBoxCatcher::ExpectNone(const char* file, int line) const
{
    if (!boxes_.empty())
        ADD_FAILURE_AT(file, line) << "expected no message box, saw " << boxes_.size() << DescribeBoxes(boxes_);
}

std::string Describe(const MessageBoxCatcher::Box& box)
{
    std::string s = "\"" + box.title + "\": \"" + box.text + "\" [";
    for (size_t i = 0; i < box.buttons.size(); ++i)
        s += (i ? ", " : "") + box.buttons[i].text + "=" + std::to_string(box.buttons[i].id);
    return s + "] answered " + std::to_string(box.answer);
}

}  // namespace lumtest
