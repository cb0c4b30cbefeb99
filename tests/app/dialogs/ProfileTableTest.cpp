// The profile table's tab on a hand-written profile file: the columns as the table describes
// them, typing into a set (the file follows at once, numbers outside the limits are refused),
// deleting rows, copying a row into another, protection, and the protection dialog.
#include "DialogAnswer.h"
#include "Input.h"
#include "ProgramKey.h"
#include "ScreenInput.h"
#include "TestSupport.h"
#include "app/IRControlApp.h"
#include "app/MeasureTableWnd.h"
#include "app/MyBrowseGridWnd.h"
#include "app/ParameterProtectDlg.h"
#include "app/ParameterSetDlg.h"
#include "grid/controls/ComboBox.h"
#include "grid/controls/GridCombo.h"
#include "grid/core/CellBrush.h"
#include "grid/core/Control.h"
#include "grid/core/EditControl.h"
#include "grid/factory/ControlFactory.h"
#include "station/config/ProjektConfig.h"
#include "station/record/ApplicationValues.h"
#include "station/record/IRProfilRecord.h"
#include "AppIds.h"
#include "GridIds.h"
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace testing_support;
using namespace dialogs_test;

namespace
{
// Five sets as the table writes them: 16 fields, the degree sign as one byte, CR LF.
std::string SetLine(int n, const char* t1 = "150")
{
    return "Board " + std::to_string(n) + ";Chip " + std::to_string(n) + ";Einl\xF6ten;" + t1 +
           ";60;180;220;217;7;IR-Sensor; \xB0"
           "C;6,0 x 10 mm;6,0 x 10 mm;Links unten;40;1.000\r\n";
}

std::string FiveSets()
{
    std::string text;
    for (int n = 1; n <= 5; n++)
        text += SetLine(n);
    return text;
}

CIRControlApp& App()
{
    return *GetIRControlApp();
}

class ProfileTable : public ProgramKeyTest
{
  protected:
    void SetUp() override
    {
        ProgramKeyTest::SetUp();
        InitGridLibraryWithDefaultFactory();
        m_path = TempFolder() + "\\ProfilTabelle.csv";
        WriteFile(FiveSets());
        WriteRawText(HKEY_LOCAL_MACHINE, "Settings", "ProfilFile", m_path);
        WriteRawDword(HKEY_LOCAL_MACHINE, "Limits", "T1Max", 240);
        m_pConfig = new CProjektConfig(FALSE);
        CApplicationValues::SetProjektConfig(m_pConfig);
        App().m_bParameterSetsProtected = FALSE;
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "Profile", WS_POPUP | WS_VISIBLE,
                                      CRect(10, 10, 900, 400), NULL, 0));
        m_pDlg = new CParameterSetDlg(&m_parent);
        ASSERT_TRUE(m_pDlg->Create(&m_parent));
        m_pDlg->MoveWindow(0, 0, 890, 390);
        m_pDlg->ShowWindow(SW_SHOW);
        m_pGrid = m_pDlg->GetGrid();
        ASSERT_TRUE(m_pGrid != NULL);
        // The table alone, as large as the test needs it.
        m_pGrid->MoveWindow(0, 0, 880, 300);
        m_parent.SetForegroundWindow();
        PumpMessages(100);
    }
    void TearDown() override
    {
        App().m_bParameterSetsProtected = FALSE;
        if (m_pDlg != NULL)
            m_pDlg->DestroyWindow();
        delete m_pDlg;
        m_parent.DestroyWindow();
        CApplicationValues::SetProjektConfig(NULL);
        delete m_pConfig;
        ::DeleteFileA(m_path.c_str());
        ProgramKeyTest::TearDown();
    }
    void WriteFile(const std::string& content)
    {
        std::ofstream out(m_path, std::ios::binary | std::ios::trunc);
        out << content;
    }
    std::string File()
    {
        return ReadFile(m_path);
    }
    POINT ScreenPoint(ROWCOL nRow, ROWCOL nCol)
    {
        CRect rect = m_pGrid->CalcCellRect(nRow, nCol);
        CPoint pt = rect.CenterPoint();
        m_pGrid->ClientToScreen(&pt);
        return pt;
    }
    void ClickCell(ROWCOL nRow, ROWCOL nCol, bool bRight = false)
    {
        dialogs_test::ClickAt(ScreenPoint(nRow, nCol), bRight);
    }
    // The cell becomes current without starting its edit, so typing replaces its text.
    void MakeCurrent(ROWCOL nRow, ROWCOL nCol)
    {
        m_pGrid->SetFocus();
        m_pGrid->SetCurrentCell(nRow, nCol);
        PumpMessages(50);
    }
    void Type(const char* psz)
    {
        for (; *psz; psz++)
            PressKey((WORD)toupper(*psz)); // lower case without Shift
    }
    // The fields of a line of the file (1 the first), without its line end.
    std::vector<std::string> FileFields(int nLine)
    {
        std::istringstream in(File());
        std::string line;
        for (int n = 0; n < nLine; n++)
            std::getline(in, line);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::vector<std::string> fields;
        std::istringstream parts(line);
        for (std::string field; std::getline(parts, field, ';');)
            fields.push_back(field);
        return fields;
    }
    // How many pixels of the row's cells differ from a fresh paint of the whole table.
    int DiffersFromAFreshPaint(ROWCOL nRow)
    {
        m_pGrid->UpdateWindow();
        const ClientPicture shown(m_pGrid->m_hWnd);
        m_pGrid->RedrawAll(GX_UPDATENOW, FALSE);
        const ClientPicture fresh(m_pGrid->m_hWnd);
        // The row as far as the table shows it.
        CRect row = m_pGrid->CalcCellRect(nRow, 1);
        row.right = shown.Width();
        int nCompared = 0;
        const int nDiffering = fresh.DiffersFromMoved(shown, row, 0, nCompared);
        EXPECT_GT(nCompared, 0);
        return nDiffering;
    }
    // A spin cell's down arrow, clicked n times.
    void SpinDown(ROWCOL nRow, ROWCOL nCol, int n)
    {
        CRect rect = m_pGrid->CalcCellRect(nRow, nCol);
        CPoint down(rect.right - 4, rect.bottom - 4);
        m_pGrid->ClientToScreen(&down);
        for (int i = 0; i < n; i++)
            dialogs_test::ClickAt(down);
    }
    CGXStyle Composed(ROWCOL nRow, ROWCOL nCol)
    {
        CGXStyle style;
        m_pGrid->ComposeStyleRowCol(nRow, nCol, &style);
        return style;
    }

    std::string m_path;
    CProjektConfig* m_pConfig = NULL;
    CWnd m_parent;
    CParameterSetDlg* m_pDlg = NULL;
    CMyBrowseGridWnd* m_pGrid = NULL;
};
} // namespace

