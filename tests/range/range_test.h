// What the range control tests share: skin files written to the temporary folder, colours read back
// from the test resources, and the harness dialog as a framework window.
#pragma once
#include "support/framework_dialog.h"
#include <afxwin.h>
#include <cstdio>
#include <functional>
#include <ostream>
#include <string>
#include <vector>
#include "range_test_res.h"

// Readable sizes and rectangles in failures (the framework types convert to pointers otherwise).
inline void PrintTo(const CSize& size, std::ostream* os) { *os << size.cx << "x" << size.cy; }
inline void PrintTo(const CRect& rect, std::ostream* os)
{
    *os << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

namespace rangetest {

inline std::string SolidSkin(const char* name, int width, int height, COLORREF colour)
{
    return lumtest::WriteSkin(name, width, height, [=](int, int) { return colour; });
}

// The colour of pixel (x, y) of a bitmap resource of this executable.
inline COLORREF ResourceColour(UINT nID, int x = 0, int y = 0)
{
    HBITMAP hBitmap = (HBITMAP)::LoadImageA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(nID), IMAGE_BITMAP, 0, 0,
                                            LR_CREATEDIBSECTION);
    HDC hDC = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    COLORREF colour = ::GetPixel(hDC, x, y);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    ::DeleteObject(hBitmap);
    return colour;
}

// The columns of a captured row whose colour differs from `expected(x)`, for a readable failure.
inline std::string RowMismatches(const lumtest::Pixels& pixels, int y, int left, int right,
                                 const std::function<COLORREF(int)>& expected)
{
    std::string text;
    for (int x = left; x < right; x++)
        if (pixels.At(x, y) != expected(x))
            text += " x" + std::to_string(x) + ":" + lumtest::Hex(pixels.At(x, y)) + "!=" + lumtest::Hex(expected(x));
    return text;
}

using RangeTest = lumtest::FrameworkDialogTest<>;

}  // namespace rangetest
