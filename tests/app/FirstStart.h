// The whole start-up against the simulated station: the fixture of the tests that start the
// program as a user does.
#pragma once
#include "DeviceSimulator.h"
#include "ProgramKey.h"
#include "SimulatorPort.h"
#include "TestSupport.h"
#include "app/IRControlApp.h"
#include "app/IRControlView.h"
#include "app/MainFrame.h"
#include "station/config/Config.h"
#include <string>

// The active recording's view, or none.
inline CIRControlView* ActiveRecording(CMainFrame* pFrame)
{
    CMDIChildWnd* pChild = pFrame->MDIGetActive();
    return pChild != NULL ? dynamic_cast<CIRControlView*>(pChild->GetActiveView()) : NULL;
}

// The whole start-up with the simulated station on its port, every other port switched off.
class FirstStart : public ProgramKeyTest
{
  protected:
    void SetUp() override
    {
        ProgramKeyTest::SetUp();
        RemoveWorkspaceFile();
        OnlySimulatorPort();
        ASSERT_TRUE(m_sim.Start(StationSimulator::kPort, "--process"));
    }
    void TearDown() override
    {
        if (GetIRControlApp()->m_pMainWnd != NULL)
            GetIRControlApp()->m_pMainWnd->DestroyWindow();
        testing_support::PumpMessages(50);
        // The next start registers its template again.
        delete GetIRControlApp()->m_pDocManager;
        GetIRControlApp()->m_pDocManager = NULL;
        RemoveWorkspaceFile();
        m_sim.Stop();
        ProgramKeyTest::TearDown();
    }
    // The main frame's workspace file, beside the program.
    static std::string WorkspaceFile()
    {
        return std::string(CConfig::GetModuleDirectory()) + "HelvonIni.wsp";
    }
    static void RemoveWorkspaceFile()
    {
        ::DeleteFileA(WorkspaceFile().c_str());
    }
    // A later start: no first-start text, no automatic recording (nothing to save when closing).
    void StartAgain()
    {
        WriteRawDword(HKEY_LOCAL_MACHINE, "Settings", "FirstStart", 0);
        WriteRawDword(HKEY_LOCAL_MACHINE, "Settings", "AutoRecord", 2);
        GetIRControlApp()->m_lpCmdLine = (LPTSTR) "";
        ASSERT_TRUE(GetIRControlApp()->InitInstance());
    }
    // A later start with the new recording it opens: its frame, view and document.
    void StartAgainWithRecording()
    {
        StartAgain();
        m_pFrame = dynamic_cast<CMainFrame*>(GetIRControlApp()->m_pMainWnd);
        ASSERT_TRUE(m_pFrame != NULL);
        m_pView = ActiveRecording(m_pFrame);
        ASSERT_TRUE(m_pView != NULL);
        m_pDoc = m_pView->GetDocument();
    }
    static BOOL IsEnabled(CFrameWnd* pFrame, UINT nID, int* pnCheck = NULL)
    {
        struct Probe : CCmdUI
        {
            BOOL bEnabled = TRUE;
            int nCheck = 0;
            void Enable(BOOL bOn) override
            {
                bEnabled = bOn;
                m_bEnableChanged = TRUE;
            }
            void SetCheck(int n) override
            {
                nCheck = n;
            }
        } probe;
        probe.m_nID = nID;
        probe.DoUpdate(pFrame, TRUE);
        if (pnCheck != NULL)
            *pnCheck = probe.nCheck;
        return probe.bEnabled;
    }
    StationSimulator m_sim;
    CMainFrame* m_pFrame = NULL;
    CIRControlView* m_pView = NULL;
    CIRControlDoc* m_pDoc = NULL;
};