TEST_F(ProfileTable, ColumnsAsTheTableDescribesThem)
{
    const COLORREF blue = RGB(132, 224, 251), white = RGB(255, 255, 255), green = RGB(230, 255, 240);
    const struct
    {
        const char* heading;
        int nWidth;
        COLORREF background;
        WORD nControl;
        const char* value; // of set 1
    } columns[] = {
        {"Board", 100, blue, GX_IDS_CTRL_EDIT, "Board 1"},
        {"Komponente", 100, blue, GX_IDS_CTRL_EDIT, "Chip 1"},
        {"Profiltyp", 70, white, GX_IDS_CTRL_TEXTFIT, "Einl\xF6ten"},
        {"T1/\xB0"
         "C",
         40, white, GX_IDS_CTRL_SPINEDIT, "150"},
        {"t/s", 40, white, GX_IDS_CTRL_SPINEDIT, "60"},
        {"T2/\xB0"
         "C",
         40, white, GX_IDS_CTRL_SPINEDIT, "180"},
        {"T3/\xB0"
         "C",
         40, white, GX_IDS_CTRL_SPINEDIT, "220"},
        {"TL/\xB0"
         "C",
         40, white, GX_IDS_CTRL_SPINEDIT, "217"},
        {"Energie", 45, white, GX_IDS_CTRL_SPINEDIT, "7"},
        {"Sensor", 70, white, GX_IDS_CTRL_TEXTFIT, "IR-Sensor"},
        {"Einheit", 40, white, GX_IDS_CTRL_TEXTFIT,
         " \xB0"
         "C"},
        {"Blende X", 80, green, GX_IDS_CTRL_TEXTFIT, "6,0 x 10 mm"},
        {"Blende Y", 80, green, GX_IDS_CTRL_TEXTFIT, "6,0 x 10 mm"},
        {"Lage Pin1", 80, green, GX_IDS_CTRL_TEXTFIT, "Links unten"},
        {"Tinit/\xB0"
         "C",
         50, green, GX_IDS_CTRL_SPINEDIT, "40"},
        {"Kal.", 30, green, GX_IDS_CTRL_CHECKBOX3D, "FALSE"},
    };
    ASSERT_EQ(16u, m_pGrid->GetColCount());
    EXPECT_EQ(5 + 1u, m_pGrid->GetRowCount()) << "five sets and the append row";
    for (ROWCOL nCol = 1; nCol <= 16; nCol++)
    {
        const auto& c = columns[nCol - 1];
        SCOPED_TRACE(c.heading);
        EXPECT_STREQ(c.heading, m_pGrid->GetComposedValueText(0, nCol));
        EXPECT_EQ(c.nWidth, m_pGrid->GetColWidth(nCol));
        CGXStyle style = Composed(1, nCol);
        EXPECT_EQ(c.background, style.GetInterior().GetBackColor());
        EXPECT_EQ(c.nControl, style.GetControl());
        EXPECT_STREQ(c.value, style.GetValue());
        // Only the calibration flag is locked.
        EXPECT_EQ(nCol == 16, style.GetReadOnly() != FALSE);
        EXPECT_EQ(nCol != 16, style.GetEnabled() != FALSE);
        EXPECT_EQ(nCol <= 2 ? RGB(10, 17, 109) : RGB(0, 0, 0), style.GetTextColor());
    }
    // The spin columns follow the registry's limits; the choices are the string table's.
    CGXStyle t1 = Composed(1, 4);
    EXPECT_STREQ("30", t1.GetUserAttribute(GX_IDS_UA_SPINBOUND_MIN).GetValueText());
    EXPECT_STREQ("240", t1.GetUserAttribute(GX_IDS_UA_SPINBOUND_MAX).GetValueText());
    EXPECT_STREQ("240", t1.GetUserAttribute(GX_IDS_UA_VALID_MAX).GetValueText());
    EXPECT_STREQ("Einl\xF6ten\nAusl\xF6ten\n", Composed(1, 3).GetChoiceList());
    EXPECT_STREQ("Links unten\nLinks oben\nRechts unten\nRechts oben", Composed(1, 14).GetChoiceList());
    CString apertures = Composed(1, 12).GetChoiceList();
    EXPECT_EQ(0, apertures.Find("2,0 x 10 mm\n2,5 x 10 mm\n"));
    EXPECT_EQ(apertures.GetLength() - 12, apertures.Find("6,0 x 10 mm\n"));
}

