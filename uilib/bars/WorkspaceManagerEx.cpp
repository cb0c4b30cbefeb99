// SECWorkspaceManagerEx: storage, the recent list, name choosers and the workspace commands.
// Reading and writing the frames' part of the tree is in WorkspaceManagerFrames.cpp.
#include "uilib/bars/WorkspaceManagerEx.h"
#include "BarsIds.h"
#include "FileDialog.h"
#include "uilib/bars/ControlBar.h"
#include "uilib/bars/ControlBarManager.h"
#include "uilib/common/PTNStrategyProfile.h"
#include "uilib/common/PTNStrategyRegistry.h"
#include "uilib/common/PersistentTreeNode.h"
#include "uilib/common/Registry.h"
#include "uilib/bars/WsMgrDialogEx.h"
#include "uilib/frames/docking/DockBar.h"
#include "uilib/frames/docking/DockSite.h"
#include "uilib/frames/docking/DockState.h"
#include "uilib/frames/docking/DockableFrame.h"
#include "uilib/frames/mdi/MDIChildWnd.h"
#include "uilib/frames/mdi/MDIFrameWnd.h"
#include <algorithm>

using tessaron::foundation::SECWndPlugIn;

IMPLEMENT_DYNCREATE(SECWorkspaceManagerEx, SECWndPlugIn)

BEGIN_MESSAGE_MAP(SECWorkspaceManagerEx, SECWndPlugIn)
ON_COMMAND(ID_SEC_WORKSPACE_FIRST, OnNoAction)
ON_COMMAND(ID_SEC_WORKSPACE_OPEN, OnOpen)
ON_COMMAND(ID_SEC_WORKSPACE_SAVE, OnSave)
ON_COMMAND(ID_SEC_WORKSPACE_CLOSE, OnCloseCommand)
ON_COMMAND(ID_SEC_WORKSPACE_SAVEAS, OnSaveAs)
ON_COMMAND(ID_SEC_WORKSPACE_LAST, OnNoAction)
ON_COMMAND_EX_RANGE(ID_SEC_WORKSPACE_MRU_FIRST, ID_SEC_WORKSPACE_MRU_LAST, OnRecent)
ON_UPDATE_COMMAND_UI(ID_SEC_WORKSPACE_FIRST, OnUpdateNoAction)
ON_UPDATE_COMMAND_UI(ID_SEC_WORKSPACE_OPEN, OnUpdateNoAction)
ON_UPDATE_COMMAND_UI(ID_SEC_WORKSPACE_SAVE, OnUpdateNoAction)
ON_UPDATE_COMMAND_UI(ID_SEC_WORKSPACE_CLOSE, OnUpdateClose)
ON_UPDATE_COMMAND_UI(ID_SEC_WORKSPACE_SAVEAS, OnUpdateNoAction)
ON_UPDATE_COMMAND_UI(ID_SEC_WORKSPACE_LAST, OnUpdateNoAction)
ON_UPDATE_COMMAND_UI(ID_SEC_WORKSPACE_MRU_FIRST, OnUpdateRecent)
END_MESSAGE_MAP()

namespace
{
const TCHAR kRootName[] = _T("WorkState_v1_2");
const TCHAR kOldRootName[] = _T("WorkState_v1_1");
const TCHAR kDefaultBaseKey[] = _T("Software\\Tessaron\\DefWorkspace\\");
const TCHAR kEntryFormat[] = _T("Workspace%d");
// A new workspace is written here first and replaces the stored one only when it is whole.
const TCHAR kTempFileSuffix[] = _T(".tmp");
const TCHAR kTempSubkey[] = _T("\\~Saving");

CString EntryName(int nIndex)
{
    CString strEntry;
    strEntry.Format(kEntryFormat, nIndex);
    return strEntry;
}

int FindName(const CStringArray& names, const CString& strName)
{
    for (int i = 0; i < names.GetSize(); i++)
        if (names[i] == strName)
            return i;
    return -1;
}
} // namespace

