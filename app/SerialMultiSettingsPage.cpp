// CSerialMultiSettingsPage: the serial interface page of the options sheet.
#include "app/SerialMultiSettingsPage.h"
#include "AppIds.h"
#include "SpinButtonCtrl.h"
#include <utility>
#include "station/config/SerialUserConfig.h"
#include "uilib/treelist/TreeCtrl.h"

IMPLEMENT_DYNAMIC(CSerialMultiSettingsPage, CMyPropertyPage)

BEGIN_MESSAGE_MAP(CSerialMultiSettingsPage, CMyPropertyPage)
ON_NOTIFY(TVN_SELCHANGEDA, IDC_SERIAL_TREE, OnTreeSelChanged)
ON_NOTIFY(NM_CLICK, IDC_SERIAL_TREE, OnTreeClick)
ON_COMMAND(IDC_SERIAL_UP, OnUp)
ON_COMMAND(IDC_SERIAL_DOWN, OnDown)
END_MESSAGE_MAP()

namespace
{
// The entries of a list: text and value.
struct Entry
{
    UINT nText;
    int nValue;
};
const Entry s_baudRates[] = {
    {IDS_BAUD_9600, 9600}, {IDS_BAUD_14400, 14400}, {IDS_BAUD_19200, 19200}, {IDS_BAUD_38400, 38400}};
const Entry s_protocols[] = {{IDS_FLOW_NONE, 0},    {IDS_FLOW_CTS_RTS, 1}, {IDS_FLOW_CTS_DTR, 2},
                             {IDS_FLOW_DSR_RTS, 3}, {IDS_FLOW_DSR_DTR, 4}, {IDS_FLOW_XON_XOFF, 5}};
const Entry s_parities[] = {{IDS_PARITY_EVEN, 0},
                            {IDS_PARITY_MARK, 1},
                            {IDS_PARITY_NONE, 2},
                            {IDS_PARITY_ODD, 3},
                            {IDS_PARITY_SPACE, 4}};
const Entry s_stopBits[] = {{IDS_STOPBITS_ONE, 0}, {IDS_STOPBITS_ONE_HALF, 1}, {IDS_STOPBITS_TWO, 2}};

// The spin controls with their edits' ranges.
struct Spin
{
    UINT nSpin;
    UINT nEdit;
    int nMin;
    int nMax;
};
const Spin s_spins[] = {{IDC_SERIAL_DATA_BITS_SPIN, IDC_SERIAL_DATA_BITS, 6, 9},
                        {IDC_SERIAL_START_BITS_SPIN, IDC_SERIAL_START_BITS, 1, 2},
                        {IDC_SERIAL_TIMEOUT_SPIN, IDC_SERIAL_TIMEOUT, 10, 100}};

const UINT s_lineControls[] = {
    IDC_SERIAL_PROTOCOL,        IDC_SERIAL_PARITY,         IDC_SERIAL_STOP_BITS,
    IDC_SERIAL_DATA_BITS,       IDC_SERIAL_DATA_BITS_SPIN, IDC_SERIAL_START_BITS,
    IDC_SERIAL_START_BITS_SPIN, IDC_SERIAL_TIMEOUT,        IDC_SERIAL_TIMEOUT_SPIN};

template <size_t N> void Fill(CComboBox& list, const Entry (&entries)[N])
{
    list.ResetContent();
    for (const Entry& e : entries)
    {
        CString strText;
        strText.LoadString(e.nText);
        list.SetItemData(list.AddString(strText), (DWORD_PTR)e.nValue);
    }
}

void SelectValue(CComboBox& list, int nValue)
{
    list.SetCurSel(-1);
    for (int i = 0; i < list.GetCount(); i++)
        if ((int)list.GetItemData(i) == nValue)
            list.SetCurSel(i);
}

// The selected entry's value, or the one kept when nothing is selected.
int SelectedValue(CComboBox& list, int nKept)
{
    const int nSelected = list.GetCurSel();
    return nSelected != CB_ERR ? (int)list.GetItemData(nSelected) : nKept;
}

const int kStateEmpty = 1;
const int kStateMarked = 2;
} // namespace

CSerialMultiSettingsPage::CSerialMultiSettingsPage()
    : CMyPropertyPage(IDD_SERIAL_PAGE), m_pTree(NULL), m_interfaces(10), m_nDataBits(8), m_nStartBits(1),
      m_dwTimeout(100), m_bSettingsEditable(FALSE), m_bSettingsVisible(TRUE), m_bBaudRateEditable(TRUE),
      m_pEnumSystem(&CSerialEnumSystem::Real())
{
    m_bModifiedByCommands = TRUE;
    m_interfaces.InitHashTable(17);
}

