// The options sheet's serial interface page on ports a test system lists: the USB port without
// a baud-rate choice, the port tree's two columns under their headings, also scrolled sideways,
// the order of the tree, a port switched off by its check image, moving, the
// fourteen values stored per port, and stored values the page cannot show kept as they are.
#include "AppIds.h"
#include "DialogAnswer.h"
#include "ProgramKey.h"
#include "ScreenInput.h"
#include "TestSupport.h"
#include "Input.h"
#include "app/SettingsSheet.h"
#include "uilib/treelist/TreeCtrl.h"

using namespace testing_support;

namespace
{
// A Windows 9x hardware tree in a scratch key: one USB port and two plain ones, none busy.
class HardwareTreeSystem : public CSerialEnumSystem
{
  public:
    HardwareTreeSystem()
    {
        const struct
        {
            const char* path;
            const char* port;
            const char* friendly;
        } ports[] = {{"USBPORTS\\QM\\0000", "COM20", "QM240D USB Serial Port (COM20)"},
                     {"ROOT\\*PNP0501\\0000", "COM21", "Kommunikationsanschluss (COM21)"},
                     {"ROOT\\*PNP0501\\0001", "COM22", "Kommunikationsanschluss (COM22)"}};
        for (const auto& p : ports)
        {
            HKEY hKey = NULL;
            ::RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kRoot) + "\\" + p.path).c_str(), 0, NULL, 0,
                              KEY_ALL_ACCESS, NULL, &hKey, NULL);
            ::RegSetValueExA(hKey, "PORTNAME", 0, REG_SZ, (const BYTE*)p.port, (DWORD)strlen(p.port) + 1);
            ::RegSetValueExA(hKey, "FRIENDLYNAME", 0, REG_SZ, (const BYTE*)p.friendly,
                             (DWORD)strlen(p.friendly) + 1);
            ::RegCloseKey(hKey);
        }
    }
    ~HardwareTreeSystem() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kRoot);
    }
    BOOL GetOsVersion(OSVERSIONINFOA& info) override
    {
        info.dwMajorVersion = 4;
        info.dwPlatformId = VER_PLATFORM_WIN32_WINDOWS;
        return TRUE;
    }
    LONG OpenHardwareTree(HKEY* phKey) override
    {
        return ::RegOpenKeyExA(HKEY_CURRENT_USER, kRoot, 0, KEY_READ, phKey);
    }
    BOOL IsPortFree(LPCSTR) override
    {
        return TRUE;
    }

  private:
    static constexpr const char* kRoot = "Software\\HelvonTestEnum";
};

class SerialPage : public ProgramKeyTest
{
  protected:
    void Store(const char* port, const char* name, DWORD value)
    {
        WriteRawDword(HKEY_CURRENT_USER, (std::string("Interface\\") + port).c_str(), name, value);
    }
    std::string Stored(const char* port, const char* name)
    {
        return ReadRaw(HKEY_CURRENT_USER, (std::string("Interface\\") + port).c_str(), name);
    }
    // The sheet on the test ports, answered; the page's tree as seen when the answer began.
    void Run(DialogAnswer& answer)
    {
        CSettingsSheet sheet(IDS_OPTIONS_CAPTION);
        sheet.m_serialPage.m_pEnumSystem = &m_system;
        m_pPage = &sheet.m_serialPage;
        answer.nControl = ID_APPLY_NOW;
        answer.Arm();
        sheet.DoModal();
        m_pPage = NULL;
        EXPECT_TRUE(answer.bSeen);
    }
    // The ports of the tree from the top.
    std::string TreeOrder()
    {
        std::string s;
        SECTreeCtrl* pTree = m_pPage->m_pTree;
        for (HTREEITEM h = pTree->GetRootItem(); h != NULL; h = pTree->GetNextSiblingItem(h))
            s += std::string(pTree->GetItemText(h)) +
                 (pTree->GetItemStateBits(h, TVIS_STATEIMAGEMASK) >> 12 == 2 ? " " : "- ");
        return s;
    }
    HTREEITEM Item(const char* port)
    {
        SECTreeCtrl* pTree = m_pPage->m_pTree;
        for (HTREEITEM h = pTree->GetRootItem(); h != NULL; h = pTree->GetNextSiblingItem(h))
            if (pTree->GetItemText(h) == port)
                return h;
        return NULL;
    }
    void Select(const char* port)
    {
        m_pPage->m_pTree->SelectItem(Item(port));
    }
    HardwareTreeSystem m_system;
    CSerialMultiSettingsPage* m_pPage = NULL;
};

