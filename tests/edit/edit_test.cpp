// The skinned edit window on a real dialog: numeric mode driven by real keystrokes, values shown,
// the key filter, Enter, colours and fonts, the background picture in its three layouts, and leaks.
// Texts with a caret are written with '|' where it stands.
#include "support/framework_dialog.h"
#include "edit/LumEdit.h"
#include <algorithm>
#include <string>
#include <vector>

using namespace lumtest;

namespace {

enum { IDC_EDIT = 100 };

const CRect kRect(20, 20, 220, 44);

// A picture of four coloured quadrants, w x h, as a bitmap file.
const COLORREF kQuadrant[4] = {RGB(220, 40, 40), RGB(40, 180, 40), RGB(40, 40, 220), RGB(220, 200, 40)};

std::string WriteQuadrants(int w, int h)
{
    return WriteSkin("lum-edit-quadrants.bmp", w, h, [=](int x, int y) { return kQuadrant[(y >= h / 2) * 2 + (x >= w / 2)]; });
}

std::string Shown(const CEdit& edit)
{
    CString text;
    edit.GetWindowText(text);
    int nStart = 0, nEnd = 0;
    edit.GetSel(nStart, nEnd);
    std::string s(text, text.GetLength());
    if (nStart == nEnd && nStart <= (int)s.size())
        s.insert(nStart, 1, '|');
    return s;
}

std::string Text(const CEdit& edit)
{
    CString text;
    edit.GetWindowText(text);
    return std::string(text, text.GetLength());
}

// A text with '|' at the caret, or a selection in [...], into the edit.
void Put(CEdit& edit, std::string text)
{
    size_t start = text.find_first_of("|[");
    text.erase(start, 1);
    size_t end = text.find(']');
    if (end == std::string::npos)
        end = start;
    else
        text.erase(end, 1);
    edit.SetWindowText(text.c_str());
    edit.SetSel((int)start, (int)end);
}

class EditTest : public FrameworkDialogTest<>
{
protected:
    void SetUp() override
    {
        FrameworkDialogTest::SetUp();
        // The application's message loop offers each message to the windows' PreTranslateMessage.
        HWND hDialog = hwnd();
        SetMessageFilter([hDialog](MSG& msg) { return CWnd::WalkPreTranslateTree(hDialog, &msg) != FALSE; });
    }
    void TearDown() override
    {
        SetMessageFilter(nullptr);
        FrameworkDialogTest::TearDown();
    }

    void Make(CLumEdit& edit, DWORD style = WS_BORDER, CRect rect = kRect)
    {
        ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_TABSTOP | style, rect, &parent, IDC_EDIT));
    }

    void MakeNumeric(CLumEdit& edit, unsigned nDecimals, BOOL bCommas)
    {
        Make(edit);
        ASSERT_TRUE(edit.SetNumericOnly(TRUE, nDecimals, bCommas));
        edit.SetFocus();
        PumpIdle();
    }
};

using EditNumeric = EditTest;
using EditEnter = EditTest;
using EditLooks = EditTest;
using EditPicture = EditTest;
using EditLeaks = EditTest;

}  // namespace

// ---- numeric mode ----------------------------------------------------------------------------

TEST_F(EditNumeric, TypedKeysGiveGroupedTextAndValue)
{
    struct Case
    {
        unsigned decimals;
        BOOL commas;
        const char* typed;
        const char* shown;
        double value;
    };
    const Case cases[] = {
        {2, TRUE, "1234.5", "1,234.5|0", 1234.5},
        {2, TRUE, "-1234.56", "-1,234.56|", -1234.56},
        {2, FALSE, "1234567.8", "1234567.8|0", 1234567.8},
        {0, TRUE, "1234567", "1,234,567|", 1234567},
        {0, TRUE, "12.5", "125|", 125},
        {4, TRUE, "3.14159", "3.1415|", 3.1415},
        {4, FALSE, "98765.4321", "98765.4321|", 98765.4321},
        {2, TRUE, "12-", "-12|.00", -12},
        {2, TRUE, "5abc+x", "5|.00", 5},
    };
    for (const Case& c : cases)
    {
        CLumEdit edit;
        MakeNumeric(edit, c.decimals, c.commas);
        TypeText(c.typed);
        EXPECT_EQ(c.shown, Shown(edit)) << c.typed;
        EXPECT_DOUBLE_EQ(c.value, edit.GetValue()) << c.typed;
    }
}

