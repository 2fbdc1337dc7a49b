// The gallery's main window: a title band, the page list on the left and the page area.
#pragma once
#include <memory>
#include <vector>
#include "page.h"
#include "selector.h"

class CGalleryDlg : public CDialog
{
public:
    // Given a folder, the dialog saves a picture of itself on every page there, then closes.
    explicit CGalleryDlg(LPCTSTR lpszShotsDir = NULL);
    ~CGalleryDlg() override;

    BOOL ShotsSaved() const { return m_bShotsSaved; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override {}   // Enter does not close the gallery; Esc and the close box do

    afx_msg void OnPaint();
    afx_msg void OnPageSelChange();
    afx_msg LRESULT OnTakeShots(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void Layout();
    void ShowPage(int nPage);
    CGalleryPage* PageAt(int nPage);
    CRect HeadingRect() const;
    CRect PageRect() const;

    CString m_strShotsDir;
    BOOL m_bShotsSaved;
    int m_nCurrent;
    std::vector<std::unique_ptr<CGalleryPage>> m_pages;
    CPageSelector m_selector;
    CFont m_fontTitle;
    CFont m_fontSubtitle;
    CFont m_fontHeading;
};