// The USB port shows no baud rates; the tree follows the stored order; OK stores the fourteen
// values of every port.
TEST_F(SerialPage, UsbPortOrderAndTheStoredValues)
{
    Store("COM20", "QueueIndex", 2);
    Store("COM21", "QueueIndex", 1);
    Store("COM22", "QueueIndex", 0);
    std::string order;
    bool bUsbBaudShown = true, bPlainBaudShown = false;
    std::string baudShown;
    DialogAnswer answer;
    answer.attempts = {{{}, IDOK, [&](HWND hSheet) {
                            order = TreeOrder();
                            Select("COM20");
                            bUsbBaudShown = ::IsWindowVisible(DialogAnswer::Control(hSheet, IDC_SERIAL_BAUD));
                            Select("COM21");
                            HWND hBaud = DialogAnswer::Control(hSheet, IDC_SERIAL_BAUD);
                            bPlainBaudShown = ::IsWindowVisible(hBaud);
                            baudShown = WindowText(hBaud);
                            ::SendMessageA(hBaud, CB_SETCURSEL, 2, 0); // 19200
                            ::SetWindowTextA(DialogAnswer::Control(hSheet, IDC_SERIAL_DEVICE), "Werkbank");
                        }}};
    Run(answer);
    EXPECT_EQ("COM22 COM21 COM20 ", order);
    EXPECT_FALSE(bUsbBaudShown);
    EXPECT_TRUE(bPlainBaudShown);
    EXPECT_EQ("9600 Baud", baudShown);
    const struct
    {
        const char* name;
        const char* com21;
    } values[] = {{"Device", "Werkbank"},   {"UseInterface", "1"},
                  {"QueueIndex", "1"},      {"Baudrate", "19200"},
                  {"Paritaet", "2"},        {"Protokoll", "0"},
                  {"Startbits", "1"},       {"Datenbits", "8"},
                  {"Stopbits", "0"},        {"ReadTimeout", "100"},
                  {"ReadTimeoutMul", "5"},  {"ReadTimeOutConstant", "100"},
                  {"WriteTimeOutMul", "5"}, {"WriteTimeOutConstant", "100"}};
    for (const auto& v : values)
        EXPECT_EQ(v.com21, Stored("COM21", v.name)) << v.name;
    EXPECT_EQ("9600", Stored("COM20", "Baudrate")) << "a USB port's rate is never touched";
    EXPECT_EQ("2", Stored("COM20", "QueueIndex"));
}

// Stored values the page cannot show or change survive selecting the port and OK.
TEST_F(SerialPage, ValuesThePageCannotShowAreKept)
{
    Store("COM21", "ReadTimeout", 500);
    Store("COM21", "Baudrate", 115200);
    Store("COM21", "Datenbits", 5);
    DialogAnswer answer;
    answer.attempts = {{{}, IDOK, [&](HWND) {
                            Select("COM21");
                            Select("COM22");
                        }}};
    Run(answer);
    EXPECT_EQ(1, answer.nAttempts);
    EXPECT_FALSE(answer.bLeftOpen) << "nothing blocked the sheet";
    EXPECT_EQ("500", Stored("COM21", "ReadTimeout"));
    EXPECT_EQ("115200", Stored("COM21", "Baudrate"));
    EXPECT_EQ("5", Stored("COM21", "Datenbits"));
}

