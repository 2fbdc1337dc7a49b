// Skin bitmaps: the holder's loading and ownership rules, regions cut from bitmaps, masked drawing
// and tiling.
#include "support/harness.h"
#include "skin/BmLoader.h"
#include "skin/SkinDraw.h"
#include <functional>
#include <string>
#include <vector>

using namespace lumtest;

namespace {

// A 24-bit bitmap painted pixel by pixel.
HBITMAP MakeBitmap(int width, int height, const std::function<COLORREF(int, int)>& colourAt)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    int stride = (width * 3 + 3) & ~3;
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++)
        {
            COLORREF c = colourAt(x, y);
            BYTE* p = static_cast<BYTE*>(pBits) + y * stride + x * 3;
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    return hBitmap;
}

HBITMAP SolidBitmap(int width, int height, COLORREF colour)
{
    return MakeBitmap(width, height, [=](int, int) { return colour; });
}

bool IsLiveBitmap(HBITMAP hBitmap) { return ::GetObjectType(hBitmap) == OBJ_BITMAP; }

// The rectangles of a region, in the order the system keeps them.
std::vector<RECT> RectsOf(HRGN hRgn)
{
    DWORD size = ::GetRegionData(hRgn, 0, NULL);
    std::vector<BYTE> data(size);
    RGNDATA* p = reinterpret_cast<RGNDATA*>(data.data());
    ::GetRegionData(hRgn, size, p);
    const RECT* r = reinterpret_cast<const RECT*>(p->Buffer);
    return std::vector<RECT>(r, r + p->rdh.nCount);
}

bool SameArea(HRGN a, HRGN b)
{
    HRGN x = ::CreateRectRgn(0, 0, 0, 0);
    int kind = ::CombineRgn(x, a, b, RGN_XOR);
    ::DeleteObject(x);
    return kind == NULLREGION;
}

// ---- the holder ------------------------------------------------------------------------------

class SkinLoader : public DialogTest
{
};

TEST_F(SkinLoader, EmptyPathKeepsBitmapSilently)
{
    MessageBoxCatcher boxes;
    BMLOADER holder;
    HBITMAP hOld = SolidBitmap(4, 4, RGB(1, 2, 3));
    holder.Attach(hOld);
    EXPECT_FALSE(holder.LoadFromFile(""));
    EXPECT_FALSE(holder.LoadFromFile(NULL));
    EXPECT_EQ(hOld, holder.GetHandle());
    boxes.ExpectNone();
}

TEST_F(SkinLoader, MissingFileWarnsOnceAndKeepsBitmap)
{
    std::string path = TempPath("lum-no-such-skin.bmp");
    ::DeleteFileA(path.c_str());
    MessageBoxCatcher boxes(1);
    BMLOADER holder;
    HBITMAP hOld = SolidBitmap(4, 4, RGB(1, 2, 3));
    holder.Attach(hOld);
    EXPECT_FALSE(holder.LoadFromFile(path.c_str()));
    EXPECT_EQ(hOld, holder.GetHandle());
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ(path + " File not found!", boxes.Boxes()[0].text);
    EXPECT_EQ("Warning", boxes.Boxes()[0].title);
    ASSERT_EQ(1u, boxes.Boxes()[0].buttons.size());
    EXPECT_EQ(IDOK, boxes.Boxes()[0].buttons[0].id);
}

TEST_F(SkinLoader, FileLoadsAtItsOwnSize)
{
    std::string path = WriteSkin("lum-skin-60x20.bmp", 60, 20, [](int, int) { return RGB(10, 20, 30); });
    BMLOADER holder;
    int w = -1, h = -1;
    holder.GetSize(w, h);
    EXPECT_EQ(0, w);
    EXPECT_EQ(0, h);
    ASSERT_TRUE(holder.LoadFromFile(path.c_str()));
    EXPECT_TRUE(holder.IsLoaded());
    holder.GetSize(w, h);
    EXPECT_EQ(60, w);
    EXPECT_EQ(20, h);
    ::DeleteFileA(path.c_str());
}

