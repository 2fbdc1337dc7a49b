// The GIF picture control on a real dialog: loading, drawing, playing, disposal and cleanup, watched
// in the pixels it paints and the threads the process runs.
#include "gif/LumGifCtrl.h"
#include "support/harness.h"

#include <tlhelp32.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using lumtest::Capture;
using lumtest::Pixels;
using lumtest::WaitFor;

typedef std::vector<unsigned char> Bytes;
typedef std::chrono::steady_clock Clock;

double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// ---- pictures written here ----------------------------------------------------------------------

// The global colour table of the GIFs made here.
enum Colour { kWhite, kRed, kGreen, kBlue, kBlack, kYellow, kMagenta, kCyan };
const COLORREF kPalette[8] = {RGB(255, 255, 255), RGB(220, 40, 40), RGB(40, 170, 60), RGB(40, 80, 210),
                              RGB(30, 30, 30),    RGB(240, 200, 40), RGB(200, 60, 200), RGB(60, 200, 200)};

void PutWord(Bytes& b, unsigned v)
{
    b.push_back(v & 0xFF);
    b.push_back(v >> 8 & 0xFF);
}

void Append(Bytes& b, const Bytes& more)
{
    b.insert(b.end(), more.begin(), more.end());
}

Bytes SubBlocks(const Bytes& data)
{
    Bytes b;
    for (size_t i = 0; i < data.size(); i += 255) {
        size_t n = std::min<size_t>(255, data.size() - i);
        b.push_back(static_cast<unsigned char>(n));
        b.insert(b.end(), data.begin() + i, data.begin() + i + n);
    }
    b.push_back(0);
    return b;
}

// LZW data of `pixels` pixels of one colour, minimum code size 3: every pixel a literal code, and a
// clear code before the decoder's table would grow past 4-bit codes.
Bytes SolidLzw(size_t pixels, Colour colour)
{
    const unsigned kClear = 8, kEnd = 9, kRun = kClear - 2;
    Bytes out;
    unsigned bits = 0, count = 0;
    auto emit = [&](unsigned code) {
        bits |= code << count;
        for (count += 4; count >= 8; count -= 8, bits >>= 8)
            out.push_back(bits & 0xFF);
    };
    for (size_t i = 0; i < pixels; ++i) {
        if (i % kRun == 0)
            emit(kClear);
        emit(colour);
    }
    emit(kEnd);
    if (count)
        out.push_back(bits & 0xFF);
    return out;
}

struct GifFrame {
    RECT rect;          // on the logical screen
    Colour colour;
    unsigned delay;     // hundredths of a second
    unsigned disposal;
    bool control;       // preceded by a graphic control extension
};

Bytes GifHeader(int width, int height)
{
    Bytes b{'G', 'I', 'F', '8', '9', 'a'};
    PutWord(b, width);
    PutWord(b, height);
    b.insert(b.end(), {0xF2, 0, 0});  // global table of 8 entries
    for (COLORREF c : kPalette)
        b.insert(b.end(), {GetRValue(c), GetGValue(c), GetBValue(c)});
    return b;
}

Bytes Control(unsigned delay, unsigned disposal)
{
    Bytes b{0x21, 0xF9, 4, static_cast<unsigned char>(disposal << 2)};
    PutWord(b, delay);
    b.insert(b.end(), {0, 0});
    return b;
}

Bytes Image(const GifFrame& f)
{
    Bytes b{0x2C};
    const int width = f.rect.right - f.rect.left, height = f.rect.bottom - f.rect.top;
    for (int v : {int(f.rect.left), int(f.rect.top), width, height})
        PutWord(b, v);
    b.insert(b.end(), {0, 3});
    Append(b, SubBlocks(SolidLzw(size_t(width) * height, f.colour)));
    return b;
}

Bytes PlainText(unsigned delay)
{
    Bytes b = Control(delay, 0);
    b.insert(b.end(), {0x21, 0x01, 12});
    for (unsigned v : {0u, 0u, 16u, 16u})
        PutWord(b, v);
    b.insert(b.end(), {8, 16, kBlack, kWhite});
    Append(b, SubBlocks({'H', 'i'}));
    return b;
}

