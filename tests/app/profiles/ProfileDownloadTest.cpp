// A profile downloaded into the simulated station by the running program: what the station is
// told, the station password before it, and the document taking the profile's labelling only
// once the station has confirmed every write.
#include "AppIds.h"
#include "BoxCounter.h"
#include "DialogAnswer.h"
#include "FirstStart.h"
#include "PopupMenuAnswer.h"
#include "StationWrites.h"
#include "app/DownloadWizzard.h"
#include "app/MeasureTableWnd.h"
#include "app/UploadWizzard.h"
#include "app/MyBrowseGridWnd.h"
#include "app/ParameterSetDlg.h"
#include "app/StationJobCodes.h"
#include "station/link/CommMessages.h"
#include "Input.h"
#include <fstream>
#include <functional>
#include "station/record/IRControlDoc.h"
#include "station/record/IRProfilRecord.h"
#include "station/record/IRProfilSet.h"

using namespace testing_support;

namespace
{
// Set 2 of a profile table: every field differs from a new recording's.
void FillSet(CIRProfilSet& set, const char* sensor)
{
    const char* fields[] = {"Board B", "Chip C",      "Einl\xF6ten", "150",         "60",
                            "180",     "220",         "217",         "7",           sensor,
                            " \260C",  "3,0 x 10 mm", "4,0 x 10 mm", "Rechts oben", "100"};
    for (int n = 1; n <= 15; n++)
        set.SetFieldText(n, fields[n - 1]);
    set.SetField16Text("1.250");
}

// The labelling a document has, as one text to compare.
std::string Labelling(CIRControlDoc* pDoc)
{
    return std::string(pDoc->GetOperator()) + "|" + std::string(pDoc->GetBoardName()) + "|" +
           std::string(pDoc->GetComponent()) + "|" + std::string(pDoc->GetProfileType()) + "|" +
           std::string(pDoc->GetApertureX()) + "|" + std::string(pDoc->GetApertureY()) + "|" +
           std::string(pDoc->GetPin1Position()) + "|" + std::to_string(pDoc->GetTinit()) + "|" +
           std::to_string(pDoc->GetAutoRecord());
}

const char kDownloaded[] = "Meier|Board B|Chip C|Einl\xF6ten|3,0 x 10 mm|4,0 x 10 mm|Rechts oben|100|1";

class ProfileDownload : public FirstStart
{
  protected:
    // The program started again with the station simulated as the options say; its recording
    // online, the station's profile block read.
    CIRControlView* StartOnline(const std::string& options)
    {
        m_sim.Stop();
        EXPECT_TRUE(m_sim.Start(StationSimulator::kPort, options));
        StartAgain();
        CMainFrame* pFrame = dynamic_cast<CMainFrame*>(GetIRControlApp()->m_pMainWnd);
        CIRControlView* pView = pFrame != NULL ? ActiveRecording(pFrame) : NULL;
        EXPECT_TRUE(pView != NULL);
        if (pView == NULL)
            return NULL;
        EXPECT_TRUE(PumpUntil(
            [&] {
                return pView->IsRegisteredForTicks() &&
                       pView->GetMirroredVar(StationVar::FirmwareVersion) > 0;
            },
            10000));
        PumpMessages(600); // the profile block with the station password
        return pView;
    }
    // The station's confirmation of the profile is the document's cue.
    bool WaitForLabelling(CIRControlView* pView, const std::string& expected)
    {
        return PumpUntil([&] { return Labelling(pView->GetDocument()) == expected; }, 5000);
    }
};
} // namespace