// 210 typed into T1 of set 1 reaches the file when the row is left; 260 is refused with the
// range text and never reaches it.
TEST_F(ProfileTable, TypedValuesReachTheFileWithinTheLimits)
{
    MakeCurrent(1, 4);
    Type("210");
    PressKey(VK_DOWN);
    EXPECT_EQ(SetLine(1, "210") + FiveSets().substr(SetLine(1).size()), File());

    const std::string before = File();
    MessageBoxes boxes;
    boxes.Expect(IDOK, "Bitte geben Sie eine ganze Zahl zwischen 30 und 240 ein.");
    MakeCurrent(2, 4);
    Type("260");
    PressKey(VK_DOWN);
    PumpMessages(200);
    EXPECT_EQ(0u, boxes.Pending());
    EXPECT_EQ(before, File());
    // Dropping the refused entry leaves the set as it was.
    m_pGrid->CancelRecord();
    EXPECT_EQ(before, File());
}

// Enter and Escape inside the table reach neither the dialog nor the cell.
TEST_F(ProfileTable, EnterAndEscapeCloseNothing)
{
    MakeCurrent(3, 1);
    Type("x");
    PressKey(VK_RETURN);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(m_pDlg->IsWindowVisible());
    CGXControl* pControl = m_pGrid->GetControl(3, 1);
    ASSERT_TRUE(pControl != NULL);
    EXPECT_TRUE(pControl->IsActive()) << "the edit is still there";
    CString text;
    pControl->GetCurrentText(text);
    EXPECT_STREQ("x", text);
    m_pGrid->CancelRecord();
}

