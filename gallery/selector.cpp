#include "selector.h"
#include "look.h"

namespace {
constexpr int kTextIndent = 24;
constexpr int kAccentWidth = 4;
}

BEGIN_MESSAGE_MAP(CPageSelector, CListBox)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CPageSelector::CPageSelector()
{
    look::CreateUiFont(m_font, 14);
    look::CreateUiFont(m_fontSelected, 14, FW_BOLD);
    m_brushPanel.CreateSolidBrush(look::kPanel);
}

HBRUSH CPageSelector::CtlColor(CDC*, UINT)
{
    return m_brushPanel;   // below the last entry
}

void CPageSelector::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const DRAWITEMSTRUCT& item = *lpDrawItemStruct;
    if (item.itemID == (UINT)-1 || !(item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)))
        return;
    CDC* pDC = CDC::FromHandle(item.hDC);
    BOOL bSelected = (item.itemState & ODS_SELECTED) != 0;
    CRect rect(item.rcItem);
    pDC->FillSolidRect(&rect, bSelected ? look::PageColor() : look::kPanel);
    if (bSelected)
        pDC->FillSolidRect(rect.left, rect.top, kAccentWidth, rect.Height(), look::kAccent);
    CString title;
    GetText(item.itemID, title);
    rect.DeflateRect(kTextIndent, 0, 8, 0);
    look::DrawLabel(*pDC, bSelected ? m_fontSelected : m_font, look::kPanelText, title, rect,
                    DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}
