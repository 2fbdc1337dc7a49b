// Message-map look-up and dispatch: window messages, commands, notifications and reflection.
#include "afximpl.h"

namespace {

// One view of a map entry's handler per signature.
union MessageMapFunctions
{
    AFX_PMSG pfn;
    void (AFX_MSG_CALL CWnd::*pfn_vv)();
    BOOL (AFX_MSG_CALL CWnd::*pfn_bv)();
    UINT (AFX_MSG_CALL CWnd::*pfn_wv)();
    void (AFX_MSG_CALL CWnd::*pfn_vw)(UINT);
    void (AFX_MSG_CALL CWnd::*pfn_vb)(BOOL);
    void (AFX_MSG_CALL CWnd::*pfn_vbw)(BOOL, UINT);
    void (AFX_MSG_CALL CWnd::*pfn_vwww)(UINT, UINT, UINT);
    void (AFX_MSG_CALL CWnd::*pfn_vwii)(UINT, int, int);
    void (AFX_MSG_CALL CWnd::*pfn_vii)(int, int);
    void (AFX_MSG_CALL CWnd::*pfn_vwp)(UINT, CPoint);
    UINT (AFX_MSG_CALL CWnd::*pfn_wp)(CPoint);
    int (AFX_MSG_CALL CWnd::*pfn_is)(LPCREATESTRUCT);
    BOOL (AFX_MSG_CALL CWnd::*pfn_bs)(LPCREATESTRUCT);
    BOOL (AFX_MSG_CALL CWnd::*pfn_bD)(CDC*);
    void (AFX_MSG_CALL CWnd::*pfn_vW)(CWnd*);
    void (AFX_MSG_CALL CWnd::*pfn_vWp)(CWnd*, CPoint);
    void (AFX_MSG_CALL CWnd::*pfn_vwWb)(UINT, CWnd*, BOOL);
    void (AFX_MSG_CALL CWnd::*pfn_vwwW)(UINT, UINT, CScrollBar*);
    BOOL (AFX_MSG_CALL CWnd::*pfn_bWww)(CWnd*, UINT, UINT);
    int (AFX_MSG_CALL CWnd::*pfn_iWww)(CWnd*, UINT, UINT);
    HBRUSH (AFX_MSG_CALL CWnd::*pfn_hDWw)(CDC*, CWnd*, UINT);
    HBRUSH (AFX_MSG_CALL CWnd::*pfn_hDw)(CDC*, UINT);
    BOOL (AFX_MSG_CALL CWnd::*pfn_bwsp)(UINT, short, CPoint);
    void (AFX_MSG_CALL CWnd::*pfn_vPOS)(WINDOWPOS*);
    void (AFX_MSG_CALL CWnd::*pfn_vMMI)(MINMAXINFO*);
    void (AFX_MSG_CALL CWnd::*pfn_vCALC)(BOOL, NCCALCSIZE_PARAMS*);
    void (AFX_MSG_CALL CWnd::*pfn_vOWNER)(int, void*);
    int (AFX_MSG_CALL CWnd::*pfn_iis)(int, LPCOMPAREITEMSTRUCT);
    int (AFX_MSG_CALL CWnd::*pfn_iwWw)(UINT, CListBox*, UINT);
    void (AFX_MSG_CALL CWnd::*pfn_vwl)(UINT, LPARAM);
    void (AFX_MSG_CALL CWnd::*pfn_vSTYLE)(int, LPSTYLESTRUCT);
    LRESULT (AFX_MSG_CALL CWnd::*pfn_lwl)(WPARAM, LPARAM);
    void (AFX_MSG_CALL CWnd::*pfn_vDRAW)(LPDRAWITEMSTRUCT);
    void (AFX_MSG_CALL CWnd::*pfn_vMEASURE)(LPMEASUREITEMSTRUCT);
    void (AFX_MSG_CALL CWnd::*pfn_vwwx)(UINT, UINT);
    // commands
    void (AFX_MSG_CALL CCmdTarget::*pfnCmd_v)();
    BOOL (AFX_MSG_CALL CCmdTarget::*pfnCmd_b)();
    void (AFX_MSG_CALL CCmdTarget::*pfnCmd_RANGE)(UINT);
    BOOL (AFX_MSG_CALL CCmdTarget::*pfnCmd_EX)(UINT);
    void (AFX_MSG_CALL CCmdTarget::*pfnNotify_v)(NMHDR*, LRESULT*);
    BOOL (AFX_MSG_CALL CCmdTarget::*pfnNotify_b)(NMHDR*, LRESULT*);
    void (AFX_MSG_CALL CCmdTarget::*pfnNotify_RANGE)(UINT, NMHDR*, LRESULT*);
    BOOL (AFX_MSG_CALL CCmdTarget::*pfnNotify_EX)(UINT, NMHDR*, LRESULT*);
};

const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg, UINT nCode, UINT nID)
{
    for (; lpEntry->nSig != AfxSig_end; ++lpEntry)
        if (lpEntry->nMessage == nMsg && lpEntry->nCode == nCode && nID >= lpEntry->nID && nID <= lpEntry->nLastID)
            return lpEntry;
    return nullptr;
}

