// Check boxes and radio buttons on a real dialog: the strip cell shown for each state, hover,
// press and drag, clicks and the space bar reaching the parent, radio groups, the caption,
// tooltips and leaks.
#include "support/framework_dialog.h"
#include "buttons/LumCheckBox.h"
#include <string>
#include <vector>

using namespace lumtest;

namespace {

enum { IDC_FIRST = 100 };

// One colour per cell of the test strip, so a pixel of the box tells which cell is shown.
const COLORREF kCell[8] = {RGB(200, 0, 0),   RGB(0, 160, 0),   RGB(0, 0, 200),     RGB(200, 200, 0),
                           RGB(0, 200, 200), RGB(200, 0, 200), RGB(100, 100, 100), RGB(40, 80, 120)};
const int kCellSize = 20;
const CRect kRect(20, 20, 180, 50);          // 30 high: the box is drawn from y = 5
const CPoint kInBox(10, 15);
const CRect kCaption(kCellSize + 5, 0, 160, 30);
const COLORREF kCaptionColour = RGB(0, 0, 255);

// The eight-cell strip as a bitmap file.
std::string WriteStrip()
{
    return WriteSkin("lum-check-strip.bmp", 8 * kCellSize, kCellSize, [](int x, int) { return kCell[x / kCellSize]; });
}

int CellShown(const Pixels& pixels)
{
    COLORREF c = pixels.At(kInBox.x, kInBox.y);
    for (int i = 0; i < 8; i++)
        if (c == kCell[i])
            return i;
    return -1;
}

// What the screen shows of a control, without drawing it again first: a stale picture stays.
Pixels OnScreen(HWND hwnd)
{
    CRect rect;
    ::GetWindowRect(hwnd, &rect);
    return CaptureScreen(rect);
}

int CellShown(HWND hwnd) { return CellShown(OnScreen(hwnd)); }

bool ShowsCell(HWND hwnd, int cell)
{
    return WaitFor([&] { return CellShown(hwnd) == cell; });
}

// A point of the dialog well away from every control.
const CPoint kAway(380, 280);

// The dialog as a framework window (which reflects WM_DRAWITEM to the controls), noting each click
// with the state the clicked control reports while its parent handles it.
class CCheckParent : public CWnd
{
public:
    struct Clicked
    {
        UINT nID;
        UINT check;
        bool operator==(const Clicked& o) const { return nID == o.nID && check == o.check; }
    };
    std::vector<Clicked> m_clicks;

protected:
    afx_msg void OnClicked(UINT nID) { m_clicks.push_back({nID, IsDlgButtonChecked(nID)}); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCheckParent, CWnd)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_FIRST, IDC_FIRST + 20, OnClicked)
END_MESSAGE_MAP()

void PrintTo(const CCheckParent::Clicked& c, std::ostream* os) { *os << "{" << c.nID << ", " << c.check << "}"; }

class CheckTest : public FrameworkDialogTest<CCheckParent>
{
protected:
    void SetUp() override
    {
        FrameworkDialogTest::SetUp();
        strip = WriteStrip();
    }

    template <class TControl>
    void Make(TControl& control, const char* caption, DWORD style = 0, CRect rect = kRect, UINT nID = IDC_FIRST)
    {
        ASSERT_TRUE(control.Create(caption, WS_VISIBLE | style, rect, &parent, nID));
        control.SetSkin(strip.c_str());
        control.SetTextColor(kCaptionColour);
    }

    // A column of radio buttons; the first starts a group.
    template <size_t N>
    void MakeGroup(CLumRadioButton (&group)[N], int x, UINT nFirstID)
    {
        for (size_t i = 0; i < N; i++)
            Make(group[i], "R", i == 0 ? WS_GROUP : 0, CRect(x, 20 + 30 * i, x + 160, 50 + 30 * i), nFirstID + i);
    }

    // A dialog item made by the system, then subclassed, as from a dialog template.
    HWND Subclass(CLumCheckButton& control, DWORD buttonType, UINT nID = IDC_FIRST)
    {
        HWND hItem = AddChild("BUTTON", "Item", buttonType, kRect, nID);
        EXPECT_TRUE(control.SubclassWindow(hItem));
        control.SetSkin(strip.c_str());
        return hItem;
    }

