// Test harness for the Windows tests: a parent dialog, message pumping, pixel read-back, user-like
// input, recording of the messages a parent receives, message-box catching and leak probes.
// Plain Win32 and GoogleTest, so it can test the MFC layer itself.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace lumtest {

// ---- message pumping ---------------------------------------------------------------------------

// Dispatches every pending message (paints included) until the queue stays empty across two short
// waits, so replies from the X server have arrived. Gives up after two seconds (a window that never
// validates itself or a fast timer would otherwise keep it busy).
void PumpIdle();
// Dispatches messages for about `ms` milliseconds (timers, hover delays).
void PumpFor(DWORD ms);
// Dispatches messages until `done` holds or `timeoutMs` passed; returns the last value of `done`.
bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 2000);

// A hook every pumped message passes before translation; returning true consumes the message. The MFC
// tests route messages through PreTranslateMessage this way. An empty function removes the hook.
using MessageFilter = std::function<bool(MSG&)>;
void SetMessageFilter(MessageFilter filter);

// Messages for `dialog` (or its children) go through IsDialogMessage, as in a real dialog's loop
// (Tab, Enter, Escape, arrows, mnemonics). NULL turns dialog navigation off. Returns the previous one.
HWND SetDialogNavigation(HWND dialog);

// ---- parent dialog -----------------------------------------------------------------------------

// A visible, active top-level dialog (#32770) with a 400x300 client area whose window sits at
// screen (100, 100). Created from an in-memory template with DS_SETFONT, as a resource dialog would be.
class ParentDialog {
public:
    static constexpr int kLeft = 100, kTop = 100, kWidth = 400, kHeight = 300;

    ParentDialog();
    ~ParentDialog();
    ParentDialog(const ParentDialog&) = delete;
    ParentDialog& operator=(const ParentDialog&) = delete;

    HWND hwnd() const { return hwnd_; }
    // Creates a visible child (WS_CHILD | WS_VISIBLE are added) at `rc` in client coordinates, with
    // the dialog's font. Adds a test failure and returns NULL when creation fails.
    HWND AddChild(const char* className, const char* text, DWORD style, const RECT& rc, int id,
                  DWORD exStyle = 0);

private:
    HWND hwnd_ = nullptr;
    HWND outerNavigation_ = nullptr;
};

// Fixture base: every test gets a fresh ParentDialog; the pointer is parked away from it and any key
// or button a failed test left down is released. On failure the dialog is dumped (see DumpDir).
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND hwnd() const { return dialog_->hwnd(); }
    ParentDialog& dialog() { return *dialog_; }
    HWND AddChild(const char* className, const char* text, DWORD style, const RECT& rc, int id,
                  DWORD exStyle = 0)
    {
        return dialog_->AddChild(className, text, style, rc, id, exStyle);
    }

private:
    std::unique_ptr<ParentDialog> dialog_;
};

// ---- pixels ------------------------------------------------------------------------------------

// Captured pixels: the bits of a 32-bit top-down DIB (0x00RRGGBB per pixel). Held in plain memory, so
// a capture never shows up in a GDI leak probe.
class Pixels {
public:
    Pixels() = default;
    Pixels(int width, int height) : width_(width), height_(height), bits_(size_t(width) * height) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    RECT Bounds() const { return {0, 0, width_, height_}; }
    bool Empty() const { return bits_.empty(); }
    // The colour at (x, y) as COLORREF (0x00BBGGRR); CLR_INVALID outside.
    COLORREF At(int x, int y) const;
    DWORD* Bits() { return bits_.data(); }
    const DWORD* Bits() const { return bits_.data(); }

private:
    int width_ = 0, height_ = 0;
    std::vector<DWORD> bits_;
};

// Forces a complete repaint of `hwnd` and its children, then copies its client area as drawn.
Pixels Capture(HWND hwnd);
// Copies a rectangle of the screen as composed (window regions and overlapping windows applied).
Pixels CaptureScreen(const RECT& screenRect);

std::string Hex(COLORREF c);  // "0xBBGGRR"

// Passes when every pixel of `area` is within `tolerance` (per channel) of `expected`. The failure names
// the first differing pixel, both colours, how many pixels differ, and the path of a dump of `pixels`.
::testing::AssertionResult AreaIs(const Pixels& pixels, const RECT& area, COLORREF expected,
                                  int tolerance = 0);
