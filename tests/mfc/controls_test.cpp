// The control wrappers over the real system controls: notifications and reflection, the list and
// tree views, image lists, and that creating and destroying controls leaks nothing.
#include "support/framework_dialog.h"
#include <afxcmn.h>
#include <memory>
#include <vector>

namespace {

enum { IDC_BUTTON = 10, IDC_LIST = 20, IDC_OTHER = 30 };

const CRect rcControl(10, 10, 310, 210);

// The harness's dialog as a framework window, recording what reaches its own message map.
class CTestParent : public CWnd
{
public:
    std::vector<UINT> m_clicked;
    std::vector<int> m_drawn;
    int m_nCustomDraw = 0;

protected:
    afx_msg void OnClicked(UINT nID) { m_clicked.push_back(nID); }
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
    {
        m_drawn.push_back(nIDCtl);
        CWnd::OnDrawItem(nIDCtl, lpDrawItemStruct);
    }
    afx_msg void OnListCustomDraw(NMHDR*, LRESULT*) { ++m_nCustomDraw; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestParent, CWnd)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_BUTTON, IDC_OTHER, OnClicked)
    ON_WM_DRAWITEM()
    ON_NOTIFY(NM_CUSTOMDRAW, IDC_LIST, OnListCustomDraw)
END_MESSAGE_MAP()

using ControlsTest = lumtest::FrameworkDialogTest<CTestParent>;

using ControlsNotify = ControlsTest;
using ControlsListCtrl = ControlsTest;
using ControlsTreeCtrl = ControlsTest;
using ControlsSpinButton = ControlsTest;
using ControlsLeaks = ControlsTest;

}  // namespace

// ---- notifications and reflection -----------------------------------------------------------

namespace {

class CPressCountingButton : public CButton
{
public:
    int m_nPresses = 0;

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point)
    {
        ++m_nPresses;
        CButton::OnLButtonDown(nFlags, point);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPressCountingButton, CButton)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

// An owner-drawn control of any kind that records the items it was asked to draw.
template <class TBase>
class CDrawRecorder : public TBase
{
public:
    std::vector<UINT> m_ctlTypes;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override { m_ctlTypes.push_back(lpDrawItemStruct->CtlType); }
};

struct OwnerDrawn
{
    const char* name;
    UINT nCtlType;
    std::unique_ptr<CWnd> pControl;
    std::vector<UINT>* pCtlTypes;
};

template <class TBase, class Create>
OwnerDrawn MakeOwnerDrawn(const char* name, UINT nCtlType, Create create)
{
    auto pControl = std::make_unique<CDrawRecorder<TBase>>();
    create(*pControl);
    std::vector<UINT>* pCtlTypes = &pControl->m_ctlTypes;
    return {name, nCtlType, std::move(pControl), pCtlTypes};
}

}  // namespace

TEST_F(ControlsNotify, ButtonWithOwnMessageMapStillNotifiesItsParentOfARealClick)
{
    CPressCountingButton button;
    ASSERT_TRUE(button.Create("Press", WS_VISIBLE | BS_PUSHBUTTON, CRect(20, 20, 120, 60), &parent, IDC_BUTTON));
    lumtest::PumpIdle();

    lumtest::Click(button, CPoint(50, 20));
    EXPECT_TRUE(lumtest::WaitFor([&] { return !parent.m_clicked.empty(); }));
    EXPECT_EQ(1, button.m_nPresses);
    EXPECT_EQ(std::vector<UINT>{IDC_BUTTON}, parent.m_clicked);
}

