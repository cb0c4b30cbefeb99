// Sheet names for grid code.
#include "grid/excel/TabWndInterface.h"
#include "grid/excel/TabWnd.h"

void CGXTabWndInterface::GetOrSetTabName(CWnd* pWnd, CString& sName, BOOL bSet)
{
    // Any ancestor counts, minimised ones included.
    CGXTabWnd* pTabWnd = NULL;
    for (CWnd* p = pWnd != NULL ? pWnd->GetParent() : NULL; p != NULL && pTabWnd == NULL; p = p->GetParent())
        if (p->IsKindOf(RUNTIME_CLASS(CGXTabWnd)))
            pTabWnd = (CGXTabWnd*)p;
    if (pTabWnd == NULL)
        return;
    // The sheet is the tab window's child on the way up.
    CWnd* pSheet = pWnd;
    while (pSheet->GetParent() != pTabWnd)
        pSheet = pSheet->GetParent();
    if (bSet)
        pTabWnd->SetTabName(pSheet, sName, FALSE);
    else
    {
        LPCTSTR pszName = pTabWnd->GetTabName(pSheet);
        sName = pszName != NULL ? pszName : _T("");
    }
}

CString CGXTabWndInterface::GetTabNameAt(CWnd* pWnd, int nTab)
{
    CWnd* pParent = pWnd != NULL ? pWnd->GetParent() : NULL;
    if (pParent == NULL || !pParent->IsKindOf(RUNTIME_CLASS(CGXTabWnd)))
        return CString();
    CGXTabBeam& beam = ((CGXTabWnd*)pParent)->GetBeam();
    return nTab >= 0 && nTab < beam.GetTabCount() ? beam.GetTab(nTab).sLabel : CString();
}
