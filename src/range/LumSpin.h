// CLumSpin - the system up-down control with its two arrows painted from skin pictures. Position,
// range, buddy, auto-repeat and the notifications to the parent stay with the system control.
#pragma once
#include <afxwin.h>
#include <afxcmn.h>
#include "skin/BmLoader.h"

class AFX_EXT_CLASS CLumSpin : public CSpinButtonCtrl
{
    DECLARE_DYNAMIC(CLumSpin)
public:
    CLumSpin();
    virtual ~CLumSpin();

    // The first arrow is the one that increments: the upper half of a vertical control, the right
    // half of a horizontal (UDS_HORZ) one. Each arrow or strip cell is drawn at half the control's
    // size, and the control takes the size of two of them.

    // Eight pictures; a hover or disabled picture of 0 (or "") takes the arrow's normal picture.
    void SetSkin(UINT nFirstNormal, UINT nFirstPressed, UINT nSecondNormal, UINT nSecondPressed, UINT nFirstHover,
                 UINT nSecondHover, UINT nFirstDisabled, UINT nSecondDisabled);
    void SetSkin(CString& strFirstNormal, CString& strFirstPressed, CString& strSecondNormal,
                 CString& strSecondPressed, CString& strFirstHover, CString& strSecondHover,
                 CString& strFirstDisabled, CString& strSecondDisabled);
    // One strip per arrow of nCount cells (normal, hover, pressed, disabled), side by side when
    // nCellsAcross is nonzero, else one above another.
    void SetSkin(UINT nFirstStrip, UINT nSecondStrip, int nCellsAcross, int nCount);
    void SetSkin(CString& strFirstStrip, CString& strSecondStrip, int nCellsAcross, int nCount);

    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }

protected:
    virtual void PreSubclassWindow();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnEnable(BOOL bEnable);
    DECLARE_MESSAGE_MAP()

private:
    enum { FIRST = 0, SECOND = 1 };
    enum { NONE = -1, NORMAL = 0, HOVER = 1, PRESSED = 2, DISABLED = 3 };

    int GetBMLWidth(BMLOADER& bml);
    int GetBMLHeight(BMLOADER& bml);
    void DrawSkin(BMLOADER& bml, HDC hDC, int x, int y, int nSourceX, int nSourceY);

    void SkinLoaded(BOOL bStripMode);
    BOOL IsSkinned() const;
    void LayOut();
    void CutHalves();
    int CellCount() const { return m_nCellCount < 1 ? 1 : m_nCellCount; }
    int ArrowAt(CPoint point) const { return m_rcArrow[FIRST].PtInRect(point) ? FIRST : SECOND; }
    void DrawArrow(HDC hDC, int nArrow);
    void Repaint();

    BOOL m_bHorz;
    int m_nState[2];           // per arrow: NONE before a skin, else NORMAL ... DISABLED
    int m_nWidth;
    int m_nHeight;
    CRect m_rcClient;
    CRect m_rcArrow[2];
    BOOL m_bStripMode;
    BOOL m_bCellsAcross;
    int m_nCellCount;
    BMLOADER m_bmArrow[2][4];  // per arrow, per state
    BMLOADER m_bmStrip[2];
};
