// The toolbar customisation sheet, run modeless beside a managed frame and driven with real
// input: the toolbars page (show and hide, new, rename, reset, delete, options, OK and Cancel),
// the commands page (categories, descriptions, palette buttons dragged onto and off toolbars)
// and the menu-button group; the name dialog is answered from a timer.
#include "ManagedFrame.h"
#include "TestSupport.h"
#include "BarsIds.h"
#include "mfc/MiniDockFrameWnd.h"
#include "uilib/bars/BtnGroup.h"
#include "uilib/bars/CustomizeToolBar.h"
#include "uilib/bars/MenuBtnGroup.h"
#include "uilib/bars/MenuListBox.h"
#include "uilib/bars/TBMenuBtn.h"
#include "uilib/bars/ToolBarCmdPage.h"
#include "uilib/bars/ToolBarSheet.h"
#include "uilib/bars/ToolBarsPage.h"
#include "uilib/frames/mdi/MDIFrameWnd.h"
#include <string>

using namespace testing_support;

namespace
{
const UINT RED = ID_TB_RED, GREEN = ID_TB_GREEN, BLUE = ID_TB_BLUE, CHECK = ID_TB_CHECK, DROP = ID_TB_DROP,
           CYAN = ID_TB_CYAN, ORANGE = ID_TB_ORANGE;
const UINT kGroupOne[] = {RED, GREEN, BLUE};
const UINT kGroupTwo[] = {CYAN, ORANGE};

POINT Centre(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    return rect.CenterPoint();
}

// A point on a frame's caption bar, left of its buttons.
POINT CaptionPoint(CWnd* pFrame)
{
    CRect rect;
    pFrame->GetWindowRect(&rect);
    return POINT{rect.left + 60,
                 rect.top + ::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYCAPTION) / 2};
}

CString DlgText(CWnd* pDlg, UINT nID)
{
    CString text;
    pDlg->GetDlgItem(nID)->GetWindowText(text);
    return text;
}

// The sheet, recording how its caption was last told to look.
class RecordingSheet : public SECToolBarSheet
{
  public:
    int m_nLastNcActivate = -1;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NCACTIVATE)
            m_nLastNcActivate = wParam != 0;
        return SECToolBarSheet::WindowProc(message, wParam, lParam);
    }
};

// The customisation sheet with both pages over a managed frame, to the right of the frame.
class Customisation
{
  public:
    explicit Customisation(bool bMenuBar = false) : m_frame(ManagedFrame::s_twoBars, bMenuBar)
    {
        if (bMenuBar)
            m_frame.m_pManager->LoadMenuBarMenus(m_frame.m_pFrame, 2, IDM_TB_MENU, IDM_BMP_MENU);
        m_frame.m_pManager->CreateDefaultToolBars();
        m_frame.m_pFrame->RecalcLayout();
        m_barsPage.SetManager(m_frame.m_pManager);
        m_cmdPage.SetManager(m_frame.m_pManager);
        PumpMessages(30);
    }
    ~Customisation()
    {
        if (m_sheet.m_hWnd != NULL)
            m_sheet.DestroyWindow();
        PumpMessages(10);
    }
    Customisation(const Customisation&) = delete;
    Customisation& operator=(const Customisation&) = delete;

    // Both pages on the sheet, starting at nPage; the commands page gets two categories.
    void AddPages(int nPage)
    {
        m_cmdPage.AddButtonGroup(_T("Rot-Gr\xFC"
                                    "n"),
                                 kGroupOne, 3);
        m_cmdPage.AddButtonGroup(_T("Andere"), kGroupTwo, 2);
        m_sheet.Construct(_T("Anpassen"), m_frame.m_pFrame, (UINT)nPage);
        m_sheet.AddPage(&m_barsPage);
        m_sheet.AddPage(&m_cmdPage);
    }
    // Opens the sheet modeless.
    void Open(int nPage = 0)
    {
        AddPages(nPage);
        ASSERT_TRUE(m_sheet.Create(m_frame.m_pFrame));
        m_sheet.SetWindowPos(NULL, 700, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        PumpMessages(50);
    }
    SECToolBarManager* Manager() const
    {
        return m_frame.m_pManager;
    }
    CCheckListBox& List()
    {
        return m_barsPage.GetToolBarList();
    }
    std::vector<CString> ListTexts()
    {
        std::vector<CString> texts;
        for (int i = 0; i < List().GetCount(); i++)
        {
            CString text;
            List().GetText(i, text);
            texts.push_back(text);
        }
        return texts;
    }
    int ItemOf(UINT nBarID)
    {
        for (int i = 0; i < List().GetCount(); i++)
            if ((UINT)List().GetItemData(i) == nBarID)
                return i;
        return -1;
    }
    // Screen point of an item's text or of its check box.
    POINT ItemPoint(int nIndex, bool bCheckBox)
    {
        CRect rect;
        List().GetItemRect(nIndex, &rect);
        List().ClientToScreen(&rect);
        return POINT{bCheckBox ? rect.left + 7 : rect.left + 40, rect.CenterPoint().y};
    }
    void ClickControl(CWnd* pPage, UINT nID)
    {
        ClickAt(Centre(pPage->GetDlgItem(nID)));
    }
    SECCustomizeToolBar* Palette(int nGroup)
    {
        SECTBBtnGroup* pGroup = DYNAMIC_DOWNCAST(SECTBBtnGroup, m_cmdPage.GetGroup(nGroup));
        return pGroup != NULL ? pGroup->GetPalette() : NULL;
    }
    POINT PaletteButton(int nGroup, int nIndex)
    {
        CRect rect;
        Palette(nGroup)->GetItemRect(nIndex, &rect);
        Palette(nGroup)->ClientToScreen(&rect);
        return rect.CenterPoint();
    }
    POINT BarButton(UINT nBarID, int nIndex)
    {
        CRect rect;
        m_frame.Bar(nBarID)->GetItemRect(nIndex, &rect);
        m_frame.Bar(nBarID)->ClientToScreen(&rect);
        return rect.CenterPoint();
    }
    POINT ViewCentre()
    {
        return Centre(&m_frame.m_view);
    }
    // The button ids of every toolbar of the frame.
    std::vector<std::vector<UINT>> AllButtons()
    {
        std::vector<std::vector<UINT>> all;
        for (SECCustomToolBar* pBar : m_frame.Bars())
            all.push_back(ButtonIDs(pBar));
        return all;
    }

    ManagedFrame m_frame;
    RecordingSheet m_sheet;
    SECToolBarsPage m_barsPage;
    SECToolBarCmdPage m_cmdPage;
};

// What the timer saw of the name dialog, and how it answered.
struct NameDialogAnswer
{
    std::string text; // typed into the name
    int nAnswer;      // IDOK or IDCANCEL
    bool bSeen = false;
    bool bOkEnabledEmpty = true;
    bool bOkEnabledNamed = false;
    int nNameLength = -1;
    bool bCustomisingMeanwhile = true;
    SECToolBarManager* pManager = NULL;
};
NameDialogAnswer* s_pAnswer = NULL;

// Clicks without pumping: the dialog's own loop takes the input.
void ClickWithoutPumping(POINT point)
{
    ::SetCursorPos(point.x, point.y);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, in, sizeof(INPUT));
}

