// Texts the program shows under the fonts Wine is given: each fits the control that shows it, in
// the font that control draws with: the user mask's current station parameters and its pin-1
// choices, the unit labels of the options' general page, the close button of a maximised
// recording on the menu bar.
#include "AppIds.h"
#include "DialogAnswer.h"
#include "FirstStart.h"
#include "app/MeasureTableWnd.h"
#include "ScreenInput.h"
#include "afxdlgs.h"
#include "station/record/IRControlDoc.h"
#include "uilib/bars/BtnCaption.h"
#include "uilib/bars/MDIMenuBar.h"
#include <string>

using namespace testing_support;

namespace
{
// A control's text as a static control draws it: "&" marks the next letter.
std::string Shown(const CString& text)
{
    std::string shown;
    for (int i = 0; i < text.GetLength(); i++)
    {
        if (text[i] == '&' && i + 1 < text.GetLength())
            i++;
        shown += text[i];
    }
    return shown;
}

// The width of a static control's text in the font it paints with: the parent's colour message
// may select one, then the control selects its own when it has one.
int StaticTextWidth(CWnd* pControl)
{
    CString text;
    pControl->GetWindowText(text);
    CClientDC dc(pControl);
    pControl->GetParent()->SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.m_hDC, (LPARAM)pControl->m_hWnd);
    if (HFONT hFont = (HFONT)pControl->SendMessage(WM_GETFONT))
        ::SelectObject(dc.m_hDC, hFont);
    const std::string shown = Shown(text);
    return dc.GetTextExtent(shown.c_str(), (int)shown.size()).cx;
}

int ClientWidth(CWnd* pControl)
{
    CRect rect;
    pControl->GetClientRect(&rect);
    return rect.Width();
}

// Checks every static text of a dialog against its control; the number checked.
int CheckStaticTexts(HWND hDlg)
{
    int nChecked = 0;
    for (HWND hChild = ::GetWindow(hDlg, GW_CHILD); hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        char szClass[16] = "";
        ::GetClassNameA(hChild, szClass, sizeof(szClass));
        if (lstrcmpiA(szClass, "Static") != 0 ||
            (::GetWindowLong(hChild, GWL_STYLE) & SS_TYPEMASK) > SS_RIGHT)
            continue;
        CWnd* pLabel = CWnd::FromHandle(hChild);
        CString text;
        pLabel->GetWindowText(text);
        SCOPED_TRACE((LPCSTR)text);
        EXPECT_LE(StaticTextWidth(pLabel), ClientWidth(pLabel));
        nChecked++;
    }
    return nChecked;
}
} // namespace

// The station's current parameters in the user mask, the longest texts they take, and the
// pin-1 positions in their drop-down list.
TEST_F(FirstStart, UserMaskTextsFitTheirControls)
{
    ASSERT_NO_FATAL_FAILURE(StartAgainWithRecording());
    CDialog* pMask = m_pDoc->GetParameterDlg();
    ASSERT_TRUE(pMask != NULL && pMask->GetSafeHwnd() != NULL);
    m_pFrame->GetMeasureTableWnd().GetTabWnd().ActivateTab(CMeasureTableWnd::TabUserMask);
    PumpAsTheApplication(100);
    // What the parameter bar shows of the user mask at its default height.
    CRect rectShown;
    pMask->GetClientRect(&rectShown);
    pMask->ClientToScreen(&rectShown);
    CRect rectTabs;
    pMask->GetParent()->GetClientRect(&rectTabs);
    pMask->GetParent()->ClientToScreen(&rectTabs);
    rectShown.IntersectRect(&rectShown, &rectTabs);
    // Three-digit values, the longer sensor and unit texts.
    m_pDoc->SetProfileValues(99, 450, 450, 450, 999, 450, 100, "IR-Sensor",
                             " \xB0"
                             "F",
                             m_pView);
    m_pDoc->FillParameterDlg(TRUE);
    const int labels[] = {IDC_MASK_PROGRAM, IDC_MASK_T1,     IDC_MASK_T2,   IDC_MASK_T3,
                          IDC_MASK_TL,      IDC_MASK_ENERGY, IDC_MASK_TIME, IDC_MASK_SENSOR};
    for (int nID : labels)
    {
        CWnd* pLabel = pMask->GetDlgItem(nID);
        ASSERT_TRUE(pLabel != NULL);
        CString text;
        pLabel->GetWindowText(text);
        SCOPED_TRACE((LPCSTR)text);
        EXPECT_FALSE(text.IsEmpty());
        EXPECT_LE(StaticTextWidth(pLabel), ClientWidth(pLabel));
        CRect rectLabel;
        pLabel->GetWindowRect(&rectLabel);
        EXPECT_LE(rectLabel.bottom, rectShown.bottom) << "the line is shown";
    }
    EXPECT_GE(CheckStaticTexts(pMask->m_hWnd), 8 + 10) << "the labels of the fields too";
    CWnd* pLabel = pMask->GetDlgItem(IDC_MASK_SENSOR);
    CString sensor;
    pLabel->GetWindowText(sensor);
    EXPECT_EQ(0, sensor.Find("Sensor = IR-Sensor")) << (LPCSTR)sensor;

    // The pin-1 choices in the combo box's text field, in the combo box's font.
    CComboBox* pCombo = (CComboBox*)pMask->GetDlgItem(IDC_MASK_PIN1);
    ASSERT_TRUE(pCombo != NULL);
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(::GetComboBoxInfo(pCombo->m_hWnd, &info));
    CClientDC dc(pCombo);
    dc.SelectObject(pCombo->GetFont());
    ASSERT_EQ(4, pCombo->GetCount());
    for (int i = 0; i < pCombo->GetCount(); i++)
    {
        CString text;
        pCombo->GetLBText(i, text);
        SCOPED_TRACE((LPCSTR)text);
        EXPECT_LE(dc.GetTextExtent(text).cx, CRect(info.rcItem).Width());
    }
    m_pDoc->SetModifiedFlag(FALSE);
}

