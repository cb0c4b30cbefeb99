// Dialogs from templates: modal runs driven by keys from a timer, modeless ones, the data
// exchange in both directions and the checks that refuse bad input.
#include "DlgTestApp.h"
#include "TestSupport.h"

using namespace testing_support;

namespace
{
class CExchangeDlg : public CDialog
{
  public:
    CExchangeDlg() : CDialog(IDD_EXCHANGE)
    {
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_INT, m_int);
        if (m_bCheckRange)
            DDV_MinMaxInt(pDX, m_int, 0, 100);
        DDX_Text(pDX, IDC_DOUBLE, m_double);
        if (m_bCheckRange)
            DDV_MinMaxDouble(pDX, m_double, -1.5, 1000.0);
        DDX_Text(pDX, IDC_TEXT, m_text);
        if (m_bCheckRange)
            DDV_MaxChars(pDX, m_text, 5);
        DDX_Check(pDX, IDC_CHECK, m_check);
        DDX_Radio(pDX, IDC_RADIO1, m_radio);
        DDX_CBIndex(pDX, IDC_COMBO, m_comboIndex);
        DDX_LBString(pDX, IDC_LIST, m_listString);
        DDX_Text(pDX, IDC_UINT, m_uint);
        DDX_Text(pDX, IDC_FLOAT, m_float);
        DDX_Text(pDX, IDC_LONG, m_long);
        DDX_Text(pDX, IDC_DWORD, m_dword);
    }
    BOOL OnInitDialog() override
    {
        for (const char* s : {"Rot", "Gr\xFCn", "Blau"})
        {
            ::SendDlgItemMessage(m_hWnd, IDC_COMBO, CB_ADDSTRING, 0, (LPARAM)s);
            ::SendDlgItemMessage(m_hWnd, IDC_LIST, LB_ADDSTRING, 0, (LPARAM)s);
        }
        m_bInitCalled = TRUE;
        return CDialog::OnInitDialog();
    }

    int m_int = 42;
    double m_double = 0.5;
    CString m_text = "abc";
    int m_check = 1;
    int m_radio = 1;
    int m_comboIndex = 2;
    CString m_listString = "Blau";
    UINT m_uint = 7;
    float m_float = 1.25f;
    long m_long = -5;
    DWORD m_dword = 4000000000UL;
    BOOL m_bCheckRange = FALSE;
    BOOL m_bInitCalled = FALSE;
};