TEST_F(ControlsNotify, OwnerDrawnControlsDrawThroughReflectionPastTheParentsHandler)
{
    CWnd* p = &parent;
    const DWORD dwStyle = WS_VISIBLE | WS_BORDER;
    OwnerDrawn controls[] = {
        MakeOwnerDrawn<CButton>("button", ODT_BUTTON, [&](CButton& c) {
            c.Create("b", dwStyle | BS_OWNERDRAW, rcControl, p, IDC_OTHER);
        }),
        MakeOwnerDrawn<CStatic>("static", ODT_STATIC, [&](CStatic& c) {
            c.Create("s", dwStyle | SS_OWNERDRAW, rcControl, p, IDC_OTHER + 1);
        }),
        MakeOwnerDrawn<CListBox>("list box", ODT_LISTBOX, [&](CListBox& c) {
            c.Create(dwStyle | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, rcControl, p, IDC_OTHER + 2);
            c.AddString("item");
        }),
        MakeOwnerDrawn<CComboBox>("combo box", ODT_COMBOBOX, [&](CComboBox& c) {
            c.Create(dwStyle | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, rcControl, p, IDC_OTHER + 3);
            c.AddString("item");
            c.SetCurSel(0);
        }),
        MakeOwnerDrawn<CListCtrl>("list view", ODT_LISTVIEW, [&](CListCtrl& c) {
            c.Create(dwStyle | LVS_REPORT | LVS_OWNERDRAWFIXED, rcControl, p, IDC_OTHER + 4);
            c.InsertColumn(0, "column", LVCFMT_LEFT, 100);
            c.InsertItem(0, "item");
        }),
        MakeOwnerDrawn<CHeaderCtrl>("header", ODT_HEADER, [&](CHeaderCtrl& c) {
            c.Create(dwStyle | HDS_HORZ, CRect(10, 10, 310, 40), p, IDC_OTHER + 5);
            HDITEM item = {};
            item.mask = HDI_FORMAT | HDI_WIDTH;
            item.fmt = HDF_OWNERDRAW;
            item.cxy = 100;
            c.InsertItem(0, &item);
        }),
    };
    for (OwnerDrawn& c : controls)
    {
        ASSERT_TRUE(c.pControl->GetSafeHwnd()) << c.name;
        c.pCtlTypes->clear();
        parent.m_drawn.clear();
        c.pControl->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);

        ASSERT_FALSE(c.pCtlTypes->empty()) << c.name;
        EXPECT_EQ(std::vector<UINT>(c.pCtlTypes->size(), c.nCtlType), *c.pCtlTypes) << c.name;
        EXPECT_EQ(std::vector<int>(c.pCtlTypes->size(), c.pControl->GetDlgCtrlID()), parent.m_drawn) << c.name;
    }
}

namespace {

class CCustomDrawList : public CListCtrl
{
public:
    int m_nPrePaint = 0;
    int m_nItemPrePaint = 0;

protected:
    afx_msg void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
    {
        const NMLVCUSTOMDRAW* pDraw = reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
        if (pDraw->nmcd.dwDrawStage == CDDS_PREPAINT)
        {
            ++m_nPrePaint;
            *pResult = CDRF_NOTIFYITEMDRAW;   // only reaches the control if the result goes back
        }
        else if (pDraw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT)
            ++m_nItemPrePaint;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCustomDrawList, CListCtrl)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
END_MESSAGE_MAP()

}  // namespace

TEST_F(ControlsNotify, CustomDrawReachesTheListsReflectedEntryAndNotTheParent)
{
    CCustomDrawList list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, rcControl, &parent, IDC_LIST));
    list.InsertColumn(0, "column", LVCFMT_LEFT, 100);
    for (const char* text : {"one", "two", "three"})
        list.InsertItem(list.GetItemCount(), text);
    list.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);

    EXPECT_GE(list.m_nPrePaint, 1);
    EXPECT_EQ(3 * list.m_nPrePaint, list.m_nItemPrePaint);
    EXPECT_EQ(0, parent.m_nCustomDraw);
}

// ---- list view -------------------------------------------------------------------------------

namespace {

int CALLBACK CompareByData(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    return (int)(lParam1 - lParam2) * (int)lParamSort;
}

std::vector<CString> ColumnTexts(const CListCtrl& list, int nSubItem)
{
    std::vector<CString> texts;
    for (int i = 0; i < list.GetItemCount(); i++)
        texts.push_back(list.GetItemText(i, nSubItem));
    return texts;
}

}  // namespace

