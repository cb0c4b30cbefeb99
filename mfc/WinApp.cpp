// The application object: start-up, idle processing, profile, documents, shell and help.
#include "WinApp.h"
#include "AfxState.h"
#include "DocManager.h"
#include "DocTemplate.h"
#include "FrameWnd.h"
#include "PrintDialog.h"
#include "FrameworkIds.h"
#include <commdlg.h>
#include <shellapi.h>
#include <stdlib.h>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

static CWinApp* afxCurrentWinApp = NULL;

CWinApp* AFXAPI AfxGetApp()
{
    return afxCurrentWinApp;
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != NULL ? pThread->GetMainWnd() : NULL;
}

LPCTSTR AFXAPI AfxGetAppName()
{
    return afxCurrentWinApp != NULL ? afxCurrentWinApp->m_pszAppName : _T("");
}

static HWND AFXAPI AfxOwnerForBoxes()
{
    CWnd* pWnd = AfxGetMainWnd();
    if (pWnd == NULL || pWnd->m_hWnd == NULL)
        return NULL;
    HWND hWnd = ::GetLastActivePopup(pWnd->GetTopLevelParent()->GetSafeHwnd());
    return ::IsWindowEnabled(hWnd) ? hWnd : NULL;
}

HWND AFXAPI AfxGetMainWndForBoxes()
{
    return AfxOwnerForBoxes();
}

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
ON_COMMAND(ID_APP_EXIT, OnAppExit)
ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentFile)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pszAppName(lpszAppName != NULL ? _tcsdup(lpszAppName) : NULL), m_hInstance(NULL),
      m_hPrevInstance(NULL), m_lpCmdLine(NULL), m_nCmdShow(SW_SHOWNORMAL), m_pszExeName(NULL),
      m_pszHelpFilePath(NULL), m_pszProfileName(NULL), m_pszRegistryKey(NULL), m_pDocManager(NULL),
      m_pRecentFileList(NULL), m_hDevMode(NULL), m_hDevNames(NULL), m_dwPromptContext(0),
      m_nWaitCursorCount(0), m_hcurWaitCursorRestore(NULL), m_nNumPreviewPages(0), m_atomApp(0),
      m_atomSystemTopic(0), m_bHelpMode(FALSE)
{
    afxCurrentWinApp = this;
    m_hThread = ::GetCurrentThread();
    m_nThreadID = ::GetCurrentThreadId();
    AfxSetMessageOwnerProvider(&AfxOwnerForBoxes);
}

CWinApp::~CWinApp()
{
    delete m_pDocManager;
    delete m_pRecentFileList;
    if (m_hDevMode != NULL)
        ::GlobalFree(m_hDevMode);
    if (m_hDevNames != NULL)
        ::GlobalFree(m_hDevNames);
    if (m_atomApp != 0)
        ::GlobalDeleteAtom(m_atomApp);
    if (m_atomSystemTopic != 0)
        ::GlobalDeleteAtom(m_atomSystemTopic);
    free((void*)m_pszAppName);
    free((void*)m_pszExeName);
    free((void*)m_pszHelpFilePath);
    free((void*)m_pszProfileName);
    free((void*)m_pszRegistryKey);
    m_hThread = NULL; // the pseudo handle is not closed
    if (afxCurrentWinApp == this)
    {
        afxCurrentWinApp = NULL;
        AfxSetMessageOwnerProvider(NULL);
    }
}