TEST_F(EditNumeric, EditingKeysActAtTheCaret)
{
    struct Case
    {
        const char* before;
        WORD key;   // a virtual key, or 0 for the character below
        char ch;
        const char* after;
    };
    const Case cases[] = {
        {"1|,234.50", 0, '7', "17,|234.50"},
        {"1|,234.50", VK_DELETE, 0, "1|34.50"},
        {"1,|234.50", VK_BACK, 0, "|234.50"},
        {"1,234.|50", VK_BACK, 0, "123|.50"},
        {"1,234|.50", VK_DELETE, 0, "1,234.|00"},
        {"1,234.5|0", VK_BACK, 0, "1,234.|00"},
        {"1,234.|50", 0, '9', "1,234.9|0"},
        {"1,234.50|", 0, '9', "1,234.50|"},
        {"1,2|34.50", 0, '.', "12.|50"},
        {"1,2|34.50", 0, '-', "-1,2|34.50"},
        {"-1,234.50|", 0, '+', "1,234.50|"},
        {"[1,2]34.50", 0, '9', "9|34.50"},
        {"[1,234.50]", VK_DELETE, 0, "0|.00"},
    };
    for (const Case& c : cases)
    {
        CLumEdit edit;
        MakeNumeric(edit, 2, TRUE);
        Put(edit, c.before);
        if (c.key)
            KeyPress(c.key);
        else
            TypeText(std::string(1, c.ch).c_str());
        EXPECT_EQ(c.after, Shown(edit)) << c.before << " then " << (c.key ? "key" : "char") << " " << (c.key ? c.key : c.ch);
    }
}

TEST_F(EditNumeric, SetValueShowsTheValueCutAtTheLastDecimal)
{
    struct Case
    {
        unsigned decimals;
        BOOL commas;
        double value;
        const char* shown;
        double stored;
    };
    const Case cases[] = {
        {2, TRUE, 1.24, "1.24", 1.24},          {2, TRUE, 2.3, "2.30", 2.3},
        {2, TRUE, 19.99, "19.99", 19.99},       {2, TRUE, 1234.56, "1,234.56", 1234.56},
        {2, TRUE, -1.24, "-1.24", -1.24},       {2, TRUE, 1.239, "1.23", 1.23},
        {2, TRUE, 123, "123.00", 123},          {2, TRUE, -123, "-123.00", -123},
        {0, TRUE, -123456, "-123,456", -123456}, {4, FALSE, 1234.5, "1234.5000", 1234.5},
        {2, TRUE, 1234567.891, "1,234,567.89", 1234567.89},
    };
    for (const Case& c : cases)
    {
        CLumEdit edit;
        MakeNumeric(edit, c.decimals, c.commas);
        EXPECT_TRUE(edit.SetValue(c.value)) << c.value;
        EXPECT_EQ(std::string("|") + c.shown, Shown(edit)) << c.value;
        EXPECT_DOUBLE_EQ(c.stored, edit.GetValue()) << c.value;
    }
}

TEST_F(EditNumeric, LimitsAndSettersThatRenderAgain)
{
    CLumEdit edit;
    MakeNumeric(edit, 2, TRUE);
    EXPECT_FALSE(edit.SetNumericOnly(TRUE, 5, TRUE));
    EXPECT_EQ(2, edit.GetDecimals());
    ASSERT_TRUE(edit.SetValue(1234.5));
    EXPECT_FALSE(edit.SetValue(1e16)) << "16 integer digits and 2 decimals";
    EXPECT_EQ("1,234.50", Text(edit));
    EXPECT_FALSE(edit.SetDecimals(5));
    EXPECT_FALSE(edit.SetDecimals(-1));

    EXPECT_TRUE(edit.SetDecimals(3));
    EXPECT_EQ("1,234.500", Text(edit));
    edit.EnableCommas(FALSE);
    EXPECT_EQ("1234.500", Text(edit));
    edit.SetDecimalPoint(',');
    EXPECT_EQ(',', edit.GetDecimalPoint());
    EXPECT_EQ('.', edit.GetComma()) << "the separators trade places";
    EXPECT_EQ("1234,500", Text(edit));
    edit.EnableCommas(TRUE);
    EXPECT_EQ("1.234,500", Text(edit));
    edit.SetComma(' ');
    EXPECT_EQ("1 234,500", Text(edit));
    EXPECT_DOUBLE_EQ(1234.5, edit.GetValue());

    // Typed with the new separators.
    edit.SetWindowText("");
    TypeText("98765,4");
    EXPECT_EQ("98 765,4|00", Shown(edit));
    EXPECT_DOUBLE_EQ(98765.4, edit.GetValue());
}