const AFX_MSGMAP_ENTRY* FindRegisteredEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg)
{
    for (; lpEntry->nSig != AfxSig_end; ++lpEntry)
        if (lpEntry->nMessage == 0xC000 && *(UINT*)lpEntry->nSig == nMsg)
            return lpEntry;
    return nullptr;
}

BOOL DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn, void* pExtra, UINT_PTR nSig,
                    AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (pHandlerInfo)
    {
        pHandlerInfo->pTarget = pTarget;
        pHandlerInfo->pmf = pfn;
        return TRUE;
    }
    MessageMapFunctions mmf;
    mmf.pfn = pfn;
    AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
    switch (nSig)
    {
    case AfxSigCmd_v:
        (pTarget->*mmf.pfnCmd_v)();
        return TRUE;
    case AfxSigCmd_b:
        return (pTarget->*mmf.pfnCmd_b)();
    case AfxSigCmd_RANGE:
        (pTarget->*mmf.pfnCmd_RANGE)(nID);
        return TRUE;
    case AfxSigCmd_EX:
        return (pTarget->*mmf.pfnCmd_EX)(nID);
    case AfxSigNotify_v:
        (pTarget->*mmf.pfnNotify_v)(pNotify->pNMHDR, pNotify->pResult);
        return TRUE;
    case AfxSigNotify_b:
        return (pTarget->*mmf.pfnNotify_b)(pNotify->pNMHDR, pNotify->pResult);
    case AfxSigNotify_RANGE:
        (pTarget->*mmf.pfnNotify_RANGE)(nID, pNotify->pNMHDR, pNotify->pResult);
        return TRUE;
    case AfxSigNotify_EX:
        return (pTarget->*mmf.pfnNotify_EX)(nID, pNotify->pNMHDR, pNotify->pResult);
    }
    return FALSE;
}

CPoint PointFrom(LPARAM lParam) { return CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)); }

}  // namespace

// ---- CCmdTarget ------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0}};
    static const AFX_MSGMAP messageMap = {nullptr, &entries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The high word of nCode carries the message (WM_NOTIFY or a reflected one); zero means WM_COMMAND.
    UINT nMsg = 0;
    if (nCode != (int)CN_UPDATE_COMMAND_UI)
    {
        nMsg = HIWORD(nCode);
        nCode = LOWORD(nCode);
    }
    if (nMsg == 0)
        nMsg = WM_COMMAND;
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
    {
        if (const AFX_MSGMAP_ENTRY* lpEntry = FindMessageEntry(pMap->lpEntries, nMsg, (UINT)nCode, nID))
            return DispatchCmdMsg(this, nID, nCode, lpEntry->pfn, pExtra, lpEntry->nSig, pHandlerInfo);
    }
    return FALSE;
}

