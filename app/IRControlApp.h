// CIRControlApp: the application object. Owns the five configuration objects, the table of
// serial interfaces and the language library; hands serial interfaces to the recording views and
// to the Pendix view and takes them back. It holds the record handlers and tables that read and
// write workbooks. The start-up of the frames, the document template and
// the first-start options come with the main frame.
#pragma once
#include "afxwin.h"
#include "app/SerialInterfaceTable.h"
#include "grid/excel/ExMapHolder.h"

class CSerialConfig;
class CSerialUserConfig;
class CProjektConfig;
class CProjektUserConfig;
class CDrawConfig;

class CIRControlApp : public CWinApp, public CGXExMapHolder
{
    DECLARE_DYNAMIC(CIRControlApp)

  public:
    // Construction
    CIRControlApp();
    ~CIRControlApp() override;
    CIRControlApp(const CIRControlApp&) = delete;
    CIRControlApp& operator=(const CIRControlApp&) = delete;

    // Attributes
    CSerialConfig* GetSerialConfig() const
    {
        return m_pSerialConfig;
    }
    CSerialUserConfig* GetSerialUserConfig() const
    {
        return m_pSerialUserConfig;
    }
    CProjektConfig* GetProjektConfig() const
    {
        return m_pProjektConfig;
    }
    CProjektUserConfig* GetProjektUserConfig() const
    {
        return m_pProjektUserConfig;
    }
    CDrawConfig* GetDrawConfig() const
    {
        return m_pDrawConfig;
    }
    CSerialInterfaceMap& GetInterfaces()
    {
        return m_interfaces;
    }
    BOOL IsExpertMode() const
    {
        return m_bExpertMode;
    }
    BOOL IsAdministrator() const
    {
        return m_bAdministrator;
    }
    BOOL IsParameterSetProtected() const
    {
        return m_bParameterSetsProtected;
    }
    int GetInterfacesHandedOut() const
    {
        return m_nInterfacesHandedOut;
    }
    // The language's resource library, NULL when the program's own resources are in use.
    HINSTANCE GetLanguageLibrary() const
    {
        return m_hLanguageDll;
    }
    BOOL IsPendixViewOpen() const
    {
        return m_bPendixViewOpen;
    }
    void SetPendixViewOpen(BOOL bOpen)
    {
        m_bPendixViewOpen = bOpen;
    }
    void SetExternApp(const CString& strPath, const CString& strOptions)
    {
        m_strExternApp = strPath;
        m_strExternOptions = strOptions;
    }

    // Serial interfaces
    // The first free enabled interface whose queue index is not above the number handed out so
    // far goes to the recording view; TRUE when there was one.
    BOOL AssignSerialInterface(STRUCT_SERIAL_INTERFACE& out, CWnd* pView);
    // The first free enabled interface with the USB flag given whose device name or description
    // contains the text goes to the window (the Pendix view); not counted as handed out.
    BOOL AcquireSerialInterface(STRUCT_SERIAL_INTERFACE& out, CWnd* pOwner, BOOL bUsbDevice,
                                LPCTSTR lpszDevice);
    // Frees the interface the window holds; nothing when it holds none.
    void ReleaseSerialInterface(CWnd* pOwner);
    BOOL IsNoInterfaceInUse();
    // Pushes the table's settings to every recording view that owns an interface.
    void ApplyInterfaceSettings();

    // Start-up steps that need no window, also used by tests: expert mode from the command line,
    // the administrator check, the configuration objects and the copies of their values, the
    // language library, the interface table, and the functions the other parts reach the
    // application through.
    static BOOL IsExpertCommandLine(LPCTSTR lpszCommandLine);
    // The workbook record types and the classes of their handlers and tables.
    void RegisterExcelMaps();
    void CreateConfiguration();
    void LoadLanguage();
    void InstallServices();

    // Overrides
    BOOL InitInstance() override;

    // The start-up's window steps: the document template and the main frame made and loaded
    // (FALSE when the frame cannot be loaded); the first start's text while "FirstStart" is set.
    BOOL CreateMainWindow();
    // The bar layout of the main frame's workspace file, when there is one.
    void LoadWorkspace();
    void ShowFirstStart();

    // Implementation
    HINSTANCE m_hLanguageDll;
    CSerialConfig* m_pSerialConfig;
    CSerialUserConfig* m_pSerialUserConfig;
    CProjektConfig* m_pProjektConfig;
    CProjektUserConfig* m_pProjektUserConfig;
    CDrawConfig* m_pDrawConfig;
    BOOL m_bParameterSetsProtected;
    CSerialInterfaceMap m_interfaces;
    BOOL m_bAdministrator;
    BOOL m_bExpertMode;
    BOOL m_bLeftLogo;
    BOOL m_bRightLogo;
    int m_nInterfacesHandedOut;
    CString m_strExternApp;
    CString m_strExternOptions;
    CString m_strPrintLogo;
    // Owners whose interface came from AssignSerialInterface: only these count as handed out.
    CPtrList m_countedOwners;
    BOOL m_bPendixViewOpen;

    afx_msg void OnAppAbout();
    afx_msg void OnOptions();
    // Sets or clears the profile sets' protection password.
    afx_msg void OnProtectParameters();
    // The options sheet; on OK the external application and the logo come back into the copies
    // and the configuration, and the interface settings go to the views. TRUE on OK.
    BOOL RunOptionsSheet();
    afx_msg void OnExternApp();
    afx_msg void OnUpdateExternApp(CCmdUI* pCmdUI);

  protected:
    // The first record in key order that passes; its key, or -1.
    template <class P> int FindInterface(P pass, STRUCT_SERIAL_INTERFACE& out);

    DECLARE_MESSAGE_MAP()
};

// The application object when it is a CIRControlApp (NULL in programs that have another one).
CIRControlApp* GetIRControlApp();
// The application's per-user serial configuration (NULL before the start-up made it).
CSerialUserConfig* GetSerialUserConfig();
