// The saved state of one bar in the profile and in an archive.
#include "ControlBarInfo.h"
#include "Archive.h"
#include "DockState.h"
#include "WinApp.h"

CControlBarInfo::CControlBarInfo()
    : m_nBarID(0), m_bVisible(FALSE), m_bFloating(FALSE), m_bHorz(FALSE), m_bDockBar(FALSE),
      m_pointPos(-1, -1), m_nMRUWidth(32767), m_bDocking(FALSE), m_uMRUDockID(0),
      m_rectMRUDockPos(0, 0, 0, 0), m_dwMRUFloatStyle(0), m_ptMRUFloatPos(0, 0), m_pBar(NULL)
{
}

BOOL AFXAPI AfxGetProfileIntIfPresent(LPCTSTR lpszSection, LPCTSTR lpszEntry, int* pnValue)
{
    CWinApp* pApp = AfxGetApp();
    int nValue = (int)pApp->GetProfileInt(lpszSection, lpszEntry, 0);
    if (nValue == 0 && (int)pApp->GetProfileInt(lpszSection, lpszEntry, 1) == 1)
        return FALSE;
    *pnValue = nValue;
    return TRUE;
}

namespace
{
CString SectionName(LPCTSTR lpszProfileName, int nIndex)
{
    CString strSection;
    strSection.Format(_T("%s-Bar%d"), lpszProfileName, nIndex);
    return strSection;
}

// The application profile's section of one bar.
class ProfileStore : public CControlBarInfo::KeyStore
{
  public:
    explicit ProfileStore(const CString& strSection) : m_strSection(strSection)
    {
    }
    void WriteInt(LPCTSTR lpszKey, int nValue) override
    {
        AfxGetApp()->WriteProfileInt(m_strSection, lpszKey, nValue);
    }
    int ReadInt(LPCTSTR lpszKey, int nDefault) override
    {
        return (int)AfxGetApp()->GetProfileInt(m_strSection, lpszKey, nDefault);
    }
    BOOL ReadIntIfPresent(LPCTSTR lpszKey, int* pnValue) override
    {
        return AfxGetProfileIntIfPresent(m_strSection, lpszKey, pnValue);
    }

  private:
    CString m_strSection;
};
} // namespace

BOOL CControlBarInfo::IsDefaultDockBar() const
{
    return m_bDockBar && m_bVisible && !m_bFloating && m_pointPos == CPoint(-1, -1) &&
           m_arrBarID.GetSize() <= 1;
}

BOOL CControlBarInfo::SaveState(LPCTSTR lpszProfileName, int nIndex)
{
    CString strSection = SectionName(lpszProfileName, nIndex);
    AfxGetApp()->WriteProfileString(strSection, NULL, NULL);
    if (IsDefaultDockBar())
        return FALSE;
    ProfileStore store(strSection);
    WriteKeys(store);
    return TRUE;
}

void CControlBarInfo::WriteKeys(KeyStore& store) const
{
    store.WriteInt(_T("BarID"), (int)m_nBarID);
    if (!m_bVisible)
        store.WriteInt(_T("Visible"), m_bVisible);
    if (m_bFloating)
    {
        store.WriteInt(_T("Horz"), m_bHorz);
        store.WriteInt(_T("Floating"), m_bFloating);
    }
    if (m_pointPos.x != -1)
        store.WriteInt(_T("XPos"), m_pointPos.x);
    if (m_pointPos.y != -1)
        store.WriteInt(_T("YPos"), m_pointPos.y);
    if (m_nMRUWidth != 32767)
        store.WriteInt(_T("MRUWidth"), (int)m_nMRUWidth);
    if (m_bDocking)
    {
        store.WriteInt(_T("Docking"), m_bDocking);
        store.WriteInt(_T("MRUDockID"), (int)m_uMRUDockID);
        store.WriteInt(_T("MRUDockLeftPos"), m_rectMRUDockPos.left);
        store.WriteInt(_T("MRUDockTopPos"), m_rectMRUDockPos.top);
        store.WriteInt(_T("MRUDockRightPos"), m_rectMRUDockPos.right);
        store.WriteInt(_T("MRUDockBottomPos"), m_rectMRUDockPos.bottom);
        store.WriteInt(_T("MRUFloatStyle"), (int)m_dwMRUFloatStyle);
        store.WriteInt(_T("MRUFloatXPos"), m_ptMRUFloatPos.x);
        store.WriteInt(_T("MRUFloatYPos"), m_ptMRUFloatPos.y);
    }
    if (m_arrBarID.GetSize() > 1)
    {
        store.WriteInt(_T("Bars"), (int)m_arrBarID.GetSize());
        for (int i = 0; i < m_arrBarID.GetSize(); i++)
        {
            CString strEntry;
            strEntry.Format(_T("Bar#%d"), i);
            store.WriteInt(strEntry, (int)(UINT_PTR)m_arrBarID[i]);
        }
    }
}

