// The GDI wrappers over real GDI: handle maps, selection, resources, pixels, window DCs, leaks.
#include <gtest/gtest.h>
#include <afxwin.h>
#include <functional>
#include <vector>
#include "gdi_test_res.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);
const WORD kHalftone[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};

// Temporary objects live until the thread goes idle; each test ends as a message would.
struct GdiFixture : testing::Test
{
    void TearDown() override { AfxUnlockTempMaps(TRUE); }
};
using GdiObject = GdiFixture;
using GdiSelect = GdiFixture;
using GdiBitmap = GdiFixture;
using GdiRegion = GdiFixture;
using GdiDraw = GdiFixture;
using GdiText = GdiFixture;
using GdiCoords = GdiFixture;
using GdiWindowDC = GdiFixture;
using GdiLeak = GdiFixture;

// A memory DC drawing into a screen-compatible bitmap (one compatible with the fresh memory DC
// itself would be monochrome).
struct Canvas
{
    CDC dc;
    CBitmap bitmap;
    HGDIOBJ hOldBitmap;   // a handle: the temporary object for it may be gone by destruction

    Canvas(int cx, int cy, COLORREF fill = kWhite)
    {
        CClientDC screen(nullptr);
        dc.CreateCompatibleDC(&screen);
        bitmap.CreateCompatibleBitmap(&screen, cx, cy);
        hOldBitmap = dc.SelectObject(&bitmap)->m_hObject;
        dc.FillSolidRect(0, 0, cx, cy, fill);
    }
    ~Canvas() { dc.SelectObject(hOldBitmap); }
};

// Pixels of rect whose colour is not color.
int CountOther(const CDC& dc, const CRect& rect, COLORREF color)
{
    int n = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            n += dc.GetPixel(x, y) != color;
    return n;
}

struct Probe
{
    int x, y;
    COLORREF color;
    int tolerance;
};

void ExpectProbes(const CDC& dc, const std::vector<Probe>& probes, const char* what)
{
    for (const Probe& p : probes)
    {
        COLORREF got = dc.GetPixel(p.x, p.y);
        bool bMatch = abs(GetRValue(got) - GetRValue(p.color)) <= p.tolerance &&
                      abs(GetGValue(got) - GetGValue(p.color)) <= p.tolerance &&
                      abs(GetBValue(got) - GetBValue(p.color)) <= p.tolerance;
        EXPECT_TRUE(bMatch) << what << " at (" << p.x << "," << p.y << "): got 0x" << std::hex << got << ", want 0x" << p.color;
    }
}

// How many more GDI objects the process may create: Wine's GetGuiResources answers 0.
size_t FreeGdiSlots()
{
    std::vector<HRGN> regions;
    while (HRGN hRgn = ::CreateRectRgn(0, 0, 1, 1))
        regions.push_back(hRgn);
    for (HRGN hRgn : regions)
        ::DeleteObject(hRgn);
    return regions.size();
}

}  // namespace

void PrintTo(const CRect& r, std::ostream* os) { *os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")"; }
void PrintTo(const CPoint& p, std::ostream* os) { *os << "(" << p.x << "," << p.y << ")"; }
void PrintTo(const CSize& s, std::ostream* os) { *os << s.cx << "x" << s.cy; }

// ---- objects and the handle map ----------------------------------------------------------------

