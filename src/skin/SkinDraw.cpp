#include "skin/SkinDraw.h"
#include <algorithm>
#include <vector>

namespace lumskin {

namespace {

const LONG kNoBound = 0x7FFFFFFF;
const DWORD kBatch = 2000;      // rectangles handed to ExtCreateRegion at once
const DWORD kGrowStep = 100;    // rectangles the buffer grows by

// A growing RGNDATA block in movable global memory, flushed into a region every kBatch rectangles.
class RegionBuilder
{
public:
    RegionBuilder() : m_capacity(kGrowStep)
    {
        m_hData = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(RGNDATAHEADER) + sizeof(RECT) * m_capacity);
        Lock();
        if (m_pData)
        {
            m_pData->rdh.dwSize = sizeof(RGNDATAHEADER);
            m_pData->rdh.iType = RDH_RECTANGLES;
            m_pData->rdh.nRgnSize = 0;
            ResetBatch();
        }
    }
    ~RegionBuilder()
    {
        if (m_hRgn)
            ::DeleteObject(m_hRgn);
        if (m_hData)
        {
            ::GlobalUnlock(m_hData);
            ::GlobalFree(m_hData);
        }
    }
    bool IsValid() const { return m_pData != nullptr; }

    void Add(LONG left, LONG top, LONG right, LONG bottom)
    {
        if (m_pData->rdh.nCount >= m_capacity && !Grow())
            return;
        RECT& r = reinterpret_cast<RECT*>(m_pData->Buffer)[m_pData->rdh.nCount++];
        ::SetRect(&r, left, top, right, bottom);
        RECT& bound = m_pData->rdh.rcBound;
        bound.left = left < bound.left ? left : bound.left;
        bound.top = top < bound.top ? top : bound.top;
        bound.right = right > bound.right ? right : bound.right;
        bound.bottom = bottom > bound.bottom ? bottom : bound.bottom;
        if (m_pData->rdh.nCount == kBatch)
            Flush();
    }

    // The region of everything added; the caller owns it.
    HRGN Finish()
    {
        Flush();
        HRGN hRgn = m_hRgn;
        m_hRgn = NULL;
        return hRgn;
    }

private:
    void Lock() { m_pData = static_cast<RGNDATA*>(::GlobalLock(m_hData)); }

    bool Grow()
    {
        ::GlobalUnlock(m_hData);
        HGLOBAL hNew = ::GlobalReAlloc(m_hData, sizeof(RGNDATAHEADER) + sizeof(RECT) * (m_capacity + kGrowStep), GMEM_MOVEABLE);
        if (hNew)
        {
            m_hData = hNew;
            m_capacity += kGrowStep;
        }
        Lock();
        return hNew != NULL;
    }

    void ResetBatch()
    {
        m_pData->rdh.nCount = 0;
        ::SetRect(&m_pData->rdh.rcBound, kNoBound, kNoBound, 0, 0);
    }

    void Flush()
    {
        HRGN hNew = ::ExtCreateRegion(NULL, sizeof(RGNDATAHEADER) + sizeof(RECT) * m_capacity, m_pData);
        if (m_hRgn && hNew)
        {
            ::CombineRgn(m_hRgn, m_hRgn, hNew, RGN_OR);
            ::DeleteObject(hNew);
        }
        else if (hNew)
            m_hRgn = hNew;
        ResetBatch();
    }

    HGLOBAL m_hData = NULL;
    RGNDATA* m_pData = nullptr;
    DWORD m_capacity;
    HRGN m_hRgn = NULL;
};

// A memory DC with one object selected, both restored and freed when it goes.
class MemoryDC
{
public:
    explicit MemoryDC(HDC hCompatible) : m_hDC(::CreateCompatibleDC(hCompatible)) {}
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    ~MemoryDC()
    {
        if (m_hOld)
            ::SelectObject(m_hDC, m_hOld);
        if (m_hDC)
            ::DeleteDC(m_hDC);
    }
    void Select(HGDIOBJ hObject)
    {
        HGDIOBJ hOld = ::SelectObject(m_hDC, hObject);
        if (!m_hOld)
            m_hOld = hOld;
    }
    operator HDC() const { return m_hDC; }

private:
    HDC m_hDC;
    HGDIOBJ m_hOld = NULL;
};

BITMAP BitmapInfo(HBITMAP hBitmap)
{
    BITMAP bm = {};
    if (hBitmap)
        ::GetObjectA(hBitmap, sizeof(bm), &bm);
    return bm;
}

}  // namespace

