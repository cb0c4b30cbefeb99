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
        Imp()->Stop(this);
    else
        GXGetLongOperationSettings()->m_nOperationLevel--;
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

void CGXLongOperation::SetCanAbort(BOOL b)
{
    m_bCanAbort = b;
    GXGetLongOperationSettings()->m_bCanAbort = b;
}

BOOL CGXLongOperation::IsWaitTimeOver() const
{
    CGXLongOperationSettings* p = GXGetLongOperationSettings();
    // Before the wait cursor shows, counted from the start; afterwards from the last update.
    if (!p->m_bDisplayStarted)
        return ::GetTickCount() - m_dwStartTicks >= p->m_dwTicksFirstTime;
    return ::GetTickCount() - m_dwLastUpdateTicks >= p->m_dwTicksContinued;
}

void CGXLongOperation::SetPercentDone(int nPercent)
{
    CGXLongOperationSettings* p = GXGetLongOperationSettings();
    if (p->m_nLevelShown == -1 || p->m_nOperationLevel - 1 <= p->m_nLevelShown)
        p->m_nPercentDone = std::min(nPercent, 100);
}