TEST_F(GdiObject, ForeignHandleGivesOneTemporaryOfItsKind)
{
    LOGBRUSH logBrush = {BS_SOLID, kRed, 0};
    HPEN hExtPen = ::ExtCreatePen(PS_GEOMETRIC | PS_SOLID, 3, &logBrush, 0, NULL);
    HRGN hRgn = ::CreateRectRgn(0, 0, 5, 5);
    HBITMAP hBitmap = ::CreateBitmap(2, 2, 1, 1, kHalftone);
    struct Case
    {
        const char* name;
        HGDIOBJ handle;
        CRuntimeClass* pClass;
    } cases[] = {
        {"stock pen", ::GetStockObject(BLACK_PEN), RUNTIME_CLASS(CPen)},
        {"extended pen", hExtPen, RUNTIME_CLASS(CPen)},
        {"stock brush", ::GetStockObject(WHITE_BRUSH), RUNTIME_CLASS(CBrush)},
        {"stock font", ::GetStockObject(DEFAULT_GUI_FONT), RUNTIME_CLASS(CFont)},
        {"stock palette", ::GetStockObject(DEFAULT_PALETTE), RUNTIME_CLASS(CPalette)},
        {"region", hRgn, RUNTIME_CLASS(CRgn)},
        {"bitmap", hBitmap, RUNTIME_CLASS(CBitmap)},
    };
    for (const Case& c : cases)
    {
        CGdiObject* pObject = CGdiObject::FromHandle(c.handle);
        ASSERT_NE(nullptr, pObject) << c.name;
        EXPECT_EQ(c.handle, pObject->m_hObject) << c.name;
        EXPECT_TRUE(pObject->IsKindOf(c.pClass)) << c.name << " is a " << pObject->GetRuntimeClass()->m_lpszClassName;
        EXPECT_EQ(pObject, CGdiObject::FromHandle(c.handle)) << c.name;
    }

    AfxUnlockTempMaps(TRUE);   // deletes the temporaries, not what they wrapped
    for (const Case& c : cases)
        EXPECT_NE(0u, (UINT)::GetObjectType(c.handle)) << c.name;
    ::DeleteObject(hExtPen);
    ::DeleteObject(hRgn);
    ::DeleteObject(hBitmap);
}

TEST_F(GdiObject, AttachedObjectIsPermanentUntilDetached)
{
    HBRUSH hBrush;
    {
        CBrush brush(kRed);
        hBrush = brush;
        EXPECT_EQ(&brush, CBrush::FromHandle(hBrush));

        EXPECT_EQ(hBrush, brush.Detach());
        CBrush* pTemporary = CBrush::FromHandle(hBrush);
        EXPECT_NE(&brush, pTemporary);
        EXPECT_EQ(hBrush, pTemporary->m_hObject);

        EXPECT_TRUE(brush.Attach(hBrush));
        EXPECT_EQ(&brush, CBrush::FromHandle(hBrush));
    }
    EXPECT_EQ(0u, (UINT)::GetObjectType(hBrush)) << "the destructor deletes the brush";

    CGdiObject stock;
    ASSERT_TRUE(stock.CreateStockObject(NULL_BRUSH));
    EXPECT_NE(&stock, CGdiObject::FromHandle(stock.m_hObject)) << "stock objects stay temporaries";
}

TEST_F(GdiObject, DeviceContextsMapLikeObjects)
{
    HDC hForeign = ::CreateCompatibleDC(NULL);
    CDC* pTemporary = CDC::FromHandle(hForeign);
    ASSERT_NE(nullptr, pTemporary);
    EXPECT_EQ(pTemporary, CDC::FromHandle(hForeign));
    AfxUnlockTempMaps(TRUE);
    EXPECT_EQ((UINT)OBJ_MEMDC, (UINT)::GetObjectType(hForeign)) << "a temporary leaves its DC alone";
    ::DeleteDC(hForeign);

    HDC hOwned;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
        hOwned = dc;
        EXPECT_EQ(&dc, CDC::FromHandle(hOwned));
    }
    EXPECT_EQ(0u, (UINT)::GetObjectType(hOwned)) << "the destructor deletes the DC";

    CDC* pNone = CDC::FromHandle(NULL);
    ASSERT_EQ(nullptr, pNone);
    EXPECT_EQ(nullptr, pNone->GetSafeHdc()) << "as MFC callers expect through NULL";
}

TEST_F(GdiObject, ConstructorsThrowWhenCreationFails)
{
    CBitmap none;
    try
    {
        CBrush brush(&none);
        ADD_FAILURE() << "a pattern brush of no bitmap was made";
    }
    catch (CResourceException* e)
    {
        e->Delete();
    }
}

// ---- selection and DC state ----------------------------------------------------------------------

namespace {
template <class T>
void ExpectSelectReturnsPrevious(CDC& dc, T& first, T& second, CRuntimeClass* pClass, HGDIOBJ hDefault)
{
    SCOPED_TRACE(pClass->m_lpszClassName);
    T* pDefault = dc.SelectObject(&first);
    ASSERT_NE(nullptr, pDefault);
    EXPECT_NE(&first, pDefault) << "the DC's default is a temporary";
    EXPECT_TRUE(pDefault->IsKindOf(pClass));
    if (hDefault)
    {
        EXPECT_EQ(hDefault, pDefault->m_hObject);
    }
    EXPECT_EQ(&first, dc.SelectObject(&second));
    EXPECT_EQ(&second, dc.SelectObject(pDefault));
}
}  // namespace