BOOL CControlBarInfo::LoadState(LPCTSTR lpszProfileName, int nIndex, CDockState* pDockState)
{
    ProfileStore store(SectionName(lpszProfileName, nIndex));
    int nBarID = 0;
    if (!store.ReadIntIfPresent(_T("BarID"), &nBarID))
        return FALSE;
    m_nBarID = (UINT)nBarID;
    ReadKeys(store, pDockState);
    return m_nBarID != 0;
}

void CControlBarInfo::ReadKeys(KeyStore& store, CDockState* pDockState)
{
    m_bVisible = (BOOL)store.ReadInt(_T("Visible"), TRUE);
    m_bHorz = (BOOL)store.ReadInt(_T("Horz"), TRUE);
    m_bFloating = (BOOL)store.ReadInt(_T("Floating"), FALSE);
    m_pointPos = CPoint(store.ReadInt(_T("XPos"), -1), store.ReadInt(_T("YPos"), -1));
    pDockState->ScalePoint(m_pointPos);
    m_nMRUWidth = (UINT)store.ReadInt(_T("MRUWidth"), 32767);
    m_bDocking = (BOOL)store.ReadInt(_T("Docking"), 0);
    if (m_bDocking)
    {
        m_uMRUDockID = (UINT)store.ReadInt(_T("MRUDockID"), 0);
        m_rectMRUDockPos =
            CRect(store.ReadInt(_T("MRUDockLeftPos"), 0), store.ReadInt(_T("MRUDockTopPos"), 0),
                  store.ReadInt(_T("MRUDockRightPos"), 0), store.ReadInt(_T("MRUDockBottomPos"), 0));
        pDockState->ScaleRectPos(m_rectMRUDockPos);
        m_dwMRUFloatStyle = (DWORD)store.ReadInt(_T("MRUFloatStyle"), 0);
        m_ptMRUFloatPos = CPoint(store.ReadInt(_T("MRUFloatXPos"), 0), store.ReadInt(_T("MRUFloatYPos"), 0));
        pDockState->ScalePoint(m_ptMRUFloatPos);
    }
    int nBars = store.ReadInt(_T("Bars"), 0);
    for (int i = 0; i < nBars; i++)
    {
        CString strEntry;
        strEntry.Format(_T("Bar#%d"), i);
        int nID = 0;
        if (!store.ReadIntIfPresent(strEntry, &nID))
            break; // the count says more than is stored
        m_arrBarID.Add((void*)(UINT_PTR)(UINT)nID);
    }
}

void CControlBarInfo::Serialize(CArchive& ar, CDockState* pDockState)
{
    SerializeHead(ar, pDockState);
    SerializeBarIDs(ar);
}

void CControlBarInfo::SerializeHead(CArchive& ar, CDockState* pDockState)
{
    if (ar.IsStoring())
    {
        ar << (DWORD)m_nBarID << (DWORD)m_bVisible << (DWORD)m_bFloating << (DWORD)m_bHorz
           << (POINT)m_pointPos;
        if (pDockState->GetVersion() > 1)
        {
            ar << (DWORD)m_nMRUWidth << (DWORD)m_bDocking;
            if (m_bDocking)
                ar << (DWORD)m_uMRUDockID << (const RECT&)m_rectMRUDockPos << m_dwMRUFloatStyle
                   << (POINT)m_ptMRUFloatPos;
        }
        return;
    }
    DWORD dw;
    ar >> dw;
    m_nBarID = dw;
    ar >> dw;
    m_bVisible = (BOOL)dw;
    ar >> dw;
    m_bFloating = (BOOL)dw;
    ar >> dw;
    m_bHorz = (BOOL)dw;
    POINT pt;
    ar >> pt;
    m_pointPos = pt;
    if (pDockState->GetVersion() > 1)
    {
        pDockState->ScalePoint(m_pointPos);
        ar >> dw;
        m_nMRUWidth = dw;
        ar >> dw;
        m_bDocking = (BOOL)dw;
        if (m_bDocking)
        {
            RECT rect;
            ar >> dw >> rect >> m_dwMRUFloatStyle >> pt;
            m_uMRUDockID = dw;
            m_rectMRUDockPos = rect;
            pDockState->ScaleRectPos(m_rectMRUDockPos);
            m_ptMRUFloatPos = pt;
            pDockState->ScalePoint(m_ptMRUFloatPos);
        }
    }
}

void CControlBarInfo::SerializeBarIDs(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << (WORD)m_arrBarID.GetSize();
        for (int i = 0; i < m_arrBarID.GetSize(); i++)
            ar << (DWORD)(UINT_PTR)m_arrBarID[i];
        return;
    }
    WORD nCount;
    ar >> nCount;
    m_arrBarID.RemoveAll();
    for (WORD i = 0; i < nCount; i++)
    {
        DWORD dw;
        ar >> dw;
        m_arrBarID.Add((void*)(UINT_PTR)dw);
    }
}
