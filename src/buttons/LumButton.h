// CLumButton - a push button painted from skin bitmaps, shaped by its mask colour.
#pragma once
#include <afxwin.h>
#include "skin/BmLoader.h"

class AFX_EXT_CLASS CLumButton : public CButton
{
    DECLARE_DYNAMIC(CLumButton)
public:
    enum HAlign { HA_LEFT = 0, HA_CENTER = 1, HA_RIGHT = 2 };

    CLumButton();
    virtual ~CLumButton();

    // Skins: four pictures (normal, hover, down, disabled) or one strip of state cells.
    void SetSkin(UINT normal, UINT hover, UINT down, UINT disabled);
    void SetSkin(CString& normal, CString& hover, CString& down, CString& disabled);
    void SetSkin(CString& strip, int vertical, int count);
    void SetSkin(CString& strip, int vertical, int count, CString title);
    void SetSkin(CBitmap* pBitmap, int width, int height);
    void SetMaskColor(COLORREF color) { m_maskColor = color; }

    // Title drawn over the picture.
    void SetFont(LOGFONT* pLogFont);
    void SetTextColor(COLORREF color) { m_textColor = color; }
    void SetTitle(CString text, CRect rect, HAlign align);
    void SetTitle(CString text, HAlign align);
    CString GetTitle() const { return m_title; }

    // Behaviour and state: 0 normal, 1 hover, 2 down, 3 disabled (-1 before any skin).
    void SetToggle(BOOL bToggle) { m_bToggle = bToggle; m_bToolbar = FALSE; }
    void SetToolBarBtn(BOOL bToolbar) { m_bToolbar = bToolbar; m_bToggle = FALSE; }
    void SetGroup(BOOL bGroup) { m_bGroup = bGroup; }
    void SetButtonFuncRemove() { m_bButtonFunctions = FALSE; }
    void SetButtonUp();
    void SetButtonDown();
    void SetButton(int state);
    int GetButtonState() const { return m_state; }
    BOOL GetToggleState() const { return m_bToggle == 1 && m_state == 2; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }

    // Region of the bitmap's pixels that are not within the tolerance of the transparent colour.
    HRGN BitmapToRegion(HBITMAP hBitmap, COLORREF transparent, COLORREF tolerance);

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnPaint();
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

private:
    void SkinLoaded(HBITMAP hShape);
    void SetState(int state);
    HBITMAP PictureOfState() const;
    void DrawTitle(CDC& dc);

    int m_width;
    int m_height;
    BMLOADER m_strip;
    BMLOADER m_normal;
    BMLOADER m_hover;
    BMLOADER m_down;
    BMLOADER m_disabled;
    int m_state;
    BOOL m_bSkinLoaded;
    BOOL m_bStripMode;
    int m_nImageCount;
    BOOL m_bVerticalStrip;
    BOOL m_bToggle;
    BOOL m_bToolbar;
    BOOL m_bGroup;
    BOOL m_bButtonFunctions;
    CFont m_font;
    CString m_title;
    BOOL m_bTitleShown;
    COLORREF m_textColor;
    CRect m_titleRect;
    HAlign m_align;
    COLORREF m_maskColor;
};
