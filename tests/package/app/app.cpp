// An ordinary MFC dialog application, built against the installed package. Its dialog subclasses
// a button with a class of its own, clicks it, exchanges an edit's text and closes; the exit
// code tells what went wrong, 0 when nothing did.
#include <LumCtrl.h>
#include <vector>

namespace {

enum Verdict
{
    kPassed = 0,
    kNoDialog = 1,
    kClickLost = 2,
    kExchangeFailed = 3,
    kSkinFailed = 4,
};

enum { IDC_ACTION = 100, IDC_NAME = 101, IDC_SKINNED = 102, IDB_SKIN = 200 };
const UINT WM_PROBE = WM_APP + 1;

// A dialog template in memory, laid out as the resource compiler lays out DIALOG resources.
class CDialogTemplate
{
public:
    CDialogTemplate(LPCSTR lpszCaption, short cx, short cy)
    {
        const DWORD style = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
        Dword(style);
        Dword(0);   // extended style
        Word(0);    // items, counted by AddItem
        Word(0), Word(0), Word((WORD)cx), Word((WORD)cy);
        Word(0);    // no menu
        Word(0);    // the dialog class
        Text(lpszCaption);
        Word(8);
        Text("MS Shell Dlg");
    }

    void AddItem(WORD wClassAtom, LPCSTR lpszText, WORD wID, DWORD dwStyle, short x, short y, short cx, short cy)
    {
        if (m_words.size() % 2)
            Word(0);   // items start on a DWORD
        Dword(dwStyle | WS_CHILD | WS_VISIBLE);
        Dword(0);
        Word((WORD)x), Word((WORD)y), Word((WORD)cx), Word((WORD)cy);
        Word(wID);
        Word(0xFFFF), Word(wClassAtom);
        Text(lpszText);
        Word(0);   // no creation data
        ++m_words[4];
    }

    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data()); }

private:
    void Word(WORD w) { m_words.push_back(w); }
    void Dword(DWORD dw) { Word(LOWORD(dw)), Word(HIWORD(dw)); }
    void Text(LPCSTR psz)
    {
        do
            Word((WORD)(unsigned char)*psz);
        while (*psz++);
    }

    std::vector<WORD> m_words;
};

const WORD kButtonAtom = 0x0080;
const WORD kEditAtom = 0x0081;

}  // namespace

class CActionButton : public CButton
{
public:
    int m_nClicks = 0;

protected:
    afx_msg void OnClicked() { ++m_nClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CActionButton, CButton)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

class CProbeDlg : public CDialog
{
public:
    CString m_strName = "before";

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_ACTION, m_button);
        DDX_Control(pDX, IDC_NAME, m_edit);
        DDX_Control(pDX, IDC_SKINNED, m_skinned);
        DDX_Text(pDX, IDC_NAME, m_strName);
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        PostMessage(WM_PROBE);
        return TRUE;
    }

    afx_msg LRESULT OnProbe(WPARAM, LPARAM)
    {
        m_button.SendMessage(BM_CLICK);
        CString shown;
        m_edit.GetWindowText(shown);
        m_edit.SetWindowText("after");
        UpdateData(TRUE);
        if (m_button.m_nClicks != 1)
            EndDialog(kClickLost);
        else if (!SkinnedButtonWorks())
            EndDialog(kSkinFailed);
        else if (shown != "before" || m_strName != "after")
            EndDialog(kExchangeFailed);
        else
            EndDialog(kPassed);
        return 0;
    }

    // The skinned button takes its picture from this application's resources and from a file,
    // and its clicks reach the dialog as a standard button's do.
    bool SkinnedButtonWorks()
    {
        m_skinned.SetSkin(IDB_SKIN, IDB_SKIN, IDB_SKIN, 0);
        if (m_skinned.GetWidth() != 24 || m_skinned.GetHeight() != 12 || m_skinned.GetButtonState() != 0)
            return false;
        char module[MAX_PATH];
        ::GetModuleFileNameA(NULL, module, sizeof(module));
        CString path = module;
        path = path.Left(path.ReverseFind('\\') + 1) + "skin.bmp";
        m_skinned.SetSkin(path, FALSE, 1);
        m_skinned.SendMessage(BM_CLICK);
        return m_skinned.GetWidth() == 24 && m_nSkinnedClicks == 1;
    }

    afx_msg void OnSkinned() { ++m_nSkinnedClicks; }

    DECLARE_MESSAGE_MAP()

private:
    CActionButton m_button;
    CEdit m_edit;
    CLumButton m_skinned;
    int m_nSkinnedClicks = 0;
};

BEGIN_MESSAGE_MAP(CProbeDlg, CDialog)
    ON_MESSAGE(WM_PROBE, OnProbe)
    ON_BN_CLICKED(IDC_SKINNED, OnSkinned)
END_MESSAGE_MAP()

class CPackageApp : public CWinApp
{
public:
    BOOL InitInstance() override
    {
        CDialogTemplate dlgTemplate("Package", 160, 60);
        dlgTemplate.AddItem(kButtonAtom, "Action", IDC_ACTION, BS_PUSHBUTTON | WS_TABSTOP, 10, 10, 60, 14);
        dlgTemplate.AddItem(kEditAtom, "", IDC_NAME, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 10, 32, 140, 14);
        dlgTemplate.AddItem(kButtonAtom, "", IDC_SKINNED, BS_OWNERDRAW | WS_TABSTOP, 80, 10, 24, 12);

        CProbeDlg dlg;
        dlg.InitModalIndirect(dlgTemplate.Get());
        m_pMainWnd = &dlg;
        INT_PTR nResult = dlg.DoModal();
        m_pMainWnd = NULL;
        m_nVerdict = nResult == -1 ? kNoDialog : (int)nResult;
        return FALSE;
    }

    int ExitInstance() override { return m_nVerdict; }

private:
    int m_nVerdict = kNoDialog;
};

CPackageApp theApp;
