// The options sheet from the menu of the started program: the general settings, their range
// checks, the language, the external application and the logo, a configuration the user may not
// change, and the first start.
#include "AppIds.h"
#include "DialogAnswer.h"
#include "FirstStart.h"
#include "app/SerialMultiSettingsPage.h"
#include "uilib/treelist/TreeCtrl.h"
#include "app/SettingsSheet.h"
#include "station/record/ApplicationValues.h"

using namespace testing_support;

namespace
{
CIRControlApp& App()
{
    return *GetIRControlApp();
}

// Sheet pages by position.
enum
{
    SerialPage,
    LanguagePage,
    GeneralPage,
    ExternAppPage,
    LogoPage
};

void SelectPage(HWND hSheet, int nPage)
{
    ::SendMessageA(hSheet, PSM_SETCURSEL, nPage, 0);
}

void SetCheck(HWND hSheet, int nID, bool bOn)
{
    ::SendMessageA(DialogAnswer::Control(hSheet, nID), BM_SETCHECK, bOn ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool IsChecked(HWND hSheet, int nID)
{
    return ::SendMessageA(DialogAnswer::Control(hSheet, nID), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

class OptionsSheet : public FirstStart
{
  protected:
    void SetUp() override
    {
        FirstStart::SetUp();
        StartAgain();
        m_pFrame = dynamic_cast<CMainFrame*>(App().m_pMainWnd);
        ASSERT_TRUE(m_pFrame != NULL);
    }
    // Opens the options from the menu and answers the sheet; FALSE when it never came.
    bool Run(DialogAnswer& answer)
    {
        answer.nControl = ID_APPLY_NOW;
        answer.Arm();
        EXPECT_TRUE(IsEnabled(m_pFrame, ID_OPTIONS));
        m_pFrame->SendMessage(WM_COMMAND, ID_OPTIONS);
        return answer.bSeen;
    }
};

// The general page's eight values: Apply stores them, a Cancel afterwards keeps them.
TEST_F(OptionsSheet, GeneralValuesAppliedStayAfterCancel)
{
    const struct
    {
        int nID;
        const char* typed; // NULL: a check box, cleared or ticked by ticked
        bool ticked;
        const char* name;
        const char* stored;
    } values[] = {
        {IDC_GENERAL_AUTOCOM, NULL, false, "AutoCom", "0"},
        {IDC_GENERAL_DOWNLOAD_WIZARD, NULL, false, "DownloadWizzard", "0"},
        {IDC_GENERAL_UPLOAD_WIZARD, NULL, true, "UploadWizzard", "1"},
        {IDC_GENERAL_QUICKSAVE_DIR, "C:\\Schnell", false, "QuickSaveDir", "C:\\Schnell"},
        {IDC_GENERAL_TEMP_BASE, "300", false, "TempBase", "300"},
        {IDC_GENERAL_TIME_BASE, "600", false, "TimeBase", "600"},
        {IDC_GENERAL_TEMP_STEP, "25", false, "TempIntervall", "25"},
        {IDC_GENERAL_TIME_STEP, "50", false, "TimeIntervall", "50"},
    };
    WriteRawDword(HKEY_LOCAL_MACHINE, "Settings", "UploadWizzard", 0);
    DialogAnswer answer;
    std::string presetTempBase, presetTimeStep;
    DialogAnswer::Attempt apply;
    apply.nButton = ID_APPLY_NOW;
    apply.act = [&](HWND hSheet) {
        SelectPage(hSheet, GeneralPage);
        presetTempBase = ControlText(hSheet, IDC_GENERAL_TEMP_BASE);
        presetTimeStep = ControlText(hSheet, IDC_GENERAL_TIME_STEP);
        for (const auto& v : values)
            if (v.typed == NULL)
                SetCheck(hSheet, v.nID, v.ticked);
    };
    for (const auto& v : values)
        if (v.typed != NULL)
            apply.entries.push_back({v.nID, v.typed});
    answer.attempts = {apply, {{}, IDCANCEL, nullptr}};
    ASSERT_TRUE(Run(answer));
    EXPECT_EQ(2, answer.nAttempts);
    EXPECT_EQ("220", presetTempBase) << "the default";
    EXPECT_EQ("20", presetTimeStep);
    for (const auto& v : values)
        EXPECT_EQ(v.stored, ReadRaw(HKEY_LOCAL_MACHINE, "Settings", v.name)) << v.name;
}

// Each axis value out of its range is refused with the framework's text, the focus stays on it
// and nothing is stored.
TEST_F(OptionsSheet, AxisValuesOutOfRangeAreRefused)
{
    const struct
    {
        int nID;
        const char* typed;
        const char* message;
        const char* name;
    } cases[] = {
        {IDC_GENERAL_TEMP_STEP, "4", "Bitte geben Sie eine ganze Zahl zwischen 5 und 100 ein.",
         "TempIntervall"},
        {IDC_GENERAL_TEMP_BASE, "501", "zwischen 100 und 500", "TempBase"},
        {IDC_GENERAL_TIME_STEP, "601", "zwischen 5 und 600", "TimeIntervall"},
        {IDC_GENERAL_TIME_BASE, "99", "zwischen 100 und 3600", "TimeBase"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        MessageBoxes boxes;
        boxes.Expect(IDOK, c.message);
        DialogAnswer answer;
        int nFocus = 0;
        DialogAnswer::Attempt ok{
            {{c.nID, c.typed}}, IDOK, [](HWND hSheet) { SelectPage(hSheet, GeneralPage); }};
        DialogAnswer::Attempt look{{}, IDCANCEL, [&](HWND) { nFocus = ::GetDlgCtrlID(::GetFocus()); }};
        answer.attempts = {ok, look};
        ASSERT_TRUE(Run(answer));
        EXPECT_EQ(2, answer.nAttempts) << "the sheet stayed open";
        EXPECT_EQ(c.nID, nFocus);
        EXPECT_EQ("<missing>", ReadRaw(HKEY_LOCAL_MACHINE, "Settings", c.name));
    }
}

// A stored name in another letter case selects its installed language; OK stores the entry's name.
TEST_F(OptionsSheet, LanguageSelectedRegardlessOfCase)
{
    WriteRawText(HKEY_LOCAL_MACHINE, "Language", "Deutsch", "HelvonDeutsch.dll");
    WriteRawText(HKEY_LOCAL_MACHINE, "Language", "English", "HelvonEnglish.dll");
    WriteRawText(HKEY_LOCAL_MACHINE, "Settings", "Language", "deutsch");
    DialogAnswer answer;
    std::string selected;
    int nEntries = 0;
    answer.attempts = {{{}, IDOK, [&](HWND hSheet) {
                            SelectPage(hSheet, LanguagePage);
                            HWND hList = DialogAnswer::Control(hSheet, IDC_LANGUAGE_LIST);
                            nEntries = (int)::SendMessageA(hList, CB_GETCOUNT, 0, 0);
                            selected = WindowText(hList);
                        }}};
    ASSERT_TRUE(Run(answer));
    EXPECT_EQ(2, nEntries);
    EXPECT_EQ("Deutsch", selected);
    EXPECT_EQ("Deutsch", ReadRaw(HKEY_LOCAL_MACHINE, "Settings", "Language"));
}

// The external application and the logo show the application's copies; OK stores what was
// entered, Cancel nothing.
TEST_F(OptionsSheet, ExternalApplicationAndLogoFromTheCopies)
{
    App().SetExternApp("C:\\Tools\\alt.exe", "-x");
    App().m_strPrintLogo = "C:\\logo_alt.bmp";
    App().m_bLeftLogo = TRUE;
    App().m_bRightLogo = FALSE;
    struct
    {
        std::string app, options, logo;
        bool bLeft = false, bRight = true;
    } shown;
    auto edit = [&](HWND hSheet) {
        SelectPage(hSheet, ExternAppPage);
        shown.app = ControlText(hSheet, IDC_EXTERN_APP_PATH);
        shown.options = ControlText(hSheet, IDC_EXTERN_OPTIONS);
        ::SetWindowTextA(DialogAnswer::Control(hSheet, IDC_EXTERN_APP_PATH), "C:\\Tools\\neu.exe");
        ::SetWindowTextA(DialogAnswer::Control(hSheet, IDC_EXTERN_OPTIONS), "/n");
        SelectPage(hSheet, LogoPage);
        shown.logo = ControlText(hSheet, IDC_LOGO_PATH);
        shown.bLeft = IsChecked(hSheet, IDC_LOGO_LEFT);
        shown.bRight = IsChecked(hSheet, IDC_LOGO_RIGHT);
        ::SetWindowTextA(DialogAnswer::Control(hSheet, IDC_LOGO_PATH), "C:\\logo.bmp");
        SetCheck(hSheet, IDC_LOGO_LEFT, false);
        SetCheck(hSheet, IDC_LOGO_RIGHT, true);
    };
    const struct
    {
        int nButton;
        const char* app;
        const char* options;
        const char* logo;
        const char* left;
        const char* right;
    } cases[] = {
        {IDCANCEL, "<missing>", "<missing>", "<missing>", "<missing>", "<missing>"},
        {IDOK, "C:\\Tools\\neu.exe", "/n", "C:\\logo.bmp", "0", "1"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nButton);
        DialogAnswer answer;
        answer.attempts = {{{}, c.nButton, edit}};
        ASSERT_TRUE(Run(answer));
        EXPECT_EQ("C:\\Tools\\alt.exe", shown.app);
        EXPECT_EQ("-x", shown.options);
        EXPECT_EQ("C:\\logo_alt.bmp", shown.logo);
        EXPECT_TRUE(shown.bLeft);
        EXPECT_FALSE(shown.bRight);
        EXPECT_EQ(c.app, ReadRaw(HKEY_LOCAL_MACHINE, "Application", "Extern App"));
        EXPECT_EQ(c.options, ReadRaw(HKEY_LOCAL_MACHINE, "Application", "Extern Options"));
        EXPECT_EQ(c.logo, ReadRaw(HKEY_LOCAL_MACHINE, "Logos", "PrintLogo"));
        EXPECT_EQ(c.left, ReadRaw(HKEY_LOCAL_MACHINE, "Logos", "LeftLogo"));
        EXPECT_EQ(c.right, ReadRaw(HKEY_LOCAL_MACHINE, "Logos", "RightLogo"));
    }
    EXPECT_EQ(CString("C:\\logo.bmp"), CApplicationValues::GetPrintLogo())
        << "new recordings take the new logo";
    EXPECT_FALSE(CApplicationValues::GetLeftLogo());
    EXPECT_TRUE(CApplicationValues::GetRightLogo());
}

// A user who may not change the machine-wide settings sees the four pages disabled, and OK
// stores nothing.
TEST_F(OptionsSheet, ReadOnlyConfigurationDisablesThePages)
{
    const BOOL bAdministrator = App().m_bAdministrator;
    App().m_bAdministrator = FALSE;
    App().CreateConfiguration();
    const int controls[] = {IDC_SERIAL_DEVICE, IDC_LANGUAGE_LIST, IDC_GENERAL_TEMP_BASE, IDC_EXTERN_APP_PATH,
                            IDC_LOGO_PATH};
    bool bEnabled[LogoPage + 1] = {false, true, true, true, true};
    DialogAnswer answer;
    answer.attempts = {{{}, IDOK, [&](HWND hSheet) {
                            for (int nPage = SerialPage; nPage <= LogoPage; nPage++)
                            {
                                SelectPage(hSheet, nPage);
                                bEnabled[nPage] =
                                    ::IsWindowEnabled(DialogAnswer::Control(hSheet, controls[nPage]));
                            }
                        }}};
    EXPECT_TRUE(Run(answer));
    App().m_bAdministrator = bAdministrator;
    App().CreateConfiguration();
    EXPECT_TRUE(bEnabled[SerialPage]) << "the user's own settings";
    for (int nPage = LanguagePage; nPage <= LogoPage; nPage++)
        EXPECT_FALSE(bEnabled[nPage]) << nPage;
    for (const char* name : {"TempBase", "AutoCom", "Language"})
        EXPECT_EQ("<missing>", ReadRaw(HKEY_LOCAL_MACHINE, "Settings", name)) << name;
    EXPECT_EQ("<missing>", ReadRaw(HKEY_LOCAL_MACHINE, "Logos", "LeftLogo"));
}
// The connected station's port set to 19200 baud: the station is told the new rate, is polled at
// it, and the status bar shows it.
TEST_F(OptionsSheet, ConnectedPortTakesTheNewRate)
{
    CIRControlView* pView = ActiveRecording(m_pFrame);
    ASSERT_TRUE(pView != NULL);
    ASSERT_TRUE(PumpUntil([&] { return pView->IsRegisteredForTicks(); }, 10000));
    SECCustomStatusBar& status = m_pFrame->GetStatusBar();
    const int nBaud = status.CommandToIndex(ID_INDICATOR_BAUD);
    auto paneText = [&] { return std::string(status.GetPaneText(nBaud)); };
    ASSERT_TRUE(PumpUntil([&] { return paneText() == "Baudrate: 9600  Baud"; }, 5000)) << paneText();
    const size_t nFrom = m_sim.Log().size();
    DialogAnswer answer;
    answer.attempts = {DialogAnswer::Attempt({}, IDOK, [](HWND hSheet) {
        HWND hPage = ::GetParent(DialogAnswer::Control(hSheet, IDC_SERIAL_TREE));
        CSerialMultiSettingsPage* pPage =
            dynamic_cast<CSerialMultiSettingsPage*>(CWnd::FromHandlePermanent(hPage));
        ASSERT_TRUE(pPage != NULL);
        const std::string port = "COM" + std::to_string(StationSimulator::kPort);
        for (HTREEITEM h = pPage->m_pTree->GetRootItem(); h != NULL;
             h = pPage->m_pTree->GetNextSiblingItem(h))
            if (std::string(pPage->m_pTree->GetItemText(h)) == port)
                pPage->m_pTree->SelectItem(h);
        HWND hBaud = DialogAnswer::Control(hSheet, IDC_SERIAL_BAUD);
        ::SendMessageA(hBaud, CB_SETCURSEL,
                       ::SendMessageA(hBaud, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM) "19200 Baud"), 0);
    })};
    ASSERT_TRUE(Run(answer));
    EXPECT_FALSE(answer.bLeftOpen);
    EXPECT_EQ("19200",
              ReadRaw(HKEY_CURRENT_USER, ("Interface\\COM" + std::to_string(StationSimulator::kPort)).c_str(),
                      "Baudrate"));
    ASSERT_TRUE(PumpUntil([&] { return paneText() == "Baudrate: 19200  Baud"; }, 10000)) << paneText();
    PumpMessages(1500);
    // The rate change at the old rate, then requests at the new one only.
    const std::vector<std::string> log = m_sim.Log();
    size_t nChange = log.size(), nAt19200 = 0;
    for (size_t i = nFrom; i < log.size(); i++)
    {
        if (log[i].compare(0, 3, "rx ") != 0)
            continue;
        if (nChange == log.size() && log[i].find("[01 40") != std::string::npos)
            nChange = i;
        else if (nChange < i)
            nAt19200 += log[i].compare(0, 9, "rx 19200 ") == 0;
    }
    ASSERT_LT(nChange, log.size()) << "no rate change";
    EXPECT_EQ(0u, log[nChange].find("rx 9600 ")) << log[nChange];
    EXPECT_GT(nAt19200, 3u);
}

// The first start: the text, then the sheet; only OK counts it as done.
TEST_F(FirstStart, FirstStartOpensTheOptionsAfterItsText)
{
    for (int nButton : {IDCANCEL, IDOK})
    {
        SCOPED_TRACE(nButton);
        MessageBoxes boxes;
        boxes.Expect(IDOK, "Bitte konfigurieren Sie die seriellen Schnittstellen");
        WriteRawDword(HKEY_LOCAL_MACHINE, "Settings", "FirstStart", 1);
        DialogAnswer answer;
        answer.nControl = ID_APPLY_NOW;
        std::string caption;
        answer.inspect = [&](HWND hSheet) { caption = WindowText(hSheet); };
        answer.attempts = {{{}, nButton, nullptr}};
        answer.Arm();
        App().m_lpCmdLine = (LPTSTR) "";
        ASSERT_TRUE(App().InitInstance());
        EXPECT_TRUE(answer.bSeen);
        EXPECT_EQ(0u, boxes.Pending());
        EXPECT_EQ("Optionen Dialog von Helvon", caption);
        EXPECT_EQ(nButton == IDOK ? "0" : "1", ReadRaw(HKEY_LOCAL_MACHINE, "Settings", "FirstStart"));
        App().m_pMainWnd->DestroyWindow();
        PumpMessages(50);
        delete App().m_pDocManager;
        App().m_pDocManager = NULL;
    }
}
} // namespace