// Rows 2 and 5 selected by their headers, the second with Ctrl held, and deleted: sets 5 and 2
// leave the file.
TEST_F(ProfileTable, DeletedRowsLeaveTheFile)
{
    ClickCell(2, 0);
    EXPECT_EQ(2u, m_pGrid->GetSelectedRow());
    dialogs_test::ClickAt(ScreenPoint(5, 0), false, VK_CONTROL);
    CDWordArray first, last;
    ASSERT_TRUE(m_pGrid->GetParam()->m_SelectedRanges.GetRowArray(m_pGrid->GetRowCount(), first, last, TRUE));
    ASSERT_EQ(2, (int)first.GetSize()) << "two whole rows";
    EXPECT_EQ(2u, first[0]);
    EXPECT_EQ(2u, last[0]);
    EXPECT_EQ(5u, first[1]);
    EXPECT_EQ(5u, last[1]);
    PressKey(VK_DELETE);
    std::string lines = SetLine(1) + SetLine(3) + SetLine(4);
    // The sets are numbered anew; their texts stay.
    EXPECT_EQ(lines, File());
    EXPECT_EQ(3, m_pGrid->GetProfilRecord()->GetSetCount());
    EXPECT_STREQ("Board 4", m_pGrid->GetComposedValueText(3, 1));
}

// The profile type chosen from the cell's list: the list opens on the button and the click on
// "Auslöten" reaches the file when the row is left.
TEST_F(ProfileTable, ProfileTypeChosenFromTheList)
{
    MakeCurrent(2, 3);
    CRect rect = m_pGrid->CalcCellRect(2, 3);
    CPoint button(rect.right - 8, rect.CenterPoint().y);
    m_pGrid->ClientToScreen(&button);
    dialogs_test::ClickAt(button);
    CGXComboBox* pCombo = dynamic_cast<CGXComboBox*>(m_pGrid->GetControl(2, 3));
    ASSERT_TRUE(pCombo != NULL);
    ASSERT_TRUE(pCombo->IsDroppedDown());
    CListBox* pList = (CListBox*)pCombo->m_pDropDownWnd->GetListBox();
    ASSERT_TRUE(pList != NULL);
    ASSERT_EQ(2, pList->GetCount());
    CString choice;
    pList->GetText(1, choice);
    EXPECT_STREQ("Ausl\xF6ten", choice);
    CRect item;
    pList->GetItemRect(1, &item);
    pList->ClientToScreen(&item);
    dialogs_test::ClickAt(item.CenterPoint());
    EXPECT_FALSE(pCombo->IsDroppedDown());
    EXPECT_EQ(FiveSets(), File()) << "nothing before the row is left";
    ClickCell(4, 1);
    std::string expected = FiveSets();
    const size_t at = expected.find("Board 2;Chip 2;Einl");
    expected.replace(at + 15, 8, "Ausl\xF6ten");
    EXPECT_EQ(expected, File());
}

