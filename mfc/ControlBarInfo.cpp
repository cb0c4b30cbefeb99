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
} // namespace

BOOL CControlBarInfo::SaveState(LPCTSTR lpszProfileName, int nIndex)
{
    CWinApp* pApp = AfxGetApp();
    CString strSection = SectionName(lpszProfileName, nIndex);
    pApp->WriteProfileString(strSection, NULL, NULL);
    if (m_bDockBar && m_bVisible && !m_bFloating && m_pointPos == CPoint(-1, -1) && m_arrBarID.GetSize() <= 1)
        return FALSE;
    // Values equal to what LoadState takes for a missing one are left out.
    pApp->WriteProfileInt(strSection, _T("BarID"), (int)m_nBarID);
    if (!m_bVisible)
        pApp->WriteProfileInt(strSection, _T("Visible"), m_bVisible);
    if (m_bFloating)
    {
        pApp->WriteProfileInt(strSection, _T("Horz"), m_bHorz);
        pApp->WriteProfileInt(strSection, _T("Floating"), m_bFloating);
    }
    if (m_pointPos.x != -1)
        pApp->WriteProfileInt(strSection, _T("XPos"), m_pointPos.x);
    if (m_pointPos.y != -1)
        pApp->WriteProfileInt(strSection, _T("YPos"), m_pointPos.y);
    if (m_nMRUWidth != 32767)
        pApp->WriteProfileInt(strSection, _T("MRUWidth"), (int)m_nMRUWidth);
    if (m_bDocking)
    {
        pApp->WriteProfileInt(strSection, _T("Docking"), m_bDocking);
        pApp->WriteProfileInt(strSection, _T("MRUDockID"), (int)m_uMRUDockID);
        pApp->WriteProfileInt(strSection, _T("MRUDockLeftPos"), m_rectMRUDockPos.left);
        pApp->WriteProfileInt(strSection, _T("MRUDockTopPos"), m_rectMRUDockPos.top);
        pApp->WriteProfileInt(strSection, _T("MRUDockRightPos"), m_rectMRUDockPos.right);
        pApp->WriteProfileInt(strSection, _T("MRUDockBottomPos"), m_rectMRUDockPos.bottom);
        pApp->WriteProfileInt(strSection, _T("MRUFloatStyle"), (int)m_dwMRUFloatStyle);
        pApp->WriteProfileInt(strSection, _T("MRUFloatXPos"), m_ptMRUFloatPos.x);
        pApp->WriteProfileInt(strSection, _T("MRUFloatYPos"), m_ptMRUFloatPos.y);
    }
    if (m_arrBarID.GetSize() > 1)
    {
        pApp->WriteProfileInt(strSection, _T("Bars"), (int)m_arrBarID.GetSize());
        for (int i = 0; i < m_arrBarID.GetSize(); i++)
        {
            CString strEntry;
            strEntry.Format(_T("Bar#%d"), i);
            pApp->WriteProfileInt(strSection, strEntry, (int)(UINT_PTR)m_arrBarID[i]);
        }
    }
    return TRUE;
}

BOOL CControlBarInfo::LoadState(LPCTSTR lpszProfileName, int nIndex, CDockState* pDockState)
{
    CWinApp* pApp = AfxGetApp();
    CString strSection = SectionName(lpszProfileName, nIndex);
    int nBarID = 0;
    if (!AfxGetProfileIntIfPresent(strSection, _T("BarID"), &nBarID))
        return FALSE;
    m_nBarID = (UINT)nBarID;
    m_bVisible = (BOOL)pApp->GetProfileInt(strSection, _T("Visible"), TRUE);
    m_bHorz = (BOOL)pApp->GetProfileInt(strSection, _T("Horz"), TRUE);
    m_bFloating = (BOOL)pApp->GetProfileInt(strSection, _T("Floating"), FALSE);
    m_pointPos = CPoint((int)pApp->GetProfileInt(strSection, _T("XPos"), -1),
                        (int)pApp->GetProfileInt(strSection, _T("YPos"), -1));
    pDockState->ScalePoint(m_pointPos);
    m_nMRUWidth = pApp->GetProfileInt(strSection, _T("MRUWidth"), 32767);
    m_bDocking = (BOOL)pApp->GetProfileInt(strSection, _T("Docking"), 0);
    if (m_bDocking)
    {
        m_uMRUDockID = pApp->GetProfileInt(strSection, _T("MRUDockID"), 0);
        m_rectMRUDockPos = CRect((int)pApp->GetProfileInt(strSection, _T("MRUDockLeftPos"), 0),
                                 (int)pApp->GetProfileInt(strSection, _T("MRUDockTopPos"), 0),
                                 (int)pApp->GetProfileInt(strSection, _T("MRUDockRightPos"), 0),
                                 (int)pApp->GetProfileInt(strSection, _T("MRUDockBottomPos"), 0));
        pDockState->ScaleRectPos(m_rectMRUDockPos);
        m_dwMRUFloatStyle = pApp->GetProfileInt(strSection, _T("MRUFloatStyle"), 0);
        m_ptMRUFloatPos = CPoint((int)pApp->GetProfileInt(strSection, _T("MRUFloatXPos"), 0),
                                 (int)pApp->GetProfileInt(strSection, _T("MRUFloatYPos"), 0));
        pDockState->ScalePoint(m_ptMRUFloatPos);
    }
    int nBars = (int)pApp->GetProfileInt(strSection, _T("Bars"), 0);
    for (int i = 0; i < nBars; i++)
    {
        CString strEntry;
        strEntry.Format(_T("Bar#%d"), i);
        int nID = 0;
        if (!AfxGetProfileIntIfPresent(strSection, strEntry, &nID))
            break; // the count says more than is stored
        m_arrBarID.Add((void*)(UINT_PTR)(UINT)nID);
    }
    return m_nBarID != 0;
}

void CControlBarInfo::Serialize(CArchive& ar, CDockState* pDockState)
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
        ar << (WORD)m_arrBarID.GetSize();
        for (int i = 0; i < m_arrBarID.GetSize(); i++)
            ar << (DWORD)(UINT_PTR)m_arrBarID[i];
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
    WORD nCount;
    ar >> nCount;
    m_arrBarID.RemoveAll();
    for (WORD i = 0; i < nCount; i++)
    {
        ar >> dw;
        m_arrBarID.Add((void*)(UINT_PTR)dw);
    }
}
