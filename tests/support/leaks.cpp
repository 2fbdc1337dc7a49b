// Leak probes: GDI handle headroom and the windows this process owns.
#include "support/harness.h"

#include <cstring>

namespace lumtest {

namespace {

// The system's own helpers come and go with a thread's first and last window: the default IME window
// and COM's apartment window.
bool SystemHelper(HWND hwnd)
{
    char cls[32];
    return GetClassNameA(hwnd, cls, sizeof cls) &&
           (std::strcmp(cls, "IME") == 0 || std::strcmp(cls, "OleMainThreadWndClass") == 0);
}

bool OwnWindow(HWND hwnd)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    return pid == GetCurrentProcessId() && !SystemHelper(hwnd);
}

// The window and all its descendants.
int CountTree(HWND hwnd)
{
    int n = 1;
    EnumChildWindows(
        hwnd, [](HWND, LPARAM p) { return ++*reinterpret_cast<int*>(p), TRUE; }, reinterpret_cast<LPARAM>(&n));
    return n;
}

}  // namespace

int GdiHeadroom()
{
    // Regions are the cheapest GDI objects to make; the list is kept to spare reallocations.
    static std::vector<HRGN> made;
    made.reserve(70000);
    for (HRGN r; made.size() < 1000000 && (r = CreateRectRgn(0, 0, 0, 0));)
        made.push_back(r);
    const int free = static_cast<int>(made.size());
    for (HRGN r : made)
        DeleteObject(r);
    made.clear();
    return free;
}

GdiLeakCheck::GdiLeakCheck(const char* file, int line) : start_(GdiHeadroom()), file_(file), line_(line)
{
}

GdiLeakCheck::~GdiLeakCheck()
{
    if (const int leaked = Leaked())
        ADD_FAILURE_AT(file_, line_) << leaked << " GDI object(s) leaked";
}

int CountProcessWindows()
{
    int n = 0;
    EnumWindows(
        [](HWND hwnd, LPARAM p) {
            if (OwnWindow(hwnd))
                *reinterpret_cast<int*>(p) += CountTree(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&n));
    for (HWND h = nullptr; (h = FindWindowExA(HWND_MESSAGE, h, nullptr, nullptr));)
        if (OwnWindow(h))
            n += CountTree(h);
    return n;
}

}  // namespace lumtest
