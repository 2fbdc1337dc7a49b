// Screenshot mode: pictures of the gallery window as 24-bit BMP files.
#pragma once
#include <afxwin.h>

// "<dir>\<nn>-<slug>.bmp": nn counts pages from 01, the slug is the title in lower case with
// every run of other characters turned into one '-'.
CString ShotPath(LPCTSTR lpszDir, int nPage, LPCTSTR lpszTitle);

// Copies what the screen shows of the window into a BMP file: its client area, everything the
// window draws itself. (Under Wine the caption and frame belong to the window manager and are
// not part of the window's pixels.)
BOOL SaveWindowBitmap(CWnd* pWnd, LPCTSTR lpszPath);

// Dispatches what is already queued, so posted work finishes before a picture is taken.
void DispatchPending();