TEST_F(EditNumeric, SeparatorsComeFromTheLocale)
{
    CLumEdit edit;
    MakeNumeric(edit, 2, TRUE);
    char decimal[8] = "", thousand[8] = "";
    ::GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_SDECIMAL, decimal, sizeof(decimal));
    ::GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_STHOUSAND, thousand, sizeof(thousand));
    EXPECT_EQ(decimal[0], edit.GetDecimalPoint());
    EXPECT_EQ(thousand[0], edit.GetComma());
    edit.SetDecimalPoint(';');
    edit.LocalSettings();
    EXPECT_EQ(decimal[0], edit.GetDecimalPoint());
}

TEST_F(EditNumeric, KeysThatTypeNoNumberAreConsumed)
{
    CLumEdit edit;
    MakeNumeric(edit, 2, TRUE);
    edit.SetValue(12.5);
    edit.SetSel(2, 2);
    MessageRecorder dialog(hwnd(), std::vector<UINT>{WM_COMMAND});
    MessageRecorder chars(edit, std::vector<UINT>{WM_CHAR});
    for (WORD vk : {(WORD)'A', (WORD)VK_TAB, (WORD)VK_RETURN, (WORD)VK_ESCAPE, (WORD)VK_SPACE, (WORD)VK_INSERT,
                    (WORD)VK_F2})
        KeyPress(vk);
    KeyChord({VK_CONTROL, 'V'});
    KeyChord({VK_SHIFT, VK_INSERT});
    KeyChord({VK_CONTROL, 'X'});
    EXPECT_EQ("12|.50", Shown(edit));
    EXPECT_EQ(edit.m_hWnd, ::GetFocus()) << "Tab does not move on";
    ExpectSequence(dialog, {}, "Enter and Escape do not reach the dialog");
    ExpectSequence(chars, {}, "no character is typed");
}

void SetClipboardText(HWND owner, const char* text)
{
    ASSERT_TRUE(::OpenClipboard(owner));
    ::EmptyClipboard();
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
    strcpy(static_cast<char*>(::GlobalLock(hData)), text);
    ::GlobalUnlock(hData);
    ::SetClipboardData(CF_TEXT, hData);
    ::CloseClipboard();
}

TEST_F(EditNumeric, DecimalsThatBreakTheDigitLimitAreRefused)
{
    CLumEdit edit;
    MakeNumeric(edit, 0, FALSE);
    ASSERT_TRUE(edit.SetValue(1234567890123456.0));
    EXPECT_FALSE(edit.SetDecimals(2)) << "16 integer digits and 2 decimals are more than 17";
    EXPECT_EQ(0, edit.GetDecimals());
    EXPECT_FALSE(edit.SetDecimals(-1));
    EXPECT_EQ(0, edit.GetDecimals());
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ("1234567890123456", text);
    EXPECT_TRUE(edit.SetDecimals(1));
}

TEST_F(EditNumeric, PasteMessageTypesOnlyWhatANumberTakes)
{
    CLumEdit edit;
    MakeNumeric(edit, 2, TRUE);
    edit.SetValue(12.5);
    edit.SetSel(2, 2);
    SetClipboardText(edit, "abc");
    edit.SendMessage(WM_PASTE);
    EXPECT_EQ("12|.50", Shown(edit));
    SetClipboardText(edit, "x7y");
    edit.SendMessage(WM_PASTE);
    EXPECT_EQ("127|.50", Shown(edit));
    EXPECT_DOUBLE_EQ(127.5, edit.GetValue());

    CLumEdit plain;
    Make(plain);
    plain.SetWindowText("");
    plain.SendMessage(WM_PASTE);
    CString text;
    plain.GetWindowText(text);
    EXPECT_STREQ("x7y", text) << "a plain edit pastes as usual";
}