TEST_F(ProfileDownload, TheStationGetsTheSetThenTheDocumentItsLabelling)
{
    CIRControlView* pView = StartOnline("");
    ASSERT_TRUE(pView != NULL);
    for (const char* sensor : {"TE-Sensor", "IR-Sensor"})
    {
        SCOPED_TRACE(sensor);
        const std::string before = Labelling(pView->GetDocument());
        const size_t nProfiles = Writes(m_sim, StationVar::ProfileFirst).size();
        CIRProfilSet set(2);
        FillSet(set, sensor);
        ASSERT_TRUE(pView->DownloadProfile(&set, "Meier", 1));
        EXPECT_EQ(before, Labelling(pView->GetDocument())) << "nothing before the station confirmed it";
        ASSERT_TRUE(
            PumpUntil([&] { return Writes(m_sim, StationVar::ProfileFirst).size() == nProfiles + 1; }, 5000));
        const bool bIR = std::string(sensor) == "IR-Sensor";
        EXPECT_EQ((std::vector<float>{150, 60, 180, 220, 217, 7, bIR ? 1.0f : 0.0f, 0}),
                  Writes(m_sim, StationVar::ProfileFirst).back());
        ASSERT_TRUE(PumpUntil(
            [&] {
                return !Writes(m_sim, bIR ? StationVar::SensorFactorIR : StationVar::SensorFactorTE).empty();
            },
            5000));
        EXPECT_EQ(std::vector<float>{1.25f},
                  Writes(m_sim, bIR ? StationVar::SensorFactorIR : StationVar::SensorFactorTE).back());
        EXPECT_TRUE(WaitForLabelling(pView, kDownloaded)) << Labelling(pView->GetDocument());
        EXPECT_EQ(std::vector<float>{1.0f}, Writes(m_sim, StationVar::Commit).back())
            << "the factor's commit";
        EXPECT_TRUE(pView->GetDocument()->IsModified());
        pView->GetDocument()->SetModifiedFlag(FALSE);
        pView->GetDocument()->SetOperatorName("");
    }
}

TEST_F(ProfileDownload, TheStationPasswordComesFirst)
{
    CIRControlView* pView = StartOnline(PresetVars({{StationVar::StationPassword, "123"}}));
    ASSERT_TRUE(pView != NULL);
    ASSERT_EQ(123.0f, pView->GetMirroredVar(StationVar::StationPassword));
    const struct
    {
        const char* what;
        const char* typed;
        int nButton;
        const char* box; // NULL: none
        bool bDownloads;
    } cases[] = {
        {"a wrong password", "124", IDOK, "kein g\xFCltiges Passwort", false},
        {"cancelled", "123", IDCANCEL, NULL, false},
        {"the right one", "123", IDOK, NULL, true},
    };
    const std::string before = Labelling(pView->GetDocument());
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        MessageBoxes boxes;
        if (c.box != NULL)
            boxes.Expect(IDOK, c.box);
        DialogAnswer answer;
        answer.nControl = IDC_PASSWORD_ENTRY;
        answer.attempts = {DialogAnswer::Attempt({{IDC_PASSWORD_ENTRY, c.typed}}, c.nButton)};
        answer.Arm();
        CIRProfilSet set(2);
        FillSet(set, "TE-Sensor");
        EXPECT_EQ(c.bDownloads, pView->DownloadProfile(&set, "Meier", 1) == TRUE);
        EXPECT_TRUE(answer.bSeen);
        EXPECT_EQ(0u, boxes.Pending());
        if (c.bDownloads)
        {
            EXPECT_TRUE(WaitForLabelling(pView, kDownloaded)) << Labelling(pView->GetDocument());
            EXPECT_EQ(1u, Writes(m_sim, StationVar::ProfileFirst).size());
        }
        else
        {
            PumpMessages(600);
            EXPECT_TRUE(Writes(m_sim, StationVar::ProfileFirst).empty());
            EXPECT_TRUE(Writes(m_sim, StationVar::SensorFactorTE).empty());
            EXPECT_EQ(before, Labelling(pView->GetDocument()));
        }
    }
}

