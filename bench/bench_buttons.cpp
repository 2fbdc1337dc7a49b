// Push-button benchmarks under real GDI: the run-merging region builder against one CombineRgn per
// opaque run, and painting a skinned button against the bare BitBlt of its picture.
#include <LumCtrl.h>
#include "skin/SkinDraw.h"
#include <stdio.h>
#include <functional>

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);

double Seconds(const std::function<void()>& work, int repeat = 1)
{
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    for (int i = 0; i < repeat; i++)
        work();
    ::GdiFlush();
    ::QueryPerformanceCounter(&end);
    return double(end.QuadPart - start.QuadPart) / frequency.QuadPart;
}

// A mask of `size` x `size` whose rows hold opaque runs of `run` pixels separated by `gap` pixels.
HBITMAP RunMask(int size, int run, int gap)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    DWORD* pixels = static_cast<DWORD*>(pBits);
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size; x++)
            pixels[y * size + x] = (x + y) % (run + gap) < run ? 0x00204080 : 0x00FF00FF;
    return hBitmap;
}

// The straightforward builder: one rectangle region per opaque run, each combined into the result.
HRGN ReferenceRegion(HBITMAP hBitmap, int size)
{
    HDC hDC = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    HRGN hResult = ::CreateRectRgn(0, 0, 0, 0);
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size;)
        {
            int x0 = x;
            while (x < size && ::GetPixel(hDC, x, y) != kMagenta)
                x++;
            if (x > x0)
            {
                HRGN hRun = ::CreateRectRgn(x0, y, x, y + 1);
                ::CombineRgn(hResult, hResult, hRun, RGN_OR);
                ::DeleteObject(hRun);
            }
            x++;
        }
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return hResult;
}

void CompareRegionBuilders(const char* name, int size, int run, int gap)
{
    HBITMAP hMask = RunMask(size, run, gap);
    HRGN hFast = NULL, hReference = NULL;
    double fast = Seconds([&] {
        if (hFast)
            ::DeleteObject(hFast);
        hFast = lumskin::BitmapToRegion(hMask, kMagenta, 0);
    }, 5) / 5;
    double reference = Seconds([&] { hReference = ReferenceRegion(hMask, size); });
    HRGN hDiff = ::CreateRectRgn(0, 0, 0, 0);
    bool same = ::CombineRgn(hDiff, hFast, hReference, RGN_XOR) == NULLREGION;
    printf("region %-8s %4d x %-4d  BitmapToRegion %9.3f ms  reference %10.3f ms  ratio %7.1fx  %s\n", name, size,
           size, fast * 1000, reference * 1000, reference / fast, same ? "same region" : "REGIONS DIFFER");
    for (HGDIOBJ h : {(HGDIOBJ)hDiff, (HGDIOBJ)hFast, (HGDIOBJ)hReference, (HGDIOBJ)hMask})
        ::DeleteObject(h);
}

// A window whose paint is one BitBlt of its picture: what any paint costs before the button's work.
class CBlitWnd : public CWnd
{
public:
    HBITMAP m_hPicture = NULL;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CDC memDC;
        memDC.CreateCompatibleDC(&dc);
        HGDIOBJ hOld = ::SelectObject(memDC.GetSafeHdc(), m_hPicture);
        dc.BitBlt(0, 0, 64, 64, &memDC, 0, 0, SRCCOPY);
        ::SelectObject(memDC.GetSafeHdc(), hOld);
    }
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBlitWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

void CompareButtonPaint()
{
    const int kPaints = 1000;
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, NULL, NULL);
    HBITMAP hPicture = RunMask(64, 60, 4);
    CBitmap picture;
    picture.Attach(::CopyImage(hPicture, IMAGE_BITMAP, 0, 0, 0));
    CLumButton button;
    button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 74, 74), &parent, 1);
    button.SetSkin(&picture, 64, 64);

    double paints = Seconds([&] { button.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW); }, kPaints);
    CBlitWnd plain;
    plain.m_hPicture = hPicture;
    plain.Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(100, 10, 164, 74), &parent, 2);
    double plainPaints = Seconds([&] { plain.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW); }, kPaints);

    HDC hWindowDC = ::GetDC(button.m_hWnd);
    HDC hMemDC = ::CreateCompatibleDC(hWindowDC);
    HGDIOBJ hOld = ::SelectObject(hMemDC, hPicture);
    double blits = Seconds([&] { ::BitBlt(hWindowDC, 0, 0, 64, 64, hMemDC, 0, 0, SRCCOPY); }, kPaints);
    ::SelectObject(hMemDC, hOld);
    ::DeleteDC(hMemDC);
    ::ReleaseDC(button.m_hWnd, hWindowDC);

    printf("paint   %d skinned button paints %8.1f ms  %d bare BitBlts %8.1f ms  ratio %7.2fx\n", kPaints,
           paints * 1000, kPaints, blits * 1000, paints / blits);
    printf("paint   %d skinned button paints %8.1f ms  %d paints of a one-BitBlt window %8.1f ms  ratio %5.2fx\n",
           kPaints, paints * 1000, kPaints, plainPaints * 1000, paints / plainPaints);
    parent.DestroyWindow();
    ::DeleteObject(hPicture);
}

}  // namespace

int main()
{
    // 1024 x 1024 with runs of 5 and gaps of 5: about 100,000 runs.
    CompareRegionBuilders("large", 1024, 5, 5);
    CompareRegionBuilders("button", 128, 5, 5);
    CompareButtonPaint();
    return 0;
}