namespace {

// Closes whatever menu a right click opened, noting that there was one.
bool g_menuSeen;

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD)
{
    if (HWND menu = ::FindWindowA("#32768", NULL); menu && ::IsWindowVisible(menu))
    {
        g_menuSeen = true;
        ::EndMenu();
    }
}

bool RightClickOpensAMenu(HWND hwnd)
{
    g_menuSeen = false;
    UINT_PTR timer = ::SetTimer(NULL, 0, 100, CloseMenu);
    Click(hwnd, CPoint(20, 10), Button::Right);
    PumpFor(400);
    ::KillTimer(NULL, timer);
    return g_menuSeen;
}

}  // namespace

TEST_F(EditNumeric, RightClickOpensNoMenuInNumericMode)
{
    CLumEdit edit;
    Make(edit);
    EXPECT_TRUE(RightClickOpensAMenu(edit)) << "a plain edit has its context menu";
    ASSERT_TRUE(edit.SetNumericOnly(TRUE, 2, TRUE));
    EXPECT_FALSE(RightClickOpensAMenu(edit));
}

// ---- Enter -----------------------------------------------------------------------------------

TEST_F(EditEnter, NumericModeConsumesIt)
{
    CLumEdit edit;
    MakeNumeric(edit, 2, TRUE);
    edit.SetValue(7);
    MessageRecorder keys(edit, std::vector<UINT>{WM_KEYDOWN, WM_CHAR});
    MessageRecorder dialog(hwnd(), std::vector<UINT>{WM_COMMAND});
    KeyPress(VK_RETURN);
    EXPECT_EQ("|7.00", Shown(edit));
    ExpectSequence(keys, {}, "the edit sees nothing");
    ExpectSequence(dialog, {}, "nor does the dialog");
}

// After an Enter the control types a space and erases it again. Each posted key-down is translated
// when it is taken from the queue, so both key-downs come before their characters.
TEST_F(EditEnter, IsFollowedByASpaceTypedAndErased)
{
    CLumEdit edit;
    Make(edit, WS_BORDER | ES_MULTILINE | ES_WANTRETURN, CRect(20, 20, 220, 120));
    edit.SetFocus();
    TypeText("ab");
    MessageRecorder keys(edit, std::vector<UINT>{WM_KEYDOWN, WM_CHAR});
    KeyPress(VK_RETURN);
    PumpIdle();
    EXPECT_EQ("ab\r\n|", Shown(edit));
    ExpectSequence(keys,
                   {{WM_KEYDOWN, VK_RETURN, 0, checkWParam},
                    {WM_CHAR, '\r', 0, checkWParam},
                    {WM_KEYDOWN, VK_SPACE, 0, checkWParam | checkLParam},
                    {WM_KEYDOWN, VK_BACK, 0, checkWParam | checkLParam},
                    {WM_CHAR, ' ', 0, checkWParam},
                    {WM_CHAR, '\b', 0, checkWParam}},
                   "Enter");
}

// The space and backspace must not cost the text anything.
TEST_F(EditEnter, LeavesSelectedOrDigitOnlyTextAlone)
{
    SetDialogNavigation(NULL);   // outside a dialog a single-line edit sees the Enter itself
    struct Case
    {
        const char* name;
        DWORD style;
        const char* text;
        int selStart, selEnd;
    };
    const Case cases[] = {
        {"selected text", 0, "keep me", 0, 7},
        {"digits only", ES_NUMBER, "123", 3, 3},
    };
    for (const Case& c : cases)
    {
        CLumEdit edit;
        Make(edit, WS_BORDER | c.style);
        edit.SetWindowText(c.text);
        edit.SetFocus();
        edit.SetSel(c.selStart, c.selEnd);
        KeyPress(VK_RETURN);
        PumpIdle();
        EXPECT_EQ(c.text, Text(edit)) << c.name;
    }
}

// ---- colours and fonts -----------------------------------------------------------------------