Bytes Gif(int width, int height, const std::vector<GifFrame>& frames)
{
    Bytes b = GifHeader(width, height);
    for (const GifFrame& f : frames) {
        if (f.control)
            Append(b, Control(f.delay, f.disposal));
        Append(b, Image(f));
    }
    b.push_back(0x3B);
    return b;
}

// A 24-bit bottom-up Windows bitmap painted by colourAt(x, y).
Bytes Bmp(int width, int height, const std::function<COLORREF(int, int)>& colourAt)
{
    const unsigned stride = (width * 3 + 3) & ~3u, image = stride * height;
    Bytes b{'B', 'M'};
    auto dword = [&](unsigned v) { PutWord(b, v & 0xFFFF); PutWord(b, v >> 16); };
    dword(54 + image);
    dword(0);
    dword(54);
    dword(40);
    dword(width);
    dword(height);
    PutWord(b, 1);
    PutWord(b, 24);
    for (int i = 0; i < 6; ++i)
        dword(0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            COLORREF c = colourAt(x, y);
            b.insert(b.end(), {GetBValue(c), GetGValue(c), GetRValue(c)});
        }
        b.resize(b.size() + stride - width * 3);
    }
    return b;
}

// The gallery's spinner: 32 x 32, eight frames of eight dots on a circle; in frame n dot n is the
// brightest and the dots behind it fade (tools/make_gif.py).
std::string SpinnerPath()
{
    return LUM_SOURCE_DIR "/gallery/res/spinner.gif";
}

Bytes ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const COLORREF kSpinnerShades[4] = {RGB(40, 90, 200), RGB(110, 150, 225), RGB(175, 200, 240), RGB(220, 228, 245)};

// A pixel well inside dot k.
POINT SpinnerDot(int k)
{
    const double pi = 3.14159265358979, angle = 2 * pi * k / 8 - pi / 2;
    return {LONG(15.5 + 10.88 * cos(angle) + 0.5), LONG(15.5 + 10.88 * sin(angle) + 0.5)};
}

// Dot k in frame n: brightest when k == n, fading over the three dots behind.
COLORREF SpinnerShade(int frame, int k)
{
    return kSpinnerShades[std::min((frame - k + 8) % 8, 3)];
}

// The frame the spinner shows, or -1.
int SpinnerFrame(const Pixels& p)
{
    for (int k = 0; k < 8; ++k)
        if (p.At(SpinnerDot(k).x, SpinnerDot(k).y) == kSpinnerShades[0])
            return k;
    return -1;
}

