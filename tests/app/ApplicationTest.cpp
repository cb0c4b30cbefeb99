// The application object as the Pendix view and the station threads reach it through the
// functions it installs, and the administrator check.
#include "TestSupport.h"
#include "SerialNumberPrompt.h"
#include "app/IRControlApp.h"
#include "app/IRPasswordConfirmDlg.h"
#include "app/SysInfo.h"
#include "station/link/CommThreads.h"
#include "station/pendix/PendixServices.h"
#include <string>

namespace
{
CIRControlApp& App()
{
    return *GetIRControlApp();
}

STRUCT_SERIAL_INTERFACE Interface(int nPort, int nQueueIndex, BOOL bUse = TRUE,
                                  LPCSTR description = "COM-Port")
{
    STRUCT_SERIAL_INTERFACE serial = {};
    serial.dwBaudRate = 9600;
    serial.nDataBits = 8;
    serial.nParity = 2;
    serial.nPortNumber = nPort;
    serial.nQueueIndex = nQueueIndex;
    serial.strPortName.Format("COM%d", nPort);
    serial.strDescription = description;
    serial.bUseInterface = bUse;
    serial.bUsbDevice = strstr(description, "Pendix2004") != NULL;
    return serial;
}

// Windows only stand for owners here.
CWnd g_views[3];

class InterfaceHandOut : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        Reset();
    }
    void TearDown() override
    {
        Reset();
    }
    void Reset()
    {
        for (CWnd& view : g_views)
            App().ReleaseSerialInterface(&view);
        App().GetInterfaces().RemoveAll();
    }
    void Fill(std::initializer_list<STRUCT_SERIAL_INTERFACE> records)
    {
        int nKey = 0;
        for (STRUCT_SERIAL_INTERFACE record : records)
            App().GetInterfaces().SetAt(nKey++, record);
    }
    CWnd* OwnerOf(int nKey)
    {
        STRUCT_SERIAL_INTERFACE record;
        EXPECT_TRUE(App().GetInterfaces().Lookup(nKey, record));
        return record.pOwner;
    }
};

TEST_F(InterfaceHandOut, ThroughTheInstalledServices)
{
    App().InstallServices();
    Fill({Interface(8, 2, TRUE, "Pendix2004 USB Serial Port"), Interface(7, 0), Interface(9, 1)});
    STRUCT_SERIAL_INTERFACE out;
    // Through the functions the Pendix view reaches the application with.
    EXPECT_FALSE(GetPendixServices().pfnAcquireSerialInterface(out, &g_views[0], FALSE, "Pendix2004"));
    EXPECT_FALSE(GetPendixServices().pfnAcquireSerialInterface(out, &g_views[0], TRUE, "QM240D"));
    ASSERT_TRUE(GetPendixServices().pfnAcquireSerialInterface(out, &g_views[0], TRUE, "Pendix2004"));
    EXPECT_EQ("COM8", std::string(out.strPortName));
    EXPECT_EQ(0, App().GetInterfacesHandedOut());
    ASSERT_TRUE(App().AssignSerialInterface(out, &g_views[1]));
    EXPECT_EQ("COM7", std::string(out.strPortName));

    // The Pendix window closes: the recording views' count stays, so the next view still gets the
    // port in the second place.
    GetPendixServices().pfnReleaseSerialInterface(&g_views[0]);
    EXPECT_EQ(1, App().GetInterfacesHandedOut());
    EXPECT_EQ(NULL, OwnerOf(0));
    ASSERT_TRUE(App().AssignSerialInterface(out, &g_views[2]));
    EXPECT_EQ("COM9", std::string(out.strPortName));
    App().ReleaseSerialInterface(&g_views[1]);
    App().ReleaseSerialInterface(&g_views[2]);
    EXPECT_EQ(0, App().GetInterfacesHandedOut());
    EXPECT_TRUE(App().IsNoInterfaceInUse());
}

TEST_F(InterfaceHandOut, TheThreadsAskWhetherAnInterfaceIsInUse)
{
    App().InstallServices();
    Fill({Interface(7, 0)});
    // The installed answer replaces the previous one; asking through the link's hook.
    COMM_INTERFACE_CHECK pfnCheck = SetIsNoInterfaceInUse(NULL);
    SetIsNoInterfaceInUse(pfnCheck);
    ASSERT_TRUE(pfnCheck != NULL);
    EXPECT_TRUE(pfnCheck());
    STRUCT_SERIAL_INTERFACE out;
    ASSERT_TRUE(App().AssignSerialInterface(out, &g_views[0]));
    EXPECT_FALSE(pfnCheck());
}

