// The application object: start-up without windows, the serial-interface hand-out and the
// external application command.
#include "app/IRControlApp.h"
#include "AppIds.h"
#include "app/ChildFrame.h"
#include "app/AnalyseDlg.h"
#include "app/DrawSettingsSheet.h"
#include "app/IRControlView.h"
#include "app/ParameterDlg.h"
#include "app/ParameterProtectDlg.h"
#include "app/MainFrame.h"
#include "app/SerialNumberDlg.h"
#include "app/SettingsSheet.h"
#include "app/SysInfo.h"
#include "grid/factory/ControlFactory.h"
#include "grid/excel/ExcelRegistrations.h"
#include "station/config/ProjektConfig.h"
#include "station/config/ProjektUserConfig.h"
#include "station/config/SerialConfig.h"
#include "station/config/SerialUserConfig.h"
#include "station/link/CommThreads.h"
#include "station/pendix/PendixServices.h"
#include "station/record/ApplicationValues.h"
#include "station/record/DrawConfig.h"
#include "station/record/IRControlDoc.h"
#include "uilib/bars/WorkspaceManagerEx.h"
#include "uilib/frames/mdi/MultiDocTemplate.h"
#include "app/KuvoInfoDlg.h"
#include <string.h>

IMPLEMENT_DYNAMIC(CIRControlApp, CWinApp)

BEGIN_MESSAGE_MAP(CIRControlApp, CWinApp)
ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
ON_COMMAND(ID_OPTIONS, OnOptions)
ON_COMMAND(ID_EXTERN_APP, OnExternApp)
ON_COMMAND(ID_PROTECT_PARAMETERS, OnProtectParameters)
ON_UPDATE_COMMAND_UI(ID_EXTERN_APP, OnUpdateExternApp)
ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
ON_COMMAND(ID_FILE_OPEN, CWinApp::OnFileOpen)
ON_COMMAND(ID_FILE_PRINT_SETUP, CWinApp::OnFilePrintSetup)
END_MESSAGE_MAP()

CIRControlApp* GetIRControlApp()
{
    CWinApp* pApp = AfxGetApp();
    return pApp != NULL && pApp->IsKindOf(RUNTIME_CLASS(CIRControlApp)) ? static_cast<CIRControlApp*>(pApp)
                                                                        : NULL;
}

CSerialUserConfig* GetSerialUserConfig()
{
    CIRControlApp* pApp = GetIRControlApp();
    return pApp != NULL ? pApp->GetSerialUserConfig() : NULL;
}

namespace
{
// What the Pendix view and the station threads reach the application through.
BOOL AcquireForPendix(STRUCT_SERIAL_INTERFACE& out, CWnd* pOwner, BOOL bUsbDevice, LPCTSTR lpszDevice)
{
    CIRControlApp* pApp = GetIRControlApp();
    return pApp != NULL && pApp->AcquireSerialInterface(out, pOwner, bUsbDevice, lpszDevice);
}

void ReleaseForPendix(CWnd* pOwner)
{
    if (CIRControlApp* pApp = GetIRControlApp())
        pApp->ReleaseSerialInterface(pOwner);
}

void SetPendixOpen(BOOL bOpen)
{
    if (CIRControlApp* pApp = GetIRControlApp())
        pApp->SetPendixViewOpen(bOpen);
}

BOOL NoInterfaceInUse()
{
    CIRControlApp* pApp = GetIRControlApp();
    return pApp == NULL || pApp->IsNoInterfaceInUse();
}

// The recording documents' way to the main frame's table bar; none before the frame has it.
CMeasureTableWnd* TableBar()
{
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    if (pFrame == NULL || pFrame->GetMeasureTableWnd().GetSafeHwnd() == NULL)
        return NULL;
    return &pFrame->GetMeasureTableWnd();
}

CWnd* TableDialogParent()
{
    CMeasureTableWnd* pBar = TableBar();
    return pBar != NULL ? &pBar->GetTabWnd() : NULL;
}

BOOL AttachTableDialogs(CWnd* pMeasureValueDlg, CWnd* pParameterDlg, BOOL bActivate)
{
    CMeasureTableWnd* pBar = TableBar();
    return pBar != NULL && pBar->AttachDialogs(pMeasureValueDlg, pParameterDlg, bActivate);
}

BOOL DetachTableDialogs(CWnd* pMeasureValueDlg)
{
    CMeasureTableWnd* pBar = TableBar();
    return pBar != NULL && pBar->GetMeasureValueDlg() == pMeasureValueDlg && pBar->DetachDialogs();
}
} // namespace

