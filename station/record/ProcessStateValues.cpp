// CProcessStateValues: state text and the stream.
#include "station/record/ProcessStateValues.h"
#include "station/record/ArchiveFields.h"
#include "StationIds.h"

IMPLEMENT_SERIAL(CProcessStateValues, CObject, 0)

using namespace archive_fields;

CProcessStateValues::CProcessStateValues() : m_nSample(0), m_nTime(0), m_nState(0)
{
}

CProcessStateValues::CProcessStateValues(int nSample, int nTime, int nState)
    : m_nSample(nSample), m_nTime(nTime), m_nState(nState)
{
}

CProcessStateValues::~CProcessStateValues()
{
}

CString CProcessStateValues::GetStateText() const
{
    CString text;
    text.LoadString(m_nState != 0 ? IDS_REC_STATE_ON : IDS_REC_STATE_OFF);
    return text;
}

void CProcessStateValues::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << (DWORD)m_nSample << (DWORD)m_nTime << (DWORD)m_nState;
        StoreEnd(ar);
    }
    else
    {
        ar >> m_nSample >> m_nTime >> m_nState;
        SkipEnd(ar);
    }
}