// ---- CWnd: routing ---------------------------------------------------------------------------

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        lResult = 1;
        if (pResult)
            *pResult = lResult;
        return TRUE;
    }
    if (message == WM_NOTIFY)
    {
        NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        if (!pNMHDR || !pNMHDR->hwndFrom || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
        if (pResult)
            *pResult = lResult;
        return TRUE;
    }

    // WM_CTLCOLORxxx arrive at the handlers as the old WM_CTLCOLOR with the control type.
    AFX_CTLCOLOR ctl = {};
    UINT nMapMessage = message;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
    {
        ctl.hDC = (HDC)wParam;
        ctl.hWnd = (HWND)lParam;
        ctl.nCtlType = message - WM_CTLCOLORMSGBOX;
        nMapMessage = WM_CTLCOLOR;
    }

    const AFX_MSGMAP_ENTRY* lpEntry = nullptr;
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap && !lpEntry; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
    {
        if (message >= 0xC000)
            lpEntry = FindRegisteredEntry(pMap->lpEntries, message);
        else
            lpEntry = FindMessageEntry(pMap->lpEntries, nMapMessage, 0, 0);
    }
    if (!lpEntry)
        return FALSE;

    MessageMapFunctions mmf;
    mmf.pfn = lpEntry->pfn;
    switch (message >= 0xC000 ? (UINT_PTR)AfxSig_lwl : lpEntry->nSig)
    {
    case AfxSig_vv:
        (this->*mmf.pfn_vv)();
        break;
    case AfxSig_bv:
        lResult = (this->*mmf.pfn_bv)();
        break;
    case AfxSig_wv:
        lResult = (this->*mmf.pfn_wv)();
        break;
    case AfxSig_vw:
        (this->*mmf.pfn_vw)((UINT)wParam);
        break;
    case AfxSig_vb:
        (this->*mmf.pfn_vb)((BOOL)wParam);
        break;
    case AfxSig_vbw:
        (this->*mmf.pfn_vbw)((BOOL)wParam, (UINT)lParam);
        break;
    case AfxSig_vwww:
        (this->*mmf.pfn_vwww)((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vwii:
        (this->*mmf.pfn_vwii)((UINT)wParam, (short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    case AfxSig_vii:
        (this->*mmf.pfn_vii)((short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    case AfxSig_vwp:
        (this->*mmf.pfn_vwp)((UINT)wParam, PointFrom(lParam));
        break;
    case AfxSig_wp:
        lResult = (this->*mmf.pfn_wp)(PointFrom(lParam));
        break;
    case AfxSig_is:
        lResult = (this->*mmf.pfn_is)(reinterpret_cast<LPCREATESTRUCT>(lParam));
        break;
    case AfxSig_bs:
        lResult = (this->*mmf.pfn_bs)(reinterpret_cast<LPCREATESTRUCT>(lParam));
        break;
    case AfxSig_bD:
        lResult = (this->*mmf.pfn_bD)(CDC::FromHandle((HDC)wParam));
        break;
    case AfxSig_vW:
        (this->*mmf.pfn_vW)(CWnd::FromHandle((HWND)wParam));
        break;
    case AfxSig_vWp:
        (this->*mmf.pfn_vWp)(CWnd::FromHandle((HWND)wParam), PointFrom(lParam));
        break;
    case AfxSig_vwWb:
        (this->*mmf.pfn_vwWb)(LOWORD(wParam), CWnd::FromHandle((HWND)lParam), HIWORD(wParam));
        break;
    case AfxSig_vwwW:
        (this->*mmf.pfn_vwwW)(LOWORD(wParam), HIWORD(wParam), (CScrollBar*)CWnd::FromHandle((HWND)lParam));
        break;
    case AfxSig_bWww:
        lResult = (this->*mmf.pfn_bWww)(CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_iWww:
        lResult = (this->*mmf.pfn_iWww)(CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_hDWw:
        lResult = (LRESULT)(this->*mmf.pfn_hDWw)(CDC::FromHandle(ctl.hDC), CWnd::FromHandle(ctl.hWnd), ctl.nCtlType);
        break;
    case AfxSig_hDw:
    {
        AFX_CTLCOLOR* pCtl = reinterpret_cast<AFX_CTLCOLOR*>(lParam);
        lResult = (LRESULT)(this->*mmf.pfn_hDw)(CDC::FromHandle(pCtl->hDC), pCtl->nCtlType);
        break;
    }
    case AfxSig_bwsp:
        lResult = (this->*mmf.pfn_bwsp)(LOWORD(wParam), (short)HIWORD(wParam), PointFrom(lParam));
        break;
    case AfxSig_vPOS:
        (this->*mmf.pfn_vPOS)(reinterpret_cast<WINDOWPOS*>(lParam));
        break;
    case AfxSig_vMMI:
        (this->*mmf.pfn_vMMI)(reinterpret_cast<MINMAXINFO*>(lParam));
        break;
    case AfxSig_vCALC:
        (this->*mmf.pfn_vCALC)((BOOL)wParam, reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam));
        break;
    case AfxSig_vOWNER:
        (this->*mmf.pfn_vOWNER)((int)wParam, reinterpret_cast<void*>(lParam));
        lResult = TRUE;
        break;
    case AfxSig_iis:
        lResult = (this->*mmf.pfn_iis)((int)wParam, reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        break;
    case AfxSig_iwWw:
        lResult = (this->*mmf.pfn_iwWw)(LOWORD(wParam), (CListBox*)CWnd::FromHandle((HWND)lParam), HIWORD(wParam));
        break;
    case AfxSig_vwl:
        (this->*mmf.pfn_vwl)((UINT)wParam, lParam);
        break;
    case AfxSig_vSTYLE:
        (this->*mmf.pfn_vSTYLE)((int)wParam, reinterpret_cast<LPSTYLESTRUCT>(lParam));
        break;
    case AfxSig_lwl:
        lResult = (this->*mmf.pfn_lwl)(wParam, lParam);
        break;
    case AfxSig_vDRAW:
        (this->*mmf.pfn_vDRAW)(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        lResult = TRUE;
        break;
    case AfxSig_vMEASURE:
        (this->*mmf.pfn_vMEASURE)(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        lResult = TRUE;
        break;
    case AfxSig_vwwx:
        (this->*mmf.pfn_vwwx)(LOWORD(wParam), HIWORD(wParam));
        break;
    default:
        return FALSE;
    }
    if (pResult)
        *pResult = lResult;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);
    if (hWndCtrl == NULL)
        nCode = CN_COMMAND;   // menus and accelerators
    else if (ReflectLastMsg(hWndCtrl))
        return TRUE;          // the control handled its own notification
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (ReflectLastMsg(pNMHDR->hwndFrom, pResult))
        return TRUE;
    AFX_NOTIFY notify = {pResult, pNMHDR};
    return OnCmdMsg((UINT)pNMHDR->idFrom, MAKELONG(pNMHDR->code, WM_NOTIFY), &notify, nullptr);
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    return pWnd && pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message)
    {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
        return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    case WM_COMMAND:
        if (CCmdTarget::OnCmdMsg(0, MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND), nullptr, nullptr))
        {
            if (pResult)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;
    case WM_NOTIFY:
    {
        NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        AFX_NOTIFY notify = {pResult, pNMHDR};
        return CCmdTarget::OnCmdMsg(0, MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, nullptr);
    }
    }
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
    {
        AFX_CTLCOLOR ctl = {m_hWnd, (HDC)wParam, message - WM_CTLCOLORMSGBOX};
        LRESULT lResult = 0;
        if (!OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, (LPARAM)&ctl, &lResult) || !lResult)
            return FALSE;   // a reflected handler returning no brush leaves the colour to the parent
        if (pResult)
            *pResult = lResult;
        return TRUE;
    }
    return FALSE;
}