// A row copied by its header goes into another row's columns 1 to 15, once per copy.
TEST_F(ProfileTable, CopiedRowPastesOnce)
{
    EXPECT_FALSE(m_pDlg->HasSelectedRow());
    m_pDlg->PasteIntoSelectedRow(); // nothing selected: nothing happens
    EXPECT_EQ(FiveSets(), File());
    WriteFile(FiveSets());
    m_pGrid->GetProfilRecord()->SetCellText(1, 16, "1.500");
    const std::string original = File();
    ClickCell(1, 0);
    EXPECT_TRUE(m_pDlg->HasSelectedRow());
    EXPECT_FALSE(m_pDlg->CanPasteRow());
    m_pDlg->CopySelectedRow();
    ClickCell(3, 0);
    EXPECT_TRUE(m_pDlg->CanPasteRow());
    m_pDlg->PasteIntoSelectedRow();
    // Set 3 now holds set 1's fields but keeps its own calibration.
    std::string expected = original;
    expected.replace(expected.find("Board 3;Chip 3"), 14, "Board 1;Chip 1");
    EXPECT_EQ(expected, File());
    EXPECT_FALSE(m_pDlg->CanPasteRow());
    m_pGrid->SetValueRange(CGXCellRange(1, 1), "Anders");
    m_pGrid->Update();
    m_pDlg->PasteIntoSelectedRow();
    EXPECT_STREQ("Board 1", m_pGrid->GetComposedValueText(3, 1)) << "a second paste does nothing";
    // A click elsewhere than a header forgets the row.
    ClickCell(2, 2);
    EXPECT_FALSE(m_pDlg->HasSelectedRow());
}

// Under protection edits, appends and deletions leave the file as it was.
TEST_F(ProfileTable, ProtectionKeepsTheFile)
{
    App().m_bParameterSetsProtected = TRUE;
    MakeCurrent(1, 1);
    Type("zz");
    PressKey(VK_DOWN);
    ClickCell(2, 0);
    PressKey(VK_DELETE);
    CIRProfilSet set(0, *m_pConfig);
    EXPECT_FALSE(m_pDlg->AppendSet(set));
    EXPECT_EQ(FiveSets(), File());
    EXPECT_EQ(5, m_pGrid->GetProfilRecord()->GetSetCount());

    // Unprotected, a set from outside becomes a sixth line.
    App().m_bParameterSetsProtected = FALSE;
    set.SetFieldText(1, "Neu");
    EXPECT_TRUE(m_pDlg->AppendSet(set));
    ASSERT_EQ(6, m_pGrid->GetProfilRecord()->GetSetCount());
    EXPECT_EQ(0u, File().find(FiveSets()));
    EXPECT_EQ(0u, File().substr(FiveSets().size()).find("Neu;"));
}