CIRControlApp::CIRControlApp()
    : CWinApp(_T("Helvon")), m_hLanguageDll(NULL), m_pSerialConfig(NULL), m_pSerialUserConfig(NULL),
      m_pProjektConfig(NULL), m_pProjektUserConfig(NULL), m_pDrawConfig(NULL),
      m_bParameterSetsProtected(FALSE), m_interfaces(10), m_bAdministrator(FALSE), m_bExpertMode(FALSE),
      m_bLeftLogo(FALSE), m_bRightLogo(FALSE), m_nInterfacesHandedOut(0), m_bPendixViewOpen(FALSE)
{
    m_interfaces.InitHashTable(17);
    RegisterExcelMaps();
}

void CIRControlApp::RegisterExcelMaps()
{
    GXExRegisterWorkbookClasses(this);
}

CIRControlApp::~CIRControlApp()
{
    if (&CApplicationValues::GetProjektConfig() == m_pProjektConfig)
        CApplicationValues::SetProjektConfig(NULL);
    if (&CApplicationValues::GetDrawConfig() == m_pDrawConfig)
        CApplicationValues::SetDrawConfig(NULL);
    delete m_pSerialConfig;
    delete m_pSerialUserConfig;
    delete m_pProjektConfig;
    delete m_pProjektUserConfig;
    delete m_pDrawConfig;
    m_interfaces.RemoveAll();
}

BOOL CIRControlApp::IsExpertCommandLine(LPCTSTR lpszCommandLine)
{
    return lpszCommandLine != NULL && strcmp(lpszCommandLine, "-expert") == 0;
}

void CIRControlApp::CreateConfiguration()
{
    BOOL bReadOnly = !m_bAdministrator;
    delete m_pSerialConfig;
    delete m_pSerialUserConfig;
    delete m_pProjektConfig;
    delete m_pProjektUserConfig;
    delete m_pDrawConfig;
    m_pSerialConfig = new CSerialConfig(bReadOnly);
    m_pSerialUserConfig = new CSerialUserConfig;
    m_pProjektConfig = new CProjektConfig(bReadOnly);
    m_pProjektUserConfig = new CProjektUserConfig;
    m_pDrawConfig = new CDrawConfig(bReadOnly);
    CApplicationValues::SetProjektConfig(m_pProjektConfig);
    CApplicationValues::SetDrawConfig(m_pDrawConfig);
    CApplicationValues::SetExpertMode(m_bExpertMode);
    CApplicationValues::SetDrawSettingsRunner(&CDrawSettingsSheet::Run);
    CApplicationValues::SetAnalyseDlgFactory(&CAnalyseDlg::CreateForDocument);
    CApplicationValues::SetAnalyseValuesShower(&CAnalyseDlg::ShowValuesOf);
    CApplicationValues::SetParameterDlgFactory(&CParameterDlg::CreateForDocument);
    CApplicationValues::STableBar bar;
    bar.pfnGetDialogParent = &TableDialogParent;
    bar.pfnAttachDialogs = &AttachTableDialogs;
    bar.pfnDetachDialogs = &DetachTableDialogs;
    CApplicationValues::SetTableBar(bar);

    m_strExternApp = m_pProjektConfig->GetExternApp();
    m_strExternOptions = m_pProjektConfig->GetExternOptions();
    m_bLeftLogo = m_pProjektConfig->GetLeftLogo();
    m_bRightLogo = m_pProjektConfig->GetRightLogo();
    m_strPrintLogo = m_pProjektConfig->GetPrintLogo();
    CApplicationValues::SetPrintLogo(m_strPrintLogo, m_bLeftLogo, m_bRightLogo);
}