    static std::vector<Msg> Clicks(UINT nID, int n)
    {
        return std::vector<Msg>(n, Msg{WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0, checkWParam});
    }

    std::string strip;
};

using CheckCells = CheckTest;
using CheckMouse = CheckTest;
using CheckKind = CheckTest;
using CheckRadio = CheckTest;
using CheckCaption = CheckTest;
using CheckToolTip = CheckTest;
using CheckLeaks = CheckTest;

}  // namespace

// ---- cells -----------------------------------------------------------------------------------

TEST_F(CheckCells, EachStateShowsItsCell)
{
    struct Case
    {
        const char* name;
        bool checked;
        enum { Normal, Hover, Pressed, Disabled } how;
        int cell;
    };
    const Case cases[] = {
        {"unchecked", false, Case::Normal, 0},          {"checked", true, Case::Normal, 1},
        {"unchecked hover", false, Case::Hover, 2},     {"checked hover", true, Case::Hover, 3},
        {"unchecked pressed", false, Case::Pressed, 4}, {"checked pressed", true, Case::Pressed, 5},
        {"disabled unchecked", false, Case::Disabled, 6}, {"disabled checked", true, Case::Disabled, 7},
    };
    for (const Case& c : cases)
    {
        CLumCheckBox box;
        Make(box, "Box");
        box.SetCheck(c.checked);
        if (c.how == Case::Disabled)
            box.EnableWindow(FALSE);
        if (c.how == Case::Hover)
            MoveTo(box, kInBox);
        if (c.how == Case::Pressed)
            Press(box, kInBox);
        EXPECT_TRUE(ShowsCell(box, c.cell)) << c.name << ": shows cell " << CellShown(box);
        ReleaseAllInput();
        MoveTo(hwnd(), kAway);
    }
}

TEST_F(CheckCells, CellIsCentredInTheItemAtTheLeftEdge)
{
    CLumCheckBox box;
    Make(box, "", 0, CRect(20, 20, 180, 60));   // 40 high: the 20-pixel box starts at y = 10
    Pixels pixels = Capture(box);
    EXPECT_TRUE(AreaIs(pixels, CRect(0, 10, kCellSize, 30), kCell[0]));
    EXPECT_EQ(0, CountPixels(pixels, CRect(0, 0, kCellSize, 10), kCell[0]));
    EXPECT_EQ(0, CountPixels(pixels, CRect(0, 30, kCellSize, 40), kCell[0]));
    EXPECT_EQ(0, CountPixels(pixels, CRect(kCellSize, 0, 160, 40), kCell[0]));
}

// ---- mouse -----------------------------------------------------------------------------------

TEST_F(CheckMouse, HoverFollowsThePointerInAndOut)
{
    CLumCheckBox box;
    Make(box, "Box");
    EXPECT_EQ(0, CellShown(box));
    MoveTo(box, kInBox);
    EXPECT_TRUE(ShowsCell(box, 2));
    MoveTo(hwnd(), kAway);
    EXPECT_TRUE(ShowsCell(box, 0)) << "the leave notification clears the hover cell";
    MoveTo(box, CPoint(100, 15));
    EXPECT_TRUE(ShowsCell(box, 2)) << "hover again after leaving";
}

// The check changes on the release, before the system sends BN_CLICKED: the parent's handler reads
// the new state. A double click acts as two clicks.
TEST_F(CheckMouse, ClicksToggleAndNotifyTheParent)
{
    CLumCheckBox box;
    Make(box, "Box");
    MessageRecorder recorder(hwnd(), std::vector<UINT>{WM_COMMAND});
    Click(box, kInBox);
    EXPECT_EQ(BST_CHECKED, box.GetCheck());
    MoveTo(hwnd(), kAway);
    EXPECT_TRUE(ShowsCell(box, 1));
    Click(box, kInBox);
    EXPECT_EQ(BST_UNCHECKED, box.GetCheck());
    MoveTo(hwnd(), kAway);
    EXPECT_TRUE(ShowsCell(box, 0));
    DoubleClick(box, kInBox);
    EXPECT_EQ(BST_UNCHECKED, box.GetCheck());
    ExpectSequence(recorder, Clicks(IDC_FIRST, 4), "two clicks and a double click");
    const std::vector<CCheckParent::Clicked> expected = {{IDC_FIRST, BST_CHECKED}, {IDC_FIRST, BST_UNCHECKED},
                                                         {IDC_FIRST, BST_CHECKED}, {IDC_FIRST, BST_UNCHECKED}};
    EXPECT_EQ(expected, parent.m_clicks);
}

