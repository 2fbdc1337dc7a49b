// LumGifCtrl.h - a window that shows a picture file: an animated GIF frame by frame on a thread of
// its own, any other picture the system's picture loader reads (BMP, JPEG, a single-frame GIF) as
// a still.
#pragma once
#include <afxwin.h>
#include <ocidl.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "gif/gif_core.h"

// Releases a COM interface.
struct LumComRelease
{
    void operator()(IUnknown* p) const { p->Release(); }
};
typedef std::unique_ptr<IPicture, LumComRelease> LumPicturePtr;

// One frame of an animated GIF, a stand-alone picture placed on the logical screen.
struct GifFrameInfo
{
    LumPicturePtr pPicture;
    SIZE frameSize;    // cx width, cy height
    SIZE frameOffset;  // cx left, cy top
    UINT nDelay;       // hundredths of a second
    UINT nDisposal;    // 2: erase to the background afterwards, 3: restore what was under it
};

class AFX_EXT_CLASS CLumGifCtrl : public CWnd
{
    DECLARE_DYNAMIC(CLumGifCtrl)
public:
    CLumGifCtrl();
    virtual ~CLumGifCtrl();

    BOOL SetFile(CString strFileName);
    void UnLoad();

    // An animation plays until Stop; a still picture is drawn once.
    BOOL Start();
    // Shows the current frame for its delay, then the thread ends.
    void SetFirstFrame();
    void Stop();
    BOOL IsPlaying() const { return m_bPlaying; }

    BOOL IsGIF() const { return m_walker.IsGIF(); }
    BOOL IsAnimatedGIF() const { return IsGIF() && m_frames.size() >= 2; }
    int GetFrameCount() const { return IsAnimatedGIF() ? (int)m_frames.size() : 0; }
    SIZE GetSize() const { SIZE size = {m_nPictureWidth, m_nPictureHeight}; return size; }

    // Frames per second, 1 to 30, as the pause after each frame (1000 / n ms); else 10 ms.
    void SetFrame(int nFrames);
    void SetBkColor(COLORREF clr);
    COLORREF GetBkColor() const { return m_clrBackground; }
    // The part of the picture shown at the window's top-left corner; empty: all of it.
    BOOL SetPaintRect(const RECT* lpRect) { return ::CopyRect(&m_rcPaint, lpRect); }
    BOOL GetPaintRect(RECT* lpRect) const { return ::CopyRect(lpRect, &m_rcPaint); }

protected:
    typedef lumgif::GIFBlockTypes GIFBlockTypes;

    // hGlobal is an HGLOBAL holding dwSize bytes of a picture file.
    BOOL Load(void* hGlobal, DWORD dwSize);
    BOOL PrepareDC(int nWidth, int nHeight);
    void ThreadAnimation(bool bFirstFrameOnly);
    static UINT __stdcall _ThreadAnimation(void* pParam);
    static UINT __stdcall _FirstFrameThread(void* pParam);

    void ResetDataPointer() { m_walker.ResetDataPointer(); }
    GIFBlockTypes GetNextBlock() const { return m_walker.GetNextBlock(); }
    int GetNextBlockLen() const { return (int)m_walker.GetNextBlockLen(); }
    UINT GetSubBlocksLen(UINT nStartingOffset) const { return (UINT)m_walker.GetSubBlocksLen(nStartingOffset); }
    BOOL SkipNextBlock() { return m_walker.SkipNextBlock(); }
    BOOL SkipNextGraphicBlock() { return m_walker.SkipNextGraphicBlock(); }
    // The next frame as a stand-alone GIF in global memory the caller frees; NULL at the end.
    HGLOBAL GetNextGraphicBlock(UINT* pBlockLen, UINT* pDelay, SIZE* pBlockSize, SIZE* pBlockOffset,
                                UINT* pDisposal);

    afx_msg void OnPaint();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    // A bitmap selected into a memory DC of its own. Plain handles rather than CDC and CBitmap: the
    // animation thread makes and frees these too, and the framework's handle maps are per thread.
    class CMemBitmap
    {
    public:
        CMemBitmap() = default;
        CMemBitmap(const CMemBitmap&) = delete;
        CMemBitmap& operator=(const CMemBitmap&) = delete;
        ~CMemBitmap() { Delete(); }

        BOOL Create(HDC hCompatibleDC, int nWidth, int nHeight);
        void Delete();
        HDC GetSafeHdc() const { return m_hDC; }

    private:
        HDC m_hDC = NULL;
        HBITMAP m_hBitmap = NULL;
        HGDIOBJ m_hOldBitmap = NULL;
    };

    // Serialises the memory picture between the animation thread and the window's thread.
    class CPictureSection
    {
    public:
        CPictureSection() { ::InitializeCriticalSection(&m_cs); }
        CPictureSection(const CPictureSection&) = delete;
        CPictureSection& operator=(const CPictureSection&) = delete;
        ~CPictureSection() { ::DeleteCriticalSection(&m_cs); }
        void lock() { ::EnterCriticalSection(&m_cs); }
        void unlock() { ::LeaveCriticalSection(&m_cs); }

    private:
        CRITICAL_SECTION m_cs;
    };
    typedef std::lock_guard<CPictureSection> CPictureLock;

    struct CloseHandleDeleter
    {
        void operator()(HANDLE h) const { ::CloseHandle(h); }
    };
    typedef std::unique_ptr<void, CloseHandleDeleter> CScopedHandle;

    UINT m_nFramePause;       // ms after each frame, besides its own delay
    RECT m_rcPaint;
    int m_nPictureWidth;
    int m_nPictureHeight;
    COLORREF m_clrBackground;
    int m_nCurrFrame;
    lumgif::GifWalker m_walker;
    std::atomic<BOOL> m_bPlaying;
    std::atomic<BOOL> m_bExitThread;
    BOOL m_bReady;            // the memory picture exists
    BOOL m_bFirstFrameRun;    // the thread shows one frame only
    BOOL m_bDisposalPending;  // the current frame is drawn and not yet disposed of
    CMemBitmap m_memPicture;  // the whole picture, copied to the screen by OnPaint
    CMemBitmap m_memUnder;    // what a frame with disposal 3 covers
    CScopedHandle m_hThread;
    CScopedHandle m_hExitEvent;  // manual reset: cuts a frame's delay short
    LumPicturePtr m_pPicture;    // a still picture
    std::vector<GifFrameInfo> m_frames;
    CPictureSection m_csPicture;

private:
    BOOL LoadStill(HGLOBAL hGlobal, DWORD dwSize);
    void LoadFrames();
    BOOL RunThread(bool bFirstFrameOnly);
    UINT ThreadMain(bool bFirstFrameOnly);
    BOOL DrawStill();
    BOOL DrawFrame(const GifFrameInfo& frame);
    void DisposeFrame();
    void NextFrame();
    BOOL WaitForExit(DWORD dwMilliseconds);
    void FillBackground(const RECT& rect);
};