void ExpectArea(const Pixels& pixels, const RECT& area, COLORREF expected, int tolerance = 0,
                const char* file = __builtin_FILE(), int line = __builtin_LINE());

int CountPixels(const Pixels& pixels, const RECT& area, COLORREF colour);
int CountPixels(const Pixels& pixels, const RECT& area, const std::function<bool(COLORREF)>& match);

// Writes a 32-bit .bmp; returns false when the file cannot be written.
bool DumpBmp(const Pixels& pixels, const std::string& path);
bool DumpBmp(HWND hwnd, const std::string& path);
// Reads a .bmp with the system's loader; empty when it cannot.
Pixels LoadBmp(const std::string& path);
// `name` in the temporary folder.
std::string TempPath(const std::string& name);
// Writes a 24-bit picture file painted pixel by pixel into the temporary folder; returns its path.
std::string WriteSkin(const std::string& name, int width, int height,
                      const std::function<COLORREF(int x, int y)>& colourAt);
// Where failure dumps go: LUM_DUMP_DIR, else the folder of GTEST_OUTPUT's xml, else the current folder.
std::string DumpDir();
// Dumps into DumpDir() as "<Suite>.<Test>-<what>-<n>.bmp" and returns the path (empty on failure).
std::string DumpForFailure(const Pixels& pixels, const char* what);

// ---- input -------------------------------------------------------------------------------------
// SendInput variants go through the system input queue like a user's: the real pointer moves, key
// state changes, capture and TrackMouseEvent behave as usual; they reach the foreground window. Points
// are client coordinates of `hwnd`. Every helper pumps until idle afterwards. As for a user, two presses
// at the same spot within the double-click time make a double click in a CS_DBLCLKS class (BUTTON is one).

enum class Button { Left, Right, Middle };

void MoveTo(HWND hwnd, POINT pt);
void MoveToScreen(POINT screenPt);
void Press(HWND hwnd, POINT pt, Button button = Button::Left);
void Release(HWND hwnd, POINT pt, Button button = Button::Left);
// Press and release in one SendInput call (no message can come between them).
void Click(HWND hwnd, POINT pt, Button button = Button::Left);
void DoubleClick(HWND hwnd, POINT pt, Button button = Button::Left);
// Moves to `pt` and turns the wheel by `delta` (WHEEL_DELTA per notch, positive away from the user).
void Wheel(HWND hwnd, POINT pt, int delta);

void KeyDown(WORD vk);
void KeyUp(WORD vk);
void KeyPress(WORD vk);
// Holds the keys down in order and releases them in reverse: KeyChord({VK_CONTROL, 'A'}).
void KeyChord(std::initializer_list<WORD> keys);
// Types 8-bit text with the keys that produce it (Shift where needed).
void TypeText(const char* text);
// Releases whatever mouse button or key is still down.
void ReleaseAllInput();

// Posted-message variants: they bypass the input queue, so key state, capture and hit-testing are
// not involved.
void PostClick(HWND hwnd, POINT pt);
void PostKey(HWND hwnd, WORD vk);

// ---- message recording -------------------------------------------------------------------------

struct Recorded {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    // WM_NOTIFY only.
    UINT code;
    UINT_PTR idFrom;
    HWND hwndFrom;
};

// Subclasses a window and records the messages `which` selects, in the order they arrive, before
// passing them on. By default: WM_COMMAND, WM_NOTIFY, WM_HSCROLL, WM_VSCROLL, WM_DRAWITEM,
// WM_MEASUREITEM, WM_COMPAREITEM, WM_DELETEITEM, WM_CTLCOLOR*, WM_PARENTNOTIFY, WM_CONTEXTMENU and the
// WM_USER and WM_APP ranges (a dialog's own DM_GETDEFID, DM_SETDEFID and DM_REPOSITION excluded).
class MessageRecorder {
public:
    using Filter = std::function<bool(UINT message)>;

    explicit MessageRecorder(HWND hwnd);
    MessageRecorder(HWND hwnd, Filter which);
    MessageRecorder(HWND hwnd, std::vector<UINT> only);
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    static bool IsNotification(UINT message);