// A click on a port's check image switches it off: reopened, it stands behind the enabled
// ports. Up on the first port does nothing, down moves it.
TEST_F(SerialPage, CheckImageAndMoving)
{
    std::string before, afterUp, afterDown;
    DialogAnswer answer;
    answer.attempts = {{{}, IDOK, [&](HWND) {
                            SECTreeCtrl* pTree = m_pPage->m_pTree;
                            before = TreeOrder();
                            // The first row's check image, found by the tree's own hit test.
                            CRect row;
                            pTree->GetItemRect(0, &row, LVIR_BOUNDS);
                            CPoint at(-1, row.CenterPoint().y);
                            for (int x = row.left; x < row.left + 60 && at.x < 0; x++)
                            {
                                UINT nFlags = 0;
                                if (pTree->HitTest(CPoint(x, at.y), &nFlags) != NULL &&
                                    (nFlags & TreeHit::ON_STATE_IMAGE) == TreeHit::ON_STATE_IMAGE)
                                    at.x = x + 2;
                            }
                            ASSERT_GE(at.x, 0);
                            pTree->ClientToScreen(&at);
                            dialogs_test::ClickAt(at);
                            PumpMessages(150);
                            Select("COM21");
                            m_pPage->SendMessage(WM_COMMAND, IDC_SERIAL_UP);
                            afterUp = TreeOrder();
                            m_pPage->SendMessage(WM_COMMAND, IDC_SERIAL_DOWN);
                            afterDown = TreeOrder();
                        }}};
    Run(answer);
    // The enumeration lists the plain ports first.
    EXPECT_EQ("COM21 COM22 COM20 ", before);
    EXPECT_EQ("COM21- COM22 COM20 ", afterUp) << "the first does not move up";
    EXPECT_EQ("COM22 COM21- COM20 ", afterDown);
    EXPECT_EQ("0", Stored("COM21", "UseInterface"));
    std::string reopened;
    DialogAnswer again;
    again.attempts = {{{}, IDCANCEL, [&](HWND) { reopened = TreeOrder(); }}};
    Run(again);
    EXPECT_EQ("COM22 COM20 COM21- ", reopened) << "behind the enabled ports";
}
// Under the headings "Port" and "Beschreibung" (four and six tenths of the tree) each port shows
// its name and its description; the headings are drawn. Widened beyond the tree and scrolled
// sideways, the picture of check boxes, names and headings moves as a whole.
TEST_F(SerialPage, PortTreeColumnsUnderTheirHeadings)
{
    DialogAnswer answer;
    answer.attempts = {
        {{}, IDCANCEL, [&](HWND) {
             SECTreeCtrl* pTree = m_pPage->m_pTree;
             CRect client;
             pTree->GetClientRect(&client);
             ASSERT_EQ(2, pTree->GetColumnCount());
             const struct
             {
                 const char* heading;
                 int nTenths;
             } columns[] = {{"Port", 4}, {"Beschreibung", 6}};
             CRect inside;
             pTree->GetInsideRectangle(&inside);
             ASSERT_GT(inside.top, 4) << "a header above the rows";
             pTree->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
             const ClientPicture shown(pTree->m_hWnd);
             CClientDC dc(pTree);
             HGDIOBJ hOld = ::SelectObject(dc.m_hDC, pTree->GetHeaderFont());
             int x = 0;
             for (int n = 0; n < 2; n++)
             {
                 SCOPED_TRACE(columns[n].heading);
                 EXPECT_STREQ(columns[n].heading, pTree->GetColumnHeading(n));
                 EXPECT_EQ(client.Width() * columns[n].nTenths / 10, pTree->GetColumnWidth(n));
                 // The heading's text, inside the header's frame.
                 const CSize extent = dc.GetTextExtent(columns[n].heading);
                 const CRect text(x + 6, 2, x + 6 + extent.cx, inside.top - 2);
                 EXPECT_GE(shown.ColumnsOther(text, ::GetSysColor(COLOR_BTNFACE)), extent.cx / 2);
                 x += pTree->GetColumnWidth(n);
             }
             ::SelectObject(dc.m_hDC, hOld);
             for (const char* port : {"COM20", "COM21", "COM22"})
                 EXPECT_EQ(std::string(port == std::string("COM20") ? "QM240D USB Serial Port"
                                                                    : "Kommunikationsanschluss") +
                               " (" + port + ")",
                           std::string(pTree->GetItemText(Item(port), 1)));

             pTree->SetColumnWidth(1, client.Width());
             pTree->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
             CRect view;
             pTree->GetInsideRectangle(&view);
             view.top = 0;
             // Each step against the picture before it, by as far as the view moved.
             ClientPicture before(pTree->m_hWnd);
             int nOffset = 0;
             for (UINT nCode : {SB_LINERIGHT, SB_PAGERIGHT, SB_LEFT})
             {
                 SCOPED_TRACE(testing::Message() << "scroll code " << nCode);
                 pTree->SendMessage(WM_HSCROLL, nCode);
                 int dx = 0, dy = 0;
                 pTree->GetScrollOffset(dx, dy);
                 ASSERT_NE(nOffset, dx) << "the view moved";
                 pTree->UpdateWindow();
                 const ClientPicture after(pTree->m_hWnd);
                 int nCompared = 0;
                 EXPECT_EQ(0, after.DiffersFromMoved(before, view, dx - nOffset, nCompared));
                 EXPECT_GT(nCompared, view.Height() * 20) << "part of the view stayed";
                 before = after;
                 nOffset = dx;
             }
         }}};
    Run(answer);
}
} // namespace
