// CPrintInfo: page range kept in the print dialog's record, as the system dialog shows it.
#include "PrintInfo.h"
#include "PrintDialog.h"

CPrintInfo::CPrintInfo()
    : m_pPD(new CPrintDialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION)), m_bDirect(FALSE),
      m_bPreview(FALSE), m_bContinuePrinting(TRUE), m_nCurPage(1), m_nNumPreviewPages(0), m_lpUserData(NULL)
{
    SetMinPage(1);
    SetMaxPage(0xffff);
    m_pPD->m_pd.nFromPage = 1;
    m_pPD->m_pd.nToPage = 0xffff;
}

CPrintInfo::~CPrintInfo()
{
    delete m_pPD;
}

void CPrintInfo::SetMinPage(UINT nMinPage)
{
    m_pPD->m_pd.nMinPage = (WORD)nMinPage;
}
void CPrintInfo::SetMaxPage(UINT nMaxPage)
{
    m_pPD->m_pd.nMaxPage = (WORD)nMaxPage;
}
UINT CPrintInfo::GetMinPage() const
{
    return m_pPD->m_pd.nMinPage;
}
UINT CPrintInfo::GetMaxPage() const
{
    return m_pPD->m_pd.nMaxPage;
}
UINT CPrintInfo::GetFromPage() const
{
    return m_pPD->m_pd.nFromPage;
}
UINT CPrintInfo::GetToPage() const
{
    return m_pPD->m_pd.nToPage;
}
UINT CPrintInfo::GetOffsetPage() const
{
    return m_nCurPage - GetFromPage();
}