// Names derived from the module: exe name, help file, INI file, application title.
void CWinApp::SetCurrentHandles()
{
    if (m_hInstance == NULL)
        m_hInstance = AfxGetInstanceHandle();
    TCHAR szBuff[MAX_PATH + 1];
    ::GetModuleFileName(m_hInstance, szBuff, MAX_PATH);
    szBuff[MAX_PATH] = 0;
    LPTSTR lpszExt = strrchr(szBuff, '.');
    LPTSTR lpszName = strrchr(szBuff, '\\');
    lpszName = lpszName != NULL ? lpszName + 1 : szBuff;
    if (lpszExt != NULL && lpszExt > lpszName)
        *lpszExt = 0;
    if (m_pszExeName == NULL)
        m_pszExeName = _tcsdup(lpszName);
    if (m_pszHelpFilePath == NULL)
    {
        CString strHelp = szBuff;
        strHelp += _T(".HLP");
        m_pszHelpFilePath = _tcsdup(strHelp);
    }
    if (m_pszAppName == NULL)
    {
        CString strTitle;
        if (strTitle.LoadString(AFX_IDS_APP_TITLE))
            m_pszAppName = _tcsdup(strTitle);
        else
            m_pszAppName = _tcsdup(m_pszExeName);
    }
    if (m_pszProfileName == NULL)
    {
        CString strIni = m_pszExeName;
        strIni += _T(".INI");
        m_pszProfileName = _tcsdup(strIni);
    }
    AfxSetMessageBoxCaption(m_pszAppName);
}

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const
{
    return ::LoadCursor(AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR), lpszResourceName);
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
{
    return ::LoadIcon(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}

// ---- profile

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    free((void*)m_pszRegistryKey);
    m_pszRegistryKey = _tcsdup(lpszRegistryKey);
    free((void*)m_pszProfileName);
    m_pszProfileName = _tcsdup(m_pszAppName != NULL ? m_pszAppName : _T(""));
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString strKey;
    strKey.LoadString(nIDRegistryKey);
    SetRegistryKey(strKey);
}

HKEY CWinApp::GetAppRegistryKey()
{
    HKEY hAppKey = NULL, hSoftKey = NULL, hCompanyKey = NULL;
    DWORD dw;
    if (::RegOpenKeyEx(HKEY_CURRENT_USER, _T("Software"), 0, KEY_WRITE | KEY_READ, &hSoftKey) ==
        ERROR_SUCCESS)
    {
        if (::RegCreateKeyEx(hSoftKey, m_pszRegistryKey, 0, NULL, REG_OPTION_NON_VOLATILE,
                             KEY_WRITE | KEY_READ, NULL, &hCompanyKey, &dw) == ERROR_SUCCESS)
        {
            ::RegCreateKeyEx(hCompanyKey, m_pszProfileName, 0, NULL, REG_OPTION_NON_VOLATILE,
                             KEY_WRITE | KEY_READ, NULL, &hAppKey, &dw);
        }
    }
    if (hSoftKey != NULL)
        ::RegCloseKey(hSoftKey);
    if (hCompanyKey != NULL)
        ::RegCloseKey(hCompanyKey);
    return hAppKey;
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    HKEY hSectionKey = NULL;
    HKEY hAppKey = GetAppRegistryKey();
    if (hAppKey == NULL)
        return NULL;
    DWORD dw;
    ::RegCreateKeyEx(hAppKey, lpszSection, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ, NULL,
                     &hSectionKey, &dw);
    ::RegCloseKey(hAppKey);
    return hSectionKey;
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (m_pszRegistryKey == NULL)
        return ::GetPrivateProfileInt(lpszSection, lpszEntry, nDefault, m_pszProfileName);
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == NULL)
        return nDefault;
    DWORD dwValue = 0, dwType = 0, dwCount = sizeof(DWORD);
    LONG lResult = ::RegQueryValueEx(hSecKey, lpszEntry, NULL, &dwType, (LPBYTE)&dwValue, &dwCount);
    ::RegCloseKey(hSecKey);
    if (lResult == ERROR_SUCCESS && dwType == REG_DWORD && dwCount == sizeof(DWORD))
        return (UINT)dwValue;
    return nDefault;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (m_pszRegistryKey == NULL)
    {
        TCHAR szT[16];
        wsprintf(szT, _T("%d"), nValue);
        return ::WritePrivateProfileString(lpszSection, lpszEntry, szT, m_pszProfileName);
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == NULL)
        return FALSE;
    LONG lResult = ::RegSetValueEx(hSecKey, lpszEntry, 0, REG_DWORD, (const BYTE*)&nValue, sizeof(nValue));
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    if (m_pszRegistryKey == NULL)
    {
        if (lpszDefault == NULL)
            lpszDefault = _T("");
        TCHAR szT[4096];
        ::GetPrivateProfileString(lpszSection, lpszEntry, lpszDefault, szT, _countof(szT), m_pszProfileName);
        return szT;
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == NULL)
        return lpszDefault;
    CString strValue;
    DWORD dwType = 0, dwCount = 0;
    LONG lResult = ::RegQueryValueEx(hSecKey, lpszEntry, NULL, &dwType, NULL, &dwCount);
    if (lResult == ERROR_SUCCESS && dwType == REG_SZ)
    {
        lResult = ::RegQueryValueEx(hSecKey, lpszEntry, NULL, &dwType,
                                    (LPBYTE)strValue.GetBuffer((int)(dwCount / sizeof(TCHAR))), &dwCount);
        strValue.ReleaseBuffer();
    }
    ::RegCloseKey(hSecKey);
    if (lResult == ERROR_SUCCESS && dwType == REG_SZ)
        return strValue;
    return lpszDefault;
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (m_pszRegistryKey == NULL)
        return ::WritePrivateProfileString(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
    LONG lResult;
    if (lpszEntry == NULL)
    {
        // No entry: the whole section goes.
        HKEY hAppKey = GetAppRegistryKey();
        if (hAppKey == NULL)
            return FALSE;
        lResult = ::RegDeleteKey(hAppKey, lpszSection);
        ::RegCloseKey(hAppKey);
    }
    else if (lpszValue == NULL)
    {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == NULL)
            return FALSE;
        lResult = ::RegDeleteValue(hSecKey, lpszEntry);
        ::RegCloseKey(hSecKey);
    }
    else
    {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == NULL)
            return FALSE;
        lResult = ::RegSetValueEx(hSecKey, lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue,
                                  (DWORD)((lstrlen(lpszValue) + 1) * sizeof(TCHAR)));
        ::RegCloseKey(hSecKey);
    }
    return lResult == ERROR_SUCCESS;
}

