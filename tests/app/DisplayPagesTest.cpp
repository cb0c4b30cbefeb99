// The display settings sheet's own pages in a sheet: the sampling interval with its range, the
// station options with the buzzer list (a stored mode the list lacks stays as it is), and the
// recording start; the sheet with its seven pages.
#include "AppIds.h"
#include "ProgramKey.h"
#include "TestSupport.h"
#include "app/AbtastratePage.h"
#include "app/DrawSettingsSheet.h"
#include "app/IRPropPage.h"
#include "app/RecordStartPage.h"
#include "station/config/ProjektConfig.h"
#include "station/record/ApplicationValues.h"
#include <commctrl.h>
#include <memory>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
class DisplayPages : public ProgramKeyTest
{
  protected:
    void SetUp() override
    {
        ProgramKeyTest::SetUp();
        CApplicationValues::Reset();
        m_pProjekt.reset(new CProjektConfig(FALSE));
        CApplicationValues::SetProjektConfig(m_pProjekt.get());
    }
    void TearDown() override
    {
        CApplicationValues::Reset();
        m_pProjekt.reset();
        ProgramKeyTest::TearDown();
    }
    // Shows the page in a modeless sheet.
    void Show(CPropertySheet& sheet, CPropertyPage& page)
    {
        sheet.AddPage(&page);
        ASSERT_TRUE(sheet.Create(NULL, WS_POPUP | WS_CAPTION | WS_SYSMENU));
        sheet.SetActivePage(&page);
        ASSERT_NE(nullptr, page.m_hWnd);
    }
    static std::string Selected(CComboBox& list)
    {
        const int n = list.GetCurSel();
        if (n == CB_ERR)
            return "<none>";
        CString text;
        list.GetLBText(n, text);
        return (LPCSTR)text;
    }

    MessageBoxes m_boxes;
    std::unique_ptr<CProjektConfig> m_pProjekt;
};
} // namespace

TEST_F(DisplayPages, SamplingIntervalOnlyFromOneToFiveSeconds)
{
    WriteRawDword(HKEY_LOCAL_MACHINE, "Settings", "ControlRate", 3);
    CAbtastratePage page;
    EXPECT_EQ(3, page.m_nInterval);
    CPropertySheet sheet("Darstellung");
    Show(sheet, page);
    EXPECT_EQ(3, (int)page.GetDlgItemInt(IDC_SAMPLING_INTERVAL));
    for (const char* refused : {"6", "0"})
    {
        SCOPED_TRACE(refused);
        page.SetDlgItemText(IDC_SAMPLING_INTERVAL, refused);
        m_boxes.Expect(IDOK, "zwischen 1 und 5");
        EXPECT_FALSE(page.OnApply());
        EXPECT_EQ(0u, m_boxes.Pending());
        EXPECT_EQ("3", ReadRaw(HKEY_LOCAL_MACHINE, "Settings", "ControlRate"));
    }
    page.SetDlgItemText(IDC_SAMPLING_INTERVAL, "5");
    EXPECT_TRUE(page.OnApply());
    EXPECT_EQ(5, page.m_nInterval);
    EXPECT_EQ("5", ReadRaw(HKEY_LOCAL_MACHINE, "Settings", "ControlRate"));
}

