// CSerialMultiSettingsPage: the serial ports of the machine in a two-column tree with a check box
// each (enabled for the program), their order, and a port's baud rate and assignment text. OK of
// the options sheet copies the page's table into the application's.
#pragma once
#include "ComboBox.h"
#include "ImageList.h"
#include "app/SerialInterfaceTable.h"
#include "station/record/MyPropertyPage.h"
#include "uilib/common/BitmapButton.h"

class SECTreeCtrl;

class CSerialMultiSettingsPage : public CMyPropertyPage
{
    DECLARE_DYNAMIC(CSerialMultiSettingsPage)

  public:
    // Construction
    CSerialMultiSettingsPage();
    ~CSerialMultiSettingsPage() override;

    // Attributes
    SECTreeCtrl* m_pTree;
    CImageList m_stateImages;
    tessaron::foundation::SECBitmapButton m_btnUp;
    tessaron::foundation::SECBitmapButton m_btnDown;
    CSerialInterfaceMap m_interfaces;
    CComboBox m_stopBitsList;
    CComboBox m_parityList;
    CComboBox m_protocolList;
    CComboBox m_baudRateList;
    int m_nDataBits;
    int m_nStartBits;
    DWORD m_dwTimeout;
    CString m_strDevice;
    CString m_strShownPort;
    BOOL m_bSettingsEditable;
    BOOL m_bSettingsVisible;
    BOOL m_bBaudRateEditable;
    // Where the ports come from; the machine's unless a test gives its own.
    CSerialEnumSystem* m_pEnumSystem;

    // Operations
    // Records of the application's table whose port is in the page's take over its settings.
    void CopyToApplicationTable(CSerialInterfaceMap& table);

    // Overrides
    BOOL OnInitDialog() override;
    BOOL OnApply() override;
    void OnReset() override;

    // Implementation
  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void FillLists();
    void FillTree();
    void ShowSelectedRecord();
    void ShowRecord(HTREEITEM hItem);
    // The shown port's controls back into its record; FALSE when a range check refused them.
    BOOL StoreShownRecord();
    int FindRecord(const CString& strPortName, STRUCT_SERIAL_INTERFACE& record);
    void MovePort(int nStep);
    afx_msg void OnTreeSelChanged(NMHDR* pNotify, LRESULT* pResult);
    afx_msg void OnTreeClick(NMHDR* pNotify, LRESULT* pResult);
    afx_msg void OnUp();
    afx_msg void OnDown();
    DECLARE_MESSAGE_MAP()
};
