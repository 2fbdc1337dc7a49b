// LumGifCtrl.cpp - the picture control: loading through the system's picture loader, the memory
// picture OnPaint copies to the screen, and the animation thread that draws frames into it.
#include "gif/LumGifCtrl.h"
#include <afxfile.h>
#include <olectl.h>
#include <process.h>
#include <type_traits>

namespace {

const DWORD kStopTimeout = 5000;    // ms Stop waits for the thread
const UINT kDefaultPause = 10;      // ms
const DWORD kShortDelay = 100;      // ms shown for a frame asking for less than 5 hundredths
const int kHimetricPerInch = 2540;

struct GlobalFreeDeleter
{
    void operator()(HGLOBAL h) const { ::GlobalFree(h); }
};
typedef std::unique_ptr<void, GlobalFreeDeleter> GlobalPtr;

struct DeleteObjectDeleter
{
    void operator()(HGDIOBJ h) const { ::DeleteObject(h); }
};
typedef std::unique_ptr<std::remove_pointer_t<HBRUSH>, DeleteObjectDeleter> BrushPtr;

SIZE HimetricSize(IPicture* pPicture)
{
    OLE_XSIZE_HIMETRIC cx = 0;
    OLE_YSIZE_HIMETRIC cy = 0;
    pPicture->get_Width(&cx);
    pPicture->get_Height(&cy);
    SIZE size = {cx, cy};
    return size;
}

// Draws the whole picture into the rectangle (x, y, cx, cy); IPicture takes its source bottom-up.
BOOL RenderPicture(IPicture* pPicture, HDC hDC, int x, int y, int cx, int cy)
{
    SIZE him = HimetricSize(pPicture);
    return SUCCEEDED(pPicture->Render(hDC, x, y, cx, cy, 0, him.cy, him.cx, -him.cy, NULL));
}

// Reads a picture with the system's loader; NULL when it refuses the data. With bDeleteOnRelease
// the memory belongs to the stream, and goes with it, from the call on.
LumPicturePtr LoadPicture(HGLOBAL hGlobal, DWORD dwSize, BOOL bDeleteOnRelease)
{
    IStream* pStream = NULL;
    if (FAILED(::CreateStreamOnHGlobal(hGlobal, bDeleteOnRelease, &pStream)))
    {
        if (bDeleteOnRelease)
            ::GlobalFree(hGlobal);
        return nullptr;
    }
    std::unique_ptr<IStream, LumComRelease> stream(pStream);
    IPicture* pPicture = NULL;
    if (FAILED(::OleLoadPicture(pStream, (LONG)dwSize, FALSE, IID_IPicture, (void**)&pPicture)))
        return nullptr;
    return LumPicturePtr(pPicture);
}

RECT FrameRect(const GifFrameInfo& frame)
{
    RECT rect = {frame.frameOffset.cx, frame.frameOffset.cy, frame.frameOffset.cx + frame.frameSize.cx,
                 frame.frameOffset.cy + frame.frameSize.cy};
    return rect;
}

// How long a frame stays, in ms. Its delay is in hundredths of a second; many files ask for 0 and
// mean "as fast as is sensible".
DWORD FrameDelay(const GifFrameInfo& frame)
{
    return frame.nDelay < 5 ? kShortDelay : frame.nDelay * 10;
}

void Repaint(HWND hWnd)
{
    if (hWnd)
        ::InvalidateRect(hWnd, NULL, FALSE);
}

}  // namespace

// ---- memory bitmap ----------------------------------------------------------------------------

BOOL CLumGifCtrl::CMemBitmap::Create(HDC hCompatibleDC, int nWidth, int nHeight)
{
    Delete();
    m_hDC = ::CreateCompatibleDC(hCompatibleDC);
    if (!m_hDC)
        return FALSE;
    m_hBitmap = ::CreateCompatibleBitmap(hCompatibleDC, nWidth, nHeight);
    if (!m_hBitmap)
    {
        Delete();
        return FALSE;
    }
    m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
    return TRUE;
}

void CLumGifCtrl::CMemBitmap::Delete()
{
    if (m_hOldBitmap)
        ::SelectObject(m_hDC, m_hOldBitmap);
    if (m_hDC)
        ::DeleteDC(m_hDC);
    if (m_hBitmap)
        ::DeleteObject(m_hBitmap);
    m_hDC = NULL;
    m_hBitmap = NULL;
    m_hOldBitmap = NULL;
}

// ---- the control ------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CLumGifCtrl, CWnd)

