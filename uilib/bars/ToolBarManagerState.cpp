// SECToolBarManager: the options in the profile ("<prefix>-ToolBarManager") and in a state tree
// (node "ToolBarMgr"). The toolbars' own titles and buttons travel with the dock state.
#include "uilib/bars/ToolBarManager.h"
#include "uilib/common/PersistentTreeNode.h"

namespace
{
const TCHAR kProfileSection[] = _T("%s-ToolBarManager");
const TCHAR kTreeNode[] = _T("ToolBarMgr");
const TCHAR kToolTips[] = _T("ToolTips");
const TCHAR kCoolLook[] = _T("CoolLook");
const TCHAR kLargeButtons[] = _T("LargeButtons");

// A stored option; a value that is missing, of another kind or no number keeps the current one.
BOOL ReadOption(CWinApp* pApp, LPCTSTR lpszSection, LPCTSTR lpszEntry, BOOL bCurrent)
{
    if (pApp->m_pszRegistryKey != NULL)
        return pApp->GetProfileInt(lpszSection, lpszEntry, bCurrent) != 0;
    // In an INI file the platform reads text that is no number as 0.
    const CString strValue = pApp->GetProfileString(lpszSection, lpszEntry, _T(""));
    LPTSTR pEnd = NULL;
    const long nValue = _tcstol(strValue, &pEnd, 10);
    if (strValue.IsEmpty() || pEnd == NULL || *pEnd != _T('\0'))
        return bCurrent;
    return nValue != 0;
}

CString ProfileSection(LPCTSTR lpszProfileName)
{
    CString strSection;
    strSection.Format(kProfileSection, lpszProfileName != NULL ? lpszProfileName : _T(""));
    return strSection;
}
} // namespace

BOOL SECToolBarManager::LoadState(LPCTSTR lpszProfileName)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return FALSE;
    const CString strSection = ProfileSection(lpszProfileName);
    const BOOL bToolTips = ReadOption(pApp, strSection, kToolTips, m_bToolTips);
    const BOOL bCoolLook = ReadOption(pApp, strSection, kCoolLook, m_bCoolLook);
    const BOOL bLargeButtons = ReadOption(pApp, strSection, kLargeButtons, m_bLargeButtons);
    SetToolTips(bToolTips);
    EnableCoolLook(bCoolLook, SEC_COOLLOOK_BITS);
    SetLargeButtons(bLargeButtons);
    RepaintToolBars();
    return TRUE;
}

BOOL SECToolBarManager::SaveState(LPCTSTR lpszProfileName)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return FALSE;
    const CString strSection = ProfileSection(lpszProfileName);
    return pApp->WriteProfileInt(strSection, kToolTips, m_bToolTips) &&
           pApp->WriteProfileInt(strSection, kCoolLook, m_bCoolLook) &&
           pApp->WriteProfileInt(strSection, kLargeButtons, m_bLargeButtons);
}

BOOL SECToolBarManager::LoadState(SECPersistentTreeNode* pNode)
{
    SECPersistentTreeNode* pChild = pNode != NULL ? pNode->FindChild(kTreeNode) : NULL;
    // Without a node the defaults hold: tips and cool look on, small buttons. They go through the
    // setters, so bars that exist already match the options.
    bool bToolTips = true, bCoolLook = true, bLargeButtons = false;
    if (pChild != NULL)
    {
        // A missing value reads as on.
        pChild->GetKeyValue(kToolTips, bToolTips, true);
        pChild->GetKeyValue(kCoolLook, bCoolLook, true);
        pChild->GetKeyValue(kLargeButtons, bLargeButtons, true);
    }
    SetToolTips(bToolTips);
    EnableCoolLook(bCoolLook, SEC_COOLLOOK_BITS);
    SetLargeButtons(bLargeButtons);
    RepaintToolBars();
    return pNode != NULL;
}

BOOL SECToolBarManager::SaveState(SECPTNFactory* pFactory, SECPersistentTreeNode* pNode)
{
    if (pFactory == NULL || pNode == NULL)
        return FALSE;
    SECPersistentTreeNode* pChild = pFactory->CreateNode(kTreeNode, pNode);
    if (pChild == NULL)
        return FALSE;
    pChild->SetKeyValue(kToolTips, m_bToolTips != FALSE);
    pChild->SetKeyValue(kCoolLook, m_bCoolLook != FALSE);
    pChild->SetKeyValue(kLargeButtons, m_bLargeButtons != FALSE);
    return TRUE;
}
