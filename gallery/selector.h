// The page selector on the left of the gallery: an owner-drawn list of the page titles, the
// current page's entry drawn as a tab of the page area.
#pragma once
#include <afxwin.h>

class CPageSelector : public CListBox
{
public:
    CPageSelector();

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

private:
    CFont m_font;
    CFont m_fontSelected;
    CBrush m_brushPanel;
};