CSerialMultiSettingsPage::~CSerialMultiSettingsPage()
{
    delete m_pTree;
}

void CSerialMultiSettingsPage::DoDataExchange(CDataExchange* pDX)
{
    CMyPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SERIAL_STOP_BITS, m_stopBitsList);
    DDX_Control(pDX, IDC_SERIAL_PARITY, m_parityList);
    DDX_Control(pDX, IDC_SERIAL_PROTOCOL, m_protocolList);
    DDX_Control(pDX, IDC_SERIAL_BAUD, m_baudRateList);
    // Only what the user can change is checked: a stored value out of range must not block the
    // sheet.
    DDX_Text(pDX, IDC_SERIAL_DATA_BITS, m_nDataBits);
    if (m_bSettingsEditable)
        DDV_MinMaxInt(pDX, m_nDataBits, 6, 9);
    DDX_Text(pDX, IDC_SERIAL_START_BITS, m_nStartBits);
    if (m_bSettingsEditable)
        DDV_MinMaxInt(pDX, m_nStartBits, 1, 2);
    DDX_Text(pDX, IDC_SERIAL_TIMEOUT, m_dwTimeout);
    if (m_bSettingsEditable)
        DDV_MinMaxDWord(pDX, m_dwTimeout, 10, 100);
    DDX_Text(pDX, IDC_SERIAL_DEVICE, m_strDevice);
}

void CSerialMultiSettingsPage::FillLists()
{
    Fill(m_baudRateList, s_baudRates);
    Fill(m_protocolList, s_protocols);
    Fill(m_parityList, s_parities);
    Fill(m_stopBitsList, s_stopBits);
}

BOOL CSerialMultiSettingsPage::OnInitDialog()
{
    CMyPropertyPage::OnInitDialog();
    for (const Spin& s : s_spins)
    {
        CSpinButtonCtrl* pSpin = (CSpinButtonCtrl*)GetDlgItem(s.nSpin);
        pSpin->SetRange32(s.nMin, s.nMax);
    }
    ((CSpinButtonCtrl*)GetDlgItem(IDC_SERIAL_DATA_BITS_SPIN))->SetPos(m_nDataBits);
    ((CSpinButtonCtrl*)GetDlgItem(IDC_SERIAL_START_BITS_SPIN))->SetPos(m_nStartBits);
    ((CSpinButtonCtrl*)GetDlgItem(IDC_SERIAL_TIMEOUT_SPIN))->SetPos((int)m_dwTimeout);
    for (auto b : {std::make_pair(&m_btnUp, IDC_SERIAL_UP), std::make_pair(&m_btnDown, IDC_SERIAL_DOWN)})
        if (b.first->Attach(b.second, tessaron::foundation::SECBitmapButton::imageOnly,
                            b.second == IDC_SERIAL_UP ? IDB_PORT_UP : IDB_PORT_DOWN, this))
            b.first->SetDrawOption(TRUE);
    FillLists();
    LoadInterfaceTable(m_interfaces, *m_pEnumSystem);
    m_stateImages.Create(IDB_PORT_STATES, 16, 0, RGB(255, 255, 255));
    if (m_pTree == NULL)
    {
        m_pTree = new SECTreeCtrl;
        m_pTree->CreateFromDlgItem(IDC_SERIAL_TREE, this);
        m_pTree->ModifyTreeStyle(0, TreeStyle::EDIT_LABELS | TreeStyle::DISABLE_DRAG |
                                        TreeStyle::SHOW_SEL_ALWAYS);
        m_pTree->SetImageList(&m_stateImages, TVSIL_STATE);
        CRect client;
        m_pTree->GetClientRect(&client);
        CString strPort, strDescription;
        strPort.LoadString(IDS_SERIAL_COLUMN_PORT);
        strDescription.LoadString(IDS_SERIAL_COLUMN_DESCRIPTION);
        // The tree's own column shows the port; its description stands beside it. Both under
        // their headings.
        m_pTree->ModifyTreeStyleEx(0, TreeStyle::EX_HEADER, FALSE);
        m_pTree->SetColumnHeading(0, strPort);
        m_pTree->SetColumnWidth(0, client.Width() * 40 / 100);
        m_pTree->InsertColumn(1, strDescription, LVCFMT_LEFT, client.Width() * 60 / 100);
        m_pTree->UseSubItemStorage(TRUE);
    }
    FillTree();
    ShowSelectedRecord();
    m_baudRateList.EnableWindow(m_bBaudRateEditable);
    for (UINT nID : s_lineControls)
    {
        GetDlgItem(nID)->EnableWindow(m_bSettingsEditable);
        GetDlgItem(nID)->ShowWindow(m_bSettingsVisible ? SW_SHOW : SW_HIDE);
    }
    return TRUE;
}

