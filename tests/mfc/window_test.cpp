// The window layer under real Win32: message maps, Default, creation, subclassing, reflection,
// PreTranslateMessage, the handle map, dialogs and run-time classes.
#include <gtest/gtest.h>
#include <afxwin.h>
#include <vector>
#include <string>

namespace {

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Routes queued messages through the framework's pump, so PreTranslateMessage sees them.
void PumpThroughFramework()
{
    MSG peek;
    while (::PeekMessageA(&peek, NULL, 0, 0, PM_NOREMOVE))
        AfxPumpMessage();
}

// An in-memory dialog template: caption, size in dialog units, and child controls.
class DialogTemplate
{
public:
    DialogTemplate(DWORD style, short cx, short cy, const char* caption)
    {
        Align();
        DLGTEMPLATE t = {style | DS_SETFONT, 0, 0, 10, 10, cx, cy};
        Append(&t, sizeof(t));
        Word(0);   // no menu
        Word(0);   // default class
        String(caption);
        Word(8);
        String("MS Shell Dlg");
    }

    void AddItem(const char* className, const char* text, DWORD style, short x, short y, short cx, short cy, WORD id)
    {
        Align();
        DLGITEMTEMPLATE item = {style | WS_CHILD | WS_VISIBLE, 0, x, y, cx, cy, id};
        Append(&item, sizeof(item));
        String(className);
        String(text);
        Word(0);
        reinterpret_cast<DLGTEMPLATE*>(m_data.data())->cdit++;
    }

    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_data.data()); }

private:
    void Append(const void* p, size_t n)
    {
        const BYTE* b = static_cast<const BYTE*>(p);
        m_data.insert(m_data.end(), b, b + n);
    }
    void Word(WORD w) { Append(&w, sizeof(w)); }
    void String(const char* s)
    {
        do
            Word((WORD)(unsigned char)*s);
        while (*s++);
    }
    void Align()
    {
        while (m_data.size() % 4)
            m_data.push_back(0);
    }
    std::vector<BYTE> m_data;
};

// ---- message-map dispatch --------------------------------------------------------------------

UINT g_registeredMessage = ::RegisterWindowMessageA("LumCtrl.WindowTest.Registered");

class CProbeWnd : public CWnd
{
public:
    std::vector<std::string> log;
    CREATESTRUCT created = {};

    void Note(const char* fmt, ...)
    {
        char buffer[256];
        va_list args;
        va_start(args, fmt);
        vsnprintf(buffer, sizeof(buffer), fmt, args);
        va_end(args);
        log.push_back(buffer);
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        created = *lpcs;
        Note("create %d", lpcs->cx);
        return CWnd::OnCreate(lpcs);
    }
    afx_msg void OnSize(UINT nType, int cx, int cy) { Note("size %u %d %d", nType, cx, cy); }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point) { Note("lbuttondown %u %ld %ld", nFlags, point.x, point.y); }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) { Note("keydown %u %u %u", nChar, nRepCnt, nFlags); }
    afx_msg void OnTimer(UINT nIDEvent) { Note("timer %u", nIDEvent); }
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
    {
        Note("wheel %u %d %ld %ld", nFlags, zDelta, pt.x, pt.y);
        return TRUE;
    }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC)
    {
        Note("erase %d", pDC->GetSafeHdc() == m_erasedHdc);
        return TRUE;
    }
    afx_msg void OnSetFocus(CWnd* pOldWnd) { Note("setfocus %d", pOldWnd == nullptr); }
    afx_msg UINT OnNcHitTest(CPoint point) { Note("hittest %ld %ld", point.x, point.y); return HTCAPTION; }
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos) { Note("poschanging %d", lpwndpos->cx); CWnd::OnWindowPosChanging(lpwndpos); }
    afx_msg LRESULT OnApp5(WPARAM wParam, LPARAM lParam) { Note("app5 %d %d", (int)wParam, (int)lParam); return 1234; }
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM) { Note("registered %d", (int)wParam); return 77; }
    afx_msg void OnEnable(BOOL bEnable) { Note("enable %d", bEnable); }
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT) { Note("char %c %u", (char)nChar, nRepCnt); }
    afx_msg void OnCommandRange(UINT nID) { Note("command %u", nID); }