// The protection dialog: mismatching texts stay, matching ones protect, two empty texts leave
// the sets unprotected; clearing asks the password once, a wrong one changes nothing.
TEST_F(ProfileTable, ProtectionDialog)
{
    const struct
    {
        const char* stored; // "Module" before
        std::vector<DialogAnswer::Attempt> attempts;
        std::vector<const char*> boxes;
        const char* storedAfter;
        bool bConfirmShown;
        const char* okText;
    } cases[] = {
        {"",
         {{{{IDC_PROTECT_PASSWORD, "abc"}, {IDC_PROTECT_CONFIRM, "abd"}}, IDOK},
          {{{IDC_PROTECT_PASSWORD, "geheim 1"}, {IDC_PROTECT_CONFIRM, "geheim 1"}}, IDOK}},
         {"stimmen nicht \xFC"
          "berein"},
         "geheim 1",
         true,
         "&Parameters\xE4tze sch\xFCtzen"},
        {"", {{{}, IDOK}}, {}, "", true, "&Parameters\xE4tze sch\xFCtzen"},
        {"geheim 1",
         {{{{IDC_PROTECT_PASSWORD, "falsch"}}, IDOK}},
         {"Das eingegebene Passwort ist falsch!"},
         "geheim 1",
         false,
         "&Parameterschutz aufheben"},
        {"geheim 1",
         {{{{IDC_PROTECT_PASSWORD, "geheim 1"}}, IDOK}},
         {},
         "",
         false,
         "&Parameterschutz aufheben"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.stored) + " -> " + c.storedAfter);
        m_pConfig->SetModule(c.stored);
        App().m_bParameterSetsProtected = *c.stored != '\0';
        MessageBoxes boxes;
        for (const char* text : c.boxes)
            boxes.Expect(IDOK, text);
        DialogAnswer answer;
        answer.nControl = IDC_PROTECT_PASSWORD;
        answer.attempts = c.attempts;
        bool bConfirmShown = false;
        std::string okText;
        answer.inspect = [&](HWND hDlg) {
            bConfirmShown = ::IsWindowVisible(::GetDlgItem(hDlg, IDC_PROTECT_CONFIRM)) != FALSE;
            okText = WindowText(::GetDlgItem(hDlg, IDOK));
        };
        answer.Arm();
        App().OnProtectParameters();
        EXPECT_FALSE(answer.bLeftOpen);
        EXPECT_EQ(c.attempts.size(), (size_t)answer.nAttempts);
        EXPECT_EQ(0u, boxes.Pending());
        EXPECT_EQ(c.bConfirmShown, bConfirmShown);
        EXPECT_EQ(c.okText, okText);
        EXPECT_EQ(c.storedAfter, ReadRaw(HKEY_LOCAL_MACHINE, "Settings", "Module"));
        EXPECT_EQ(*c.storedAfter != '\0', App().IsParameterSetProtected() != FALSE);
    }
    // The grid follows the flag: protected now off, an edit reaches the file.
    MakeCurrent(1, 1);
    Type("q");
    PressKey(VK_DOWN);
    EXPECT_EQ(0u, File().find("q;Chip 1;"));
}

// With "T1Max" 240 the spin's up arrow stops at 240; a value reached with the arrows alone
// reaches the file when the row is left.
TEST_F(ProfileTable, SpinArrowStopsAtTheLimit)
{
    m_pGrid->GetProfilRecord()->SetCellText(1, 4, "238");
    m_pGrid->RedrawAll();
    const std::string before = File();
    MakeCurrent(1, 4);
    CRect rect = m_pGrid->CalcCellRect(1, 4);
    CPoint up(rect.right - 4, rect.top + 3);
    m_pGrid->ClientToScreen(&up);
    for (int n = 0; n < 4; n++)
        dialogs_test::ClickAt(up);
    CString text;
    m_pGrid->GetControl(1, 4)->GetCurrentText(text);
    EXPECT_STREQ("240", text);
    EXPECT_EQ(before, File()) << "nothing before the row is left";
    ClickCell(3, 2);
    EXPECT_EQ(SetLine(1, "240") + FiveSets().substr(SetLine(1).size()), File());
}