TEST_F(CheckMouse, PressDraggedOutIsNoClick)
{
    CLumCheckBox box;
    Make(box, "Box");
    MessageRecorder recorder(hwnd(), std::vector<UINT>{WM_COMMAND});
    Press(box, kInBox);
    EXPECT_TRUE(ShowsCell(box, 4));
    EXPECT_TRUE(box.GetState() & BST_PUSHED);
    MoveTo(hwnd(), kAway);
    EXPECT_TRUE(ShowsCell(box, 4)) << "the pressed cell stays until the release";
    EXPECT_FALSE(box.GetState() & BST_PUSHED) << "outside, the button no longer shows pushed";
    Release(hwnd(), kAway);
    EXPECT_TRUE(ShowsCell(box, 0)) << "the release outside ends the pressed look";
    EXPECT_EQ(BST_UNCHECKED, box.GetCheck());
    ExpectSequence(recorder, {}, "release outside");

    Press(box, kInBox);
    MoveTo(hwnd(), kAway);
    MoveTo(box, CPoint(12, 14));
    EXPECT_TRUE(box.GetState() & BST_PUSHED) << "back inside";
    Release(box, CPoint(12, 14));
    EXPECT_EQ(BST_CHECKED, box.GetCheck());
    ExpectSequence(recorder, Clicks(IDC_FIRST, 1), "release back inside");
}

TEST_F(CheckMouse, ReleaseWithoutAPressOnTheControlChangesNothing)
{
    CLumCheckBox box;
    Make(box, "Box");
    MoveTo(box, kInBox);
    // A release whose press went elsewhere (the system sends no BN_CLICKED for it).
    box.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(kInBox.x, kInBox.y));
    EXPECT_EQ(BST_UNCHECKED, box.GetCheck());
}

// ---- keyboard --------------------------------------------------------------------------------

TEST_F(CheckMouse, SpaceTogglesAndNotifiesTheParent)
{
    CLumCheckBox box;
    CLumRadioButton radio;
    Make(box, "Box");
    Make(radio, "Radio", WS_GROUP, CRect(20, 60, 180, 90), IDC_FIRST + 1);
    MessageRecorder recorder(hwnd(), std::vector<UINT>{WM_COMMAND});

    box.SetFocus();
    KeyPress(VK_SPACE);
    EXPECT_EQ(BST_CHECKED, box.GetCheck());
    KeyPress(VK_SPACE);
    EXPECT_EQ(BST_UNCHECKED, box.GetCheck());
    ExpectSequence(recorder, Clicks(IDC_FIRST, 2), "space on the check box");

    radio.SetFocus();
    KeyPress(VK_SPACE);
    KeyPress(VK_SPACE);
    EXPECT_EQ(BST_CHECKED, radio.GetCheck());
    ExpectSequence(recorder, Clicks(IDC_FIRST + 1, 2), "space on the radio button");
}

// ---- kind, from the button type at subclassing -----------------------------------------------

