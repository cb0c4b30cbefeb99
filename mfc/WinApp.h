// CWinApp: the application object: start-up, message loop with idle processing, the profile
// (registry below "Software\<key>\<app>" or an INI file), recent files, command line, document
// manager, printer defaults and help.
//
// Differences from MFC:
// - No DDE shell execution (EnableShellOpen only registers the atoms), no OLE server start.
// - Enable3dControls and AfxEnableControlContainer have nothing to do and return TRUE / nothing.
#pragma once
#include "WinThread.h"
#include "CommandLineInfo.h"
#include "RecentFileList.h"
#include <commdlg.h>

class CDocTemplate;
class CDocManager;
class CDocument;

class CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)

  public:
    // Construction
    explicit CWinApp(LPCTSTR lpszAppName = NULL);
    ~CWinApp() override;

    // Attributes
    LPCTSTR m_pszAppName;
    HINSTANCE m_hInstance;
    HINSTANCE m_hPrevInstance;
    LPTSTR m_lpCmdLine;
    int m_nCmdShow;
    LPCTSTR m_pszExeName;
    LPCTSTR m_pszHelpFilePath;
    LPCTSTR m_pszProfileName; // INI file, or the application's key name with a registry key
    LPCTSTR m_pszRegistryKey; // NULL: profile in the INI file
    CDocManager* m_pDocManager;
    CRecentFileList* m_pRecentFileList;
    HGLOBAL m_hDevMode;
    HGLOBAL m_hDevNames;
    DWORD m_dwPromptContext;
    int m_nWaitCursorCount;
    HCURSOR m_hcurWaitCursorRestore;
    UINT m_nNumPreviewPages;
    ATOM m_atomApp;
    ATOM m_atomSystemTopic;
    BOOL m_bHelpMode;

    // Resources
    HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const
    {
        return LoadCursor(MAKEINTRESOURCE(nIDResource));
    }
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const
    {
        return ::LoadCursor(NULL, lpszCursorName);
    }
    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const
    {
        return LoadIcon(MAKEINTRESOURCE(nIDResource));
    }
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const
    {
        return ::LoadIcon(NULL, lpszIconName);
    }

    // Profile
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCTSTR lpszSection);
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = NULL);
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    // *ppData is allocated with new[]; the caller deletes it.
    BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes);
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void SaveStdProfileSettings();

    // Documents
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    virtual void AddToRecentFileList(LPCTSTR lpszPathName);
    BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                          CDocTemplate* pTemplate);
    virtual BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);
    int GetOpenDocumentCount();

    // Command line and shell
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    void EnableShellOpen();
    void RegisterShellFileTypes(BOOL bCompat = FALSE);
    void UnregisterShellFileTypes();
    BOOL Enable3dControls()
    {
        return TRUE;
    }
    BOOL Enable3dControlsStatic()
    {
        return TRUE;
    }

    // Printing
    BOOL GetPrinterDeviceDefaults(PRINTDLG* pPrintDlg);
    // Runs a print dialog on the application's printer selection and keeps what it chose.
    int DoPrintDialog(class CPrintDialog* pPD);
    void SelectPrinter(HANDLE hDevNames, HANDLE hDevMode, BOOL bFreeOld = TRUE);
    void UpdatePrinterSelection(BOOL bForceDefaults);

    // Overridables
    virtual BOOL InitApplication();
    BOOL InitInstance() override;
    int ExitInstance() override;
    int Run() override;
    BOOL OnIdle(LONG lCount) override;
    // Hands the request to the main window's WinHelp (WinHelp itself without a main window).
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    virtual void DoWaitCursor(int nCode);
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);
    virtual BOOL OnDDECommand(LPTSTR lpszCommand);
    void HideApplication();

    // Command handlers
    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();
    afx_msg void OnFilePrintSetup();
    afx_msg void OnAppExit();
    afx_msg void OnHelp();
    // The help contents: WinHelp with HELP_FINDER.
    afx_msg void OnHelpFinder();
    afx_msg BOOL OnOpenRecentFile(UINT nID);
    afx_msg void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);

    // Implementation
    void SetCurrentHandles();

  protected:
    DECLARE_MESSAGE_MAP()
};

CWinApp* AFXAPI AfxGetApp();
CWnd* AFXAPI AfxGetMainWnd();
LPCTSTR AFXAPI AfxGetAppName();
BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
BOOL AFXAPI AfxOleInit();
void AFXAPI AfxEnableControlContainer();
// Sub-string nSub of a string separated by chSep ("a\nb\nc"); FALSE when there are fewer.
BOOL AFXAPI AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, TCHAR chSep = '\n');
