// Hands the owner-draw messages a list or combo box gets back from its parent to the control's
// own DrawItem, MeasureItem, CompareItem and DeleteItem.
//
// Differences from MFC: MFC repeats this switch in each control class; here they share it.
#pragma once
#include "AfxCore.h"

// Returns FALSE for any other message; otherwise *plResult holds the message's result.
template <class TControl>
BOOL AfxReflectOwnerDraw(TControl* pCtrl, UINT message, LPARAM lParam, LRESULT* plResult)
{
    LRESULT lResult = TRUE;
    switch (message)
    {
    case WM_DRAWITEM:
        pCtrl->DrawItem((LPDRAWITEMSTRUCT)lParam);
        break;
    case WM_MEASUREITEM:
        pCtrl->MeasureItem((LPMEASUREITEMSTRUCT)lParam);
        break;
    case WM_COMPAREITEM:
        lResult = pCtrl->CompareItem((LPCOMPAREITEMSTRUCT)lParam);
        break;
    case WM_DELETEITEM:
        pCtrl->DeleteItem((LPDELETEITEMSTRUCT)lParam);
        break;
    default:
        return FALSE;
    }
    *plResult = lResult;
    return TRUE;
}