// The station vanishing while it takes the profile or the factor: the link goes down with one
// message and the document keeps what it had; with the station back a download completes.
TEST_F(ProfileDownload, AVanishedStationLeavesTheDocumentAsItWas)
{
    for (const char* reg : {"7", "5"})
    {
        SCOPED_TRACE(std::string("vanishing at register ") + reg);
        CIRControlView* pView = StartOnline(std::string("--fault vanish --fault-register ") + reg);
        ASSERT_TRUE(pView != NULL);
        const std::string before = Labelling(pView->GetDocument());
        {
            CBoxCounter boxes;
            CIRProfilSet set(2);
            FillSet(set, "IR-Sensor");
            ASSERT_TRUE(pView->DownloadProfile(&set, "Meier", 1));
            ASSERT_TRUE(PumpUntil([&] { return !pView->IsOnline(); }, 15000));
            PumpMessages(1000);
            EXPECT_EQ(1, boxes.Count("Schnittstelle ist gest"));
            EXPECT_LE(boxes.m_texts.size(), 2u) << "besides at most one port error";
            EXPECT_EQ(before, Labelling(pView->GetDocument()));
            EXPECT_FALSE(pView->GetDocument()->IsModified());
        }
        // The station back: switched on again (F8), the next download goes through.
        m_sim.Stop();
        ASSERT_TRUE(m_sim.Start(StationSimulator::kPort, ""));
        pView->SendMessage(WM_COMMAND, ID_COMMUNICATION);
        ASSERT_TRUE(PumpUntil([&] { return pView->IsRegisteredForTicks(); }, 10000));
        CIRProfilSet set(2);
        FillSet(set, "IR-Sensor");
        ASSERT_TRUE(pView->DownloadProfile(&set, "Meier", 1));
        EXPECT_TRUE(WaitForLabelling(pView, kDownloaded)) << Labelling(pView->GetDocument());
        pView->GetDocument()->SetModifiedFlag(FALSE);
        GetIRControlApp()->m_pMainWnd->DestroyWindow();
        PumpMessages(50);
        delete GetIRControlApp()->m_pDocManager;
        GetIRControlApp()->m_pDocManager = NULL;
    }
}

namespace
{
// Five sets of the profile file; set 2 differs from the others in every value the station gets.
std::string ProfileFile()
{
    std::string text;
    for (int n = 1; n <= 5; n++)
    {
        bool b2 = n == 2;
        text += "Board " + std::to_string(n) + ";Chip " + std::to_string(n) + ";Einl\xF6ten;" +
                (b2 ? "160;70;190;230;215;6;TE-Sensor" : "150;60;180;220;217;7;IR-Sensor") +
                "; \260C;3,0 x 10 mm;4,0 x 10 mm;Rechts oben;" + (b2 ? "90" : "40") + ";1.250\r\n";
    }
    return text;
}

class ProfileTableDownload : public ProfileDownload
{
  protected:
    void SetUp() override
    {
        ProfileDownload::SetUp();
        m_path = TempFolder() + "\\ProfilTabelle.csv";
        std::ofstream(m_path, std::ios::binary | std::ios::trunc) << ProfileFile();
        WriteRawText(HKEY_LOCAL_MACHINE, "Settings", "ProfilFile", m_path);
    }
    void TearDown() override
    {
        if (CDownloadWizzard* p = CDownloadWizzard::GetOpenWizard())
            p->DestroyWindow();
        if (CUploadWizzard* p = CUploadWizzard::GetOpenWizard())
            p->DestroyWindow();
        GetIRControlApp()->m_bParameterSetsProtected = FALSE;
        ProfileDownload::TearDown();
        ::DeleteFileA(m_path.c_str());
    }
    // The profile table of the running program, its tab brought forward.
    CMyBrowseGridWnd* ProfileGrid()
    {
        CMainFrame* pFrame = dynamic_cast<CMainFrame*>(GetIRControlApp()->m_pMainWnd);
        if (pFrame == NULL)
            return NULL;
        // The recording's tabs came first: the user goes to the profile table's.
        pFrame->GetMeasureTableWnd().GetTabWnd().ActivateTab(CMeasureTableWnd::TabProfiles);
        PumpMessages(100);
        CParameterSetDlg* pDlg = pFrame->GetParameterSetDlg();
        CMyBrowseGridWnd* pGrid = pDlg != NULL ? pDlg->GetGrid() : NULL;
        EXPECT_TRUE(pGrid != NULL && pGrid->IsWindowVisible());
        return pGrid;
    }
    static POINT CellPoint(CMyBrowseGridWnd* pGrid, ROWCOL nRow, ROWCOL nCol)
    {
        CPoint pt = pGrid->CalcCellRect(nRow, nCol).CenterPoint();
        pGrid->ClientToScreen(&pt);
        return pt;
    }
    // A row chosen by its header.
    static void ChooseRow(CMyBrowseGridWnd* pGrid, ROWCOL nRow)
    {
        dialogs_test::ClickAt(CellPoint(pGrid, nRow, 0));
        EXPECT_EQ(nRow, pGrid->GetSelectedRow());
    }
    // The profile table with set 2's row chosen.
    CMyBrowseGridWnd* ChooseSet2()
    {
        CMyBrowseGridWnd* pGrid = ProfileGrid();
        if (pGrid != NULL)
            ChooseRow(pGrid, 2);
        return pGrid;
    }
    // The open download wizard brought forward and walked to its last page, where Finish is.
    static CDownloadWizzard* WizardAtFinish()
    {
        CDownloadWizzard* pWizard = CDownloadWizzard::GetOpenWizard();
        if (pWizard == NULL)
            return NULL;
        pWizard->SetForegroundWindow();
        dialogs_test::FrameworkPump(100);
        for (int i = 0; i < 4; i++)
            dialogs_test::ClickControl(pWizard, ID_WIZ_NEXT);
        EXPECT_TRUE(pWizard->m_tinitPage.IsWindowVisible());
        return pWizard;
    }
    std::string m_path;
};

const std::vector<float> kSet2 = {160, 70, 190, 230, 215, 6, 0, 0};
} // namespace

