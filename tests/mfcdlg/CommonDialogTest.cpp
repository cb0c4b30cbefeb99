// The system's common dialogs with the object attached through the hook: the modeless find
// dialog notifies its owner through the registered message; the modal ones run until a timer
// step ends them, and hand back what they were given or what was chosen.
#include "DlgTestApp.h"
#include "TestSupport.h"
#include <dlgs.h>

using namespace testing_support;

namespace
{
UINT g_nFindMsg = CFindReplaceDialog::GetFindReplaceMsg();

struct FindRequest
{
    CFindReplaceDialog* pNotifier;
    std::string text;
    bool bFindNext, bDown, bMatchCase, bTerminating;
};

class CFindOwner : public CWnd
{
  public:
    LRESULT OnFindReplace(WPARAM, LPARAM lParam)
    {
        CFindReplaceDialog* pDlg = CFindReplaceDialog::GetNotifier(lParam);
        m_requests.push_back({pDlg, std::string(pDlg->GetFindString()), pDlg->FindNext() != FALSE,
                              pDlg->SearchDown() != FALSE, pDlg->MatchCase() != FALSE,
                              pDlg->IsTerminating() != FALSE});
        return 0;
    }
    std::vector<FindRequest> m_requests;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFindOwner, CWnd)
ON_REGISTERED_MESSAGE(g_nFindMsg, OnFindReplace)
END_MESSAGE_MAP()

void Press(HWND hDlg, int nID)
{
    ::SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)::GetDlgItem(hDlg, nID));
}

TEST(CommonDialogs, ModelessFindDialogPostsItsRegisteredMessage)
{
    CFindOwner owner;
    ASSERT_TRUE(
        owner.CreateEx(0, AfxRegisterWndClass(0), _T("Besitzer"), WS_POPUP, CRect(0, 0, 50, 50), NULL, 0));
    CFindReplaceDialog* pDlg = new CFindReplaceDialog;
    ASSERT_TRUE(pDlg->Create(TRUE, _T("Suchtext"), NULL, FR_DOWN | FR_MATCHCASE, &owner));
    HWND hDlg = pDlg->m_hWnd;
    ASSERT_NE(nullptr, hDlg);
    EXPECT_EQ(pDlg, CWnd::FromHandlePermanent(hDlg)); // attached while it runs
    EXPECT_EQ("Suchtext", TextOf(::GetDlgItem(hDlg, edt1)));

    Press(hDlg, IDOK);
    ::SetDlgItemText(hDlg, edt1, _T("Anderer"));
    Press(hDlg, IDOK);
    PumpMessages(30);
    Press(hDlg, IDCANCEL);
    PumpMessages(30);
    EXPECT_FALSE(::IsWindow(hDlg)); // and the object deleted itself

    ASSERT_EQ(3u, owner.m_requests.size());
    EXPECT_EQ(pDlg, owner.m_requests[0].pNotifier);
    EXPECT_EQ("Suchtext", owner.m_requests[0].text);
    EXPECT_TRUE(owner.m_requests[0].bFindNext);
    EXPECT_TRUE(owner.m_requests[0].bDown);
    EXPECT_TRUE(owner.m_requests[0].bMatchCase);
    EXPECT_EQ("Anderer", owner.m_requests[1].text);
    EXPECT_TRUE(owner.m_requests[2].bTerminating);
    EXPECT_FALSE(owner.m_requests[2].bFindNext);
    owner.DestroyWindow();
}

TEST(CommonDialogs, ColorDialogReturnsTheColourOrCancels)
{
    for (int nButton : {IDOK, IDCANCEL})
    {
        CColorDialog dlg(RGB(10, 20, 30), CC_FULLOPEN);
        HWND hSeen = NULL;
        CModalScript script({[&] {
            hSeen = dlg.m_hWnd;
            ::PostMessage(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED),
                          (LPARAM)dlg.GetDlgItem(nButton)->GetSafeHwnd());
        }});
        EXPECT_EQ(nButton, dlg.DoModal());
        EXPECT_TRUE(script.Done());
        EXPECT_NE(nullptr, hSeen);
        EXPECT_EQ(nullptr, dlg.m_hWnd);
        if (nButton == IDOK)
        {
            EXPECT_EQ(RGB(10, 20, 30), dlg.GetColor());
        }
    }
}

int CALLBACK FirstTrueTypeFace(const LOGFONT* plf, const TEXTMETRIC*, DWORD nType, LPARAM lParam)
{
    if ((nType & TRUETYPE_FONTTYPE) == 0 || plf->lfFaceName[0] == '@')
        return 1;
    lstrcpyn((LPTSTR)lParam, plf->lfFaceName, LF_FACESIZE);
    return 0;
}