void CALLBACK AnswerNameDialog(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    HWND hDlg = FindThreadWindow(NULL, [](HWND hWnd) {
        char caption[64] = {};
        ::GetWindowTextA(hWnd, caption, sizeof(caption));
        return std::string(caption) == "Neue Symbolleiste";
    });
    if (hDlg == NULL)
        return;
    ::KillTimer(NULL, nIDEvent);
    NameDialogAnswer& answer = *s_pAnswer;
    answer.bSeen = true;
    answer.bCustomisingMeanwhile = answer.pManager->InConfigMode() != FALSE;
    const HWND hOK = ::GetDlgItem(hDlg, IDOK);
    answer.bOkEnabledEmpty = ::IsWindowEnabled(hOK) != FALSE;
    ::SendDlgItemMessageA(hDlg, IDC_SEC_TB_NEW_NAME, EM_REPLACESEL, TRUE, (LPARAM)answer.text.c_str());
    answer.bOkEnabledNamed = ::IsWindowEnabled(hOK) != FALSE;
    answer.nNameLength = ::GetWindowTextLengthA(::GetDlgItem(hDlg, IDC_SEC_TB_NEW_NAME));
    RECT rect;
    ::GetWindowRect(::GetDlgItem(hDlg, answer.nAnswer), &rect);
    ClickWithoutPumping(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

// What a frame does with a click on its caption, with Alt+F4 and a posted close, with a pending
// layout while a dialog box idles, and with its stay-active flag when it is enabled.
struct FrameReaction
{
    int nHitTest;
    BOOL bAltF4Dropped, bCloseDropped;
    bool bLaidOutInIdle;
    bool bStayActiveKept; // through WM_ENABLE
};

FrameReaction ReactionOf(CFrameWnd* pFrame)
{
    FrameReaction reaction;
    const POINT caption = CaptionPoint(pFrame);
    reaction.nHitTest = (int)pFrame->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y));
    MSG altF4 = {pFrame->m_hWnd, WM_SYSKEYDOWN, VK_F4, 0x20000001, 0, {0, 0}};
    MSG close = {pFrame->m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0, 0, {0, 0}};
    reaction.bAltF4Dropped = pFrame->PreTranslateMessage(&altF4);
    reaction.bCloseDropped = pFrame->PreTranslateMessage(&close);
    pFrame->DelayRecalcLayout();
    pFrame->SendMessage(WM_ENTERIDLE, MSGF_DIALOGBOX, 0);
    reaction.bLaidOutInIdle = (pFrame->m_nIdleFlags & idleLayout) == 0;
    pFrame->m_nIdleFlags &= ~(idleLayout | idleNotify);
    pFrame->m_nFlags |= WF_STAYACTIVE;
    pFrame->SendMessage(WM_ENABLE, TRUE);
    reaction.bStayActiveKept = (pFrame->m_nFlags & WF_STAYACTIVE) != 0;
    pFrame->m_nFlags &= ~WF_STAYACTIVE;
    return reaction;
}

void ExpectCustomisingReaction(CFrameWnd* pFrame, bool bCustomising)
{
    const FrameReaction reaction = ReactionOf(pFrame);
    EXPECT_EQ(bCustomising ? HTERROR : HTCAPTION, reaction.nHitTest);
    EXPECT_EQ(bCustomising, reaction.bAltF4Dropped != FALSE);
    EXPECT_EQ(bCustomising, reaction.bCloseDropped != FALSE);
    EXPECT_EQ(bCustomising, reaction.bLaidOutInIdle);
    EXPECT_EQ(!bCustomising, reaction.bStayActiveKept);
}