TEST_F(SkinLoader, UnreadableFileOrWildcardEmptiesHolder)
{
    std::string text = TempPath("lum-not-a-bitmap.bmp");
    FILE* f = fopen(text.c_str(), "wb");
    fputs("not a bitmap", f);
    fclose(f);
    struct Case
    {
        std::string path;
    } cases[] = {{text}, {TempPath("lum-not-a-*.bmp")}};
    for (const Case& c : cases)
    {
        MessageBoxCatcher boxes;
        BMLOADER holder;
        HBITMAP hOld = SolidBitmap(4, 4, RGB(1, 2, 3));
        holder.Attach(hOld);
        EXPECT_FALSE(holder.LoadFromFile(c.path.c_str())) << c.path;
        EXPECT_FALSE(holder.IsLoaded()) << c.path;
        EXPECT_FALSE(IsLiveBitmap(hOld)) << "the old bitmap was deleted: " << c.path;
        boxes.ExpectNone();
    }
    ::DeleteFileA(text.c_str());
}

TEST_F(SkinLoader, MissingResourceEmptiesHolder)
{
    BMLOADER holder;
    holder.Attach(SolidBitmap(4, 4, 0));
    EXPECT_FALSE(holder.LoadFromResource(MAKEINTRESOURCE(31999)));
    EXPECT_FALSE(holder.IsLoaded());
    // Library ids are not the application's: the holder never looks in LumCtrl.dll.
    EXPECT_FALSE(holder.LoadFromResource(MAKEINTRESOURCE(5019)));
    EXPECT_TRUE(holder.LoadFromResource(::GetModuleHandleA("LumCtrl.dll"), 5019));
}

TEST_F(SkinLoader, CopyingMovesOwnershipAndDeletesOnce)
{
    HBITMAP hBitmap = SolidBitmap(4, 4, 0);
    {
        BMLOADER a;
        a.Attach(hBitmap);
        a = a;
        EXPECT_EQ(hBitmap, a.GetHandle());
        BMLOADER b(a);
        EXPECT_FALSE(a.IsLoaded());
        EXPECT_EQ(hBitmap, b.GetHandle());
        BMLOADER c;
        c = b;
        EXPECT_FALSE(b.IsLoaded());
        EXPECT_EQ(hBitmap, c.GetHandle());
        BMLOADER empty1, empty2;
        empty1 = empty2;
        EXPECT_FALSE(empty1.IsLoaded());
        EXPECT_TRUE(IsLiveBitmap(hBitmap));
    }
    EXPECT_FALSE(IsLiveBitmap(hBitmap));

    HBITMAP hKept = SolidBitmap(4, 4, 0);
    {
        BMLOADER d;
        d.Attach(hKept);
        EXPECT_EQ(hKept, d.Detach());
        EXPECT_FALSE(d.IsLoaded());
    }
    EXPECT_TRUE(IsLiveBitmap(hKept));
    ::DeleteObject(hKept);
}

TEST_F(SkinLoader, ManyLoadsLeakNothing)
{
    std::string path = WriteSkin("lum-skin-leak.bmp", 16, 16, [](int, int) { return RGB(0, 128, 255); });
    GdiLeakCheck check;
    for (int i = 0; i < 200; i++)
    {
        BMLOADER a, b;
        a.LoadFromFile(path.c_str());
        a.LoadFromFile(path.c_str());
        b = a;
        a.LoadFromResource(::GetModuleHandleA("LumCtrl.dll"), 5001);
        b.Delete();
    }
    ::DeleteFileA(path.c_str());
}

// ---- regions ---------------------------------------------------------------------------------

const COLORREF kMagenta = RGB(255, 0, 255);

TEST(SkinRegion, FullyTransparentBitmapGivesEmptyRegionFromBothBuilders)
{
    HBITMAP hBitmap = SolidBitmap(20, 10, kMagenta);
    HRGN fast = lumskin::BitmapToRegion(hBitmap, kMagenta, 0);
    HRGN exact = lumskin::CreateRgnFromBitmap(NULL, hBitmap, kMagenta);
    ASSERT_NE(nullptr, fast);
    ASSERT_NE(nullptr, exact);
    RECT box;
    EXPECT_EQ(NULLREGION, ::GetRgnBox(fast, &box));
    EXPECT_EQ(NULLREGION, ::GetRgnBox(exact, &box));
    ::DeleteObject(fast);
    ::DeleteObject(exact);
    ::DeleteObject(hBitmap);
    EXPECT_EQ(nullptr, lumskin::BitmapToRegion(NULL, kMagenta, 0));
    EXPECT_EQ(nullptr, lumskin::CreateRgnFromBitmap(NULL, NULL, kMagenta));
}

