// The program on a German Windows, whose numbers have a decimal comma: start, connect to the
// station, record, save and reopen. Runs in its own test entry whose process has the German
// locale (HELVON_GERMAN_LOCALE set); elsewhere it is skipped.
#include "AppIds.h"
#include "FirstStart.h"
#include "app/IRControlView.h"
#include "app/MainFrame.h"
#include "station/record/IRControlDoc.h"
#include "station/record/MeasureCurve.h"
#include "station/record/MeasureValue.h"
#include <stdlib.h>
#include <string>

using namespace testing_support;

namespace
{
CIRControlApp& App()
{
    return *GetIRControlApp();
}

class GermanLocale : public FirstStart
{
  protected:
    void SetUp() override
    {
        if (getenv("HELVON_GERMAN_LOCALE") == NULL)
            GTEST_SKIP() << "runs in the German test entry";
        FirstStart::SetUp();
    }
    void TearDown() override
    {
        if (getenv("HELVON_GERMAN_LOCALE") != NULL)
            FirstStart::TearDown();
    }
};

TEST_F(GermanLocale, RecordsSavesAndReopensWithTheDecimalComma)
{
    // The process really runs as on a German Windows.
    char decimal[8] = "", name[16] = "";
    ASSERT_LT(0, ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, sizeof(decimal)));
    ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SNAME, name, sizeof(name));
    ASSERT_STREQ(",", decimal) << "locale " << name;
    EXPECT_STREQ("de-DE", name);
    char number[32] = "";
    ::GetNumberFormatA(LOCALE_USER_DEFAULT, 0, "1.5", NULL, number, sizeof(number));
    EXPECT_EQ(std::string("1,50"), number);

    StartAgain();
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(App().m_pMainWnd);
    ASSERT_TRUE(pFrame != NULL);
    SECCustomStatusBar& status = pFrame->GetStatusBar();
    const int nBaud = status.CommandToIndex(ID_INDICATOR_BAUD);
    ASSERT_TRUE(
        PumpUntil([&] { return CString(status.GetPaneText(nBaud)) == "Baudrate: 9600  Baud"; }, 10000))
        << (LPCSTR)status.GetPaneText(nBaud);
    CIRControlView* pView = dynamic_cast<CIRControlView*>(pFrame->MDIGetActive()->GetActiveView());
    ASSERT_TRUE(pView != NULL);
    CIRControlDoc* pDoc = pView->GetDocument();
    pFrame->SendMessage(WM_COMMAND, ID_RECORD);
    ASSERT_TRUE(pView->IsRecording());
    ASSERT_TRUE(PumpUntil([&] { return pDoc->GetSampleCount() >= 4; }, 10000));
    pFrame->SendMessage(WM_COMMAND, ID_RECORD);
    PumpMessages(400);
    ASSERT_FALSE(pView->IsRecording());
    const std::string path = TempFolder() + "\\german.hlv";
    ASSERT_TRUE(pDoc->OnSaveDocument(path.c_str()));
    CIRControlDoc* pReopened = dynamic_cast<CIRControlDoc*>(App().OpenDocumentFile(path.c_str()));
    ASSERT_TRUE(pReopened != NULL);
    ASSERT_NE(pDoc, pReopened);
    PumpMessages(100);
    EXPECT_TRUE(pReopened->IsLoadedFromFile());
    EXPECT_EQ(pDoc->GetSampleCount(), pReopened->GetSampleCount());
    for (int nSlot : {CIRControlDoc::TESolder, CIRControlDoc::IRSolder, CIRControlDoc::TopHeater})
    {
        SCOPED_TRACE(nSlot);
        CObList& saved = pDoc->GetCurve(nSlot)->GetValues();
        ASSERT_TRUE(pReopened->GetCurve(nSlot) != NULL);
        CObList& read = pReopened->GetCurve(nSlot)->GetValues();
        ASSERT_EQ(saved.GetCount(), read.GetCount());
        for (POSITION a = saved.GetHeadPosition(), b = read.GetHeadPosition(); a != NULL;)
        {
            CMeasureValue* pSaved = (CMeasureValue*)saved.GetNext(a);
            CMeasureValue* pRead = (CMeasureValue*)read.GetNext(b);
            EXPECT_EQ(pSaved->GetTime(), pRead->GetTime());
            EXPECT_EQ(pSaved->GetValue(), pRead->GetValue());
        }
    }
    // The reopened recording is shown in a window of its own.
    CIRControlView* pShown = dynamic_cast<CIRControlView*>(pFrame->MDIGetActive()->GetActiveView());
    ASSERT_TRUE(pShown != NULL);
    EXPECT_EQ(pReopened, pShown->GetDocument());
    ::DeleteFileA(path.c_str());
}
} // namespace