TEST_F(EditLooks, ColoursOfTheBackgroundAndTheText)
{
    CLumEdit edit;
    Make(edit, 0);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), edit.GetBGColor()) << "OnCreate";
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), edit.GetTextColor());
    edit.SetWindowText("MMMM");
    edit.SetBGColor(RGB(255, 255, 0));
    edit.SetTextColor(RGB(0, 0, 160));
    EXPECT_EQ(RGB(255, 255, 0), edit.GetBGColor());
    EXPECT_EQ(RGB(0, 0, 160), edit.GetTextColor());
    Pixels pixels = Capture(edit);
    EXPECT_TRUE(AreaIs(pixels, CRect(0, 0, 200, 2), RGB(255, 255, 0)));
    EXPECT_TRUE(AreaIs(pixels, CRect(150, 0, 200, 24), RGB(255, 255, 0)));
    EXPECT_GT(CountPixels(pixels, CRect(0, 0, 100, 24), RGB(0, 0, 160)), 20);
}

TEST_F(EditLooks, ASubclassedItemKeepsItsFontAndHasDefinedColours)
{
    HWND hItem = AddChild("EDIT", "item", WS_BORDER, kRect, IDC_EDIT);
    HFONT hDialogFont = (HFONT)::SendMessageA(hItem, WM_GETFONT, 0, 0);
    CLumEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(hItem));
    EXPECT_EQ(nullptr, edit.GetFont());
    EXPECT_EQ(hDialogFont, (HFONT)edit.SendMessage(WM_GETFONT));
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), edit.GetTextColor());
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), edit.GetBGColor());
    Pixels pixels = Capture(edit);
    EXPECT_TRUE(AreaIs(pixels, CRect(150, 2, 190, 18), ::GetSysColor(COLOR_BTNFACE)));
}

TEST_F(EditLooks, FontsAreTheControlsOwnCopies)
{
    CLumEdit edit;
    Make(edit);
    LOGFONT iconTitle = {};
    ::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof(iconTitle), &iconTitle, 0);
    ASSERT_NE(nullptr, edit.GetFont());
    LOGFONT lf;
    edit.GetFont()->GetLogFont(&lf);
    EXPECT_EQ(iconTitle.lfHeight, lf.lfHeight);
    EXPECT_STREQ(iconTitle.lfFaceName, lf.lfFaceName);
    EXPECT_EQ(edit.GetFont()->GetSafeHandle(), (HFONT)edit.SendMessage(WM_GETFONT));

    CFont* pCallers = new CFont;
    LOGFONT big = {};
    big.lfHeight = -20;
    lstrcpyA(big.lfFaceName, "Arial");
    pCallers->CreateFontIndirect(&big);
    edit.SetFont(pCallers);
    EXPECT_NE(pCallers, edit.GetFont());
    EXPECT_NE(pCallers->GetSafeHandle(), edit.GetFont()->GetSafeHandle());
    delete pCallers;
    edit.GetFont()->GetLogFont(&lf);
    EXPECT_EQ(-20, lf.lfHeight);
    EXPECT_EQ(edit.GetFont()->GetSafeHandle(), (HFONT)edit.SendMessage(WM_GETFONT));

    CFont* pBefore = edit.GetFont();
    edit.SetFont((CFont*)NULL);
    edit.SetFont((const LOGFONT*)NULL);
    EXPECT_EQ(pBefore, edit.GetFont());
}

// ---- background picture ----------------------------------------------------------------------

namespace {

bool IsDark(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 120; }

// What the screen shows of the client area, without drawing it again first.
Pixels ClientOnScreen(HWND hwnd)
{
    CRect rect;
    ::GetClientRect(hwnd, &rect);
    ::MapWindowPoints(hwnd, NULL, (POINT*)&rect, 2);
    return CaptureScreen(rect);
}

CSize WindowSize(HWND hwnd)
{
    CRect rect;
    ::GetWindowRect(hwnd, &rect);
    return rect.Size();
}

}  // namespace