bool InCustomisation(Customisation& c)
{
    SECToolBarManager* pManager = c.Manager();
    bool bBarsCustomise = true;
    for (SECCustomToolBar* pBar : c.m_frame.Bars())
        bBarsCustomise = bBarsCustomise && pBar->IsCustomise();
    return pManager->InConfigMode() && bBarsCustomise;
}
} // namespace

TEST(ToolBarSheet, WhileAPageIsActiveTheToolBarsCustomiseAndTheFramesOtherChildrenAreDisabled)
{
    Customisation c;
    ASSERT_FALSE(c.Manager()->InConfigMode());
    c.Open(0);
    EXPECT_TRUE(InCustomisation(c));
    EXPECT_EQ(&c.m_sheet, c.Manager()->GetCustomiseDialog());
    EXPECT_TRUE(c.m_frame.m_pFrame->IsWindowEnabled());
    EXPECT_FALSE(c.m_frame.m_view.IsWindowEnabled());
    EXPECT_FALSE(c.m_frame.m_status.IsWindowEnabled());
    EXPECT_TRUE(c.m_frame.Bar(kFirstBar)->IsWindowEnabled());
    // The frame takes no click and cannot be closed from the keyboard; it carries out a pending
    // layout while the sheet idles. Alt+F4 on the sheet is the sheet's.
    ExpectCustomisingReaction(c.m_frame.m_pFrame, true);
    MSG altF4 = {c.m_sheet.m_hWnd, WM_SYSKEYDOWN, VK_F4, 0x20000001, 0, {0, 0}};
    EXPECT_FALSE(c.m_frame.m_pFrame->PreTranslateMessage(&altF4));

    // Switching pages keeps the mode.
    c.m_sheet.SetActivePage(1);
    PumpMessages(30);
    EXPECT_TRUE(InCustomisation(c));
    EXPECT_FALSE(c.m_frame.m_view.IsWindowEnabled());
}

TEST(ToolBarSheet, ASheetDestroyedWithoutOkOrCancelLeavesCustomisation)
{
    Customisation c;
    c.Open(1);
    ASSERT_TRUE(InCustomisation(c));
    c.m_sheet.DestroyWindow();
    EXPECT_FALSE(c.Manager()->InConfigMode());
    EXPECT_FALSE(c.m_frame.Bar(kFirstBar)->IsCustomise());
    EXPECT_TRUE(c.m_frame.m_view.IsWindowEnabled());
    EXPECT_TRUE(c.m_frame.m_pFrame->IsWindowEnabled());
    EXPECT_EQ(NULL, c.Manager()->GetCustomiseDialog());
}

TEST(ToolBarSheet, TheListHoldsEveryToolBarSortedAndItsChecksShowAndHideThem)
{
    Customisation c(true);
    c.m_frame.m_pFrame->FloatControlBar(c.Manager()->CreateUserToolBar(_T("Aaa")), CPoint(100, 500),
                                        CBRS_ALIGN_TOP);
    c.Open(0);
    EXPECT_EQ((std::vector<CString>{_T("Aaa"), _T("Erste"),
                                    _T("Men\xFC"
                                       "leiste"),
                                    _T("Zweite")}),
              c.ListTexts());
    EXPECT_EQ((int)SEC_IDW_FIRST_USER_TOOLBAR, (int)c.List().GetItemData(0));
    EXPECT_EQ((int)kFirstBar, (int)c.List().GetItemData(1));
    EXPECT_EQ((int)SEC_IDW_MENUBAR, (int)c.List().GetItemData(2));
    for (int i = 0; i < c.List().GetCount(); i++)
        EXPECT_EQ(1, c.List().GetCheck(i)) << i;

    SECCustomToolBar* pSecond = c.m_frame.Bar(kSecondBar);
    ClickAt(c.ItemPoint(c.ItemOf(kSecondBar), true));
    EXPECT_EQ(0, c.List().GetCheck(c.ItemOf(kSecondBar)));
    EXPECT_FALSE(pSecond->IsVisible());
    ClickAt(c.ItemPoint(c.ItemOf(kSecondBar), true));
    EXPECT_EQ(1, c.List().GetCheck(c.ItemOf(kSecondBar)));
    EXPECT_TRUE(pSecond->IsVisible());
}

