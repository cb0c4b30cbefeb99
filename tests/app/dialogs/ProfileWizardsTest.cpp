// The profile wizards on their own, driven by real clicks: what each page shows, the choices of
// the upload pages, Tinit held to its limits, and Finish without a recording view, which changes
// nothing and closes.
#include "AppIds.h"
#include "Input.h"
#include "ScreenInput.h"
#include "TestSupport.h"
#include "app/DownloadWizzard.h"
#include "app/Label.h"
#include "app/UploadWizzard.h"
#include "station/record/IRProfilSet.h"
#include "station/record/NewWizDialog.h"
#include <commctrl.h>

using namespace testing_support;
using namespace dialogs_test;

namespace
{
CString Text(CWnd* pDialog, UINT nID)
{
    CString text;
    pDialog->GetDlgItem(nID)->GetWindowText(text);
    return text;
}

CLabel* Label(CWnd* pPage, UINT nID)
{
    return DYNAMIC_DOWNCAST(CLabel, CWnd::FromHandlePermanent(pPage->GetDlgItem(nID)->m_hWnd));
}

// Face, weight, height and colour of a label, as one text to compare.
std::string Look(CWnd* pPage, UINT nID)
{
    CLabel* pLabel = Label(pPage, nID);
    if (pLabel == NULL)
        return "no label";
    const LOGFONT& lf = pLabel->GetLogFont();
    char buf[128];
    sprintf(buf, "%s %s %ld #%06lX", lf.lfFaceName, lf.lfWeight == FW_BOLD ? "bold" : "normal",
            long(lf.lfHeight), (unsigned long)pLabel->GetTextColor());
    return buf;
}

BOOL HeadingIsBold(CWnd* pPage)
{
    LOGFONT lf;
    CFont* pFont = pPage->GetDlgItem(IDC_WIZ_HEADING)->GetFont();
    return pFont != NULL && pFont->GetLogFont(&lf) && lf.lfWeight == FW_BOLD;
}

BOOL Shows(CNewWizPage& page)
{
    return page.m_hWnd != NULL && page.IsWindowVisible();
}

// Index and item data of the combo's selection, "none" without one.
std::string Selection(CWnd* pPage, UINT nID)
{
    CComboBox* pCombo = (CComboBox*)pPage->GetDlgItem(nID);
    int nSel = pCombo->GetCurSel();
    if (nSel == CB_ERR)
        return "none";
    CString text;
    pCombo->GetLBText(nSel, text);
    return std::string(text) + " (" + std::to_string(pCombo->GetItemData(nSel)) + ")";
}

// The user picks an entry: the combo's selection moves and its owner hears of it.
void Choose(CWnd* pPage, UINT nID, int nItem)
{
    CWnd* pCombo = pPage->GetDlgItem(nID);
    pCombo->SendMessage(CB_SETCURSEL, nItem);
    pPage->SendMessage(WM_COMMAND, MAKEWPARAM(nID, CBN_SELCHANGE), (LPARAM)pCombo->m_hWnd);
}

// The fields the download wizard's later pages show.
void SetApertureAndTinit(CIRProfilSet& set)
{
    set.SetFieldText(12, "3,0 x 10 mm");
    set.SetFieldText(13, "4,0 x 10 mm");
    set.SetFieldText(14, "Rechts oben");
    set.SetFieldText(15, "100");
}

bool IsStatic(CWnd* pControl)
{
    char szClass[16] = "";
    ::GetClassNameA(pControl->m_hWnd, szClass, sizeof szClass);
    return _stricmp(szClass, "Static") == 0;
}

// What the operator sees of a page in the wizard's window: every field lies on top at its
// corners and draws there, and the heading's text is drawn across its width.
void ExpectSeenInTheWizard(CNewWizDialog* pWizard, CNewWizPage& page)
{
    ASSERT_TRUE(Shows(page));
    pWizard->RedrawWindow(NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ClientPicture shown(pWizard->m_hWnd);
    // Pages keep the standard dialog colours.
    const COLORREF ground = ::GetSysColor(COLOR_BTNFACE);
    int nFields = 0;
    for (CWnd* pField = page.GetWindow(GW_CHILD); pField != NULL; pField = pField->GetWindow(GW_HWNDNEXT))
    {
        if (!pField->IsWindowVisible())
            continue;
        CString text;
        pField->GetWindowText(text);
        SCOPED_TRACE(testing::Message() << "control " << pField->GetDlgCtrlID() << " \"" << text << "\"");
        CRect rect;
        pField->GetWindowRect(&rect);
        pWizard->ScreenToClient(&rect);
        for (CPoint pt : {rect.TopLeft(), CPoint(rect.right - 1, rect.bottom - 1), rect.CenterPoint()})
            EXPECT_EQ(page.m_hWnd, ::ChildWindowFromPointEx(pWizard->m_hWnd, pt, CWP_SKIPINVISIBLE))
                << "covered at " << pt.x << "," << pt.y;
        // An empty text field has nothing to draw.
        const bool bPicture = (pField->GetStyle() & SS_TYPEMASK) == SS_BITMAP;
        if (IsStatic(pField) && text.IsEmpty() && !bPicture)
            continue;
        nFields++;
        EXPECT_GT(shown.CountOther(rect, ground), 0) << "nothing drawn";
    }
    EXPECT_GE(nFields, 4) << "the picture, the heading, a text and a field at least";

    CWnd* pHeading = page.GetDlgItem(IDC_WIZ_HEADING);
    ASSERT_NE(nullptr, pHeading);
    CString heading;
    pHeading->GetWindowText(heading);
    CRect rect;
    pHeading->GetWindowRect(&rect);
    pWizard->ScreenToClient(&rect);
    CClientDC dc(pHeading);
    CFont* pOld = dc.SelectObject(pHeading->GetFont());
    CRect extent(0, 0, rect.Width(), 0);
    dc.DrawText(heading, &extent, DT_CALCRECT | DT_WORDBREAK);
    dc.SelectObject(pOld);
    // Gaps between letters and words aside, the text's columns carry ink.
    EXPECT_GE(shown.ColumnsOther(rect, ground), extent.Width() / 2) << "heading \"" << heading << "\"";
}

class ProfileWizards : public ::testing::Test
{
  protected:
    void TearDown() override
    {
        // A wizard a failed test left open goes with its window.
        if (CDownloadWizzard* p = CDownloadWizzard::GetOpenWizard())
            p->DestroyWindow();
        if (CUploadWizzard* p = CUploadWizzard::GetOpenWizard())
            p->DestroyWindow();
    }
    MessageBoxes m_boxes;
};
} // namespace

TEST_F(ProfileWizards, DownloadShowsTheSetPageByPageAndKeepsItsOwnCopy)
{
    CIRProfilSet set(2);
    SetApertureAndTinit(set);

    CDownloadWizzard* pWizard = CDownloadWizzard::GetDownloadWizard();
    ASSERT_NE(nullptr, pWizard);
    EXPECT_EQ(pWizard, CDownloadWizzard::GetDownloadWizard()) << "one wizard at a time";
    pWizard->SetTitle(IDS_DOWNLOAD_WIZARD_TITLE);
    pWizard->SetDownload(NULL, set);
    pWizard->m_welcomePage.m_strProgram = "Programm: 4";
    pWizard->RestartAtFirstPage();
    pWizard->SetForegroundWindow();
    FrameworkPump(50);

    CString caption;
    pWizard->GetWindowText(caption);
    EXPECT_EQ("Download Assistent", caption);
    // The table changing meanwhile does not reach the wizard's set.
    set.SetFieldText(12, "2,0 x 10 mm");
    EXPECT_EQ("3,0 x 10 mm", pWizard->GetProfileSet()->GetFieldText(12));

    struct PageShown
    {
        const char* what;
        CNewWizPage* pPage;
        UINT nLabel;
        const char* text; // NULL: the label's text is not checked
        const char* look;
    };
    const PageShown pages[] = {
        {"welcome: the program", &pWizard->m_welcomePage, IDC_WIZ_PROGRAM, "Programm: 4",
         "MS Sans Serif bold -18 #0000FF"},
        {"welcome: the warning", &pWizard->m_welcomePage, IDC_WIZ_WARNING, NULL, "MS Sans Serif normal"},
        {"welcome: the example", &pWizard->m_welcomePage, IDC_WIZ_EXAMPLE, "(z.B. Pr 4)",
         "MS Sans Serif bold -14 #0000FF"},
        {"operator", &pWizard->m_operatorPage, 0, NULL, NULL},
        {"aperture X", &pWizard->m_aperturePage, IDC_WIZ_APERTURE_X_TEXT, "3,0 x 10 mm",
         "MS Sans Serif bold -18 #0000FF"},
        {"aperture Y", &pWizard->m_aperturePage, IDC_WIZ_APERTURE_Y_TEXT, "4,0 x 10 mm",
         "MS Sans Serif bold -18 #0000FF"},
        {"pin 1", &pWizard->m_pin1Page, IDC_WIZ_PIN1_TEXT, "Rechts oben", "MS Sans Serif bold -18 #0000FF"},
        {"pin 1: the hint", &pWizard->m_pin1Page, IDC_WIZ_WARNING, NULL, "MS Sans Serif normal -15 #0000FF"},
        {"Tinit", &pWizard->m_tinitPage, IDC_WIZ_TINIT_TEXT, "100\260C", "MS Sans Serif bold -18 #0000FF"},
    };
    CNewWizPage* pLast = &pWizard->m_welcomePage;
    for (const PageShown& p : pages)
    {
        SCOPED_TRACE(p.what);
        if (p.pPage != pLast)
        {
            ClickControl(pWizard, ID_WIZ_NEXT);
            pLast = p.pPage;
        }
        ASSERT_TRUE(Shows(*p.pPage));
        EXPECT_TRUE(HeadingIsBold(p.pPage));
        if (p.nLabel == 0)
            continue;
        if (p.text != NULL)
        {
            EXPECT_EQ(p.text, Text(p.pPage, p.nLabel));
        }
        // Red is 0x0000FF as a COLORREF.
        EXPECT_EQ(0u, Look(p.pPage, p.nLabel).find(p.look)) << Look(p.pPage, p.nLabel);
    }
    // No start option was given: none is checked, and Finish is the way on.
    for (UINT nID : {IDC_WIZ_START_SWING, IDC_WIZ_START_TINIT, IDC_WIZ_START_NONE})
        EXPECT_EQ(BST_UNCHECKED, pWizard->m_tinitPage.IsDlgButtonChecked(nID));
    EXPECT_TRUE(pWizard->GetDlgItem(ID_WIZ_FINISH)->IsWindowEnabled());
    EXPECT_FALSE(pWizard->GetDlgItem(ID_WIZ_NEXT)->IsWindowEnabled());

    // Opened again from the table: the same wizard, back at the welcome page.
    CDownloadWizzard* pAgain = CDownloadWizzard::GetDownloadWizard();
    EXPECT_EQ(pWizard, pAgain);
    pAgain->SetDownload(NULL, set);
    pAgain->RestartAtFirstPage();
    FrameworkPump(30);
    EXPECT_TRUE(Shows(pWizard->m_welcomePage));
    EXPECT_FALSE(pWizard->GetDlgItem(ID_WIZ_BACK)->IsWindowEnabled());

    // Without the recording view that started it Finish has nothing to download and closes.
    for (int i = 0; i < 4; i++)
        ClickControl(pWizard, ID_WIZ_NEXT);
    ClickControl(pWizard, ID_WIZ_FINISH);
    EXPECT_EQ(nullptr, CDownloadWizzard::GetOpenWizard());
    EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(ProfileWizards, UploadChoicesFollowTheTextsAndTheUserAndTinitKeepsItsLimits)
{
    CUploadWizzard* pWizard = CUploadWizzard::GetUploadWizard();
    ASSERT_NE(nullptr, pWizard);
    EXPECT_EQ(pWizard, CUploadWizzard::GetUploadWizard());
    pWizard->SetTitle(IDS_UPLOAD_WIZARD_TITLE);
    pWizard->SetUpload(NULL);
    pWizard->m_valuesPage.m_strT1 = "T1: 200 \260C";
    pWizard->m_valuesPage.m_strProgram = "Programm: 3";
    pWizard->m_boardPage.m_strBoard = "Platine 7";
    pWizard->m_boardPage.m_strComponent = "BGA 256";
    pWizard->m_boardPage.m_strProfileType = "Ausl\xF6ten";
    pWizard->m_aperturePage.m_strApertureX = "5,0 x 10 mm";
    pWizard->m_aperturePage.m_strApertureY = "7,0 x 10 mm"; // not a choice
    pWizard->m_pin1Page.m_strPin1 = "Links oben";
    pWizard->m_pin1Page.m_nTinit = 121;
    pWizard->m_boardPage.m_bRefresh = pWizard->m_aperturePage.m_bRefresh = pWizard->m_pin1Page.m_bRefresh =
        TRUE;
    pWizard->RestartAtFirstPage();
    pWizard->SetForegroundWindow();
    FrameworkPump(50);

    CUploadWizPage1& values = pWizard->m_valuesPage;
    ASSERT_TRUE(Shows(values));
    EXPECT_EQ("T1: 200 \260C", Text(&values, IDC_WIZ_T1));
    EXPECT_EQ("MS Sans Serif bold -12 #0000FF", Look(&values, IDC_WIZ_T1));
    EXPECT_EQ("MS Sans Serif bold -12 #FF0000", Look(&values, IDC_WIZ_PROGRAM)); // blue

    ClickControl(pWizard, ID_WIZ_NEXT);
    CUploadWizPage2& board = pWizard->m_boardPage;
    ASSERT_TRUE(Shows(board));
    EXPECT_EQ("Platine 7", Text(&board, IDC_WIZ_BOARD));
    EXPECT_EQ("BGA 256", Text(&board, IDC_WIZ_COMPONENT));
    EXPECT_EQ(2, ((CComboBox*)board.GetDlgItem(IDC_WIZ_PROFILE_TYPE))->GetCount());
    EXPECT_EQ("Ausl\xF6ten (348)", Selection(&board, IDC_WIZ_PROFILE_TYPE));
    Choose(&board, IDC_WIZ_PROFILE_TYPE, 0);
    EXPECT_EQ("Einl\xF6ten", board.m_strProfileType);

    ClickControl(pWizard, ID_WIZ_NEXT);
    CUploadWizPage3& apertures = pWizard->m_aperturePage;
    ASSERT_TRUE(Shows(apertures));
    EXPECT_EQ(9, ((CComboBox*)apertures.GetDlgItem(IDC_WIZ_APERTURE_X))->GetCount());
    EXPECT_EQ("5,0 x 10 mm (369)", Selection(&apertures, IDC_WIZ_APERTURE_X));
    EXPECT_EQ("none", Selection(&apertures, IDC_WIZ_APERTURE_Y));

    // Back and on again: the user's choice stays, the caller's values came only once.
    ClickControl(pWizard, ID_WIZ_BACK);
    EXPECT_EQ("Einl\xF6ten (347)", Selection(&board, IDC_WIZ_PROFILE_TYPE));
    ClickControl(pWizard, ID_WIZ_NEXT);
    ClickControl(pWizard, ID_WIZ_NEXT);
    CUploadWizPage4& pin1 = pWizard->m_pin1Page;
    ASSERT_TRUE(Shows(pin1));
    EXPECT_EQ("Links oben (357)", Selection(&pin1, IDC_WIZ_PIN1));
    EXPECT_EQ("121", Text(&pin1, IDC_WIZ_TINIT));
    int nMin = 0, nMax = 0;
    pin1.SendDlgItemMessage(IDC_WIZ_TINIT_SPIN, UDM_GETRANGE32, (WPARAM)&nMin, (LPARAM)&nMax);
    EXPECT_EQ(30, nMin);
    EXPECT_EQ(120, nMax);

    // A Tinit above its limit keeps the wizard on its last page.
    m_boxes.Expect(IDOK, "zwischen 30 und 120");
    ClickControl(pWizard, ID_WIZ_FINISH);
    FrameworkPump(50);
    EXPECT_EQ(0u, m_boxes.Pending());
    ASSERT_EQ(pWizard, CUploadWizzard::GetOpenWizard());
    EXPECT_TRUE(Shows(pin1));

    pin1.SetDlgItemText(IDC_WIZ_TINIT, "100");
    ClickControl(pWizard, ID_WIZ_FINISH);
    EXPECT_EQ(nullptr, CUploadWizzard::GetOpenWizard());
}

// Every page of both wizards as the operator sees it in the wizard's window, not only shown.
TEST_F(ProfileWizards, EveryPageShowsItsHeadingAndFieldsInTheWizardsWindow)
{
    CIRProfilSet set(2);
    SetApertureAndTinit(set);
    CDownloadWizzard* pDownload = CDownloadWizzard::GetDownloadWizard();
    ASSERT_NE(nullptr, pDownload);
    pDownload->SetTitle(IDS_DOWNLOAD_WIZARD_TITLE);
    pDownload->SetDownload(NULL, set);
    pDownload->m_welcomePage.m_strProgram = "Programm: 4";
    pDownload->RestartAtFirstPage();
    pDownload->SetForegroundWindow();
    FrameworkPump(50);
    for (CNewWizPage* pPage : std::initializer_list<CNewWizPage*>{
             &pDownload->m_welcomePage, &pDownload->m_operatorPage, &pDownload->m_aperturePage,
             &pDownload->m_pin1Page, &pDownload->m_tinitPage})
    {
        SCOPED_TRACE(testing::Message() << "download page " << pPage->GetDialogID());
        if (pPage != &pDownload->m_welcomePage)
            ClickControl(pDownload, ID_WIZ_NEXT);
        ExpectSeenInTheWizard(pDownload, *pPage);
    }
    pDownload->DestroyWindow();

    CUploadWizzard* pUpload = CUploadWizzard::GetUploadWizard();
    ASSERT_NE(nullptr, pUpload);
    pUpload->SetTitle(IDS_UPLOAD_WIZARD_TITLE);
    pUpload->SetUpload(NULL);
    CUploadWizPage1& values = pUpload->m_valuesPage;
    for (CString* pText : {&values.m_strT1, &values.m_strT2, &values.m_strT3, &values.m_strTL,
                           &values.m_strEnergy, &values.m_strTime, &values.m_strSensor})
        *pText = "T: 200 \260C";
    values.m_strProgram = "Programm: 3";
    pUpload->m_boardPage.m_strBoard = "Platine 7";
    pUpload->m_boardPage.m_strProfileType = "Ausl\xF6ten";
    pUpload->m_pin1Page.m_nTinit = 90;
    pUpload->m_boardPage.m_bRefresh = pUpload->m_aperturePage.m_bRefresh = pUpload->m_pin1Page.m_bRefresh =
        TRUE;
    pUpload->RestartAtFirstPage();
    pUpload->SetForegroundWindow();
    FrameworkPump(50);
    for (CNewWizPage* pPage : std::initializer_list<CNewWizPage*>{
             &values, &pUpload->m_boardPage, &pUpload->m_aperturePage, &pUpload->m_pin1Page})
    {
        SCOPED_TRACE(testing::Message() << "upload page " << pPage->GetDialogID());
        if (pPage != &values)
            ClickControl(pUpload, ID_WIZ_NEXT);
        ExpectSeenInTheWizard(pUpload, *pPage);
    }
}