TEST_F(ControlsListCtrl, ItemsColumnsSortingSelectionAndChecks)
{
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, rcControl, &parent, IDC_LIST));
    EXPECT_EQ(0, list.InsertColumn(0, "Name", LVCFMT_LEFT, 100));
    EXPECT_EQ(1, list.InsertColumn(1, "Rank", LVCFMT_RIGHT, 60));
    EXPECT_EQ(2, list.GetHeaderCtrl()->GetItemCount());

    const struct { const char* name; const char* rank; } rows[] = {{"delta", "4"}, {"alpha", "1"}, {"charlie", "3"}, {"bravo", "2"}};
    for (const auto& row : rows)
    {
        int nItem = list.InsertItem(list.GetItemCount(), row.name);
        list.SetItemText(nItem, 1, row.rank);
        list.SetItemData(nItem, row.rank[0] - '0');
    }
    char szBuffer[16];
    EXPECT_EQ(7, list.GetItemText(2, 0, szBuffer, sizeof(szBuffer)));
    EXPECT_STREQ("charlie", szBuffer);
    EXPECT_EQ(3u, list.GetItemData(2));

    ASSERT_TRUE(list.SortItems(&CompareByData, 1));
    EXPECT_EQ((std::vector<CString>{"alpha", "bravo", "charlie", "delta"}), ColumnTexts(list, 0));
    EXPECT_EQ((std::vector<CString>{"1", "2", "3", "4"}), ColumnTexts(list, 1));
    ASSERT_TRUE(list.SortItems(&CompareByData, -1));
    EXPECT_EQ((std::vector<CString>{"delta", "charlie", "bravo", "alpha"}), ColumnTexts(list, 0));

    // a text longer than the first buffer GetItemText tries
    const CString longText('x', 700);
    list.SetItemText(0, 1, longText);
    EXPECT_EQ(longText, list.GetItemText(0, 1));

    LVFINDINFO find = {};
    find.flags = LVFI_STRING;
    find.psz = "bravo";
    EXPECT_EQ(2, list.FindItem(&find));

    for (int nItem : {1, 3})
        list.SetItemState(nItem, LVIS_SELECTED, LVIS_SELECTED);
    std::vector<int> selected;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;)
        selected.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ((std::vector<int>{1, 3}), selected);
    EXPECT_EQ(2u, list.GetSelectedCount());

    CRect rcItem;
    ASSERT_TRUE(list.GetItemRect(2, &rcItem, LVIR_LABEL));
    UINT nFlags = 0;
    EXPECT_EQ(2, list.HitTest(rcItem.CenterPoint(), &nFlags));
    EXPECT_TRUE(nFlags & LVHT_ONITEMLABEL);
    CRect rcBounds, rcSubItem;
    ASSERT_TRUE(list.GetItemRect(2, &rcBounds, LVIR_BOUNDS));
    ASSERT_TRUE(list.GetSubItemRect(2, 1, LVIR_BOUNDS, rcSubItem));
    EXPECT_EQ(list.GetColumnWidth(0), rcSubItem.left - rcBounds.left);

    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_CHECKBOXES);
    const struct { int nItem; BOOL bCheck; } checks[] = {{0, TRUE}, {1, FALSE}, {2, TRUE}, {0, FALSE}};
    for (const auto& check : checks)
    {
        ASSERT_TRUE(list.SetCheck(check.nItem, check.bCheck)) << check.nItem;
        EXPECT_EQ(check.bCheck, list.GetCheck(check.nItem)) << check.nItem;
    }

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(3, list.GetItemCount());
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(0, list.GetItemCount());
}

TEST_F(ControlsListCtrl, ImageListOwnedByAnObjectOutlivesTheControl)
{
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1));
    images.Add(::LoadIconA(NULL, IDI_APPLICATION));
    {
        CListCtrl list;
        ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, rcControl, &parent, IDC_LIST));
        EXPECT_EQ(NULL, list.SetImageList(&images, LVSIL_SMALL));
        EXPECT_EQ(&images, list.GetImageList(LVSIL_SMALL));
    }
    EXPECT_EQ(1, ImageList_GetImageCount(images.m_hImageList));
}

// ---- tree view -------------------------------------------------------------------------------

namespace {

std::vector<CString> ChildTexts(const CTreeCtrl& tree, HTREEITEM hParent)
{
    std::vector<CString> texts;
    for (HTREEITEM hItem = tree.GetChildItem(hParent); hItem; hItem = tree.GetNextSiblingItem(hItem))
        texts.push_back(tree.GetItemText(hItem));
    return texts;
}

}  // namespace

