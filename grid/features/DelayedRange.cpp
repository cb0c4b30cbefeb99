// Delayed ranges and their evaluated rows.
#include "grid/features/DelayedRange.h"

IMPLEMENT_SERIAL(CGXDelayedRange, CObject, 1)

void CGXDelayedRange::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_range;
    else
        ar >> m_range;
    m_awStart.Serialize(ar);
    m_awEnd.Serialize(ar);
    if (ar.IsLoading() && m_awStart.GetSize() != m_awEnd.GetSize())
        AfxThrowArchiveException(CArchiveException::generic);
}

void CGXDelayedRange::CopyFrom(const CGXDelayedRange& src)
{
    m_range = src.m_range;
    m_awStart.Copy(src.m_awStart);
    m_awEnd.Copy(src.m_awEnd);
    m_bDone = src.m_bDone;
}

BOOL CGXDelayedRange::IsEvaluated(ROWCOL nRow) const
{
    for (INT_PTR i = 0; i < m_awStart.GetSize(); i++)
        if (m_awStart[i] <= nRow && nRow <= m_awEnd[i])
            return TRUE;
    return FALSE;
}

void CGXDelayedRange::MarkEvaluated(ROWCOL nFirst, ROWCOL nLast)
{
    // Insert in order, then join intervals that overlap or touch.
    INT_PTR i = 0;
    while (i < m_awStart.GetSize() && m_awStart[i] < nFirst)
        i++;
    m_awStart.InsertAt((int)i, nFirst);
    m_awEnd.InsertAt((int)i, nLast);
    for (INT_PTR j = 0; j + 1 < m_awStart.GetSize();)
        if (m_awStart[j + 1] <= m_awEnd[j] + 1)
        {
            if (m_awEnd[j + 1] > m_awEnd[j])
                m_awEnd[j] = m_awEnd[j + 1];
            m_awStart.RemoveAt((int)j + 1);
            m_awEnd.RemoveAt((int)j + 1);
        }
        else
            j++;
    for (INT_PTR j = 0; j < m_awStart.GetSize(); j++)
        if (m_awStart[j] <= m_range.top && m_awEnd[j] >= m_range.bottom)
            m_bDone = TRUE;
}

void CGXDelayedRange::CopyIntervals(const CGXDelayedRange& src, ROWCOL nFirst, ROWCOL nLast)
{
    m_awStart.RemoveAll();
    m_awEnd.RemoveAll();
    for (INT_PTR i = 0; i < src.m_awStart.GetSize(); i++)
    {
        DWORD a = src.m_awStart[i] > nFirst ? src.m_awStart[i] : nFirst;
        DWORD b = src.m_awEnd[i] < nLast ? src.m_awEnd[i] : nLast;
        if (a <= b)
        {
            m_awStart.Add(a);
            m_awEnd.Add(b);
        }
    }
}
