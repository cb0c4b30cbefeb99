// The toolbar-manager tests' frame.
#include "ManagedFrame.h"
#include "TestSupport.h"

using namespace testing_support;

const std::vector<ManagedFrame::Def> ManagedFrame::s_twoBars = {
    {kFirstBar, "Erste", IDR_TB_FIRST, AFX_IDW_DOCKBAR_TOP, 0, TRUE, TRUE},
    {kSecondBar, "Zweite", IDR_TB_SECOND, AFX_IDW_DOCKBAR_TOP, kFirstBar, TRUE, TRUE},
};

ManagedFrame::ManagedFrame(const std::vector<Def>& defs, bool bMenuBar) : m_pFrame(new CToolTestFrame)
{
    m_pFrame->Create(NULL, _T("Verwaltet"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 680, 480));
    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    m_status.Create(m_pFrame);
    const UINT indicators[] = {0};
    m_status.SetIndicators(indicators, 1);
    m_view.Create(NULL, _T("Ansicht"), WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 10, 10), m_pFrame,
                  AFX_IDW_PANE_FIRST);
    if (bMenuBar)
    {
        m_pMenuBar.reset(new SECMenuBar);
        m_pFrame->m_pMenuBar = m_pMenuBar.get();
    }
    m_pManager = new SECToolBarManager(m_pFrame, m_pFrame);
    m_pFrame->SetControlBarManager(m_pManager);
    m_pManager->AddToolBarResource(IDR_TB_FIRST, IDR_TB_FIRST);
    m_pManager->AddToolBarResource(IDR_TB_SECOND, IDR_TB_SECOND);
    for (const Def& def : defs)
    {
        int nCount = 0;
        UINT* pIDs = NULL;
        m_pManager->DefineDefaultToolBar(def.nBarID, def.pszTitle, def.nResource, nCount, pIDs,
                                         CBRS_ALIGN_ANY, def.nDockBarID, def.nBeside, def.bDocked,
                                         def.bVisible);
        m_ids.emplace_back(pIDs);
        m_counts.push_back(nCount);
    }
    m_pFrame->SetActiveWindow();
}

ManagedFrame::~ManagedFrame()
{
    m_status.DestroyWindow();
    m_pFrame->DestroyWindow();
    delete m_pManager;
    PumpMessages(10);
}

std::vector<SECCustomToolBar*> ManagedFrame::Bars() const
{
    std::vector<SECCustomToolBar*> bars;
    POSITION pos = m_pFrame->m_listControlBars.GetHeadPosition();
    while (pos != NULL)
    {
        CControlBar* pBar = (CControlBar*)m_pFrame->m_listControlBars.GetNext(pos);
        if (pBar->IsKindOf(RUNTIME_CLASS(SECCustomToolBar)))
            bars.push_back(static_cast<SECCustomToolBar*>(pBar));
    }
    return bars;
}

CString ManagedFrame::Title(UINT nID) const
{
    CString strTitle;
    if (SECCustomToolBar* pBar = Bar(nID))
        pBar->GetWindowText(strTitle);
    return strTitle;
}