// The labels of the options' general page.
TEST_F(FirstStart, GeneralPageLabelsFit)
{
    StartAgain();
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(GetIRControlApp()->m_pMainWnd);
    ASSERT_TRUE(pFrame != NULL);
    int nChecked = 0;
    DialogAnswer answer;
    answer.nControl = ID_APPLY_NOW;
    answer.inspect = [&](HWND hSheet) {
        ::SendMessageA(hSheet, PSM_SETCURSEL, 2, 0);
        nChecked = CheckStaticTexts(::GetParent(DialogAnswer::Control(hSheet, IDC_GENERAL_TEMP_BASE)));
    };
    answer.attempts = {DialogAnswer::Attempt({}, IDCANCEL)};
    answer.Arm();
    pFrame->SendMessage(WM_COMMAND, ID_OPTIONS);
    EXPECT_TRUE(answer.bSeen);
    EXPECT_GE(nChecked, 6) << "the page's labels";
}

// A maximised recording's minimise, restore and close buttons at the right end of the menu bar:
// inside the part of the bar that shows, the close button's cross where the screen shows it.
TEST_F(FirstStart, MaximisedRecordingsCloseButtonShowsWhole)
{
    StartAgain();
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(GetIRControlApp()->m_pMainWnd);
    ASSERT_TRUE(pFrame != NULL);
    CMDIChildWnd* pChild = pFrame->MDIGetActive();
    ASSERT_TRUE(pChild != NULL);
    pFrame->SetForegroundWindow();
    pChild->MDIMaximize();
    PumpAsTheApplication(300);
    SECMenuBar* pBar = pFrame->GetMenuBar();
    ASSERT_TRUE(pBar != NULL && pBar->IsWindowVisible());
    SECBtnCaption* pCaption = NULL;
    for (int i = 0; i < pBar->GetBtnCount() && pCaption == NULL; i++)
        pCaption = dynamic_cast<SECBtnCaption*>(pBar->GetButton(i));
    ASSERT_TRUE(pCaption != NULL);
    ASSERT_FALSE(pCaption->HasStyle(TBBS_HIDDEN)) << "shown for a maximised child";
    // What of the bar shows: its window within its dock bar's client area.
    CRect rectShown, rectDock;
    pBar->GetWindowRect(&rectShown);
    pBar->GetParent()->GetClientRect(&rectDock);
    pBar->GetParent()->ClientToScreen(&rectDock);
    rectShown.IntersectRect(&rectShown, &rectDock);
    CRect rectButton = pCaption->GetRect();
    pBar->ClientToScreen(&rectButton);
    EXPECT_LE(rectButton.right, rectShown.right) << "the buttons end inside the bar";
    EXPECT_GE(rectButton.left, rectShown.left);
    // The cross of the close part crosses at its centre.
    const int xClose = rectButton.left + 2 * pCaption->m_cxPart + 2;
    const CPoint centre(xClose + pCaption->m_cxPart / 2, rectButton.top + pCaption->m_cyPart / 2);
    pBar->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    HDC hScreen = ::GetDC(NULL);
    const COLORREF c = ::GetPixel(hScreen, centre.x, centre.y);
    ::ReleaseDC(NULL, hScreen);
    EXPECT_LT(GetRValue(c) + GetGValue(c) + GetBValue(c), 3 * 100)
        << "the close cross at " << centre.x << "," << centre.y << ": " << std::hex << c;
}