TEST(ToolBarSheet, OnlyAUserToolBarOffersDeleteAndItsNameForEditing)
{
    Customisation c(true);
    c.m_frame.m_pFrame->FloatControlBar(c.Manager()->CreateUserToolBar(_T("Eigene")), CPoint(100, 500),
                                        CBRS_ALIGN_TOP);
    c.Open(0);
    struct Case
    {
        UINT nBarID;
        const char* pszButton;
        bool bNameEnabled;
        const char* pszName;
    };
    const Case cases[] = {
        {kFirstBar,
         "&Zur\xFC"
         "cksetzen",
         false, "Erste"},
        {SEC_IDW_MENUBAR,
         "&Zur\xFC"
         "cksetzen",
         false,
         "Men\xFC"
         "leiste"},
        {SEC_IDW_FIRST_USER_TOOLBAR, "&L\xF6schen", true, "Eigene"},
        {kSecondBar,
         "&Zur\xFC"
         "cksetzen",
         false, "Zweite"},
    };
    for (const Case& test : cases)
    {
        ClickAt(c.ItemPoint(c.ItemOf(test.nBarID), false));
        CString strButton, strName;
        strButton = DlgText(&c.m_barsPage, IDC_SEC_TB_RESET);
        strName = DlgText(&c.m_barsPage, IDC_SEC_TB_NAME);
        EXPECT_EQ(CString(test.pszButton), strButton) << test.nBarID;
        EXPECT_EQ(CString(test.pszName), strName) << test.nBarID;
        EXPECT_EQ(test.bNameEnabled, c.m_barsPage.GetDlgItem(IDC_SEC_TB_NAME)->IsWindowEnabled() != FALSE);
        EXPECT_EQ(test.bNameEnabled,
                  c.m_barsPage.GetDlgItem(IDC_SEC_TB_NAME_LABEL)->IsWindowEnabled() != FALSE);
    }
    // The menu bar's reset is its own: its buttons come from its menus again.
    SECCustomToolBar* pMenuBar = c.m_frame.Bar(SEC_IDW_MENUBAR);
    const std::vector<UINT> menuButtons = ButtonIDs(pMenuBar);
    pMenuBar->RemoveButton(0);
    ASSERT_NE(menuButtons, ButtonIDs(pMenuBar));
    ClickAt(c.ItemPoint(c.ItemOf(SEC_IDW_MENUBAR), false));
    c.ClickControl(&c.m_barsPage, IDC_SEC_TB_RESET);
    EXPECT_EQ(menuButtons, ButtonIDs(pMenuBar));
    EXPECT_TRUE(c.m_frame.Bar(SEC_IDW_MENUBAR) != NULL);
}

TEST(ToolBarSheet, NewAsksForANameAndFloatsTheNewToolBarBelowTheTopDockBar)
{
    Customisation c;
    c.Open(0);
    struct Case
    {
        std::string text;
        int nAnswer;
        int nNameLength;
        bool bCreated;
    };
    const Case cases[] = {
        {"", IDCANCEL, 0, false},
        {"Kurz", IDCANCEL, 4, false},
        {std::string(200, 'N'), IDOK, SEC_TOOLBAR_NAME_MAX, true},
    };
    for (const Case& test : cases)
    {
        NameDialogAnswer answer;
        answer.text = test.text;
        answer.nAnswer = test.nAnswer;
        answer.pManager = c.Manager();
        s_pAnswer = &answer;
        const UINT_PTR nTimer = ::SetTimer(NULL, 0, 50, AnswerNameDialog);
        c.ClickControl(&c.m_barsPage, IDC_SEC_TB_NEW);
        PumpUntil([&] { return answer.bSeen; }, 3000);
        ::KillTimer(NULL, nTimer);
        PumpMessages(50);
        ASSERT_TRUE(answer.bSeen) << test.text;
        EXPECT_FALSE(answer.bOkEnabledEmpty);
        EXPECT_EQ(!test.text.empty(), answer.bOkEnabledNamed);
        EXPECT_EQ(test.nNameLength, answer.nNameLength);
        EXPECT_FALSE(answer.bCustomisingMeanwhile);
        EXPECT_TRUE(InCustomisation(c)) << "customisation goes on after the dialog";
        SECCustomToolBar* pNew = c.m_frame.Bar(SEC_IDW_FIRST_USER_TOOLBAR);
        ASSERT_EQ(test.bCreated, pNew != NULL) << test.text;
    }
    SECCustomToolBar* pNew = c.m_frame.Bar(SEC_IDW_FIRST_USER_TOOLBAR);
    EXPECT_EQ(CString(std::string(SEC_TOOLBAR_NAME_MAX, 'N').c_str()),
              c.m_frame.Title(SEC_IDW_FIRST_USER_TOOLBAR));
    EXPECT_TRUE(pNew->IsFloating());
    EXPECT_TRUE(pNew->IsCustomise());
    CRect rectDock, rectFloat;
    c.m_frame.m_pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP)->GetWindowRect(&rectDock);
    pNew->GetParentFrame()->GetWindowRect(&rectFloat);
    EXPECT_EQ(rectDock.left + 5, rectFloat.left);
    EXPECT_EQ(rectDock.bottom + 5, rectFloat.top);
    const int nItem = c.ItemOf(SEC_IDW_FIRST_USER_TOOLBAR);
    ASSERT_GE(nItem, 0);
    EXPECT_EQ(1, c.List().GetCheck(nItem));
}

TEST(ToolBarSheet, WithoutAFreeUserToolBarIdNewMakesNothing)
{
    Customisation c;
    std::vector<SECCustomToolBar*> bars;
    for (SECCustomToolBar* pBar; (pBar = c.Manager()->CreateUserToolBar(NULL)) != NULL;)
    {
        pBar->ShowWindow(SW_HIDE);
        bars.push_back(pBar);
    }
    ASSERT_EQ(224u, bars.size());
    c.Open(0);
    const std::vector<SECCustomToolBar*> before = c.m_frame.Bars();
    const int nListed = c.List().GetCount();
    NameDialogAnswer answer;
    answer.text = "Zuviel";
    answer.nAnswer = IDOK;
    answer.pManager = c.Manager();
    s_pAnswer = &answer;
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 50, AnswerNameDialog);
    c.ClickControl(&c.m_barsPage, IDC_SEC_TB_NEW);
    PumpUntil([&] { return answer.bSeen; }, 3000);
    ::KillTimer(NULL, nTimer);
    PumpMessages(50);
    ASSERT_TRUE(answer.bSeen);
    EXPECT_EQ(before, c.m_frame.Bars()) << "no toolbar made, none lost";
    EXPECT_TRUE(InCustomisation(c));
    EXPECT_EQ(nListed, c.List().GetCount()) << "the list gained nothing";
}

