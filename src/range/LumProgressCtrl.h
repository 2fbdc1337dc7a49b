// CLumProgressCtrl - a horizontal progress bar drawn from a background picture, a bar picture that
// fills it from the left up to the value, an optional indicator at the value and a text.
#pragma once
#include <afxwin.h>
#include "skin/BmLoader.h"

class AFX_EXT_CLASS CLumProgressCtrl : public CWnd
{
    DECLARE_DYNAMIC(CLumProgressCtrl)
public:
    CLumProgressCtrl();
    virtual ~CLumProgressCtrl();

    // Three pictures used at their own size. An indicator of 0 (or a NULL path) keeps the one held.
    void SetSkin(UINT nBackground, UINT nBar, UINT nIndicator);
    void SetSkin(char* lpszBackground, char* lpszBar, char* lpszIndicator);
    // Left cap, middle and right cap of the background and of the bar, put together at every resize
    // (the next WM_SIZE) to the control's size: the middle is stretched between the caps.
    void SetSkin(UINT nBgLeft, UINT nBgMiddle, UINT nBgRight, UINT nBarLeft, UINT nBarMiddle, UINT nBarRight,
                 UINT nIndicator);
    void SetSkin(char* lpszBgLeft, char* lpszBgMiddle, char* lpszBgRight, char* lpszBarLeft, char* lpszBarMiddle,
                 char* lpszBarRight, char* lpszIndicator);

    // The value is kept within the range. Neither of these repaints.
    void SetRange(int nMin, int nMax);
    void SetValue(int nValue, bool bRedraw);
    int GetValue() const { return m_nValue; }
    int GetMinValue() const { return m_nMin; }
    int GetMaxValue() const { return m_nMax; }

    // Text over the bar. Horizontal alignment: 1 left, 2 right, 3 centre; vertical: 4 top,
    // 5 bottom, 6 middle (other values: centre, middle). The margins are added to the aligned
    // position. The font is not copied: it must outlive the control or be replaced.
    void SetText(CString strText, bool bRedraw);
    void SetTextAlign(int nHAlign, int nVAlign);
    int GetTextHAlign() const { return m_nTextHAlign; }
    int GetTextVAlign() const { return m_nTextVAlign; }
    void SetTextMargin(int x, int y);
    // Limits for the indicator's centre, from the left and right edges.
    void SetBarMargin(int nLeft, int nRight);
    void SetTextFont(CFont* pFont) { m_pTextFont = pFont; }
    void SetTextColor(COLORREF clrText) { m_clrText = clrText; }

protected:
    // The pixel where the bar ends for a value.
    int Pos2Pixel(int nValue);
    void DrawBitmap(CDC* pDC, int x, int y, int nWidth, int nHeight, CDC* pSourceDC, int nSourceX, int nSourceY,
                    HBITMAP hBitmap, int nUnused);

    virtual void PreSubclassWindow();

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    void ClampValue();
    void DrawPictures(CDC& canvas);
    void DrawIndicator(CDC& canvas, int x);
    void DrawTextOver(CDC& canvas);
    void Repaint();

    BMLOADER m_bmBackground;
    BMLOADER m_bmBar;
    BMLOADER m_bmBgPiece[3];    // left cap, middle, right cap
    BMLOADER m_bmBarPiece[3];
    BMLOADER m_bmIndicator;
    CRect m_rect;
    int m_nValue;
    int m_nMin;
    int m_nMax;
    CString m_strText;
    int m_nTextMarginX;
    int m_nTextMarginY;
    int m_nTextHAlign;
    int m_nTextVAlign;
    int m_nBarMarginLeft;
    int m_nBarMarginRight;
    CFont* m_pTextFont;
    COLORREF m_clrText;
};