// The "Parameterfenster" bar: the profile table as tab 0; a document's two dialogs shown only
// when both are known, the same pair again changes nothing, detaching leaves the profile table.
TEST_F(ProfileTable, BarTabsOfADocumentsDialogs)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, "Rahmen", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 900, 500)));
    CMeasureTableWnd bar;
    ASSERT_TRUE(bar.Create(pFrame, "Parameterfenster", WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, 0, 59394));
    bar.MoveWindow(0, 0, 880, 400);
    SEC3DTabWnd& tabs = bar.GetTabWnd();
    EXPECT_EQ(IDC_MEASURE_TABS, tabs.GetDlgCtrlID());
    ASSERT_TRUE(bar.GetParameterSetDlg() != NULL);
    ASSERT_TRUE(bar.GetParameterSetDlg()->GetGrid() != NULL);
    EXPECT_EQ(5, bar.GetParameterSetDlg()->GetGrid()->GetProfilRecord()->GetSetCount());
    CWnd values, mask;
    for (CWnd* pWnd : {&values, &mask})
        ASSERT_TRUE(pWnd->Create(AfxRegisterWndClass(0), "", WS_CHILD, CRect(0, 0, 10, 10), &tabs, 0));
    EXPECT_FALSE(bar.ShowUserMask());
    EXPECT_FALSE(bar.FocusUserMask());

    EXPECT_TRUE(bar.AttachDialogs(&values, NULL, TRUE));
    EXPECT_EQ(1, tabs.GetTabCount()) << "one of the two is not enough";
    EXPECT_TRUE(bar.AttachDialogs(NULL, &mask, TRUE));
    ASSERT_EQ(3, tabs.GetTabCount());
    const char* labels[] = {"Sollprofile/Parameters\xE4tze", "Benutzermaske", "Mess- und Prozesswerte"};
    CWnd* windows[] = {bar.GetParameterSetDlg(), &mask, &values};
    for (int n = 0; n < 3; n++)
    {
        LPCTSTR lpszLabel = NULL;
        BOOL bSelected = FALSE;
        CWnd* pWnd = NULL;
        DWORD dw1 = 0, dw2 = 0;
        ASSERT_TRUE(tabs.GetTabInfo(n, lpszLabel, bSelected, pWnd, dw1, dw2));
        EXPECT_STREQ(labels[n], lpszLabel);
        EXPECT_EQ(windows[n], pWnd);
        EXPECT_EQ(n == 1, bSelected != FALSE) << n;
    }
    // The same pair once more: the active tab stays although activation is not asked.
    tabs.ActivateTab(2);
    EXPECT_TRUE(bar.AttachDialogs(&values, &mask, FALSE));
    EXPECT_EQ(&values, tabs.GetActiveWnd());
    EXPECT_TRUE(bar.ShowUserMask());
    EXPECT_EQ(&mask, tabs.GetActiveWnd());
    EXPECT_TRUE(bar.FocusUserMask());
    EXPECT_EQ(mask.m_hWnd, ::GetFocus());

    EXPECT_TRUE(bar.DetachDialogs());
    EXPECT_EQ(1, tabs.GetTabCount());
    EXPECT_EQ(bar.GetParameterSetDlg(), tabs.GetActiveWnd());
    EXPECT_FALSE(values.IsWindowVisible());
    EXPECT_FALSE(mask.IsWindowVisible());
    EXPECT_FALSE(bar.ShowUserMask());
    values.DestroyWindow();
    mask.DestroyWindow();
    bar.DestroyWindow();
    pFrame->DestroyWindow();
}

// The station's T2 minimum (100) arrives after the table was built. A set made since keeps to it:
// 31 typed into its row shows as the 100 the set and the file hold once the row is left. With the
// limits applied to the columns the arrows stop at 100 and a typed 31 is refused with the range.
TEST_F(ProfileTable, ValueBelowTheStationsLimitShowsAsStored)
{
    ASSERT_TRUE(m_pConfig->SetT2Min(100));
    const ROWCOL nNew = 6, nT2 = 6;
    MakeCurrent(nNew, nT2);
    Type("31");
    PressKey(VK_UP);
    PumpMessages(50);
    ASSERT_EQ(6, m_pGrid->GetProfilRecord()->GetSetCount());
    EXPECT_EQ("100", FileFields(6).at(nT2 - 1));
    EXPECT_STREQ("100", m_pGrid->GetProfilRecord()->GetCellText(6, (int)nT2));
    EXPECT_STREQ("100", m_pGrid->GetComposedValueText(nNew, nT2));
    EXPECT_EQ(0, DiffersFromAFreshPaint(nNew)) << "the row still shows what was typed";

    m_pDlg->ApplyLimits();
    const std::string before = File();
    MakeCurrent(nNew, nT2);
    SpinDown(nNew, nT2, 2);
    CString text;
    m_pGrid->GetControl(nNew, nT2)->GetCurrentText(text);
    EXPECT_STREQ("100", text) << "the arrows stop at the station's minimum";
    MakeCurrent(nNew, nT2);
    {
        MessageBoxes boxes;
        boxes.Expect(IDOK, "Bitte geben Sie eine ganze Zahl zwischen 100 und 250 ein.");
        Type("31");
        PressKey(VK_UP);
        PumpMessages(200);
        EXPECT_EQ(0u, boxes.Pending());
    }
    m_pGrid->CancelRecord();
    PumpMessages(50);
    EXPECT_EQ(before, File());
    EXPECT_STREQ("100", m_pGrid->GetComposedValueText(nNew, nT2));
    EXPECT_EQ(0, DiffersFromAFreshPaint(nNew));
}