HRGN BitmapToRegion(HBITMAP hBitmap, COLORREF transparent, COLORREF tolerance)
{
    if (!hBitmap)
        return NULL;
    MemoryDC dibDC(NULL);
    if (!(HDC)dibDC)
        return NULL;
    BITMAP bm = BitmapInfo(hBitmap);
    BITMAPINFOHEADER header = {sizeof(BITMAPINFOHEADER), bm.bmWidth, bm.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    HBITMAP hDib = ::CreateDIBSection(dibDC, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &pBits, NULL, 0);
    if (!hDib)
        return NULL;
    HRGN hRgn = NULL;
    {
        dibDC.Select(hDib);
        MemoryDC sourceDC((HDC)dibDC);
        if ((HDC)sourceDC)
        {
            BITMAP dib = BitmapInfo(hDib);
            LONG stride = (dib.bmWidthBytes + 3) & ~3;
            sourceDC.Select(hBitmap);
            ::BitBlt(dibDC, 0, 0, bm.bmWidth, bm.bmHeight, sourceDC, 0, 0, SRCCOPY);
            ::GdiFlush();

            BYTE lr = GetRValue(transparent), lg = GetGValue(transparent), lb = GetBValue(transparent);
            BYTE hr = (BYTE)std::min(255, lr + GetRValue(tolerance));
            BYTE hg = (BYTE)std::min(255, lg + GetGValue(tolerance));
            BYTE hb = (BYTE)std::min(255, lb + GetBValue(tolerance));
            auto isTransparent = [&](DWORD pixel) {
                BYTE r = (BYTE)(pixel >> 16), g = (BYTE)(pixel >> 8), b = (BYTE)pixel;
                return r >= lr && r <= hr && g >= lg && g <= hg && b >= lb && b <= hb;
            };

            RegionBuilder builder;
            if (builder.IsValid())
            {
                for (LONG y = 0; y < bm.bmHeight; y++)
                {
                    // Bottom-up DIB: picture row y lies at memory row height - 1 - y.
                    const DWORD* row = reinterpret_cast<const DWORD*>(static_cast<BYTE*>(pBits) + (bm.bmHeight - 1 - y) * stride);
                    for (LONG x = 0; x < bm.bmWidth; x++)
                    {
                        LONG x0 = x;
                        while (x < bm.bmWidth && !isTransparent(row[x]))
                            x++;
                        if (x > x0)
                            builder.Add(x0, y, x, y + 1);
                    }
                }
                hRgn = builder.Finish();
            }
        }
    }
    ::DeleteObject(hDib);
    return hRgn;
}

HRGN CreateRgnFromBitmap(HWND hWnd, HBITMAP hBitmap, COLORREF transparent)
{
    if (!hBitmap)
        return NULL;
    BITMAP bm = BitmapInfo(hBitmap);
    std::vector<RECT> rects;
    {
        HDC hWndDC = ::GetDC(hWnd);
        MemoryDC memDC(hWndDC);
        ::ReleaseDC(hWnd, hWndDC);
        memDC.Select(hBitmap);
        for (LONG i = 0; i < bm.bmHeight; i++)
        {
            LONG y = bm.bmHeight - 1 - i;
            LONG first = -1;
            for (LONG j = 0; j < bm.bmWidth; j++)
            {
                bool opaque = ::GetPixel(memDC, j, y) != transparent;
                if (opaque && first < 0)
                    first = j;
                if (!opaque && first >= 0)
                {
                    rects.push_back({first, y, j, y + 1});
                    first = -1;
                }
            }
            if (first >= 0)
                rects.push_back({first, y, bm.bmWidth, y + 1});
        }
    }
    HRGN hResult = ::CreateRectRgn(0, 0, 0, 0);
    for (const RECT& r : rects)
    {
        HRGN hRect = ::CreateRectRgn(r.left, r.top, r.right, r.bottom);
        ::CombineRgn(hResult, hResult, hRect, RGN_OR);
        ::DeleteObject(hRect);
    }
    return hResult;
}

void FillWithBitmap(CDC* pDC, HBITMAP hBitmap, RECT rect)
{
    if (!hBitmap)
        return;
    BITMAP bm = BitmapInfo(hBitmap);
    if (bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return;
    MemoryDC memDC(pDC->GetSafeHdc());
    memDC.Select(hBitmap);
    for (LONG y = rect.top; y < rect.bottom; y += bm.bmHeight)
        for (LONG x = rect.left; x < rect.right; x += bm.bmWidth)
            ::BitBlt(pDC->GetSafeHdc(), x, y, std::min<LONG>(bm.bmWidth, rect.right - x),
                     std::min<LONG>(bm.bmHeight, rect.bottom - y), memDC, 0, 0, SRCCOPY);
}

int GetBitmapWidth(HBITMAP hBitmap) { return BitmapInfo(hBitmap).bmWidth; }
int GetBitmapHeight(HBITMAP hBitmap) { return BitmapInfo(hBitmap).bmHeight; }

void PrepareMask(CBitmap* pSource, CBitmap* pMask, COLORREF transparent, int x, int y)
{
    BITMAP bm;
    pSource->GetBitmap(&bm);
    pMask->DeleteObject();
    pMask->CreateBitmap(bm.bmWidth, bm.bmHeight, 1, 1, NULL);

    MemoryDC sourceDC(NULL), maskDC(NULL);
    sourceDC.Select(pSource->GetSafeHandle());
    maskDC.Select(pMask->GetSafeHandle());
    if (transparent == 0xFF000000)
        transparent = ::GetPixel(sourceDC, x, y);

    COLORREF oldBk = ::SetBkColor(sourceDC, transparent);
    ::BitBlt(maskDC, 0, 0, bm.bmWidth, bm.bmHeight, sourceDC, 0, 0, SRCCOPY);
    COLORREF oldText = ::SetTextColor(sourceDC, RGB(255, 255, 255));
    ::SetBkColor(sourceDC, RGB(0, 0, 0));
    ::BitBlt(sourceDC, 0, 0, bm.bmWidth, bm.bmHeight, maskDC, 0, 0, SRCAND);
    ::SetTextColor(sourceDC, oldText);
    ::SetBkColor(sourceDC, oldBk);
}

void DrawTransparentBitmap(CDC* pDC, int x, int y, int w, int h, CDC* pSourceDC, int sx, int sy, CBitmap* pMask)
{
    MemoryDC maskDC(pDC->GetSafeHdc());
    maskDC.Select(pMask->GetSafeHandle());
    ::BitBlt(pDC->GetSafeHdc(), x, y, w, h, maskDC, sx, sy, SRCAND);
    ::BitBlt(pDC->GetSafeHdc(), x, y, w, h, pSourceDC->GetSafeHdc(), sx, sy, SRCPAINT);
}

void DrawBitmap(CDC* pDC, int x, int y, int w, int h, CDC* pSourceDC, int sx, int sy, CBitmap* pMask, int transparent)
{
    if (transparent)
        DrawTransparentBitmap(pDC, x, y, w, h, pSourceDC, sx, sy, pMask);
    else
        ::BitBlt(pDC->GetSafeHdc(), x, y, w, h, pSourceDC->GetSafeHdc(), sx, sy, SRCCOPY);
}

void CopyBackground(CDC* pDC, int x, int y, int w, int h, CBitmap* pStore)
{
    pStore->DeleteObject();
    pStore->CreateCompatibleBitmap(pDC, w, h);
    MemoryDC memDC(pDC->GetSafeHdc());
    memDC.Select(pStore->GetSafeHandle());
    ::BitBlt(memDC, 0, 0, w, h, pDC->GetSafeHdc(), x, y, SRCCOPY);
}

void RestoreBackground(CDC* pDC, int x, int y, int w, int h, CBitmap* pStore)
{
    MemoryDC memDC(pDC->GetSafeHdc());
    memDC.Select(pStore->GetSafeHandle());
    ::BitBlt(pDC->GetSafeHdc(), x, y, w, h, memDC, 0, 0, SRCCOPY);
}

}  // namespace lumskin