TEST(ToolBarSheet, RenamingAUserToolBarNamesItsFloatingFrameAndKeepsTheListSorted)
{
    Customisation c;
    SECCustomToolBar* pUser = c.Manager()->CreateUserToolBar(_T("Aaa"));
    c.m_frame.m_pFrame->FloatControlBar(pUser, CPoint(100, 500), CBRS_ALIGN_TOP);
    c.Open(0);
    ClickAt(c.ItemPoint(c.ItemOf(SEC_IDW_FIRST_USER_TOOLBAR), false));
    CEdit* pEdit = (CEdit*)c.m_barsPage.GetDlgItem(IDC_SEC_TB_NAME);
    ClickAt(Centre(pEdit));
    pEdit->SetSel(0, -1);
    const std::string longName = "Zz" + std::string(200, 'z');
    pEdit->SendMessage(EM_REPLACESEL, TRUE, (LPARAM)longName.c_str());
    // The focus leaving the name renames the bar.
    ClickAt(c.ItemPoint(c.ItemOf(kFirstBar), false));
    const CString strExpected(longName.substr(0, SEC_TOOLBAR_NAME_MAX).c_str());
    EXPECT_EQ(strExpected, c.m_frame.Title(SEC_IDW_FIRST_USER_TOOLBAR));
    CString strFrame;
    pUser->GetParentFrame()->GetWindowText(strFrame);
    EXPECT_EQ(strExpected, strFrame);
    EXPECT_EQ((std::vector<CString>{_T("Erste"), _T("Zweite"), strExpected}), c.ListTexts());
    EXPECT_EQ((int)SEC_IDW_FIRST_USER_TOOLBAR, (int)c.List().GetItemData(2));
    EXPECT_EQ(1, c.List().GetCheck(2));
}

TEST(ToolBarSheet, ResetGivesADefaultToolBarItsButtonsAgainAndDeleteDestroysAUserToolBar)
{
    Customisation c;
    SECCustomToolBar* pFirst = c.m_frame.Bar(kFirstBar);
    const std::vector<UINT> defined = ButtonIDs(pFirst);
    pFirst->RemoveButton(0);
    pFirst->InsertButton(0, ORANGE);
    SECCustomToolBar* pUser = c.Manager()->CreateUserToolBar(_T("Weg"));
    const UINT nUser = SEC_IDW_FIRST_USER_TOOLBAR;
    pUser->SetButtons(&RED, 1);
    c.m_frame.m_pFrame->FloatControlBar(pUser, CPoint(100, 500), CBRS_ALIGN_TOP);
    CFrameWnd* pMiniFrame = pUser->GetParentFrame();
    const HWND hWndMini = pMiniFrame->m_hWnd;
    c.Open(0);
    ASSERT_EQ((std::vector<CString>{_T("Erste"), _T("Weg"), _T("Zweite")}), c.ListTexts());

    ClickAt(c.ItemPoint(c.ItemOf(kFirstBar), false));
    c.ClickControl(&c.m_barsPage, IDC_SEC_TB_RESET);
    EXPECT_EQ(defined, ButtonIDs(pFirst));

    ClickAt(c.ItemPoint(c.ItemOf(nUser), false));
    c.ClickControl(&c.m_barsPage, IDC_SEC_TB_RESET);
    PumpMessages(30);
    EXPECT_EQ(NULL, c.m_frame.Bar(nUser));
    EXPECT_FALSE(::IsWindow(hWndMini));
    EXPECT_EQ((std::vector<CString>{_T("Erste"), _T("Zweite")}), c.ListTexts());
    EXPECT_EQ(1, c.List().GetCurSel()) << "the selection stays at its place or the one before";
}

TEST(ToolBarSheet, OptionsApplyAtOnceAndCancelRestoresThoseFoundAtTheStart)
{
    Customisation c;
    c.Open(1); // the commands page exists, so its palettes follow the options
    c.m_sheet.SetActivePage(0);
    PumpMessages(30);
    SECToolBarManager* pManager = c.Manager();
    const BOOL bToolTips = pManager->ToolTipsEnabled(), bCoolLook = pManager->CoolLookEnabled(),
               bLarge = pManager->LargeButtonsEnabled();
    const int cyPalette = c.Palette(0)->GetButtonHeight();
    SECCustomToolBar* pFirst = c.m_frame.Bar(kFirstBar);

    c.ClickControl(&c.m_barsPage, IDC_SEC_TB_TOOLTIPS);
    EXPECT_EQ(!bToolTips, pManager->ToolTipsEnabled());
    EXPECT_EQ(!bToolTips, (pFirst->GetBarStyle() & CBRS_TOOLTIPS) != 0);

    c.ClickControl(&c.m_barsPage, IDC_SEC_TB_COOLLOOK);
    EXPECT_EQ(!bCoolLook, pManager->CoolLookEnabled());
    EXPECT_EQ(!bCoolLook, (pFirst->m_dwExStyle & SEC_COOLLOOK_BITS) == SEC_COOLLOOK_BITS);
    EXPECT_EQ(!bCoolLook, (c.Palette(0)->m_dwExStyle & SEC_COOLLOOK_BITS) == SEC_COOLLOOK_BITS);

    c.ClickControl(&c.m_barsPage, IDC_SEC_TB_LARGE);
    EXPECT_EQ(!bLarge, pManager->LargeButtonsEnabled());
    EXPECT_NE(cyPalette, c.Palette(0)->GetButtonHeight());
    EXPECT_EQ(pFirst->GetButtonHeight(), c.Palette(0)->GetButtonHeight());

    ClickAt(Centre(c.m_sheet.GetDlgItem(IDCANCEL)));
    EXPECT_EQ(bToolTips, pManager->ToolTipsEnabled());
    EXPECT_EQ(bCoolLook, pManager->CoolLookEnabled());
    EXPECT_EQ(bLarge, pManager->LargeButtonsEnabled());
    EXPECT_EQ(bToolTips, (pFirst->GetBarStyle() & CBRS_TOOLTIPS) != 0);
}

