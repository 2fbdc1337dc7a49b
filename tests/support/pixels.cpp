// Pixel read-back, comparison and .bmp dumps.
#include "support/harness.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace lumtest {

namespace {

// Handle owners for the few GDI objects a capture needs.
struct WindowDC {
    explicit WindowDC(HWND h) : hwnd(h), dc(GetDC(h)) {}
    ~WindowDC() { if (dc) ReleaseDC(hwnd, dc); }
    HWND hwnd;
    HDC dc;
};

struct MemoryDC {
    explicit MemoryDC(HDC compatible) : dc(CreateCompatibleDC(compatible)) {}
    ~MemoryDC() { if (dc) DeleteDC(dc); }
    HDC dc;
};

struct Selection {
    Selection(HDC d, HGDIOBJ obj) : dc(d), old(SelectObject(d, obj)) {}
    ~Selection() { SelectObject(dc, old); }
    HDC dc;
    HGDIOBJ old;
};

struct DibSection {
    DibSection(HDC dc, int width, int height)
    {
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = width;
        bi.bmiHeader.biHeight = -height;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        bitmap = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    }
    ~DibSection() { if (bitmap) DeleteObject(bitmap); }
    HBITMAP bitmap;
    void* bits = nullptr;
};

Pixels CopyFrom(HDC src, int x, int y, int width, int height)
{
    if (width <= 0 || height <= 0)
        return {};
    Pixels pixels(width, height);
    DibSection dib(src, width, height);
    MemoryDC mem(src);
    if (!dib.bitmap || !mem.dc) {
        ADD_FAILURE() << "cannot make a " << width << "x" << height << " capture bitmap";
        return {};
    }
    {
        Selection sel(mem.dc, dib.bitmap);
        BitBlt(mem.dc, 0, 0, width, height, src, x, y, SRCCOPY);
    }
    GdiFlush();
    std::memcpy(pixels.Bits(), dib.bits, size_t(width) * height * sizeof(DWORD));
    return pixels;
}

COLORREF ToColorRef(DWORD rgb)
{
    return RGB(GetBValue(rgb), GetGValue(rgb), GetRValue(rgb));
}

bool Near(COLORREF a, COLORREF b, int tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

std::string Describe(const RECT& r)
{
    char buf[80];
    std::snprintf(buf, sizeof buf, "{%ld,%ld,%ld,%ld}", r.left, r.top, r.right, r.bottom);
    return buf;
}

bool Inside(const Pixels& pixels, const RECT& area)
{
    return area.left >= 0 && area.top >= 0 && area.right <= pixels.Width() &&
           area.bottom <= pixels.Height() && area.left < area.right && area.top < area.bottom;
}

std::string Env(const char* name)
{
    char buf[MAX_PATH];
    const DWORD n = GetEnvironmentVariableA(name, buf, sizeof buf);
    return n && n < sizeof buf ? std::string(buf, n) : std::string();
}

std::string TestName()
{
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "notest";
    for (char& c : name)
        if (c == '/' || c == '\\' || c == ':')
            c = '_';
    return name;
}

}  // namespace

COLORREF Pixels::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return CLR_INVALID;
    return ToColorRef(bits_[size_t(y) * width_ + x]);
}

Pixels Capture(HWND hwnd)
{
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpIdle();
    RECT rc;
    if (!GetClientRect(hwnd, &rc)) {
        ADD_FAILURE() << "Capture: " << hwnd << " is no window";
        return {};
    }
    WindowDC dc(hwnd);
    return CopyFrom(dc.dc, 0, 0, rc.right, rc.bottom);
}

Pixels CaptureScreen(const RECT& screenRect)
{
    PumpIdle();
    WindowDC dc(nullptr);
    return CopyFrom(dc.dc, screenRect.left, screenRect.top, screenRect.right - screenRect.left,
                    screenRect.bottom - screenRect.top);
}

std::string Hex(COLORREF c)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, c == CLR_INVALID ? "0x%08lX" : "0x%06lX", c);
    return buf;
}

::testing::AssertionResult AreaIs(const Pixels& pixels, const RECT& area, COLORREF expected, int tolerance)
{
    if (!Inside(pixels, area))
        return ::testing::AssertionFailure() << "area " << Describe(area) << " is not inside the "
                                             << pixels.Width() << "x" << pixels.Height() << " capture";
    int differ = 0;
    POINT first = {};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (!Near(pixels.At(x, y), expected, tolerance) && differ++ == 0)
                first = {x, y};
    if (differ == 0)
        return ::testing::AssertionSuccess();
    const int total = (area.right - area.left) * (area.bottom - area.top);
    auto failure = ::testing::AssertionFailure();
    failure << "pixel (" << first.x << "," << first.y << ") is " << Hex(pixels.At(first.x, first.y))
            << ", expected " << Hex(expected);
    if (tolerance)
        failure << " (tolerance " << tolerance << ")";
    failure << "; " << differ << " of " << total << " pixels of " << Describe(area) << " differ";
    const std::string dump = DumpForFailure(pixels, "area");
    if (!dump.empty())
        failure << "; capture dumped to " << dump;
    return failure;
}