TEST(CommonDialogs, FontDialogStartsFromTheGivenFont)
{
    // A face this machine has: the fonts depend on what the system offers.
    TCHAR szFace[LF_FACESIZE] = {};
    HDC hScreen = ::GetDC(NULL);
    LOGFONT any = {};
    any.lfCharSet = ANSI_CHARSET;
    ::EnumFontFamiliesEx(hScreen, &any, &FirstTrueTypeFace, (LPARAM)szFace, 0);
    ::ReleaseDC(NULL, hScreen);
    ASSERT_NE('\0', szFace[0]);
    LOGFONT lf = {};
    lf.lfHeight = -16;
    lf.lfWeight = FW_BOLD;
    lstrcpy(lf.lfFaceName, szFace);
    CFontDialog dlg(&lf, CF_SCREENFONTS | CF_EFFECTS);
    LOGFONT current = {};
    CModalScript script({[&] {
        dlg.GetCurrentFont(&current);
        ::PostMessage(dlg.m_hWnd, WM_COMMAND, IDOK, 0);
    }});
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ(szFace, current.lfFaceName);
    EXPECT_EQ(szFace, dlg.GetFaceName());
    EXPECT_TRUE(dlg.IsBold());
    EXPECT_GT(dlg.GetSize(), 0);
}

TEST(CommonDialogs, PageSetupGivesThePrintersPaper)
{
    CPageSetupDialog dlg(PSD_INHUNDREDTHSOFMILLIMETERS | PSD_MARGINS);
    dlg.m_psd.rtMargin = CRect(2000, 2000, 2000, 2000);
    CModalScript script({[&] { ::PostMessage(dlg.m_hWnd, WM_COMMAND, IDOK, 0); }});
    INT_PTR nResult = dlg.DoModal();
    if (nResult != IDOK && !script.Done())
        GTEST_SKIP() << "no printer for the page set-up";
    ASSERT_EQ(IDOK, nResult);
    EXPECT_EQ("PDF", dlg.GetDeviceName());
    EXPECT_NEAR(21000, dlg.GetPaperSize().cx, 100); // A4
    EXPECT_NEAR(29700, dlg.GetPaperSize().cy, 100);
    CRect margins;
    dlg.GetMargins(&margins, NULL);
    EXPECT_EQ(CRect(2000, 2000, 2000, 2000), margins);
    HDC hDC = dlg.CreatePrinterDC();
    EXPECT_NE(nullptr, hDC);
    if (hDC != NULL)
        ::DeleteDC(hDC);
}

// A Save As dialog with a template of ours below the system's controls; the first OK is refused.
class CTestFileDialog : public CFileDialog
{
  public:
    CTestFileDialog()
        : CFileDialog(FALSE, _T("txt"), NULL, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                      _T("Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*||"))
    {
        m_ofn.Flags |= OFN_ENABLETEMPLATE;
        m_ofn.lpTemplateName = MAKEINTRESOURCE(IDD_FILEEXTRA);
    }
    void OnInitDone() override
    {
        ++m_nInitDone;
    }
    BOOL OnFileNameOK() override
    {
        return ++m_nFileOK == 1;
    }
    int m_nInitDone = 0, m_nFileOK = 0;
};

TEST(CommonDialogs, FileDialogWithTemplateAndHook)
{
    CString strPath = (TempFolder() + "\\neu.txt").c_str();
    CTestFileDialog dlg;
    bool bTemplateShown = false, bStillOpen = false;
    HWND hDialog = NULL;
    CModalScript script({[&] {
                             hDialog = ::GetParent(dlg.m_hWnd);
                             bTemplateShown = dlg.GetDlgItem(IDC_FILEEXTRA_CHECK) != NULL;
                             ::SendMessage(hDialog, CDM_SETCONTROLTEXT, edt1, (LPARAM)(LPCTSTR)strPath);
                             ::SendMessage(hDialog, CDM_SETCONTROLTEXT, cmb13, (LPARAM)(LPCTSTR)strPath);
                         },
                         [&] { ::PostMessage(hDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); },
                         [&] {
                             bStillOpen = ::IsWindow(hDialog) && dlg.m_hWnd != NULL;
                             ::PostMessage(hDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                         },
                         [&] {}},
                        150);
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(bTemplateShown);
    EXPECT_TRUE(bStillOpen); // the refused name kept it open
    EXPECT_EQ(1, dlg.m_nInitDone);
    EXPECT_EQ(2, dlg.m_nFileOK);
    EXPECT_EQ(0, strPath.CompareNoCase(dlg.GetPathName()));
    EXPECT_EQ("neu.txt", dlg.GetFileName());
    EXPECT_EQ("txt", dlg.GetFileExt());
    EXPECT_EQ("neu", dlg.GetFileTitle());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}
} // namespace