int CSerialMultiSettingsPage::FindRecord(const CString& strPortName, STRUCT_SERIAL_INTERFACE& record)
{
    for (int nKey = 0; nKey < (int)m_interfaces.GetCount(); nKey++)
        if (m_interfaces.Lookup(nKey, record) && record.strPortName == strPortName)
            return nKey;
    return -1;
}

// The enabled ports in their order, then the others.
void CSerialMultiSettingsPage::FillTree()
{
    m_pTree->DeleteAllItems();
    for (int nQueue = 0;; nQueue++)
    {
        STRUCT_SERIAL_INTERFACE record;
        bool bFound = false;
        for (int nKey = 0; nKey < (int)m_interfaces.GetCount() && !bFound; nKey++)
            bFound = m_interfaces.Lookup(nKey, record) && record.nQueueIndex == nQueue;
        if (!bFound)
            break;
        HTREEITEM hItem = m_pTree->InsertItem(record.strPortName, TVI_ROOT, TVI_LAST);
        m_pTree->SetItemColumnText(hItem, 1, record.strDescription);
        m_pTree->SetItemState(hItem, INDEXTOSTATEIMAGEMASK(record.bUseInterface ? kStateMarked : kStateEmpty),
                              TVIS_STATEIMAGEMASK);
        m_pTree->SetItemData(hItem, (DWORD_PTR)record.nPortNumber);
    }
}

void CSerialMultiSettingsPage::ShowSelectedRecord()
{
    ShowRecord(m_pTree != NULL ? m_pTree->GetSelectedItem() : NULL);
}

void CSerialMultiSettingsPage::ShowRecord(HTREEITEM hItem)
{
    if (!m_strShownPort.IsEmpty() && !StoreShownRecord())
        return;
    if (hItem == NULL)
        return;
    m_strShownPort = m_pTree->GetItemText(hItem);
    STRUCT_SERIAL_INTERFACE record;
    if (FindRecord(m_strShownPort, record) < 0)
        return;
    m_strDevice = record.strDevice;
    m_nStartBits = record.nStartBits;
    m_nDataBits = record.nDataBits;
    m_dwTimeout = record.dwReadTimeout;
    m_baudRateList.ShowWindow(record.bUsbDevice ? SW_HIDE : SW_SHOW);
    SelectValue(m_baudRateList, (int)record.dwBaudRate);
    SelectValue(m_stopBitsList, record.nStopBits);
    SelectValue(m_protocolList, record.nProtocol);
    SelectValue(m_parityList, record.nParity);
    UpdateData(FALSE);
}

BOOL CSerialMultiSettingsPage::StoreShownRecord()
{
    if (!UpdateData(TRUE))
        return FALSE;
    STRUCT_SERIAL_INTERFACE record;
    const int nKey = FindRecord(m_strShownPort, record);
    if (nKey < 0)
        return TRUE;
    record.strDevice = m_strDevice;
    record.nDataBits = m_nDataBits;
    record.nStartBits = m_nStartBits;
    record.dwReadTimeout = m_dwTimeout;
    // A rate the list does not offer (57600, 115200) stays, and a USB port keeps its own.
    if (!record.bUsbDevice)
        record.dwBaudRate = (DWORD)SelectedValue(m_baudRateList, (int)record.dwBaudRate);
    record.nStopBits = SelectedValue(m_stopBitsList, record.nStopBits);
    record.nProtocol = SelectedValue(m_protocolList, record.nProtocol);
    record.nParity = SelectedValue(m_parityList, record.nParity);
    m_interfaces.SetAt(nKey, record);
    return TRUE;
}

// The tree tells before its caret moves: the new item comes with the notification.
void CSerialMultiSettingsPage::OnTreeSelChanged(NMHDR* pNotify, LRESULT* pResult)
{
    ShowRecord(reinterpret_cast<NMTREEVIEWA*>(pNotify)->itemNew.hItem);
    *pResult = 0;
}

// Only a click on an item's check image counts.
void CSerialMultiSettingsPage::OnTreeClick(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    CPoint point(::GetMessagePos());
    m_pTree->ScreenToClient(&point);
    UINT nFlags = 0;
    HTREEITEM hItem = m_pTree->HitTest(point, &nFlags);
    if (hItem == NULL || (nFlags & TreeHit::ON_STATE_IMAGE) != TreeHit::ON_STATE_IMAGE)
        return;
    const BOOL bUse = (m_pTree->GetItemStateBits(hItem, TVIS_STATEIMAGEMASK) >> 12) != kStateMarked;
    m_pTree->SetItemState(hItem, INDEXTOSTATEIMAGEMASK(bUse ? kStateMarked : kStateEmpty),
                          TVIS_STATEIMAGEMASK);
    const int nPortNumber = (int)m_pTree->GetItemData(hItem);
    for (int nKey = 0; nKey < (int)m_interfaces.GetCount(); nKey++)
    {
        STRUCT_SERIAL_INTERFACE record;
        if (m_interfaces.Lookup(nKey, record) && record.nPortNumber == nPortNumber)
        {
            record.bUseInterface = bUse;
            m_interfaces.SetAt(nKey, record);
        }
    }
    SetModified(TRUE);
}

