// CLumEdit - an edit control with its own colours and font, an optional picture behind the text
// (at its natural size, stretched or tiled) and an optional numeric mode, in which the text is
// always a formatted number edited key by key.
#pragma once
#include <afxwin.h>
#include "edit/numeric_core.h"

class AFX_EXT_CLASS CLumEdit : public CEdit
{
    DECLARE_DYNAMIC(CLumEdit)
public:
    // How the background picture is laid out.
    enum { BG_NATURAL = 0, BG_STRETCH = 1, BG_TILE = 2 };

    CLumEdit();
    virtual ~CLumEdit();

    // ---- looks ----
    void SetBGStyle(int nStyle) { m_nBGStyle = nStyle; }
    int GetBGStyle() const { return m_nBGStyle; }
    void SetBGColor(COLORREF color);
    COLORREF GetBGColor() const { return m_bgColor; }
    void SetTextColor(COLORREF color);
    COLORREF GetTextColor() const { return m_textColor; }
    // The control keeps a font of its own, made from the structure or copied from the font given.
    void SetFont(const LOGFONT* pLogFont);
    void SetFont(CFont* pFont);
    CFont* GetFont() const { return m_pFont; }
    // The picture from the application's resources (0 removes it) or from a bitmap file. With the
    // natural layout the window takes the picture's size. FALSE when it cannot be loaded; the old
    // picture is gone either way.
    BOOL SetBGImage(UINT nID);
    BOOL SetBGImage(CString path);

    // ---- numeric mode ----
    // Up to 4 decimals; the separators come from the system locale. The text is not touched.
    BOOL SetNumericOnly(BOOL bNumeric, unsigned int nDecimals, BOOL bCommas);
    void LocalSettings();
    double GetValue() const { return m_numeric.GetValue(); }
    // Shows the value cut (not rounded) at the last decimal; FALSE, with nothing changed, when its
    // integer digits and decimals are more than 17.
    BOOL SetValue(double value);
    int GetDecimals() const { return m_numeric.GetDecimals(); }
    BOOL SetDecimals(int nDecimals);
    void EnableCommas(BOOL bCommas);
    char GetComma() const { return m_numeric.GetComma(); }
    void SetComma(char ch);
    char GetDecimalPoint() const { return m_numeric.GetDecimalPoint(); }
    void SetDecimalPoint(char ch);

    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg LRESULT OnPaste(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateBrushType();
    BOOL LoadBGImage(LPCSTR lpszName, UINT nFlags);
    BOOL HasBGImage() const { return m_bgImage.GetSafeHandle() != NULL; }
    void LayBGImage(CDC& dc, CDC& picture, const CRect& client);
    void InvalidatePicture();
    BOOL IsNumericKey(UINT vk) const;
    BOOL SpaceRoundTripIsSafe() const;
    void Repaint();

    // The numeric text as the window holds it, and back (SetWindowTextA, EM_SETSEL, EM_SCROLLCARET).
    lumedit::NumericText ReadNumericText() const;
    void WriteNumericText(const lumedit::NumericText& t);
    template <class Edit> void EditNumericText(Edit edit);

    // The numeric mode on the window: each reads the text and selection, lets the engine edit
    // them and writes the result back. The string helpers are the engine's on CStrings.
    void processCharacter(unsigned int ch);
    void processDigit(unsigned int ch);
    void processSign(unsigned int ch);
    void processDecimalPoint();
    void processDelete();
    void processBackspace();
    void deleteSelection();
    BOOL hasSelection() const;
    void getStringAndSelection(CString& text, int& caret) const;
    void setStringAndSelection(CString text, int caret);
    void toString(double v, CString& out) const;
    void putCommas(CString in, CString& out) const;
    void removeCommas(CString& s) const;
    void removeFirstComma(CString& s) const;
    void getIntegerAndDecimal(CString s, CString& integer, CString& decimals) const;
    void deleteCharRight(CString& s, int pos, int n) const;
    void deleteCharLeft(CString& s, int pos, int n) const;
    CString midString(CString s, int start, int count) const;
    BOOL bIsLeftDecimal(CString s, int pos) const;
    BOOL bIsLeftCharacterComma(CString s, int pos) const;
    BOOL bIsRightCharacterComma(CString s, int pos) const;
    BOOL bIsLeftCharacterDecimal(CString s, int pos) const;
    BOOL bIsRightCharacterDecimal(CString s, int pos) const;
    BOOL bIsRightCharacterSign(CString s, int pos) const;

    CBrush m_brush;
    COLORREF m_bgColor;
    COLORREF m_textColor;
    CFont* m_pFont;
    CBitmap m_bgImage;
    int m_nImageWidth;
    int m_nImageHeight;
    int m_nBGStyle;
    lumedit::NumericEngine m_numeric;
};
