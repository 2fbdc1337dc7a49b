// The gallery's own look: its colours, its font and how it writes a label.
#pragma once
#include <afxwin.h>

namespace look {

constexpr COLORREF kBand = RGB(36, 42, 54);          // title band across the top
constexpr COLORREF kBandText = RGB(255, 255, 255);
constexpr COLORREF kBandSubtext = RGB(150, 162, 182);
constexpr COLORREF kPanel = RGB(226, 230, 237);      // page selector
constexpr COLORREF kPanelText = RGB(52, 58, 70);
constexpr COLORREF kAccent = RGB(0, 112, 204);
constexpr COLORREF kRule = RGB(198, 204, 214);
constexpr COLORREF kHeading = RGB(28, 32, 40);
constexpr COLORREF kMuted = RGB(138, 145, 158);

inline COLORREF PageColor() { return ::GetSysColor(COLOR_3DFACE); }

void CreateUiFont(CFont& font, int nPixelHeight, int nWeight = FW_NORMAL);
void DrawLabel(CDC& dc, CFont& font, COLORREF color, LPCTSTR lpszText, CRect rect, UINT nFormat);

}  // namespace look
