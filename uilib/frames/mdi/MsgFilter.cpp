// SECMsgFilter: dispatch through a tree of filters, and building the tree from descriptors.
#include "uilib/frames/mdi/MsgFilter.h"
#include <vector>

IMPLEMENT_DYNCREATE(SECMsgFilter, CObject)

SECMsgFilter::Descriptor::Descriptor(UINT nID, UINT nParentID, CRuntimeClass* pClass, DWORD dwFlags)
    : m_nID(nID), m_nParentID(nParentID), m_pClass(pClass), m_dwFlags(dwFlags)
{
}

SECMsgFilter::Descriptor* SECMsgFilter::Descriptor::Clone() const
{
    return new Descriptor(*this);
}

SECMsgFilter::DescriptorTable::~DescriptorTable()
{
    RemoveAllDescriptors();
}

void SECMsgFilter::DescriptorTable::RemoveAllDescriptors()
{
    for (INT_PTR i = 0; i < GetSize(); ++i)
        delete GetAt(i);
    RemoveAll();
}

void SECMsgFilter::DescriptorTable::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << (DWORD)GetSize();
        for (INT_PTR i = 0; i < GetSize(); ++i)
        {
            const Descriptor* p = GetAt(i);
            ar << (DWORD)p->m_nID << (DWORD)p->m_nParentID;
            ar << CString(p->m_pClass != NULL ? p->m_pClass->m_lpszClassName : "");
            ar << p->m_dwFlags;
        }
        return;
    }
    RemoveAllDescriptors();
    DWORD nCount = 0;
    ar >> nCount;
    for (DWORD i = 0; i < nCount; ++i)
    {
        DWORD nID = 0, nParentID = 0, dwFlags = 0;
        CString strClass;
        ar >> nID >> nParentID >> strClass >> dwFlags;
        CRuntimeClass* pClass = NULL;
        if (!strClass.IsEmpty())
        {
            // A name that is not a filter class is read as no class: it finds, never creates.
            pClass = CRuntimeClass::FromName((LPCTSTR)strClass);
            if (pClass != NULL && !pClass->IsDerivedFrom(RUNTIME_CLASS(SECMsgFilter)))
                pClass = NULL;
        }
        Add(new Descriptor(nID, nParentID, pClass, dwFlags));
    }
}

SECMsgFilter::SECMsgFilter() : m_nID((UINT)-1), m_bEnabled(TRUE), m_bOwnsChildren(TRUE), m_pWnd(NULL)
{
}

SECMsgFilter::SECMsgFilter(const SECMsgFilter& other)
    : CObject(), m_nID(other.m_nID), m_bEnabled(other.m_bEnabled), m_bOwnsChildren(TRUE), m_pWnd(other.m_pWnd)
{
    for (int i = 0; i < other.GetChildCount(); ++i)
        m_children.Add(other.GetChild(i)->Clone());
}

SECMsgFilter::~SECMsgFilter()
{
    if (m_bOwnsChildren)
    {
        for (int i = 0; i < GetChildCount(); ++i)
            delete m_children[i];
    }
    m_children.RemoveAll();
}

SECMsgFilter* SECMsgFilter::Clone() const
{
    return new SECMsgFilter(*this);
}

void SECMsgFilter::Reserved()
{
}

void SECMsgFilter::SetWindow(CWnd* pWnd, BOOL bRecurse)
{
    m_pWnd = pWnd;
    if (bRecurse)
    {
        for (int i = 0; i < GetChildCount(); ++i)
            m_children[i]->SetWindow(pWnd, TRUE);
    }
}

namespace
{
// Filters at work on this thread, and root filters whose window went away meanwhile (a command
// a filter sent destroyed it): those are deleted once no filter is at work any more.
thread_local int t_nDispatchDepth = 0;
thread_local std::vector<SECMsgFilter*> t_deferred;
} // namespace