TEST_F(ControlsTreeCtrl, InsertNavigateSortExpandAndHitTest)
{
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, rcControl, &parent, IDC_OTHER));
    HTREEITEM hRoot = tree.InsertItem("root");
    HTREEITEM hCharlie = tree.InsertItem("charlie", hRoot);
    HTREEITEM hAlpha = tree.InsertItem("alpha", hRoot);
    HTREEITEM hDelta = tree.InsertItem("delta", 1, 2, hRoot, TVI_FIRST);
    HTREEITEM hBravo = tree.InsertItem(TVIF_TEXT | TVIF_PARAM, "bravo", 0, 0, 0, 0, 42, hRoot, TVI_LAST);
    ASSERT_TRUE(hRoot && hCharlie && hAlpha && hDelta && hBravo);

    EXPECT_EQ(5u, tree.GetCount());
    EXPECT_EQ(hRoot, tree.GetRootItem());
    EXPECT_EQ(hRoot, tree.GetParentItem(hAlpha));
    EXPECT_EQ(hDelta, tree.GetChildItem(hRoot));
    EXPECT_EQ(hCharlie, tree.GetPrevSiblingItem(hAlpha));
    EXPECT_TRUE(tree.ItemHasChildren(hRoot));
    EXPECT_FALSE(tree.ItemHasChildren(hAlpha));
    EXPECT_EQ(42u, tree.GetItemData(hBravo));
    int nImage = 0, nSelectedImage = 0;
    EXPECT_TRUE(tree.GetItemImage(hDelta, nImage, nSelectedImage));
    EXPECT_EQ(1, nImage);
    EXPECT_EQ(2, nSelectedImage);
    EXPECT_EQ((std::vector<CString>{"delta", "charlie", "alpha", "bravo"}), ChildTexts(tree, hRoot));

    EXPECT_TRUE(tree.SortChildren(hRoot));
    EXPECT_EQ((std::vector<CString>{"alpha", "bravo", "charlie", "delta"}), ChildTexts(tree, hRoot));

    CRect rc;
    EXPECT_FALSE(tree.GetItemRect(hBravo, &rc, TRUE));   // hidden under the collapsed root
    EXPECT_TRUE(tree.Expand(hRoot, TVE_EXPAND));
    EXPECT_TRUE(tree.GetItemState(hRoot, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_EQ(hAlpha, tree.GetNextVisibleItem(hRoot));
    ASSERT_TRUE(tree.GetItemRect(hBravo, &rc, TRUE));
    UINT nFlags = 0;
    EXPECT_EQ(hBravo, tree.HitTest(rc.CenterPoint(), &nFlags));
    EXPECT_TRUE(nFlags & TVHT_ONITEMLABEL);

    EXPECT_TRUE(tree.SelectItem(hCharlie));
    EXPECT_EQ(hCharlie, tree.GetSelectedItem());
    EXPECT_TRUE(tree.SetItemText(hCharlie, "renamed"));
    EXPECT_EQ(CString("renamed"), tree.GetItemText(hCharlie));
    EXPECT_TRUE(tree.DeleteItem(hCharlie));
    EXPECT_EQ(4u, tree.GetCount());
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(0u, tree.GetCount());
}

TEST_F(ControlsTreeCtrl, CheckBoxesAreStateImages)
{
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_VISIBLE | TVS_CHECKBOXES, rcControl, &parent, IDC_OTHER));
    HTREEITEM hItem = tree.InsertItem("item");
    EXPECT_FALSE(tree.GetCheck(hItem));
    for (BOOL bCheck : {TRUE, FALSE, TRUE})
    {
        EXPECT_TRUE(tree.SetCheck(hItem, bCheck));
        EXPECT_EQ(bCheck, tree.GetCheck(hItem)) << bCheck;
    }
}

// ---- image lists -----------------------------------------------------------------------------

namespace {

// The pixels of one image drawn on white.
std::vector<DWORD> ImagePixels(CImageList& images, int nImage)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = 16;
    bmi.bmiHeader.biHeight = -16;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    lumtest::GdiPtr<HBITMAP> bitmap(::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0));
    CDC dc;
    dc.Attach(::CreateCompatibleDC(NULL));
    HGDIOBJ hOld = ::SelectObject(dc, bitmap.get());
    ::PatBlt(dc, 0, 0, 16, 16, WHITENESS);
    images.Draw(&dc, nImage, CPoint(0, 0), ILD_NORMAL);
    ::GdiFlush();
    ::SelectObject(dc, hOld);
    return std::vector<DWORD>((DWORD*)pBits, (DWORD*)pBits + 16 * 16);
}

}  // namespace

