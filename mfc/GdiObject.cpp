// GDI object wrappers: handle map and the creation functions that need a DC or a resource.
#include "GdiObject.h"
#include "AfxState.h"
#include "DC.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

LONG CGdiObject::s_nLive = 0;

static CGdiObject* AfxNewTempGdiObject()
{
    return new CGdiObject;
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return AfxGetThreadState()->m_gdiMap.FromHandle(hObject, &AfxNewTempGdiObject);
}

void PASCAL CGdiObject::DeleteTempMap()
{
    AfxGetThreadState()->m_gdiMap.DeleteTemp();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == NULL)
        return FALSE;
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    pState->m_gdiMap.RemoveHandle(hObject);
    pState->m_gdiMap.SetPermanent(hObject, this);
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    if (hObject != NULL && AfxGetThreadState()->m_gdiMap.LookupPermanent(hObject) == this)
        AfxGetThreadState()->m_gdiMap.RemoveHandle(hObject);
    m_hObject = NULL;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == NULL)
        return FALSE;
    return ::DeleteObject(Detach());
}