// A file in the temporary folder, deleted when it goes.
class ScratchFile {
public:
    ScratchFile(const char* name, const Bytes& contents)
    {
        char dir[MAX_PATH];
        GetTempPathA(MAX_PATH, dir);
        path_ = std::string(dir) + "lum_gif_" + name;
        std::ofstream(path_, std::ios::binary).write(reinterpret_cast<const char*>(contents.data()), contents.size());
    }
    ~ScratchFile() { DeleteFileA(path_.c_str()); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    const char* Path() const { return path_.c_str(); }

private:
    std::string path_;
};

std::set<DWORD> ProcessThreads()
{
    std::set<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        if (entry.th32OwnerProcessID == GetCurrentProcessId())
            ids.insert(entry.th32ThreadID);
    CloseHandle(snapshot);
    return ids;
}

std::set<DWORD> NewThreads(const std::set<DWORD>& before)
{
    std::set<DWORD> added;
    for (DWORD id : ProcessThreads())
        if (!before.count(id))
            added.insert(id);
    return added;
}

// A thread that ended and whose every handle is closed can no longer be opened.
bool ThreadGone(DWORD id)
{
    HANDLE h = OpenThread(SYNCHRONIZE, FALSE, id);
    if (h)
        CloseHandle(h);
    return !h;
}

// The control with what the tests look at inside.
class TestGifCtrl : public CLumGifCtrl {
public:
    using CLumGifCtrl::Load;
    void SetCurrentFrame(int n) { m_nCurrFrame = n; }
    // The memory picture the thread draws into, read under the lock it draws under.
    COLORREF PictureAt(POINT pt)
    {
        CPictureLock lock(m_csPicture);
        return GetPixel(m_memPicture.GetSafeHdc(), pt.x, pt.y);
    }
};

// Frame timing: what the thread waits after a frame besides its delay, unless SetFrame says
// otherwise, and how far a measured median may stray on a busy machine.
const double kDefaultPause = 10, kTimeTolerance = 40;

class GifCtrl : public lumtest::DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        ASSERT_TRUE(Create(gif_));
    }

    BOOL Create(CLumGifCtrl& gif)
    {
        return gif.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 110), CWnd::FromHandle(hwnd()), 100);
    }

    Pixels Shot() { return Capture(gif_.m_hWnd); }
    COLORREF PixelAt(POINT pt) { return Shot().At(pt.x, pt.y); }
    bool WaitForPixel(POINT pt, COLORREF colour, DWORD timeout = 3000)
    {
        return WaitFor([&] { return PixelAt(pt) == colour; }, timeout);
    }
    bool WaitForEnd(DWORD timeout = 3000)
    {
        return WaitFor([&] { return !gif_.IsPlaying(); }, timeout);
    }

    // How long the frames of the playing animation stay, in ms, by their delay: the median of
    // `samples` times from a frame's appearance in the memory picture to the next frame's. Each of
    // `frames` fills the picture with a colour of its own; a time counts only between frames seen in
    // turn.
    std::map<unsigned, double> MedianFrameTimes(const std::vector<GifFrame>& frames, size_t samples)
    {
        const int count = int(frames.size());
        auto shown = [&] {
            const COLORREF colour = gif_.PictureAt({0, 0});
            for (int n = 0; n < count; ++n)
                if (kPalette[frames[n].colour] == colour)
                    return n;
            return -1;  // the background between rounds
        };
        std::map<unsigned, std::vector<double>> times;
        for (const GifFrame& frame : frames)
            times[frame.delay];
        auto enough = [&] {
            return std::all_of(times.begin(), times.end(),
                               [&](const auto& t) { return t.second.size() >= samples; });
        };
        int showing = shown();  // already up: when it came is not known
        Clock::time_point since;
        for (bool timed = false; !enough(); timed = true) {
            int next = -1;
            if (!WaitFor([&] { return (next = shown()) >= 0 && next != showing; }, 2000)) {
                ADD_FAILURE() << "frame " << showing << " stays";
                return {};
            }
            const Clock::time_point now = Clock::now();
            if (timed && next == (showing + 1) % count)
                times[frames[showing].delay].push_back(Ms(now - since));
            since = now;
            showing = next;
        }
        std::map<unsigned, double> medians;
        for (auto& [delay, t] : times) {
            std::nth_element(t.begin(), t.begin() + t.size() / 2, t.end());
            medians[delay] = t[t.size() / 2];
        }
        return medians;
    }

    TestGifCtrl gif_;
};

// ---- loading ------------------------------------------------------------------------------------

TEST_F(GifCtrl, AnimatedGifLoadsItsFramesAndSizesTheWindow)
{
    EXPECT_STREQ("CLumGifCtrl", gif_.GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(gif_.IsKindOf(RUNTIME_CLASS(CWnd)));
    ASSERT_TRUE(gif_.SetFile(SpinnerPath().c_str()));
    EXPECT_TRUE(gif_.IsGIF());
    EXPECT_TRUE(gif_.IsAnimatedGIF());
    EXPECT_EQ(8, gif_.GetFrameCount());
    EXPECT_EQ(32, gif_.GetSize().cx);
    EXPECT_EQ(32, gif_.GetSize().cy);
    CRect client;
    gif_.GetClientRect(&client);
    EXPECT_EQ(CRect(0, 0, 32, 32), client);
    EXPECT_FALSE(gif_.IsPlaying());
    // Nothing is drawn before Start: the picture is cleared to the menu colour.
    EXPECT_TRUE(lumtest::AreaIs(Shot(), CRect(0, 0, 32, 32), GetSysColor(COLOR_MENU)));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), gif_.GetBkColor());
}

TEST_F(GifCtrl, FirstFrameAppearsAfterAPaint)
{
    ASSERT_TRUE(gif_.SetFile(SpinnerPath().c_str()));
    gif_.SetFirstFrame();
    ASSERT_TRUE(WaitForPixel(SpinnerDot(0), SpinnerShade(0, 0)));
    Pixels p = Shot();
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(SpinnerShade(0, k), p.At(SpinnerDot(k).x, SpinnerDot(k).y)) << "dot " << k;
    EXPECT_EQ(RGB(255, 255, 255), p.At(0, 0));
    EXPECT_EQ(RGB(255, 255, 255), p.At(16, 16));
    // One frame only: the thread ends after the frame's delay and the frame stays.
    EXPECT_TRUE(WaitForEnd());
    EXPECT_EQ(0, SpinnerFrame(Shot()));
}

