// CLumSlider - a slider drawn from a channel picture and a thumb picture, either of which may be
// masked by a transparent colour over whatever lies beneath the control.
#pragma once
#include <afxwin.h>

// Posted to the parent: wParam is the control's id, lParam the new position.
#define WM_SLIDER_MOVING (WM_USER + 9425)   // while the thumb is dragged
#define WM_SLIDER_MOVED  (WM_USER + 9426)   // on release, and after each handled key

class AFX_EXT_CLASS CLumSlider : public CStatic
{
    DECLARE_DYNAMIC(CLumSlider)
public:
    CLumSlider();
    virtual ~CLumSlider();

    // The channel is stretched along the slider's axis to the control's length and the window takes
    // its size; the thumb keeps its own size. Each may have an active picture (0 or "" for none):
    // the channel's between the minimum end and the thumb, the thumb's while it is dragged. With
    // bTransparent, pixels of clrpTransColor (0xFF000000: the colour of the pixel at iTransPixelX,
    // iTransPixelY) let the background show through. A zero id or empty path removes the picture.
    BOOL SetBitmapChannel(UINT nChannelID, UINT nActiveID, BOOL bTransparent = FALSE,
                          COLORREF clrpTransColor = 0xFF000000, int iTransPixelX = 0, int iTransPixelY = 0);
    BOOL SetBitmapChannel(CString strChannel, CString strActive, BOOL bTransparent = FALSE,
                          COLORREF clrpTransColor = 0xFF000000, int iTransPixelX = 0, int iTransPixelY = 0);
    BOOL SetBitmapThumb(UINT nThumbID, UINT nActiveID, BOOL bTransparent = FALSE,
                        COLORREF clrpTransColor = 0xFF000000, int iTransPixelX = 0, int iTransPixelY = 0);
    BOOL SetBitmapThumb(CString strThumb, CString strActive, BOOL bTransparent = FALSE,
                        COLORREF clrpTransColor = 0xFF000000, int iTransPixelX = 0, int iTransPixelY = 0);

    // Range and position; the position is not pulled into a new range until it is set again.
    void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE);
    void SetRangeMin(int nMin, BOOL bRedraw = FALSE);
    void SetRangeMax(int nMax, BOOL bRedraw = FALSE);
    void GetRange(int& nMin, int& nMax) const { nMin = m_nMin; nMax = m_nMax; }
    int GetRangeMin() const { return m_nMin; }
    int GetRangeMax() const { return m_nMax; }
    void SetPos(int nPos);
    int GetPos() const { return m_nPos; }
    int SetPageSize(int nSize);

    // Ends of the thumb's travel, in pixels from the control's edges.
    void SetMargin(int nLeft, int nTop, int nRight, int nBottom);
    void SetMarginLeft(int nMargin) { m_nMarginLeft = nMargin; }
    void SetMarginTop(int nMargin) { m_nMarginTop = nMargin; }
    void SetMarginRight(int nMargin) { m_nMarginRight = nMargin; }
    void SetMarginBottom(int nMargin) { m_nMarginBottom = nMargin; }
    // Takes effect at the next channel load and paint.
    void SetVertical(BOOL bVertical = TRUE) { m_bVertical = bVertical; }

    // The slider's own enable state: disabled, it ignores mouse and keys and shows no thumb.
    void Enable(BOOL bEnable = TRUE);
    void DrawFocusRect(BOOL bDraw = TRUE, BOOL bRedraw = FALSE);
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

protected:
    // The thumb centre's pixel along the axis for a position, and back.
    int Pos2Pixel(int nPos);
    int Pixel2Pos(int nPixel);

    void PrepareMask(CBitmap* pBmpSource, CBitmap* pBmpMask, COLORREF clrpTransColor, int iTransPixelX = 0,
                     int iTransPixelY = 0);
    void DrawTransparentBitmap(CDC* pDC, int xStart, int yStart, int wWidth, int wHeight, CDC* pTmpDC,
                               int xSource, int ySource, CBitmap* bmMask);
    void DrawBitmap(CDC* pDC, int xStart, int yStart, int wWidth, int wHeight, CDC* pTmpDC, int xSource,
                    int ySource, CBitmap* bmMask, int bTransparent);
    void CopyBackground(CDC* pDC, int xStart, int yStart, int wWidth, int wHeight, CBitmap* bmBackground);
    void RestoreBackground(CDC* pDC, int xStart, int yStart, int wWidth, int wHeight, CBitmap* bmBackground);

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    struct SkinSource;

    void SetBitmap(HBITMAP) {}
    BOOL LoadChannel(const SkinSource& channel, const SkinSource& active, BOOL bTransparent, COLORREF clrTrans,
                     int x, int y);
    BOOL LoadThumb(const SkinSource& thumb, const SkinSource& active, BOOL bTransparent, COLORREF clrTrans,
                   int x, int y);
    BOOL LoadPictures(const SkinSource& picture, const SkinSource& active, CSize size, BOOL bThumb,
                      BOOL bTransparent, COLORREF clrTrans, int x, int y);
    BOOL RemoveChannel();
    void RemoveThumb();
    void DeleteBitmaps();
    void MeasureClient();
    void SizeClientTo(int cx, int cy);
    int AlongAxis(CPoint point) const { return m_bVertical ? point.y : point.x; }
    int HalfThumb() const { return m_bVertical ? m_nThumbHeight / 2 : m_nThumbWidth / 2; }
    int TrackStart() const;
    int TrackEnd() const;
    int TrackLength() const;
    void BeginDrag(UINT nFlags, CPoint point);
    void DragTo(CPoint point);
    void Notify(UINT message);
    void Repaint();
    void DrawPicture(CDC& canvas, CDC& source, CBitmap& picture, CBitmap& mask, CRect area, CPoint from,
                     BOOL bTransparent);
    void DrawChannel(CDC& canvas, CDC& source, int nThumbPixel);
    void DrawThumb(CDC& canvas, CDC& source, int nThumbPixel);

    int m_nMax;
    int m_nMin;
    int m_nPos;
    int m_nPage;
    CRect m_rect;
    int m_nWidth;
    int m_nHeight;
    int m_nThumbWidth;
    int m_nThumbHeight;
    int m_nMarginLeft;
    int m_nMarginRight;
    int m_nMarginTop;
    int m_nMarginBottom;
    int m_nThumbBgX;
    int m_nThumbBgY;
    int m_nMouseOffset;
    BOOL m_bVertical;
    BOOL m_bChannelActive;
    BOOL m_bThumbActive;
    BOOL m_bTransparentChannel;
    BOOL m_bTransparentThumb;
    BOOL m_bThumb;
    BOOL m_bChannel;
    BOOL m_bLButtonDown;
    BOOL m_bFocus;
    BOOL m_bFocusRect;
    BOOL m_bDrawFocusRect;
    BOOL m_bEnable;
    CBitmap m_bmChannel;
    CBitmap m_bmChannelMask;
    CBitmap m_bmChannelActive;
    CBitmap m_bmChannelActiveMask;
    CBitmap m_bmThumb;
    CBitmap m_bmThumbMask;
    CBitmap m_bmThumbActive;
    CBitmap m_bmThumbActiveMask;
    CBitmap m_bmThumbBg;
    UINT m_nChannelID;
    UINT m_nChannelActiveID;
    CString m_strChannel;
    CString m_strChannelActive;
    BOOL m_bChannelTransparent;
    COLORREF m_clrChannelTrans;
    int m_nChannelPixelX;
    int m_nChannelPixelY;
};