// Shift+Tab through the system's input queue, so the key state is right when Tab arrives.
void SendShiftTab()
{
    INPUT in[4] = {};
    const WORD keys[4] = {VK_SHIFT, VK_TAB, VK_TAB, VK_SHIFT};
    for (int i = 0; i < 4; i++)
    {
        in[i].type = INPUT_KEYBOARD;
        in[i].ki.wVk = keys[i];
        in[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
    }
    ::SendInput(4, in, sizeof(INPUT));
}

HWND Item(CWnd* pDlg, int nID)
{
    return ::GetDlgItem(pDlg->m_hWnd, nID);
}

class Dialogs : public ::testing::Test
{
  protected:
    MessageBoxes m_boxes;
};

TEST_F(Dialogs, ModalDialogShowsValuesMovesFocusWithTabAndEndsWithEnter)
{
    CExchangeDlg dlg;
    CString shownInt, shownCombo;
    int focusFirst = 0, focusAfterTab = 0, focusAfterShiftTab = 0;
    CModalScript script({
        [&] {
            shownInt = TextOf(Item(&dlg, IDC_INT));
            shownCombo = TextOf(Item(&dlg, IDC_COMBO));
            focusFirst = FocusId();
            PostKey(VK_TAB);
        },
        [&] {
            focusAfterTab = FocusId();
            ::SendMessage(::GetFocus(), EM_SETSEL, 0, -1);
            PostText("2.75");
        },
        [&] { PostKey(VK_TAB); },
        [&] { PostText("xyz"); }, // the text edit had its whole text selected by Tab
        [&] { SendShiftTab(); },
        [&] {
            focusAfterShiftTab = FocusId();
            PostKey(VK_RETURN);
        },
    });
    INT_PTR nResult = dlg.DoModal();
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(IDOK, nResult);
    EXPECT_TRUE(dlg.m_bInitCalled);
    EXPECT_EQ(CString("42"), shownInt);
    EXPECT_EQ(CString("Blau"), shownCombo);
    EXPECT_EQ(IDC_INT, focusFirst);
    EXPECT_EQ(IDC_DOUBLE, focusAfterTab);
    EXPECT_EQ(IDC_DOUBLE, focusAfterShiftTab);
    EXPECT_DOUBLE_EQ(2.75, dlg.m_double);
    EXPECT_EQ(CString("xyz"), dlg.m_text);
    EXPECT_EQ(NULL, dlg.m_hWnd);
    EXPECT_TRUE(AfxGetMainWnd()->IsWindowEnabled()); // the owner is enabled again
}

TEST_F(Dialogs, EscapeCancelsAndKeepsTheMembers)
{
    CExchangeDlg dlg;
    CModalScript script({
        [&] {
            ::SetWindowTextA(Item(&dlg, IDC_INT), "77");
            PostKey(VK_ESCAPE);
        },
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(42, dlg.m_int);
}

TEST_F(Dialogs, RangeCheckRefusesAndKeepsFocusOnTheBadControl)
{
    CExchangeDlg dlg;
    dlg.m_bCheckRange = TRUE;
    int focusAfterRefusal = 0;
    DWORD selAfterRefusal = 0;
    BOOL stillOpen = FALSE;
    m_boxes.Expect(IDOK, "ganze Zahl zwischen 0 und 100");
    m_boxes.Expect(IDOK, "h\xF6"
                         "chstens 5 Zeichen");
    CModalScript script({
        [&] {
            ::SetWindowTextA(Item(&dlg, IDC_INT), "150");
            PostKey(VK_RETURN);
        },
        [&] {
            stillOpen = ::IsWindowVisible(dlg.m_hWnd);
            focusAfterRefusal = FocusId();
            selAfterRefusal = (DWORD)::SendMessage(::GetFocus(), EM_GETSEL, 0, 0);
            PostText("99"); // replaces the selected bad value
        },
        [&] {
            ::SetWindowTextA(Item(&dlg, IDC_TEXT), "zu lang");
            PostKey(VK_RETURN);
        },
        [&] {
            EXPECT_EQ(IDC_TEXT, FocusId());
            ::SetWindowTextA(Item(&dlg, IDC_TEXT), "kurz");
            dlg.OnOK();
        },
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(IDC_INT, focusAfterRefusal);
    EXPECT_EQ(MAKELONG(0, 3), selAfterRefusal);
    EXPECT_EQ(99, dlg.m_int);
    EXPECT_EQ(CString("kurz"), dlg.m_text);
    EXPECT_EQ(0u, m_boxes.Pending());
}

TEST_F(Dialogs, ModelessDialogRunsBesideTheLoopAndEndsWithEscape)
{
    CExchangeDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_EXCHANGE, AfxGetMainWnd()));
    dlg.ShowWindow(SW_SHOW);
    ::SetForegroundWindow(dlg.m_hWnd);
    dlg.GotoDlgCtrl(dlg.GetDlgItem(IDC_INT));
    PumpWithTranslate(50);
    EXPECT_EQ(IDC_INT, FocusId());
    PostKey(VK_TAB);
    PumpWithTranslate(50);
    EXPECT_EQ(IDC_DOUBLE, FocusId());
    dlg.NextDlgCtrl();
    PumpWithTranslate(20);
    EXPECT_EQ(IDC_TEXT, FocusId());
    PostKey(VK_ESCAPE);
    PumpWithTranslate(50);
    // ::EndDialog only hides a modeless dialog; its owner destroys it.
    EXPECT_FALSE(dlg.IsWindowVisible());
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
    CRect rc(0, 0, 4, 8);
    dlg.MapDialogRect(&rc);
    EXPECT_GT(rc.right, 0);
    EXPECT_GT(rc.bottom, 0);
    dlg.DestroyWindow();
    EXPECT_EQ(NULL, dlg.m_hWnd);
}

// One row: member values written to the controls, the texts they show, and back again.
struct RoundTrip
{
    int nInt;
    double dbl;
    const char* text;
    int check;
    int radio;
    int combo;
    const char* listString;
    UINT uint;
    float flt;
    long lng;
    DWORD dw;
    const char* shownInt;
    const char* shownDouble;
    const char* shownUint;
    const char* shownFloat;
    const char* shownDword;
};

TEST_F(Dialogs, DataExchangeRoundTripsATableOfValues)
{
    const RoundTrip rows[] = {
        {0, 0.0, "", 0, 0, 0, "Rot", 0, 0.0f, 0, 0, "0", "0", "0", "0", "0"},
        {-2147483647 - 1, -1.5, "\xC4pfel", 1, 2, 1, "Gr\xFCn", 4294967295u, -3.5f, 2147483647, 4294967295UL,
         "-2147483648", "-1.5", "4294967295", "-3.5", "4294967295"},
        {2147483647, 1e20, "a b", 1, -1, -1, "", 1, 0.1f, -7, 1, "2147483647", "1e+020", "1", "0.1", "1"},
        {5, 3.14159265358979, "x", 0, 1, 2, "Blau", 10, 1e-5f, 0, 2, "5", "3.14159265358979", "10", "1e-005",
         "2"},
    };
    CExchangeDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_EXCHANGE, AfxGetMainWnd()));
    for (const RoundTrip& row : rows)
    {
        SCOPED_TRACE(row.shownInt);
        dlg.m_int = row.nInt;
        dlg.m_double = row.dbl;
        dlg.m_text = row.text;
        dlg.m_check = row.check;
        dlg.m_radio = row.radio;
        dlg.m_comboIndex = row.combo;
        dlg.m_listString = row.listString;
        dlg.m_uint = row.uint;
        dlg.m_float = row.flt;
        dlg.m_long = row.lng;
        dlg.m_dword = row.dw;
        ASSERT_TRUE(dlg.UpdateData(FALSE));
        EXPECT_EQ(CString(row.shownInt), TextOf(Item(&dlg, IDC_INT)));
        EXPECT_EQ(CString(row.shownDouble), TextOf(Item(&dlg, IDC_DOUBLE)));
        EXPECT_EQ(CString(row.shownUint), TextOf(Item(&dlg, IDC_UINT)));
        EXPECT_EQ(CString(row.shownFloat), TextOf(Item(&dlg, IDC_FLOAT)));
        EXPECT_EQ(CString(row.shownDword), TextOf(Item(&dlg, IDC_DWORD)));
        EXPECT_EQ(row.check, (int)::SendMessage(Item(&dlg, IDC_CHECK), BM_GETCHECK, 0, 0));

        CExchangeDlg* pDlg = &dlg;
        pDlg->m_int = 1;
        pDlg->m_double = 99;
        pDlg->m_text = "?";
        pDlg->m_check = 0;
        pDlg->m_radio = 5;
        pDlg->m_comboIndex = 9;
        pDlg->m_listString = "?";
        pDlg->m_uint = 3;
        pDlg->m_float = 9;
        pDlg->m_long = 3;
        pDlg->m_dword = 3;
        ASSERT_TRUE(dlg.UpdateData(TRUE));
        EXPECT_EQ(row.nInt, dlg.m_int);
        EXPECT_DOUBLE_EQ(row.dbl, dlg.m_double);
        EXPECT_EQ(CString(row.text), dlg.m_text);
        EXPECT_EQ(row.check, dlg.m_check);
        EXPECT_EQ(row.radio, dlg.m_radio);
        EXPECT_EQ(row.combo, dlg.m_comboIndex);
        EXPECT_EQ(CString(row.listString), dlg.m_listString);
        EXPECT_EQ(row.uint, dlg.m_uint);
        EXPECT_FLOAT_EQ(row.flt, dlg.m_float);
        EXPECT_EQ(row.lng, dlg.m_long);
        EXPECT_EQ(row.dw, dlg.m_dword);
    }
    dlg.DestroyWindow();
}

// Text typed into one control and the message that refuses it (empty: accepted).
struct BadInput
{
    int nIDC;
    const char* typed;
    const char* messagePart;
};

TEST_F(Dialogs, DataExchangeRefusesTextsThatAreNoNumbers)
{
    const BadInput rows[] = {
        // clang-format off
        {IDC_INT, "abc", "ganze Zahl ein"},
        {IDC_INT, "12x", "ganze Zahl ein"},
        {IDC_INT, "2147483648", "ganze Zahl ein"},
        {IDC_INT, "  7 ", ""},
        {IDC_UINT, "-1", "positive ganze Zahl"},
        {IDC_UINT, "4294967296", "positive ganze Zahl"},
        {IDC_DOUBLE, "1e999", "eine Zahl ein"},
        {IDC_DOUBLE, "", "eine Zahl ein"},
        {IDC_FLOAT, "1e39", "eine Zahl ein"},
        {IDC_DOUBLE, "-2.5e-3", ""},
        // clang-format on
    };
    CExchangeDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_EXCHANGE, AfxGetMainWnd()));
    dlg.ShowWindow(SW_SHOW);
    for (const BadInput& row : rows)
    {
        SCOPED_TRACE(row.typed);
        ASSERT_TRUE(dlg.UpdateData(FALSE));
        ::SetWindowTextA(Item(&dlg, row.nIDC), row.typed);
        if (*row.messagePart)
        {
            m_boxes.Expect(IDOK, row.messagePart);
            EXPECT_FALSE(dlg.UpdateData(TRUE));
            EXPECT_EQ(row.nIDC, FocusId());
        }
        else
            EXPECT_TRUE(dlg.UpdateData(TRUE));
    }
    EXPECT_EQ(7, dlg.m_int);
    EXPECT_DOUBLE_EQ(-2.5e-3, dlg.m_double);
    EXPECT_EQ(0u, m_boxes.Pending());
    dlg.DestroyWindow();
}

