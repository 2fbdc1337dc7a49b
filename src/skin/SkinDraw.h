// Regions cut from skin bitmaps, masked drawing and tiling: the routines the skinned controls
// expose as members.
#pragma once
#include <afxwin.h>

namespace lumskin {

// Region of the pixels whose channels are not all within [c, c + tolerance] of the transparent
// colour. Fast: reads a 32-bit copy of the bitmap. NULL without a bitmap or when no DC/DIB can be made.
AFX_EXT_API HRGN BitmapToRegion(HBITMAP hBitmap, COLORREF transparent, COLORREF tolerance);

// Region of the pixels that differ exactly from the transparent colour, read one by one.
AFX_EXT_API HRGN CreateRgnFromBitmap(HWND hWnd, HBITMAP hBitmap, COLORREF transparent);

// Tiles the rectangle with the bitmap from its top-left corner, clipped to the rectangle.
AFX_EXT_API void FillWithBitmap(CDC* pDC, HBITMAP hBitmap, RECT rect);

AFX_EXT_API int GetBitmapWidth(HBITMAP hBitmap);
AFX_EXT_API int GetBitmapHeight(HBITMAP hBitmap);

// Makes a monochrome mask of the transparent colour (0xFF000000: the colour at x, y) and blacks
// that colour out in the source, so the source can be drawn with DrawTransparentBitmap.
AFX_EXT_API void PrepareMask(CBitmap* pSource, CBitmap* pMask, COLORREF transparent, int x, int y);
AFX_EXT_API void DrawTransparentBitmap(CDC* pDC, int x, int y, int w, int h, CDC* pSourceDC, int sx, int sy, CBitmap* pMask);
AFX_EXT_API void DrawBitmap(CDC* pDC, int x, int y, int w, int h, CDC* pSourceDC, int sx, int sy, CBitmap* pMask, int transparent);
AFX_EXT_API void CopyBackground(CDC* pDC, int x, int y, int w, int h, CBitmap* pStore);
AFX_EXT_API void RestoreBackground(CDC* pDC, int x, int y, int w, int h, CBitmap* pStore);

}  // namespace lumskin