TEST_F(DisplayPages, StationOptionsWithTheBuzzerList)
{
    const struct
    {
        DWORD stored;
        const char* shown;
    } cases[] = {{255, "Buzzer eingeschaltet"},
                 {0, "Buzzer ausgeschaltet"},
                 {1, "Kurze Buzzer Signale"},
                 {7, "<none>"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.stored);
        WriteRawDword(HKEY_LOCAL_MACHINE, "IR Options", "BuzzerMode", c.stored);
        CIRPropPage page;
        CPropertySheet sheet("Darstellung");
        Show(sheet, page);
        ASSERT_EQ(3, page.m_buzzerList.GetCount());
        EXPECT_EQ(c.shown, Selected(page.m_buzzerList));
        // Nothing chosen: the stored mode stays.
        EXPECT_TRUE(page.OnApply());
        EXPECT_EQ(std::to_string(c.stored), ReadRaw(HKEY_LOCAL_MACHINE, "IR Options", "BuzzerMode"));
        sheet.DestroyWindow();
    }

    CIRPropPage page;
    EXPECT_EQ(7, page.m_nBuzzerMode);
    EXPECT_FALSE(page.m_bPipCal);
    CPropertySheet sheet("Darstellung");
    Show(sheet, page);
    page.m_buzzerList.SetCurSel(page.m_buzzerList.FindStringExact(-1, "Kurze Buzzer Signale"));
    page.CheckDlgButton(IDC_IR_PIPCAL, BST_CHECKED);
    EXPECT_TRUE(page.OnApply());
    EXPECT_EQ(1, page.m_nBuzzerMode);
    EXPECT_TRUE(page.m_bPipCal);
    EXPECT_FALSE(page.m_bSoftCal);
    EXPECT_EQ("1", ReadRaw(HKEY_LOCAL_MACHINE, "IR Options", "PipCal"));
    EXPECT_EQ("0", ReadRaw(HKEY_LOCAL_MACHINE, "IR Options", "SoftCal"));
    EXPECT_EQ("1", ReadRaw(HKEY_LOCAL_MACHINE, "IR Options", "BuzzerMode"));
}

TEST_F(DisplayPages, RecordingStartChoice)
{
    CRecordStartPage page;
    EXPECT_EQ(2, page.m_nAutoRecord);
    CPropertySheet sheet("Darstellung");
    Show(sheet, page);
    EXPECT_EQ((UINT)BST_CHECKED, page.IsDlgButtonChecked(IDC_RECORD_START_OFF));
    EXPECT_EQ((UINT)BST_UNCHECKED, page.IsDlgButtonChecked(IDC_RECORD_START_SWING));
    page.CheckDlgButton(IDC_RECORD_START_OFF, BST_UNCHECKED);
    page.CheckDlgButton(IDC_RECORD_START_TINIT, BST_CHECKED);
    EXPECT_TRUE(page.OnApply());
    EXPECT_EQ(1, page.m_nAutoRecord);
    EXPECT_EQ("1", ReadRaw(HKEY_LOCAL_MACHINE, "Settings", "AutoRecord"));
}

TEST_F(DisplayPages, SheetShowsItsPagesInOrderFromTheStartPage)
{
    for (int nStart : {(int)CDrawSettingsSheet::LayoutPage, (int)CDrawSettingsSheet::SamplingPage})
    {
        SCOPED_TRACE(nStart);
        CDrawSettingsSheet sheet("Darstellungs Eigenschaften", NULL, nStart);
        ASSERT_EQ((int)CDrawSettingsSheet::PageCount, sheet.GetPageCount());
        ASSERT_TRUE(sheet.Create(NULL, WS_POPUP | WS_CAPTION | WS_SYSMENU));
        EXPECT_EQ(nStart, sheet.GetActiveIndex());
        CWnd* pApply = sheet.GetDlgItem(ID_APPLY_NOW);
        ASSERT_NE(nullptr, pApply);
        EXPECT_TRUE(pApply->GetStyle() & WS_VISIBLE);
        HWND hTab = sheet.GetTabControl()->m_hWnd;
        std::vector<std::string> captions;
        for (int i = 0; i < (int)::SendMessageA(hTab, TCM_GETITEMCOUNT, 0, 0); i++)
        {
            char text[64] = {};
            TCITEMA item = {};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            ::SendMessageA(hTab, TCM_GETITEMA, i, (LPARAM)&item);
            captions.push_back(text);
        }
        EXPECT_EQ((std::vector<std::string>{"Layout", "Kurven", "Abtastrate", "Prozessbalken",
                                            "Referenzlinien", "QM240D", "Aufnahmestart"}),
                  captions);
        EXPECT_FALSE(sheet.IsCurvesOrBarsChanged());
        sheet.DestroyWindow();
    }
}
