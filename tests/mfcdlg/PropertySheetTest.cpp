// Property sheets on the system's control: a three-page wizard whose buttons follow
// SetWizardButtons and whose pages can refuse to be left, and a normal sheet whose Apply reaches
// every modified page.
#include "DlgTestApp.h"
#include "PropertySheet.h"
#include "TestSupport.h"

using namespace testing_support;

namespace
{
class CWizPage : public CPropertyPage
{
  public:
    CWizPage(UINT nIDTemplate, int nIndex) : CPropertyPage(nIDTemplate), m_nIndex(nIndex)
    {
    }
    BOOL OnSetActive() override
    {
        static const DWORD buttons[] = {PSWIZB_NEXT, PSWIZB_BACK | PSWIZB_NEXT, PSWIZB_BACK | PSWIZB_FINISH};
        ((CPropertySheet*)GetParent())->SetWizardButtons(buttons[m_nIndex]);
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override
    {
        m_nKillActive++;
        return !m_bRefuseToLeave && CPropertyPage::OnKillActive();
    }
    BOOL OnWizardFinish() override
    {
        m_bFinished = TRUE;
        return TRUE;
    }
    BOOL OnApply() override
    {
        m_nApplied++;
        return CPropertyPage::OnApply();
    }

    int m_nIndex;
    BOOL m_bRefuseToLeave = FALSE;
    BOOL m_bFinished = FALSE;
    int m_nKillActive = 0;
    int m_nApplied = 0;
};

// Which wizard buttons can be pressed: a button counts when it is shown and enabled.
struct WizardState
{
    int page;
    bool back;
    bool next;
    bool finish;
};

bool Usable(CWnd* pSheet, int nID)
{
    HWND hButton = ::GetDlgItem(pSheet->m_hWnd, nID);
    return hButton != NULL && ::IsWindowVisible(hButton) && ::IsWindowEnabled(hButton);
}

WizardState StateOf(CPropertySheet* pSheet)
{
    return {pSheet->GetActiveIndex(), Usable(pSheet, ID_WIZBACK), Usable(pSheet, ID_WIZNEXT),
            Usable(pSheet, ID_WIZFINISH)};
}

void ExpectState(const WizardState& expected, const WizardState& seen, int nStep)
{
    SCOPED_TRACE(nStep);
    EXPECT_EQ(expected.page, seen.page);
    EXPECT_EQ(expected.back, seen.back);
    EXPECT_EQ(expected.next, seen.next);
    EXPECT_EQ(expected.finish, seen.finish);
}

class PropertySheets : public ::testing::Test
{
  protected:
    MessageBoxes m_boxes;
};

TEST_F(PropertySheets, WizardButtonsFollowThePagesAndARefusingPageKeepsTheWizard)
{
    CPropertySheet sheet(_T("Assistent"));
    CWizPage page1(IDD_PAGE1, 0), page2(IDD_PAGE2, 1), page3(IDD_PAGE3, 2);
    sheet.AddPage(&page1);
    sheet.AddPage(&page2);
    sheet.AddPage(&page3);
    sheet.SetWizardMode();
    std::vector<WizardState> seen;
    CModalScript script({
        [&] {
            seen.push_back(StateOf(&sheet));
            sheet.PressButton(PSBTN_NEXT);
        },
        [&] {
            seen.push_back(StateOf(&sheet));
            page2.m_bRefuseToLeave = TRUE;
            sheet.PressButton(PSBTN_NEXT);
        },
        [&] {
            seen.push_back(StateOf(&sheet));
            page2.m_bRefuseToLeave = FALSE;
            sheet.PressButton(PSBTN_NEXT);
        },
        [&] {
            seen.push_back(StateOf(&sheet));
            sheet.PressButton(PSBTN_BACK);
        },
        [&] {
            seen.push_back(StateOf(&sheet));
            sheet.PressButton(PSBTN_NEXT);
        },
        [&] { sheet.PressButton(PSBTN_FINISH); },
    });
    INT_PTR nResult = sheet.DoModal();
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(ID_WIZFINISH, nResult);
    const WizardState expected[] = {
        // clang-format off
        {0, false, true, false},
        {1, true, true, false},
        {1, true, true, false}, // refused: still on the second page
        {2, true, false, true},
        {1, true, true, false},
        // clang-format on
    };
    ASSERT_EQ(std::size(expected), seen.size());
    for (size_t i = 0; i < seen.size(); i++)
        ExpectState(expected[i], seen[i], (int)i);
    EXPECT_TRUE(page3.m_bFinished);
    EXPECT_GE(page2.m_nKillActive, 2);
    EXPECT_EQ(NULL, sheet.m_hWnd);
    EXPECT_TRUE(AfxGetMainWnd()->IsWindowEnabled());
}

TEST_F(PropertySheets, ApplyReachesEveryModifiedPageAndOkEndsTheSheet)
{
    CPropertySheet sheet(_T("Einstellungen"));
    CWizPage page1(IDD_PAGE1, 0), page2(IDD_PAGE2, 1), page3(IDD_PAGE3, 2);
    sheet.AddPage(&page1);
    sheet.AddPage(&page2);
    sheet.AddPage(&page3);
    bool applyEnabledAfterChange = false, applyEnabledAfterApply = true;
    CModalScript script({
        [&] {
            EXPECT_EQ(&page1, sheet.GetActivePage());
            page1.SetModified();
            sheet.SetActivePage(1);
        },
        [&] {
            EXPECT_EQ(&page2, sheet.GetActivePage());
            page2.SetModified();
            applyEnabledAfterChange = Usable(&sheet, ID_APPLY_NOW);
            sheet.PressButton(PSBTN_APPLYNOW);
        },
        [&] {
            applyEnabledAfterApply = Usable(&sheet, ID_APPLY_NOW);
            EXPECT_EQ(1, page1.m_nApplied);
            EXPECT_EQ(1, page2.m_nApplied);
            EXPECT_FALSE(page1.IsModified());
            sheet.PressButton(PSBTN_OK);
        },
    });
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_TRUE(script.Done());
    EXPECT_TRUE(applyEnabledAfterChange);
    EXPECT_FALSE(applyEnabledAfterApply);
    EXPECT_EQ(0, page3.m_nApplied); // never shown, never created
}

TEST_F(PropertySheets, ModelessSheetCancelsWithoutApplying)
{
    CPropertySheet sheet(_T("Ohne Modus"));
    CWizPage page1(IDD_PAGE1, 0);
    sheet.AddPage(&page1);
    ASSERT_TRUE(sheet.Create(AfxGetMainWnd()));
    PumpWithTranslate(50);
    EXPECT_TRUE(::IsWindow(page1.m_hWnd));
    EXPECT_EQ(&page1, sheet.GetActivePage());
    sheet.PressButton(PSBTN_CANCEL);
    PumpWithTranslate(50);
    EXPECT_EQ(NULL, sheet.GetActivePage());
    EXPECT_EQ(0, page1.m_nApplied);
    sheet.DestroyWindow();
}
} // namespace