BEGIN_MESSAGE_MAP(CLumGifCtrl, CWnd)
    ON_WM_DESTROY()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CLumGifCtrl::CLumGifCtrl()
    : m_nFramePause(kDefaultPause), m_rcPaint(), m_nPictureWidth(0), m_nPictureHeight(0),
      m_clrBackground(RGB(255, 255, 255)), m_nCurrFrame(0), m_bPlaying(FALSE), m_bExitThread(FALSE),
      m_bReady(FALSE), m_bFirstFrameRun(FALSE), m_bDisposalPending(FALSE),
      m_hExitEvent(::CreateEventA(NULL, TRUE, FALSE, NULL))
{
}

CLumGifCtrl::~CLumGifCtrl()
{
    UnLoad();
}

BOOL CLumGifCtrl::SetFile(CString strFileName)
{
    UnLoad();
    CFile file;
    if (!file.Open(strFileName, CFile::modeRead | CFile::shareDenyWrite))
        return FALSE;
    ULONGLONG nLength = file.GetLength();
    if (nLength > MAXDWORD)
        return FALSE;
    DWORD dwSize = (DWORD)nLength;
    GlobalPtr hGlobal(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, dwSize));
    if (!hGlobal)
        return FALSE;
    void* pData = ::GlobalLock(hGlobal.get());
    if (!pData)
        return FALSE;
    try
    {
        file.Read(pData, dwSize);
    }
    catch (CFileException* e)
    {
        e->Delete();
        ::GlobalUnlock(hGlobal.get());
        return FALSE;
    }
    ::GlobalUnlock(hGlobal.get());
    file.Close();
    return Load(hGlobal.get(), dwSize);
}

BOOL CLumGifCtrl::Load(void* hGlobal, DWORD dwSize)
{
    UnLoad();
    const BYTE* pData = (const BYTE*)::GlobalLock(hGlobal);
    if (!pData)
        return FALSE;
    if (m_walker.Attach(pData, dwSize))
    {
        m_nPictureWidth = (int)m_walker.ScreenWidth();
        m_nPictureHeight = (int)m_walker.ScreenHeight();
        if (m_walker.FrameCount() >= 2)
            LoadFrames();
        m_walker.Detach();
    }
    ::GlobalUnlock(hGlobal);
    if (IsGIF() && m_walker.FrameCount() == 0)
        return FALSE;
    // A still: anything but a GIF, a single frame, or an animation whose frames the loader refused
    // but one. The loader reads a whole animation as its first picture, so that one still shows.
    if (m_frames.size() < 2)
    {
        m_frames.clear();
        if (!LoadStill(hGlobal, dwSize))
            return FALSE;
    }
    return PrepareDC(m_nPictureWidth, m_nPictureHeight);
}

BOOL CLumGifCtrl::LoadStill(HGLOBAL hGlobal, DWORD dwSize)
{
    m_pPicture = LoadPicture(hGlobal, dwSize, FALSE);
    if (!m_pPicture)
        return FALSE;
    if (!IsGIF())
    {
        SIZE him = HimetricSize(m_pPicture.get());
        CClientDC dc(this);
        m_nPictureWidth = ::MulDiv(him.cx, dc.GetDeviceCaps(LOGPIXELSX), kHimetricPerInch);
        m_nPictureHeight = ::MulDiv(him.cy, dc.GetDeviceCaps(LOGPIXELSY), kHimetricPerInch);
    }
    return TRUE;
}

void CLumGifCtrl::LoadFrames()
{
    ResetDataPointer();
    for (;;)
    {
        // A plain text frame has no descriptor of its own: it covers the logical screen.
        GifFrameInfo frame = {nullptr, {m_nPictureWidth, m_nPictureHeight}, {0, 0}, 0, 0};
        UINT nLength = 0;
        HGLOBAL hFrame = GetNextGraphicBlock(&nLength, &frame.nDelay, &frame.frameSize, &frame.frameOffset,
                                             &frame.nDisposal);
        if (!hFrame)
            break;
        frame.pPicture = LoadPicture(hFrame, nLength, TRUE);
        if (frame.pPicture)
            m_frames.push_back(std::move(frame));
    }
}