TEST(ControlsImageList, CreateAddCopyMergeAndHandleMap)
{
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4));
    EXPECT_EQ(0, images.Add(::LoadIconA(NULL, IDI_APPLICATION)));
    EXPECT_EQ(1, images.Add(::LoadIconA(NULL, IDI_ERROR)));
    EXPECT_EQ(2, images.GetImageCount());
    const std::vector<DWORD> application = ImagePixels(images, 0), error = ImagePixels(images, 1);
    ASSERT_NE(application, error);

    EXPECT_TRUE(images.Copy(0, &images, 1));
    EXPECT_EQ(error, ImagePixels(images, 0));
    EXPECT_EQ(error, ImagePixels(images, 1));
    EXPECT_EQ(2, images.GetImageCount());

    CImageList merged, duplicate;
    ASSERT_TRUE(merged.Create(images, 0, images, 1, 0, 0));
    EXPECT_EQ(1, merged.GetImageCount());
    ASSERT_TRUE(duplicate.Create(&images));
    EXPECT_EQ(2, duplicate.GetImageCount());

    EXPECT_EQ(&images, CImageList::FromHandle(images));
    HIMAGELIST hForeign = ImageList_Create(8, 8, ILC_COLOR, 0, 1);
    CImageList* pTemp = CImageList::FromHandle(hForeign);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(hForeign, pTemp->GetSafeHandle());
    EXPECT_EQ(nullptr, CImageList::FromHandlePermanent(hForeign));
    CImageList::DeleteTempMap();
    EXPECT_TRUE(ImageList_Destroy(hForeign));   // the temporary wrapper left the list alone

    HIMAGELIST hDetached = duplicate.Detach();
    EXPECT_EQ(nullptr, CImageList::FromHandlePermanent(hDetached));
    EXPECT_EQ(nullptr, duplicate.GetSafeHandle());
    EXPECT_TRUE(duplicate.Attach(hDetached));
    EXPECT_EQ(&duplicate, CImageList::FromHandlePermanent(hDetached));
}

TEST(ControlsImageList, BitmapResourceIsFoundThroughTheResourceChain)
{
    // comctl32 carries the standard toolbar bitmaps; the application does not.
    const LPCTSTR lpszStdSmall = MAKEINTRESOURCE(120);
    HINSTANCE hComctl = ::GetModuleHandleA("comctl32.dll");
    ASSERT_TRUE(::FindResourceA(hComctl, lpszStdSmall, RT_BITMAP));

    CImageList missing;
    EXPECT_FALSE(missing.Create(lpszStdSmall, 16, 1, RGB(192, 192, 192)));
    CDynLinkLibrary library(hComctl, hComctl);
    CImageList found;
    ASSERT_TRUE(found.Create(120, 16, 1, RGB(192, 192, 192)));
    EXPECT_GT(found.GetImageCount(), 1);
}

// ---- small controls --------------------------------------------------------------------------

TEST_F(ControlsSpinButton, BuddyEditShowsAndFeedsThePosition)
{
    CEdit edit;
    CSpinButtonCtrl spin;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, CRect(10, 10, 110, 34), &parent, IDC_OTHER));
    ASSERT_TRUE(spin.Create(WS_VISIBLE | UDS_SETBUDDYINT | UDS_NOTHOUSANDS | UDS_ARROWKEYS, CRect(110, 10, 130, 34), &parent, IDC_OTHER + 1));
    spin.SetBuddy(&edit);
    EXPECT_EQ(&edit, spin.GetBuddy());

    spin.SetRange32(-100, 100000);
    int nLower = 0, nUpper = 0;
    spin.GetRange32(nLower, nUpper);
    EXPECT_EQ(-100, nLower);
    EXPECT_EQ(100000, nUpper);
    const struct { int nPos; const char* text; } positions[] = {{250, "250"}, {-100, "-100"}, {70000, "70000"}};
    for (const auto& pos : positions)
    {
        spin.SetPos32(pos.nPos);
        CString text;
        edit.GetWindowText(text);
        EXPECT_EQ(CString(pos.text), text) << pos.nPos;
        EXPECT_EQ(pos.nPos, spin.GetPos32()) << pos.nPos;
    }
    edit.SetWindowText("42");
    BOOL bError = TRUE;
    EXPECT_EQ(42, spin.GetPos32(&bError));
    EXPECT_FALSE(bError);

    spin.SetRange(-5, 5);
    spin.GetRange(nLower, nUpper);
    EXPECT_EQ(-5, nLower);
    EXPECT_EQ(5, nUpper);
    EXPECT_EQ(10, spin.SetBase(16));
    EXPECT_EQ(16u, spin.GetBase());
    UDACCEL accel[2] = {{0, 1}, {2, 10}}, read[2] = {};
    EXPECT_TRUE(spin.SetAccel(2, accel));
    EXPECT_EQ(2u, spin.GetAccel(2, read));
    EXPECT_EQ(10u, read[1].nInc);
}

