// The library-wide data object and its shut-down.
#include "grid/core/AppData.h"
#include <locale.h>

CGXAppData::CGXAppData()
{
}

CGXAppData::~CGXAppData()
{
    delete m_pControlFactory;
    m_pControlFactory = NULL;
    POSITION posText = m_libraryTexts.GetStartPosition();
    while (posText != NULL)
    {
        WORD nID;
        CObject* p;
        m_libraryTexts.GetNextAssoc(posText, nID, p);
        delete p;
    }
    m_libraryTexts.RemoveAll();
    POSITION posReg = m_gridRegistry.GetStartPosition();
    while (posReg != NULL)
    {
        void* pKey;
        void* pList;
        m_gridRegistry.GetNextAssoc(posReg, pKey, pList);
        delete (CPtrList*)pList;
    }
    m_gridRegistry.RemoveAll();
    POSITION pos = m_exitList.GetHeadPosition();
    while (pos != NULL)
        delete m_exitList.GetNext(pos);
    m_exitList.RemoveAll();
}

void CGXAppData::AddComponent(CObject* pComponent)
{
    m_exitList.AddHead(pComponent);
}

void CGXAppData::RegisterContainerClass(CRuntimeClass* pClass)
{
    if (m_containerClasses.Find(pClass) == NULL)
        m_containerClasses.AddTail(pClass);
}

void CGXAppData::SetControlFactory(CGXAbstractControlFactory* pFactory)
{
    if (m_pControlFactory != pFactory)
        delete m_pControlFactory;
    m_pControlFactory = pFactory;
}

namespace
{
// A library text kept in the text map.
class CLibraryText : public CObject
{
  public:
    CString m_str;
};
} // namespace

CString CGXAppData::GetLibraryText(UINT nID) const
{
    CObject* p = NULL;
    if (m_libraryTexts.Lookup((WORD)nID, p))
        return ((CLibraryText*)p)->m_str;
    return CString();
}

void CGXAppData::LoadLibraryText(UINT nID)
{
    CObject*& p = m_libraryTexts[(WORD)nID];
    if (p == NULL)
        p = new CLibraryText;
    ((CLibraryText*)p)->m_str.LoadString(nID);
}

void CGXAppData::RegisterGrid(const void* pObject, CGXGridCore* pGrid)
{
    void* p = NULL;
    if (!m_gridRegistry.Lookup((void*)pObject, p))
    {
        p = new CPtrList(10);
        m_gridRegistry[(void*)pObject] = p;
    }
    CPtrList* pList = (CPtrList*)p;
    if (pList->Find(pGrid) == NULL)
        pList->AddTail(pGrid);
}

void CGXAppData::AttachObject(const void* pOwner, CObject* pAttached)
{
    m_attachedObjects[(void*)pOwner] = pAttached;
}

CObject* CGXAppData::LookupAttachedObject(const void* pOwner) const
{
    void* p = NULL;
    return m_attachedObjects.Lookup((void*)pOwner, p) ? (CObject*)p : NULL;
}

void CGXAppData::DetachObject(const void* pOwner, CObject* pAttached)
{
    void* p = NULL;
    if (m_attachedObjects.Lookup((void*)pOwner, p) && (pAttached == NULL || p == pAttached))
        m_attachedObjects.RemoveKey((void*)pOwner);
}

void CGXAppData::DetachObjectEverywhere(CObject* pAttached)
{
    CPtrArray owners;
    POSITION pos = m_attachedObjects.GetStartPosition();
    while (pos != NULL)
    {
        void* pKey;
        void* p;
        m_attachedObjects.GetNextAssoc(pos, pKey, p);
        if (p == pAttached)
            owners.Add(pKey);
    }
    for (INT_PTR i = 0; i < owners.GetSize(); i++)
        m_attachedObjects.RemoveKey(owners[i]);
}

CGXGridCore* CGXAppData::LookupGrid(const void* pObject) const
{
    void* p = NULL;
    if (!m_gridRegistry.Lookup((void*)pObject, p) || ((CPtrList*)p)->IsEmpty())
        return NULL;
    return (CGXGridCore*)((CPtrList*)p)->GetHead();
}