SECWorkspaceManagerEx::SECWorkspaceManagerEx()
    : m_pFrame(NULL), m_bLoaded(FALSE), m_strFileFilter(_T("*.wsp")), m_strBaseKey(kDefaultBaseKey),
      m_hRoot(HKEY_CURRENT_USER), m_nStorageMode(storeProfile), m_bListInAppSection(FALSE),
      m_nActiveChildShowCmd(SW_SHOWNORMAL), m_nRecentLimit(8), m_bOldVersionTree(FALSE)
{
}

SECWorkspaceManagerEx::~SECWorkspaceManagerEx() = default;

BOOL SECWorkspaceManagerEx::PlugInTo(CWnd* pHost)
{
    if (!SECWndPlugIn::PlugInTo(pHost))
        return FALSE;
    m_pFrame = DYNAMIC_DOWNCAST(CFrameWnd, pHost);
    return TRUE;
}

void SECWorkspaceManagerEx::SetStorageMode(int nMode, BOOL bListInAppSection)
{
    if (nMode != m_nStorageMode)
    {
        m_strCurrent.Empty();
        m_bLoaded = FALSE;
    }
    m_nStorageMode = nMode;
    m_bListInAppSection = bListInAppSection;
}

void SECWorkspaceManagerEx::SetRegistryInfo(LPCTSTR lpszBaseKey, int nMode, HKEY hRoot,
                                            BOOL bListInAppSection)
{
    m_strBaseKey = lpszBaseKey != NULL ? lpszBaseKey : _T("");
    m_hRoot = hRoot;
    SetStorageMode(nMode, bListInAppSection);
    if (m_strBaseKey.IsEmpty() || m_strBaseKey[m_strBaseKey.GetLength() - 1] != '\\')
        m_strBaseKey += _T("\\");
}

SECWndPlugIn* SECWorkspaceManagerEx::CreatePlugIn(CRuntimeClass* pClass, CWnd* pHost, LPCTSTR lpszBaseKey,
                                                  int nMode, BOOL bListInAppSection)
{
    if (pClass == NULL)
        return NULL;
    CObject* pObject = pClass->CreateObject();
    SECWndPlugIn* pPlugIn = DYNAMIC_DOWNCAST(SECWndPlugIn, pObject);
    if (pPlugIn == NULL)
    {
        delete pObject;
        return NULL;
    }
    if (SECWorkspaceManagerEx* pManager = DYNAMIC_DOWNCAST(SECWorkspaceManagerEx, pPlugIn))
        pManager->SetRegistryInfo(lpszBaseKey, nMode, HKEY_CURRENT_USER, bListInAppSection);
    if (!pPlugIn->PlugInTo(pHost))
    {
        delete pPlugIn;
        return NULL;
    }
    return pPlugIn;
}

BOOL SECWorkspaceManagerEx::IsValidRegistryName(const CString& strName)
{
    return !strName.IsEmpty() && strName.Find('\\') < 0;
}

// ---- closing, saving, loading

BOOL SECWorkspaceManagerEx::CloseWorkspace()
{
    m_strCurrent.Empty();
    m_bLoaded = FALSE;
    BOOL bClosed = CloseAllFrames();
    BOOL bHook = m_pFrame != NULL ? OnCloseWorkspace(m_pFrame->m_listControlBars, m_pFrame) : TRUE;
    return bClosed && bHook;
}

BOOL SECWorkspaceManagerEx::OnCloseWorkspace(CPtrList& /*controlBars*/, CFrameWnd* /*pFrame*/)
{
    return TRUE;
}