// The caller's memory stays the caller's: the frames live on after it is freed.
TEST_F(GifCtrl, LoadsFromGlobalMemoryItLeavesToTheCaller)
{
    const Bytes spinner = ReadBytes(SpinnerPath());
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, spinner.size());
    std::copy(spinner.begin(), spinner.end(), static_cast<unsigned char*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    ASSERT_TRUE(gif_.Load(memory, DWORD(spinner.size())));
    EXPECT_EQ(8, gif_.GetFrameCount());
    EXPECT_EQ(0u, GlobalFlags(memory) & GMEM_LOCKCOUNT);
    EXPECT_EQ(nullptr, GlobalFree(memory));
    gif_.SetFirstFrame();
    EXPECT_TRUE(WaitForPixel(SpinnerDot(0), SpinnerShade(0, 0)));
}

struct StillCase {
    const char* name;
    Bytes data;
    bool gif;
    SIZE size;
    std::vector<std::pair<POINT, COLORREF>> samples;
};

TEST_F(GifCtrl, StillPicturesLoadAndDrawOnce)
{
    const COLORREF teal = RGB(0, 128, 128), orange = RGB(255, 140, 0);
    const StillCase cases[] = {
        {"still.gif", ReadBytes(LUM_SOURCE_DIR "/gallery/res/still.gif"), true, {64, 48},
         {{{16, 16}, kPalette[kRed]}, {{44, 16}, kPalette[kGreen]}, {{32, 40}, kPalette[kBlue]},
          {{0, 0}, kPalette[kBlack]}, {{60, 40}, kPalette[kWhite]}}},
        {"one frame.gif", Gif(20, 10, {{{0, 0, 20, 10}, kYellow, 10, 0, true}}), true, {20, 10},
         {{{1, 1}, kPalette[kYellow]}, {{18, 8}, kPalette[kYellow]}}},
        {"halves.bmp", Bmp(30, 20, [&](int x, int) { return x < 15 ? teal : orange; }), false, {30, 20},
         {{{2, 2}, teal}, {{13, 18}, teal}, {{16, 1}, orange}, {{28, 18}, orange}}},
    };
    for (const StillCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchFile file(c.name, c.data);
        ASSERT_TRUE(gif_.SetFile(file.Path()));
        EXPECT_EQ(c.gif, !!gif_.IsGIF());
        EXPECT_FALSE(gif_.IsAnimatedGIF());
        EXPECT_EQ(0, gif_.GetFrameCount());
        EXPECT_EQ(c.size.cx, gif_.GetSize().cx);
        EXPECT_EQ(c.size.cy, gif_.GetSize().cy);
        EXPECT_TRUE(gif_.Start());
        EXPECT_FALSE(gif_.IsPlaying());
        Pixels p = Shot();
        EXPECT_EQ(c.size.cx, p.Width());
        for (const auto& s : c.samples)
            EXPECT_EQ(lumtest::Hex(s.second), lumtest::Hex(p.At(s.first.x, s.first.y)))
                << "at (" << s.first.x << "," << s.first.y << ")";
    }
}

// The loader reads a whole animation as its first picture; when it refuses all frames but one,
// that picture still shows.
TEST_F(GifCtrl, AnimationWithOneReadableFrameShowsAsAStill)
{
    Bytes data = GifHeader(16, 16);
    Append(data, Control(10, 0));
    Append(data, Image({{0, 0, 16, 16}, kMagenta, 10, 0, true}));
    Append(data, PlainText(10));
    data.push_back(0x3B);
    ScratchFile file("text.gif", data);
    ASSERT_TRUE(gif_.SetFile(file.Path()));
    EXPECT_TRUE(gif_.IsGIF());
    EXPECT_FALSE(gif_.IsAnimatedGIF());
    EXPECT_TRUE(gif_.Start());
    EXPECT_TRUE(lumtest::AreaIs(Shot(), CRect(0, 0, 16, 16), kPalette[kMagenta]));
}