void CIRControlApp::LoadLanguage()
{
    CString language = m_pProjektConfig->GetLanguage();
    if (language.IsEmpty())
        return;
    CString library = m_pProjektConfig->GetLanguageDll(language);
    if (!library.IsEmpty())
    {
        // A missing library leaves the program's own resources in use.
        HINSTANCE hLibrary = AfxLoadLibrary(CConfig::GetModuleDirectory() + library);
        if (hLibrary != NULL)
        {
            m_hLanguageDll = hLibrary;
            AfxSetResourceHandle(hLibrary);
        }
    }
    CString help = m_pProjektConfig->GetHelpFile(language);
    if (!help.IsEmpty())
    {
        free((void*)m_pszHelpFilePath);
        m_pszHelpFilePath = _tcsdup(help);
    }
}

void CIRControlApp::InstallServices()
{
    PENDIX_SERVICES services = GetPendixServices();
    services.pfnAcquireSerialInterface = AcquireForPendix;
    services.pfnReleaseSerialInterface = ReleaseForPendix;
    services.pfnSetPendixViewOpen = SetPendixOpen;
    services.pfnAskSerialNumber = AskSerialNumber;
    SetPendixServices(services);
    SetIsNoInterfaceInUse(NoInterfaceInUse);
}

BOOL CIRControlApp::InitInstance()
{
    AfxOleInit();
    Enable3dControls();
    m_bExpertMode = IsExpertCommandLine(m_lpCmdLine);
    {
        CSysInfo info;
        info.Collect();
        m_bAdministrator = info.IsAdministrator();
    }
    SetRegistryKey(_T("KUVO GmbH"));
    CreateConfiguration();
    LoadStdProfileSettings(5);
    InitGridLibraryWithDefaultFactory();
    LoadLanguage();
    InstallServices();
    LoadInterfaceTable(m_interfaces);
    if (!CreateMainWindow())
        return FALSE;
    LoadWorkspace();
    m_pMainWnd->DragAcceptFiles();
    EnableShellOpen();
    RegisterShellFileTypes(TRUE);
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    m_pMainWnd->ShowWindow(m_nCmdShow);
    m_pMainWnd->UpdateWindow();
    m_bParameterSetsProtected = !m_pProjektConfig->GetModule().IsEmpty();
    ShowFirstStart();
    return ProcessShellCommand(cmdInfo);
}

BOOL CIRControlApp::CreateMainWindow()
{
    AddDocTemplate(new SECMultiDocTemplate(IDR_IRCONTROLTYPE, RUNTIME_CLASS(CIRControlDoc),
                                           RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(CIRControlView)));
    CMainFrame* pMainFrame = new CMainFrame;
    // A frame whose creation failed has deleted itself.
    if (!pMainFrame->LoadFrame(IDR_MAINFRAME_MENU, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE))
        return FALSE;
    m_pMainWnd = pMainFrame;
    return TRUE;
}

void CIRControlApp::LoadWorkspace()
{
    CMainFrame* pMainFrame = dynamic_cast<CMainFrame*>(m_pMainWnd);
    SECWorkspaceManagerEx* pWorkspace = pMainFrame != NULL ? pMainFrame->GetWorkspaceManager() : NULL;
    // Before the first close there is no file: the default layout stays, without a word.
    if (pWorkspace != NULL && ::GetFileAttributes(pMainFrame->GetWorkspaceFile()) != INVALID_FILE_ATTRIBUTES)
        pWorkspace->LoadWorkspace(pMainFrame->GetWorkspaceFile());
}

