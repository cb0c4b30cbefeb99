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
    // dwStopJobCode: the code of this queue's stop jobs, whose events must never be lost.
    CMutexQueue(DWORD dwCapacity, DWORD dwStopJobCode);
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
    // Ends the record in hand after signalling the given stop events: the consumer no longer
    // touches their objects, and a ReleaseLink waiting for the record cannot return (and its
    // caller close an event) before the events are set.
    void EndJob(const std::vector<HANDLE>& stopEvents);
    // Removes the records of one protocol object, keeping the order of the others. Appends the
    // events of removed stop jobs to stopEvents for the caller to signal once it is done with
    // the object; pbInHand tells whether the consumer holds a record of it.
    int RemoveJobsOf(const CSerialBaseClass* pProtocol, std::vector<HANDLE>& stopEvents, BOOL* pbInHand);
    // Takes a link away from the consumer so its object may be deleted: removes its records,
    // waits until the consumer holds none of them, closes the port under the write lock, then
    // signals the stop events of the removed records.
    void ReleaseLink(CSerialBaseClass* pProtocol);
    // Number of records present (a snapshot).
    int GetCount();
    DWORD GetStopJobCode() const
    {
        return m_dwStopJobCode;
    }

    // Implementation
  protected:
    STRUCT_COMM_JOB* m_pElements;
    DWORD m_dwCapacity;
    DWORD m_dwStopJobCode;
    LONG m_lCount;
    HANDLE m_hMutex;
    HANDLE m_hSemaphore;
    const CSerialBaseClass* m_pInHand;
};