TEST_F(EditPicture, NaturalSizeResizesTheWindow)
{
    std::string path = WriteQuadrants(120, 24);
    CLumEdit edit;
    Make(edit, 0, CRect(20, 20, 320, 70));
    EXPECT_TRUE(edit.SetBGImage(path.c_str()));
    EXPECT_EQ(CSize(120, 24), WindowSize(edit));
    Pixels pixels = Capture(edit);
    EXPECT_TRUE(AreaIs(pixels, CRect(60, 0, 120, 12), kQuadrant[1]));
    EXPECT_TRUE(AreaIs(pixels, CRect(0, 12, 60, 24), kQuadrant[2]));
    EXPECT_TRUE(AreaIs(pixels, CRect(60, 12, 120, 24), kQuadrant[3]));
}

TEST_F(EditPicture, StretchedAndTiledKeepTheWindowSize)
{
    std::string path = WriteQuadrants(20, 10);
    struct Probe
    {
        CPoint pt;
        int quadrant;
    };
    struct Case
    {
        const char* name;
        int style;
        std::vector<Probe> probes;
    };
    const Case cases[] = {
        {"stretched", CLumEdit::BG_STRETCH, {{{190, 2}, 1}, {{5, 38}, 2}, {{190, 38}, 3}, {{99, 19}, 0}, {{101, 21}, 3}}},
        {"tiled", CLumEdit::BG_TILE, {{{15, 2}, 1}, {{25, 2}, 0}, {{5, 7}, 2}, {{5, 12}, 0}, {{195, 37}, 3}}},
    };
    for (const Case& c : cases)
    {
        CLumEdit edit;
        Make(edit, 0, CRect(20, 20, 220, 60));
        edit.SetBGStyle(c.style);
        EXPECT_EQ(c.style, edit.GetBGStyle());
        EXPECT_TRUE(edit.SetBGImage(path.c_str())) << c.name;
        EXPECT_EQ(CSize(200, 40), WindowSize(edit)) << c.name;
        Pixels pixels = Capture(edit);
        for (const Probe& p : c.probes)
            EXPECT_EQ(kQuadrant[p.quadrant], pixels.At(p.pt.x, p.pt.y)) << c.name << " at " << p.pt.x << "," << p.pt.y;
    }
}

// Text drawn in the paper colour itself vanishes.
TEST_F(EditPicture, TextIsLaidOverThePictureWithoutItsPaper)
{
    std::string path = WriteQuadrants(20, 10);
    CLumEdit edit;
    Make(edit, 0, CRect(20, 20, 220, 60));
    edit.SetBGStyle(CLumEdit::BG_TILE);
    edit.SetBGImage(path.c_str());
    edit.SetTextColor(RGB(0, 0, 0));
    Pixels empty = Capture(edit);
    edit.SetWindowText("WWWW MMMM");
    Pixels text = Capture(edit);
    const CRect all(0, 0, 200, 40);
    EXPECT_EQ(0, CountPixels(empty, all, IsDark));
    EXPECT_GT(CountPixels(text, all, IsDark), 50) << "the text is drawn";
    auto isPicture = [](COLORREF c) { return std::find(kQuadrant, kQuadrant + 4, c) != kQuadrant + 4; };
    EXPECT_EQ(0, CountPixels(text, all, [&](COLORREF c) { return !IsDark(c) && !isPicture(c); }))
        << "every pixel is text or picture: none of the text's white paper";

    edit.SetTextColor(RGB(255, 255, 255));
    Pixels white = Capture(edit);
    EXPECT_EQ(CountPixels(empty, all, isPicture), CountPixels(white, all, isPicture));
}

TEST_F(EditPicture, RemovedOrUnloadablePictureLeavesAPlainEdit)
{
    std::string path = WriteQuadrants(20, 10);
    MessageBoxCatcher boxes;
    CLumEdit edit;
    Make(edit, 0, CRect(20, 20, 220, 60));
    edit.SetBGStyle(CLumEdit::BG_STRETCH);
    edit.SetBGColor(RGB(0, 255, 255));
    ASSERT_TRUE(edit.SetBGImage(path.c_str()));
    CClientDC dc(&edit);
    EXPECT_EQ(TRUE, edit.SendMessage(WM_ERASEBKGND, (WPARAM)dc.m_hDC));
    EXPECT_EQ(kQuadrant[0], Capture(edit).At(5, 5));

    EXPECT_TRUE(edit.SetBGImage(0u));
    EXPECT_TRUE(AreaIs(Capture(edit), CRect(0, 0, 200, 40), RGB(0, 255, 255)));

    ASSERT_TRUE(edit.SetBGImage(path.c_str()));
    EXPECT_EQ(kQuadrant[0], Capture(edit).At(5, 5));
    EXPECT_FALSE(edit.SetBGImage(TempPath("lum-no-such-picture.bmp").c_str()));
    EXPECT_TRUE(AreaIs(ClientOnScreen(edit), CRect(0, 0, 200, 40), RGB(0, 255, 255))) << "the old picture is gone";
    EXPECT_FALSE(edit.SetBGImage(CString()));
    boxes.ExpectNone();
}