// ---- leaks -----------------------------------------------------------------------------------

namespace {

// One of every control, with image lists, drag images and tools, then all destroyed.
void CreateAndDestroyControls(CWnd* pParent)
{
    CImageList images;
    images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1);
    images.Add(::LoadIconA(NULL, IDI_APPLICATION));

    CButton button;
    CStatic label;
    CEdit edit;
    CListBox listBox;
    CComboBox combo;
    CScrollBar scrollBar;
    CListCtrl list;
    CTreeCtrl tree;
    CHeaderCtrl header;
    CSpinButtonCtrl spin;
    CSliderCtrl slider;
    CProgressCtrl progress;
    CToolTipCtrl tip;
    button.Create("b", WS_VISIBLE, CRect(0, 0, 50, 20), pParent, IDC_BUTTON);
    label.Create("s", WS_VISIBLE, CRect(0, 20, 50, 40), pParent);
    edit.Create(WS_VISIBLE | WS_BORDER, CRect(0, 40, 50, 60), pParent, IDC_OTHER);
    listBox.Create(WS_VISIBLE | LBS_HASSTRINGS, CRect(0, 60, 50, 120), pParent, IDC_OTHER + 1);
    listBox.AddString("item");
    combo.Create(WS_VISIBLE | CBS_DROPDOWN, CRect(0, 120, 50, 200), pParent, IDC_OTHER + 2);
    combo.AddString("item");
    scrollBar.Create(WS_VISIBLE | SBS_HORZ, CRect(0, 200, 50, 220), pParent, IDC_OTHER + 3);
    list.Create(WS_VISIBLE | LVS_REPORT, CRect(60, 0, 260, 100), pParent, IDC_LIST);
    list.SetExtendedStyle(LVS_EX_CHECKBOXES);
    list.SetImageList(&images, LVSIL_SMALL);
    list.InsertColumn(0, "column", LVCFMT_LEFT, 80);
    list.InsertItem(0, "item", 0);
    POINT pt;
    delete list.CreateDragImage(0, &pt);
    tree.Create(WS_VISIBLE | TVS_HASLINES, CRect(60, 100, 260, 200), pParent, IDC_OTHER + 4);
    tree.SetImageList(&images, TVSIL_NORMAL);
    HTREEITEM hItem = tree.InsertItem("item", 0, 0);
    delete tree.CreateDragImage(hItem);
    header.Create(WS_VISIBLE, CRect(260, 0, 400, 20), pParent, IDC_OTHER + 5);
    spin.Create(WS_VISIBLE | UDS_SETBUDDYINT, CRect(260, 20, 280, 40), pParent, IDC_OTHER + 6);
    spin.SetBuddy(&edit);
    slider.Create(WS_VISIBLE, CRect(260, 40, 400, 60), pParent, IDC_OTHER + 7);
    progress.Create(WS_VISIBLE, CRect(260, 60, 400, 80), pParent, IDC_OTHER + 8);
    tip.Create(pParent);
    tip.AddTool(&button, "tip");
    pParent->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace

TEST_F(ControlsLeaks, CreateDestroyCyclesLeaveWindowsAndGdiSlotsUnchanged)
{
    CreateAndDestroyControls(&parent);   // the first use loads classes, fonts and caches once
    lumtest::PumpIdle();
    AfxUnlockTempMaps();
    const int nWindows = lumtest::CountProcessWindows();
    lumtest::GdiLeakCheck gdi;

    for (int i = 0; i < 30; i++)
        CreateAndDestroyControls(&parent);
    lumtest::PumpIdle();
    AfxUnlockTempMaps();
    EXPECT_EQ(nWindows, lumtest::CountProcessWindows());
}