public:
    HDC m_erasedHdc = NULL;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_WM_TIMER()
    ON_WM_MOUSEWHEEL()
    ON_WM_ERASEBKGND()
    ON_WM_SETFOCUS()
    ON_WM_NCHITTEST()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_ENABLE()
    ON_WM_CHAR()
    ON_MESSAGE(WM_APP + 5, OnApp5)
    ON_REGISTERED_MESSAGE(g_registeredMessage, OnRegistered)
    ON_COMMAND_RANGE(100, 110, OnCommandRange)
END_MESSAGE_MAP()

class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_probe.CreateEx(0, NULL, "probe", WS_OVERLAPPEDWINDOW, 50, 50, 300, 200, NULL, NULL));
        Pump();
        m_probe.log.clear();
    }
    void TearDown() override
    {
        if (m_probe.m_hWnd)
            m_probe.DestroyWindow();
        Pump();
    }
    CProbeWnd m_probe;
};

TEST_F(WindowTest, HandlersReceiveUnpackedArguments)
{
    HDC hdc = ::GetDC(m_probe.m_hWnd);
    m_probe.m_erasedHdc = hdc;
    struct Case
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        const char* expected;
        LRESULT result;
    } cases[] = {
        {WM_SIZE, SIZE_RESTORED, MAKELPARAM(120, 45), "size 0 120 45", 0},
        {WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 9), "lbuttondown 1 7 9", 0},
        {WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-3, -4), "lbuttondown 1 -3 -4", 0},
        {WM_KEYDOWN, VK_LEFT, MAKELPARAM(3, 0x14B), "keydown 37 3 331", 0},
        {WM_TIMER, 42, 0, "timer 42", 0},
        {WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, (WORD)-120), MAKELPARAM(300, 200), "wheel 4 -120 300 200", TRUE},
        {WM_ERASEBKGND, (WPARAM)hdc, 0, "erase 1", TRUE},
        {WM_SETFOCUS, 0, 0, "setfocus 1", 0},
        {WM_NCHITTEST, 0, MAKELPARAM(60, 70), "hittest 60 70", HTCAPTION},
        {WM_ENABLE, FALSE, 0, "enable 0", 0},
        {WM_CHAR, 'x', 2, "char x 2", 0},
        {WM_APP + 5, 11, 22, "app5 11 22", 1234},
        {g_registeredMessage, 5, 0, "registered 5", 77},
        {WM_COMMAND, MAKEWPARAM(105, 0), 0, "command 105", 1},
    };
    for (const Case& c : cases)
    {
        m_probe.log.clear();
        LRESULT result = ::SendMessageA(m_probe.m_hWnd, c.message, c.wParam, c.lParam);
        ASSERT_EQ(1u, m_probe.log.size()) << "message 0x" << std::hex << c.message;
        EXPECT_EQ(c.expected, m_probe.log[0]);
        EXPECT_EQ(c.result, result) << c.expected;
    }
    ::ReleaseDC(m_probe.m_hWnd, hdc);
}

