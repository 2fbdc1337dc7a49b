#include "shots.h"
#include <ctype.h>
#include <fstream>

CString ShotPath(LPCTSTR lpszDir, int nPage, LPCTSTR lpszTitle)
{
    CString slug;
    bool bGap = false;
    for (LPCTSTR p = lpszTitle; *p; ++p)
    {
        unsigned char ch = (unsigned char)*p;
        if (isalnum(ch))
        {
            if (bGap && !slug.IsEmpty())
                slug += '-';
            slug += (char)tolower(ch);
            bGap = false;
        }
        else
            bGap = true;
    }
    CString path;
    path.Format("%s\\%02d-%s.bmp", lpszDir, nPage + 1, (LPCTSTR)slug);
    return path;
}

namespace {

// Rows of a 24-bit DIB are padded to four bytes.
DWORD RowBytes(int nWidth) { return ((DWORD)nWidth * 3 + 3) & ~3u; }

BOOL WriteBmp(LPCTSTR lpszPath, const BITMAPINFOHEADER& header, const void* pBits)
{
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;   // "BM"
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + header.biSizeImage;
    std::ofstream out(lpszPath, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(static_cast<const char*>(pBits), header.biSizeImage);
    out.close();
    return !out.fail();
}

}  // namespace

BOOL SaveWindowBitmap(CWnd* pWnd, LPCTSTR lpszPath)
{
    CRect rect;
    pWnd->GetClientRect(&rect);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = rect.Width();
    bmi.bmiHeader.biHeight = rect.Height();   // bottom-up, as a BMP file stores it
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 24;
    bmi.bmiHeader.biCompression = BI_RGB;
    bmi.bmiHeader.biSizeImage = RowBytes(rect.Width()) * rect.Height();

    CClientDC windowDC(pWnd);
    void* pBits = NULL;
    CBitmap bitmap;
    bitmap.Attach(::CreateDIBSection(windowDC, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0));
    CDC memDC;
    if (!bitmap.GetSafeHandle() || !memDC.CreateCompatibleDC(&windowDC))
        return FALSE;
    CBitmap* pOld = memDC.SelectObject(&bitmap);
    BOOL bCopied = memDC.BitBlt(0, 0, rect.Width(), rect.Height(), &windowDC, 0, 0, SRCCOPY);
    memDC.SelectObject(pOld);
    ::GdiFlush();
    return bCopied && WriteBmp(lpszPath, bmi.bmiHeader, pBits);
}

void DispatchPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
        {
            ::PostQuitMessage((int)msg.wParam);
            return;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
