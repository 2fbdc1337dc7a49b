// The gallery's own look: its colours, fonts and the two drawing primitives the shell and the
// pages share.
#pragma once
#include <afxwin.h>

namespace look {

constexpr COLORREF kBand = RGB(36, 42, 54);          // title band across the top
constexpr COLORREF kBandText = RGB(255, 255, 255);
constexpr COLORREF kBandSubtext = RGB(150, 162, 182);
constexpr COLORREF kPanel = RGB(226, 230, 237);      // page list
constexpr COLORREF kPanelText = RGB(52, 58, 70);
constexpr COLORREF kAccent = RGB(0, 112, 204);
constexpr COLORREF kRule = RGB(198, 204, 214);
constexpr COLORREF kHeading = RGB(28, 32, 40);
constexpr COLORREF kMuted = RGB(138, 145, 158);

inline COLORREF PageColor() { return ::GetSysColor(COLOR_3DFACE); }

void CreateUiFont(CFont& font, int nPixelHeight, int nWeight = FW_NORMAL);
void FillSolid(HDC hDC, const RECT& rect, COLORREF color);
void DrawLabel(HDC hDC, CFont& font, COLORREF color, LPCTSTR lpszText, RECT rect, UINT nFormat);

}  // namespace look