// Whole numbers a float holds exactly are taken; anything else is refused with the framework's
// text and the prompt stays open (here it is then cancelled).
TEST(SerialNumberPrompt, ThroughTheInstalledServices)
{
    App().InstallServices();
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_OVERLAPPED | WS_VISIBLE,
                                CRect(0, 0, 200, 100), NULL, 0));
    const struct
    {
        const char* typed; // NULL: cancelled
        BOOL bResult;
        float fNumber;       // what the caller gets (1.5 untouched)
        const char* refusal; // the framework's text; NULL: taken
    } cases[] = {
        {"40000", TRUE, 40000.0f, NULL},
        {"0", TRUE, 0.0f, NULL},
        {"16777215", TRUE, 16777215.0f, NULL},
        {"12.5", FALSE, 1.5f, "Bitte geben Sie eine ganze Zahl ein."},
        {"-5", FALSE, 1.5f, "Bitte geben Sie eine ganze Zahl zwischen 0 und 16777215 ein."},
        {"16777216", FALSE, 1.5f, "Bitte geben Sie eine ganze Zahl zwischen 0 und 16777215 ein."},
        {NULL, FALSE, 1.5f, NULL},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.typed != NULL ? c.typed : "(cancel)");
        testing_support::MessageBoxes boxes;
        if (c.refusal != NULL)
            boxes.Expect(IDOK, c.refusal);
        SerialNumberPromptAnswer prompt;
        prompt.typed = c.typed;
        prompt.Arm();
        float fNumber = 1.5f;
        EXPECT_EQ(c.bResult, GetPendixServices().pfnAskSerialNumber(&parent, &fNumber));
        EXPECT_TRUE(prompt.bSeen);
        EXPECT_EQ(c.refusal != NULL, prompt.bLeftOpen);
        EXPECT_EQ("Vergabe der Seriennummer", prompt.caption);
        EXPECT_EQ("1", prompt.shown) << "the number starts at 1.0";
        EXPECT_TRUE(prompt.bOwnerDrawnButtons);
        EXPECT_EQ(c.fNumber, fNumber);
    }
    parent.DestroyWindow();
}

// The password asked before a download: the entry comes back after OK; 1000 is refused and the
// prompt stays.
TEST(PasswordConfirmation, EntryOrRefusal)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_OVERLAPPED | WS_VISIBLE,
                                CRect(0, 0, 200, 100), NULL, 0));
    const struct
    {
        const char* typed;
        INT_PTR nResult;
        int nPassword;
        const char* refusal;
    } cases[] = {{"42", IDOK, 42, NULL}, {"1000", IDCANCEL, 0, "zwischen 0 und 999"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.typed);
        testing_support::MessageBoxes boxes;
        if (c.refusal != NULL)
            boxes.Expect(IDOK, c.refusal);
        DialogAnswer answer;
        answer.nControl = IDC_PASSWORD_ENTRY;
        answer.attempts = {{{{IDC_PASSWORD_ENTRY, c.typed}}, IDOK}};
        std::string caption, shown;
        bool bOwnerDrawn = false;
        answer.inspect = [&](HWND hDlg) {
            caption = WindowText(hDlg);
            shown = WindowText(::GetDlgItem(hDlg, IDC_PASSWORD_ENTRY));
            bOwnerDrawn =
                IsOwnerDrawn(hDlg, IDOK) && IsOwnerDrawn(hDlg, IDCANCEL) && IsOwnerDrawn(hDlg, IDHELP);
        };
        answer.Arm();
        CIRPasswordConfirmDlg dlg(&parent);
        EXPECT_EQ(c.nResult, dlg.DoModal());
        EXPECT_EQ(c.refusal != NULL, answer.bLeftOpen);
        EXPECT_EQ("Passwort Best\xE4tigung", caption);
        EXPECT_EQ("0", shown);
        EXPECT_TRUE(bOwnerDrawn);
        if (c.nResult == IDOK)
        {
            EXPECT_EQ(c.nPassword, dlg.m_nPassword);
        }
    }
    parent.DestroyWindow();
}

TEST(SystemInformation, AdministratorAsTheTokenSays)
{
    // The platform's own membership test is the reference.
    SID_IDENTIFIER_AUTHORITY nt = {SECURITY_NT_AUTHORITY};
    PSID pAdmins = NULL;
    ASSERT_TRUE(::AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0,
                                           0, 0, 0, 0, &pAdmins));
    BOOL bMember = FALSE;
    ASSERT_TRUE(::CheckTokenMembership(NULL, pAdmins, &bMember));
    ::FreeSid(pAdmins);

    CSysInfo info;
    EXPECT_TRUE(info.IsNTPlatform());
    EXPECT_FALSE(info.IsAdministrator()) << "nothing is known before collecting";
    info.Collect();
    EXPECT_EQ(bMember, info.IsAdministrator());
}
} // namespace