TEST(ToolBarSheet, LeavingTheSheetEndsCustomisationAndOkKeepsTheOptions)
{
    for (const int nButton : {IDOK, IDCANCEL})
    {
        Customisation c;
        c.Open(0);
        const BOOL bToolTips = c.Manager()->ToolTipsEnabled();
        c.ClickControl(&c.m_barsPage, IDC_SEC_TB_TOOLTIPS);
        ClickAt(Centre(c.m_sheet.GetDlgItem(nButton)));
        EXPECT_FALSE(c.Manager()->InConfigMode()) << nButton;
        for (SECCustomToolBar* pBar : c.m_frame.Bars())
            EXPECT_FALSE(pBar->IsCustomise()) << nButton;
        EXPECT_TRUE(c.m_frame.m_view.IsWindowEnabled()) << nButton;
        EXPECT_TRUE(c.m_frame.m_status.IsWindowEnabled()) << nButton;
        EXPECT_TRUE(c.m_frame.m_pFrame->IsWindowEnabled()) << nButton;
        ExpectCustomisingReaction(c.m_frame.m_pFrame, false);
        EXPECT_EQ(nButton == IDOK ? !bToolTips : bToolTips, c.Manager()->ToolTipsEnabled()) << nButton;
        c.m_sheet.DestroyWindow();
        EXPECT_EQ(NULL, c.Manager()->GetCustomiseDialog()) << nButton;
    }
}

TEST(ToolBarSheet, TheCommandsPageShowsTheChosenCategoryAndDescribesTheSelectedButton)
{
    Customisation c;
    c.Open(1);
    CListBox* pCategories = (CListBox*)c.m_cmdPage.GetDlgItem(IDC_SEC_TB_LIST);
    ASSERT_EQ(2, pCategories->GetCount());
    CString strTitle;
    pCategories->GetText(1, strTitle);
    EXPECT_EQ(CString(_T("Andere")), strTitle);
    EXPECT_EQ(59646, c.Palette(0)->GetDlgCtrlID());
    EXPECT_EQ(59645, c.Palette(1)->GetDlgCtrlID());
    EXPECT_EQ((std::vector<UINT>{RED, GREEN, BLUE}), ButtonIDs(c.Palette(0)));
    EXPECT_TRUE(c.Palette(0)->IsWindowVisible());
    EXPECT_FALSE(c.Palette(1)->IsWindowVisible());
    CRect rectFrame, rectPalette;
    c.m_cmdPage.GetDlgItem(IDC_SEC_TB_BUTTONS_FRAME)->GetWindowRect(&rectFrame);
    c.Palette(0)->GetWindowRect(&rectPalette);
    EXPECT_TRUE(rectFrame.PtInRect(rectPalette.TopLeft()));
    EXPECT_TRUE(rectFrame.PtInRect(rectPalette.BottomRight() - CSize(1, 1)));

    CRect rectItem;
    pCategories->GetItemRect(1, &rectItem);
    pCategories->ClientToScreen(&rectItem);
    ClickAt(rectItem.CenterPoint());
    EXPECT_EQ(1, c.m_cmdPage.GetVisibleGroup());
    EXPECT_FALSE(c.Palette(0)->IsWindowVisible());
    EXPECT_TRUE(c.Palette(1)->IsWindowVisible());

    // Pressing a button selects it: its string's first line, or nothing, describes it. Dropped on
    // the sheet it changes no toolbar.
    pCategories->GetItemRect(0, &rectItem);
    pCategories->ClientToScreen(&rectItem);
    ClickAt(rectItem.CenterPoint());
    const auto before = c.AllButtons();
    const POINT onSheet = Centre(c.m_cmdPage.GetDlgItem(IDC_SEC_TB_LIST));
    struct Case
    {
        int nIndex;
        const char* pszDescription;
    };
    for (const Case& test : {Case{0, "Roter Knopf"}, Case{2, ""},
                             Case{1, "Gr\xFC"
                                     "ner Knopf"}})
    {
        ASSERT_TRUE(DragWithInput(c.PaletteButton(0, test.nIndex), onSheet));
        CString strDescription;
        strDescription = DlgText(&c.m_cmdPage, IDC_SEC_TB_DESCRIPTION);
        EXPECT_EQ(CString(test.pszDescription), strDescription) << test.nIndex;
    }
    EXPECT_EQ(before, c.AllButtons());
    EXPECT_EQ((std::vector<UINT>{RED, GREEN, BLUE}), ButtonIDs(c.Palette(0)));
}