void SECMsgFilter::DeleteRoot(SECMsgFilter* pRoot)
{
    if (pRoot == NULL)
        return;
    if (t_nDispatchDepth > 0)
        t_deferred.push_back(pRoot);
    else
        delete pRoot;
}

UINT SECMsgFilter::FilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (!m_bEnabled)
        return 0;
    ++t_nDispatchDepth;
    struct Leave
    {
        ~Leave()
        {
            if (--t_nDispatchDepth == 0)
            {
                std::vector<SECMsgFilter*> deferred;
                deferred.swap(t_deferred);
                for (SECMsgFilter* pRoot : deferred)
                    delete pRoot;
            }
        }
    } leave;
    return OnFilterMessage(message, wParam, lParam, pResult);
}

UINT SECMsgFilter::FilterMessage(LRESULT* pResult)
{
    const MSG* pMsg = CWnd::GetCurrentMessage();
    LRESULT lDummy = 0;
    return FilterMessage(pMsg->message, pMsg->wParam, pMsg->lParam, pResult != NULL ? pResult : &lDummy);
}

UINT SECMsgFilter::OnFilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return DispatchToChildren(message, wParam, lParam, pResult);
}

UINT SECMsgFilter::DispatchToChildren(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (!m_bEnabled)
        return 0;
    UINT nResult = 0;
    for (int i = 0; i < GetChildCount(); ++i)
    {
        SECMsgFilter* pChild = m_children[i];
        if (!pChild->IsEnabled())
            continue;
        const UINT nChild = pChild->FilterMessage(message, wParam, lParam, pResult);
        nResult |= nChild;
        if (nChild & resultStop)
            break;
    }
    return nResult;
}

SECMsgFilter* SECMsgFilter::FindOrCreateFilter(UINT nID, CRuntimeClass* pClass, int nDepth)
{
    for (int i = 0; i < GetChildCount(); ++i)
    {
        if (m_children[i]->GetID() == nID)
            return m_children[i];
    }
    if (nDepth >= 1 || nDepth == -1)
    {
        const int nNext = nDepth == -1 ? -1 : nDepth - 1;
        for (int i = 0; i < GetChildCount(); ++i)
        {
            SECMsgFilter* pFound = m_children[i]->FindOrCreateFilter(nID, NULL, nNext);
            if (pFound != NULL)
                return pFound;
        }
    }
    if (pClass == NULL || !pClass->IsDerivedFrom(RUNTIME_CLASS(SECMsgFilter)))
        return NULL;
    SECMsgFilter* pNew = static_cast<SECMsgFilter*>(pClass->CreateObject());
    if (pNew == NULL)
        return NULL;
    pNew->SetWindow(m_pWnd, TRUE);
    pNew->SetID(nID);
    m_children.Add(pNew);
    return pNew;
}

void SECMsgFilter::ApplyDescriptor(const Descriptor& desc, BOOL bEnable)
{
    SECMsgFilter* pParent =
        desc.m_nParentID == (UINT)-1 ? this : FindOrCreateFilter(desc.m_nParentID, NULL, -1);
    if (pParent == NULL)
        return;
    SECMsgFilter* pTarget = pParent->FindOrCreateFilter(desc.m_nID, bEnable ? desc.m_pClass : NULL, -1);
    if (pTarget == NULL)
        return;
    if (!bEnable && (desc.m_dwFlags & descKeepEnabled))
        return;
    pTarget->Enable(bEnable);
}

void SECMsgFilter::ApplyDescriptorTable(const DescriptorTable& table, const BOOL* pEnables)
{
    for (INT_PTR i = 0; i < table.GetSize(); ++i)
        ApplyDescriptor(*table[i], pEnables[i]);
}

void SECMsgFilter::ApplyDescriptorTableAll(const DescriptorTable& table, BOOL bEnable)
{
    for (INT_PTR i = 0; i < table.GetSize(); ++i)
        ApplyDescriptor(*table[i], bEnable);
}