TEST_F(CheckKind, ButtonTypeAtSubclassingDecidesTheBehaviour)
{
    struct Case
    {
        const char* name;
        DWORD type;
        int afterClicks[2];
        int afterSetCheck;
    };
    const Case cases[] = {
        {"BS_AUTOCHECKBOX", BS_AUTOCHECKBOX, {BST_CHECKED, BST_UNCHECKED}, BST_CHECKED},
        {"BS_AUTORADIOBUTTON", BS_AUTORADIOBUTTON, {BST_CHECKED, BST_CHECKED}, BST_CHECKED},
        {"BS_CHECKBOX", BS_CHECKBOX, {BST_UNCHECKED, BST_UNCHECKED}, BST_UNCHECKED},
        {"BS_RADIOBUTTON", BS_RADIOBUTTON, {BST_UNCHECKED, BST_UNCHECKED}, BST_UNCHECKED},
        {"BS_3STATE", BS_3STATE, {BST_UNCHECKED, BST_UNCHECKED}, BST_UNCHECKED},
        {"BS_AUTO3STATE", BS_AUTO3STATE, {BST_UNCHECKED, BST_UNCHECKED}, BST_UNCHECKED},
    };
    for (const Case& c : cases)
    {
        CLumCheckBox control;   // the class does not matter, the window's type does
        HWND hItem = Subclass(control, c.type | WS_GROUP);
        EXPECT_EQ((DWORD)BS_OWNERDRAW, (DWORD)::GetWindowLongA(hItem, GWL_STYLE) & BS_TYPEMASK) << c.name;
        MessageRecorder recorder(hwnd(), std::vector<UINT>{WM_COMMAND});
        for (int i = 0; i < 2; i++)
        {
            Click(hItem, kInBox);
            EXPECT_EQ(c.afterClicks[i], control.GetCheck()) << c.name << ", click " << i + 1;
        }
        EXPECT_TRUE(SequenceIs(recorder, Clicks(IDC_FIRST, 2), c.name));
        control.SetCheck(BST_UNCHECKED);
        control.SetCheck(BST_CHECKED);
        MoveTo(hwnd(), kAway);
        EXPECT_EQ(c.afterSetCheck, control.GetCheck()) << c.name;
        EXPECT_TRUE(ShowsCell(hItem, c.afterSetCheck ? 1 : 0)) << c.name;
    }
}

// ---- radio groups ----------------------------------------------------------------------------

namespace {

struct RadioGroups
{
    CLumRadioButton a[3];
    CLumRadioButton b[2];
};

}  // namespace

TEST_F(CheckRadio, CheckingOneUnchecksItsGroupOnly)
{
    RadioGroups r;
    MakeGroup(r.a, 20, IDC_FIRST);
    MakeGroup(r.b, 200, IDC_FIRST + 10);

    r.b[1].SetCheck(BST_CHECKED);
    Click(r.a[0], kInBox);
    PumpIdle();
    Click(r.a[2], kInBox);
    PumpIdle();
    MoveTo(hwnd(), kAway);
    const int expected[] = {BST_UNCHECKED, BST_UNCHECKED, BST_CHECKED, BST_UNCHECKED, BST_CHECKED};
    CLumRadioButton* all[] = {&r.a[0], &r.a[1], &r.a[2], &r.b[0], &r.b[1]};
    for (int i = 0; i < 5; i++)
    {
        EXPECT_EQ(expected[i], all[i]->GetCheck()) << "button " << i;
        EXPECT_EQ(expected[i] ? 1 : 0, CellShown(*all[i])) << "button " << i;
    }

    r.a[1].SetCheck(BST_CHECKED);
    EXPECT_EQ(BST_CHECKED, r.a[2].GetCheck()) << "the others are unchecked by posted messages";
    PumpIdle();
    EXPECT_EQ(BST_UNCHECKED, r.a[2].GetCheck());
    EXPECT_EQ(BST_CHECKED, r.b[1].GetCheck());
}

// The group walk passes over hidden and disabled members, so it never comes back to such a
// control: checking one must still end.
TEST_F(CheckRadio, CheckingADisabledOrHiddenMemberEnds)
{
    for (DWORD how : {(DWORD)WS_DISABLED, (DWORD)0})
    {
        RadioGroups r;
        MakeGroup(r.a, 20, IDC_FIRST);
        r.a[1].SetCheck(BST_CHECKED);
        r.a[2].SetCheck(BST_CHECKED);
        PumpIdle();
        if (how == WS_DISABLED)
            r.a[0].EnableWindow(FALSE);
        else
            r.a[0].ShowWindow(SW_HIDE);
        r.a[0].SetCheck(BST_CHECKED);
        PumpIdle();
        EXPECT_EQ(BST_CHECKED, r.a[0].GetCheck()) << how;
        EXPECT_EQ(BST_UNCHECKED, r.a[2].GetCheck()) << how;
    }
}

