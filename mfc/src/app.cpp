// Module state, extension modules and the resource chain, threads, the application object and
// the message pump.
#include "afximpl.h"

// ---- module state ----------------------------------------------------------------------------

AFX_MODULE_STATE* AFXAPI AfxGetModuleState()
{
    // One process-wide state: the application's. Extension modules have none of their own.
    static AFX_MODULE_STATE state = {nullptr, ::GetModuleHandleA(NULL), ::GetModuleHandleA(NULL), nullptr, FALSE, nullptr};
    return &state;
}

AFX_MODULE_STATE* AFXAPI AfxGetAppModuleState() { return AfxGetModuleState(); }
AFX_MODULE_STATE* AFXAPI AfxGetStaticModuleState() { return AfxGetModuleState(); }

CWinApp* AFXAPI AfxGetApp() { return AfxGetModuleState()->m_pCurrentWinApp; }
CWinThread* AFXAPI AfxGetThread() { return AfxGetApp(); }
HINSTANCE AFXAPI AfxGetInstanceHandle() { return AfxGetModuleState()->m_hCurrentInstanceHandle; }
HINSTANCE AFXAPI AfxGetResourceHandle() { return AfxGetModuleState()->m_hCurrentResourceHandle; }
void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource) { AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource; }

LPCTSTR AFXAPI AfxGetAppName()
{
    LPCTSTR name = AfxGetModuleState()->m_lpszCurrentAppName;
    return name ? name : "";
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread ? pThread->GetMainWnd() : nullptr;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    if (::FindResourceA(pState->m_hCurrentResourceHandle, lpszName, lpszType))
        return pState->m_hCurrentResourceHandle;
    for (CDynLinkLibrary* pDLL = pState->m_pFirstLibrary; pDLL; pDLL = pDLL->m_pNextDLL)
        if (pDLL->m_hResource && ::FindResourceA(pDLL->m_hResource, lpszName, lpszType))
            return pDLL->m_hResource;
    return pState->m_hCurrentResourceHandle;
}

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (state.bInitialized)
        return TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.pFirstSharedClass = nullptr;
    state.bInitialized = TRUE;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    for (CDynLinkLibrary* pDLL = pModuleState->m_pFirstLibrary; pDLL;)
    {
        CDynLinkLibrary* pNext = pDLL->m_pNextDLL;
        if (bAll || pDLL->m_hModule == state.hModule)
            delete pDLL;
        pDLL = pNext;
    }
    state.bInitialized = FALSE;
}

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem), m_pNextDLL(nullptr)
{
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    m_pNextDLL = pModuleState->m_pFirstLibrary;
    pModuleState->m_pFirstLibrary = this;
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_bSystem(FALSE), m_pNextDLL(nullptr)
{
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    m_pNextDLL = pModuleState->m_pFirstLibrary;
    pModuleState->m_pFirstLibrary = this;
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    for (CDynLinkLibrary** pp = &AfxGetModuleState()->m_pFirstLibrary; *pp; pp = &(*pp)->m_pNextDLL)
        if (*pp == this)
        {
            *pp = m_pNextDLL;
            break;
        }
}

// ---- the message pump ------------------------------------------------------------------------

namespace {

// Offers the message to the windows it concerns (from the target up to the main window), then
// to the main window's own dialog handling.
BOOL PreTranslate(MSG* pMsg)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    if (CWnd::WalkPreTranslateTree(pMainWnd->GetSafeHwnd(), pMsg))
        return TRUE;
    if (pMainWnd && pMainWnd->m_hWnd && pMsg->hwnd != pMainWnd->m_hWnd && !::IsChild(pMainWnd->m_hWnd, pMsg->hwnd) &&
        pMainWnd->IsWindowEnabled())
        return pMainWnd->PreTranslateMessage(pMsg);
    return FALSE;
}

BOOL PumpOne(MSG* pMsg, CWinThread* pThread)
{
    if (!::GetMessageA(pMsg, NULL, 0, 0))
        return FALSE;
    BOOL bHandled = pThread ? pThread->PreTranslateMessage(pMsg) : PreTranslate(pMsg);
    if (!bHandled)
    {
        ::TranslateMessage(pMsg);
        ::DispatchMessageA(pMsg);
    }
    return TRUE;
}

BOOL IsIdle(const MSG* pMsg, POINT* pLastPoint, UINT* pLastMsg)
{
    // Mouse moves that did not move, and the caret's blinking, do not end idle time.
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
    {
        if (*pLastMsg == pMsg->message && pLastPoint->x == pMsg->pt.x && pLastPoint->y == pMsg->pt.y)
            return FALSE;
        *pLastPoint = pMsg->pt;
        *pLastMsg = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118;   // WM_SYSTIMER
}

}  // namespace

BOOL AFXAPI AfxPumpMessage()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread)
        return pThread->PumpMessage();
    return PumpOne(&AfxGetThreadState()->m_msgCur, nullptr);
}

void AFXAPI AfxPostQuitMessage(int nExitCode) { ::PostQuitMessage(nExitCode); }

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread()
    : m_pMainWnd(nullptr), m_pActiveWnd(nullptr), m_bAutoDelete(FALSE), m_hThread(::GetCurrentThread()),
      m_nThreadID(::GetCurrentThreadId()), m_msgCur(), m_ptCursorLast(), m_nMsgLast(0)
{
}

CWinThread::~CWinThread() {}