TEST(ToolBarSheet, PaletteButtonsAreCopiedOntoToolBarsAndAButtonDraggedOffAToolBarIsRemoved)
{
    Customisation c;
    c.Open(1);
    SECCustomToolBar* pFirst = c.m_frame.Bar(kFirstBar);
    SECCustomToolBar* pSecond = c.m_frame.Bar(kSecondBar);
    ASSERT_EQ((std::vector<UINT>{CYAN, 0, CHECK, ORANGE}), ButtonIDs(pSecond));
    ASSERT_TRUE(DragWithInput(c.PaletteButton(0, 1), c.BarButton(kSecondBar, 0)));
    EXPECT_EQ((std::vector<UINT>{CYAN, GREEN, 0, CHECK, ORANGE}), ButtonIDs(pSecond));
    EXPECT_EQ((std::vector<UINT>{RED, GREEN, BLUE}), ButtonIDs(c.Palette(0)));

    ASSERT_TRUE(DragWithInput(c.BarButton(kFirstBar, 0), c.ViewCentre()));
    EXPECT_EQ((std::vector<UINT>{GREEN, 0, BLUE, CHECK, DROP}), ButtonIDs(pFirst));

    // A palette button dropped on nothing becomes a user toolbar of its own.
    ASSERT_TRUE(DragWithInput(c.PaletteButton(0, 2), c.ViewCentre()));
    SECCustomToolBar* pNew = c.m_frame.Bar(SEC_IDW_FIRST_USER_TOOLBAR);
    ASSERT_TRUE(pNew != NULL);
    EXPECT_EQ((std::vector<UINT>{BLUE}), ButtonIDs(pNew));
    EXPECT_EQ(CString(_T("Symbolleiste1")), c.m_frame.Title(SEC_IDW_FIRST_USER_TOOLBAR));
    EXPECT_TRUE(pNew->IsFloating());
    EXPECT_EQ((std::vector<UINT>{RED, GREEN, BLUE}), ButtonIDs(c.Palette(0)));
    c.m_sheet.SetActivePage(0);
    PumpMessages(30);
    const int nItem = c.ItemOf(SEC_IDW_FIRST_USER_TOOLBAR);
    ASSERT_GE(nItem, 0);
    EXPECT_EQ(1, c.List().GetCheck(nItem));
}

TEST(ToolBarSheet, AMenuButtonGroupListsTheCurrentMenusDropDownsAndDragsThemOntoToolBars)
{
    Customisation c(true);
    SECMenuBar* pMenuBar = SECMenuBtnGroup::FindMenuBar(c.Manager());
    ASSERT_TRUE(pMenuBar != NULL);
    // Both menus' buttons, then only the current menu's.
    struct Case
    {
        UINT nMenu;
        std::vector<CString> texts;
    };
    const Case cases[] = {
        {IDM_BMP_MENU, {_T("Farben")}},
        {IDM_TB_MENU, {_T("Datei"), _T("Ansicht"), _T("Hilfe")}},
    };
    for (const Case& test : cases)
    {
        ASSERT_TRUE(pMenuBar->SwitchMenu(test.nMenu));
        std::vector<UINT> ids;
        SECMenuBtnGroup::CollectMenuButtons(c.Manager(), ids);
        ASSERT_EQ(test.texts.size(), ids.size()) << test.nMenu;
    }
    // Only the menu bar's own table knows its menu buttons; any toolbar makes them from it.
    ASSERT_TRUE(c.m_cmdPage.AddMenuButtonGroup(_T("Men\xFC"
                                                  "leiste")));
    c.Open(1);
    SECMenuBtnGroup* pGroup = DYNAMIC_DOWNCAST(SECMenuBtnGroup, c.m_cmdPage.GetGroup(0));
    ASSERT_TRUE(pGroup != NULL);
    SECMenuListBox* pList = pGroup->GetListBox();
    ASSERT_EQ(3, pList->GetCount());
    for (int i = 0; i < 3; i++)
    {
        CString text;
        pList->GetText(i, text);
        EXPECT_EQ(cases[1].texts[(size_t)i], text);
        EXPECT_EQ(pGroup->GetID(i), (UINT)pList->GetItemData(i));
    }
    EXPECT_TRUE(pList->IsWindowVisible());
    // The list sits 2 pixels lower than the palettes, in the same area.
    CRect rectList, rectPalette;
    pList->GetWindowRect(&rectList);
    c.Palette(1)->GetWindowRect(&rectPalette);
    EXPECT_EQ(rectPalette.top + 2, rectList.top);
    EXPECT_EQ(rectPalette.left, rectList.left);

    CRect rectItem;
    pList->GetItemRect(1, &rectItem);
    pList->ClientToScreen(&rectItem);
    SECCustomToolBar* pFirst = c.m_frame.Bar(kFirstBar);
    ASSERT_TRUE(DragWithInput(rectItem.CenterPoint(), c.BarButton(kFirstBar, 0)));
    EXPECT_EQ(1, pList->GetCurSel());
    ASSERT_EQ(7, pFirst->GetBtnCount());
    SECStdBtn* pNew = nullptr;
    for (int i = 0; i < pFirst->GetBtnCount(); i++)
        if (pFirst->GetButton(i)->m_nID == pGroup->GetID(1))
            pNew = pFirst->GetButton(i);
    ASSERT_TRUE(pNew != nullptr);
    EXPECT_EQ((int)SECStdBtn::BtnMenu, pNew->m_nType);
    EXPECT_EQ(CString(_T("&Ansicht")), static_cast<SECTBMenuBtn*>(pNew)->m_strText);
}