TEST_F(GdiSelect, SelectObjectReturnsTheObjectReplaced)
{
    CClientDC screen(nullptr);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
    CPen pen1(PS_SOLID, 1, kRed), pen2(PS_DASH, 1, kBlue);
    CBrush brush1(kRed), brush2(HS_CROSS, kBlue);
    CFont font1, font2;
    font1.CreatePointFont(90, "Arial");
    font2.CreatePointFont(120, "Arial");
    CBitmap bitmap1, bitmap2;
    bitmap1.CreateCompatibleBitmap(&screen, 20, 20);
    bitmap2.CreateCompatibleBitmap(&screen, 3, 3);

    ExpectSelectReturnsPrevious(dc, pen1, pen2, RUNTIME_CLASS(CPen), ::GetStockObject(BLACK_PEN));
    ExpectSelectReturnsPrevious(dc, brush1, brush2, RUNTIME_CLASS(CBrush), ::GetStockObject(WHITE_BRUSH));
    ExpectSelectReturnsPrevious(dc, font1, font2, RUNTIME_CLASS(CFont), ::GetStockObject(SYSTEM_FONT));
    ExpectSelectReturnsPrevious(dc, bitmap1, bitmap2, RUNTIME_CLASS(CBitmap), NULL);

    EXPECT_EQ(::GetStockObject(BLACK_PEN), dc.SelectObject(static_cast<CGdiObject*>(&pen1))->m_hObject);
    EXPECT_EQ(&pen1, dc.GetCurrentPen());
    EXPECT_EQ(&pen1, dc.SelectStockObject(NULL_PEN));
    EXPECT_EQ(nullptr, dc.SelectObject((CPen*)nullptr)) << "a failed selection answers NULL";

    CPalette palette;
    ASSERT_TRUE(palette.CreateHalftonePalette(&screen));
    CPalette* pDefault = dc.SelectPalette(&palette, FALSE);
    ASSERT_NE(nullptr, pDefault);
    EXPECT_EQ(::GetStockObject(DEFAULT_PALETTE), pDefault->m_hObject);
    EXPECT_NE((UINT)GDI_ERROR, dc.RealizePalette());
    EXPECT_EQ(&palette, dc.SelectPalette(pDefault, FALSE));

    CBitmap* pDefaultBitmap = dc.SelectObject(&bitmap1);
    CRgn rgn;
    rgn.CreateRectRgn(2, 3, 12, 13);
    EXPECT_EQ(SIMPLEREGION, dc.SelectObject(&rgn)) << "a region answers its type, as SelectClipRgn";
    CRect box;
    dc.GetClipBox(&box);
    EXPECT_EQ(CRect(2, 3, 12, 13), box);
    dc.SelectObject(pDefaultBitmap);
}

// ---- bitmaps -----------------------------------------------------------------------------------

namespace {
// Points the framework's resources at a module without our bitmap, so only the extension module
// chain can find it.
struct ResourcesElsewhere
{
    HINSTANCE hOld = AfxGetResourceHandle();
    ResourcesElsewhere() { AfxSetResourceHandle(::GetModuleHandleA("LumCtrl.dll")); }
    ~ResourcesElsewhere() { AfxSetResourceHandle(hOld); }
};
}  // namespace

TEST_F(GdiBitmap, LoadBitmapSearchesTheResourceChain)
{
    const HINSTANCE hExe = ::GetModuleHandleA(NULL);
    const COLORREF expected[8] = {kRed, kGreen, kBlue, kWhite, kBlack, RGB(255, 255, 0), RGB(255, 0, 255), RGB(0, 255, 255)};
    struct Case
    {
        const char* name;
        std::function<BOOL(CBitmap&)> load;
    } cases[] = {
        {"by name", [](CBitmap& b) { return b.LoadBitmap("LUM_GDI_TEST"); }},
        {"by id", [](CBitmap& b) { return b.LoadBitmap(IDB_GDI_TEST); }},
    };
    for (const Case& c : cases)
    {
        ResourcesElsewhere elsewhere;
        CBitmap missing;
        EXPECT_FALSE(c.load(missing)) << c.name << ": not in the resource module";

        CDynLinkLibrary library(hExe, hExe);
        CBitmap bitmap;
        ASSERT_TRUE(c.load(bitmap)) << c.name << ": found through the chain";
        BITMAP info;
        ASSERT_EQ((int)sizeof(info), bitmap.GetBitmap(&info));
        EXPECT_EQ(CSize(4, 2), CSize(info.bmWidth, info.bmHeight)) << c.name;

        CDC dc;
        dc.CreateCompatibleDC(NULL);
        HGDIOBJ hOld = dc.SelectObject(&bitmap)->m_hObject;
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(expected[i], dc.GetPixel(i % 4, i / 4)) << c.name << ", pixel " << i;
        dc.SelectObject(hOld);
    }
}