void CSerialMultiSettingsPage::MovePort(int nStep)
{
    HTREEITEM hItem = m_pTree->GetSelectedItem();
    STRUCT_SERIAL_INTERFACE moved;
    const int nMoved = hItem != NULL ? FindRecord(m_pTree->GetItemText(hItem), moved) : -1;
    if (nMoved < 0)
        return;
    const int nTarget = moved.nQueueIndex + nStep;
    if (nTarget < 0 || nTarget >= (int)m_pTree->GetCount())
        return;
    for (int nKey = 0; nKey < (int)m_interfaces.GetCount(); nKey++)
    {
        STRUCT_SERIAL_INTERFACE other;
        if (nKey != nMoved && m_interfaces.Lookup(nKey, other) && other.nQueueIndex == nTarget)
        {
            other.nQueueIndex = moved.nQueueIndex;
            m_interfaces.SetAt(nKey, other);
        }
    }
    moved.nQueueIndex = nTarget;
    m_interfaces.SetAt(nMoved, moved);
    const CString strPort = moved.strPortName;
    FillTree();
    for (HTREEITEM h = m_pTree->GetRootItem(); h != NULL; h = m_pTree->GetNextSiblingItem(h))
        if (m_pTree->GetItemText(h) == strPort)
            m_pTree->SelectItem(h);
}

void CSerialMultiSettingsPage::OnUp()
{
    MovePort(-1);
}

void CSerialMultiSettingsPage::OnDown()
{
    MovePort(1);
}

BOOL CSerialMultiSettingsPage::OnApply()
{
    if (!m_strShownPort.IsEmpty() && !StoreShownRecord())
        return FALSE;
    CSerialUserConfig config;
    for (int nKey = 0; nKey < (int)m_interfaces.GetCount(); nKey++)
    {
        STRUCT_SERIAL_INTERFACE r;
        if (!m_interfaces.Lookup(nKey, r))
            continue;
        const CString& name = r.strPortName;
        config.SetDevice(r.strDevice, name);
        config.SetUseInterface(r.bUseInterface ? 1 : 0, name);
        config.SetQueueIndex((DWORD)r.nQueueIndex, name);
        config.SetBaudrate(r.dwBaudRate, name);
        config.SetParitaet((DWORD)r.nParity, name);
        config.SetProtokoll((DWORD)r.nProtocol, name);
        config.SetStartbits((DWORD)r.nStartBits, name);
        config.SetDatenbits((DWORD)r.nDataBits, name);
        config.SetStopbits((DWORD)r.nStopBits, name);
        config.SetReadTimeout(r.dwReadTimeout, name);
        config.SetReadTimeoutMul(r.dwReadTimeoutMul, name);
        config.SetReadTimeOutConstant(r.dwReadTimeoutConstant, name);
        config.SetWriteTimeOutMul(r.dwWriteTimeoutMul, name);
        config.SetWriteTimeOutConstant(r.dwWriteTimeoutConstant, name);
    }
    return CMyPropertyPage::OnApply();
}

void CSerialMultiSettingsPage::OnReset()
{
    m_nDataBits = 8;
    m_nStartBits = 1;
    m_dwTimeout = 100;
    m_strDevice.Empty();
    m_strShownPort.Empty();
    m_interfaces.RemoveAll();
    LoadInterfaceTable(m_interfaces, *m_pEnumSystem);
    if (m_pTree != NULL)
    {
        FillTree();
        ShowSelectedRecord();
    }
    SetModified(FALSE);
    CMyPropertyPage::OnReset();
}

void CSerialMultiSettingsPage::CopyToApplicationTable(CSerialInterfaceMap& table)
{
    for (int nKey = 0; nKey < (int)table.GetCount(); nKey++)
    {
        STRUCT_SERIAL_INTERFACE target, source;
        if (!table.Lookup(nKey, target) || FindRecord(target.strPortName, source) < 0)
            continue;
        // The port itself and who holds it stay.
        source.nPortNumber = target.nPortNumber;
        source.strPortName = target.strPortName;
        source.pOwner = target.pOwner;
        source.bySpare = target.bySpare;
        table.SetAt(nKey, source);
    }
}
