// CDockState: where every bar of a frame is, taken with CFrameWnd::GetDockState and applied with
// SetDockState; kept in the application profile or in an archive. Owns its bar records.
//
// Differences from MFC:
// - Reading the profile stops at the first missing "%s-Bar%d" section, so a damaged "Bars" count
//   cannot hang the reader or exhaust memory.
// - A saved screen size with a zero side leaves positions unscaled (MFC divides by it).
#pragma once
#include "Archive.h"
#include "Object.h"
#include "PtrArray.h"
#include "Rect.h"
#include <type_traits>

class CControlBarInfo;

class CDockState : public CObject
{
    DECLARE_SERIAL(CDockState)

  public:
    // Construction
    CDockState();
    ~CDockState() override;
    CDockState(const CDockState&) = delete;
    CDockState& operator=(const CDockState&) = delete;

    // Attributes
    CPtrArray m_arrBarInfo; // CControlBarInfo*, owned
    DWORD GetVersion() const
    {
        return m_dwVersion;
    }
    static CSize PASCAL GetScreenSize();
    void SetScreenSize(CSize size);

    // Operations
    void LoadState(LPCTSTR lpszProfileName);
    void SaveState(LPCTSTR lpszProfileName);
    void Clear();
    void Serialize(CArchive& ar) override;
    // Positions saved on a screen of another size move in proportion.
    void ScalePoint(CPoint& pt) const;
    void ScaleRectPos(CRect& rect) const;

    // Implementation
    DWORD m_dwVersion;
    CSize m_sizeDevice;
    BOOL m_bScaling;

  protected:
    // The "<profile>-Summary" section: how many bar sections were written and the screen size.
    void WriteSummary(LPCTSTR lpszProfileName, int nBars);
    // The summary's bar count; its screen size is taken on.
    int ReadSummary(LPCTSTR lpszProfileName);
    // The archive form of every state type: version, screen size, count, then the records; the
    // records read are made by newInfo() and owned by the state before they read.
    template <class TState, class TNewInfo>
    static void SerializeRecords(TState& state, CArchive& ar, TNewInfo newInfo);
};

template <class TState, class TNewInfo>
void CDockState::SerializeRecords(TState& state, CArchive& ar, TNewInfo newInfo)
{
    using TInfo = std::remove_pointer_t<decltype(newInfo())>;
    if (ar.IsStoring())
    {
        ar << state.m_dwVersion;
        if (state.m_dwVersion > 1)
            ar << (SIZE)GetScreenSize();
        ar << (WORD)state.m_arrBarInfo.GetSize();
        for (int i = 0; i < state.m_arrBarInfo.GetSize(); i++)
            static_cast<TInfo*>(state.m_arrBarInfo[i])->Serialize(ar, &state);
        return;
    }
    state.Clear();
    ar >> state.m_dwVersion;
    if (state.m_dwVersion > 1)
    {
        SIZE size;
        ar >> size;
        state.SetScreenSize(size);
    }
    WORD nCount;
    ar >> nCount;
    for (WORD i = 0; i < nCount; i++)
    {
        TInfo* pInfo = newInfo();
        state.m_arrBarInfo.Add(pInfo); // owned before it reads, so a failed read loses nothing
        pInfo->Serialize(ar, &state);
    }
    state.m_dwVersion = 2;
}
