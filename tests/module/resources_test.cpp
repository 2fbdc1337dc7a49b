// The default skin pictures that LumCtrl.dll carries, and how the resource chain finds them.
#include <afxwin.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <type_traits>
#include <vector>

namespace {

constexpr COLORREF kMask = RGB(255, 0, 255);

struct BitmapDeleter
{
    void operator()(HBITMAP h) const { ::DeleteObject(h); }
};
using Bitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>;

struct MemoryDC
{
    HDC h = ::CreateCompatibleDC(nullptr);
    ~MemoryDC() { ::DeleteDC(h); }
};

HMODULE Library() { return ::GetModuleHandleA("LumCtrl.dll"); }

Bitmap Load(HMODULE module, UINT id)
{
    return Bitmap(static_cast<HBITMAP>(
        ::LoadImageA(module, MAKEINTRESOURCE(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

// A bitmap's pixels as COLORREFs, top row first, whatever its own depth.
struct Pixels
{
    int width = 0, height = 0;
    std::vector<COLORREF> rgb;

    explicit Pixels(HBITMAP bitmap)
    {
        BITMAP bm = {};
        ::GetObject(bitmap, sizeof bm, &bm);
        width = bm.bmWidth;
        height = bm.bmHeight;
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = width;
        bi.bmiHeader.biHeight = -height;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        std::vector<RGBQUAD> quads(static_cast<size_t>(width) * height);
        MemoryDC dc;
        if (::GetDIBits(dc.h, bitmap, 0, height, quads.data(), &bi, DIB_RGB_COLORS) != height)
            quads.clear();
        for (const RGBQUAD& q : quads)
            rgb.push_back(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
    }

    COLORREF At(int x, int y) const { return rgb[static_cast<size_t>(y) * width + x]; }
};

bool IsRed(COLORREF c) { return GetRValue(c) > 180 && GetGValue(c) < 80 && GetBValue(c) < 80; }

struct Picture
{
    UINT id;
    const char* what;
    int width, height, bits;
    bool keyed;   // the controls draw it with magenta as its key colour
};

const Picture kPictures[] = {
    {5001, "list background", 300, 300, 24, false},
    {5002, "header background", 1, 12, 24, false},
    {5003, "header edge", 2, 12, 24, false},
    {5004, "header separator", 2, 12, 24, false},
    {5005, "horizontal thumb", 26, 12, 24, true},
    {5006, "right arrow", 26, 12, 24, true},
    {5007, "horizontal track", 1, 12, 24, false},
    {5008, "left arrow", 26, 12, 24, true},
    {5010, "up arrow", 12, 26, 24, true},
    {5011, "vertical track", 12, 1, 24, false},
    {5012, "vertical thumb", 12, 26, 24, true},
    {5013, "down arrow", 12, 26, 24, true},
    {5014, "top cap", 12, 11, 24, true},
    {5015, "bottom cap", 11, 11, 24, true},
    {5019, "tree glyphs", 207, 16, 4, true},
};

TEST(DefaultSkin, EveryPictureHasItsSizeAndDepth)
{
    ASSERT_NE(nullptr, Library());
    for (const Picture& p : kPictures)
    {
        SCOPED_TRACE(testing::Message() << "bitmap " << p.id << " (" << p.what << ")");
        EXPECT_NE(nullptr, ::FindResourceA(Library(), MAKEINTRESOURCE(p.id), RT_BITMAP));
        Bitmap bitmap = Load(Library(), p.id);
        ASSERT_NE(nullptr, bitmap);
        DIBSECTION ds = {};
        ASSERT_EQ(static_cast<int>(sizeof ds), ::GetObject(bitmap.get(), sizeof ds, &ds));
        EXPECT_EQ(p.width, ds.dsBm.bmWidth);
        EXPECT_EQ(p.height, ds.dsBm.bmHeight);
        EXPECT_EQ(p.bits, ds.dsBmih.biBitCount);
    }
}

// Pieces copied as they are must not show the key colour; keyed pieces are magenta in the corners of their
// round ends, where what lies behind shows through, and solid in the middle.
TEST(DefaultSkin, KeyColourOnlyWhereThePieceIsKeyed)
{
    for (const Picture& p : kPictures)
    {
        SCOPED_TRACE(testing::Message() << "bitmap " << p.id << " (" << p.what << ")");
        Bitmap bitmap = Load(Library(), p.id);
        ASSERT_NE(nullptr, bitmap);
        Pixels px(bitmap.get());
        ASSERT_EQ(static_cast<size_t>(p.width) * p.height, px.rgb.size());
        if (!p.keyed)
        {
            EXPECT_EQ(0, std::count(px.rgb.begin(), px.rgb.end(), kMask));
            continue;
        }
        const int corners = (px.At(0, 0) == kMask) + (px.At(p.width - 1, 0) == kMask) +
                            (px.At(0, p.height - 1) == kMask) + (px.At(p.width - 1, p.height - 1) == kMask);
        EXPECT_GE(corners, 2);
        EXPECT_NE(kMask, px.At(p.width / 2, p.height / 2));
    }
}

// The horizontal bar's pieces are the vertical bar's mirrored across the diagonal: up arrow and left arrow, down
// arrow and right arrow. A swapped id in the resource script shows here.
TEST(DefaultSkin, VerticalPiecesMirroredAreTheHorizontalOnes)
{
    const struct { UINT vertical, horizontal; } pairs[] = {{5010, 5008}, {5013, 5006}, {5012, 5005}, {5011, 5007}};
    for (const auto& pair : pairs)
    {
        SCOPED_TRACE(testing::Message() << "bitmaps " << pair.vertical << " and " << pair.horizontal);
        Bitmap v = Load(Library(), pair.vertical), h = Load(Library(), pair.horizontal);
        ASSERT_TRUE(v && h);
        Pixels pv(v.get()), ph(h.get());
        ASSERT_EQ(pv.width, ph.height);
        ASSERT_EQ(pv.height, ph.width);
        for (int y = 0; y < pv.height; ++y)
            for (int x = 0; x < pv.width; ++x)
                ASSERT_EQ(pv.At(x, y), ph.At(y, x)) << "at " << x << "," << y;
    }
}

// The image list cuts the strip into whole 16-pixel cells: twelve of them, and 15 columns never shown.
class TreeGlyphs : public testing::Test
{
protected:
    static constexpr int kCells = 12, kCell = 16;

    void SetUp() override
    {
        bitmap_ = Load(Library(), 5019);
        ASSERT_NE(nullptr, bitmap_);
        pixels_ = std::make_unique<Pixels>(bitmap_.get());
        ASSERT_EQ(207u * 16u, pixels_->rgb.size());
    }

    COLORREF Cell(int cell, int x, int y) const { return pixels_->At(cell * kCell + x, y); }

    int InkIn(int cell) const
    {
        int n = 0;
        for (int y = 0; y < kCell; ++y)
            for (int x = 0; x < kCell; ++x)
                n += Cell(cell, x, y) != kMask;
        return n;
    }

    Bitmap bitmap_;
    std::unique_ptr<Pixels> pixels_;
};

TEST_F(TreeGlyphs, PaletteHoldsTheMaskColour)
{
    MemoryDC dc;
    HGDIOBJ old = ::SelectObject(dc.h, bitmap_.get());
    RGBQUAD table[16] = {};
    UINT n = ::GetDIBColorTable(dc.h, 0, 16, table);
    ::SelectObject(dc.h, old);
    ASSERT_GT(n, 0u);
    bool found = false;
    for (UINT i = 0; i < n; ++i)
        found |= table[i].rgbRed == 255 && table[i].rgbGreen == 0 && table[i].rgbBlue == 255;
    EXPECT_TRUE(found);
}

TEST_F(TreeGlyphs, ColumnsAfterTheLastCellAreMask)
{
    for (int x = kCells * kCell; x < pixels_->width; ++x)
        for (int y = 0; y < kCell; ++y)
            ASSERT_EQ(kMask, pixels_->At(x, y)) << "at " << x << "," << y;
}

TEST_F(TreeGlyphs, EachCellDrawsAGlyphOnMaskWithAMaskMargin)
{
    for (int cell = 0; cell < kCells; ++cell)
    {
        SCOPED_TRACE(testing::Message() << "cell " << cell);
        for (int i = 0; i < kCell; ++i)
        {
            EXPECT_EQ(kMask, Cell(cell, i, 0));
            EXPECT_EQ(kMask, Cell(cell, i, kCell - 1));
            EXPECT_EQ(kMask, Cell(cell, 0, i));
            EXPECT_EQ(kMask, Cell(cell, kCell - 1, i));
        }
        EXPECT_GT(InkIn(cell), 40);
        EXPECT_LT(InkIn(cell), (kCell - 2) * (kCell - 2));
        for (int other = 0; other < cell; ++other)
        {
            bool same = true;
            for (int y = 0; y < kCell && same; ++y)
                for (int x = 0; x < kCell && same; ++x)
                    same = Cell(cell, x, y) == Cell(other, x, y);
            EXPECT_FALSE(same) << "cell " << cell << " repeats cell " << other;
        }
    }
}

// An image list made from the strip, as CImageList::Create(id, 16, 1, magenta) makes it (no load flags) or from
// a DIB section, has twelve images that show exactly as drawn, with their magenta transparent.
TEST_F(TreeGlyphs, ImageListShowsTwelveGlyphsWithMagentaTransparent)
{
    struct ImageListDeleter
    {
        void operator()(HIMAGELIST h) const { ::ImageList_Destroy(h); }
    };
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof bi.bmiHeader, kCell, kCell, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    Bitmap canvas(::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_NE(nullptr, canvas);
    MemoryDC dc;
    for (UINT flags : {0u, static_cast<UINT>(LR_CREATEDIBSECTION)})
    {
        std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDeleter> list(
            ::ImageList_LoadImageA(Library(), MAKEINTRESOURCE(5019), kCell, 1, kMask, IMAGE_BITMAP, flags));
        ASSERT_NE(nullptr, list) << "flags " << flags;
        ASSERT_EQ(kCells, ::ImageList_GetImageCount(list.get())) << "flags " << flags;
        for (int cell = 0; cell < kCells; ++cell)
        {
            SCOPED_TRACE(testing::Message() << "flags " << flags << ", image " << cell);
            HGDIOBJ old = ::SelectObject(dc.h, canvas.get());
            RECT all = {0, 0, kCell, kCell};
            ::FillRect(dc.h, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
            ASSERT_TRUE(::ImageList_Draw(list.get(), cell, dc.h, 0, 0, ILD_TRANSPARENT));
            ::SelectObject(dc.h, old);
            Pixels shown(canvas.get());
            for (int y = 0; y < kCell; ++y)
                for (int x = 0; x < kCell; ++x)
                {
                    COLORREF glyph = Cell(cell, x, y);
                    ASSERT_EQ(glyph == kMask ? RGB(255, 255, 255) : glyph, shown.At(x, y))
                        << "at " << x << "," << y;
                }
        }
    }
}

// Cells 4 to 7 are the disabled forms of 0 to 3: the same glyph with red strokes over it.
TEST_F(TreeGlyphs, DisabledGlyphsAreTheEnabledOnesCrossedOutInRed)
{
    for (int cell = 0; cell < 4; ++cell)
    {
        SCOPED_TRACE(testing::Message() << "cells " << cell << " and " << cell + 4);
        int red = 0;
        for (int y = 0; y < kCell; ++y)
            for (int x = 0; x < kCell; ++x)
            {
                COLORREF enabled = Cell(cell, x, y), disabled = Cell(cell + 4, x, y);
                ASSERT_FALSE(IsRed(enabled)) << "at " << x << "," << y;
                if (IsRed(disabled))
                    ++red;
                else
                    ASSERT_EQ(enabled, disabled) << "at " << x << "," << y;
            }
        EXPECT_GE(red, 16);
    }
}

// The application's own bitmap 5002 (3 x 5, from this executable's resources) shadows the library's; 5019,
// which only the library has, is found further down the chain that the library joined when it was loaded.
TEST(ResourceChain, ApplicationResourcesShadowTheLibrarys)
{
    HINSTANCE app = ::GetModuleHandleA(nullptr);
    ASSERT_EQ(app, AfxFindResourceHandle(MAKEINTRESOURCE(5002), RT_BITMAP));
    Bitmap own = Load(app, 5002);
    ASSERT_NE(nullptr, own);
    BITMAP bm = {};
    ::GetObject(own.get(), sizeof bm, &bm);
    EXPECT_EQ(3, bm.bmWidth);
    EXPECT_EQ(5, bm.bmHeight);
}

TEST(ResourceChain, LibraryResourcesAreFoundThroughTheChain)
{
    ASSERT_EQ(nullptr, ::FindResourceA(::GetModuleHandleA(nullptr), MAKEINTRESOURCE(5019), RT_BITMAP));
    EXPECT_EQ(Library(), AfxFindResourceHandle(MAKEINTRESOURCE(5019), RT_BITMAP));
}

}  // namespace