TEST_F(ProfileTableDownload, WithoutARowNothingGoesElseTheChosenSetDirectly)
{
    WriteRawDword(HKEY_LOCAL_MACHINE, "Settings", "DownloadWizzard", 0);
    CIRControlView* pView = StartOnline("");
    ASSERT_TRUE(pView != NULL);
    {
        MessageBoxes boxes;
        boxes.Expect(IDOK, "Vor einem Download muss zuerst der Parametersatz");
        pView->SendMessage(WM_COMMAND, ID_PROFILE_DOWNLOAD);
        EXPECT_EQ(0u, boxes.Pending());
    }
    ASSERT_TRUE(ChooseSet2() != NULL);
    pView->SendMessage(WM_COMMAND, ID_PROFILE_DOWNLOAD);
    EXPECT_EQ(nullptr, CDownloadWizzard::GetOpenWizard());
    ASSERT_TRUE(PumpUntil(
        [&] {
            return Writes(m_sim, StationVar::ProfileFirst).size() == 1 &&
                   !Writes(m_sim, StationVar::SensorFactorTE).empty();
        },
        5000));
    EXPECT_EQ(kSet2, Writes(m_sim, StationVar::ProfileFirst).back());
    EXPECT_EQ(std::vector<float>{1.25f}, Writes(m_sim, StationVar::SensorFactorTE).back())
        << "a thermocouple's factor";
    EXPECT_TRUE(PumpUntil([&] { return pView->GetDocument()->GetBoardName() == "Board 2"; }, 5000));
    EXPECT_EQ(90, pView->GetDocument()->GetTinit());
    pView->GetDocument()->SetModifiedFlag(FALSE);
}

