// CProcessStateValues: one sample of a process-state bar: sample number, time and on/off state.
// Owned by its bar.
#pragma once
#include "afxwin.h"

class CProcessStateValues : public CObject
{
    DECLARE_SERIAL(CProcessStateValues)

  public:
    CProcessStateValues();
    CProcessStateValues(int nSample, int nTime, int nState);
    ~CProcessStateValues() override;

    int GetSample() const
    {
        return m_nSample;
    }
    int GetTime() const
    {
        return m_nTime;
    }
    int GetState() const
    {
        return m_nState;
    }
    // " EIN " for any state but 0, else " AUS".
    CString GetStateText() const;
    void Serialize(CArchive& ar) override;

  private:
    int m_nSample;
    int m_nTime;
    int m_nState;
};