    const std::vector<Recorded>& Messages() const { return messages_; }
    void Clear() { messages_.clear(); }
    HWND hwnd() const { return hwnd_; }

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

    HWND hwnd_;
    Filter which_;
    std::vector<Recorded> messages_;
};

// Expected messages, in the manner of Wine's conformance tests. For WM_NOTIFY, wParam is idFrom and
// `code` the NMHDR code.
enum MsgFlags : unsigned {
    checkWParam = 1,
    checkLParam = 2,
    checkCode = 4,
    optional = 8,
};

struct Msg {
    UINT message;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    unsigned flags = 0;
    UINT code = 0;
};

std::string MessageName(UINT message);
std::string Describe(const Recorded& m);
std::string Describe(const Msg& m);

// Compares what was recorded with `expected` (optional entries may be missing); the failure names the
// first mismatch by index, expected and actual, and lists the whole recording.
::testing::AssertionResult SequenceIs(const MessageRecorder& recorder, const std::vector<Msg>& expected,
                                      const char* context);
// SequenceIs as a non-fatal expectation; clears the recorder afterwards, like Wine's ok_sequence.
void ExpectSequence(MessageRecorder& recorder, const std::vector<Msg>& expected, const char* context,
                    const char* file = __builtin_FILE(), int line = __builtin_LINE());

// ---- message boxes -----------------------------------------------------------------------------

// While alive, catches the message boxes the test thread shows (the real MessageBoxA runs): records their
// title, text and buttons and answers them. Without any catcher, the harness still closes a box but
// fails the running test, so a box never hangs a test run.
class MessageBoxCatcher {
public:
    static constexpr int kAny = -1;

    struct Button {
        int id;
        std::string text;
    };
    struct Box {
        std::string title;
        std::string text;
        std::vector<Button> buttons;
        int answer;  // the button id the box was closed with
    };

    // `expected` boxes must be seen by destruction (kAny: any number).
    explicit MessageBoxCatcher(int expected = 0, const char* file = __builtin_FILE(),
                               int line = __builtin_LINE());
    ~MessageBoxCatcher();
    MessageBoxCatcher(const MessageBoxCatcher&) = delete;
    MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

    // The button that closes the next boxes; by default IDCANCEL, else IDOK, else the first button.
    void Answer(int id) { answer_ = id; }
    const std::vector<Box>& Boxes() const { return boxes_; }
    void ExpectNone(const char* file = __builtin_FILE(), int line = __builtin_LINE()) const;

    // Called by the harness's hook for each box: records and answers it.
    void Catch(HWND box);

private:
    int expected_;
    const char* file_;
    int line_;
    int answer_ = 0;
    std::vector<Box> boxes_;
    MessageBoxCatcher* outer_;
};

std::string Describe(const MessageBoxCatcher::Box& box);

// Installs the message-box hook on the calling (test) thread for good; main() does this.
void InstallMessageBoxGuard();

// ---- leak probes -------------------------------------------------------------------------------

// Free GDI handle slots, counted by creating objects until creation fails and deleting them again.
int GdiHeadroom();

// Measures GDI headroom at construction; Leaked() is the number of objects created since and not freed.
// The destructor expects nothing leaked.
class GdiLeakCheck {
public:
    explicit GdiLeakCheck(const char* file = __builtin_FILE(), int line = __builtin_LINE());
    ~GdiLeakCheck();
    GdiLeakCheck(const GdiLeakCheck&) = delete;
    GdiLeakCheck& operator=(const GdiLeakCheck&) = delete;

    int Leaked() const { return start_ - GdiHeadroom(); }

private:
    int start_;
    const char* file_;
    int line_;
};

// Owns a GDI object (pen, brush, font, bitmap, region, palette): GdiPtr<HPEN> pen(CreatePen(...)).
struct GdiDeleter {
    void operator()(void* h) const { DeleteObject(static_cast<HGDIOBJ>(h)); }
};
template <class H>
using GdiPtr = std::unique_ptr<std::remove_pointer_t<H>, GdiDeleter>;

// Windows of this process: top-level (hidden ones and message-only ones included) and all their
// descendants. The default IME window and COM's apartment window, which the system makes and removes
// with a thread's first and last window, are not counted.
int CountProcessWindows();

}  // namespace lumtest