TEST(SkinRegion, ToleranceWidensTheCutRange)
{
    // Columns hold 0xE0..0xFF greys; with colour 0xF0F0F0 and tolerance 0x101010 the columns
    // 0xF0..0xFF are cut, with tolerance 0 only the column 0xF0.
    HBITMAP hBitmap = MakeBitmap(32, 2, [](int x, int) { int v = 0xE0 + x; return RGB(v, v, v); });
    struct Case
    {
        COLORREF tolerance;
        RECT expectedBox;
        int area;
    } cases[] = {{0x000000, {0, 0, 32, 2}, 31 * 2}, {0x101010, {0, 0, 16, 2}, 16 * 2}};
    for (const Case& c : cases)
    {
        HRGN hRgn = lumskin::BitmapToRegion(hBitmap, RGB(0xF0, 0xF0, 0xF0), c.tolerance);
        RECT box;
        ::GetRgnBox(hRgn, &box);
        EXPECT_TRUE(::EqualRect(&box, &c.expectedBox)) << "tolerance " << Hex(c.tolerance);
        int area = 0;
        for (const RECT& r : RectsOf(hRgn))
            area += (r.right - r.left) * (r.bottom - r.top);
        EXPECT_EQ(c.area, area) << "tolerance " << Hex(c.tolerance);
        ::DeleteObject(hRgn);
    }
    ::DeleteObject(hBitmap);
}

TEST(SkinRegion, SinglePixelsAndLastColumn)
{
    HBITMAP hDot = SolidBitmap(1, 1, RGB(0, 0, 0));
    HRGN hRgn = lumskin::BitmapToRegion(hDot, kMagenta, 0);
    std::vector<RECT> rects = RectsOf(hRgn);
    ASSERT_EQ(1u, rects.size());
    RECT one = {0, 0, 1, 1};
    EXPECT_TRUE(::EqualRect(&rects[0], &one));
    ::DeleteObject(hRgn);
    ::DeleteObject(hDot);

    // One opaque pixel in the last column of row 2 only.
    HBITMAP hEdge = MakeBitmap(8, 4, [](int x, int y) { return x == 7 && y == 2 ? RGB(9, 9, 9) : kMagenta; });
    RECT expected = {7, 2, 8, 3};
    for (HRGN h : {lumskin::BitmapToRegion(hEdge, kMagenta, 0), lumskin::CreateRgnFromBitmap(NULL, hEdge, kMagenta)})
    {
        rects = RectsOf(h);
        ASSERT_EQ(1u, rects.size());
        EXPECT_TRUE(::EqualRect(&rects[0], &expected));
        ::DeleteObject(h);
    }
    ::DeleteObject(hEdge);
}

TEST(SkinRegion, ManyRunsAcrossBatchesMatchTheirUnion)
{
    // 3000 runs: every row of 100 has 30 two-pixel runs; 100 rows.
    HBITMAP hBitmap = MakeBitmap(100, 100, [](int x, int) { return x % 3 == 2 ? kMagenta : RGB(0, 0, 0); });
    HRGN fast = lumskin::BitmapToRegion(hBitmap, kMagenta, 0);
    HRGN exact = lumskin::CreateRgnFromBitmap(NULL, hBitmap, kMagenta);
    HRGN expected = ::CreateRectRgn(0, 0, 0, 0);
    for (int y = 0; y < 100; y++)
        for (int x = 0; x < 99; x += 3)
        {
            HRGN run = ::CreateRectRgn(x, y, x + 2, y + 1);
            ::CombineRgn(expected, expected, run, RGN_OR);
            ::DeleteObject(run);
        }
    HRGN last = ::CreateRectRgn(99, 0, 100, 100);   // column 99 is opaque too
    ::CombineRgn(expected, expected, last, RGN_OR);
    ::DeleteObject(last);
    EXPECT_TRUE(SameArea(fast, expected));
    EXPECT_TRUE(SameArea(exact, expected));
    for (HRGN h : {fast, exact, expected})
        ::DeleteObject(h);
    ::DeleteObject(hBitmap);
}

// ---- masked drawing and tiling ---------------------------------------------------------------

