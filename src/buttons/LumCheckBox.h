// CLumCheckBox, CLumRadioButton - check boxes and radio buttons drawn from an eight-cell skin
// strip, with their caption beside the box. Both are CLumCheckButton: they differ only in the
// button type their Create adds to the style. Whether the control acts as a check box or a radio
// button is decided by the button type its window has when it is subclassed.
#pragma once
#include <afxwin.h>
#include <afxcmn.h>

// Posted to the other members of a radio button's dialog group when it becomes checked.
#define WM_LUM_RADIO_UNCHECK (WM_USER + 0x100)

class AFX_EXT_CLASS CLumCheckButton : public CButton
{
    DECLARE_DYNAMIC(CLumCheckButton)
public:
    // The cells of the skin strip, left to right; each is a strip width / 8 wide.
    enum BTN_STATE
    {
        BTN_UNCHECKED = 0,
        BTN_CHECKED = 1,
        BTN_UNCHECKED_HOVER = 2,
        BTN_CHECKED_HOVER = 3,
        BTN_UNCHECKED_PRESSED = 4,
        BTN_CHECKED_PRESSED = 5,
        BTN_DISABLED_UNCHECKED = 6,
        BTN_DISABLED_CHECKED = 7,
    };

    virtual ~CLumCheckButton();

    // The strip of eight cells from a bitmap file; its height becomes the box size. A file that
    // cannot be loaded leaves the skin as it was.
    void SetSkin(CString path);
    // Kept for source compatibility, without effect: the controls draw only from the strip above.
    void SetSkin(UINT, UINT, UINT, UINT, UINT, UINT, short, short, short);
    void SetFont(LOGFONT* pLogFont);
    COLORREF SetTextColor(COLORREF color);
    void SetTitle(CString text);
    void SetToolTipText(CString text);

protected:
    CLumCheckButton();

    virtual void PreSubclassWindow();
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

    // Copies the cell of `state` to x = 0, centred in the height of `rect`. The int is unused.
    void DrawBitmap(CDC* pDC, RECT rect, int nUnused, BTN_STATE state);
    void FillWithBitmap(CDC* pDC, HBITMAP hBitmap, RECT rect);
    int GetBitmapWidth(HBITMAP hBitmap);
    int GetBitmapHeight(HBITMAP hBitmap);
    HRGN CreateRgnFromBitmap(HBITMAP hBitmap, COLORREF transparent);
    void RelayEvent(UINT message, WPARAM wParam, LPARAM lParam);

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnMouseLeave();
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg LRESULT OnRadioUncheck(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetCheck(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetCheck(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    enum Kind { KIND_PLAIN = 0, KIND_CHECKBOX = 2, KIND_RADIO = 4 };

    BOOL IsUnderPoint(CPoint point) const;
    void Toggle();
    void EndPress();
    void UncheckGroup();
    void Repaint();
    BTN_STATE StateOf(UINT itemState) const;

    bool m_bChecked;
    int m_nKind;
    bool m_bHover;
    bool m_bPressed;
    COLORREF m_textColor;
    CToolTipCtrl m_toolTip;
    CBitmap m_skin;
    CFont m_font;
    int m_nBoxSize;
};

class AFX_EXT_CLASS CLumCheckBox : public CLumCheckButton
{
    DECLARE_DYNAMIC(CLumCheckBox)
public:
    // BS_AUTOCHECKBOX is added to the style.
    virtual BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
};

class AFX_EXT_CLASS CLumRadioButton : public CLumCheckButton
{
    DECLARE_DYNAMIC(CLumRadioButton)
public:
    // BS_AUTORADIOBUTTON is added to the style.
    virtual BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
};
