// The dialog bar: made from its template, shown or hidden by its style, sized as the template,
// and its controls updated through the frame.
#include "FramesTestIds.h"
#include "TestSupport.h"
#include "afxwin.h"
#include "uilib/frames/docking/ControlBarInfo.h"
#include "uilib/frames/docking/DialogBar.h"
#include "uilib/frames/docking/FrameWnd.h"

using namespace testing_support;

namespace
{
TEST(SECDialogBar, IsMadeFromItsTemplate)
{
    for (bool bVisible : {true, false})
    {
        SCOPED_TRACE(bVisible ? "visible" : "hidden");
        SECFrameWnd* pFrame = new SECFrameWnd;
        pFrame->Create(NULL, _T("Dialogleiste"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 500, 400));
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        SECDialogBar* pBar = new SECDialogBar;
        ASSERT_TRUE(pBar->Create(pFrame, IDD_DOCK_DIALOGBAR,
                                 (bVisible ? WS_VISIBLE : 0) | CBRS_TOP | WS_CAPTION, BAR_EX_GRIPPER, 0x500));
        pBar->m_bAutoDelete = TRUE;
        EXPECT_EQ(bVisible, pBar->IsWindowVisible() != FALSE);
        EXPECT_EQ(0x500, pBar->GetDlgCtrlID());
        EXPECT_EQ((DWORD)BAR_EX_GRIPPER, pBar->GetExBarStyle());
        EXPECT_EQ(0u, pBar->GetStyle() & WS_CAPTION);
        EXPECT_TRUE(pBar->GetStyle() & WS_CLIPSIBLINGS);
        EXPECT_NE(nullptr, pBar->GetDlgItem(IDC_DOCK_EDIT));
        // Every remembered size starts as the template's size in pixels.
        CRect rect(0, 0, 120, 30);
        ::MapDialogRect(pBar->m_hWnd, &rect);
        for (const CSize& size : {pBar->m_szDefault, pBar->m_szFloat, pBar->m_szDockHorz, pBar->m_szDockVert})
            EXPECT_EQ(rect.Size(), size);
        // At the parent's origin until it is docked.
        CRect rectBar;
        pBar->GetWindowRect(&rectBar);
        pFrame->ScreenToClient(&rectBar);
        EXPECT_EQ(CPoint(0, 0), rectBar.TopLeft());
        // Its record names the template.
        SECControlBarInfo info;
        pBar->GetBarInfoEx(&info);
        EXPECT_EQ((DWORD)IDD_DOCK_DIALOGBAR, info.m_dwResourceID);
        EXPECT_STREQ(_T("SECDialogBar"), info.m_strClassName);
        pFrame->DestroyWindow();
    }
}

TEST(SECDialogBar, AMissingTemplateFailsTheCreation)
{
    SECFrameWnd* pFrame = new SECFrameWnd;
    pFrame->Create(NULL, _T("Dialogleiste"), WS_OVERLAPPEDWINDOW, CRect(100, 100, 500, 400));
    SECDialogBar bar;
    EXPECT_FALSE(bar.Create(pFrame, 9999, WS_VISIBLE | CBRS_TOP, 0, 0x501));
    EXPECT_EQ(nullptr, bar.m_hWnd);
    pFrame->DestroyWindow();
}

// A dialog bar that scales its children records them as the template placed them.
TEST(SECDialogBar, AScalingDialogBarScalesItsControls)
{
    SECFrameWnd* pFrame = new SECFrameWnd;
    pFrame->Create(NULL, _T("Dialogleiste"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 500, 400));
    SECDialogBar* pBar = new SECDialogBar;
    ASSERT_TRUE(
        pBar->Create(pFrame, IDD_DOCK_DIALOGBAR, WS_VISIBLE | CBRS_TOP, BAR_EX_SCALE_CHILDREN, 0x502));
    pBar->m_bAutoDelete = TRUE;
    ASSERT_TRUE(pBar->GetChildLayout() != NULL);
    EXPECT_EQ(2, pBar->GetChildLayout()->GetSize()) << "the area and the edit control";
    CWnd* pEdit = pBar->GetDlgItem(IDC_DOCK_EDIT);
    CRect rectBefore;
    pEdit->GetWindowRect(&rectBefore);
    CRect rectBar;
    pBar->GetWindowRect(&rectBar);
    pBar->SetWindowPos(NULL, 0, 0, rectBar.Width() * 2, rectBar.Height(), SWP_NOMOVE | SWP_NOZORDER);
    CRect rectAfter;
    pEdit->GetWindowRect(&rectAfter);
    // Twice as wide a bar: the control grows with it (within the bar's fixed borders).
    EXPECT_GT(rectAfter.Width(), rectBefore.Width() * 3 / 2);
    EXPECT_EQ(rectBefore.Height(), rectAfter.Height());
    pFrame->DestroyWindow();
}
} // namespace