void CGXAppData::UnregisterGrid(CGXGridCore* pGrid)
{
    CPtrArray emptied;
    POSITION pos = m_gridRegistry.GetStartPosition();
    while (pos != NULL)
    {
        void* pKey;
        void* p;
        m_gridRegistry.GetNextAssoc(pos, pKey, p);
        CPtrList* pList = (CPtrList*)p;
        POSITION posGrid;
        while ((posGrid = pList->Find(pGrid)) != NULL)
            pList->RemoveAt(posGrid);
        if (pList->IsEmpty())
            emptied.Add(pKey);
    }
    for (INT_PTR i = 0; i < emptied.GetSize(); i++)
    {
        void* p = NULL;
        m_gridRegistry.Lookup(emptied[i], p);
        delete (CPtrList*)p;
        m_gridRegistry.RemoveKey(emptied[i]);
    }
}

int CGXAppData::CountRegistrations(CGXGridCore* pGrid) const
{
    int n = 0;
    POSITION pos = m_gridRegistry.GetStartPosition();
    while (pos != NULL)
    {
        void* pKey;
        void* p;
        m_gridRegistry.GetNextAssoc(pos, pKey, p);
        if (((CPtrList*)p)->Find(pGrid) != NULL)
            n++;
    }
    return n;
}

void CGXAppData::LoadLocaleSeparators()
{
    if (!m_bUseLocaleSeparators)
        return;
    setlocale(LC_NUMERIC, "");
    char sz[8];
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, sz, sizeof(sz)) > 0)
        m_cDecimalSeparator = sz[0];
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, sz, sizeof(sz)) > 0)
        m_cThousandSeparator = sz[0];
}

void CGXAppData::NormalizeNumberText(CString& s) const
{
    if (!m_bUseLocaleSeparators || m_cDecimalSeparator == '.')
        return;
    int i = s.Find(m_cDecimalSeparator);
    if (i >= 0)
        s.SetAt(i, '.');
}

double CGXAppData::ReadNumber(const CString& s) const
{
    CString t = s;
    NormalizeNumberText(t);
    char cRuntime = *localeconv()->decimal_point;
    int i = cRuntime != '.' ? t.Find('.') : -1;
    if (i >= 0)
        t.SetAt(i, cRuntime);
    return atof(t);
}

CGXAppData* AFXAPI GXGetAppData()
{
    static CGXAppData s_appData;
    return &s_appData;
}

void AFXAPI GXSetParamDefaults(BOOL b1, BOOL b2, BOOL b3)
{
    CGXAppData* p = GXGetAppData();
    p->m_bParamDefault1 = b1;
    p->m_bParamDefault2 = b2;
    p->m_bParamDefault3 = b3;
}

BOOL AFXAPI GXIsPopupActive()
{
    return GXGetAppData()->m_bPopupActive;
}

BOOL AFXAPI GXSetPopupActive(BOOL bActive)
{
    BOOL bOld = GXGetAppData()->m_bPopupActive;
    GXGetAppData()->m_bPopupActive = bActive;
    return bOld;
}

LPCTSTR AFXAPI GetPopupWndClass()
{
    return GXGetAppData()->m_strAuxWndClass;
}

CWnd* AFXAPI GXGetParentOfKind(CWnd* pWnd, CRuntimeClass* pClass, BOOL bIgnoreIconic)
{
    if (pWnd == NULL)
        return NULL;
    if (!bIgnoreIconic)
    {
        for (HWND h = ::GetParent(pWnd->GetSafeHwnd()); h != NULL; h = ::GetParent(h))
            if (::IsIconic(h))
                return NULL;
    }
    CWnd* pParent = pWnd->GetParent();
    return pParent != NULL && pParent->IsKindOf(pClass) ? pParent : NULL;
}

CWnd* AFXAPI GXGetContainerWnd(CWnd* pWnd)
{
    CGXAppData* pAppData = GXGetAppData();
    POSITION pos = pAppData->m_containerClasses.GetHeadPosition();
    while (pos != NULL)
    {
        CWnd* p = GXGetParentOfKind(pWnd, (CRuntimeClass*)pAppData->m_containerClasses.GetNext(pos), TRUE);
        if (p != NULL)
            return p;
    }
    return NULL;
}

CView* AFXAPI GXGetActiveView()
{
    CWnd* pMain = AfxGetMainWnd();
    if (pMain == NULL || !pMain->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        return NULL;
    CFrameWnd* pFrame = (CFrameWnd*)pMain;
    CView* pView = pFrame->GetActiveView();
    if (pView == NULL && pFrame->GetActiveFrame() != NULL)
        pView = pFrame->GetActiveFrame()->GetActiveView();
    return pView;
}
