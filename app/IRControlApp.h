// CIRControlApp: the application object. Owns the table of serial interfaces and hands them to
// recording views and device views, takes them back, and starts the external application.
// Start-up and the main frame join it once the frame classes exist.
#pragma once
#include "afxwin.h"
#include "app/SerialInterfaceTable.h"

class CIRControlApp : public CWinApp
{
  public:
    // Construction
    CIRControlApp();
    ~CIRControlApp() override;

    // Attributes
    CSerialInterfaceMap& GetInterfaces()
    {
        return m_interfaces;
    }
    int GetInterfacesHandedOut() const
    {
        return m_nInterfacesHandedOut;
    }
    BOOL IsExpertMode() const
    {
        return m_bExpertMode;
    }
    void SetExternApp(const CString& strPath, const CString& strOptions)
    {
        m_strExternApp = strPath;
        m_strExternOptions = strOptions;
    }

    // Operations
    // Exactly "-expert": another capitalisation or more text does not count.
    static BOOL IsExpertCommandLine(LPCTSTR lpszCommandLine);
    // A recording view's interface: the first free one in use whose queue index is not above
    // the number handed out so far; counted. FALSE when none qualifies (out untouched).
    BOOL AssignSerialInterface(STRUCT_SERIAL_INTERFACE& out, CWnd* pView);
    // A device view's interface: the first free one in use with the given USB flag whose device
    // name contains lpszDevice; not counted.
    BOOL AcquireSerialInterface(STRUCT_SERIAL_INTERFACE& out, CWnd* pOwner, BOOL bUsbDevice,
                                LPCTSTR lpszDevice);
    // Frees the interface the window holds; nothing when it holds none.
    void ReleaseSerialInterface(CWnd* pOwner);
    BOOL IsNoInterfaceInUse();

    // Implementation
    CSerialInterfaceMap m_interfaces;
    BOOL m_bExpertMode;
    int m_nInterfacesHandedOut;
    CPtrList m_countedOwners; // windows whose interface AssignSerialInterface counted
    CString m_strExternApp;
    CString m_strExternOptions;

    afx_msg void OnExternApp();
    afx_msg void OnUpdateExternApp(CCmdUI* pCmdUI);

  protected:
    DECLARE_MESSAGE_MAP()
};

// The application object (NULL when the process's application is another one).
CIRControlApp* GetIRControlApp();
