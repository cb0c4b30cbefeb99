// Bounded first-in-first-out queue of job records, copied in and out, guarded by a mutex with
// a semaphore counting the records present. Any thread may put; one worker thread gets. The
// station and Pendix queues are process-wide objects.
#pragma once
#include "afx.h"
#include "station/link/CommJob.h"
#include <vector>

class CMutexQueue : public CObject
{
    DECLARE_DYNAMIC(CMutexQueue)

public:
    // Construction
    explicit CMutexQueue(DWORD dwCapacity);
    ~CMutexQueue() override;
    CMutexQueue(const CMutexQueue&) = delete;
    CMutexQueue& operator=(const CMutexQueue&) = delete;

    // Operations
    void Create();
    void Destroy();
    // Drops every record. Runs under the mutex and keeps the handles, so a producer waiting
    // in Put stays safe.
    void Reset();
    // FALSE with ERROR_TIMEOUT when the mutex stayed taken, ERROR_DATABASE_FULL when full.
    BOOL Put(const STRUCT_COMM_JOB* pJob, DWORD dwTimeoutMs);
    // FALSE with ERROR_TIMEOUT when nothing came within the time-out. The record taken stays
    // "in hand" of the consumer until it calls EndJob.
    BOOL Get(STRUCT_COMM_JOB* pOut, DWORD dwTimeoutMs);
    void EndJob();
    // Removes the records of one protocol object, keeping the order of the others. Appends the
    // events of removed stop jobs (code 30) to stopEvents for the caller to signal once it is
    // done with the object; pbInHand tells whether the consumer holds a record of it.
    int RemoveJobsOf(const CSerialBaseClass* pProtocol, std::vector<HANDLE>& stopEvents, BOOL* pbInHand);
    // Number of records present (a snapshot).
    int GetCount();

    enum { stopJobCode = 30 };

    // Implementation
protected:
    STRUCT_COMM_JOB* m_pElements;
    DWORD m_dwCapacity;
    LONG m_lCount;
    HANDLE m_hMutex;
    HANDLE m_hSemaphore;
    const CSerialBaseClass* m_pInHand;
};