TEST_F(CheckRadio, WithoutAParentWindowOnlyItselfIsChecked)
{
    CLumRadioButton radio;
    ASSERT_TRUE(radio.CreateEx(0, "BUTTON", "Alone", WS_POPUP | BS_AUTORADIOBUTTON, CRect(0, 0, 100, 20), NULL, 0));
    radio.SetCheck(BST_CHECKED);
    PumpIdle();
    EXPECT_EQ(BST_CHECKED, radio.GetCheck());
    radio.DestroyWindow();
}

// ---- caption ---------------------------------------------------------------------------------

namespace {

bool IsBackground(COLORREF c) { return c == ::GetSysColor(COLOR_BTNFACE); }

// The leftmost column with a caption pixel, or -1.
int CaptionStart(const Pixels& pixels)
{
    for (int x = 0; x < pixels.Width(); x++)
        for (int y = 0; y < pixels.Height(); y++)
            if (!IsBackground(pixels.At(x, y)))
                return x;
    return -1;
}

}  // namespace

TEST_F(CheckCaption, WithoutSkinTheCaptionStartsAfterTheDefaultBox)
{
    CLumCheckBox box;
    ASSERT_TRUE(box.Create("Hello", WS_VISIBLE, kRect, &parent, IDC_FIRST));
    int x = CaptionStart(Capture(box));
    EXPECT_GE(x, 22);
    EXPECT_LE(x, 24);
}

namespace {

// Bold text is anti-aliased: its edge pixels blend with what is under them.
void UseBoldFont(CLumCheckBox& box)
{
    LOGFONT lf = {};
    lf.lfHeight = -16;
    lf.lfWeight = FW_BOLD;
    lstrcpyA(lf.lfFaceName, "Arial");
    box.SetFont(&lf);
}

bool IsBluish(COLORREF c) { return GetBValue(c) > GetRValue(c) + 40; }

}  // namespace

TEST_F(CheckCaption, EnabledInTheTextColourDisabledInGrey)
{
    CLumCheckBox box;
    Make(box, "Caption");
    UseBoldFont(box);
    COLORREF grey = ::GetSysColor(COLOR_GRAYTEXT);
    Pixels enabled = Capture(box);
    EXPECT_GT(CountPixels(enabled, kCaption, kCaptionColour), 10);
    EXPECT_EQ(0, CountPixels(enabled, kCaption, grey));

    box.EnableWindow(FALSE);
    Pixels disabled = OnScreen(box);
    EXPECT_EQ(0, CountPixels(disabled, kCaption, IsBluish)) << "no trace of the enabled caption";
    EXPECT_GT(CountPixels(disabled, kCaption, grey), 10);
    EXPECT_EQ(6, CellShown(disabled));

    box.EnableWindow(TRUE);
    Pixels again = OnScreen(box);
    EXPECT_EQ(0, CountPixels(again, kCaption, grey));
    EXPECT_EQ(CountPixels(enabled, kCaption, kCaptionColour), CountPixels(again, kCaption, kCaptionColour));
}

// The caption is drawn transparently: repainting the control must not draw it over itself.
TEST_F(CheckCaption, RepaintsLeaveTheCaptionAsDrawnOnce)
{
    CLumCheckBox box;
    Make(box, "Caption WWW");
    UseBoldFont(box);
    Pixels once = Capture(box);
    for (int i = 0; i < 4; i++)
    {
        box.SetCheck(i % 2 ? BST_UNCHECKED : BST_CHECKED);
        PumpIdle();
    }
    MoveTo(box, kInBox);
    MoveTo(hwnd(), kAway);
    EXPECT_TRUE(WaitFor([&] { return CellShown(box) == 0; }));
    Pixels after = OnScreen(box);
    int differ = 0;
    for (int y = kCaption.top; y < kCaption.bottom; y++)
        for (int x = kCaption.left; x < kCaption.right; x++)
            differ += once.At(x, y) != after.At(x, y);
    EXPECT_EQ(0, differ);
}