// ---- regions -----------------------------------------------------------------------------------

TEST_F(GdiRegion, CombineModes)
{
    CRgn a, b;
    a.CreateRectRgn(0, 0, 10, 10);
    b.CreateRectRgnIndirect(CRect(5, 5, 15, 15));
    const CPoint onlyA(2, 2), both(7, 7), onlyB(12, 12), neither(20, 20);
    struct Case
    {
        const char* name;
        int mode;
        bool inA, inBoth, inB;
    } cases[] = {
        {"AND", RGN_AND, false, true, false},
        {"OR", RGN_OR, true, true, true},
        {"XOR", RGN_XOR, true, false, true},
        {"DIFF", RGN_DIFF, true, false, false},
    };
    for (const Case& c : cases)
    {
        CRgn result;
        result.CreateRectRgn(0, 0, 0, 0);
        EXPECT_NE(ERROR, result.CombineRgn(&a, &b, c.mode)) << c.name;
        EXPECT_EQ(c.inA, !!result.PtInRegion(onlyA)) << c.name;
        EXPECT_EQ(c.inBoth, !!result.PtInRegion(both)) << c.name;
        EXPECT_EQ(c.inB, !!result.PtInRegion(onlyB)) << c.name;
        EXPECT_FALSE(result.PtInRegion(neither)) << c.name;
    }
}

// ---- drawing -----------------------------------------------------------------------------------

TEST_F(GdiDraw, FillSolidRectFillsExactlyAndKeepsTheBackgroundColour)
{
    struct Case
    {
        const char* name;
        CRect rect;
        COLORREF color;
        std::function<void(CDC&, const CRect&, COLORREF)> fill;
    } cases[] = {
        {"rectangle", CRect(2, 3, 9, 7), kRed, [](CDC& dc, const CRect& r, COLORREF c) { dc.FillSolidRect(&r, c); }},
        {"x, y, cx, cy", CRect(5, 1, 6, 15), kBlue,
         [](CDC& dc, const CRect& r, COLORREF c) { dc.FillSolidRect(r.left, r.top, r.Width(), r.Height(), c); }},
    };
    for (const Case& c : cases)
    {
        Canvas canvas(16, 16);
        c.fill(canvas.dc, c.rect, c.color);
        EXPECT_EQ(0, CountOther(canvas.dc, c.rect, c.color)) << c.name;
        EXPECT_EQ(c.rect.Width() * c.rect.Height(), CountOther(canvas.dc, CRect(0, 0, 16, 16), kWhite)) << c.name;
        EXPECT_EQ(c.color, canvas.dc.GetBkColor()) << c.name;
    }
}

