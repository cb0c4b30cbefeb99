// Long operations forward to the application-wide component, when one is installed.
#include <algorithm>
#include "grid/core/LongOperation.h"

CGXLongOperationSettings* AFXAPI GXGetLongOperationSettings()
{
    static CGXLongOperationSettings s_settings;
    return &s_settings;
}

static CGXAbstractLongOperationImp* Imp()
{
    return GXGetAppData()->m_pLongOperationImp;
}

CGXLongOperation::CGXLongOperation() : m_dwStartTicks(::GetTickCount()), m_dwLastUpdateTicks(m_dwStartTicks)
{
    if (Imp() != NULL)
        Imp()->Start(this);
    else
        GXGetLongOperationSettings()->m_nOperationLevel++;
}

CGXLongOperation::~CGXLongOperation()
{
    if (Imp() != NULL)
        Imp()->End(this);
    else
        GXGetLongOperationSettings()->m_nOperationLevel--;
    delete[] m_pszStatusText;
}

void CGXLongOperation::FreeStatusText()
{
    if (Imp() != NULL)
        Imp()->FreeStatusText(this);
}

void CGXLongOperation::SetStatusText(LPCTSTR pszText, BOOL bCopy)
{
    if (Imp() != NULL)
        Imp()->SetStatusText(this, pszText, bCopy);
}

BOOL CGXLongOperation::DoMessages(BOOL& bAbort)
{
    bAbort = FALSE;
    return Imp() != NULL ? Imp()->DoMessages(this, bAbort) : FALSE;
}

BOOL CGXLongOperation::NeedMessages()
{
    return Imp() != NULL ? Imp()->NeedMessages(this) : FALSE;
}

void CGXLongOperation::ProcessMessages()
{
    if (Imp() != NULL)
        Imp()->ProcessMessages(this);
}

BOOL CGXLongOperation::IsWaitTimeOver() const
{
    CGXLongOperationSettings* p = GXGetLongOperationSettings();
    DWORD dwWait = p->m_bDisplayStarted ? p->m_dwTicksContinued : p->m_dwTicksFirstTime;
    return ::GetTickCount() - m_dwLastUpdateTicks > dwWait;
}

void CGXLongOperation::SetPercentDone(int nPercent)
{
    CGXLongOperationSettings* p = GXGetLongOperationSettings();
    if (p->m_nLevelShown == -1 || p->m_nOperationLevel - 1 <= p->m_nLevelShown)
        p->m_nPercentDone = std::min(nPercent, 100);
}