// In an INI file binary data is a string of letters, two per byte, low nibble first.
BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    *ppData = NULL;
    *pBytes = 0;
    if (m_pszRegistryKey == NULL)
    {
        CString str = GetProfileString(lpszSection, lpszEntry, NULL);
        if (str.IsEmpty())
            return FALSE;
        int nLen = str.GetLength();
        *pBytes = (UINT)(nLen / 2);
        *ppData = new BYTE[*pBytes];
        for (int i = 0; i < nLen / 2; i++)
            (*ppData)[i] = (BYTE)(((str[i * 2 + 1] - 'A') << 4) + (str[i * 2] - 'A'));
        return TRUE;
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == NULL)
        return FALSE;
    DWORD dwType = 0, dwCount = 0;
    LONG lResult = ::RegQueryValueEx(hSecKey, lpszEntry, NULL, &dwType, NULL, &dwCount);
    if (lResult == ERROR_SUCCESS && dwType == REG_BINARY)
    {
        *pBytes = dwCount;
        *ppData = new BYTE[dwCount > 0 ? dwCount : 1];
        lResult = ::RegQueryValueEx(hSecKey, lpszEntry, NULL, &dwType, *ppData, &dwCount);
    }
    ::RegCloseKey(hSecKey);
    if (lResult == ERROR_SUCCESS && dwType == REG_BINARY)
        return TRUE;
    delete[] * ppData;
    *ppData = NULL;
    *pBytes = 0;
    return FALSE;
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    if (m_pszRegistryKey == NULL)
    {
        CString str;
        LPTSTR lpsz = str.GetBufferSetLength((int)nBytes * 2);
        for (UINT i = 0; i < nBytes; i++)
        {
            lpsz[i * 2] = (TCHAR)((pData[i] & 0x0F) + 'A');
            lpsz[i * 2 + 1] = (TCHAR)(((pData[i] >> 4) & 0x0F) + 'A');
        }
        str.ReleaseBuffer((int)nBytes * 2);
        return WriteProfileString(lpszSection, lpszEntry, str);
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == NULL)
        return FALSE;
    LONG lResult = ::RegSetValueEx(hSecKey, lpszEntry, 0, REG_BINARY, pData, nBytes);
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS;
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    if (nMaxMRU != 0)
    {
        delete m_pRecentFileList;
        m_pRecentFileList = new CRecentFileList(0, _T("Recent File List"), _T("File%d"), (int)nMaxMRU);
        m_pRecentFileList->ReadList();
    }
    m_nNumPreviewPages = GetProfileInt(_T("Settings"), _T("PreviewPages"), 0);
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList != NULL)
        m_pRecentFileList->WriteList();
    if (m_nNumPreviewPages != 0)
        WriteProfileInt(_T("Settings"), _T("PreviewPages"), (int)m_nNumPreviewPages);
}