TEST_F(GdiDraw, Blits)
{
    Canvas source(4, 4, kBlue);
    source.dc.FillSolidRect(0, 0, 2, 4, kRed);   // left half red, right half blue
    TRIVERTEX ramp[2] = {{0, 0, 0, 0, 0, 0}, {64, 1, 0xFF00, 0xFF00, 0xFF00, 0}};
    GRADIENT_RECT rampRect = {0, 1};
    struct Case
    {
        const char* name;
        std::function<BOOL(CDC& dst, CDC& src)> blit;
        std::vector<Probe> probes;
    } cases[] = {
        {"BitBlt", [](CDC& d, CDC& s) { return d.BitBlt(10, 10, 4, 4, &s, 0, 0, SRCCOPY); },
         {{10, 10, kRed, 0}, {13, 13, kBlue, 0}, {9, 10, kWhite, 0}, {14, 10, kWhite, 0}}},
        {"StretchBlt twice as big", [](CDC& d, CDC& s) { return d.StretchBlt(0, 0, 8, 8, &s, 0, 0, 4, 4, SRCCOPY); },
         {{0, 0, kRed, 0}, {3, 7, kRed, 0}, {4, 0, kBlue, 0}, {7, 7, kBlue, 0}, {8, 0, kWhite, 0}}},
        {"TransparentBlt keeping red out", [](CDC& d, CDC& s) { return d.TransparentBlt(0, 0, 4, 4, &s, 0, 0, 4, 4, kRed); },
         {{0, 0, kWhite, 0}, {1, 3, kWhite, 0}, {2, 0, kBlue, 0}, {3, 3, kBlue, 0}}},
        {"AlphaBlend at half", [](CDC& d, CDC& s) { return d.AlphaBlend(0, 0, 2, 2, &s, 0, 0, 2, 2, {AC_SRC_OVER, 0, 128, 0}); },
         {{0, 0, RGB(255, 127, 127), 2}, {2, 2, kWhite, 0}}},
        {"GradientFill across", [&](CDC& d, CDC&) { return d.GradientFill(ramp, 2, &rampRect, 1, GRADIENT_FILL_RECT_H); },
         {{0, 0, kBlack, 4}, {32, 0, RGB(128, 128, 128), 4}, {63, 0, kWhite, 8}, {0, 1, kWhite, 0}}},
    };
    for (const Case& c : cases)
    {
        Canvas target(64, 16);
        EXPECT_TRUE(c.blit(target.dc, source.dc)) << c.name;
        ExpectProbes(target.dc, c.probes, c.name);
    }
}

// ---- text --------------------------------------------------------------------------------------

TEST_F(GdiText, DrawTextChangesPixelsOnlyInsideItsRectangle)
{
    const CRect rect(10, 10, 70, 30);
    struct Case
    {
        const char* name;
        CString text;
        std::function<int(CDC&, const CString&, CRect&)> draw;
    } cases[] = {
        {"LPCTSTR", "Hello", [](CDC& dc, const CString& s, CRect& r) { return dc.DrawText((LPCTSTR)s, -1, &r, DT_SINGLELINE); }},
        {"CString", "Hello", [](CDC& dc, const CString& s, CRect& r) { return dc.DrawText(s, &r, DT_SINGLELINE | DT_VCENTER); }},
        {"too long, clipped", "WWWWWWWWWWWWWWWWWWWWWWWWWW",
         [](CDC& dc, const CString& s, CRect& r) { return dc.DrawText(s, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER); }},
    };
    for (const Case& c : cases)
    {
        Canvas canvas(80, 40);
        CFont font;
        font.CreatePointFont(100, "Arial");
        CFont* pOldFont = canvas.dc.SelectObject(&font);
        canvas.dc.SetBkMode(TRANSPARENT);
        CRect drawn(rect);
        EXPECT_GT(c.draw(canvas.dc, c.text, drawn), 0) << c.name;
        canvas.dc.SelectObject(pOldFont);

        const int inside = CountOther(canvas.dc, rect, kWhite);
        EXPECT_GT(inside, 0) << c.name;
        EXPECT_EQ(inside, CountOther(canvas.dc, CRect(0, 0, 80, 40), kWhite)) << c.name << ": pixels outside changed";
    }
}

// ---- window DCs --------------------------------------------------------------------------------

namespace {

int g_nPaints;
CRect g_rcPaint;

LRESULT CALLBACK PaintingWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg != WM_PAINT)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    CPaintDC dc(CWnd::FromHandle(hWnd));
    ++g_nPaints;
    g_rcPaint = dc.m_ps.rcPaint;
    dc.FillSolidRect(&dc.m_ps.rcPaint, kGreen);
    return 0;
}

// A visible framed pop-up that paints in green whatever it is asked to. Neither captioned nor
// activated, so no window manager state is awaited: destroying a captioned window costs 2 s on Xvfb.
struct TestWindow
{
    HWND hWnd;
    TestWindow()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &PaintingWndProc;
        wc.hInstance = ::GetModuleHandleA(NULL);
        wc.lpszClassName = "LumGdiTestWindow";
        ::RegisterClassA(&wc);
        hWnd = ::CreateWindowExA(0, wc.lpszClassName, "GDI test", WS_POPUP | WS_DLGFRAME, 50, 50, 200, 150, NULL, NULL,
                                 wc.hInstance, NULL);
        ::ShowWindow(hWnd, SW_SHOWNOACTIVATE);
        ::UpdateWindow(hWnd);
    }
    ~TestWindow() { ::DestroyWindow(hWnd); }
    CWnd* Wnd() const { return CWnd::FromHandle(hWnd); }
};

}  // namespace