TEST_F(WindowTest, OnCreateRunsForCreatedWindowAndPreCreateWindowCanChangeStyle)
{
    EXPECT_EQ(300, m_probe.created.cx);
    struct CToolWnd : CWnd
    {
        BOOL PreCreateWindow(CREATESTRUCT& cs) override
        {
            cs.dwExStyle |= WS_EX_TOOLWINDOW;
            return CWnd::PreCreateWindow(cs);
        }
    } tool;
    ASSERT_TRUE(tool.CreateEx(0, NULL, "tool", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    EXPECT_TRUE(tool.GetExStyle() & WS_EX_TOOLWINDOW);
    EXPECT_EQ(&tool, CWnd::FromHandlePermanent(tool.m_hWnd));
    tool.DestroyWindow();
}

TEST_F(WindowTest, UnhandledMessageFallsToDefault)
{
    m_probe.SetWindowText("renamed");   // WM_SETTEXT has no entry: DefWindowProc stores it
    char text[32];
    ::GetWindowTextA(m_probe.m_hWnd, text, sizeof(text));
    EXPECT_STREQ("renamed", text);
    EXPECT_EQ(0u, ::SendMessageA(m_probe.m_hWnd, WM_APP + 6, 0, 0));
}

// ---- derived maps ----------------------------------------------------------------------------

class CBaseWnd : public CWnd
{
public:
    std::string seen;

protected:
    afx_msg LRESULT OnFirst(WPARAM, LPARAM) { seen += "base1 "; return 1; }
    afx_msg LRESULT OnSecond(WPARAM, LPARAM) { seen += "base2 "; return 2; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
    ON_MESSAGE(WM_APP + 1, OnFirst)
    ON_MESSAGE(WM_APP + 2, OnSecond)
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd
{
protected:
    afx_msg LRESULT OnFirstDerived(WPARAM w, LPARAM l)
    {
        seen += "derived1 ";
        return 10 + CBaseWnd::OnFirst(w, l);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
    ON_MESSAGE(WM_APP + 1, OnFirstDerived)
END_MESSAGE_MAP()

TEST(MessageMap, DerivedMapOverridesAndChainsToBase)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, "derived", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    EXPECT_EQ(11, wnd.SendMessage(WM_APP + 1));
    EXPECT_EQ(2, wnd.SendMessage(WM_APP + 2));
    EXPECT_EQ("derived1 base1 base2 ", wnd.seen);
    wnd.DestroyWindow();
}

// ---- subclassing, Default and command routing -----------------------------------------------

const UINT IDC_PUSH = 1001;

class CClickParent : public CWnd
{
public:
    int clicks = 0;

protected:
    afx_msg void OnPush() { ++clicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CClickParent, CWnd)
    ON_BN_CLICKED(IDC_PUSH, OnPush)
END_MESSAGE_MAP()

class CCountingButton : public CWnd
{
public:
    int downs = 0, ups = 0, presubclassed = 0;
    void PreSubclassWindow() override { ++presubclassed; }

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point)
    {
        ++downs;
        CWnd::OnLButtonDown(nFlags, point);
    }
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point)
    {
        ++ups;
        CWnd::OnLButtonUp(nFlags, point);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingButton, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

TEST(Subclass, DefaultReachesSystemButtonWhichNotifiesParent)
{
    CClickParent parent;
    ASSERT_TRUE(parent.CreateEx(0, NULL, "parent", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, NULL, NULL));
    HWND hButton = ::CreateWindowExA(0, "BUTTON", "push", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24,
                                     parent.m_hWnd, (HMENU)(UINT_PTR)IDC_PUSH, NULL, NULL);
    CCountingButton button;
    ASSERT_TRUE(button.SubclassDlgItem(IDC_PUSH, &parent));
    EXPECT_EQ(1, button.presubclassed);
    EXPECT_FALSE(button.SubclassWindow(hButton)) << "a window is attached to one object only";

    ::SendMessageA(hButton, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageA(hButton, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Pump();
    EXPECT_EQ(1, button.downs);
    EXPECT_EQ(1, button.ups);
    EXPECT_EQ(1, parent.clicks);

    EXPECT_EQ(hButton, button.UnsubclassWindow());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hButton));
    ::SendMessageA(hButton, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageA(hButton, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Pump();
    EXPECT_EQ(1, button.downs) << "an unsubclassed window no longer reaches the object";
    EXPECT_EQ(2, parent.clicks);
    parent.DestroyWindow();
}

// ---- reflection ------------------------------------------------------------------------------

const UINT IDC_CHILD = 1002;
const UINT NM_PROBE = 0x7FF0;
const UINT NM_PROBE_EX = 0x7FF1;

class CReflectingChild : public CWnd
{
public:
    int notified = 0, notifiedEx = 0, commanded = 0, colored = 0;
    BOOL handleEx = FALSE;
    HBRUSH brush = (HBRUSH)::GetStockObject(GRAY_BRUSH);

protected:
    afx_msg void OnProbe(NMHDR*, LRESULT* pResult)
    {
        ++notified;
        *pResult = 55;
    }
    afx_msg BOOL OnProbeEx(NMHDR*, LRESULT*)
    {
        ++notifiedEx;
        return handleEx;
    }
    afx_msg void OnCommandReflect() { ++commanded; }
    afx_msg HBRUSH CtlColor(CDC*, UINT nCtlColor)
    {
        ++colored;
        return nCtlColor == CTLCOLOR_STATIC ? brush : NULL;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingChild, CWnd)
    ON_NOTIFY_REFLECT(NM_PROBE, OnProbe)
    ON_NOTIFY_REFLECT_EX(NM_PROBE_EX, OnProbeEx)
    ON_CONTROL_REFLECT(EN_CHANGE, OnCommandReflect)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CNotifiedParent : public CWnd
{
public:
    int probes = 0, probesEx = 0, changes = 0;

protected:
    afx_msg void OnProbe(NMHDR*, LRESULT* pResult)
    {
        ++probes;
        *pResult = 66;
    }
    afx_msg void OnProbeEx(NMHDR*, LRESULT*) { ++probesEx; }
    afx_msg void OnChange() { ++changes; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifiedParent, CWnd)
    ON_NOTIFY(NM_PROBE, IDC_CHILD, OnProbe)
    ON_NOTIFY(NM_PROBE_EX, IDC_CHILD, OnProbeEx)
    ON_EN_CHANGE(IDC_CHILD, OnChange)
END_MESSAGE_MAP()

TEST(Reflection, ChildHandlesItsOwnNotificationsBeforeTheParent)
{
    CNotifiedParent parent;
    ASSERT_TRUE(parent.CreateEx(0, NULL, "parent", WS_POPUP, 0, 0, 200, 100, NULL, NULL));
    CReflectingChild child;
    ASSERT_TRUE(child.Create(NULL, "child", WS_VISIBLE, CRect(0, 0, 50, 20), &parent, IDC_CHILD));

    NMHDR hdr = {child.m_hWnd, IDC_CHILD, NM_PROBE};
    EXPECT_EQ(55, parent.SendMessage(WM_NOTIFY, IDC_CHILD, (LPARAM)&hdr));
    EXPECT_EQ(1, child.notified);
    EXPECT_EQ(0, parent.probes) << "the parent does not see a notification its child handled";

    hdr.code = NM_PROBE_EX;
    parent.SendMessage(WM_NOTIFY, IDC_CHILD, (LPARAM)&hdr);
    EXPECT_EQ(1, child.notifiedEx);
    EXPECT_EQ(1, parent.probesEx) << "an _EX handler returning FALSE lets the parent handle it too";
    child.handleEx = TRUE;
    parent.SendMessage(WM_NOTIFY, IDC_CHILD, (LPARAM)&hdr);
    EXPECT_EQ(1, parent.probesEx);

    parent.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CHILD, EN_CHANGE), (LPARAM)child.m_hWnd);
    EXPECT_EQ(1, child.commanded);
    EXPECT_EQ(0, parent.changes);

    HDC hdc = ::GetDC(child.m_hWnd);
    EXPECT_EQ((LRESULT)child.brush, parent.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)hdc, (LPARAM)child.m_hWnd));
    EXPECT_EQ(1, child.colored);
    // No brush from the child: the parent's default answers.
    LRESULT fallback = parent.SendMessage(WM_CTLCOLOREDIT, (WPARAM)hdc, (LPARAM)child.m_hWnd);
    EXPECT_NE((LRESULT)child.brush, fallback);
    ::ReleaseDC(child.m_hWnd, hdc);

    // A foreign window's notification goes to the parent's own map.
    HWND hForeign = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, parent.m_hWnd, (HMENU)(UINT_PTR)IDC_CHILD, NULL, NULL);
    hdr = {hForeign, IDC_CHILD, NM_PROBE};
    EXPECT_EQ(66, parent.SendMessage(WM_NOTIFY, IDC_CHILD, (LPARAM)&hdr));
    EXPECT_EQ(1, parent.probes);
    parent.DestroyWindow();
}

class COwnerDrawn : public CWnd
{
public:
    int drawn = 0;
    UINT itemAction = 0;

protected:
    afx_msg void DrawItem(LPDRAWITEMSTRUCT lpDis)
    {
        ++drawn;
        itemAction = lpDis->itemAction;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerDrawn, CWnd)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

TEST(Reflection, DrawItemReachesTheOwnerDrawnChild)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, NULL, "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, NULL, NULL));
    HWND hButton = ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 5, 5, 60, 20,
                                     parent.m_hWnd, (HMENU)(UINT_PTR)IDC_CHILD, NULL, NULL);
    COwnerDrawn button;
    ASSERT_TRUE(button.SubclassWindow(hButton));
    ::RedrawWindow(hButton, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump();
    EXPECT_GE(button.drawn, 1) << "the system button's WM_DRAWITEM to its parent came back to the button";
    EXPECT_TRUE(button.itemAction & ODA_DRAWENTIRE);
    parent.DestroyWindow();
}

// ---- handle map ------------------------------------------------------------------------------

TEST(HandleMap, DestroyedWindowLeavesNoStaleObject)
{
    CWnd* pWnd = new CWnd;
    ASSERT_TRUE(pWnd->CreateEx(0, NULL, "temp", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    HWND hWnd = pWnd->m_hWnd;
    EXPECT_EQ(pWnd, CWnd::FromHandle(hWnd));
    pWnd->DestroyWindow();
    EXPECT_EQ(NULL, pWnd->m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    CWnd* pTemp = CWnd::FromHandle(hWnd);
    EXPECT_NE(pWnd, pTemp);
    delete pWnd;

    // Foreign windows get one temporary object each, until the temporaries are deleted.
    HWND hDesktop = ::GetDesktopWindow();
    CWnd* pDesktop = CWnd::FromHandle(hDesktop);
    EXPECT_EQ(pDesktop, CWnd::FromHandle(hDesktop));
    EXPECT_EQ(hDesktop, pDesktop->m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandle(NULL));
    CWnd* pNone = CWnd::FromHandle(NULL);
    EXPECT_EQ(NULL, pNone->GetSafeHwnd()) << "MFC code asks a NULL window for its handle";
}

TEST(HandleMap, SelfDeletingObjectGoesWithItsWindow)
{
    static bool deleted;
    deleted = false;
    struct CSelfDeleting : CWnd
    {
        ~CSelfDeleting() override { deleted = true; }
        void PostNcDestroy() override { delete this; }
    };
    CSelfDeleting* pWnd = new CSelfDeleting;
    ASSERT_TRUE(pWnd->CreateEx(0, NULL, "self", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    HWND hWnd = pWnd->m_hWnd;
    ::DestroyWindow(hWnd);
    EXPECT_TRUE(deleted);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

// ---- dialogs and PreTranslateMessage ---------------------------------------------------------

const UINT IDC_EDIT = 1003;

class CEnterEater : public CWnd
{
public:
    BOOL eat = TRUE;
    int eaten = 0;
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (eat && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
        {
            ++eaten;
            return TRUE;
        }
        return CWnd::PreTranslateMessage(pMsg);
    }
};

class CProbeDialog : public CDialog
{
public:
    CEnterEater edit;
    int initialized = 0, oks = 0;
    int endCode = 0;
    BOOL ownerEnabledWhileModal = -1;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        ++initialized;
        if (endCode)
            PostMessage(WM_APP + 9);
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_EDIT, edit); }
    void OnOK() override { ++oks; }

protected:
    afx_msg LRESULT OnEnd(WPARAM, LPARAM)
    {
        if (m_pParentWnd)
            ownerEnabledWhileModal = m_pParentWnd->IsWindowEnabled();
        EndDialog(endCode);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeDialog, CDialog)
    ON_MESSAGE(WM_APP + 9, OnEnd)
END_MESSAGE_MAP()

DialogTemplate ProbeTemplate()
{
    DialogTemplate t(WS_POPUP | WS_CAPTION | WS_VISIBLE, 160, 80, "probe");
    t.AddItem("EDIT", "", WS_BORDER | WS_TABSTOP, 5, 5, 100, 12, IDC_EDIT);
    t.AddItem("BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 5, 30, 50, 14, IDOK);
    return t;
}

TEST(Dialog, ChildPreTranslateMessageConsumesKeyBeforeDialogManager)
{
    DialogTemplate t = ProbeTemplate();
    CProbeDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(t.Get()));
    EXPECT_EQ(1, dlg.initialized);
    ASSERT_NE(nullptr, dlg.edit.m_hWnd) << "DDX_Control subclassed the edit";
    dlg.edit.SetFocus();
    Pump();

    ::PostMessageA(dlg.edit.m_hWnd, WM_KEYDOWN, VK_RETURN, 1);
    PumpThroughFramework();
    EXPECT_EQ(1, dlg.edit.eaten);
    EXPECT_EQ(0, dlg.oks);

    dlg.edit.eat = FALSE;
    ::PostMessageA(dlg.edit.m_hWnd, WM_KEYDOWN, VK_RETURN, 1);
    PumpThroughFramework();
    EXPECT_EQ(1, dlg.oks) << "without the child, Enter reaches the dialog's default button";
    dlg.DestroyWindow();
}

TEST(Dialog, DoModalReturnsEndDialogCodeAndRestoresOwner)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, NULL, "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, NULL, NULL));
    DialogTemplate t = ProbeTemplate();
    CProbeDialog dlg;
    dlg.endCode = 42;
    dlg.InitModalIndirect(t.Get(), &owner);
    EXPECT_EQ(42, dlg.DoModal());
    EXPECT_EQ(0, dlg.ownerEnabledWhileModal) << "the owner is disabled while the dialog runs";
    EXPECT_EQ(NULL, dlg.m_hWnd);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(1, dlg.initialized);
    owner.DestroyWindow();
}

// ---- run-time classes ------------------------------------------------------------------------

class CDynamicWnd : public CWnd
{
    DECLARE_DYNCREATE(CDynamicWnd)
};
IMPLEMENT_DYNCREATE(CDynamicWnd, CWnd)

class CMoreDynamicWnd : public CDynamicWnd
{
    DECLARE_DYNAMIC(CMoreDynamicWnd)
};
IMPLEMENT_DYNAMIC(CMoreDynamicWnd, CDynamicWnd)

TEST(RuntimeClass, DynamicCreationAndDerivation)
{
    CObject* pObject = RUNTIME_CLASS(CDynamicWnd)->CreateObject();
    ASSERT_NE(nullptr, pObject);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CCmdTarget)));
    EXPECT_FALSE(pObject->IsKindOf(RUNTIME_CLASS(CDialog)));
    EXPECT_STREQ("CDynamicWnd", pObject->GetRuntimeClass()->m_lpszClassName);
    delete pObject;

    EXPECT_EQ(nullptr, RUNTIME_CLASS(CMoreDynamicWnd)->CreateObject()) << "not dynamically creatable";
    EXPECT_TRUE(RUNTIME_CLASS(CMoreDynamicWnd)->IsDerivedFrom(RUNTIME_CLASS(CDynamicWnd)));
    EXPECT_TRUE(RUNTIME_CLASS(CMoreDynamicWnd)->IsDerivedFrom(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(RUNTIME_CLASS(CWnd)->IsDerivedFrom(RUNTIME_CLASS(CMoreDynamicWnd)));
    CMoreDynamicWnd more;
    EXPECT_EQ(&more, DYNAMIC_DOWNCAST(CDynamicWnd, &more));
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CDialog, &more));
}

TEST(WindowClass, SameArgumentsGiveSameClassName)
{
    std::string first = AfxRegisterWndClass(CS_DBLCLKS, NULL, (HBRUSH)(COLOR_WINDOW + 1));
    std::string second = AfxRegisterWndClass(CS_DBLCLKS, NULL, (HBRUSH)(COLOR_WINDOW + 1));
    std::string other = AfxRegisterWndClass(CS_SAVEBITS);
    EXPECT_EQ(first, second);
    EXPECT_NE(first, other);
    WNDCLASSA wc;
    EXPECT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), other.c_str(), &wc));
    EXPECT_EQ((UINT)CS_SAVEBITS, wc.style);
}

}  // namespace

namespace {

// ---- frames and control bars -----------------------------------------------------------------

TEST(FrameWnd, DockedBarHoldsAControlThatFindsItsFrame)
{
    CFrameWnd* pFrame = new CFrameWnd;   // a frame deletes itself with its window
    ASSERT_TRUE(pFrame->Create(NULL, "frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    CControlBar bar;
    ASSERT_TRUE(bar.Create(pFrame, 30));
    EXPECT_EQ(nullptr, bar.m_pDockContext);
    bar.EnableDocking(CBRS_ALIGN_ANY);
    ASSERT_NE(nullptr, bar.m_pDockContext);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(&bar);

    CWnd combo;
    ASSERT_TRUE(combo.Create("COMBOBOX", NULL, WS_VISIBLE | CBS_DROPDOWNLIST, CRect(2, 2, 120, 100), &bar, 1));
    EXPECT_TRUE(combo.GetParent()->IsKindOf(RUNTIME_CLASS(CControlBar)));
    EXPECT_EQ(pFrame, combo.GetParentFrame());
    EXPECT_EQ(pFrame, combo.GetParentFrame()->GetActiveFrame());
    EXPECT_EQ(pFrame, bar.GetDockingFrame());

    CRect client, barRect;
    pFrame->GetClientRect(&client);
    bar.GetWindowRect(&barRect);
    pFrame->ScreenToClient(&barRect);
    EXPECT_EQ(CRect(0, 0, client.Width(), 30), barRect) << "the bar lies along the frame's top";
    pFrame->MoveWindow(0, 0, 400, 250);
    pFrame->GetClientRect(&client);
    bar.GetWindowRect(&barRect);
    EXPECT_EQ(client.Width(), barRect.Width()) << "and follows its width";

    combo.DestroyWindow();
    bar.DestroyWindow();
    pFrame->DestroyWindow();
}

}  // namespace