// ---- documents

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (m_pDocManager == NULL)
        m_pDocManager = new CDocManager;
    m_pDocManager->AddDocTemplate(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const
{
    return m_pDocManager != NULL ? m_pDocManager->GetFirstDocTemplatePosition() : NULL;
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const
{
    return m_pDocManager->GetNextDocTemplate(pos);
}

CDocument* CWinApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    return m_pDocManager != NULL ? m_pDocManager->OpenDocumentFile(lpszFileName) : NULL;
}

void CWinApp::AddToRecentFileList(LPCTSTR lpszPathName)
{
    if (m_pRecentFileList != NULL)
        m_pRecentFileList->Add(lpszPathName);
}

BOOL CWinApp::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                               CDocTemplate* pTemplate)
{
    return m_pDocManager != NULL &&
           m_pDocManager->DoPromptFileName(fileName, nIDSTitle, lFlags, bOpenFileDialog, pTemplate);
}

BOOL CWinApp::SaveAllModified()
{
    return m_pDocManager == NULL || m_pDocManager->SaveAllModified();
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    if (m_pDocManager != NULL)
        m_pDocManager->CloseAllDocuments(bEndSession);
}

int CWinApp::GetOpenDocumentCount()
{
    return m_pDocManager != NULL ? m_pDocManager->GetOpenDocumentCount() : 0;
}

void CWinApp::OnFileNew()
{
    if (m_pDocManager != NULL)
        m_pDocManager->OnFileNew();
}

void CWinApp::OnFileOpen()
{
    if (m_pDocManager != NULL)
        m_pDocManager->OnFileOpen();
}

BOOL CWinApp::OnOpenRecentFile(UINT nID)
{
    int nIndex = (int)(nID - ID_FILE_MRU_FILE1);
    if (m_pRecentFileList == NULL || nIndex >= m_pRecentFileList->GetSize() ||
        (*m_pRecentFileList)[nIndex].IsEmpty())
        return FALSE;
    if (OpenDocumentFile((*m_pRecentFileList)[nIndex]) == NULL)
        m_pRecentFileList->Remove(nIndex);
    return TRUE;
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    if (m_pRecentFileList == NULL)
        pCmdUI->Enable(FALSE);
    else
        m_pRecentFileList->UpdateMenu(pCmdUI);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != NULL)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

void CWinApp::OnHelpFinder()
{
    WinHelp(0, HELP_FINDER);
}

void CWinApp::OnHelp()
{
    if (m_dwPromptContext != 0)
    {
        WinHelp(m_dwPromptContext);
        return;
    }
    CWnd* pWnd = GetMainWnd();
    if (pWnd != NULL && !pWnd->SendMessage(WM_COMMANDHELP, 0, 0))
        WinHelp(0, HELP_CONTENTS);
}

int CWinApp::DoPrintDialog(CPrintDialog* pPD)
{
    UpdatePrinterSelection(FALSE);
    pPD->m_pd.hDevMode = m_hDevMode;
    pPD->m_pd.hDevNames = m_hDevNames;
    int nResponse = (int)pPD->DoModal();
    // The dialog may replace the handles it was given; the application keeps the current ones.
    if (pPD->m_pd.hDevMode != NULL || pPD->m_pd.hDevNames != NULL)
    {
        m_hDevMode = pPD->m_pd.hDevMode;
        m_hDevNames = pPD->m_pd.hDevNames;
    }
    return nResponse;
}