// A 32-bit memory surface to draw on and read back.
struct Surface
{
    CDC dc;
    CBitmap bitmap;
    CBitmap* pOld = nullptr;
    Surface(int width, int height, COLORREF fill)
    {
        CClientDC screen(NULL);
        dc.CreateCompatibleDC(&screen);
        bitmap.CreateCompatibleBitmap(&screen, width, height);
        pOld = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, width, height, fill);
    }
    ~Surface() { dc.SelectObject(pOld); }
};

TEST(SkinDraw, PrepareMaskTakesColourFromPixelAndBlacksItOut)
{
    CBitmap source, mask;
    source.Attach(MakeBitmap(4, 4, [](int x, int) { return x < 2 ? RGB(0, 200, 0) : RGB(200, 0, 0); }));
    lumskin::PrepareMask(&source, &mask, 0xFF000000, 0, 0);   // green, taken from pixel (0, 0)
    Surface target(4, 4, RGB(0, 0, 255));
    CDC sourceDC;
    sourceDC.CreateCompatibleDC(&target.dc);
    CBitmap* pOld = sourceDC.SelectObject(&source);
    EXPECT_EQ(RGB(0, 0, 0), sourceDC.GetPixel(0, 0)) << "the transparent colour became black";
    EXPECT_EQ(RGB(200, 0, 0), sourceDC.GetPixel(3, 0));
    lumskin::DrawTransparentBitmap(&target.dc, 0, 0, 4, 4, &sourceDC, 0, 0, &mask);
    EXPECT_EQ(RGB(0, 0, 255), target.dc.GetPixel(1, 1)) << "the background shows through";
    EXPECT_EQ(RGB(200, 0, 0), target.dc.GetPixel(2, 1));
    lumskin::DrawBitmap(&target.dc, 0, 0, 4, 4, &sourceDC, 0, 0, &mask, FALSE);
    EXPECT_EQ(RGB(0, 0, 0), target.dc.GetPixel(1, 1)) << "untransparent drawing copies everything";
    sourceDC.SelectObject(pOld);
}

TEST(SkinDraw, BackgroundStoreRestoresWhatWasDrawnOver)
{
    Surface target(20, 20, RGB(10, 20, 30));
    CBitmap store;
    lumskin::CopyBackground(&target.dc, 5, 5, 6, 6, &store);
    target.dc.FillSolidRect(0, 0, 20, 20, RGB(255, 255, 255));
    lumskin::RestoreBackground(&target.dc, 5, 5, 6, 6, &store);
    EXPECT_EQ(RGB(10, 20, 30), target.dc.GetPixel(5, 5));
    EXPECT_EQ(RGB(10, 20, 30), target.dc.GetPixel(10, 10));
    EXPECT_EQ(RGB(255, 255, 255), target.dc.GetPixel(11, 11));
}

TEST(SkinDraw, FillWithBitmapTilesInsideTheRectangleOnly)
{
    // A 16x16 tile whose top-left pixel is red: red pixels mark where tiles start.
    HBITMAP hTile = MakeBitmap(16, 16, [](int x, int y) { return x == 0 && y == 0 ? RGB(255, 0, 0) : RGB(0, 255, 0); });
    Surface target(60, 40, RGB(0, 0, 255));
    lumskin::FillWithBitmap(&target.dc, hTile, CRect(10, 10, 45, 30));
    for (int x : {10, 26, 42})
        for (int y : {10, 26})
            EXPECT_EQ(RGB(255, 0, 0), target.dc.GetPixel(x, y)) << "tile at " << x << "," << y;
    EXPECT_EQ(RGB(0, 255, 0), target.dc.GetPixel(44, 29));
    EXPECT_EQ(RGB(0, 0, 255), target.dc.GetPixel(45, 20)) << "nothing right of the rectangle";
    EXPECT_EQ(RGB(0, 0, 255), target.dc.GetPixel(20, 30)) << "nothing below the rectangle";
    EXPECT_EQ(RGB(0, 0, 255), target.dc.GetPixel(9, 9));
    EXPECT_EQ(16, lumskin::GetBitmapWidth(hTile));
    EXPECT_EQ(16, lumskin::GetBitmapHeight(hTile));
    ::DeleteObject(hTile);
}

}  // namespace