TEST_F(GifCtrl, WhatIsNoPictureFailsAndLeavesTheControlEmpty)
{
    Bytes headerOnly = GifHeader(16, 16);
    headerOnly.push_back(0x3B);
    Bytes firstFrameCut = Gif(16, 16, {{{0, 0, 16, 16}, kRed, 10, 0, true}});
    firstFrameCut.resize(firstFrameCut.size() - 20);
    const struct {
        const char* name;
        Bytes data;
    } cases[] = {
        {"text.txt", Bytes{'n', 'o', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e', '\n'}},
        {"empty.gif", Bytes()},
        {"header only.gif", headerOnly},
        {"first frame cut.gif", firstFrameCut},
    };
    lumtest::MessageBoxCatcher noBoxes;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(gif_.SetFile(SpinnerPath().c_str()));
        ScratchFile file(c.name, c.data);
        EXPECT_FALSE(gif_.SetFile(file.Path()));
        EXPECT_FALSE(gif_.IsAnimatedGIF());
        EXPECT_FALSE(gif_.Start());
    }
    EXPECT_FALSE(gif_.SetFile("C:\\no such folder\\no such file.gif"));
}

TEST_F(GifCtrl, TruncatedAnimationPlaysTheFramesBeforeTheCut)
{
    Bytes data = Gif(16, 16, {{{0, 0, 16, 16}, kRed, 20, 1, true},
                              {{0, 0, 16, 16}, kGreen, 20, 1, true},
                              {{0, 0, 16, 16}, kBlue, 20, 1, true}});
    data.resize(data.size() - 30);  // inside the third image
    ScratchFile file("cut.gif", data);
    ASSERT_TRUE(gif_.SetFile(file.Path()));
    EXPECT_EQ(2, gif_.GetFrameCount());
    EXPECT_TRUE(gif_.Start());
    EXPECT_TRUE(WaitForPixel({8, 8}, kPalette[kRed]));
    EXPECT_TRUE(WaitForPixel({8, 8}, kPalette[kGreen]));
    EXPECT_TRUE(WaitForPixel({8, 8}, kPalette[kRed]));

    Bytes half = ReadBytes(SpinnerPath());
    half.resize(half.size() / 2);
    ScratchFile spinner("cut spinner.gif", half);
    ASSERT_TRUE(gif_.SetFile(spinner.Path()));
    EXPECT_GE(gif_.GetFrameCount(), 2);
    EXPECT_LT(gif_.GetFrameCount(), 8);
}

// ---- playing ------------------------------------------------------------------------------------

TEST_F(GifCtrl, StartPlaysEveryFrameOnOneThreadAndStopEndsIt)
{
    ASSERT_TRUE(gif_.SetFile(SpinnerPath().c_str()));
    gif_.SetFrame(5);  // 200 ms between frames: every one is seen
    const std::set<DWORD> before = ProcessThreads();
    EXPECT_TRUE(gif_.Start());
    EXPECT_TRUE(gif_.IsPlaying());
    const std::set<DWORD> worker = NewThreads(before);
    ASSERT_EQ(1u, worker.size());
    // Every frame comes in turn, and the animation goes round.
    for (int n = 1; n <= 9; ++n)
        ASSERT_TRUE(WaitFor([&] { return SpinnerFrame(Shot()) == n % 8; }, 2000)) << "frame " << n % 8;

    EXPECT_TRUE(gif_.Start());
    EXPECT_EQ(worker, NewThreads(before)) << "a second Start runs a second thread";

    gif_.Stop();
    EXPECT_FALSE(gif_.IsPlaying());
    EXPECT_TRUE(ThreadGone(*worker.begin()));
    const int stoppedAt = SpinnerFrame(Shot());
    lumtest::PumpFor(300);
    EXPECT_EQ(stoppedAt, SpinnerFrame(Shot()));

    // Start resumes where Stop left off.
    EXPECT_TRUE(gif_.Start());
    ASSERT_TRUE(WaitFor([&] { return SpinnerFrame(Shot()) == (stoppedAt + 1) % 8; }, 2000));
    gif_.Stop();
}

TEST_F(GifCtrl, OneFrameRunEndsByItselfAndItsHandleIsClosedOnce)
{
    ASSERT_TRUE(gif_.SetFile(SpinnerPath().c_str()));
    const std::set<DWORD> before = ProcessThreads();
    gif_.SetFirstFrame();
    const std::set<DWORD> worker = NewThreads(before);
    ASSERT_EQ(1u, worker.size());
    EXPECT_TRUE(WaitForEnd());
    // Start turns the one-frame run into an animation on a new thread.
    EXPECT_TRUE(gif_.Start());
    EXPECT_TRUE(ThreadGone(*worker.begin()));
    EXPECT_TRUE(WaitFor([&] { return SpinnerFrame(Shot()) == 1; }, 2000));
    gif_.UnLoad();
    EXPECT_TRUE(NewThreads(before).empty());
}

TEST_F(GifCtrl, FrameWithoutControlExtensionWaitsTheDefaultDelay)
{
    ScratchFile file("no control.gif", Gif(8, 8, {{{0, 0, 8, 8}, kCyan, 0, 0, false},
                                                  {{0, 0, 8, 8}, kYellow, 0, 0, false}}));
    ASSERT_TRUE(gif_.SetFile(file.Path()));
    ASSERT_EQ(2, gif_.GetFrameCount());
    gif_.SetFrame(5);
    EXPECT_TRUE(gif_.Start());
    EXPECT_TRUE(WaitForPixel({4, 4}, kPalette[kCyan]));
    EXPECT_TRUE(WaitForPixel({4, 4}, kPalette[kYellow], 1000));
    EXPECT_TRUE(WaitForPixel({4, 4}, kPalette[kCyan], 1000));
}

// A frame stays for its delay, but never less than a tenth of a second: a delay below 5 hundredths
// counts as 10. The pause after each frame comes on top.
TEST_F(GifCtrl, DelaysBelowFiveHundredthsWaitATenthOfASecond)
{
    const struct {
        unsigned delay;
        double ms;
    } cases[] = {{0, 100}, {1, 100}, {2, 100}, {3, 100}, {4, 100}, {5, 50}};
    const Colour colours[] = {kRed, kGreen, kBlue, kYellow, kMagenta, kCyan};
    std::vector<GifFrame> frames;
    for (size_t n = 0; n < std::size(cases); ++n)
        frames.push_back({{0, 0, 8, 8}, colours[n], cases[n].delay, 1, true});
    ScratchFile file("delays.gif", Gif(8, 8, frames));
    ASSERT_TRUE(gif_.SetFile(file.Path()));
    EXPECT_TRUE(gif_.Start());
    const std::map<unsigned, double> times = MedianFrameTimes(frames, 5);
    gif_.Stop();
    ASSERT_EQ(frames.size(), times.size());
    for (const auto& c : cases)
        EXPECT_NEAR(c.ms + kDefaultPause, times.at(c.delay), kTimeTolerance) << "delay " << c.delay;
}

// SetFrame sets the pause after every frame: 1000 / n ms for 1 to 30 frames a second, else 10 ms.
TEST_F(GifCtrl, SetFramePausesAfterEveryFrame)
{
    const std::vector<GifFrame> frames = {{{0, 0, 8, 8}, kRed, 5, 1, true}, {{0, 0, 8, 8}, kBlue, 5, 1, true}};
    ScratchFile file("pause.gif", Gif(8, 8, frames));
    ASSERT_TRUE(gif_.SetFile(file.Path()));
    const struct {
        int frames;
        double pause;
    } cases[] = {{5, 200}, {12, 83}, {31, kDefaultPause}};
    for (const auto& c : cases) {
        SCOPED_TRACE("SetFrame(" + std::to_string(c.frames) + ")");
        gif_.SetFrame(c.frames);
        EXPECT_TRUE(gif_.Start());
        const std::map<unsigned, double> times = MedianFrameTimes(frames, 5);
        gif_.Stop();
        ASSERT_EQ(1u, times.size());
        EXPECT_NEAR(50 + c.pause, times.at(5), kTimeTolerance);
    }
}

// Three frames side by side, each left in place: after the last the picture is cleared and the
// first comes back alone.
TEST_F(GifCtrl, AfterTheLastFrameThePictureStartsAgainFromTheBackground)
{
    ScratchFile file("thirds.gif", Gif(30, 10, {{{0, 0, 10, 10}, kRed, 20, 1, true},
                                                {{10, 0, 20, 10}, kGreen, 20, 1, true},
                                                {{20, 0, 30, 10}, kBlue, 20, 1, true}}));
    ASSERT_TRUE(gif_.SetFile(file.Path()));
    gif_.SetBkColor(kPalette[kBlack]);
    EXPECT_TRUE(gif_.Start());
    auto shows = [&](COLORREF left, COLORREF middle, COLORREF right) {
        return WaitFor([&] {
            Pixels p = Shot();
            return p.At(5, 5) == left && p.At(15, 5) == middle && p.At(25, 5) == right;
        });
    };
    EXPECT_TRUE(shows(kPalette[kRed], kPalette[kGreen], kPalette[kBlue]));
    EXPECT_TRUE(shows(kPalette[kRed], kPalette[kBlack], kPalette[kBlack]));
    gif_.Stop();
}

// Frame 0 fills the picture red; frame 1 puts a green square on it and is disposed of as its
// method says once its delay is over.
TEST_F(GifCtrl, DisposalMethodsShowInPixels)
{
    const COLORREF background = RGB(0, 0, 128);
    const struct {
        unsigned disposal;
        COLORREF after;
    } cases[] = {{0, kPalette[kGreen]}, {1, kPalette[kGreen]}, {2, background}, {3, kPalette[kRed]}};
    for (const auto& c : cases) {
        SCOPED_TRACE("disposal " + std::to_string(c.disposal));
        ScratchFile file("disposal.gif", Gif(16, 16, {{{0, 0, 16, 16}, kRed, 5, 1, true},
                                                      {{4, 4, 12, 12}, kGreen, 30, c.disposal, true}}));
        ASSERT_TRUE(gif_.SetFile(file.Path()));
        gif_.SetBkColor(background);
        gif_.SetFirstFrame();
        ASSERT_TRUE(WaitForEnd());
        gif_.SetCurrentFrame(1);
        gif_.SetFirstFrame();
        EXPECT_TRUE(WaitForPixel({8, 8}, kPalette[kGreen]));
        ASSERT_TRUE(WaitForEnd());
        Pixels p = Shot();
        EXPECT_TRUE(lumtest::AreaIs(p, CRect(4, 4, 12, 12), c.after));
        EXPECT_TRUE(lumtest::AreaIs(p, CRect(0, 0, 16, 4), kPalette[kRed]));
    }
}

// ---- settings -----------------------------------------------------------------------------------

TEST_F(GifCtrl, PaintRectangleShowsThatPartAtTheTopLeft)
{
    ASSERT_TRUE(gif_.SetFile(LUM_SOURCE_DIR "/gallery/res/still.gif"));
    const RECT part = {10, 10, 60, 40};
    EXPECT_TRUE(gif_.SetPaintRect(&part));
    CRect got;
    EXPECT_TRUE(gif_.GetPaintRect(&got));
    EXPECT_EQ(CRect(part), got);
    EXPECT_TRUE(gif_.Start());
    Pixels p = Shot();
    EXPECT_EQ(lumtest::Hex(kPalette[kRed]), lumtest::Hex(p.At(16 - 10, 16 - 10)));
    EXPECT_EQ(lumtest::Hex(kPalette[kGreen]), lumtest::Hex(p.At(44 - 10, 16 - 10)));
    EXPECT_EQ(lumtest::Hex(kPalette[kBlue]), lumtest::Hex(p.At(32 - 10, 39 - 10)));
}

TEST_F(GifCtrl, BackgroundColourFillsThePictureOnlyOnceLoaded)
{
    gif_.SetBkColor(RGB(1, 2, 3));
    EXPECT_EQ(RGB(255, 255, 255), gif_.GetBkColor());
    ASSERT_TRUE(gif_.SetFile(SpinnerPath().c_str()));
    gif_.SetBkColor(RGB(0, 128, 0));
    EXPECT_EQ(RGB(0, 128, 0), gif_.GetBkColor());
    EXPECT_TRUE(lumtest::AreaIs(Shot(), CRect(0, 0, 32, 32), RGB(0, 128, 0)));
}

TEST_F(GifCtrl, UnLoadFreesEverythingButTheSize)
{
    ASSERT_TRUE(gif_.SetFile(SpinnerPath().c_str()));
    const RECT part = {1, 1, 5, 5};
    gif_.SetPaintRect(&part);
    const std::set<DWORD> before = ProcessThreads();
    EXPECT_TRUE(gif_.Start());
    gif_.UnLoad();
    EXPECT_FALSE(gif_.IsPlaying());
    EXPECT_FALSE(gif_.IsGIF());
    EXPECT_EQ(0, gif_.GetFrameCount());
    EXPECT_FALSE(gif_.Start());
    EXPECT_EQ(RGB(255, 255, 255), gif_.GetBkColor());
    CRect rect;
    gif_.GetPaintRect(&rect);
    EXPECT_TRUE(rect.IsRectEmpty());
    EXPECT_EQ(32, gif_.GetSize().cx);
    EXPECT_TRUE(NewThreads(before).empty());
}

TEST_F(GifCtrl, DestroyingThePlayingWindowEndsTheThread)
{
    ASSERT_TRUE(gif_.SetFile(SpinnerPath().c_str()));
    const std::set<DWORD> before = ProcessThreads();
    EXPECT_TRUE(gif_.Start());
    const std::set<DWORD> worker = NewThreads(before);
    ASSERT_EQ(1u, worker.size());
    gif_.DestroyWindow();
    EXPECT_FALSE(gif_.IsPlaying());
    EXPECT_TRUE(ThreadGone(*worker.begin()));
}

// Start, Stop, UnLoad and SetFile in quick turns over an animation, a still GIF and a bitmap while
// the window keeps repainting; every fortieth turn the window goes in whatever state it is in.
TEST_F(GifCtrl, QuickTurnsStayPromptAndLeaveNothingBehind)
{
    gif_.DestroyWindow();
    ScratchFile bmp("turns.bmp", Bmp(12, 12, [](int x, int y) { return RGB(x * 20, y * 20, 99); }));
    const std::string files[] = {SpinnerPath(), LUM_SOURCE_DIR "/gallery/res/still.gif", bmp.Path()};
    {  // the loader's own first-use allocations
        CLumGifCtrl gif;
        ASSERT_TRUE(Create(gif));
        for (const std::string& path : files)
            ASSERT_TRUE(gif.SetFile(path.c_str()) && gif.Start()) << path;
    }
    const std::set<DWORD> threads = ProcessThreads();
    const int windows = lumtest::CountProcessWindows();
    lumtest::GdiLeakCheck leaks;
    const Clock::time_point start = Clock::now();
    std::unique_ptr<CLumGifCtrl> gif;
    double slowest = 0;
    std::string slowestStep;
    auto step = [&](const std::string& what, const std::function<void()>& operation) {
        const Clock::time_point begin = Clock::now();
        operation();
        const double ms = Ms(Clock::now() - begin);
        if (ms > slowest) {
            slowest = ms;
            slowestStep = what;
        }
        if (gif->m_hWnd)
            gif->Invalidate(FALSE);
        lumtest::PumpFor(1);
    };
    for (int turn = 0; turn < 200; ++turn) {
        const std::string& path = files[turn % 3];
        const std::string at = " in turn " + std::to_string(turn);
        if (!gif) {
            gif = std::make_unique<CLumGifCtrl>();
            ASSERT_TRUE(Create(*gif)) << at;
        }
        step("SetFile" + at, [&] { EXPECT_TRUE(gif->SetFile(path.c_str())) << path << at; });
        step("Start" + at, [&] { EXPECT_TRUE(gif->Start()) << path << at; });
        step("Stop" + at, [&] { gif->Stop(); });
        if (turn % 2)  // playing on into an UnLoad, the next SetFile or the window's end
            step("Start again" + at, [&] { EXPECT_TRUE(gif->Start()) << path << at; });
        if (turn % 4 == 1)
            step("UnLoad" + at, [&] { gif->UnLoad(); });
        if (turn % 40 == 39) {
            step("DestroyWindow" + at, [&] { gif->DestroyWindow(); });
            gif.reset();
        }
    }
    EXPECT_LT(slowest, 1000) << slowestStep;
    EXPECT_LT(Ms(Clock::now() - start), 30000);
    EXPECT_EQ(windows, lumtest::CountProcessWindows());
    EXPECT_TRUE(NewThreads(threads).empty());
}

}  // namespace