HGLOBAL CLumGifCtrl::GetNextGraphicBlock(UINT* pBlockLen, UINT* pDelay, SIZE* pBlockSize, SIZE* pBlockOffset,
                                         UINT* pDisposal)
{
    lumgif::GraphicBlock block;
    if (!m_walker.GetNextGraphicBlock(block))
        return NULL;
    size_t nLength = m_walker.FrameStreamSize(block);
    // Moveable, as CreateStreamOnHGlobal asks of the memory it is given.
    GlobalPtr hFrame(::GlobalAlloc(GMEM_MOVEABLE, nLength));
    void* pFrame = hFrame ? ::GlobalLock(hFrame.get()) : NULL;
    if (!pFrame)
        return NULL;
    m_walker.WriteFrameStream(block, (unsigned char*)pFrame);
    ::GlobalUnlock(hFrame.get());
    *pBlockLen = (UINT)nLength;
    *pDelay = block.delay;
    *pDisposal = block.disposal;
    if (block.image)
    {
        pBlockSize->cx = (LONG)block.width;
        pBlockSize->cy = (LONG)block.height;
        pBlockOffset->cx = (LONG)block.left;
        pBlockOffset->cy = (LONG)block.top;
    }
    return hFrame.release();
}

BOOL CLumGifCtrl::PrepareDC(int nWidth, int nHeight)
{
    SetWindowPos(NULL, 0, 0, nWidth, nHeight, SWP_NOMOVE | SWP_NOZORDER);
    CClientDC dc(this);
    if (!dc.GetSafeHdc() || !m_memPicture.Create(dc, nWidth, nHeight))
        return FALSE;
    m_clrBackground = ::GetSysColor(COLOR_BTNFACE);
    RECT rect = {0, 0, nWidth, nHeight};
    ::FillRect(m_memPicture.GetSafeHdc(), &rect, (HBRUSH)(COLOR_MENU + 1));
    m_bReady = TRUE;
    return TRUE;
}

void CLumGifCtrl::UnLoad()
{
    Stop();
    if (m_hThread)
    {
        // Stop gave up waiting; what the thread draws with must outlive it.
        ::WaitForSingleObject(m_hThread.get(), INFINITE);
        Stop();
    }
    m_pPicture.reset();
    m_frames.clear();
    m_memPicture.Delete();
    m_memUnder.Delete();
    ::SetRectEmpty(&m_rcPaint);
    m_walker.Reset();
    m_bReady = FALSE;
    m_bDisposalPending = FALSE;
    m_nCurrFrame = 0;
    m_clrBackground = RGB(255, 255, 255);
}

// ---- playing ----------------------------------------------------------------------------------

BOOL CLumGifCtrl::Start()
{
    if (!m_bReady)
        return FALSE;
    return IsAnimatedGIF() ? RunThread(false) : DrawStill();
}

void CLumGifCtrl::SetFirstFrame()
{
    if (!m_bReady)
        return;
    if (IsAnimatedGIF())
        RunThread(true);
    else
        DrawStill();
}

BOOL CLumGifCtrl::RunThread(bool bFirstFrameOnly)
{
    // A running animation goes on: a second thread would draw into the same picture.
    if (!bFirstFrameOnly && m_bPlaying && !m_bFirstFrameRun)
        return TRUE;
    Stop();
    if (m_hThread)
        return FALSE;
    m_bFirstFrameRun = bFirstFrameOnly;
    unsigned nThreadID = 0;
    HANDLE hThread = (HANDLE)_beginthreadex(NULL, 0, bFirstFrameOnly ? _FirstFrameThread : _ThreadAnimation,
                                            this, CREATE_SUSPENDED, &nThreadID);
    if (!hThread)
        return FALSE;
    m_hThread.reset(hThread);
    m_bPlaying = TRUE;
    ::ResumeThread(hThread);
    return TRUE;
}

BOOL CLumGifCtrl::DrawStill()
{
    if (!m_pPicture || !RenderPicture(m_pPicture.get(), m_memPicture.GetSafeHdc(), 0, 0, m_nPictureWidth,
                                      m_nPictureHeight))
        return FALSE;
    Repaint(m_hWnd);
    return TRUE;
}

void CLumGifCtrl::Stop()
{
    m_bPlaying = FALSE;
    m_bExitThread = TRUE;
    ::SetEvent(m_hExitEvent.get());
    // Only this side closes the handle, once the thread has ended. If it does not end in time, the
    // exit request stays up so it still ends at its next look, and the next Stop waits again.
    if (m_hThread && ::WaitForSingleObject(m_hThread.get(), kStopTimeout) == WAIT_TIMEOUT)
        return;
    m_hThread.reset();
    ::ResetEvent(m_hExitEvent.get());
    m_bExitThread = FALSE;
}

UINT __stdcall CLumGifCtrl::_ThreadAnimation(void* pParam)
{
    return static_cast<CLumGifCtrl*>(pParam)->ThreadMain(false);
}

UINT __stdcall CLumGifCtrl::_FirstFrameThread(void* pParam)
{
    return static_cast<CLumGifCtrl*>(pParam)->ThreadMain(true);
}