void CWinApp::OnFilePrintSetup()
{
    PRINTDLG pd = {};
    pd.lStructSize = sizeof(pd);
    pd.Flags = PD_PRINTSETUP;
    pd.hwndOwner = AfxGetMainWndForBoxes();
    UpdatePrinterSelection(FALSE);
    pd.hDevMode = m_hDevMode;
    pd.hDevNames = m_hDevNames;
    if (::PrintDlg(&pd))
        SelectPrinter(pd.hDevNames, pd.hDevMode, FALSE);
}

// ---- command line and shell

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    for (int i = 1; i < __argc; i++)
    {
        LPCTSTR pszParam = __targv[i];
        BOOL bFlag = FALSE;
        BOOL bLast = (i + 1 == __argc);
        if (pszParam[0] == '-' || pszParam[0] == '/')
        {
            bFlag = TRUE;
            ++pszParam;
        }
        rCmdInfo.ParseParam(pszParam, bFlag, bLast);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    BOOL bResult = TRUE;
    switch (rCmdInfo.m_nShellCommand)
    {
    case CCommandLineInfo::FileNew:
        if (!AfxGetApp()->OnCmdMsg(ID_FILE_NEW, 0, NULL, NULL))
            OnFileNew();
        if (m_pMainWnd == NULL)
            bResult = FALSE;
        break;
    case CCommandLineInfo::FileOpen:
        if (!OpenDocumentFile(rCmdInfo.m_strFileName))
            bResult = FALSE;
        break;
    case CCommandLineInfo::FilePrintTo:
    case CCommandLineInfo::FilePrint:
        m_nCmdShow = SW_HIDE;
        if (OpenDocumentFile(rCmdInfo.m_strFileName) != NULL && m_pMainWnd != NULL)
            m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
        bResult = FALSE; // printed: nothing more to do
        break;
    case CCommandLineInfo::FileDDE:
        m_nCmdShow = SW_HIDE;
        break;
    case CCommandLineInfo::AppUnregister:
        UnregisterShellFileTypes();
        bResult = FALSE;
        break;
    case CCommandLineInfo::FileNothing:
        break;
    }
    return bResult;
}

void CWinApp::EnableShellOpen()
{
    if (m_atomApp != 0)
        return;
    m_atomApp = ::GlobalAddAtom(m_pszExeName != NULL ? m_pszExeName : _T(""));
    m_atomSystemTopic = ::GlobalAddAtom(_T("system"));
}

void CWinApp::RegisterShellFileTypes(BOOL bCompat)
{
    if (m_pDocManager != NULL)
        m_pDocManager->RegisterShellFileTypes(bCompat);
}

void CWinApp::UnregisterShellFileTypes()
{
    if (m_pDocManager != NULL)
        m_pDocManager->UnregisterShellFileTypes();
}

BOOL CWinApp::OnDDECommand(LPTSTR)
{
    return FALSE;
}