TEST_F(CheckCaption, TitleAndColour)
{
    CLumCheckBox box;
    Make(box, "i");
    int narrow = CountPixels(Capture(box), kCaption, kCaptionColour);
    box.SetTitle("WWWW");
    EXPECT_GT(CountPixels(OnScreen(box), kCaption, kCaptionColour), 4 * narrow);
    EXPECT_EQ(kCaptionColour, box.SetTextColor(RGB(0, 128, 0)));
    EXPECT_GT(CountPixels(Capture(box), kCaption, RGB(0, 128, 0)), 4 * narrow);
}

TEST_F(CheckCaption, UnreadableSkinKeepsTheOldOne)
{
    CLumCheckBox box;
    Make(box, "Box");
    MessageBoxCatcher boxes;
    box.SetSkin(TempPath("lum-no-such-strip.bmp").c_str());
    box.SetSkin("");
    EXPECT_EQ(0, CellShown(box));
    boxes.ExpectNone();
}

// ---- the protected drawing members ------------------------------------------------------------

namespace {

class CExposedCheckBox : public CLumCheckBox
{
public:
    using CLumCheckBox::CreateRgnFromBitmap;
    using CLumCheckBox::DrawBitmap;
    using CLumCheckBox::FillWithBitmap;
    using CLumCheckBox::GetBitmapHeight;
    using CLumCheckBox::GetBitmapWidth;
};

}  // namespace

// ---- tooltip ---------------------------------------------------------------------------------

namespace {

// The tool of a window, as the control registers itself.
TOOLINFOA ToolOf(HWND control, char* text = NULL)
{
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = ::GetParent(control);
    ti.uId = (UINT_PTR)control;
    ti.lpszText = text;
    return ti;
}

struct ToolTipSearch
{
    HWND control;
    HWND found;
};

BOOL CALLBACK FindToolTipProc(HWND hWnd, LPARAM lParam)
{
    ToolTipSearch* search = reinterpret_cast<ToolTipSearch*>(lParam);
    char name[64];
    ::GetClassNameA(hWnd, name, sizeof(name));
    TOOLINFOA ti = ToolOf(search->control);
    if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0 && ::SendMessageA(hWnd, TTM_GETTOOLINFOA, 0, (LPARAM)&ti))
        search->found = hWnd;
    return search->found == NULL;
}

// The tooltip window that holds `control` as a tool.
HWND FindToolTip(HWND control)
{
    ToolTipSearch search = {control, NULL};
    ::EnumThreadWindows(::GetCurrentThreadId(), FindToolTipProc, (LPARAM)&search);
    return search.found;
}

std::string TipText(HWND tip, HWND control)
{
    char text[INFOTIPSIZE] = "";
    TOOLINFOA ti = ToolOf(control, text);
    ::SendMessageA(tip, TTM_GETTEXTA, 0, (LPARAM)&ti);
    return text;
}

}  // namespace

TEST_F(CheckToolTip, TextIsSetThenUpdatedAndShownOnHover)
{
    CLumCheckBox box;
    Make(box, "Box");
    EXPECT_EQ(nullptr, FindToolTip(box));
    box.SetToolTipText("First tip");
    HWND tip = FindToolTip(box);
    ASSERT_NE(nullptr, tip);
    EXPECT_EQ("First tip", TipText(tip, box));
    box.SetToolTipText("Second tip");
    EXPECT_EQ(tip, FindToolTip(box)) << "one tooltip, its text updated";
    EXPECT_EQ("Second tip", TipText(tip, box));

    MoveTo(box, kInBox);
    MoveTo(box, CPoint(12, 16));
    EXPECT_TRUE(WaitFor([&] { return ::IsWindowVisible(tip) != FALSE; }, 4000)) << "relayed moves show the tip";
}

// ---- leaks -----------------------------------------------------------------------------------

TEST_F(CheckLeaks, CreatePaintDestroyCyclesLeaveNothing)
{
    auto cycle = [&] {
        CLumCheckBox box;
        CLumRadioButton radio;
        Make(box, "Box");
        Make(radio, "Radio", WS_GROUP, CRect(20, 60, 180, 90), IDC_FIRST + 1);
        box.SetSkin(strip.c_str());
        box.SetToolTipText("tip");
        box.SetToolTipText("tip again");
        radio.SetCheck(BST_CHECKED);
        LOGFONT lf = {};
        lf.lfHeight = -13;
        box.SetFont(&lf);
        box.EnableWindow(FALSE);
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