// The row for a new set shows the columns' start values before anything is typed, and the set
// made from it holds them: the cells, the set and the file agree.
TEST_F(ProfileTable, NewRowShowsTheStartValuesItStores)
{
    const ROWCOL nNew = 6;
    // clang-format off
    const struct
    {
        ROWCOL nCol;
        const char* start;
    } columns[] = {
        {3, "Einl\xF6ten"}, {4, "30"}, {5, "0"}, {6, "30"}, {7, "200"}, {8, "183"}, {9, "7"},
        {10, "IR-Sensor"}, {11, " \xB0" "C"}, {12, "6,0 x 10 mm"}, {13, "6,0 x 10 mm"},
        {14, "Links unten"}, {15, "30"},
    };
    // clang-format on
    for (const auto& c : columns)
        EXPECT_STREQ(c.start, m_pGrid->GetComposedValueText(nNew, c.nCol)) << "column " << c.nCol;
    MakeCurrent(nNew, 1);
    Type("neu");
    PressKey(VK_UP);
    PumpMessages(50);
    ASSERT_EQ(6, m_pGrid->GetProfilRecord()->GetSetCount());
    const std::vector<std::string> fields = FileFields(6);
    ASSERT_EQ(16u, fields.size());
    EXPECT_EQ("neu", fields[0]);
    for (const auto& c : columns)
    {
        SCOPED_TRACE(testing::Message() << "column " << c.nCol);
        EXPECT_EQ(c.start, fields[c.nCol - 1]);
        EXPECT_STREQ(c.start, m_pGrid->GetProfilRecord()->GetCellText(6, (int)c.nCol));
        EXPECT_STREQ(c.start, m_pGrid->GetComposedValueText(nNew, c.nCol));
    }
    EXPECT_EQ(0, DiffersFromAFreshPaint(nNew));
}

// The widest value of each spin column (three digits but for the energy's 10), typed into its
// cell, shows on one line: it fits the width the edit gives its text, in the font it shows it in.
TEST_F(ProfileTable, SpinValuesShowOnOneLine)
{
    for (ROWCOL nCol : {4, 5, 6, 7, 8, 9, 15})
    {
        SCOPED_TRACE(testing::Message() << "column " << nCol);
        const CString maximum = Composed(1, nCol).GetUserAttribute(GX_IDS_UA_SPINBOUND_MAX).GetValueText();
        ASSERT_GE(maximum.GetLength(), nCol == 9 ? 2 : 3);
        MakeCurrent(1, nCol);
        Type(maximum);
        PumpMessages(50);
        CGXEditControl* pEdit = dynamic_cast<CGXEditControl*>(m_pGrid->GetControl(1, nCol));
        ASSERT_TRUE(pEdit != NULL && pEdit->GetSafeHwnd() != NULL);
        ASSERT_TRUE(pEdit->IsWindowVisible());
        CString text;
        pEdit->GetWindowText(text);
        EXPECT_STREQ(maximum, text);
        CRect format;
        pEdit->SendMessage(EM_GETRECT, 0, (LPARAM)&format);
        CClientDC dc(pEdit);
        CFont* pOld = dc.SelectObject(pEdit->GetFont());
        EXPECT_LE(dc.GetTextExtent(text).cx, format.Width());
        dc.SelectObject(pOld);
        EXPECT_EQ(1, pEdit->GetLineCount());
        PressKey(VK_DOWN);
        PumpMessages(50);
        EXPECT_EQ(std::string(maximum), FileFields(1).at(nCol - 1));
    }
}