BOOL SECWorkspaceManagerEx::CloseAllFrames()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return FALSE;
    CPtrList frames;
    for (POSITION posTemplate = pApp->GetFirstDocTemplatePosition(); posTemplate != NULL;)
    {
        CDocTemplate* pTemplate = pApp->GetNextDocTemplate(posTemplate);
        for (POSITION posDoc = pTemplate->GetFirstDocPosition(); posDoc != NULL;)
        {
            CDocument* pDoc = pTemplate->GetNextDoc(posDoc);
            for (POSITION posView = pDoc->GetFirstViewPosition(); posView != NULL;)
            {
                CFrameWnd* pViewFrame = pDoc->GetNextView(posView)->GetParentFrame();
                if (pViewFrame != NULL && pViewFrame != m_pFrame && frames.Find(pViewFrame) == NULL)
                    frames.AddTail(pViewFrame);
            }
        }
    }
    // Handles, since closing one frame may take others with it.
    CList<HWND, HWND> windows;
    for (POSITION pos = frames.GetHeadPosition(); pos != NULL;)
        windows.AddTail(((CFrameWnd*)frames.GetNext(pos))->GetSafeHwnd());
    for (POSITION pos = windows.GetHeadPosition(); pos != NULL;)
    {
        HWND hWnd = windows.GetNext(pos);
        if (::IsWindow(hWnd))
            ::SendMessage(hWnd, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

BOOL SECWorkspaceManagerEx::SaveWorkspace(CString strName)
{
    if (strName.IsEmpty() && (!GetWorkspaceName(strName, TRUE) || strName.IsEmpty()))
        return FALSE;
    SECPTNFactory factory;
    SECPersistentTreeNode* pRoot = factory.CreateNode(kRootName);
    if (pRoot == NULL)
        return FALSE;
    WriteControlBars(factory, pRoot);
    WriteFrames(factory, pRoot);
    OnBeforeSave(factory, pRoot, strName);
    if (!StoreTree(pRoot, strName))
    {
        // Name, recent list and loaded state stay as they were: nothing new was stored.
        ShowMessage(IDS_SEC_WS_SAVE_FAILED, strName);
        return FALSE;
    }
    if (strName != m_strCurrent)
    {
        m_strCurrent = strName;
        CStringArray names;
        ReadWorkspaceList(names);
        AddToWorkspaceList(strName, names);
        WriteWorkspaceList(names);
    }
    m_bLoaded = TRUE;
    return TRUE;
}

BOOL SECWorkspaceManagerEx::StoreTree(SECPersistentTreeNode* pRoot, const CString& strName)
{
    if (m_nStorageMode != storeProfile && !IsValidRegistryName(strName))
        return FALSE;
    const CString strTemp = strName + (m_nStorageMode == storeProfile ? kTempFileSuffix : kTempSubkey);
    if (m_nStorageMode == storeProfile)
        ::DeleteFile(strTemp);
    SECPTNStrategy* pStrategy = CreateStrategy(strTemp);
    BOOL bStored = pStrategy != NULL && pRoot->SaveTree(pStrategy);
    delete pStrategy;
    if (m_nStorageMode == storeProfile)
    {
        // Out of the profile cache before the file is moved.
        ::WritePrivateProfileString(NULL, NULL, NULL, strTemp);
        if (bStored)
            bStored = ::MoveFileEx(strTemp, strName, MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED);
        if (!bStored)
            ::DeleteFile(strTemp);
        ::WritePrivateProfileString(NULL, NULL, NULL, strName);
        return bStored;
    }
    if (bStored)
    {
        pStrategy = CreateStrategy(strName);
        bStored = pStrategy != NULL && pRoot->SaveTree(pStrategy);
        delete pStrategy;
    }
    SECRegistry registry;
    if (registry.Connect(m_hRoot))
    {
        registry.DeleteKey(m_strBaseKey + strTemp, TRUE);
        // A name never stored before leaves no empty key behind.
        if (!bStored)
            registry.DeleteKey(m_strBaseKey + strName, FALSE);
    }
    return bStored;
}

BOOL SECWorkspaceManagerEx::SaveCurrentWorkspace()
{
    return SaveWorkspace(m_strCurrent);
}

SECPersistentTreeNode* SECWorkspaceManagerEx::ReadTree(SECPTNFactory& factory, const CString& strName,
                                                       BOOL& bOldVersion)
{
    if (m_nStorageMode != storeProfile && !IsValidRegistryName(strName))
        return NULL;
    SECPTNStrategy* pStrategy = CreateStrategy(strName);
    if (pStrategy == NULL)
        return NULL;
    const LPCTSTR roots[] = {kRootName, kOldRootName};
    SECPersistentTreeNode* pRoot = NULL;
    for (int i = 0; i < 2 && pRoot == NULL; i++)
    {
        pRoot = factory.CreateNode(roots[i]);
        if (pRoot != NULL && !pRoot->LoadTree(pStrategy))
        {
            factory.DestroyNode(pRoot);
            pRoot = NULL;
        }
        bOldVersion = i == 1;
    }
    delete pStrategy;
    return pRoot;
}

BOOL SECWorkspaceManagerEx::LoadWorkspace(CString strName, BOOL bSilent)
{
    if (strName.IsEmpty() && (!GetWorkspaceName(strName, FALSE) || strName.IsEmpty()))
    {
        ShowFrameNormally();
        return FALSE;
    }
    SECPTNFactory factory;
    BOOL bOldVersion = FALSE;
    SECPersistentTreeNode* pRoot = ReadTree(factory, strName, bOldVersion);
    // Checked before anything open is touched: without the frames there is nothing to restore.
    // A node listed but not stored comes back empty.
    SECPersistentTreeNode* pFrames = pRoot != NULL ? pRoot->FindChild(_T("Frames")) : NULL;
    SECPersistentTreeNode* pMainFrame = pFrames != NULL ? pFrames->FindChild(_T("MainFrame")) : NULL;
    if (pMainFrame == NULL || pMainFrame->GetKeyValueCount() == 0)
    {
        if (!bSilent)
            ShowMessage(IDS_SEC_WS_INVALID);
        RemoveFromWorkspaceList(strName);
        ShowFrameNormally();
        return FALSE;
    }
    m_bOldVersionTree = bOldVersion;

    CloseWorkspace();
    if (m_pFrame != NULL)
    {
        for (POSITION pos = m_pFrame->m_listControlBars.GetHeadPosition(); pos != NULL;)
        {
            CControlBar* pBar = (CControlBar*)m_pFrame->m_listControlBars.GetNext(pos);
            SECControlBar* pSecBar = DYNAMIC_DOWNCAST(SECControlBar, pBar);
            if (pSecBar == NULL)
                continue;
            if (pSecBar->IsFloatingAsMDIChild() && pSecBar->GetParentFrame() != NULL)
                pSecBar->GetParentFrame()->ShowControlBar(pSecBar, FALSE, FALSE);
            else
                pSecBar->ShowWindow(SW_HIDE);
        }
    }

    CFrameWnd* pActive = NULL;
    ReadFrames(pRoot, pActive);
    ReadControlBars(pRoot);

    SECMDIFrameWnd* pMDIFrame = DYNAMIC_DOWNCAST(SECMDIFrameWnd, m_pFrame);
    if (pActive == NULL && pMDIFrame != NULL)
    {
        for (POSITION pos = m_pFrame->m_listControlBars.GetHeadPosition(); pos != NULL;)
        {
            CControlBar* pBar = (CControlBar*)m_pFrame->m_listControlBars.GetNext(pos);
            CFrameWnd* pChild = pBar->IsKindOf(RUNTIME_CLASS(SECDockBar)) ? pBar->GetParentFrame() : NULL;
            if (pChild != NULL && pChild->IsKindOf(RUNTIME_CLASS(SECMDIChildWnd)))
            {
                ::SendMessage(pMDIFrame->m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)pChild->m_hWnd, 0);
                break;
            }
        }
        ActivateChild(NULL);
    }
    else if (pActive != NULL && pMDIFrame != NULL && pActive->IsKindOf(RUNTIME_CLASS(SECDockableFrame)))
        pMDIFrame->ActivateDockableFrame(pActive, TRUE);
    else
        ActivateChild(pActive);

    OnAfterLoad(pRoot, strName);
    m_bOldVersionTree = FALSE;
    RememberWorkspace(strName);
    if (DYNAMIC_DOWNCAST(CMDIFrameWnd, m_pFrame) != NULL)
        ShowFrameNormally();
    return TRUE;
}

void SECWorkspaceManagerEx::RememberWorkspace(const CString& strName)
{
    m_strCurrent = strName;
    m_bLoaded = TRUE;
    CStringArray names;
    ReadWorkspaceList(names);
    AddToWorkspaceList(strName, names);
    WriteWorkspaceList(names);
}

void SECWorkspaceManagerEx::ShowFrameNormally()
{
    CWinApp* pApp = AfxGetApp();
    if (m_pFrame == NULL || m_pFrame->GetSafeHwnd() == NULL || pApp == NULL)
        return;
    if (pApp->m_nCmdShow <= 0)
        pApp->m_nCmdShow = SW_SHOWNORMAL;
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof wp;
    if (!m_pFrame->GetWindowPlacement(&wp))
        return;
    wp.showCmd = (UINT)pApp->m_nCmdShow;
    m_pFrame->SetWindowPlacement(&wp);
}

BOOL SECWorkspaceManagerEx::OpenWorkspace(BOOL bUseMostRecent, BOOL bSilent)
{
    CString strName;
    if (bUseMostRecent)
    {
        CStringArray names;
        if (!ReadWorkspaceList(names) || names.GetSize() == 0)
            return FALSE;
        strName = names[0];
    }
    else if (!GetWorkspaceName(strName, FALSE) || strName.IsEmpty())
        return FALSE;
    return LoadWorkspace(strName, bSilent);
}

SECPTNStrategy* SECWorkspaceManagerEx::CreateStrategy(const CString& strName)
{
    if (m_nStorageMode == storeProfile)
        return new SECPTNStrategyProfile(strName);
    return new SECPTNStrategyRegistry(m_strBaseKey + strName, m_hRoot);
}

void SECWorkspaceManagerEx::OnAfterLoad(SECPersistentTreeNode* /*pRoot*/, const CString& /*strName*/)
{
}

void SECWorkspaceManagerEx::OnBeforeSave(SECPTNFactory& /*factory*/, SECPersistentTreeNode* /*pRoot*/,
                                         const CString& /*strName*/)
{
}

// ---- control bars

BOOL SECWorkspaceManagerEx::ReadControlBars(SECPersistentTreeNode* pRoot)
{
    if (pRoot == NULL)
        return FALSE;
    SECDockSite* pSite = dynamic_cast<SECDockSite*>(m_pFrame);
    if (pSite == NULL)
        return TRUE;
    SECControlBarManager* pManager = pSite->GetControlBarManager();
    if (pManager != NULL)
        pManager->LoadState(pRoot);
    SECDockState state(pManager);
    state.m_pDynamicBars = pSite->GetDynamicBarList();
    if (state.LoadStateFromTree(pRoot))
        state.ApplyToFrame(m_pFrame);
    return TRUE;
}

BOOL SECWorkspaceManagerEx::WriteControlBars(SECPTNFactory& factory, SECPersistentTreeNode* pRoot)
{
    if (pRoot == NULL)
        return FALSE;
    SECDockSite* pSite = dynamic_cast<SECDockSite*>(m_pFrame);
    if (pSite == NULL)
        return TRUE;
    SECControlBarManager* pManager = pSite->GetControlBarManager();
    SECDockState state(pManager);
    if (state.CollectFrameState(m_pFrame))
    {
        state.RemoveStaleBarEntries();
        state.SaveStateToTree(&factory, pRoot);
    }
    if (pManager != NULL)
        pManager->SaveState(&factory, pRoot);
    return TRUE;
}

// ---- names

BOOL SECWorkspaceManagerEx::GetWorkspaceName(CString& strName, BOOL bForSave)
{
    strName.Empty();
    if (m_nStorageMode == storeProfile)
        return ChooseWorkspaceFile(strName, bForSave);
    return ChooseWorkspaceName(strName, !bForSave, bForSave);
}

BOOL SECWorkspaceManagerEx::ChooseWorkspaceFile(CString& strName, BOOL bForSave)
{
    CString strTitle, strWorkspaces, strAll;
    strTitle.LoadString(bForSave ? IDS_SEC_WS_SAVE_CAPTION : IDS_SEC_WS_OPEN_CAPTION);
    strWorkspaces.LoadString(IDS_SEC_WS_FILTER_NAME);
    strAll.LoadString(IDS_SEC_WS_ALL_FILES);
    CString strFilter;
    strFilter.Format(_T("%s (%s)|%s|%s (%s)|%s||"), (LPCTSTR)strWorkspaces, (LPCTSTR)m_strFileFilter,
                     (LPCTSTR)m_strFileFilter, (LPCTSTR)strAll, _T("*.*"), _T("*.*"));
    CString strDefExt = m_strFileFilter.GetLength() > 2 ? m_strFileFilter.Mid(2) : CString();
    DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    if (!bForSave)
        dwFlags |= OFN_FILEMUSTEXIST;
    CFileDialog dialog(!bForSave, strDefExt.IsEmpty() ? NULL : (LPCTSTR)strDefExt, NULL, dwFlags, strFilter,
                       m_pFrame);
    dialog.m_ofn.lpstrTitle = strTitle;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    strName = dialog.GetPathName();
    return TRUE;
}

BOOL SECWorkspaceManagerEx::ChooseWorkspaceName(CString& strName, BOOL bForOpen, BOOL bForSave)
{
    CStringArray oldNames, newNames, deletedNames;
    ReadWorkspaceList(oldNames);
    newNames.Copy(oldNames);
    CString strChosen = m_strCurrent;
    SECWsMgrDialogEx dialog(oldNames, newNames, deletedNames, strChosen, bForOpen, bForSave, m_pFrame);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    ApplyWorkspaceEdits(oldNames, newNames, deletedNames);
    WriteWorkspaceList(newNames);
    strName = strChosen;
    return TRUE;
}

BOOL SECWorkspaceManagerEx::ApplyWorkspaceEdits(const CStringArray& oldNames, CStringArray& newNames,
                                                const CStringArray& deletedNames)
{
    SECRegistry registry;
    if (!registry.Connect(m_hRoot))
        return FALSE;
    BOOL bResult = TRUE;
    for (int i = 0; i < deletedNames.GetSize(); i++)
        if (!IsValidRegistryName(deletedNames[i]) ||
            !registry.DeleteKey(m_strBaseKey + deletedNames[i], TRUE))
            bResult = FALSE;
    const int nPairs = (int)std::min(oldNames.GetSize(), newNames.GetSize());
    for (int i = 0; i < nPairs; i++)
    {
        const CString& strOld = oldNames[i];
        const CString& strNew = newNames[i];
        if (strOld == strNew)
            continue;
        if (!IsValidRegistryName(strOld) || !IsValidRegistryName(strNew))
        {
            bResult = FALSE;
            continue;
        }
        SECPTNFactory factory;
        SECPersistentTreeNode* pRoot = factory.CreateNode(kRootName);
        SECPTNStrategyRegistry from(m_strBaseKey + strOld, m_hRoot);
        SECPTNStrategyRegistry to(m_strBaseKey + strNew, m_hRoot);
        // The old workspace goes only once the new one is stored.
        if (pRoot != NULL && pRoot->LoadTree(&from) && pRoot->SaveTree(&to))
            registry.DeleteKey(m_strBaseKey + strOld, TRUE);
        else
            bResult = FALSE;
    }
    for (int i = 0; i < deletedNames.GetSize(); i++)
    {
        int nIndex = FindName(newNames, deletedNames[i]);
        if (nIndex >= 0)
            newNames.RemoveAt(nIndex);
    }
    return bResult;
}

// ---- recent list

CString SECWorkspaceManagerEx::GetListName() const
{
    return m_nStorageMode == storeProfile ? _T("__MRUFileList") : _T("__MRURegList");
}

namespace
{
// Where the recent list is: the application's profile file (empty key path) or a key below
// HKEY_CURRENT_USER.
CString ListKeyPath(CWinApp* pApp, const CString& strBaseKey, const CString& strListName, BOOL bInAppSection)
{
    if (pApp == NULL || pApp->m_pszRegistryKey == NULL)
        return CString();
    if (!bInAppSection)
        return strBaseKey + strListName;
    CString strSection = strBaseKey;
    SECRegistry::NormalizeKeyName(strSection);
    CString strPath;
    strPath.Format(_T("Software\\%s\\%s\\%s\\%s"), pApp->m_pszRegistryKey, pApp->m_pszProfileName,
                   (LPCTSTR)strSection, (LPCTSTR)strListName);
    return strPath;
}
} // namespace

BOOL SECWorkspaceManagerEx::ReadWorkspaceList(CStringArray& names)
{
    CWinApp* pApp = AfxGetApp();
    const CString strList = GetListName();
    const CString strKey = ListKeyPath(pApp, m_strBaseKey, strList, m_bListInAppSection);
    if (strKey.IsEmpty())
    {
        if (pApp == NULL)
            return FALSE;
        for (UINT i = 0; i < m_nRecentLimit; i++)
        {
            CString strName = pApp->GetProfileString(strList, EntryName((int)i), _T(""));
            if (!strName.IsEmpty())
                names.Add(strName);
        }
        return TRUE;
    }
    SECRegistry registry;
    if (!registry.Connect(HKEY_CURRENT_USER) || !registry.Open(strKey, KEY_READ))
        return FALSE;
    for (UINT i = 0; i < m_nRecentLimit; i++)
    {
        CString strName;
        if (registry.GetStringValue(EntryName((int)i), strName))
            names.Add(strName);
    }
    return TRUE;
}

BOOL SECWorkspaceManagerEx::WriteWorkspaceList(const CStringArray& names)
{
    CWinApp* pApp = AfxGetApp();
    const CString strList = GetListName();
    const CString strKey = ListKeyPath(pApp, m_strBaseKey, strList, m_bListInAppSection);
    const int nCount = (int)std::min((UINT)names.GetSize(), m_nRecentLimit);
    BOOL bResult = TRUE;
    if (strKey.IsEmpty())
    {
        if (pApp == NULL)
            return FALSE;
        for (int i = 0; i < nCount; i++)
            bResult &= pApp->WriteProfileString(strList, EntryName(i), names[i]);
        for (int i = nCount; i < (int)m_nRecentLimit; i++)
            pApp->WriteProfileString(strList, EntryName(i), NULL);
        return bResult;
    }
    SECRegistry registry;
    if (!registry.Connect(HKEY_CURRENT_USER))
        return FALSE;
    registry.DeleteKey(strKey, TRUE);
    if (!registry.Create(strKey))
        return FALSE;
    for (int i = 0; i < nCount; i++)
        bResult &= registry.SetStringValue(EntryName(i), names[i]);
    return bResult;
}

void SECWorkspaceManagerEx::AddToWorkspaceList(const CString& strName, CStringArray& names)
{
    int nIndex = FindName(names, strName);
    if (nIndex >= 0)
        names.RemoveAt(nIndex);
    names.InsertAt(0, strName);
    while ((UINT)names.GetSize() > m_nRecentLimit)
        names.RemoveAt(names.GetSize() - 1);
}

BOOL SECWorkspaceManagerEx::RemoveFromWorkspaceList(const CString& strName)
{
    CStringArray names;
    ReadWorkspaceList(names);
    int nIndex = FindName(names, strName);
    if (nIndex < 0)
        return FALSE;
    names.RemoveAt(nIndex);
    return WriteWorkspaceList(names);
}

// ---- messages

void SECWorkspaceManagerEx::ShowMessage(UINT nIDPrompt, LPCTSTR lpszArg)
{
    CString strFormat, strText;
    strFormat.LoadString(nIDPrompt);
    if (lpszArg != NULL)
        strText.Format(strFormat, lpszArg);
    else
        strText = strFormat;
    AfxMessageBox(strText, MB_OK);
}

// ---- commands

void SECWorkspaceManagerEx::OnNoAction()
{
}

void SECWorkspaceManagerEx::OnOpen()
{
    m_bMsgConsumed = TRUE;
    OpenWorkspace(FALSE, FALSE);
}

void SECWorkspaceManagerEx::OnSave()
{
    SaveCurrentWorkspace();
}

void SECWorkspaceManagerEx::OnCloseCommand()
{
    m_bMsgConsumed = TRUE;
    CloseWorkspace();
}

void SECWorkspaceManagerEx::OnSaveAs()
{
    SaveWorkspace(CString());
}

BOOL SECWorkspaceManagerEx::OnRecent(UINT nID)
{
    m_bMsgConsumed = TRUE;
    CStringArray names;
    ReadWorkspaceList(names);
    const int nIndex = (int)(nID - ID_SEC_WORKSPACE_MRU_FIRST);
    if (nIndex < names.GetSize())
        LoadWorkspace(names[nIndex], FALSE);
    return TRUE;
}

void SECWorkspaceManagerEx::OnUpdateNoAction(CCmdUI* /*pCmdUI*/)
{
}

void SECWorkspaceManagerEx::OnUpdateClose(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bLoaded);
}

