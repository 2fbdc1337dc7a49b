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

// Writes a 24-bit bottom-up picture file into the temporary folder and returns its path.
inline std::string WriteSkin(const char* name, int width, int height, const std::function<COLORREF(int, int)>& colourAt)
{
    char dir[MAX_PATH];
    ::GetTempPathA(sizeof(dir), dir);
    std::string path = std::string(dir) + name;
    int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {0x4D42, DWORD(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + stride * height), 0, 0,
                             sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    BITMAPINFOHEADER info = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    FILE* f = fopen(path.c_str(), "wb");
    if (!f)
    {
        ADD_FAILURE() << "cannot write " << path;
        return path;
    }
    fwrite(&file, sizeof(file), 1, f);
    fwrite(&info, sizeof(info), 1, f);
    std::vector<BYTE> row(stride, 0);
    for (int y = height - 1; y >= 0; y--)
    {
        for (int x = 0; x < width; x++)
        {
            COLORREF c = colourAt(x, y);
            row[x * 3] = GetBValue(c);
            row[x * 3 + 1] = GetGValue(c);
            row[x * 3 + 2] = GetRValue(c);
        }
        fwrite(row.data(), stride, 1, f);
    }
    fclose(f);
    return path;
}

inline std::string SolidSkin(const char* name, int width, int height, COLORREF colour)
{
    return WriteSkin(name, width, height, [=](int, int) { return colour; });
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
