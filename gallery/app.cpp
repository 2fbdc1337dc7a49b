// LumGallery: every control family of the library, one page each.
//   LumGallery.exe               opens the gallery
//   LumGallery.exe /shots <dir>  saves a picture of every page in <dir> and exits (0 on success)
#include <afxwin.h>
#include <commctrl.h>
#include <stdlib.h>
#include "gallery_dlg.h"

class CGalleryApp : public CWinApp
{
public:
    CGalleryApp() : CWinApp("LumCtrl Gallery") {}

    BOOL InitInstance() override;
    int ExitInstance() override { return m_nExitCode; }

private:
    int m_nExitCode = 0;
};

CGalleryApp theApp;

namespace {

LPCTSTR ShotsDirFromCommandLine()
{
    for (int i = 1; i + 1 < __argc; ++i)
        if (lstrcmpiA(__argv[i], "/shots") == 0)
            return __argv[i + 1];
    return NULL;
}

}  // namespace

BOOL CGalleryApp::InitInstance()
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);

    LPCTSTR lpszShotsDir = ShotsDirFromCommandLine();
    CGalleryDlg dlg(lpszShotsDir);
    m_pMainWnd = &dlg;
    INT_PTR nResult = dlg.DoModal();
    m_pMainWnd = NULL;
    if (nResult == -1 || (lpszShotsDir && !dlg.ShotsSaved()))
        m_nExitCode = 1;
    return FALSE;   // no message loop after the dialog: leave with ExitInstance's code
}