void CWinApp::HideApplication()
{
    if (m_pMainWnd == NULL)
        return;
    m_pMainWnd->ShowWindow(SW_HIDE);
    m_pMainWnd->ShowOwnedPopups(FALSE);
    m_pMainWnd->SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// ---- printer

void CWinApp::UpdatePrinterSelection(BOOL bForceDefaults)
{
    if (!bForceDefaults && m_hDevNames != NULL)
        return;
    PRINTDLG pd = {};
    pd.lStructSize = sizeof(pd);
    pd.Flags = PD_RETURNDEFAULT;
    if (::PrintDlg(&pd))
        SelectPrinter(pd.hDevNames, pd.hDevMode);
}

void CWinApp::SelectPrinter(HANDLE hDevNames, HANDLE hDevMode, BOOL bFreeOld)
{
    if (m_hDevNames != hDevNames)
    {
        if (m_hDevNames != NULL && bFreeOld)
            ::GlobalFree(m_hDevNames);
        m_hDevNames = hDevNames;
    }
    if (m_hDevMode != hDevMode)
    {
        if (m_hDevMode != NULL && bFreeOld)
            ::GlobalFree(m_hDevMode);
        m_hDevMode = hDevMode;
    }
}

BOOL CWinApp::GetPrinterDeviceDefaults(PRINTDLG* pPrintDlg)
{
    UpdatePrinterSelection(m_hDevNames == NULL);
    if (m_hDevNames == NULL)
        return FALSE;
    pPrintDlg->hDevNames = m_hDevNames;
    pPrintDlg->hDevMode = m_hDevMode;
    return TRUE;
}

// ---- start-up, loop, help

BOOL CWinApp::InitApplication()
{
    if (m_pDocManager == NULL)
        m_pDocManager = new CDocManager;
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    SaveStdProfileSettings();
    return (int)AfxGetThreadState()->m_msgCur.wParam;
}

int CWinApp::Run()
{
    if (m_pMainWnd == NULL)
        ::PostQuitMessage(0);
    return CWinThread::Run();
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    BOOL bMore = CWinThread::OnIdle(lCount);
    if (lCount == 0 && m_pDocManager != NULL)
    {
        POSITION pos = m_pDocManager->GetFirstDocTemplatePosition();
        while (pos != NULL)
            m_pDocManager->GetNextDocTemplate(pos)->OnIdle();
    }
    return bMore;
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    m_bHelpMode = FALSE;
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd != NULL && pMainWnd->m_hWnd != NULL)
    {
        pMainWnd->WinHelp(dwData, nCmd);
        return;
    }
    BeginWaitCursor();
    BOOL bOk = ::WinHelp(NULL, m_pszHelpFilePath, nCmd, dwData);
    EndWaitCursor();
    if (!bOk)
        AfxMessageBox(AFX_IDP_FAILED_TO_LAUNCH_HELP);
}

void CWinApp::DoWaitCursor(int nCode)
{
    m_nWaitCursorCount += nCode;
    if (m_nWaitCursorCount > 0)
    {
        HCURSOR hcurPrev = ::SetCursor(::LoadCursor(NULL, IDC_WAIT));
        if (nCode > 0 && m_nWaitCursorCount == 1)
            m_hcurWaitCursorRestore = hcurPrev;
    }
    else
    {
        m_nWaitCursorCount = 0;
        ::SetCursor(m_hcurWaitCursorRestore);
    }
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    return AfxMessageBox(lpszPrompt, nType, nIDPrompt);
}

// ---- free functions

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    AfxSetInstanceHandle(hInstance);
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
    {
        pApp->m_hInstance = hInstance;
        pApp->m_hPrevInstance = hPrevInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
        pApp->SetCurrentHandles();
    }
    return TRUE;
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinThread* pThread = AfxGetThread();
    CWinApp* pApp = AfxGetApp();
    if (pThread == NULL || pApp == NULL || !AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) ||
        !pApp->InitApplication())
        return -1;
    int nReturnCode;
    if (!pThread->InitInstance())
    {
        if (pThread->m_pMainWnd != NULL)
            pThread->m_pMainWnd->DestroyWindow();
        nReturnCode = pThread->ExitInstance();
    }
    else
        nReturnCode = pThread->Run();
    return nReturnCode;
}

BOOL AFXAPI AfxOleInit()
{
    return SUCCEEDED(::OleInitialize(NULL));
}
void AFXAPI AfxEnableControlContainer()
{
}

BOOL AFXAPI AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, TCHAR chSep)
{
    if (lpszFullString == NULL)
        return FALSE;
    while (iSubString--)
    {
        lpszFullString = strchr(lpszFullString, chSep);
        if (lpszFullString == NULL)
        {
            rString.Empty();
            return FALSE;
        }
        lpszFullString++;
    }
    LPCTSTR lpchEnd = strchr(lpszFullString, chSep);
    int nLen = lpchEnd == NULL ? lstrlen(lpszFullString) : (int)(lpchEnd - lpszFullString);
    memcpy(rString.GetBufferSetLength(nLen), lpszFullString, nLen * sizeof(TCHAR));
    rString.ReleaseBuffer(nLen);
    return TRUE;
}