TEST_F(ProfileTableDownload, TheWizardWalksFivePagesAndFinishDownloads)
{
    CIRControlView* pView = StartOnline("");
    ASSERT_TRUE(pView != NULL);
    ASSERT_TRUE(ChooseSet2() != NULL);
    pView->SendMessage(WM_COMMAND, ID_PROFILE_DOWNLOAD);
    CDownloadWizzard* pWizard = CDownloadWizzard::GetOpenWizard();
    ASSERT_TRUE(pWizard != NULL);
    pWizard->SetForegroundWindow();
    dialogs_test::FrameworkPump(100);
    EXPECT_EQ("Programm: ", ControlText(pWizard->m_welcomePage.m_hWnd, IDC_WIZ_PROGRAM).substr(0, 10));
    dialogs_test::ClickControl(pWizard, ID_WIZ_NEXT);
    ASSERT_TRUE(pWizard->m_operatorPage.IsWindowVisible());
    pWizard->m_operatorPage.SetDlgItemText(IDC_WIZ_OPERATOR, "Meier");
    for (int i = 0; i < 3; i++)
        dialogs_test::ClickControl(pWizard, ID_WIZ_NEXT);
    ASSERT_TRUE(pWizard->m_tinitPage.IsWindowVisible());
    EXPECT_EQ("90\260C", ControlText(pWizard->m_tinitPage.m_hWnd, IDC_WIZ_TINIT_TEXT));
    dialogs_test::ClickControl(&pWizard->m_tinitPage, IDC_WIZ_START_TINIT);
    EXPECT_EQ(0u, Writes(m_sim, StationVar::ProfileFirst).size()) << "nothing before Finish";
    dialogs_test::ClickControl(pWizard, ID_WIZ_FINISH);
    EXPECT_EQ(nullptr, CDownloadWizzard::GetOpenWizard());
    ASSERT_TRUE(PumpUntil([&] { return Writes(m_sim, StationVar::ProfileFirst).size() == 1; }, 5000));
    EXPECT_EQ(kSet2, Writes(m_sim, StationVar::ProfileFirst).back());
    CIRControlDoc* pDoc = pView->GetDocument();
    EXPECT_TRUE(PumpUntil([&] { return pDoc->GetOperator() == "Meier"; }, 5000));
    EXPECT_EQ(1, pDoc->GetAutoRecord());
    EXPECT_EQ("Board 2", std::string(pDoc->GetBoardName()));
    EXPECT_EQ(90, pDoc->GetTinit());
    pDoc->SetModifiedFlag(FALSE);
}

