// BMLOADER - owns one skin bitmap, loaded from the application's resources or from a file.
#pragma once
#include <afxwin.h>

class AFX_EXT_CLASS BMLOADER
{
public:
    BMLOADER();
    BMLOADER(BMLOADER& src);              // takes the source's bitmap; the source becomes empty
    BMLOADER& operator=(BMLOADER& src);   // likewise, deleting the bitmap held before
    ~BMLOADER();

    // Resource ids name bitmaps of the application's executable, never of this library.
    BOOL LoadFromResource(HINSTANCE hInstance, WORD nID);
    BOOL LoadFromResource(LPCSTR lpszName);
    // A path that names no file shows the "File not found!" warning and keeps the bitmap held.
    BOOL LoadFromFile(const char* lpszPath);

    BOOL Attach(HBITMAP hBitmap);
    HBITMAP Detach();
    void Delete();
    void GetSize(int& nWidth, int& nHeight) const;
    BOOL IsLoaded() const { return m_hBitmap != NULL; }
    HBITMAP GetHandle() const { return m_hBitmap; }

private:
    HBITMAP m_hBitmap;
};

// The warning shown for a skin file that does not exist: the path, one space, "File not found!".
AFX_EXT_API void AFXAPI LumShowFileNotFound(const char* lpszPath);
// TRUE when the path names an existing file; otherwise shows the warning.
AFX_EXT_API BOOL AFXAPI LumSkinFileExists(const char* lpszPath);
