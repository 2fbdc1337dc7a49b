// Internal to the layer: what the control wrappers share.
#pragma once
#include "afximpl.h"

inline void AfxSetResult(LRESULT* pResult, LRESULT lResult)
{
    if (pResult)
        *pResult = lResult;
}

// Hands an owner-drawn control's reflected WM_DRAWITEM to its DrawItem.
template <class TControl>
BOOL AfxDrawItemChildNotify(TControl* pControl, UINT message, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return FALSE;
    pControl->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    AfxSetResult(pResult, TRUE);
    return TRUE;
}
