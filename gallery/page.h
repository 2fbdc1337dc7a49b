// A gallery page: a child dialog the shell creates on demand and shows in its page area.
#pragma once
#include <afxwin.h>
#include "resource.h"

class CGalleryPage : public CDialog
{
public:
    explicit CGalleryPage(UINT nIDTemplate = IDD_GALLERY_PAGE) : CDialog(nIDTemplate) {}

    BOOL CreatePage(CWnd* pParent) { return Create(m_lpszTemplateName, pParent); }

protected:
    // Enter and Esc inside a page leave it open.
    void OnOK() override {}
    void OnCancel() override {}
};

// The path of a picture in res\ beside the executable.
CString ResPath(LPCTSTR lpszName);

// A page whose controls are still to come: it says so in the middle of the page area.
class CPlaceholderPage : public CGalleryPage
{
protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    CFont m_font;
};
