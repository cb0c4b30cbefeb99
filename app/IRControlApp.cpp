// CIRControlApp: handing out and taking back serial interfaces, the external application.
#include "app/IRControlApp.h"
#include "AppIds.h"

BEGIN_MESSAGE_MAP(CIRControlApp, CWinApp)
ON_COMMAND(ID_EXTERN_APP, OnExternApp)
ON_UPDATE_COMMAND_UI(ID_EXTERN_APP, OnUpdateExternApp)
END_MESSAGE_MAP()

namespace
{
// The first record in key order that passes; its key, or -1.
template <class P> int FindInterface(CSerialInterfaceMap& table, STRUCT_SERIAL_INTERFACE& record, P pass)
{
    for (int nKey = 0; nKey < (int)table.GetCount(); nKey++)
        if (table.Lookup(nKey, record) && pass(record))
            return nKey;
    return -1;
}
} // namespace

CIRControlApp::CIRControlApp()
    : CWinApp(_T("Helvon")), m_interfaces(10), m_bExpertMode(FALSE), m_nInterfacesHandedOut(0)
{
    m_interfaces.InitHashTable(17);
}

CIRControlApp::~CIRControlApp()
{
    m_interfaces.RemoveAll();
}

CIRControlApp* GetIRControlApp()
{
    return dynamic_cast<CIRControlApp*>(AfxGetApp());
}

BOOL CIRControlApp::IsExpertCommandLine(LPCTSTR lpszCommandLine)
{
    return lpszCommandLine != NULL && strcmp(lpszCommandLine, "-expert") == 0;
}

BOOL CIRControlApp::AssignSerialInterface(STRUCT_SERIAL_INTERFACE& out, CWnd* pView)
{
    STRUCT_SERIAL_INTERFACE record;
    int nKey = FindInterface(m_interfaces, record, [this](const STRUCT_SERIAL_INTERFACE& r) {
        return r.pOwner == NULL && r.bUseInterface && r.nQueueIndex <= m_nInterfacesHandedOut;
    });
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
    STRUCT_SERIAL_INTERFACE record;
    int nKey = FindInterface(m_interfaces, record, [&](const STRUCT_SERIAL_INTERFACE& r) {
        return r.pOwner == NULL && r.bUseInterface && (r.bUsbDevice != FALSE) == (bUsbDevice != FALSE) &&
               r.strDevice.Find(lpszDevice != NULL ? lpszDevice : "") >= 0;
    });
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
    int nKey = FindInterface(m_interfaces, record,
                             [pOwner](const STRUCT_SERIAL_INTERFACE& r) { return r.pOwner == pOwner; });
    if (nKey < 0)
        return;
    record.pOwner = NULL;
    m_interfaces.SetAt(nKey, record);
    // Only interfaces a recording view was given count: a device view's release must not
    // lower the number and so hold back the next recording view's interface.
    if (POSITION pos = m_countedOwners.Find(pOwner))
    {
        m_countedOwners.RemoveAt(pos);
        m_nInterfacesHandedOut--;
    }
}

BOOL CIRControlApp::IsNoInterfaceInUse()
{
    STRUCT_SERIAL_INTERFACE record;
    return FindInterface(m_interfaces, record,
                         [](const STRUCT_SERIAL_INTERFACE& r) { return r.pOwner != NULL; }) < 0;
}

void CIRControlApp::OnExternApp()
{
    // The path goes as the program to start and, quoted, at the head of the command line, so a
    // path with blanks starts this file and not the one named by its first word.
    CString strCommand;
    strCommand.Format("\"%s\" %s", (LPCTSTR)m_strExternApp, (LPCTSTR)m_strExternOptions);
    STARTUPINFOA startup;
    memset(&startup, 0, sizeof(startup));
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process;
    memset(&process, 0, sizeof(process));
    // A failure to start is not reported.
    if (::CreateProcessA(m_strExternApp, strCommand.GetBuffer(strCommand.GetLength()), NULL, NULL, FALSE,
                         CREATE_NEW_CONSOLE, NULL, NULL, &startup, &process))
    {
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    strCommand.ReleaseBuffer();
}

void CIRControlApp::OnUpdateExternApp(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_strExternApp.IsEmpty());
}