TEST_F(GdiWindowDC, ClientDCDrawsInsideTheFrameTheWindowDCSees)
{
    TestWindow window;
    ASSERT_NE(nullptr, window.hWnd);
    {
        CClientDC client(window.Wnd());
        EXPECT_EQ(window.Wnd(), client.GetWindow());
        client.FillSolidRect(0, 0, 10, 10, kRed);
    }
    CPoint clientOrigin(0, 0);
    ::ClientToScreen(window.hWnd, &clientOrigin);
    CRect windowRect;
    ::GetWindowRect(window.hWnd, &windowRect);
    const CPoint offset = clientOrigin - windowRect.TopLeft();
    ASSERT_GT(offset.y, 0) << "the frame lies around the client area";

    CWindowDC whole(window.Wnd());
    ExpectProbes(whole, {{offset.x, offset.y, kRed, 0}, {offset.x + 9, offset.y + 9, kRed, 0},
                         {offset.x + 10, offset.y + 10, kGreen, 0}},
                 "client area");
    EXPECT_NE(kRed, whole.GetPixel(offset - CSize(1, 1))) << "the frame is not the client area";
}

TEST_F(GdiWindowDC, PaintDCPaintsAndValidatesTheUpdateRectangle)
{
    TestWindow window;
    g_nPaints = 0;
    ::InvalidateRect(window.hWnd, CRect(5, 6, 20, 21), FALSE);
    ::UpdateWindow(window.hWnd);
    EXPECT_EQ(1, g_nPaints);
    EXPECT_EQ(CRect(5, 6, 20, 21), g_rcPaint);
    EXPECT_FALSE(::GetUpdateRect(window.hWnd, NULL, FALSE)) << "EndPaint validated it";
}

// ---- leaks -------------------------------------------------------------------------------------

namespace {
// One round of what a control does with GDI: make objects, select, draw, restore, let go.
void ExerciseWrappers()
{
    Canvas canvas(24, 24);
    CDC& dc = canvas.dc;
    CPen pen(PS_SOLID, 2, kRed);
    CBrush solid(kBlue), hatch(HS_CROSS, kGreen);
    CBitmap pattern;
    pattern.CreateBitmap(8, 8, 1, 1, kHalftone);
    CBrush patterned(&pattern);
    CFont font;
    font.CreatePointFont(90, "Arial", &dc);
    CRgn rgn;
    rgn.CreateEllipticRgn(0, 0, 24, 24);
    CPalette palette;
    palette.CreateHalftonePalette(&dc);
    CBitmap loaded;
    loaded.LoadBitmap(IDB_GDI_TEST);

    int nSaved = dc.SaveDC();
    dc.SelectObject(&pen);
    dc.SelectObject(&patterned);
    dc.SelectObject(&font);
    dc.SelectPalette(&palette, TRUE);
    dc.SelectClipRgn(&rgn);
    dc.Rectangle(2, 2, 20, 20);
    dc.FillRect(CRect(3, 3, 6, 6), &hatch);
    dc.DrawText("Leak", CRect(0, 0, 24, 24), DT_SINGLELINE);
    dc.DrawDragRect(CRect(1, 1, 22, 22), CSize(2, 2), NULL, CSize(0, 0));
    dc.SelectStockObject(NULL_BRUSH);
    dc.RestoreDC(nSaved);

    Canvas copy(24, 24);
    copy.dc.BitBlt(0, 0, 24, 24, &dc, 0, 0, SRCCOPY);
    HDC hScreen = ::GetDC(NULL);
    CDC::FromHandle(hScreen)->GetDeviceCaps(BITSPIXEL);
    ::ReleaseDC(NULL, hScreen);
    CBrush reattached;
    reattached.Attach(solid.Detach());
}
}  // namespace

TEST_F(GdiLeak, WrappersGiveBackEveryObjectAndDC)
{
    ExerciseWrappers();   // first-use caches (fonts, the halftone brush) settle here
    AfxUnlockTempMaps(TRUE);
    const size_t before = FreeGdiSlots();
    ASSERT_GT(before, 1000u);
    for (int i = 0; i < 200; ++i)
        ExerciseWrappers();
    AfxUnlockTempMaps(TRUE);
    EXPECT_EQ(before, FreeGdiSlots());
}
