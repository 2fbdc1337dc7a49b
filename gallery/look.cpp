#include "look.h"

namespace look {

void CreateUiFont(CFont& font, int nPixelHeight, int nWeight)
{
    LOGFONT lf = {};
    lf.lfHeight = -nPixelHeight;
    lf.lfWeight = nWeight;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = ANTIALIASED_QUALITY;
    lstrcpynA(lf.lfFaceName, "Tahoma", LF_FACESIZE);
    font.CreateFontIndirect(&lf);
}

void DrawLabel(CDC& dc, CFont& font, COLORREF color, LPCTSTR lpszText, CRect rect, UINT nFormat)
{
    CFont* pOldFont = dc.SelectObject(&font);
    COLORREF oldColor = dc.SetTextColor(color);
    int nOldMode = dc.SetBkMode(TRANSPARENT);
    dc.DrawText(lpszText, -1, &rect, nFormat | DT_NOPREFIX);
    dc.SetBkMode(nOldMode);
    dc.SetTextColor(oldColor);
    dc.SelectObject(pOldFont);
}

}  // namespace look
