// The standard controls: creation, owner-draw reflection and the members that need more than one
// message.
#include "ctlimpl.h"

namespace {

// Offers an owner-drawn list or combo box's messages to its overridables.
template <class TControl>
BOOL OwnerDrawChildNotify(TControl* pControl, UINT message, LPARAM lParam, LRESULT* pResult)
{
    if (AfxDrawItemChildNotify(pControl, message, lParam, pResult))
        return TRUE;
    switch (message)
    {
    case WM_MEASUREITEM:
        pControl->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        break;
    case WM_COMPAREITEM:
        AfxSetResult(pResult, pControl->CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam)));
        return TRUE;
    case WM_DELETEITEM:
        pControl->DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        break;
    default:
        return FALSE;
    }
    AfxSetResult(pResult, TRUE);
    return TRUE;
}

// The text of a list or combo box item: LB_ERR and CB_ERR are both -1.
void GetItemString(const CWnd* pWnd, UINT nLenMsg, UINT nTextMsg, int nIndex, CString& rString)
{
    int nLen = (int)pWnd->SendMessage(nLenMsg, nIndex);
    if (nLen < 0)
    {
        rString.Empty();
        return;
    }
    pWnd->SendMessage(nTextMsg, nIndex, (LPARAM)rString.GetBufferSetLength(nLen));
    rString.ReleaseBuffer();
}

}  // namespace

// ---- CStatic ---------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CStatic, CWnd)

CStatic::~CStatic() { DestroyWindow(); }

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
}

void CStatic::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CStatic::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return AfxDrawItemChildNotify(this, message, lParam, pResult) || CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// ---- CButton ---------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CButton, CWnd)

CButton::~CButton() { DestroyWindow(); }

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return AfxDrawItemChildNotify(this, message, lParam, pResult) || CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// ---- CListBox --------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CListBox, CWnd)

CListBox::~CListBox() { DestroyWindow(); }

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("LISTBOX", NULL, dwStyle, rect, pParentWnd, nID);
}

void CListBox::GetText(int nIndex, CString& rString) const
{
    GetItemString(this, LB_GETTEXTLEN, LB_GETTEXT, nIndex, rString);
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CListBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void CListBox::DeleteItem(LPDELETEITEMSTRUCT) {}
int CListBox::VKeyToItem(UINT, UINT) { return -1; }
int CListBox::CharToItem(UINT, UINT) { return -1; }

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message)
    {
    case WM_VKEYTOITEM:
        AfxSetResult(pResult, VKeyToItem(LOWORD(wParam), HIWORD(wParam)));
        return TRUE;
    case WM_CHARTOITEM:
        AfxSetResult(pResult, CharToItem(LOWORD(wParam), HIWORD(wParam)));
        return TRUE;
    }
    return OwnerDrawChildNotify(this, message, lParam, pResult) || CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// ---- CComboBox -------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

CComboBox::~CComboBox() { DestroyWindow(); }

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("COMBOBOX", NULL, dwStyle, rect, pParentWnd, nID);
}

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    GetItemString(this, CB_GETLBTEXTLEN, CB_GETLBTEXT, nIndex, rString);
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void CComboBox::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return OwnerDrawChildNotify(this, message, lParam, pResult) || CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// ---- CEdit and CScrollBar ----------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CEdit, CWnd)

CEdit::~CEdit() { DestroyWindow(); }

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("EDIT", NULL, dwStyle, rect, pParentWnd, nID);
}

IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

CScrollBar::~CScrollBar() { DestroyWindow(); }

BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("SCROLLBAR", NULL, dwStyle, rect, pParentWnd, nID);
}