TEST_F(Dialogs, MissingTemplateFailsWithoutAWindow)
{
    CDialog dlg(4711);
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_FALSE(dlg.Create(4711));
    EXPECT_EQ(NULL, dlg.m_hWnd);
    EXPECT_TRUE(AfxGetMainWnd()->IsWindowEnabled());
}
} // namespace

namespace
{
// A window made from a template by the dialog manager, as a dialog bar is.
class CTemplateChild : public CWnd
{
  public:
    UINT m_nSettingChanges = 0;

  protected:
    afx_msg void OnSettingChange(UINT, LPCTSTR)
    {
        ++m_nSettingChanges;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTemplateChild, CWnd)
ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

std::vector<std::string> BoxStrings(HWND hBox, UINT nCount, UINT nGetText)
{
    std::vector<std::string> strings;
    int n = (int)::SendMessage(hBox, nCount, 0, 0);
    for (int i = 0; i < n; ++i)
    {
        char sz[64] = "";
        ::SendMessage(hBox, nGetText, i, (LPARAM)sz);
        strings.push_back(sz);
    }
    return strings;
}

TEST(DialogTemplates, CreateDlgMakesAChildThatExecuteDlgInitFills)
{
    CTemplateChild child;
    ASSERT_TRUE(child.CreateDlg(MAKEINTRESOURCE(IDD_DLGBAR), AfxGetMainWnd()));
    EXPECT_EQ(&child, CWnd::FromHandlePermanent(child.m_hWnd));
    EXPECT_EQ(AfxGetMainWnd()->m_hWnd, ::GetParent(child.m_hWnd));
    HWND hList = ::GetDlgItem(child.m_hWnd, IDC_BARLIST);
    HWND hCombo = ::GetDlgItem(child.m_hWnd, IDC_BARCOMBO);
    ASSERT_NE(nullptr, hList);
    EXPECT_TRUE(BoxStrings(hList, LB_GETCOUNT, LB_GETTEXT).empty()); // the caller runs the init

    EXPECT_TRUE(child.ExecuteDlgInit(MAKEINTRESOURCE(IDD_DLGBAR)));
    EXPECT_EQ((std::vector<std::string>{"Rot", "Gruen"}), BoxStrings(hList, LB_GETCOUNT, LB_GETTEXT));
    EXPECT_EQ((std::vector<std::string>{"Eis"}), BoxStrings(hCombo, CB_GETCOUNT, CB_GETLBTEXT));
    // A template without records has nothing to add.
    EXPECT_TRUE(child.ExecuteDlgInit(MAKEINTRESOURCE(IDD_FORM)));

    // Its messages come to the object's map.
    child.SendMessage(WM_SETTINGCHANGE, 0, (LPARAM) "intl");
    EXPECT_EQ(1u, child.m_nSettingChanges);
    child.DestroyWindow();

    CTemplateChild missing;
    EXPECT_FALSE(missing.CreateDlg(MAKEINTRESOURCE(4711), AfxGetMainWnd()));
    EXPECT_EQ(nullptr, missing.m_hWnd);
}

TEST(DialogTemplates, ADialogRunsTheSameInitFromItsTemplate)
{
    CDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_DLGBAR, AfxGetMainWnd()));
    EXPECT_EQ((std::vector<std::string>{"Rot", "Gruen"}),
              BoxStrings(::GetDlgItem(dlg.m_hWnd, IDC_BARLIST), LB_GETCOUNT, LB_GETTEXT));
    dlg.DestroyWindow();
}

TEST(DialogTemplates, RepositionWithoutALayoutMovesAtOnce)
{
    CWnd wnd;
    ASSERT_TRUE(
        wnd.Create(NULL, _T("moved"), WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 20), AfxGetMainWnd(), 77));
    CRect rect(10, 15, 60, 45);
    AfxRepositionWindow(NULL, wnd.m_hWnd, &rect);
    CRect now;
    wnd.GetWindowRect(&now);
    AfxGetMainWnd()->ScreenToClient(&now);
    EXPECT_EQ(rect, now);
    wnd.DestroyWindow();
}
} // namespace