// The handle stays open until Stop (or the next start) closes it: closing it here too would race
// with Stop's wait on it.
UINT CLumGifCtrl::ThreadMain(bool bFirstFrameOnly)
{
    ThreadAnimation(bFirstFrameOnly);
    m_bPlaying = FALSE;
    return 0;
}

void CLumGifCtrl::ThreadAnimation(bool bFirstFrameOnly)
{
    // The thread only ever posts repaints, never sends to the window: Stop waits for it from the
    // window's thread.
    const HWND hWnd = m_hWnd;
    {
        CPictureLock lock(m_csPicture);
        DisposeFrame();  // left over from a stopped run
    }
    while (!m_bExitThread)
    {
        if (DrawFrame(m_frames[m_nCurrFrame]))
            Repaint(hWnd);
        if (m_bExitThread || WaitForExit(FrameDelay(m_frames[m_nCurrFrame])))
            return;
        {
            CPictureLock lock(m_csPicture);
            DisposeFrame();
        }
        // The pause waits on the exit event too, so Stop never waits a whole pause.
        if (bFirstFrameOnly || WaitForExit(m_nFramePause))
            return;
        NextFrame();
    }
}

BOOL CLumGifCtrl::WaitForExit(DWORD dwMilliseconds)
{
    return ::WaitForSingleObject(m_hExitEvent.get(), dwMilliseconds) == WAIT_OBJECT_0 || m_bExitThread;
}

BOOL CLumGifCtrl::DrawFrame(const GifFrameInfo& frame)
{
    RECT rect = FrameRect(frame);
    int cx = rect.right - rect.left, cy = rect.bottom - rect.top;
    CPictureLock lock(m_csPicture);
    if (frame.nDisposal == 3 && m_memUnder.Create(m_memPicture.GetSafeHdc(), cx, cy))
        ::BitBlt(m_memUnder.GetSafeHdc(), 0, 0, cx, cy, m_memPicture.GetSafeHdc(), rect.left, rect.top, SRCCOPY);
    m_bDisposalPending = TRUE;
    return RenderPicture(frame.pPicture.get(), m_memPicture.GetSafeHdc(), rect.left, rect.top, cx, cy);
}

// Undoes the current frame as its disposal method asks, once. The caller holds m_csPicture.
void CLumGifCtrl::DisposeFrame()
{
    if (!m_bDisposalPending)
        return;
    m_bDisposalPending = FALSE;
    const GifFrameInfo& frame = m_frames[m_nCurrFrame];
    RECT rect = FrameRect(frame);
    if (frame.nDisposal == 2)
        FillBackground(rect);
    else if (frame.nDisposal == 3 && m_memUnder.GetSafeHdc())
        ::BitBlt(m_memPicture.GetSafeHdc(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 m_memUnder.GetSafeHdc(), 0, 0, SRCCOPY);
    m_memUnder.Delete();
}

// After the last frame the picture starts again from the background.
void CLumGifCtrl::NextFrame()
{
    if (++m_nCurrFrame < GetFrameCount())
        return;
    m_nCurrFrame = 0;
    RECT rect = {0, 0, m_nPictureWidth, m_nPictureHeight};
    CPictureLock lock(m_csPicture);
    FillBackground(rect);
}

void CLumGifCtrl::FillBackground(const RECT& rect)
{
    BrushPtr brush(::CreateSolidBrush(m_clrBackground));
    ::FillRect(m_memPicture.GetSafeHdc(), &rect, brush.get());
}

// ---- settings and painting --------------------------------------------------------------------

void CLumGifCtrl::SetFrame(int nFrames)
{
    m_nFramePause = nFrames >= 1 && nFrames <= 30 ? 1000 / nFrames : kDefaultPause;
}

void CLumGifCtrl::SetBkColor(COLORREF clr)
{
    if (!m_bReady)
        return;
    RECT rect = {0, 0, m_nPictureWidth, m_nPictureHeight};
    CPictureLock lock(m_csPicture);
    m_clrBackground = clr;
    FillBackground(rect);
}

void CLumGifCtrl::OnPaint()
{
    CPaintDC dc(this);
    RECT rect = {0, 0, m_nPictureWidth, m_nPictureHeight};
    if (m_rcPaint.right - m_rcPaint.left >= 1)
        rect = m_rcPaint;
    CPictureLock lock(m_csPicture);
    ::BitBlt(dc, 0, 0, rect.right - rect.left, rect.bottom - rect.top, m_memPicture.GetSafeHdc(), rect.left,
             rect.top, SRCCOPY);
}

void CLumGifCtrl::OnDestroy()
{
    Stop();
    CWnd::OnDestroy();
}
