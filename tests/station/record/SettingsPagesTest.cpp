// The drawing settings pages in a sheet: the layout page refuses values out of range and writes
// the drawing configuration; the object pages write "Color", "Pen" and "Visible" under each
// object's key (nothing for an empty key); the top heater's controls only for experts.
#include "RecordTestView.h"
#include "TestSupport.h"
#include "tests/station/config/ProgramKey.h"
#include "station/record/ApplicationValues.h"
#include "station/record/DrawConfig.h"
#include "station/record/DrawLayoutPage.h"
#include "station/record/MeasureCurvePage.h"
#include "station/record/ProcessStatePropPage.h"
#include "station/record/ReferenceLinePage.h"
#include "station/config/ProjektConfig.h"
#include "afxdlgs.h"
#include <memory>

using namespace testing_support;

namespace
{
class SettingsPages : public ProgramKeyTest
{
  protected:
    void SetUp() override
    {
        ProgramKeyTest::SetUp();
        CApplicationValues::Reset();
        m_pDraw.reset(new CDrawConfig(FALSE));
        m_pProjekt.reset(new CProjektConfig(FALSE));
        CApplicationValues::SetDrawConfig(m_pDraw.get());
        CApplicationValues::SetProjektConfig(m_pProjekt.get());
    }
    void TearDown() override
    {
        CApplicationValues::Reset();
        m_pDraw.reset();
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

    MessageBoxes m_boxes;
    std::unique_ptr<CDrawConfig> m_pDraw;
    std::unique_ptr<CProjektConfig> m_pProjekt;
};
} // namespace

TEST_F(SettingsPages, LayoutPageRefusesValuesOutOfRangeAndWritesTheConfiguration)
{
    CDrawLayoutPage page;
    EXPECT_EQ(300, page.m_nTimeBase);
    EXPECT_EQ((COLORREF)0xD20000, page.m_gridColor);
    CPropertySheet sheet("Darstellung");
    Show(sheet, page);
    struct Case
    {
        int nID;
        const char* text;
    };
    for (const Case& c : {Case{1022, "3601"}, Case{1030, "0"}})
    {
        SCOPED_TRACE(c.text);
        page.SetDlgItemText(c.nID, c.text);
        m_boxes.Expect(IDOK);
        EXPECT_FALSE(page.OnApply());
        EXPECT_EQ(0u, m_boxes.Pending());
        EXPECT_EQ("<missing>", ReadRaw(HKEY_LOCAL_MACHINE, "Drawing", "Pen"));
        page.SetDlgItemText(1022, "300");
        page.SetDlgItemText(1030, "1");
    }
    page.SetDlgItemText(1030, "3");
    page.CheckDlgButton(1029, BST_UNCHECKED);
    EXPECT_TRUE(page.OnApply());
    EXPECT_EQ("3", ReadRaw(HKEY_LOCAL_MACHINE, "Drawing", "Pen"));
    EXPECT_EQ("0", ReadRaw(HKEY_LOCAL_MACHINE, "Drawing", "Grid"));
    EXPECT_EQ(std::to_string(0xD20000), ReadRaw(HKEY_LOCAL_MACHINE, "Drawing", "GridColor"));
    EXPECT_EQ(std::to_string(0xFFFFFF), ReadRaw(HKEY_LOCAL_MACHINE, "Drawing", "BackColor"));
    sheet.DestroyWindow();
}

TEST_F(SettingsPages, ObjectPagesWriteUnderTheirKeysOnly)
{
    CMeasureCurvePage curves;
    curves.Settings(0) = {TRUE, 3, RGB(1, 2, 3), "Drawing\\TE-Solder"};
    curves.Settings(1) = {FALSE, 2, RGB(4, 5, 6), ""};
    curves.Settings(2) = {TRUE, 4, RGB(7, 8, 9), "Drawing\\TE-TopHeater"};
    CReferenceLinePage lines;
    lines.Settings(1) = {TRUE, 4, RGB(10, 11, 12), "Drawing\\Parameter T2"};
    CProcessStatePropPage bars;
    bars.Settings(5) = {FALSE, 1, RGB(13, 14, 15), "Drawing\\ProcessUstr"};
    CPropertySheet sheet("Darstellung");
    sheet.AddPage(&lines);
    sheet.AddPage(&bars);
    Show(sheet, curves); // the active one is lines, the first; each page is made when shown
    sheet.SetActivePage(&lines);
    sheet.SetActivePage(&bars);
    sheet.SetActivePage(&curves);
    ASSERT_NE(nullptr, lines.m_hWnd);
    ASSERT_NE(nullptr, bars.m_hWnd);

    // Outside expert mode the top heater's controls are hidden and it is written invisible.
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(curves.m_hWnd, 1036)));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(curves.m_hWnd, 1064)));
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(curves.m_hWnd, 1037)));

    for (CObjectSettingsPage* pPage :
         {(CObjectSettingsPage*)&curves, (CObjectSettingsPage*)&lines, (CObjectSettingsPage*)&bars})
        EXPECT_TRUE(pPage->OnApply());
    EXPECT_EQ(std::to_string(RGB(1, 2, 3)), ReadRaw(HKEY_LOCAL_MACHINE, "Drawing\\TE-Solder", "Color"));
    EXPECT_EQ("3", ReadRaw(HKEY_LOCAL_MACHINE, "Drawing\\TE-Solder", "Pen"));
    EXPECT_EQ("1", ReadRaw(HKEY_LOCAL_MACHINE, "Drawing\\TE-Solder", "Visible"));
    EXPECT_EQ("0", ReadRaw(HKEY_LOCAL_MACHINE, "Drawing\\TE-TopHeater", "Visible"));
    EXPECT_EQ("4", ReadRaw(HKEY_LOCAL_MACHINE, "Drawing\\TE-TopHeater", "Pen"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, Path("Drawing\\IRS-Solder")));
    EXPECT_EQ(std::to_string(RGB(10, 11, 12)), ReadRaw(HKEY_LOCAL_MACHINE, "Drawing\\Parameter T2", "Color"));
    EXPECT_EQ("4", ReadRaw(HKEY_LOCAL_MACHINE, "Drawing\\Parameter T2", "Pen"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, Path("Drawing\\Parameter T1")));
    EXPECT_EQ(std::to_string(RGB(13, 14, 15)), ReadRaw(HKEY_LOCAL_MACHINE, "Drawing\\ProcessUstr", "Color"));
    EXPECT_EQ("0", ReadRaw(HKEY_LOCAL_MACHINE, "Drawing\\ProcessUstr", "Visible"));
    EXPECT_EQ("<missing>", ReadRaw(HKEY_LOCAL_MACHINE, "Drawing\\ProcessUstr", "Pen")); // bars have no weight
    EXPECT_TRUE(curves.IsChanged());

    // A weight of 5 is refused.
    curves.SetDlgItemText(1040, "5");
    m_boxes.Expect(IDOK);
    EXPECT_FALSE(curves.OnApply());
    sheet.DestroyWindow();
}