// The recording's parameter set into the profile table: refused under protection, appended
// directly, and through the wizard with the operator's corrections and Tinit held to its limits.
TEST_F(ProfileTableDownload, UploadAppendsTheRecordingsSetToTheFile)
{
    WriteRawDword(HKEY_LOCAL_MACHINE, "Settings", "UploadWizzard", 0);
    CIRControlView* pView = StartOnline(PresetVars({{StationVar::SensorFactorTE, "1.0"},
                                                    {StationVar::SensorFactorIR, "1.25"},
                                                    {StationVar::T1, "160"},
                                                    {StationVar::Time, "70"},
                                                    {StationVar::T2, "190"},
                                                    {StationVar::T3, "230"},
                                                    {StationVar::TL, "215"},
                                                    {StationVar::Energy, "6"},
                                                    {StationVar::SensorType, "1"},
                                                    {StationVar::Unit, "0"}}));
    ASSERT_TRUE(pView != NULL);
    CIRControlDoc* pDoc = pView->GetDocument();
    // The station's values, the infrared sensor's factor (variable 5) among them.
    float f1 = 0, f2 = 0;
    ASSERT_TRUE(PumpUntil(
        [&] {
            pDoc->GetSensorFactors(f1, f2);
            return pDoc->GetT1() == 160 && pDoc->GetTime() == 70 && f2 == 1.25f;
        },
        5000));
    pDoc->SetBoardName("Platine 7");
    pDoc->SetComponentName("BGA");
    pDoc->SetProfileTypeText("Einl\xF6ten");
    pDoc->SetApertureXText("3,0 x 10 mm");
    pDoc->SetApertureYText("4,0 x 10 mm");
    pDoc->SetPin1Text("Rechts oben");
    pDoc->SetTinit(90);
    const std::string line6 = "Platine 7;BGA;Einl\xF6ten;160;70;190;230;215;6;IR-Sensor; \260C;3,0 x 10 "
                              "mm;4,0 x 10 mm;Rechts oben;90;1.250\r\n";
    {
        SCOPED_TRACE("protected");
        GetIRControlApp()->m_bParameterSetsProtected = TRUE;
        MessageBoxes boxes;
        boxes.Expect(IDOK, "Die Profiltabelle ist gesch");
        pView->SendMessage(WM_COMMAND, ID_PROFILE_UPLOAD);
        EXPECT_EQ(0u, boxes.Pending());
        EXPECT_EQ(ProfileFile(), ReadFile(m_path));
        GetIRControlApp()->m_bParameterSetsProtected = FALSE;
    }
    pView->SendMessage(WM_COMMAND, ID_PROFILE_UPLOAD);
    EXPECT_EQ(nullptr, CUploadWizzard::GetOpenWizard());
    EXPECT_EQ(ProfileFile() + line6, ReadFile(m_path));

    SCOPED_TRACE("through the wizard");
    WriteRawDword(HKEY_LOCAL_MACHINE, "Settings", "UploadWizzard", 1);
    pView->SendMessage(WM_COMMAND, ID_PROFILE_UPLOAD);
    CUploadWizzard* pWizard = CUploadWizzard::GetOpenWizard();
    ASSERT_TRUE(pWizard != NULL);
    pWizard->SetForegroundWindow();
    dialogs_test::FrameworkPump(100);
    EXPECT_NE(std::string::npos, ControlText(pWizard->m_valuesPage.m_hWnd, IDC_WIZ_T1).find("160"));
    dialogs_test::ClickControl(pWizard, ID_WIZ_NEXT);
    ASSERT_TRUE(pWizard->m_boardPage.IsWindowVisible());
    EXPECT_EQ("Platine 7", ControlText(pWizard->m_boardPage.m_hWnd, IDC_WIZ_BOARD));
    pWizard->m_boardPage.SetDlgItemText(IDC_WIZ_BOARD, "Platine 8");
    dialogs_test::ClickControl(pWizard, ID_WIZ_NEXT);
    dialogs_test::ClickControl(pWizard, ID_WIZ_NEXT);
    ASSERT_TRUE(pWizard->m_pin1Page.IsWindowVisible());
    EXPECT_EQ("90", ControlText(pWizard->m_pin1Page.m_hWnd, IDC_WIZ_TINIT));
    pWizard->m_pin1Page.SetDlgItemText(IDC_WIZ_TINIT, "121");
    {
        MessageBoxes boxes;
        boxes.Expect(IDOK, "Bitte geben Sie eine ganze Zahl zwischen 30 und 120 ein.");
        dialogs_test::ClickControl(pWizard, ID_WIZ_FINISH);
        EXPECT_EQ(0u, boxes.Pending());
    }
    ASSERT_EQ(pWizard, CUploadWizzard::GetOpenWizard()) << "Finish stays on the page";
    EXPECT_EQ(ProfileFile() + line6, ReadFile(m_path));
    pWizard->m_pin1Page.SetDlgItemText(IDC_WIZ_TINIT, "100");
    dialogs_test::ClickControl(pWizard, ID_WIZ_FINISH);
    EXPECT_EQ(nullptr, CUploadWizzard::GetOpenWizard());
    const std::string line7 = "Platine 8;BGA;Einl\xF6ten;160;70;190;230;215;6;IR-Sensor; \260C;3,0 x 10 "
                              "mm;4,0 x 10 mm;Rechts oben;100;1.250\r\n";
    EXPECT_EQ(ProfileFile() + line6 + line7, ReadFile(m_path));
    EXPECT_EQ("Platine 8", std::string(pDoc->GetBoardName()));
    pDoc->SetModifiedFlag(FALSE);
}

