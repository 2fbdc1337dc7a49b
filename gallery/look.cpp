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

void FillSolid(HDC hDC, const RECT& rect, COLORREF color)
{
    COLORREF old = ::SetBkColor(hDC, color);
    ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &rect, NULL, 0, NULL);
    ::SetBkColor(hDC, old);
}

void DrawLabel(HDC hDC, CFont& font, COLORREF color, LPCTSTR lpszText, RECT rect, UINT nFormat)
{
    HGDIOBJ hOldFont = ::SelectObject(hDC, font);
    COLORREF oldColor = ::SetTextColor(hDC, color);
    int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
    ::DrawTextA(hDC, lpszText, -1, &rect, nFormat | DT_NOPREFIX);
    ::SetBkMode(hDC, nOldMode);
    ::SetTextColor(hDC, oldColor);
    ::SelectObject(hDC, hOldFont);
}

}  // namespace look