BOOL CWinThread::InitInstance() { return FALSE; }
int CWinThread::ExitInstance() { return (int)m_msgCur.wParam; }

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) { return PreTranslate(pMsg); }

BOOL CWinThread::PumpMessage() { return PumpOne(&m_msgCur, this); }

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount == 0)
    {
        // Temporary objects made by FromHandle live until the thread goes idle.
        AfxLockTempMaps();
        AfxUnlockTempMaps(TRUE);
    }
    return FALSE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg) { return IsIdle(pMsg, &m_ptCursorLast, &m_nMsgLast); }

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;)
    {
        MSG peek;
        while (bIdle && !::PeekMessageA(&peek, NULL, 0, 0, PM_NOREMOVE))
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        do
        {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&peek, NULL, 0, 0, PM_NOREMOVE));
    }
}

// ---- the application -------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_hInstance(NULL), m_hPrevInstance(NULL), m_lpCmdLine(NULL), m_nCmdShow(SW_SHOWNORMAL),
      m_pszAppName(lpszAppName), m_pszExeName(NULL), m_pszRegistryKey(NULL)
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    pState->m_pCurrentWinApp = this;
    pState->m_lpszCurrentAppName = lpszAppName;
}

CWinApp::~CWinApp()
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    if (pState->m_pCurrentWinApp == this)
        pState->m_pCurrentWinApp = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }
int CWinApp::ExitInstance() { return (int)m_msgCur.wParam; }

int CWinApp::Run()
{
    if (!m_pMainWnd && !::PeekMessageA(&m_msgCur, NULL, 0, 0, PM_NOREMOVE))
        AfxPostQuitMessage(0);   // nothing to show: leave as MFC does
    return CWinThread::Run();
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT)
{
    // The owner is the active top-level window of the application, disabled while the box shows.
    HWND hWndOwner = ::GetActiveWindow();
    if (hWndOwner && (::GetWindowLongPtrA(hWndOwner, GWL_STYLE) & WS_CHILD))
        hWndOwner = ::GetAncestor(hWndOwner, GA_ROOT);
    if (!hWndOwner && m_pMainWnd)
        hWndOwner = m_pMainWnd->GetSafeHwnd();
    return ::MessageBoxA(hWndOwner, lpszPrompt, m_pszAppName ? m_pszAppName : AfxGetAppName(), nType);
}

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (CWinApp* pApp = AfxGetApp())
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return ::MessageBoxA(::GetActiveWindow(), lpszText, AfxGetAppName(), nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    text.LoadString(nIDPrompt);
    return AfxMessageBox(text, nType, nIDHelp == (UINT)-1 ? nIDPrompt : nIDHelp);
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    pState->m_hCurrentInstanceHandle = hInstance;
    pState->m_hCurrentResourceHandle = hInstance;
    if (CWinApp* pApp = AfxGetApp())
    {
        pApp->m_hInstance = hInstance;
        pApp->m_hPrevInstance = hPrevInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
        if (!pApp->m_pszAppName)
            pApp->m_pszAppName = pState->m_lpszCurrentAppName;
    }
    return TRUE;
}

void AFXAPI AfxWinTerm()
{
    AfxUnlockTempMaps(TRUE);
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    int nReturnCode = -1;
    CWinApp* pApp = AfxGetApp();
    if (pApp && AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) && pApp->InitApplication())
    {
        if (!pApp->InitInstance())
            nReturnCode = pApp->ExitInstance();
        else
            nReturnCode = pApp->Run();
    }
    AfxWinTerm();
    return nReturnCode;
}

// ---- modal loops -----------------------------------------------------------------------------

BOOL CWnd::ContinueModal() { return (m_nFlags & WF_CONTINUEMODAL) != 0; }

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    m_nFlags &= ~WF_CONTINUEMODAL;
    ::PostMessageA(m_hWnd, WM_NULL, 0, 0);   // wake the loop
}

int CWnd::RunModalLoop(DWORD dwFlags)
{
    BOOL bIdle = TRUE;
    BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    HWND hWndParent = ::GetParent(m_hWnd);
    m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;
    POINT ptLast = {};
    UINT nLastMsg = 0;
    for (;;)
    {
        MSG peek;
        while (bIdle && !::PeekMessageA(&peek, NULL, 0, 0, PM_NOREMOVE))
        {
            if (bShowIdle)
            {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!(dwFlags & MLF_NOIDLEMSG) && hWndParent)
                ::SendMessageA(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, (LPARAM)m_hWnd);
            bIdle = FALSE;
        }
        do
        {
            if (!AfxPumpMessage())
            {
                AfxPostQuitMessage(0);
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return -1;
            }
            if (!ContinueModal())
                goto ExitModal;
            CWinThread* pThread = AfxGetThread();
            const MSG* pMsg = pThread ? &pThread->m_msgCur : &AfxGetThreadState()->m_msgCur;
            if (IsIdle(pMsg, &ptLast, &nLastMsg))
                bIdle = TRUE;
        } while (::PeekMessageA(&peek, NULL, 0, 0, PM_NOREMOVE));
    }
ExitModal:
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    return m_nModalResult;
}

// ---- menus -----------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CMenu, CObject)

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu)
{
    return static_cast<CMenu*>(AfxTempMap<CMenu, HMENU, &CMenu::m_hMenu>(AFX_MAP_HMENU).FromHandle(hMenu));
}

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName)
{
    return Attach(::LoadMenuA(AfxFindResourceHandle(lpszResourceName, RT_MENU), lpszResourceName));
}