// A row copied and pasted through the table's context menu, whose commands the recording view
// carries out: "Kopieren" on set 1, "Einfügen" on set 3 gives set 3 set 1's columns 1 to 15;
// a paste into set 4 then is greyed and changes nothing. F9 pressed inside the table records.
TEST_F(ProfileTableDownload, ContextMenuCopiesARowAndF9InTheTableRecords)
{
    CIRControlView* pView = StartOnline("");
    ASSERT_TRUE(pView != NULL);
    CMyBrowseGridWnd* pGrid = ProfileGrid();
    ASSERT_TRUE(pGrid != NULL);
    const struct
    {
        ROWCOL nRow;
        UINT nCommand;
        bool bEnabled;
    } steps[] = {{1, ID_PROFILE_COPY, true}, {3, ID_PROFILE_PASTE, true}, {4, ID_PROFILE_PASTE, false}};
    for (const auto& step : steps)
    {
        SCOPED_TRACE(testing::Message() << "row " << step.nRow << ", command " << step.nCommand);
        ChooseRow(pGrid, step.nRow);
        PopupMenuAnswer menu(step.nCommand);
        dialogs_test::ClickAt(CellPoint(pGrid, step.nRow, 1), true);
        EXPECT_TRUE(PumpUntil([&] { return menu.m_texts.size() == 5; }, 3000));
        PumpAsTheApplication(300);
        EXPECT_TRUE(menu.bSeen);
        EXPECT_EQ((std::vector<std::string>{"Profil &Downloaden", "Profil &Uploaden", "", "&Kopieren",
                                            "&Einf\xFCgen"}),
                  menu.m_texts);
        EXPECT_EQ(step.bEnabled, menu.bEnabled);
        EXPECT_EQ(!step.bEnabled, menu.bClosedByEscape) << "a greyed item keeps the menu open";
    }
    const std::string text = ProfileFile();
    const size_t line3 = text.find("Board 3;");
    const std::string line1 = text.substr(0, text.find("\r\n") + 2);
    const std::string expected = text.substr(0, line3) + line1 + text.substr(text.find("\r\n", line3) + 2);
    EXPECT_EQ(expected, ReadFile(m_path));
    EXPECT_STREQ("Board 1", pGrid->GetCellValueText(3, 1));

    // F9 with the keyboard inside the table reaches the frame.
    dialogs_test::ClickAt(CellPoint(pGrid, 2, 2));
    ASSERT_TRUE(::IsChild(pGrid->m_hWnd, ::GetFocus()) || ::GetFocus() == pGrid->m_hWnd);
    ASSERT_FALSE(pView->IsRecording());
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = VK_F9;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, in, sizeof(INPUT));
    EXPECT_TRUE(PumpAsTheApplicationUntil([&] { return pView->IsRecording(); }, 3000));
    pView->SendMessage(WM_COMMAND, ID_RECORD);
    EXPECT_TRUE(PumpAsTheApplicationUntil([&] { return !pView->IsRecording(); }, 3000));
    pView->GetDocument()->SetModifiedFlag(FALSE);
}

