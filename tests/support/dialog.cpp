// The parent dialog every control test puts its control in.
#include "support/harness.h"

#include <iostream>

namespace lumtest {

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT;

void PushDword(std::vector<WORD>& t, DWORD v)
{
    t.push_back(LOWORD(v));
    t.push_back(HIWORD(v));
}

void PushString(std::vector<WORD>& t, const char* s)
{
    while (*s)
        t.push_back(static_cast<unsigned char>(*s++));
    t.push_back(0);
}

// DLGTEMPLATE, no menu, default class, title, then the DS_SETFONT point size and face; no items.
// The window is shown once it has its final place.
std::vector<WORD> DialogTemplate()
{
    std::vector<WORD> t;
    PushDword(t, kDialogStyle);
    PushDword(t, 0);                          // extended style
    t.push_back(0);                           // cdit
    t.insert(t.end(), {0, 0, 200, 150});      // x, y, cx, cy in dialog units; replaced below
    t.push_back(0);                           // menu
    t.push_back(0);                           // class
    PushString(t, "LumCtrl test");
    t.push_back(8);                           // point size
    PushString(t, "MS Shell Dlg");
    return t;
}

INT_PTR CALLBACK DialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

}  // namespace

ParentDialog::ParentDialog()
{
    const std::vector<WORD> tmpl = DialogTemplate();
    hwnd_ = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                       reinterpret_cast<const DLGTEMPLATE*>(tmpl.data()), nullptr,
                                       DialogProc, 0);
    if (!hwnd_) {
        ADD_FAILURE() << "CreateDialogIndirectParamA failed, error " << GetLastError();
        return;
    }
    RECT rc = {0, 0, kWidth, kHeight};
    AdjustWindowRectEx(&rc, kDialogStyle, FALSE, 0);
    SetWindowPos(hwnd_, nullptr, kLeft, kTop, rc.right - rc.left, rc.bottom - rc.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    outerNavigation_ = SetDialogNavigation(hwnd_);
    PumpIdle();
}

ParentDialog::~ParentDialog()
{
    if (!hwnd_)
        return;
    SetDialogNavigation(outerNavigation_);
    DestroyWindow(hwnd_);
    PumpIdle();
}

HWND ParentDialog::AddChild(const char* className, const char* text, DWORD style, const RECT& rc, int id,
                            DWORD exStyle)
{
    HWND child = CreateWindowExA(exStyle, className, text, style | WS_CHILD | WS_VISIBLE, rc.left, rc.top,
                                 rc.right - rc.left, rc.bottom - rc.top, hwnd_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
    if (!child) {
        ADD_FAILURE() << "creating a \"" << className << "\" child failed, error " << GetLastError();
        return nullptr;
    }
    SendMessageA(child, WM_SETFONT, SendMessageA(hwnd_, WM_GETFONT, 0, 0), FALSE);
    return child;
}

void DialogTest::SetUp()
{
    ReleaseAllInput();
    // The pointer waits in the screen's corner, so the new dialog sees no stray mouse messages.
    POINT pt;
    if (GetCursorPos(&pt) && (pt.x != 0 || pt.y != 0))
        MoveToScreen({0, 0});
    dialog_ = std::make_unique<ParentDialog>();
}

void DialogTest::TearDown()
{
    if (HasFailure() && dialog_->hwnd()) {
        const std::string path = DumpForFailure(Capture(dialog_->hwnd()), "dialog");
        if (!path.empty())
            std::cout << "dialog dumped to " << path << '\n';
    }
    ReleaseAllInput();
    dialog_.reset();
}

}  // namespace lumtest