TEST_F(EditPicture, ResourcePictureComesFromTheCurrentResourceModule)
{
    HINSTANCE hOld = AfxGetResourceHandle();
    HINSTANCE hLibrary = ::GetModuleHandleA("LumCtrl.dll");
    AfxSetResourceHandle(hLibrary);
    CLumEdit edit;
    Make(edit, 0);
    EXPECT_TRUE(edit.SetBGImage(5001u)) << "the library's 300 x 300 list background";
    EXPECT_FALSE(edit.SetBGImage(4999u));
    EXPECT_TRUE(edit.SetBGImage(5001u));
    AfxSetResourceHandle(hOld);
    EXPECT_EQ(CSize(300, 300), WindowSize(edit));

    HBITMAP hPicture = (HBITMAP)::LoadImageA(hLibrary, MAKEINTRESOURCE(5001), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    HDC hMem = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOldBitmap = ::SelectObject(hMem, hPicture);
    Pixels pixels = Capture(edit);
    for (CPoint pt : {CPoint(10, 10), CPoint(150, 150), CPoint(290, 250)})
        EXPECT_EQ(::GetPixel(hMem, pt.x, pt.y), pixels.At(pt.x, pt.y)) << pt.x << "," << pt.y;
    ::SelectObject(hMem, hOldBitmap);
    ::DeleteDC(hMem);
    ::DeleteObject(hPicture);
}

TEST_F(EditPicture, ScrolledTextLeavesThePictureInPlace)
{
    std::string path = WriteQuadrants(20, 10);
    CLumEdit edit;
    Make(edit, ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, CRect(20, 20, 220, 80));
    edit.SetBGStyle(CLumEdit::BG_TILE);
    edit.SetBGImage(path.c_str());
    std::string lines;
    for (int i = 0; i < 40; i++)
        lines += "line\r\n";
    edit.SetWindowText(lines.c_str());
    Pixels before = Capture(edit);
    edit.SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    PumpIdle();
    EXPECT_GT(edit.GetFirstVisibleLine(), 0);
    CRect client;
    edit.GetClientRect(&client);
    Pixels after = ClientOnScreen(edit);
    int moved = 0;
    for (int y = 0; y < client.bottom; y++)
        for (int x = 40; x < client.right; x++)
            moved += before.At(x, y) != after.At(x, y);
    EXPECT_EQ(0, moved) << "right of the text the picture is where it was";
}

// ---- leaks -----------------------------------------------------------------------------------

TEST_F(EditLeaks, CreatePaintDestroyCyclesLeaveNothing)
{
    std::string path = WriteQuadrants(20, 10);
    auto cycle = [&] {
        CLumEdit numeric, pictured;
        MakeNumeric(numeric, 2, TRUE);
        numeric.SetValue(1234.5);
        numeric.SetBGColor(RGB(200, 220, 255));
        Make(pictured, ES_MULTILINE, CRect(20, 60, 220, 120));
        pictured.SetBGStyle(CLumEdit::BG_TILE);
        pictured.SetBGImage(path.c_str());
        pictured.SetWindowText("text over a picture");
        LOGFONT lf = {};
        lf.lfHeight = -14;
        pictured.SetFont(&lf);
        parent.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    };
    cycle();
    PumpIdle();
    AfxUnlockTempMaps();
    const int nWindows = CountProcessWindows();
    GdiLeakCheck gdi;
    for (int i = 0; i < 30; i++)
        cycle();
    PumpIdle();
    AfxUnlockTempMaps();
    EXPECT_EQ(nWindows, CountProcessWindows());
}

