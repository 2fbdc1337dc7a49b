// Range control benchmarks under real GDI: what one paint of a slider, a spin and a progress bar
// costs, and what putting a seven-picture progress bar together at a resize costs.
#include <LumCtrl.h>
#include "range/range_test.h"
#include <stdio.h>
#include <functional>

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);
const int kRepeat = 500;

double Milliseconds(const std::function<void(int)>& work)
{
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    for (int i = 0; i < kRepeat; i++)
        work(i);
    ::GdiFlush();
    ::QueryPerformanceCounter(&end);
    return 1000.0 * double(end.QuadPart - start.QuadPart) / frequency.QuadPart / kRepeat;
}

CString Skin(const char* name, int cx, int cy, const std::function<COLORREF(int, int)>& colourAt)
{
    return lumtest::WriteSkin(name, cx, cy, colourAt).c_str();
}

COLORREF Groove(int, int y) { return y < 6 || y > 17 ? kMagenta : RGB(120, 130, 150); }
COLORREF Knob(int x, int y) { return (x - 10) * (x - 10) + (y - 12) * (y - 12) <= 90 ? RGB(230, 230, 240) : kMagenta; }

void Report(const char* what, double ms) { printf("%-58s %8.3f ms\n", what, ms); }

void RedrawEach(CWnd& wnd, const std::function<void(int)>& change, const char* what)
{
    Report(what, Milliseconds([&](int i) {
        change(i);
        wnd.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    }));
}

void BenchSliders(CWnd& parent)
{
    CString groove = Skin("bench-groove.bmp", 300, 24, Groove), knob = Skin("bench-knob.bmp", 20, 24, Knob);
    CLumSlider opaque, masked;
    opaque.Create("", WS_VISIBLE, CRect(10, 10, 310, 34), &parent, 1);
    opaque.SetBitmapChannel(groove, groove);
    opaque.SetBitmapThumb(knob, CString());
    masked.Create("", WS_VISIBLE, CRect(10, 50, 310, 74), &parent, 2);
    masked.SetBitmapChannel(groove, groove, TRUE);
    masked.SetBitmapThumb(knob, CString(), TRUE, kMagenta);
    RedrawEach(opaque, [&](int i) { opaque.SetPos(i % 101); }, "slider 300 x 24, opaque channel, paint");
    RedrawEach(masked, [&](int i) { masked.SetPos(i % 101); }, "slider 300 x 24, masked channel and thumb, paint");
    Report("slider 300 x 24, masked channel reloaded at a resize", Milliseconds([&](int i) {
        masked.SetWindowPos(NULL, 0, 0, 250 + i % 2 * 50, 24, SWP_NOMOVE | SWP_NOZORDER);
    }));
}

void BenchSpin(CWnd& parent)
{
    CString pictures[8];
    for (int i = 0; i < 8; i++)
    {
        CString name;
        name.Format("bench-arrow-%d.bmp", i);
        pictures[i] = Skin(name, 16, 11, [i](int, int) { return RGB(30 * i, 100, 200 - 20 * i); });
    }
    CLumSpin spin;
    spin.Create(WS_VISIBLE, CRect(320, 10, 336, 32), &parent, 3);
    spin.SetSkin(pictures[0], pictures[1], pictures[2], pictures[3], pictures[4], pictures[5], pictures[6],
                 pictures[7]);
    RedrawEach(spin, [](int) {}, "spin of eight 16 x 11 pictures, paint");
}

void BenchProgress(CWnd& parent)
{
    CString cap = Skin("bench-cap.bmp", 6, 18, [](int, int y) { return RGB(100, 110 + y, 140); });
    CString middle = Skin("bench-middle.bmp", 1, 18, [](int, int y) { return RGB(200, 205, 215 - y); });
    CString capPath[6] = {cap, middle, cap, cap, middle, cap};
    CFont font;
    font.CreateFont(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    CLumProgressCtrl progress;
    progress.Create(NULL, NULL, WS_VISIBLE, CRect(10, 90, 410, 108), &parent, 4);
    progress.SetSkin(capPath[0].GetBuffer(), capPath[1].GetBuffer(), capPath[2].GetBuffer(), capPath[3].GetBuffer(),
                     capPath[4].GetBuffer(), capPath[5].GetBuffer(), NULL);
    Report("progress bar, seven pictures put together at a resize", Milliseconds([&](int i) {
        progress.SetWindowPos(NULL, 0, 0, 399 + i % 2, 18, SWP_NOMOVE | SWP_NOZORDER);
    }));
    progress.SetTextFont(&font);
    RedrawEach(progress, [&](int i) {
        CString text;
        text.Format("%d %%", i % 101);
        progress.SetValue(i % 101, false);
        progress.SetText(text, false);
    }, "progress bar 400 x 18 with a text, paint");
}

}  // namespace

int main()
{
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_POPUP | WS_VISIBLE, 0, 0, 440, 130, NULL, NULL);
    BenchSliders(parent);
    BenchSpin(parent);
    BenchProgress(parent);
    parent.DestroyWindow();
    return 0;
}