TEST(ToolBarSheet, NoMenuButtonGroupWithoutAMenuBar)
{
    Customisation c;
    EXPECT_FALSE(c.m_cmdPage.AddMenuButtonGroup(_T("Men\xFC"
                                                   "leiste")));
    EXPECT_EQ(0, c.m_cmdPage.GetGroupCount());
}

TEST(ToolBarSheet, TheMDIFrameTooRefusesClicksAndClosingWhileCustomising)
{
    SECMDIFrameWnd* pFrame = new SECMDIFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, _T("MDI"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 640, 440)));
    SECToolBarManager manager(pFrame, pFrame);
    pFrame->SetControlBarManager(&manager);
    ExpectCustomisingReaction(pFrame, false);
    manager.EnterCustomise();
    ExpectCustomisingReaction(pFrame, true);
    manager.ExitCustomise();
    pFrame->EnableWindow(TRUE);
    ExpectCustomisingReaction(pFrame, false);
    pFrame->SetControlBarManager(NULL);
    pFrame->DestroyWindow();
    PumpMessages(10);
}

namespace
{
// What the timer saw while the sheet ran modally, after dragging a button between toolbars.
struct ModalRun
{
    Customisation* pCustomisation;
    bool bSeen = false;
    bool bFrameEnabled = false, bViewEnabled = true, bCustomising = false;
    std::vector<UINT> secondAfterDrag;
};
ModalRun* s_pModalRun = NULL;

void CALLBACK DriveModalSheet(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ModalRun& run = *s_pModalRun;
    Customisation& c = *run.pCustomisation;
    if (c.m_sheet.m_hWnd == NULL || !c.m_sheet.IsWindowVisible())
        return;
    ::KillTimer(NULL, nIDEvent);
    run.bSeen = true;
    run.bFrameEnabled = c.m_frame.m_pFrame->IsWindowEnabled() != FALSE;
    run.bViewEnabled = c.m_frame.m_view.IsWindowEnabled() != FALSE;
    run.bCustomising = InCustomisation(c);
    c.m_sheet.SetWindowPos(NULL, 700, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    DragWithInput(c.BarButton(kFirstBar, 0), c.BarButton(kSecondBar, 0));
    run.secondAfterDrag = ButtonIDs(c.m_frame.Bar(kSecondBar));
    ClickWithoutPumping(Centre(c.m_sheet.GetDlgItem(IDCANCEL)));
}
} // namespace

TEST(ToolBarSheet, RunModallyByACommandTheFrameTakesDragsAndTheEndLeavesCustomisation)
{
    Customisation c;
    c.AddPages(0);
    ModalRun run;
    run.pCustomisation = &c;
    s_pModalRun = &run;
    // The frame's command opens the sheet, as an application's customise command does.
    const UINT kCustomise = 0x8F10;
    INT_PTR nResult = -2;
    c.m_frame.m_pFrame->m_onCommand = [&](UINT nID) {
        if (nID != kCustomise)
            return false;
        nResult = c.m_sheet.DoModal();
        return true;
    };
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 100, DriveModalSheet);
    c.m_frame.m_pFrame->PostMessage(WM_COMMAND, kCustomise);
    PumpUntil([&] { return nResult != -2; }, 20000);
    ::KillTimer(NULL, nTimer);
    c.m_frame.m_pFrame->m_onCommand = nullptr;
    ASSERT_TRUE(run.bSeen);
    EXPECT_EQ(IDCANCEL, nResult);
    EXPECT_TRUE(run.bFrameEnabled);
    EXPECT_FALSE(run.bViewEnabled);
    EXPECT_TRUE(run.bCustomising);
    EXPECT_EQ((std::vector<UINT>{CYAN, RED, 0, CHECK, ORANGE}), run.secondAfterDrag);
    EXPECT_FALSE(c.Manager()->InConfigMode());
    EXPECT_TRUE(c.m_frame.m_pFrame->IsWindowEnabled());
    EXPECT_TRUE(c.m_frame.m_view.IsWindowEnabled());
}

TEST(ToolBarSheet, TheSheetStaysDrawnActiveWhileAFloatingToolBarOfTheFrameIsActive)
{
    Customisation c;
    SECCustomToolBar* pUser = c.Manager()->CreateUserToolBar(_T("Schwebend"));
    pUser->SetButtons(&RED, 1);
    c.m_frame.m_pFrame->FloatControlBar(pUser, CPoint(100, 560), CBRS_ALIGN_TOP);
    c.Open(0);
    c.m_sheet.SetActiveWindow();
    PumpMessages(30);
    CFrameWnd* pMiniFrame = pUser->GetParentFrame();
    ASSERT_TRUE(pMiniFrame != NULL && pMiniFrame != c.m_frame.m_pFrame);
    // A press on its button (a drag to where it is) activates the floating frame.
    CRect rectButton;
    pUser->GetItemRect(0, &rectButton);
    pUser->ClientToScreen(&rectButton);
    ASSERT_TRUE(DragWithInput(rectButton.CenterPoint(), rectButton.CenterPoint()));
    ASSERT_EQ(pMiniFrame->m_hWnd, ::GetActiveWindow());
    EXPECT_EQ(1, c.m_sheet.m_nLastNcActivate);

    // Another window of the program taking the activation leaves the sheet inactive.
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), _T("Anderes"), WS_POPUP | WS_CAPTION | WS_VISIBLE,
                               CRect(300, 700, 500, 800), NULL, 0));
    other.SetActiveWindow();
    PumpMessages(30);
    EXPECT_EQ(0, c.m_sheet.m_nLastNcActivate);
    other.DestroyWindow();
}