void CIRControlApp::ShowFirstStart()
{
    if (m_pProjektConfig == NULL || !m_pProjektConfig->GetFirstStart())
        return;
    AfxMessageBox(IDS_FIRST_START, MB_ICONINFORMATION);
    // Until the sheet ends with OK the text comes again at the next start.
    if (RunOptionsSheet())
        m_pProjektConfig->SetFirstStart(FALSE);
}

void CIRControlApp::OnProtectParameters()
{
    CParameterProtectDlg dlg(m_pMainWnd);
    // The flag follows the dialog, even where the configuration could not be written.
    if (dlg.DoModal() == IDOK)
        m_bParameterSetsProtected = !dlg.m_strStored.IsEmpty();
}

void CIRControlApp::OnOptions()
{
    RunOptionsSheet();
}

BOOL CIRControlApp::RunOptionsSheet()
{
    CSettingsSheet sheet(IDS_OPTIONS_CAPTION, m_pMainWnd);
    sheet.m_externAppPage.m_strAppPath = m_strExternApp;
    sheet.m_externAppPage.m_strOptions = m_strExternOptions;
    sheet.m_logoPage.m_strLogoPath = m_strPrintLogo;
    sheet.m_logoPage.m_bLeftLogo = m_bLeftLogo;
    sheet.m_logoPage.m_bRightLogo = m_bRightLogo;
    if (sheet.DoModal() != IDOK)
        return FALSE;
    m_strExternApp = sheet.m_externAppPage.m_strAppPath;
    m_strExternOptions = sheet.m_externAppPage.m_strOptions;
    m_strPrintLogo = sheet.m_logoPage.m_strLogoPath;
    m_bLeftLogo = sheet.m_logoPage.m_bLeftLogo;
    m_bRightLogo = sheet.m_logoPage.m_bRightLogo;
    // New recordings take the logo from here.
    CApplicationValues::SetPrintLogo(m_strPrintLogo, m_bLeftLogo, m_bRightLogo);
    if (m_pProjektConfig != NULL)
    {
        m_pProjektConfig->SetExternApp(m_strExternApp);
        m_pProjektConfig->SetExternOptions(m_strExternOptions);
        m_pProjektConfig->SetPrintLogo(m_strPrintLogo);
        m_pProjektConfig->SetLeftLogo(m_bLeftLogo);
        m_pProjektConfig->SetRightLogo(m_bRightLogo);
    }
    sheet.m_serialPage.CopyToApplicationTable(m_interfaces);
    NormalizeQueueIndices(m_interfaces);
    ApplyInterfaceSettings();
    return TRUE;
}

template <class P> int CIRControlApp::FindInterface(P pass, STRUCT_SERIAL_INTERFACE& out)
{
    int nCount = (int)m_interfaces.GetCount();
    for (int nKey = 0; nKey < nCount; nKey++)
        if (m_interfaces.Lookup(nKey, out) && pass(out))
            return nKey;
    return -1;
}

BOOL CIRControlApp::AssignSerialInterface(STRUCT_SERIAL_INTERFACE& out, CWnd* pView)
{
    STRUCT_SERIAL_INTERFACE record;
    int nKey = FindInterface(
        [this](const STRUCT_SERIAL_INTERFACE& r) {
            return r.pOwner == NULL && r.bUseInterface && r.nQueueIndex <= m_nInterfacesHandedOut;
        },
        record);
    if (nKey < 0)
        return FALSE;
    record.pOwner = pView;
    m_interfaces.SetAt(nKey, record);
    out = record;
    m_nInterfacesHandedOut++;
    m_countedOwners.AddTail(pView);
    return TRUE;
}

