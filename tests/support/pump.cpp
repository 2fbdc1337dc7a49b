// Message pumping for tests.
#include "support/harness.h"

#include <algorithm>
#include <utility>

namespace lumtest {

namespace {

MessageFilter g_filter;
HWND g_dialog;

// Dispatches what is queued now; returns false when there was nothing (or WM_QUIT, which is put back).
bool DispatchPending()
{
    bool any = false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        any = true;
        if (g_filter && g_filter(msg))
            continue;
        if (g_dialog && IsWindow(g_dialog) && IsDialogMessageA(g_dialog, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return any;
}

// Sleeps until input, a paint, a timer or a sent message arrives, or `ms` passed.
void WaitForMessages(DWORD ms)
{
    MsgWaitForMultipleObjectsEx(0, nullptr, ms, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

}  // namespace

void PumpIdle()
{
    const DWORD start = GetTickCount();
    int quiet = 0;
    while (quiet < 2 && GetTickCount() - start < 2000) {
        if (DispatchPending()) {
            quiet = 0;
        } else {
            ++quiet;
            WaitForMessages(5);
        }
    }
}

void PumpFor(DWORD ms)
{
    const DWORD start = GetTickCount();
    for (DWORD spent = 0; spent < ms; spent = GetTickCount() - start) {
        DispatchPending();
        WaitForMessages(ms - spent);
    }
    DispatchPending();
}

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (DWORD spent = 0; spent < timeoutMs; spent = GetTickCount() - start) {
        if (done())
            return true;
        DispatchPending();
        WaitForMessages(std::min<DWORD>(10, timeoutMs - spent));
    }
    return done();
}

void SetMessageFilter(MessageFilter filter)
{
    g_filter = std::move(filter);
}

HWND SetDialogNavigation(HWND dialog)
{
    return std::exchange(g_dialog, dialog);
}

}  // namespace lumtest
