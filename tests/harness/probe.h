// Window classes the harness tests draw and click on.
#pragma once

#include <windows.h>

namespace lumtest {

// Fills its client area with kFillColour.
constexpr COLORREF kFillColour = RGB(0xCC, 0x66, 0x33);  // 0x3366CC
const char* FillClass();

// Takes the mouse capture while a button is down, asks for WM_MOUSELEAVE when the pointer enters, and
// has CS_DBLCLKS.
const char* ProbeClass();

}  // namespace lumtest