// Finish while the station cannot take the profile (the link switched off, a long-life test
// started): the wizard says why, stays open and sends nothing; with the station back and idle,
// Finish downloads.
TEST_F(ProfileTableDownload, TheWizardRefusesToFinishWhileOfflineOrBusy)
{
    const struct
    {
        const char* what;
        std::function<void(CIRControlView*)> hinder, release;
        std::function<bool(CIRControlView*)> hindered;
    } cases[] = {
        {"offline", [](CIRControlView* pView) { pView->SendMessage(WM_COMMAND, ID_COMMUNICATION); },
         [](CIRControlView* pView) { pView->SendMessage(WM_COMMAND, ID_COMMUNICATION); },
         [](CIRControlView* pView) { return !pView->IsOnline(); }},
        {"busy", [](CIRControlView* pView) { pView->SendMessage(WM_COMM_LONGLIFE_JOB, JobLongLifeStart); },
         [](CIRControlView* pView) { pView->SendMessage(WM_COMM_LONGLIFE_JOB, JobLongLifeStop); },
         [](CIRControlView* pView) { return !pView->IsStationIdle(); }},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        CIRControlView* pView = StartOnline("");
        ASSERT_TRUE(pView != NULL);
        ASSERT_TRUE(PumpUntil([&] { return pView->IsStationIdle(); }, 5000));
        ASSERT_TRUE(ChooseSet2() != NULL);
        pView->SendMessage(WM_COMMAND, ID_PROFILE_DOWNLOAD);
        CDownloadWizzard* pWizard = WizardAtFinish();
        ASSERT_TRUE(pWizard != NULL);
        c.hinder(pView);
        ASSERT_TRUE(PumpUntil([&] { return c.hindered(pView); }, 5000));
        {
            MessageBoxes boxes;
            boxes.Expect(IDOK, "Die Station ist nicht verbunden oder arbeitet gerade.");
            pWizard->SetForegroundWindow();
            dialogs_test::ClickControl(pWizard, ID_WIZ_FINISH);
            EXPECT_TRUE(PumpAsTheApplicationUntil([&] { return !boxes.Shown().empty(); }, 3000));
            PumpAsTheApplication(300);
            EXPECT_EQ(1u, boxes.Shown().size());
        }
        EXPECT_EQ(pWizard, CDownloadWizzard::GetOpenWizard()) << "the wizard stays";
        EXPECT_TRUE(pWizard->m_tinitPage.IsWindowVisible());
        PumpMessages(500);
        EXPECT_TRUE(Writes(m_sim, StationVar::ProfileFirst).empty());

        c.release(pView);
        ASSERT_TRUE(PumpUntil(
            [&] { return pView->IsRegisteredForTicks() && pView->IsOnline() && pView->IsStationIdle(); },
            10000));
        pWizard->SetForegroundWindow();
        dialogs_test::ClickControl(pWizard, ID_WIZ_FINISH);
        EXPECT_TRUE(
            PumpAsTheApplicationUntil([] { return CDownloadWizzard::GetOpenWizard() == NULL; }, 3000));
        ASSERT_TRUE(PumpUntil([&] { return Writes(m_sim, StationVar::ProfileFirst).size() == 1; }, 5000));
        EXPECT_EQ(kSet2, Writes(m_sim, StationVar::ProfileFirst).back());
        pView->GetDocument()->SetModifiedFlag(FALSE);
        TearDown();
        SetUp();
    }
}

// The set shown by the wizard deleted from the table meanwhile (set 3 then moves up to its id):
// Finish still downloads the set the wizard showed.
TEST_F(ProfileTableDownload, ASetDeletedWhileTheWizardShowsItIsStillTheOneDownloaded)
{
    CIRControlView* pView = StartOnline("");
    ASSERT_TRUE(pView != NULL);
    CMyBrowseGridWnd* pGrid = ChooseSet2();
    ASSERT_TRUE(pGrid != NULL);
    pView->SendMessage(WM_COMMAND, ID_PROFILE_DOWNLOAD);
    CDownloadWizzard* pWizard = WizardAtFinish();
    ASSERT_TRUE(pWizard != NULL);

    pGrid->GetParent()->SetForegroundWindow();
    ChooseRow(pGrid, 2);
    dialogs_test::PressKey(VK_DELETE);
    ASSERT_TRUE(
        PumpAsTheApplicationUntil([&] { return pGrid->GetProfilRecord()->GetSetCount() == 4; }, 3000));
    EXPECT_STREQ("Board 3", pGrid->GetProfilRecord()->GetCellText(2, 1));
    ASSERT_EQ(pWizard, CDownloadWizzard::GetOpenWizard());
    pWizard->SetForegroundWindow();
    dialogs_test::ClickControl(pWizard, ID_WIZ_FINISH);
    EXPECT_TRUE(PumpAsTheApplicationUntil([] { return CDownloadWizzard::GetOpenWizard() == NULL; }, 3000));
    ASSERT_TRUE(PumpUntil([&] { return Writes(m_sim, StationVar::ProfileFirst).size() == 1; }, 5000));
    EXPECT_EQ(kSet2, Writes(m_sim, StationVar::ProfileFirst).back());
    CIRControlDoc* pDoc = pView->GetDocument();
    EXPECT_TRUE(PumpUntil([&] { return pDoc->GetBoardName() == "Board 2"; }, 5000));
    EXPECT_EQ(90, pDoc->GetTinit());
    pDoc->SetModifiedFlag(FALSE);
}