void SECWorkspaceManagerEx::OnUpdateRecent(CCmdUI* pCmdUI)
{
    CMenu* pMenu = pCmdUI->m_pMenu;
    if (pMenu == NULL || pMenu->GetMenuItemID(pCmdUI->m_nIndex) != ID_SEC_WORKSPACE_MRU_FIRST)
        return;
    const UINT nPos = pCmdUI->m_nIndex;
    // The run of recent items starting here goes; the first other item ends it.
    for (int i = (int)nPos, nCount = pMenu->GetMenuItemCount(); i < nCount; i++)
    {
        UINT nItemID = pMenu->GetMenuItemID(nPos);
        if (nItemID < ID_SEC_WORKSPACE_MRU_FIRST || nItemID > ID_SEC_WORKSPACE_MRU_LAST)
            break;
        pMenu->DeleteMenu(nPos, MF_BYPOSITION);
    }
    CStringArray names;
    if (!ReadWorkspaceList(names) || names.GetSize() == 0)
    {
        CString strNone;
        strNone.LoadString(IDS_SEC_WS_NO_RECENT);
        pMenu->InsertMenu(nPos, MF_BYPOSITION | MF_STRING, ID_SEC_WORKSPACE_MRU_FIRST, strNone);
        pMenu->EnableMenuItem(ID_SEC_WORKSPACE_MRU_FIRST, MF_BYCOMMAND | MF_GRAYED);
    }
    else
    {
        const int nShown = (int)std::min((UINT)names.GetSize(), m_nRecentLimit);
        for (int i = 0; i < nShown; i++)
        {
            CString strItem;
            strItem.Format(_T("&%d %s"), i + 1, (LPCTSTR)names[i]);
            pMenu->InsertMenu(nPos + i, MF_BYPOSITION | MF_STRING, ID_SEC_WORKSPACE_MRU_FIRST + i, strItem);
            if (names[i] == m_strCurrent)
                pMenu->CheckMenuItem(ID_SEC_WORKSPACE_MRU_FIRST + i, MF_BYCOMMAND | MF_CHECKED);
        }
        if (names.GetSize() > nShown)
        {
            CString strMore;
            strMore.LoadString(IDS_SEC_WS_MORE);
            pMenu->InsertMenu(nPos + nShown, MF_BYPOSITION | MF_STRING, ID_SEC_WORKSPACE_MRU_FIRST + nShown,
                              strMore);
        }
        pMenu->EnableMenuItem(ID_SEC_WORKSPACE_MRU_FIRST + nShown, MF_BYCOMMAND | MF_ENABLED);
    }
    pCmdUI->m_nIndexMax = pMenu->GetMenuItemCount();
    pCmdUI->m_bEnableChanged = TRUE;
}