void ExpectArea(const Pixels& pixels, const RECT& area, COLORREF expected, int tolerance, const char* file,
                int line)
{
    if (const ::testing::AssertionResult r = AreaIs(pixels, area, expected, tolerance); !r)
        ADD_FAILURE_AT(file, line) << r.message();
}

int CountPixels(const Pixels& pixels, const RECT& area, COLORREF colour)
{
    return CountPixels(pixels, area, [colour](COLORREF c) { return c == colour; });
}

int CountPixels(const Pixels& pixels, const RECT& area, const std::function<bool(COLORREF)>& match)
{
    int n = 0;
    for (int y = std::max(0L, area.top); y < std::min<LONG>(pixels.Height(), area.bottom); ++y)
        for (int x = std::max(0L, area.left); x < std::min<LONG>(pixels.Width(), area.right); ++x)
            n += match(pixels.At(x, y));
    return n;
}

bool DumpBmp(const Pixels& pixels, const std::string& path)
{
    // Bottom-up rows, the layout every reader takes.
    const DWORD rowSize = DWORD(pixels.Width()) * sizeof(DWORD);
    const DWORD imageSize = rowSize * pixels.Height();
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + imageSize;
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = pixels.Width();
    info.biHeight = pixels.Height();
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    info.biSizeImage = imageSize;

    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(&file, sizeof file, 1, f) == 1 && std::fwrite(&info, sizeof info, 1, f) == 1;
    for (int y = pixels.Height() - 1; ok && y >= 0; --y)
        ok = std::fwrite(pixels.Bits() + size_t(y) * pixels.Width(), rowSize, 1, f) == 1;
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

Pixels LoadBmp(const std::string& path)
{
    const GdiPtr<HBITMAP> bmp(static_cast<HBITMAP>(
        LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    BITMAP bm;
    if (!bmp || !GetObjectA(bmp.get(), sizeof bm, &bm))
        return {};
    Pixels pixels(bm.bmWidth, bm.bmHeight);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = bm.bmWidth;
    bi.bmiHeader.biHeight = -bm.bmHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    WindowDC screen(nullptr);
    if (GetDIBits(screen.dc, bmp.get(), 0, bm.bmHeight, pixels.Bits(), &bi, DIB_RGB_COLORS) != bm.bmHeight)
        return {};
    return pixels;
}

bool DumpBmp(HWND hwnd, const std::string& path)
{
    return DumpBmp(Capture(hwnd), path);
}

std::string DumpDir()
{
    std::string dir = Env("LUM_DUMP_DIR");
    if (dir.empty()) {
        std::string out = Env("GTEST_OUTPUT");
        const size_t colon = out.find(':');
        if (colon != std::string::npos && out.compare(0, colon, "xml") == 0)
            dir = out.substr(colon + 1);
        const size_t slash = dir.find_last_of("\\/");
        dir = slash == std::string::npos ? std::string() : dir.substr(0, slash);
    }
    if (dir.empty())
        dir = ".";
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

std::string DumpForFailure(const Pixels& pixels, const char* what)
{
    static int count;
    const std::string path = DumpDir() + "\\" + TestName() + "-" + what + "-" + std::to_string(++count) + ".bmp";
    return DumpBmp(pixels, path) ? path : std::string();
}

std::string TempPath(const std::string& name)
{
    char dir[MAX_PATH];
    ::GetTempPathA(sizeof dir, dir);
    return std::string(dir) + name;
}

std::string WriteSkin(const std::string& name, int width, int height,
                      const std::function<COLORREF(int x, int y)>& colourAt)
{
    const std::string path = TempPath(name);
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + DWORD(stride) * height;
    BITMAPINFOHEADER info = {sizeof info, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
    {
        ADD_FAILURE() << "cannot write " << path;
        return path;
    }
    std::fwrite(&file, sizeof file, 1, f);
    std::fwrite(&info, sizeof info, 1, f);
    std::vector<BYTE> row(stride, 0);
    for (int y = height - 1; y >= 0; --y)  // bottom-up rows
    {
        for (int x = 0; x < width; ++x)
        {
            const COLORREF c = colourAt(x, y);
            row[x * 3] = GetBValue(c);
            row[x * 3 + 1] = GetGValue(c);
            row[x * 3 + 2] = GetRValue(c);
        }
        std::fwrite(row.data(), stride, 1, f);
    }
    std::fclose(f);
    return path;
}

}  // namespace lumtest