BOOL CIRControlApp::AcquireSerialInterface(STRUCT_SERIAL_INTERFACE& out, CWnd* pOwner, BOOL bUsbDevice,
                                           LPCTSTR lpszDevice)
{
    // The device may be named by the user's assignment text or by the port's friendly name
    // ("Pendix2004 USB Serial Port"), whose default is what a freshly set up machine has.
    LPCTSTR lpszText = lpszDevice != NULL ? lpszDevice : "";
    STRUCT_SERIAL_INTERFACE record;
    int nKey = FindInterface(
        [&](const STRUCT_SERIAL_INTERFACE& r) {
            return r.pOwner == NULL && r.bUseInterface && (r.bUsbDevice != FALSE) == (bUsbDevice != FALSE) &&
                   (r.strDevice.Find(lpszText) >= 0 || r.strDescription.Find(lpszText) >= 0);
        },
        record);
    if (nKey < 0)
        return FALSE;
    record.pOwner = pOwner;
    m_interfaces.SetAt(nKey, record);
    out = record;
    return TRUE;
}

void CIRControlApp::ReleaseSerialInterface(CWnd* pOwner)
{
    if (pOwner == NULL)
        return;
    STRUCT_SERIAL_INTERFACE record;
    int nKey =
        FindInterface([pOwner](const STRUCT_SERIAL_INTERFACE& r) { return r.pOwner == pOwner; }, record);
    if (nKey < 0)
        return;
    record.pOwner = NULL;
    m_interfaces.SetAt(nKey, record);
    // An interface the Pendix view acquired was never counted: taking one off for it would leave
    // the recording views without an interface.
    POSITION pos = m_countedOwners.Find(pOwner);
    if (pos != NULL)
    {
        m_countedOwners.RemoveAt(pos);
        m_nInterfacesHandedOut--;
    }
}

BOOL CIRControlApp::IsNoInterfaceInUse()
{
    STRUCT_SERIAL_INTERFACE record;
    return FindInterface([](const STRUCT_SERIAL_INTERFACE& r) { return r.pOwner != NULL; }, record) < 0;
}

void CIRControlApp::ApplyInterfaceSettings()
{
    int nCount = (int)m_interfaces.GetCount();
    for (int nKey = 0; nKey < nCount; nKey++)
    {
        STRUCT_SERIAL_INTERFACE record;
        if (!m_interfaces.Lookup(nKey, record))
            continue;
        if (record.pOwner == NULL || !record.pOwner->IsKindOf(RUNTIME_CLASS(CIRControlView)))
            continue;
        CIRControlView* pView = static_cast<CIRControlView*>(record.pOwner);
        if (!record.bUsbDevice)
            pView->SetBaudRate(record.dwBaudRate);
        pView->SetPortTimeouts(record.dwReadTimeout, record.dwReadTimeoutMul, record.dwReadTimeoutConstant,
                               record.dwWriteTimeoutMul, record.dwWriteTimeoutConstant);
        pView->SetDeviceName(record.strDevice);
        if (CIRControlDoc* pDoc = pView->GetDocument())
            pDoc->SetPrintLogo(m_strPrintLogo, m_bLeftLogo, m_bRightLogo);
    }
}

void CIRControlApp::OnExternApp()
{
    // The path goes as the program to start and, quoted, as the first word of the command line,
    // so that a path with blanks starts this program and nothing else.
    CString commandLine;
    commandLine.Format(_T("\"%s\" %s"), (LPCTSTR)m_strExternApp, (LPCTSTR)m_strExternOptions);
    STARTUPINFO startup;
    memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    if (::CreateProcess(m_strExternApp, commandLine.GetBuffer(0), NULL, NULL, FALSE, CREATE_NEW_CONSOLE, NULL,
                        NULL, &startup, &process))
    {
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    commandLine.ReleaseBuffer();
}

void CIRControlApp::OnUpdateExternApp(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_strExternApp.IsEmpty());
}

void CIRControlApp::OnAppAbout()
{
    CKuvoInfoDlg dlg;
    dlg.DoModal();
}
