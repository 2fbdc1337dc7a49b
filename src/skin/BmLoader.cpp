#include "skin/BmLoader.h"

BMLOADER::BMLOADER() : m_hBitmap(NULL) {}

BMLOADER::BMLOADER(BMLOADER& src) : m_hBitmap(src.Detach()) {}

BMLOADER& BMLOADER::operator=(BMLOADER& src)
{
    if (m_hBitmap != src.m_hBitmap)
        Attach(src.Detach());
    return *this;
}

BMLOADER::~BMLOADER() { Delete(); }

BOOL BMLOADER::LoadFromResource(HINSTANCE hInstance, WORD nID)
{
    Delete();
    m_hBitmap = (HBITMAP)::LoadImageA(hInstance, MAKEINTRESOURCEA(nID), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    return m_hBitmap != NULL;
}

BOOL BMLOADER::LoadFromResource(LPCSTR lpszName)
{
    // The library is an extension module: the current module state is the application's.
    Delete();
    m_hBitmap = (HBITMAP)::LoadImageA(AfxGetModuleState()->m_hCurrentInstanceHandle, lpszName, IMAGE_BITMAP, 0, 0,
                                      LR_CREATEDIBSECTION);
    return m_hBitmap != NULL;
}

BOOL BMLOADER::LoadFromFile(const char* lpszPath)
{
    CString path;
    path.Format("%s", lpszPath ? lpszPath : "");
    if (path.IsEmpty() || !LumSkinFileExists(path))
        return FALSE;
    Delete();
    m_hBitmap = (HBITMAP)::LoadImageA(NULL, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    return m_hBitmap != NULL;
}

BOOL BMLOADER::Attach(HBITMAP hBitmap)
{
    if (hBitmap != m_hBitmap)
        Delete();
    m_hBitmap = hBitmap;
    return TRUE;
}

HBITMAP BMLOADER::Detach()
{
    HBITMAP hBitmap = m_hBitmap;
    m_hBitmap = NULL;
    return hBitmap;
}

void BMLOADER::Delete()
{
    if (m_hBitmap)
        ::DeleteObject(m_hBitmap);
    m_hBitmap = NULL;
}

void BMLOADER::GetSize(int& nWidth, int& nHeight) const
{
    BITMAP bm = {};
    if (m_hBitmap)
        ::GetObjectA(m_hBitmap, sizeof(bm), &bm);
    nWidth = bm.bmWidth;
    nHeight = bm.bmHeight;
}

void AFXAPI LumShowFileNotFound(const char* lpszPath)
{
    CString text;
    text.Format("%s %s", lpszPath, "File not found!");
    ::MessageBoxA(NULL, text, "Warning", MB_OK);
}

BOOL AFXAPI LumSkinFileExists(const char* lpszPath)
{
    CFileFind finder;
    if (finder.FindFile(lpszPath))
        return TRUE;
    LumShowFileNotFound(lpszPath);
    return FALSE;
}
